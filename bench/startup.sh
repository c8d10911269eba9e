#!/usr/bin/env bash
# Time from start to the first shown window and quit, and peak memory, of the calculator against
# a bare Qt window built the same way; offscreen and under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-30}

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBALIDE_BENCH=ON -DORBALIDE_TESTS=OFF >/dev/null
cmake --build build-bench --target startup_orbalide startup_bare >/dev/null

# Mean wall time in milliseconds and the largest peak RSS in KiB over the runs.
measure() {
  local total=0 rss=0 out
  out=$(mktemp)
  for _ in $(seq "$runs"); do
    local start end peak
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    peak=$(tail -n 1 "$out")
    total=$((total + end - start))
    [ "$peak" -gt "$rss" ] && rss=$peak
  done
  rm -f "$out"
  echo "$((total / runs / 1000)) $rss"
}

report() {
  local where=$1; shift
  read -r ours ours_rss < <(measure "$@" build-bench/bench/startup_orbalide)
  read -r bare bare_rss < <(measure "$@" build-bench/bench/startup_bare)
  awk -v w="$where" -v o="$ours" -v b="$bare" -v orss="$ours_rss" -v brss="$bare_rss" 'BEGIN {
    printf "%-10s calculator %6.1f ms %7d KiB | bare window %6.1f ms %7d KiB | ratio %.2f time, %.2f memory\n",
           w, o / 1000, orss, b / 1000, brss, o / b, orss / brss }'
}

QT_QPA_PLATFORM=offscreen report offscreen env
if command -v xvfb-run >/dev/null; then
  # One X server for all runs, so that its own start is not counted.
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
  DISPLAY=:97 QT_QPA_PLATFORM=xcb report Xvfb env
fi
