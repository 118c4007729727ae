#!/usr/bin/env bash
# The full soak: 10,000 cycles of add, erase, solve, picture and report on the largest
# section in one process, in the sanitizer build (LeakSanitizer reports at exit).
#   scripts/soak.sh [CYCLES]
set -euo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-10000}
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARO_SANITIZE=ON \
  -DKARO_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize --target test_report
KARO_SOAK_CYCLES=$cycles QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  build-sanitize/tests/report/test_report --gtest_filter='Soak.*'
