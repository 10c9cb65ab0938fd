#!/usr/bin/env bash
# Builds the Debian package from build/ (made by scripts/test.sh) and installs it, and the
# plain `cmake --install`, into temporary roots, checking that every file lands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --build build --target lotrix lotrix-cli lotrix_manual_pdf
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install build --prefix "$root/install" >/dev/null
(cd build && cpack -G DEB -B "$root/deb" >/dev/null)
deb=$(ls "$root"/deb/*.deb)
dpkg-deb -x "$deb" "$root/package"
expected=(bin/lotrix bin/lotrix-cli "share/lotrix/Lotrix. Описание.pdf" share/applications/lotrix.desktop
          share/icons/hicolor/scalable/apps/lotrix.svg share/metainfo/io.github.lotrix.metainfo.xml
          "share/lotrix/examples/6x49 canada lotto.txt")
for file in "${expected[@]}"; do
  for place in "$root/install/$file" "$root/package/usr/$file"; do
    [ -e "$place" ] || { echo "package: $place is missing" >&2; exit 1; }
  done
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package: no Qt dependency" >&2; exit 1; }
# The installed command-line program runs on an installed example.
"$root/package/usr/bin/lotrix-cli" validate "$root/package/usr/share/lotrix/examples/6x49 canada lotto.txt" >/dev/null
echo "package: $(basename "$deb") installs every file"
