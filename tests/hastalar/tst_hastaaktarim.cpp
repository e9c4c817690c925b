// "Veri Al": patient cards from the committed spreadsheet files.
#include "app/oturum.h"
#include "destek/betikmesaj.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "hastalar/hastaaktarim.h"
#include "hastalar/hastakayit.h"
#include "hastalar/hastatestdestek.h"
#include "destek/testvt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace HastaTest;

namespace {
// A patient data set with the screen's new-row defaults.
struct HastaSeti
{
    VeriSeti vs{QStringLiteral("HASTALAR")};
    QStringList parametreler;
    explicit HastaSeti(const QStringList &p = {})
        : parametreler(p)
    {
        vs.selectMetniAyarla(QStringLiteral("select * from HASTALAR where 1=1  and sirketkodu =")
                             + QStringLiteral("'") + Oturum.sirketkodu + QStringLiteral("' order by HASTALAR.KAYITNO "));
        vs.yeniSatirDegerleri = [this] { HastaYeniSatirDegerleri(vs, parametreler); };
    }
};

QString dosya(const QString &ad) { return TestDosyasi(QStringLiteral("hastalar/") + ad); }

const QString Basari = QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı");
QString metin(const QString &kod, const QString &kolon)
{
    return deger(QStringLiteral("select %1 from hastalar where hastakodu = ?").arg(kolon), {kod}).toString();
}
} // namespace

class tst_hastaaktarim : public QObject
{
    Q_OBJECT
private slots:
    void dosyalar_data();
    void dosyalar();
    void uzunDegerdeDurur_data();
    void uzunDegerdeDurur();
    void ayniKodIkinciKez_data();
    void ayniKodIkinciKez();
    void yarimKalanAktarim_data();
    void yarimKalanAktarim();
    void baslikSatirindaDurur_data();
    void baslikSatirindaDurur();
    void ayrikNoktaliI();
    void win1254Disi_data();
    void win1254Disi();
    void kayitliKoddaDurur();
    void ucBinSatirSiniri();
    void iptalEdilince();
    void ilerlemeIslemDisinda_data();
    void ilerlemeIslemDisinda();
    void sonrakiGrupYazilamazsa();
    void bozukDosyalar_data();
    void bozukDosyalar();
};

// The saved patient sheets with row 5's name ending in 15 blanks (54
// characters in the cell, 39 once trimmed): a whole import of every row.
// The sheets as saved stop at row 5 (uzunDegerdeDurur).
void tst_hastaaktarim::dosyalar_data()
{
    QTest::addColumn<QString>("ad");
    for (const char *ad : {"hastalar-ad-bosluklu.xlsx", "hastalar-ad-bosluklu.ods", "hastalar-ad-bosluklu.xls",
                           "hastalar-ad-bosluklu.csv", "hastalar-ad-bosluklu-noktalivirgul-cp1254.csv"})
        QTest::newRow(ad) << QString::fromLatin1(ad);
}

