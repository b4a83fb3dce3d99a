#!/usr/bin/env bash
# A start with an empty (0-byte) catalogue file shows the options dialog as
# the only window. A second start hands its command line over and ends; the
# first copy's options dialog stays in view and on top, never swallowed.
# OK, and in a second run Cancel, with no entries end the program.
#   empty_catalogue_start.sh PROGRAM
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xprop xwininfo
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
catalogue="$XDG_DATA_HOME/Quavomat/ombrixgo.cfg"
# A first start makes the data folder and its catalogue; then it is emptied.
"$PROGRAM" &
program=$!
wait_for_main_window >/dev/null
kill "$program"
wait "$program" 2>/dev/null
wait_for_options() {
    wait_for_window '^Options$' 0.3
}
# The names of the program's windows in view, one line.
shown_windows() {
    local id
    for id in $(xdotool search --onlyvisible --classname ombrixgo 2>/dev/null); do
        xdotool getwindowname "$id"
    done | sort | paste -sd, -
}
# The window on top of the stack of managed windows.
topmost() {
    xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}' | xargs -I{} printf '%d\n' {}
}
# Waits up to five seconds for process $1 to end; prints "$2: ended STATUS"
# or "$2: running".
ended() {
    if wait_for_end "$1"; then
        wait "$1"
        echo "$2: ended $?"
    else
        echo "$2: running"
    fi
}
for button in ok cancel; do
    : >"$catalogue"
    "$PROGRAM" &
    program=$!
    options=$(wait_for_options)
    echo "$button: options shown: ${options:+yes}"
    echo "$button: windows: $(shown_windows)"
    # A second start: it hands over and ends, and the dialog is still there, on top.
    "$PROGRAM"
    echo "$button: second start: $?"
    sleep 0.5
    echo "$button: first copy: $(kill -0 "$program" 2>/dev/null && echo running || echo gone)"
    again=$(wait_for_options)
    echo "$button: options after hand-over: $([ "$again" = "$options" ] && echo same || echo "'$again'")"
    echo "$button: on top: $([ "$(topmost)" = "$options" ] && echo yes || echo no)"
    echo "$button: windows after hand-over: $(shown_windows)"
    # OK and Cancel sit at the bottom right of the dialog.
    if [ "$button" = ok ]; then x=195; else x=288; fi
    xdotool mousemove --window "$options" "$x" 197 click 1
    ended "$program" "$button"
    echo "$button: catalogue bytes: $(stat -c %s "$catalogue")"
done
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
for button in ok cancel; do
    grep -qx "$button: options shown: yes" <<<"$out"
    grep -qx "$button: windows: Options" <<<"$out"
    grep -qx "$button: windows after hand-over: Options" <<<"$out"
    grep -qx "$button: second start: 0" <<<"$out"
    grep -qx "$button: first copy: running" <<<"$out"
    grep -qx "$button: options after hand-over: same" <<<"$out"
    grep -qx "$button: on top: yes" <<<"$out"
    grep -qx "$button: ended 0" <<<"$out"
    grep -qx "$button: catalogue bytes: 0" <<<"$out"
done
