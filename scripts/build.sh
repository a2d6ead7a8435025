#!/usr/bin/env bash
# Configures (once) and builds the program, the engine and the tests into build/,
# with every compiler warning an error.
set -eu
cd "$(dirname "$0")/.."
# A configure that failed or was stopped leaves no Makefile: configure again; so
# does a build folder configured before warnings became errors.
if [[ ! -f build/Makefile ]] || ! grep -q '^CMAKE_COMPILE_WARNING_AS_ERROR:BOOL=ON' build/CMakeCache.txt; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
fi
# Only real work is shown: compiling, linking, warnings and errors.
cmake --build build -j "$(nproc)" 2>&1 | { grep --line-buffered -vE '^\[ *[0-9]+%\] (Built target|Automatic (MOC|RCC) for target)' || true; }
exit "${PIPESTATUS[0]}"
