#include "db/baglanti.h"

#include "db/hata.h"
#include "db/istasyonayari.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>

#include <map>

namespace Baglanti {

QString kullanici()
{
    const QString s = qEnvironmentVariable("VELMORIKA_DB_USER");
    return s.isEmpty() ? QStringLiteral("SYSDBA") : s;
}

QString sifre()
{
    const QString s = qEnvironmentVariable("VELMORIKA_DB_PASSWORD");
    return s.isEmpty() ? QStringLiteral("plinthova") : s;
}

bool sunucuda(const QString &konum)
{
    // host:path or host/port:path; a drive letter (C:\...) is one character
    // and a colon after a folder is part of a file name.
    static const QRegularExpression sunucuAdi(QStringLiteral("^[^/\\\\:]{2,}(/[0-9]+)?:"));
    const QString k = konum.trimmed();
    return k.contains(QLatin1String("://")) || sunucuAdi.match(k).hasMatch();
}

bool kimlik(const QString &konum, QString *kullaniciAdi, QString *sifresi, QString *hata)
{
    if (!sunucuda(konum)) {
        *kullaniciAdi = kullanici();
        *sifresi = sifre();
        return true;
    }
    *kullaniciAdi = qEnvironmentVariable("VELMORIKA_DB_USER");
    *sifresi = qEnvironmentVariable("VELMORIKA_DB_PASSWORD");
    if (!kullaniciAdi->isEmpty() && !sifresi->isEmpty())
        return true;
    IstasyonAyari::Degerler d;
    if (!IstasyonAyari::oku(&d, hata))
        return false;
    if (kullaniciAdi->isEmpty())
        *kullaniciAdi = d.kullanici;
    if (sifresi->isEmpty())
        *sifresi = d.sifre;
    if (!kullaniciAdi->isEmpty() && !sifresi->isEmpty())
        return true;
    if (hata)
        *hata = QStringLiteral("Sunucudaki veritabanı (%1) için kullanıcı adı ve şifre yazılı değil. %2 dosyasına "
                               "sunucu kurulumunun (velmorika-sunucu-kur; kaynak ağacında scripts/sunucu-kur.sh) sonunda yazdığı [veritabani] "
                               "bölümünü (kullanici=..., sifre=...) koyun; dosyayı yalnız siz okuyabilin "
                               "(chmod 600).")
                    .arg(konum, QDir::toNativeSeparators(IstasyonAyari::dosya()));
    return false;
}

namespace {
bool kullanimda = false;

// Connections lost and not opened again yet.
QSet<QString> &kopuklar()
{
    static QSet<QString> s;
    return s;
}

std::map<int, std::function<void(const QString &)>> &izleyiciler()
{
    static std::map<int, std::function<void(const QString &)>> m;
    return m;
}
} // namespace

bool sonHataKullanimda() { return kullanimda; }

bool ac(const QString &konum, const QString &ad, QString *hata)
{
    kullanimda = false;
    kopuklar().remove(ad);
    if (QSqlDatabase::contains(ad))
        kapat(ad);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), ad);
    if (!db.isValid()) {
        if (hata)
            *hata = QStringLiteral("Firebird veritabanı sürücüsü (QIBASE) yüklenemedi.");
        return false;
    }
    db.setDatabaseName(konum);
    if (konum.trimmed().isEmpty()) {
        if (hata)
            *hata = QStringLiteral("Veritabanının yeri boş. datayeri.txt dosyasına veritabanının yerini yazın.");
        return false;
    }
    QString kullaniciAdi, sifresi;
    if (!kimlik(konum, &kullaniciAdi, &sifresi, hata))
        return false;
    db.setUserName(kullaniciAdi);
    db.setPassword(sifresi);
    if (!db.open()) {
        kullanimda = VeriHatasi::kullanimdaMi(db.lastError());
        // A server out of reach now (restarting, the network down): the
        // statements on this connection try again later.
        if (VeriHatasi::sinif(db.lastError()) == VeriHatasi::Sinif::BaglantiKoptu)
            kopuklar().insert(ad);
        if (hata)
            *hata = VeriHatasi::baglantiMetni(db.lastError(), konum);
        return false;
    }
    return true;
}

void kapat(const QString &ad)
{
    kopuklar().remove(ad);
    {
        QSqlDatabase db = QSqlDatabase::database(ad, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(ad);
}

QSqlDatabase vt(const QString &ad) { return QSqlDatabase::database(ad, false); }

bool yenidenAc(const QString &ad, QString *hata)
{
    QSqlDatabase db = vt(ad);
    if (!db.isValid() || db.databaseName().trimmed().isEmpty()) {
        if (hata)
            *hata = QStringLiteral("Veritabanı bağlantısı açık değil.");
        return false;
    }
    kopuklar().insert(ad);
    // Detaching a dead attachment fails; the driver lets its handles go all
    // the same, and open() starts from nothing with the settings kept.
    db.close();
    if (!db.open()) {
        VeriHatasi::teknisyeneYaz(db.lastError());
        if (hata)
            *hata = VeriHatasi::baglantiKoptuMetni(false, false);
        return false;
    }
    kopuklar().remove(ad);
    // A copy: an observer may take itself out.
    const auto islevler = izleyiciler();
    for (const auto &[no, islev] : islevler)
        islev(ad);
    return true;
}

int yenidenAcilincaEkle(std::function<void(const QString &ad)> islev)
{
    static int sayac = 0;
    izleyiciler().emplace(++sayac, std::move(islev));
    return sayac;
}

void yenidenAcilincaCikar(int no) { izleyiciler().erase(no); }

bool koptuMu(const QString &ad) { return kopuklar().contains(ad); }

} // namespace Baglanti
