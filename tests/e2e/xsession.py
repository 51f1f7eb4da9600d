# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A real X server (Xvfb) with a window manager (openbox), and the means to
drive Reefwise in it as a person would: mouse moves, presses and releases,
typing; and to read it back only from the screen: pixels and OCR."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

TITLE = "Reefwise!"
# What the sanitizer builds print when they find something.
SANITIZER_REPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")


PRIVATE_BUS = "REEFWISE_PRIVATE_BUS"


def private_bus():
    """Runs this program again inside a session bus of its own, unless it is
    in one already. Call it before anything talks to the bus."""
    if os.environ.get(PRIVATE_BUS) == "1":
        return
    os.environ[PRIVATE_BUS] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])


def end_process(process):
    """Asks a helper process to end, and ends it if it does not."""
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()


class XSession:
    def __init__(self, width=1024, height=768, window_manager=True):
        self.workdir = tempfile.mkdtemp(prefix="reefwise-e2e-")
        # Kept after the session only when it holds a failure's screenshot.
        self.keep_workdir = False
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            # Without -noreset the server resets whenever its last client
            # leaves, as each xprop that asks after openbox does, and drops a
            # client that is connecting at that moment: openbox itself, now
            # and then.
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=f":{number}")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.wm = None
        if window_manager:
            self._start_openbox()

    def _start_openbox(self):
        wm_log = os.path.join(self.workdir, "openbox.log")
        with open(wm_log, "wb") as log:
            self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=log, stderr=log)
        # openbox announces itself on the root window before it loads its theme
        # and starts answering windows; it names the theme there once loaded. A
        # program started in between waits on openbox for its frame.
        def ready():
            said = self._run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK", "_OB_THEME"],
                             check=False) or b""
            return b"window id" in said and b"_OB_THEME(UTF8_STRING)" in said
        if not self._wait(ready, 10):
            with open(wm_log, errors="replace") as log:
                said = log.read()[-2000:]
            self.close()
            raise RuntimeError(f"openbox did not start on {self.env['DISPLAY']} (status "
                               f"{self.wm.poll()}, Xvfb status {self.xvfb.poll()}): {said}")

    def close(self):
        for p in (self.wm, self.xvfb):
            if p is not None:
                end_process(p)
        if not self.keep_workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)

    # -- plumbing -------------------------------------------------------
    def _run(self, args, check=True, data=None):
        r = subprocess.run(args, env=self.env, capture_output=True, input=data)
        if r.returncode != 0:
            if check:
                raise RuntimeError(f"{args[0]} failed: {r.stderr.decode(errors='replace')}")
            return None
        return r.stdout

    @staticmethod
    def _wait(predicate, timeout, step=0.01):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            value = predicate()
            if value:
                return value
            time.sleep(step)
        return None

    # -- windows ----------------------------------------------------------
    def windows(self):
        """The visible windows of the quiz, by id."""
        out = self._run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(TITLE)}$"],
                        check=False)
        return [int(w) for w in out.split()] if out else []

    def geometry(self, window):
        """Absolute x, y, width, height of a window's inside."""
        out = self._run(["xwininfo", "-id", str(window)]).decode()
        get = lambda key: int(re.search(rf"{key}:\s+(-?\d+)", out).group(1))
        return (get("Absolute upper-left X"), get("Absolute upper-left Y"), get("Width"),
                get("Height"))

    def frame_extents(self, window):
        """Left, right, top and bottom of the frame the window manager drew."""
        out = self._run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"]).decode()
        numbers = re.findall(r"\d+", out.partition("=")[2])
        return tuple(int(n) for n in numbers) if len(numbers) == 4 else (0, 0, 0, 0)

    def screen_size(self):
        out = self._run(["xwininfo", "-root"]).decode()
        return tuple(int(re.search(rf"{key}:\s+(\d+)", out).group(1)) for key in ("Width", "Height"))

    def off_centre(self, window):
        """How far the whole window, frame included, stands from the middle of
        the screen, in pixels along x and y; (0, 0) when centred, and halves
        where the free space is odd."""
        x, y, w, h = self.geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        screen_w, screen_h = self.screen_size()
        return (x - left - (screen_w - (w + left + right)) / 2,
                y - top - (screen_h - (h + top + bottom)) / 2)

    def wait_centred(self, window, timeout=3):
        """Waits until the window stands in the middle of the screen to the
        pixel, and returns how far off it still is."""
        def centred():
            dx, dy = self.off_centre(window)
            return abs(dx) <= 0.5 and abs(dy) <= 0.5
        self._wait(centred, timeout)
        return self.off_centre(window)

    def wait_single_window(self, size=None, other_than=None, timeout=10):
        """Waits until exactly one quiz window is visible (of `size`, and not
        `other_than`), and returns it."""
        def check():
            ws = self.windows()
            if len(ws) != 1 or ws[0] == other_than:
                return None
            # The last question screen is taller by its menu bar.
            if size:
                width, height = self.geometry(ws[0])[2:]
                if width != size[0] or not size[1] <= height <= size[1] + 40:
                    return None
            return ws[0]
        window = self._wait(check, timeout)
        if window is None:
            raise AssertionError(f"no single quiz window of size {size}; visible: {self.windows()}")
        return window

    # -- input ------------------------------------------------------------
    def click(self, window, x, y, client_top=0):
        gx, gy, _, _ = self.geometry(window)
        self._run(["xdotool", "mousemove", str(gx + x), str(gy + client_top + y),
                   "mousedown", "1", "mouseup", "1"])

    def type(self, text):
        self._run(["xdotool", "type", "--delay", "8", "--", text])

    def key(self, *keys):
        self._run(["xdotool", "key", "--delay", "20", *keys])

    # -- reading the screen ---------------------------------------------
    def pixels(self, window, x, y, w, h, client_top=0):
        gx, gy, _, _ = self.geometry(window)
        raw = self._run(["import", "-window", "root", "-crop",
                         f"{w}x{h}+{gx + x}+{gy + client_top + y}", "+repage", "-depth", "8",
                         "rgb:-"])
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    def ocr(self, window, x, y, w, h, client_top=0):
        gx, gy, _, _ = self.geometry(window)
        png = os.path.join(self.workdir, "ocr.png")
        self._run(["import", "-window", "root", "-crop", f"{w}x{h}+{gx + x}+{gy + client_top + y}",
                   "+repage", png])
        # The brightest channel, so that blue text on black reads as well as white.
        self._run(["convert", png, "-separate", "-evaluate-sequence", "Max", "-negate", "-resize",
                   "400%", png])
        out = self._run(["tesseract", png, "stdout", "--psm", "7"], check=False) or b""
        return " ".join(out.decode(errors="replace").split())

    def screenshot(self, path):
        self._run(["import", "-window", "root", path])


