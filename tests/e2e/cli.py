#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program's command line, in a session with no display at all, as
over ssh: answers and refusals come in words and a status, never an abort."""

import os
import subprocess
import sys
import tempfile

OFFSCREEN = ["-platform", "offscreen"]
DEAD_DISPLAY = "cannot open the X11 display :77777"

# argv, DISPLAY, exit status (None: still playing after a while), what stdout
# holds, what the one line on stderr holds
CASES = [
    ("help_without_display", ["--help"], None, 0, "Usage: reefwise [options]", None),
    ("version_without_display", ["--version"], None, 0, "reefwise ", None),
    ("no_display_said_in_one_line", [], None, 1, "", "Reefwise needs a graphical session"),
    ("dead_display_said_in_one_line", [], ":77777", 1, "", DEAD_DISPLAY),
    # Qt's own options, single dash or double, reach the choice of platform.
    ("platform_with_one_dash_plays", OFFSCREEN, None, None, "", None),
    ("platform_with_two_dashes_plays", ["--platform", "offscreen"], None, None, "", None),
    ("display_with_one_dash_is_opened", ["-display", ":77777"], None, 1, "", DEAD_DISPLAY),
    ("display_with_two_dashes_is_opened", ["--display", ":77777"], None, 1, "", DEAD_DISPLAY),
    # What neither Qt nor the quiz takes is refused once Qt has taken its own.
    ("unknown_option_refused", OFFSCREEN + ["--no-such-option"], None, 2, "", "no-such-option"),
    ("argument_refused", OFFSCREEN + ["fish.txt"], None, 2, "", "fish.txt"),
    ("help_all_lists_qt_options", OFFSCREEN + ["--help-all"], None, 0, "--platform", None),
]
PLAYING_SECONDS = 3


def run(binary, args, env):
    """Exit status, stdout and stderr; a status of None for a quiz still
    playing after a few seconds, which is then ended."""
    process = subprocess.Popen([binary, *args], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, text=True)
    try:
        out, err = process.communicate(timeout=PLAYING_SECONDS)
        return process.returncode, out, err
    except subprocess.TimeoutExpired:
        process.terminate()
        out, err = process.communicate(timeout=30)
        return None, out, err


def main():
    binary = sys.argv[1]
    passed = failed = 0
    with tempfile.TemporaryDirectory(prefix="reefwise-cli-") as runtime:
        for name, args, display, status, out, err in CASES:
            env = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
            env["XDG_RUNTIME_DIR"] = runtime
            if display:
                env["DISPLAY"] = display
            returncode, stdout, stderr = run(binary, args, env)
            problems = []
            if returncode != status:
                problems.append(f"status {returncode}, want {status}")
            if out and out not in stdout or not out and stdout:
                problems.append(f"stdout {stdout!r}")
            lines = [line for line in stderr.splitlines() if line.strip()]
            # Usage errors add one line pointing at --help.
            allowed = 2 if status == 2 else 1
            if err is None and lines or err and (not lines or err not in lines[0]
                                                 or len(lines) > allowed):
                problems.append(f"stderr {stderr!r}")
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
