#!/usr/bin/env bash
# The main window on a real (virtual) X display under a window manager keeps
# its one native window: Enter in a value field and Always on Top switched off
# and on change its stacking state in place instead of re-creating it, and the
# window manager sees the state.
#   native_window.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
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
above() {
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo normal
}
ids() { xdotool search --onlyvisible --name " - " 2>/dev/null | tr '\n' ' '; }
echo "start: $(ids)$(above)"
xdotool mousemove --window "$window" 168 100 click 1
xdotool type 100
xdotool key Return
sleep 0.5
echo "after enter: $(ids)$(above)"
# Options, then Always on Top (its second item), twice.
for step in off on; do
    xdotool mousemove --window "$window" 105 8 click 1
    sleep 0.4
    xdotool mousemove --window "$window" 140 52 click 1
    sleep 0.5
    echo "switched $step: $(ids)$(above)"
done
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
first=$(sed -n 's/^start: \([0-9]*\) .*/\1/p' <<<"$out")
[ -n "$first" ]
grep -qx "start: $first above" <<<"$out"
grep -qx "after enter: $first above" <<<"$out"
grep -qx "switched off: $first normal" <<<"$out"
grep -qx "switched on: $first above" <<<"$out"
