// The first start on a machine with no database location: the dialog makes
// the demo database under the data root (or takes the one already there) or
// takes a server's location with the program user's credentials. Either way
// the user's datayeri.txt holds the choice, so the next start asks nothing,
// and the login window works on it.
#include "app/program/frmlogin.h"
#include "app/program/ilkacilis.h"
#include "app/oturum.h"
#include "app/yerler.h"
#include "db/baglanti.h"
#include "db/istasyonayari.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "sahteekran.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
template <class T> T *bul(QWidget &w, const char *ad) { return w.findChild<T *>(QLatin1String(ad)); }

QString kullaniciDatayeri() { return QDir(Yerler::ayarKlasoru()).filePath(QStringLiteral("datayeri.txt")); }

// The location the program looks up now; empty when there is none.
QString bakilanYer()
{
    QString konum;
    return Yerler::veritabaniYeri(&konum, nullptr) ? konum : QString();
}
} // namespace

class TstIlkAcilis : public QObject
{
    Q_OBJECT
    SahteEkranlar m_hatirlatma{{QStringLiteral("frm_uyari")}};
    QTemporaryDir m_kok;

private slots:
    void initTestCase()
    {
        TestOrtami();
        qputenv("VELMORIKA_KOK", m_kok.path().toUtf8());
    }
    void init()
    {
        QFile::remove(kullaniciDatayeri());
        QFile::remove(IstasyonAyari::dosya());
        QFile::remove(IlkAcilis::ornekVeritabaniYolu());
        bool hicYok = false;
        QString konum;
        QVERIFY(!Yerler::veritabaniYeri(&konum, nullptr, &hicYok) && hicYok);
    }
    void cleanupTestCase() { qunsetenv("VELMORIKA_KOK"); }

    void ornekVeritabani()
    {
        BetikMesaj m;
        const QString yol = IlkAcilis::ornekVeritabaniYolu();
        QCOMPARE(yol, QDir(m_kok.path()).filePath(QStringLiteral("VELMORIKA.FDB")));
        {
            IlkAcilis d;
            d.show();
            QVERIFY(bul<QRadioButton>(d, "rb_ornek")->isChecked());
            QVERIFY(!bul<QLineEdit>(d, "edt_konum")->isEnabled());
            QVERIFY(bul<QLabel>(d, "lbl_ornekyeri")->text().contains(yol));
            QTest::mouseClick(bul<QPushButton>(d, "btn_devam"), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.konum(), yol);
        }
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
        QVERIFY(QFile::exists(yol));
        QCOMPARE(bakilanYer(), yol);

        // The login window finds it and the seeded user logs in.
        {
            TfrmLogin w;
            QCOMPARE(Oturum.datayeri, yol);
            w.setAnaPencereModal(false);
            bul<QPushButton>(w, "btnOkey")->click();
            QVERIFY2(w.anaPencere(), qPrintable(m.mesajlar.join('\n')));
        }
        Baglanti::kapat(Baglanti::Menu);
        Baglanti::kapat(Baglanti::Paylasilan);

        // Asked again (the file of another start): it is taken as it is.
        const QDateTime degisme = QFileInfo(yol).lastModified();
        QFile::remove(kullaniciDatayeri());
        {
            IlkAcilis d;
            d.show();
            QTest::mouseClick(bul<QPushButton>(d, "btn_devam"), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QVERIFY(m.mesajlar.isEmpty());
        QCOMPARE(QFileInfo(yol).lastModified(), degisme);
        QCOMPARE(bakilanYer(), yol);
    }

    void sunucu_data()
    {
        QTest::addColumn<QString>("konum");
        QTest::addColumn<QString>("kullanici");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<QString>("mesaj"); // a piece of the refusal; empty: accepted
        QTest::newRow("tam") << "sunucu:/var/lib/firebird/3.0/data/VELMORIKA.FDB" << "VELMORIKA" << "s1" << "";
        QTest::newRow("sunucusuz yol") << "/var/lib/firebird/3.0/data/VELMORIKA.FDB" << "VELMORIKA" << "s1"
                                       << "sunucunun adıyla";
        QTest::newRow("şifresiz") << "sunucu:/v/V.FDB" << "VELMORIKA" << "" << "kullanıcısını ve şifresini";
        QTest::newRow("kullanıcısız") << "sunucu:/v/V.FDB" << "" << "s1" << "kullanıcısını ve şifresini";
    }
    void sunucu()
    {
        QFETCH(QString, konum);
        QFETCH(QString, kullanici);
        QFETCH(QString, sifre);
        QFETCH(QString, mesaj);
        BetikMesaj m;
        IlkAcilis d;
        d.show();
        QTest::mouseClick(bul<QRadioButton>(d, "rb_sunucu"), Qt::LeftButton);
        QVERIFY(bul<QRadioButton>(d, "rb_sunucu")->isChecked());
        QTest::keyClicks(bul<QLineEdit>(d, "edt_konum"), konum);
        QTest::keyClicks(bul<QLineEdit>(d, "edt_kullanici"), kullanici);
        QTest::keyClicks(bul<QLineEdit>(d, "edt_sifre"), sifre);
        QTest::mouseClick(bul<QPushButton>(d, "btn_devam"), Qt::LeftButton);
        QVERIFY(!QFile::exists(IlkAcilis::ornekVeritabaniYolu()));
        if (!mesaj.isEmpty()) {
            QVERIFY(d.isVisible());
            QCOMPARE(m.mesajlar.size(), 1);
            QVERIFY2(m.son().contains(mesaj), qPrintable(m.son()));
            QCOMPARE(bakilanYer(), QString());
            return;
        }
        QVERIFY(m.mesajlar.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(bakilanYer(), konum);
        IstasyonAyari::Degerler a;
        QString hata;
        QVERIFY2(IstasyonAyari::oku(&a, &hata), qPrintable(hata));
        QCOMPARE(a.kullanici, kullanici);
        QCOMPARE(a.sifre, sifre);
        QString k, s;
        QVERIFY2(Baglanti::kimlik(konum, &k, &s, &hata), qPrintable(hata));
        QCOMPARE(k, kullanici);
    }
};

QTEST_MAIN(TstIlkAcilis)
#include "tst_ilkacilis.moc"
