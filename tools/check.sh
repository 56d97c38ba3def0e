#!/usr/bin/env bash
# Installs what is missing, builds Brindlow with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DBRINDLOW_TESTS=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
