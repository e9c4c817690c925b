#!/usr/bin/env bash
# Builds the Debian package of the program (debian/) into build/paket/ and
# prints the path of the .deb on its last line:
#
#   bash scripts/paket.sh
#   sudo apt install ./build/paket/velmorika_<sürüm>_<mimari>.deb
#
# When scripts/derle.sh has built build/ already (CI: the tree the tests ran
# on), the package is made from it without compiling anything again;
# otherwise dpkg-buildpackage configures and builds a tree of its own.
# The AppStream metainfo is validated and lintian must report no error.
set -euo pipefail
cd "$(dirname "$0")/.."
KOK="$(pwd)"

bash scripts/kur.sh debhelper dpkg-dev lintian appstream desktop-file-utils >&2

appstreamcli validate --no-net kurulum/*.metainfo.xml >&2
desktop-file-validate kurulum/*.desktop >&2

if [ -f build/CMakeCache.txt ]; then
  export VELMORIKA_DERLEME=build
  # Picks up what kur.sh may have installed since (rsvg-convert for the icons).
  cmake -S . -B build > build/paket-yapilandirma.log 2>&1 || { cat build/paket-yapilandirma.log >&2; exit 1; }
fi

CIKTI="$KOK/build/paket"
rm -rf "$CIKTI"
mkdir -p "$CIKTI"
SURUM="$(dpkg-parsechangelog -S Version)"
MIMARI="$(dpkg-architecture -q DEB_HOST_ARCH)"
DEB="$CIKTI/velmorika_${SURUM}_${MIMARI}.deb"

export VELMORIKA_PAKET_KLASORU="$CIKTI"
dpkg-buildpackage -b -us -uc -j"$(nproc)" \
  --buildinfo-option=-u"$CIKTI" --changes-option=-u"$CIKTI" \
  --buildinfo-file="$CIKTI/velmorika_${SURUM}_${MIMARI}.buildinfo" \
  --changes-file="$CIKTI/velmorika_${SURUM}_${MIMARI}.changes" > "$CIKTI/dpkg-buildpackage.log" 2>&1 \
  || { tail -n 60 "$CIKTI/dpkg-buildpackage.log" >&2; exit 1; }

# Errors fail the package; the warnings left are explained in the README.
lintian --fail-on error "$DEB" > "$CIKTI/lintian.txt" 2>&1 || { cat "$CIKTI/lintian.txt" >&2; exit 1; }
cat "$CIKTI/lintian.txt" >&2

echo "$DEB"
