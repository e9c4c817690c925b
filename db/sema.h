#pragma once
// The one description of every table: name, columns in order with type and
// width, key column and generator. Creating the schema, the data sets'
// insert/update/delete/refresh statements, cutting texts to width and the
// tests are all derived from it.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// Tarih is the dialect-1 DATE: date and time of day (TIMESTAMP in DDL).
// UzunMetin is a text blob (BLOB SUB_TYPE 1), no width.
enum class KolonTuru { Tamsayi, Ondalik, Metin, Tarih, UzunMetin };

struct Kolon
{
    QString ad;        // upper case, as in the database
    KolonTuru tur;
    int uzunluk = 0;   // characters, for Metin
    bool bosOlamaz = false;
    // A double column that holds whole numbers only (codes, document keys,
    // sequence numbers): lists show "12", not the amount form "12,00".
    bool tamSayiDegerli = false;
    // Text sorted in Turkish alphabetical order (C < Ç, I < İ, S < Ş ...):
    // the names, titles, places and descriptions lists and reports order by.
    // Only the order changes; equality, LIKE and STARTING WITH stay exact.
    bool turkceSirali = false;
};

struct Indeks
{
    QString ad;
    QStringList kolonlar;
    bool tekil = false;
    bool azalan = false; // DESCENDING: serves an order walked from its end
    // On the one column with its I-letters folded (SqlIKatla), for searches
    // that take I, İ, ı and i for one letter.
    bool katli = false;
};

struct Tablo
{
    QString ad;                 // upper case table name
    std::vector<Kolon> kolonlar;
    QString anahtar;            // KAYITNO (KAYIT_NO for ELEMANLAR, PARAMETRELER)
    QString uretec;             // generator of the key, empty when none
    bool sirketli = false;      // carries SIRKETKODU
    std::vector<Indeks> indeksler;

    const Kolon *kolon(const QString &ad) const;  // case-insensitive; null when absent
    int kolonSirasi(const QString &ad) const;     // -1 when absent
    // True when a folded index (Indeks::katli) is on the column; case-insensitive.
    bool katliIndeksli(const QString &kolon) const;

    // Column positions by upper-case name; filled by siraHazirla().
    QHash<QString, int> sira;
    void siraHazirla();
};

// The statement that makes the index: "CREATE [UNIQUE ]INDEX name ON table (columns)",
// or "... COMPUTED BY (expression)" for a folded one.
QString IndeksKomutu(const QString &tablo, const Indeks &indeks);

// Every table carries a trigger that posts an event named after the table
// when a row is inserted, changed or deleted, so that the lists of other
// workstations learn of it. The trigger's name and its statement:
QString OlayTetikleyiciAdi(const Tablo &t);
QString OlayTetikleyicisi(const Tablo &t);

// The column's type as written in DDL: INTEGER, DOUBLE PRECISION,
// VARCHAR(n), TIMESTAMP, BLOB SUB_TYPE 1; a column in Turkish order
// "VARCHAR(n) CHARACTER SET WIN1254 COLLATE PXW_TURK".
QString KolonSqlTuru(const Kolon &k);

// Firebird's Turkish order of WIN1254 text.
inline constexpr const char *TurkceHarmanlama = "PXW_TURK";

// Every table of the database, in creation order.
const std::vector<Tablo> &Tablolar();
// A table by name (case-insensitive); null when unknown.
const Tablo *TabloBul(const QString &ad);
// Generators that belong to no table's key but are created with the schema.
QStringList DigerUretecler();
