#!/usr/bin/env bash
# Start-up to first window shown: starts the program under Xvfb RUNS times and takes the time
# from the start of the process to the moment its main window is mapped. Prints every run and
# the median in milliseconds.
#   bench/startup.sh [path/to/karo] [RUNS]
set -euo pipefail
karo=${1:-build/src/app/karo}
runs=${2:-15}
display=:${KARO_BENCH_DISPLAY:-79}
Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
times=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$karo" >/dev/null 2>&1 &
  pid=$!
  # Polled by hand: xdotool's own --sync waits half a second between looks.
  until xdotool search --onlyvisible --name "Геометрические характеристики" >/dev/null 2>&1; do
    sleep 0.005
  done
  end=$(date +%s%N)
  kill $pid
  wait $pid 2>/dev/null || true
  times+=($(( (end - start) / 1000000 )))
  echo "run $i: ${times[-1]} ms"
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " ms"}'
