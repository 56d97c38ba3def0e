#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release, in build-bench),
# writes kiosk data into a temporary folder and measures the kiosk on it.
#   bench/run.sh [--small|--large] [REPEATS]
set -euo pipefail
cd "$(dirname "$0")/.."

scale=large
case "${1:-}" in
    --small) scale=small; shift ;;
    --large) scale=large; shift ;;
esac
repeats="${1:-7}"

bash tools/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLOW_BENCH=ON -DBRINDLOW_TESTS=OFF >/dev/null
# Twice: with CMake 3.25 a changed form is regenerated in the first pass, but
# what includes it may only be recompiled in the second.
ninja -C build-bench generateData benchmark >/dev/null
ninja -C build-bench generateData benchmark >/dev/null

data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
build-bench/bench/generateData "$scale" "$data/kiosk"

# Headless, with settings of its own, in the machine's time zone and in a
# language whose collation orders accented names as a school would.
mkdir -m 700 "$data/runtime"
export QT_QPA_PLATFORM=offscreen LC_ALL= LANG=en_US.UTF-8 XDG_CONFIG_HOME="$data/config" XDG_RUNTIME_DIR="$data/runtime"
# The offscreen platform warns about every full-screen window.
build-bench/bench/benchmark "$data/kiosk" "$repeats" 2> >(grep -v 'propagateSizeHints' >&2)
