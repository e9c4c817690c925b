// Users and rights: password hashes and the login, the users screen, the
// rights screen and its user picker, driven through their objectNames.
#include "app/ekranlar.h"
#include "app/frm_eleman_ara.h"
#include "app/frm_kullanici.h"
#include "app/kullanicilar.h"
#include "app/oturum.h"
#include "app/program/frm_module.h"
#include "app/program/frmlogin.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/motor/tablookuyucu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

const QString Yetkisiz = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");

int sayi(const QString &sql, const QVariantList &d = {})
{
    const auto v = Sorgu::tekDeger(sql, d);
    return v ? v->toInt() : -1;
}

int modulSayisi() { return sayi(QStringLiteral("select count(*) from moduller")); }

// The rights rows of a user and company: "MODULADI=flags" sorted.
QStringList haklar(double kod, const QString &sirket)
{
    const auto s = Sorgu::sec(QStringLiteral("select moduladi, formgirisi||kayit||yenikayit||degistirme||silme||rapor||"
                                             "ozelyetki1||ozelyetki2 from kullanicilar where kullanici_kodu = ? and "
                                             "sirketkodu = ? order by moduladi"),
                              {kod, sirket});
    QStringList l;
    if (s)
        for (const QVariantList &r : s->satirlar)
            l << r.value(0).toString() + QLatin1Char('=') + r.value(1).toString();
    return l;
}

// The seed user's flag of a module (company 2007).
void bayrak(const QString &modul, const QString &kolon, const QString &deger)
{
    QVERIFY(Sorgu::calistir(QStringLiteral("update kullanicilar set %1 = ? where moduladi = ? and kullanici_kodu = 1")
                                .arg(kolon),
                            {deger, modul}));
}

template <class T = QWidget> T *w(QWidget *e, const char *ad)
{
    T *x = e->findChild<T *>(QLatin1String(ad));
    if (!x)
        qWarning("denetim yok: %s", ad);
    return x;
}

