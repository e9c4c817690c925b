#pragma once
// The data set's row buffer: windows of consecutive rows (Dilim), each with
// one compact store per column (numbers and dates as plain values with a
// null flag, texts as UTF-8 in one block), and the conversions between the
// driver's values and the stored kinds. Private to db/veriseti.cpp.
#include "db/sema.h"
#include "db/sorgu.h"

#include <QDateTime>
#include <QLocale>
#include <QPointer>
#include <QStringEncoder>
#include <QVariant>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace VeriSetiIc {

// Storage kinds of a buffer column.
enum class Depo { Tam, Ond, Zaman, Metin, Diger };

inline constexpr quint32 BOS_METIN = 0xFFFFFFFFu;

// A dialect-1 DATE is a timestamp without time zone: kept as milliseconds
// counted from the Julian day 0, so no local-time conversion ever happens.
inline constexpr qint64 GUN_MS = 86400000;

inline qint64 zamanKodla(const QDateTime &z)
{
    return z.date().toJulianDay() * GUN_MS + z.time().msecsSinceStartOfDay();
}

inline QDateTime zamanCoz(qint64 ms)
{
    const qint64 gun = ms / GUN_MS;
    return QDateTime(QDate::fromJulianDay(gun), QTime::fromMSecsSinceStartOfDay(int(ms - gun * GUN_MS)));
}

// One column of the buffer, stored compactly: numbers and dates as plain
// values with a null flag, texts as UTF-8 in one growing block per column.
struct Sutun
{
    QString ad;                  // upper case
    KolonTuru tur = KolonTuru::Metin;
    Depo depo = Depo::Metin;
    const Kolon *kolon = nullptr; // the table's column; null for extra select columns
    bool sonuctan = true;         // read by the select (false: a table column the select left out)
    bool sabitUzunluk = false;    // CHAR: trailing blanks are padding

    std::vector<qint64> tam;      // Tam, Zaman
    std::vector<double> ond;      // Ond
    std::vector<bool> bos;        // Tam, Ond, Zaman
    std::vector<quint32> bas;     // Metin: start in blok
    std::vector<quint32> uz;      // Metin: length in bytes, BOS_METIN for NULL
    QByteArray blok;
    qsizetype blokBoyu = 0;
    std::vector<QVariant> diger;  // Diger

    // The same column without rows.
    Sutun bosKopya() const
    {
        Sutun s;
        s.ad = ad;
        s.tur = tur;
        s.depo = depo;
        s.kolon = kolon;
        s.sonuctan = sonuctan;
        s.sabitUzunluk = sabitUzunluk;
        return s;
    }

    // Gives back what the doubling of the text block left unused.
    void sikistir()
    {
        if (depo == Depo::Metin && blok.size() > blokBoyu + blokBoyu / 8 + 4096) {
            blok.resize(blokBoyu);
            blok.squeeze();
        }
    }

    void metinEkle(const QString &s, bool null, QStringEncoder &enc)
    {
        if (null) {
            bas.push_back(0);
            uz.push_back(BOS_METIN);
            return;
        }
        const qsizetype gerek = enc.requiredSpace(s.size());
        if (blok.size() < blokBoyu + gerek)
            blok.resize(qMax<qsizetype>(blok.size() * 2, blokBoyu + gerek + 4096));
        char *bas0 = blok.data() + blokBoyu;
        char *son = enc.appendToBuffer(bas0, s);
        bas.push_back(quint32(blokBoyu));
        uz.push_back(quint32(son - bas0));
        blokBoyu += son - bas0;
    }

