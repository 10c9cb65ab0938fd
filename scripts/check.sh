#!/usr/bin/env bash
# Hygiene that CI enforces before it builds: every C++ file formatted by the committed
# .clang-format, and the layers of the engine including only the layers below them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.inc')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/lotrix-format.log; then
  grep -E 'warning|error' /tmp/lotrix-format.log | head -n 20
  echo "check: these files are not clang-format clean (run: git ls-files '*.cpp' '*.h' '*.inc' | xargs clang-format -i)" >&2
  exit 1
fi

# Each layer and the folders it must not include
# (core <- stats <- analyses <- forecast <- tools <- reports; core <- export).
status=0
check_layer() {
  local layer=$1 forbidden=$2
  local sources
  mapfile -t sources < <(git ls-files "src/$layer/")
  [ ${#sources[@]} -gt 0 ] || return 0
  if grep -nE "#include [<\"]($forbidden)/" "${sources[@]}"; then
    echo "check: src/$layer includes a layer above it" >&2
    status=1
  fi
  if grep -nE '#include <Qt(Widgets|Gui)|#include <Q(Widget|Application|PushButton|Label)>' \
      "${sources[@]}"; then
    echo "check: src/$layer includes a widget header" >&2
    status=1
  fi
}
check_layer core 'stats|analyses|forecast|tools|reports|export|shell|cli|app'
check_layer export 'stats|analyses|forecast|tools|reports|shell|cli|app'
check_layer stats 'analyses|forecast|tools|reports|shell|cli|app'
check_layer analyses 'forecast|tools|reports|shell|cli|app'
check_layer forecast 'tools|reports|shell|cli|app'
check_layer tools 'reports|shell|cli|app'
check_layer reports 'shell|cli|app'
check_layer pdf 'core|stats|analyses|forecast|tools|reports|export|shell|cli|app'
[ $status -eq 0 ] && echo "check: format and layers clean"
exit $status
