// The sample-data generator: the rows it writes hang together as the
// program's own would (codes unique, every examination with its fee in the
// ledger, keys ahead of the generators), in the proportions it promises, and
// the screens, routines and reports find them as they find their own.
#include "destek/betikmesaj.h"
#include "destek/ekransurucu.h"
#include "destek/testvt.h"

#include "app/ekranlar.h"
#include "app/oturum.h"
#include "app/parametre.h"
#include "app/program/ornekveri.h"
#include "cari/carihesap.h"
#include "db/baglanti.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "db/yetkiler.h"
#include "hastalar/hastakodu.h"
#include "hastalar/katalog.h"
#include "klinik/cariisleme.h"
#include "raporlar/carihareketrapor.h"
#include "randevu/frm_sms1.h"
#include "randevu/gunplani.h"
#include "randevu/randevusorgu.h"
#include "randevu/uyarilar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

namespace {
qint64 sayi(const QString &sql, const QVariantList &degerler = {})
{
    const auto v = Sorgu::tekDeger(sql, degerler);
    return v ? v->toLongLong() : -1;
}

// The first column of every row of a select.
QVariantList sutun(const QString &sql, const QVariantList &degerler = {})
{
    QVariantList l;
    if (const auto s = Sorgu::sec(sql, degerler))
        for (const QVariantList &r : s->satirlar)
            l << r.value(0);
    return l;
}

// The rows of a select as texts, sorted: two states of a table compare as
// sets of rows, whatever their keys.
QStringList satirlar(const QString &sql)
{
    QStringList l;
    if (const auto s = Sorgu::sec(sql))
        for (const QVariantList &r : s->satirlar) {
            QStringList x;
            for (const QVariant &v : r)
                x << (v.isNull() ? QStringLiteral("<null>")
                                 : v.typeId() == QMetaType::QDateTime ? v.toDateTime().toString(Qt::ISODateWithMs)
                                                                      : v.toString());
            l << x.join(QLatin1Char('|'));
        }
    l.sort();
    return l;
}

// Every column of the ledger but its key.
QString defterSelecti()
{
    QStringList k;
    for (const Kolon &c : TabloBul(QStringLiteral("CARI_HAREKET"))->kolonlar)
        if (c.ad != QLatin1String("KAYITNO"))
            k << c.ad;
    return QStringLiteral("select %1 from cari_hareket").arg(k.join(QStringLiteral(", ")));
}

// The balance of every account the account screens show (patients and staff).
QMap<QString, double> bakiyeler()
{
    QMap<QString, double> m;
    for (const QVariant &kod : sutun(QStringLiteral("select distinct carikod from cari_hareket"))) {
        const auto t = CariHesap::ToplamlariHesapla(CariHesap::HesapFiltresi(kod.toString()), QString(), false);
        m.insert(kod.toString(), t ? t->fark : qQNaN());
    }
    return m;
}

#define ORNEK_VERI(n) \
    do { \
        QString hata_; \
        QVERIFY2(OrnekVeriUret(Baglanti::Paylasilan, n, QStringLiteral("2007"), {}, &hata_), qPrintable(hata_)); \
    } while (false)
} // namespace

class TestOrnekVeri : public QObject
{
    Q_OBJECT

private slots:
    void tutarliVeri();
    void komut();
    void hepsiYaDaHicbiri_data();
    void hepsiYaDaHicbiri();
    void personelYeniKayit();
    void sonrakiKodlar_data();
    void sonrakiKodlar();
    void yenidenIslemekBakiyeyiDegistirmez();
    void gunlukRaporlar_data();
    void gunlukRaporlar();
    void randevuListeleri();
    void kataloglar();
};

