#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, then configures and
# builds everything into build/. Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev libcli11-dev
          nlohmann-json3-dev fonts-noto-cjk qt6-translations-l10n xvfb dpkg-dev clang
          libclang-rt-14-dev ccache poppler-utils help2man lintian appstream desktop-file-utils
          shared-mime-info libglib2.0-bin)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "q7cps: these Debian packages are missing; as root, run:"
      echo "  apt-get install ${missing[*]}"
      exit 1
    fi
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
