#!/usr/bin/env bash
# Builds everything and runs every test: the engine, platform and window tests,
# then the engine tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short run of the fuzz target. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")

# The engine under the sanitizers (clang, engine only: no Qt).
if [[ ! -f build-sanitize/Makefile ]]; then
  CXX=clang++ cmake -S . -B build-sanitize -DQUOR3_ENGINE_ONLY=ON -DQUOR3_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
fi
cmake --build build-sanitize -j "$(nproc)"
(cd build-sanitize && ctest --output-on-failure)

# A short fuzzing run over the database reader, the rebuild and the match check.
mkdir -p build-sanitize/fuzz-corpus
./build-sanitize/bin/fuzz_rebuild -max_total_time="${QUOR3_FUZZ_SECONDS:-20}" -max_len=20000 \
  build-sanitize/fuzz-corpus >build-sanitize/fuzz.log 2>&1 || { tail -n 40 build-sanitize/fuzz.log; exit 1; }
echo "Fuzzing: $(grep -c . build-sanitize/fuzz.log) log lines, no crash."
