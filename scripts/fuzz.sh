#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLOTRIX_FUZZ=ON -DLOTRIX_TESTS=OFF >/dev/null
cmake --build build-fuzz
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  "$target" "$corpus" fuzz/seeds -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
    -print_final_stats=1 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' || true
  # libFuzzer exits non-zero on a finding; re-check the status explicitly.
  "$target" -runs=0 "$corpus" >/dev/null 2>&1
done
