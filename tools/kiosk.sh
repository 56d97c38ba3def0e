#!/usr/bin/env bash
# Installs what is missing, builds Brindlow and starts the kiosk. Its data
# ("inventory", "history", "students.lst") live in the working directory,
# by default the folder "kiosk-data" beside this repository's sources.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build --target Brindlow

data="${BRINDLOW_DATA:-$PWD/kiosk-data}"
mkdir -p "$data"
cd "$data"
exec "$OLDPWD/build/Brindlow" "$@"
