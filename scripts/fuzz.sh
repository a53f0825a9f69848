#!/usr/bin/env bash
# Fuzzes every reader of text in the core with libFuzzer: the date entry grammar, the calendars'
# date readers, the zone and days texts, the options of selvanor-cli, the saved-state file and
# the typed place.
#   scripts/fuzz.sh [SECONDS]  the seconds (default 30) shared among the targets, 5 s at least each
#   scripts/fuzz.sh --long     one million inputs each, with the executions and time of each
#   SELVANOR_FUZZ_TARGETS="state entry" scripts/fuzz.sh ...   only those targets
# Exits non-zero when an input crashes a target, hangs it, breaks one of its properties or
# trips a sanitizer; the input is kept as build/fuzz/findings/NAME-*.
set -euo pipefail
cd "$(dirname "$0")/.."
read -r -a targets <<<"${SELVANOR_FUZZ_TARGETS:-entry calendar zone_and_days cli state place}"

long=0
seconds=30
if [ "${1:-}" = "--long" ]; then
  long=1
elif [ -n "${1:-}" ]; then
  seconds="$1"
fi
share=$((seconds / ${#targets[@]}))
if [ "$share" -lt 5 ]; then share=5; fi

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSELVANOR_FUZZ=ON -DSELVANOR_GUI=OFF >/dev/null
cmake --build build/fuzz -j2 --target "${targets[@]/%/_fuzz}"
mkdir -p build/fuzz/findings

# Undefined behaviour counts as a finding, not as a warning in the log.
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

failed=()
for name in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  if [ "$long" = 1 ]; then budget=(-runs=1000000); else budget=(-max_total_time="$share"); fi
  log="build/fuzz/$name.log"
  echo "== $name"
  status=0
  start=$(date +%s.%N)
  "build/fuzz/bin/${name}_fuzz" "$corpus" "fuzz/corpus/$name" "${budget[@]}" \
    -timeout=10 -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="build/fuzz/findings/$name-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    failed+=("$name")
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$name: ${runs:-?} executions in $(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }') s"
done

if [ "${#failed[@]}" -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]} (see build/fuzz/findings)" >&2
  exit 1
fi
