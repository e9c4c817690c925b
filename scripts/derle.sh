#!/usr/bin/env bash
# Installs what is missing and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/kur.sh
LAUNCHER=""
command -v ccache >/dev/null && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $LAUNCHER > build.log 2>&1 || { cat build.log; exit 1; }
cmake --build build -j"$(nproc)"
