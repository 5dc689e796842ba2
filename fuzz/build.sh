#!/usr/bin/env bash
# Builds the fuzzers with clang and libFuzzer:
#   bash fuzz/build.sh [build-dir]    then    <build-dir>/engine_fuzz -max_total_time=600
#                                      and     <build-dir>/storage_fuzz -max_total_time=600
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root/src" -I "$root/tests" \
  "$root"/src/engine/*.cpp "$root"/tests/engine/reference/*.cpp "$root/fuzz/EngineFuzz.cpp" \
  -lgmp -o "$out/engine_fuzz"
echo "built $out/engine_fuzz"
# The storage readers, on Qt Core (not instrumented itself).
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root/src" $(pkg-config --cflags Qt6Core) \
  "$root"/src/engine/*.cpp "$root"/src/storage/ConfText.cpp "$root"/src/storage/SettingsAccess.cpp \
  "$root"/src/storage/StackFileFormat.cpp "$root"/src/storage/IntegerText.cpp \
  "$root"/src/storage/Settings.cpp "$root"/src/storage/ColourText.cpp "$root/fuzz/StorageFuzz.cpp" \
  $(pkg-config --libs Qt6Core) -lgmp -o "$out/storage_fuzz"
echo "built $out/storage_fuzz"
