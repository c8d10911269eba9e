#!/usr/bin/env bash
# The Debian package as a user meets it: extracted into a temporary root that nobody can write,
# started by its desktop entry's Exec line as an ordinary user with a home of his own, and the
# departure exported from the keyboard: the KML file is handed over from that home and holds the
# departure; the command line answers a line. Then the root goes, and nothing of the package is
# left. Usage: installe.sh PACKAGE
set -euo pipefail
if [ -z "${INSIDE_XVFB:-}" ]; then
  deb=$(realpath "${1:?Debian package}")
  root=$(mktemp -d) home=$(mktemp -d) scripts=$(mktemp -d)
  remove() {
    if [ -e "$root" ]; then chmod -R u+w "$root"; rm -rf "$root"; fi
    rm -rf "$home" "$scripts"
  }
  trap remove EXIT
  dpkg -x "$deb" "$root"
  chmod -R a-w "$root"
  # The user may not reach this checkout: he runs copies of these scripts.
  cp "$(dirname "$0")"/{installe.sh,commun.sh,lecteur.py} "$scripts"
  chmod 755 "$root" "$home" "$scripts"
  exec_line=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
  user=()  # root runs the program as nobody, an ordinary user runs it as himself
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home"
    user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  status=0
  "${user[@]}" env -i INSIDE_XVFB=1 HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" \
    EXEC_LINE="$exec_line" INSTALLED="$root/usr/bin/orbalide" \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" dbus-run-session -- "$scripts/installe.sh" \
    2> >(grep -v 'Failed to set fd limit' >&2) || status=$?
  remove
  [ ! -e "$root" ] || { echo "installed package: $root is left behind" >&2; exit 1; }
  exit "$status"
fi
. "$(dirname "$0")/commun.sh"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$HOME/Documents"
echo 'XDG_DOCUMENTS_DIR="$HOME/Documents"' > "$XDG_CONFIG_HOME/user-dirs.dirs"

# Started from the menu, with no file: a launcher drops the field codes (%f and the like).
launch=$(sed -E 's/ %[a-zA-Z]//g' <<<"$EXEC_LINE")
program=$(command -v "${launch%% *}")
[ "$program" = "$INSTALLED" ] || fail "the desktop entry starts $program, not the installed program"
[ ! -w "$(dirname "$program")" ] || fail "the program's folder can be written"
start_program $launch
xdotool type --delay 60 "45" "00" "00.000" "000" "00" "00.000"
click_main 352 757  # the departure's export button
path=$(recorded 1)
[ "$path" = "$HOME/Documents/Orbalide/Geo(0).kml" ] || fail "the KML handler got '$path'"
grep -q '<coordinates>0,45,10</coordinates>' "$path" ||
  fail "the export does not hold the departure: $(grep coordinates "$path")"
# The command line beside it: one degree north-east of the origin (GeographicLib: 156899.568 m).
calc=$(echo "0 0 1 1" | orbalide-calc inverse)
[ "$calc" = "45.188040229 45.196767322 156899.5683" ] || fail "orbalide-calc answers '$calc'"
echo "installed package: $program exported $path as $(id -un); orbalide-calc answers $calc"