void tst_hastaaktarim::dosyalar()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    // Parameter defaults: doctor D9, sex KADIN, insurer SSK, child count 7.
    HastaSeti h({"D9", "DR. VARSAYILAN", "KADIN", "SSK", "", "", "7"});
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.mesaj, Basari + QStringLiteral("\nAktarılan hasta kartı: 10"));
    QVERIFY(m.sorular.isEmpty());
    QCOMPARE(s.aktarilan, 10);
    QCOMPARE(s.atlanan, 0);
    QCOMPARE(s.sinirDisi, 0);
    QCOMPARE(say("select count(*) from hastalar where sirketkodu = ?", {Oturum.sirketkodu}), 10);
    QCOMPARE(h.vs.kayitSayisi(), 10);
    QVERIFY(m.hatalar.isEmpty());

    QCOMPARE(metin("H001", "HASTAADISOYADI"), QStringLiteral("ŞÜKRÜ ÇAĞLAR"));
    QCOMPARE(metin("H001", "TCKIMLIKNO"), QStringLiteral("12345678901"));
    QCOMPARE(metin("H001", "DOGUMYERI"), QStringLiteral("İSTANBUL"));
    QCOMPARE(metin("H001", "MEDENIDURUM"), QStringLiteral("EVLİ"));
    QCOMPARE(metin("H002", "TCKIMLIKNO"), QStringLiteral("10987654321"));
    QCOMPARE(metin("H003", "HASTAADISOYADI"), QStringLiteral("O'NEIL DENİZ"));
    QCOMPARE(metin("1004", "HASTAADISOYADI"), QStringLiteral("IŞIL IŞIK"));
    QCOMPARE(metin("1004", "TCKIMLIKNO"), QString());
    // Trailing blanks are no part of the value: what is left fits the column.
    QCOMPARE(metin("H005", "HASTAADISOYADI"), QStringLiteral("ABDURRAHMAN MUHAMMED SAİT KARAHANLIOĞLU"));
    // Empty cells clear the parameter's default; cells given override it.
    QCOMPARE(deger("select count(*) from hastalar where hastakodu = 'H005' and doktorkodu is null "
                   "and cocuksayisi is null").toInt(), 1);
    QCOMPARE(metin("H001", "CINSIYET"), QStringLiteral("ERKEK"));
    QCOMPARE(metin("H001", "KURUMU"), QStringLiteral("SSK"));   // not in the sheet: the default stays
    QCOMPARE(metin("H007", "HASTAADISOYADI"), QStringLiteral("ZEYNEP \"ZEY\" AK"));
    QCOMPARE(deger("select cocuksayisi from hastalar where hastakodu = 'H009'").toDouble(), 2.0);
    QCOMPARE(deger("select cocuksayisi from hastalar where hastakodu = 'H011'").toDouble(), 5.0);
    // New-row defaults of the screen.
    QCOMPARE(metin("H010", "KAYITDURUMU"), QStringLiteral("AKTİF"));
    QCOMPARE(metin("H010", "HATUYARI"), QStringLiteral("HAYIR"));
    QCOMPARE(deger("select kayittarihi from hastalar where hastakodu = 'H010'").toDate(), QDate::currentDate());
    // The second sheet is not read.
    QCOMPARE(say("select count(*) from hastalar where hastakodu not in ('H001','H002','H003','1004','H005',"
                 "'H007','H008','H009','H010','H011')"), 0);
}

// A value longer than its column stops the import at its row; nothing is cut.
void tst_hastaaktarim::uzunDegerdeDurur_data()
{
    QTest::addColumn<QString>("ad");
    for (const char *ad : {"hastalar.xlsx", "hastalar.ods", "hastalar.xls", "hastalar.csv",
                           "hastalar-noktalivirgul-cp1254.csv"})
        QTest::newRow(ad) << QString::fromLatin1(ad);
}

void tst_hastaaktarim::uzunDegerdeDurur()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 5);
    QCOMPARE(s.aktarilan, 4);
    const QString uzun = QStringLiteral("ABDURRAHMAN MUHAMMED SAİT KARAHANLIOĞLU ÜÇÜNCÜOĞULLARI");
    QCOMPARE(uzun.size(), 54);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("5. satır, 2. sütun (Adı Soyadı, HASTAADISOYADI): \"") + uzun
                                + QStringLiteral("\" 54 karakter; bu alan en çok 45 karakter alır.")),
             qPrintable(s.mesaj));
    QVERIFY2(s.mesaj.contains(QStringLiteral("aktarılan 4 hasta kartı kaydedildi")), qPrintable(s.mesaj));
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    // Rows 1 to 4 stay; the long row is not stored, cut or otherwise.
    QCOMPARE(say("select count(*) from hastalar where sirketkodu = ?", {Oturum.sirketkodu}), 4);
    QCOMPARE(say("select count(*) from hastalar where hastakodu in ('H001','H002','H003','1004')"), 4);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'H005' or hastaadisoyadi starting with 'ABDUR'"), 0);
    QCOMPARE(metin("1004", "HASTAADISOYADI"), QStringLiteral("IŞIL IŞIK"));
}

