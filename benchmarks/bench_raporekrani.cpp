// The examination report over a large MUAYENE table: listing with a filter
// (until the count and first rows are there), the group report by doctor,
// and "Excele Aktar" of a filtered list, each against the plain query that
// gives the same rows, on the same database in the same run, as ratios.
//   bench_raporekrani [examinations] [repeats]     (1,000,000 for the README figures)
#include "app/oturum.h"
#include "app/ekranlar.h"
#include "app/raporhizmeti.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/raporekrani.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

#include <xlsxwriter.h>

namespace {

const char *const Doktorlar[] = {"DR. AYŞE YILDIZ", "DR. ALİ KAYA", "DR. ŞÜKRÜ GÜNEŞ", "DR. ZEYNEP AK",
                                 "DR. MEHMET ÖZ"};

bool doldur(int adet)
{
    Islem islem;
    QSqlQuery q(Baglanti::vt());
    q.prepare(QStringLiteral(
        "insert into MUAYENE (KAYITNO, HASTAKODU, HASTAADISOYADI, DOKTORKODU, DOKTORADI, MUAYENETARIHI, BULGULAR, "
        "MUAYENEUCRETI, LABORATUVARUCRETI, TOPLAMTUTAR, ODEMESEKLI, HASTACEPTEL, SIRKETKODU) "
        "values (?, ?, ?, ?, ?, ?, 'ATEŞ, ÖKSÜRÜK', ?, 0, ?, 'NAKIT', ?, ?)"));
    const QDateTime bas(QDate(2020, 1, 1), QTime(9, 0));
    for (int i = 1; i <= adet; ++i) {
        q.addBindValue(i);
        q.addBindValue(QString::number(i % 50000));
        q.addBindValue(QStringLiteral("HASTA %1 ŞÜKRÜOĞLU").arg(i % 50000));
        q.addBindValue(QStringLiteral("D%1").arg(i % 5));
        q.addBindValue(QString::fromUtf8(Doktorlar[i % 5]));
        q.addBindValue(bas.addSecs(qint64(i) * 137));
        q.addBindValue(100 + i % 7 * 25);
        q.addBindValue(100 + i % 7 * 25);
        q.addBindValue(i % 3 ? QVariant(QStringLiteral("53%1").arg(10000000 + i)) : QVariant());
        q.addBindValue(Oturum.sirketkodu);
        if (!q.exec()) {
            std::fprintf(stderr, "ekleme hatası: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    return islem.onayla();
}

double ortanca(QVector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : double(v[v.size() / 2]) / 1e6;
}

template <class F>
double olc(int tekrar, F f)
{
    QVector<qint64> v;
    for (int i = 0; i < tekrar; ++i) {
        QElapsedTimer t;
        t.start();
        if (!f())
            return -1;
        v << t.nsecsElapsed();
    }
    return ortanca(v);
}

// The plain query: every row read, forward only.
bool hamOku(const QString &sql, int *satir, const std::function<void(const QSqlQuery &)> &her = {})
{
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    if (!q.exec(sql))
        return false;
    int n = 0;
    while (q.next()) {
        if (her)
            her(q);
        ++n;
    }
    if (satir)
        *satir = n;
    return true;
}

// The plain export: the same rows written with libxlsxwriter, texts and numbers.
bool hamAktar(const QString &sql, const QString &yol)
{
    lxw_workbook_options s{};
    s.constant_memory = LXW_TRUE;
    s.use_zip64 = LXW_TRUE;
    const QByteArray dosya = QFile::encodeName(yol);
    lxw_workbook *wb = workbook_new_opt(dosya.constData(), &s);
    if (!wb)
        return false;
    lxw_worksheet *ws = workbook_add_worksheet(wb, "MUAYENE");
    lxw_row_t r = 0;
    bool basliklar = false;
    const bool tamam = hamOku(sql, nullptr, [&](const QSqlQuery &q) {
        const QSqlRecord k = q.record();
        if (!basliklar) {
            for (int c = 0; c < k.count(); ++c)
                worksheet_write_string(ws, 0, lxw_col_t(c), k.fieldName(c).toUtf8().constData(), nullptr);
            basliklar = true;
        }
        ++r;
        for (int c = 0; c < k.count(); ++c) {
            const QVariant v = k.value(c);
            if (v.isNull())
                continue;
            const auto tip = v.metaType().id();
            if (tip == QMetaType::Int || tip == QMetaType::LongLong || tip == QMetaType::Double)
                worksheet_write_number(ws, r, lxw_col_t(c), v.toDouble(), nullptr);
            else
                worksheet_write_string(ws, r, lxw_col_t(c), v.toString().toUtf8().constData(), nullptr);
        }
    });
    return workbook_close(wb) == LXW_NO_ERROR && tamam;
}

bool acma(const QString &) { return true; }

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int adet = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    const int tekrar = argc > 2 ? QByteArray(argv[2]).toInt() : 3;

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
    std::printf("%d muayene yazıldı (%.1f s)\n", adet, t.elapsed() / 1000.0);

    std::unique_ptr<RaporEkrani> e(qobject_cast<RaporEkrani *>(EkranOlustur(QStringLiteral("frm_muayenerapor"), nullptr)));
    if (!e)
        return 1;
    auto *siralama = e->findChild<QComboBox *>(QStringLiteral("cmbSiralama"));
    auto *doktor = e->findChild<QLineEdit *>(QStringLiteral("edt_DOKTORADI"));
    auto *bas = e->findChild<QLineEdit *>(QStringLiteral("bas_MUAYENETARIHI"));
    auto *bit = e->findChild<QLineEdit *>(QStringLiteral("bit_MUAYENETARIHI"));
    const QString sirket = QStringLiteral(" and sirketkodu ='%1'").arg(Oturum.sirketkodu);
    const QString dr = QStringLiteral(" and doktoradi ='DR. ALİ KAYA'");

    // 1. Listing by doctor, in date order: the count and the first screenful.
    doktor->setText(QStringLiteral("DR. ALİ KAYA"));
    siralama->setCurrentIndex(siralama->findText(QStringLiteral("muayenetarihi")));
    int liste = 0;
    const double l1 = olc(tekrar, [&] {
        const bool ok = e->listele();
        liste = e->liste()->kesinKayitSayisi();
        for (int i = 0; i < 40 && i < liste; ++i)
            e->liste()->satirDegeri(i, 0);
        return ok;
    });
    const double l2 = olc(tekrar, [&] {
        int n = 0;
        return hamOku(QStringLiteral("select count(*) from muayene where 1=1 ") + sirket + dr, &n)
            && hamOku(QStringLiteral("select first 40 * from muayene where 1=1 ") + sirket + dr
                          + QStringLiteral(" order by muayenetarihi"), &n);
    });
    std::printf("listeleme (%d satır):  rapor ekranı %.1f ms, ham sorgu %.1f ms, oran %.2f\n", liste, l1, l2, l1 / l2);

    // 2. Group report by doctor over the whole company (the listing it runs first included).
    doktor->clear();
    siralama->setCurrentIndex(siralama->findText(QStringLiteral("doktoradi")));
    const double g1 = olc(tekrar, [&] { return e->grupRaporuHazirla(); });
    const double g2 = olc(tekrar, [&] {
        int n = 0;
        return hamOku(QStringLiteral("select count(*) from muayene where 1=1 ") + sirket, &n)
            && hamOku(QStringLiteral("select first 40 * from muayene where 1=1 ") + sirket
                          + QStringLiteral(" order by doktoradi"), &n)
            && hamOku(QStringLiteral("select doktoradi AS ACIKLAMA,count(*) ADET from muayene where 1=1 ") + sirket
                          + QStringLiteral(" group by doktoradi"), &n);
    });
    std::printf("grup raporu (%d grup):  rapor ekranı %.1f ms, ham sorgu %.1f ms, oran %.2f\n",
                e->grup()->kesinKayitSayisi(), g1, g2, g1 / g2);

    // 3. "Excele Aktar" of the first tenth of the period (all columns).
    QTemporaryDir klasor;
    TabloAktar::klasorAyarla(klasor.path());
    TabloAktar::aciciAyarla(&acma);
    siralama->setCurrentIndex(0);
    bas->setText(QStringLiteral("01.01.2020"));
    bit->setText(QStringLiteral("08.06.2020"));
    if (!e->listele())
        return 1;
    const int aktarilan = e->liste()->kesinKayitSayisi();
    const double a1 = olc(tekrar, [&] {
        e->exceleAktar();
        return !QDir(klasor.path()).entryList(QDir::Files).isEmpty();
    });
    const QString hamYol = klasor.filePath(QStringLiteral("ham.xlsx"));
    const double a2 = olc(tekrar, [&] {
        return hamAktar(QStringLiteral("select * from muayene where 1=1 ") + sirket
                            + QStringLiteral(" and muayenetarihi >='01.01.2020' and muayenetarihi <'09.06.2020'"),
                        hamYol);
    });
    std::printf("excele aktarma (%d satır):  rapor ekranı %.1f ms, ham sorgu + libxlsxwriter %.1f ms, oran %.2f\n",
                aktarilan, a1, a2, a1 / a2);
    if (!mesaj.mesajlar.isEmpty())
        std::printf("mesajlar: %s\n", qPrintable(mesaj.mesajlar.join(QStringLiteral(" | "))));
    return 0;
}
