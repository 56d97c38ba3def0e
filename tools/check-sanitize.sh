#!/usr/bin/env bash
# Builds the library and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
