#!/usr/bin/env bash
# Time from start to the first shown window and quit, and peak memory, of the calculator against
# a bare Qt window built the same way; offscreen and under Xvfb. The two programs run in turn,
# so that both see the same machine, and the medians are compared.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-30}

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBALIDE_BENCH=ON -DORBALIDE_TESTS=OFF >/dev/null
cmake --build build-bench --target startup_orbalide startup_bare >/dev/null

# One run: wall time in microseconds and peak RSS in KiB.
run() {
  local out start end
  out=$(mktemp)
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$out" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -n 1 "$out")"
  rm -f "$out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

report() {
  local where=$1 ours bare
  ours=$(mktemp) bare=$(mktemp)
  for _ in $(seq "$runs"); do
    run build-bench/bench/startup_orbalide >> "$ours"
    run build-bench/bench/startup_bare >> "$bare"
  done
  awk -v w="$where" -v o="$(cut -d' ' -f1 "$ours" | median)" -v b="$(cut -d' ' -f1 "$bare" | median)" \
    -v orss="$(cut -d' ' -f2 "$ours" | sort -n | tail -n 1)" \
    -v brss="$(cut -d' ' -f2 "$bare" | sort -n | tail -n 1)" 'BEGIN {
    printf "%-10s calculator %6.1f ms %7d KiB | bare window %6.1f ms %7d KiB | ratio %.2f time, %.2f memory\n",
           w, o / 1000, orss, b / 1000, brss, o / b, orss / brss }'
  rm -f "$ours" "$bare"
}

QT_QPA_PLATFORM=offscreen report offscreen
if command -v Xvfb >/dev/null; then
  # One X server for all runs, so that its own start is not counted.
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
  DISPLAY=:97 QT_QPA_PLATFORM=xcb report Xvfb
fi
