#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Selvanor need, but only
# those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  g++ gcc make cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  libgif-dev
  clang libclang-rt-14-dev
  xvfb xauth
  desktop-file-utils appstream
  tzdata
  # The tests' outside readers: a calendar library, a PDF reader, the three shells with their
  # completion systems, a screen reader's accessibility bus and client, and an American locale.
  python3 python3-icalendar poppler-utils
  bash-completion zsh fish
  dbus dbus-bin at-spi2-core python3-pyatspi
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
