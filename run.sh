#!/usr/bin/env bash
# Builds Selvanor (Release) and starts it; arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release
exec build/release/bin/selvanor "$@"
