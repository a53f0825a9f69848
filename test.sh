#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them all
# (window tests offscreen), compiles the benchmarks so that they keep up with the code, then
# fuzzes the date entry grammar briefly.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSELVANOR_TESTS=ON -DSELVANOR_BENCH=ON -DSELVANOR_SANITIZE=ON >/dev/null
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh "${SELVANOR_FUZZ_SECONDS:-30}"
fi
