#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build (window tests on the offscreen platform), then the Qt-free layers again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== full build and tests"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_BUILD_TESTS=ON -DQUARNEL_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 900

echo "== sanitizer build (address, undefined) of the Qt-free layers"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUARNEL_SANITIZE=ON \
  -DQUARNEL_WITH_QT=OFF -DQUARNEL_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 1800
echo "== all tests passed"
