#include "db/sorgu.h"

#include "db/hata.h"
#include "db/baglanti.h"
#include "db/win1254.h"

#include <QHash>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <ibase.h>

namespace {

QString baglantiAdi(const QString &ad) { return ad.isEmpty() ? Baglanti::Paylasilan : ad; }

// Connections on which an Islem is open; true once a joined Islem ended
// without onayla (the whole change must then be rolled back).
QHash<QString, bool> &aciklar()
{
    static QHash<QString, bool> s;
    return s;
}

void hataBildir(const QString &metin, QString *hata)
{
    if (hata)
        *hata = metin;
    else
        VeriHatasi::hata(metin);
}

QString hataMetni(const QSqlError &e) { return VeriHatasi::metin(e); }

// A text the database's character set cannot hold is refused here with a
// Turkish message, before the client would answer with its own.
bool metinlerTasinabilir(const QString &sql, const QVariantList &degerler, QString *hata)
{
    QString yabanci = Win1254::disindakiler(sql);
    for (const QVariant &v : degerler)
        if (v.typeId() == QMetaType::QString)
            yabanci += Win1254::disindakiler(v.toString());
    if (yabanci.isEmpty())
        return true;
    hataBildir(Win1254::uyari(Win1254::disindakiler(yabanci)), hata);
    return false;
}

bool hazirlaVeCalistir(QSqlQuery &q, const QString &sql, const QVariantList &degerler, QString *hata)
{
    if (!metinlerTasinabilir(sql, degerler, hata))
        return false;
    q.setForwardOnly(true);
    bool tamam;
    if (degerler.isEmpty()) {
        tamam = q.exec(sql);
    } else {
        tamam = q.prepare(sql);
        if (tamam) {
            for (const QVariant &v : degerler)
                q.addBindValue(v);
            tamam = q.exec();
        }
    }
    if (!tamam)
        hataBildir(hataMetni(q.lastError()), hata);
    return tamam;
}

} // namespace

namespace Sorgu {

// The client's type code of CHAR(n) (SQL_TEXT), as the driver reports it.
bool sabitUzunluk(const QSqlField &alan) { return alan.typeID() == 452; }

QString dolgusuz(const QString &metin)
{
    qsizetype n = metin.size();
    while (n > 0 && metin.at(n - 1) == QLatin1Char(' '))
        --n;
    return n == metin.size() ? metin : metin.left(n);
}

int Sonuc::kolonSirasi(const QString &ad) const
{
    for (int i = 0; i < kolonlar.size(); ++i)
        if (kolonlar.at(i).compare(ad, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Sonuc::deger(int satir, const QString &kolon) const
{
    const int k = kolonSirasi(kolon);
    if (k < 0 || satir < 0 || satir >= satirlar.size())
        return QVariant();
    return satirlar.at(satir).at(k);
}

bool calistir(const QString &sql, const QVariantList &degerler, const QString &baglanti, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglantiAdi(baglanti));
    if (!db.isOpen()) {
        hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
        return false;
    }
    QSqlQuery q(db);
    const bool tamam = hazirlaVeCalistir(q, sql, degerler, hata);
    q.finish();
    return tamam;
}

std::optional<Sonuc> sec(const QString &sql, const QVariantList &degerler, const QString &baglanti, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglantiAdi(baglanti));
    if (!db.isOpen()) {
        hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
        return std::nullopt;
    }
    QSqlQuery q(db);
    if (!hazirlaVeCalistir(q, sql, degerler, hata))
        return std::nullopt;
    return satirlariOku(q, hata);
}

std::optional<Sonuc> satirlariOku(QSqlQuery &q, QString *hata)
{
    Sonuc s;
    // A statement without a result set (an update, an execute block without
    // output columns, which the driver still calls a select) has no rows to
    // read: the driver must not be asked for any.
    if (!q.isSelect() || q.record().isEmpty()) {
        q.finish();
        return s;
    }
    const QSqlRecord r = q.record();
    const int n = r.count();
    QVector<bool> sabit(n, false);
    for (int i = 0; i < n; ++i) {
        s.kolonlar << r.fieldName(i).toUpper();
        sabit[i] = sabitUzunluk(r.field(i));
    }
    while (q.next()) {
        QVariantList satir;
        satir.reserve(n);
        for (int i = 0; i < n; ++i) {
            QVariant v = q.value(i);
            if (sabit[i] && v.typeId() == QMetaType::QString && !v.isNull())
                v = QVariant(dolgusuz(v.toString()));
            satir << v;
        }
        s.satirlar << std::move(satir);
    }
    if (q.lastError().isValid()) {
        hataBildir(hataMetni(q.lastError()), hata);
        return std::nullopt;
    }
    q.finish();
    return s;
}

bool okumaMetniMi(const QString &sql)
{
    // Skips blanks and comments, then wants SELECT or WITH as the first word.
    int i = 0;
    const int n = int(sql.size());
    for (;;) {
        while (i < n && sql.at(i).isSpace())
            ++i;
        if (sql.mid(i, 2) == QLatin1String("--")) {
            const int son = int(sql.indexOf(QLatin1Char('\n'), i));
            i = son < 0 ? n : son + 1;
        } else if (sql.mid(i, 2) == QLatin1String("/*")) {
            const int son = int(sql.indexOf(QLatin1String("*/"), i + 2));
            i = son < 0 ? n : son + 2;
        } else {
            break;
        }
    }
    int j = i;
    while (j < n && sql.at(j).isLetter())
        ++j;
    const QString kelime = sql.mid(i, j - i).toUpper();
    return kelime == QLatin1String("SELECT") || kelime == QLatin1String("WITH");
}

std::optional<Sonuc> oku(const QString &sql, const QString &baglanti, QString *hata)
{
    const QString reddedildi = QStringLiteral(
        "Yalnız okuyan bir sorgu (SELECT) çalıştırılabilir; veriyi değiştiren komutlar burada çalıştırılmaz.");
    if (!okumaMetniMi(sql)) {
        hataBildir(reddedildi, hata);
        return std::nullopt;
    }
    if (!metinlerTasinabilir(sql, {}, hata))
        return std::nullopt;
    QSqlDatabase db = Baglanti::vt(baglantiAdi(baglanti));
    if (!db.isOpen()) {
        hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
        return std::nullopt;
    }
    // Whatever the statement turns out to do (a selectable procedure may
    // write), its transaction is rolled back: nothing it did is kept.
    if (Islem::acikMi(baglanti)) {
        hataBildir(QStringLiteral("Kaydedilmemiş bir değişiklik sürerken sorgu çalıştırılamaz."), hata);
        return std::nullopt;
    }
    if (!db.transaction()) {
        hataBildir(QStringLiteral("Sorgu için işlem başlatılamadı: ") + hataMetni(db.lastError()), hata);
        return std::nullopt;
    }
    std::optional<Sonuc> sonuc;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            hataBildir(hataMetni(q.lastError()), hata);
        } else if (!q.isSelect()) {
            hataBildir(reddedildi, hata);
        } else if (!q.exec()) {
            hataBildir(hataMetni(q.lastError()), hata);
        } else {
            sonuc = satirlariOku(q, hata);
        }
        q.finish();
    }
    db.rollback();
    return sonuc;
}

