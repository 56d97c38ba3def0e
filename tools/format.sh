#!/usr/bin/env bash
# Formats every C++ file with the repository's .clang-format.
#   tools/format.sh           rewrites the files in place
#   tools/format.sh --check   changes nothing; fails naming each file out of format
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh format
if [ "${1:-}" = --check ]; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
else
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 -i
fi
