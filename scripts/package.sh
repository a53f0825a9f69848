#!/usr/bin/env bash
# Builds the Debian package selvanor_VERSION_ARCH.deb (Release, installed under /usr) with
# CPack and checks it with lintian. The package lands in the project folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
tools=(dpkg-dev lintian desktop-file-utils appstream)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build/package
desktop-file-validate packaging/selvanor.desktop
appstreamcli validate --no-net packaging/selvanor.metainfo.xml
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls -t build/package/selvanor_*.deb | head -n 1)
cp "$deb" .
echo "Built $(basename "$deb")"
lintian --fail-on error "$(basename "$deb")"
