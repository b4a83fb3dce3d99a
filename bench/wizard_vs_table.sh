#!/usr/bin/env bash
# Converts one million table cells through the wizard window's code (the
# clipboard faked) and with `ombrixconv --table` in the same run, checks that
# both give the same table, and prints both times and their ratio.
#   bench/wizard_vs_table.sh [BIN_DIR]   (default: build/release/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/bin}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=100000
columns=10

printf 'NAME Bench\r\nINPUT1 DEM\r\nINPUT2 EUR\r\nMATH     / 1.95583\r\nFORMAT 0.00\r\nERRRES not a number\r\n' \
    >"$work/bench.nod"
# Amounts with two decimals, tab-separated, CRLF rows: what a spreadsheet copies.
awk -v rows=$rows -v cols=$columns 'BEGIN { srand(7); for (r = 0; r < rows; r++) {
    line = ""; for (c = 0; c < cols; c++) { v = sprintf("%.2f", rand() * 100000);
    line = line (c ? "\t" : "") v } printf "%s\r\n", line } }' >"$work/table.txt"

now() { date +%s.%N; }
for run in 1 2 3; do
    start=$(now)
    "$bin/ombrixconv" --decimal-separator=. --table "$work/bench.nod" <"$work/table.txt" \
        >"$work/out.txt"
    ours=$(echo "$(now) - $start" | bc -l)
    wizard=$(QT_QPA_PLATFORM=offscreen "$bin/bench_wizard" "$work/bench.nod" "$work/table.txt" \
        "$work/wizard.txt" 2>/dev/null)
    cmp -s "$work/out.txt" "$work/wizard.txt" || { echo "the wizard's table differs"; exit 1; }
    seconds=$(sed 's/^wizard: \([0-9.]*\) s.*/\1/' <<<"$wizard")
    printf 'run %d: ombrixconv --table %.3f s; %s; ratio %.2fx\n' "$run" "$ours" "$wizard" \
        "$(echo "$seconds / $ours" | bc -l)"
done
