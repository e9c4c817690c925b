#pragma once
// The data control panel ("Veri Kontrol Paneli"): a typed statement run for
// reading only, its rows in a read-only grid and to a spreadsheet; the
// imports from spreadsheet files (app/program/veriaktarim.h); the removal of
// records whose patient code or account code is empty.
#include "db/sorgu.h"

#include <QDialog>
#include <optional>

class QPlainTextEdit;
class QTableView;
class SonucModeli;

// Rows and counts of the clean-up: the tables whose rows with an empty
// patient code (account code for CARI_HAREKET) it deletes, in all companies.
namespace BosKodTemizligi {
struct Satir
{
    QString tablo;
    QString kolon;
    int adet = 0;
};
// Counts what the clean-up would delete; nullopt on a database error (shown).
std::optional<QList<Satir>> say();
// Deletes them in one transaction; false (nothing deleted) on an error.
bool sil();
} // namespace BosKodTemizligi

class Tfrm_select : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_select(QWidget *ust = nullptr);

    // "Listele (F7)   ": runs the statement box's text.
    bool listele();
    void exceleAktar();
    // An import button, by the target table.
    void iceAktar(const QString &tablo);
    // "Carı Kodu Boş Kartları Sil".
    void bosKodluKartlariSil();

    const std::optional<Sorgu::Sonuc> &sonuc() const { return m_sonuc; }
    // The navigator: -2 first, -1 previous, 1 next, 2 last row.
    void satiraGit(int yon);
    int gecerliSatir() const;

private:
    QPlainTextEdit *m_sorgu;
    QTableView *m_izgara;
    SonucModeli *m_model;
    std::optional<Sorgu::Sonuc> m_sonuc;
};
