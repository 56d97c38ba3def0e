#!/usr/bin/env bash
# Photographs the real kiosk for the README: builds Brindlow, starts it on a
# virtual X screen with a throwaway data folder and settings, and saves the
# whole screen as a PNG.
#
# Usage: tools/screenshot.sh [output.png]   (default: docs/main-window.png)
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target Brindlow >/dev/null

out="$(realpath -m "${1:-docs/main-window.png}")"
mkdir -p "$(dirname "$out")"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/brindlow-screenshot.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

# The administrator password and the data stay in the scratch folder, so the
# picture never depends on (or changes) a real installation.
export BRINDLOW="$PWD/build/Brindlow" OUT="$out" XDG_CONFIG_HOME="$scratch/config"
cd "$scratch"
# A window manager is what makes a window full screen and draws (or leaves
# out) its title bar; the kiosk's desktop has one, a bare X server has none.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    "$BRINDLOW" &
    pid=$!
    sleep "${SCREENSHOT_DELAY:-3}" # the splash screen has gone and the window is drawn
    kill -0 "$pid" || { echo "Brindlow stopped before the screenshot" >&2; exit 1; }
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$OUT"
    kill "$pid" "$wm"
    wait || true
'
echo "$out"