std::optional<QString> plan(const QString &sql, const QString &baglanti, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglantiAdi(baglanti));
    if (!db.isOpen()) {
        hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
        return std::nullopt;
    }
    QSqlQuery q(db);
    if (!q.prepare(sql)) {
        hataBildir(hataMetni(q.lastError()), hata);
        return std::nullopt;
    }
    // Qt's Firebird driver hands out the statement handle; the plan is a
    // statement information item of the client library.
    // (The variant holds the handle's value, an integer the client maps.)
    const QVariant tutamak = q.result()->handle();
    isc_stmt_handle stmt = 0;
    if (tutamak.isValid() && tutamak.metaType().sizeOf() == int(sizeof(isc_stmt_handle)))
        stmt = *static_cast<const isc_stmt_handle *>(tutamak.constData());
    if (!stmt) {
        hataBildir(QStringLiteral("Sorgunun planı okunamadı."), hata);
        return std::nullopt;
    }
    ISC_STATUS_ARRAY durum = {};
    const char istek[] = {isc_info_sql_get_plan};
    QByteArray tampon(32768, '\0');
    if (isc_dsql_sql_info(durum, &stmt, sizeof(istek), istek, short(tampon.size()), tampon.data())
        || tampon.at(0) != isc_info_sql_get_plan) {
        hataBildir(QStringLiteral("Sorgunun planı okunamadı."), hata);
        return std::nullopt;
    }
    const int uzunluk = int(isc_vax_integer(tampon.constData() + 1, 2));
    q.finish();
    return QString::fromUtf8(tampon.mid(3, uzunluk)).trimmed();
}

std::optional<QVariant> tekDeger(const QString &sql, const QVariantList &degerler, const QString &baglanti,
                                 QString *hata)
{
    auto s = sec(sql, degerler, baglanti, hata);
    if (!s)
        return std::nullopt;
    if (s->satirlar.isEmpty() || s->kolonlar.isEmpty())
        return QVariant();
    return s->satirlar.first().first();
}

std::optional<qint64> uretec(const QString &ad, const QString &baglanti, QString *hata)
{
    // Generator names come from the schema description, never from the user.
    auto d = tekDeger(QStringLiteral("select gen_id(%1, 1) from rdb$database").arg(ad), {}, baglanti, hata);
    if (!d)
        return std::nullopt;
    return d->toLongLong();
}

} // namespace Sorgu

Islem::Islem(const QString &baglanti)
    : m_baglanti(baglantiAdi(baglanti))
{
    if (aciklar().contains(m_baglanti)) {
        m_katilimci = true;
        return;
    }
    QSqlDatabase db = Baglanti::vt(m_baglanti);
    if (db.isOpen() && db.transaction()) {
        m_basladi = true;
        aciklar().insert(m_baglanti, false);
    }
}

Islem::~Islem()
{
    if ((m_basladi || m_katilimci) && !m_bitti)
        geriAl();
}

bool Islem::onayla(QString *hata)
{
    if (m_katilimci && !m_bitti) {
        m_bitti = true;
        return !aciklar().value(m_baglanti, true);
    }
    if (!m_basladi || m_bitti)
        return false;
    QSqlDatabase db = Baglanti::vt(m_baglanti);
    m_bitti = true;
    const bool bozuk = aciklar().value(m_baglanti, false);
    aciklar().remove(m_baglanti);
    if (bozuk) {
        db.rollback();
        hataBildir(QStringLiteral("İşlemin bir bölümü tamamlanamadığı için yapılan değişikliklerin hepsi geri alındı."),
                   hata);
        return false;
    }
    if (!db.commit()) {
        hataBildir(hataMetni(db.lastError()), hata);
        db.rollback();
        return false;
    }
    return true;
}

void Islem::geriAl()
{
    if (m_katilimci && !m_bitti) {
        m_bitti = true;
        auto it = aciklar().find(m_baglanti);
        if (it != aciklar().end())
            *it = true;
        return;
    }
    if (!m_basladi || m_bitti)
        return;
    m_bitti = true;
    aciklar().remove(m_baglanti);
    Baglanti::vt(m_baglanti).rollback();
}

bool Islem::acikMi(const QString &baglanti) { return aciklar().contains(baglantiAdi(baglanti)); }
