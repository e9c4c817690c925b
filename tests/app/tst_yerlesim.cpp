// How the screens lay out in a window maximised on a 1366×768 screen
// (1366×736 inside the title bar): edit areas and report filters whole
// beside a list that keeps its rows, grid columns as wide as their headings
// and values. The demo data gives the lists their usual contents.
#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/kayitekrani.h"
#include "app/program/ornekveri.h"
#include "db/baglanti.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

const QSize Ekran(1366, 736);

struct Kapat
{
    void operator()(QDialog *d) const
    {
        d->close();
        delete d;
    }
};
using Pencere = std::unique_ptr<QDialog, Kapat>;

// Shown as the program opens it, then given the size (maximised).
Pencere goster(QDialog *d, const QSize &boy)
{
    Pencere p(d);
    if (!p)
        return p;
    p->show();
    QCoreApplication::processEvents();
    if (boy.isValid()) {
        p->resize(boy);
        QCoreApplication::processEvents();
    }
    return p;
}

Pencere ac(const QString &ad, const QSize &boy = Ekran)
{
    if (ad.contains(QLatin1String("arama")))
        return goster(new AramaPenceresi(ad), boy);
    return goster(EkranOlustur(ad, nullptr), boy);
}

bool ornekVeri()
{
    QString hata;
    const bool tamam = OrnekVeriUret(Baglanti::Paylasilan, 60, QStringLiteral("2007"), {}, &hata);
    if (!tamam)
        qWarning() << hata;
    return tamam;
}

} // namespace

class TstYerlesim : public QObject
{
    Q_OBJECT
private slots:
    // The edit area of a record screen and the filters of a report screen
    // get all the height they ask for, and the list below still shows its rows.
    void ustAlanSigar_data()
    {
        QTest::addColumn<QString>("ekran");
        for (const char *e : {"frm_hastalar", "frm_muayene", "frm_goz", "frm_doktorlar", "frm_randevu",
                              "frm_cari_hareket", "frm_hastarapor", "frm_gozmuayeneraporu", "frm_muayenerapor",
                              "frm_randevurapor", "frm_muhlabrapor", "frm_yislemlerrapor"})
            QTest::newRow(e) << e;
    }
    void ustAlanSigar()
    {
        QFETCH(QString, ekran);
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(ornekVeri());
        Pencere d = ac(ekran);
        QVERIFY(d);
        // A record screen's edit area and list, or a report screen's filters and list.
        auto *k = d->findChild<QScrollArea *>(QStringLiteral("ScrollBox1"));
        QTableView *g = nullptr;
        if (auto *e = qobject_cast<KayitEkrani *>(d.get()))
            g = e->izgara();
        if (!k) {
            k = d->findChild<QScrollArea *>(QStringLiteral("kaydirma"));
            g = d->findChild<QTableView *>(QStringLiteral("grdListe"));
        }
        QVERIFY(k && g);
        QVERIFY2(k->viewport()->height() >= k->widget()->sizeHint().height(),
                 qPrintable(QStringLiteral("%1 < %2").arg(k->viewport()->height()).arg(k->widget()->sizeHint().height())));
        QCOMPARE(k->verticalScrollBar()->maximum(), 0);
        QVERIFY(g->viewport()->height() >= KayitEkrani::VarsayilanSatirSayisi * g->verticalHeader()->defaultSectionSize());
        QVERIFY(m.mesajlar.isEmpty());
    }

