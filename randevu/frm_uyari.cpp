#include "randevu/frm_uyari.h"

#include "app/oturum.h"
#include "app/parametre.h"
#include "db/sqltext.h"
#include "randevu/randevusorgu.h"
#include "raporlar/motor/rapor.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using Uyarilar::Tur;


Tfrm_uyari::Tfrm_uyari(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_uyari"));
    setWindowTitle(QStringLiteral("Uyarı -  Hatırlatma Sistemi"));
    setModal(true);
    resize(560, 420);
    m_parametreler = QStringList(10, QString());

    auto *ana = new QVBoxLayout(this);
    auto *ust_ = new QFrame(this);
    ust_->setObjectName(QStringLiteral("Panel7"));
    ust_->setFrameShape(QFrame::StyledPanel);
    auto *ustDuzen = new QHBoxLayout(ust_);
    auto *kapat = new QPushButton(QStringLiteral("&Kapat"), ust_);
    kapat->setObjectName(QStringLiteral("btn_kapat"));
    kapat->setAutoDefault(false);
    connect(kapat, &QPushButton::clicked, this, &QDialog::close);
    ustDuzen->addWidget(kapat);
    ustDuzen->addStretch();
    m_tarih = new QLineEdit(ust_);
    m_tarih->setObjectName(QStringLiteral("edt_tarih"));
    m_tarih->setReadOnly(true);
    m_tarih->setMaximumWidth(110);
    ustDuzen->addWidget(m_tarih);
    ana->addWidget(ust_);

    for (Tur t : Uyarilar::Sira()) {
        auto *s = new QFrame(this);
        s->setObjectName(Uyarilar::PanelAdi(t));
        s->setFrameShape(QFrame::StyledPanel);
        auto *d = new QHBoxLayout(s);
        auto *baslik = new QLabel(Uyarilar::Baslik(t), s);
        QFont f = baslik->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        baslik->setFont(f);
        d->addWidget(baslik, 1);
        auto *b = new QPushButton(QStringLiteral("Ayrıntılar"), s);
        b->setObjectName(Uyarilar::DugmeAdi(t));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, t] { ayrintilar(t); });
        d->addWidget(b);
        s->hide();
        ana->addWidget(s);
        m_satirlar.insert(int(t), s);
    }
    ana->addStretch();
}

Tfrm_uyari::~Tfrm_uyari() = default;

void Tfrm_uyari::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_gosterildi)
        return;
    m_gosterildi = true;
    degerlendir();
}

void Tfrm_uyari::degerlendir()
{
    ParametreOku(QStringLiteral("uyari"), m_parametreler); // read for the site; no slot has an effect
    const QDate bugun = QDate::currentDate();
    m_tarih->setText(TarihMetni(bugun));
    for (QFrame *f : std::as_const(m_satirlar))
        f->hide();
    m_sayilar.clear();
    m_notlar.reset();
    m_doktor = RandevuSorgu::OturumYetkiDoktoru();
    for (Tur t : Uyarilar::DegerlendirmeSirasi()) {
        auto s = oku(t, bugun);
        if (!s) {
            // The error has been shown; the lines evaluated so far stay as they are.
            m_sayilar.insert(int(t), -1);
            return;
        }
        m_sayilar.insert(int(t), int(s->satirlar.size()));
        m_satirlar.value(int(t))->setVisible(!s->satirlar.isEmpty());
        if (t == Tur::Not)
            m_notlar = std::move(s);
    }
    // Nothing due: the top bar alone, without an empty area under it.
    if (std::all_of(m_sayilar.cbegin(), m_sayilar.cend(), [](int n) { return n == 0; })) {
        layout()->activate();
        resize(width(), layout()->minimumSize().height());
    }
}

std::optional<Sorgu::Sonuc> Tfrm_uyari::oku(Tur t, const QDate &gun) const
{
    const bool doktorla = !m_doktor.isEmpty() && !Uyarilar::DoktorKolonu(t).isEmpty();
    return Sorgu::sec(Uyarilar::Sql(t, Oturum.sirketkodu, gun, doktorla),
                      doktorla ? QVariantList{m_doktor} : QVariantList());
}

int Tfrm_uyari::satirSayisi(Tur t) const { return m_sayilar.value(int(t), -1); }

bool Tfrm_uyari::gorunurMu(Tur t) const
{
    QFrame *f = m_satirlar.value(int(t));
    return f && !f->isHidden();
}

void Tfrm_uyari::ayrintilar(Tur t)
{
    std::optional<Sorgu::Sonuc> s;
    if (t == Tur::Not && m_notlar)
        s = m_notlar;
    else
        s = oku(t, QDate::currentDate());
    if (!s)
        return;
    SorguKaynagi kaynak(*s);
    Rapor r;
    r.baglan(&kaynak);
    if (!r.yukle(Uyarilar::Sablon(t), this))
        return; // the file error has been shown; the window stays
    r.baslikAyarla(t == Tur::Not ? QStringLiteral("VELMORIKA UYARI") : Uyarilar::Sablon(t));
    r.onizle(this);
}
