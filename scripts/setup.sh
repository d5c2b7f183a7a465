#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the benchmarks and the tools need.
# Nothing is fetched from anywhere but Debian's package archive.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libxml2-dev libxml2-utils libzip-dev libgsf-1-dev libsqlite3-dev libicu-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libxlsxwriter-dev
  sqlite3 clang clang-format clang-tidy libclang-rt-14-dev
  libxrandr-dev valgrind strace libcli11-dev nlohmann-json3-dev help2man
  libxrandr-dev libgtk-3-dev libx11-dev adwaita-icon-theme
  xvfb xdotool x11-utils x11-xserver-utils imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
