#!/usr/bin/env bash
# Refreshes the translation sources from the code (new texts arrive unfinished): the Chinese
# translation of every text, and the English names of the table columns, whose source texts
# are the database's column names.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate -no-obsolete -locations none src -ts translations/KLN_TQ420_zh_CN.ts
lupdate -no-obsolete -locations none src/gui/pages/qmanageinterface.cpp \
    -ts translations/KLN_TQ420_en_US.ts
