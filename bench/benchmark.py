#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures Reefwise against a minimal Qt Widgets program built from the same
Qt, both in Xvfb with openbox: time from launch to the first window shown,
the latency of a screen change (mouse release on Next to the next screen
mapped and the previous one unmapped) over 46 changes, and peak memory.

    bench/benchmark.py BUILD_DIR

The window manager's map and unmap of the frames are watched on the root
window through Xlib, and the clicks are sent through XTest on the same
connection, so the timings carry no polling delay."""

import ctypes
import os
import select
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import XSession  # noqa: E402

FRAME = 1000 / 60
MAP_NOTIFY, UNMAP_NOTIFY = 19, 18
SUBSTRUCTURE_NOTIFY = 1 << 19

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                      ctypes.c_ulong]


class RootWatcher:
    """Maps and unmaps of the windows on the root, as they happen."""

    def __init__(self, display):
        self.dpy = x11.XOpenDisplay(display.encode())
        x11.XSelectInput(self.dpy, x11.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY)
        x11.XFlush(self.dpy)
        self.event = ctypes.create_string_buffer(192)

    def close(self):
        x11.XCloseDisplay(self.dpy)

    def drain(self):
        while x11.XPending(self.dpy):
            x11.XNextEvent(self.dpy, self.event)

    def next_event(self, deadline):
        while not x11.XPending(self.dpy):
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([x11.XConnectionNumber(self.dpy)], [], [], left)
        x11.XNextEvent(self.dpy, self.event)
        kind = int.from_bytes(self.event.raw[0:4], "little")
        override_redirect = int.from_bytes(self.event.raw[48:52], "little")
        # Tooltips and menus are override-redirect windows, not screens.
        if kind == MAP_NOTIFY and override_redirect:
            return "other"
        return {MAP_NOTIFY: "map", UNMAP_NOTIFY: "unmap"}.get(kind, "other")

    def wait_for(self, wanted, start, timeout=10):
        """Milliseconds from `start` until every event in `wanted` was seen."""
        wanted, deadline, last = set(wanted), time.monotonic() + timeout, start
        while wanted:
            kind = self.next_event(deadline)
            if kind is None:
                raise RuntimeError(f"timed out waiting for {wanted}")
            if kind in wanted:
                wanted.discard(kind)
                last = time.monotonic()
        return (last - start) * 1000

    def click(self, x, y):
        xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        xtst.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        x11.XFlush(self.dpy)
        time.sleep(0.02)
        self.drain()
        xtst.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        x11.XFlush(self.dpy)
        return time.monotonic()


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(x, binary, click_to_start):
    """One run: launch time, 46 change latencies and peak memory."""
    watcher = RootWatcher(x.env["DISPLAY"])
    try:
        watcher.drain()
        start = time.monotonic()
        process = subprocess.Popen([binary], env=x.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        launch = watcher.wait_for({"map"}, start)
        window = x.wait_single_window()
        gx, gy, _, _ = x.geometry(window)
        if click_to_start:
            watcher.click(gx + 155, gy + 420)
            watcher.wait_for({"map", "unmap"}, time.monotonic())
            window = x.wait_single_window(other_than=window)
            gx, gy, _, _ = x.geometry(window)
        changes = []
        for _ in range(46):
            time.sleep(0.15)
            watcher.drain()
            released = watcher.click(gx + 255, gy + 318)
            changes.append(watcher.wait_for({"map", "unmap"}, released))
        time.sleep(0.3)
        memory = peak_memory_kib(process.pid)
        process.kill()
        process.wait()
        return launch, changes, memory
    finally:
        watcher.close()


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, round(share * (len(ordered) - 1)))]


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    reefwise = os.path.join(build, "app", "reefwise")
    minimal = os.path.join(build, "bench", "reefwise-minimal")
    assets = os.path.join(os.path.dirname(__file__), "..", "assets")
    pictures_kib = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(assets)
                       for f in fs if "@2x" not in f and not f.endswith(".png")) // 1024
    runs = int(os.environ.get("BENCH_RUNS", "5"))
    x = XSession()
    results = {}
    try:
        for name, binary, click in (("minimal", minimal, False), ("reefwise", reefwise, True)):
            launches, changes, memories = [], [], []
            for _ in range(runs):
                launch, change, memory = measure(x, binary, click)
                launches.append(launch)
                changes += change
                memories.append(memory)
            results[name] = {
                "launch": statistics.median(launches),
                "median": statistics.median(changes),
                "p95": percentile(changes, 0.95),
                "memory": max(memories),
                "changes": len(changes),
            }
    finally:
        x.close()

    m, r = results["minimal"], results["reefwise"]
    rows = [
        ("launch to first window, median (ms)", m["launch"], r["launch"],
         f"<= {1.3 * m['launch']:.1f}", r["launch"] <= 1.3 * m["launch"]),
        ("screen change, median (ms)", m["median"], r["median"],
         f"<= {m['median'] + FRAME:.1f}", r["median"] <= m["median"] + FRAME),
        ("screen change, 95th percentile (ms)", m["p95"], r["p95"],
         f"<= {m['p95'] + 2 * FRAME:.1f}", r["p95"] <= m["p95"] + 2 * FRAME),
        ("peak memory (MiB)", m["memory"] / 1024, r["memory"] / 1024,
         f"<= {(1.3 * m['memory'] + pictures_kib) / 1024:.1f}",
         r["memory"] <= 1.3 * m["memory"] + pictures_kib),
    ]
    print(f"{runs} launches and {r['changes']} screen changes each; pictures {pictures_kib} KiB")
    print("| measure | minimal Qt program | Reefwise | target | met |")
    print("|---|---|---|---|---|")
    for label, base, ours, target, met in rows:
        print(f"| {label} | {base:.1f} | {ours:.1f} | {target} | {'yes' if met else 'NO'} |")
    return 0 if all(row[-1] for row in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