// The same code twice in one file: the second row stops the import.
void tst_hastaaktarim::ayniKodIkinciKez_data()
{
    QTest::addColumn<QString>("ad");
    for (const char *ad : {"hastalar-ayni-kod.xlsx", "hastalar-ayni-kod.ods", "hastalar-ayni-kod.xls",
                           "hastalar-ayni-kod.csv"})
        QTest::newRow(ad) << QString::fromLatin1(ad);
}

void tst_hastaaktarim::ayniKodIkinciKez()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 3);
    QCOMPARE(s.aktarilan, 2);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("3. satırdaki \"H001\" hasta kodu dosyanın 1. satırında da var.")),
             qPrintable(s.mesaj));
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    QVERIFY(m.sorular.isEmpty());
    QCOMPARE(say("select count(*) from hastalar"), 2);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'H001'"), 1);
    QCOMPARE(metin("H001", "HASTAADISOYADI"), QStringLiteral("ŞÜKRÜ ÇAĞLAR"));
    QCOMPARE(metin("H002", "HASTAADISOYADI"), QStringLiteral("GÜLŞEN ÖZTÜRK"));
}

// An import cut short leaves its first rows; the same file again offers to
// skip them. kesik: the row the first run was cancelled at (0: it ran whole).
void tst_hastaaktarim::yarimKalanAktarim_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<int>("kesik");
    QTest::addColumn<bool>("cevap");
    QTest::addColumn<int>("ilkAktarilan");
    QTest::addColumn<int>("aktarilan");
    QTest::addColumn<int>("atlanan");
    QTest::addColumn<int>("sinirDisi");
    QTest::addColumn<int>("durdugu");     // 0: the second run ends well
    QTest::addColumn<QString>("soruda");
    QTest::addColumn<int>("toplam");      // patients in the end

    QTest::newRow("xlsx, atla") << "hastalar-ad-bosluklu.xlsx" << 4 << true << 3 << 7 << 3 << 0 << 0
                                << "ilk 3 satırındaki hasta kodları (\"H001\" ... \"H003\")" << 10;
    QTest::newRow("csv, atla, boş satırdan sonra") << "hastalar-ad-bosluklu.csv" << 8 << true << 6 << 4 << 6 << 0 << 0
                                                   << "ilk 6 satırındaki hasta kodları (\"H001\" ... \"H007\")" << 10;
    QTest::newRow("ods, atlama") << "hastalar-ad-bosluklu.ods" << 4 << false << 3 << 0 << 0 << 0 << 1
                                 << "ilk 3 satırındaki" << 3;
    QTest::newRow("xls, hepsi aktarılmış") << "hastalar-ad-bosluklu.xls" << 0 << true << 10 << 0 << 10 << 0 << 0
                                           << "ilk 10 satırındaki hasta kodları (\"H001\" ... \"H011\")" << 10;
    QTest::newRow("3500, sınırdan sonrası") << "hastalar-3500.xlsx" << 1201 << true << 1200 << 1800 << 1200 << 500 << 0
                                            << "ilk 1200 satırındaki hasta kodları (\"B00001\" ... \"B01200\")"
                                            << 3000;
}

