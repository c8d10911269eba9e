#!/usr/bin/env bash
# The real program on a real X server, from the keyboard alone, with Orca running: a forward
# computation, the export of its arrival and, from that button's menu, of its route, the
# arrival's letters as a screen reader reads them; an inverse computation, its departure pasted on
# one line and read by Shift+Return, read back the same way, a hemisphere list driven with its
# keys, its unit switched by Space on the unit button, the same point twice, and back to the
# direct panel; the flag from the keyboard, the globe by a screen reader's action and the About
# window found by its name and closed by Escape, then opened by F1; then the About window's mail
# link with the mouse, and Ctrl+Q. Each move of the focus that the program makes reaches the
# accessibility bus as one focus event, on the control that ends with it, before any other event
# of it; Orca says the box the focus moves to, the results of each computation and why the same
# point twice has none; every shown text tells its words at every offset. The desktop's openers
# are replaced by a recorder.
# Usage: bureau.sh BUILD_DIR (the program is BUILD_DIR/qt/orbalide).
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then  # without Qt's warnings of key events Orca answers late
  exec env INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    dbus-run-session -- "$0" "$build" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'QSpiApplication::' >&2)
fi
. "$(dirname "$0")/commun.sh"

rm -f "$build/qt/Geo(1).kml"
site=$(sed -n 's/^ORBALIDE_SITE_URL:STRING=//p' "$build/CMakeCache.txt")
start_orca
start_program "$build/qt/orbalide"
[ "$(lecteur focus)" = "Latitude, degrés — départ" ] || fail "the focus is not in the departure"

# 45° N 0° E, course 180° 30′, 100000 metres; each complete component moves on by itself, and a
# reader hears the box it moves to.
mark=$(said_so_far)
focus_moves_once "Latitude, minutes — départ" 4 5
orca_says "$mark" "Latitude, minutes — départ"
type_on "00" "00.000" "000" "00" "00.000"
xdotool type --delay 60 "180"
tab_to "Route initiale, minutes" && xdotool type --delay 60 "30"
tab_to "Distance" && xdotool type --delay 60 "100000"
tab_to "Mètres" && xdotool key space
mark=$(said_so_far)
xdotool key Return
# What a reader hears of it: GeographicLib's figures as the boxes show them, with the letters.
for said in "latitude 44 degrés 06 minutes 00.468 secondes N" \
  "longitude 00 degrés 00 minutes 39.233 secondes W" \
  "Route à l'arrivée : 180 degrés 29 minutes 32.476 secondes" \
  "Route retour : 0 degrés 29 minutes 32.476 secondes"; do
  orca_says "$mark" "$said"
done
timeout 60 /usr/bin/python3 "$here/lecteur.py" items > /dev/null ||
  fail "a text of the direct panel does not tell its items at every offset"