void TestOrnekVeri::tutarliVeri()
{
    TEST_VT(vt);
    BetikMesaj m;
    QList<qint64> ilerleme;
    QString hata;
    QVERIFY2(OrnekVeriUret(Baglanti::Paylasilan, 4500, QStringLiteral("2007"),
                           [&](qint64 yazilan, qint64) { ilerleme << yazilan; return true; }, &hata),
             qPrintable(hata));
    QCOMPARE(ilerleme, (QList<qint64>{2000, 4000, 4500}));
    QCOMPARE(sayi("select count(*) from hastalar"), 4500);
    QCOMPARE(sayi("select count(distinct hastakodu) from hastalar where sirketkodu = '2007'"), 4500);
    // Proportions per patient: examinations about 2, appointments about 1.5,
    // procedures and laboratory lines about 0.5.
    const double muayene = sayi("select count(*) from muayene") / 4500.0;
    const double randevu = sayi("select count(*) from randevu") / 4500.0;
    const double islem = sayi("select count(*) from yapilanislemler") / 4500.0;
    const double lab = sayi("select count(*) from muayene_lab") / 4500.0;
    QVERIFY2(muayene > 1.8 && muayene < 2.2, qPrintable(QString::number(muayene)));
    QVERIFY2(randevu > 1.3 && randevu < 1.7, qPrintable(QString::number(randevu)));
    QVERIFY2(islem > 0.4 && islem < 0.6, qPrintable(QString::number(islem)));
    QVERIFY2(lab > 0.4 && lab < 0.6, qPrintable(QString::number(lab)));
    // Every examination has exactly its fee in the ledger, on its patient's
    // account, as the examination screen posts it; the examination's share
    // is the sum of its share rows; payments are rows of the payment screen.
    QCOMPARE(sayi("select count(*) from muayene m where (select count(*) from cari_hareket c where c.evrakkayitno = "
                  "m.kayitno and c.evrakcinsi = 'MYNE' and c.aciklama = 'MUAYENE ÜCRETİ' and c.borc = "
                  "m.muayeneucreti and c.carikod = m.hastakodu and c.islemturu = 'B.DEKONTU') <> 1"),
             0);
    QCOMPARE(sayi("select count(*) from muayene m where m.doktorpaytutari <> (select sum(c.alacak) from cari_hareket c "
                  "where c.evrakkayitno = m.kayitno and c.evrakcinsi = 'DR' and c.aciklama in ('MUAYENE PAYI', "
                  "'LABORATUVAR PAYI', 'İŞLEM PAYI') and c.carikod = m.doktorkodu)"),
             0);
    QVERIFY(sayi("select count(*) from muayene where doktorpaytutari > 0") > 0);
    QVERIFY(sayi("select count(*) from cari_hareket where evrakcinsi is null and alacak > 0") > 0);
    QCOMPARE(sayi("select count(*) from cari_hareket where evrakcinsi is null and (borc <> 0 or islemturu not in "
                  "('NAKIT', 'K.KARTI', 'HAVALE') or evrakkayitno is not null)"),
             0);
    // What every screen writes: the company, the user, the currency, days at 00:00.
    QCOMPARE(sayi("select count(*) from cari_hareket where sirketkodu is distinct from '2007' or kullanici is "
                  "distinct from 'VELMOR' or parabirimi is distinct from 'YTL' or islemtarihi <> cast(islemtarihi as "
                  "date) or vadetarihi <> islemtarihi"),
             0);
    for (const char *k : {"hastalar:kayittarihi", "muayene:muayenetarihi", "gozhastaliklari:muayenetarihi",
                          "randevu:randevutarihi", "randevu:randalmatarihi", "yapilanislemler:islemtarihi",
                          "muayene_lab:muayenetarihi"}) {
        const QStringList t = QString::fromLatin1(k).split(QLatin1Char(':'));
        QCOMPARE(sayi(QStringLiteral("select count(*) from %1 where %2 is null or %2 <> cast(%2 as date) or "
                                     "sirketkodu is distinct from '2007'")
                          .arg(t[0], t[1])),
                 0);
    }
    QCOMPARE(sayi("select count(*) from hastalar where kayitdurumu is distinct from 'AKTİF' or hatuyari is distinct "
                  "from 'HAYIR' or hatirlatmadurumu2 is distinct from 'HAYIR'"),
             0);
    QCOMPARE(sayi("select count(*) from doktorlar where coalesce(maasi, -1) <> 0 or coalesce(doktorpaytutari, -1) <> 0 "
                  "or coalesce(ldoktorpayparam, -1) <> 0 or coalesce(idoktorpayparam, -1) <> 0"),
             0);
    QCOMPARE(sayi("select count(*) from muayene m where not exists (select 1 from hastalar h where h.hastakodu = "
                  "m.hastakodu and h.sirketkodu = m.sirketkodu)"),
             0);
    // Lines on an examination are its own patient's and make its totals, as
    // the laboratory and procedure screens list and sum them; eye doctors'
    // patients have eye examinations.
    QVERIFY(sayi("select count(*) from muayene where laboratuvarvarmi = 'E'") > 0);
    QCOMPARE(sayi("select count(*) from muayene m where m.laboratuvarvarmi = 'E' and m.laboratuvarucreti <> (select "
                  "sum(l.ucreti) from muayene_lab l where l.muayeneno = cast(m.kayitno as varchar(20)) and "
                  "l.hastakodu = m.hastakodu and l.kaynak = 'GENEL')"),
             0);
    QCOMPARE(sayi("select count(*) from muayene m where m.islemtutari > 0 and m.islemtutari <> (select sum(y.ucreti) "
                  "from yapilanislemler y where y.muayeneno = m.kayitno and y.hastakodu = m.hastakodu)"),
             0);
    QCOMPARE(sayi("select count(*) from muayene where toplamtutar <> muayeneucreti + coalesce(laboratuvarucreti, 0) "
                  "+ coalesce(islemtutari, 0)"),
             0);
    QVERIFY(sayi("select count(*) from gozhastaliklari g join doktorlar d on d.doktorkodu = g.doktorkodu "
                 "where d.brans = 'GÖZ' and g.goz_saggzlksuz is not null") > 0);
    // The program's next keys are free.
    for (const char *t : {"HASTALAR:OTOKOD_HASTALAR", "MUAYENE:OTOKOD_MUAYENE", "CARI_HAREKET:AUTOINCCARIHAREKET",
                          "RANDEVU:OTOKOD_RANDEVU", "GOZHASTALIKLARI:OTOKOD_GOZ", "DOKTORLAR:OTOKOD_DOKTORLAR",
                          "YAPILANISLEMLER:OTOKOD_YAPILANISLEMLER", "MUAYENE_LAB:OTOKOD_MUAYENE_LAB"}) {
        const QStringList p = QString::fromLatin1(t).split(QLatin1Char(':'));
        QVERIFY2(sayi(QStringLiteral("select gen_id(%1, 0) - max(kayitno) from %2").arg(p[1], p[0])) >= 0, t);
    }
    // The index statistics are those of the rows written: the patients'
    // primary key tells one row in 4500.
    const auto secicilik = Sorgu::tekDeger(
        QStringLiteral("select i.rdb$statistics from rdb$indices i join rdb$relation_constraints c "
                       "on c.rdb$index_name = i.rdb$index_name where c.rdb$constraint_name = 'PK_HASTALAR'"));
    QVERIFY(secicilik);
    QVERIFY2(qAbs(secicilik->toDouble() * 4500 - 1.0) < 0.01, qPrintable(secicilik->toString()));
    // Turkish names, every letter storable.
    const auto adlar = Sorgu::sec(QStringLiteral("select first 200 hastaadisoyadi from hastalar"));
    QVERIFY(adlar);
    bool turkce = false;
    for (const auto &s : adlar->satirlar) {
        const QString ad = s.first().toString();
        QVERIFY(Win1254::disindakiler(ad).isEmpty());
        turkce = turkce || ad.contains(QRegularExpression(QStringLiteral("[ÇĞİÖŞÜçğışöü]")));
    }
    QVERIFY(turkce);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// The command: a progress line on the terminal, exit code 0, the rows there.
void TestOrnekVeri::komut()
{
    TEST_VT(vt);
    Baglanti::kapat(Baglanti::Paylasilan);
    QProcess p;
    p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika")),
            {QStringLiteral("--veritabani"), vt.yol(), QStringLiteral("--ornek-veri"), QStringLiteral("120")});
    QVERIFY(p.waitForFinished(120000));
    const QString cikti = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitCode() == 0, qPrintable(cikti + QString::fromUtf8(p.readAllStandardError())));
    QVERIFY2(cikti.contains(QStringLiteral("120 / 120 hasta")), qPrintable(cikti));
    QVERIFY(Baglanti::ac(vt.yol(), Baglanti::Paylasilan));
    QCOMPARE(sayi("select count(*) from hastalar"), 120);
}

