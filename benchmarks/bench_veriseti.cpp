// The data set reading in windows, on 100,000 and 1,000,000 patients:
// opening a list (data set + grid model, until the first row can be read;
// and with the view, until the first screenful is painted) against a raw
// query fetching one screenful, the count arriving, scrolling to the middle,
// a screenful down, to the last row, walking every row against one query
// reading them all, opening on the last row and in name order, and the peak memory of the lists
// (the filling left out). Each size runs in a process of its own (the peak
// is per process); times are ratios against the raw work on the same
// database in the same run.
//   bench_veriseti                 100,000 and 1,000,000
//   bench_veriseti 100000 250000   the sizes given
//   bench_veriseti --tek N         one size (what the driver runs)
#include "db/baglanti.h"
#include "db/pencere.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "destek/testvt.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

#include <algorithm>
#include <cstdio>

namespace {

const int TEKRAR = 5;
const int EKRAN = 40; // rows a list shows at once
const QString SQL = QStringLiteral("select * from HASTALAR where 1=1  and sirketkodu ='2007'  order by HASTALAR.KAYITNO ");
const QString AD_SQL =
    QStringLiteral("select * from HASTALAR where 1=1  and sirketkodu ='2007'  order by HASTALAR.HASTAADISOYADI ");

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

qint64 kb(const char *ad) { return durumSatiri(ad).section(QLatin1Char(' '), 0, 0).toLongLong(); }

// Starts VmHWM afresh (Linux: 5 to clear_refs resets the peak).
void tepeyiSifirla()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

bool doldur(int adet, QString *hata)
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
    for (int i = 1; i <= adet; ++i) {
        const QString ad =
            QString::fromUtf8(isimler[i % 12]) + QLatin1Char(' ') + QString::fromUtf8(soyadlar[(i / 12) % 12]);
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
                v = QStringLiteral("%1 MAH. %2 SOK. NO:%3 %4")
                        .arg(QString::fromUtf8(soyadlar[i % 12]))
                        .arg(i % 90)
                        .arg(i % 200)
                        .arg(il);
            else if (n == QLatin1String("CEPTEL"))
                v = QStringLiteral("0532%1").arg(i, 7, 10, QLatin1Char('0'));
            else if (n == QLatin1String("GECIRDIGIHASTALIKLAR") && i % 5 == 0)
                v = QStringLiteral("GRİP, ZATÜRRE, ŞEKER HASTALIĞI TAKİBİ");
            else if (n == QLatin1String("ACIKLAMALAR") && i % 3 == 0)
                v = QStringLiteral("KONTROLE ÇAĞRILACAK; İLAÇ DÜZENİ GÖZDEN GEÇİRİLECEK.");
            else if (k.tur == KolonTuru::Tarih)
                v = (i % 4 == 0) ? QVariant(QMetaType::fromType<QDateTime>())
                                 : QVariant(taban.addSecs(qint64(i) * 600));
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
    return Sorgu::calistir(QStringLiteral("set generator OTOKOD_HASTALAR to %1").arg(adet));
}

double ms(const QElapsedTimer &z) { return z.nsecsElapsed() / 1e6; }

double ortanca(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One screenful the way a program without a data set would read it.
double hamEkran(const QString &sql)
{
    QElapsedTimer z;
    z.start();
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select first %1 ").arg(EKRAN) + sql.mid(7))) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return -1;
    }
    const int n = q.record().count();
    int dolu = 0;
    while (q.next())
        for (int i = 0; i < n; ++i)
            dolu += q.value(i).isNull() ? 0 : 1;
    q.finish();
    return dolu > 0 ? ms(z) : -1;
}

// Every row of the list in one query, nothing kept.
double hamHepsi()
{
    QElapsedTimer z;
    z.start();
    QSqlQuery q(Baglanti::vt());
    q.setForwardOnly(true);
    if (!q.exec(SQL))
        return -1;
    qint64 dolu = 0;
    while (q.next())
        dolu += q.value(2).isNull() ? 0 : 1;
    q.finish();
    return dolu > 0 ? ms(z) : -1;
}

struct Liste
{
    VeriSeti vs{QStringLiteral("HASTALAR")};
    TabloModeli model{&vs};
    explicit Liste(QTableView &g, const QString &sql)
    {
        vs.selectMetniAyarla(sql);
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
        model.gorunumeBagla(&g);
    }
};

// Data set + model (+ view) until the first row can be read, or (boya)
// until the first screenful is painted; sonda: on the last row, as the
// record screens open.
double ac(QTableView &g, const QString &sql, bool sonda, bool boya = true)
{
    QElapsedTimer z;
    z.start();
    Liste l(g, sql);
    if (!l.vs.ac())
        return -1;
    if (sonda)
        l.vs.son();
    const int satir = l.vs.gecerliSatir();
    if (l.model.data(l.model.index(satir, 0)).toString().isEmpty())
        return -1;
    if (boya)
        g.viewport()->grab();
    const double t = ms(z);
    g.setModel(nullptr);
    return t;
}

// The last rows after the count arrived: the view scrolled to its bottom.
double enAlta(QTableView &g, const QString &sql)
{
    Liste l(g, sql);
    QSignalSpy sayi(&l.vs, &VeriSeti::sayiDegisti);
    l.vs.ac();
    sayi.wait(600000);
    QElapsedTimer z;
    z.start();
    g.scrollToBottom();
    g.viewport()->grab();
    const double t = ms(z);
    g.setModel(nullptr);
    return t;
}

void sonuc(const char *ad, double deger) { std::printf("SONUC %s=%.3f\n", ad, deger); }

int tek(int adet)
{
    TestVeritabani vt;
    if (!vt.hazir()) {
        std::fprintf(stderr, "veritabanı: %s\n", qPrintable(vt.hata()));
        return 1;
    }
    QElapsedTimer z;
    z.start();
    QString hata;
    if (!doldur(adet, &hata)) {
        std::fprintf(stderr, "doldurma: %s\n", qPrintable(hata));
        return 1;
    }
    std::fprintf(stderr, "%d hasta yazıldı (%.0f s)\n", adet, ms(z) / 1000);
    // The peak from here on: what the lists take, not the filling.
    tepeyiSifirla();
    const qint64 bellekBasi = kb("VmRSS");

    QTableView g;
    g.resize(1280, 800);
    g.show();

    // Warm the page cache and the statements once, then alternate.
    hamEkran(SQL);
    ac(g, SQL, false);
    std::vector<double> ham, acilis, boyali;
    for (int i = 0; i < TEKRAR; ++i) {
        ham.push_back(hamEkran(SQL));
        acilis.push_back(ac(g, SQL, false, false));
        boyali.push_back(ac(g, SQL, false));
    }
    sonuc("ham_ekran_ms", ortanca(ham));
    sonuc("acilis_ms", ortanca(acilis));
    sonuc("acilis_boyali_ms", ortanca(boyali));

    {
        Liste l(g, SQL);
        QSignalSpy sayi(&l.vs, &VeriSeti::sayiDegisti);
        z.restart();
        l.vs.ac();
        g.viewport()->grab();
        sayi.wait(600000);
        sonuc("sayim_gelene_dek_ms", ms(z));
        if (l.model.rowCount() != adet)
            std::fprintf(stderr, "satır sayısı tutmuyor: %d\n", l.model.rowCount());

        // Dragging the scroll bar to the middle, then down a screenful at a
        // time: windows by key.
        z.restart();
        g.verticalScrollBar()->setValue(g.verticalScrollBar()->maximum() / 2);
        g.viewport()->grab();
        sonuc("ortaya_ms", ms(z));
        std::vector<double> sayfa;
        for (int i = 0; i < 30; ++i) {
            z.restart();
            g.verticalScrollBar()->setValue(g.verticalScrollBar()->value() + EKRAN);
            g.viewport()->grab();
            sayfa.push_back(ms(z));
        }
        sonuc("sayfa_asagi_ortanca_ms", ortanca(sayfa));
        sonuc("sayfa_asagi_en_kotu_ms", *std::max_element(sayfa.begin(), sayfa.end()));
        // To the last row.
        z.restart();
        g.scrollToBottom();
        g.viewport()->grab();
        sonuc("en_alta_ms", ms(z));

        // Every row, as an export reads them, against one query reading
        // every row and keeping none.
        z.restart();
        const int n = l.vs.kesinKayitSayisi();
        const int kolon = l.vs.kolonSirasi(QStringLiteral("HASTAADISOYADI"));
        qint64 dolu = 0;
        for (int i = 0; i < n; ++i)
            dolu += l.vs.bosMu(i, kolon) ? 0 : 1;
        sonuc("tum_satirlar_ms", ms(z));
        sonuc("tum_satirlar_dolu", double(dolu));
        sonuc("tampondaki_satir", l.vs.tampondakiSatir());
        g.setModel(nullptr);
    }
    sonuc("ham_tum_satirlar_ms", hamHepsi());
    sonuc("bellek_artisi_kb", double(kb("VmRSS") - bellekBasi));
    sonuc("vmhwm_liste_kb", double(kb("VmHWM")));

    // The other orders a list opens in: the end of the key order and the
    // name with the key as tie-breaker (both walked along the schema's indexes).
    tepeyiSifirla();
    std::vector<double> sonda, adla, hamAd;
    for (int i = 0; i < TEKRAR; ++i) {
        sonda.push_back(ac(g, SQL, true));
        hamAd.push_back(hamEkran(AD_SQL));
        adla.push_back(ac(g, AD_SQL, false, false));
    }
    sonuc("acilis_son_satir_ms", ortanca(sonda));
    sonuc("ham_ekran_ad_sirasi_ms", ortanca(hamAd));
    sonuc("acilis_ad_sirasi_ms", ortanca(adla));
    sonuc("vmhwm_siralama_kb", double(kb("VmHWM")));

    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arg = app.arguments().mid(1);
    if (arg.size() == 2 && arg.first() == QLatin1String("--tek"))
        return tek(arg.at(1).toInt());

    QList<int> boylar;
    for (const QString &a : arg)
        boylar << a.toInt();
    if (boylar.isEmpty())
        boylar = {100000, 1000000};
    QList<QMap<QString, double>> sonuclar;
    for (int b : boylar) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(app.applicationFilePath(), {QStringLiteral("--tek"), QString::number(b)});
        p.waitForFinished(-1);
        QMap<QString, double> m;
        for (const QByteArray &s : p.readAllStandardOutput().split('\n'))
            if (s.startsWith("SONUC "))
                m.insert(QString::fromLatin1(s.mid(6).split('=').first()), s.split('=').last().toDouble());
        if (p.exitCode() != 0 || m.isEmpty()) {
            std::fprintf(stderr, "%d satırlık ölçüm başarısız\n", b);
            return 1;
        }
        sonuclar << m;
    }
    std::printf("%-40s", "satır");
    for (int b : boylar)
        std::printf("%14d", b);
    std::printf("\n");
    for (auto it = sonuclar.first().constBegin(); it != sonuclar.first().constEnd(); ++it) {
        std::printf("%-40s", qPrintable(it.key()));
        for (const auto &m : sonuclar)
            std::printf("%14.1f", m.value(it.key()));
        std::printf("\n");
    }
    for (int i = 0; i < boylar.size(); ++i) {
        const auto &m = sonuclar.at(i);
        const double ham = m.value(QStringLiteral("ham_ekran_ms"));
        std::printf("%d satır: açılış / ham ekran = %.2fx (hedef <= 3x ve <= 200 ms), boyanarak %.2fx, "
                    "ad sırasıyla %.2fx\n",
                    boylar.at(i), m.value(QStringLiteral("acilis_ms")) / ham,
                    m.value(QStringLiteral("acilis_boyali_ms")) / ham,
                    m.value(QStringLiteral("acilis_ad_sirasi_ms")) / m.value(QStringLiteral("ham_ekran_ad_sirasi_ms")));
    }
    if (boylar.size() > 1)
        std::printf("listelerin tepe belleği %d / %d satır: %.2fx\n", boylar.last(), boylar.first(),
                    sonuclar.last().value(QStringLiteral("vmhwm_liste_kb"))
                        / sonuclar.first().value(QStringLiteral("vmhwm_liste_kb")));
    return 0;
}
