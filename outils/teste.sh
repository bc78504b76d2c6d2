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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLORIMOT_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFLORIMOT_SANITIZE=ON
cmake --build build-san -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-san --output-on-failure -j "$jobs"

# ThreadSanitizer, over the code that runs threads: the engine's, the
# lexicon's (the dictionary loaded beside the work) and the command line's
# tests, and the window's tests that load the lexicon while the window
# works. Only those targets are built, to keep the run short.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLORIMOT_TSAN=ON
cmake --build build-tsan -j "$jobs" --target tests_moteur tests_lexique tests_conjugue conjugue \
  test_ecran test_analyse
ctest --test-dir build-tsan --output-on-failure -j "$jobs" \
  -R '^(Moteur|Lexique|Conjugue|[A-Z][A-Za-z]*\.|interface\.(ecran|analyse)$)' -E 'donnees|fuite'

# libFuzzer, about 30 s a target (clang; the fuzzers carry ASan and UBSan).
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DFLORIMOT_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure
