# What the end-to-end runs share, sourced inside Xvfb and a D-Bus session: a work folder that
# goes at the end, the desktop's openers replaced by a recorder, the program started with its
# accessibility tree on the bus, and ways to reach its controls from the keyboard.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end-to-end: $*" >&2; exit 1; }

export LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

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

# Waits until the recorder holds N lines, and prints line N without a file:// in front.
recorded() {
  for _ in $(seq 100); do
    if [ -s "$record" ] && [ "$(wc -l < "$record")" -ge "$1" ]; then
      local line
      line=$(sed -n "$1p" "$record")
      echo "${line#file://}"
      return 0
    fi
    sleep 0.1
  done
  fail "no opener was called (record: $(cat "$record" 2>/dev/null))"
}

# Starts the program (the command given), its accessibility bus first, and waits for its main
# window: $main.
start_program() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
  "$@" &
  program_pid=$!
  main=$(xdotool search --sync --name '^Orbalide \*\* WGS-84 \*\*$' | head -n 1)
  xdotool windowfocus --sync "$main"
  sleep 0.5
}

lecteur() { /usr/bin/python3 "$here/lecteur.py" "$@"; }

# Runs the command given until it succeeds, for up to five seconds; `not` turns one around.
eventually() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
not() { ! "$@"; }

# Presses Tab (or the key given) until the control so named has the focus.
tab_to() {
  for _ in $(seq 60); do
    [ "$(lecteur focus)" = "$1" ] && return 0
    xdotool key "${2:-Tab}"
    sleep 0.1
  done
  fail "the keyboard does not reach '$1'"
}

# Clicks a window at a place given in twips of its client area, below what stands above it.
click() {  # window, left, top, height above
  local scale
  eval "$(xdotool getwindowgeometry --shell "$main")"
  scale=$(awk -v w="$WIDTH" 'BEGIN { print w / 6345 }')  # pixels a twip of the main window
  xdotool mousemove --window "$1" "$(awk -v t="$2" -v s="$scale" 'BEGIN { printf "%d", t * s }')" \
    "$(awk -v t="$3" -v s="$scale" -v m="$4" 'BEGIN { printf "%d", t * s + m }')" click 1
  sleep 0.3
}
# The same on the main window, below its menu bar.
click_main() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  click "$main" "$1" "$2" "$(awk -v h="$HEIGHT" -v w="$WIDTH" 'BEGIN { printf "%d", h - 4410 * w / 6345 }')"
}
