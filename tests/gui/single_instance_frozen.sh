#!/usr/bin/env bash
# A first copy that is frozen (SIGSTOP) keeps its name through a burst of
# starts larger than its queue: every later start ends on its own saying the
# running copy does not answer, none listens in its place, and once the first
# copy runs again a start hands over to it as usual.
#   single_instance_frozen.sh PROGRAM [STARTS]
set -uo pipefail
program=$(readlink -f "$1")
starts=${2:-60}
home=$(mktemp -d)
first=""
burst=()
cleanup() {
    [ -n "$first" ] && kill -CONT "$first" 2>/dev/null && kill "$first" 2>/dev/null
    for pid in "${burst[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CONFIG_DIRS=$home/etc \
    XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen
socket=$XDG_RUNTIME_DIR/ombrixgo-$(id -u)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$program" >"$home/first.out" 2>&1 &
first=$!
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || { echo "FAIL: the first copy never listened"; exit 1; }
sleep 1
inode=$(stat -c %i "$socket")
kill -STOP "$first"

for i in $(seq "$starts"); do
    "$program" "/nowhere/burst$i.nod" >"$home/start$i.out" 2>&1 &
    burst+=($!)
done
# A start waits at most for the lock, the connection and the answer.
ended=0 refused=0
deadline=$(($(date +%s) + 90))
for i in "${!burst[@]}"; do
    pid=${burst[$i]}
    while kill -0 "$pid" 2>/dev/null && [ "$(date +%s)" -lt "$deadline" ]; do sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "start $((i + 1)) still runs: a second copy ($(cat "$home/start$((i + 1)).out"))"
        continue
    fi
    wait "$pid"
    status=$?
    ended=$((ended + 1))
    if [ "$status" = 1 ] && grep -q "does not answer\|did not confirm" "$home/start$((i + 1)).out"; then
        refused=$((refused + 1))
    else
        fail "start $((i + 1)) ended with $status: $(cat "$home/start$((i + 1)).out")"
    fi
done
burst=()
echo "starts: $starts, ended: $ended, ended saying the running copy does not answer: $refused"
[ -S "$socket" ] && [ "$(stat -c %i "$socket")" = "$inode" ] ||
    fail "the first copy's socket was removed or replaced"

kill -CONT "$first"
"$program" "/nowhere/after.nod" >"$home/after.out" 2>&1 &
after=$!
for _ in $(seq 150); do kill -0 "$after" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$after" 2>/dev/null; then
    kill "$after"
    fail "the start after the first copy thawed still runs"
else
    wait "$after" || fail "the start after the first copy thawed failed: $(cat "$home/after.out")"
fi
kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
[ "$failures" = 0 ]
