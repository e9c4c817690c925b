// The control makers of the patient screen's tabs.
#include "hastalar/frm_hastalar_ic.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace HastaEkrani {

const QStringList EvetHayir{QStringLiteral("EVET"), QStringLiteral("HAYIR")};

const QStringList KanGruplari{QStringLiteral("A RH +"),  QStringLiteral("A RH -"),  QStringLiteral("B RH +"),
                              QStringLiteral("B RH -"),  QStringLiteral("AB RH +"), QStringLiteral("AB RH -"),
                              QStringLiteral("0 RH +"),  QStringLiteral("0 RH -")};

void yetmisKarakter(QPlainTextEdit *m)
{
    QObject::connect(m, &QPlainTextEdit::textChanged, m, [m] {
        const QString t = m->toPlainText();
        if (t.size() <= 70)
            return;
        QTextCursor c = m->textCursor();
        const int yer = qMin(c.position(), 70);
        m->setPlainText(t.left(70));
        c = m->textCursor();
        c.setPosition(yer);
        m->setTextCursor(c);
    });
}

QComboBox *secim(const QString &ad, const QStringList &ogeler)
{
    auto *c = new QComboBox;
    c->setObjectName(ad);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(ogeler);
    c->setCurrentIndex(-1);
    return c;
}

QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}

namespace {

class Memo : public QPlainTextEdit
{
public:
    QSize sizeHint() const override { return {QPlainTextEdit::sizeHint().width(), minimumHeight()}; }
    QSize minimumSizeHint() const override
    {
        return {QPlainTextEdit::minimumSizeHint().width(), minimumHeight()};
    }
};

} // namespace

QPlainTextEdit *memo(const QString &ad, int yukseklik)
{
    auto *m = new Memo;
    m->setObjectName(ad);
    m->setTabChangesFocus(true);
    m->setMinimumHeight(yukseklik);
    m->setMaximumHeight(yukseklik * 2);
    return m;
}

} // namespace HastaEkrani
