#pragma once
// Focus colouring and Enter as Tab of the record screens, for any window
// that edits bound controls (the record screens and the examination-line
// screens use the same one).
//   - the focused control turns aqua, the others white (grids, date editors
//     and buttons change no colour);
//   - Enter on a bound edit, combo or memo, or on a grid, moves to the next
//     control; Ctrl/Alt/Shift+Enter keep their own meaning.
#include <QList>
#include <QObject>

class Baglayici;
class QWidget;

class OdakDavranisi : public QObject
{
    Q_OBJECT
public:
    struct Ayar
    {
        bool renklendirme = true;
        bool memoHaric = false;   // whitening leaves memos aqua
        bool duzEdit = false;     // plain (unbound) edits are coloured too
        bool enterIleIlerle = true;
    };

    OdakDavranisi(QWidget *pencere, const Ayar &ayar);
    ~OdakDavranisi() override;

    void baglayiciEkle(Baglayici *b);
    bool bagliMi(QWidget *w) const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int renkTuru(QWidget *w) const;
    void odakDegisti(QWidget *eski, QWidget *yeni);

    QWidget *m_pencere;
    Ayar m_ayar;
    QList<Baglayici *> m_baglayicilar;
};
