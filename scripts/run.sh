#!/usr/bin/env bash
# Installs what is missing, builds, and starts the quiz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build
exec "$root/build/app/reefwise"
