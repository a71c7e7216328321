#!/usr/bin/env bash
# Builds the Debian package build-package/quorvellan_<version>_amd64.deb with CPack:
#     bash tools/package.sh
# then, as root: apt-get install ./build-package/quorvellan_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Debian's hardening flags; CMake reads no CPPFLAGS, so they join the compiler's.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
rm -f build-package/quorvellan_*.deb
cmake -S . -B build-package -DQV_PACKAGE=ON -DQV_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/quorvellan_*.deb
