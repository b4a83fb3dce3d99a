#!/usr/bin/env bash
# Builds and runs every test: the normal build, the check lines of every
# definition file under data/, the same tests under the address and
# undefined-behaviour sanitizers, then each fuzzer for a while.
#   FUZZ_SECONDS=N   how long each fuzzer runs (default 60; 0 skips them)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

fuzz_seconds=${FUZZ_SECONDS:-60}
passed=0
failed=0

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DOMBRIX_WERROR=ON "$@" >/dev/null
    cmake --build "$dir"
    local log
    log=$(mktemp)
    local status=0
    ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" 2>&1 | tee "$log" || status=1
    local counts
    counts=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
    rm -f "$log"
    if [[ $counts =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    else
        status=1
    fi
    return $status
}

status=0
run_suite build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo || status=1
echo "== check lines of data/"
if build/release/bin/ombrixconv --check data; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    status=1
fi
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_SANITIZE=ON || status=1

if ((fuzz_seconds > 0)); then
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DOMBRIX_FUZZ=ON \
        -DOMBRIX_GUI=OFF -DOMBRIX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/fuzz
    for fuzzer in build/fuzz/bin/fuzz_*; do
        [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        corpus="build/fuzz/corpus/$name"
        mkdir -p "$corpus"
        echo "== $name for ${fuzz_seconds}s"
        seeds=()
        [ -d "fuzz/seeds/${name#fuzz_}" ] && seeds=("fuzz/seeds/${name#fuzz_}")
        if "$fuzzer" -max_total_time="$fuzz_seconds" "$corpus" "${seeds[@]}" \
            2>"build/fuzz/$name.log"; then
            passed=$((passed + 1))
            tail -1 "build/fuzz/$name.log"
        else
            failed=$((failed + 1))
            status=1
            tail -40 "build/fuzz/$name.log"
        fi
    done
fi

echo "$passed passed, $failed failed"
exit $status