    // Appends one value; v must already be of the column's kind (or null).
    void ekle(const QVariant &v, QStringEncoder &enc)
    {
        const bool null = v.isNull();
        switch (depo) {
        case Depo::Tam:
            tam.push_back(null ? 0 : v.toLongLong());
            bos.push_back(null);
            break;
        case Depo::Ond:
            ond.push_back(null ? 0.0 : v.toDouble());
            bos.push_back(null);
            break;
        case Depo::Zaman:
            if (!null) {
                const QDateTime z = v.typeId() == QMetaType::QDate ? QDateTime(v.toDate(), QTime(0, 0))
                                                                    : v.toDateTime();
                if (z.isValid()) {
                    tam.push_back(zamanKodla(z));
                    bos.push_back(false);
                    break;
                }
            }
            tam.push_back(0);
            bos.push_back(true);
            break;
        case Depo::Metin:
            if (null) {
                metinEkle(QString(), true, enc);
            } else if (v.typeId() == QMetaType::QByteArray) {
                metinEkle(QString::fromUtf8(v.toByteArray()), false, enc);
            } else if (sabitUzunluk) {
                metinEkle(Sorgu::dolgusuz(v.toString()), false, enc);
            } else {
                metinEkle(v.toString(), false, enc);
            }
            break;
        case Depo::Diger:
            diger.push_back(v);
            break;
        }
    }

    bool bosMu(int i) const
    {
        switch (depo) {
        case Depo::Tam:
        case Depo::Ond:
        case Depo::Zaman:
            return bos[size_t(i)];
        case Depo::Metin:
            return uz[size_t(i)] == BOS_METIN;
        case Depo::Diger:
            return diger[size_t(i)].isNull();
        }
        return true;
    }

    QString metinAl(int i) const
    {
        const quint32 u = uz[size_t(i)];
        if (u == BOS_METIN)
            return QString();
        if (u == 0)
            return QString(QLatin1String(""));
        return QString::fromUtf8(blok.constData() + bas[size_t(i)], qsizetype(u));
    }

    QVariant al(int i) const
    {
        switch (depo) {
        case Depo::Tam:
            return bos[size_t(i)] ? QVariant() : QVariant(qlonglong(tam[size_t(i)]));
        case Depo::Ond:
            return bos[size_t(i)] ? QVariant() : QVariant(ond[size_t(i)]);
        case Depo::Zaman:
            return bos[size_t(i)] ? QVariant() : QVariant(zamanCoz(tam[size_t(i)]));
        case Depo::Metin:
            return uz[size_t(i)] == BOS_METIN ? QVariant() : QVariant(metinAl(i));
        case Depo::Diger:
            return diger[size_t(i)];
        }
        return QVariant();
    }

    // Appends row i of another window's same column as it is stored.
    void ekleKopya(const Sutun &k, int i)
    {
        const size_t j = size_t(i);
        switch (depo) {
        case Depo::Tam:
        case Depo::Zaman:
            tam.push_back(k.tam[j]);
            bos.push_back(k.bos[j]);
            break;
        case Depo::Ond:
            ond.push_back(k.ond[j]);
            bos.push_back(k.bos[j]);
            break;
        case Depo::Metin: {
            const quint32 u = k.uz[j];
            if (u == BOS_METIN) {
                bas.push_back(0);
                uz.push_back(BOS_METIN);
                break;
            }
            if (blok.size() < blokBoyu + qsizetype(u))
                blok.resize(qMax<qsizetype>(blok.size() * 2, blokBoyu + qsizetype(u) + 4096));
            if (u > 0)
                memcpy(blok.data() + blokBoyu, k.blok.constData() + k.bas[j], u);
            bas.push_back(quint32(blokBoyu));
            uz.push_back(u);
            blokBoyu += qsizetype(u);
            break;
        }
        case Depo::Diger:
            diger.push_back(k.diger[j]);
            break;
        }
    }

    // Replaces a value (v already of the column's kind).
    void ayarla(int i, const QVariant &v, QStringEncoder &enc)
    {
        const size_t k = size_t(i);
        const bool null = v.isNull();
        switch (depo) {
        case Depo::Tam:
            tam[k] = null ? 0 : v.toLongLong();
            bos[k] = null;
            break;
        case Depo::Ond:
            ond[k] = null ? 0.0 : v.toDouble();
            bos[k] = null;
            break;
        case Depo::Zaman:
            if (null) {
                tam[k] = 0;
                bos[k] = true;
            } else {
                tam[k] = zamanKodla(v.toDateTime());
                bos[k] = false;
            }
            break;
        case Depo::Metin: {
            // The old text stays unused in the block; a reload compacts it.
            metinEkle(null ? QString() : v.toString(), null, enc);
            bas[k] = bas.back();
            uz[k] = uz.back();
            bas.pop_back();
            uz.pop_back();
            break;
        }
        case Depo::Diger:
            diger[k] = v;
            break;
        }
    }

