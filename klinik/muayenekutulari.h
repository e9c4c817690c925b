#pragma once
// Pieces the examination screens (general and eye) share: builders for
// their edit tabs (named boxes, memos, choosers, buttons, a label/control
// grid, the "*" means today filter of date boxes) and the doctor's share
// settings taken into a row.
#include "app/aramasecimi.h"
#include "app/kayitekrani.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace MuayeneKutulari {

// Enter moves to the next field on the record screens, so a line break in a
// memo is typed with Ctrl+Enter.
class SatirSonuSuzgeci : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && (k->modifiers() & Qt::ControlModifier))
                if (auto *m = qobject_cast<QPlainTextEdit *>(o)) {
                    m->insertPlainText(QStringLiteral("\n"));
                    return true;
                }
        }
        return QObject::eventFilter(o, e);
    }
};

inline QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}

inline QPlainTextEdit *memo(const QString &ad, int yukseklik = 48)
{
    auto *m = new QPlainTextEdit;
    m->setObjectName(ad);
    m->setMaximumHeight(yukseklik);
    m->setTabChangesFocus(true);
    m->installEventFilter(new SatirSonuSuzgeci(m));
    return m;
}

inline QComboBox *secim(const QString &ad, const QStringList &secenekler, bool duzenlenebilir)
{
    auto *c = new QComboBox;
    c->setObjectName(ad);
    c->setEditable(duzenlenebilir);
    if (duzenlenebilir)
        c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(secenekler);
    return c;
}

inline QPushButton *yeniDugme(const QString &ad, const QString &metin)
{
    auto *b = new QPushButton(metin);
    b->setObjectName(ad);
    b->setAutoDefault(false);
    return b;
}

// Puts a label and its control into the next cell of a two-pair grid.
struct Izgara
{
    QGridLayout *g;
    int satir = 0, sutun = 0;
    void ekle(const QString &etiket, QWidget *w, QWidget *yaninda = nullptr)
    {
        auto *l = new QLabel(etiket);
        l->setBuddy(w); // messages name the field by it
        g->addWidget(l, satir, sutun * 3);
        if (yaninda) {
            auto *h = new QHBoxLayout;
            h->addWidget(w, 1);
            h->addWidget(yaninda);
            g->addLayout(h, satir, sutun * 3 + 1, 1, 2);
        } else {
            g->addWidget(w, satir, sutun * 3 + 1, 1, 2);
        }
        if (++sutun == 2) {
            sutun = 0;
            ++satir;
        }
    }
    void tamSatir(const QString &etiket, QWidget *w, QWidget *yaninda = nullptr)
    {
        if (sutun)
            ++satir;
        sutun = 0;
        auto *l = new QLabel(etiket);
        l->setBuddy(w);
        g->addWidget(l, satir, 0);
        g->addWidget(w, satir, 1, 1, yaninda ? 4 : 5);
        if (yaninda)
            g->addWidget(yaninda, satir, 5);
        ++satir;
    }
};

// "*" typed into a date box means today.
class BugunSuzgeci : public QObject
{
public:
    BugunSuzgeci(VeriSeti *vs, QString kolon, QObject *ust) : QObject(ust), m_vs(vs), m_kolon(std::move(kolon)) {}

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->text() == QLatin1String("*")) {
            m_vs->degerAyarla(m_kolon, QDateTime(QDate::currentDate(), QTime(0, 0)));
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    VeriSeti *m_vs;
    QString m_kolon;
};

