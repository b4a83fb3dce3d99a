#!/usr/bin/env bash
# Single instance without a runtime folder, between two local users sharing
# the temporary folder: a copy never hands its command line to another
# user's listener, a name planted by another user makes the copy run on its
# own instead of blocking it, and a user's second start still finds the
# user's first copy.
#   single_instance_users.sh PROGRAM
# Runs as root (it starts the copies as two unprivileged users); exit status
# 77 (skipped) otherwise.
set -uo pipefail
program=$(readlink -f "$1")
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null || ! command -v python3 >/dev/null; then
    echo "skipped: needs root, setpriv and python3"
    exit 77
fi
# Ids nobody else on the machine uses, picked per run so parallel runs never meet.
alice=$((40000 + $$ % 10000 * 2))
mallory=$((alice + 1))
shared=$(mktemp -d)
chmod 1777 "$shared"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$shared"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

as_user() { # UID COMMAND...: runs with the user's private home and no runtime folder
    local uid=$1 home=$shared/home-$1
    shift
    mkdir -p "$home" && chown "$uid:$uid" "$home" && chmod 700 "$home"
    env -u XDG_RUNTIME_DIR -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CONFIG_DIRS="$home/etc" \
        XDG_DATA_HOME="$home/data" TMPDIR="$shared" \
        setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"
}

# A listener that records whatever connects: the other user's trap.
listener() { # PATH RECORD
    python3 - "$1" "$2" <<'PY' &
import os, socket, sys
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
os.chmod(sys.argv[1], 0o777)
server.listen(50)
open(sys.argv[2], "w").close()
while True:
    connection, _ = server.accept()
    with open(sys.argv[2], "ab") as record:
        record.write(b"connected:" + connection.recv(65536))
    connection.close()
PY
    pids+=($!)
    for _ in $(seq 50); do [ -e "$2" ] && return; sleep 0.1; done
}

# A copy started in the background; "alive" when it still runs after a while.
start_copy() { # UID NAME ARGS...
    local uid=$1 name=$2
    shift 2
    as_user "$uid" "$program" "$@" >"$shared/$name.out" 2>&1 &
    pids+=($!)
    echo $!
}
still_running() { sleep 3; kill -0 "$1" 2>/dev/null; }

echo "1. Another user listens at the name the copy used to take"
listener "$shared/ombrixgo-$alice" "$shared/trap1"
chown "$mallory" "$shared/ombrixgo-$alice"
copy=$(start_copy "$alice" trap1 /home/alice/secret.nod)
still_running "$copy" || fail "the copy did not run: $(cat "$shared/trap1.out")"
grep -q "runs on its own" "$shared/trap1.out" || fail "no word that it runs on its own"
[ -s "$shared/trap1" ] && fail "the other user's listener got: $(tr -d '\0' <"$shared/trap1")"
kill "$copy" "${pids[0]}" 2>/dev/null
wait "$copy" "${pids[0]}" 2>/dev/null
rm -rf "${shared:?}/ombrixgo-$alice"

echo "2. Another user planted a folder at the name"
as_user "$mallory" mkdir -m 700 "$shared/ombrixgo-$alice"
first=$(start_copy "$alice" plant1)
second=$(start_copy "$alice" plant2 /tmp/x.nod)
still_running "$first" || fail "the first copy did not run: $(cat "$shared/plant1.out")"
kill -0 "$second" 2>/dev/null || fail "the second copy did not run: $(cat "$shared/plant2.out")"
grep -q "runs on its own" "$shared/plant1.out" || fail "no word that it runs on its own"
kill "$first" "$second" 2>/dev/null
wait "$first" "$second" 2>/dev/null
rm -rf "${shared:?}/ombrixgo-$alice"

echo "3. Each user's copies meet in a private folder of their own"
first=$(start_copy "$alice" own1)
for _ in $(seq 100); do [ -S "$shared/ombrixgo-$alice/ombrixgo-$alice" ] && break; sleep 0.1; done
[ "$(stat -c '%u %a %F' "$shared/ombrixgo-$alice")" = "$alice 700 directory" ] ||
    fail "the folder is $(stat -c '%u %a %F' "$shared/ombrixgo-$alice")"
as_user "$alice" timeout 15 "$program" /tmp/x.nod >"$shared/own2.out" 2>&1
status=$?
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$shared/own2.out")"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
other=$(start_copy "$mallory" other1)
still_running "$other" || fail "the other user's copy did not run: $(cat "$shared/other1.out")"
grep -q "runs on its own" "$shared/other1.out" && fail "the other user's copy ran alone"
kill "$first" "$other" 2>/dev/null
wait "$first" "$other" 2>/dev/null

echo "4. A listener of another user inside the user's own folder"
rm -f "$shared/ombrixgo-$alice/ombrixgo-$alice"
listener "$shared/ombrixgo-$alice/ombrixgo-$alice" "$shared/trap4"
chown "$alice" "$shared/ombrixgo-$alice/ombrixgo-$alice"
copy=$(start_copy "$alice" trap4 /home/alice/secret.nod)
still_running "$copy" || fail "the copy did not run: $(cat "$shared/trap4.out")"
grep -q "another user" "$shared/trap4.out" || fail "no word of the other user: $(cat "$shared/trap4.out")"
grep -q secret "$shared/trap4" && fail "the listener got the command line"

[ "$failures" = 0 ] && echo "all passed"
exit $((failures > 0))
