#!/bin/sh
# Installs what Quillory needs to build, run and test on Debian 12, only when
# something is missing.
set -e
PACKAGES="cmake g++ clang libclang-rt-14-dev make qt6-base-dev qt6-image-formats-plugins libgl-dev libxcb1-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth openbox fonts-crosextra-carlito fonts-liberation locales"
missing=""
for p in $PACKAGES; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done

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

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt_get update
  apt_get install -y $missing
fi

# The scenarios run once more under locales whose decimal mark is a comma.
for l in de_DE fr_FR; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" || localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
