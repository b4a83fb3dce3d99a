#!/usr/bin/env bash
# A save is never half done: the stand-alone editor is killed (SIGKILL) at a
# random moment just after Ctrl+S, again and again, on a file of about a
# megabyte; after every kill the file holds either the old text or the new
# one, never an empty or cut file.
#   editor_kill_during_save.sh OMBRIXEDITOR [ROUNDS]
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool
private_home "$1"
export ROUNDS=${2:-200}
{
    printf 'NAME Kill test\r\nURLN Kill\r\n'
    for i in $(seq 40000); do printf "' comment line %05d of the file\r\n" "$i"; done
} >"$home/big.nod"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
# Starts the editor on the file and types into it; Ctrl+S follows.
start_and_save() {
    "$PROGRAM" "$HOME/big.nod" &
    program=$!
    window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "big.nod" 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.05
    done
    xdotool windowactivate --sync "$window" 2>/dev/null
    xdotool key ctrl+End x ctrl+s
}
# How long a save takes from the key press on this build and machine: kills
# are spread over twice that time, so they land before, during and after it.
size=$(stat -c %s "$HOME/big.nod")
start_and_save
began=$(date +%s%N)
for _ in $(seq 4000); do
    [ "$(stat -c %s "$HOME/big.nod")" = "$size" ] || break
    sleep 0.005
done
save_ms=$((($(date +%s%N) - began) / 1000000 + 1))
kill -KILL "$program"
wait "$program" 2>/dev/null
echo "save: $save_ms ms"
old=0 new=0 bad=0
for round in $(seq "$ROUNDS"); do
    cp "$HOME/big.nod" "$HOME/before"
    start_and_save
    delay=$((RANDOM % (2 * save_ms)))
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -KILL "$program"
    wait "$program" 2>/dev/null
    { cat "$HOME/before"; printf 'x\r\n'; } >"$HOME/after"
    if cmp -s "$HOME/big.nod" "$HOME/before"; then
        old=$((old + 1))
    elif cmp -s "$HOME/big.nod" "$HOME/after"; then
        new=$((new + 1))
    else
        bad=$((bad + 1))
        echo "round $round: $(stat -c %s "$HOME/big.nod") bytes, neither old nor new"
        cp "$HOME/before" "$HOME/big.nod"
    fi
done
echo "old: $old new: $new bad: $bad"
echo "temporary files left: $(find "$HOME" -maxdepth 1 -name 'big.nod.*' | wc -l)"
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
# Both outcomes happened, so kills landed before and after the rename.
grep -q "^old: [1-9][0-9]* new: [1-9][0-9]* bad: 0$" <<<"$out"
