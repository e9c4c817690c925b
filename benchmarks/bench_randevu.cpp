// The appointment book's day plan and the reminder window on a large book.
// The plan of a date with 40 slots (08:00-18:00, 4 per hour) on a database
// of 1,000,000 appointments: selects run per date (one) and time against
// the same select run raw through Qt on the same database in the same run;
// then the reminder window's six selects (as after login) against the same
// six statements run raw; last the appointment book opened (on its last
// appointment, as it opens) against the plain select of that screenful.
//   bench_randevu [appointments] [repeats]
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "randevu/frm_randevu.h"
#include "randevu/frm_uyari.h"
#include "randevu/gunplani.h"
#include "randevu/randevusorgu.h"
#include "randevu/uyarilar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QDate Gun = QDate::currentDate();
constexpr int Gunler = 730; // the book spans two years around today

bool doldur(const QString &ad, const QString &sql, int adet, const std::function<void(QSqlQuery &, int)> &bagla)
{
    QElapsedTimer t;
    t.start();
    constexpr int Parca = 20000;
    for (int bas = 0; bas < adet; bas += Parca) {
        Islem islem;
        QSqlQuery q(Baglanti::vt());
        q.prepare(sql);
        for (int i = bas; i < std::min(adet, bas + Parca); ++i) {
            bagla(q, i);
            if (!q.exec()) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(ad), qPrintable(q.lastError().text()));
                return false;
            }
        }
        q.finish();
        if (!islem.onayla())
            return false;
    }
    std::printf("%-16s %9d satır yazıldı (%.1f s)\n", qPrintable(ad), adet, t.elapsed() / 1000.0);
    return true;
}

