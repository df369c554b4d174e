#!/bin/sh
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test and scenario, headless and on the Qt back end.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLORY_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions="$(pwd)/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/sanitize
ctest -j"$(nproc)" --output-on-failure
# Drawing under a limit of address space: a sanitizer's shadow memory needs
# more than any such limit, so these run in a build without sanitizers.
cd ../..
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)" --target quillory-tests quillory-scenario
cd build/release
ctest -R '^limits\.' -j"$(nproc)" --output-on-failure
