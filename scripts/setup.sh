#!/usr/bin/env bash
# Installs every Debian package Lotrix needs to build, test, benchmark and fuzz.
# Idempotent: when everything is present it returns at once without touching apt.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
  xvfb xauth fonts-dejavu-core
  libxlsxwriter-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3-openpyxl python3-docx
  clang libclang-rt-14-dev clang-format
  dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
