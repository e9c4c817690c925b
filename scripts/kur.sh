#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# and any others named as arguments (scripts/paket.sh: the packaging tools).
# Safe to run again: installs only what is missing.
set -euo pipefail

PAKETLER=(
  g++ cmake make pkg-config
  qt6-base-dev libqt6sql6-ibase libqt6printsupport6 qt6-translations-l10n
  firebird3.0-server-core firebird3.0-utils libfbclient2 firebird-dev
  libxlsxwriter-dev libzip-dev libfreexl-dev libturbojpeg0-dev
  poppler-utils xvfb xauth
  libsodium-dev
  librsvg2-bin
)
PAKETLER+=("$@")

eksik=()
for p in "${PAKETLER[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || eksik+=("$p")
done

if [ ${#eksik[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${eksik[@]}"
fi
