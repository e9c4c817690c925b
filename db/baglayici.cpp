#include "db/baglayici.h"

#include "db/hata.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <QCheckBox>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

#include <memory>
#include <vector>

namespace {

enum class BagTuru { Satir, Combo, DuzMetin, ZenginMetin, Onay, TamSayac, OndSayac };

struct Bag
{
    QPointer<QWidget> w;
    BagTuru tur = BagTuru::Satir;
    QString kolon;
    bool buyuk = false;
    bool tarih = false;      // date box
    bool sayi = false;       // number box
    QString evet, hayir;
    bool bozuk = false;      // the box holds text the column cannot store
    QString bozukMetin;
    QString etiket;          // set by the screen; else found from the layout
};

// A number as a person types it: Turkish decimal comma, no grouping.
QString sayiMetni(const QVariant &v, KolonTuru tur)
{
    if (tur == KolonTuru::Tamsayi)
        return QString::number(v.toLongLong());
    QString s = QString::number(v.toDouble(), 'f', 6);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString gosterimMetni(const QVariant &v, KolonTuru tur)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (tur) {
    case KolonTuru::Tarih:
        return v.toDateTime().date().toString(TarihBicimi);
    case KolonTuru::Tamsayi:
    case KolonTuru::Ondalik:
        return sayiMetni(v, tur);
    default:
        return v.toString();
    }
}

bool icerir(QLayout *l, QWidget *w)
{
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem *o = l->itemAt(i);
        if (o->widget() == w || (o->layout() && icerir(o->layout(), w)))
            return true;
    }
    return false;
}

// The row label of a form layout (possibly nested) holding w.
QWidget *formEtiketi(QLayout *l, QWidget *w)
{
    auto *form = qobject_cast<QFormLayout *>(l);
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem *o = l->itemAt(i);
        if (o->widget() == w)
            return form ? form->labelForField(w) : nullptr;
        QLayout *alt = o->layout();
        if (!alt || !icerir(alt, w))
            continue;
        if (QWidget *e = formEtiketi(alt, w))
            return e;
        return form ? form->labelForField(alt) : nullptr;
    }
    return nullptr;
}

// A label's text as a person reads it: no mnemonic ampersand, no closing colon.
QString etiketMetni(const QLabel *l)
{
    const QString t = l->text();
    QString s;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) == QLatin1Char('&')) {
            if (i + 1 < t.size() && t.at(i + 1) == QLatin1Char('&'))
                s += t.at(++i);
            continue;
        }
        s += t.at(i);
    }
    s = s.simplified();
    while (s.endsWith(QLatin1Char(':')))
        s.chop(1);
    return s.trimmed();
}

} // namespace

struct Baglayici::Ozel
{
    QPointer<VeriSeti> vs;
    std::vector<std::unique_ptr<Bag>> baglar;
    int yukleniyor = 0;
    QWidget *yazan = nullptr;   // the control whose text is being written

    Bag *bul(QWidget *w) const
    {
        for (const auto &b : baglar)
            if (b->w == w)
                return b.get();
        return nullptr;
    }

    KolonTuru tur(const Bag &b) const
    {
        if (!vs)
            return KolonTuru::Metin;
        const int k = vs->kolonSirasi(b.kolon);
        if (k >= 0)
            return vs->kolonTuru(k);
        if (const Kolon *kol = vs->tablo().kolon(b.kolon))
            return kol->tur;
        return KolonTuru::Metin;
    }

    bool satirVar() const { return vs && vs->acikMi() && vs->gecerliSatir() >= 0; }

