#pragma once
// Reads the first worksheet of a spreadsheet file (.xlsx, .ods, .xls, .csv)
// into memory, cells addressed by row and column counted from 1.
//
// Cell texts are what a person sees in the sheet, written the same way for
// every format:
//  - numbers: whole values without decimals ("1004", "10987654321", a child
//    count stored as 2.0 reads "2"); others with '.' as decimal sign and up to
//    15 significant digits ("38.4", "2450.75");
//  - dates "DD.MM.YYYY", date-times "DD.MM.YYYY hh:mm:ss", times "hh:mm:ss";
//  - booleans "DOĞRU" / "YANLIŞ";
//  - texts as stored; a missing cell is the empty text.
// .csv files carry no types: every cell is its text.
#include <QString>
#include <QVariant>
#include <QVector>

class TabloOkuyucu
{
public:
    // Reads the whole first sheet. A broken, password-protected or unknown
    // file gives false with a Turkish message in hata, and leaves the reader empty.
    bool ac(const QString &yol, QString *hata = nullptr);
    void kapat();

    // The number of the last row / column that holds a non-empty cell (0 when none).
    int satirSayisi() const { return m_satirSayisi; }
    int sutunSayisi() const { return m_sutunSayisi; }

    // The cell's text (rules above); empty outside the sheet.
    QString hucre(int satir, int sutun) const;
    // The cell's typed value: double for numbers, QDate / QDateTime / QTime for
    // dates and times, bool, QString for texts; invalid QVariant when empty.
    QVariant hucreDegeri(int satir, int sutun) const;

    // File dialog filter for the formats read here.
    static QString dosyaFiltresi();
    // The text a typed cell value reads as (rules above).
    static QString degerMetni(const QVariant &deger);

private:
    friend class TabloOkumaIsi;
    // false when the sheet is too big to hold.
    bool hucreKoy(int satir, int sutun, const QVariant &deger);

    QVector<QVector<QVariant>> m_satirlar;   // index satir-1, sutun-1; rows may be short
    int m_satirSayisi = 0;
    int m_sutunSayisi = 0;
    qint64 m_hucreSayisi = 0;
};
