#!/usr/bin/env bash
# Tray mode on a real (virtual) X display with a notification area: a copy
# started with "/tray" keeps its window hidden, and a second copy started
# without a command line brings that window back and ends with status 0.
#   tray_handover.sh PROGRAM
# Exit status 77 (skipped) when the virtual display or the tray host is missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run trayer xwininfo
private_home "$1"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_tray
"$PROGRAM" /tray &
first=$!
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/ombrixgo-$(id -u)" ] && break
    sleep 0.1
done
sleep 1.5
before=$(window_state)
"$PROGRAM"
second=$?
sleep 1
after=$(window_state)
kill "$first" "$tray" 2>/dev/null
echo "before=$before second=$second after=$after"
[ "$before" != IsViewable ] && [ "$second" = 0 ] && [ "$after" = IsViewable ]
RUN
run_on_virtual_desktop
