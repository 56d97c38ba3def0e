#!/usr/bin/env bash
# Photographs the real kiosk window on each of its pages over sample data and
# saves the pictures in docs/ for the README. Data and settings live in a
# scratch folder, so a real installation is never read or changed.
#
# Usage: tools/screenshot.sh [output folder]   (default: docs)
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build-screenshots -G Ninja -DBRINDLOW_TESTS=OFF -DBRINDLOW_SCREENSHOTS=ON >/dev/null
cmake --build build-screenshots --target takeScreenshots >/dev/null

out="$(realpath -m "${1:-docs}")"
mkdir -p "$out"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-screenshot.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/data"
# English names and dates, and a collation that knows accented letters.
LC_ALL= LANG=en_US.UTF-8 XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen \
    build-screenshots/tools/screenshots/takeScreenshots "$scratch/data" "$out"
