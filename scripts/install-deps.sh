#!/usr/bin/env bash
# Installs the Debian 12 packages Krellix needs to build, test and run, skipping what is
# already there. Safe to run again; uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-multimedia-dev qt6-image-formats-plugins libqt6svg6
  libssl-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
  xvfb xauth hyperfine tzdata
  librsvg2-bin desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
