#include "db/hata.h"

#include "db/sorgu.h"

#include <QPointer>
#include <QSqlError>
#include <QRegularExpression>
#include <QStringList>

#include <ibase.h>

#include <cstdio>
#include <utility>

namespace VeriHatasi {
namespace {
Alici &alici()
{
    static Alici a;
    return a;
}

struct Bekleyen
{
    Tur tur;
    QString metin;
    QPointer<QObject> ust;
};
int acikIslemler = 0;
QList<Bekleyen> &bekleyenler()
{
    static QList<Bekleyen> b;
    return b;
}

void gonder(Tur tur, const QString &metin, QObject *ust)
{
    if (acikIslemler > 0) {
        bekleyenler().append({tur, metin, QPointer<QObject>(ust)});
        return;
    }
    // A save's wait sign is not left up over the message.
    Sorgu::beklemeGostergesiniIndir();
    if (alici()) {
        alici()(tur, metin, ust);
        return;
    }
    std::fprintf(stderr, "%s\n", metin.toLocal8Bit().constData());
}
} // namespace

Alici ayarla(Alici yeni)
{
    Alici eski = std::move(alici());
    alici() = std::move(yeni);
    return eski;
}

QString istemciMetni(const QSqlError &e)
{
    const QString s = e.databaseText().trimmed();
    return s.isEmpty() ? e.text().trimmed() : s;
}

namespace {
struct Kalip
{
    QStringList parcalar; // any of these in the client's text
    const char *cumle;
};

bool icerir(const QString &metin, const QStringList &parcalar)
{
    for (const QString &p : parcalar)
        if (metin.contains(p, Qt::CaseInsensitive))
            return true;
    return false;
}

QString cevir(const QString &istemci, const QList<Kalip> &kaliplar, const QString &varsayilan)
{
    QString cumle = varsayilan;
    for (const Kalip &k : kaliplar)
        if (icerir(istemci, k.parcalar)) {
            cumle = QString::fromUtf8(k.cumle);
            break;
        }
    return istemci.isEmpty() ? cumle : cumle + QStringLiteral("\n(") + istemci + QLatin1Char(')');
}

const QStringList kullanimda{QStringLiteral("\"lock\" operation"), QStringLiteral("Resource temporarily unavailable"),
                             QStringLiteral("being used by another"), QStringLiteral("Device or resource busy"),
                             QStringLiteral("database is in use")};
const QStringList baglantiKoptu{QStringLiteral("reading/writing data to the connection"),
                                QStringLiteral("connection shutdown"), QStringLiteral("connection lost"),
                                QStringLiteral("Connection reset"), QStringLiteral("Broken pipe"),
                                QStringLiteral("network request"), QStringLiteral("Connection refused")};
} // namespace

namespace {
// The codes of each kind, and the fixed part of the client's message for
// each (the message file's text up to its first argument).
struct KodMetni
{
    long kod;
    Sinif sinif;
    const char *parca;
};

const KodMetni kodlar[] = {
    {isc_network_error, Sinif::BaglantiKoptu, "Unable to complete network request to host"},
    {isc_net_read_err, Sinif::BaglantiKoptu, "Error reading data from the connection"},
    {isc_net_write_err, Sinif::BaglantiKoptu, "Error writing data to the connection"},
    {isc_lost_db_connection, Sinif::BaglantiKoptu, "connection lost to database"},
    {isc_att_shutdown, Sinif::BaglantiKoptu, "connection shutdown"},
    {isc_conn_lost, Sinif::BaglantiKoptu, "Connection lost to pipe server"},
    {isc_net_server_shutdown, Sinif::BaglantiKoptu, " server is shutdown"},
    {isc_shutdown, Sinif::BaglantiKoptu, " shutdown"},
    {isc_bad_db_handle, Sinif::BaglantiKoptu, "invalid database handle (no active connection)"},
    {isc_net_connect_err, Sinif::BaglantiKoptu, "Failed to establish a connection"},
    {isc_cancelled, Sinif::KilitBekleme, "operation was cancelled"},
    {isc_lock_timeout, Sinif::KilitBekleme, "lock time-out on wait transaction"},
    {isc_lock_conflict, Sinif::KilitBekleme, "lock conflict on no wait transaction"},
    {isc_deadlock, Sinif::Cakisma, "deadlock"},
    {isc_update_conflict, Sinif::Cakisma, "update conflicts with concurrent update"},
    {isc_read_conflict, Sinif::Cakisma, "read conflicts with concurrent update"},
    {isc_concurrent_transaction, Sinif::Cakisma, "concurrent transaction number is"},
    {isc_unique_key_violation, Sinif::Tekillik, "violation of PRIMARY or UNIQUE KEY constraint"},
    {isc_no_dup, Sinif::Tekillik, "attempt to store duplicate value"},
    {isc_foreign_key, Sinif::YabanciAnahtar, "violation of FOREIGN KEY constraint"},
};

// Texts of lost connections that come from elsewhere than the message file
// (an older client's combined read/write text, the operating system's).
const char *const kopmaMetinleri[] = {"reading/writing data to the connection", "Connection reset by peer",
                                      "Broken pipe"};

// A kind by the order of a status vector: a lost connection first (whatever
// else it says), then the lock wait, then the conflict, then the keys.
int oncelik(Sinif s)
{
    switch (s) {
    case Sinif::BaglantiKoptu:
        return 0;
    case Sinif::KilitBekleme:
        return 1;
    case Sinif::Cakisma:
        return 2;
    case Sinif::Tekillik:
    case Sinif::YabanciAnahtar:
        return 3;
    case Sinif::Diger:
        break;
    }
    return 4;
}
} // namespace

Sinif sinif(long iscKodu)
{
    for (const KodMetni &k : kodlar)
        if (k.kod == iscKodu)
            return k.sinif;
    return Sinif::Diger;
}

Sinif sinif(const QSqlError &e)
{
    if (!e.isValid() || e.type() == QSqlError::NoError)
        return Sinif::Diger;
    const QString istemci = e.databaseText();
    Sinif bulunan = Sinif::Diger;
    // " shutdown" alone says a lost connection only after "database <name>".
    for (const KodMetni &k : kodlar) {
        if (oncelik(k.sinif) >= oncelik(bulunan))
            continue;
        const QLatin1String parca(k.parca);
        const bool var = k.kod == isc_shutdown
                             ? istemci.contains(QRegularExpression(QStringLiteral("\\bdatabase \\S.* shutdown\\b")))
                             : istemci.contains(parca, Qt::CaseInsensitive);
        if (var)
            bulunan = k.sinif;
    }
    if (bulunan != Sinif::BaglantiKoptu)
        for (const char *m : kopmaMetinleri)
            if (istemci.contains(QLatin1String(m), Qt::CaseInsensitive))
                bulunan = Sinif::BaglantiKoptu;
    return bulunan;
}

QString baglantiKoptuMetni(bool yenidenKuruldu, bool yazma)
{
    if (!yenidenKuruldu)
        return yazma ? QStringLiteral("Veritabanı sunucusuna ulaşılamıyor; değişiklik kaydedilemedi. Sunucu yeniden "
                                      "çalışınca tekrar kaydedin.")
                     : QStringLiteral("Veritabanı sunucusuna ulaşılamıyor; işlem yapılamadı. Sunucu yeniden "
                                      "çalışınca tekrar deneyin.");
    return yazma ? QStringLiteral("Sunucuyla bağlantı koptu ve yeniden kuruldu, ancak değişiklik kaydedilemedi. "
                                  "Lütfen yeniden kaydedin.")
                 : QStringLiteral("Sunucuyla bağlantı koptu ve yeniden kuruldu, ancak işlem yapılamadı. "
                                  "Lütfen yeniden deneyin.");
}

QString sinifMetni(Sinif s)
{
    switch (s) {
    case Sinif::BaglantiKoptu:
        return QStringLiteral("Veritabanı sunucusuyla bağlantı koptu; işlem yapılamadı. Bağlantı yeniden "
                              "kurulunca tekrar deneyin.");
    case Sinif::KilitBekleme:
        return QStringLiteral("Bu kayıt şu anda başka bir kullanıcı tarafından değiştiriliyor; değişiklik "
                              "kaydedilmedi. Biraz sonra yeniden deneyin.");
    case Sinif::Cakisma:
        return QStringLiteral("Bu kayıt bu arada başka bir kullanıcı tarafından değiştirildi; değişiklik "
                              "kaydedilmedi.");
    case Sinif::Tekillik:
        return QStringLiteral("Bu kayıt zaten var: aynı anahtarla ikinci bir kayıt yazılamaz.");
    case Sinif::YabanciAnahtar:
        return QStringLiteral("Bu kayda bağlı başka kayıtlar var; işlem yapılamadı.");
    case Sinif::Diger:
        break;
    }
    return QString();
}

void teknisyeneYaz(const QSqlError &e)
{
    const QString m = istemciMetni(e);
    if (!m.isEmpty())
        std::fprintf(stderr, "Veritabanı: %s\n", m.toLocal8Bit().constData());
}

QString metin(const QSqlError &e)
{
    const Sinif s = sinif(e);
    // Another user or the server, nothing the user typed: Turkish only.
    if (s == Sinif::BaglantiKoptu || s == Sinif::KilitBekleme || s == Sinif::Cakisma) {
        teknisyeneYaz(e);
        return sinifMetni(s);
    }
    // A key refusal names its index or constraint: the client's text follows.
    if (s != Sinif::Diger) {
        const QString istemci = istemciMetni(e);
        return istemci.isEmpty() ? sinifMetni(s) : sinifMetni(s) + QStringLiteral("\n(") + istemci + QLatin1Char(')');
    }
    static const QList<Kalip> kaliplar = {
        {kullanimda, "Veritabanı başka bir program tarafından kullanılıyor."},
        {{QStringLiteral("transliterate"), QStringLiteral("Malformed string")},
         "Metin, veritabanının karakter setinde olmayan harfler içeriyor."},
        {{QStringLiteral("string right truncation"), QStringLiteral("arithmetic exception, numeric overflow")},
         "Bir değer, alanın alabileceğinden uzun ya da büyük."},
        {{QStringLiteral("Table unknown"), QStringLiteral("Column unknown"), QStringLiteral("Procedure unknown")},
         "Sorguda tanınmayan bir tablo ya da kolon adı var; adları denetleyin."},
        {{QStringLiteral("Token unknown"), QStringLiteral("Unexpected end of command"),
          QStringLiteral("SQL error code = -104")},
         "Sorgu yazımında hata var; sorguyu denetleyin."},
        {{QStringLiteral("conversion error")}, "Bir değer beklenen türe çevrilemedi (tarih ya da sayı yanlış yazılmış)."},
    };
    return cevir(istemciMetni(e), kaliplar, QStringLiteral("Veritabanı işlemi yapılamadı."));
}

bool kullanimdaMi(const QSqlError &e) { return icerir(istemciMetni(e), kullanimda); }

QString baglantiMetni(const QSqlError &e, const QString &konum)
{
    const QList<Kalip> kaliplar = {
        {kullanimda, "Veritabanı başka bir program tarafından kullanılıyor. Diğer programı kapatıp yeniden "
                     "deneyin ya da birden çok bilgisayar için veritabanını bir sunucuya taşıyın."},
        // Before the file: an unknown host name is "not found" too.
        {baglantiKoptu + QStringList{QStringLiteral("Failed to locate host")},
         "Veritabanı sunucusuna ulaşılamadı. Sunucunun adını, açık olduğunu ve ağ bağlantısını denetleyin."},
        {{QStringLiteral("No such file"), QStringLiteral("\"open\" operation"), QStringLiteral("not found")},
         "Veritabanı dosyası bulunamadı ya da açılamadı. datayeri.txt dosyasındaki yolu denetleyin."},
        {{QStringLiteral("user name and password"), QStringLiteral("login")},
         "Veritabanı kullanıcı adı ya da parolası kabul edilmedi. İstasyon ayarlarını denetleyin."},
        {{QStringLiteral("not a valid database"), QStringLiteral("unsupported on-disk structure"),
          QStringLiteral("file is not a valid")},
         "Bu dosya bir veritabanı değil ya da bozuk."},
    };
    const QString genel = QStringLiteral("Veritabanına bağlanılamadı.");
    QString m = cevir(istemciMetni(e), kaliplar, genel);
    // The location tried, right after the sentence.
    const int satir = int(m.indexOf(QLatin1Char('\n')));
    const QString yer = QStringLiteral(" Veritabanı: ") + konum;
    return satir < 0 ? m + yer : m.left(satir) + yer + m.mid(satir);
}

void bilgi(const QString &metin, QObject *ust) { gonder(Tur::Bilgi, metin, ust); }
void hata(const QString &metin, QObject *ust) { gonder(Tur::Hata, metin, ust); }

void islemAcildi() { ++acikIslemler; }

void islemKapandi()
{
    if (acikIslemler > 0)
        --acikIslemler;
    if (acikIslemler > 0)
        return;
    // A message may start another transaction (a retry): take the list first.
    const QList<Bekleyen> b = std::exchange(bekleyenler(), {});
    for (const Bekleyen &x : b)
        gonder(x.tur, x.metin, x.ust.data());
}

bool islemAcik() { return acikIslemler > 0; }

} // namespace VeriHatasi
