#pragma once
// A vertical splitter between an area above (a record screen's edit area, a
// report screen's filters), which scrolls when it gets less than it needs,
// and a list below. Until the user moves it or a remembered state is put
// back, it divides itself whenever its size changes (the first showing, the
// window maximised after it): the area above gets the height its contents
// ask for when that leaves the list its rows; otherwise it gets what is left
// and scrolls. A taller window gives the rest to the list.
#include <QSplitter>

class QScrollArea;
class QTableView;

class ListeBolucu : public QSplitter
{
    Q_OBJECT
public:
    // alan: the contents above (put into a scroll area here); liste: the pane
    // below, holding izgara; satir: the rows the list keeps at least.
    ListeBolucu(QWidget *alan, QWidget *liste, QTableView *izgara, int satir, QWidget *ust = nullptr);

    QScrollArea *kaydirma() const { return m_kaydirma; }
    // A remembered state; true when it was put back (the splitter no longer divides itself).
    bool durumuYukle(const QByteArray &durum);
    // The division described above, now.
    void bol();

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QScrollArea *m_kaydirma = nullptr;
    QWidget *m_alan = nullptr;
    QWidget *m_liste = nullptr;
    QTableView *m_izgara = nullptr;
    int m_satir = 10;
    bool m_sabit = false; // the user or a remembered state has set it
};