    // Shows the current row's value in one control.
    void yukle(Bag &b)
    {
        if (!b.w || b.w == yazan)
            return;
        ++yukleniyor;
        b.bozuk = false;
        b.bozukMetin.clear();
        const QVariant v = satirVar() ? vs->deger(b.kolon) : QVariant();
        const KolonTuru t = tur(b);
        const QString metin = gosterimMetni(v, t);
        switch (b.tur) {
        case BagTuru::Satir: {
            auto *e = static_cast<QLineEdit *>(b.w.data());
            if (e->text() != metin || b.tarih)
                e->setText(metin);
            break;
        }
        case BagTuru::Combo: {
            auto *c = static_cast<QComboBox *>(b.w.data());
            if (c->isEditable()) {
                c->setCurrentIndex(c->findText(metin, Qt::MatchExactly));
                c->setEditText(metin);
            } else {
                c->setCurrentIndex(metin.isEmpty() ? -1 : c->findText(metin, Qt::MatchExactly));
            }
            break;
        }
        case BagTuru::DuzMetin: {
            auto *e = static_cast<QPlainTextEdit *>(b.w.data());
            if (e->toPlainText() != metin)
                e->setPlainText(metin);
            break;
        }
        case BagTuru::ZenginMetin: {
            auto *e = static_cast<QTextEdit *>(b.w.data());
            if (e->toPlainText() != metin)
                e->setPlainText(metin);
            break;
        }
        case BagTuru::Onay:
            static_cast<QCheckBox *>(b.w.data())->setChecked(!v.isNull() && v.toString() == b.evet);
            break;
        case BagTuru::TamSayac: {
            auto *s = static_cast<QSpinBox *>(b.w.data());
            s->setValue(v.isNull() ? s->minimum() : int(v.toLongLong()));
            break;
        }
        case BagTuru::OndSayac: {
            auto *s = static_cast<QDoubleSpinBox *>(b.w.data());
            s->setValue(v.isNull() ? s->minimum() : v.toDouble());
            break;
        }
        }
        --yukleniyor;
    }

    void hepsiniYukle()
    {
        for (const auto &b : baglar)
            yukle(*b);
    }

    void kolonuYukle(const QString &kolon)
    {
        for (const auto &b : baglar)
            if (b->kolon.compare(kolon, Qt::CaseInsensitive) == 0)
                yukle(*b);
    }

    // The user changed a control: write its value into the current row.
    void yaz(Bag &b, const QVariant &deger)
    {
        if (yukleniyor || !b.w)
            return;
        if (!satirVar()) {
            yukle(b);
            return;
        }
        if (vs->durum() == VeriSeti::Durum::Gozat) {
            QWidget *onceki = yazan;
            yazan = b.w;
            const bool tamam = vs->duzenle();
            yazan = onceki;
            if (!tamam) {
                yukle(b);
                return;
            }
        }
        const KolonTuru t = tur(b);
        QVariant v = deger;
        if ((t == KolonTuru::Tarih || t == KolonTuru::Tamsayi || t == KolonTuru::Ondalik)
            && deger.typeId() == QMetaType::QString) {
            // Date and number text is written only once it means something.
            QVariant c;
            const QString metin = deger.toString();
            bool tamam = t == KolonTuru::Tarih ? (BosTarihMaskesi(metin) || MetindenTarih(metin).isValid())
                                               : VeriSeti::degerCevir(t, metin, &c);
            if (!tamam) {
                b.bozuk = true;
                b.bozukMetin = metin;
                return;
            }
            if (t == KolonTuru::Tarih)
                v = BosTarihMaskesi(metin) ? QVariant() : QVariant(QDateTime(MetindenTarih(metin), QTime(0, 0)));
        }
        b.bozuk = false;
        b.bozukMetin.clear();
        QWidget *onceki = yazan;
        yazan = b.w;
        vs->degerAyarla(b.kolon, v);
        yazan = onceki;
    }
};

