#!/usr/bin/env bash
# The window monkey: random actions on every window through its controls, the invariants checked
# after each, under AddressSanitizer, LeakSanitizer and UBSan (build/monkey, optimised).
#   scripts/monkey.sh [--seed N] [--actions N]   one run (default: seed 1, 20,000 actions)
#   scripts/monkey.sh --long [--seed N]          1,000,000 actions
# Prints its progress, the actions made and the time taken, each fault with the actions that led
# to it, and exits non-zero on a fault or a sanitizer report. A seed repeats its run exactly.
set -euo pipefail
cd "$(dirname "$0")/.."
seed=1
actions=20000
while [ $# -gt 0 ]; do
  case "$1" in
    --long) actions=1000000 ;;
    --seed) seed="$2"; shift ;;
    --actions) actions="$2"; shift ;;
    *) echo "monkey.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
scripts/install-deps.sh
cmake -S . -B build/monkey -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANOR_TESTS=ON -DSELVANOR_SANITIZE=ON >/dev/null
cmake --build build/monkey --target selvanor_monkey
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-system.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
every=$((actions >= 200000 ? 50000 : 5000))
build/monkey/bin/selvanor_monkey --seed "$seed" --actions "$actions" --every "$every"
