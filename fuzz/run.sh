#!/bin/sh
# Builds the fuzz targets with clang and runs each for SECONDS (default 20),
# all at once, each from its committed seed corpus into a working copy under
# build-fuzz/corpus. Fails when any target finds a crash, a hang or a broken
# table; the input that did it is left in build-fuzz/findings/<target>/.
# FUZZ_BUILD names another build folder, for a long run beside a short one.
#   fuzz/run.sh [SECONDS]
set -e
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-20}
TARGETS="item_reader item_reader_open correlation_model event_list duo_event_list age_model varve_counts
  duo_correlation_model picture_file picture_loader conversion_input proxy"
BUILD=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B $BUILD -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLORY_FUZZ=ON -DQUILLORY_TESTS=OFF >/dev/null
cmake --build $BUILD -j"$(nproc)" --target $(for t in $TARGETS; do printf 'fuzz-%s ' $t; done) >/dev/null

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# intercept_tls_get_addr=0: see scripts/test.sh.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0
pids=""
for t in $TARGETS; do
  mkdir -p $BUILD/corpus/$t $BUILD/findings/$t
  # Inputs of a few KB cover several records of every format.
  $BUILD/fuzz/fuzz-$t $BUILD/corpus/$t fuzz/corpus/$t -max_total_time="$SECONDS_EACH" -max_len=8192 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$BUILD/findings/$t/ \
    >$BUILD/findings/$t.log 2>&1 &
  pids="$pids $!:$t"
done
failed=0
for entry in $pids; do
  pid=${entry%%:*}; t=${entry#*:}
  if wait "$pid"; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' $BUILD/findings/$t.log | grep -o '[0-9]*$')
    echo "fuzz $t: ${runs:-?} runs, no finding"
  else
    failed=1
    echo "fuzz $t: FINDING (log: $BUILD/findings/$t.log)"
    grep -E 'ERROR|SUMMARY|Test unit written' $BUILD/findings/$t.log | head -5
  fi
done
exit $failed
