#!/usr/bin/env bash
# Builds the benchmarks in a Release configuration in build/bench and runs them; extra
# arguments go to the benchmark program (e.g. --benchmark_filter=Eclipse).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVANOR_BENCH=ON \
      -DSELVANOR_GUI=OFF -DSELVANOR_TESTS=OFF >/dev/null
cmake --build build/bench --target selvanor_bench
build/bench/bin/selvanor_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
