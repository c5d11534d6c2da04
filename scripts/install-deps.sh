#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# Safe to run again and again: with everything present it changes nothing.
set -euo pipefail

packages=(
  clang
  libclang-rt-14-dev
  cmake
  g++
  make
  googletest
  libgtest-dev
  libbenchmark-dev
  libcairo2-dev
  libexpat1-dev
  libfontconfig-dev
  libsdl2-dev
  libx11-dev
  libxfixes-dev
  nlohmann-json3-dev
  pkg-config
  # The window test: a virtual display, a driver for it, and its authority file.
  xauth
  xdotool
  xvfb
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
