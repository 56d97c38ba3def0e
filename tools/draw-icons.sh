#!/usr/bin/env bash
# Redraws the kiosk's PNG icons from tools/icons/drawIcons.cpp.
#
# Usage: tools/draw-icons.sh [output-root]
#   output-root defaults to the repository's resources/ folder.
#   Set ICONS_BUILD_DIR to reuse a build folder; otherwise a temporary one is used.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../resources}"

if [ -n "${ICONS_BUILD_DIR:-}" ]; then
    build="$ICONS_BUILD_DIR"
else
    build="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-icons.XXXXXX")"
    trap 'rm -rf "$build"' EXIT
fi

cmake -S "$here/icons" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null

mkdir -p "$out"
out="$(cd "$out" && pwd)"
QT_QPA_PLATFORM=offscreen "$build/drawIcons" "$out"
