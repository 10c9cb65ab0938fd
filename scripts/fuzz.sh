#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60),
# starting from its committed corpus in fuzz/corpus/TARGET (new inputs go to build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLOTRIX_FUZZ=ON -DLOTRIX_TESTS=OFF >/dev/null
cmake --build build-fuzz --target fuzz
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  log="build-fuzz/$name.log"
  if ! "$target" "$corpus" "fuzz/corpus/$name" -max_total_time="$seconds" -max_len=65536 \
      -rss_limit_mb=4096 -artifact_prefix="build-fuzz/$name-" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$name found a fault; the input is saved as build-fuzz/$name-*" >&2
    exit 1
  fi
  grep -E '^Done' "$log"
done
