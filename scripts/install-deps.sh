#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Quillix needs to build, test and benchmark.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  cmake
  g++
  make
  ninja-build
  clang-format
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libpugixml-dev
  qt6-base-dev
  qt6-charts-dev
  libqt6opengl6-dev
  qt6-svg-dev
  libgl-dev
  fonts-dejavu-core
  xvfb
  xauth
  x11-utils
  xdotool
)
# Extra packages a make target needs beyond these (make fuzz: clang).
packages+=("$@")

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "install-deps: missing packages (${missing[*]}) and no root rights to install them" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
