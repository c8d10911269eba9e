# What the end-to-end runs share, sourced inside Xvfb and a D-Bus session: a work folder that
# goes at the end, the desktop's openers replaced by a recorder, the program started with its
# accessibility tree on the bus, ways to reach its controls from the keyboard, a screen reader
# whose speech is read back, and the program's focus events recorded.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
program_pid=
cleanup() {  # the program and every helper started in the background
  local jobs
  jobs=$(jobs -p)
  [ -z "$jobs" ] || kill $jobs 2>/dev/null || true
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
# window, $main, for up to 30 seconds: a program that shows none fails the run.
start_program() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
  "$@" &
  program_pid=$!
  main=$(timeout 30 xdotool search --sync --name '^Orbalide \*\* WGS-84 \*\*$' | head -n 1) || true
  [ -n "$main" ] || fail "the program's window did not open"
  timeout 10 xdotool windowfocus --sync "$main" || fail "the program's window did not take the focus"
  sleep 0.5
}

lecteur() { /usr/bin/python3 "$here/lecteur.py" "$@"; }

# Runs the command given until it succeeds, for up to five seconds; `not` turns one around.
eventually() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
not() { ! "$@"; }
shows() { [ "$(lecteur text "$1")" = "$2" ]; }  # name, text
focused() { [ "$(lecteur focus)" = "$1" ]; }

# Waits until each box so named holds the text given: name, text, name, text…
holds() {
  while [ $# -gt 1 ]; do
    eventually shows "$1" "$2" || fail "'$1' holds '$(lecteur text "$1")', not '$2'"
    shift 2
  done
}

# Orca, on a speech-dispatcher of its own whose sound goes nowhere, with preferences of its own
# that make its debug file, where it writes what it says, line-buffered; in a process namespace
# of its own where the system allows one, since Orca refuses to start beside another Orca of the
# same user. A failure when it does not start.
start_orca() {
  local speech=$work/speech i namespace=()
  mkdir -p "$speech/config" "$work/orca"
  printf 'default_driver=null\n' > "$speech/.libao"
  ln -s /etc/speech-dispatcher/modules "$speech/config/modules"
  printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' > "$speech/config/speechd.conf"
  HOME=$speech XDG_RUNTIME_DIR=$speech speech-dispatcher -s -t 0 -C "$speech/config" \
    -S "$speech/socket" -L "$speech" -l 1 > /dev/null 2>&1 &
  eventually test -S "$speech/socket" || fail "speech-dispatcher did not start"
  printf '%s\n' 'import orca.debug as debug' 'debug.debugLevel = debug.LEVEL_INFO' \
    'debug.debugFile.reconfigure(line_buffering=True)' > "$work/orca/orca-customizations.py"
  unshare --pid --fork --mount-proc true 2>/dev/null &&
    namespace=(unshare --pid --fork --mount-proc --kill-child)
  orca_log=$work/orca.log
  SPEECHD_ADDRESS=unix_socket:$speech/socket "${namespace[@]}" orca -u "$work/orca" --debug \
    --debug-file "$orca_log" > "$work/orca.out" 2>&1 &
  for i in $(seq 300); do
    grep -qa "SPEECH OUTPUT: '" "$orca_log" 2>/dev/null && return 0
    [ "$i" -gt 20 ] && ! kill -0 $! 2>/dev/null && break
    sleep 0.1
  done
  fail "Orca did not start: $(cat "$work/orca.out")"
}

# What Orca has said: the number of its lines so far, a mark for what it says next; the lines
# since a mark.
said_so_far() { grep -ac "SPEECH OUTPUT: '" "$orca_log" || true; }
said_since() { grep -a "SPEECH OUTPUT: '" "$orca_log" | tail -n +"$(($1 + 1))" | sed "s/.*SPEECH OUTPUT: //"; }
# Whether Orca's braille line has shown, at some time, the text given.
brailled() { grep -a "BRAILLE LINE:" "$orca_log" | grep -qF -- "$1"; }
# Waits until Orca has said, since the mark given, a line that holds the text given, for ten
# seconds or the number given.
orca_says() {  # mark, text[, seconds]
  for _ in $(seq $((${3:-10} * 10))); do
    said_since "$1" | grep -qF -- "$2" && return 0
    sleep 0.1
  done
  fail "Orca did not say '$2' but: $(said_since "$1" | tr '\n' ' ')"
}

# Presses the keys given, the program's accessibility events recorded until the control so named
# has the focus, and checks that the focus went straight to it: one focus event, the first event
# of that control but for its name; and that no control was named anew, unless `renames` is set
# (controls shown for the first time, another language).
focus_moves_once() {  # name, keys…
  local name=$1 events=$work/events recorder
  shift
  : > "$events"
  /usr/bin/python3 "$here/lecteur.py" events >> "$events" &
  recorder=$!
  eventually grep -qx ready "$events" || fail "the accessibility events are not recorded"
  xdotool key "$@"
  eventually grep -qxF "focus	$name" "$events" ||
    fail "'$*' did not give '$name' the focus: $(tr '\n\t' '| ' < "$events")"
  kill "$recorder"
  awk -F'\t' -v name="$name" -v renames="${renames:-}" '
    $1 == "focus" { n++; if ($2 != name) stray = 1 }
    $1 == "name" { named = !renames; next }
    $2 == name && !seen++ && $1 != "focus" { early = 1 }
    END { exit !(n == 1 && !stray && !early && !named) }' "$events" ||
    fail "'$*' moved the focus thus: $(tr '\n\t' '| ' < "$events")"
}

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
