#!/usr/bin/env bash
# Builds Quor 3 alone (no tests, no benchmark) into build-program/, with the
# quor3-engine beside it that the daily check runs, and starts it;
# the arguments go to the program (a .c3d file to open, --version, --help).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh program
# A configure that failed or was stopped leaves no Makefile: configure again.
if [[ ! -f build-program/Makefile ]]; then
  cmake -S . -B build-program -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOR3_TESTS=OFF -DQUOR3_BENCH=OFF >/dev/null
fi
# Only real work is shown: compiling, linking, warnings and errors.
cmake --build build-program -j "$(nproc)" --target quor3 quor3-engine 2>&1 |
  { grep --line-buffered -vE '^\[ *[0-9]+%\] (Built target|Automatic (MOC|RCC) for target)' || true; }
case ${1:-} in
  --version | -v | --help | -h) exec ./build-program/bin/quor3 "$@" ;;
esac
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display found: run it under a virtual one with  xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec ./build-program/bin/quor3 "$@"
