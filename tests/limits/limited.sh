#!/bin/sh
# Runs a command in a child process under a limit of the system's:
#   limited.sh processes N UID COMMAND...  at most N processes and threads, as
#                                          user UID (the limit does not bind
#                                          root; a user of the test's own, so
#                                          that nothing else counts)
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
    exec prlimit --nproc="$limit" setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"
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
