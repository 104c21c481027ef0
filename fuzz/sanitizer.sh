#!/usr/bin/env bash
# Builds the whole project and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-san/ and runs the test suite there. The first report of either stops that test
# process, so the test fails. Extra arguments go to ctest, e.g. fuzz/sanitizer.sh -L beste
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/pakete.sh libasan8 libubsan1
# Build and test share the settings: building already runs every test binary to list its tests.
# Leaks are reported too; lsan.supp names the few that live inside system libraries.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELOR_SANITIZE=ON >/dev/null
cmake --build build-san -j"$(nproc)"
cd build-san
ctest --output-on-failure -j"$(nproc)" -LE lang "$@"