Baglayici::Baglayici(VeriSeti *veriSeti, QObject *ust)
    : QObject(ust)
    , d(new Ozel)
{
    d->vs = veriSeti;
    if (!veriSeti)
        return;
    auto hepsi = [this] { d->hepsiniYukle(); };
    connect(veriSeti, &VeriSeti::acildi, this, hepsi);
    connect(veriSeti, &VeriSeti::kapandi, this, hepsi);
    connect(veriSeti, &VeriSeti::gecerliSatirDegisti, this, hepsi);
    connect(veriSeti, &VeriSeti::satirGuncellendi, this, [this](int satir) {
        if (d->vs && satir == d->vs->gecerliSatir())
            d->hepsiniYukle();
    });
    connect(veriSeti, &VeriSeti::alanDegisti, this, [this](const QString &kolon) { d->kolonuYukle(kolon); });
    veriSeti->kaydetKontroluEkle(this, [this] { return dogrula() == nullptr; });
}

Baglayici::~Baglayici() { delete d; }

VeriSeti *Baglayici::veriSeti() const { return d->vs; }

static Bag *yeniBag(std::vector<std::unique_ptr<Bag>> &baglar, QWidget *w, BagTuru tur, const QString &kolon)
{
    baglar.push_back(std::make_unique<Bag>());
    Bag *b = baglar.back().get();
    b->w = w;
    b->tur = tur;
    b->kolon = kolon;
    return b;
}

void Baglayici::bagla(QLineEdit *kutu, const QString &kolon, bool buyukHarf)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::Satir, kolon);
    b->buyuk = buyukHarf;
    if (d->vs) {
        const Kolon *k = d->vs->tablo().kolon(kolon);
        if (k && k->tur == KolonTuru::Metin && k->uzunluk > 0)
            kutu->setMaxLength(k->uzunluk);
    }
    connect(kutu, &QLineEdit::textEdited, this, [this, kutu](const QString &metin) {
        Bag *b = d->bul(kutu);
        if (!b)
            return;
        QString s = metin;
        if (b->buyuk) {
            ++d->yukleniyor;
            s = BuyukHarf::uygula(kutu, metin);
            --d->yukleniyor;
        }
        d->yaz(*b, s);
    });
    d->yukle(*b);
}

void Baglayici::bagla(QComboBox *kutu, const QString &kolon, bool buyukHarf)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::Combo, kolon);
    b->buyuk = buyukHarf;
    if (kutu->isEditable()) {
        connect(kutu, &QComboBox::editTextChanged, this, [this, kutu](const QString &metin) {
            Bag *b = d->bul(kutu);
            if (!b || d->yukleniyor)
                return;
            QString s = metin;
            if (b->buyuk) {
                ++d->yukleniyor;
                s = BuyukHarf::uygula(kutu, metin);
                --d->yukleniyor;
            }
            d->yaz(*b, s);
        });
    } else {
        connect(kutu, &QComboBox::currentIndexChanged, this, [this, kutu](int) {
            if (Bag *b = d->bul(kutu))
                d->yaz(*b, kutu->currentText());
        });
    }
    // Items added or removed by the screen move the combo's index on their
    // own: that is no choice of the user, the row's value is shown again.
    if (QAbstractItemModel *m = kutu->model()) {
        auto basla = [this] { ++d->yukleniyor; };
        auto bitir = [this, kutu] {
            --d->yukleniyor;
            if (Bag *b = d->bul(kutu))
                d->yukle(*b);
        };
        connect(m, &QAbstractItemModel::rowsAboutToBeInserted, this, basla);
        connect(m, &QAbstractItemModel::rowsInserted, this, bitir);
        connect(m, &QAbstractItemModel::rowsAboutToBeRemoved, this, basla);
        connect(m, &QAbstractItemModel::rowsRemoved, this, bitir);
        connect(m, &QAbstractItemModel::modelAboutToBeReset, this, basla);
        connect(m, &QAbstractItemModel::modelReset, this, bitir);
    }
    d->yukle(*b);
}

