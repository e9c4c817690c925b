#pragma once
// The designer's own pieces, shared by its source files:
//   raportasarim.cpp       the window, its toolbar, files, adding and deleting
//   raportasarimsahne.cpp  the canvas: bands and objects where they print, mouse moves
//   raportasarimpanel.cpp  page set-up and the property panel
//   raportasarimornek.cpp  sample rows, the live first page, the preview
#include "raporlar/motor/raportasarim.h"

#include <QGraphicsRectItem>

class QDoubleSpinBox;
class QPushButton;

namespace RaporTasarimIc {

const qreal OLCEK = 4.0;         // scene units per millimetre
const qreal ETIKET = 5.0;        // mm: strip above each band with its name
const qreal TUTAMAC = 2.0;       // mm: the resize corner

// A millimetre spin box and a button that never takes Enter, with their object names.
QDoubleSpinBox *mmKutusu(QWidget *ust, const char *ad, qreal en, qreal enCok);
QPushButton *dugme(QWidget *ust, const char *ad, const QString &metin);

} // namespace RaporTasarimIc

// ---------------------------------------------------------------- scene items

class TasarimBandi : public QGraphicsRectItem
{
public:
    TasarimBandi(RaporTasarim *t, int indeks, qreal genislik, qreal yukseklik);
    int indeks() const { return m_indeks; }

protected:
    void paint(QPainter *p, const QStyleOptionGraphicsItem *o, QWidget *w) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *e) override;

private:
    RaporTasarim *m_t;
    int m_indeks;
};

class TasarimNesnesi : public QGraphicsRectItem
{
public:
    TasarimNesnesi(RaporTasarim *t, int bant, int indeks, const RaporNesnesi &n, const RaporSablonu &s,
                   QGraphicsItem *ust);
    int bant() const { return m_bant; }
    int indeks() const { return m_indeks; }

    void guncelle(const RaporNesnesi &n, const RaporSablonu &s);

protected:
    void paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *e) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *e) override;
    QVariant itemChange(GraphicsItemChange c, const QVariant &v) override;

private:
    bool kosede(const QPointF &p) const;

    RaporTasarim *m_t;
    int m_bant, m_indeks;
    RaporNesnesi m_n;
    RaporOgesi m_oge;
    bool m_boyutla = false;
    bool m_kilit = false;
};
