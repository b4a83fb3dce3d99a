#!/usr/bin/env bash
# Makes the README's picture of the main window: the converter started on a
# virtual X display with a fresh user, 100 guilders converted, the window
# captured with its frame.
#   scripts/screenshot.sh [PROGRAM [LANGUAGE.lng [OUTPUT.png]]]
# Defaults: build/release/bin/ombrixgo, eng.lng, docs/screenshots/main-window.png.
# Needs xvfb-run, openbox, xdotool and ImageMagick's import (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/bin/ombrixgo}")
language=${2:-eng.lng}
output=$(realpath -m "${3:-docs/screenshots/main-window.png}")
mkdir -p "$(dirname "$output")"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run" && chmod 700 "$home/run"
cat >"$home/run.sh" <<'RUN'
set -u
openbox 2>/dev/null &
wm=$!
sleep 1
"$PROGRAM" /lng "$SHOT_LANGUAGE" &
program=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name " - " 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 0.5
xdotool mousemove --window "$window" 168 100 click 1
xdotool type 100
xdotool key Return
xdotool mousemove 1000 700
sleep 0.5
import -frame -window "$window" "$OUTPUT"
kill "$program" "$wm" 2>/dev/null
RUN
env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CONFIG_DIRS="$home/etc" \
    XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" LC_ALL=C.UTF-8 \
    PROGRAM="$program" SHOT_LANGUAGE="$language" OUTPUT="$output" \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/run.sh"
echo "wrote $output"
