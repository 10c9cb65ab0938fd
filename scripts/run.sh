#!/usr/bin/env bash
# Sets up the machine, builds Lotrix and runs it on the bundled examples.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lotrix-cli lotrix

# With a display, the desktop program: it opens the most recent lottery, or on a first
# start asks for one in examples/.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "== Starting the Lotrix window (build/src/lotrix)"
  exec build/src/lotrix
fi

cli=build/src/lotrix-cli
example="examples/6x49 canada lotto.txt"
echo "== Every bundled history, checked"
for f in examples/*.txt; do
  printf '%-40s ' "$(basename "$f")"
  "$cli" validate "$f" --lang eng --format json
done
echo
echo "== The last draws of $(basename "$example")"
"$cli" draws "$example" | tail -n 5
echo
echo "== The Range statistic of the first balls of its last 60 draws"
series=$(tail -n 60 "$example" | tac | awk '{printf "%s ", $2}')
"$cli" report range --series-text "$series" --sort --steps --markov --format "${LOTRIX_FORMAT:-ansi}"

echo
echo "== No display here, so the window was not started. On a desktop run build/src/lotrix;"
echo "   on a server without one: xvfb-run -s '-screen 0 1280x800x24' build/src/lotrix"
