#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; then again under Address- and
# UndefinedBehaviorSanitizer (skip that with TQ420_NO_SANITIZE=1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

if [ "${TQ420_NO_SANITIZE:-0}" != "1" ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTQ420_SANITIZE=ON >/dev/null
    cmake --build build-asan -j"$jobs"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure -j"$jobs")
fi
