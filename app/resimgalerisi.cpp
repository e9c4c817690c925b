#include "app/resimgalerisi.h"
#include "app/resimdeposu.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

ResimGalerisi::ResimGalerisi(const Ayar &ayar, QWidget *ust)
    : QWidget(ust)
    , m_ayar(ayar)
{
    auto *g = new QGridLayout(this);
    int sutun = 0;
    for (const Yuva &y : m_ayar.yuvalar) {
        // Only a patient has a photo of its own; other kinds have gallery slots alone.
        Q_ASSERT(y.no > 0 || m_ayar.tur == ResimTuru::Hasta);
        auto *etiket = new QLabel;
        etiket->setObjectName(y.cerceveAdi);
        etiket->setFixedSize(m_ayar.boyut);
        etiket->setAlignment(Qt::AlignCenter);
        if (m_ayar.cizgili)
            etiket->setFrameShape(QFrame::Box);
        etiket->installEventFilter(this);
        QPushButton *d = nullptr;
        if (!y.dugmeAdi.isEmpty()) {
            d = new QPushButton(m_ayar.dugmeMetni);
            d->setObjectName(y.dugmeAdi);
            d->setAutoDefault(false);
            const int no = y.no;
            connect(d, &QPushButton::clicked, this, [this, no] { emit eklemeIstendi(no); });
        }
        g->addWidget(etiket, 0, sutun);
        if (d)
            g->addWidget(d, 1, sutun);
        ++sutun;
        m_cerceveler.append({y.no, etiket, d});
    }
}

QString ResimGalerisi::resimAdi(const QString &kayit, int yuva)
{
    return yuva == 0 ? kayit : QStringLiteral("%1_%2").arg(kayit).arg(yuva);
}

QString ResimGalerisi::yuvaDosyasi(const QString &tur, const QString &kayit, int yuva)
{
    if (yuva == 0 && tur == ResimTuru::Hasta)
        return HastaFotografiYolu(kayit);
    return GaleriResmiYolu(tur, kayit, yuva);
}

void ResimGalerisi::kayitAyarla(const QString &kayit)
{
    m_kayit = kayit;
    yenile();
}

void ResimGalerisi::yenile()
{
    for (const Cerceve &c : std::as_const(m_cerceveler))
        goster(c);
}

void ResimGalerisi::goster(const Cerceve &c)
{
    const QString yol = yuvaDosyasi(m_ayar.tur, m_kayit, c.no);
    // The frame carries its file, so what it shows can be opened and checked.
    c.etiket->setProperty("dosya", yol);
    const QSize boyut = c.etiket->size();
    const QImage r = ResimYukle(yol, boyut);
    c.etiket->setPixmap(r.isNull() ? QPixmap()
                                   : QPixmap::fromImage(r.scaled(boyut, Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation)));
}

const ResimGalerisi::Cerceve *ResimGalerisi::bul(int yuva) const
{
    for (const Cerceve &c : m_cerceveler)
        if (c.no == yuva)
            return &c;
    return nullptr;
}

QString ResimGalerisi::dosya(int yuva) const
{
    const Cerceve *c = bul(yuva);
    return c ? c->etiket->property("dosya").toString() : QString();
}

QLabel *ResimGalerisi::cerceve(int yuva) const
{
    const Cerceve *c = bul(yuva);
    return c ? c->etiket : nullptr;
}

QPushButton *ResimGalerisi::dugme(int yuva) const
{
    const Cerceve *c = bul(yuva);
    return c ? c->dugme : nullptr;
}

bool ResimGalerisi::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        for (const Cerceve &c : std::as_const(m_cerceveler)) {
            if (o != c.etiket)
                continue;
            // The blank picture stands for "none": there is nothing to open.
            const QString yol = c.etiket->property("dosya").toString();
            if (!m_kayit.isEmpty() && !yol.isEmpty() && QFileInfo(yol).fileName() != QLatin1String("bos.jpg"))
                emit resimTiklandi(c.no, yol);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
