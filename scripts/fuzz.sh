#!/usr/bin/env bash
# Fuzzes the date entry grammar with libFuzzer for the given number of seconds (default 30).
# Exits non-zero when an input crashes, hangs or breaks an invariant; the input is kept in
# build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSELVANOR_FUZZ=ON -DSELVANOR_GUI=OFF >/dev/null
cmake --build build/fuzz --target entry_fuzz
mkdir -p build/fuzz/corpus build/fuzz/findings
build/fuzz/bin/entry_fuzz build/fuzz/corpus fuzz/corpus \
  -max_total_time="$seconds" -timeout=10 -max_len=4096 -rss_limit_mb=2048 \
  -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 2>&1 | tail -n 12