// A run that fails writes nothing: no doctor, patient or line of theirs,
// no catalogue entry, no generator moved; the exit code is 4 and standard
// error says why and that nothing was written.
void TestOrnekVeri::hepsiYaDaHicbiri_data()
{
    QTest::addColumn<QString>("durum");
    QTest::addColumn<QString>("hata");   // in standard error
    // The database refuses a patient after the first 2000 (a trigger stands
    // for any error in the middle of the run).
    QTest::newRow("2100. hastada hata") << "tetikleyici" << "deneme hatasi";
    // The program's server user (table and generator rights only) may not
    // take index statistics: refused before any row.
    QTest::newRow("program kullanıcısı") << "kisitli"
                                         << "VELMORIKA kullanıcısı indeks istatistiklerini güncelleyemiyor";
}

void TestOrnekVeri::hepsiYaDaHicbiri()
{
    QFETCH(QString, durum);
    QFETCH(QString, hata);
    TEST_VT(vt);
    BetikMesaj m;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    if (durum == QLatin1String("tetikleyici")) {
        QVERIFY(Sorgu::calistir("create exception HATA_DENEME 'deneme hatasi'"));
        QVERIFY(Sorgu::calistir("create trigger TRG_DENEME for hastalar before insert as begin "
                                "if ((select count(*) from hastalar) >= 2100) then exception HATA_DENEME; end"));
    } else {
        // The grants of "velmorika --yetkilendir" (its first statement, which
        // takes every right away, needs the server's user list).
        const QStringList komutlar = Yetkiler::komutlar(QStringLiteral("VELMORIKA"));
        QVERIFY(komutlar.first().startsWith(QStringLiteral("REVOKE ALL ON ALL")));
        for (const QString &k : komutlar.mid(1))
            QVERIFY2(Sorgu::calistir(k), qPrintable(k));
        ortam.insert(QStringLiteral("VELMORIKA_DB_USER"), QStringLiteral("VELMORIKA"));
    }
    const QStringList tablolar{"HASTALAR",    "DOKTORLAR",       "MUAYENE",  "CARI_HAREKET", "RANDEVU",
                               "YAPILANISLEMLER", "MUAYENE_LAB", "GOZHASTALIKLARI", "ISLEMLER", "LABORATUVAR"};
    auto durumu = [&] {
        QStringList d;
        for (const QString &t : tablolar) {
            const Tablo *tablo = TabloBul(t);
            d << QStringLiteral("%1: %2 satır, üreteç %3")
                     .arg(t)
                     .arg(sayi(QStringLiteral("select count(*) from ") + t))
                     .arg(sayi(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(tablo->uretec)));
        }
        return d;
    };
    const QStringList once = durumu();
    Baglanti::kapat(Baglanti::Paylasilan);

    QProcess p;
    p.setProcessEnvironment(ortam);
    p.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../velmorika")),
            {QStringLiteral("--veritabani"), vt.yol(), QStringLiteral("--ornek-veri"), QStringLiteral("2500")});
    QVERIFY(p.waitForFinished(120000));
    const QString hataCiktisi = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == 4, qPrintable(QString::number(p.exitCode()) + QLatin1Char(' ') + hataCiktisi));
    QVERIFY(Baglanti::ac(vt.yol(), Baglanti::Paylasilan));
    QCOMPARE(durumu(), once);
    QCOMPARE(sayi("select count(*) from doktorlar where doktorkodu starting with 'ORNDR'"), 0);
    QVERIFY2(hataCiktisi.contains(QStringLiteral("Örnek veri yazılamadı; veritabanına hiçbir satır yazılmadı.")),
             qPrintable(hataCiktisi));
    QVERIFY2(hataCiktisi.contains(hata), qPrintable(hataCiktisi));
}

