// Opening 100,000 patients through the data set and the grid model, against
// a plain forward-only query reading every column of the same select on the
// same database in the same run.
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/testvt.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

#include <algorithm>
#include <ctime>
#include <cstdio>

namespace {

const int HASTA_SAYISI = 100000;
const int TEKRAR = 5;

// CPU time of the process: the machine is shared, so wall time alone says little.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double sonCpu = 0;

QString durumSatiri(const char *ad)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray anahtar = QByteArray(ad) + ':';
    for (const QByteArray &satir : f.readAll().split('\n'))
        if (satir.startsWith(anahtar))
            return QString::fromLatin1(satir.mid(anahtar.size()).trimmed());
    return QString();
}

bool doldur(QString *hata)
{
    QSqlDatabase db = Baglanti::vt();
    const Tablo *t = TabloBul(QStringLiteral("HASTALAR"));
    QStringList adlar, yerler;
    for (const Kolon &k : t->kolonlar) {
        adlar << k.ad;
        yerler << QStringLiteral("?");
    }
    static const char *isimler[] = {"AHMET", "MEHMET", "AYŞE", "FATMA", "İSMAİL", "ÖZGÜR", "ŞÜKRÜ", "ÇAĞRI",
                                    "GÜLŞEN", "IŞIL", "ZEYNEP", "MUSTAFA"};
    static const char *soyadlar[] = {"YILMAZ", "KAYA", "DEMİR", "ŞAHİN", "ÇELİK", "YILDIZ", "ÖZTÜRK", "AYDIN",
                                     "ÖZDEMİR", "ARSLAN", "DOĞAN", "KILIÇ"};
    static const char *iller[] = {"İSTANBUL", "ANKARA", "İZMİR", "BURSA", "ANTALYA", "KONYA", "ŞANLIURFA"};
    if (!db.transaction()) {
        *hata = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("insert into hastalar (%1) values (%2)")
                       .arg(adlar.join(QLatin1Char(',')), yerler.join(QLatin1Char(','))))) {
        *hata = q.lastError().text();
        return false;
    }
    const QDateTime taban(QDate(2007, 1, 1), QTime(9, 0));
    for (int i = 1; i <= HASTA_SAYISI; ++i) {
        const QString ad = QString::fromUtf8(isimler[i % 12]) + QLatin1Char(' ') + QString::fromUtf8(soyadlar[(i / 12) % 12]);
        const QString il = QString::fromUtf8(iller[i % 7]);
        for (const Kolon &k : t->kolonlar) {
            QVariant v;
            const QString &n = k.ad;
            if (n == QLatin1String("KAYITNO"))
                v = i;
            else if (n == QLatin1String("HASTAKODU"))
                v = QStringLiteral("H%1").arg(i, 7, 10, QLatin1Char('0'));
            else if (n == QLatin1String("HASTAADISOYADI"))
                v = ad;
            else if (n == QLatin1String("SIRKETKODU"))
                v = QStringLiteral("2007");
            else if (n == QLatin1String("TCKIMLIKNO"))
                v = QString::number(10000000000LL + i * 7919LL);
            else if (n == QLatin1String("IL"))
                v = il;
            else if (n == QLatin1String("ADRES"))
                v = QStringLiteral("%1 MAH. %2 SOK. NO:%3 %4").arg(QString::fromUtf8(soyadlar[i % 12])).arg(i % 90).arg(i % 200).arg(il);
            else if (n == QLatin1String("CEPTEL"))
                v = QStringLiteral("0532%1").arg(i, 7, 10, QLatin1Char('0'));
            else if (n == QLatin1String("GECIRDIGIHASTALIKLAR") && i % 5 == 0)
                v = QStringLiteral("GRİP, ZATÜRRE, ŞEKER HASTALIĞI TAKİBİ");
            else if (n == QLatin1String("ACIKLAMALAR") && i % 3 == 0)
                v = QStringLiteral("KONTROLE ÇAĞRILACAK; İLAÇ DÜZENİ GÖZDEN GEÇİRİLECEK.");
            else if (k.tur == KolonTuru::Tarih)
                v = (i % 4 == 0) ? QVariant(QMetaType::fromType<QDateTime>()) : QVariant(taban.addSecs(qint64(i) * 600));
            else if (k.tur == KolonTuru::Ondalik)
                v = double(i % 5);
            else if (k.tur == KolonTuru::Tamsayi)
                v = i % 100;
            else if (k.tur == KolonTuru::Metin && k.uzunluk <= 10)
                v = (i % 2) ? QStringLiteral("E") : QStringLiteral("H");
            else if (k.tur == KolonTuru::Metin && i % 2 == 0)
                v = QStringLiteral("%1 %2").arg(n.left(8)).arg(i % 37);
            else
                v = QVariant(QMetaType::fromType<QString>());
            q.addBindValue(v);
        }
        if (!q.exec()) {
            *hata = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    q.finish();
    if (!db.commit()) {
        *hata = db.lastError().text();
        return false;
    }
    return true;
}

const QString SQL = QStringLiteral("select * from HASTALAR where 1=1  and sirketkodu ='2007'  order by HASTALAR.KAYITNO ");

double hamOku(qint64 *hucre)
{
    const double c0 = cpuMs();
    QElapsedTimer z;
    z.start();
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    if (!q.exec(SQL)) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return -1;
    }
    const int n = q.record().count();
    qint64 dolu = 0;
    int satir = 0;
    while (q.next()) {
        for (int i = 0; i < n; ++i)
            if (!q.value(i).isNull())
                ++dolu;
        ++satir;
    }
    q.finish();
    *hucre = dolu;
    sonCpu = cpuMs() - c0;
    if (satir != HASTA_SAYISI)
        std::fprintf(stderr, "ham okuma %d satır\n", satir);
    return z.nsecsElapsed() / 1e6;
}

