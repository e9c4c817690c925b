#include "app/beklemegostergesi.h"

#include <QApplication>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include <memory>

namespace {

// A visible status bar of the window in front (the modal one, else the
// active one), else of any visible window: a record screen may keep its own
// hidden.
QStatusBar *durumCubugu()
{
    QList<QWidget *> pencereler;
    for (QWidget *w : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (w)
            pencereler << w;
    pencereler << QApplication::topLevelWidgets();
    for (QWidget *w : pencereler) {
        if (!w->isVisible())
            continue;
        for (QStatusBar *c : w->findChildren<QStatusBar *>())
            if (c->isVisible())
                return c;
    }
    return nullptr;
}

struct Durum
{
    QPointer<QStatusBar> cubuk;
    QString onceki;
    bool imlec = false;
};

} // namespace

QString BeklemeMetni()
{
    return QStringLiteral("Kayıt yazılıyor… Başka bir kullanıcı aynı kaydı değiştiriyorsa en çok %1 saniye beklenir.")
        .arg(Sorgu::KilitSiniriMs / 1000);
}

Sorgu::BeklemeGostergesi PencereBeklemeGostergesi()
{
    auto d = std::make_shared<Durum>();
    Sorgu::BeklemeGostergesi g;
    g.basla = [d] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        d->imlec = true;
        d->cubuk = durumCubugu();
        if (d->cubuk) {
            d->onceki = d->cubuk->currentMessage();
            d->cubuk->showMessage(BeklemeMetni());
            // Painted now: no event loop runs until the write ends.
            d->cubuk->repaint();
        }
    };
    g.bitir = [d] {
        if (d->imlec)
            QApplication::restoreOverrideCursor();
        d->imlec = false;
        // The previous text back, unless something wrote its own meanwhile.
        if (d->cubuk && d->cubuk->currentMessage() == BeklemeMetni()) {
            if (d->onceki.isEmpty())
                d->cubuk->clearMessage();
            else
                d->cubuk->showMessage(d->onceki);
        }
        d->cubuk.clear();
        d->onceki.clear();
    };
    return g;
}
