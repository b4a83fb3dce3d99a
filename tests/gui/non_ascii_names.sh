#!/usr/bin/env bash
# File names outside ASCII end to end: the converter started with a file in
# a folder "josé" whose name is "€.nod" adds and loads it, and stores the name
# in its catalogue in Windows-1252; a second start in that folder hands over
# a file named relative to it; a second start with a name Windows-1252
# cannot hold ("ő") says so by name and hands over nothing; the stand-alone
# editor opens and saves the "€" file and refuses the "ő" one the same way.
#   non_ascii_names.sh OMBRIXGO   (OmbrixEditor is found beside it)
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool xclip
private_home "$(readlink -f "$1")"
export EDITOR_PROGRAM=$(dirname "$PROGRAM")/OmbrixEditor
mkdir -p "$home/josé"
# The title holds the euro sign too: code 128 in the file.
printf 'NAME Peso \200 - Euro\r\nURLN Peso\r\nMATH PESO / 2\r\nFORMAT 0.00\r\n' >"$home/josé/€.nod"
cp "$home/josé/€.nod" "$home/ő.nod"
cp "$home/josé/€.nod" "$home/original.nod"
printf 'NAME Dos \200 - Euro\r\nURLN Dos\r\nMATH PESO / 4\r\n' >"$home/josé/€2.nod"

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
# Waits for the message box a process shows, prints its title and closes it.
close_box() {
    local box=""
    for _ in $(seq 50); do
        box=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1 || true)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -z "$box" ] && { echo "no box"; return; }
    sleep 0.3
    echo "box: $(xdotool getwindowname "$box")"
    xdotool windowactivate --sync "$box" key Return
}

"$PROGRAM" "$HOME/josé/€.nod" &
program=$!
window=$(wait_for_main_window)
echo "loaded: $(xdotool getwindowname "$window")"
# Named relative to a start folder outside ASCII and handed over.
(cd "$HOME/josé" && timeout 15 "$PROGRAM" "€2.nod")
sleep 1
echo "handed over: $(xdotool getwindowname "$window")"

"$PROGRAM" "$HOME/ő.nod" 2>"$HOME/second.err" &
second=$!
close_box "$second"
wait_for_end "$second"
kill "$second" 2>/dev/null && echo "second still running"
status=0
wait "$second" || status=$?
echo "second: status $status"
echo "after: $(xdotool getwindowname "$window")"
kill "$program"
wait "$program" 2>/dev/null

"$EDITOR_PROGRAM" "$HOME/josé/€.nod" &
editor=$!
window=$(wait_for_main_window)
echo "editor: $(xdotool getwindowname "$window")"
xdotool windowactivate --sync "$window"
xdotool key ctrl+End
xdotool type "'saved"
xdotool key Return ctrl+s
sleep 0.5
xdotool key alt+F4
wait_for_end "$editor"
kill "$editor" 2>/dev/null && echo "editor still running"

"$EDITOR_PROGRAM" "$HOME/ő.nod" 2>"$HOME/editor.err" &
editor=$!
close_box "$editor"
sleep 1
for window in $(xdotool search --onlyvisible --pid "$editor" 2>/dev/null); do
    echo "editor without a file: $(xdotool getwindowname "$window")"
done
kill "$editor" 2>/dev/null
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
refused='cannot be used: it holds the character "ő" (U+0151)'
grep -qx "loaded: Peso € - Euro" <<<"$out"
# The catalogue names the file in Windows-1252 ("jos\351/\200"; it keeps no ".nod").
grep -qaF "$(printf 'jos\351/\200"')" "$home/data/Quavomat/ombrixgo.cfg"
[ "$(grep -c "^box: Quavomat$" <<<"$out")" = 1 ]
[ "$(grep -c "^box: " <<<"$out")" = 2 ]
for err in second editor; do
    grep -qF "The file name \"$home/ő.nod\" $refused" "$home/$err.err"
done
grep -qx "second: status 0" <<<"$out"
grep -qx "handed over: Dos € - Euro" <<<"$out"
grep -qx "after: Dos € - Euro" <<<"$out"
grep -q "^editor: .*€.nod" <<<"$out"
cmp "$home/josé/€.nod" <(cat "$home/original.nod" && printf "'saved\r\n")
# The refused name opened nothing and left its file alone.
grep -qx "editor without a file: Conversion Editor" <<<"$out"
cmp "$home/ő.nod" "$home/original.nod"
