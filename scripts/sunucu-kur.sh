#!/usr/bin/env bash
# Sets up the Firebird server on the machine that keeps the database, for
# several workstations. Safe to run again: it reuses the program user's
# password, an existing database and the configuration it wrote before.
#
#   velmorika-sunucu-kur [--yerel] [--kullanici AD] [--veritabani YOL]
#                        [--cikti KLASOR [--test]]
#   velmorika-sunucu-kur --baslat | --durdur
#   (in the source tree: bash scripts/sunucu-kur.sh ...)
#
#   --yerel        the server listens on localhost only (a test machine, CI)
#   --kullanici    the program's database user (VELMORIKA)
#   --veritabani   the database file on this machine
#                  (/var/lib/firebird/3.0/data/VELMORIKA.FDB)
#   --cikti        also writes datayeri.txt and baglanti.ini (the workstation
#                  settings file, 0600) into KLASOR, owned by the caller
#   --test         with --cikti: sunucu-test.ini for the test suite (the SYSDBA
#                  password among others, 0600) and a folder the server
#                  makes the tests' databases in
#   --baslat, --durdur   only start or stop the server
#
# Needs root; when run as another user it runs itself again through sudo.
# Installed (the velmorika package) it uses the installed program; in the
# source tree it uses build/velmorika, building it first when missing.
set -euo pipefail

BETIK="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
KAYNAK="$(cd "$(dirname "$0")/.." && pwd)"
FB_ETC=/etc/firebird/3.0
FB_CONF=$FB_ETC/firebird.conf
FB_VERI=/var/lib/firebird/3.0/data
PORT=3050
OLAY_PORTU=3051

YEREL=0
KULLANICI=VELMORIKA
VT=$FB_VERI/VELMORIKA.FDB
CIKTI=""
TEST=0
YALNIZ=""
ARGUMANLAR=("$@")

kullanim() {
  sed -n '2,24p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

while [ $# -gt 0 ]; do
  case "$1" in
    --yerel) YEREL=1 ;;
    --kullanici) [ $# -ge 2 ] || kullanim; KULLANICI="$2"; shift ;;
    --veritabani) [ $# -ge 2 ] || kullanim; VT="$2"; shift ;;
    --cikti) [ $# -ge 2 ] || kullanim; CIKTI="$2"; shift ;;
    --test) TEST=1 ;;
    --baslat|--durdur) YALNIZ="$1" ;;
    -h|--help|--yardim) kullanim ;;
    *) echo "Bilinmeyen seçenek: $1" >&2; kullanim ;;
  esac
  shift
done

if ! [[ "$KULLANICI" =~ ^[A-Za-z][A-Za-z0-9_]{0,30}$ ]]; then
  echo "Geçersiz kullanıcı adı: $KULLANICI (harfle başlayan; harf, rakam ya da _)" >&2
  exit 2
