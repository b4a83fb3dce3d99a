#!/usr/bin/env bash
# On a desktop without a notification area the program can always be ended:
# after Startup in the Options menu (which means waiting in the notification
# area where there is one), Exit in the File menu still ends the program.
#   no_tray_exit.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the pointer tool is missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xprop
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
# Options, then Startup (its fifth item).
xdotool mousemove --window "$window" 105 8 click 1
sleep 0.4
xdotool mousemove --window "$window" 140 118 click 1
sleep 0.5
# File, then Exit (its second item).
xdotool mousemove --window "$window" 20 8 click 1
sleep 0.4
xdotool mousemove --window "$window" 45 51 click 1
status=running
for _ in $(seq 30); do
    if ! kill -0 "$program" 2>/dev/null; then
        wait "$program"
        status=$?
        break
    fi
    sleep 0.1
done
echo "program: $status"
[ "$status" = running ] && kill "$program"
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "program: 0" <<<"$out"
