// The grid model and the binder over a data set on a real database:
// Turkish formats, raw edit values, following the data set, the view's
// current row, and typing into bound controls.
#include "destek/betikmesaj.h"
#include "db/baglanti.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/testvt.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

namespace {

void hastaYaz(qint64 kayitno, const QString &kod, const QString &ad, const QVariant &cocuk = QVariant(),
              const QVariant &dogum = QVariant())
{
    QVERIFY(Sorgu::calistir(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu, "
                                           "cocuksayisi, dogumtarihi) values (?,?,?,?,?,?)"),
                            {kayitno, kod, ad, QStringLiteral("2007"),
                             cocuk.isValid() ? cocuk : QVariant(QMetaType::fromType<double>()),
                             dogum.isValid() ? dogum : QVariant(QMetaType::fromType<QDateTime>())}));
}

QString hastaAdi(qint64 kayitno)
{
    auto v = Sorgu::tekDeger(QStringLiteral("select hastaadisoyadi from hastalar where kayitno=?"), {kayitno});
    return v ? v->toString() : QStringLiteral("<hata>");
}

QVariant kolonDegeri(const QString &kolon, qint64 kayitno)
{
    auto v = Sorgu::tekDeger(QStringLiteral("select %1 from hastalar where kayitno=?").arg(kolon), {kayitno});
    return v ? *v : QVariant();
}

// Types text that may hold non-ASCII letters (QTest::keyClicks takes ASCII only).
void harfYaz(QWidget *w, const QString &metin)
{
    for (QChar c : metin) {
        QKeyEvent basildi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &basildi);
        QKeyEvent birakildi(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &birakildi);
    }
}

} // namespace

class TstTabloModeli : public QObject
{
    Q_OBJECT
private slots:
    void sayiBicimi_data()
    {
        QTest::addColumn<double>("sayi");
        QTest::addColumn<QString>("desen");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("tutar") << 1234.5 << "#,###.00" << "1.234,50";
        QTest::newRow("milyon") << -1234567.891 << "#,###.00" << "-1.234.567,89";
        QTest::newRow("sıfır") << 0.0 << "#,###.00" << "0,00";
        QTest::newRow("yarım") << 0.5 << "#,###.00" << "0,50";
        QTest::newRow("eksi yarım") << -0.5 << "#,###.00" << "-0,50";
        QTest::newRow("sıfır desensiz tam") << 0.0 << "#,##" << "0";
        QTest::newRow("yuvarlama") << 999.995 << "#,###.00" << "1.000,00";
        QTest::newRow("sıfırlı") << 0.0 << "#,##0.00" << "0,00";
        QTest::newRow("oran") << 18.0 << "#,##" << "18";
        QTest::newRow("kesir") << 12.5 << "0.##" << "12,5";
        QTest::newRow("ekli") << 100.0 << "#,##0.00 TL" << "100,00 TL";
        QTest::newRow("eksi sıfır") << -0.001 << "#,##0.00" << "0,00";
    }

    void sayiBicimi()
    {
        QFETCH(double, sayi);
        QFETCH(QString, desen);
        QFETCH(QString, beklenen);
        QCOMPARE(SayiBicimle(sayi, desen), beklenen);
    }