bool veri(int randevu)
{
    const QStringList durum{QStringLiteral("HAYIR"), QStringLiteral("HAYIR"), QStringLiteral("EVET"),
                            QStringLiteral("İPTAL")};
    const bool r = doldur(QStringLiteral("randevu"),
                          QStringLiteral("insert into randevu (kayitno, sirketkodu, hastakodu, hastaadisoyadi, doktor, "
                                         "doktoradi, randevutarihi, randevusaati, muayeneoldumu) values "
                                         "(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          randevu, [&](QSqlQuery &q, int i) {
                              const int gun = i % Gunler - Gunler / 2;
                              q.addBindValue(i + 1);
                              q.addBindValue(i % 10 == 9 ? QStringLiteral("2008") : QStringLiteral("2007"));
                              q.addBindValue(QStringLiteral("H%1").arg(i % 50000));
                              q.addBindValue(QStringLiteral("HASTA %1 ŞÜKRÜOĞLU").arg(i % 50000));
                              q.addBindValue(QStringLiteral("D%1").arg(i % 7));
                              q.addBindValue(QStringLiteral("DR. DOKTOR %1").arg(i % 7));
                              q.addBindValue(QDateTime(Gun.addDays(gun), QTime(0, 0)));
                              q.addBindValue(RandevuSorgu::SaatDegeri(QTime(8 + (i / Gunler) % 10, ((i / 7) % 4) * 15)));
                              q.addBindValue(durum.at(i % 4));
                          });
    const int kisi = std::max(1000, randevu / 10);
    auto tarih = [](int i) { return QDateTime(Gun.addDays(i % Gunler - Gunler / 2), QTime(0, 0)); };
    return r
           && doldur(QStringLiteral("hastalar"),
                     QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, hatirlatmatarihi, "
                                    "hatuyari, hatirlatmatarihi2, hatirlatmadurumu2, sirketkodu) values "
                                    "(?, ?, ?, ?, ?, ?, ?, '2007')"),
                     kisi,
                     [&](QSqlQuery &q, int i) {
                         q.addBindValue(i + 1);
                         q.addBindValue(QStringLiteral("H%1").arg(i));
                         q.addBindValue(QStringLiteral("HASTA %1 ŞÜKRÜOĞLU").arg(i));
                         q.addBindValue(tarih(i));
                         q.addBindValue(i % 3 ? QStringLiteral("EVET") : QStringLiteral("HAYIR"));
                         q.addBindValue(tarih(i * 7));
                         q.addBindValue(i % 2 ? QStringLiteral("EVET") : QStringLiteral("HAYIR"));
                     })
           && doldur(QStringLiteral("muayene"),
                     QStringLiteral("insert into muayene (kayitno, hastakodu, hastaadisoyadi, muayenetarihi, "
                                    "sonrakimuayenetarihi, muayeneoldumu, sirketkodu) values (?, ?, ?, ?, ?, ?, '2007')"),
                     kisi,
                     [&](QSqlQuery &q, int i) {
                         q.addBindValue(i + 1);
                         q.addBindValue(QStringLiteral("H%1").arg(i));
                         q.addBindValue(QStringLiteral("HASTA %1").arg(i));
                         q.addBindValue(tarih(i));
                         q.addBindValue(tarih(i + 30));
                         q.addBindValue(i % 5 ? QStringLiteral("E") : QStringLiteral("H"));
                     })
           && doldur(QStringLiteral("yapilanislemler"),
                     QStringLiteral("insert into yapilanislemler (kayitno, hastakodu, hastaadisoyadi, "
                                    "hatirlatmatarihi, hatirlatmadurumu, sirketkodu) values (?, ?, ?, ?, ?, '2007')"),
                     kisi,
                     [&](QSqlQuery &q, int i) {
                         q.addBindValue(i + 1);
                         q.addBindValue(QStringLiteral("H%1").arg(i));
                         q.addBindValue(QStringLiteral("HASTA %1").arg(i));
                         q.addBindValue(tarih(i * 3));
                         q.addBindValue(i % 2 ? QStringLiteral("EVET") : QStringLiteral("HAYIR"));
                     })
           && doldur(QStringLiteral("aciklamalar"),
                     QStringLiteral("insert into aciklamalar (kayitno, hastaadi, tarih2, aciklama1, sirketkodu) "
                                    "values (?, ?, ?, 'NOT', '2007')"),
                     kisi, [&](QSqlQuery &q, int i) {
                         q.addBindValue(i + 1);
                         q.addBindValue(QStringLiteral("HASTA %1").arg(i));
                         q.addBindValue(tarih(i * 11));
                     });
}

// The statement read raw: every row fetched forward-only, every column touched.
int ham(const QString &sql, const QVariantList &d = {})
{
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : d)
        q.addBindValue(v);
    if (!q.exec()) {
        std::fprintf(stderr, "ham: %s\n", qPrintable(q.lastError().text()));
        return -1;
    }
    int n = 0;
    const int kolon = q.record().count();
    while (q.next()) {
        for (int i = 0; i < kolon; ++i)
            (void)q.value(i);
        ++n;
    }
    q.finish();
    return n;
}

