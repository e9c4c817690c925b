// The designer's canvas: each band a strip as wide as the printable area with
// its name above it, its objects painted by the engine's own painter; objects
// are moved and resized with the mouse on a half-millimetre grid.
#include "raporlar/motor/raportasarim_ozel.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QSplitter>

using namespace RaporTasarimIc;

// ---------------------------------------------------------------- scene items

TasarimBandi::TasarimBandi(RaporTasarim *t, int indeks, qreal genislik, qreal yukseklik)
    : m_t(t), m_indeks(indeks)
{
    setRect(0, 0, genislik * OLCEK, yukseklik * OLCEK);
    setFlag(ItemIsSelectable);
    setBrush(QColor(250, 250, 250));
    setPen(QPen(QColor(150, 150, 150), 0, Qt::DashLine));
}

void TasarimBandi::paint(QPainter *p, const QStyleOptionGraphicsItem *o, QWidget *w)
{
    QGraphicsRectItem::paint(p, o, w);
    if (isSelected()) {
        p->setPen(QPen(QColor(0, 90, 200), 0));
        p->drawRect(rect());
    }
}

void TasarimBandi::mousePressEvent(QGraphicsSceneMouseEvent *e)
{
    QGraphicsRectItem::mousePressEvent(e);
    m_t->sec(m_indeks, -1);
}

TasarimNesnesi::TasarimNesnesi(RaporTasarim *t, int bant, int indeks, const RaporNesnesi &n,
                               const RaporSablonu &s, QGraphicsItem *ust)
    : QGraphicsRectItem(ust), m_t(t), m_bant(bant), m_indeks(indeks)
{
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    guncelle(n, s);
}

void TasarimNesnesi::guncelle(const RaporNesnesi &n, const RaporSablonu &s)
{
    m_n = n;
    QRectF a = n.alan;
    if (n.tur == NesneTuru::Cizgi) {
        a = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
        if (a.width() < 1) a.adjust(-0.5, 0, 0.5, 0);
        if (a.height() < 1) a.adjust(0, -0.5, 0, 0.5);
    }
    prepareGeometryChange();
    m_kilit = true;
    setPos(a.topLeft() * OLCEK);
    m_kilit = false;
    setRect(0, 0, a.width() * OLCEK, a.height() * OLCEK);
    // How the object prints: one page item painted by the engine's own painter.
    m_oge = RaporOgesi();
    m_oge.tur = n.tur;
    m_oge.alan = QRectF(QPointF(0, 0), a.size());
    m_oge.metin = n.tur == NesneTuru::Resim ? QString() : n.metin;
    QFont f(n.yaziTipi.isEmpty() ? s.yaziTipi : n.yaziTipi);
    f.setPointSizeF(n.boyut > 0 ? n.boyut : s.boyut);
    f.setBold(n.kalin);
    f.setItalic(n.italik);
    f.setUnderline(n.altCizili);
    m_oge.yaziTipi = f;
    m_oge.hiza = n.hiza;
    m_oge.kaydir = n.kaydir;
    m_oge.kirp = true;
    m_oge.kenar = n.kenar;
    m_oge.renk = n.renk;
    m_oge.dolgu = n.dolgu;
    m_oge.kalinlik = n.kalinlik;
    m_oge.cizgi = n.cizgi.translated(-a.topLeft());
    m_oge.oranKoru = n.oranKoru;
    if (n.tur == NesneTuru::Resim && !n.dosya.contains(QLatin1Char('['))) {
        QString yol = n.dosya;
        if (QFileInfo(yol).isRelative() && !s.dosyaYolu.isEmpty())
            yol = QFileInfo(s.dosyaYolu).dir().filePath(yol);
        m_oge.resim = QImage(yol);
    }
    update();
}

