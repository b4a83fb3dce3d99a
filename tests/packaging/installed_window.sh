#!/usr/bin/env bash
# The installed converter started through its bin/ link on a virtual X
# display, a first start asking for German: its main window shows the
# built-in catalogue's default conversion, read from the program folder that
# the link leads to, the user's catalogue records the shipped language file,
# and nothing is written into the installed tree.
#   installed_window.sh BUILD_DIR
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
build=$1
. "$(dirname "$0")/../gui/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xwininfo
root=$(mktemp -d)
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
private_home "$root/usr/bin/ombrixgo"
trap 'rm -rf "$home" "$root"' EXIT
touch "$home/stamp"
sleep 1

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" /lng deu.lng &
program=$!
window=$(wait_for_main_window)
echo "title: $(xdotool getwindowname "$window" 2>/dev/null)"
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "title: Dutch guilder - Euro" <<<"$out"
grep -q 'deu.lng' "$XDG_DATA_HOME/Quavomat/ombrixgo.cfg"
written=$(find "$root" -newer "$home/stamp")
[ -z "$written" ] || { echo "written into the installed tree: $written"; exit 1; }
