// The reminder window: which lines show for which rows of today, and the
// "Ayrıntılar" reports printed to real PDF files and read back.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/ekransurucu.h"
#include "destek/pencereyardim.h"
#include "destek/testvt.h"
#include "app/program/frm_menu.h"
#include "randevu/frm_uyari.h"
#include "raporlar/motor/rapor.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Uyarilar::Tur;

namespace {

const QDate Bugun = QDate::currentDate();
QDateTime gun(int fark, int saat = 0) { return QDateTime(Bugun.addDays(fark), QTime(saat, 0)); }
const QVariant Bos(QMetaType::fromType<QString>());
QVariant m(const QString &s) { return s == QLatin1String("NULL") ? Bos : QVariant(s); }

// One row of a kind: fark days from today (with a time of day saat), the
// kind's marker, the company.
bool yaz(Tur t, int fark, int saat, const QString &isaret, const QString &sirket, const QString &ad)
{
    static int no = 100;
    ++no;
    switch (t) {
    case Tur::Randevu:
        return Sorgu::calistir("insert into randevu (kayitno, sirketkodu, hastakodu, hastaadisoyadi, randevutarihi, "
                               "muayeneoldumu) values (?, ?, 'H1', ?, ?, ?)",
                               {no, sirket, ad, gun(fark, saat), m(isaret)});
    case Tur::Hasta1:
        return Sorgu::calistir("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, hatirlatmatarihi, hatuyari, "
                               "sirketkodu) values (?, ?, ?, ?, ?, ?)",
                               {no, QString::number(no), ad, gun(fark, saat), m(isaret), sirket});
    case Tur::Hasta2:
        return Sorgu::calistir("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, hatirlatmatarihi2, "
                               "hatirlatmadurumu2, hatuyari, sirketkodu) values (?, ?, ?, ?, ?, 'HAYIR', ?)",
                               {no, QString::number(no), ad, gun(fark, saat), m(isaret), sirket});
    case Tur::SonrakiMuayene:
        return Sorgu::calistir("insert into muayene (kayitno, hastakodu, hastaadisoyadi, sonrakimuayenetarihi, "
                               "muayeneoldumu, sirketkodu) values (?, 'H1', ?, ?, ?, ?)",
                               {no, ad, gun(fark, saat), m(isaret), sirket});
    case Tur::Not:
        return Sorgu::calistir("insert into aciklamalar (kayitno, hastaadi, tarih2, aciklama1, sirketkodu) "
                               "values (?, ?, ?, ?, ?)",
                               {no, ad, gun(fark, saat), m(isaret), sirket});
    case Tur::Islem:
        return Sorgu::calistir("insert into yapilanislemler (kayitno, hastakodu, hastaadisoyadi, yapilanislem, "
                               "hatirlatmatarihi, hatirlatmadurumu, sirketkodu) values (?, 'H1', ?, 'DOLGU', ?, ?, ?)",
                               {no, ad, gun(fark, saat), m(isaret), sirket});
    }
    return false;
}

struct Pencere : EkranSurucu<Tfrm_uyari>
{
    Pencere()
        : EkranSurucu(static_cast<Tfrm_uyari *>(EkranOlustur(QStringLiteral("frm_uyari"), nullptr)))
    {
    }
    QStringList gorunenler() const
    {
        QStringList l;
        for (Tur t : Uyarilar::Sira())
            if (!e->findChild<QFrame *>(Uyarilar::PanelAdi(t))->isHidden())
                l << Uyarilar::Baslik(t);
        return l;
    }
};

} // namespace

Q_DECLARE_METATYPE(Uyarilar::Tur)

class TestUyari : public QObject
{
    Q_OBJECT

private slots:
    void hicbiriYok();
    void satirlar_data();
    void satirlar();
    void kendiHastalari_data();
    void kendiHastalari();
    void ayrintilar_data();
    void ayrintilar();
    void giristenSonra_data();
    void giristenSonra();
};