void Baglayici::bagla(QPlainTextEdit *kutu, const QString &kolon, bool buyukHarf)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::DuzMetin, kolon);
    b->buyuk = buyukHarf;
    connect(kutu, &QPlainTextEdit::textChanged, this, [this, kutu] {
        Bag *b = d->bul(kutu);
        if (!b || d->yukleniyor)
            return;
        QString s = kutu->toPlainText();
        if (b->buyuk) {
            ++d->yukleniyor;
            s = BuyukHarf::uygula(kutu);
            --d->yukleniyor;
        }
        d->yaz(*b, s);
    });
    d->yukle(*b);
}

void Baglayici::bagla(QTextEdit *kutu, const QString &kolon, bool buyukHarf)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::ZenginMetin, kolon);
    b->buyuk = buyukHarf;
    kutu->setAcceptRichText(false);
    connect(kutu, &QTextEdit::textChanged, this, [this, kutu] {
        Bag *b = d->bul(kutu);
        if (!b || d->yukleniyor)
            return;
        QString s = kutu->toPlainText();
        if (b->buyuk) {
            ++d->yukleniyor;
            s = BuyukHarf::uygula(kutu);
            --d->yukleniyor;
        }
        d->yaz(*b, s);
    });
    d->yukle(*b);
}

void Baglayici::bagla(QCheckBox *kutu, const QString &kolon, const QString &evet, const QString &hayir)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::Onay, kolon);
    b->evet = evet;
    b->hayir = hayir;
    connect(kutu, &QCheckBox::toggled, this, [this, kutu](bool isaretli) {
        if (Bag *b = d->bul(kutu))
            d->yaz(*b, isaretli ? b->evet : b->hayir);
    });
    d->yukle(*b);
}

void Baglayici::bagla(QSpinBox *kutu, const QString &kolon)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::TamSayac, kolon);
    connect(kutu, &QSpinBox::valueChanged, this, [this, kutu](int deger) {
        if (Bag *b = d->bul(kutu))
            d->yaz(*b, QVariant(qlonglong(deger)));
    });
    d->yukle(*b);
}

void Baglayici::bagla(QDoubleSpinBox *kutu, const QString &kolon)
{
    coz(kutu);
    Bag *b = yeniBag(d->baglar, kutu, BagTuru::OndSayac, kolon);
    connect(kutu, &QDoubleSpinBox::valueChanged, this, [this, kutu](double deger) {
        if (Bag *b = d->bul(kutu))
            d->yaz(*b, QVariant(deger));
    });
    d->yukle(*b);
}

void Baglayici::tarihBagla(QLineEdit *kutu, const QString &kolon)
{
    kutu->setInputMask(QStringLiteral("00.00.0000"));
    bagla(kutu, kolon, false);
    if (Bag *b = d->bul(kutu)) {
        b->tarih = true;
        d->yukle(*b);
    }
}

