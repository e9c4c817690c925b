#include "randevu/randevusorgu.h"

#include "app/oturum.h"
#include "app/parametre.h"
#include "app/yetki.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

namespace RandevuSorgu {

bool SlotuTutar(const QString &muayeneOldumu) { return muayeneOldumu == Bekliyor; }

QDateTime SaatDegeri(const QTime &saat) { return QDateTime(QDate(1899, 12, 30), QTime(saat.hour(), saat.minute())); }

QString BaslangicKosulu(const QString &kolon, const QDate &gun)
{
    return QStringLiteral(" and ") + kolon + QStringLiteral(" >=") + SqlTarih(gun);
}

QString BitisKosulu(const QString &kolon, const QDate &gun)
{
    return QStringLiteral(" and ") + kolon + QStringLiteral(" <") + SqlTarih(gun.addDays(1));
}

QString GunKosulu(const QString &kolon, const QDate &gun)
{
    return BaslangicKosulu(kolon, gun) + BitisKosulu(kolon, gun);
}

QStringList OnAyarlar()
{
    return {QStringLiteral("TÜM BEKLEYEN RANDEVULAR"), QStringLiteral("HAFTALIK BEKLEYEN RANDEVULAR"),
            QStringLiteral("BUGÜNKÜ RANDEVULAR"),      QStringLiteral("GERÇEKLEŞEN RANDEVULAR"),
            QStringLiteral("İPTAL OLANLAR"),           QStringLiteral("GÜNÜ GEÇENLER")};
}

QString OnAyarKosulu(const QString &giris, const QDate &bugun)
{
    const QString tarih = QStringLiteral("RANDEVUTARIHI");
    auto durum = [](const QString &d) { return QStringLiteral(" and MUAYENEOLDUMU =") + SqlQuote(d); };
    const QStringList l = OnAyarlar();
    switch (l.indexOf(giris)) {
    case 0: return durum(Bekliyor);
    case 1: return BaslangicKosulu(tarih, bugun) + BitisKosulu(tarih, bugun.addDays(7)) + durum(Bekliyor);
    case 2: return GunKosulu(tarih, bugun) + durum(Bekliyor);
    case 3: return durum(Oldu);
    case 4: return durum(Iptal);
    case 5: return BitisKosulu(tarih, bugun) + durum(Bekliyor);
    default: return QString();
    }
}

QString SonucHastaDoktorKosulu(const Suzgec &s)
{
    QString k;
    if (!s.sonuc.trimmed().isEmpty())
        k += QStringLiteral(" and MUAYENEOLDUMU =") + SqlQuote(s.sonuc);
    if (!s.hasta.trimmed().isEmpty())
        k += QStringLiteral(" and HASTAKODU =") + SqlQuote(s.hasta);
    if (!s.doktor.trimmed().isEmpty())
        k += QStringLiteral(" and DOKTOR =") + SqlQuote(s.doktor);
    return k;
}

static QString aralik(const QString &kolon, const QDate &bas, const QDate &son)
{
    QString k;
    if (bas.isValid())
        k += BaslangicKosulu(kolon, bas);
    if (son.isValid())
        k += BitisKosulu(kolon, son);
    return k;
}

QString ListeleKosulu(const Suzgec &s)
{
    return aralik(QStringLiteral("RANDALMATARIHI"), s.kayit1, s.kayit2)
           + aralik(QStringLiteral("RANDEVUTARIHI"), s.randevu1, s.randevu2) + SonucHastaDoktorKosulu(s);
}

QString GunlukListeKosulu(const Suzgec &s, const QDate &bugun)
{
    Suzgec h = s;
    h.sonuc.clear();
    return GunKosulu(QStringLiteral("RANDEVUTARIHI"), bugun) + QStringLiteral(" and MUAYENEOLDUMU =")
           + SqlQuote(Bekliyor) + aralik(QStringLiteral("RANDALMATARIHI"), s.kayit1, s.kayit2)
           + SonucHastaDoktorKosulu(h);
}

QString YetkiDoktoru(const QString &parametre1, const QString &ozelyetki2, const QString &username)
{
    if (parametre1 == QLatin1String("E") && ozelyetki2 == QLatin1String("H"))
        return username;
    return QString();
}

QString YetkiKosulu(const QString &parametre1, const QString &ozelyetki2, const QString &username)
{
    if (parametre1 == QLatin1String("E") && ozelyetki2 == QLatin1String("H"))
        return QStringLiteral(" and DOKTOR =") + SqlQuote(username);
    return QString();
}

QString OturumYetkiDoktoru()
{
    QStringList p(13, QString());
    ParametreOku(QStringLiteral("RANDEVU"), p);
    const Yetkiler y = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("RANDEVU"), Oturum.sirketkodu);
    return YetkiDoktoru(p.at(0), y.OZELYETKI2, Oturum.username);
}

