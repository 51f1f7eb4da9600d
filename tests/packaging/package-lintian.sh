#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build folder given as a .deb, in a folder of its own, and fails
# on any error or warning from lintian, and when the changelog's latest entry
# is not the package's version (lintian does not compare the two).
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "cpack made no single .deb"; exit 1; }
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
[[ -n $report ]] && echo "$report"
if [[ $status -ne 0 ]] || grep -q '^[EW]: ' <<<"$report"; then
    echo "lintian: errors or warnings (exit status $status)"
    exit 1
fi

dpkg-deb -x "$deb" "$work/root"
gzip -dc "$work/root/usr/share/doc/reefwise/changelog.gz" >"$work/changelog"
packed=$(dpkg-deb --field "$deb" Version)
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
if [[ $packed != "$logged" ]]; then
    echo "package version $packed, latest changelog entry $logged"
    exit 1
fi
echo "lintian: clean; changelog at $logged"