fi
KULLANICI="${KULLANICI^^}"
case "$VT" in /*) ;; *) echo "Veritabanı yolu tam yol olmalı: $VT" >&2; exit 2 ;; esac
if [ "$TEST" = 1 ] && [ -z "$CIKTI" ]; then
  echo "--test, --cikti ile verilir." >&2
  exit 2
fi
[ -z "$CIKTI" ] || CIKTI="$(mkdir -p "$CIKTI" && cd "$CIKTI" && pwd)"

if [ -f "$KAYNAK/CMakeLists.txt" ] && [ -f "$KAYNAK/scripts/derle.sh" ]; then
  PROGRAM="$KAYNAK/build/velmorika"
  if [ -z "$YALNIZ" ] && [ ! -x "$PROGRAM" ]; then
    bash "$KAYNAK/scripts/derle.sh"
  fi
else
  PROGRAM="$(dirname "$BETIK")/velmorika"
  [ -x "$PROGRAM" ] || PROGRAM="$(command -v velmorika || true)"
  if [ -z "$YALNIZ" ] && [ -z "$PROGRAM" ]; then
    echo "velmorika programı bulunamadı (sudo apt install velmorika)." >&2
    exit 1
  fi
fi

if [ "$(id -u)" -ne 0 ]; then
  exec sudo bash "$BETIK" "${ARGUMANLAR[@]}"
fi

# --- the server ---------------------------------------------------------

port_acik() { (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; }

systemd_var() { [ -d /run/systemd/system ] && command -v systemctl >/dev/null; }

bekle() { # $1: 1 = until the port answers, 0 = until it does not
  for _ in $(seq 1 150); do
    if port_acik; then [ "$1" = 1 ] && return 0; else [ "$1" = 0 ] && return 0; fi
    sleep 0.2
  done
  return 1
}

baslat() {
  port_acik && return 0
  if systemd_var; then
    systemctl enable --now firebird3.0 >/dev/null
  elif [ -x /etc/init.d/firebird3.0 ]; then
    # No systemd (a container, CI): the package's own init script.
    service firebird3.0 start >/dev/null
  else
    mkdir -p /run/firebird3.0 && chown firebird:firebird /run/firebird3.0
    su -s /bin/sh firebird -c "/usr/sbin/fbguard -daemon -forever -pidfile /run/firebird3.0/firebird.pid"
  fi
  bekle 1 || { echo "Firebird sunucusu $PORT kapısında yanıt vermiyor." >&2; exit 1; }
}

durdur() {
  if systemd_var; then
    systemctl stop firebird3.0
  elif [ -x /etc/init.d/firebird3.0 ]; then
    service firebird3.0 stop >/dev/null
  else
    start-stop-daemon --stop --quiet --oknodo --retry 10 --exec /usr/sbin/fbguard
    start-stop-daemon --stop --quiet --oknodo --retry 15 --exec /usr/sbin/firebird
  fi
  bekle 0 || { echo "Firebird sunucusu durmadı." >&2; exit 1; }
}

case "$YALNIZ" in
  --baslat) baslat; exit 0 ;;
  --durdur) durdur; exit 0 ;;
esac

if ! dpkg-query -W -f='${Status}' firebird3.0-server 2>/dev/null | grep -q "install ok installed"; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # Its configuration generates the SYSDBA password into $FB_ETC/SYSDBA.password.
  apt-get install -y -qq --no-install-recommends firebird3.0-server firebird3.0-utils >/dev/null
fi

# The network side, written as one marked block at the end of firebird.conf:
# the events' port is fixed so that a firewall can let 3050 and 3051 through.
ISARET="# VELMORIKA (scripts/sunucu-kur.sh)"
once="$(md5sum "$FB_CONF")"
sed -i -e "\|^$ISARET\$|d" -e '/^[[:space:]]*RemoteBindAddress[[:space:]]*=/d' \
       -e '/^[[:space:]]*RemoteAuxPort[[:space:]]*=/d' "$FB_CONF"
{
  echo "$ISARET"
  echo "RemoteAuxPort = $OLAY_PORTU"
  # Without the line the server listens on every address.
  if [ "$YEREL" = 1 ]; then echo "RemoteBindAddress = localhost"; fi
} >> "$FB_CONF"
if [ "$once" != "$(md5sum "$FB_CONF")" ] && port_acik; then
  durdur
fi
baslat

SYSDBA_SIFRE="$(sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' "$FB_ETC/SYSDBA.password" 2>/dev/null || true)"
if [ -z "$SYSDBA_SIFRE" ]; then
  echo "SYSDBA şifresi $FB_ETC/SYSDBA.password dosyasında bulunamadı (dpkg-reconfigure firebird3.0-server)." >&2
  exit 1
fi

# The program user's password: made once, kept for root only, reused.
SIFRE_DOSYASI="$FB_ETC/$KULLANICI.password"
if [ ! -s "$SIFRE_DOSYASI" ]; then
  ( umask 077; printf 'SIFRE=%s\n' "$(tr -dc 'A-Za-z0-9' </dev/urandom | head -c 20)" > "$SIFRE_DOSYASI" )
fi
chown root:root "$SIFRE_DOSYASI"
chmod 600 "$SIFRE_DOSYASI"
SIFRE="$(sed -n 's/^SIFRE=//p' "$SIFRE_DOSYASI")"

# The database: made through the server, so the server owns the file; a
# file that is there already is adopted.
KONUM="localhost:$VT"
if [ -e "$VT" ]; then
  chown firebird:firebird "$VT"
  chmod 660 "$VT"
else
  klasor="$(dirname "$VT")"
  if [ ! -d "$klasor" ]; then
    mkdir -p "$klasor"
    chown firebird:firebird "$klasor"
    chmod 770 "$klasor"
  fi
  VELMORIKA_DB_USER=SYSDBA VELMORIKA_DB_PASSWORD="$SYSDBA_SIFRE" "$PROGRAM" --yeni-veritabani "$KONUM"
fi

isql-fb -q -user SYSDBA -password "$SYSDBA_SIFRE" "$KONUM" >/dev/null <<EOF
CREATE OR ALTER USER $KULLANICI PASSWORD '$SIFRE' USING PLUGIN Srp;
COMMIT;
EOF

VELMORIKA_DB_USER=SYSDBA VELMORIKA_DB_PASSWORD="$SYSDBA_SIFRE" "$PROGRAM" --yetkilendir "$KULLANICI" --veritabani "$KONUM" >/dev/null

# --- what goes on each workstation --------------------------------------

if [ "$YEREL" = 1 ]; then
  SUNUCU=localhost
else
  SUNUCU="$(hostname -f 2>/dev/null || hostname)"
fi
DATAYERI="$SUNUCU:$VT"
AYARLAR="[veritabani]
kullanici=$KULLANICI
sifre=$SIFRE"

yaz() { # $1: file; the text on standard input; private and the caller's
  ( umask 077; cat > "$1" )
  [ -z "${SUDO_USER:-}" ] || chown "$SUDO_USER" "$1"
}

if [ -n "$CIKTI" ]; then
  printf '%s\n' "$DATAYERI" | yaz "$CIKTI/datayeri.txt"
  chmod 644 "$CIKTI/datayeri.txt"
  printf '%s\n' "$AYARLAR" | yaz "$CIKTI/baglanti.ini"
  if [ "$TEST" = 1 ]; then
    TEST_KLASORU="$FB_VERI/velmorika-test"
    mkdir -p "$TEST_KLASORU"
    chown firebird:firebird "$TEST_KLASORU"
    chmod 770 "$TEST_KLASORU"
    yaz "$CIKTI/sunucu-test.ini" <<EOF
[sunucu]
konum=$KONUM
testklasoru=$TEST_KLASORU
betik=$BETIK
[sysdba]
kullanici=SYSDBA
sifre=$SYSDBA_SIFRE
$AYARLAR
EOF
  fi
fi

adresler="$(hostname -I 2>/dev/null || true)"
cat <<EOF
Firebird sunucusu hazır: $KONUM (sunucu kapıları $PORT ve $OLAY_PORTU; güvenlik duvarında ikisini de açın).

Her bilgisayarda veritabanının yeri: ilk açılış penceresindeki "Veritabanı yeri" kutusu ya da
~/.config/VELMORIKA/datayeri.txt (bilgisayarın bütün kullanıcıları için /etc/velmorika/datayeri.txt)
dosyasının tek satırı:

$DATAYERI
${adresler:+
(sunucu adı çözülmüyorsa adresiyle: ${adresler%% *}:$VT)
}
Her bilgisayarda ~/.config/VELMORIKA/baglanti.ini (chmod 600; ortak resim klasörü
için [veri] bölümüne kok=/ortak/klasor eklenebilir; ilk açılış penceresi kullanıcıyı ve
şifreyi buraya yazar):

$AYARLAR
EOF
