#!/usr/bin/env bash
# Installs what is missing, builds Brindlow with its tests and runs every test.
#   tools/check.sh            the normal build
#   tools/check.sh sanitize   the same tests under AddressSanitizer and
#                             UndefinedBehaviorSanitizer; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

bash tools/install-deps.sh
# CI turns the warnings into errors.
cmake --preset "$preset" ${CI:+-DBRINDLOW_WERROR=ON}
cmake --build --preset "$preset"
ctest --preset "$preset"
