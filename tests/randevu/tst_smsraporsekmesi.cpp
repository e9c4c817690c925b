// The report screens' "Sms Gönder" tab on its own, made through the
// registration point with a list function, against the loopback gateway.
#include "app/smssekmesi.h"
#include "destek/betikmesaj.h"
#include "destek/sahtegecit.h"
#include "destek/testvt.h"
#include "randevu/smscekirdegi.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

using Ortam = SmsTestOrtami;

QStringList ogeler(QWidget *s, const char *ad)
{
    QStringList l;
    auto *x = s->findChild<QListWidget *>(QLatin1String(ad));
    for (int i = 0; i < x->count(); ++i)
        l << x->item(i)->text();
    return l;
}

template <class T = QWidget> T *w(QWidget *s, const char *ad)
{
    T *x = s->findChild<T *>(QLatin1String(ad));
    if (!x)
        qWarning("denetim yok: %s", ad);
    return x;
}

// The request under way has its reply (or its time-out) and the tab has shown it.
void bekle(QWidget *s) { QTRY_VERIFY_WITH_TIMEOUT(s->findChild<QWidget *>(QStringLiteral("pnl_mesgul"))->isHidden(), 10000); }

} // namespace

class TstSmsRaporSekmesi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestOrtami(); }

    // The patient report: the list read each time the tab is shown, the
    // status of the operator in the file, mobile numbers only, the heading
    // always, and "Tamam" writes the file.
    void hastaRaporu()
    {
        Ortam o;
        QVERIFY(o.dosyaYaz("9\r\nPW\r\nVELI\r\nEkomesaj\r\n"));
        QVector<SmsAlici> satirlar{{QStringLiteral("AYŞE YILMAZ"), QStringLiteral("0532 111 11 11")},
                                   {QStringLiteral("EV TELEFONU"), QStringLiteral("0312 111 11 11")}};
        SmsSekmesiAyari a;
        a.liste = [&] { return satirlar; };
        a.gosterilinceDurumSor = true;
        BetikMesaj m;
        std::unique_ptr<QWidget> s(SmsSekmesiOlustur(a, nullptr));
        QVERIFY(s);
        s->show();
        bekle(s.get());
        QCOMPARE(o.gecit.istekler.size(), 1);
        QCOMPARE(o.gecit.istekler[0].yol, QByteArray("/xmlapi/eko"));
        QVERIFY(o.gecit.istekler[0].govde.contains("<UserName>VELI</UserName><ChannelCode>9</ChannelCode>"));
        QCOMPARE(w<QTableWidget>(s.get(), "grd_kaynak")->rowCount(), 2);

        w<QPushButton>(s.get(), "btn_hepsi")->click();
        QCOMPARE(ogeler(s.get(), "lst_numaralar"), QStringList{QStringLiteral("5321111111")});
        QVERIFY2(m.son().contains(QStringLiteral("EV TELEFONU")), qPrintable(m.son()));

        // Shown again: the report's list as it is now, and the status asked again.
        satirlar.push_back({QStringLiteral("CAN"), QStringLiteral("05333333333")});
        s->hide();
        s->show();
        bekle(s.get());
        QCOMPARE(w<QTableWidget>(s.get(), "grd_kaynak")->rowCount(), 3);
        QCOMPARE(o.gecit.istekler.size(), 2);
        w<QTableWidget>(s.get(), "grd_kaynak")->selectRow(2);
        w<QPushButton>(s.get(), "btn_ekle")->click();
        QCOMPARE(ogeler(s.get(), "lst_adlar"), (QStringList{"AYŞE YILMAZ", "CAN"}));

        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        w<QPlainTextEdit>(s.get(), "mem_metin")->setPlainText(QStringLiteral("Sonuçlarınız hazır"));
        w<QPushButton>(s.get(), "btn_gonder")->click();
        QCOMPARE(m.sorular, QStringList{QStringLiteral("2 kişiye mesaj gönderilecek. Gönderilsin mi?")});
        bekle(s.get());
        QCOMPARE(o.gecit.istekler.size(), 4);
        QVERIFY(o.gecit.istekler[3].govde.contains(
            " <Mesgbody>Say\xC4\xB1n CAN Sonu\xC3\xA7lar\xC4\xB1n\xC4\xB1z haz\xC4\xB1r</Mesgbody> <Numbers>5333333333</Numbers>"));
        QVERIFY2(m.son().contains(QStringLiteral("5321111111 (AYŞE YILMAZ)")) && m.son().contains(QStringLiteral("zaman aşımı"))
                     && m.son().contains(QStringLiteral("2 mesajdan 1 tanesi")),
                 qPrintable(m.son()));

        w<QLineEdit>(s.get(), "edt_sifre")->setText(QStringLiteral("YENİ"));
        w<QPushButton>(s.get(), "btn_tamam")->click();
        bekle(s.get());
        QCOMPARE(o.gecit.istekler.size(), 5);
        QCOMPARE(o.dosya(), QByteArray("9\r\nYEN\xDD\r\nVELI\r\nEkomesaj\r\n"));
    }

    // The laboratory report: phones taken unchanged, the file never written,
    // its own success text; no status request when shown.
    void laboratuvarRaporu()
    {
        Ortam o;
        SmsSekmesiAyari a;
        a.liste = [] { return QVector<SmsAlici>{{QStringLiteral("LAB HASTA"), QStringLiteral("5551234567")},
                                                 {QStringLiteral("İKİNCİ"), QStringLiteral("0 532 1")}}; };
        a.telefonOlduguGibi = true;
        a.ayarlariKaydet = false;
        a.basariMesaji = QStringLiteral("Mesajlarınız Başarıyla Gönderilmiştir");
        BetikMesaj m;
        std::unique_ptr<QWidget> s(SmsSekmesiOlustur(a, nullptr));
        QVERIFY(s);
        s->show();
        QCoreApplication::processEvents();
        QVERIFY(o.gecit.istekler.isEmpty());
        w<QPushButton>(s.get(), "btn_hepsi")->click();
        QCOMPARE(ogeler(s.get(), "lst_numaralar"), (QStringList{"5551234567", "0 532 1"}));
        QVERIFY(m.mesajlar.isEmpty());

        // No text: refused before any request.
        w<QPushButton>(s.get(), "btn_gonder")->click();
        QVERIFY(o.gecit.istekler.isEmpty());
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Gönderilecek SMS metni boş; mesaj gönderilmedi.")});
        m.temizle();
        w<QPlainTextEdit>(s.get(), "mem_metin")->setPlainText(QString(130, QLatin1Char('a')));
        w<QPushButton>(s.get(), "btn_gonder")->click();
        bekle(s.get());
        QCOMPARE(o.gecit.istekler.size(), 2);
        QVERIFY(o.gecit.istekler[0].govde.contains(QByteArray("<Mesgbody>Say\xC4\xB1n LAB HASTA ") + QByteArray(130, 'a')));
        QCOMPARE(m.son(), QStringLiteral("Mesajlarınız Başarıyla Gönderilmiştir"));

        w<QLineEdit>(s.get(), "edt_kullanici")->setText(QStringLiteral("X"));
        w<QPushButton>(s.get(), "btn_tamam")->click();
        bekle(s.get());
        QCOMPARE(o.gecit.istekler.size(), 3);
        QVERIFY(!QFile::exists(o.dosyaYolu()));
    }

    // A gateway that does not answer holds neither the report screen nor
    // the tab: the status is asked after the tab shows, the sending buttons
    // are off meanwhile, and "Durdur" gives the request up at once. A bulk
    // send stopped on its first message sends nothing more.
    void yanitsizGecit()
    {
        Ortam o;
        Sms::zamanAsimiAyarla(60000);
        o.gecit.varsayilan = {SahteGecit::Tur::Cevapsiz, {}};
        SmsSekmesiAyari a;
        a.liste = [] { return QVector<SmsAlici>{{QStringLiteral("A"), QStringLiteral("05321111111")},
                                                 {QStringLiteral("B"), QStringLiteral("05322222222")}}; };
        a.gosterilinceDurumSor = true;
        BetikMesaj m;
        std::unique_ptr<QWidget> s(SmsSekmesiOlustur(a, nullptr));
        s->show();
        QVERIFY(s->isVisible());
        QVERIFY(!w(s.get(), "pnl_mesgul")->isHidden());
        QCOMPARE(w<QLabel>(s.get(), "lbl_mesgul")->text(), QStringLiteral("Hesap durumu soruluyor..."));
        QVERIFY(!w<QPushButton>(s.get(), "btn_gonder")->isEnabled());
        QTRY_COMPARE(o.gecit.istekler.size(), 1);
        w<QPushButton>(s.get(), "btn_durdur")->click();
        QVERIFY(w(s.get(), "pnl_mesgul")->isHidden());
        QVERIFY(w<QPushButton>(s.get(), "btn_gonder")->isEnabled());
        QCOMPARE(w<QPlainTextEdit>(s.get(), "mem_durum")->toPlainText(),
                 QStringLiteral("Operatörden yanıt alınamadı: durduruldu"));

        w<QPushButton>(s.get(), "btn_hepsi")->click();
        w<QPlainTextEdit>(s.get(), "mem_metin")->setPlainText(QStringLiteral("Hatırlatma"));
        w<QPushButton>(s.get(), "btn_gonder")->click();
        QVERIFY(!w(s.get(), "pnl_mesgul")->isHidden());
        QTRY_COMPARE(o.gecit.istekler.size(), 2);
        w<QPushButton>(s.get(), "btn_durdur")->click();
        QTest::qWait(50);
        QCOMPARE(o.gecit.istekler.size(), 2);
        QVERIFY2(m.son().contains(QStringLiteral("2 mesajdan 0 tanesi")) && m.son().contains(QStringLiteral("1 mesaj hiç")),
                 qPrintable(m.son()));
    }
};

QTEST_MAIN(TstSmsRaporSekmesi)
#include "tst_smsraporsekmesi.moc"
