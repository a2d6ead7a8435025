#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at Quor 3 need.
# As root it installs what is missing with apt-get; otherwise it names them and fails.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth imagemagick poppler-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

((${#missing[@]} == 0)) && exit 0

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