    void sil(int i)
    {
        const auto k = std::ptrdiff_t(i);
        switch (depo) {
        case Depo::Tam:
        case Depo::Zaman:
            tam.erase(tam.begin() + k);
            bos.erase(bos.begin() + k);
            break;
        case Depo::Ond:
            ond.erase(ond.begin() + k);
            bos.erase(bos.begin() + k);
            break;
        case Depo::Metin:
            bas.erase(bas.begin() + k);
            uz.erase(uz.begin() + k);
            break;
        case Depo::Diger:
            diger.erase(diger.begin() + k);
            break;
        }
    }

    void ayir(size_t n)
    {
        switch (depo) {
        case Depo::Tam:
        case Depo::Zaman:
            tam.reserve(n);
            bos.reserve(n);
            break;
        case Depo::Ond:
            ond.reserve(n);
            bos.reserve(n);
            break;
        case Depo::Metin:
            bas.reserve(n);
            uz.reserve(n);
            break;
        case Depo::Diger:
            diger.reserve(n);
            break;
        }
    }
};

inline Depo depoTuru(KolonTuru t)
{
    switch (t) {
    case KolonTuru::Tamsayi:
        return Depo::Tam;
    case KolonTuru::Ondalik:
        return Depo::Ond;
    case KolonTuru::Tarih:
        return Depo::Zaman;
    case KolonTuru::Metin:
    case KolonTuru::UzunMetin:
        return Depo::Metin;
    }
    return Depo::Diger;
}

// Kind of an extra select column from the driver's field type.
inline bool sonucTuru(QMetaType::Type t, KolonTuru *tur, Depo *depo)
{
    switch (t) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        *tur = KolonTuru::Tamsayi;
        *depo = Depo::Tam;
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        *tur = KolonTuru::Ondalik;
        *depo = Depo::Ond;
        return true;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        *tur = KolonTuru::Tarih;
        *depo = Depo::Zaman;
        return true;
    case QMetaType::QString:
        *tur = KolonTuru::Metin;
        *depo = Depo::Metin;
        return true;
    default:
        *tur = KolonTuru::Metin;
        *depo = Depo::Diger;
        return false;
    }
}

inline QVariant bosDeger(KolonTuru t)
{
    switch (t) {
    case KolonTuru::Tamsayi:
        return QVariant(QMetaType::fromType<qlonglong>());
    case KolonTuru::Ondalik:
        return QVariant(QMetaType::fromType<double>());
    case KolonTuru::Tarih:
        return QVariant(QMetaType::fromType<QDateTime>());
    case KolonTuru::Metin:
    case KolonTuru::UzunMetin:
        return QVariant(QMetaType::fromType<QString>());
    }
    return QVariant();
}

inline bool sayiOku(const QString &metin, double *sonuc)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    const QString s = metin.trimmed();
    bool tamam = false;
    double d = tr.toDouble(s, &tamam);
    if (!tamam)
        d = QLocale::c().toDouble(s, &tamam);
    if (tamam && std::isfinite(d)) {
        *sonuc = d;
        return true;
    }
    return false;
}

inline const Tablo &bosTablo()
{
    static const Tablo t;
    return t;
}

// Consecutive rows of the data set from row bas on: one window as read,
// grown by rows the program added at its end (yerel of them, never read
// from the database, so never dropped from the buffer).
struct Dilim
{
    int bas = 0;
    int adet = 0;
    int yerel = 0;
    quint64 kullanim = 0;          // when last used, for dropping the least recently used
    std::vector<Sutun> sutunlar;

    explicit Dilim(const std::vector<Sutun> &kalip)
    {
        sutunlar.reserve(kalip.size());
        for (const Sutun &s : kalip)
            sutunlar.push_back(s.bosKopya());
    }
    int son() const { return bas + adet; }
    bool veritabanindan(int i) const { return i < adet - yerel; } // (i counted from bas)
};

struct Kontrol
{
    QPointer<QObject> sahip;
    std::function<bool()> islev;
};

} // namespace VeriSetiIc
