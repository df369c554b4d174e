#!/bin/sh
# Builds Quillory and starts it in a real window.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUILLORY_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target quillory
exec ./build/release/quillory "$@"