// "Personel › Yeni" after sample data: the key the screen draws is free and
// the new staff member is saved.
void TestOrnekVeri::personelYeniKayit()
{
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(150);
    EkranSurucu<QDialog> s(EkranOlustur(QStringLiteral("frm_doktorlar"), nullptr));
    VeriSeti *vs = s.e->findChild<VeriSeti *>(QStringLiteral("qry_doktorlar"));
    QVERIFY(vs);
    QTest::keyClick(s.e.get(), Qt::Key_F2);
    QCOMPARE(vs->durum(), VeriSeti::Durum::Ekle);
    QCOMPARE(sayi("select count(*) from doktorlar where kayitno = ?", {vs->anahtar()}), 0);
    s.yaz("edt_doktorkodu", QStringLiteral("YENİ1"));
    s.yaz("edt_doktoradi", QStringLiteral("DR. YENİ PERSONEL"));
    HarfHarfYaz(s.w<QComboBox>("cmb_gorevi")->lineEdit(), QStringLiteral("HEMŞİRE"));
    s.tikla("btn_kaydet");
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
    QCOMPARE(vs->durum(), VeriSeti::Durum::Gozat);
    QCOMPARE(sayi("select count(*) from doktorlar where doktorkodu = 'YENİ1' and sirketkodu = '2007'"), 1);
}

