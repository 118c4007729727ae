#!/usr/bin/env bash
# Start-up to first window shown, as a ratio to a minimal Qt Widgets program: starts a fresh
# Xvfb, then the minimal program and each given karo in turn, RUNS times, and prints every
# run, min and median in milliseconds and each median's ratio to the minimal program's.
# The mapping is reported by the X server itself; nothing polls it.
#   bench/startup.sh BUILD_DIR [RUNS] [OTHER_KARO...]
# BUILD_DIR holds bench/startup_watch, bench/startup_minimal and src/app/karo; OTHER_KARO
# are further builds of the program to measure side by side (e.g. the one before a change).
set -euo pipefail
build=${1:-build}
runs=${2:-15}
shift $(( $# < 2 ? $# : 2 ))
display=${KARO_BENCH_DISPLAY:-79}
if [ -e "/tmp/.X11-unix/X$display" ]; then
  echo "display :$display is taken; set KARO_BENCH_DISPLAY" >&2
  exit 1
fi
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
runtime=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
export DISPLAY=:$display XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM
"$build/bench/startup_watch" "$runs" "$build/bench/startup_minimal" "$build/src/app/karo" "$@"
