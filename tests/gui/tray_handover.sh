#!/usr/bin/env bash
# Tray mode on a real (virtual) X display with a notification area: a copy
# started with "/tray" keeps its window hidden, and a second copy started
# without a command line brings that window back and ends with status 0.
#   tray_handover.sh PROGRAM
# Exit status 77 (skipped) when the virtual display or the tray host is missing.
set -euo pipefail
program=$1
for tool in xvfb-run trayer xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CONFIG_DIRS=$home/etc \
    XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run PROGRAM=$program
unset QT_QPA_PLATFORM

# The map state of the converter's main window: its widest window, wider than
# the tray icon; "none" while the window was never created.
cat >"$home/state.sh" <<'STATE'
best=""; width=100
for id in $(xwininfo -root -tree | awk '/"ombrixgo"/ {print $1}'); do
    w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
    if [ "$w" -gt "$width" ]; then width=$w; best=$id; fi
done
[ -n "$best" ] && xwininfo -id "$best" | awk '/Map State:/ {print $3}' || echo none
STATE

cat >"$home/run.sh" <<'RUN'
set -u
trayer --edge top --align right --widthtype pixel --width 100 --height 24 &
tray=$!
sleep 1
"$PROGRAM" /tray &
first=$!
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/ombrixgo-$(id -u)" ] && break
    sleep 0.1
done
sleep 1.5
before=$(bash "$HOME/state.sh")
"$PROGRAM"
second=$?
sleep 1
after=$(bash "$HOME/state.sh")
kill "$first" "$tray" 2>/dev/null
echo "before=$before second=$second after=$after"
[ "$before" != IsViewable ] && [ "$second" = 0 ] && [ "$after" = IsViewable ]
RUN
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/run.sh"
