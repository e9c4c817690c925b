#include "hastalar/hastakodu.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

namespace HastaKodu {

namespace {

const QString KodVarMesaji = QStringLiteral(
    "Bu  Kod ile Kayıtlı Hasta Kartı Var. Hasta Kodu Değiştirirken Lütfen Farklı Bir Kod Kullanınız");

std::optional<int> say(const QString &tablo, const QString &kolon, const QString &kod, const QString &sirket,
                       bool sirketli)
{
    // Table and column names come from the schema description, never from the user.
    QString sql = QStringLiteral("select count(*) from %1 where %2 = ?").arg(tablo, kolon);
    QVariantList d{kod};
    if (sirketli) {
        sql += QStringLiteral(" and sirketkodu = ?");
        d << sirket;
    }
    auto v = Sorgu::tekDeger(sql, d);
    if (!v)
        return std::nullopt;
    return v->toInt();
}

// The tables a note's or document's EVRAKTURU points into.
struct EvrakTablosu
{
    const QString *tur;
    const char *tablo;
};
const EvrakTablosu evrakTablolari[] = {
    {&EvrakTuru::Muayene, "MUAYENE"},       {&EvrakTuru::Goz, "GOZHASTALIKLARI"},
    {&EvrakTuru::MuaLab, "MUAYENE_LAB"},    {&EvrakTuru::YIslem, "YAPILANISLEMLER"},
    {&EvrakTuru::Randevu, "RANDEVU"},       {&EvrakTuru::CHareket, "CARI_HAREKET"},
};

// The rows of column k that belong to the patient (record kayitno, code kod,
// company sirket): as a condition after "where" with its values. Rows of
// notes and documents are the patient's by what they are attached to,
// whatever their own company column holds (notes are written without one):
// the patient's card itself, or a record of the company that the row names.
QString aitKosulu(const KodKolonu &k, const QString &kod, const QString &sirket, qint64 kayitno, QVariantList *d)
{
    QString w = QStringLiteral("%1 = ?").arg(k.kolon);
    *d << kod;
    const Tablo *t = TabloBul(k.tablo);
    const bool evrakli = t && t->kolon(QStringLiteral("EVRAKKAYITNO")) && t->kolon(QStringLiteral("EVRAKTURU"));
    if (!k.sirketli)
        return w;
    if (!evrakli) {
        *d << sirket;
        return w + QStringLiteral(" and sirketkodu = ?");
    }
    QStringList ait{QStringLiteral("sirketkodu = ?"), QStringLiteral("(evrakturu = ? and evrakkayitno = ?)")};
    *d << sirket << EvrakTuru::Hasta << kayitno;
    for (const EvrakTablosu &e : evrakTablolari) {
        ait << QStringLiteral("(evrakturu = ? and exists (select 1 from %1 e where e.kayitno = %2.evrakkayitno "
                              "and e.sirketkodu = ?))")
                   .arg(QLatin1String(e.tablo), k.tablo);
        *d << *e.tur << sirket;
    }
    return w + QStringLiteral(" and (") + ait.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

std::optional<int> aitSayisi(const KodKolonu &k, const QString &kod, const QString &sirket, qint64 kayitno)
{
    QVariantList d;
    const QString w = aitKosulu(k, kod, sirket, kayitno, &d);
    auto v = Sorgu::tekDeger(QStringLiteral("select count(*) from %1 where ").arg(k.tablo) + w, d);
    if (!v)
        return std::nullopt;
    return v->toInt();
}

} // namespace

QString varsayilan(qint64 kayitno) { return kayitno > 0 ? QString::number(kayitno) : QString(); }

std::optional<int> kodSayisi(const QString &kod, const QString &sirket)
{
    return say(QStringLiteral("HASTALAR"), QStringLiteral("HASTAKODU"), kod.trimmed(), sirket, true);
}

std::optional<QString> soncarikodbul(const QString &onek, const QString &sirket)
{
    if (onek.isEmpty())
        return QString();
    auto v = Sorgu::tekDeger(
        QStringLiteral("select count(*) from HASTALAR where 1=1  and HASTAKODU like ? escape '!' "
                       "and sirketkodu = ?"),
        {QStringLiteral("%") + BenzerKacis(onek) + QStringLiteral("%"), sirket});
    if (!v)
        return std::nullopt;
    return onek + QString::number(v->toInt() + 1);
}

const QVector<KodKolonu> &kodKolonlari()
{
    static const QVector<KodKolonu> liste = [] {
        QVector<KodKolonu> l;
        for (const Tablo &t : Tablolar()) {
            for (const char *ad : {"HASTAKODU", "CARIKOD"}) {
                const Kolon *k = t.kolon(QLatin1String(ad));
                if (!k || k->tur != KolonTuru::Metin)
                    continue;
                // The firm register's CARIKOD is the firm's own code, not a patient's.
                if (t.ad == QLatin1String("FIRMALAR"))
                    continue;
                l.append({t.ad, k->ad, k->uzunluk, t.sirketli});
            }
        }
        return l;
    }();
    return liste;
}

bool degistir(qint64 kayitno, const QString &eskiKod, const QString &yeniKod, QWidget *ust)
{
    const QString eski = eskiKod.trimmed();
    const QString yeni = yeniKod.trimmed();
    const QString sirket = Oturum.sirketkodu;
    if (yeni.isEmpty()) {
        Mesaj::goster(QStringLiteral("Hasta Kod Boş Olamaz"), ust);
        return false;
    }
    auto var = kodSayisi(yeni, sirket);
    if (!var)
        return false;
    if (*var > 0) {
        Mesaj::goster(KodVarMesaji, ust);
        return false;
    }
    const Kolon *hk = TabloBul(QStringLiteral("HASTALAR"))->kolon(QStringLiteral("HASTAKODU"));
    if (hk && yeni.size() > hk->uzunluk) {
        Mesaj::goster(QStringLiteral("Hasta kodu en fazla %1 karakter olabilir.").arg(hk->uzunluk), ust);
        return false;
    }

    // Rows that carry the old code, per column; a narrower column holding rows
    // would cut the new code, and an account code shared with a staff member
    // cannot be told apart.
    bool hesapVar = false;
    for (const KodKolonu &k : kodKolonlari()) {
        if (k.tablo == QLatin1String("HASTALAR"))
            continue;
        auto n = aitSayisi(k, eski, sirket, kayitno);
        if (!n)
            return false;
        if (*n == 0)
            continue;
        if (k.kolon == QLatin1String("CARIKOD"))
            hesapVar = true;
        if (yeni.size() > k.uzunluk) {
            Mesaj::goster(QStringLiteral("Hastanın %1 tablosundaki kayıtları bu kodu taşıyor ve orada kod en fazla "
                                         "%2 karakter olabilir. Lütfen daha kısa bir kod giriniz.")
                              .arg(k.tablo)
                              .arg(k.uzunluk),
                          ust);
            return false;
        }
    }
    // The new code must not be an account already: a staff member's, a firm's,
    // or any account with movements or invoice lines. The patient's
    // movements would be mixed with that account's.
    struct Hesap { const char *tablo; const char *kolon; };
    static const Hesap hesaplar[] = {{"DOKTORLAR", "DOKTORKODU"}, {"FIRMALAR", "CARIKOD"},
                                     {"CARI_HAREKET", "CARIKOD"}, {"FATURAHAREKETI", "CARIKOD"}};
    for (const Hesap &h : hesaplar) {
        const Tablo *t = TabloBul(QLatin1String(h.tablo));
        if (!t)
            continue;
        auto n = say(t->ad, QLatin1String(h.kolon), yeni, sirket, t->sirketli);
        if (!n)
            return false;
        if (*n > 0) {
            Mesaj::goster(QStringLiteral("Bu kod bir cari hesabın kodu olarak kullanılıyor (%1). "
                                         "Hasta Kodu Değiştirirken Lütfen Farklı Bir Kod Kullanınız")
                              .arg(t->ad),
                          ust);
            return false;
        }
    }
    if (hesapVar) {
        // The old code shared with a staff member or a firm: whose movement
        // is whose cannot be told.
        for (const Hesap &h : {hesaplar[0], hesaplar[1]}) {
            const Tablo *t = TabloBul(QLatin1String(h.tablo));
            if (!t)
                continue;
            auto n = say(t->ad, QLatin1String(h.kolon), eski, sirket, t->sirketli);
            if (!n)
                return false;
            if (*n > 0) {
                Mesaj::goster(QStringLiteral("Bu hastanın kodu bir personelin ya da firmanın koduyla aynı; cari "
                                             "hareketleri birbirinden ayrılamadığı için hasta kodu değiştirilemez."),
                              ust);
                return false;
            }
        }
    }

    Islem islem;
    if (!islem.basladi()) {
        Mesaj::hata(QStringLiteral("Veritabanı işlemi başlatılamadı."), ust);
        return false;
    }
    QString hata;
    bool tamam = Sorgu::calistir(QStringLiteral("update HASTALAR set HASTAKODU = ? where KAYITNO = ?"),
                                 {yeni, kayitno}, QString(), &hata);
    for (const KodKolonu &k : kodKolonlari()) {
        if (!tamam)
            break;
        if (k.tablo == QLatin1String("HASTALAR"))
            continue;
        QVariantList d{yeni};
        const QString w = aitKosulu(k, eski, sirket, kayitno, &d);
        tamam = Sorgu::calistir(QStringLiteral("update %1 set %2 = ? where ").arg(k.tablo, k.kolon) + w, d,
                                QString(), &hata);
    }
    if (!tamam) {
        islem.geriAl();
        Mesaj::hata(hata, ust);
        return false;
    }
    return islem.onayla();
}

std::optional<QString> silmeEngeli(const QString &kod, const QString &sirket)
{
    struct Bagli { const char *tablo; const char *kolon; const char *ad; };
    static const Bagli bagliler[] = {
        {"MUAYENE", "HASTAKODU", "muayene"},
        {"GOZHASTALIKLARI", "HASTAKODU", "göz muayenesi"},
        {"RANDEVU", "HASTAKODU", "randevu"},
        {"MUAYENE_LAB", "HASTAKODU", "laboratuvar kaydı"},
        {"YAPILANISLEMLER", "HASTAKODU", "yapılan işlem"},
        {"CARI_HAREKET", "CARIKOD", "cari hareket"},
    };
    const QString k = kod.trimmed();
    if (k.isEmpty())
        return QString();
    QStringList parcalar;
    for (const Bagli &b : bagliler) {
        auto n = say(QLatin1String(b.tablo), QLatin1String(b.kolon), k, sirket, true);
        if (!n)
            return std::nullopt;
        if (*n > 0)
            parcalar << QStringLiteral("%1 %2").arg(*n).arg(QString::fromUtf8(b.ad));
    }
    if (parcalar.isEmpty())
        return QString();
    return QStringLiteral("Bu hasta silinemez. Hastanın kayıtları var: %1. "
                          "Önce bu kayıtları silmelisiniz.")
        .arg(parcalar.join(QStringLiteral(", ")));
}

} // namespace HastaKodu
