#!/usr/bin/env bash
# Installs a built package with apt, tries the installed program the way a
# new user of a fresh machine would meet it, and removes the package again:
# a missing install rule or dependency fails here.
#
#   bash scripts/kurulum-dene.sh build/paket/velmorika_<sürüm>_<mimari>.deb
#
# The program runs in a fresh HOME, from a folder outside the source tree,
# with none of the variables the tests point at the source tree.
set -euo pipefail
DEB="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
KAYNAK="$(cd "$(dirname "$0")/.." && pwd)"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

hata() { echo "Kurulum denemesi: $*" >&2; exit 1; }

EV="$(mktemp -d)"
CALISMA="$(mktemp -d)"
$SUDO apt-get install -y -qq "$DEB" > /dev/null
trap '$SUDO apt-get purge -y -qq velmorika > /dev/null; rm -rf "$EV" "$CALISMA"' EXIT
cd "$CALISMA"
# The installed program only: no variable of the tests, no display.
calistir() {
  env -i PATH=/usr/bin:/bin HOME="$EV" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"
}

[ "$(command -v velmorika)" = /usr/bin/velmorika ] || hata "/usr/bin/velmorika kurulmadı"
if grep -qF "$KAYNAK" <<< "$(strings /usr/bin/velmorika)"; then
  hata "program kaynak ağacının yolunu taşıyor ($KAYNAK)"
fi
for f in /usr/share/velmorika/sablonlar/liste.frf /usr/bin/velmorika-sunucu-kur \
         /usr/share/applications/tr.com.tervana.velmorika.desktop \
         /usr/share/metainfo/tr.com.tervana.velmorika.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/velmorika.svg \
         /usr/share/icons/hicolor/48x48/apps/velmorika.png; do
  [ -e "$f" ] || hata "$f kurulmadı"
done
grep -q '/usr/share/man/man1/velmorika.1.gz$' <<< "$(dpkg-deb -c "$DEB")" || hata "kılavuz sayfası pakette yok"

cikti="$(calistir velmorika --help)" || hata "--help"
grep -q "^Kullanım:" <<< "$cikti" || hata "--help: $cikti"
[ "$(calistir velmorika --surum)" = "VELMORIKA $(dpkg-query -W -f='${Version}' velmorika)" ] || hata "--surum"

# A new database in the fresh HOME, set as the user's, as the first-start dialog does.
VT="$EV/VELMORIKA/VELMORIKA.FDB"
mkdir -p "$EV/VELMORIKA" "$EV/.config/VELMORIKA"
calistir velmorika --yeni-veritabani "$VT" > /dev/null || hata "--yeni-veritabani"
printf '%s\n' "$VT" > "$EV/.config/VELMORIKA/datayeri.txt"

# An installed template by name, the location from ~/.config/VELMORIKA/datayeri.txt.
calistir velmorika --rapor liste.frf --sorgu "select username, kullanici_adi from elemanlar" \
  --pdf liste.pdf || hata "--rapor liste.frf"
grep -q "VELMOR" <<< "$(pdftotext liste.pdf -)" || hata "raporda kullanıcı yok"

# The desktop program's login on the demo database, without a display.
cikti="$(calistir env VELMORIKA_SIFRE=KLINIK velmorika --giris-denetle VELMOR --sirket 2007)" \
  || hata "--giris-denetle"
grep -q "^Giriş başarılı" <<< "$cikti" || hata "--giris-denetle: $cikti"

# The server set-up command as installed finds the installed program: a
# database made through this machine's server (set up on localhost only by
# scripts/test.sh before; the same settings, so nothing is restarted).
cikti="$(calistir velmorika-sunucu-kur --help 2>&1)" && hata "velmorika-sunucu-kur --help: çıkış kodu 0"
grep -q "velmorika-sunucu-kur \[--yerel\]" <<< "$cikti" || hata "velmorika-sunucu-kur --help: $cikti"
SUNUCU_VT=/var/lib/firebird/3.0/data/velmorika-kurulum-denemesi.fdb
cikti="$($SUDO env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin velmorika-sunucu-kur --yerel --veritabani "$SUNUCU_VT" 2>&1)" \
  || hata "velmorika-sunucu-kur: $cikti"
$SUDO rm -f "$SUNUCU_VT"
grep -q "Firebird sunucusu hazır: localhost:$SUNUCU_VT" <<< "$cikti" || hata "velmorika-sunucu-kur: $cikti"

# Nothing but what was asked for was written where the program was started.
[ "$(ls -A "$CALISMA")" = "liste.pdf" ] || hata "çalışma klasörüne yazıldı: $(ls -A "$CALISMA")"

trap 'rm -rf "$EV" "$CALISMA"' EXIT
$SUDO apt-get purge -y -qq velmorika > /dev/null
[ ! -e /usr/bin/velmorika ] || hata "paket kaldırılamadı"
echo "Kurulum denemesi tamam: $(basename "$DEB") kuruldu, çalıştı, kaldırıldı."
