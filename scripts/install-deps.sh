#!/bin/sh
# Installs what Quillory needs to build, run and test on Debian 12, only when
# something is missing.
set -e
PACKAGES="cmake g++ clang libclang-rt-14-dev make qt6-base-dev qt6-image-formats-plugins libgl-dev libxcb1-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-crosextra-carlito fonts-liberation"
missing=""
for p in $PACKAGES; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
fi
