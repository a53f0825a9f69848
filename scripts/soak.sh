#!/usr/bin/env bash
# The hour of the repeated move at its shortest refresh period, with "Log all results" on (not
# part of ./test.sh): builds build/soak (optimised, with LeakSanitizer) and runs tests/soak under
# Xvfb (offscreen when there is none).
#   scripts/soak.sh [--minutes 60] [--idle-seconds 60] [--paused-seconds 60]
# Prints the CPU used idle with the live clock and with a move paused, the resident memory after
# the first minute and at the end, the log's question and what followed "Yes", the worst answer
# time of a probe event, and LeakSanitizer's result at the exit; exits non-zero on a leak, an
# unexpected message or a move that ended by itself.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/soak -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANOR_TESTS=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=leak -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=leak >/dev/null
cmake --build build/soak --target selvanor_soak
# Allocations the system's libraries keep for the life of the process are theirs, not leaks.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-system.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
run=()
if command -v xvfb-run >/dev/null; then
  run=(xvfb-run -a -s "-screen 0 1280x1024x24")
  export QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=offscreen
fi
status=0
"${run[@]}" build/soak/bin/selvanor_soak "$@" 2>build/soak/stderr.log || status=$?
if grep -q "LeakSanitizer" build/soak/stderr.log; then
  grep -A20 "LeakSanitizer" build/soak/stderr.log | head -40
  echo "LeakSanitizer: leaks found (build/soak/stderr.log)"
  status=1
else
  echo "LeakSanitizer: no leaks"
fi
exit "$status"
