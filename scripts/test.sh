#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test; exits non-zero on
# any failure. An optional argument names the build folder and further
# arguments go to CMake (the sanitizer build passes -DREEFWISE_SANITIZE=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
[[ $dir = /* ]] || dir="$root/$dir"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$dir" "$@"
cd "$dir"
# The screen reader's run is left for when it is asked for (ctest -L screen_reader).
ctest --output-on-failure --no-tests=error -LE screen_reader -j"$(nproc)"
