#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# Runs as root or through sudo; does nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    g++-mingw-w64-x86-64-posix
    wine64 xvfb xauth
    googletest libgtest-dev libgmock-dev
    # skin artwork generator (cairo, JPEG, the DejaVu face) and the screenshot script
    pkg-config libcairo2-dev libjpeg-dev fonts-dejavu-core imagemagick x11-utils
    # Arial's metric twin, so that Wine draws the windows' "Arial" texts in a proportional face
    fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
