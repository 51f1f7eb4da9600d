#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program's command line, in a session with no display at all, as
over ssh: answers and refusals come in words and a status, never an abort."""

import os
import subprocess
import sys

# argv, DISPLAY, exit status, what stdout holds, what the one line on stderr holds
CASES = [
    ("help_without_display", ["--help"], None, 0, "Usage: reefwise [options]", None),
    ("version_without_display", ["--version"], None, 0, "reefwise ", None),
    ("unknown_option_refused", ["--no-such-option"], None, 2, "",
     "Unknown option 'no-such-option'"),
    ("no_display_said_in_one_line", [], None, 1, "", "Reefwise needs a graphical session"),
    ("dead_display_said_in_one_line", [], ":77777", 1, "",
     "cannot open the X11 display :77777"),
]


def main():
    binary = sys.argv[1]
    passed = failed = 0
    for name, args, display, status, out, err in CASES:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        if display:
            env["DISPLAY"] = display
        r = subprocess.run([binary, *args], env=env, capture_output=True, text=True, timeout=30)
        problems = []
        if r.returncode != status:
            problems.append(f"status {r.returncode}, want {status}")
        if out and out not in r.stdout or not out and r.stdout:
            problems.append(f"stdout {r.stdout!r}")
        lines = [line for line in r.stderr.splitlines() if line.strip()]
        # Usage errors add one line pointing at --help.
        allowed = 2 if status == 2 else 1
        if err is None and lines or err and (not lines or err not in lines[0]
                                             or len(lines) > allowed):
            problems.append(f"stderr {r.stderr!r}")
        if problems:
            failed += 1
            print(f"FAIL!  : {name}: {'; '.join(problems)}")
        else:
            passed += 1
            print(f"PASS   : {name}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
