#include "app/odakdavranisi.h"

#include "db/baglayici.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>

namespace {
const QColor beyaz(255, 255, 255);
const QColor acikMavi(0, 255, 255);

enum RenkTuru { RenkYok = 0, RenkVar = 1, RenkMemo = 2 };

bool tarihKutusuMu(QWidget *w)
{
    if (qobject_cast<QAbstractSpinBox *>(w))
        return true; // date editors and spin boxes
    auto *e = qobject_cast<QLineEdit *>(w);
    return e && e->inputMask().startsWith(QLatin1String("00.00.0000"));
}

// The control a focus or key event is really about: the line edit of an
// editable combo or of a date editor stands for its owner.
QWidget *asilKontrol(QWidget *w)
{
    if (!w)
        return nullptr;
    QWidget *p = w->parentWidget();
    if (p && (qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractSpinBox *>(p)))
        return p;
    return w;
}

// What Tab does (QWidget::focusNextChild, which is not public): the next
// control of the window in the focus chain that takes focus by Tab.
void sonrakineGec(QWidget *w)
{
    QWidget *pencere = w->window();
    for (QWidget *n = w->nextInFocusChain(); n && n != w; n = n->nextInFocusChain()) {
        if (n->window() == pencere && !n->focusProxy() && (n->focusPolicy() & Qt::TabFocus) && n->isEnabled()
            && n->isVisibleTo(pencere)) {
            n->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// Only while the control is usable: a disabled (locked) one keeps the
// style's own look, so that it looks locked, whatever colour it had.
void renkVer(QWidget *w, const QColor &renk)
{
    QPalette p = w->palette();
    if (p.color(QPalette::Active, QPalette::Base) == renk && p.color(QPalette::Inactive, QPalette::Base) == renk)
        return;
    p.setColor(QPalette::Active, QPalette::Base, renk);
    p.setColor(QPalette::Inactive, QPalette::Base, renk);
    w->setPalette(p);
}
} // namespace

OdakDavranisi::OdakDavranisi(QWidget *pencere, const Ayar &ayar) : QObject(pencere), m_pencere(pencere), m_ayar(ayar)
{
    if (m_ayar.renklendirme)
        connect(qApp, &QApplication::focusChanged, this, &OdakDavranisi::odakDegisti);
    if (m_ayar.enterIleIlerle)
        qApp->installEventFilter(this);
}

OdakDavranisi::~OdakDavranisi()
{
    qApp->removeEventFilter(this);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void OdakDavranisi::baglayiciEkle(Baglayici *b)
{
    if (b && !m_baglayicilar.contains(b))
        m_baglayicilar << b;
}

bool OdakDavranisi::bagliMi(QWidget *w) const
{
    for (Baglayici *b : m_baglayicilar)
        if (!b->kolon(w).isEmpty())
            return true;
    return false;
}

int OdakDavranisi::renkTuru(QWidget *w) const
{
    if (!w || tarihKutusuMu(w))
        return RenkYok;
    if (qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)
        || qobject_cast<QListView *>(w) || qobject_cast<QTableWidget *>(w))
        return RenkVar;
    if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
        return RenkMemo;
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        if (qobject_cast<QComboBox *>(e->parentWidget()) || qobject_cast<QAbstractSpinBox *>(e->parentWidget()))
            return RenkYok; // part of another control
        if (!e->inputMask().isEmpty() || bagliMi(e) || m_ayar.duzEdit)
            return RenkVar;
    }
    return RenkYok;
}

void OdakDavranisi::odakDegisti(QWidget *, QWidget *yeni)
{
    QWidget *w = asilKontrol(yeni);
    if (!w || w->window() != m_pencere)
        return;
    if (renkTuru(w) == RenkYok)
        return; // grids, date editors, buttons change no colour
    const auto hepsi = m_pencere->findChildren<QWidget *>();
    for (QWidget *c : hepsi) {
        const int t = renkTuru(c);
        if (t == RenkVar || (t == RenkMemo && !m_ayar.memoHaric))
            renkVer(c, beyaz);
    }
    renkVer(w, acikMavi);
}

bool OdakDavranisi::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && o->isWidgetType()) {
        auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))) {
            QWidget *w = asilKontrol(static_cast<QWidget *>(o));
            if (w && w->window() == m_pencere && !tarihKutusuMu(w)) {
                const bool izgaraMi = qobject_cast<QTableView *>(w) && !qobject_cast<QTableWidget *>(w);
                const bool bagli = (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                                    || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
                                   && bagliMi(w);
                if (izgaraMi || bagli) {
                    sonrakineGec(w);
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(o, e);
}