    void turkceBicimVeHamDeger()
    {
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("ŞÜKRÜ"), 1234.5, QDateTime(QDate(2008, 3, 5), QTime(14, 30)));
        hastaYaz(2, QStringLiteral("B"), QStringLiteral("İPEK"));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        TabloModeli model(&vs);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.kolonlariAyarla({{QStringLiteral("hastaadisoyadi"), QStringLiteral("Adı Soyadı"), 150},
                               {QStringLiteral("COCUKSAYISI"), QStringLiteral("Tutar")},
                               {QStringLiteral("DOGUMTARIHI"), QStringLiteral("Tarih")},
                               {QStringLiteral("DOGUMTARIHI"), QStringLiteral("Saat"), 0, GosterimBicimi::Saat},
                               {QStringLiteral("KAYITNO"), QString()}});
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 5);
        QVERIFY(vs.ac());
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Adı Soyadı"));
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("KAYITNO"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("1.234,50"));
        QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("05.03.2008"));
        QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("14:30"));
        QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("1"));
        // raw values for the spreadsheet export
        QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).typeId(), int(QMetaType::Double));
        QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).toDouble(), 1234.5);
        QCOMPARE(model.data(model.index(0, 2), Qt::EditRole).toDateTime(),
                 QDateTime(QDate(2008, 3, 5), QTime(14, 30)));
        QCOMPARE(model.data(model.index(0, 4), Qt::EditRole).typeId(), int(QMetaType::LongLong));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole).toString(), QStringLiteral("ŞÜKRÜ"));
        // NULL: empty text, invalid raw value
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString());
        QVERIFY(!model.data(model.index(1, 1), Qt::EditRole).isValid());
        QCOMPARE(model.data(model.index(1, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
        QCOMPARE(model.hucreMetni(0, 1), QStringLiteral("1.234,50"));
        QCOMPARE(model.gorunenKolon(QStringLiteral("cocuksayisi")), 1);
    }

    void veriSetiniIzler()
    {
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("BİR"));
        hastaYaz(2, QStringLiteral("B"), QStringLiteral("İKİ"));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        TabloModeli model(&vs);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy sifir(&model, &QAbstractItemModel::modelReset);
        QSignalSpy eklendi(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy silindi(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy degisti(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(vs.ac());
        QCOMPARE(sifir.count(), 1);
        // every column of the select when none are set
        QCOMPARE(model.columnCount(), vs.sonucKolonlari().size());
        const int adKolonu = model.gorunenKolon(QStringLiteral("HASTAADISOYADI"));
        QVERIFY(adKolonu >= 0);

        QVERIFY(vs.ekle());
        QCOMPARE(eklendi.count(), 1);
        QCOMPARE(model.rowCount(), 3);
        vs.iptal();
        QCOMPARE(silindi.count(), 1);
        QCOMPARE(model.rowCount(), 2);

        QVERIFY(vs.degerAyarla(QStringLiteral("HASTAADISOYADI"), QStringLiteral("YENİ")));
        QVERIFY(degisti.count() >= 1);
        QCOMPARE(model.data(model.index(0, adKolonu)).toString(), QStringLiteral("YENİ"));
        QVERIFY(vs.kaydet());
        QVERIFY(vs.sil());
        QCOMPARE(silindi.count(), 2);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, adKolonu)).toString(), QStringLiteral("İKİ"));
        vs.kapat();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(sifir.count(), 2);

        // Unconfigured, the columns go by position (a join may repeat a name).
        vs.selectMetniAyarla(QStringLiteral("select h.kayitno, h.hastaadisoyadi, 'Z' as kayitno from hastalar h"));
        QVERIFY(vs.ac());
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("KAYITNO"));
        QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("Z"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("2"));
        QVERIFY(m.mesajlar.isEmpty());
    }

    void gorunumGecerliSatiriIzler()
    {
        TEST_VT(vt);
        BetikMesaj m;
        for (int i = 1; i <= 5; ++i)
            hastaYaz(i, QStringLiteral("K%1").arg(i), QStringLiteral("AD %1").arg(i));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        TabloModeli model(&vs);
        model.kolonlariAyarla({{QStringLiteral("HASTAKODU"), QStringLiteral("Kod"), 80},
                               {QStringLiteral("HASTAADISOYADI"), QStringLiteral("Ad"), 0, GosterimBicimi::Otomatik,
                                true}});
        QTableView gorunum;
        model.gorunumeBagla(&gorunum);
        gorunum.show();
        QVERIFY(vs.ac());
        QCOMPARE(gorunum.currentIndex().row(), 0);
        QCOMPARE(gorunum.columnWidth(0), 80);
        QVERIFY(vs.son());
        QCOMPARE(gorunum.currentIndex().row(), 4);
        gorunum.setCurrentIndex(model.index(1, 0));
        QCOMPARE(vs.gecerliSatir(), 1);
        QCOMPARE(vs.anahtar(), 2);

        // An editable column writes through the data set; moving posts it.
        QVERIFY(model.setData(model.index(1, 1), QStringLiteral("DEĞİŞEN")));
        QCOMPARE(vs.durum(), VeriSeti::Durum::Duzenle);
        gorunum.setCurrentIndex(model.index(3, 0));
        QCOMPARE(vs.durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(vs.gecerliSatir(), 3);
        QCOMPARE(hastaAdi(2), QStringLiteral("DEĞİŞEN"));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));

        // A post that fails keeps the grid on the pending row.
        vs.kaydetmedenOnce = [] { return false; };
        QVERIFY(model.setData(model.index(3, 1), QStringLiteral("OLMAZ")));
        gorunum.setCurrentIndex(model.index(0, 0));
        QCOMPARE(vs.gecerliSatir(), 3);
        QTRY_COMPARE(gorunum.currentIndex().row(), 3);
        vs.iptal();
        QCOMPARE(hastaAdi(4), QStringLiteral("AD 4"));
        vs.kaydetmedenOnce = nullptr;

        // Cancelling a new row with the grid on it posts nothing and the
        // grid goes back to the row that was current before.
        QVERIFY(vs.satiraGit(2));
        QVERIFY(vs.ekle());
        QCOMPARE(gorunum.currentIndex().row(), 5);
        vs.degerAyarla(QStringLiteral("HASTAKODU"), QStringLiteral("YENİ"));
        vs.iptal();
        QCOMPARE(vs.gecerliSatir(), 2);
        QCOMPARE(gorunum.currentIndex().row(), 2);
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar")).value().toInt(), 5);

        // Deleting the last row: the one before becomes current in both.
        QVERIFY(vs.son());
        QVERIFY(vs.sil());
        QCOMPARE(vs.gecerliSatir(), 3);
        QCOMPARE(gorunum.currentIndex().row(), 3);
        QCOMPARE(vs.anahtar(), 4);
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar")).value().toInt(), 4);
        QVERIFY(m.mesajlar.isEmpty());
    }

    void baglayiciGidisDonus()
    {
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("BİR"));
        hastaYaz(2, QStringLiteral("B"), QStringLiteral("İKİ"));
        QVERIFY(Sorgu::calistir(QStringLiteral("update hastalar set hatuyari='E', adres='SATIR1' where kayitno=2")));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        QWidget pencere;
        auto *ad = new QLineEdit(&pencere);
        auto *kod = new QLineEdit(&pencere);
        auto *il = new QComboBox(&pencere);
        il->setEditable(true);
        auto *cins = new QComboBox(&pencere);
        cins->addItems({QStringLiteral("ERKEK"), QStringLiteral("KADIN")});
        auto *uyari = new QCheckBox(&pencere);
        auto *adres = new QPlainTextEdit(&pencere);
        auto *yerlesim = new QVBoxLayout(&pencere);
        for (QWidget *w : std::initializer_list<QWidget *>{ad, kod, il, cins, uyari, adres})
            yerlesim->addWidget(w);
        Baglayici b(&vs);
        b.bagla(ad, QStringLiteral("HASTAADISOYADI"), true);
        b.bagla(kod, QStringLiteral("HASTAKODU"));
        b.bagla(il, QStringLiteral("IL"), true);
        b.bagla(cins, QStringLiteral("CINSIYET"));
        b.bagla(uyari, QStringLiteral("HATUYARI"));
        b.bagla(adres, QStringLiteral("ADRES"));
        pencere.show();
        QCOMPARE(ad->text(), QString());           // closed: empty
        QCOMPARE(ad->maxLength(), 45);
        QCOMPARE(b.kontrol(QStringLiteral("hastakodu")), kod);
        QVERIFY(vs.ac());
        QCOMPARE(ad->text(), QStringLiteral("BİR"));
        QVERIFY(vs.sonraki());
        QCOMPARE(ad->text(), QStringLiteral("İKİ"));
        QVERIFY(uyari->isChecked());
        QCOMPARE(adres->toPlainText(), QStringLiteral("SATIR1"));
        QCOMPARE(cins->currentIndex(), -1);

        // Typing upper-cases as typed (i -> İ) and keeps the cursor.
        ad->setFocus();
        ad->selectAll();
        QTest::keyClicks(ad, QStringLiteral("ali"));
        QCOMPARE(ad->text(), QStringLiteral("ALİ"));
        QCOMPARE(vs.durum(), VeriSeti::Durum::Duzenle);
        ad->setCursorPosition(0);
        harfYaz(ad, QStringLiteral("ı"));
        QCOMPARE(ad->text(), QStringLiteral("IALİ"));
        QCOMPARE(ad->cursorPosition(), 1);
        il->setFocus();
        QTest::keyClicks(il, QStringLiteral("izmir"));
        QCOMPARE(il->currentText(), QStringLiteral("İZMİR"));
        cins->setCurrentIndex(1);
        cins->addItem(QStringLiteral("BELİRSİZ"));   // items added later change nothing
        QCOMPARE(cins->currentText(), QStringLiteral("KADIN"));
        uyari->click();
        QTest::keyClicks(adres, QStringLiteral("x"));
        QCOMPARE(vs.deger(QStringLiteral("HASTAADISOYADI")).toString(), QStringLiteral("IALİ"));
        QVERIFY(vs.kaydet());
        QCOMPARE(hastaAdi(2), QStringLiteral("IALİ"));
        QCOMPARE(kolonDegeri(QStringLiteral("il"), 2).toString(), QStringLiteral("İZMİR"));
        QCOMPARE(kolonDegeri(QStringLiteral("cinsiyet"), 2).toString(), QStringLiteral("KADIN"));
        QCOMPARE(kolonDegeri(QStringLiteral("hatuyari"), 2).toString(), QStringLiteral("H"));
        QVERIFY(kolonDegeri(QStringLiteral("adres"), 2).toString().contains(QLatin1Char('x')));
        QCOMPARE(hastaAdi(1), QStringLiteral("BİR"));

        // Emptying a box stores NULL; moving shows the other row.
        kod->setFocus();
        kod->selectAll();
        QTest::keyClick(kod, Qt::Key_Delete);
        QVERIFY(vs.kaydet());
        QVERIFY(!kolonDegeri(QStringLiteral("hastakodu"), 2).isValid()
                || kolonDegeri(QStringLiteral("hastakodu"), 2).isNull());
        QVERIFY(vs.ilk());
        QCOMPARE(ad->text(), QStringLiteral("BİR"));
        QVERIFY(!uyari->isChecked());
        cins->clear();
        cins->addItems({QStringLiteral("ERKEK"), QStringLiteral("KADIN")});
        QCOMPARE(cins->currentIndex(), -1);                // row 1 has no value
        QCOMPARE(vs.durum(), VeriSeti::Durum::Gozat);      // filling the list is no edit
        vs.kapat();
        QCOMPARE(ad->text(), QString());
        QCOMPARE(adres->toPlainText(), QString());
        QVERIFY(m.mesajlar.isEmpty());
    }

    void duzenlemeReddiKontroluGeriAlir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("BİR"));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.duzenlemedenOnce = [] {
            Mesaj::goster(QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"));
            return false;
        };
        QLineEdit ad;
        QCheckBox uyari;
        Baglayici b(&vs);
        b.bagla(&ad, QStringLiteral("HASTAADISOYADI"));
        b.bagla(&uyari, QStringLiteral("HATUYARI"));
        QVERIFY(vs.ac());
        ad.show();
        QTest::keyClicks(&ad, QStringLiteral("X"));
        QCOMPARE(ad.text(), QStringLiteral("BİR"));
        uyari.click();
        QVERIFY(!uyari.isChecked());
        QCOMPARE(vs.durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(m.mesajlar.size(), 2);
        QCOMPARE(hastaAdi(1), QStringLiteral("BİR"));
    }

    void sayacVeZenginMetin()
    {
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("BİR"), 3.0);
        hastaYaz(2, QStringLiteral("B"), QStringLiteral("İKİ"));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        QSpinBox tam;
        QDoubleSpinBox ondalik;
        tam.setRange(0, 100);
        ondalik.setRange(0, 1000);
        QTextEdit adres;
        Baglayici b(&vs);
        b.bagla(&tam, QStringLiteral("COCUKSAYISI"));
        b.bagla(&ondalik, QStringLiteral("COCUKSAYISI"));
        b.bagla(&adres, QStringLiteral("ADRES"), true);
        QVERIFY(vs.ac());
        QCOMPARE(tam.value(), 3);
        QCOMPARE(ondalik.value(), 3.0);
        tam.setValue(5);
        QCOMPARE(vs.durum(), VeriSeti::Durum::Duzenle);
        QCOMPARE(ondalik.value(), 5.0);            // the other box on the same column follows
        adres.setPlainText(QStringLiteral("çiçek sokağı"));
        QCOMPARE(adres.toPlainText(), QStringLiteral("ÇİÇEK SOKAĞI"));
        QVERIFY(vs.kaydet());
        QCOMPARE(kolonDegeri(QStringLiteral("cocuksayisi"), 1).toDouble(), 5.0);
        QCOMPARE(kolonDegeri(QStringLiteral("adres"), 1).toString(), QStringLiteral("ÇİÇEK SOKAĞI"));
        QVERIFY(vs.sonraki());
        QCOMPARE(tam.value(), 0);                  // NULL shows the minimum
        QCOMPARE(adres.toPlainText(), QString());
        QCOMPARE(vs.durum(), VeriSeti::Durum::Gozat);
        QVERIFY(m.mesajlar.isEmpty());
    }

    void tarihVeSayiKutusu_data()
    {
        QTest::addColumn<QString>("kolon");
        QTest::addColumn<bool>("tarih");
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<bool>("gecerli");
        QTest::addColumn<QVariant>("beklenen");
        QTest::newRow("tarih") << "DOGUMTARIHI" << true << "05032008" << true
                               << QVariant(QDateTime(QDate(2008, 3, 5), QTime(0, 0)));
        QTest::newRow("olmayan tarih") << "DOGUMTARIHI" << true << "31022008" << false << QVariant();
        QTest::newRow("yarım tarih") << "DOGUMTARIHI" << true << "1203" << false << QVariant();
        QTest::newRow("sayı") << "COCUKSAYISI" << false << "1234,5" << true << QVariant(1234.5);
        QTest::newRow("harfli sayı") << "COCUKSAYISI" << false << "12a" << false << QVariant();
    }

    void tarihVeSayiKutusu()
    {
        QFETCH(QString, kolon);
        QFETCH(bool, tarih);
        QFETCH(QString, yazilan);
        QFETCH(bool, gecerli);
        QFETCH(QVariant, beklenen);
        TEST_VT(vt);
        BetikMesaj m;
        hastaYaz(1, QStringLiteral("A"), QStringLiteral("BİR"), 7.0, QDateTime(QDate(1990, 1, 2), QTime(0, 0)));
        VeriSeti vs(QStringLiteral("HASTALAR"));
        QWidget pencere;
        auto *kutu = new QLineEdit(&pencere);
        auto *ad = new QLineEdit(&pencere);
        auto *y = new QVBoxLayout(&pencere);
        y->addWidget(kutu);
        y->addWidget(ad);
        Baglayici b(&vs);
        if (tarih)
            b.tarihBagla(kutu, kolon);
        else
            b.sayiBagla(kutu, kolon);
        b.bagla(ad, QStringLiteral("HASTAADISOYADI"));
        pencere.show();
        QVERIFY(vs.ac());
        QCOMPARE(kutu->text(), tarih ? QStringLiteral("02.01.1990") : QStringLiteral("7"));
        const QVariant once = Sorgu::tekDeger(QStringLiteral("select %1 from hastalar").arg(kolon)).value();
        kutu->setFocus();
        kutu->selectAll();
        QTest::keyClick(kutu, Qt::Key_Delete);
        kutu->setCursorPosition(0);
        QTest::keyClicks(kutu, yazilan);
        QTest::keyClicks(ad, QStringLiteral(" X"));
        QCOMPARE(vs.durum(), VeriSeti::Durum::Duzenle);
        if (gecerli) {
            QVERIFY(!b.dogrula());
            QVERIFY(vs.kaydet());
            QCOMPARE(Sorgu::tekDeger(QStringLiteral("select %1 from hastalar").arg(kolon)).value(), beklenen);
            QVERIFY(m.mesajlar.isEmpty());
        } else {
            ad->setFocus();
            QVERIFY(!vs.kaydet());
            QCOMPARE(m.mesajlar.size(), 1);
            QVERIFY2(m.son().contains(kolon), qPrintable(m.son()));
            QVERIFY2(m.son().contains(tarih ? QStringLiteral("tarih") : QStringLiteral("sayı")), qPrintable(m.son()));
            QCOMPARE(vs.durum(), VeriSeti::Durum::Duzenle);   // the record stays pending
            QCOMPARE(pencere.focusWidget(), kutu);   // the message is at the field
            // nothing written, not even the other field
            QCOMPARE(Sorgu::tekDeger(QStringLiteral("select %1 from hastalar").arg(kolon)).value(), once);
            QCOMPARE(hastaAdi(1), QStringLiteral("BİR"));
            // an emptied box stores NULL and lets the record go
            kutu->selectAll();
            QTest::keyClick(kutu, Qt::Key_Delete);
            QVERIFY(vs.kaydet());
            QVERIFY(Sorgu::tekDeger(QStringLiteral("select %1 from hastalar").arg(kolon)).value().isNull());
            QCOMPARE(hastaAdi(1), QStringLiteral("BİR X"));
        }
    }

    // A list longer than a window: the grid shows the first window at
    // once, fetches more at its bottom while the count is unknown, grows
    // when the count arrives, and shows and selects rows far down.
    void pencereliListe()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const int adet = 3000;
        {
            Islem islem;
            QSqlQuery q(Baglanti::vt());
            QVERIFY(q.prepare(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, sirketkodu) "
                                             "values (?, ?, ?, '2007')")));
            for (int i = 1; i <= adet; ++i) {
                q.addBindValue(i);
                q.addBindValue(QStringLiteral("K%1").arg(i));
                q.addBindValue(QStringLiteral("AD %1").arg(i % 53));
                QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            }
            q.finish();
            QVERIFY(islem.onayla());
        }
        auto s = Sorgu::sec(QStringLiteral("select kayitno, hastakodu from hastalar order by hastaadisoyadi, kayitno"));
        QVERIFY(s && s->satirlar.size() == adet);
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.hastaadisoyadi"));
        TabloModeli model(&vs);
        model.kolonlariAyarla({{QStringLiteral("HASTAKODU"), QStringLiteral("Kod")},
                               {QStringLiteral("HASTAADISOYADI"), QStringLiteral("Ad")}});
        QTableView gorunum;
        gorunum.resize(400, 300);
        model.gorunumeBagla(&gorunum);
        gorunum.show();
        QVERIFY(vs.ac());
        QVERIFY(!vs.sayiKesinMi());
        const int ilk = model.rowCount();
        QVERIFY(ilk > 0 && ilk < adet);
        QVERIFY(model.canFetchMore(QModelIndex()));
        QSignalSpy eklendi(&model, &QAbstractItemModel::rowsInserted);
        model.fetchMore(QModelIndex());
        QCOMPARE(eklendi.count(), 1);
        QCOMPARE(model.rowCount(), ilk + VeriSeti::pencereBoyu());
        QCOMPARE(model.data(model.index(ilk, 0)).toString(), s->satirlar.at(ilk).at(1).toString());

        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy sayi(&vs, &VeriSeti::sayiDegisti);
        QVERIFY(sayi.wait(10000));
        QCOMPARE(model.rowCount(), adet);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        for (int satir : {adet - 1, adet / 2, ilk + VeriSeti::pencereBoyu() + 1})
            QCOMPARE(model.data(model.index(satir, 0)).toString(), s->satirlar.at(satir).at(1).toString());

        // The bottom painted; a click far down moves the data set there.
        gorunum.scrollToBottom();
        gorunum.viewport()->grab();
        gorunum.setCurrentIndex(model.index(adet - 5, 0));
        QCOMPARE(vs.gecerliSatir(), adet - 5);
        QCOMPARE(vs.anahtar(), s->satirlar.at(adet - 5).at(0).toLongLong());
        QVERIFY(vs.ilk());
        QCOMPARE(gorunum.currentIndex().row(), 0);
        QVERIFY(vs.son());
        QCOMPARE(gorunum.currentIndex().row(), adet - 1);
        QVERIFY(m.mesajlar.isEmpty());
    }

    // Opened on its last row, the grid stays on it when the rest of the
    // list arrives with the count.
    void sonSatirdaAcilis()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const int adet = 1500;
        {
            Islem islem;
            QSqlQuery q(Baglanti::vt());
            QVERIFY(q.prepare(QStringLiteral("insert into hastalar (kayitno, hastakodu, hastaadisoyadi) values (?, ?, ?)")));
            for (int i = 1; i <= adet; ++i) {
                q.addBindValue(i);
                q.addBindValue(QStringLiteral("K%1").arg(i));
                q.addBindValue(QStringLiteral("AD %1").arg(i));
                QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            }
            q.finish();
            QVERIFY(islem.onayla());
        }
        VeriSeti vs(QStringLiteral("HASTALAR"));
        vs.selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 order by hastalar.kayitno"));
        TabloModeli model(&vs);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTableView gorunum;
        model.gorunumeBagla(&gorunum);
        gorunum.show();
        QVERIFY(vs.ac());
        QVERIFY(vs.son());
        QCOMPARE(vs.anahtar(), adet);
        QCOMPARE(gorunum.currentIndex().row(), vs.kayitSayisi() - 1);
        QVERIFY(!model.canFetchMore(QModelIndex())); // the rest comes with the count
        QSignalSpy sayi(&vs, &VeriSeti::sayiDegisti);
        QVERIFY(sayi.wait(10000));
        QCOMPARE(vs.kayitSayisi(), adet);
        QCOMPARE(vs.gecerliSatir(), adet - 1);
        QCOMPARE(vs.anahtar(), adet);
        QCOMPARE(gorunum.currentIndex().row(), adet - 1);
        // and the view still shows it, though the rows before it came later
        QVERIFY(gorunum.viewport()->rect().intersects(gorunum.visualRect(gorunum.currentIndex())));
        const int kolon = model.gorunenKolon(QStringLiteral("KAYITNO"));
        for (int satir = 0; satir < adet; satir += 37)
            QCOMPARE(model.data(model.index(satir, kolon), Qt::EditRole).toLongLong(), satir + 1);
        QVERIFY(m.mesajlar.isEmpty());
    }
};

QTEST_MAIN(TstTabloModeli)
#include "tst_tablomodeli.moc"