void tst_hastaaktarim::yarimKalanAktarim()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    QFETCH(int, kesik);
    QFETCH(bool, cevap);
    QFETCH(int, ilkAktarilan);
    QFETCH(int, aktarilan);
    QFETCH(int, atlanan);
    QFETCH(int, sinirDisi);
    QFETCH(int, durdugu);
    QFETCH(QString, soruda);
    QFETCH(int, toplam);
    {
        HastaSeti h;
        const HastaAktarimSonucu ilk =
            HastaAktarim::aktar(dosya(ad), h.vs, [kesik](int r, int) { return kesik == 0 || r < kesik; });
        QCOMPARE(ilk.durum, kesik ? HastaAktarimSonucu::Durum::Iptal : HastaAktarimSonucu::Durum::Tamam);
        QCOMPARE(ilk.aktarilan, ilkAktarilan);
        QVERIFY(m.sorular.isEmpty());
    }
    QCOMPARE(say("select count(*) from hastalar"), ilkAktarilan);

    m.cevaplar << cevap;
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(m.sorular.size(), 1);
    QVERIFY2(m.sorular.first().contains(soruda), qPrintable(m.sorular.first()));
    QVERIFY2(m.sorular.first().contains(QStringLiteral("devam edilsin mi?")), qPrintable(m.sorular.first()));
    QCOMPARE(s.aktarilan, aktarilan);
    QCOMPARE(s.atlanan, atlanan);
    QCOMPARE(say("select count(*) from hastalar"), toplam);
    QCOMPARE(say("select count(*) from (select hastakodu from hastalar group by hastakodu having count(*) > 1)"), 0);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
    if (durdugu) {
        // "Hayır": the import stops on the first code as it always did.
        QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
        QCOMPARE(s.satir, durdugu);
        QVERIFY2(s.mesaj.startsWith(QStringLiteral("1. satırdaki \"H001\" hasta kodu ile kayıtlı hasta var.")),
                 qPrintable(s.mesaj));
        return;
    }
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.sinirDisi, sinirDisi);
    QString beklenen = Basari + QStringLiteral("\nAktarılan hasta kartı: %1").arg(aktarilan)
                       + QStringLiteral("\nDaha önce aktarılmış olduğu için atlanan satır: %1").arg(atlanan);
    if (sinirDisi)
        beklenen += QStringLiteral("\n3000. satırdan sonra okunmayan satır: %1 (bir aktarımda en çok 3000 satır okunur)")
                        .arg(sinirDisi);
    QCOMPARE(s.mesaj, beklenen);
}

void tst_hastaaktarim::baslikSatirindaDurur_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("xlsx") << "hastalar-baslikli.xlsx";
    QTest::newRow("ods") << "hastalar-baslikli.ods";
    QTest::newRow("xls") << "hastalar-baslikli.xls";
}

void tst_hastaaktarim::baslikSatirindaDurur()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    // The title row is a row like any other: its captions are no card (its
    // "CİNSİYET" is too long for the column, before its "ÇOCUK SAYISI" is no number).
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 1);
    QCOMPARE(s.aktarilan, 0);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("1. satır, 3. sütun (Cinsiyet, CINSIYET): \"CİNSİYET\"")),
             qPrintable(s.mesaj));
    QCOMPARE(say("select count(*) from hastalar"), 0);
    QVERIFY(m.hatalar.isEmpty());
}

// A lower-cased "İ" written by a program that does not know Turkish ("i" and
// a combining dot above) is taken as the dotted "i", as in the data control
// panel's imports, not refused as a letter WIN1254 cannot hold.
void tst_hastaaktarim::ayrikNoktaliI()
{
    TEST_VT(vt);
    BetikMesaj m;
    QTemporaryDir k;
    const QString yol = k.filePath(QStringLiteral("ayrik.csv"));
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBFH1;Veli\xCC\x87 Bi\xCC\x87rol\r\n");
    f.close();
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(yol, h.vs);
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.aktarilan, 1);
    const QString ad = Sorgu::tekDeger(QStringLiteral("select hastaadisoyadi from hastalar where hastakodu = 'H1'"))
                           .value_or(QVariant())
                           .toString();
    QCOMPARE(ad, QStringLiteral("Veli Birol"));
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
}

void tst_hastaaktarim::win1254Disi_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("xlsx") << "hastalar-win1254-disi.xlsx";
    QTest::newRow("ods") << "hastalar-win1254-disi.ods";
    QTest::newRow("xls") << "hastalar-win1254-disi.xls";
}

