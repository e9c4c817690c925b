// Painting the page model: PDF, PNG, printer, preview.
#include "raporlar/motor/rapormotoru_ozel.h"

#include "app/mesaj.h"
#include "db/sqltext.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

QPageLayout sayfaDuzeni(const QSizeF &mm)
{
    const bool yatay = mm.width() > mm.height();
    const QSizeF dikey = yatay ? mm.transposed() : mm;
    QPageSize boyut;
    if (qAbs(dikey.width() - 210) < 0.5 && qAbs(dikey.height() - 297) < 0.5)
        boyut = QPageSize(QPageSize::A4);
    else if (qAbs(dikey.width() - 215.9) < 0.5 && qAbs(dikey.height() - 279.4) < 0.5)
        boyut = QPageSize(QPageSize::Letter);
    else
        boyut = QPageSize(dikey, QPageSize::Millimeter);
    return QPageLayout(boyut, yatay ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

// Turkish case with the dotted and dotless i made one letter, as the
// program's lookups fold them: users type names without minding İ/I, and
// foreign names come either way.
QString aramaKatla(const QString &metin)
{
    return IKatla(TurkceBuyuk(metin));
}

} // namespace

bool RaporMetniIcerir(const QString &metin, const QString &aranan)
{
    if (aranan.isEmpty())
        return false;
    return aramaKatla(metin).contains(aramaKatla(aranan));
}

void RaporSayfasiCiz(QPainter &p, const RaporSayfasi &sayfa, qreal olcek, const QString &vurgula)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Fonts are sized in points on the device; correct for a device whose
    // logical resolution differs from the scale asked for.
    const qreal cihazDpi = p.device() ? p.device()->logicalDpiY() : 72;
    const qreal yaziOlcek = (olcek * 25.4) / (cihazDpi > 0 ? cihazDpi : 72);
    const QString aranan = aramaKatla(vurgula);
    auto r = [olcek](const QRectF &mm) {
        return QRectF(mm.x() * olcek, mm.y() * olcek, mm.width() * olcek, mm.height() * olcek);
    };
    for (const RaporOgesi &o : sayfa.ogeler) {
        QPen kalem(o.renk, std::max<qreal>(o.kalinlik * olcek, 0.5));
        kalem.setCapStyle(Qt::FlatCap);
        switch (o.tur) {
        case NesneTuru::Cizgi:
            p.setPen(kalem);
            p.drawLine(QLineF(o.cizgi.p1() * olcek, o.cizgi.p2() * olcek));
            break;
        case NesneTuru::Kutu:
            p.setPen(kalem);
            p.setBrush(o.dolgu.isValid() ? QBrush(o.dolgu) : Qt::NoBrush);
            p.drawRect(r(o.alan));
            p.setBrush(Qt::NoBrush);
            break;
        case NesneTuru::Resim: {
            const QRectF hedef = r(o.alan);
            if (!o.resim.isNull()) {
                QSizeF boyut = o.resim.size();
                QRectF alan = hedef;
                if (o.oranKoru) {
                    boyut.scale(hedef.size(), Qt::KeepAspectRatio);
                    alan = QRectF(QPointF(hedef.x() + (hedef.width() - boyut.width()) / 2,
                                          hedef.y() + (hedef.height() - boyut.height()) / 2), boyut);
                }
                p.drawImage(alan, o.resim);
            }
            if (o.kenar != KenarYok) {
                p.setPen(kalem);
                p.drawRect(hedef);
            }
            break;
        }
        case NesneTuru::Metin: {
            const QRectF alan = r(o.alan);
            const bool vurgu = !aranan.isEmpty() && aramaKatla(o.metin).contains(aranan);
            if (vurgu)
                p.fillRect(alan, QColor(255, 235, 80));
            else if (o.dolgu.isValid())
                p.fillRect(alan, o.dolgu);
            if (!o.metin.isEmpty()) {
                QFont f = o.yaziTipi;
                f.setPointSizeF(f.pointSizeF() * yaziOlcek);
                p.setFont(f);
                p.setPen(o.renk);
                const qreal ic = 0.5 * olcek;   // inner margin, 0.5 mm
                const QRectF metinAlani = alan.adjusted(ic, 0, -ic, 0);
                int bayrak = int(o.hiza);
                if (o.kaydir)
                    bayrak |= Qt::TextWordWrap;
                // Qt clips to the rectangle by itself, and only when the text overflows it.
                if (!o.kirp)
                    bayrak |= Qt::TextDontClip;
                p.drawText(metinAlani, bayrak, o.metin);
            }
            if (o.kenar != KenarYok) {
                p.setPen(kalem);
                if (o.kenar & KenarSol) p.drawLine(alan.topLeft(), alan.bottomLeft());
                if (o.kenar & KenarUst) p.drawLine(alan.topLeft(), alan.topRight());
                if (o.kenar & KenarSag) p.drawLine(alan.topRight(), alan.bottomRight());
                if (o.kenar & KenarAlt) p.drawLine(alan.bottomLeft(), alan.bottomRight());
            }
            break;
        }
        }
    }
    p.restore();
}

