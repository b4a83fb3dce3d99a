#!/usr/bin/env bash
# Builds the programs and starts the converter. Arguments go to the converter
# (for example the path of a conversion definition file to add).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j2
program=build/release/bin/ombrixgo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat <<MSG
The converter is built ($program), but this session has no display to show
its window on (neither DISPLAY nor WAYLAND_DISPLAY is set). Run it on a
virtual display instead:

    xvfb-run -a -s "-screen 0 1280x800x24" $program

or from a desktop session. The command-line converter needs no display:

    build/release/bin/ombrixconv --help
MSG
    exit 0
fi
exec "$program" "$@"
