#!/usr/bin/env bash
# Builds everything and runs the whole test suite, then builds it all again with AddressSanitizer +
# UndefinedBehaviorSanitizer and runs it once more (fuzz corpora and the desktop windows included).
# The desktop tests run on Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh $(cat scripts/build-packages.txt)

jobs=$(nproc)

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DHEXWARDEN_TESTS=ON -DHEXWARDEN_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHEXWARDEN_SANITIZE=ON -DHEXWARDEN_TESTS=ON -DHEXWARDEN_BENCH=OFF -DHEXWARDEN_QT=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