void tst_hastaaktarim::win1254Disi()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 2);
    QCOMPARE(s.aktarilan, 1);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("2. satır, ")), qPrintable(s.mesaj));
    QVERIFY(s.mesaj.contains(QStringLiteral("'Ə'")));
    QCOMPARE(say("select count(*) from hastalar"), 1);
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
}

void tst_hastaaktarim::kayitliKoddaDurur()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(hastaEkle(QStringLiteral("H003"), QStringLiteral("ÖNCEKİ HASTA")) > 0);
    QVERIFY(hastaEkle(QStringLiteral("H001"), QStringLiteral("BAŞKA ŞİRKET"), QStringLiteral("2008")) > 0);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya("hastalar.xlsx"), h.vs);
    // Row 1 is new (H001 belongs to another company): no earlier run to skip.
    QVERIFY(m.sorular.isEmpty());
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 3);
    QCOMPARE(s.aktarilan, 2);
    QVERIFY2(s.mesaj.startsWith(QStringLiteral("3. satırdaki \"H003\" hasta kodu ile kayıtlı hasta var.")),
             qPrintable(s.mesaj));
    QCOMPARE(say("select count(*) from hastalar where sirketkodu = ?", {Oturum.sirketkodu}), 3);
    QCOMPARE(metin("H003", "HASTAADISOYADI"), QStringLiteral("ÖNCEKİ HASTA"));
    QCOMPARE(say("select count(*) from hastalar where hastakodu in ('H001','H002') and sirketkodu = ?",
                 {Oturum.sirketkodu}), 2);
}

void tst_hastaaktarim::ucBinSatirSiniri()
{
    TEST_VT(vt);
    BetikMesaj m;
    HastaSeti h;
    int sonCagri = 0, toplamGorulen = 0;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya("hastalar-3500.xlsx"), h.vs, [&](int r, int t) {
        sonCagri = r;
        toplamGorulen = t;
        return true;
    });
    QVERIFY2(s.durum == HastaAktarimSonucu::Durum::Tamam, qPrintable(s.mesaj));
    QCOMPARE(s.aktarilan, 3000);
    QCOMPARE(s.sinirDisi, 500);
    QCOMPARE(s.mesaj, Basari + QStringLiteral("\nAktarılan hasta kartı: 3000\n3000. satırdan sonra okunmayan satır: 500 "
                                              "(bir aktarımda en çok 3000 satır okunur)"));
    QCOMPARE(toplamGorulen, 3000);
    QCOMPARE(sonCagri, 3000);
    QCOMPARE(say("select count(*) from hastalar"), 3000);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'B03000'"), 1);
    QCOMPARE(say("select count(*) from hastalar where hastakodu = 'B03001'"), 0);
}

void tst_hastaaktarim::iptalEdilince()
{
    TEST_VT(vt);
    BetikMesaj m;
    HastaSeti h;
    const HastaAktarimSonucu s =
        HastaAktarim::aktar(dosya("hastalar.ods"), h.vs, [](int r, int) { return r < 4; });
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Iptal);
    QCOMPARE(s.aktarilan, 3);
    QVERIFY(s.mesaj.contains(QStringLiteral("3 hasta kartı veritabanında kaldı")));
    QCOMPARE(say("select count(*) from hastalar"), 3);
}

// The progress window runs the event loop: it is called only while no
// transaction is open, whether the import ends, is cancelled or stops.
void tst_hastaaktarim::ilerlemeIslemDisinda_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<int>("kesik");        // the row cancelled at, 0: none
    QTest::addColumn<int>("durum");        // HastaAktarimSonucu::Durum
    QTest::addColumn<int>("aktarilan");
    QTest::addColumn<int>("cagri");        // progress calls
    QTest::newRow("3000 satır, birçok grup") << "hastalar-3500.xlsx" << 0
                                             << int(HastaAktarimSonucu::Durum::Tamam) << 3000 << 3000;
    QTest::newRow("iptal, ikinci grupta") << "hastalar-3500.xlsx" << 400 << int(HastaAktarimSonucu::Durum::Iptal)
                                          << 399 << 400;
    QTest::newRow("uzun değerde durur") << "hastalar.xlsx" << 0 << int(HastaAktarimSonucu::Durum::Durdu) << 4 << 5;
}

