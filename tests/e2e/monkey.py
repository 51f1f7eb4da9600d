#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A bounded monkey: a fixed number of random clicks and keystrokes from a
fixed seed, over every screen of the real program in a real X server. It
passes when nothing crashes, no sanitizer reports, every end of the run has
status 0, and never more than one screen is visible between moves."""

import argparse
import random
import subprocess
import sys
import time

from xsession import SANITIZER_REPORTS, XSession

SCREEN_SIZES = {(311, 443), (325, 254), (85, 85)}
# Places worth hitting more often than chance would: the countdown, the
# answer box, the three buttons and the finale's pictures.
# Next is favoured and Exit rare, so that runs reach the last screens.
HOT_SPOTS = [(155, 420), (162, 262), (71, 318), (163, 318), (255, 318), (83, 155), (250, 154)]
HOT_WEIGHTS = [1, 2, 1, 0.02, 6, 1, 0.3]
KEYS = ["Tab", "shift+Tab", "Return", "space", "BackSpace", "Escape", "Left", "ctrl+a"]


def is_screen(size):
    width, height = size
    return size in SCREEN_SIZES or (width == 325 and 371 <= height <= 411)


class Monkey:
    def __init__(self, x, binary, seed):
        self.x, self.binary = x, binary
        self.random = random.Random(seed)
        self.process = None
        self.runs = 0
        self.failures = []
        self.sizes_seen = set()

    def launch(self):
        self.process = subprocess.Popen([self.binary], env=self.x.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self.runs += 1
        if self.x._wait(lambda: self.screens(), 10) is None:
            self.failures.append("the program showed no screen")

    def finish_run(self):
        """Collects how a run that has ended went."""
        _, err = self.process.communicate(timeout=30)
        err = err.decode(errors="replace")
        if self.process.returncode != 0:
            self.failures.append(f"run {self.runs} ended with status {self.process.returncode}:\n"
                                 f"{err[-2000:]}")
        if any(m in err for m in SANITIZER_REPORTS):
            self.failures.append(f"run {self.runs} sanitizer report:\n{err}")

    def screens(self):
        return [w for w in self.x.windows() if is_screen(self.x.geometry(w)[2:])]

    def dialogs(self):
        return [w for w in self.x.windows() if not is_screen(self.x.geometry(w)[2:])]

    def step(self):
        if self.process.poll() is not None:
            self.finish_run()
            self.launch()
            return
        # A help box from the last screen's menu is closed as a person would.
        if self.dialogs():
            self.x.key("Escape")
            return
        screens = self.screens()
        if len(screens) != 1:
            time.sleep(0.15)
            screens = self.screens()
            if len(screens) > 1:
                self.failures.append(f"{len(screens)} screens visible at once")
            if len(screens) != 1:
                return
        window = screens[0]
        _, _, width, height = self.x.geometry(window)
        self.sizes_seen.add((width, height))
        roll = self.random.random()
        if (width, height) == (325, 254) and roll < 0.6:
            # Mostly on to the review pass, so that it is walked too.
            self.x.click(window, 83, 155)
        elif roll < 0.45:
            x, y = self.random.choices(HOT_SPOTS, HOT_WEIGHTS)[0]
            self.x.click(window, min(x, width - 1), min(y, height - 1))
        elif roll < 0.55:
            x, y = self.random.randrange(width), self.random.randrange(height)
            # Anywhere but the Exit button, which the hot spots seldom choose.
            if width == 325 and height >= 371 and 130 <= x <= 195 and y >= 285:
                y -= 100
            self.x.click(window, x, y)
        elif roll < 0.85:
            letters = "abcdefghijklmnopqrstuvwxyz  -4'"
            self.x.type("".join(self.random.choice(letters) for _ in range(self.random.randint(1, 8))))
        else:
            self.x.key(self.random.choice(KEYS))
        time.sleep(0.03)

    def end(self):
        if self.process.poll() is None:
            screens = self.screens()
            if screens:
                self.x._run(["xdotool", "windowactivate", "--sync", str(screens[0])], check=False)
                self.x.key("alt+F4")
        try:
            self.finish_run()
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.failures.append("the program did not end when its window was closed")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--seed", type=int, default=20261209)
    parser.add_argument("--steps", type=int, default=600)
    args = parser.parse_args()
    x = XSession()
    monkey = Monkey(x, args.binary, args.seed)
    try:
        monkey.launch()
        for _ in range(args.steps):
            monkey.step()
        monkey.end()
    finally:
        if monkey.process and monkey.process.poll() is None:
            monkey.process.kill()
        x.close()
    for failure in monkey.failures:
        print(f"FAIL!  : {failure}")
    print(f"monkey: {args.steps} steps over {monkey.runs} runs, seed {args.seed}, "
          f"window sizes seen: {sorted(monkey.sizes_seen)}")
    print(f"{0 if monkey.failures else 1} passed, {1 if monkey.failures else 0} failed")
    return 1 if monkey.failures else 0


if __name__ == "__main__":
    sys.exit(main())
