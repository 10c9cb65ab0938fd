#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite.
#   LOTRIX_SANITIZE=1 scripts/test.sh   runs it under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if [ "${LOTRIX_SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DLOTRIX_SANITIZE=ON -DLOTRIX_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
else
  dir=build
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTRIX_BENCH=ON)
fi
werror=OFF
[ -n "${CI:-}" ] && werror=ON

cmake -S . -B "$dir" -G Ninja -DLOTRIX_WERROR="$werror" "${flags[@]}" >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
