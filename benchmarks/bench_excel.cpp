// Spreadsheet export speed and memory: the program's exporter (model → .xlsx)
// against the same cells written with libxlsxwriter directly, both in
// constant-memory mode, 20 columns, at 25,000, 50,000 and 100,000 rows. Each
// measurement runs in a child process of its own so that its peak memory
// (VmHWM) is its own.
//
//   bench_excel            all sizes, both writers, table of results
//   bench_excel --cocuk {bizim|ham} SATIR DOSYA    one measurement (internal)
#include "raporlar/motor/tabloyazici.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

#include <xlsxwriter.h>

#include <cstdio>

namespace {

constexpr int Kolon = 20;

// The same values for both writers, derived from (row, column); texts from a
// fixed pool so that neither side pays for making them.
struct Degerler
{
    QVector<QString> metinler;
    QVector<QByteArray> utf8;
    Degerler()
    {
        for (int i = 0; i < 1000; ++i) {
            const QString s = QStringLiteral("HASTA %1 ŞÜKRÜ ÇAĞLAR İĞDE").arg(i);
            metinler << s;
            utf8 << s.toUtf8();
        }
    }
    static QDate tarih(int satir) { return QDate(2000, 1, 1).addDays(satir % 9000); }
};

const Degerler &degerler()
{
    static const Degerler d;
    return d;
}

// Column kinds by column % 5: text, double, integer, date, text-or-NULL.
class OrnekModel : public QAbstractTableModel
{
public:
    explicit OrnekModel(int satir) : m_satir(satir) {}
    int rowCount(const QModelIndex & = QModelIndex()) const override { return m_satir; }
    int columnCount(const QModelIndex & = QModelIndex()) const override { return Kolon; }
    QVariant data(const QModelIndex &i, int rol) const override
    {
        if (rol != Qt::EditRole && rol != Qt::DisplayRole)
            return QVariant();
        const int r = i.row(), c = i.column();
        switch (c % 5) {
        case 0: return degerler().metinler.at((r + c) % 1000);
        case 1: return r * 1.25 + c;
        case 2: return qint64(r) * c;
        case 3: return Degerler::tarih(r + c);
        default: return r % 2 ? QVariant() : QVariant(degerler().metinler.at((r * 7 + c) % 1000));
        }
    }
    QVariant headerData(int b, Qt::Orientation o, int rol) const override
    {
        if (o == Qt::Horizontal && rol == Qt::DisplayRole)
            return QStringLiteral("KOLON%1").arg(b + 1);
        return QVariant();
    }

private:
    int m_satir;
};

// The same cells and formats as the exporter writes: amounts "#,##0.00",
// whole numbers plain, dates "dd.mm.yyyy", bold titles.
bool hamYaz(const QString &yol, int satir)
{
    lxw_workbook_options s{};
    s.constant_memory = LXW_TRUE;
    s.use_zip64 = LXW_TRUE;
    const QByteArray dosya = QFile::encodeName(yol);
    lxw_workbook *wb = workbook_new_opt(dosya.constData(), &s);
    if (!wb)
        return false;
    lxw_worksheet *ws = workbook_add_worksheet(wb, "Sayfa1");
    lxw_format *baslikBicimi = workbook_add_format(wb);
    format_set_bold(baslikBicimi);
    lxw_format *tarih = workbook_add_format(wb);
    format_set_num_format(tarih, "dd.mm.yyyy");
    lxw_format *tutar = workbook_add_format(wb);
    format_set_num_format(tutar, "#,##0.00");
    char baslik[32];
    for (int c = 0; c < Kolon; ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), c % 5 == 1 ? 14.0 : 10.0, nullptr);
    for (int c = 0; c < Kolon; ++c) {
        std::snprintf(baslik, sizeof baslik, "KOLON%d", c + 1);
        worksheet_write_string(ws, 0, lxw_col_t(c), baslik, baslikBicimi);
    }
    const Degerler &d = degerler();
    for (int r = 0; r < satir; ++r) {
        for (int c = 0; c < Kolon; ++c) {
            const lxw_row_t sr = lxw_row_t(r + 1);
            switch (c % 5) {
            case 0:
                worksheet_write_string(ws, sr, lxw_col_t(c), d.utf8.at((r + c) % 1000).constData(), nullptr);
                break;
            case 1:
                worksheet_write_number(ws, sr, lxw_col_t(c), r * 1.25 + c, tutar);
                break;
            case 2:
                worksheet_write_number(ws, sr, lxw_col_t(c), double(qint64(r) * c), nullptr);
                break;
            case 3: {
                const QDate t = Degerler::tarih(r + c);
                lxw_datetime dt{t.year(), t.month(), t.day(), 0, 0, 0};
                worksheet_write_datetime(ws, sr, lxw_col_t(c), &dt, tarih);
                break;
            }
            default:
                if (r % 2 == 0)
                    worksheet_write_string(ws, sr, lxw_col_t(c), d.utf8.at((r * 7 + c) % 1000).constData(), nullptr);
                break;
            }
        }
    }
    return workbook_close(wb) == LXW_NO_ERROR;
}

long vmHwmKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &s : f.readAll().split('\n'))
        if (s.startsWith("VmHWM:"))
            return s.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int cocuk(const QString &tur, int satir, const QString &yol)
{
    degerler();   // the pool is made before the clock starts, for both
    OrnekModel model(satir);
    QElapsedTimer t;
    t.start();
    bool tamam;
    if (tur == QLatin1String("bizim")) {
        QString hata;
        tamam = TabloYazici::yaz(yol, model, {}, &hata) == TabloYazici::Sonuc::Tamam;
        if (!tamam)
            std::fprintf(stderr, "%s\n", qPrintable(hata));
    } else {
        tamam = hamYaz(yol, satir);
    }
    const qint64 ms = t.elapsed();
    std::printf("%lld %ld %lld\n", static_cast<long long>(ms), vmHwmKb(),
                static_cast<long long>(QFile(yol).size()));
    return tamam ? 0 : 1;
}

struct Olcum { qint64 ms = -1; long kb = -1; qint64 bayt = -1; };

Olcum olc(const QString &tur, int satir, const QString &yol)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--cocuk"), tur, QString::number(satir), yol});
    p.waitForFinished(-1);
    Olcum o;
    const QList<QByteArray> s = p.readAllStandardOutput().trimmed().split(' ');
    if (p.exitCode() == 0 && s.size() == 3) {
        o.ms = s.at(0).toLongLong();
        o.kb = s.at(1).toLong();
        o.bayt = s.at(2).toLongLong();
    } else {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(tur), p.readAllStandardError().constData());
    }
    QFile::remove(yol);
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QStringList a = uygulama.arguments();
    if (a.size() == 5 && a.at(1) == QLatin1String("--cocuk"))
        return cocuk(a.at(2), a.at(3).toInt(), a.at(4));

    QTemporaryDir klasor;
    std::printf("Excel export, %d columns (text, double, integer, date, text/NULL), constant-memory mode\n", Kolon);
    std::printf("%8s | %10s %10s %6s | %12s %12s | %10s\n", "rows", "ours ms", "raw ms", "ratio", "ours VmHWM", "raw VmHWM",
                "file KB");
    const int boyutlar[] = {25000, 50000, 100000};
    for (int n : boyutlar) {
        // Raw first, then ours, then raw again: the better raw time is the reference.
        const Olcum h1 = olc(QStringLiteral("ham"), n, klasor.filePath(QStringLiteral("ham.xlsx")));
        const Olcum b = olc(QStringLiteral("bizim"), n, klasor.filePath(QStringLiteral("bizim.xlsx")));
        const Olcum h2 = olc(QStringLiteral("ham"), n, klasor.filePath(QStringLiteral("ham.xlsx")));
        const qint64 ham = qMin(h1.ms, h2.ms);
        std::printf("%8d | %10lld %10lld %6.2f | %9ld KB %9ld KB | %10lld\n", n, static_cast<long long>(b.ms),
                    static_cast<long long>(ham), ham > 0 ? double(b.ms) / double(ham) : 0.0, b.kb, qMax(h1.kb, h2.kb),
                    static_cast<long long>(b.bayt / 1024));
    }
    return 0;
}
