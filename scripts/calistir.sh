#!/usr/bin/env bash
# Sets up and starts the program on an embedded demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/derle.sh
KOK="${VELMORIKA_KOK:-$HOME/VELMORIKA}"
mkdir -p "$KOK"
VT="$KOK/VELMORIKA.FDB"
if [ ! -f build/datayeri.txt ]; then
  [ -f "$VT" ] || ./build/velmorika --yeni-veritabani "$VT"
  printf '%s\n' "$VT" > build/datayeri.txt
fi
cd build
exec ./velmorika
