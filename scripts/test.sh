#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and
# runs every test. With --sanitize: the same with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build
flags=(-DQUILLON_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  flags=(-DQUILLON_WERROR=ON -DQUILLON_SANITIZE=ON -DQUILLON_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
cd "$build" && ctest --output-on-failure
