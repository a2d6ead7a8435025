#!/usr/bin/env bash
# Installs the Debian packages that Quor 3 needs: `deps.sh program` those that
# building and running the program need, `deps.sh all` (the default) also those
# of the tests, the benchmark, the sanitizer and fuzzing builds, the install
# check and looking at windows.
# As root it installs what is missing with apt-get; otherwise it names them and fails.
set -euo pipefail

program=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6
  libboost-dev
  libcurl4-openssl-dev libsqlite3-dev nlohmann-json3-dev
  fonts-liberation
  # lupdate and lrelease build the translations; Qt's own dialogs read theirs.
  qt6-l10n-tools qt6-translations-l10n
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick poppler-utils
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream libxml2-utils man-db shared-mime-info dpkg-dev x11-utils lintian
  openssl systemd
  # A screen reader's view of the windows: the accessibility bus and its Python client.
  at-spi2-core python3-pyatspi dbus
)

case ${1:-all} in
  program) packages=("${program[@]}") ;;
  all) packages=("${program[@]}" "${tests[@]}") ;;
  *) echo "Usage: $0 [program|all]" >&2; exit 2 ;;
esac

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