bool Rapor::pdfYaz(const RaporBelgesi &belge, const QString &yol, QString *hata,
                   const std::function<bool(int, int)> &ilerleme)
{
    if (belge.iptal) {
        if (hata)
            *hata = QStringLiteral("Rapor hazırlanırken iptal edildi; PDF dosyası yazılmadı.");
        return false;
    }
    const QString gecici = yol + QStringLiteral(".yaziliyor");
    bool tamam = true;
    {
        QPdfWriter w(gecici);
        w.setTitle(belge.baslik);
        w.setCreator(QStringLiteral("VELMORIKA"));
        w.setResolution(1200);
        const QSizeF ilkBoyut = belge.bosMu() ? QSizeF(210, 297) : belge.sayfalar.front().boyut;
        w.setPageLayout(sayfaDuzeni(ilkBoyut));
        QPainter p;
        if (!p.begin(&w)) {
            tamam = false;
        } else {
            const qreal olcek = w.resolution() / 25.4;
            for (int i = 0; i < belge.sayfaSayisi(); ++i) {
                if (ilerleme && !ilerleme(i, belge.sayfaSayisi())) {
                    tamam = false;
                    break;
                }
                if (i > 0) {
                    w.setPageLayout(sayfaDuzeni(belge.sayfalar[i].boyut));
                    w.newPage();
                }
                RaporSayfasiCiz(p, belge.sayfalar[i], olcek);
            }
            p.end();
        }
    }
    if (!tamam) {
        QFile::remove(gecici);
        if (hata)
            *hata = QStringLiteral("PDF dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(yol));
        return false;
    }
    QFile::remove(yol);
    if (!QFile::rename(gecici, yol)) {
        QFile::remove(gecici);
        if (hata)
            *hata = QStringLiteral("PDF dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(yol));
        return false;
    }
    return true;
}

QImage Rapor::sayfaResmi(const RaporBelgesi &belge, int sayfa, int dpi)
{
    if (sayfa < 0 || sayfa >= belge.sayfaSayisi())
        return {};
    const RaporSayfasi &s = belge.sayfalar[sayfa];
    const qreal olcek = dpi / 25.4;
    QImage resim(qRound(s.boyut.width() * olcek), qRound(s.boyut.height() * olcek), QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    resim.setDotsPerMeterX(dpm);
    resim.setDotsPerMeterY(dpm);
    resim.fill(Qt::white);
    QPainter p(&resim);
    RaporSayfasiCiz(p, s, olcek);
    return resim;
}

bool Rapor::yazdir(const RaporBelgesi &belge, QPrinter &yazici, int ilk, int son)
{
    if (belge.iptal)
        return false;
    if (belge.bosMu())
        return true;
    if (son < 0 || son >= belge.sayfaSayisi())
        son = belge.sayfaSayisi() - 1;
    ilk = std::clamp(ilk, 0, son);
    yazici.setFullPage(true);
    yazici.setPageLayout(sayfaDuzeni(belge.sayfalar[ilk].boyut));
    yazici.setDocName(belge.baslik);
    QPainter p;
    if (!p.begin(&yazici))
        return false;
    const qreal olcek = yazici.resolution() / 25.4;
    for (int i = ilk; i <= son; ++i) {
        if (i > ilk) {
            yazici.setPageLayout(sayfaDuzeni(belge.sayfalar[i].boyut));
            yazici.newPage();
        }
        RaporSayfasiCiz(p, belge.sayfalar[i], olcek);
    }
    p.end();
    return true;
}

bool Rapor::pdfYaz(const QString &yol, QString *hata)
{
    const RaporBelgesi b = olustur();
    QString h;
    if (!pdfYaz(b, yol, &h)) {
        if (hata)
            *hata = h;
        else
            Mesaj::hata(h);
        return false;
    }
    return true;
}

bool Rapor::pngYaz(const QString &yol, int sayfa, int dpi, QString *hata)
{
    const RaporBelgesi b = olustur();
    const QImage resim = sayfaResmi(b, sayfa, dpi);
    if (resim.isNull() || !resim.save(yol, "PNG")) {
        const QString h = QStringLiteral("PNG dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(yol));
        if (hata)
            *hata = h;
        else
            Mesaj::hata(h);
        return false;
    }
    return true;
}
