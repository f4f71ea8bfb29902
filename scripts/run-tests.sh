#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; then again under Address- and
# UndefinedBehaviorSanitizer (skip that with TQ420_NO_SANITIZE=1). The sanitizer build uses
# clang and also runs each fuzz target of the readers for a short time (skip the fuzzing,
# and build it with the default compiler, with TQ420_NO_FUZZ=1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

if [ "${TQ420_NO_SANITIZE:-0}" != "1" ]; then
    sanitize=(-DCMAKE_BUILD_TYPE=Debug -DTQ420_SANITIZE=ON)
    if [ "${TQ420_NO_FUZZ:-0}" != "1" ]; then
        sanitize+=(-DCMAKE_CXX_COMPILER=clang++ -DTQ420_FUZZ=ON)
    else
        sanitize+=(-DTQ420_FUZZ=OFF)
    fi
    # A fresh cache: the compiler may differ from the last run, and on such a change CMake
    # drops every other option given. The objects are kept (and ccache has them anyway).
    rm -f build-asan/CMakeCache.txt
    cmake -S . -B build-asan "${sanitize[@]}" >/dev/null
    cmake --build build-asan -j"$jobs"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure -j"$jobs")
fi
