#!/usr/bin/env bash
# The wizard converts a table on the real X clipboard: the table is copied
# with xclip, the wizard opened from the main window's wizard image, its OK
# pressed (Alt+C, the button's mnemonic), and the clipboard read back.
#   wizard_clipboard.sh PROGRAM [SCREENSHOT]
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xclip
private_home "$1"
# Amounts are read and written with the C locale's decimal point.
export LC_ALL=C
export SCREENSHOT=${2:-}
# Guilders to euros: a header row, a text cell, amounts with a unit.
printf 'Bedrag\tPrijs\r\n100\t2.20371\r\nn/a\t220.371 NLG\r\n' >"$home/table.txt"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
"$PROGRAM" &
program=$!
window=$(wait_for_main_window)
echo "main: $window"
# The wizard image at the main window's top left.
xdotool mousemove --window "$window" 29 39 click 1
wizard=""
for _ in $(seq 30); do
    wizard=$(xdotool search --onlyvisible --name "^Conversion Wizard$" 2>/dev/null | head -1 || true)
    [ -n "$wizard" ] && break
    sleep 0.1
done
echo "wizard: ${wizard:-none}"
xclip -i -selection clipboard <"$HOME/table.txt"
sleep 0.5
xdotool windowactivate --sync "$wizard" 2>/dev/null || true
xdotool key --window "$wizard" alt+c
sleep 1
xclip -o -selection clipboard | od -An -c | tr -s ' ' >"$HOME/converted.txt"
cat "$HOME/converted.txt" | sed 's/^/clipboard:/'
[ -n "$SCREENSHOT" ] && import -window root "$SCREENSHOT"
kill "$program" "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -q "^wizard: [0-9]" <<<"$out"
expected=$(printf '45.38\t1.00\r\nn/a\t100.00\r\n' | od -An -c | tr -s ' ')
[ "$(sed -n 's/^clipboard://p' <<<"$out")" = "$expected" ]
