#!/usr/bin/env bash
# Builds both trees (native with and without sanitizers, and Windows) and runs every
# test: the core natively, the platform layer and whole batches under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "== Formatting"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run --Werror $files

for preset in native native-asan win64; do
  echo "== Build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== Tests: $preset"
  ctest --preset "$preset"
done
