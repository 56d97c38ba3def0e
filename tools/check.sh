#!/usr/bin/env bash
# Installs what is missing, builds Brindlow with its tests and runs every test.
#   tools/check.sh            the normal build
#   tools/check.sh sanitize   the same tests under AddressSanitizer and
#                             UndefinedBehaviorSanitizer; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

bash tools/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
