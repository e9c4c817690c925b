// The SMS screen driven by its controls against a gateway stand-in on
// loopback: the status request at opening to the chosen operator, the
// settings file, the counter, bulk lists from patients and appointments,
// bulk and single sends with their summaries, stopping a bulk send.
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/ekransurucu.h"
#include "destek/sahtegecit.h"
#include "destek/testvt.h"
#include "randevu/frm_sms1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Ortam = SmsTestOrtami;

struct Ekran : EkranSurucu<Tfrm_sms1>
{
    // yanitiBekle: the opening status request's reply is waited for.
    explicit Ekran(bool yanitiBekle = true)
    {
        e.reset(qobject_cast<Tfrm_sms1 *>(EkranOlustur(QStringLiteral("frm_sms1"), nullptr)));
        QVERIFY(e);
        goster();
        if (yanitiBekle)
            bekle();
    }
    // The request under way has its reply (or its time-out) and the window has shown it.
    void bekle() const { QTRY_VERIFY_WITH_TIMEOUT(!e->mesgulMu(), 10000); }
    void tiklaBekle(const char *ad) const
    {
        tikla(ad);
        bekle();
    }
    QString kutu(const char *ad) const { return w<QPlainTextEdit>(ad)->toPlainText(); }
    QStringList liste(const char *ad) const
    {
        QStringList l;
        auto *x = w<QListWidget>(ad);
        for (int i = 0; i < x->count(); ++i)
            l << x->item(i)->text();
        return l;
    }
};

bool hasta(int no, const QString &kod, const QString &ad, const QVariant &cep, const QString &doktor = QString())
{
    return Sorgu::calistir("insert into hastalar (kayitno, hastakodu, hastaadisoyadi, ceptel, doktoradi, sirketkodu) "
                           "values (?, ?, ?, ?, ?, ?)",
                           {no, kod, ad, cep, doktor, Oturum.sirketkodu});
}

} // namespace