def count_colour(pixels, colour, tolerance=70):
    """Pixels close to a pure colour: antialiased text has a few."""
    return sum(1 for p in pixels if all(abs(a - b) <= tolerance for a, b in zip(p, colour)))


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class ProgramRun:
    """One run of the program under test in an X session; run_cases() kills
    whatever run a case leaves behind."""

    started = []

    def __init__(self, x, binary, env=None):
        ProgramRun.started.append(self)
        self.x = x
        self.process = subprocess.Popen([binary], env=dict(x.env, **(env or {})),
                                        stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE)

    def ended(self, timeout=10):
        """Waits for the end of the run; its exit status and standard error."""
        try:
            _, err = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise AssertionError("the program did not end")
        err = err.decode(errors="replace")
        check(not any(m in err for m in SANITIZER_REPORTS), f"sanitizer report: {err}")
        return self.process.returncode, err

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def run_cases(cases, session=None):
    """Runs the cases, each as case(x, binary), in one session (an X session
    unless `session` makes another), for the command line `binary [--only
    NAME]`; reports them the way QtTest does and returns the exit status."""
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--only")
    args = parser.parse_args()
    x = (session or XSession)()
    passed = failed = 0
    try:
        for case in cases:
            if args.only and args.only not in case.__name__:
                continue
            try:
                case(x, args.binary)
                passed += 1
                print(f"PASS   : {case.__name__}", flush=True)
            except Exception:
                failed += 1
                print(f"FAIL!  : {case.__name__}")
                traceback.print_exc(file=sys.stdout)
                if hasattr(x, "workdir"):
                    x.screenshot(f"{x.workdir}/{case.__name__}.png")
                    x.keep_workdir = True
                    print(f"         screenshot: {x.workdir}/{case.__name__}.png", flush=True)
            finally:
                while ProgramRun.started:
                    ProgramRun.started.pop().kill()
    finally:
        x.close()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0
