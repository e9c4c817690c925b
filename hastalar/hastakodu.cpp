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
        auto n = say(k.tablo, k.kolon, eski, sirket, k.sirketli);
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
    auto personelYeni = say(QStringLiteral("DOKTORLAR"), QStringLiteral("DOKTORKODU"), yeni, sirket, true);
    if (!personelYeni)
        return false;
    if (*personelYeni > 0) {
        Mesaj::goster(QStringLiteral("Bu kod bir personelin cari hesap kodu olarak kullanılıyor. "
                                     "Hasta Kodu Değiştirirken Lütfen Farklı Bir Kod Kullanınız"),
                      ust);
        return false;
    }
    if (hesapVar) {
        auto personelEski = say(QStringLiteral("DOKTORLAR"), QStringLiteral("DOKTORKODU"), eski, sirket, true);
        if (!personelEski)
            return false;
        if (*personelEski > 0) {
            Mesaj::goster(QStringLiteral("Bu hastanın kodu bir personelin koduyla aynı; ikisinin cari hareketleri "
                                         "birbirinden ayrılamadığı için hasta kodu değiştirilemez."),
                          ust);
            return false;
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
        QString sql = QStringLiteral("update %1 set %2 = ? where %2 = ?").arg(k.tablo, k.kolon);
        QVariantList d{yeni, eski};
        if (k.sirketli) {
            sql += QStringLiteral(" and sirketkodu = ?");
            d << sirket;
        }
        tamam = Sorgu::calistir(sql, d, QString(), &hata);
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
