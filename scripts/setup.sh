#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Quick when everything is already present: apt is asked only for what is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libxcb1-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth imagemagick units trayer x11-utils xdotool xclip openbox bc
    desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