void TestUyari::hicbiriYok()
{
    TEST_VT(vt);
    BetikMesaj mesaj;
    // Due tomorrow or done: nothing today.
    QVERIFY(yaz(Tur::Randevu, 1, 0, QStringLiteral("HAYIR"), QStringLiteral("2007"), QStringLiteral("YARIN")));
    QVERIFY(yaz(Tur::SonrakiMuayene, -3, 0, QStringLiteral("E"), QStringLiteral("2007"), QStringLiteral("OLDU")));
    Pencere p;
    QCOMPARE(p.e->objectName(), QStringLiteral("frm_uyari"));
    QCOMPARE(p.e->windowTitle(), QStringLiteral("Uyarı -  Hatırlatma Sistemi"));
    QCOMPARE(p.metin("edt_tarih"), Bugun.toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY(p.w<QPushButton>("btn_kapat")->isVisible());
    QCOMPARE(p.gorunenler(), QStringList());
    for (Tur t : Uyarilar::Sira())
        QCOMPARE(p.e->satirSayisi(t), 0);
    QVERIFY(mesaj.mesajlar.isEmpty());
    p.tikla("btn_kapat");
    QVERIFY(!p.e->isVisible());
}

void TestUyari::satirlar_data()
{
    QTest::addColumn<Tur>("tur");
    QTest::addColumn<int>("fark");
    QTest::addColumn<int>("saat");
    QTest::addColumn<QString>("isaret");
    QTest::addColumn<QString>("sirket");
    QTest::addColumn<bool>("gorunur");
    const QString s = QStringLiteral("2007"), b = QStringLiteral("2008");
    QTest::newRow("appointment today waiting") << Tur::Randevu << 0 << 0 << "HAYIR" << s << true;
    QTest::newRow("appointment today with a time of day") << Tur::Randevu << 0 << 15 << "HAYIR" << s << true;
    QTest::newRow("appointment today cancelled") << Tur::Randevu << 0 << 0 << "İPTAL" << s << true;
    QTest::newRow("appointment today done") << Tur::Randevu << 0 << 0 << "EVET" << s << false;
    QTest::newRow("appointment today without status") << Tur::Randevu << 0 << 0 << "NULL" << s << false;
    QTest::newRow("appointment yesterday") << Tur::Randevu << -1 << 0 << "HAYIR" << s << false;
    QTest::newRow("appointment of another company") << Tur::Randevu << 0 << 0 << "HAYIR" << b << false;
    QTest::newRow("reminder 1 switched on") << Tur::Hasta1 << 0 << 0 << "EVET" << s << true;
    QTest::newRow("reminder 1 never set") << Tur::Hasta1 << 0 << 0 << "NULL" << s << true;
    QTest::newRow("reminder 1 with a time of day") << Tur::Hasta1 << 0 << 10 << "EVET" << s << true;
    QTest::newRow("reminder 1 switched off") << Tur::Hasta1 << 0 << 0 << "HAYIR" << s << false;
    QTest::newRow("reminder 1 never set, another company") << Tur::Hasta1 << 0 << 0 << "NULL" << b << false;
    QTest::newRow("reminder 1 never set, tomorrow") << Tur::Hasta1 << 1 << 0 << "NULL" << s << false;
    QTest::newRow("reminder 2 on") << Tur::Hasta2 << 0 << 0 << "EVET" << s << true;
    QTest::newRow("reminder 2 off") << Tur::Hasta2 << 0 << 0 << "HAYIR" << s << false;
    QTest::newRow("follow-up last week, not done") << Tur::SonrakiMuayene << -7 << 0 << "H" << s << true;
    QTest::newRow("follow-up last week, empty flag") << Tur::SonrakiMuayene << -7 << 0 << "NULL" << s << true;
    QTest::newRow("follow-up today late in the day") << Tur::SonrakiMuayene << 0 << 18 << "NULL" << s << true;
    QTest::newRow("follow-up done") << Tur::SonrakiMuayene << -7 << 0 << "E" << s << false;
    QTest::newRow("follow-up next week") << Tur::SonrakiMuayene << 7 << 0 << "H" << s << false;
    QTest::newRow("note of today") << Tur::Not << 0 << 0 << "ARA" << s << true;
    QTest::newRow("note of today, another company") << Tur::Not << 0 << 9 << "ARA" << b << true;
    QTest::newRow("note of yesterday") << Tur::Not << -1 << 0 << "ARA" << s << false;
    QTest::newRow("procedure reminder on") << Tur::Islem << 0 << 0 << "EVET" << s << true;
    QTest::newRow("procedure reminder off") << Tur::Islem << 0 << 0 << "HAYIR" << s << false;
}

void TestUyari::satirlar()
{
    QFETCH(Tur, tur);
    QFETCH(int, fark);
    QFETCH(int, saat);
    QFETCH(QString, isaret);
    QFETCH(QString, sirket);
    QFETCH(bool, gorunur);
    TEST_VT(vt);
    BetikMesaj mesaj;
    QVERIFY(yaz(tur, fark, saat, isaret, sirket, QStringLiteral("ŞÜKRÜ IŞIK")));
    Pencere p;
    QCOMPARE(p.gorunenler(), gorunur ? QStringList{Uyarilar::Baslik(tur)} : QStringList());
    QCOMPARE(p.e->satirSayisi(tur), gorunur ? 1 : 0);
    QVERIFY2(mesaj.mesajlar.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('|'))));
}