void TasarimNesnesi::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    RaporSayfasi sayfa;
    sayfa.ogeler.push_back(m_oge);
    RaporSayfasiCiz(*p, sayfa, OLCEK);
    if (m_n.tur == NesneTuru::Resim && m_oge.resim.isNull()) {
        p->setPen(QPen(Qt::gray, 0, Qt::DotLine));
        p->drawRect(rect());
        p->drawText(rect(), Qt::AlignCenter, QStringLiteral("Resim"));
    }
    if (m_n.tur == NesneTuru::Metin && m_n.kenar == KenarYok) {
        p->setPen(QPen(QColor(200, 200, 200), 0, Qt::DotLine));
        p->drawRect(rect());
    }
    if (isSelected()) {
        p->setPen(QPen(QColor(0, 90, 200), 0));
        p->setBrush(Qt::NoBrush);
        p->drawRect(rect());
        const qreal t = TUTAMAC * OLCEK;
        p->fillRect(QRectF(rect().right() - t, rect().bottom() - t, t, t), QColor(0, 90, 200));
    }
}

void TasarimNesnesi::hoverMoveEvent(QGraphicsSceneHoverEvent *e)
{
    setCursor(kosede(e->pos()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
}

void TasarimNesnesi::mousePressEvent(QGraphicsSceneMouseEvent *e)
{
    m_boyutla = isSelected() && kosede(e->pos());
    m_t->sec(m_bant, m_indeks);
    if (m_boyutla) {
        e->accept();
        return;
    }
    QGraphicsRectItem::mousePressEvent(e);
}

void TasarimNesnesi::mouseMoveEvent(QGraphicsSceneMouseEvent *e)
{
    if (m_boyutla) {
        const qreal en = 1.0 * OLCEK;
        QRectF r = rect();
        r.setWidth(std::max(en, e->pos().x()));
        r.setHeight(std::max(en, e->pos().y()));
        prepareGeometryChange();
        setRect(r);
        return;
    }
    QGraphicsRectItem::mouseMoveEvent(e);
}

void TasarimNesnesi::mouseReleaseEvent(QGraphicsSceneMouseEvent *e)
{
    QGraphicsRectItem::mouseReleaseEvent(e);
    m_boyutla = false;
    m_t->nesneGeometrisiDegisti(this);
}

QVariant TasarimNesnesi::itemChange(GraphicsItemChange c, const QVariant &v)
{
    // Snap to half millimetres.
    if (c == ItemPositionChange && !m_kilit) {
        QPointF p = v.toPointF() / OLCEK;
        p = QPointF(qRound(p.x() * 2) / 2.0, qRound(p.y() * 2) / 2.0) * OLCEK;
        return p;
    }
    return QGraphicsRectItem::itemChange(c, v);
}

bool TasarimNesnesi::kosede(const QPointF &p) const
{
    const qreal t = TUTAMAC * OLCEK;
    return p.x() >= rect().right() - t && p.y() >= rect().bottom() - t;
}

// ---------------------------------------------------------------- window side

void RaporTasarim::tuvalKur(QSplitter *bolucu)
{
    m_sahne = new QGraphicsScene(this);
    m_gorunum = new QGraphicsView(m_sahne, bolucu);
    m_gorunum->setObjectName(QStringLiteral("gv_tasarim"));
    m_gorunum->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_gorunum->setBackgroundBrush(QColor(225, 225, 225));
    m_gorunum->setRenderHint(QPainter::Antialiasing);
}

void RaporTasarim::sahneKur()
{
    m_sahne->clear();
    const qreal genislik = m_sablon.yaziAlaniGenisligi();
    qreal y = 0;
    QFont etiketYazisi;
    etiketYazisi.setPointSizeF(7);
    for (int b = 0; b < int(m_sablon.bantlar.size()); ++b) {
        const RaporBandi &bant = m_sablon.bantlar[b];
        QString etiket = BantTuruBasligi(bant.tur);
        if (!bant.kolon.isEmpty())
            etiket += QStringLiteral(": ") + bant.kolon;
        if (bant.otomatik)
            etiket += QStringLiteral(" (bütün kolonlar)");
        auto *yazi = m_sahne->addSimpleText(etiket, etiketYazisi);
        yazi->setBrush(QColor(80, 80, 80));
        yazi->setPos(0, y * OLCEK);
        y += ETIKET;
        auto *bi = new TasarimBandi(this, b, genislik, bant.yukseklik);
        bi->setPos(0, y * OLCEK);
        m_sahne->addItem(bi);
        bi->setSelected(b == m_bant && m_nesne < 0);
        for (int n = 0; n < int(bant.nesneler.size()); ++n) {
            auto *ni = new TasarimNesnesi(this, b, n, bant.nesneler[n], m_sablon, bi);
            ni->setSelected(b == m_bant && n == m_nesne);
        }
        y += bant.yukseklik + 2;
    }
    m_sahne->setSceneRect(QRectF(-2 * OLCEK, -2 * OLCEK, (genislik + 10) * OLCEK, (y + 10) * OLCEK));
    ozellikleriGoster();
}

void RaporTasarim::sec(int bant, int nesne)
{
    if (bant < 0 || bant >= int(m_sablon.bantlar.size())) {
        bant = -1;
        nesne = -1;
    } else if (nesne >= int(m_sablon.bantlar[bant].nesneler.size())) {
        nesne = -1;
    }
    if (bant == m_bant && nesne == m_nesne)
        return;
    m_bant = bant;
    m_nesne = nesne;
    const auto ogeler = m_sahne->items();
    for (QGraphicsItem *o : ogeler) {
        if (auto *n = dynamic_cast<TasarimNesnesi *>(o))
            n->setSelected(n->bant() == bant && n->indeks() == nesne);
        else if (auto *b = dynamic_cast<TasarimBandi *>(o))
            b->setSelected(b->indeks() == bant && nesne < 0);
    }
    ozellikleriGoster();
}

void RaporTasarim::nesneGeometrisiDegisti(TasarimNesnesi *o)
{
    const QRectF r(o->pos() / OLCEK, o->rect().size() / OLCEK);
    nesneTasi(o->bant(), o->indeks(), r);
}

void RaporTasarim::nesneTasi(int bant, int nesne, const QRectF &alanMm)
{
    if (bant < 0 || bant >= int(m_sablon.bantlar.size()) || nesne < 0
        || nesne >= int(m_sablon.bantlar[bant].nesneler.size()))
        return;
    RaporNesnesi &n = m_sablon.bantlar[bant].nesneler[nesne];
    auto yarim = [](qreal v) { return qRound(v * 2) / 2.0; };
    const QRectF a(yarim(alanMm.x()), yarim(alanMm.y()), yarim(alanMm.width()), yarim(alanMm.height()));
    if (n.tur == NesneTuru::Cizgi) {
        const QRectF eski = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
        const bool yatay = qFuzzyCompare(n.cizgi.y1(), n.cizgi.y2());
        const bool dikey = qFuzzyCompare(n.cizgi.x1(), n.cizgi.x2());
        if (yatay)
            n.cizgi = QLineF(a.left(), a.center().y(), a.right(), a.center().y());
        else if (dikey)
            n.cizgi = QLineF(a.center().x(), a.top(), a.center().x(), a.bottom());
        else
            n.cizgi = QLineF(a.left() + (n.cizgi.x1() - eski.left()) / std::max<qreal>(eski.width(), 0.01) * a.width(),
                             a.top() + (n.cizgi.y1() - eski.top()) / std::max<qreal>(eski.height(), 0.01) * a.height(),
                             a.left() + (n.cizgi.x2() - eski.left()) / std::max<qreal>(eski.width(), 0.01) * a.width(),
                             a.top() + (n.cizgi.y2() - eski.top()) / std::max<qreal>(eski.height(), 0.01) * a.height());
        n.alan = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
    } else {
        n.alan = a;
    }
    for (QGraphicsItem *o : m_sahne->items())
        if (auto *t = dynamic_cast<TasarimNesnesi *>(o))
            if (t->bant() == bant && t->indeks() == nesne)
                t->guncelle(n, m_sablon);
    if (bant == m_bant && nesne == m_nesne)
        ozellikleriGoster();
    degistir(false);
}
