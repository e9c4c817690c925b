// One workstation for the multi-workstation tests: the program's own code in
// a process of its own, against a database location given on the command
// line, as the user VELMORIKA_DB_USER / VELMORIKA_DB_PASSWORD say.
//
//   istasyon --konum KONUM --senaryo AD [--adet N] [--etiket METIN]
//
// It opens the connection and whatever the scenario needs, writes "HAZIR" and
// waits for a line on standard input, so that the test starts every
// workstation's work at the same moment. Then it works and writes one line:
//
//   SONUC tamam <what it did>      exit code 0
//   SONUC hata <why>               exit code 1
//
// A message the program shows (Mesaj) during the work counts as a failure.
// A scenario is one function below and one row in senaryolar.
#include "app/ekranlar.h"
#include "app/kayitekrani.h"
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/veriseti.h"
#include "destek/betikmesaj.h"
#include "destek/ekransurucu.h"
#include "destek/testvt.h"
#include "hastalar/frm_hastalar.h"
#include "klinik/cariisleme.h"
#include "db/sorgu.h"

#include <QApplication>
#include <QDialog>
#include <QCommandLineParser>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QThread>

#include <functional>
#include <memory>

namespace {

struct Is
{
    int adet = 1;
    QString etiket;
};

// The scripted messages of the process (scenarios that expect some read
// and clear them).
BetikMesaj *mesajlar = nullptr;

QTextStream &cikti()
{
    static QTextStream s(stdout);
    return s;
}

// Prepares the scenario (screens opened, nothing written yet) and returns
// its work; the work returns false with the reason in hata.
using Hazirlik = std::function<std::function<bool(QString *sonuc, QString *hata)>(const Is &, QString *hata)>;

template <class T> T *denetim(QWidget *ekran, const char *ad, QString *hata)
{
    T *d = ekran->findChild<T *>(QLatin1String(ad));
    if (!d && hata)
        *hata = QStringLiteral("denetim yok: %1").arg(QLatin1String(ad));
    return d;
}

// The patient screen registers adet new patients: New, the name typed, Save,
// exactly as at the desk (the screen gives the code from the record number).
std::function<bool(QString *, QString *)> hastaEkle(const Is &is, QString *hata)
{
    auto ekran = std::make_shared<Tfrm_hastalar>();
    ekran->show();
    QCoreApplication::processEvents();
    auto *yeni = denetim<QPushButton>(ekran.get(), "btn_yeni", hata);
    auto *kaydet = denetim<QPushButton>(ekran.get(), "btn_kaydet", hata);
    auto *ad = denetim<QLineEdit>(ekran.get(), "edt_hastaadi", hata);
    auto *durum = denetim<QLabel>(ekran.get(), "Label20", hata);
    if (!yeni || !kaydet || !ad || !durum)
        return {};
    return [=](QString *sonuc, QString *hata) {
        for (int i = 1; i <= is.adet; ++i) {
            yeni->click();
            HarfHarfYaz(ad, QStringLiteral("%1 HASTA %2").arg(is.etiket).arg(i));
            kaydet->click();
            // A saved card is locked again; one still open for editing was not saved.
            if (durum->text() != QStringLiteral("KAYIT KİLİTLİ")) {
                *hata = QStringLiteral("%1. hasta kaydedilmedi").arg(i);
                return false;
            }
        }
        *sonuc = QStringLiteral("eklenen=%1").arg(is.adet);
        ekran->close();
        return true;
    };
}

// Every desk raises the same patient's counter (KILO of record 1) adet
// times, each time from the row read afresh. A save that another desk got
// in before must be refused with a message (and is tried again): a raise
// lost without a message shows as a counter short of the raises reported.
std::function<bool(QString *, QString *)> ayniHasta(const Is &is, QString *hata)
{
    auto vs = std::make_shared<VeriSeti>(QStringLiteral("HASTALAR"));
    vs->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1  and kayitno = 1"));
    if (!vs->ac() || vs->bosMu()) {
        *hata = QStringLiteral("1 numaralı hasta okunamadı");
        return {};
    }
    return [=](QString *sonuc, QString *hata) {
        int artis = 0, ret = 0;
        for (int deneme = 0; artis < is.adet && deneme < 50 * is.adet; ++deneme) {
            if (vs->duzenleniyorMu())
                vs->iptal();
            if (!vs->satirYenile()) {
                *hata = QStringLiteral("hasta yeniden okunamadı");
                return false;
            }
            const int kilo = vs->metin(QStringLiteral("KILO")).toInt();
            QThread::msleep(15); // the user typing: others save meanwhile
            vs->degerAyarla(QStringLiteral("KILO"), QString::number(kilo + 1));
            if (vs->kaydet()) {
                ++artis;
                continue;
            }
            // Refused: it must have said so, in Turkish words of its own.
            const QString m = mesajlar->son();
            if (m.isEmpty() || m.contains(QLatin1String("deadlock"), Qt::CaseInsensitive)) {
                *hata = QStringLiteral("kayıt reddedildi ama mesaj: '%1'").arg(m);
                return false;
            }
            ++ret;
            mesajlar->temizle();
        }
        *sonuc = QStringLiteral("artis=%1 ret=%2").arg(artis).arg(ret);
        return artis == is.adet;
    };
}

// Every desk records adet examinations of the three shared patients (fee
// 100 + its own number, share 20 %) and posts them, and takes a payment of
// 10 for each, as the examination and payment screens do. It reports what
// it wrote; the test checks the ledger against it.
std::function<bool(QString *, QString *)> muayeneVeOdeme(const Is &is, QString *hata)
{
    Q_UNUSED(hata);
    return [=](QString *sonuc, QString *hata) {
        double ucretler = 0, odemeler = 0;
        for (int i = 1; i <= is.adet; ++i) {
            const QString hasta = QStringLiteral("P%1").arg(i % 3 + 1);
            const double ucret = 100 + i;
            auto no = Sorgu::uretec(QStringLiteral("OTOKOD_MUAYENE"));
            if (!no) {
                *hata = QStringLiteral("muayene numarası alınamadı");
                return false;
            }
            if (!Sorgu::calistir(QStringLiteral("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, "
                                                "doktoradi, muayenetarihi, muayeneucreti, doktorpayturu, "
                                                "doktorpayparam, sirketkodu) values (?, ?, ?, 'D1', 'DR. ORTAK', "
                                                "current_timestamp, ?, ?, 20, '2007')"),
                                 {*no, hasta, QStringLiteral("HASTA ") + hasta, ucret, CariIsleme::Yuzde})
                || !CariIsleme::cariyeisleme(CariIsleme::Kaynak::Genel, *no)) {
                *hata = QStringLiteral("%1. muayene kaydedilemedi: %2").arg(i).arg(mesajlar->son());
                return false;
            }
            ucretler += ucret;
            if (!Sorgu::calistir(QStringLiteral("insert into cari_hareket (kayitno, carikod, cariunvan, islemturu, "
                                                "islemtarihi, borc, alacak, parabirimi, sirketkodu, "
                                                "aciklama) values (gen_id(AUTOINCCARIHAREKET, 1), ?, ?, 'HASTA', "
                                                "current_timestamp, 0, 10, 'YTL', '2007', ?)"),
                                 {hasta, QStringLiteral("HASTA ") + hasta, is.etiket})) {
                *hata = QStringLiteral("%1. ödeme kaydedilemedi").arg(i);
                return false;
            }
            odemeler += 10;
        }
        *sonuc = QStringLiteral("ucret=%1 odeme=%2").arg(ucretler).arg(odemeler);
        return true;
    };
}

// The examination screen changes the fee of examination 1 to adet and
// saves it, as at the desk (the test kills the desk while the save waits).
std::function<bool(QString *, QString *)> muayeneUcreti(const Is &is, QString *hata)
{
    auto ekran = std::shared_ptr<QDialog>(EkranOlustur(QStringLiteral("frm_muayene"), nullptr));
    auto *e = qobject_cast<KayitEkrani *>(ekran.get());
    if (!e) {
        *hata = QStringLiteral("muayene ekranı açılamadı");
        return {};
    }
    e->show();
    QCoreApplication::processEvents();
    if (!e->veriSeti()->bul(1)) {
        *hata = QStringLiteral("1 numaralı muayene yok");
        return {};
    }
    return [ekran, e, is](QString *sonuc, QString *hata) {
        e->degistir();
        if (!e->veriSeti()->degerAyarla(QStringLiteral("MUAYENEUCRETI"), double(is.adet)) || !e->kaydet()) {
            *hata = QStringLiteral("kaydedilemedi");
            return false;
        }
        *sonuc = QStringLiteral("ucret=%1").arg(is.adet);
        return true;
    };
}

const QMap<QString, Hazirlik> &senaryolar()
{
    static const QMap<QString, Hazirlik> s = {
        {QStringLiteral("hastaekle"), hastaEkle},
        {QStringLiteral("aynihasta"), ayniHasta},
        {QStringLiteral("muayeneodeme"), muayeneVeOdeme},
        {QStringLiteral("muayeneucreti"), muayeneUcreti},
    };
    return s;
}

int bitir(bool tamam, const QString &metin)
{
    cikti() << "SONUC " << (tamam ? "tamam " : "hata ") << QString(metin).replace(QLatin1Char('\n'), QLatin1Char(' '))
            << Qt::endl;
    return tamam ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELMORIKA"));
    TestOrtami();

    QCommandLineParser p;
    p.addOption({QStringLiteral("konum"), QStringLiteral("veritabani"), QStringLiteral("KONUM")});
    p.addOption({QStringLiteral("senaryo"), QStringLiteral("senaryo"), QStringLiteral("AD")});
    p.addOption({QStringLiteral("adet"), QStringLiteral("adet"), QStringLiteral("N"), QStringLiteral("1")});
    p.addOption({QStringLiteral("etiket"), QStringLiteral("etiket"), QStringLiteral("METIN"),
                 QStringLiteral("ISTASYON")});
    p.process(uygulama);
    const Hazirlik hazirlik = senaryolar().value(p.value(QStringLiteral("senaryo")));
    if (!hazirlik || p.value(QStringLiteral("konum")).isEmpty())
        return bitir(false, QStringLiteral("kullanım: --konum KONUM --senaryo ")
                                + senaryolar().keys().join(QLatin1Char('|')));
    Is is;
    is.adet = p.value(QStringLiteral("adet")).toInt();
    is.etiket = p.value(QStringLiteral("etiket"));

    BetikMesaj mesaj;
    mesajlar = &mesaj;
    QString hata;
    if (!Baglanti::ac(p.value(QStringLiteral("konum")), Baglanti::Paylasilan, &hata))
        return bitir(false, hata);
    // The login context of the test fixtures: the seed company and user.
    Oturum = OturumKaydi();
    Oturum.datayeri = p.value(QStringLiteral("konum"));
    Oturum.sirketkodu = QStringLiteral("2007");
    Oturum.kullanici_kodu = QStringLiteral("1");
    Oturum.username = QStringLiteral("VELMOR");
    Oturum.kullaniciadisoyadi = QStringLiteral("VELMOR");

    auto is_ = hazirlik(is, &hata);
    if (!is_ || !mesaj.mesajlar.isEmpty())
        return bitir(false, hata + mesaj.mesajlar.join(QLatin1Char(' ')));
    cikti() << "HAZIR" << Qt::endl;
    QFile girdi;
    if (!girdi.open(stdin, QIODevice::ReadOnly) || girdi.readLine().isEmpty())
        return bitir(false, QStringLiteral("başlama satırı gelmedi"));

    QString sonuc;
    const bool tamam = is_(&sonuc, &hata);
    if (!mesaj.mesajlar.isEmpty())
        return bitir(false, hata + QLatin1Char(' ') + mesaj.mesajlar.join(QLatin1Char(' ')));
    is_ = nullptr; // the screens go before their connection
    Baglanti::kapat(Baglanti::Paylasilan);
    return bitir(tamam, tamam ? sonuc : hata);
}
