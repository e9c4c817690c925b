#pragma once
// A table model over a VeriSeti for the grids. The visible columns are a
// list of {column, title, width, format}; DisplayRole gives the formatted
// text (amounts "#,###.00" in Turkish, dates "DD.MM.YYYY", times "hh:nn"),
// EditRole the raw value (qint64, double, QDateTime, QString; invalid for
// NULL). The spreadsheet export reads EditRole values and the horizontal
// DisplayRole titles.
//
// The model follows the data set: reset when it is (re)opened or closed,
// rows inserted and removed as the data set appends and deletes, inserted
// as they become known (the data set reads in windows: its count arrives
// after the first window, and until then the view fetches more at its
// bottom), dataChanged when a field of the current row or a whole row
// changes. A cell of a row not in the data set's buffer reads its window.
//
// Editable columns (optional) write through VeriSeti::degerAyarla at once;
// the row is posted when the current row changes or the editor calls
// VeriSeti::kaydet (the data set refuses to move while a row is pending, so
// the grid stays on it until it is posted or cancelled).
#include "db/bicim.h"
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QTableView;
class VeriSeti;

// How a column's value is shown.
enum class GosterimBicimi {
    Otomatik,  // by the column's type: amounts "#,###.00", dates "DD.MM.YYYY", the rest as is
    Metin,     // as is (toString)
    Tutar,     // "#,###.00"
    Tarih,     // "DD.MM.YYYY"
    Saat,      // "hh:nn" (a date-time column that carries a time of day)
    TarihSaat, // "DD.MM.YYYY hh:nn"
    Desen      // the column's own number pattern (TabloKolonu::desen), e.g. "#,##"
};

struct TabloKolonu
{
    QString kolon;              // column name in the data set (case-insensitive)
    QString baslik;             // header title; empty: the column name
    int genislik = 0;           // least pixels in the view; 0: as wide as heading and values
    GosterimBicimi bicim = GosterimBicimi::Otomatik;
    bool duzenlenebilir = false;
    QString desen;              // number pattern for GosterimBicimi::Desen
    Qt::Alignment hizalama = {}; // empty: numbers right, the rest left
};

// A grid column by its name and heading (null: the name), the way the
// screens list theirs.
TabloKolonu IzgaraKolonu(const char *ad, const char *baslik = nullptr,
                         GosterimBicimi bicim = GosterimBicimi::Otomatik, bool duzenlenebilir = false);
// Several, from (name, heading) pairs; duzenlenebilir: all editable in place.
QList<TabloKolonu> IzgaraKolonlari(std::initializer_list<std::pair<const char *, const char *>> kolonlar,
                                   bool duzenlenebilir = false);


// Widens every visible column of a grid to its heading and to the texts its
// model shows in the given rows (a long text is cut at forty letters), never
// below enAz(column). bastan: a new list, the widths found afresh; otherwise
// a column only grows. A column the user has sized keeps his width.
void KolonlariGenislet(QTableView *g, const std::vector<int> &satirlar, bool bastan,
                       const std::function<int(int)> &enAz = {});
// The same over the first hundred rows of a model that holds its rows.
void KolonlariGenislet(QTableView *g, bool bastan);

class TabloModeli : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TabloModeli(VeriSeti *veriSeti, QObject *ust = nullptr);
    ~TabloModeli() override;

    VeriSeti *veriSeti() const;

    // Visible columns in order. Until set (or after setting an empty list)
    // every column of the select is shown with its name as title.
    void kolonlariAyarla(const QList<TabloKolonu> &kolonlar);
    QList<TabloKolonu> kolonlar() const;
    // Index of a visible column by data-set column name; -1 when not shown.
    int gorunenKolon(const QString &kolon) const;
    // Data-set column name of a visible column.
    QString kolonAdi(int gorunenKolon) const;

    // The text a cell shows (same as DisplayRole).
    QString hucreMetni(int satir, int gorunenKolon) const;

    int rowCount(const QModelIndex &ust = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &ust) const override;
    void fetchMore(const QModelIndex &ust) override;
    int columnCount(const QModelIndex &ust = QModelIndex()) const override;
    QVariant data(const QModelIndex &indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indeks) const override;
    bool setData(const QModelIndex &indeks, const QVariant &deger, int rol = Qt::EditRole) override;

    // Ties a view to this model: sets the model, the column widths, row
    // selection, and keeps the view's current row and the data set's current
    // row in step both ways (clicking a row moves the data set; moving the
    // data set moves the view's current index and scrolls to it).
    // Every visible column is as wide as its heading and the values it
    // shows (a designed width is the least it gets) and grows as wider
    // values come; a column the user has sized keeps his width.
    void gorunumeBagla(QTableView *gorunum);

private:
    void kolonlariGenislet(QTableView *g, int ilk, int son, bool bastan) const;

    struct Ozel;
    Ozel *d;
};
