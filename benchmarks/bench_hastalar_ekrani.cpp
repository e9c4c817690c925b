// Opening the patient screen over a large patient table until its first rows
// are painted (the count still coming on its own thread), against the plain
// query for the first screenful of the list the screen shows, on the same
// database in the same run.
//   bench_hastalar_ekrani [patients] [repeats]     (1,000,000 for the README figures)
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "hastalar/frm_hastalar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <algorithm>
#include <cstdio>

namespace {

bool doldur(int adet)
{
    Islem islem;
    QSqlQuery q(Baglanti::vt());
    q.prepare(QStringLiteral(
        "insert into HASTALAR (KAYITNO, HASTAKODU, HASTAADISOYADI, TCKIMLIKNO, BABAADI, DOGUMTARIHI, DOGUMYERI, "
        "CINSIYET, MEDENIDURUM, COCUKSAYISI, KURUMU, CEPTEL, ADRES, ILCE, IL, DOKTORKODU, DOKTORADI, SIRKETKODU, "
        "KAYITTARIHI, KAYITDURUMU, HATUYARI, HATIRLATMADURUMU2, GECIRDIGIHASTALIKLAR) "
        "values (?, ?, ?, ?, ?, ?, 'İSTANBUL', ?, 'EVLİ', 2, 'SSK', ?, ?, 'KADIKÖY', 'İSTANBUL', 'D1', "
        "'DR. AYŞE YILDIZ', '2007', ?, 'AKTİF', 'HAYIR', 'HAYIR', ?)"));
    for (int i = 1; i <= adet; ++i) {
        q.addBindValue(i);
        q.addBindValue(QString::number(i));
        q.addBindValue(QStringLiteral("HASTA %1 ŞÜKRÜOĞLU").arg(i));
        q.addBindValue(QStringLiteral("%1").arg(10000000000LL + i));
        q.addBindValue(QStringLiteral("MEHMET"));
        q.addBindValue(QDateTime(QDate(1950 + i % 60, 1 + i % 12, 1 + i % 28), QTime(0, 0)));
        q.addBindValue(i % 2 ? QStringLiteral("ERKEK") : QStringLiteral("KADIN"));
        q.addBindValue(QStringLiteral("5%1").arg(300000000 + i));
        q.addBindValue(QStringLiteral("CAFERAĞA MAH. MODA CAD. NO:%1 KADIKÖY").arg(i % 300));
        q.addBindValue(QDateTime(QDate(2024, 1, 1).addDays(i % 700), QTime(0, 0)));
        q.addBindValue(i % 5 == 0 ? QStringLiteral("Hipertansiyon, diyabet takibi") : QString());
        if (!q.exec()) {
            std::fprintf(stderr, "ekleme hatası: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q.finish();
    Sorgu::calistir(QStringLiteral("set generator OTOKOD_HASTALAR to %1").arg(adet));
    return islem.onayla();
}

// The first screenful of the list the screen opens on (its last rows), read
// the way a data set reads it.
qint64 duzSorgu(int *satir)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    q.exec(QStringLiteral("select first 50 * from HASTALAR where 1=1  and sirketkodu ='2007' "
                          "order by HASTALAR.KAYITNO desc"));
    const int n = q.record().count();
    QVector<QVector<QVariant>> satirlar;
    while (q.next()) {
        QVector<QVariant> s(n);
        for (int i = 0; i < n; ++i)
            s[i] = q.value(i);
        satirlar.append(std::move(s));
    }
    q.finish();
    *satir = int(satirlar.size());
    return t.nsecsElapsed();
}

qint64 kurulum = 0; // of the last opening: building the window, before it is shown

qint64 ekraniAc(int *satir)
{
    QElapsedTimer t;
    t.start();
    auto *e = new Tfrm_hastalar;
    kurulum = t.nsecsElapsed();
    e->show();
    QCoreApplication::processEvents();
    const qint64 ns = t.nsecsElapsed();
    *satir = e->veriSeti()->kesinKayitSayisi();
    e->close();
    delete e;
    QCoreApplication::processEvents();
    return ns;
}

double medyan(QVector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : double(v[v.size() / 2]) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int adet = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int tekrar = argc > 2 ? QByteArray(argv[2]).toInt() : 5;

    TestVeritabani vt;
    if (!vt.hazir()) {
        std::fprintf(stderr, "veritabanı: %s\n", qPrintable(vt.hata()));
        return 1;
    }
    BetikMesaj mesaj;
    QElapsedTimer t;
    t.start();
    if (!doldur(adet))
        return 1;
    std::printf("%d hasta yazıldı (%.1f s)\n", adet, t.elapsed() / 1000.0);

    // One round of each to warm the page cache, then alternate.
    int s1 = 0, s2 = 0;
    duzSorgu(&s1);
    ekraniAc(&s2);
    QVector<qint64> duz, ekran;
    for (int i = 0; i < tekrar; ++i) {
        duz << duzSorgu(&s1);
        ekran << ekraniAc(&s2);
    }
    if (s1 != 50 || s2 != adet) {
        std::fprintf(stderr, "satır sayısı tutmuyor: sorgu %d, ekran %d\n", s1, s2);
        return 1;
    }
    const double d = medyan(duz), e = medyan(ekran);
    std::printf("ilk ekran düz sorgu (50 satır): %.1f ms (medyan, %d tekrar)\n", d, tekrar);
    std::printf("hasta ekranının açılması:       %.1f ms (pencerenin kurulması %.1f ms)\n", e, kurulum / 1e6);
    std::printf("oran: %.2fx (hedef <= 3x ve <= 200 ms)\n", e / d);
    if (!mesaj.mesajlar.isEmpty())
        std::printf("mesajlar: %s\n", qPrintable(mesaj.mesajlar.join(QStringLiteral(" | "))));
    return 0;
}
