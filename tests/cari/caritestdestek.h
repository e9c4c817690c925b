#pragma once
// Seeding for the account tests: patients, staff, ledger rows (examination
// postings written directly, as the posting engine writes them), the
// screen parameters and rights of "CARI HAREKET".
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

#include <QApplication>
#include <QWidget>
#include <QDate>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <functional>

namespace CariTest {

inline qint64 hastaEkle(const QString &kod, const QString &ad, const QString &doktor = QString())
{
    auto no = Sorgu::uretec(QStringLiteral("OTOKOD_HASTALAR"));
    if (!no)
        return 0;
    return Sorgu::calistir(QStringLiteral("insert into HASTALAR (KAYITNO, HASTAKODU, HASTAADISOYADI, DOKTORADI, "
                                          "SIRKETKODU) values (?, ?, ?, ?, ?)"),
                           {*no, kod, ad, doktor.isEmpty() ? QVariant() : QVariant(doktor), Oturum.sirketkodu})
               ? *no
               : 0;
}

inline qint64 doktorEkle(const QString &kod, const QString &ad)
{
    auto no = Sorgu::uretec(QStringLiteral("OTOKOD_DOKTORLAR"));
    if (!no)
        return 0;
    return Sorgu::calistir(QStringLiteral("insert into DOKTORLAR (KAYITNO, DOKTORKODU, DOKTORADISOYADI, CALISIYORMU, "
                                          "SIRKETKODU) values (?, ?, ?, 'EVET', ?)"),
                           {*no, kod, ad, Oturum.sirketkodu})
               ? *no
               : 0;
}

struct Hareket
{
    QString kod;
    QString unvan;
    double borc = 0;
    double alacak = 0;
    QString paraBirimi = QStringLiteral("YTL");
    QDate tarih = QDate::currentDate();
    QDate vade = QDate::currentDate();
    QString islemTuru = QStringLiteral("NAKIT");
    QString aciklama;
    QString evrakCinsi;       // "MYNE", "DR" … for postings
    qint64 evrakKayitNo = 0;
    QString sirket;           // empty: the login company
};

// A ledger row; returns its KAYITNO (0 on failure).
inline qint64 hareketEkle(const Hareket &h)
{
    auto no = Sorgu::uretec(QStringLiteral("AUTOINCCARIHAREKET"));
    if (!no)
        return 0;
    const bool ok = Sorgu::calistir(
        QStringLiteral("insert into CARI_HAREKET (KAYITNO, CARIKOD, CARIUNVAN, EVRAKNO, ISLEMTARIHI, ISLEMTURU, "
                       "ACIKLAMA, BORC, ALACAK, VADETARIHI, EVRAKKAYITNO, EVRAKCINSI, SIRKETKODU, KULLANICI, "
                       "PARABIRIMI) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {*no, h.kod, h.unvan,
         h.evrakKayitNo ? QVariant(QStringLiteral("M-%1").arg(h.evrakKayitNo)) : QVariant(),
         QDateTime(h.tarih, QTime(0, 0)), h.islemTuru, h.aciklama.isEmpty() ? QVariant() : QVariant(h.aciklama),
         h.borc, h.alacak, QDateTime(h.vade, QTime(0, 0)),
         h.evrakKayitNo ? QVariant(double(h.evrakKayitNo)) : QVariant(),
         h.evrakCinsi.isEmpty() ? QVariant() : QVariant(h.evrakCinsi),
         h.sirket.isEmpty() ? Oturum.sirketkodu : h.sirket, QStringLiteral("VELMOR"), h.paraBirimi});
    return ok ? *no : 0;
}

// An examination fee posting on a patient's account, as the posting engine writes it.
inline qint64 muayeneUcreti(const QString &kod, const QString &ad, double tutar, qint64 muayeneNo,
                            const QDate &tarih = QDate::currentDate())
{
    Hareket h;
    h.kod = kod;
    h.unvan = ad;
    h.borc = tutar;
    h.tarih = h.vade = tarih;
    h.islemTuru = QStringLiteral("B.DEKONTU");
    h.aciklama = QStringLiteral("MUAYENE ÜCRETİ");
    h.evrakCinsi = QStringLiteral("MYNE");
    h.evrakKayitNo = muayeneNo;
    return hareketEkle(h);
}

// Parameter n (1-based, KAYITNO order) of "CARI HAREKET".
inline bool parametreYaz(int n, const QString &deger)
{
    auto s = Sorgu::sec(QStringLiteral("select KAYITNO from FORMPAREMETRELERI where FORMADI = 'CARI HAREKET' "
                                       "and SIRKETKODU = 'SISTEM' order by KAYITNO"));
    if (!s || s->satirlar.size() < n)
        return false;
    return Sorgu::calistir(QStringLiteral("update FORMPAREMETRELERI set PARAMETREDEGERI = ? where KAYITNO = ?"),
                           {deger.isEmpty() ? QVariant() : QVariant(deger), s->satirlar.at(n - 1).at(0)});
}

// One rights flag of the seed user for "CARI HAREKET" (a fixed column name).
inline bool yetkiYaz(const char *bayrak, const QString &deger)
{
    return Sorgu::calistir(QStringLiteral("update KULLANICILAR set %1 = ? where MODULADI = 'CARI HAREKET'")
                               .arg(QLatin1String(bayrak)),
                           {deger});
}

inline QVariant deger(const QString &sql, const QVariantList &d = {})
{
    auto v = Sorgu::tekDeger(sql, d);
    return v ? *v : QVariant();
}

// Runs is on the next modal window with the given name once it is up
// (the caller then opens it and blocks in its event loop).
inline void modaldaCalistir(const QString &ad, std::function<void(QWidget *)> is, int deneme = 200)
{
    QTimer::singleShot(10, [ad, is, deneme] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->objectName() == ad) {
            is(w);
            return;
        }
        if (deneme > 0)
            modaldaCalistir(ad, is, deneme - 1);
    });
}

} // namespace CariTest
