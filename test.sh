#!/usr/bin/env bash
# Checks the formatting of every tracked source and the translations, builds everything (warnings are
# errors) and runs every test: the engine, platform and window tests,
# then the engine tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the translation's threads under ThreadSanitizer, and a short run of the fuzz target.
# Exits non-zero when anything fails.
# QUOR3_SANITIZE_ALL=1 also builds every test, the windows included, under both
# sanitizers and runs them (slow to build; the CI does it).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
# Every tracked C++ source as .clang-format lays it out (Debian 12's clang-format).
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
# Every text a user reads has its Spanish translation, and no translation is stale.
./scripts/check-translations.sh
./scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")
./scripts/check-install.sh build

# The engine under the sanitizers (clang, engine only: no Qt).
if [[ ! -f build-sanitize/Makefile ]]; then
  CXX=clang++ cmake -S . -B build-sanitize -DQUOR3_ENGINE_ONLY=ON -DQUOR3_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
fi
cmake --build build-sanitize -j "$(nproc)"
(cd build-sanitize && ctest --output-on-failure)

# The translation a worker thread reads while the language changes, under ThreadSanitizer
# (clang): the engine's text and its stress test alone, built in seconds.
mkdir -p build-tsan
clang++ -std=c++17 -O1 -g -fsanitize=thread -fno-omit-frame-pointer -I. engine/Text.cpp \
  tests/engine/TextThreadsTest.cpp -lgtest -lgtest_main -pthread -o build-tsan/text_threads
TSAN_OPTIONS=halt_on_error=1 ./build-tsan/text_threads --gtest_brief=1

# A short fuzzing run over the database reader, the rebuild and the match check.
mkdir -p build-sanitize/fuzz-corpus
./build-sanitize/bin/fuzz_rebuild -max_total_time="${QUOR3_FUZZ_SECONDS:-20}" -max_len=20000 \
  build-sanitize/fuzz-corpus >build-sanitize/fuzz.log 2>&1 || { tail -n 40 build-sanitize/fuzz.log; exit 1; }
echo "Fuzzing: $(grep -c . build-sanitize/fuzz.log) log lines, no crash."
# And over the results-file reader, starting from the sample files.
mkdir -p build-sanitize/fuzz-import-corpus
./build-sanitize/bin/fuzz_import -max_total_time="${QUOR3_FUZZ_SECONDS:-20}" -max_len=20000 \
  build-sanitize/fuzz-import-corpus tests/data/import >build-sanitize/fuzz-import.log 2>&1 ||
  { tail -n 40 build-sanitize/fuzz-import.log; exit 1; }
echo "Fuzzing the import: $(grep -c . build-sanitize/fuzz-import.log) log lines, no crash."

# Every test, the windows included, under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the standard library's bounds checks on. Leaks are reported for the engine tests
# only: the toolkit keeps some memory until its process ends.
if [[ ${QUOR3_SANITIZE_ALL:-0} == 1 ]]; then
  if [[ ! -f build-asan-all/Makefile ]]; then
    CXX=clang++ cmake -S . -B build-asan-all -DCMAKE_BUILD_TYPE=Debug -DQUOR3_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS" \
      >/dev/null
  fi
  cmake --build build-asan-all -j "$(nproc)" 2>&1 | { grep --line-buffered -vE '^\[ *[0-9]+%\] (Built target|Automatic (MOC|RCC) for target)' || true; }
  (cd build-asan-all && ctest --output-on-failure -R '^engine_tests$')
  (cd build-asan-all && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$(nproc)" -E '^engine_tests$')
fi
