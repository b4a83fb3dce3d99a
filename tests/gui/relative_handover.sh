#!/usr/bin/env bash
# A second start with a conversion file named relative to the folder it is
# started in hands the file's full name to the running copy, which loads it;
# and a second start ends at once even when the running copy answers the
# file with an error box.
#   relative_handover.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the pointer tool is missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool
private_home "$(readlink -f "$1")"
mkdir -p "$home/work"
cp "$(dirname "$1")/euro/DEM.nod" "$home/work/rates.nod"
printf 'TITLE Broken\r\nCHG 020\r\n' >"$home/work/broken.nod"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
echo "first: $(xdotool getwindowname "$window")"
second() {
    local started=$(date +%s%N) status=0
    (cd "$HOME/work" && timeout 15 "$PROGRAM" "$1") || status=$?
    echo "second with $1: status $status in $((($(date +%s%N) - started) / 1000000)) ms"
}
second rates.nod
sleep 1
echo "loaded: $(xdotool getwindowname "$window")"
second broken.nod
xdotool key Return
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "loaded: German mark - Euro" <<<"$out"
# Both second starts end at once with status 0.
[ "$(grep -cE '^second with .*: status 0 in [0-9]{1,4} ms$' <<<"$out")" = 2 ]