double medyan(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int randevu = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 1000000;
    const int tekrar = argc > 2 ? QString::fromLatin1(argv[2]).toInt() : 21;
    TestVeritabani vt;
    if (!vt.hazir()) {
        std::fprintf(stderr, "veritabanı: %s\n", qPrintable(vt.hata()));
        return 1;
    }
    BetikMesaj mesaj;
    if (!veri(randevu))
        return 1;

    // Day plan.
    const GunPlani::Ayar ayar{QStringLiteral("08:00"), QStringLiteral("18:00"), QStringLiteral("4"), QString()};
    const QString hamSql = QStringLiteral("select kayitno, randevusaati, muayeneoldumu, hastaadisoyadi, DOKTORADI "
                                          "from randevu where sirketkodu = ? and randevutarihi >= ? and "
                                          "randevutarihi < ? and muayeneoldumu = ?");
    const QVariantList d{QStringLiteral("2007"), QDateTime(Gun, QTime(0, 0)), QDateTime(Gun.addDays(1), QTime(0, 0)),
                         QStringLiteral("HAYIR")};
    std::vector<double> plan, planHam;
    int sorgu = 0, slot = 0, dolu = 0, hamSatir = 0;
    for (int i = 0; i < tekrar; ++i) {
        QElapsedTimer t;
        t.start();
        const GunPlani::Sonuc s = GunPlani::Olustur(ayar, Gun, QStringLiteral("2007"), QString());
        plan.push_back(t.nsecsElapsed() / 1000.0);
        sorgu = s.sorguSayisi;
        slot = int(s.satirlar.size());
        dolu = int(std::count_if(s.satirlar.cbegin(), s.satirlar.cend(),
                                 [](const GunPlani::Satir &x) { return !x.hastaAdi.isEmpty(); }));
        t.restart();
        hamSatir = ham(hamSql, d);
        planHam.push_back(t.nsecsElapsed() / 1000.0);
    }
    const double p = medyan(plan), ph = medyan(planHam);
    std::printf("günlük plan: %d randevu, %d aralık (%d dolu), tarih başına %d sorgu; plan %.0f µs, ham sorgu "
                "(%d satır) %.0f µs, oran %.2f\n",
                randevu, slot, dolu, sorgu, p, hamSatir, ph, ph > 0 ? p / ph : 0);
    if (auto pl = Sorgu::plan(hamSql))
        std::printf("plan sorgusu: %s\n", qPrintable(*pl));

    // The reminder window after login: its six selects, against them raw.
    std::vector<double> pencere, pencereHam;
    for (int i = 0; i < tekrar; ++i) {
        Tfrm_uyari w;
        QElapsedTimer t;
        t.start();
        w.degerlendir();
        pencere.push_back(t.nsecsElapsed() / 1000.0);
        t.restart();
        for (Uyarilar::Tur tur : Uyarilar::DegerlendirmeSirasi())
            ham(Uyarilar::Sql(tur, QStringLiteral("2007"), Gun));
        pencereHam.push_back(t.nsecsElapsed() / 1000.0);
    }
    const double u = medyan(pencere), uh = medyan(pencereHam);
    std::printf("uyarı penceresi: 6 sorgu %.0f µs, ham 6 sorgu %.0f µs, oran %.2f\n", u, uh, uh > 0 ? u / uh : 0);
    for (Uyarilar::Tur tur : Uyarilar::DegerlendirmeSirasi())
        if (auto pl = Sorgu::plan(Uyarilar::Sql(tur, QStringLiteral("2007"), Gun)))
            std::printf("  %-40s %s\n", qPrintable(Uyarilar::Baslik(tur)), qPrintable(*pl));

    // The appointment book opened: its last appointments shown.
    std::vector<double> defter, defterHam;
    int defterSatir = 0;
    for (int i = 0; i < std::min(tekrar, 7); ++i) {
        QElapsedTimer t;
        t.start();
        {
            Tfrm_randevu e;
            e.show();
            QCoreApplication::processEvents();
            defter.push_back(t.nsecsElapsed() / 1000.0);
            defterSatir = e.veriSeti()->kesinKayitSayisi();
            e.close();
        }
        QCoreApplication::processEvents();
        t.restart();
        ham(QStringLiteral("select first 50 * from randevu where 1=1  and sirketkodu ='2007' "
                           "order by randevu.RANDEVUTARIHI desc"));
        defterHam.push_back(t.nsecsElapsed() / 1000.0);
    }
    const double df = medyan(defter), dh = medyan(defterHam);
    std::printf("randevu defteri açılışı (%d randevu): %.0f µs, son ekranın ham sorgusu %.0f µs, oran %.2f\n",
                defterSatir, df, dh, dh > 0 ? df / dh : 0);
    return mesaj.hatalar.isEmpty() ? 0 : 1;
}
