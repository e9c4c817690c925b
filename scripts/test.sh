#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite with offscreen Qt. The server
# tests need a Firebird server on this machine: the same set-up script a
# clinic's server gets, listening on localhost only, writes their
# coordinates to build/sunucu/. Then the Debian package is built from the
# same build, installed with apt, tried as installed and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/derle.sh
bash scripts/sunucu-kur.sh --yerel --cikti build/sunucu --test
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
DEB="$(bash scripts/paket.sh | tail -n 1)"
bash scripts/kurulum-dene.sh "$DEB"
