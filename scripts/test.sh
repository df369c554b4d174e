#!/bin/sh
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test and scenario, headless and on the Qt back end.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLORY_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# intercept_tls_get_addr=0: the leak checker of GCC up to 13 (and LLVM up to
# 16) takes a dynamic TLS block that starts at the page offset of the header
# only glibc before 2.25 wrote for __tls_get_addr as having that header, and
# reads the two words before it; where malloc puts such a block at that
# offset, the checker's own tracer dies at exit with "Tracer caught signal
# 11", whether or not anything leaked. Drop the option with a newer compiler.
# Every test that sets its own ASAN_OPTIONS keeps it (tests/CMakeLists.txt,
# fuzz/run.sh).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0
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