void TestUyari::kendiHastalari_data()
{
    QTest::addColumn<Tur>("tur");
    QTest::addColumn<QString>("isaret");
    QTest::addColumn<QString>("parametre1");
    QTest::addColumn<int>("beklenen");
    const struct { Tur t; const char *ad, *isaret; int sinirli; } turler[] = {
        {Tur::Randevu, "appointments", "HAYIR", 1}, {Tur::Hasta1, "reminder 1", "EVET", 1},
        {Tur::Hasta2, "reminder 2", "EVET", 1},     {Tur::SonrakiMuayene, "follow-up", "H", 1},
        {Tur::Islem, "procedures", "EVET", 1},      {Tur::Not, "notes, which name no doctor", "ARA", 2}};
    for (const auto &x : turler) {
        QTest::addRow("%s, limited", x.ad) << x.t << x.isaret << "E" << x.sinirli;
        QTest::addRow("%s, not limited", x.ad) << x.t << x.isaret << "" << 2;
    }
}

void TestUyari::kendiHastalari()
{
    QFETCH(Tur, tur);
    QFETCH(QString, isaret);
    QFETCH(QString, parametre1);
    QFETCH(int, beklenen);
    TEST_VT(vt);
    BetikMesaj mesaj;
    // The appointment book's own-appointments limit: its parameter 1 and OZELYETKI2 "H".
    QVERIFY(Sorgu::calistir("delete from FORMPAREMETRELERI where FORMADI = 'RANDEVU'"));
    QVERIFY(Sorgu::calistir("insert into FORMPAREMETRELERI (KAYITNO, FORMADI, PARAMETREADI, PARAMETREDEGERI, "
                            "SIRKETKODU) values (800001, 'RANDEVU', 'P1', ?, 'SISTEM')",
                            {parametre1.isEmpty() ? Bos : QVariant(parametre1)}));
    QVERIFY(Sorgu::calistir("update kullanicilar set ozelyetki2 = 'H' where moduladi = 'RANDEVU'"));
    QVERIFY(yaz(tur, 0, 0, isaret, QStringLiteral("2007"), QStringLiteral("KENDİ HASTASI")));
    QVERIFY(yaz(tur, 0, 0, isaret, QStringLiteral("2007"), QStringLiteral("BAŞKASININ HASTASI")));
    const QString kolon = Uyarilar::DoktorKolonu(tur);
    if (!kolon.isEmpty()) {
        const QString tablo = Uyarilar::Tablo(tur);
        QVERIFY(Sorgu::calistir(QStringLiteral("update %1 set %2 = ? where hastaadisoyadi = 'KENDİ HASTASI'")
                                    .arg(tablo, kolon),
                                {Oturum.username}));
        QVERIFY(Sorgu::calistir(QStringLiteral("update %1 set %2 = 'D1' where hastaadisoyadi = 'BAŞKASININ HASTASI'")
                                    .arg(tablo, kolon)));
    }
    Pencere p;
    QCOMPARE(p.e->satirSayisi(tur), beklenen);
    QVERIFY2(mesaj.mesajlar.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('|'))));
}

void TestUyari::ayrintilar_data()
{
    QTest::addColumn<Tur>("tur");
    QTest::addColumn<QString>("isaret");
    QTest::newRow("appointments") << Tur::Randevu << "HAYIR";
    QTest::newRow("reminder 1") << Tur::Hasta1 << "EVET";
    QTest::newRow("reminder 2") << Tur::Hasta2 << "EVET";
    QTest::newRow("follow-up") << Tur::SonrakiMuayene << "H";
    QTest::newRow("notes") << Tur::Not << "ARA";
    QTest::newRow("procedures") << Tur::Islem << "EVET";
}

