// The messaging core against a gateway stand-in on loopback: the request
// bytes of both operators, escaping, phone numbers, the settings file, and
// a bulk send where one number fails and one gateway never answers.
#include "destek/betikmesaj.h"
#include "destek/sahtegecit.h"
#include "randevu/smscekirdegi.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace Sms;

namespace {

const Hesap Ali{QStringLiteral("123"), QStringLiteral("SIFRE"), QStringLiteral("ALI"), QStringLiteral("Mobildev")};

// Points both operators at the stand-in for the life of the object.
struct GecitAdresi
{
    explicit GecitAdresi(const SahteGecit &g)
    {
        qputenv("VELMORIKA_SMS_MOBILDEV", g.adres().toString().toUtf8());
        qputenv("VELMORIKA_SMS_EKOMESAJ", g.adres().toString().toUtf8() + "eko");
    }
    ~GecitAdresi()
    {
        qunsetenv("VELMORIKA_SMS_MOBILDEV");
        qunsetenv("VELMORIKA_SMS_EKOMESAJ");
    }
};

} // namespace

class TstSmsCekirdegi : public QObject
{
    Q_OBJECT
private slots:
    void init() { zamanAsimiAyarla(20000); }

    void istekMetinleri_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<bool>("gonder");
        QTest::addColumn<QByteArray>("beklenen");
        QTest::addColumn<QByteArray>("yol");
        QTest::newRow("Mobildev durum") << int(Operator::Mobildev) << false
            << QByteArray("<MainReportRoot><UserName>ALI-123</UserName><PassWord>SIFRE</PassWord>"
                          "<Action>4</Action></MainReportRoot>") << QByteArray("/xmlapi/");
        QTest::newRow("Mobildev gönder") << int(Operator::Mobildev) << true
            << QByteArray("<MainmsgBody><UserName>ALI-123</UserName><PassWord>SIFRE</PassWord><Action>0</Action>"
                          "<Mesgbody>M</Mesgbody><Numbers>5321234567</Numbers><Originator></Originator>"
                          "<SDate></SDate></MainmsgBody>") << QByteArray("/xmlapi/");
        QTest::newRow("Ekomesaj durum") << int(Operator::Ekomesaj) << false
            << QByteArray("<MainReportRoot><Command>6</Command><PlatformID>1</PlatformID><UserName>ALI</UserName>"
                          "<ChannelCode>123</ChannelCode><PassWord>SIFRE</PassWord></MainReportRoot>")
            << QByteArray("/xmlapi/eko");
        QTest::newRow("Ekomesaj gönder") << int(Operator::Ekomesaj) << true
            << QByteArray(" <MainmsgBody> <Command>0</Command> <PlatformID>1</PlatformID> <UserName>ALI</UserName>"
                          " <PassWord>SIFRE</PassWord> <ChannelCode>123</ChannelCode> <Mesgbody>M</Mesgbody>"
                          " <Numbers>5321234567</Numbers> <Type>1</Type> <Originator></Originator> <SDate></SDate>"
                          " <EDate></EDate> </MainmsgBody>") << QByteArray("/xmlapi/eko");
    }
    void istekMetinleri()
    {
        QFETCH(int, op);
        QFETCH(bool, gonder);
        QFETCH(QByteArray, beklenen);
        QFETCH(QByteArray, yol);
        SahteGecit g;
        QVERIFY(g.dinliyor());
        GecitAdresi a(g);
        g.varsayilan = {SahteGecit::Tur::Yanit, QByteArrayLiteral("ID:1")};
        const auto o = Operator(op);
        const QString istek = gonder ? gonderIstegi(Ali, o, QStringLiteral("M"), QStringLiteral("5321234567"))
                                     : durumIstegi(Ali, o);
        const Yanit y = Sms::gonder(o, istek);
        QVERIFY(y.tamam());
        QCOMPARE(y.metin, QStringLiteral("ID:1"));
        QCOMPARE(g.istekler.size(), 1);
        QCOMPARE(g.istekler[0].yontem, QByteArray("POST"));
        QCOMPARE(g.istekler[0].yol, yol);
        QCOMPARE(g.istekler[0].govde, beklenen);
        QCOMPARE(g.istekler[0].basliklar.value("content-type"), QByteArray("text/xml; charset=utf-8"));
    }

    void mobildevRaporIstekleri()
    {
        QCOMPARE(mesajNoRaporIstegi(Ali),
                 QStringLiteral("<MainReportRoot><UserName>ALI-123</UserName><PassWord>SIFRE</PassWord>"
                                "<Action>3</Action><MsgID>2947582</MsgID></MainReportRoot>"));
        QCOMPARE(tarihRaporIstegi(Ali),
                 QStringLiteral("<MainReportRoot><UserName>ALI-123</UserName><PassWord>SIFRE</PassWord>"
                                "<Action>2</Action><FDate>2007-01-01</FDate><LDate>2007-12-31</LDate>"
                                "</MainReportRoot>"));
        QVERIFY(raporlariVar(Operator::Mobildev));
        QVERIFY(!raporlariVar(Operator::Ekomesaj));
    }

    // Markup characters in any value still make a well-formed request that
    // reads back as typed; Turkish letters go as UTF-8.
    void kacis_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("Mobildev") << int(Operator::Mobildev);
        QTest::newRow("Ekomesaj") << int(Operator::Ekomesaj);
    }
    void kacis()
    {
        QFETCH(int, op);
        SahteGecit g;
        GecitAdresi a(g);
        const Hesap h{QStringLiteral("1<2"), QStringLiteral("a&b\"c'"), QStringLiteral("Ş<İ>"), QString()};
        const QString mesaj = QStringLiteral("Sayın <AYŞE> & \"Ali\" </Mesgbody>");
        QVERIFY(Sms::gonder(Operator(op), gonderIstegi(h, Operator(op), mesaj, QStringLiteral("5321234567"))).tamam());
        QCOMPARE(g.istekler.size(), 1);
        QXmlStreamReader x(g.istekler[0].govde);
        QMap<QString, QString> ogeler;
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() != QLatin1String("MainmsgBody")) {
                const QString ad = x.name().toString();
                ogeler.insert(ad, x.readElementText());
            }
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        QCOMPARE(ogeler.value(QStringLiteral("Mesgbody")), mesaj);
        QCOMPARE(ogeler.value(QStringLiteral("PassWord")), h.sifre);
        if (Operator(op) == Operator::Mobildev) {
            QCOMPARE(ogeler.value(QStringLiteral("UserName")), QStringLiteral("Ş<İ>-1<2"));
        } else {
            QCOMPARE(ogeler.value(QStringLiteral("UserName")), h.kullanici);
            QCOMPARE(ogeler.value(QStringLiteral("ChannelCode")), h.clientKodu);
        }
        QVERIFY(g.istekler[0].govde.contains("Say\xC4\xB1n"));
    }

    void numaralar_data()
    {
        QTest::addColumn<QString>("telefon");
        QTest::addColumn<QString>("beklenen"); // empty: refused
        QTest::newRow("0 ile, boşluklu") << "0532 123 45 67" << "5321234567";
        QTest::newRow("on hane") << "5321234567" << "5321234567";
        QTest::newRow("+90") << "+90 532 123 45 67" << "5321234567";
        QTest::newRow("90 bitişik") << "905321234567" << "5321234567";
        QTest::newRow("tireli, parantezli") << "(0532) 123-45-67" << "5321234567";
        QTest::newRow("sabit hat") << "0212 123 45 67" << "";
        QTest::newRow("kısa") << "0532 123 45" << "";
        QTest::newRow("uzun") << "0532 123 45 678" << "";
        QTest::newRow("harfli") << "0532 12A 45 67" << "";
        QTest::newRow("boş") << "" << "";
    }
    void numaralar()
    {
        QFETCH(QString, telefon);
        QFETCH(QString, beklenen);
        QCOMPARE(cepNumarasi(telefon).value_or(QString()), beklenen);
    }

    void ayarDosyasi()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("SMSINFO.DAT"));
        Hesap h{QStringLiteral("C1"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
        QVERIFY(ayarOku(&h, nullptr, yol));
        QVERIFY(h.clientKodu.isEmpty() && h.sifre.isEmpty() && h.kullanici.isEmpty() && h.operatorAdi.isEmpty());

        const Hesap yazilan{QStringLiteral("123"), QStringLiteral("ŞİFRE"), QStringLiteral("ğüı"),
                            QStringLiteral("Ekomesaj")};
        QString hata;
        QVERIFY2(ayarYaz(yazilan, &hata, yol), qPrintable(hata));
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("123\r\n\xDE\xDD" "FRE\r\n\xF0\xFC\xFD\r\nEkomesaj\r\n"));
        QCOMPARE(QFile::permissions(yol) & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup
                                            | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
        QVERIFY(QFile::permissions(yol) & QFileDevice::ReadOwner);

        Hesap okunan;
        QVERIFY(ayarOku(&okunan, nullptr, yol));
        QCOMPARE(okunan.clientKodu, yazilan.clientKodu);
        QCOMPARE(okunan.sifre, yazilan.sifre);
        QCOMPARE(okunan.kullanici, yazilan.kullanici);
        QCOMPARE(okunan.operatorAdi, yazilan.operatorAdi);

        // A file of two lines: the missing ones read empty.
        QFile k(yol);
        QVERIFY(k.open(QIODevice::WriteOnly | QIODevice::Truncate));
        k.write("9\r\nP");
        k.close();
        QVERIFY(ayarOku(&okunan, nullptr, yol));
        QCOMPARE(okunan.clientKodu, QStringLiteral("9"));
        QCOMPARE(okunan.sifre, QStringLiteral("P"));
        QVERIFY(okunan.kullanici.isEmpty() && okunan.operatorAdi.isEmpty());
    }

    // The account lives in the per-user settings folder. One an earlier
    // release left in the working directory is moved there once, and the
    // user is told from where to where; a file already in the new place
    // wins and the old one is left alone.
    void eskiYerdenTasima_data()
    {
        QTest::addColumn<bool>("yenisiVar");
        QTest::newRow("yalnız eski yerde") << false;
        QTest::newRow("yeni yerde de var") << true;
    }
    void eskiYerdenTasima()
    {
        QFETCH(bool, yenisiVar);
        BetikMesaj m;
        SmsTestOrtami o;
        const QString eski = o.klasor.filePath(QStringLiteral("SMSINFO.DAT"));
        {
            QFile f(eski);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("41\r\nESKI\r\nALI\r\nMobildev\r\n");
            f.close();
            QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        }
        if (yenisiVar)
            QVERIFY(o.dosyaYaz("42\r\nYENI\r\nVELI\r\nEkomesaj\r\n"));

        QCOMPARE(QFileInfo(Sms::ayarDosyasi()).absoluteFilePath(), QFileInfo(o.dosyaYolu()).absoluteFilePath());
        Hesap h;
        QVERIFY(ayarOku(&h));
        QCOMPARE(h.clientKodu, yenisiVar ? QStringLiteral("42") : QStringLiteral("41"));
        QCOMPARE(QFile::exists(eski), yenisiVar);
        if (yenisiVar) {
            QVERIFY(m.mesajlar.isEmpty());
        } else {
            QCOMPARE(m.mesajlar.size(), 1);
            QVERIFY2(m.son().contains(QStringLiteral("taşındı")) && m.son().contains(eski)
                         && m.son().contains(o.dosyaYolu()),
                     qPrintable(m.son()));
            QCOMPARE(QFile::permissions(o.dosyaYolu()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                     QFileDevice::Permissions());
        }
        // Once: read again, nothing more is moved or said.
        QVERIFY(ayarOku(&h));
        QCOMPARE(m.mesajlar.size(), yenisiVar ? 0 : 1);
        // And nothing is written to the working directory any more.
        QVERIFY(ayarYaz(h));
        QCOMPARE(QFile::exists(eski), yenisiVar);
    }

    void yanitlar_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("durum");
        QTest::addColumn<bool>("beklemeden"); // through Istek, the program going on meanwhile
        for (bool b : {false, true}) {
            const char *ne = b ? ", beklemeden" : "";
            QTest::addRow("yanıt%s", ne) << int(SahteGecit::Tur::Yanit) << int(Yanit::Durum::Tamam) << b;
            QTest::addRow("boş%s", ne) << int(SahteGecit::Tur::Bos) << int(Yanit::Durum::BosYanit) << b;
            QTest::addRow("HTTP 500%s", ne) << int(SahteGecit::Tur::HttpHata) << int(Yanit::Durum::HttpHatasi) << b;
            QTest::addRow("cevapsız%s", ne) << int(SahteGecit::Tur::Cevapsiz) << int(Yanit::Durum::ZamanAsimi) << b;
        }
    }
    void yanitlar()
    {
        QFETCH(int, tur);
        QFETCH(int, durum);
        QFETCH(bool, beklemeden);
        SahteGecit g;
        GecitAdresi a(g);
        zamanAsimiAyarla(400);
        g.cevaplar.enqueue({SahteGecit::Tur(tur), QByteArrayLiteral("KALAN:5\nSON")});
        Yanit y;
        if (beklemeden) {
            int gelen = 0;
            Istek i(Operator::Mobildev, durumIstegi(Ali, Operator::Mobildev));
            QObject::connect(&i, &Istek::bitti, [&](const Yanit &x) {
                y = x;
                ++gelen;
            });
            QCOMPARE(gelen, 0); // nothing waited for here
            QTRY_COMPARE_WITH_TIMEOUT(gelen, 1, 10000);
            QTest::qWait(500);
            QCOMPARE(gelen, 1); // once
        } else {
            y = Sms::gonder(Operator::Mobildev, durumIstegi(Ali, Operator::Mobildev));
        }
        QCOMPARE(int(y.durum), durum);
        QCOMPARE(y.neden.isEmpty(), y.tamam());
        if (y.tamam())
            QCOMPARE(satirSonlariniDuzelt(y.metin), QStringLiteral("KALAN:5\r\nSON"));
    }

    // A reply in words, the reply itself under them.
    void yanitAnlami_data()
    {
        QTest::addColumn<QString>("yanit");
        QTest::addColumn<QString>("anlam");
        QTest::newRow("done with its number") << "00 123456" << "İşlem başarılı. Operatörün kayıt numarası: 123456";
        QTest::newRow("done, blanks around") << " 00 42\n" << "İşlem başarılı. Operatörün kayıt numarası: 42";
        QTest::newRow("message id") << "ID:5" << "Mesaj operatöre ulaştı. Mesaj numarası: 5";
        QTest::newRow("another code") << "01" << "Operatörün yanıtı tanınmadı; geldiği gibi aşağıda.";
        QTest::newRow("00 alone") << "00" << "Operatörün yanıtı tanınmadı; geldiği gibi aşağıda.";
        QTest::newRow("several lines") << "KALAN:5\nSON" << "Operatörün yanıtı tanınmadı; geldiği gibi aşağıda.";
    }
    void yanitAnlami()
    {
        QFETCH(QString, yanit);
        QFETCH(QString, anlam);
        QCOMPARE(yanitAciklamasi(yanit),
                 anlam + QStringLiteral("\r\n\r\nOperatörün yanıtı:\r\n") + satirSonlariniDuzelt(yanit));
    }

    void satirSonlari()
    {
        QCOMPARE(satirSonlariniDuzelt(QStringLiteral("a\nb\r\nc\n")), QStringLiteral("a\r\nb\r\nc\r\n"));
    }

    // Four entries: the second gets an HTTP error, the third never gets an
    // answer, the fourth an empty reply; the summary names exactly those.
    void topluGonderim()
    {
        SahteGecit g;
        GecitAdresi a(g);
        zamanAsimiAyarla(400);
        g.cevaplar.enqueue({SahteGecit::Tur::Yanit, "ID:1"});
        g.cevaplar.enqueue({SahteGecit::Tur::HttpHata, "hata"});
        g.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        g.cevaplar.enqueue({SahteGecit::Tur::Bos, {}});
        Alicilar al;
        al.ekle(QStringLiteral("5321111111"), QStringLiteral("AYŞE YILMAZ"));
        al.ekle(QStringLiteral("5322222222"), QStringLiteral("ALİ VELİ"));
        al.ekle(QStringLiteral("5323333333"), QStringLiteral("CAN CAN"));
        al.ekle(QStringLiteral("5324444444"), QStringLiteral("EDA EDA"));
        QList<int> gorulen;
        const TopluSonuc s = topluGonder(Ali, Operator::Ekomesaj, al, QStringLiteral("Yarın randevunuz var"), true,
                                         [&](int i, const Yanit &) { gorulen << i; return true; });
        QCOMPARE(gorulen, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(g.istekler.size(), 4);
        QVERIFY(g.istekler[0].govde.contains("<Mesgbody>Say\xC4\xB1n AY\xC5\x9E" "E YILMAZ Yar\xC4\xB1n randevunuz var</Mesgbody>"));
        QVERIFY(g.istekler[3].govde.contains("<Numbers>5324444444</Numbers>"));
        QCOMPARE(s.toplam, 4);
        QCOMPARE(s.yanitlanan, 1);
        QCOMPARE(s.hatalar.size(), 3);
        const QString m = ozet(Operator::Ekomesaj, s);
        QVERIFY2(!m.contains(QStringLiteral("Başarıyla")), qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("4 mesajdan 1 tanesi")), qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("5322222222 (ALİ VELİ): HTTP hatası 500")), qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("5323333333 (CAN CAN):")) && m.contains(QStringLiteral("zaman aşımı")),
                 qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("5324444444 (EDA EDA): operatörden boş yanıt geldi")), qPrintable(m));
        QVERIFY(!m.contains(QStringLiteral("5321111111")));
    }

    void topluBasariVeBosListe()
    {
        SahteGecit g;
        GecitAdresi a(g);
        Alicilar al;
        al.ekle(QStringLiteral("5321111111"), QStringLiteral("A"));
        al.ekle(QStringLiteral("5322222222"), QStringLiteral("B"));
        const TopluSonuc s = topluGonder(Ali, Operator::Mobildev, al, QStringLiteral("M"), false);
        QCOMPARE(s.yanitlanan, 2);
        QVERIFY(g.istekler[1].govde.contains("<Mesgbody>M</Mesgbody>"));
        QCOMPARE(ozet(Operator::Mobildev, s),
                 QStringLiteral("Mobildev Operatöründen Mesajlarınız Başarıyla Gönderilmiştir"));
        QCOMPARE(ozet(Operator::Mobildev, s, QStringLiteral("Mesajlarınız Başarıyla Gönderilmiştir")),
                 QStringLiteral("Mesajlarınız Başarıyla Gönderilmiştir"));
        const TopluSonuc bos = topluGonder(Ali, Operator::Mobildev, Alicilar(), QStringLiteral("M"), true);
        QCOMPARE(g.istekler.size(), 2);
        QVERIFY(!ozet(Operator::Mobildev, bos).contains(QStringLiteral("Başarıyla")));
    }

    // Stopping after the second message sends nothing more and says how many were left.
    void durdurma()
    {
        SahteGecit g;
        GecitAdresi a(g);
        Alicilar al;
        for (int i = 0; i < 5; ++i)
            al.ekle(QStringLiteral("532000000%1").arg(i), QStringLiteral("K%1").arg(i));
        const TopluSonuc s = topluGonder(Ali, Operator::Mobildev, al, QStringLiteral("M"), true,
                                         [](int i, const Yanit &) { return i < 1; });
        QCOMPARE(g.istekler.size(), 2);
        QVERIFY(s.durduruldu);
        QCOMPARE(s.gonderilmeyen, 3);
        const QString m = ozet(Operator::Mobildev, s);
        QVERIFY2(m.contains(QStringLiteral("5 mesajdan 2 tanesi")) && m.contains(QStringLiteral("3 mesaj hiç")),
                 qPrintable(m));
    }
};

QTEST_GUILESS_MAIN(TstSmsCekirdegi)
#include "tst_smscekirdegi.moc"