// The share settings of a doctor of the login company into the row (a pick
// or a preset); the computed share starts again from 0.
inline void doktorPayiniAl(VeriSeti *vs, const QString &doktorKodu)
{
    if (doktorKodu.isEmpty())
        return;
    const auto s = Sorgu::sec(QStringLiteral("select *  from doktorlar where 1=1 ") + QStringLiteral(" and doktorkodu =")
                              + SqlQuote(doktorKodu) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                              + QStringLiteral(" "));
    if (s && !s->satirlar.isEmpty()) {
        vs->degerAyarla(QStringLiteral("DOKTORPAYTURU"), s->deger(0, QStringLiteral("DOKTORPAYTURU")));
        vs->degerAyarla(QStringLiteral("DOKTORPAYPARAM"), s->deger(0, QStringLiteral("DOKTORPAYPARAM")));
    }
    vs->degerAyarla(QStringLiteral("DOKTORPAYTUTARI"), 0.0);
}

// The staff lookup's pick into the current examination (put into edit
// first): the doctor with his share settings, the computed share from 0.
// False when nothing was picked or the row cannot be edited.
inline bool doktorSec(VeriSeti *vs, QWidget *ust)
{
    if (!AramadanSatira(QStringLiteral("frm_doktorarama"), *vs,
                        {{QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORKODU")},
                         {QStringLiteral("DOKTORADISOYADI"), QStringLiteral("DOKTORADI")},
                         {QStringLiteral("DOKTORPAYTURU"), QStringLiteral("DOKTORPAYTURU")},
                         {QStringLiteral("DOKTORPAYPARAM"), QStringLiteral("DOKTORPAYPARAM")}},
                        ust))
        return false;
    vs->degerAyarla(QStringLiteral("DOKTORPAYTUTARI"), 0.0);
    return true;
}

// Doctors who may see only their own examinations (parameter 1 and no
// OZELYETKI2), on every reload of either examination screen.
inline QString kendiMuayeneleriKosulu(const KayitEkrani *e)
{
    if (e->parametre(1) == QLatin1String("E") && e->yetkiler().OZELYETKI2 == QLatin1String("H"))
        return QStringLiteral(" and DOKTORKODU =") + SqlQuote(Oturum.username);
    return QString();
}

// The record-pattern settings both examination screens have in common:
// module and parameters "MUAYENE", the lock message, the search entries, the
// sort columns, the patient a row must have and the company it is saved under.
inline void ortakAyarlar(KayitEkraniAyari &a, KayitEkrani *e)
{
    a.modul = QStringLiteral("MUAYENE");
    a.parametreEkrani = QStringLiteral("MUAYENE");
    a.parametreSayisi = 13;
    a.kilitMesaji = QStringLiteral(" UYARI  MUAYENE KİLİTLİ .... Muayenede Değişiklik Yapmak İstiyorsanız Önce "
                                   "DEĞİŞTİR Tuşuna Basın ");
    a.ilkAlan = QStringLiteral("edt_hastakodu");
    a.aramaIpucu = QStringLiteral("Muayene Bul Ctrl+F");
    a.aramaMenuAdi = QStringLiteral("MuayeneAra1");
    a.aramaMenuBasligi = QStringLiteral("Muayene Ara");
    a.siralamaKolonlari = {QStringLiteral("HASTAADISOYADI"), QStringLiteral("DOKTORADI")};
    a.baslikEki.clear(); // the caption is written on every row change
    auto hastaVarMi = [e] {
        if (!e->veriSeti()->metin(QStringLiteral("HASTAKODU")).trimmed().isEmpty())
            return true;
        Mesaj::goster(QStringLiteral("Hasta Kodu Boş Olamaz.Lütfen Bir Hasta Seçiniz"), e);
        e->odakla(QStringLiteral("edt_hastakodu"));
        return false;
    };
    a.eklemeDogrula = hastaVarMi;
    a.duzenlemeDogrula = hastaVarMi;
    a.kaydetmedenOnce = [e] {
        VeriSeti *vs = e->veriSeti();
        if (vs->metin(QStringLiteral("SIRKETKODU")) != Oturum.sirketkodu)
            vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        return true;
    };
}

inline const QStringList EvetHayir = {QStringLiteral("E"), QStringLiteral("H")};

} // namespace MuayeneKutulari
