#!/usr/bin/env bash
# The passage planner on a real X server, from the keyboard alone: opened from the main window's
# menu, three waypoints typed into its table, a speed and a departure, the passage saved as a GPX
# route through the file dialog. The file, read by GDAL, and the legs, read over the accessibility
# bus as a screen reader reads them, are those of orbalide-calc route on the same waypoints. Then
# the program started with the GPX file opens the planner with it. Orca says the totals after
# each waypoint.
# Usage: planificateur.sh BUILD_DIR (the programs are BUILD_DIR/qt/orbalide, BUILD_DIR/calc/orbalide-calc).
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    dbus-run-session -- "$0" "$build" 2> >(grep -v -e 'Failed to set fd limit' -e 'QSpiApplication::' >&2)
fi
. "$(dirname "$0")/commun.sh"

start_orca
start_program "$build/qt/orbalide" 2> "$work/qt.log"
# Alt+A, the menu Passage, held as a hand holds it: Orca, which hears every key first, makes Qt
# miss a mnemonic pressed and released at once.
xdotool keydown alt && sleep 0.2 && xdotool key a && sleep 0.2 && xdotool keyup alt
eventually lecteur showing "Planifier un passage…" || fail "Alt+A did not open the menu Passage"
xdotool key Return
planner=$(xdotool search --sync --name '^Nouveau passage — Planification de passage$' | head -n 1)
# Designed wider than this screen, it opens within it.
eval "$(xdotool getwindowgeometry --shell "$planner")"
[ "$WIDTH" -le 1280 ] || fail "the planner opens $WIDTH pixels wide on a screen of 1280"
xdotool windowfocus --sync "$planner"
in_waypoints() { case "$(lecteur focus)" in "Points de passage"*) return 0 ;; esac; return 1; }
eventually in_waypoints || fail "the planner opens with the focus in '$(lecteur focus)'"

# Each text takes its cell, Tab goes on to the next cell, the last one to the next row.
# ASCII alone: xdotool types other characters through a keymap it changes on the way.
for cell in Brest 48:23N 4:29W Lisbon 38:42N 9:09W "Las Palmas" 28:06N; do
  xdotool type --delay 60 -- "$cell" && xdotool key Tab
done
# Once Orca has caught up with the keys, having echoed the last ones, "4", Shift and "W" (on a
# loaded machine it lags seconds behind, and drops what comes meanwhile), the last cell taken:
# it says the totals.
xdotool type --delay 60 -- 15:24W
echoed_last_keys() { [ "$(said_since 0 | tail -n 3 | cut -c1-4 | paste -sd,)" = "'4 ','lef,'W '" ]; }
for _ in $(seq 60); do echoed_last_keys && break; sleep 0.5; done
mark=$(said_so_far)
xdotool key Return
orca_says "$mark" "Total : 1323.182 Nm par les loxodromies, 1322.994 Nm par les orthodromies." 30
tab_to "Vitesse (nœuds)" && xdotool type --delay 60 "6"
tab_to "Départ" && xdotool type --delay 60 "2026-12-24T06:00Z"
tab_to "Étapes: Brest"
import -window root "$build/planificateur.png"

xdotool key ctrl+s
dialog=$(xdotool search --sync --name '^Enregistrer le passage en GPX$' | head -n 1)
xdotool windowfocus --sync "$dialog" && sleep 0.5
xdotool key ctrl+a && xdotool type --delay 20 "$work/passage.gpx" && xdotool key Return
eventually [ -s "$work/passage.gpx" ] || fail "the passage was not saved"
eventually xdotool search --name '^passage.gpx — Planification de passage$' >/dev/null ||
  fail "the planner's title does not name the file saved"

# The same waypoints and options through the command line.
printf '%s\n' lat,lon,name "48°23'N,4°29'W,Brest" "38°42'N,9°09'W,Lisbon" \
  "28°06'N,15°24'W,Las Palmas" > "$work/passage.csv"
options=(--unit=nm --speed=6 --depart=2026-12-24T06:00Z)
"$build/calc/orbalide-calc" route --csv --dms "${options[@]}" --gpx="$work/calc.gpx" \
  "$work/passage.csv" > "$work/calc.csv"
points() { ogrinfo -ro -q "$1" route_points | grep -v '^Layer name'; }
diff <(points "$work/calc.gpx") <(points "$work/passage.gpx") ||
  fail "GDAL reads other route points in the planner's file than in orbalide-calc's"
lecteur cells "Étapes" > "$work/legs.tsv"
/usr/bin/python3 - "$work/calc.csv" "$work/legs.tsv" <<'PYTHON' || fail "the legs differ from orbalide-calc's"
import csv, sys
calc = list(csv.reader(open(sys.argv[1])))[1:]
shown = [line.rstrip("\n").split("\t") for line in open(sys.argv[2])]
def minutes(t):  # "3 j 22:40" or "102:33"
    days, _, clock = t.rpartition(" j ") if " j " in t else ("0", "", t)
    hours, m = clock.split(":")
    return (int(days) * 24 + int(hours)) * 60 + int(m)
assert len(calc) == len(shown), (len(calc), len(shown))
for c, s in zip(calc, shown):
    assert s[0] in (c[0], "Total"), (s[0], c[0])
    assert s[1:5] + [s[5], s[7]] == c[1:3] + c[5:7] + [c[7], c[9]], (s, c)
    assert abs(float(s[6]) - float(c[8])) < 6e-4 and abs(float(s[8]) - float(c[10])) < 6e-4, (s, c)
    assert minutes(s[9]) == minutes(c[11]) and minutes(s[10]) == minutes(c[12]), (s, c)
    assert s[11] == c[13], (s[11], c[13])
print(f"end-to-end: {len(shown)} legs read over the bus as orbalide-calc route writes them")
PYTHON
xdotool windowfocus --sync "$planner" && xdotool key ctrl+w  # no window manager gives it back
eventually not xdotool search --name 'Planification de passage$' >/dev/null ||
  fail "Ctrl+W did not close the saved passage"
xdotool windowfocus --sync "$main" && xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$program_pid" 2>/dev/null || fail "Ctrl+Q did not end the program"

# The program started with a GPX route, as a file manager starts it.
start_program "$build/qt/orbalide" "$work/passage.gpx"
xdotool search --sync --name '^passage.gpx — Planification de passage$' >/dev/null
eventually [ "$(lecteur cells "Points de passage" | cut -f2 | paste -sd,)" = "Brest,Lisbon,Las Palmas," ] ||
  fail "the planner opened the file with '$(lecteur cells "Points de passage" | cut -f2 | paste -sd,)'"
import -window root "$build/planificateur-fichier.png"
xdotool key ctrl+q
! grep QAbstractItemView "$work/qt.log" || fail "a cell's edit was taken twice"
echo "end-to-end: the planner saved $(grep -c '<rtept' "$work/passage.gpx") route points and opened them again"
