// The login window: start-up and its failures, the checks of a login in their
// order, the login context, Enter in the boxes, the company list.
#include "app/program/frm_sirket_ara.h"
#include "app/program/frmlogin.h"
#include "app/kullanicilar.h"
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/istasyonayari.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "sahteekran.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

QLineEdit *kutu(QWidget &w, const char *ad) { return w.findChild<QLineEdit *>(QLatin1String(ad)); }
QPushButton *dugme(QWidget &w, const char *ad) { return w.findChild<QPushButton *>(QLatin1String(ad)); }

bool eleman(double kod, const QString &ad, const QString &soyad, const QString &sifre, const QString &username)
{
    return Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, "
                                          "kullanici_soyadi, sifre, username) values (gen_id(otokod_elemanlar, 1), "
                                          "?, ?, ?, ?, ?)"),
                           {kod, ad, soyad, sifre, username});
}

// The same with the key given: rows can be stored out of key order.
bool eleman(qint64 no, double kod, const QString &ad, const QString &soyad, const QString &sifre,
            const QString &username)
{
    return Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, "
                                          "kullanici_soyadi, sifre, username) values (?, ?, ?, ?, ?, ?)"),
                           {no, kod, ad, soyad, sifre, username});
}

void girisBilgileri(QWidget &w, const QString &sirket, const QString &kullanici, const QString &sifre)
{
    kutu(w, "edt_sirket")->setText(sirket);
    kutu(w, "edt_kullanici_adi")->setText(kullanici);
    kutu(w, "edt_sifre")->setText(sifre);
}

// Types text into a widget as keys, letters outside Latin-1 too.
void yaz(QWidget *w, const QString &metin)
{
    for (QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString datayeriYolu() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("datayeri.txt")); }

void datayeriYaz(const QByteArray &icerik)
{
    QFile f(datayeriYolu());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(icerik);
}

// Waits for the modal company list and hands it to the test's step.
void sirketListesindeYap(std::function<void(Tfrm_sirket_ara *)> adim)
{
    QTimer::singleShot(0, [adim] {
        Tfrm_sirket_ara *d = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *s = qobject_cast<Tfrm_sirket_ara *>(w); s && s->isVisible())
                d = s;
        if (!d) {
            qWarning("şirket listesi açılmadı");
            return;
        }
        adim(d);
    });
}

} // namespace

class TstGiris : public QObject
{
    Q_OBJECT
    // The main window opens the reminders after login; here they only close again.
    SahteEkranlar m_hatirlatma{{QStringLiteral("frm_uyari")}};

private slots:
    void cleanup() { QFile::remove(datayeriYolu()); }

