#!/usr/bin/env bash
# Fuzzes the readers of "students.lst" and of the CSV import with libFuzzer
# under AddressSanitizer and UndefinedBehaviorSanitizer.
#   tools/fuzz.sh [seconds per target, default 600]
# Findings land in fuzz-findings/; add each as a regression input under
# tests/stores/fuzz-regressions/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"

bash tools/install-deps.sh fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRINDLOW_FUZZ=ON -DBRINDLOW_TESTS=OFF ${CI:+-DBRINDLOW_WERROR=ON}
cmake --build build-fuzz --target fuzzStudentList fuzzStudentCsv

mkdir -p fuzz-findings
run() { # target, seed folder
    local work="build-fuzz/corpus-$1"
    mkdir -p "$work"
    QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/$1" "$work" "fuzz/corpus/$2" \
        -max_total_time="$seconds" -max_len=65536 -malloc_limit_mb=256 -rss_limit_mb=1024 \
        -artifact_prefix="fuzz-findings/$1-" -print_final_stats=1 2>&1 | tail -n 25
}
run fuzzStudentList studentList
run fuzzStudentCsv csv
