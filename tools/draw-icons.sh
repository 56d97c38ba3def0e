#!/usr/bin/env bash
# Redraws the kiosk's PNG icons (tools/icons/drawIcons.cpp) and, from the
# application icon, the Windows icon file of 256 down to 16 pixels and the
# same sizes for the Linux icon theme (tools/icons/makeIco.cpp). The theme's
# scalable icon, app/linux/icons/scalable/brindlow.svg, is drawn by hand
# after the same design.
#
# Usage: tools/draw-icons.sh
#   Set ICONS_BUILD_DIR to reuse a build folder; otherwise a temporary one is used.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
resources="$(realpath "$here/../resources")"

if [ -n "${ICONS_BUILD_DIR:-}" ]; then
    build="$ICONS_BUILD_DIR"
else
    build="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-icons.XXXXXX")"
    trap 'rm -rf "$build"' EXIT
fi

cmake -S "$here/icons" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null

export QT_QPA_PLATFORM=offscreen
"$build/drawIcons" "$resources"
app="$(realpath "$here/../app")"
"$build/makeIco" "$resources/MainWindow/Icon.png" "$app/windows/Brindlow.ico" "$app/linux/icons"
