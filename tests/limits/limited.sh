#!/bin/sh
# Runs a command in a child process under a limit of the system's:
#   limited.sh processes N UID SOURCE PROGRAM ARGS...
#       at most N processes and threads, as user UID (the limit does not bind
#       root; a user of the test's own, so that nothing else counts). That user
#       may not enter the checkout or the build (a clone in root's home, or in
#       a folder of mktemp -d, is mode 700): PROGRAM and SOURCE's scenarios and
#       examples are copied into a folder of the run's own that it may read,
#       and ARGS are taken relative to it. The user's folders are left as
#       they are.
#   limited.sh address KB COMMAND...       at most KB kilobytes of address space
# A limit that cannot be set here is a skip (exit 77) with its reason.
kind=$1
limit=$2
shift 2
case $kind in
processes)
    uid=$1
    shift
    if [ "$(id -u)" != 0 ]; then
        echo "skipped: only root can run the child as a user whose processes the limit counts"
        exit 77
    fi
    if ! command -v setpriv >/dev/null || ! command -v prlimit >/dev/null; then
        echo "skipped: setpriv and prlimit (util-linux) are needed"
        exit 77
    fi
    source=$1
    program=$2
    shift 2
    # In /tmp, not $TMPDIR, which may be a folder of the user's own.
    stage=$(mktemp -d /tmp/quillory-limits.XXXXXX) || exit 2
    trap 'rm -rf "$stage"' EXIT
    cp "$program" "$stage/" && cp -R "$source/scenarios" "$source/examples" "$stage/" || exit 2
    chmod -R a+rX "$stage" && chmod 755 "$stage" || exit 2
    # Its own temporary and runtime folders: scratch files of a script, and
    # the runtime folder Qt asks for.
    mkdir -m 700 "$stage/tmp" "$stage/run" && chown "$uid:$uid" "$stage/tmp" "$stage/run" || exit 2
    cd "$stage" || exit 2
    TMPDIR="$stage/tmp" XDG_RUNTIME_DIR="$stage/run" \
        prlimit --nproc="$limit" setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        "$stage/$(basename "$program")" "$@"
    exit $?
    ;;
address)
    if ! command -v prlimit >/dev/null; then
        echo "skipped: prlimit (util-linux) is needed"
        exit 77
    fi
    exec prlimit --as="$((limit * 1024))" "$@"
    ;;
esac
echo "unknown limit: $kind"
exit 2