class TstSms1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestOrtami(); }

    // Opening reads the file and asks the status of the operator it names;
    // the reports only Mobildev has are offered only for it.
    void acilis()
    {
        TEST_VT(vt);
        Ortam o;
        QVERIFY(o.dosyaYaz("123\r\nSIFRE\r\nALI\r\nEkomesaj\r\n"));
        o.gecit.varsayilan = {SahteGecit::Tur::Yanit, "KREDI:10\nTAMAM"};
        BetikMesaj m;
        Ekran s;
        QCOMPARE(s.e->windowTitle(), QStringLiteral("VELMORIKA SMS Gönderme Programı"));
        QCOMPARE(s.w<QComboBox>("cmb_operator")->currentText(), QStringLiteral("Ekomesaj"));
        QCOMPARE(s.metin("edt_kullanici"), QStringLiteral("ALI"));
        QCOMPARE(s.w<QLineEdit>("edt_sifre")->echoMode(), QLineEdit::Password);
        QCOMPARE(o.gecit.istekler.size(), 1);
        QCOMPARE(o.gecit.istekler[0].yol, QByteArray("/xmlapi/eko"));
        QCOMPARE(o.gecit.istekler[0].govde,
                 QByteArray("<MainReportRoot><Command>6</Command><PlatformID>1</PlatformID><UserName>ALI</UserName>"
                            "<ChannelCode>123</ChannelCode><PassWord>SIFRE</PassWord></MainReportRoot>"));
        // A reply of no known meaning: said so, then shown as it came.
        QCOMPARE(s.kutu("mem_durum").split(QLatin1Char('\n')),
                 (QStringList{"Operatörün yanıtı tanınmadı; geldiği gibi aşağıda.", "", "Operatörün yanıtı:", "KREDI:10",
                              "TAMAM"}));
        QVERIFY(!s.w<QPushButton>("btn_kontrolmesajno")->isEnabled());
        QVERIFY(!s.w<QPushButton>("btn_kontroltarih")->isEnabled());

        s.w<QComboBox>("cmb_operator")->setCurrentText(QStringLiteral("Mobildev"));
        QVERIFY(s.w<QPushButton>("btn_kontroltarih")->isEnabled());
        s.tiklaBekle("btn_kontroltarih");
        QCOMPARE(o.gecit.istekler.last().yol, QByteArray("/xmlapi/mobil"));
        QVERIFY(o.gecit.istekler.last().govde.contains("<Action>2</Action>"));
        s.tiklaBekle("btn_kontrolhesap");
        QCOMPARE(o.gecit.istekler.last().govde,
                 QByteArray("<MainReportRoot><UserName>ALI-123</UserName><PassWord>SIFRE</PassWord>"
                            "<Action>4</Action></MainReportRoot>"));
        QCOMPARE(s.kutu("mem_kontrol").split(QLatin1Char('\n')).mid(3), (QStringList{"KREDI:10", "TAMAM"}));
        // A known reply in words, the raw text as a detail under them.
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Yanit, "00 123456"});
        s.tiklaBekle("btn_tamam");
        QCOMPARE(s.kutu("mem_durum").split(QLatin1Char('\n')),
                 (QStringList{"İşlem başarılı. Operatörün kayıt numarası: 123456", "", "Operatörün yanıtı:",
                              "00 123456"}));
        QVERIFY(m.mesajlar.isEmpty());
    }

    // No file: empty boxes and the request still goes; a gateway that never
    // answers ends in a time-out shown in the box. "Tamam" writes the file
    // only when "Bilgilerimi Kaydet" is ticked.
    void tamamVeDosya()
    {
        TEST_VT(vt);
        Ortam o;
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        BetikMesaj m;
        Ekran s;
        QCOMPARE(o.gecit.istekler.size(), 1);
        QVERIFY(o.gecit.istekler[0].govde.contains("<UserName>-</UserName><PassWord></PassWord>"));
        QVERIFY2(s.kutu("mem_durum").contains(QStringLiteral("zaman aşımı")), qPrintable(s.kutu("mem_durum")));

        s.yaz("edt_kullanici", QStringLiteral("AYŞE"));
        s.yaz("edt_sifre", QStringLiteral("P<1>"));
        s.yaz("edt_client", QStringLiteral("77"));
        s.w<QCheckBox>("chk_kaydet")->setChecked(false);
        s.tiklaBekle("btn_tamam");
        QCOMPARE(o.gecit.istekler.size(), 2);
        QVERIFY(o.gecit.istekler[1].govde.contains("<PassWord>P&lt;1&gt;</PassWord>"));
        QVERIFY(!QFile::exists(o.dosyaYolu()));
        s.w<QCheckBox>("chk_kaydet")->setChecked(true);
        s.tiklaBekle("btn_tamam");
        QCOMPARE(o.dosya(), QByteArray("77\r\nP<1>\r\nAY\xDE" "E\r\nMobildev\r\n"));
        QVERIFY(!(QFile::permissions(o.dosyaYolu())
                  & (QFileDevice::ReadOther | QFileDevice::ReadGroup)));
    }

    void sayac()
    {
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        for (const char *k : {"lbl_toplusayac", "lbl_teksayac"})
            QCOMPARE(s.w<QLabel>(k)->text(), QStringLiteral(" 0 / 160"));
        s.w<QPlainTextEdit>("mem_toplu")->setPlainText(QStringLiteral("Merhaba"));
        QCOMPARE(s.w<QLabel>("lbl_toplusayac")->text(), QStringLiteral("7  /  160"));
        s.w<QPlainTextEdit>("mem_tek")->setPlainText(QString(200, QLatin1Char('x')));
        QCOMPARE(s.kutu("mem_tek").size(), 160);
        QCOMPARE(s.w<QLabel>("lbl_teksayac")->text(), QStringLiteral("160  /  160"));
    }

    // Patients listed by code range: "->>" takes the mobile numbers and names
    // the landline it left out; "<--" removes the selected pair; the hand-typed
    // pair is checked; the bulk send names the number that failed.
    void topluHastalar()
    {
        TEST_VT(vt);
        Ortam o;
        QVERIFY(hasta(1, "H1", "AYŞE YILMAZ", "0532 111 11 11"));
        QVERIFY(hasta(2, "H2", "SABİT HAT", "0212 222 22 22"));
        QVERIFY(hasta(3, "H3", "CAN <KAYA>", "+90 5333333333"));
        QVERIFY(hasta(4, "H4", "TELSİZ", QVariant(QMetaType::fromType<QString>())));
        QVERIFY(hasta(5, "H9", "KAPSAM DIŞI", "05349999999"));
        BetikMesaj m;
        Ekran s;
        m.temizle();
        s.yaz("edt_kod1", QStringLiteral("H1"));
        s.yaz("edt_kod2", QStringLiteral("H4"));
        s.tikla("btn_listele");
        QCOMPARE(s.w<QLabel>("lbl_sayi")->text(), QStringLiteral("3"));
        s.tikla("btn_hepsi");
        QCOMPARE(s.liste("lst_numaralar"), (QStringList{"5321111111", "5333333333"}));
        QCOMPARE(s.liste("lst_adlar"), (QStringList{"AYŞE YILMAZ", "CAN <KAYA>"}));
        QCOMPARE(m.mesajlar.size(), 1);
        QVERIFY2(m.son().contains(QStringLiteral("SABİT HAT (0212 222 22 22)")), qPrintable(m.son()));

        s.yaz("edt_ozelad", QStringLiteral("ELİF"));
        s.yaz("edt_ozelno", QStringLiteral("0212 000 00 00"));
        s.tikla("btn_ozelekle");
        QCOMPARE(m.mesajlar.size(), 2);
        QCOMPARE(s.liste("lst_adlar").size(), 2);
        s.yaz("edt_ozelno", QStringLiteral("0535 555 55 55"));
        s.tikla("btn_ozelekle");
        QCOMPARE(s.liste("lst_numaralar"), (QStringList{"5321111111", "5333333333", "5355555555"}));
        s.w<QListWidget>("lst_adlar")->setCurrentRow(0);
        s.tikla("btn_cikar");
        QCOMPARE(s.liste("lst_adlar"), (QStringList{"CAN <KAYA>", "ELİF"}));
        QCOMPARE(s.liste("lst_numaralar"), (QStringList{"5333333333", "5355555555"}));

        const int once = int(o.gecit.istekler.size());
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Yanit, "ID:5"});
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::HttpHata, "x"});
        s.w<QPlainTextEdit>("mem_toplu")->setPlainText(QStringLiteral("Yarın 10:00"));
        m.sorular.clear();
        s.tiklaBekle("btn_toplugonder");
        QCOMPARE(m.sorular, QStringList{QStringLiteral("2 kişiye mesaj gönderilecek. Gönderilsin mi?")});
        QCOMPARE(o.gecit.istekler.size(), once + 2);
        QVERIFY(o.gecit.istekler[once].govde.contains(
            "<Mesgbody>Say\xC4\xB1n CAN &lt;KAYA&gt; Yar\xC4\xB1n 10:00</Mesgbody><Numbers>5333333333</Numbers>"));
        QVERIFY2(m.son().contains(QStringLiteral("2 mesajdan 1 tanesi"))
                     && m.son().contains(QStringLiteral("5355555555 (ELİF): HTTP hatası 500"))
                     && !m.son().contains(QStringLiteral("Başarıyla")),
                 qPrintable(m.son()));

        // Unticked heading: the typed text alone.
        s.w<QCheckBox>("chk_sayin")->setChecked(false);
        s.tiklaBekle("btn_toplugonder");
        QVERIFY(o.gecit.istekler.last().govde.contains("<Mesgbody>Yar\xC4\xB1n 10:00</Mesgbody>"));
        QCOMPARE(m.son(), QStringLiteral("Mobildev Operatöründen Mesajlarınız Başarıyla Gönderilmiştir"));

        s.tikla("btn_temizle");
        QVERIFY(s.liste("lst_adlar").isEmpty() && s.liste("lst_numaralar").isEmpty());
        const int simdi = int(o.gecit.istekler.size());
        m.sorular.clear();
        s.tiklaBekle("btn_toplugonder");
        QCOMPARE(o.gecit.istekler.size(), simdi);
        QVERIFY(!m.son().contains(QStringLiteral("Başarıyla")));
        QCOMPARE(m.sorular, QStringList()); // nobody to ask about
    }

    // Before a bulk send: an empty text is refused, the count confirmed;
    // answered "Hayır", nothing goes.
    void topluOnay_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("cevap");
        QTest::addColumn<int>("giden");
        QTest::newRow("confirmed") << "Yarın 10:00" << true << 2;
        QTest::newRow("declined") << "Yarın 10:00" << false << 0;
        QTest::newRow("empty text") << "" << true << 0;
        QTest::newRow("blank text") << "  \n " << true << 0;
    }
    void topluOnay()
    {
        QFETCH(QString, metin);
        QFETCH(bool, cevap);
        QFETCH(int, giden);
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        for (const char *n : {"05321111111", "05332222222"}) {
            s.yaz("edt_ozelad", QStringLiteral("K"));
            s.yaz("edt_ozelno", QString::fromLatin1(n));
            s.tikla("btn_ozelekle");
        }
        s.w<QCheckBox>("chk_sayin")->setChecked(false);
        s.w<QPlainTextEdit>("mem_toplu")->setPlainText(metin);
        const int once = int(o.gecit.istekler.size());
        m.temizle();
        m.cevaplar.enqueue(cevap);
        s.tiklaBekle("btn_toplugonder");
        QCOMPARE(o.gecit.istekler.size(), once + giden);
        const bool bos = metin.trimmed().isEmpty();
        QCOMPARE(m.sorular, bos ? QStringList() : QStringList{QStringLiteral("2 kişiye mesaj gönderilecek. Gönderilsin mi?")});
        QCOMPARE(m.mesajlar, bos      ? QStringList{QStringLiteral("Gönderilecek SMS metni boş; mesaj gönderilmedi.")}
                             : giden ? QStringList{QStringLiteral("Mobildev Operatöründen Mesajlarınız Başarıyla Gönderilmiştir")}
                                     : QStringList());
    }

    // A single message with no text: refused before any request.
    void tekBosMetin()
    {
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        s.w<QPlainTextEdit>("mem_tek")->setPlainText(QStringLiteral("   "));
        s.yaz("edt_numaralar", QStringLiteral("05321234567"));
        const int once = int(o.gecit.istekler.size());
        m.temizle();
        s.tiklaBekle("btn_tekgonder");
        QCOMPARE(o.gecit.istekler.size(), once);
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Gönderilecek SMS metni boş; mesaj gönderilmedi.")});
    }

    // The chosen day's waiting appointments, one line per number.
    void randevular()
    {
        TEST_VT(vt);
        Ortam o;
        const QDate yarin = QDate::currentDate().addDays(1);
        int no = 0;
        for (const auto &[ad, cep, gun, sonuc] :
             {std::tuple{"YARIN BİR", "05321111111", yarin, "HAYIR"}, std::tuple{"YARIN İPTAL", "05322222222", yarin, "İPTAL"},
              std::tuple{"SONRA", "05323333333", yarin.addDays(1), "HAYIR"},
              std::tuple{"YARIN GELDİ", "05324444444", yarin, "EVET"},
              std::tuple{"YARIN BİR", "0532 111 11 11", yarin, "HAYIR"}})
            QVERIFY(Sorgu::calistir("insert into randevu (kayitno, sirketkodu, hastakodu, hastaadisoyadi, hastaceptel, "
                                    "randevutarihi, muayeneoldumu) values (?, ?, 'H', ?, ?, ?, ?)",
                                    {++no, Oturum.sirketkodu, QString::fromUtf8(ad), QString::fromUtf8(cep),
                                     QDateTime(gun, QTime(14, 30)), QString::fromUtf8(sonuc)}));
        BetikMesaj m;
        Ekran s;
        QCOMPARE(s.w<QDateEdit>("dt_randevu")->date(), yarin);
        s.tikla("btn_randevular");
        QCOMPARE(s.w<QLabel>("lbl_sayi")->text(), QStringLiteral("1"));
        s.tikla("btn_ekle");
        QCOMPARE(s.liste("lst_adlar"), QStringList{QStringLiteral("YARIN BİR")});
        QCOMPARE(s.liste("lst_numaralar"), QStringList{QStringLiteral("5321111111")});
    }

    void tekSms()
    {
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        s.w<QComboBox>("cmb_operator")->setCurrentText(QStringLiteral("Ekomesaj"));
        s.w<QPlainTextEdit>("mem_tek")->setPlainText(QStringLiteral("M"));
        const int once = int(o.gecit.istekler.size());
        s.yaz("edt_numaralar", QStringLiteral("0532 123 45 67,0212 111 11 11"));
        s.tiklaBekle("btn_tekgonder");
        QCOMPARE(o.gecit.istekler.size(), once);
        QVERIFY2(m.son().contains(QStringLiteral("0212 111 11 11")), qPrintable(m.son()));

        s.yaz("edt_numaralar", QStringLiteral("0532 123 45 67,5331234567"));
        s.tiklaBekle("btn_tekgonder");
        QCOMPARE(o.gecit.istekler.size(), once + 1);
        QCOMPARE(o.gecit.istekler.last().yol, QByteArray("/xmlapi/eko"));
        QVERIFY(o.gecit.istekler.last().govde.contains(" <Numbers>5321234567,5331234567</Numbers>"));
        QCOMPARE(m.son(), QStringLiteral("Ekomesaj Operatöründen Mesajlarınız Başarıyla Gönderilmiştir"));

        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        s.tiklaBekle("btn_tekgonder");
        QVERIFY2(m.son().contains(QStringLiteral("zaman aşımı")) && !m.son().contains(QStringLiteral("Başarıyla")),
                 qPrintable(m.son()));
    }

    // "Durdur" pressed while the first message is under way: it is given up
    // and nothing more is sent.
    void durdurma()
    {
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        for (int i = 0; i < 4; ++i) {
            s.yaz("edt_ozelad", QStringLiteral("K%1").arg(i));
            s.yaz("edt_ozelno", QStringLiteral("053200000%1%1").arg(i));
            s.tikla("btn_ozelekle");
        }
        QCOMPARE(s.liste("lst_numaralar").size(), 4);
        s.w<QPlainTextEdit>("mem_toplu")->setPlainText(QStringLiteral("Hatırlatma"));
        const int once = int(o.gecit.istekler.size());
        Sms::zamanAsimiAyarla(60000);
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        s.tikla("btn_toplugonder");
        // The window is not held while the request waits.
        QVERIFY(s.e->mesgulMu());
        QVERIFY(!s.w<QWidget>("pnl_mesgul")->isHidden());
        QVERIFY(!s.w<QPushButton>("btn_toplugonder")->isEnabled());
        QTRY_COMPARE(o.gecit.istekler.size(), once + 1);
        s.tikla("btn_durdur");
        QVERIFY(!s.e->mesgulMu());
        QVERIFY(s.w<QWidget>("pnl_mesgul")->isHidden());
        QVERIFY(s.w<QPushButton>("btn_toplugonder")->isEnabled());
        QTest::qWait(50);
        QCOMPARE(o.gecit.istekler.size(), once + 1);
        QVERIFY2(m.son().contains(QStringLiteral("4 mesajdan 0 tanesi")) && m.son().contains(QStringLiteral("3 mesaj hiç"))
                     && m.son().contains(QStringLiteral("5320000000 (K0): durduruldu")),
                 qPrintable(m.son()));
    }

    // The status is asked after the window shows, not before: a gateway that
    // does not answer leaves the window usable, and "Durdur" gives it up.
    void pencereHemenAcilir()
    {
        TEST_VT(vt);
        Ortam o;
        Sms::zamanAsimiAyarla(60000);
        o.gecit.varsayilan = {SahteGecit::Tur::Cevapsiz, {}};
        BetikMesaj m;
        QElapsedTimer sure;
        sure.start();
        Ekran s(false);
        QVERIFY(s.e->isVisible());
        QVERIFY(sure.elapsed() < 10000);
        QVERIFY(s.e->mesgulMu());
        QVERIFY(!s.w<QWidget>("pnl_mesgul")->isHidden());
        QCOMPARE(s.w<QLabel>("lbl_mesgul")->text(), QStringLiteral("Hesap durumu soruluyor..."));
        QVERIFY(!s.w<QPushButton>("btn_tamam")->isEnabled());
        QCOMPARE(s.kutu("mem_durum"), QStringLiteral("Hesap Durumu"));
        QTRY_COMPARE(o.gecit.istekler.size(), 1);
        s.tikla("btn_durdur");
        QVERIFY(!s.e->mesgulMu());
        QVERIFY(s.w<QPushButton>("btn_tamam")->isEnabled());
        QCOMPARE(s.kutu("mem_durum"), QStringLiteral("Operatörden yanıt alınamadı: durduruldu"));
        QVERIFY(m.mesajlar.isEmpty());
    }

    void kapatSekmesi()
    {
        TEST_VT(vt);
        Ortam o;
        BetikMesaj m;
        Ekran s;
        // Closed while a bulk send waits on the gateway: nothing more goes.
        s.yaz("edt_ozelno", QStringLiteral("05321111111"));
        s.tikla("btn_ozelekle");
        s.yaz("edt_ozelno", QStringLiteral("05322222222"));
        s.tikla("btn_ozelekle");
        s.w<QPlainTextEdit>("mem_toplu")->setPlainText(QStringLiteral("Hatırlatma"));
        Sms::zamanAsimiAyarla(60000);
        const int once = int(o.gecit.istekler.size());
        o.gecit.cevaplar.enqueue({SahteGecit::Tur::Cevapsiz, {}});
        s.tikla("btn_toplugonder");
        QTRY_COMPARE(o.gecit.istekler.size(), once + 1);
        auto *t = s.w<QTabWidget>("sayfalar");
        t->setCurrentWidget(s.w<QWidget>("tab_kapat"));
        QVERIFY(!s.e->isVisible());
        QVERIFY(!s.e->mesgulMu());
        QTest::qWait(100);
        QCOMPARE(o.gecit.istekler.size(), once + 1);
        QVERIFY2(m.son().contains(QStringLiteral("1 mesaj hiç")), qPrintable(m.son()));
    }
};

QTEST_MAIN(TstSms1)
#include "tst_sms1.moc"
