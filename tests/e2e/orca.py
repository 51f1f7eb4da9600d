#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the whole quiz as a blind player does, with the keyboard only and
Debian's screen reader Orca listening, and prints what Orca spoke at each
step, read from its debug log:

    /usr/bin/python3 tests/e2e/orca.py build/app/reefwise

The intro (the countdown heard at 10 seconds, then Return), an answer typed
on screen 1, Next, Back, Next through every screen, the finale's score,
Review, one wrong answer revealed with Return, and Exit. It checks that the
words a player depends on were spoken, but it is slow and rests on Orca's
timing, so CTest runs it only when asked (`ctest -L screen_reader`)."""

import datetime
import os
import re
import shutil
import subprocess
import sys
import time

from atspi import enable_accessibility, find_app
from xsession import ProgramRun, XSession, check, end_process, private_bus


class Orca:
    """Orca on the session's display and bus, speaking into its debug log,
    which it writes out only now and then: what it spoke is read back at the
    end, by the time stamp of each line."""

    def __init__(self, x):
        self.log = os.path.join(x.workdir, "orca-debug.log")
        env = dict(x.env, XDG_CONFIG_HOME=os.path.join(x.workdir, "config"),
                   XDG_DATA_HOME=os.path.join(x.workdir, "data"))
        self.process = subprocess.Popen(["orca", "--replace", f"--debug-file={self.log}"],
                                        env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        check(XSession._wait(lambda: os.path.exists(self.log), 30), "Orca did not start")
        # Orca listens once it has started its event loop; it says so only
        # in the log, which it may not have written out yet.
        time.sleep(3)

    def close(self):
        end_process(self.process)

    def spoken(self):
        """(seconds since midnight, words) for every utterance."""
        said = []
        with open(self.log, errors="replace") as f:
            for line in f:
                found = re.match(r"(\d+):(\d+):(\d+\.\d+) - SPEECH OUTPUT: '(.*)'", line)
                if found and found.group(4).strip():
                    h, m, sec, words = found.groups()
                    said.append((int(h) * 3600 + int(m) * 60 + float(sec), words))
        return said


def to_next(number):
    """The Tabs from where the focus opens on question screen `number` to
    its Next button: the photo comes first, then Exit, then Next; screen 4
    opens on Back, just before Next."""
    return ["Tab"] * (1 if number == 4 else 2)


def next_through(x, first, last):
    for number in range(first, last + 1):
        x.key(*to_next(number), "Return")
        time.sleep(1.2)


def now():
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def main():
    if not shutil.which("orca"):
        print("Orca is not installed: apt-get install orca")
        return 1
    private_bus()
    enable_accessibility()
    binary = sys.argv[1]
    x = XSession()
    orca = Orca(x)
    run = None
    steps = []  # (start, what, expected words)

    def step(what, *keys, expect=(), settle=2.5):
        steps.append((now(), what, expect))
        if keys:
            x.key(*keys)
        time.sleep(settle)

    ended = False
    try:
        run = ProgramRun(x, binary)
        find_app(pid=run.process.pid)
        step("arrival on the intro", settle=3,
             expect=("Reefwise! frame", "in 25 seconds", "Start now push button"))
        step("waiting at the intro", settle=13, expect=("Starting in 10 seconds",))
        step("Return on Start now", "Return", settle=3.5,
             expect=("Question 1 of 47", "Fish photo 1 of 47"))
        step("Shift+Tab into the answer box", "shift+Tab", expect=("Fish name text",))
        step("typing an answer")
        x.type("yellowtail snapper")
        step("Tab, Tab, Tab to Next", "Tab", "Tab", "Tab", expect=("Next push button",))
        step("Return on Next", "Return", settle=3.5, expect=("Question 2 of 47",))
        step("Tab, Tab, Tab to Back", "Tab", "Tab", "Tab", expect=("Back push button",))
        step("Return on Back", "Return", settle=3.5, expect=("Question 1 of 47",))
        step("Shift+Tab into the kept answer", "shift+Tab",
             expect=("Fish name text", "yellowtail snapper"))
        step("Tab to Next and Return on screens 1 to 46", "Tab", "Tab", "Tab", "Return", settle=1.2)
        next_through(x, 2, 46)
        step("Tab to Next and Return on screen 47", *to_next(47), "Return", settle=3.5,
             expect=("You got  1 out of 47 right!  Congratulations!", "Review push button"))
        step("Return on Review", "Return", settle=3.5, expect=("Review mode",))
        step("Shift+Tab into the green answer", "shift+Tab", expect=("Named right",))
        step("Tab, Tab, Tab to Next", "Tab", "Tab", "Tab", expect=("Next push button",))
        step("Return on Next", "Return", settle=3.5, expect=("Review, question 2 of 47",))
        step("Shift+Tab into the red answer", "shift+Tab", expect=("press Return",))
        step("Return in the red answer", "Return", expect=("Crevalle Jack",))
        step("Tab to Next and Return on review screens 2 to 46", "Tab", "Tab", "Tab", "Return",
             settle=1.2)
        next_through(x, 3, 46)
        step("Tab to Next and Return on review screen 47", *to_next(47), "Return",
             settle=3.5, expect=("End of the review", "Exit push button"))
        step("Return on Exit", "Return", settle=1)
        status, err = run.ended()
        ended = status == 0
    finally:
        if run:
            run.kill()
        orca.close()
        # The log lives in the session's folder, which closing the session removes.
        said = orca.spoken()
        x.close()

    failures = []
    for i, (start, what, expected) in enumerate(steps):
        end = steps[i + 1][0] if i + 1 < len(steps) else float("inf")
        heard = [words for t, words in said if start <= t < end]
        print(f"{what}:")
        for words in heard:
            print(f"    {words}")
        failures += [f"{what}: never heard {w!r}" for w in expected
                     if not any(w in words for words in heard)]
    if not ended:
        failures.append("Exit on the reduced finale did not end the run with status 0")
    for failure in failures:
        print(f"FAIL!  : {failure}")
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
