#!/usr/bin/env bash
# Times `quantimetrix-cli convert` in batch mode over 100,000 input lines,
# start-up and table read included.
# usage: bench/cli_batch.sh [BUILD_DIR]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli=$build/bin/quantimetrix-cli
[ -x "$cli" ] || { echo "no $cli; build the quantimetrix-cli target first" >&2; exit 2; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

printf '%s\r\n' "Physics;1" ";E;" "1;1;Number System" "2;1;Constants" "3;2;Length" ";E;" \
    "1;Number System;4" "1;Binary;2;0;0;0;" "1;Octal;8;0;0;0;" "1;Decimal;10;0;0;0;" \
    "1;Hexadecimal;16;0;0;0;" ";E;" "2;Constants;0" ";E;" "3;Length;3" \
    "1;Metre;1;0;0;0;" "1;Inch;0.0254;0;;;" "1;Mile;1609.344;0;;;" ";E;" > "$work/bench.dat"

# 100,000 typical inputs: plain, decimal, exponent, rounded, negative, rejected.
awk 'BEGIN {
    split("1500 12.5 0.000123 1e7 25? -3.75 1e-9 42 abc 3.14159", v, " ");
    for (i = 0; i < 100000; i++) print v[i % 10 + 1] (i % 7);
}' > "$work/input.txt"

run() {
    local label=$1; shift
    local start end status=0
    start=$(date +%s.%N)
    "$cli" convert --file "$work/bench.dat" "$@" < "$work/input.txt" > "$work/out.txt" || status=$?
    end=$(date +%s.%N)
    # exit status 1: some inputs are rejected on purpose
    [ "$status" -le 1 ] || { echo "$label: exit status $status" >&2; exit 1; }
    printf '%-40s %s s, %s lines\n' "$label" "$(echo "$end - $start" | bc)" "$(wc -l < "$work/out.txt")"
}

run "Length Inch Mile (100,000 lines)" Length Inch Mile -
run "Length Inch Mile --show-error" --show-error Length Inch Mile -
run "Number System Decimal Hexadecimal" "Number System" Decimal Hexadecimal -
echo
echo "/usr/bin/time for the first run:"
if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "%e s elapsed, %U s user, %M KB max resident" \
        "$cli" convert --file "$work/bench.dat" Length Inch Mile - < "$work/input.txt" > /dev/null || true
else
    time "$cli" convert --file "$work/bench.dat" Length Inch Mile - < "$work/input.txt" > /dev/null || true
fi
