#include "app/gorunum.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Gorunum {

namespace {

QColor simgeRengi(Simge s)
{
    switch (s) {
    case Simge::Hasta: return QColor(0x1f, 0x7a, 0xb8);
    case Simge::Muayene: return QColor(0xc0, 0x39, 0x4b);
    case Simge::Randevu: return QColor(0x2a, 0x9d, 0x8f);
    case Simge::Laboratuvar: return QColor(0x7b, 0x4f, 0xa8);
    case Simge::Islemler: return QColor(0xd9, 0x8a, 0x1c);
    case Simge::Personel: return QColor(0x3a, 0x6e, 0x5a);
    case Simge::Odeme: return QColor(0x2e, 0x8b, 0x3e);
    case Simge::Kapat: return QColor(0x6c, 0x75, 0x7d);
    case Simge::Tamam: return QColor(0x2e, 0x8b, 0x3e);
    case Simge::Iptal: return QColor(0xb8, 0x3b, 0x3b);
    case Simge::Hesap: return QColor(0x45, 0x5a, 0x64);
    }
    return Ana;
}

void kisiCiz(QPainter &p, QPointF merkez, qreal b)
{
    p.drawEllipse(QPointF(merkez.x(), merkez.y() - b * 0.22), b * 0.16, b * 0.16);
    QPainterPath govde;
    govde.moveTo(merkez.x() - b * 0.30, merkez.y() + b * 0.34);
    govde.cubicTo(merkez.x() - b * 0.30, merkez.y() - b * 0.02, merkez.x() + b * 0.30, merkez.y() - b * 0.02,
                  merkez.x() + b * 0.30, merkez.y() + b * 0.34);
    govde.closeSubpath();
    p.drawPath(govde);
}

void nabizCiz(QPainter &p, const QRectF &r)
{
    QPainterPath n;
    const qreal y = r.center().y();
    n.moveTo(r.left(), y);
    n.lineTo(r.left() + r.width() * 0.30, y);
    n.lineTo(r.left() + r.width() * 0.40, r.top());
    n.lineTo(r.left() + r.width() * 0.52, r.bottom());
    n.lineTo(r.left() + r.width() * 0.62, y);
    n.lineTo(r.right(), y);
    p.drawPath(n);
}

void glifCiz(QPainter &p, Simge s, qreal b, const QColor &renk)
{
    const QColor beyaz = renk;
    QPen kalem(beyaz, b * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(kalem);
    p.setBrush(Qt::NoBrush);
    const QPointF m(b / 2, b / 2);
    switch (s) {
    case Simge::Hasta:
        p.setPen(Qt::NoPen);
        p.setBrush(beyaz);
        kisiCiz(p, m + QPointF(0, b * 0.04), b);
        break;
    case Simge::Personel:
        p.setPen(Qt::NoPen);
        p.setBrush(beyaz);
        kisiCiz(p, m + QPointF(-b * 0.14, b * 0.06), b * 0.8);
        kisiCiz(p, m + QPointF(b * 0.16, b * 0.02), b * 0.8);
        break;
    case Simge::Muayene: {
        QPainterPath kalp;
        kalp.moveTo(b * 0.5, b * 0.80);
        kalp.cubicTo(b * 0.05, b * 0.50, b * 0.18, b * 0.16, b * 0.5, b * 0.32);
        kalp.cubicTo(b * 0.82, b * 0.16, b * 0.95, b * 0.50, b * 0.5, b * 0.80);
        p.setPen(Qt::NoPen);
        p.setBrush(beyaz);
        p.drawPath(kalp);
        p.setPen(QPen(simgeRengi(s), b * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        nabizCiz(p, QRectF(b * 0.22, b * 0.38, b * 0.56, b * 0.22));
        break;
    }
    case Simge::Randevu: {
        QRectF t(b * 0.2, b * 0.26, b * 0.6, b * 0.52);
        p.drawRoundedRect(t, b * 0.06, b * 0.06);
        p.drawLine(QPointF(t.left(), b * 0.40), QPointF(t.right(), b * 0.40));
        p.drawLine(QPointF(b * 0.35, b * 0.18), QPointF(b * 0.35, b * 0.30));
        p.drawLine(QPointF(b * 0.65, b * 0.18), QPointF(b * 0.65, b * 0.30));
        p.setPen(Qt::NoPen);
        p.setBrush(beyaz);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j)
                p.drawEllipse(QPointF(b * (0.33 + 0.17 * i), b * (0.52 + 0.14 * j)), b * 0.035, b * 0.035);
        break;
    }
    case Simge::Laboratuvar: {
        QPainterPath sise;
        sise.moveTo(b * 0.42, b * 0.18);
        sise.lineTo(b * 0.42, b * 0.42);
        sise.lineTo(b * 0.24, b * 0.76);
        sise.lineTo(b * 0.76, b * 0.76);
        sise.lineTo(b * 0.58, b * 0.42);
        sise.lineTo(b * 0.58, b * 0.18);
        p.drawPath(sise);
        p.drawLine(QPointF(b * 0.36, b * 0.18), QPointF(b * 0.64, b * 0.18));
        QPainterPath sivi;
        sivi.moveTo(b * 0.33, b * 0.60);
        sivi.lineTo(b * 0.67, b * 0.60);
        sivi.lineTo(b * 0.74, b * 0.74);
        sivi.lineTo(b * 0.26, b * 0.74);
        p.setBrush(beyaz);
        p.drawPath(sivi);
        break;
    }
    case Simge::Islemler: {
        QRectF t(b * 0.26, b * 0.20, b * 0.48, b * 0.60);
        p.drawRoundedRect(t, b * 0.05, b * 0.05);
        for (int i = 0; i < 3; ++i) {
            const qreal y = b * (0.36 + 0.14 * i);
            p.drawLine(QPointF(b * 0.34, y), QPointF(b * 0.40, y + b * 0.04));
            p.drawLine(QPointF(b * 0.40, y + b * 0.04), QPointF(b * 0.46, y - b * 0.04));
            p.drawLine(QPointF(b * 0.52, y), QPointF(b * 0.66, y));
        }
        break;
    }
    case Simge::Odeme: {
        QRectF t(b * 0.16, b * 0.30, b * 0.68, b * 0.40);
        p.drawRoundedRect(t, b * 0.05, b * 0.05);
        p.drawEllipse(t.center(), b * 0.09, b * 0.09);
        p.drawLine(QPointF(b * 0.24, b * 0.38), QPointF(b * 0.30, b * 0.38));
        p.drawLine(QPointF(b * 0.70, b * 0.62), QPointF(b * 0.76, b * 0.62));
        break;
    }
    case Simge::Kapat:
        p.drawArc(QRectF(b * 0.26, b * 0.28, b * 0.48, b * 0.48), 120 * 16, 300 * 16);
        p.drawLine(QPointF(b * 0.5, b * 0.20), QPointF(b * 0.5, b * 0.48));
        break;
    case Simge::Tamam:
        p.setPen(QPen(beyaz, b * 0.10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(b * 0.26, b * 0.52), QPointF(b * 0.43, b * 0.68), QPointF(b * 0.74, b * 0.32)}));
        break;
    case Simge::Iptal:
        p.setPen(QPen(beyaz, b * 0.10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(b * 0.32, b * 0.32), QPointF(b * 0.68, b * 0.68));
        p.drawLine(QPointF(b * 0.68, b * 0.32), QPointF(b * 0.32, b * 0.68));
        break;
    case Simge::Hesap: {
        QRectF t(b * 0.26, b * 0.16, b * 0.48, b * 0.68);
        p.drawRoundedRect(t, b * 0.05, b * 0.05);
        p.drawRect(QRectF(b * 0.33, b * 0.24, b * 0.34, b * 0.12));
        p.setPen(Qt::NoPen);
        p.setBrush(beyaz);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                p.drawEllipse(QPointF(b * (0.37 + 0.13 * i), b * (0.48 + 0.11 * j)), b * 0.03, b * 0.03);
        break;
    }
    }
}

} // namespace

QPixmap Logo(int boy)
{
    const qreal dpr = 2.0;
    QPixmap pm(int(boy * dpr), int(boy * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal b = boy;
    QRadialGradient g(QPointF(b * 0.35, b * 0.3), b * 0.8);
    g.setColorAt(0, Vurgu.lighter(130));
    g.setColorAt(1, Ana.darker(120));
    p.setPen(QPen(QColor(255, 255, 255, 200), b * 0.03));
    p.setBrush(g);
    p.drawEllipse(QRectF(b * 0.03, b * 0.03, b * 0.94, b * 0.94));
    // The cross
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal k = b * 0.15;
    p.drawRoundedRect(QRectF(b * 0.5 - k / 2, b * 0.22, k, b * 0.46), k * 0.2, k * 0.2);
    p.drawRoundedRect(QRectF(b * 0.27, b * 0.45 - k / 2, b * 0.46, k), k * 0.2, k * 0.2);
    // The pulse below it
    p.setPen(QPen(Qt::white, b * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    nabizCiz(p, QRectF(b * 0.2, b * 0.66, b * 0.6, b * 0.14));
    return pm;
}

QIcon Ikon(Simge s, int boy, bool zeminli)
{
    const qreal dpr = 2.0;
    QPixmap pm(int(boy * dpr), int(boy * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal b = boy;
    const QColor renk = simgeRengi(s);
    if (zeminli) {
        QLinearGradient g(0, 0, 0, b);
        g.setColorAt(0, renk.lighter(125));
        g.setColorAt(1, renk.darker(110));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(b * 0.04, b * 0.04, b * 0.92, b * 0.92), b * 0.2, b * 0.2);
        glifCiz(p, s, b, Qt::white);
    } else {
        glifCiz(p, s, b, renk);
    }
    p.end();
    return QIcon(pm);
}

void ArkaPlanCiz(QPainter &p, const QRect &r, bool resimli)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!resimli) {
        p.fillRect(r, Acik);
        p.restore();
        return;
    }
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xfa));
    g.setColorAt(0.55, QColor(0xe1, 0xee, 0xf3));
    g.setColorAt(1, QColor(0xc9, 0xdf, 0xe8));
    p.fillRect(r, g);
    // Soft rings in the corner, behind the name
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QColor c = Ana;
        c.setAlpha(14 + i * 6);
        p.setBrush(c);
        const qreal yc = r.height() * (0.95 - i * 0.14);
        p.drawEllipse(QPointF(r.right() - r.width() * 0.06, r.bottom() + r.height() * 0.1), yc, yc);
    }
    // A faint pulse line across the window
    QColor nabiz = Vurgu;
    nabiz.setAlpha(90);
    p.setPen(QPen(nabiz, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal y = r.top() + r.height() * 0.70;
    QPainterPath n;
    n.moveTo(r.left(), y);
    const qreal w = r.width();
    n.lineTo(r.left() + w * 0.44, y);
    n.lineTo(r.left() + w * 0.47, y - 38);
    n.lineTo(r.left() + w * 0.51, y + 30);
    n.lineTo(r.left() + w * 0.54, y - 14);
    n.lineTo(r.left() + w * 0.56, y);
    n.lineTo(r.right(), y);
    p.drawPath(n);
    p.restore();
}

} // namespace Gorunum
