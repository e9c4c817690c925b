#pragma once
// Account statements: the rows of a caller's list, in its order, with the
// running balance from 0, the footer totals, the balance side and the row
// count. Wide (Letter landscape), narrow (Letter portrait, with the opening
// balance line) and detailed (wide, with each movement's invoice lines).
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class Rapor;

namespace Ekstre {

enum class Tur { Genis, Dar, Detayli };

// The template of each layout.
QString SablonAdi(Tur tur);

struct Girdiler
{
    QString select;             // the caller's list statement, its order kept
    QString baslik;             // empty: the layout's own title
    QString ozelKod1Basligi = QStringLiteral("Özel Kod 1");
    QString ozelKod2Basligi = QStringLiteral("Özel Kod 2");
    QStringList acilisSatiri;   // narrow only: seven texts, or empty
    QString baglanti;           // the database connection (empty: the shared one)
};

// The built statement; the data it prints lives as long as it does.
class Ekstre
{
public:
    Ekstre();
    ~Ekstre();
    // Reads the rows (the select only reads) and loads the layout. False on
    // a refused statement or a missing template (the user has been told).
    bool hazirla(Tur tur, const Girdiler &g, QWidget *ust = nullptr);
    Rapor &rapor();
    // Totals of all rows, as the last page's footer prints them.
    double borc() const;
    double alacak() const;
    int satirSayisi() const;

private:
    struct Ozel;
    std::unique_ptr<Ozel> d;
};

// The statement of one account (login company), in date order: for the
// command line. False when the PDF cannot be written (hata says why).
bool HesapPdfYaz(Tur tur, const QString &carikod, const QString &pdf, QString *hata = nullptr,
                 const QString &baglanti = QString());
// "genis", "dar", "detayli"; nullopt for anything else.
std::optional<Tur> TurOku(const QString &ad);

} // namespace Ekstre
