#include "randevu/gunplani.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "randevu/randevusorgu.h"

#include <QHash>
#include <QRegularExpression>

namespace GunPlani {

namespace {

// "hh:nn" (also "h:nn") or a plain hour ("9", "12") as minutes of the day;
// -1 otherwise. 24:00 (the end of the day) only where gunSonu allows it.
int dakikaOku(const QString &metin, bool gunSonu)
{
    static const QRegularExpression d(QStringLiteral("^\\s*(\\d{1,2})(?::(\\d{2}))?\\s*$"));
    const auto m = d.match(metin);
    if (!m.hasMatch())
        return -1;
    const int saat = m.captured(1).toInt();
    const int dakika = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    if (dakika > 59 || saat > 24 || (saat == 24 && (dakika != 0 || !gunSonu)))
        return -1;
    return saat * 60 + dakika;
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
    const int bas = dakikaOku(ayar.baslangic, false);
    if (bas < 0)
        return red(QStringLiteral("Günlük programın başlangıç saati (RANDEVU parametresi 8) \"%1\" geçerli bir "
                                  "saat değil. SS:DD biçiminde yazınız (örnek: 09:00).")
                       .arg(ayar.baslangic));
    const int son = dakikaOku(ayar.bitis, true);
    if (son < 0)
        return red(QStringLiteral("Günlük programın bitiş saati (RANDEVU parametresi 9) \"%1\" geçerli bir saat "
                                  "değil. SS:DD biçiminde yazınız (örnek: 17:00).")
                       .arg(ayar.bitis));
    bool sayiMi = false;
    const int n = ayar.saattekiSayi.trimmed().toInt(&sayiMi);
    if (!sayiMi || n <= 0 || n > 60)
        return red(QStringLiteral("Bir saatteki randevu sayısı (RANDEVU parametresi 10) \"%1\" geçerli değil. "
                                  "1 ile 60 arasında bir tam sayı yazınız.")
                       .arg(ayar.saattekiSayi));
    if (son <= bas)
        return red(QStringLiteral("Günlük programın bitiş saati (%1) başlangıç saatinden (%2) sonra olmalı.")
                       .arg(ayar.bitis.trimmed(), ayar.baslangic.trimmed()));
    QVector<QTime> s;
    for (int i = 0;; ++i) {
        // Whole minutes: i x 60 / n rounded, never a time like 09:19:59.999.
        const int dakika = bas + (i * 60 + n / 2) / n;
        if (dakika >= son)
            break; // the end is when the last slot is over
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
        if (!RandevuSorgu::SlotuTutar(r.durum) || !r.saat.isValid())
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

Sonuc Olustur(const Ayar &ayar, const QDate &gun, const QString &sirket, const QString &doktor,
              const QString &yetkiDoktoru)
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
                  + QStringLiteral(" from randevu where sirketkodu = ? and randevutarihi >= ? and randevutarihi < ?")
                  + RandevuSorgu::SlotuTutanKosul;
    QVariantList d{sirket, QDateTime(gun, QTime(0, 0)), QDateTime(gun.addDays(1), QTime(0, 0)),
                   RandevuSorgu::SlotuTutanDeger()};
    if (!doktor.trimmed().isEmpty()) {
        sql += QStringLiteral(" and doktor = ?");
        d << doktor.trimmed();
    }
    if (!yetkiDoktoru.isEmpty()) {
        sql += QStringLiteral(" and doktor = ?");
        d << yetkiDoktoru;
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
