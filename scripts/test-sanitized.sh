#!/usr/bin/env bash
# Builds everything in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole test suite there. The first
# memory error, undefined behaviour or leak ends the program that has it with
# a report, and so fails its test. Leaks inside Qt and system libraries are
# listed in tests/sanitizer.supp.
set -euo pipefail
cd "$(dirname "$0")/.."

# Set before the build too: building runs the test programs to list their
# tests, and they must not stop on a library's leak there.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer.supp:print_suppressions=0"

# Debug: compiles fastest, and no optimisation hides a fault.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCASHVANE_SANITIZE=ON -DCASHVANE_BENCH=OFF >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
cd build-sanitize
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
