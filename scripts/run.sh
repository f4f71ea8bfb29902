#!/usr/bin/env bash
# Sets up, builds, makes the sample data and inspects it with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
build/app/tq420-sampledata build/sampledata >/dev/null
build/app/tq420-cli inspect --lang "${TQ420_LANG:-en}" build/sampledata/rtv/v1025.rtv build/sampledata/rtv/worked.rtv