void Baglayici::sayiBagla(QLineEdit *kutu, const QString &kolon)
{
    bagla(kutu, kolon, false);
    if (Bag *b = d->bul(kutu)) {
        b->sayi = true;
        kutu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void Baglayici::coz(QWidget *kutu)
{
    if (!kutu)
        return;
    for (auto it = d->baglar.begin(); it != d->baglar.end(); ++it) {
        if ((*it)->w == kutu) {
            disconnect(kutu, nullptr, this, nullptr);
            if (auto *c = qobject_cast<QComboBox *>(kutu); c && c->model())
                disconnect(c->model(), nullptr, this, nullptr);
            d->baglar.erase(it);
            return;
        }
    }
}

QWidget *Baglayici::kontrol(const QString &kolon) const
{
    for (const auto &b : d->baglar)
        if (b->w && b->kolon.compare(kolon, Qt::CaseInsensitive) == 0)
            return b->w;
    return nullptr;
}

QString Baglayici::kolon(QWidget *kutu) const
{
    const Bag *b = d->bul(kutu);
    return b ? b->kolon : QString();
}

void Baglayici::etiketAyarla(QWidget *kutu, const QString &etiket)
{
    if (Bag *b = d->bul(kutu))
        b->etiket = etiket;
}

QString Baglayici::etiket(QWidget *kutu) const
{
    const Bag *b = d->bul(kutu);
    if (!b || !kutu)
        return QString();
    if (!b->etiket.isEmpty())
        return b->etiket;
    const auto etiketler = kutu->window()->findChildren<QLabel *>();
    for (const QLabel *l : etiketler)
        if (l->buddy() == kutu)
            return etiketMetni(l);
    if (QWidget *ust = kutu->parentWidget(); ust && ust->layout())
        if (auto *l = qobject_cast<QLabel *>(formEtiketi(ust->layout(), kutu)))
            return etiketMetni(l);
    return QString();
}

QList<QWidget *> Baglayici::kontroller() const
{
    QList<QWidget *> l;
    for (const auto &b : d->baglar)
        if (b->w)
            l << b->w.data();
    return l;
}

QWidget *Baglayici::dogrula()
{
    for (const auto &b : d->baglar) {
        if (!b->w || !b->bozuk)
            continue;
        const KolonTuru t = d->tur(*b);
        QString ad = etiket(b->w);
        if (ad.isEmpty())
            ad = b->kolon.toUpper();
        QWidget *w = b->w;
        odakla(w); // the box comes into view before its message
        VeriHatasi::bilgi(VeriSeti::gecersizDegerMesaji(ad, t, b->bozukMetin), w->window());
        w->setFocus();
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->selectAll();
        return w;
    }
    return nullptr;
}

void Baglayici::odakla(QWidget *kutu)
{
    if (!kutu)
        return;
    for (QWidget *p = kutu->parentWidget(); p; p = p->parentWidget()) {
        if (auto *t = qobject_cast<QTabWidget *>(p)) {
            for (int i = 0; i < t->count(); ++i) {
                QWidget *sayfa = t->widget(i);
                if (sayfa && (sayfa == kutu || sayfa->isAncestorOf(kutu))) {
                    t->setCurrentIndex(i);
                    break;
                }
            }
        }
        if (p->isWindow())
            break;
    }
    // Scroll only once the pages are current: the box has its place then.
    for (QWidget *p = kutu->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto *s = qobject_cast<QScrollArea *>(p))
            s->ensureWidgetVisible(kutu);
    kutu->setFocus();
}

void Baglayici::goster() { d->hepsiniYukle(); }

namespace BuyukHarf {
namespace {
// Memos: the whole text again, the cursor at its old place.
template <class Kutu>
QString metinKutusu(Kutu *kutu)
{
    const QString s = kutu->toPlainText();
    const QString buyuk = TurkceBuyuk(s);
    if (buyuk == s)
        return s;
    const int imlec = kutu->textCursor().position();
    kutu->setPlainText(buyuk);
    QTextCursor c = kutu->textCursor();
    c.setPosition(qMin(imlec, int(buyuk.size())));
    kutu->setTextCursor(c);
    return buyuk;
}
} // namespace

QString uygula(QLineEdit *kutu, const QString &metin)
{
    const QString buyuk = TurkceBuyuk(metin);
    if (buyuk == metin)
        return metin;
    const int imlec = kutu->cursorPosition();
    kutu->setText(buyuk);
    kutu->setCursorPosition(qMin(imlec, int(buyuk.size())));
    return buyuk;
}

QString uygula(QComboBox *kutu, const QString &metin)
{
    const QString buyuk = TurkceBuyuk(metin);
    if (buyuk == metin)
        return metin;
    QLineEdit *e = kutu->lineEdit();
    const int imlec = e ? e->cursorPosition() : int(buyuk.size());
    kutu->setEditText(buyuk);
    if (e)
        e->setCursorPosition(qMin(imlec, int(buyuk.size())));
    return buyuk;
}

QString uygula(QPlainTextEdit *kutu) { return metinKutusu(kutu); }
QString uygula(QTextEdit *kutu) { return metinKutusu(kutu); }

void surekli(QLineEdit *kutu)
{
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString &s) { uygula(kutu, s); });
}

} // namespace BuyukHarf

