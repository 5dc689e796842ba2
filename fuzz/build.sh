#!/usr/bin/env bash
# Builds the engine's differential fuzzer with clang and libFuzzer:
#   bash fuzz/build.sh [build-dir]    then    <build-dir>/engine_fuzz -max_total_time=600
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root/src" -I "$root/tests" \
  "$root"/src/engine/*.cpp "$root"/tests/engine/reference/*.cpp "$root/fuzz/EngineFuzz.cpp" \
  -o "$out/engine_fuzz"
echo "built $out/engine_fuzz"
