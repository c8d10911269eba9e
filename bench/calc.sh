#!/usr/bin/env bash
# orbalide-calc against GeodSolve (GeographicLib) and geod (PROJ) on the same random lines of each
# problem, against GeodSolve on nearly antipodal pairs, and with --rhumb against RhumbSolve
# (GeographicLib) on the same lines, on one core: lines per second of each tool and the ratios. The
# tools run in turn, RUNS times (default 5), so that all see the same machine; the medians of
# their CPU times (user + system) are compared. LINES sets the lines per problem (default
# 200,000). Then a passage of ROUTE_POINTS waypoints (default 100,000) read from its GPX route
# against the same passage from plain text (CPU time, and peak memory with twice the waypoints
# too), and orbalide-calc spread by GNU parallel over every core against one process on the same
# lines (wall-clock time, the same bytes out).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
lines=${LINES:-200000}

missing=()
command -v GeodSolve >/dev/null && command -v RhumbSolve >/dev/null ||
  missing+=(geographiclib-tools)
command -v geod >/dev/null || missing+=(proj-bin)
command -v parallel >/dev/null || missing+=(parallel)
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -q && apt-get install -y -q "${missing[@]}"
fi

cmake -S . -B build-bench-calc -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBALIDE_TESTS=OFF \
  -DORBALIDE_QT=OFF >/dev/null
cmake --build build-bench-calc --target orbalide-calc >/dev/null
calc=build-bench-calc/calc/orbalide-calc

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Positions anywhere, courses all round, distances up to half a meridian's length and more.
awk -v n="$lines" 'BEGIN { srand(1975); for (i = 0; i < n; i++)
  printf "%.9f %.9f %.9f %.9f\n", 180 * rand() - 90, 360 * rand() - 180, 180 * rand() - 90,
         360 * rand() - 180 }' > "$work/inverse"
awk -v n="$lines" 'BEGIN { srand(1857); for (i = 0; i < n; i++)
  printf "%.9f %.9f %.9f %.4f\n", 180 * rand() - 90, 360 * rand() - 180, 360 * rand(),
         2e7 * rand() }' > "$work/direct"
# Pairs within 1° of antipodal, where Vincenty's iteration mostly does not settle.
awk -v n="$lines" 'BEGIN { srand(1982); for (i = 0; i < n; i++) {
  lat1 = 180 * rand() - 90; lon1 = 360 * rand() - 180; lat2 = 2 * rand() - 1 - lat1
  if (lat2 > 90) lat2 = 90
  if (lat2 < -90) lat2 = -90
  printf "%.9f %.9f %.9f %.9f\n", lat1, lon1, lat2, lon1 + 179 + 2 * rand() } }' > "$work/antipodal"
# Rhumb lines between the same pairs of points; from departures anywhere, on courses all round, up
# to 5,000 km (one in twelve passes a pole, where neither tool gives a position).
ln -s inverse "$work/rhumb-inverse"
awk -v n="$lines" 'BEGIN { srand(1569); for (i = 0; i < n; i++)
  printf "%.9f %.9f %.9f %.4f\n", 180 * rand() - 90, 360 * rand() - 180, 360 * rand(),
         5e6 * rand() }' > "$work/rhumb-direct"

