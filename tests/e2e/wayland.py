#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reefwise on a Wayland desktop (weston, headless): through XWayland where
the session offers X11, natively where it does not; either way the countdown
leads to question screen 1 without an error."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from xsession import SANITIZER_REPORTS, TITLE, XSession, check, end_process, run_cases

INTRO = (311, 443)
QUESTION = (325, 371)
COUNTDOWN_SECONDS = 25
# Weston draws its own frame around X11 windows and announces no frame
# extents, so a program can centre only its client area; weston then puts
# its border and title bar (6 and 27 pixels here) in front of it.
WESTON_FRAME_ALLOWANCE = 32


class Weston:
    """A headless weston with XWayland, whose screen can be captured."""

    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="reefwise-wayland-")
        os.chmod(self.runtime, 0o700)
        self.socket = "wayland-reefwise"
        self.log = os.path.join(self.runtime, "weston.log")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        with open(self.log, "w") as log:
            # --debug lets a client take screenshots.
            self.process = subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--use-pixman", "--xwayland", "--debug",
                 f"--socket={self.socket}", "--width=1024", "--height=768", "--idle-time=0"],
                env=env, stdout=log, stderr=subprocess.STDOUT)
        self.x11 = self._wait_for_log(r"xserver listening on display (:\d+)")
        self.env = dict(env, WAYLAND_DISPLAY=self.socket)
        self.env.pop("QT_QPA_PLATFORM", None)
        self._wait_for_x11_window_manager()

    def _wait_for_x11_window_manager(self, timeout=15):
        """XWayland starts with its first client; a desktop session has it and
        weston's X11 window manager running before any program opens."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            r = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                               env=dict(self.env, DISPLAY=self.x11), capture_output=True, text=True)
            if "window id" in r.stdout:
                return
            time.sleep(0.2)
        raise RuntimeError("weston's X11 window manager did not start")

    def _wait_for_log(self, pattern, timeout=15):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with open(self.log) as f:
                found = re.search(pattern, f.read())
            if found and os.path.exists(os.path.join(self.runtime, self.socket)):
                return found.group(1)
            if self.process.poll() is not None:
                break
            time.sleep(0.1)
        with open(self.log) as f:
            raise RuntimeError(f"weston did not start:\n{f.read()}")

    def screenshot(self):
        """The whole output, as rows of (r, g, b), through weston's screenshooter."""
        for old in glob.glob(os.path.join(self.runtime, "wayland-screenshot-*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.runtime, check=True,
                       capture_output=True, timeout=20)
        png = glob.glob(os.path.join(self.runtime, "wayland-screenshot-*.png"))[0]
        raw = subprocess.run(["convert", png, "-depth", "8", "rgb:-"], check=True,
                             capture_output=True).stdout
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    def close(self):
        end_process(self.process)
        shutil.rmtree(self.runtime, ignore_errors=True)


def water_pixels(pixels):
    """The fish photos stand in open blue water; the intro has none."""
    return sum(1 for r, g, b in pixels if b > 120 and b > r + 60 and b > g + 10)


def quiz(env, binary):
    return subprocess.Popen([binary], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def stop(process):
    if process.poll() is None:
        process.terminate()
    try:
        _, err = process.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        _, err = process.communicate()
    return err.decode(errors="replace")


def x11_geometry(w, window="-root"):
    args = ["xwininfo", window] if window == "-root" else ["xwininfo", "-id", window]
    info = subprocess.run(args, env=dict(w.env, DISPLAY=w.x11), capture_output=True,
                          text=True).stdout
    return tuple(int(re.search(rf"{k}:\s+(-?\d+)", info).group(1))
                 for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def x11_windows(w, size=None):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(TITLE)}$"],
                         env=dict(w.env, DISPLAY=w.x11), capture_output=True, text=True).stdout
    return [window for window in out.split()
            if size is None or x11_geometry(w, window)[2:] == size]


def wait(predicate, timeout):
    # Every look spawns X11 tools or a screenshot: half a second apart is enough.
    return XSession._wait(predicate, timeout, step=0.5)


def check_placed_in_the_middle(w, size):
    def off_centre():
        x, y, width, height = x11_geometry(w, x11_windows(w, size)[0])
        _, _, screen_w, screen_h = x11_geometry(w)
        return x - (screen_w - width) / 2, y - (screen_h - height) / 2

    # Weston shows a new X11 window first, then moves it where it was asked.
    placed = lambda: all(abs(d) <= WESTON_FRAME_ALLOWANCE for d in off_centre())
    wait(placed, 3)
    dx, dy = off_centre()
    print(f"  {size[0]}x{size[1]} window's client area is off centre by {dx}, {dy}")
    check(placed(), f"the {size[0]}x{size[1]} window is off centre by {dx}, {dy}")


def xwayland_session_runs_through_x11(w, binary):
    process = quiz(dict(w.env, DISPLAY=w.x11), binary)
    try:
        check(wait(lambda: x11_windows(w, INTRO), 15), "no quiz window on XWayland's X11 display")
        check_placed_in_the_middle(w, INTRO)
        # XWayland takes no synthetic input: the countdown starts the quiz.
        check(wait(lambda: x11_windows(w, QUESTION), COUNTDOWN_SECONDS + 15),
              "question screen 1 never showed on the X11 display")
        time.sleep(0.5)
        check_placed_in_the_middle(w, QUESTION)
        check(process.poll() is None, "the quiz ended by itself")
    finally:
        err = stop(process)
    check(not any(m in err for m in SANITIZER_REPORTS), f"sanitizer report: {err}")


def pure_wayland_runs_natively(w, binary):
    env = dict(w.env)
    env.pop("DISPLAY", None)
    process = quiz(env, binary)
    try:
        time.sleep(3)
        check(process.poll() is None, "the quiz did not start on pure Wayland")
        before = water_pixels(w.screenshot())
        check(wait(lambda: water_pixels(w.screenshot()) > 40000, COUNTDOWN_SECONDS + 15),
              "no fish photo on screen after the countdown")
        check(before < 2000, f"the intro already showed a photo ({before} water pixels)")
        check(process.poll() is None, "the quiz ended by itself")
    finally:
        err = stop(process)
    check("qt.qpa" not in err and "Could not" not in err, f"errors on pure Wayland: {err}")
    check(not any(m in err for m in SANITIZER_REPORTS), f"sanitizer report: {err}")




if __name__ == "__main__":
    sys.exit(run_cases([xwayland_session_runs_through_x11, pure_wayland_runs_natively],
                       session=Weston))
