#!/usr/bin/env bash
# The catalogue file survives the converter being killed (SIGKILL) at any
# moment of the options dialog's Apply: the dialog applies again and again,
# switching the language field between two spellings of the same file, and
# the program is killed at a random moment; after every kill the catalogue
# file is one of the two complete files, never missing, empty or cut.
#   catalogue_kill_during_apply.sh PROGRAM [ROUNDS]
# A short run by default; 200 or more rounds for a thorough one.
# Exit status 77 (skipped) when the virtual display, the window manager or
# the X tools are missing.
set -euo pipefail
. "$(dirname "$0")/virtual_desktop.sh"
require_tools xvfb-run openbox xdotool
private_home "$1"
export ROUNDS=${2:-12}

cat >"$home/run.sh" <<'RUN'
set -u
. "$HOME/state.sh"
start_window_manager
catalogue="$XDG_DATA_HOME/Quavomat/ombrixgo.cfg"
languages=(eng.lng "$(dirname "$PROGRAM")/eng.lng")
# Starts the converter and opens its options dialog ($options).
start_with_options() {
    "$PROGRAM" &
    program=$!
    # A loaded machine or an instrumented build may start slowly.
    main=""
    for _ in $(seq 200); do
        main=$(xdotool search --onlyvisible --name " - " 2>/dev/null | head -1 || true)
        [ -n "$main" ] && break
        sleep 0.1
    done
    options=""
    for _ in $(seq 30); do
        xdotool windowactivate --sync "$main" 2>/dev/null
        xdotool key alt+t o
        for _ in $(seq 10); do
            options=$(xdotool search --onlyvisible --name '^Options$' 2>/dev/null | head -1 || true)
            [ -n "$options" ] && return
            sleep 0.1
        done
    done
}
# Applies the two language spellings in turn until killed.
apply_loop() {
    local i=0
    while :; do
        xdotool mousemove --window "$options" 150 45 click 1 key ctrl+a
        xdotool type --delay 0 "${languages[$((i % 2))]}"
        xdotool key alt+a
        i=$((i + 1))
    done
}
# The two files an Apply can leave: the same entries, either language.
start_with_options
apply_loop &
looper=$!
for _ in $(seq 300); do
    grep -q "\"${languages[1]}\"" "$catalogue" 2>/dev/null && break
    sleep 0.1
done
kill "$looper"
wait "$looper" 2>/dev/null
kill -KILL "$program"
wait "$program" 2>/dev/null
with_path=$(cat "$catalogue")
with_name=${with_path/\"${languages[1]}\"/\"eng.lng\"}
[ "$with_path" != "$with_name" ] || {
    echo "no Apply seen (main window: '$main', options: '$options')"
    exit 1
}
good=0 bad=0 missing=0 paths=0
for round in $(seq "$ROUNDS"); do
    start_with_options
    apply_loop &
    looper=$!
    delay=$((RANDOM % 1500))
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -KILL "$program"
    wait "$program" 2>/dev/null
    kill "$looper"
    wait "$looper" 2>/dev/null
    if [ ! -s "$catalogue" ]; then
        missing=$((missing + 1))
        echo "round $round: missing or empty"
    elif [ "$(cat "$catalogue")" = "$with_path" ]; then
        good=$((good + 1)) paths=$((paths + 1))
    elif [ "$(cat "$catalogue")" = "$with_name" ]; then
        good=$((good + 1))
    else
        bad=$((bad + 1))
        echo "round $round: cut or changed"
        cp "$catalogue" "$HOME/bad"
        printf '%s' "$with_name" >"$catalogue"
    fi
done
echo "kills: $ROUNDS complete: $good missing: $missing cut: $bad"
# Both files turn up over enough rounds: the kills land between Applies.
echo "left with the path: $paths, with the name: $((good - paths))"
kill "$wm" 2>/dev/null
RUN

out=$(run_on_virtual_desktop 2>/dev/null)
echo "$out"
grep -qx "kills: $ROUNDS complete: $ROUNDS missing: 0 cut: 0" <<<"$out"
