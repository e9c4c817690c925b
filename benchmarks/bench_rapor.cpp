// Renders a 5,000-row list (liste.frf) and a grouped report (cari_gruplu.frf)
// to PDF; prints layout and PDF times, pages per second and peak memory.
// Usage: bench_rapor [ROWS] [OUTPUT_FOLDER]  (the PDFs are kept in the folder when given)
#include "raporlar/motor/rapor.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

long tepeBellekKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &s : f.readAll().split('\n'))
        if (s.startsWith("VmHWM:"))
            return s.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

TabloKaynagi veriler(int n)
{
    const QStringList adlar = {QStringLiteral("AHMET YILMAZ"), QStringLiteral("AYŞE KAYA"), QStringLiteral("MEHMET DEMİR"),
                               QStringLiteral("FATMA ÇELİK"), QStringLiteral("MUSTAFA ŞAHİN"), QStringLiteral("ZEYNEP YILDIZ"),
                               QStringLiteral("EMRE ÖZTÜRK"), QStringLiteral("ELİF AYDIN")};
    QVector<QVariantList> satirlar;
    satirlar.reserve(n);
    const QDate bas(2008, 1, 2);
    for (int i = 0; i < n; ++i) {
        const bool alacak = i % 4 == 3;
        satirlar.append({QStringLiteral("H%1").arg(1000 + i / 25), adlar.at((i / 25) % adlar.size()),
                         bas.addDays(i / 7), QStringLiteral("M-%1").arg(i + 1),
                         alacak ? QStringLiteral("NAKIT") : QStringLiteral("MUAYENE"),
                         alacak ? QStringLiteral("Tahsilat") : QStringLiteral("Muayene ücreti, kontrol ve tetkik"),
                         alacak ? 0.0 : 150.0 + (i % 13) * 12.5, alacak ? 300.0 + (i % 5) * 20 : 0.0});
    }
    return TabloKaynagi({QStringLiteral("CARIKOD"), QStringLiteral("CARIUNVAN"), QStringLiteral("ISLEMTARIHI"),
                         QStringLiteral("EVRAKNO"), QStringLiteral("ISLEMTURU"), QStringLiteral("ACIKLAMA"),
                         QStringLiteral("BORC"), QStringLiteral("ALACAK")},
                        satirlar);
}

bool olc(const QString &sablon, const VeriKaynagi &k, const QString &pdf, QTextStream &o)
{
    Rapor r;
    r.baglan(&k);
    QString hata;
    if (!r.yukle(sablon, &hata)) {
        o << hata << Qt::endl;
        return false;
    }
    r.baslikAyarla(sablon);
    QElapsedTimer t;
    t.start();
    const RaporBelgesi b = r.olustur();
    const qint64 dizme = t.nsecsElapsed();
    t.restart();
    if (!Rapor::pdfYaz(b, pdf, &hata)) {
        o << hata << Qt::endl;
        return false;
    }
    const qint64 yazma = t.nsecsElapsed();
    const double toplamSn = (dizme + yazma) / 1e9;
    o << QStringLiteral("%1: %2 rows, %3 pages; layout %4 ms, PDF %5 ms, %6 pages/s, %7 KB PDF")
             .arg(sablon)
             .arg(k.satirSayisi())
             .arg(b.sayfaSayisi())
             .arg(dizme / 1e6, 0, 'f', 1)
             .arg(yazma / 1e6, 0, 'f', 1)
             .arg(b.sayfaSayisi() / toplamSn, 0, 'f', 1)
             .arg(QFileInfo(pdf).size() / 1024)
      << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QTextStream o(stdout);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5000;
    QTemporaryDir gecici;
    const QString klasor = argc > 2 ? QString::fromLocal8Bit(argv[2]) : gecici.path();
    QDir().mkpath(klasor);
    const TabloKaynagi k = veriler(n);
    o << QStringLiteral("VmHWM before: %1 KB").arg(tepeBellekKb()) << Qt::endl;
    if (!olc(QStringLiteral("liste.frf"), k, QDir(klasor).filePath(QStringLiteral("liste.pdf")), o))
        return 1;
    o << QStringLiteral("VmHWM after list: %1 KB").arg(tepeBellekKb()) << Qt::endl;
    if (!olc(QStringLiteral("cari_gruplu.frf"), k, QDir(klasor).filePath(QStringLiteral("cari_gruplu.pdf")), o))
        return 1;
    o << QStringLiteral("VmHWM after grouped: %1 KB").arg(tepeBellekKb()) << Qt::endl;
    return 0;
}
