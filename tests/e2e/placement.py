#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where no window manager answers, the quiz must not wait for one: on an X
server whose root window still advertises a window manager that has gone,
and beside one that takes the question about frames and never answers, the
intro comes up within 30 ms of its time on a plain X server, its client area
in the middle of the screen."""

import ctypes
import select
import statistics
import subprocess
import sys
import time

from xsession import SANITIZER_REPORTS, XSession, check, private_bus

INTRO = (311, 443)
LAUNCHES = 7
ALLOWANCE_MS = 30
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY = 1 << 19
XA_ATOM, XA_WINDOW = 4, 33

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XCreateSimpleWindow.restype = ctypes.c_ulong
x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
x11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class Display:
    """An Xlib connection of the test's own: it plays the window manager's
    part on the root window and watches the quiz's window come up."""

    def __init__(self, name):
        self.d = x11.XOpenDisplay(name.encode())
        check(self.d, f"cannot open {name}")
        self.root = x11.XDefaultRootWindow(self.d)
        x11.XSelectInput(self.d, self.root, SUBSTRUCTURE_NOTIFY)

    def atom(self, name):
        return x11.XInternAtom(self.d, name.encode(), 0)

    def set(self, window, name, kind, values):
        data = (ctypes.c_ulong * len(values))(*values)
        x11.XChangeProperty(self.d, window, self.atom(name), kind, 32, 0, data, len(values))

    def new_window(self):
        return x11.XCreateSimpleWindow(self.d, self.root, 0, 0, 1, 1, 0, 0, 0)

    def advertise(self, check_window):
        """What a window manager puts on the root window as it starts."""
        self.set(self.root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, [check_window])
        self.set(self.root, "_NET_SUPPORTED", XA_ATOM,
                 [self.atom("_NET_SUPPORTING_WM_CHECK"), self.atom("_NET_REQUEST_FRAME_EXTENTS"),
                  self.atom("_NET_FRAME_EXTENTS")])
        x11.XSync(self.d, 0)

    def wait_for_map(self, timeout=15):
        """The time at which a top-level window is next mapped."""
        event = (ctypes.c_ulong * 24)()
        end = time.monotonic() + timeout
        while True:
            while x11.XPending(self.d):
                x11.XNextEvent(self.d, event)
                if event[0] & 0xffffffff == MAP_NOTIFY:
                    return time.monotonic()
            left = end - time.monotonic()
            if left <= 0:
                raise AssertionError("the quiz's window never came up")
            select.select([x11.XConnectionNumber(self.d)], [], [], left)

    def close(self):
        x11.XCloseDisplay(self.d)


def plain(display):
    pass


def stale_window_manager(display):
    """A window manager that ended and left its announcement behind."""
    gone = display.new_window()
    display.advertise(gone)
    x11.XDestroyWindow(display.d, gone)
    x11.XSync(display.d, 0)


def silent_window_manager(display):
    """One that is alive by its check window, takes the question and never
    answers: the test's own connection, which never reads the request."""
    alive = display.new_window()
    display.set(alive, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, [alive])
    display.advertise(alive)


def launch_time(binary, setting):
    """Milliseconds from launch to the intro's window mapped, on a fresh X
    server prepared by `setting`."""
    x = XSession(window_manager=False)
    display = Display(x.env["DISPLAY"])
    process = None
    try:
        setting(display)
        started = time.monotonic()
        process = subprocess.Popen([binary], env=x.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE)
        mapped = (display.wait_for_map() - started) * 1000
        window = x.wait_single_window(INTRO)
        dx, dy = x.off_centre(window)
        check(abs(dx) <= 0.5 and abs(dy) <= 0.5,
              f"{setting.__name__}: the intro is off centre by {dx}, {dy}")
        return mapped
    finally:
        if process:
            process.terminate()
            _, err = process.communicate(timeout=10)
            err = err.decode(errors="replace")
            check(not any(m in err for m in SANITIZER_REPORTS), f"sanitizer report: {err}")
            check("XCB error" not in err, f"X errors reported: {err}")
        display.close()
        x.close()


def main():
    private_bus()
    binary = sys.argv[1]
    settings = (plain, stale_window_manager, silent_window_manager)
    # Launched in turn, so that a change in the load of the machine falls on
    # the plain server and the others alike.
    times = {setting: [] for setting in settings}
    problems = {}
    for _ in range(LAUNCHES):
        for setting in settings:
            if setting in problems:
                continue
            try:
                times[setting].append(launch_time(binary, setting))
            except AssertionError as problem:
                problems[setting] = problem
    if plain in problems:
        print(f"FAIL!  : plain: {problems[plain]}")
        return 1
    baseline = statistics.median(times[plain])
    print(f"plain X server: intro up after {baseline:.1f} ms (median of {LAUNCHES})")
    passed = failed = 0
    for setting in settings[1:]:
        try:
            if setting in problems:
                raise problems[setting]
            median = statistics.median(times[setting])
            print(f"{setting.__name__}: intro up after {median:.1f} ms")
            check(median <= baseline + ALLOWANCE_MS,
                  f"{setting.__name__}: {median:.1f} ms against {baseline:.1f} ms on a plain X "
                  f"server")
            passed += 1
            print(f"PASS   : {setting.__name__}")
        except AssertionError as problem:
            failed += 1
            print(f"FAIL!  : {setting.__name__}: {problem}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
