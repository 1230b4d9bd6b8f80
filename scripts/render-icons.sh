#!/usr/bin/env bash
# Renders packaging/icons/quillon.svg into the PNG sizes of the icon theme
# (packaging/icons/NxN/quillon.png). rsvg-convert writes no time stamps, so
# the same drawing always gives the same files; run this after changing it.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq librsvg2-bin
fi
for size in 16 24 32 48 64 128 256; do
  mkdir -p "packaging/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" packaging/icons/quillon.svg \
    -o "packaging/icons/${size}x${size}/quillon.png"
done
