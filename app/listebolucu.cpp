#include "app/listebolucu.h"

#include <QHeaderView>
#include <QScrollArea>
#include <QStyle>
#include <QTableView>

ListeBolucu::ListeBolucu(QWidget *alan, QWidget *liste, QTableView *izgara, int satir, QWidget *ust)
    : QSplitter(Qt::Vertical, ust), m_alan(alan), m_liste(liste), m_izgara(izgara), m_satir(satir)
{
    setChildrenCollapsible(false);
    m_kaydirma = new QScrollArea;
    m_kaydirma->setFrameShape(QFrame::NoFrame);
    m_kaydirma->setWidgetResizable(true);
    m_kaydirma->setWidget(alan);
    addWidget(m_kaydirma);
    addWidget(liste);
    // A taller window gives its height to the list.
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    connect(this, &QSplitter::splitterMoved, this, [this] { m_sabit = true; });
}

bool ListeBolucu::durumuYukle(const QByteArray &durum)
{
    if (durum.isEmpty() || !restoreState(durum))
        return false;
    m_sabit = true;
    return true;
}

void ListeBolucu::showEvent(QShowEvent *e)
{
    QSplitter::showEvent(e);
    // The panes have their sizes by now: the list's own measures are known.
    if (!m_sabit)
        bol();
}

void ListeBolucu::resizeEvent(QResizeEvent *e)
{
    QSplitter::resizeEvent(e);
    if (!m_sabit && isVisible())
        bol();
}

void ListeBolucu::bol()
{
    const QList<int> boylar = sizes();
    if (boylar.size() != 2 || !m_izgara || !m_izgara->isVisibleTo(m_liste))
        return;
    const int toplam = boylar[0] + boylar[1];
    if (toplam <= 0)
        return;
    // What the list needs for its rows: what surrounds the grid in the list
    // pane (sort row, tabs) plus the grid's frame, header and a horizontal
    // scroll bar, which many columns bring.
    const int ust = m_izgara->mapTo(m_liste, QPoint(0, 0)).y();
    const int alt = qMax(0, m_liste->height() - ust - m_izgara->height());
    const int izgaraKenari = 2 * m_izgara->frameWidth() + m_izgara->horizontalHeader()->sizeHint().height()
                             + m_izgara->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_izgara);
    const int liste = ust + alt + izgaraKenari + m_satir * m_izgara->verticalHeader()->defaultSectionSize();
    const int enAz = qMin(toplam / 4, 60);
    const int alan = qMax(enAz, qMin(m_alan->sizeHint().height(), toplam - liste));
    if (alan != boylar[0])
        setSizes({alan, toplam - alan});
}
