#!/usr/bin/env bash
# Installs what is missing, checks the layout of the code, builds and runs
# every test: once normally (the benchmarks built too, so they keep
# compiling), once under AddressSanitizer and UndefinedBehaviorSanitizer,
# the threads' tests under ThreadSanitizer, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
bash outils/format.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The builds are CMakePresets.json's: the same a developer gets with
# `cmake --preset NAME`.
for preset in normal sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# ThreadSanitizer, over the code that runs threads: the engine's, the
# lexicon's (the dictionary loaded beside the work) and the command line's
# tests, and the window's tests that load the lexicon while the window
# works. Only the targets the preset names are built, to keep the run short.
cmake --preset tsan
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan -j "$jobs"

# libFuzzer, about 30 s a target, side by side (clang; the fuzzers carry ASan
# and UBSan).
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"
