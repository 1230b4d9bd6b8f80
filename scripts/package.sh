#!/usr/bin/env bash
# Builds the Debian package build/quillon_<version>_<arch>.deb: installs what
# is missing, builds the two programs and the manual page, and packs them
# with CPack. Install it with: apt-get install ./build/quillon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quillon quillon-cli quillon-cli-manpage
cd build
rm -f quillon_*.deb
cpack -G DEB
ls "$(pwd)"/quillon_*.deb
