#!/bin/sh
# Runs one benchmark program of two builds in turn, ROUNDS times each, so
# that the machine's load weighs on both alike; prints each result line with
# the build it came from. Extra arguments go to the program (a filter, say).
#   bench/alternate.sh BEFORE_BUILD AFTER_BUILD PROGRAM ROUNDS [ARGS...]
#   bench/alternate.sh /tmp/before build/bench quillory-bench-conversion 3 --benchmark_filter='Pandas|Window'
set -eu
before=$1 after=$2 program=$3 rounds=$4
shift 4
round=1
while [ "$round" -le "$rounds" ]; do
    for build in "$before" "$after"; do
        echo "== round $round, $build, load $(cut -d' ' -f1-3 /proc/loadavg)"
        "$build/bench/$program" "$@" 2>/dev/null | grep '^BM_' | sed 's/  */ /g'
    done
    round=$((round + 1))
done
