#!/usr/bin/env bash
# A message box opens above the always-on-top main window on a real (virtual)
# X display under a window manager: Open Conversion with a file that fails to
# load (Always on Top is on from the first start) shows the error box owned by
# the main window and stacked above it, and the window takes input again once
# the box is answered.
#   error_box_above.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xprop xclip
private_home "$1"
printf 'TITLE Broken\r\nCHG 020\r\n' >"$home/broken.nod"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
echo "main: $window"
# The open-file image, then the file's name in the dialog.
xdotool mousemove --window "$window" 93 39 click 1
sleep 1.5
xdotool type "$HOME/broken.nod"
xdotool key Return
sleep 1.5
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
top=$(printf '%d' "${stacking##* }")
echo "topmost: $top"
owner=$(xprop -id "$top" WM_TRANSIENT_FOR | sed -n 's/.*# 0x\([0-9a-f]*\)$/\1/p')
echo "top is transient for: $([ -n "$owner" ] && printf '%d' "0x$owner" || echo none)"
xdotool key Return
sleep 0.5
xdotool mousemove --window "$window" 168 100 click 1
xdotool type 100
xdotool key Return
sleep 0.5
xdotool key ctrl+a ctrl+c
sleep 0.3
echo "field: $(xclip -o -selection clipboard 2>/dev/null || echo none)"
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
main=$(sed -n 's/^main: //p' <<<"$out")
[ -n "$main" ]
grep -qx "top is transient for: $main" <<<"$out"
grep -q "^field: 100" <<<"$out"
