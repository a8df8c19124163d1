#!/usr/bin/env bash
# CI: the whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Any sanitizer report ends the test that made it, which then fails.
# Environment: BUILD_DIR (default build-asan).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build-asan}

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DORSALINE_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Leaks are checked; the suppressions name only leaks inside Qt's and fontconfig's own
# caches, which are freed by no one at exit.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1

cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
