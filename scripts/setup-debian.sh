#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    build-essential cmake ccache pkg-config zlib1g-dev libxlsxwriter-dev libkf5archive-dev \
    clang libclang-rt-14-dev \
    qtbase5-dev libqt5sql5-sqlite libqt5svg5-dev \
    qttools5-dev qttools5-dev-tools qttranslations5-l10n \
    libcjson-dev fonts-wqy-microhei fonts-noto-cjk sqlite3 libreoffice-writer-nogui \
    poppler-utils xvfb xauth >/dev/null
