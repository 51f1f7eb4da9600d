#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures Reefwise against a minimal Qt Widgets program built from the same
Qt, both in Xvfb with openbox: time from launch to the first window shown,
the latency of a screen change (mouse release on Next to the next screen
mapped and the previous one unmapped) over 46 changes, and peak memory.

    bench/benchmark.py BUILD_DIR [--runs N]
    bench/benchmark.py BUILD_DIR --long CHANGES
    bench/benchmark.py BUILD_DIR --callgrind

Both run as on a desktop, in a session bus (one of the benchmark's own): with
none, a Qt program starts dbus-launch to look for one partway through its
start-up. The window manager's map and unmap of the frames are watched on
the root window through Xlib, and the clicks are sent through XTest on the
same connection, so the timings carry no polling delay.

--long makes CHANGES screen changes in one run of each program (Reefwise
goes Next from screen 1 to 46, then Back to 1, and again) and reports the
resident memory along the way and the peak at the end.

--callgrind counts, under valgrind, the instructions each program runs from
launch to its first window mapped and to its first frame drawn, in all its
threads and in its main thread; unlike the timings, these counts do not move
with the load of the machine."""

import argparse
import ctypes
import glob
import os
import re
import select
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import XSession, private_bus  # noqa: E402

FRAME = 1000 / 60
LAUNCH_RATIO = 1.15
# Where the quiz's controls are, from the inside top-left of its window.
START = (155, 420)
NEXT = (255, 318)
BACK = (71, 318)
CHECKPOINTS = (46, 300, 600, 900, 1200, 1500)
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
        wanted = set(wanted)
        last = self.collect(wanted, start, timeout)
        if wanted:
            raise RuntimeError(f"timed out waiting for {wanted}")
        return (last - start) * 1000

    def collect(self, wanted, start, timeout):
        """Takes the events of `wanted` out of it as they come, until none is
        left or `timeout` seconds have passed; returns when the last came."""
        deadline, last = time.monotonic() + timeout, start
        while wanted:
            kind = self.next_event(deadline)
            if kind is None:
                break
            if kind in wanted:
                wanted.discard(kind)
                last = time.monotonic()
        return last

    def click(self, x, y):
        xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        xtst.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        x11.XFlush(self.dpy)
        time.sleep(0.02)
        self.drain()
        xtst.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        x11.XFlush(self.dpy)
        return time.monotonic()


def memory_kib(pid, field="VmHWM"):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def start(x, watcher, binary, click_to_start):
    """Launches a program and brings it to its first question screen: the
    process, the milliseconds to its first window, and where that screen is."""
    watcher.drain()
    started = time.monotonic()
    process = subprocess.Popen([binary], env=x.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        launch = watcher.wait_for({"map"}, started)
        window = x.wait_single_window()
        gx, gy, _, _ = x.geometry(window)
        if click_to_start:
            watcher.click(gx + START[0], gy + START[1])
            watcher.wait_for({"map", "unmap"}, time.monotonic())
            window = x.wait_single_window(other_than=window)
            gx, gy, _, _ = x.geometry(window)
    except BaseException:
        process.kill()
        process.wait()
        raise
    return process, launch, gx, gy


def measure(x, binary, click_to_start):
    """One run: launch time, 46 change latencies and peak memory."""
    watcher = RootWatcher(x.env["DISPLAY"])
    try:
        process, launch, gx, gy = start(x, watcher, binary, click_to_start)
        changes = []
        for _ in range(46):
            time.sleep(0.15)
            watcher.drain()
            released = watcher.click(gx + NEXT[0], gy + NEXT[1])
            changes.append(watcher.wait_for({"map", "unmap"}, released))
        time.sleep(0.3)
        memory = memory_kib(process.pid)
        process.kill()
        process.wait()
        return launch, changes, memory
    finally:
        watcher.close()


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, round(share * (len(ordered) - 1)))]


def long_run(x, binary, total, click_to_start):
    """Resident memory (KiB) after the checkpoint numbers of changes, and the peak."""
    watcher = RootWatcher(x.env["DISPLAY"])
    process = None
    try:
        process, _, gx, gy = start(x, watcher, binary, click_to_start)
        checkpoints = sorted({c for c in CHECKPOINTS if c < total} | {total})
        resident = {}
        screen, step = 1, 1
        for done in range(1, total + 1):
            if click_to_start:
                # Screen 47 carries a menu bar, which moves its buttons; turn at 46.
                if screen + step not in range(1, 47):
                    step = -step
                button = NEXT if step > 0 else BACK
                screen += step
            else:
                button = NEXT
            # A click at the very moment of the map is now and then lost; then
            # the same click again.
            for _ in range(5):
                time.sleep(0.03)
                watcher.drain()
                released = watcher.click(gx + button[0], gy + button[1])
                pending = {"map", "unmap"}
                watcher.collect(pending, released, 3)
                if len(pending) < 2:
                    break
            watcher.collect(pending, released, 10)
            if pending:
                raise RuntimeError(f"change {done}: timed out waiting for {pending}")
            if done in checkpoints:
                # Lets the screen just left finish its deferred deletion.
                time.sleep(0.3)
                resident[done] = memory_kib(process.pid, "VmRSS")
        return resident, memory_kib(process.pid)
    finally:
        if process:
            process.kill()
            process.wait()
        watcher.close()


def report_long(build, total):
    x = XSession()
    try:
        results = {name: long_run(x, binary, total, click)
                   for name, binary, click in programs(build)}
    finally:
        x.close()
    (m_rss, m_peak), (r_rss, r_peak) = results["minimal"], results["reefwise"]
    print(f"resident memory (MiB) over {total} screen changes in one run")
    print("| screen changes | minimal Qt program | Reefwise |")
    print("|---|---|---|")
    for done in r_rss:
        print(f"| {done} | {m_rss[done] / 1024:.1f} | {r_rss[done] / 1024:.1f} |")
    print(f"| peak (VmHWM) | {m_peak / 1024:.1f} | {r_peak / 1024:.1f} |")
    checks = [(f"peak within 8 MiB of the minimal program's ({(m_peak + 8192) / 1024:.1f})",
               r_peak <= m_peak + 8192)]
    if 300 in r_rss and total > 300:
        checks.append((f"after {total} within 1 MiB of after 300 "
                       f"({(r_rss[300] + 1024) / 1024:.1f})", r_rss[total] <= r_rss[300] + 1024))
    for label, met in checks:
        print(f"{label}: {'yes' if met else 'NO'}")
    return 0 if all(met for _, met in checks) else 1


def report_callgrind(build):
    """Instructions to the first window mapped and to the first frame drawn, in
    all threads and in the main thread alone, which is the one the window waits on."""
    preload = os.path.abspath(os.path.join(build, "bench", "libreefwise-stopatframe.so"))
    out = tempfile.mkdtemp(prefix="reefwise-callgrind-")
    counts = {}
    for name, binary, _ in programs(build):
        for moment in ("map", "frame"):
            profile = os.path.join(out, f"{name}.{moment}.out")
            # A fresh X server each time: a window that vanishes the moment it
            # is mapped leaves openbox slow to map the next one.
            x = XSession()
            try:
                env = dict(x.env, REEFWISE_STOP_AT=moment, LD_PRELOAD=preload)
                subprocess.run(["valgrind", "--tool=callgrind", "--separate-threads=yes",
                                f"--callgrind-out-file={profile}", binary], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600,
                               check=False)
            finally:
                x.close()
            threads = {}
            for path in glob.glob(profile + "-*"):
                with open(path) as f:
                    text = f.read()
                thread = int(re.search(r"^thread: (\d+)", text, re.M).group(1))
                threads[thread] = int(re.search(r"^totals: (\d+)", text, re.M).group(1))
            counts[name, moment] = (sum(threads.values()), threads[1])
    print(f"instructions from launch (millions); profiles in {out}")
    print("| up to | minimal Qt program | Reefwise | ratio | Reefwise, main thread | ratio |")
    print("|---|---|---|---|---|---|")
    for moment, label in (("map", "first window mapped"), ("frame", "first frame drawn")):
        m, (r, r_main) = counts["minimal", moment][0], counts["reefwise", moment]
        print(f"| {label} | {m / 1e6:.1f} | {r / 1e6:.1f} | {r / m:.2f} | {r_main / 1e6:.1f} "
              f"| {r_main / m:.2f} |")
    return 0


def programs(build):
    return (("minimal", os.path.join(build, "bench", "reefwise-minimal"), False),
            ("reefwise", os.path.join(build, "app", "reefwise"), True))


def report_timings(build, runs):
    assets = os.path.join(os.path.dirname(__file__), "..", "assets")
    pictures_kib = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(assets)
                       for f in fs if "@2x" not in f and not f.endswith(".png")) // 1024
    x = XSession()
    samples = {name: ([], [], []) for name, _, _ in programs(build)}
    try:
        # Turn about, so that a change in the load of the machine falls on both.
        for _ in range(runs):
            for name, binary, click in programs(build):
                launches, changes, memories = samples[name]
                launch, change, memory = measure(x, binary, click)
                launches.append(launch)
                changes += change
                memories.append(memory)
    finally:
        x.close()
    results = {
        name: {
            "launch": statistics.median(launches),
            "median": statistics.median(changes),
            "p95": percentile(changes, 0.95),
            "memory": max(memories),
            "changes": len(changes),
        }
        for name, (launches, changes, memories) in samples.items()
    }
    m, r = results["minimal"], results["reefwise"]
    rows = [
        ("launch to first window, median (ms)", m["launch"], r["launch"],
         f"<= {LAUNCH_RATIO * m['launch']:.1f} ({LAUNCH_RATIO} x)",
         r["launch"] <= LAUNCH_RATIO * m["launch"]),
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


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--runs", type=int, default=9, help="launches of each program")
    parser.add_argument("--long", type=int, metavar="CHANGES",
                        help="one long run of this many screen changes, for memory")
    parser.add_argument("--callgrind", action="store_true",
                        help="instruction counts to the first window and first frame")
    args = parser.parse_args()
    # As on a desktop: with no session bus, each Qt program would start
    # dbus-launch for one in the middle of its start-up.
    private_bus()
    if args.long:
        return report_long(args.build, args.long)
    if args.callgrind:
        return report_callgrind(args.build)
    return report_timings(args.build, args.runs)


if __name__ == "__main__":
    sys.exit(main())
