#!/usr/bin/env bash
# Kills writers (SIGKILL) at random moments while they save the catalogue,
# the settings store and an edited file, and checks after every kill that
# each file is there and whole: the old contents or the new, never missing,
# empty, cut off or unparseable.
#   kill_campaign.sh SAVE_LOOP [KILLS [WRITERS]]
# SAVE_LOOP is the campaign's writer (build/<dir>/bin/save_loop); KILLS is
# how many SIGKILLs to deliver in all (default 1000), WRITERS how many
# writers save at once between kills (default 2, so the lock is contended).
# Exit status 0 when no check failed. A folder whose check failed is kept
# for study and named in the output.
set -uo pipefail
loop=$(readlink -f "$1")
target=${2:-1000}
writers=${3:-2}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
"$loop" seed "$root" || { echo "could not write the first files"; exit 1; }

kills=0 lives=0 broken=0 checks=0 changed=0
previous=$(head -c 48 "$root/edited.nod" | tail -c 9)
started=$(date +%s%N)
while [ "$kills" -lt "$target" ]; do
    pids=()
    for _ in $(seq "$writers"); do
        "$loop" run "$root" 2>/dev/null &
        pids+=($!)
    done
    lives=$((lives + writers))
    # 0 to 80 ms: before, during and after the first saves of each life.
    sleep "0.0$(printf '%02d' $((RANDOM % 80)))"
    for pid in "${pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        [ $? = 137 ] && kills=$((kills + 1))
    done
    checks=$((checks + 1))
    if ! problem=$("$loop" check "$root"); then
        broken=$((broken + 1))
        kept=$(mktemp -d)
        cp -a "$root/." "$kept/"
        echo "after $kills kills: $problem (files kept in $kept)"
    fi
    round=$(head -c 48 "$root/edited.nod" 2>/dev/null | tail -c 9)
    [ "$round" != "$previous" ] && changed=$((changed + 1))
    previous=$round
done
elapsed=$((($(date +%s%N) - started) / 1000000))
# A writer killed between making its temporary file and renaming it leaves
# the temporary file behind; the real file is unharmed.
leftovers=$(find "$root" -name 'edited.nod.??????' | wc -l)
aside=$(find "$root" -name '*.unreadable*' -o -name '*.damaged*' | wc -l)
echo "kills: $kills in $checks rounds of $writers writers, ${elapsed} ms"
echo "rounds after which the edited file held a newer save: $changed"
echo "checks failed: $broken"
echo "files copied aside as unreadable or damaged: $aside"
echo "temporary files left by killed writers: $leftovers"
[ "$broken" = 0 ] && [ "$aside" = 0 ]
