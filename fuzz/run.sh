#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for N seconds (default 60).
#   fuzz/run.sh [SECONDS] [TARGET...]
# Crashing inputs land in fuzz/findings/; keep each as a regression test by copying it into
# fuzz/corpus/TARGET/, which ctest replays in every build with tests.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
seconds=${1:-60}
shift || true

for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ -n "${missing[*]:-}" ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq && $sudo apt-get install -y -qq "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKARO_FUZZ=ON -DKARO_BUILD_TESTS=OFF -DKARO_BUILD_BENCH=OFF >/dev/null
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_number fuzz_section fuzz_pipeline fuzz_props)
cmake --build build-fuzz --target "${targets[@]}"

mkdir -p fuzz/findings
for t in "${targets[@]}"; do
  corpus="fuzz/corpus/${t#fuzz_}"
  work="build-fuzz/corpus-${t#fuzz_}"
  mkdir -p "$work"
  echo "== $t for ${seconds}s"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions="$here/tests/lsan.supp" \
    "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3000 \
      -artifact_prefix="fuzz/findings/$t-" -print_final_stats=1 "$work" "$corpus"
done
