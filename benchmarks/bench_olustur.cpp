// Making a new database (schema, indexes, seed rows) against making an empty
// one with the client library alone, and column lookups through the schema
// description against a bare hash lookup, in the same run.
#include "db/baglanti.h"
#include "db/olustur.h"
#include "db/sema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ibase.h>

namespace {

const int TEKRAR = 5;

// The least the client library can do: an empty database, forced writes off.
qint64 bosVeritabani(const QString &yol)
{
    QElapsedTimer t;
    t.start();
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    auto metin = [&dpb](char k, const QByteArray &d) {
        dpb.append(k);
        dpb.append(char(d.size()));
        dpb.append(d);
    };
    auto sayi = [&dpb](char k, int d) {
        dpb.append(k);
        dpb.append(char(4));
        for (int i = 0; i < 4; ++i)
            dpb.append(char((d >> (8 * i)) & 0xff));
    };
    metin(char(isc_dpb_user_name), Baglanti::kullanici().toUtf8());
    metin(char(isc_dpb_password), Baglanti::sifre().toUtf8());
    sayi(char(isc_dpb_sql_dialect), 1);
    sayi(char(isc_dpb_page_size), 8192);
    sayi(char(isc_dpb_force_write), 0);
    metin(char(isc_dpb_set_db_charset), QByteArrayLiteral("WIN1254"));
    ISC_STATUS_ARRAY d;
    isc_db_handle vt = 0;
    const QByteArray ad = QFile::encodeName(yol);
    if (isc_create_database(d, short(ad.size()), ad.constData(), &vt, short(dpb.size()), dpb.constData(), 0))
        return -1;
    isc_detach_database(d, &vt);
    return t.elapsed();
}

qint64 ortanca(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication uygulama(argc, argv);
    QTemporaryDir klasor;
    std::vector<qint64> tam, bos;
    for (int i = 0; i < TEKRAR; ++i) {
        QElapsedTimer t;
        t.start();
        QString hata;
        if (!Olustur::veritabaniOlustur(klasor.filePath(QStringLiteral("tam%1.fdb").arg(i)), &hata)) {
            std::fprintf(stderr, "%s\n", qPrintable(hata));
            return 1;
        }
        tam.push_back(t.elapsed());
        const qint64 b = bosVeritabani(klasor.filePath(QStringLiteral("bos%1.fdb").arg(i)));
        if (b < 0)
            return 1;
        bos.push_back(b);
    }
    std::printf("veritabani olusturma (ortanca %d): %lld ms; bos veritabani: %lld ms; oran %.1f\n", TEKRAR,
                static_cast<long long>(ortanca(tam)), static_cast<long long>(ortanca(bos)),
                double(ortanca(tam)) / double(std::max<qint64>(1, ortanca(bos))));

    // Every column name of every table, looked up as a data set would.
    QStringList adlar;
    QHash<QString, int> cig;
    for (const Tablo &t : Tablolar())
        for (const Kolon &k : t.kolonlar) {
            adlar << t.ad + QLatin1Char('.') + k.ad;
            cig.insert(t.ad + QLatin1Char('.') + k.ad, cig.size());
        }
    const int TUR = 2000;
    QElapsedTimer t;
    t.start();
    qint64 toplam = 0;
    for (int r = 0; r < TUR; ++r)
        for (const Tablo &tb : Tablolar())
            for (const Kolon &k : tb.kolonlar)
                toplam += TabloBul(tb.ad)->kolonSirasi(k.ad);
    const qint64 semaNs = t.nsecsElapsed();
    t.restart();
    for (int r = 0; r < TUR; ++r)
        for (const QString &a : adlar)
            toplam += cig.value(a);
    const qint64 cigNs = t.nsecsElapsed();
    const double n = double(TUR) * adlar.size();
    std::printf("TabloBul+kolonSirasi: %.1f ns; tek QHash: %.1f ns; oran %.1f (%lld)\n", semaNs / n, cigNs / n,
                double(semaNs) / double(std::max<qint64>(1, cigNs)), static_cast<long long>(toplam % 7));
    return 0;
}
