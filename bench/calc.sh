#!/usr/bin/env bash
# orbalide-calc against GeodSolve (GeographicLib) and geod (PROJ) on the same random lines of each
# problem, against GeodSolve on nearly antipodal pairs, and with --rhumb against RhumbSolve
# (GeographicLib) on the same lines, on one core: lines per second of each tool and the ratios. The tools run in turn, RUNS times (default 5), so that all see the same
# machine; the medians of their CPU times (user + system) are compared. LINES sets the lines per
# problem (default 200,000).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
lines=${LINES:-200000}

missing=()
command -v GeodSolve >/dev/null && command -v RhumbSolve >/dev/null ||
  missing+=(geographiclib-tools)
command -v geod >/dev/null || missing+=(proj-bin)
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
