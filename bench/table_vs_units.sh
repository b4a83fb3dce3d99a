#!/usr/bin/env bash
# Converts one million table cells with `ombrixconv --table` and the same values
# with GNU units in the same run, and prints cells per second for both.
#   bench/table_vs_units.sh [BIN_DIR]   (default: build/release/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/bin}
command -v units >/dev/null || { echo "GNU units is missing (scripts/setup.sh installs it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=100000
columns=10
cells=$((rows * columns))

printf 'NAME Bench\r\nINPUT1 DEM\r\nINPUT2 EUR\r\nMATH     / 1.95583\r\nFORMAT 0.00\r\nERRRES not a number\r\n' \
    >"$work/bench.nod"
# Amounts with two decimals, tab-separated, CRLF rows: what a spreadsheet copies.
awk -v rows=$rows -v cols=$columns 'BEGIN { srand(7); for (r = 0; r < rows; r++) {
    line = ""; for (c = 0; c < cols; c++) { v = sprintf("%.2f", rand() * 100000);
    line = line (c ? "\t" : "") v } printf "%s\r\n", line } }' >"$work/table.txt"
tr '\t' '\n' <"$work/table.txt" | tr -d '\r' | awk '{ printf "%s/1.95583\n\n", $0 }' >"$work/units.txt"

now() { date +%s.%N; }
start=$(now)
"$bin/ombrixconv" --decimal-separator=. --table "$work/bench.nod" <"$work/table.txt" >"$work/out.txt"
ours=$(echo "$(now) - $start" | bc -l)
start=$(now)
units -t <"$work/units.txt" >"$work/units-out.txt"
theirs=$(echo "$(now) - $start" | bc -l)

converted=$(tr '\t' '\n' <"$work/out.txt" | grep -c .)
[ "$converted" -eq "$cells" ] || { echo "ombrixconv converted $converted of $cells cells"; exit 1; }
printf 'cells: %d\n' "$cells"
printf 'ombrixconv --table: %.3f s, %.0f cells/s\n' "$ours" "$(echo "$cells / $ours" | bc -l)"
printf 'GNU units -t:       %.3f s, %.0f cells/s\n' "$theirs" "$(echo "$cells / $theirs" | bc -l)"
printf 'ratio: %.1fx\n' "$(echo "$theirs / $ours" | bc -l)"
