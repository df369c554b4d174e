#!/bin/sh
# The 1,000,000-record conversion through the main window under limits of
# virtual memory (ulimit -v), headless and on Qt (offscreen): the generated
# model files are loaded, the generated trinity file is read with "Convert
# from data file" and saved with "Convert and Save" over an older file. Each
# run must end by itself (no hang, no abort, no crash, no error escaping a
# handler) and leave either the whole converted file or the older file as it
# was, and nothing beside it. One line a run:
#
#   LIMIT_MB BACKEND EXIT FILE LEFTOVERS | models: ... | reading: ... | saving: ...
#
# FILE is "whole" (the same bytes as a run without a limit), "old" (the
# older file as it was) or "OTHER"; each step says "ok" or the first message
# box it showed (or an error that escaped a handler, or "cannot click" where
# its window was not there to click); the steps after a failed one are not
# counted (headless, a script may still click a window it cannot see). A
# build with sanitizers cannot run under ulimit -v: use a Release build.
#   [BACKENDS="headless qt"] bench/conversion_memory_sweep.sh [BUILD [FROM_MB [TO_MB [STEP_MB]]]]
set -u
cd "$(dirname "$0")/.."
BUILD=${1:-build/bench}
FROM=${2:-200}
TO=${3:-920}
STEP=${4:-40}
SCENARIO=$BUILD/quillory-scenario
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$BUILD/bench/quillory-generate" "$WORK" >/dev/null || exit 1
export QT_QPA_PLATFORM=offscreen

cat >"$WORK/convert.scn" <<EOF
open-file $WORK/correlation_5000_20240209.csv
click frmMain.Command1
expect-no-message
open-file $WORK/event_layers_2000.csv
click frmMain.Command3
open-file $WORK/age_model_200.csv
click frmMain.Command4
expect-no-message
open-file $WORK/samples_trinity_1000000.csv
click frmMain.Command2
expect-no-message
save-file $WORK/out/converted.csv
answer Yes
click frmConversion.Command1
expect-message Confirm Save As | converted.csv already exists. Do you want to replace it?
expect-no-message
EOF

# One run: the limit in MB (0: none) and the back end's flag.
run() {
    rm -rf "$WORK/out" && mkdir "$WORK/out" && printf 'old\r\n' >"$WORK/out/converted.csv"
    if [ "$1" -eq 0 ]; then
        timeout 120 "$SCENARIO" $2 "$WORK/convert.scn" >"$WORK/log" 2>&1
    else
        timeout 120 sh -c "ulimit -v $(($1 * 1024)); exec $SCENARIO $2 $WORK/convert.scn" >"$WORK/log" 2>&1
    fi
}

for backend in ${BACKENDS:-headless qt}; do
    flag=""
    [ $backend = qt ] && flag=--qt
    run 0 "$flag"
    if ! grep -q '^[0-9]* passed, 0 failed' "$WORK/log"; then
        echo "$backend: the run without a limit failed"; cat "$WORK/log"; exit 1
    fi
    cp "$WORK/out/converted.csv" "$WORK/whole.csv"
    limit=$FROM
    while [ "$limit" -le "$TO" ]; do
        run "$limit" "$flag"
        status=$?
        if cmp -s "$WORK/out/converted.csv" "$WORK/whole.csv"; then target=whole
        elif [ "$(cat "$WORK/out/converted.csv")" = "$(printf 'old\r')" ]; then target=old
        else target=OTHER; fi
        leftovers=$(($(ls -A "$WORK/out" | wc -l) - 1))
        # What each step showed: the first failed check of its lines.
        said() { grep -m1 "^FAIL \($1\):" "$WORK/log" | sed 's/^FAIL [0-9]*: //; s/unexpected message //'; }
        models=$(said '[1-8]'); reading=$(said '9\|1[01]'); saving=$(said '1[2-6]')
        [ -n "$models" ] && reading="not run" && saving="not run"
        [ -n "$reading" ] && [ -z "$models" ] && saving="not run"
        echo "$limit $backend exit=$status file=$target leftovers=$leftovers |" \
            "models: ${models:-ok} | reading: ${reading:-ok} | saving: ${saving:-ok}"
        limit=$((limit + STEP))
    done
done