    void baslangic()
    {
        TEST_VT(vt);
        BetikMesaj m;
        // A location with a line break: the break is not part of it.
        datayeriYaz(vt.yol().toUtf8() + "\r\n");
        TfrmLogin w;
        QVERIFY(m.mesajlar.isEmpty());
        QCOMPARE(Oturum.datayeri, vt.yol());
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbl_datayeri"))->text(), QStringLiteral("Database : ") + vt.yol());
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.windowTitle(), QStringLiteral("V E L M O R I K A                      Şifre Girişi                  "
                                                 "Tervana Bilişim"));
        QCOMPARE(kutu(w, "edt_sirket")->text(), QStringLiteral("2007"));
        QVERIFY(kutu(w, "edt_sirket")->isReadOnly());
        QCOMPARE(kutu(w, "edt_kullanici_adi")->text(), QStringLiteral("VELMOR"));
        QCOMPARE(kutu(w, "edt_kullanici_adi")->toolTip(), QStringLiteral("Kullanıcı Adını Yazınız"));
        QCOMPARE(kutu(w, "edt_sifre")->toolTip(), QStringLiteral("Şifrenizi Giriniz"));
        QCOMPARE(dugme(w, "btnOkey")->toolTip(), QStringLiteral("Tamam"));
        QCOMPARE(dugme(w, "btnCancel")->toolTip(), QStringLiteral("İptal"));
        w.setAnaPencereModal(false);
        dugme(w, "btnOkey")->click();
        QVERIFY(m.mesajlar.isEmpty());
        QVERIFY(w.anaPencere());
    }

    void baslangicHatalari_data()
    {
        QTest::addColumn<QString>("durum");
        QTest::addColumn<QString>("cumle"); // the Turkish sentence the message starts with
        QTest::newRow("datayeri yok") << "yok" << "Veritabanı yeri dosyası okunamadı";
        QTest::newRow("veritabani degil") << "metin" << "Bu dosya bir veritabanı değil ya da bozuk.";
        QTest::newRow("bos satir") << "bos" << "Veritabanı yeri dosyası boş";
        QTest::newRow("dosya yok") << "olmayan" << "Veritabanı dosyası bulunamadı ya da açılamadı.";
        QTest::newRow("sunucu yanit vermiyor") << "sunucu" << "Veritabanı sunucusuna ulaşılamadı.";
        QTest::newRow("sunucu adi yanlis") << "bilinmeyen" << "Veritabanı sunucusuna ulaşılamadı.";
        QTest::newRow("sunucu kimliksiz") << "kimliksiz" << "Sunucudaki veritabanı";
    }
    void baslangicHatalari()
    {
        QFETCH(QString, durum);
        QFETCH(QString, cumle);
        QTemporaryDir klasor;
        Baglanti::kapat(Baglanti::Paylasilan);
        Oturum = OturumKaydi();
        const QString metin = klasor.filePath(QStringLiteral("metin.fdb"));
        {
            QFile f(metin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(8192, 'x'));
        }
        if (durum == QLatin1String("metin"))
            datayeriYaz(metin.toUtf8());
        else if (durum == QLatin1String("bos"))
            datayeriYaz("\n");
        else if (durum == QLatin1String("sunucu") || durum == QLatin1String("kimliksiz"))
            datayeriYaz("127.0.0.1/1:/tmp/yok.fdb"); // nobody listens on port 1
        else if (durum == QLatin1String("bilinmeyen"))
            datayeriYaz("yokboylebirsunucu:/tmp/yok.fdb"); // a name no resolver knows
        // A server needs the workstation's credentials before it is tried at all.
        QFile::remove(IstasyonAyari::dosya());
        if (durum == QLatin1String("sunucu") || durum == QLatin1String("bilinmeyen"))
            QVERIFY(IstasyonAyari::yaz({QStringLiteral("VELMORIKA"), QStringLiteral("sifre"), QString()}, nullptr));
        else if (durum == QLatin1String("olmayan"))
            datayeriYaz(klasor.filePath(QStringLiteral("yok.fdb")).toUtf8());

        BetikMesaj m;
        TfrmLogin w;
        w.setAnaPencereModal(false);
        // One Turkish sentence that says what happened (the client's text may
        // follow for the technician); the window is still there.
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().startsWith(cumle), qPrintable(m.hatalar.first()));
        if (durum == QLatin1String("yok"))
            QVERIFY(m.hatalar.first().contains(QStringLiteral("datayeri.txt")));
        // The location tried stays on the window (there is none when the file naming it is missing or empty).
        const QString yer = w.findChild<QLabel *>(QStringLiteral("lbl_datayeri"))->text();
        if (durum == QLatin1String("yok") || durum == QLatin1String("bos"))
            QCOMPARE(yer, QStringLiteral("Database : "));
        else if (durum != QLatin1String("kimliksiz"))
            QVERIFY2(yer.endsWith(QStringLiteral("(bağlanılamadı)"))
                         && yer.contains(durum == QLatin1String("metin") ? QStringLiteral("metin.fdb")
                                         : durum == QLatin1String("olmayan") ? QStringLiteral("yok.fdb")
                                                                             : QStringLiteral(":/tmp/yok.fdb")),
                     qPrintable(yer));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // A login attempt tries to connect again and fails with the same
        // message, never a crash.
        m.temizle();
        dugme(w, "btnOkey")->click();
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY2(m.hatalar.first().startsWith(cumle), qPrintable(m.hatalar.first()));
        QVERIFY(!w.anaPencere());
        QVERIFY(w.isVisible());
        QCOMPARE(kutu(w, "edt_sifre")->text(), QStringLiteral("KLINIK"));

        // Cancel still ends the program.
        dugme(w, "btnCancel")->click();
        QVERIFY(!w.isVisible());
        QFile::remove(IstasyonAyari::dosya());
    }

    // The database could not be reached when the window opened (a server
    // still starting, a file not there yet): the next login attempt connects
    // to the same location and logs in.
    void sonrakiDenemedeBaglanir()
    {
        TEST_VT(vt);
        Baglanti::kapat(Baglanti::Paylasilan);
        const QString sonra = QDir(vt.klasor()).filePath(QStringLiteral("sonra.fdb"));
        BetikMesaj m;
        Oturum = OturumKaydi();
        TfrmLogin w(sonra);
        w.setAnaPencereModal(false);
        QCOMPARE(m.hatalar.size(), 1);
        QVERIFY(!Baglanti::vt().isOpen());
        QVERIFY(QFile::copy(vt.yol(), sonra));
        m.temizle();
        dugme(w, "btnOkey")->click();
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        QVERIFY(w.anaPencere());
        QCOMPARE(Oturum.datayeri, sonra);
        QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("1"));
    }

    // The server dropped the window's connection while it waited for the
    // user: the login opens it again unseen.
    void bekleyenBaglantiKoparsa()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Oturum = OturumKaydi();
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        QString h;
        QVERIFY2(Baglanti::ac(vt.yol(), QStringLiteral("ikinci"), &h), qPrintable(h));
        const auto no = Sorgu::tekDeger(QStringLiteral("select current_connection from rdb$database"));
        QVERIFY(no);
        QVERIFY(Sorgu::calistir(QStringLiteral("delete from mon$attachments where mon$attachment_id = ?"), {*no},
                                QStringLiteral("ikinci")));
        Baglanti::kapat(QStringLiteral("ikinci"));
        dugme(w, "btnOkey")->click();
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        QVERIFY(w.anaPencere());
        QVERIFY(Sorgu::tekDeger(QStringLiteral("select current_connection from rdb$database")).value() != *no);
    }

    void denetimler_data()
    {
        QTest::addColumn<QString>("sirket");
        QTest::addColumn<QString>("kullanici");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        const QString sirketBos = QStringLiteral("Şirket Kodu Boş Kalamaz");
        const QString kullaniciBos = QStringLiteral("Kullanici Adi Boş Kalamaz");
        const QString sifreBos = QStringLiteral("Şifre Adi Boş Kalamaz");
        const QString uyusmuyor = QStringLiteral("Kullanici Adi Ve Şifre Uyuşmuyor");
        QTest::newRow("bos sirket, dogru kullanici") << "" << "VELMOR" << "KLINIK" << sirketBos << "edt_sirket";
        QTest::newRow("hepsi bos") << "" << "" << "" << sirketBos << "edt_sirket";
        QTest::newRow("bos kullanici") << "2007" << "" << "KLINIK" << kullaniciBos << "edt_kullanici_adi";
        QTest::newRow("bos kullanici ve sifre") << "2007" << "" << "" << kullaniciBos << "edt_kullanici_adi";
        QTest::newRow("bos sifre") << "2007" << "VELMOR" << "" << sifreBos << "edt_sifre";
        QTest::newRow("yanlis sifre") << "2007" << "VELMOR" << "KLINIX" << uyusmuyor << "edt_sifre";
        QTest::newRow("yanlis kullanici") << "2007" << "VELMORX" << "KLINIK" << uyusmuyor << "edt_sifre";
        QTest::newRow("kucuk harf") << "2007" << "velmor" << "klinik" << uyusmuyor << "edt_sifre";
        QTest::newRow("yalniz bosluk") << "2007" << "   " << "KLINIK" << uyusmuyor << "edt_sifre";
        QTest::newRow("dogru") << "2007" << "VELMOR" << "KLINIK" << "" << "";
        QTest::newRow("kenar bosluklari") << "2007" << "  VELMOR " << " KLINIK  " << "" << "";
        QTest::newRow("baska sirket") << "2008" << "VELMOR" << "KLINIK" << "" << "";
    }
    void denetimler()
    {
        QFETCH(QString, sirket);
        QFETCH(QString, kullanici);
        QFETCH(QString, sifre);
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        TEST_VT(vt);
        BetikMesaj m;
        Oturum = OturumKaydi();
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        QVERIFY(m.mesajlar.isEmpty());
        girisBilgileri(w, sirket, kullanici, sifre);
        dugme(w, "btnOkey")->click();
        if (mesaj.isEmpty()) {
            QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
            QVERIFY(w.anaPencere());
            QVERIFY(w.anaPencere()->isVisible());
            QVERIFY(w.isHidden());
            QCOMPARE(kutu(w, "edt_sifre")->text(), QString());
            QCOMPARE(Oturum.sirketkodu, sirket);
            QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("1"));
        } else {
            // Only the first failing check speaks; the boxes keep their text.
            QCOMPARE(m.mesajlar, QStringList{mesaj});
            QCOMPARE(w.focusWidget()->objectName(), odak);
            QVERIFY(!w.anaPencere());
            QCOMPARE(kutu(w, "edt_sifre")->text(), sifre);
            QCOMPARE(kutu(w, "edt_kullanici_adi")->text(), kullanici);
            QCOMPARE(Oturum.kullanici_kodu, QString());
        }
    }

    // A password is compared as typed: the box upper-cases nothing and case
    // counts. One stored in the upper-case form the program used to give
    // every typed password is accepted once and stored again as typed.
    void sifreYazildigiGibi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(eleman(3, QStringLiteral("AYŞE"), QStringLiteral("YILMAZ"), QStringLiteral("Gizli1"),
                       QStringLiteral("AYSE")));
        auto girer = [](const QString &ad, const QString &sifre) {
            const auto r = Kullanicilar::girisBul(ad, sifre);
            return r && !r->satirlar.isEmpty();
        };
        QVERIFY(!girer(QStringLiteral("AYŞE"), QStringLiteral("gizli1")));
        QVERIFY(!girer(QStringLiteral("AYŞE"), QStringLiteral("GIZLI1")));
        QVERIFY(!girer(QStringLiteral("AYŞE"), QStringLiteral("GİZLİ1")));
        {
            Oturum = OturumKaydi();
            TfrmLogin w(vt.yol());
            w.setAnaPencereModal(false);
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("AYŞE"), QString());
            QTest::keyClicks(kutu(w, "edt_sifre"), QStringLiteral("Gizli1"));
            QCOMPARE(kutu(w, "edt_sifre")->text(), QStringLiteral("Gizli1"));
            dugme(w, "btnOkey")->click();
            QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
            QVERIFY(w.anaPencere());
        }
        // "sifre" typed into the old upper-casing box was stored as "SİFRE".
        QVERIFY(eleman(4, QStringLiteral("ALİ"), QStringLiteral("VELİ"), QStringLiteral("SİFRE"), QStringLiteral("ALI")));
        QVERIFY(girer(QStringLiteral("ALİ"), QStringLiteral("sifre")));
        QVERIFY(girer(QStringLiteral("ALİ"), QStringLiteral("sifre")));
        QVERIFY(!girer(QStringLiteral("ALİ"), QStringLiteral("SİFRE")));
        QVERIFY(!girer(QStringLiteral("ALİ"), QStringLiteral("Sifre")));
    }

    void oturumDolar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(eleman(3, QStringLiteral("AYŞE"), QStringLiteral("YILMAZ"), QStringLiteral("GIZLI"), QStringLiteral("AYSE")));
        // Same name and password twice: the older row (the lower key) is the
        // user. It is stored after the newer one, so that only the key order,
        // not the order of storage, gives it first.
        const auto eski = Sorgu::uretec(QStringLiteral("OTOKOD_ELEMANLAR"));
        const auto yeni = Sorgu::uretec(QStringLiteral("OTOKOD_ELEMANLAR"));
        QVERIFY(eski && yeni && *eski < *yeni);
        QVERIFY(eleman(*yeni, 8, QStringLiteral("AYNI"), QStringLiteral("IKI"), QStringLiteral("SIFRE"),
                       QStringLiteral("IKINCI")));
        QVERIFY(eleman(*eski, 7, QStringLiteral("AYNI"), QStringLiteral("BIR"), QStringLiteral("SIFRE"),
                       QStringLiteral("BIRINCI")));
        // Read without an order, the newer row comes first.
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select kullanici_kodu from elemanlar where kullanici_adi = 'AYNI' "
                                                "and sifre = 'SIFRE'"))
                     ->toInt(),
                 8);
        Oturum = OturumKaydi();
        Oturum.sirketunvani = QStringLiteral("ÖNCEKİ UNVAN");
        {
            TfrmLogin w(vt.yol());
            w.setAnaPencereModal(false);
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("AYŞE"), QStringLiteral("GIZLI"));
            dugme(w, "btnOkey")->click();
            QVERIFY(w.anaPencere());
            QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("3"));
            QCOMPARE(Oturum.sirketkodu, QStringLiteral("2007"));
            QCOMPARE(Oturum.username, QStringLiteral("AYSE"));
            QCOMPARE(Oturum.kullaniciadisoyadi, QStringLiteral("AYŞE YILMAZ"));
            QCOMPARE(Oturum.datayeri, vt.yol());
            // The company details are the picker's, not the login's.
            QCOMPARE(Oturum.sirketunvani, QStringLiteral("ÖNCEKİ UNVAN"));
        }
        {
            // The company typed, never picked: its title from the register,
            // so the caption does not show an empty "[  ]".
            Oturum = OturumKaydi();
            TfrmLogin w(vt.yol());
            w.setAnaPencereModal(false);
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("AYŞE"), QStringLiteral("GIZLI"));
            dugme(w, "btnOkey")->click();
            QVERIFY(w.anaPencere());
            QCOMPARE(Oturum.sirketunvani, QStringLiteral("VELMORIKA DEMO KLİNİK"));
            QCOMPARE(Oturum.sirketadresi, QStringLiteral("İSTANBUL"));
            QVERIFY(w.anaPencere()->windowTitle().contains(QStringLiteral("[ VELMORIKA DEMO KLİNİK ]")));
        }
        {
            TfrmLogin w(vt.yol());
            w.setAnaPencereModal(false);
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("AYNI"), QStringLiteral("SIFRE"));
            dugme(w, "btnOkey")->click();
            QVERIFY(w.anaPencere());
            QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("7"));
            QCOMPARE(Oturum.username, QStringLiteral("BIRINCI"));
        }
        QVERIFY(m.mesajlar.isEmpty());
    }

    void kesmeIsareti()
    {
        TEST_VT(vt);
        BetikMesaj m;
        // Stored with a backtick: found by a password typed with an apostrophe.
        QVERIFY(eleman(4, QStringLiteral("TEK"), QString(), QStringLiteral("A`B"), QStringLiteral("TEK")));
        // Stored with a real apostrophe: never found.
        QVERIFY(eleman(5, QStringLiteral("GERCEK"), QString(), QStringLiteral("A'B"), QStringLiteral("GERCEK")));
        {
            TfrmLogin w(vt.yol());
            w.setAnaPencereModal(false);
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("GERCEK"), QStringLiteral("A'B"));
            dugme(w, "btnOkey")->click();
            QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Kullanici Adi Ve Şifre Uyuşmuyor")});
            QVERIFY(m.hatalar.isEmpty());
            QVERIFY(!w.anaPencere());
            m.temizle();
            girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("TEK"), QStringLiteral("A'B"));
            dugme(w, "btnOkey")->click();
            QVERIFY(m.mesajlar.isEmpty());
            QVERIFY(w.anaPencere());
            QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("4"));
        }
        // An attempt to break out of the literal is only a wrong password.
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        girisBilgileri(w, QStringLiteral("2007"), QStringLiteral("VELMOR"), QStringLiteral("' OR 1=1 --"));
        dugme(w, "btnOkey")->click();
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Kullanici Adi Ve Şifre Uyuşmuyor")});
        QVERIFY(!w.anaPencere());
    }

    void yazarkenBuyukHarf()
    {
        TEST_VT(vt);
        BetikMesaj m;
        TfrmLogin w(vt.yol());
        QLineEdit *k = kutu(w, "edt_kullanici_adi");
        QLineEdit *s = kutu(w, "edt_sifre");
        k->clear();
        s->clear();
        yaz(k, QStringLiteral("işık"));
        QCOMPARE(k->text(), QStringLiteral("İŞIK"));
        // the password as typed: case counts
        yaz(s, QStringLiteral("ab1"));
        QCOMPARE(s->text(), QStringLiteral("ab1"));
        QCOMPARE(s->displayText(), QStringLiteral("***"));
    }

    void enterOdakTasir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        kutu(w, "edt_sifre")->setText(QStringLiteral("YANLIS"));

        kutu(w, "edt_sirket")->setFocus();
        QTest::keyClick(kutu(w, "edt_sirket"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), kutu(w, "edt_kullanici_adi"));
        QTest::keyClick(kutu(w, "edt_kullanici_adi"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), kutu(w, "edt_sifre"));
        QTest::keyClick(kutu(w, "edt_sifre"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dugme(w, "btnOkey"));
        // Enter in the boxes never logged in.
        QVERIFY(m.mesajlar.isEmpty());
        QVERIFY(!w.anaPencere());

        // Enter on the focused button presses it.
        QTest::keyClick(dugme(w, "btnOkey"), Qt::Key_Return);
        QCOMPARE(m.mesajlar, QStringList{QStringLiteral("Kullanici Adi Ve Şifre Uyuşmuyor")});
        QCOMPARE(QApplication::focusWidget(), kutu(w, "edt_sifre"));

        m.temizle();
        kutu(w, "edt_sifre")->setText(QStringLiteral("KLINIK"));
        QTest::keyClick(kutu(w, "edt_sifre"), Qt::Key_Return);
        QVERIFY(!w.anaPencere());
        QTest::keyClick(dugme(w, "btnOkey"), Qt::Key_Return);
        QVERIFY(m.mesajlar.isEmpty());
        QVERIFY(w.anaPencere());
    }

    void enterIptaliBasar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        TfrmLogin w(vt.yol());
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        dugme(w, "btnCancel")->setFocus();
        QTest::keyClick(dugme(w, "btnCancel"), Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.anaPencere());
    }

    void sirketSecimi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        auto sirket = [](const char *kod, const QVariant &vd, const QVariant &vno) {
            return Sorgu::calistir(QStringLiteral("insert into sirketler (kayitno, sirketkodu, sirketadi, aciklama, "
                                                  "sirketunvani, sirketadresi, vdairesi, vno) values "
                                                  "(gen_id(otokod_sirketler, 1), ?, ?, 'AÇIKLAMA', ?, 'ADRES', ?, ?)"),
                                   {QString::fromUtf8(kod), QStringLiteral("ŞİRKET ") + QString::fromUtf8(kod),
                                    QStringLiteral("UNVAN ") + QString::fromUtf8(kod), vd, vno});
        };
        QVERIFY(sirket("3001", QStringLiteral("KADIKÖY"), QStringLiteral("123")));
        QVERIFY(sirket("GIZLI", QStringLiteral("GG"), QStringLiteral("GG")));
        // The list's condition as written: a null VNO shows the company even with "GG" as tax office.
        QVERIFY(sirket("YARIM", QStringLiteral("GG"), QVariant()));

        Oturum = OturumKaydi();
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAction *sec = w.findChild<QAction *>(QStringLiteral("SirketSec1"));
        QVERIFY(sec);
        QCOMPARE(sec->text(), QStringLiteral("Şirket Sec"));
        QCOMPARE(sec->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

        QStringList varsayilan, tumu, basliklar;
        QString baslik;
        sirketListesindeYap([&](Tfrm_sirket_ara *d) {
            baslik = d->windowTitle();
            QTableWidget *g = d->grid();
            for (int c = 0; c < g->columnCount(); ++c)
                basliklar << g->horizontalHeaderItem(c)->text();
            for (int r = 0; r < g->rowCount(); ++r)
                varsayilan << g->item(r, 0)->text();
            g->findChild<QAction *>(QStringLiteral("TumunuGoster1"))->trigger();
            for (int r = 0; r < g->rowCount(); ++r)
                tumu << g->item(r, 0)->text();
            const int satir = tumu.indexOf(QStringLiteral("3001"));
            g->setCurrentCell(satir, 1);
            d->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
        });
        sec->trigger();
        QCOMPARE(baslik, QStringLiteral("Şirketler"));
        QCOMPARE(basliklar, QStringList({"Sirket kodu", "Sirket adı", "Acıklama"}));
        // The list has no order of its own.
        varsayilan.sort();
        tumu.sort();
        QCOMPARE(varsayilan, QStringList({"2007", "3001", "YARIM"}));
        QCOMPARE(tumu, QStringList({"2007", "3001", "GIZLI", "YARIM"}));
        QCOMPARE(Oturum.sirketkodu, QStringLiteral("3001"));
        QCOMPARE(Oturum.sirketunvani, QStringLiteral("UNVAN 3001"));
        QCOMPARE(Oturum.sirketadresi, QStringLiteral("ADRES"));
        QCOMPARE(Oturum.vdairesi, QStringLiteral("KADIKÖY"));
        QCOMPARE(Oturum.vno, QStringLiteral("123"));
        QCOMPARE(kutu(w, "edt_sirket")->text(), QStringLiteral("3001"));
        QCOMPARE(w.focusWidget(), kutu(w, "edt_kullanici_adi"));

        // A second pick cancelled keeps the first choice.
        sirketListesindeYap([](Tfrm_sirket_ara *d) {
            d->grid()->setCurrentCell(0, 0);
            d->findChild<QPushButton *>(QStringLiteral("btn_hayir"))->click();
        });
        sec->trigger();
        QCOMPARE(Oturum.sirketkodu, QStringLiteral("3001"));
        QCOMPARE(kutu(w, "edt_sirket")->text(), QStringLiteral("3001"));

        // A double-click accepts the row.
        sirketListesindeYap([](Tfrm_sirket_ara *d) {
            QTableWidget *g = d->grid();
            const auto bulunan = g->findItems(QStringLiteral("2007"), Qt::MatchExactly);
            QVERIFY(!bulunan.isEmpty());
            g->setCurrentCell(bulunan.first()->row(), 1);
            emit g->cellDoubleClicked(bulunan.first()->row(), 1);
        });
        sec->trigger();
        QCOMPARE(kutu(w, "edt_sirket")->text(), QStringLiteral("2007"));
        QCOMPARE(Oturum.sirketunvani, QStringLiteral("VELMORIKA DEMO KLİNİK"));

        // The login takes the company box and keeps the picker's details.
        kutu(w, "edt_sirket")->setText(QStringLiteral("3001"));
        dugme(w, "btnOkey")->click();
        QVERIFY(w.anaPencere());
        QCOMPARE(Oturum.sirketkodu, QStringLiteral("3001"));
        QCOMPARE(Oturum.sirketunvani, QStringLiteral("VELMORIKA DEMO KLİNİK"));
        QVERIFY(m.mesajlar.isEmpty());
    }

    void anaPencereKapaninca()
    {
        TEST_VT(vt);
        BetikMesaj m;
        TfrmLogin w(vt.yol());
        w.setAnaPencereModal(false);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        dugme(w, "btnOkey")->click();
        QPointer<Tfrm_menu> menu = w.anaPencere();
        QVERIFY(menu);
        QVERIFY(!w.isVisible());
        bool girisKapandi = false;
        struct Izleyici : QObject
        {
            bool *kapandi;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Close)
                    *kapandi = true;
                return false;
            }
        } izleyici;
        izleyici.kapandi = &girisKapandi;
        w.installEventFilter(&izleyici);
        m.cevaplar.enqueue(false);
        menu->close();
        QVERIFY(menu->isVisible());
        QVERIFY(!girisKapandi);
        m.cevaplar.enqueue(true);
        menu->close();
        QVERIFY(!menu->isVisible());
        QVERIFY(girisKapandi);
        QCOMPARE(m.sorular, QStringList(2, QStringLiteral("Programı Kapatmak mi İstiyorsunuz?")));
    }
};

QTEST_MAIN(TstGiris)
#include "tst_giris.moc"
