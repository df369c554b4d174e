#!/bin/sh
# Runs a command on a virtual X server of its own, optionally with a window
# manager (openbox):
#   [X_SCREEN=WxHxDEPTH] x_server.sh [--wm] COMMAND...
# The screen is 1280x1024x24 unless X_SCREEN says otherwise.
# The server picks a free display number itself (-displayfd), so that runs
# started at the same moment, on one machine, never share one; xvfb-run -a
# can hand one number to two of them. Every wait has a deadline that load
# does not reach; a server or window manager that does not come is a failure
# that says so.
wm=no
if [ "$1" = --wm ]; then
    wm=yes
    shift
fi
dir=$(mktemp -d) || exit 2
server=
manager=
finish() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 2' INT TERM HUP

# Waits up to 60 s for a file to be non-empty.
wait_for_file() {
    n=0
    while [ ! -s "$1" ]; do
        n=$((n + 1))
        [ "$n" -gt 600 ] && return 1
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 ${X_SCREEN:-1280x1024x24} -nolisten tcp 3>"$dir/display" 2>"$dir/server.log" &
server=$!
if ! wait_for_file "$dir/display"; then
    echo "the X server did not start within 60 s:" >&2
    cat "$dir/server.log" >&2
    exit 2
fi
export DISPLAY=":$(tr -d '\n' <"$dir/display")"

if [ "$wm" = yes ]; then
    openbox --sm-disable --startup "touch $dir/managing" >"$dir/manager.log" 2>&1 &
    manager=$!
    n=0
    while [ ! -e "$dir/managing" ]; do
        n=$((n + 1))
        if [ "$n" -gt 600 ] || ! kill -0 "$manager" 2>/dev/null; then
            echo "the window manager did not start within 60 s:" >&2
            cat "$dir/manager.log" >&2
            exit 2
        fi
        sleep 0.1
    done
fi

"$@"
