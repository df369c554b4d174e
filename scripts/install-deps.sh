#!/bin/sh
# Installs what Quillory needs to build, run and test on Debian 12, only when
# something is missing.
set -e
PACKAGES="cmake g++ clang libclang-rt-14-dev make qt6-base-dev qt6-image-formats-plugins libgl-dev libxcb1-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth openbox fonts-crosextra-carlito fonts-liberation"
missing=""
for p in $PACKAGES; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

# Another package manager may be at work (a machine still installing at
# start-up): apt-get waits for dpkg's lock by itself, but not for the lock of
# the package lists, so a run that finds that one held is tried again.
apt_get() {
  log=$(mktemp)
  tries=0
  until DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -qq "$@" >"$log" 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -ge 60 ] || ! grep -q "Could not get lock\|Unable to lock" "$log"; then
      cat "$log" >&2
      rm -f "$log"
      return 1
    fi
    echo "Another package manager is at work; trying again in 15 s."
    sleep 15
  done
  rm -f "$log"
}

echo "Installing:$missing"
apt_get update
apt_get install -y $missing