// Types text into a line edit as a user does (textEdited follows).
void yaz(QWidget *e, const char *ad, const QString &metin)
{
    auto *k = w<QLineEdit>(e, ad);
    k->setFocus();
    k->selectAll();
    if (k->hasSelectedText())
        QTest::keyClick(k, Qt::Key_Backspace);
    for (QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, k, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void tikla(QWidget *e, const char *ad) { w<QPushButton>(e, ad)->click(); }

struct YeniKullanici
{
    QString kod, ad, soyad, sifre, username;
};

void doldur(Tfrm_kullanici &e, const YeniKullanici &k)
{
    tikla(&e, "btn_yeni");
    yaz(&e, "edt_kullanici_kodu", k.kod);
    yaz(&e, "edt_kullanici_adi", k.ad);
    yaz(&e, "edt_kullanici_soyadi", k.soyad);
    yaz(&e, "edt_sifre", k.sifre);
    yaz(&e, "edt_username", k.username);
}

} // namespace

class TstKullanici : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestOrtami(); }

    void sifreOzeti()
    {
        const QString a = Sifre::ozetle(QStringLiteral("GİZLİ1"));
        const QString b = Sifre::ozetle(QStringLiteral("GİZLİ1"));
        QVERIFY(a.startsWith(QLatin1String("$argon2id$")));
        QVERIFY(Sifre::ozetMi(a));
        QVERIFY(a != b); // a salt of its own each time
        QVERIFY(!a.contains(QStringLiteral("GİZLİ1")));
        QVERIFY(a.size() <= 128);
        QVERIFY(Sifre::dogrula(a, QStringLiteral("GİZLİ1")));
        QVERIFY(Sifre::dogrula(b, QStringLiteral(" GİZLİ1 ")));
        QVERIFY(!Sifre::dogrula(a, QStringLiteral("GIZLI1")));
        QVERIFY(!Sifre::dogrula(a, QString()));
        // A clear password of an earlier release.
        QVERIFY(!Sifre::ozetMi(QStringLiteral("KLINIK")));
        QVERIFY(Sifre::dogrula(QStringLiteral("KLINIK"), QStringLiteral("KLINIK")));
        QVERIFY(!Sifre::dogrula(QStringLiteral("KLINIK"), QStringLiteral("klinik")));
        QVERIFY(!Sifre::dogrula(QString(), QString()));
        // An apostrophe reads as a backtick, as the login always compared it.
        QVERIFY(Sifre::dogrula(Sifre::ozetle(QStringLiteral("A'B")), QStringLiteral("A`B")));
        QVERIFY(Sifre::dogrula(QStringLiteral("A`B"), QStringLiteral("A'B")));
        QVERIFY(!Sifre::dogrula(QStringLiteral("A'B"), QStringLiteral("A'B")));
    }

    // The seed user's password is still clear: the login works and hashes
    // it; the next login works against the hash; a wrong one is refused.
    void acikSifreliGiris()
    {
        TEST_VT(vt);
        BetikMesaj m;
        const QString once = Sorgu::tekDeger(QStringLiteral("select sifre from elemanlar where kullanici_adi = 'VELMOR'"))
                                 ->toString();
        QCOMPARE(once, QStringLiteral("KLINIK"));
        for (int tur = 0; tur < 2; ++tur) {
            Oturum = OturumKaydi();
            TfrmLogin g(vt.yol());
            g.setAnaPencereModal(false);
            w<QLineEdit>(&g, "edt_sirket")->setText(QStringLiteral("2007"));
            w<QLineEdit>(&g, "edt_kullanici_adi")->setText(QStringLiteral("VELMOR"));
            w<QLineEdit>(&g, "edt_sifre")->setText(QStringLiteral("KLINIK"));
            tikla(&g, "btnOkey");
            QVERIFY2(g.anaPencere(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
            QCOMPARE(Oturum.kullanici_kodu, QStringLiteral("1"));
            const QString sonra =
                Sorgu::tekDeger(QStringLiteral("select sifre from elemanlar where kullanici_adi = 'VELMOR'"))->toString();
            QVERIFY(Sifre::ozetMi(sonra));
            QVERIFY(Sifre::dogrula(sonra, QStringLiteral("KLINIK")));
            g.anaPencere()->close();
        }
        m.temizle();
        const auto yanlis = Kullanicilar::girisBul(QStringLiteral("VELMOR"), QStringLiteral("KLINIX"));
        QVERIFY(yanlis);
        QVERIFY(yanlis->satirlar.isEmpty());
        // An apostrophe in the name is a plain letter.
        const auto tirnak = Kullanicilar::girisBul(QStringLiteral("O'NEIL"), QStringLiteral("X"));
        QVERIFY(tirnak && tirnak->satirlar.isEmpty());
        QVERIFY(m.hatalar.isEmpty());
    }

    // Two rows with one name: the first whose password matches is the user,
    // whether it is stored hashed or clear.
    void ayniAdliKullanicilar()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, sifre, "
                                               "username) values (gen_id(otokod_elemanlar, 1), 7, 'AYSE', ?, 'A7')"),
                                {Sifre::ozetle(QStringLiteral("BIR"))}));
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, sifre, "
                                               "username) values (gen_id(otokod_elemanlar, 1), 8, 'AYSE', 'IKI', 'A8')")));
        const auto a = Kullanicilar::girisBul(QStringLiteral("AYSE"), QStringLiteral("BIR"));
        QVERIFY(a && a->satirlar.size() == 1);
        QCOMPARE(a->deger(0, QStringLiteral("USERNAME")).toString(), QStringLiteral("A7"));
        const auto b = Kullanicilar::girisBul(QStringLiteral("AYSE"), QStringLiteral("IKI"));
        QVERIFY(b && b->satirlar.size() == 1);
        QCOMPARE(b->deger(0, QStringLiteral("USERNAME")).toString(), QStringLiteral("A8"));
        QVERIFY(Sifre::ozetMi(
            Sorgu::tekDeger(QStringLiteral("select sifre from elemanlar where kullanici_kodu = 8"))->toString()));
    }

    void haklarOlusur_data()
    {
        QTest::addColumn<bool>("tam");
        QTest::addColumn<bool>("modulYok");
        QTest::newRow("tam yetkili") << true << false;
        QTest::newRow("yetkisiz") << false << false;
        QTest::newRow("bos modul listesi") << true << true;
    }
    void haklarOlusur()
    {
        QFETCH(bool, tam);
        QFETCH(bool, modulYok);
        TEST_VT(vt);
        BetikMesaj m;
        if (modulYok)
            QVERIFY(Sorgu::calistir(QStringLiteral("delete from moduller")));
        const int n = modulSayisi();
        // Rows of another company and an older row of this one.
        QVERIFY(Kullanicilar::haklariOlustur(5, QStringLiteral("3000"), true) == n);
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into kullanicilar (kayitno, kullanici_kodu, moduladi, kayit, "
                                               "sirketkodu) values (gen_id(otokod_kullanicilar, 1), 5, 'ESKİ', 'E', "
                                               "'2007')")));
        QCOMPARE(Kullanicilar::haklariOlustur(5, QStringLiteral("2007"), tam), n);
        const QStringList h = haklar(5, QStringLiteral("2007"));
        QCOMPARE(h.size(), n);
        for (const QString &s : h)
            QVERIFY2(s.endsWith(QLatin1Char('=') + QString(8, tam ? QLatin1Char('E') : QLatin1Char('H'))), qPrintable(s));
        QVERIFY(!h.join(QLatin1Char(',')).contains(QStringLiteral("ESKİ")));
        QCOMPARE(haklar(5, QStringLiteral("3000")).size(), n);
        // The seed user's rows stay.
        QVERIFY(sayi(QStringLiteral("select count(*) from kullanicilar where kullanici_kodu = 1")) > 0);
        QVERIFY(m.hatalar.isEmpty());
    }

    // A failure in the middle leaves the earlier rows as they were.
    void haklarBirIslemde()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(Kullanicilar::haklariOlustur(5, QStringLiteral("2007"), true) > 0);
        const QStringList once = haklar(5, QStringLiteral("2007"));
        // A module name longer than the rights column holds makes its insert fail.
        QVERIFY(Sorgu::calistir(QStringLiteral("alter table moduller alter column moduladi type varchar(60)")));
        QVERIFY(Sorgu::calistir(
            QStringLiteral("insert into moduller (kayitno, moduladi) values (gen_id(otokod_moduller, 1), ?)"),
            {QString(50, QLatin1Char('X'))}));
        QString hata;
        QCOMPARE(Kullanicilar::haklariOlustur(5, QStringLiteral("2007"), false, &hata), -1);
        QVERIFY(!hata.isEmpty());
        QCOMPARE(haklar(5, QStringLiteral("2007")), once);
    }

    void yeniKullanici_data()
    {
        QTest::addColumn<bool>("tam");
        QTest::newRow("tam yetkili") << true;
        QTest::newRow("yetkisiz") << false;
    }
    void yeniKullanici()
    {
        QFETCH(bool, tam);
        TEST_VT(vt);
        BetikMesaj m;
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        doldur(e, {QStringLiteral("12"), QStringLiteral("ali"), QStringLiteral("yılmaz"), QStringLiteral("şifre1"),
                   QStringLiteral("ALİ")});
        w<QRadioButton>(&e, tam ? "rb_tamyetkili" : "rb_yetkisiz")->setChecked(true);
        tikla(&e, "btn_kaydet");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        const auto s = Sorgu::sec(QStringLiteral("select kullanici_adi, kullanici_soyadi, sifre from elemanlar where "
                                                 "kullanici_kodu = 12"));
        QVERIFY(s && s->satirlar.size() == 1);
        QCOMPARE(s->satirlar[0][0].toString(), QStringLiteral("ALİ"));
        QCOMPARE(s->satirlar[0][1].toString(), QStringLiteral("YILMAZ"));
        const QString sifre = s->satirlar[0][2].toString();
        QVERIFY(Sifre::ozetMi(sifre));
        QVERIFY(Sifre::dogrula(sifre, QStringLiteral("şifre1"))); // as typed
        QVERIFY(!Sifre::dogrula(sifre, QStringLiteral("ŞİFRE1")));
        const QStringList h = haklar(12, QStringLiteral("2007"));
        QCOMPARE(h.size(), modulSayisi());
        QVERIFY(h.first().endsWith(QString(8, tam ? QLatin1Char('E') : QLatin1Char('H'))));
        QVERIFY(!w<QLineEdit>(&e, "edt_kullanici_kodu")->isEnabled());
        QCOMPARE(w<QLineEdit>(&e, "edt_sifre")->text(), QString());
        // The new user logs in with the typed password.
        const auto g = Kullanicilar::girisBul(QStringLiteral("ALİ"), QStringLiteral("şifre1"));
        QVERIFY(g && g->satirlar.size() == 1);
        // Neither the password nor its hash is anywhere in the grid; the code
        // reads as typed.
        TabloModeli *mdl = e.model();
        QStringList kodlar;
        for (int r = 0; r < mdl->rowCount(); ++r)
            kodlar << mdl->hucreMetni(r, mdl->gorunenKolon(QStringLiteral("KULLANICI_KODU")));
        QVERIFY2(kodlar.contains(QStringLiteral("12")), qPrintable(kodlar.join(QLatin1Char('|'))));
        for (int c = 0; c < mdl->columnCount(); ++c) {
            QVERIFY(mdl->kolonAdi(c).compare(QLatin1String("SIFRE"), Qt::CaseInsensitive) != 0);
            for (int r = 0; r < mdl->rowCount(); ++r) {
                const QString t = mdl->hucreMetni(r, c);
                QVERIFY(!t.contains(QLatin1String("argon")) && t != QLatin1String("KLINIK"));
            }
        }
    }

    void dogrulamalar_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("kod bos") << "" << "" << "" << "" << "Kullanici Kodu boş olamaz !" << "edt_kullanici_kodu";
        QTest::newRow("ad bos") << "3" << "" << "" << "" << "Kullanici adı boş olamaz !" << "edt_kullanici_adi";
        QTest::newRow("sifre bos") << "3" << "X" << "" << "" << "Şifre boş olamaz !" << "edt_sifre";
        QTest::newRow("username bos") << "3" << "X" << "S" << "" << "User Name Boş Olamaz !" << "edt_username";
        QTest::newRow("kod var") << "1" << "X" << "S" << "U"
                                 << "Bu  Kod ile Kayıtlı Kullanıcı  Var. Yeni Kullanıcı Girerken Lütfen Farklı Bir "
                                    "Kullanıcı Kodu Kullanınız"
                                 << "edt_kullanici_kodu";
    }
    void dogrulamalar()
    {
        QFETCH(QString, kod);
        QFETCH(QString, ad);
        QFETCH(QString, sifre);
        QFETCH(QString, username);
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        TEST_VT(vt);
        BetikMesaj m;
        const int elemanlar = sayi(QStringLiteral("select count(*) from elemanlar"));
        const int haklarSayisi = sayi(QStringLiteral("select count(*) from kullanicilar"));
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        doldur(e, {kod, ad, QString(), sifre, username});
        tikla(&e, "btn_kaydet");
        QCOMPARE(m.mesajlar, QStringList{mesaj});
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), odak);
        QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Ekle);
        QCOMPARE(sayi(QStringLiteral("select count(*) from elemanlar")), elemanlar);
        QCOMPARE(sayi(QStringLiteral("select count(*) from kullanicilar")), haklarSayisi);
    }

    // Rights of the users screen: each action refused without its flag.
    void kullaniciYetkileri()
    {
        TEST_VT(vt);
        BetikMesaj m;
        bayrak(QStringLiteral("KULLANICILAR"), QStringLiteral("YENIKAYIT"), QStringLiteral("H"));
        bayrak(QStringLiteral("KULLANICILAR"), QStringLiteral("SILME"), QStringLiteral("H"));
        bayrak(QStringLiteral("KULLANICILAR"), QStringLiteral("DEGISTIRME"), QStringLiteral("H"));
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        tikla(&e, "btn_yeni");
        QCOMPARE(m.mesajlar, QStringList{Yetkisiz});
        QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Gozat);
        m.temizle();
        tikla(&e, "btn_sil");
        QCOMPARE(m.mesajlar, QStringList{Yetkisiz});
        QVERIFY(m.sorular.isEmpty());
        m.temizle();
        yaz(&e, "edt_gorevi", QStringLiteral("X"));
        QCOMPARE(m.mesajlar.value(0), Yetkisiz);
        QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Gozat);
        QCOMPARE(sayi(QStringLiteral("select count(*) from elemanlar")), 1);
    }

    // A new password for an existing user is hashed; an empty box keeps it.
    void sifreDegisir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        yaz(&e, "edt_gorevi", QStringLiteral("HEKİM"));
        tikla(&e, "btn_kaydet");
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select sifre from elemanlar where kullanici_kodu = 1"))->toString(),
                 QStringLiteral("KLINIK"));
        yaz(&e, "edt_sifre", QStringLiteral("yeni7"));
        QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Duzenle);
        tikla(&e, "btn_kaydet");
        QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        const QString s = Sorgu::tekDeger(QStringLiteral("select sifre from elemanlar where kullanici_kodu = 1"))->toString();
        QVERIFY(Sifre::ozetMi(s));
        QVERIFY(Sifre::dogrula(s, QStringLiteral("yeni7")));
        QCOMPARE(Sorgu::tekDeger(QStringLiteral("select gorevi from elemanlar where kullanici_kodu = 1"))->toString(),
                 QStringLiteral("HEKİM"));
    }

    // Deleting a user takes its rights rows of the login company with it.
    void kullaniciSilinir()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, sifre, "
                                               "username) values (gen_id(otokod_elemanlar, 1), 9, 'VELİ', 'X', 'V')")));
        QVERIFY(Kullanicilar::haklariOlustur(9, QStringLiteral("2007"), true) > 0);
        QVERIFY(Kullanicilar::haklariOlustur(9, QStringLiteral("3000"), true) > 0);
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        QVERIFY(e.veriSeti()->son());
        QCOMPARE(e.veriSeti()->metin(QStringLiteral("KULLANICI_KODU")), QStringLiteral("9"));
        m.cevaplar.enqueue(false);
        tikla(&e, "btn_sil");
        // One question, naming the other company whose rights go too.
        QCOMPARE(m.sorular, QStringList{QStringLiteral("Silmek istiyormusunuz ?\n\nKullanıcının yetkileri şu "
                                                       "şirketlerde de silinecek: 3000.")});
        QCOMPARE(sayi(QStringLiteral("select count(*) from elemanlar where kullanici_kodu = 9")), 1);
        QCOMPARE(haklar(9, QStringLiteral("3000")).size(), modulSayisi());
        tikla(&e, "btn_sil");
        QCOMPARE(m.sorular.size(), 2);
        QCOMPARE(sayi(QStringLiteral("select count(*) from elemanlar where kullanici_kodu = 9")), 0);
        QCOMPARE(haklar(9, QStringLiteral("2007")), QStringList());
        // Nothing left for a new user given the same code.
        QCOMPARE(sayi(QStringLiteral("select count(*) from kullanicilar where kullanici_kodu = 9")), 0);
        QVERIFY(!haklar(1, QStringLiteral("2007")).isEmpty());
    }

    // The picker's search text is a literal prefix, whatever it holds.
    void elemanAra_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("adlar");
        QTest::newRow("baslangic") << "VEL" << QStringList{"VELMOR"};
        QTest::newRow("kucuk harf") << "vel" << QStringList{"VELMOR"};
        QTest::newRow("tirnak") << "O'N" << QStringList{"O'NEIL"};
        QTest::newRow("cift tirnak") << "ZEYNEP \"Z" << QStringList{"ZEYNEP \"ZEY\""};
        QTest::newRow("yuzde") << "%" << QStringList{};
        QTest::newRow("noktali virgul") << "A;DROP" << QStringList{};
    }
    void elemanAra()
    {
        QFETCH(QString, metin);
        QFETCH(QStringList, adlar);
        TEST_VT(vt);
        BetikMesaj m;
        int kod = 20;
        for (const char *ad : {"O'NEIL", "ZEYNEP \"ZEY\""})
            QVERIFY(Sorgu::calistir(QStringLiteral("insert into elemanlar (kayit_no, kullanici_kodu, kullanici_adi, "
                                                   "sifre, username) values (gen_id(otokod_elemanlar, 1), ?, ?, 'X', "
                                                   "'U')"),
                                    {kod++, QString::fromUtf8(ad)}));
        Tfrm_eleman_ara d;
        d.show();
        QCOMPARE(d.veriSeti()->kayitSayisi(), 3);
        yaz(&d, "edt_bul", metin);
        QStringList bulunan;
        for (int r = 0; r < d.veriSeti()->kesinKayitSayisi(); ++r)
            bulunan << d.veriSeti()->satirDegeri(r, QStringLiteral("KULLANICI_ADI")).toString();
        QCOMPARE(bulunan, adlar);
        QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join(QLatin1Char('|'))));
    }

    void elemanSecimi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        {
            Tfrm_eleman_ara d;
            QTimer::singleShot(0, &d, [&d] { tikla(&d, "btn_evet"); });
            QCOMPARE(d.calistir(), QStringLiteral("1"));
            QCOMPARE(d.metin(QStringLiteral("KULLANICI_ADI")), QStringLiteral("VELMOR"));
        }
        {
            Tfrm_eleman_ara d;
            QTimer::singleShot(0, &d, [&d] { tikla(&d, "btn_hayir"); });
            QCOMPARE(d.calistir(), QStringLiteral("-1"));
        }
    }

    // "Şirkete Hak Tanımla" and the grid: the KAYIT right is needed.
    void hakTanimla_data()
    {
        QTest::addColumn<QString>("kayit");
        QTest::newRow("yetkili") << "E";
        QTest::newRow("KAYIT H") << "H";
    }
    void hakTanimla()
    {
        QFETCH(QString, kayit);
        TEST_VT(vt);
        BetikMesaj m;
        bayrak(QStringLiteral("MODULLER"), QStringLiteral("KAYIT"), kayit);
        const QStringList seedOnce = haklar(1, QStringLiteral("2007"));
        Tfrm_module e;
        e.show();
        QCoreApplication::processEvents();
        // The screen shows the login user's rows.
        QCOMPARE(e.haklar()->kesinKayitSayisi(), seedOnce.size());
        QCOMPARE(e.haklar()->metin(QStringLiteral("K_ADI")), QStringLiteral("VELMOR"));

        // The empty checks come first.
        tikla(&e, "btn_haktanimla");
        QCOMPARE(m.son(), QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz"));
        QTimer::singleShot(0, &e, [] {
            auto *d = qobject_cast<Tfrm_eleman_ara *>(QApplication::activeModalWidget());
            QVERIFY(d);
            tikla(d, "btn_evet");
        });
        tikla(&e, "btn_kullaniciara");
        QCOMPARE(w<QLineEdit>(&e, "edt_kullanicikodu")->text(), QStringLiteral("1"));
        QCOMPARE(w<QLineEdit>(&e, "edt_listekullanicikodu")->text(), QStringLiteral("1"));
        QCOMPARE(w<QLineEdit>(&e, "edt_kullaniciadi")->text(), QStringLiteral("VELMOR YÖNETİCİ"));
        m.temizle();
        tikla(&e, "btn_haktanimla");
        QCOMPARE(m.son(), QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"));
        w<QLineEdit>(&e, "edt_sirketkodu")->setText(QStringLiteral("3000"));
        w<QRadioButton>(&e, "rb_yetkili")->setChecked(true);
        m.temizle();
        tikla(&e, "btn_haktanimla");
        if (kayit == QLatin1String("E")) {
            QCOMPARE(m.mesajlar, QStringList{QStringLiteral("İşlem Tamamlandı")});
            QCOMPARE(haklar(1, QStringLiteral("3000")).size(), modulSayisi());
        } else {
            QCOMPARE(m.mesajlar, QStringList{Yetkisiz});
            QCOMPARE(haklar(1, QStringLiteral("3000")), QStringList());
        }
        QCOMPARE(haklar(1, QStringLiteral("2007")), seedOnce);

        // A flag changed in the grid.
        m.temizle();
        VeriSeti *v = e.haklar();
        QVERIFY(v->ilk());
        const qint64 no = v->anahtar();
        const int kolon = e.hakModeli()->gorunenKolon(QStringLiteral("SILME"));
        QVERIFY(kolon >= 0);
        const bool yazildi = e.hakModeli()->setData(e.hakModeli()->index(0, kolon), QStringLiteral("H"), Qt::EditRole);
        if (yazildi)
            v->kaydet();
        const QString silme =
            Sorgu::tekDeger(QStringLiteral("select silme from kullanicilar where kayitno = ?"), {no})->toString();
        if (kayit == QLatin1String("E")) {
            QVERIFY(m.mesajlar.isEmpty());
            QCOMPARE(silme, QStringLiteral("H"));
        } else {
            QCOMPARE(m.mesajlar.value(0), Yetkisiz);
            QCOMPARE(silme, QStringLiteral("E"));
        }
    }

    // The company pick fills the box and leaves the login company alone.
    void sirketSecimi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(Sorgu::calistir(QStringLiteral("insert into sirketler (kayitno, sirketkodu, sirketadi, sirketunvani) "
                                               "values (gen_id(otokod_sirketler, 1), '3000', 'ŞUBE', 'ŞUBE KLİNİK')")));
        Oturum.sirketunvani = QStringLiteral("MERKEZ");
        Tfrm_module e;
        e.show();
        QCoreApplication::processEvents();
        for (const char *dugme : {"btn_sirketara", "btn_listesirketara"}) {
            QTimer::singleShot(0, &e, [] {
                QWidget *d = QApplication::activeModalWidget();
                QVERIFY(d && d->objectName() == QLatin1String("frm_sirket_ara"));
                auto *g = d->findChild<QTableWidget *>(QStringLiteral("DBGrid1"));
                const auto bul = g->findItems(QStringLiteral("3000"), Qt::MatchExactly);
                QVERIFY(!bul.isEmpty());
                g->setCurrentCell(bul.first()->row(), 0);
                tikla(d, "btn_evet");
            });
            tikla(&e, dugme);
        }
        QCOMPARE(w<QLineEdit>(&e, "edt_sirketkodu")->text(), QStringLiteral("3000"));
        QCOMPARE(w<QLineEdit>(&e, "edt_listesirketkodu")->text(), QStringLiteral("3000"));
        QCOMPARE(Oturum.sirketkodu, QStringLiteral("2007"));
        QCOMPARE(Oturum.sirketunvani, QStringLiteral("MERKEZ"));
    }

    // Listing another user's rows; other companies' rows are never shown.
    void listele()
    {
        TEST_VT(vt);
        BetikMesaj m;
        QVERIFY(Kullanicilar::haklariOlustur(4, QStringLiteral("2007"), false) > 0);
        QVERIFY(Kullanicilar::haklariOlustur(4, QStringLiteral("3000"), false) > 0);
        Tfrm_module e;
        e.show();
        QCoreApplication::processEvents();
        w<QLineEdit>(&e, "edt_listekullanicikodu")->setText(QStringLiteral("4"));
        tikla(&e, "btn_listele");
        QCOMPARE(m.son(), QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"));
        w<QLineEdit>(&e, "edt_listesirketkodu")->setText(QStringLiteral("2007"));
        tikla(&e, "btn_listele");
        QCOMPARE(e.haklar()->kesinKayitSayisi(), modulSayisi());
        QCOMPARE(e.haklar()->metin(QStringLiteral("KULLANICI_KODU")), QStringLiteral("4"));
        w<QLineEdit>(&e, "edt_listesirketkodu")->setText(QStringLiteral("3000"));
        tikla(&e, "btn_listele");
        QCOMPARE(e.haklar()->kesinKayitSayisi(), 0);
    }

    // "iptal" and Esc discard a new user; nothing is written.
    void iptal()
    {
        TEST_VT(vt);
        BetikMesaj m;
        Tfrm_kullanici e;
        e.show();
        QCoreApplication::processEvents();
        for (int tur = 0; tur < 2; ++tur) {
            doldur(e, {QStringLiteral("30"), QStringLiteral("X"), QString(), QStringLiteral("S"), QStringLiteral("U")});
            QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Ekle);
            if (tur == 0)
                tikla(&e, "btn_iptal");
            else
                QTest::keyClick(w<QLineEdit>(&e, "edt_username"), Qt::Key_Escape);
            QCOMPARE(e.veriSeti()->durum(), VeriSeti::Durum::Gozat);
            QVERIFY(e.isVisible());
            QVERIFY(!w<QLineEdit>(&e, "edt_kullanici_kodu")->isEnabled());
            QCOMPARE(w<QLineEdit>(&e, "edt_sifre")->text(), QString());
        }
        QCOMPARE(sayi(QStringLiteral("select count(*) from elemanlar")), 1);
        QVERIFY(m.mesajlar.isEmpty());
    }

    // The module list: new, save and delete with their rights; the export.
    void modulListesi()
    {
        TEST_VT(vt);
        BetikMesaj m;
        TabloAktar::klasorAyarla(vt.klasor());
        static QString acilan;
        const auto eski = TabloAktar::aciciAyarla([](const QString &y) {
            acilan = y;
            return true;
        });
        const int n = modulSayisi();
        Tfrm_module e;
        e.show();
        QCoreApplication::processEvents();
        QCOMPARE(e.moduller()->kesinKayitSayisi(), n);
        tikla(&e, "btn_yeni2");
        QCOMPARE(e.moduller()->durum(), VeriSeti::Durum::Ekle);
        QVERIFY(e.moduller()->degerAyarla(QStringLiteral("MODULADI"), QStringLiteral("DENEME")));
        tikla(&e, "btn_kaydet2");
        QCOMPARE(modulSayisi(), n + 1);
        m.cevaplar.enqueue(true);
        tikla(&e, "btn_sil2");
        QCOMPARE(m.sorular, QStringList{QStringLiteral("Silmek istiyormusunuz ?")});
        QCOMPARE(modulSayisi(), n);
        QVERIFY(m.mesajlar.isEmpty());

        e.findChild<QAction *>(QStringLiteral("ModulListesiniExceleAktar1"))->trigger();
        TabloOkuyucu okunan;
        QVERIFY2(okunan.ac(acilan), qPrintable(m.mesajlar.join(QLatin1Char('|'))));
        QCOMPARE(okunan.satirSayisi(), n + 1);
        QCOMPARE(okunan.hucre(1, 3), QStringLiteral("Modul Adı"));
        TabloAktar::aciciAyarla(eski);

        bayrak(QStringLiteral("MODULLER"), QStringLiteral("YENIKAYIT"), QStringLiteral("H"));
        bayrak(QStringLiteral("MODULLER"), QStringLiteral("SILME"), QStringLiteral("H"));
        Tfrm_module e2;
        e2.show();
        QCoreApplication::processEvents();
        m.temizle();
        tikla(&e2, "btn_yeni2");
        tikla(&e2, "btn_sil2");
        QCOMPARE(m.mesajlar, (QStringList{Yetkisiz, Yetkisiz}));
        QVERIFY(m.sorular.isEmpty());
        QCOMPARE(modulSayisi(), n);
    }

    // The main window's entries and the quick menu open the real screens.
    void ekranlarKayitli()
    {
        TEST_VT(vt);
        BetikMesaj m;
        for (const char *ad : {"frm_kullanici", "frm_module", "frm_select", "frm_eleman_ara"})
            QVERIFY2(EkranVar(QLatin1String(ad)), ad);
        for (const char *modul : {"KULLANICILAR", "MODULLER", "VERİ KONTROL"}) {
            QString acilan;
            QTimer::singleShot(0, [&acilan] {
                QWidget *w = QApplication::activeModalWidget();
                if (w) {
                    acilan = w->objectName();
                    w->close();
                }
            });
            QDialog cagiran;
            HizliAc(QString::fromUtf8(modul), &cagiran);
            QCOMPARE(acilan, HizliAcEkrani(QString::fromUtf8(modul)));
        }
        QVERIFY(m.mesajlar.isEmpty());
    }
};

QTEST_MAIN(TstKullanici)
#include "tst_kullanici.moc"