qint64 rssKb()
{
    return durumSatiri("VmRSS").section(QLatin1Char(' '), 0, 0).toLongLong();
}

qint64 sonBellekFarki = 0;

double veriSetiyleAc(QTableView &gorunum, qint64 *satirSayisi)
{
    const qint64 rssOnce = rssKb();
    const double c0 = cpuMs();
    QElapsedTimer z;
    z.start();
    VeriSeti vs(QStringLiteral("HASTALAR"));
    vs.selectMetniAyarla(SQL);
    TabloModeli model(&vs);
    model.kolonlariAyarla({{QStringLiteral("HASTAKODU"), QStringLiteral("Hasta Kodu")},
                           {QStringLiteral("HASTAADISOYADI"), QStringLiteral("Adı Soyadı")},
                           {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC Kimlik No")},
                           {QStringLiteral("DOGUMTARIHI"), QStringLiteral("Doğum Tarihi")},
                           {QStringLiteral("COCUKSAYISI"), QStringLiteral("Çocuk")},
                           {QStringLiteral("CEPTEL"), QStringLiteral("Cep Tel")},
                           {QStringLiteral("IL"), QStringLiteral("İl")},
                           {QStringLiteral("ADRES"), QStringLiteral("Adres")},
                           {QStringLiteral("KAYITTARIHI"), QStringLiteral("Kayıt Tarihi")},
                           {QStringLiteral("KAYITNO"), QStringLiteral("Kayıt No")}});
    model.gorunumeBagla(&gorunum);
    if (!vs.ac())
        return -1;
    vs.son();                        // the record screens start on the newest row
    gorunum.viewport()->grab();      // paints the first screenful: data() for every visible cell
    *satirSayisi = vs.kayitSayisi();
    const double ms = z.nsecsElapsed() / 1e6;
    sonCpu = cpuMs() - c0;
    sonBellekFarki = rssKb() - rssOnce;
    gorunum.setModel(nullptr);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TestVeritabani vt;
    if (!vt.hazir()) {
        std::fprintf(stderr, "veritabanı: %s\n", qPrintable(vt.hata()));
        return 1;
    }
    QElapsedTimer z;
    z.start();
    QString hata;
    if (!doldur(&hata)) {
        std::fprintf(stderr, "doldurma: %s\n", qPrintable(hata));
        return 1;
    }
    std::printf("doldurma: %d hasta, %.0f ms\n", HASTA_SAYISI, z.nsecsElapsed() / 1e6);

    QTableView gorunum;
    gorunum.resize(1280, 800);
    gorunum.show();

    std::vector<double> ham, vs, hamCpu, vsCpu;
    qint64 hucre = 0, satir = 0;
    hamOku(&hucre);   // warms the page cache for both
    for (int i = 0; i < TEKRAR; ++i) {
        ham.push_back(hamOku(&hucre));
        hamCpu.push_back(sonCpu);
        vs.push_back(veriSetiyleAc(gorunum, &satir));
        vsCpu.push_back(sonCpu);
        std::printf("tur %d: ham %.0f ms (CPU %.0f ms), VeriSeti+TabloModeli %.0f ms (CPU %.0f ms)\n", i + 1,
                    ham.back(), hamCpu.back(), vs.back(), vsCpu.back());
    }
    auto ortanca = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double h = ortanca(ham), v = ortanca(vs), hc = ortanca(hamCpu), vc = ortanca(vsCpu);
    std::printf("satır: %lld, dolu hücre: %lld\n", satir, hucre);
    std::printf("ham QSqlQuery (ortanca): %.0f ms, CPU %.0f ms\n", h, hc);
    std::printf("VeriSeti + TabloModeli (ortanca): %.0f ms, CPU %.0f ms\n", v, vc);
    std::printf("oran: duvar saati %.2fx, CPU %.2fx (hedef <= 1.5x)\n", v / h, vc / hc);
    std::printf("açık veri setinin bellekteki payı (VmRSS farkı): %lld kB\n", sonBellekFarki);
    std::printf("VmHWM (tepe bellek): %s\n", qPrintable(durumSatiri("VmHWM")));
    return 0;
}
