#!/usr/bin/env bash
# Builds and runs the whole test suite twice: an ordinary build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer; then every fuzz target for 30 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# Formatting is checked by machine: a file that clang-format would change fails the run.
git ls-files '*.c' '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLOWAY_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLOWAY_SANITIZE=ON \
  -DVELLOWAY_BUILD_BENCH=OFF -DVELLOWAY_WERROR=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
# Each fuzz target briefly, from its seeds: a crash, a leak or a sanitizer report fails the run.
bash scripts/fuzz.sh "${VELLOWAY_FUZZ_SECONDS:-30}"
