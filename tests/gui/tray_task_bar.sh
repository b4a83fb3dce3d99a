#!/usr/bin/env bash
# In tray mode the main window leaves the desktop's task bar and comes back
# when tray mode ends: the window manager sees the skip-task-bar state set
# while the program waits in the notification area (the first start's
# default) and cleared after the Tray item of the Options menu turns it off.
#   tray_task_bar.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager, the
# tray host or the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox trayer xdotool xprop
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
start_tray
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
on_task_bar() {
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR && echo no || echo yes
}
echo "tray mode: $(on_task_bar)"
# Options, then Tray (its fourth item).
xdotool mousemove --window "$window" 105 8 click 1
sleep 0.4
xdotool mousemove --window "$window" 140 96 click 1
sleep 0.5
echo "tray mode off: $(on_task_bar)"
kill "$program" "$tray" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "tray mode: no" <<<"$out"
grep -qx "tray mode off: yes" <<<"$out"
