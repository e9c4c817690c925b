#pragma once
// Scratch queries and statements outside data sets. Every select is read
// with a forward-only query and finished at once. Errors go to the general
// error display (the data layer's error sink, db/hata.h) unless a hata text is given, which then takes
// the client's message and nothing is shown.
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

class QSqlField;
class QSqlQuery;

namespace Sorgu {

// CHAR(n) results (literals, legacy columns, system tables) come padded with
// blanks that mean nothing: sabitUzunluk tells such a column, dolgusuz drops
// the padding.
bool sabitUzunluk(const QSqlField &alan);
QString dolgusuz(const QString &metin);

struct Sonuc
{
    QStringList kolonlar;               // upper case result column names
    QVector<QVariantList> satirlar;
    int kolonSirasi(const QString &ad) const; // case-insensitive, -1 when absent
    QVariant deger(int satir, const QString &kolon) const;
};

// Runs one statement with values bound in order to its '?' placeholders.
bool calistir(const QString &sql, const QVariantList &degerler = {}, const QString &baglanti = QString(),
              QString *hata = nullptr);
// Reads every row of a select.
std::optional<Sonuc> sec(const QString &sql, const QVariantList &degerler = {},
                         const QString &baglanti = QString(), QString *hata = nullptr);
// A statement a user typed, run for reading only (command line, report
// designer, report sources): refused unless it is a select, and run in a
// transaction that is always rolled back, so it can change nothing.
std::optional<Sonuc> oku(const QString &sql, const QString &baglanti = QString(), QString *hata = nullptr);
// True when the text starts (after blanks and comments) with SELECT or WITH.
bool okumaMetniMi(const QString &sql);
// The rest of an executed select's rows, CHAR padding dropped; the query is
// left finished.
std::optional<Sonuc> satirlariOku(QSqlQuery &q, QString *hata = nullptr);
// The optimizer's plan of a statement ("PLAN (HASTALAR INDEX (HASTA_HASTAADI))"),
// from the prepared statement; nothing is executed.
std::optional<QString> plan(const QString &sql, const QString &baglanti = QString(), QString *hata = nullptr);
// The first column of the first row; an invalid QVariant when there is no row.
std::optional<QVariant> tekDeger(const QString &sql, const QVariantList &degerler = {},
                                 const QString &baglanti = QString(), QString *hata = nullptr);
// Next value of a generator (step 1); nullopt on error.
std::optional<qint64> uretec(const QString &ad, const QString &baglanti = QString(), QString *hata = nullptr);

} // namespace Sorgu

// A change made of several statements that must not be half done. While an
// Islem is alive, data sets and Sorgu on that connection run inside it and do
// not commit; onayla() commits once. Destroyed without onayla(): rolled back.
// An Islem made while another is open on the connection joins it: its
// onayla() commits nothing, and when it ends without onayla() the outer one
// can no longer commit (its onayla() rolls everything back and says so).
class Islem
{
public:
    explicit Islem(const QString &baglanti = QString());
    ~Islem();
    Islem(const Islem &) = delete;
    Islem &operator=(const Islem &) = delete;

    bool basladi() const { return m_basladi || m_katilimci; }
    bool onayla(QString *hata = nullptr);   // commit; errors to the general display unless hata given
    void geriAl();
    static bool acikMi(const QString &baglanti = QString());

private:
    QString m_baglanti;
    bool m_basladi = false;
    bool m_katilimci = false;
    bool m_bitti = false;
};
