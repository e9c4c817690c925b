#include "randevu/gunplani.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "randevu/randevusorgu.h"

#include <QHash>
#include <QRegularExpression>

namespace GunPlani {

namespace {

// "hh:nn" (also "h:nn"); invalid otherwise.
QTime saatOku(const QString &metin)
{
    static const QRegularExpression d(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})\\s*$"));
    const auto m = d.match(metin);
    if (!m.hasMatch())
        return QTime();
    return QTime(m.captured(1).toInt(), m.captured(2).toInt());
}

} // namespace

QVector<QTime> Saatler(const Ayar &ayar, QString *hata)
{
    auto red = [hata](const QString &m) {
        if (hata)
            *hata = m;
        return QVector<QTime>();
    };
    if (hata)
        hata->clear();
    const QTime bas = saatOku(ayar.baslangic);
    if (!bas.isValid())
        return red(QStringLiteral("Günlük programın başlangıç saati (RANDEVU parametresi 8) \"%1\" geçerli bir "
                                  "saat değil. SS:DD biçiminde yazınız (örnek: 09:00).")
                       .arg(ayar.baslangic));
    const QTime son = saatOku(ayar.bitis);
    if (!son.isValid() && !(ayar.bitis.trimmed().startsWith(QLatin1String("24"))
                            && saatOku(QStringLiteral("00") + ayar.bitis.trimmed().mid(2)).isValid()))
        return red(QStringLiteral("Günlük programın bitiş saati (RANDEVU parametresi 9) \"%1\" geçerli bir saat "
                                  "değil. SS:DD biçiminde yazınız (örnek: 17:00).")
                       .arg(ayar.bitis));
    const int bitisSaati = son.isValid() ? son.hour() : 24;
    bool sayiMi = false;
    const int n = ayar.saattekiSayi.trimmed().toInt(&sayiMi);
    if (!sayiMi || n <= 0 || n > 60)
        return red(QStringLiteral("Bir saatteki randevu sayısı (RANDEVU parametresi 10) \"%1\" geçerli değil. "
                                  "1 ile 60 arasında bir tam sayı yazınız.")
                       .arg(ayar.saattekiSayi));
    const int adet = (bitisSaati - bas.hour()) * n;
    if (adet <= 0)
        return red(QStringLiteral("Günlük programın bitiş saati (%1) başlangıç saatinden (%2) sonra olmalı.")
                       .arg(ayar.bitis.trimmed(), ayar.baslangic.trimmed()));
    QVector<QTime> s;
    s.reserve(adet);
    const int basDakika = bas.hour() * 60 + bas.minute();
    for (int i = 0; i < adet; ++i) {
        // Whole minutes: i x 60 / n rounded, never a time like 09:19:59.999.
        const int dakika = basDakika + (i * 60 + n / 2) / n;
        if (dakika >= 24 * 60)
            break; // the day ends at midnight
        s << QTime(dakika / 60, dakika % 60);
    }
    return s;
}

QString Kolon(const Ayar &ayar, QString *hata)
{
    if (hata)
        hata->clear();
    const QString k = ayar.kolon.trimmed().toUpper();
    if (k.isEmpty())
        return QStringLiteral("DOKTORADI");
    const Tablo *t = TabloBul(QStringLiteral("RANDEVU"));
    if (!t || !t->kolon(k)) {
        if (hata)
            *hata = QStringLiteral("Günlük programın üçüncü sütunu (RANDEVU parametresi 11) \"%1\" randevu "
                                   "tablosunda bir sütun değil.")
                        .arg(ayar.kolon.trimmed());
        return QString();
    }
    return k;
}

QVector<Satir> Doldur(const QVector<QTime> &saatler, const QVector<Randevu> &randevular)
{
    QVector<Satir> satirlar;
    satirlar.reserve(saatler.size());
    QHash<int, int> yer; // minute of the day -> row
    for (const QTime &s : saatler) {
        yer.insert(s.hour() * 60 + s.minute(), int(satirlar.size()));
        satirlar.append(Satir{s, {}, {}, 0});
    }
    for (const Randevu &r : randevular) {
        if (r.durum != RandevuSorgu::Bekliyor || !r.saat.isValid())
            continue;
        const auto i = yer.constFind(r.saat.hour() * 60 + r.saat.minute());
        if (i == yer.cend())
            continue;
        Satir &s = satirlar[*i];
        if (s.randevuNo != 0 && s.randevuNo < r.kayitno)
            continue;
        s.hastaAdi = r.hastaAdi;
        s.aciklama = r.aciklama;
        s.randevuNo = r.kayitno;
    }
    return satirlar;
}

Sonuc Olustur(const Ayar &ayar, const QDate &gun, const QString &sirket, const QString &doktor)
{
    Sonuc sonuc;
    const QVector<QTime> saatler = Saatler(ayar, &sonuc.hata);
    if (!sonuc.hata.isEmpty())
        return sonuc;
    sonuc.kolon = Kolon(ayar, &sonuc.hata);
    if (!sonuc.hata.isEmpty())
        return sonuc;
    // The day's waiting appointments, in one select.
    QString sql = QStringLiteral("select kayitno, randevusaati, muayeneoldumu, hastaadisoyadi, ") + sonuc.kolon
                  + QStringLiteral(" from randevu where sirketkodu = ? and randevutarihi >= ? and randevutarihi < ? "
                                   "and muayeneoldumu = ?");
    QVariantList d{sirket, QDateTime(gun, QTime(0, 0)), QDateTime(gun.addDays(1), QTime(0, 0)),
                   RandevuSorgu::Bekliyor};
    if (!doktor.trimmed().isEmpty()) {
        sql += QStringLiteral(" and doktor = ?");
        d << doktor.trimmed();
    }
    // No order: Doldur keeps the lowest KAYITNO of a slot itself, and an
    // order by key would walk the whole key index of a large book.
    ++sonuc.sorguSayisi;
    const auto s = Sorgu::sec(sql, d);
    if (!s) {
        sonuc.vtHatasi = true;
        sonuc.satirlar = Doldur(saatler, {});
        return sonuc;
    }
    QVector<Randevu> r;
    r.reserve(s->satirlar.size());
    for (const QVariantList &x : s->satirlar) {
        QVariant aciklama = x.at(4);
        QString a = aciklama.toString();
        if (aciklama.metaType().id() == QMetaType::QDateTime)
            a = aciklama.toDateTime().toString(QStringLiteral("dd.MM.yyyy"));
        r.append(Randevu{x.at(0).toLongLong(), x.at(1).toDateTime().time(), x.at(2).toString(), x.at(3).toString(),
                         a});
    }
    sonuc.satirlar = Doldur(saatler, r);
    return sonuc;
}

} // namespace GunPlani