tab_to "Exporter en KML — arrivée" shift+Tab && xdotool key Return
path=$(recorded 1)
case "$path" in /*.kml) ;; *) fail "the KML handler got '$path', not an absolute path" ;; esac
grep -q '<coordinates>-0.0108980555555556,44.10013,10</coordinates>' "$path" ||
  fail "the export does not hold the arrival: $(grep coordinates "$path")"
# A screen reader names the arrival's hemisphere labels and reads their letters.
letters=$(lecteur text "Nord ou sud — arrivée")$(lecteur text "Est ou ouest — arrivée")
[ "$letters" = NW ] || fail "a screen reader reads the arrival's hemispheres as '$letters'"
# Its menu, from the keyboard: the route of the direct panel.
xdotool key shift+F10
eventually test "$(xdotool search --onlyvisible --pid "$program_pid" | wc -l)" = 2 ||
  fail "the export menu did not open"
import -window root "$build/bureau-menu.png"
xdotool key Down Down Return  # the second item: the route
route=$(recorded 2)
[ "$(basename "$route")" = "Route(0).kml" ] || fail "the route handed over is '$route'"
grep -q '<tessellate>1</tessellate>' "$route" || fail "the route file holds no line"
import -window root "$build/bureau.png"

# A list with nothing selected yet takes its first key: Down chooses S, Up N again.
tab_to "Nord ou sud — départ" shift+Tab && xdotool key Down
eventually shows "Nord ou sud — départ" S || fail "the first Down did not choose S"
xdotool key Up
eventually shows "Nord ou sud — départ" N || fail "Up did not choose N"

# The inverse panel: due south by one degree, then back.
tab_to "Inverse" && focus_moves_once "Latitude, degrés — départ" Return
lecteur showing "Calculer" || fail "the inverse panel is not shown"
tab_to "Position sur une ligne, Maj+Entrée pour la lire — départ" shift+Tab
xdotool type --delay 60 "A N45:00:00.00 E000:00:00.00" && xdotool key shift+Return
# Longitudes here do not move on by themselves.
tab_to "Latitude, degrés — arrivée" && type_on "44" "00" "00.000" && xdotool type --delay 60 "000"
tab_to "Longitude, minutes — arrivée" && xdotool type --delay 60 "00"
tab_to "Longitude, secondes — arrivée" && xdotool type --delay 60 "00.000"
# A hemisphere list takes the first key, however the focus came in.
tab_to "Nord ou sud — arrivée" && xdotool key Down
eventually shows "Nord ou sud — arrivée" S || fail "Down did not choose S"
xdotool key Tab shift+Tab Up
eventually shows "Nord ou sud — arrivée" N || fail "Up did not choose N"
mark=$(said_so_far)
xdotool key Return
for said in "Distance : 111122.008 mètres" "Route initiale : 180 degrés 0 minutes 00.000 secondes" \
  "Route à l'arrivée : 180 degrés 0 minutes 00.000 secondes"; do
  orca_says "$mark" "$said"  # GeographicLib
done
import -window root "$build/bureau-inverse.png"
distance=$(lecteur text "Distance calculée")
[ "$distance" = "111122.008" ] || fail "the inverse distance reads '$distance'"
timeout 60 /usr/bin/python3 "$here/lecteur.py" items > /dev/null ||
  fail "a text of the inverse panel does not tell its items at every offset"
# The unit beside it, a button named after the unit it switches to: Space empties the distance.
tab_to "Passer en milles nautiques" && xdotool key space
eventually focused "Passer en mètres" && shows "Distance calculée" "" ||
  fail "Space on the unit left '$(lecteur focus)/$(lecteur text "Distance calculée")'"
# The same point twice: a reader hears why there is no result, as the distance's tooltip says.
tab_to "RAZ" && xdotool key Return
tab_to "Calculer" && mark=$(said_so_far) && xdotool key Return
orca_says "$mark" "Pas de résultat : les deux positions sont le même point."
tab_to "Directe" && focus_moves_once "Latitude, degrés — départ" Return
lecteur showing "Inverse" || fail "the keyboard did not bring the direct panel back"

# The flag from the keyboard: Tab reaches it, Space switches to English, the focus stays there.
tab_to "English" && focus_moves_once "Français" space
eventually lecteur showing "Calculate" || fail "Space on the flag did not switch to English"
import -window root "$build/bureau-drapeau.png"
# The globe as a screen reader presses it; the About window is found by its name, Escape closes it.
[ "$(lecteur role "About")" = "push button" ] || fail "the globe is a '$(lecteur role "About")'"
lecteur press "About"
eventually lecteur showing "About Orbalide" || fail "the reader's action did not open 'About Orbalide'"
[ "$(lecteur role "About Orbalide")" = frame ] || fail "the About window is a '$(lecteur role "About Orbalide")'"
xdotool key Escape
eventually not lecteur showing "About Orbalide" || fail "Escape did not close the About window"
# F1: a reader hears the About window, none of whose controls has the focus until Tab.
mark=$(said_so_far)
focus_moves_once "About Orbalide" F1
orca_says "$mark" "About Orbalide"
focus_moves_once "$site" Tab
xdotool key Escape
eventually not lecteur showing "About Orbalide" || fail "Escape did not close the About window"

# The About window and its mail link, with the mouse.
click_main 2940 3990
about=
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$w" != "$main" ] && about=$w
  done
  [ -n "$about" ] && break
  sleep 0.1
done
[ -n "$about" ] || fail "the About window did not open"
import -window root "$build/bureau-apropos.png"
click "$about" 1027 7155 0  # the author's mail link
mail=$(recorded 3)
case "$mail" in
  "mailto:"*"?subject=Tiramoss V1.0.0" | "mailto:"*"?subject=Tiramoss%20V1.0.0") ;;
  *) fail "the mail handler got '$mail'" ;;
esac

# The desktop's Quit key ends the program, the About window open.
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$program_pid" 2>/dev/null || fail "Ctrl+Q did not end the program"
said_since 0 > "$build/bureau-orca.txt"
echo "end-to-end: export handed over $path; inverse distance $distance; mail link opened $mail"
