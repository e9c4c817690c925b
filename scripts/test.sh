#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite with offscreen Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/derle.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