void tst_hastaaktarim::ilerlemeIslemDisinda()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    QFETCH(int, kesik);
    QFETCH(int, durum);
    QFETCH(int, aktarilan);
    QFETCH(int, cagri);
    HastaSeti h;
    int cagrilar = 0;
    QList<int> islemdeyken;   // rows whose call came while a transaction was open
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs, [&](int r, int) {
        ++cagrilar;
        if (Islem::acikMi(h.vs.baglantiAdi()))
            islemdeyken << r;
        return kesik == 0 || r < kesik;
    });
    QVERIFY2(islemdeyken.isEmpty(), qPrintable(QStringLiteral("%1 çağrı, ilki %2. satırda")
                                                   .arg(islemdeyken.size())
                                                   .arg(islemdeyken.value(0))));
    QCOMPARE(cagrilar, cagri);
    QCOMPARE(int(s.durum), durum);
    QCOMPARE(s.aktarilan, aktarilan);
    QCOMPARE(say("select count(*) from hastalar"), aktarilan);
    QCOMPARE(h.vs.kesinKayitSayisi(), aktarilan);
    QVERIFY(!Islem::acikMi());
    QVERIFY2(m.hatalar.isEmpty(), qPrintable(m.hatalar.join('\n')));
}

// Rows are committed in groups of 250: a row the database refuses in the
// second group rolls that group back, the first stays, and the message says so.
void tst_hastaaktarim::sonrakiGrupYazilamazsa()
{
    TEST_VT(vt);
    BetikMesaj m;
    QVERIFY(Sorgu::calistir("create exception HATA_DENEME 'deneme hatasi'"));
    QVERIFY(Sorgu::calistir("create trigger TRG_DENEME for hastalar before insert as begin "
                            "if (new.hastakodu = 'B00300') then exception HATA_DENEME; end"));
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya("hastalar-3500.xlsx"), h.vs, [](int, int) { return true; });
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::Durdu);
    QCOMPARE(s.satir, 300);
    QCOMPARE(s.aktarilan, 250);
    QCOMPARE(s.mesaj, QStringLiteral("Hasta kartları veritabanına yazılamadı. Aktarım durdu; kaydedilen hasta kartı "
                                     "sayısı: 250."));
    QCOMPARE(say("select count(*) from hastalar"), 250);
    QCOMPARE(say("select count(*) from hastalar where hastakodu between 'B00001' and 'B00250'"), 250);
    QCOMPARE(h.vs.kesinKayitSayisi(), 250);
    QVERIFY(!Islem::acikMi());
    QVERIFY2(!m.hatalar.isEmpty() && m.hatalar.first().contains(QStringLiteral("deneme hatasi")),
             qPrintable(m.hatalar.join('\n')));
}

void tst_hastaaktarim::bozukDosyalar_data()
{
    QTest::addColumn<QString>("ad");
    QTest::newRow("kesik") << "bozuk-kesik.xlsx";
    QTest::newRow("rastgele") << "bozuk-rastgele.xls";
    QTest::newRow("metin") << "bozuk-metin.xlsx";
    QTest::newRow("yok") << "olmayan-dosya.xlsx";
}

void tst_hastaaktarim::bozukDosyalar()
{
    TEST_VT(vt);
    BetikMesaj m;
    QFETCH(QString, ad);
    HastaSeti h;
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya(ad), h.vs);
    QCOMPARE(s.durum, HastaAktarimSonucu::Durum::DosyaHatasi);
    QCOMPARE(s.aktarilan, 0);
    QVERIFY(s.mesaj.startsWith(QStringLiteral("Dosya okunamadı")));
    QCOMPARE(say("select count(*) from hastalar"), 0);
}

QTEST_MAIN(tst_hastaaktarim)
#include "tst_hastaaktarim.moc"