void TestUyari::ayrintilar()
{
    QFETCH(Tur, tur);
    QFETCH(QString, isaret);
    TEST_VT(vt);
    BetikMesaj mesaj;
    QVERIFY(yaz(tur, 0, 0, isaret, QStringLiteral("2007"), QStringLiteral("ŞÜKRÜ IŞIK")));
    QVERIFY(yaz(tur, 0, 11, isaret, QStringLiteral("2007"), QStringLiteral("GÜLŞEN ÖZDEMİR")));
    Pencere p;
    QCOMPARE(p.e->satirSayisi(tur), 2);
    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("rapor.pdf"));
    QString baslik, sablon;
    Rapor::onizlemeYerine = [&](Rapor &r, QWidget *) {
        baslik = r.baslik();
        sablon = QFileInfo(r.sablonYolu()).fileName();
        r.pdfYaz(pdf);
    };
    // A third row due now: the details read the rows due when pressed
    // (the notes line prints the rows it read when shown).
    QVERIFY(yaz(tur, 0, 0, isaret, QStringLiteral("2007"), QStringLiteral("SONRADAN EKLENEN")));
    p.tikla(qPrintable(Uyarilar::DugmeAdi(tur)));
    Rapor::onizlemeYerine = nullptr;
    if (RaporSablonuBul(Uyarilar::Sablon(tur)).isEmpty()) {
        // A template not installed: the file error is shown and the window stays.
        QCOMPARE(mesaj.hatalar.size(), 1);
        QVERIFY(mesaj.hatalar.first().contains(Uyarilar::Sablon(tur)));
        QVERIFY(p.e->isVisible());
        return;
    }
    QVERIFY2(mesaj.hatalar.isEmpty(), qPrintable(mesaj.hatalar.join(QLatin1Char('|'))));
    QCOMPARE(sablon.toLower(), Uyarilar::Sablon(tur).toLower());
    QCOMPARE(baslik, tur == Tur::Not ? QStringLiteral("VELMORIKA UYARI") : Uyarilar::Sablon(tur));
    const QString metin = PdfMetni(pdf);
    QVERIFY2(metin.contains(QStringLiteral("ŞÜKRÜ IŞIK")), qPrintable(metin));
    QVERIFY(metin.contains(QStringLiteral("GÜLŞEN ÖZDEMİR")));
    QCOMPARE(metin.contains(QStringLiteral("SONRADAN EKLENEN")), tur != Tur::Not);
}

void TestUyari::giristenSonra_data()
{
    QTest::addColumn<QString>("hak"); // FORMGIRISI of the user's "UYARI" row; "yok": no row
    QTest::addColumn<bool>("acilir");
    QTest::newRow("no rights row") << "yok" << true;
    QTest::newRow("E") << "E" << true;
    QTest::newRow("H") << "H" << false;
}

void TestUyari::giristenSonra()
{
    QFETCH(QString, hak);
    QFETCH(bool, acilir);
    TEST_VT(vt);
    BetikMesaj mesaj;
    QVERIFY(yaz(Tur::Randevu, 0, 0, QStringLiteral("HAYIR"), QStringLiteral("2007"), QStringLiteral("ŞÜKRÜ IŞIK")));
    if (hak == QLatin1String("yok"))
        QVERIFY(Sorgu::calistir("delete from kullanicilar where moduladi = 'UYARI'"));
    else
        QVERIFY(Sorgu::calistir("update kullanicilar set formgirisi = ? where moduladi = 'UYARI'", {hak}));
    // The reminder window the main window opens by itself is read and closed.
    QStringList gorunen;
    int acilan = 0;
    QTimer bekci;
    connect(&bekci, &QTimer::timeout, [&] {
        auto *d = qobject_cast<Tfrm_uyari *>(QApplication::activeModalWidget());
        if (!d)
            return;
        ++acilan;
        for (Tur t : Uyarilar::Sira())
            if (d->gorunurMu(t))
                gorunen << Uyarilar::Baslik(t);
        d->close();
    });
    bekci.start(10);
    {
        Tfrm_menu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTRY_VERIFY(menu.ilkEtkinlesmeYapildi());
    }
    bekci.stop();
    QCOMPARE(acilan, acilir ? 1 : 0);
    QCOMPARE(gorunen, acilir ? QStringList{Uyarilar::Baslik(Tur::Randevu)} : QStringList());
    QVERIFY2(mesaj.mesajlar.isEmpty(), qPrintable(mesaj.mesajlar.join(QLatin1Char('|'))));
}

QTEST_MAIN(TestUyari)
#include "tst_uyari.moc"
