#!/usr/bin/env bash
# Type-ahead in the main window's lists as a keyboard reaches them on a real
# (virtual) X display under a window manager: a click into the conversion
# list's text, Escape, then "eu" loads the first conversion beginning with
# "eu"; "sk" after clearing loads the first beginning with "sk". Typing in the
# decimals list selects a number instead of adding characters to its text.
#   list_type_ahead.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the pointer tool is missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xclip
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
title() { xdotool getwindowname "$window"; }
# The list's text sits right of the "Conversion:" caption.
click_list() {
    xdotool mousemove --window "$window" 250 37 click 1
    sleep 0.3
}
echo "start: $(title)"
click_list
xdotool key Escape
sleep 0.2
xdotool type --delay 120 sk
sleep 0.5
echo "after sk: $(title)"
xdotool key Escape Escape
sleep 0.2
xdotool type --delay 120 eu
sleep 0.5
echo "after eu: $(title)"
xdotool key Escape Escape
sleep 0.2
# The decimals list: tick "Fixed decimals", click its text, clear it, type 1 1.
xdotool mousemove --window "$window" 183 191 click 1
sleep 0.3
xdotool mousemove --window "$window" 290 190 click 1
sleep 0.2
xdotool key Escape
xdotool type --delay 120 11
sleep 0.3
xdotool key ctrl+a ctrl+c
sleep 0.3
echo "decimals: $(xclip -o -selection clipboard 2>/dev/null || echo none)"
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "after sk: Slovak koruna - Euro" <<<"$out"
grep -qx "after eu: Dutch guilder - Euro" <<<"$out"
grep -qx "decimals: 11" <<<"$out"