// The next key each screen draws from its table's generator (what "Yeni"
// takes) is free after sample data, and so are the patient codes the
// patient and appointment screens hand out.
void TestOrnekVeri::sonrakiKodlar_data()
{
    QTest::addColumn<QString>("tablo");
    for (const char *t : {"HASTALAR", "DOKTORLAR", "MUAYENE", "GOZHASTALIKLARI", "MUAYENE_LAB", "YAPILANISLEMLER",
                          "RANDEVU", "CARI_HAREKET", "ISLEMLER", "LABORATUVAR"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void TestOrnekVeri::sonrakiKodlar()
{
    QFETCH(QString, tablo);
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(150);
    const Tablo *t = TabloBul(tablo);
    QVERIFY(t && !t->uretec.isEmpty());
    // The table has sample rows, and the key a new row would get is no row's.
    QVERIFY(sayi(QStringLiteral("select count(*) from ") + t->ad) > 0);
    const auto no = Sorgu::uretec(t->uretec);
    QVERIFY(no);
    QCOMPARE(sayi(QStringLiteral("select count(*) from %1 where %2 = ?").arg(t->ad, t->anahtar), {*no}), 0);
    if (tablo == QLatin1String("HASTALAR")) {
        // The patient card's code (its key), the code the appointment
        // screen suggests, and the patient an appointment makes.
        QCOMPARE(HastaKodu::kodSayisi(HastaKodu::varsayilan(*no), Oturum.sirketkodu), 0);
        const auto oneri = RandevuSorgu::OnerilenHastaKodu(Oturum.sirketkodu);
        QVERIFY(oneri);
        QCOMPARE(HastaKodu::kodSayisi(*oneri, Oturum.sirketkodu), 0);
        QString hata;
        const auto kod = RandevuSorgu::HastaEkle({QStringLiteral("YENİ HASTA"), QString(), QString(), QString(),
                                                  Oturum.sirketkodu},
                                                 &hata);
        QVERIFY2(kod, qPrintable(hata));
        QCOMPARE(HastaKodu::kodSayisi(*kod, Oturum.sirketkodu), 1);
    }
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// Re-saving a sample examination (and a line of it) posts through the real
// routines: the ledger stays row for row what it was, so no patient is
// charged twice, and every patient owes what his examinations cost less what
// he paid.
void TestOrnekVeri::yenidenIslemekBakiyeyiDegistirmez()
{
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(150);
    using namespace CariIsleme;
    // Every kind of posting row is there, or the comparison proves little.
    for (const QString &cins :
         {MuayeneCinsi, PayCinsi, ucretCinsi(SatirTuru::Laboratuvar), ucretCinsi(SatirTuru::Islem)})
        QVERIFY2(sayi("select count(*) from cari_hareket where evrakcinsi = ?", {cins}) > 0, qPrintable(cins));
    QVERIFY(sayi("select count(*) from cari_hareket where evrakcinsi = ? and aciklama = ?",
                 {MuayeneCinsi, muayeneAciklamalari(Kaynak::Goz).ucret}) > 0);
    const QStringList defter = satirlar(defterSelecti());
    const QString toplamlar = QStringLiteral(
        "select kayitno, muayeneucreti, laboratuvarucreti, islemtutari, toplamtutar, doktorpaytutari from muayene");
    const QString gozToplamlari =
        QStringLiteral("select kayitno, ucreti, laboratuvarucreti, islemtutari, toplamtutar, doktorpaytutari from "
                       "gozhastaliklari");
    const QStringList muayeneler = satirlar(toplamlar), gozler = satirlar(gozToplamlari);
    const QMap<QString, double> once = bakiyeler();

    // What the screens run when an examination or one of its lines is saved again.
    const QString satirli =
        QStringLiteral("select count(*) from %1 where muayeneno = ? and ") + kaynakKosulu(Kaynak::Genel);
    for (const QVariant &no : sutun(QStringLiteral("select kayitno from muayene"))) {
        QVERIFY(cariyeisleme(Kaynak::Genel, no.toLongLong()));
        if (sayi(satirli.arg(QStringLiteral("muayene_lab")), {no.toString()}) > 0)
            QVERIFY(lab_tutari_topla(Kaynak::Genel, no.toLongLong(), SatirTuru::Laboratuvar));
        if (sayi(satirli.arg(QStringLiteral("yapilanislemler")), {no.toDouble()}) > 0)
            QVERIFY(lab_tutari_topla(Kaynak::Genel, no.toLongLong(), SatirTuru::Islem));
    }
    for (const QVariant &no : sutun(QStringLiteral("select kayitno from gozhastaliklari")))
        QVERIFY(cariyeisleme(Kaynak::Goz, no.toLongLong()));
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));

    QCOMPARE(satirlar(defterSelecti()), defter);
    QCOMPARE(satirlar(toplamlar), muayeneler);
    QCOMPARE(satirlar(gozToplamlari), gozler);
    QCOMPARE(bakiyeler(), once);
    // A patient owes his examinations' totals less his payments, each once.
    const auto s = Sorgu::sec(QStringLiteral(
        "select h.hastakodu, (select coalesce(sum(toplamtutar), 0) from muayene x where x.hastakodu = h.hastakodu) "
        "+ (select coalesce(sum(toplamtutar), 0) from gozhastaliklari x where x.hastakodu = h.hastakodu) "
        "- (select coalesce(sum(alacak), 0) from cari_hareket c where c.carikod = h.hastakodu and c.evrakcinsi is "
        "null) from hastalar h where h.sirketkodu = '2007'"));
    QVERIFY(s);
    int borclu = 0;
    for (const QVariantList &r : s->satirlar) {
        QCOMPARE(once.value(r[0].toString()), r[1].toDouble());
        borclu += r[1].toDouble() > 0;
    }
    QVERIFY(borclu > 0);
}

// The three daily reports find the sample movements of a day: the fees and
// the doctors' shares on every examination day, the payments on some.
void TestOrnekVeri::gunlukRaporlar_data()
{
    QTest::addColumn<int>("tur");
    QTest::addColumn<bool>("herGun");
    using CariHareketRapor::Gunluk;
    QTest::newRow("faaliyet") << int(Gunluk::Faaliyet) << true;
    QTest::newRow("doktor hakedişi") << int(Gunluk::DoktorHakedis) << true;
    QTest::newRow("gelir gider") << int(Gunluk::GelirGider) << false;
}

void TestOrnekVeri::gunlukRaporlar()
{
    QFETCH(int, tur);
    QFETCH(bool, herGun);
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(150);
    const QVariantList gunler = sutun(QStringLiteral("select first 30 distinct muayenetarihi from muayene"));
    QCOMPARE(gunler.size(), 30);
    int bulunan = 0;
    for (const QVariant &g : gunler) {
        const auto s = Sorgu::sec(CariHareketRapor::GunlukSql(CariHareketRapor::Gunluk(tur), g.toDate()));
        QVERIFY(s);
        if (!s->satirlar.isEmpty())
            ++bulunan;
        else if (herGun)
            QFAIL(qPrintable(g.toDate().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" boş")));
    }
    QVERIFY(bulunan > 0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// Appointments as the appointment screen writes them: waiting ones ahead,
// done or cancelled ones behind, the patient's phone, the time on a slot of
// the day plan; the day plan, the reminders and the SMS list of a day with
// waiting appointments show them.
void TestOrnekVeri::randevuListeleri()
{
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(300);
    const QDateTime bugun(QDate::currentDate(), QTime(0, 0));
    using namespace RandevuSorgu;
    for (const QString &d : {Bekliyor, Oldu, Iptal})
        QVERIFY2(sayi("select count(*) from randevu where muayeneoldumu = ?", {d}) > 0, qPrintable(d));
    QCOMPARE(sayi("select count(*) from randevu where muayeneoldumu is null"), 0);
    QCOMPARE(sayi("select count(*) from randevu where muayeneoldumu = ? and randevutarihi < ?", {Bekliyor, bugun}), 0);
    QCOMPARE(sayi("select count(*) from randevu where muayeneoldumu <> ? and randevutarihi >= ?", {Bekliyor, bugun}),
             0);
    QCOMPARE(sayi("select count(*) from randevu r where r.hastaceptel is null or r.hastaceptel <> (select h.ceptel "
                  "from hastalar h where h.hastakodu = r.hastakodu and h.sirketkodu = r.sirketkodu)"),
             0);

    QStringList p(13, QString());
    QVERIFY(ParametreOku(QStringLiteral("RANDEVU"), p));
    const GunPlani::Ayar ayar{p.at(7), p.at(8), p.at(9), p.at(10)};
    const auto gunVar =
        Sorgu::tekDeger(QStringLiteral("select min(randevutarihi) from randevu where muayeneoldumu = ?"), {Bekliyor});
    QVERIFY(gunVar && !gunVar->isNull());
    const QDate gun = gunVar->toDate();
    const qint64 bekleyen = sayi("select count(*) from randevu where muayeneoldumu = ? and randevutarihi = ?",
                                 {Bekliyor, QDateTime(gun, QTime(0, 0))});
    QVERIFY(bekleyen > 0);

    // The day plan: a slot taken by each waiting appointment (some may share one).
    const GunPlani::Sonuc plan = GunPlani::Olustur(ayar, gun, Oturum.sirketkodu, QString());
    QVERIFY2(plan.hata.isEmpty() && !plan.vtHatasi, qPrintable(plan.hata));
    int dolu = 0;
    for (const GunPlani::Satir &s : plan.satirlar)
        dolu += !s.hastaAdi.isEmpty();
    QVERIFY(dolu > 0);
    // Every sample time is one of the plan's slots.
    QSet<QTime> slotlar;
    for (const GunPlani::Satir &s : plan.satirlar)
        slotlar.insert(s.saat);
    for (const QVariant &saat : sutun(QStringLiteral("select distinct randevusaati from randevu")))
        QVERIFY2(saat.toDateTime().date() == QDate(1899, 12, 30) && slotlar.contains(saat.toDateTime().time()),
                 qPrintable(saat.toString()));

    // The reminder of the day's appointments.
    const auto uyari = Sorgu::sec(Uyarilar::Sql(Uyarilar::Tur::Randevu, Oturum.sirketkodu, gun));
    QVERIFY(uyari);
    QCOMPARE(qint64(uyari->satirlar.size()), bekleyen);

    // The SMS screen's list of the day's appointments (the window is not
    // shown: showing it asks the gateway for the account's status).
    std::unique_ptr<Tfrm_sms1> sms(qobject_cast<Tfrm_sms1 *>(EkranOlustur(QStringLiteral("frm_sms1"), nullptr)));
    QVERIFY(sms);
    sms->findChild<QDateEdit *>(QStringLiteral("dt_randevu"))->setDate(gun);
    sms->randevulariListele();
    QVERIFY(sms->listeler()->kaynakSayisi() > 0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

// The procedure and test catalogues hold the names the lines use, at the
// price the lines carry.
void TestOrnekVeri::kataloglar()
{
    TEST_VT(vt);
    BetikMesaj m;
    ORNEK_VERI(150);
    for (const char *ekran : {"frm_islemler", "frm_laboratuvarlar"}) {
        KatalogEkrani k{QString::fromLatin1(ekran)};
        QVERIFY2(k.veriSeti()->kayitSayisi() > 0, ekran);
    }
    QVERIFY(sayi("select count(*) from yapilanislemler") > 0);
    QVERIFY(sayi("select count(*) from muayene_lab") > 0);
    QCOMPARE(sayi("select count(*) from yapilanislemler y where not exists (select 1 from islemler i where "
                  "i.yapilanislem = y.yapilanislem and i.ucreti = y.ucreti and i.islemkodu = y.islemkodu and "
                  "i.sirketkodu = y.sirketkodu)"),
             0);
    QCOMPARE(sayi("select count(*) from muayene_lab l where not exists (select 1 from laboratuvar t where "
                  "t.tetkikadi = l.tetkikadi and t.ucreti = l.ucreti and t.tetkikkodu = l.tetkikkodu)"),
             0);
    QVERIFY2(m.mesajlar.isEmpty(), qPrintable(m.mesajlar.join('\n')));
}

QTEST_MAIN(TestOrnekVeri)
#include "tst_ornekveri.moc"
