#pragma once
// What the notes window and the document window share: one data set over
// their table, an editable grid, an edit area bound to the current row and
// the menu bar Save / Delete / New / Cancel / "İşlemler" / "Kapat". The two
// windows differ only in table, template, bound controls and new-row values.
// Neither checks rights or uses a company condition: the opening screen
// decides which rows are shown and what a new row is attached to.
#include <QDialog>
#include <QString>

class Baglayici;
class QAction;
class QMenu;
class QMenuBar;
class QTableView;
class TabloModeli;
class VeriSeti;

class NotDosyaPenceresi : public QDialog
{
    Q_OBJECT
public:
    // The data set's select text; the window opens it when shown unless
    // ac() was called before.
    void selectMetniAyarla(const QString &sql);
    bool ac();

    VeriSeti *veriSeti() const { return m_vs; }
    TabloModeli *model() const { return m_model; }
    QTableView *izgara() const { return m_izgara; }
    Baglayici *baglayici() const { return m_bag; }

    // Menu actions.
    void kaydet();
    void sil();
    void yeni();
    void iptal();
    void tumunuListele();
    void excelAktar();
    void listeYazdir();

protected:
    NotDosyaPenceresi(const QString &tablo, const QString &sablon, QWidget *ust);

    // The select of the record the window was opened for, from the hand-over values
    // (used when the opener handed over no select text).
    virtual QString aktarimSelectMetni() const = 0;
    virtual void yeniSatirDegerleri() = 0;
    virtual void aktarimiTemizle() = 0;

    // Puts the grid, with the edit area above it, into the window.
    void yerlesimKur(QWidget *duzenlemeAlani);

    void showEvent(QShowEvent *e) override;
    // Drops the pending insert or edit.
    void bekleyeniAt();
    void done(int r) override;

    VeriSeti *m_vs;
    TabloModeli *m_model;
    Baglayici *m_bag;
    QTableView *m_izgara;
    QMenuBar *m_menu;
    QString m_tablo;    // lower case, as the select heads are written
    QString m_sablon;
};
