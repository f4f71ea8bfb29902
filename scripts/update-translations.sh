#!/usr/bin/env bash
# Refreshes the Chinese translation source from the code (new texts arrive unfinished).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate -no-obsolete -locations none src -ts translations/KLN_TQ420_zh_CN.ts