std::optional<int> SaattekiRandevular(const QString &sirket, const QString &doktor, const QDate &gun,
                                      const QTime &saat, qint64 haric)
{
    QString sql = QStringLiteral("select count(*) from randevu where sirketkodu = ? and randevutarihi >= ? "
                                 "and randevutarihi < ? and extract(hour from randevusaati) = ? "
                                 "and extract(minute from randevusaati) = ? and kayitno <> ?")
                  + SlotuTutanKosul;
    QVariantList d{sirket, QDateTime(gun, QTime(0, 0)), QDateTime(gun.addDays(1), QTime(0, 0)), saat.hour(),
                   saat.minute(), haric, SlotuTutanDeger()};
    if (!doktor.trimmed().isEmpty()) {
        sql += QStringLiteral(" and doktor = ?");
        d << doktor.trimmed();
    }
    const auto n = Sorgu::tekDeger(sql, d);
    if (!n)
        return std::nullopt;
    return n->toInt();
}

std::optional<QVariantMap> AyniAdliHasta(const QString &ad, const QString &sirket, bool *hata)
{
    if (hata)
        *hata = false;
    const auto s = Sorgu::sec(QStringLiteral("select first 1 * from hastalar where hastaadisoyadi = ? and "
                                             "sirketkodu = ? order by kayitno"),
                              {ad.trimmed(), sirket});
    if (!s) {
        if (hata)
            *hata = true;
        return std::nullopt;
    }
    if (s->satirlar.isEmpty())
        return std::nullopt;
    QVariantMap m;
    for (int i = 0; i < s->kolonlar.size(); ++i)
        m.insert(s->kolonlar.at(i), s->satirlar.first().at(i));
    return m;
}

std::optional<QString> OnerilenHastaKodu(const QString &sirket)
{
    const auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where sirketkodu = ?"), {sirket});
    if (!n)
        return std::nullopt;
    return QString::number(n->toLongLong() + 1);
}

std::optional<QString> HastaEkle(const YeniHasta &h, QString *hata)
{
    // The code is the record number; a number some patient already carries
    // as a typed code is skipped, so that no two patients share a code.
    std::optional<qint64> no;
    QString kod;
    for (int deneme = 0;; ++deneme) {
        no = Sorgu::uretec(QStringLiteral("OTOKOD_HASTALAR"), QString(), hata);
        if (!no)
            return std::nullopt;
        kod = QString::number(*no);
        const auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where hastakodu = ? and "
                                                      "sirketkodu = ?"),
                                       {kod, h.sirket}, QString(), hata);
        if (!n)
            return std::nullopt;
        if (n->toInt() == 0 || deneme >= 1000)
            break;
    }
    const QVariant bos(QMetaType::fromType<QString>());
    auto deger = [&bos](const QString &m) { return m.trimmed().isEmpty() ? bos : QVariant(m.trimmed()); };
    // New patients get their reminders switched off, as on the patient screen.
    if (!Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, ceptel, "
                                        "doktorkodu, doktoradi, kayittarihi, sirketkodu, hatuyari, "
                                        "hatirlatmadurumu2) values (?, ?, ?, ?, ?, ?, ?, ?, 'HAYIR', 'HAYIR')"),
                         {*no, kod, deger(h.ad), deger(h.ceptel), deger(h.doktorkodu), deger(h.doktoradi),
                          QDateTime(QDate::currentDate(), QTime(0, 0)), h.sirket},
                         QString(), hata))
        return std::nullopt;
    return kod;
}

std::optional<qint64> MuayeneKartiEkle(const QVariantMap &r, const QString &sirket)
{
    const auto no = Sorgu::uretec(QStringLiteral("OTOKOD_MUAYENE"));
    if (!no)
        return std::nullopt;
    auto d = [&r](const char *k) { return r.value(QLatin1String(k)); };
    const QDateTime tarih(d("RANDEVUTARIHI").toDateTime().date(), QTime(0, 0));
    if (!Sorgu::calistir(QStringLiteral("insert into muayene (kayitno, doktorkodu, doktoradi, muayenetarihi, "
                                        "hastakodu, hastaadisoyadi, hastaceptel, sirketkodu, sirano, bolum, brans, "
                                        "muayeneucreti, muayeneoldumu) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                        "'H')"),
                         {*no, d("DOKTOR"), d("DOKTORADI"), tarih, d("HASTAKODU"), d("HASTAADISOYADI"),
                          d("HASTACEPTEL"), sirket, d("KAYITNO"), d("BOLUM"), d("BRANS"),
                          d("MUAYENEUCRETI").isNull() ? QVariant(0.0) : d("MUAYENEUCRETI")}))
        return std::nullopt;
    return *no;
}

} // namespace RandevuSorgu
