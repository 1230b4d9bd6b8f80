#!/usr/bin/env bash
# Installs what building, testing, packaging and running Quillon needs on
# Debian 12.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgl-dev
          libbenchmark-dev qt6-translations-l10n xvfb xauth imagemagick
          dpkg-dev file desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