# CPU seconds of one run on one core (to the millisecond), the input on standard input, the
# output discarded.
cpu() {
  local input=$1
  shift
  local TIMEFORMAT='%3U %3S'
  { time taskset -c 0 "$@" < "$input" >/dev/null 2>&1 || true; } 2>&1 | awk '{ print $1 + $2 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# compare PROBLEM NAME COMMAND… [-- NAME COMMAND…]…: the first tool against each of the others.
compare() {
  local problem=$1 names=() commands=() i
  shift
  while [ $# -gt 0 ]; do
    names+=("$1")
    shift
    local c=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do c+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    commands+=("${c[*]}")
  done
  for i in "${!names[@]}"; do : > "$work/t$i"; done
  for _ in $(seq "$runs"); do
    for i in "${!names[@]}"; do
      # shellcheck disable=SC2086 # each command is split into its words on purpose
      cpu "$work/$problem" ${commands[$i]} >> "$work/t$i"
    done
  done
  local ours
  ours=$(median < "$work/t0")
  for i in "${!names[@]}"; do
    local s
    s=$(median < "$work/t$i")
    awk -v p="$problem" -v n="${names[$i]}" -v s="$s" -v o="$ours" -v l="$lines" -v i="$i" 'BEGIN {
      printf "%-13s %-30s %6.3f s %9.0f lines/s", p, n, s, l / s
      if (i > 0) printf "   orbalide-calc: %4.1f times as many", s / o
      printf "\n" }' 
  done
}

compare inverse "orbalide-calc inverse" "$calc" inverse -- \
  "GeodSolve -i -p 9" GeodSolve -i -p 9 -- \
  "geod +ellps=WGS84 -I -f %.9f" geod +ellps=WGS84 -I -f %.9f +units=m
compare direct "orbalide-calc direct" "$calc" direct -- \
  "GeodSolve -p 9" GeodSolve -p 9 -- \
  "geod +ellps=WGS84 -f %.9f" geod +ellps=WGS84 -f %.9f +units=m
compare antipodal "orbalide-calc inverse" "$calc" inverse -- \
  "GeodSolve -i -p 9" GeodSolve -i -p 9
compare rhumb-inverse "orbalide-calc inverse --rhumb" "$calc" inverse --rhumb -- \
  "RhumbSolve -i -p 9" RhumbSolve -i -p 9
compare rhumb-direct "orbalide-calc direct --rhumb" "$calc" direct --rhumb -- \
  "RhumbSolve -p 9" RhumbSolve -p 9

# A passage's waypoints along a random walk, as plain text and as the GPX route orbalide-calc
# writes of them; the same legs from either.
points=${ROUTE_POINTS:-100000}
for n in "$points" $((2 * points)); do
  awk -v n="$n" 'BEGIN { srand(1620); lat = 40; lon = -30; for (i = 0; i < n; i++) {
    lat += rand() - 0.5; lon += rand() - 0.45; if (lat > 60 || lat < -60) lat = 0
    if (lon > 180) lon -= 360
    printf "%.9f %.9f WP%d\n", lat, lon, i + 1 } }' > "$work/route-$n.txt"
  "$calc" route --gpx="$work/route-$n.gpx" "$work/route-$n.txt" > "$work/plain.out" 2>/dev/null
  "$calc" route "$work/route-$n.gpx" > "$work/gpx.out"
  cmp -s "$work/plain.out" "$work/gpx.out" || { echo "GPX and plain text differ"; exit 1; }
done
# Peak memory (kB) of one run.
peak() { python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@"; }
for kind in txt gpx; do
  : > "$work/route-$kind"
  for _ in $(seq "$runs"); do cpu /dev/null "$calc" route "$work/route-$points.$kind" >> "$work/route-$kind"; done
done
awk -v t="$(median < "$work/route-txt")" -v g="$(median < "$work/route-gpx")" -v n="$points" \
  -v mt="$(peak "$calc" route "$work/route-$points.txt")" \
  -v mg="$(peak "$calc" route "$work/route-$points.gpx")" \
  -v mg2="$(peak "$calc" route "$work/route-$((2 * points)).gpx")" 'BEGIN {
  printf "route of %d waypoints: plain text %.3f s, GPX %.3f s: %.2f times the time\n", n, t, g, g / t
  printf "peak memory: plain text %d kB, GPX %d kB, GPX of twice the waypoints %d kB\n", mt, mg, mg2 }'

# Every core through GNU parallel, against one process: wall-clock seconds, the same bytes.
cores=$(nproc)
for _ in $(seq 8); do cat "$work/inverse"; done > "$work/many"
wall() { local TIMEFORMAT=%3R; { time "$@" < "$work/many" > "$work/wall.out"; } 2>&1; }
one=$(wall "$calc" inverse)
cp "$work/wall.out" "$work/one.out"
spread=$(wall parallel --pipe --keep-order --block 4M -j "$cores" "$calc" inverse)
cmp -s "$work/one.out" "$work/wall.out" || { echo "parallel's output differs"; exit 1; }
awk -v a="$one" -v b="$spread" -v c="$cores" -v l="$(wc -l < "$work/many")" 'BEGIN {
  printf "inverse, %d lines: one process %.3f s, parallel on %d cores %.3f s (%.2f times as fast), the same bytes\n", l, a, c, b, a / b }'
