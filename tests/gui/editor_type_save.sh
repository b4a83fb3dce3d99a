#!/usr/bin/env bash
# The stand-alone editor end to end on a virtual X display under a window
# manager: started with a file, typed into, saved with Ctrl+S and closed; the
# file on disk then holds exactly the old lines and the typed one, with the
# file's own line ends and nothing added.
#   editor_type_save.sh OMBRIXEDITOR
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool
private_home "$1"
printf 'NAME Typed test\r\nURLN Typed\r\nMATH ATS / 13.7603\r\n' >"$home/conv.nod"
printf 'NAME Typed test\r\nURLN Typed\r\nMATH ATS / 13.7603\r\nFORMAT 0.00\r\n' >"$home/expected.nod"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" "$HOME/conv.nod" &
program=$!
window=$(wait_for_main_window)
echo "window: $window $(xdotool getwindowname "$window")"
xdotool windowactivate --sync "$window"
xdotool key ctrl+End
xdotool type "FORMAT 0.00"
xdotool key Return ctrl+s
sleep 0.5
xdotool key alt+F4
if wait_for_end "$program"; then
    wait "$program"
    echo "ended: $?"
else
    echo "still running"
    kill "$program"
fi
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -q "^window: [0-9]* .* - .*conv.nod$" <<<"$out"
grep -qx "ended: 0" <<<"$out"
cmp "$home/conv.nod" "$home/expected.nod"