    // Every column of the grids shows its whole heading and its values (up
    // to 30 letters: names, dates, amounts; a longer memo may be cut).
    void kolonlarSigar_data()
    {
        QTest::addColumn<QString>("ekran");
        QTest::addColumn<QString>("izgara");
        auto satir = [](const char *e, const char *g) { QTest::newRow(e) << e << g; };
        satir("frm_hastaarama", "DBGrid5");
        satir("frm_doktorarama", "DBGrid5");
        satir("frm_randevuarama", "DBGrid5");
        satir("frm_muayenearama", "DBGrid5");
        satir("frm_eleman_ara", "DBGrid1");
        satir("frm_module", "DBGrid1");
        satir("frm_kullanici", "DBGrid1");
        satir("frm_hastalar", "dbgrid5");
        satir("frm_muayene", "dbgrid5");
        satir("frm_doktorlar", "DBGrid1");
        satir("frm_muayene_lab", "DBGrid1");
        satir("frm_muayene_lab", "DBGrid2");
        satir("frm_select", "DBGrid1"); // a select's rows, listed
    }
    void kolonlarSigar()
    {
        QFETCH(QString, ekran);
        QFETCH(QString, izgara);
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(ornekVeri());
        Pencere d = ac(ekran);
        QVERIFY(d);
        if (ekran == QLatin1String("frm_select")) {
            d->findChild<QPlainTextEdit *>(QStringLiteral("mem_sorgu"))->setPlainText(QStringLiteral("select * from muayene"));
            d->findChild<QAction *>(QStringLiteral("Listele1"))->trigger();
        }
        auto *g = d->findChild<QTableView *>(izgara);
        QVERIFY(g);
        QAbstractItemModel *model = g->model();
        QVERIFY(model->rowCount() > 0);
        const QFontMetrics fm = g->fontMetrics();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (g->isColumnHidden(c))
                continue;
            const QString baslik = model->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(g->columnWidth(c) >= g->horizontalHeader()->sectionSizeHint(c), qPrintable(baslik));
            for (int r = 0; r < qMin(20, model->rowCount()); ++r) {
                const QString metin = model->index(r, c).data().toString();
                if (metin.size() <= 30) // and the cell's own margins, at the least
                    QVERIFY2(g->columnWidth(c) >= fm.horizontalAdvance(metin) + 4,
                             qPrintable(baslik + QStringLiteral(": ") + metin));
            }
        }
    }

    // The rights grid shows all its columns, "Özel Yetki 2" the last, without
    // scrolling sideways, in its window as it opens.
    void hakIzgarasiYanaKaymaz()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Pencere d = ac(QStringLiteral("frm_module"), QSize());
        QVERIFY(d->width() <= Ekran.width());
        QVERIFY(d);
        auto *g = d->findChild<QTableView *>(QStringLiteral("DBGrid1"));
        QVERIFY(g);
        const int son = g->model()->columnCount() - 1;
        QCOMPARE(g->model()->headerData(son, Qt::Horizontal).toString(), QStringLiteral("Özel Yetki 2"));
        QVERIFY(g->columnWidth(son) >= g->horizontalHeader()->sectionSizeHint(son));
        QCOMPARE(g->horizontalScrollBar()->maximum(), 0);
    }

    // The laboratory lines show their fee column on the screen as it opens.
    void labUcretiGorunur()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(ornekVeri());
        Pencere d = ac(QStringLiteral("frm_muayene_lab"), QSize());
        QVERIFY(d);
        auto *g = d->findChild<QTableView *>(QStringLiteral("DBGrid2"));
        QVERIFY(g);
        QVERIFY(g->model()->rowCount() > 0);
        int ucret = -1;
        for (int c = 0; c < g->model()->columnCount(); ++c)
            if (g->model()->headerData(c, Qt::Horizontal).toString() == QLatin1String("UCRETI"))
                ucret = c;
        QVERIFY(ucret >= 0);
        QVERIFY2(g->columnViewportPosition(ucret) + g->columnWidth(ucret) <= g->viewport()->width(),
                 qPrintable(QStringLiteral("%1 + %2 > %3")
                                .arg(g->columnViewportPosition(ucret))
                                .arg(g->columnWidth(ucret))
                                .arg(g->viewport()->width())));
    }
};

QTEST_MAIN(TstYerlesim)
#include "tst_yerlesim.moc"
