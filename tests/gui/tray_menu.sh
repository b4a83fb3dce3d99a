#!/usr/bin/env bash
# The tray icon on a real (virtual) X display with a notification area: a
# first start is in tray mode, so closing the main window hides it; a double
# click on the icon shows it again, and Exit in the icon's menu ends the
# program with status 0.
#   tray_menu.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the tray host or the
# pointer tool is missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run trayer xwininfo xdotool
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_tray
"$PROGRAM" &
program=$!
sleep 2.5
shown=$(window_state)
# "Exit" of the File menu: in tray mode it only hides the window.
geometry=$(xwininfo -root -tree | awk '/"ombrixgo"/ && / 3[0-9][0-9]x[0-9]+\+/ {print $NF}' | head -1)
x=$(echo "$geometry" | sed -E 's/^\+([0-9]+)\+.*/\1/')
y=$(echo "$geometry" | sed -E 's/^\+[0-9]+\+([0-9]+)/\1/')
xdotool mousemove $((x + 20)) $((y + 8)) click 1
sleep 0.5
xdotool mousemove $((x + 45)) $((y + 51)) click 1
sleep 1
hidden=$(window_state)
# The icon sits in the notification area's last slot, at the top right.
icon_x=$(($(xdotool getdisplaygeometry | cut -d' ' -f1) - 12))
xdotool mousemove "$icon_x" 12 click --repeat 2 --delay 60 1
sleep 1
again=$(window_state)
xdotool mousemove "$icon_x" 12 click 3
sleep 0.8
# The menu opens below the pointer; Exit is its last item.
xdotool mousemove $((icon_x - 100)) 68 click 1
status=timeout
for _ in $(seq 30); do
    if ! kill -0 "$program" 2>/dev/null; then
        wait "$program"
        status=$?
        break
    fi
    sleep 0.1
done
kill "$tray" 2>/dev/null
[ "$status" = timeout ] && kill "$program" 2>/dev/null
echo "shown=$shown hidden=$hidden again=$again exit=$status"
[ "$shown" = IsViewable ] && [ "$hidden" = IsUnMapped ] && [ "$again" = IsViewable ] &&
    [ "$status" = 0 ]
RUN
run_on_virtual_desktop
