#!/usr/bin/env bash
# Makes the Windows application icon (256 down to 16 pixels) from the kiosk's
# icon image.
#
# Usage: tools/make-ico.sh [input.png] [output.ico]
#   defaults: resources/MainWindow/Icon.png and app/windows/Brindlow.ico.
#   Set ICONS_BUILD_DIR to reuse a build folder; otherwise a temporary one is used.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
in="$(realpath "${1:-$here/../resources/MainWindow/Icon.png}")"
out="$(realpath -m "${2:-$here/../app/windows/Brindlow.ico}")"

if [ -n "${ICONS_BUILD_DIR:-}" ]; then
    build="$ICONS_BUILD_DIR"
else
    build="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-icons.XXXXXX")"
    trap 'rm -rf "$build"' EXIT
fi

cmake -S "$here/icons" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target makeIco >/dev/null

mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen "$build/makeIco" "$in" "$out"
echo "$out"
