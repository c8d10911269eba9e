#!/usr/bin/env bash
# The real program on a real X server: typed with xdotool, computed, exported, and the About
# window's mail link, with the desktop's openers replaced by a handler that records what it is
# given. Usage: bureau.sh BUILD_DIR (the program is BUILD_DIR/qt/orbalide).
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$build"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }

# Openers that record their argument, registered for KML files, mail and web links.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications"
record=$work/opened
cat > "$work/recorder" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >> "$record"
SCRIPT
chmod +x "$work/recorder"
for kind in file url; do
  code=%u; [ "$kind" = file ] && code=%f
  printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %s\n' "$work/recorder" "$code" \
    > "$XDG_DATA_HOME/applications/recorder-$kind.desktop"
done
cat > "$XDG_CONFIG_HOME/mimeapps.list" <<LIST
[Default Applications]
application/vnd.google-earth.kml+xml=recorder-file.desktop
x-scheme-handler/mailto=recorder-url.desktop
x-scheme-handler/https=recorder-url.desktop
LIST

wait_for_record() {
  for _ in $(seq 100); do
    [ -s "$record" ] && [ "$(wc -l < "$record")" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "no opener was called (record: $(cat "$record" 2>/dev/null))"
}

rm -f "$build/qt/Geo(1).kml"
"$build/qt/orbalide" &
program_pid=$!
main=$(xdotool search --sync --name '^Orbalide \*\* WGS-84 \*\*$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$main")"
# Twips to pixels from the window's own width; the menu bar sits above the client area.
scale=$(awk -v w="$WIDTH" 'BEGIN { print w / 6345 }')
menu=$(awk -v h="$HEIGHT" -v s="$scale" 'BEGIN { printf "%d", h - 4410 * s }')
click() {  # window, left and top in twips of the window's client area, menu offset
  local x y
  x=$(awk -v t="$2" -v s="$scale" 'BEGIN { printf "%d", t * s }')
  y=$(awk -v t="$3" -v s="$scale" -v m="$4" 'BEGIN { printf "%d", t * s + m }')
  xdotool mousemove --window "$1" "$x" "$y" click 1
  sleep 0.3
}

xdotool windowfocus --sync "$main"
sleep 0.3
# The departure, from the keyboard: each complete component moves on by itself.
xdotool type --delay 60 "45" "00" "00.000" "000" "00" "00.000"
[ "$(xdotool getwindowfocus)" = "$main" ] || fail "the window lost the keyboard"
xdotool type --delay 60 "180"
xdotool key Tab && xdotool type --delay 60 "30"
xdotool key Tab && xdotool type --delay 60 "00"
xdotool key Tab && xdotool type --delay 60 "100000"
click "$main" 5230 1372 "$menu"   # "Mètres"
click "$main" 1867 1950 "$menu"   # "Calculer"
click "$main" 352 2707 "$menu"    # the arrival's export button
wait_for_record 1
path=$(head -n 1 "$record")
path=${path#file://}
case "$path" in /*.kml) ;; *) fail "the KML handler got '$path', not an absolute path" ;; esac
[ -f "$path" ] || fail "no file at $path"
grep -q '<coordinates>-0.0108980555555556,44.10013,10</coordinates>' "$path" ||
  fail "the export does not hold the arrival: $(grep coordinates "$path")"
import -window root "$build/bureau.png"

click "$main" 2940 3990 "$menu"   # the About picture
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
click "$about" 1027 7155 0          # the author's mail link
wait_for_record 2
mail=$(sed -n 2p "$record")
case "$mail" in
  "mailto:"*"?subject=Tiramoss V1.0.0" | "mailto:"*"?subject=Tiramoss%20V1.0.0") ;;
  *) fail "the mail handler got '$mail'" ;;
esac
echo "end-to-end: export handed over $path; mail link opened $mail"
