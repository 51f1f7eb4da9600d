#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into the folder given (default: build), passing any
# further arguments to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
[[ $dir = /* ]] || dir="$root/$dir"

if [[ ! -f $dir/build.ninja ]]; then
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
