#!/usr/bin/env bash
# Installs what is missing, builds Brindlow and starts the kiosk. Its data
# ("inventory", "history", "students.lst") live in the working directory,
# by default the folder "kiosk-data" beside this repository's sources.
set -euo pipefail
cd "$(dirname "$0")/.."

# The kiosk is a window on a desktop; without one Qt would abort with a
# message about platform plugins, which says nothing about what to do.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'EOF_MESSAGE'
Brindlow is a full-screen kiosk and needs a display, but neither DISPLAY nor
WAYLAND_DISPLAY is set here. Start it from the kiosk computer's desktop session:

    bash tools/kiosk.sh

or, on a machine without a screen, on a virtual X display:

    xvfb-run -a -s "-screen 0 1024x768x24" bash tools/kiosk.sh

(A bare virtual display has no window manager, so the window keeps its normal
size there. bash tools/screenshot.sh photographs every page without a display.)
EOF_MESSAGE
    exit 1
fi

bash tools/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build --target Brindlow

data="${BRINDLOW_DATA:-$PWD/kiosk-data}"
mkdir -p "$data"
cd "$data"
exec "$OLDPWD/build/Brindlow" "$@"
