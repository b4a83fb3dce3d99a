#!/usr/bin/env bash
# Builds the programs and starts the converter.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release
echo "The programs are built in build/release/bin; the converter itself is not there yet."
