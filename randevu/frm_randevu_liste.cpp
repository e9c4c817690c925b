// The appointment book's lists: the presets, "Listele", the printed lists,
// the appointment card, the filter panel and the day plan.
#include "randevu/frm_randevu.h"

#include "app/aramapenceresi.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/yetki.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString &SiraTarihSaat = RandevuSorgu::Siralama;

QDate kutuTarihi(const QLineEdit *k) { return BosTarihMaskesi(k->text()) ? QDate() : MetindenTarih(k->text()); }

} // namespace

// ---------------------------------------------------------------- filter panel

void Tfrm_randevu::suzgecKur()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *g = new QGridLayout(panel);
    auto tarih = [&](const char *ad, int r, int k) {
        auto *e = new QLineEdit(panel);
        e->setObjectName(QLatin1String(ad));
        e->setInputMask(QStringLiteral("00.00.0000"));
        e->setMaximumWidth(100);
        g->addWidget(e, r, k);
        return e;
    };
    g->addWidget(new QLabel(QStringLiteral("Rand.Tarihi"), panel), 0, 0);
    m_randevu1 = tarih("edt_baslamatarihi1", 0, 1);
    m_randevu2 = tarih("edt_baslamatarihi2", 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Kayıt Tarihi"), panel), 1, 0);
    m_kayit1 = tarih("edt_islemtarihi1", 1, 1);
    m_kayit2 = tarih("edt_islemtarihi2", 1, 2);

    auto secim = [&](const char *ad, const char *dugmeAdi, const QString &etiket, int r, bool hasta) {
        g->addWidget(new QLabel(etiket, panel), r, 3);
        auto *e = new QLineEdit(panel);
        e->setObjectName(QLatin1String(ad));
        g->addWidget(e, r, 4);
        auto *d = new QPushButton(QStringLiteral("..."), panel);
        d->setObjectName(QLatin1String(dugmeAdi));
        d->setAutoDefault(false);
        d->setMaximumWidth(30);
        g->addWidget(d, r, 5);
        connect(d, &QPushButton::clicked, this, [this, e, hasta] {
            AramaPenceresi p(hasta ? QStringLiteral("frm_hastaarama") : QStringLiteral("frm_doktorarama"), this);
            if (p.calistir() != QLatin1String("-1"))
                e->setText(p.metin(hasta ? QStringLiteral("HASTAKODU") : QStringLiteral("DOKTORKODU")));
        });
        return e;
    };
    m_hastaSuzgec = secim("edt_HASTAKOD", "btn_hastakodsec", QStringLiteral("Hasta"), 0, true);
    m_doktorSuzgec = secim("edt_DOKTORKOD", "btn_doktorkodsec", QStringLiteral("Doktor"), 1, false);
    g->addWidget(new QLabel(QStringLiteral("Sonuc"), panel), 0, 6);
    m_sonuc = new QComboBox(panel);
    m_sonuc->setObjectName(QStringLiteral("edt_sonuc"));
    m_sonuc->addItems({QString(), RandevuSorgu::Oldu, RandevuSorgu::Bekliyor, RandevuSorgu::Iptal});
    g->addWidget(m_sonuc, 0, 7);

    auto dugmeKur = [&](const char *ad, const QString &metin, const QString &ipucu, int k) {
        auto *d = new QPushButton(metin, panel);
        d->setObjectName(QLatin1String(ad));
        d->setToolTip(ipucu);
        d->setAutoDefault(false);
        g->addWidget(d, 1, k);
        return d;
    };
    connect(dugmeKur("BitBtn2", QStringLiteral("Listele"), QStringLiteral("Listele F7"), 6), &QPushButton::clicked,
            this, &Tfrm_randevu::listele);
    connect(dugmeKur("BitBtn5", QStringLiteral("Keşif"), QStringLiteral("Keşif Kağıdı Yazdır"), 7),
            &QPushButton::clicked, this, &Tfrm_randevu::kesifKagidi);
    connect(dugmeKur("BitBtn6", QStringLiteral("Excel"), QStringLiteral("Excele Aktar"), 8), &QPushButton::clicked,
            this, [this] { exceleAktar(); });
    g->setColumnStretch(9, 1);
    listeDuzeni()->addWidget(panel);
}

RandevuSorgu::Suzgec Tfrm_randevu::suzgec() const
{
    RandevuSorgu::Suzgec s;
    s.randevu1 = kutuTarihi(m_randevu1);
    s.randevu2 = kutuTarihi(m_randevu2);
    s.kayit1 = kutuTarihi(m_kayit1);
    s.kayit2 = kutuTarihi(m_kayit2);
    s.sonuc = m_sonuc->currentText().trimmed();
    s.hasta = m_hastaSuzgec->text().trimmed();
    s.doktor = m_doktorSuzgec->text().trimmed();
    return s;
}

// ---------------------------------------------------------------- lists

void Tfrm_randevu::yukle(const QString &kosullar, const QString &siralama, bool sonaGit)
{
    VeriSeti *vs = veriSeti();
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("RANDEVU")) + SirketKosulu() + yetkiKosulu() + kosullar
                          + siralama);
    if (vs->ac() && sonaGit)
        vs->son();
}

void Tfrm_randevu::onAyarSec(const QString &giris)
{
    // A pending appointment is not thrown away by a list choice.
    if (!kilitliMi())
        return;
    const QString k = RandevuSorgu::OnAyarKosulu(giris, QDate::currentDate());
    if (k.isEmpty())
        return;
    yukle(k + RandevuSorgu::SonucHastaDoktorKosulu(suzgec()), SiraTarihSaat, false);
}

void Tfrm_randevu::listele()
{
    if (!kilitliMi())
        return;
    yukle(RandevuSorgu::ListeleKosulu(suzgec()), SiraTarihSaat, false);
}

void Tfrm_randevu::onizle(const VeriKaynagi &kaynak, const QString &sablon)
{
    Rapor r;
    r.baglan(&kaynak);
    if (!r.yukle(sablon, this))
        return;
    r.baslikAyarla(sablon);
    r.onizle(this);
}

void Tfrm_randevu::listeRaporu(const QString &sablon)
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSetiKaynagi kaynak(*veriSeti());
    onizle(kaynak, sablon);
}

void Tfrm_randevu::kesifKagidi()
{
    if (!kilitliMi())
        return;
    listele();
    listeRaporu(QStringLiteral("randevurapor1.frf"));
}

void Tfrm_randevu::gunlukListe()
{
    if (!kilitliMi() || !IslemIzni(yetkiler().RAPOR, this))
        return;
    yukle(RandevuSorgu::GunlukListeKosulu(suzgec(), QDate::currentDate()), SiraTarihSaat, false);
    {
        VeriSetiKaynagi kaynak(*veriSeti());
        onizle(kaynak, QStringLiteral("randevulistesi1.frf"));
    }
    // Afterwards every appointment of the company (the own-appointments limit kept).
    yukle(QString(), SiraTarihSaat, true);
}

void Tfrm_randevu::randevuKarti()
{
    VeriSeti *vs = veriSeti();
    if (!kilitliMi() || !vs->acikMi() || vs->bosMu())
        return;
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    const QString kod = vs->metin(QStringLiteral("HASTAKODU"));
    const auto randevular = Sorgu::sec(SelectBasi(QStringLiteral("randevu")) + SirketKosulu() + yetkiKosulu()
                                       + QStringLiteral(" and hastakodu =") + SqlQuote(kod)
                                       + SiraTarihSaat);
    if (!randevular)
        return;
    m_hastalar->selectMetniAyarla(SelectBasi(QStringLiteral("hastalar")) + QStringLiteral(" and hastakodu =")
                                  + SqlQuote(kod) + SirketKosulu() + QStringLiteral(" order by hastalar.hastakodu"));
    if (!m_hastalar->ac())
        return;
    // One source for the card: each appointment with its patient's columns
    // (those the appointment does not have itself).
    QStringList kolonlar = randevular->kolonlar;
    QVector<int> hastaKolonlari;
    for (int i = 0; i < m_hastalar->kolonSayisi(); ++i)
        if (!kolonlar.contains(m_hastalar->kolonAdiAt(i))) {
            kolonlar << m_hastalar->kolonAdiAt(i);
            hastaKolonlari << i;
        }
    QVector<QVariantList> satirlar;
    for (const QVariantList &r : randevular->satirlar) {
        QVariantList s = r;
        for (int i : hastaKolonlari)
            s << (m_hastalar->bosMu() ? QVariant() : m_hastalar->satirDegeri(0, i));
        satirlar << s;
    }
    TabloKaynagi kaynak(kolonlar, satirlar);
    onizle(kaynak, QStringLiteral("RANDEVUKARTI.frf"));
    m_hastalar->kapat();
    const qint64 anahtar = vs->anahtar();
    yukle(QString(), SiraTarihSaat, false);
    vs->bul(anahtar);
}

// ---------------------------------------------------------------- day plan

void Tfrm_randevu::planKur()
{
    m_planPaneli = new QFrame(this);
    m_planPaneli->setObjectName(QStringLiteral("Panel4"));
    m_planPaneli->setFrameShape(QFrame::Box);
    m_planPaneli->setAutoFillBackground(true);
    auto *d = new QVBoxLayout(m_planPaneli);
    auto *ust = new QHBoxLayout;
    auto *baslik = new QLabel(m_planPaneli);
    baslik->setObjectName(QStringLiteral("lbl_plantarihi"));
    ust->addWidget(baslik, 1);
    auto *kapat = new QPushButton(QStringLiteral("X"), m_planPaneli);
    kapat->setObjectName(QStringLiteral("BitBtn1"));
    kapat->setToolTip(QStringLiteral("İptal"));
    kapat->setAutoDefault(false);
    kapat->setMaximumWidth(30);
    connect(kapat, &QPushButton::clicked, m_planPaneli, &QWidget::hide);
    ust->addWidget(kapat);
    d->addLayout(ust);
    m_planIzgara = new QTableWidget(0, 3, m_planPaneli);
    m_planIzgara->setObjectName(QStringLiteral("DBGrid12"));
    m_planIzgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_planIzgara->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_planIzgara->setSelectionMode(QAbstractItemView::SingleSelection);
    m_planIzgara->verticalHeader()->hide();
    m_planIzgara->horizontalHeader()->setStretchLastSection(true);
    m_planIzgara->setHorizontalHeaderLabels(
        {QStringLiteral("SAAT"), QStringLiteral("H.ADI SOYADI"), QStringLiteral("DOKTORADI")});
    m_planIzgara->setWordWrap(false);
    m_planIzgara->setColumnWidth(0, 60);
    m_planIzgara->setColumnWidth(1, 200);
    m_planIzgara->verticalHeader()->setDefaultSectionSize(m_planIzgara->fontMetrics().height() + 6);
    m_planIzgara->setContextMenuPolicy(Qt::CustomContextMenu);
    d->addWidget(m_planIzgara);

    auto *popup = new QMenu(m_planIzgara);
    popup->setObjectName(QStringLiteral("PopupMenu2"));
    auto *yeni = popup->addAction(QStringLiteral("Yeni Hastaya Randevu Ver"));
    yeni->setObjectName(QStringLiteral("YeniHastayaRandevuVer1"));
    auto *eski = popup->addAction(QStringLiteral("Eski Hastaya Randevu Ver"));
    eski->setObjectName(QStringLiteral("EskiHastayaRandevuVer1"));
    connect(yeni, &QAction::triggered, this, [this] { plandanRandevu(true, m_planIzgara->currentRow()); });
    connect(eski, &QAction::triggered, this, [this] { plandanRandevu(false, m_planIzgara->currentRow()); });
    connect(m_planIzgara, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &p) { popup->popup(m_planIzgara->viewport()->mapToGlobal(p)); });
    m_planPaneli->hide();
}

void Tfrm_randevu::planiGoster(const QDate &gun)
{
    if (!gun.isValid())
        return;
    m_planGunu = gun;
    m_planPaneli->setGeometry(240, 40, 420, 420);
    m_planPaneli->raise();
    m_planPaneli->show();
    if (auto *l = m_planPaneli->findChild<QLabel *>(QStringLiteral("lbl_plantarihi")))
        l->setText(TarihMetni(gun));
    GunPlani::Ayar a{parametre(8), parametre(9), parametre(10), parametre(11)};
    m_plan = GunPlani::Olustur(a, gun, Oturum.sirketkodu, m_doktorSuzgec->text(),
                               RandevuSorgu::YetkiDoktoru(parametre(1), yetkiler().OZELYETKI2, Oturum.username));
    m_planIzgara->setRowCount(0);
    const QString kolon = m_plan.kolon.isEmpty() ? QStringLiteral("DOKTORADI") : m_plan.kolon;
    m_planIzgara->setHorizontalHeaderLabels({QStringLiteral("SAAT"), QStringLiteral("H.ADI SOYADI"), kolon});
    if (!m_plan.hata.isEmpty()) {
        Mesaj::goster(m_plan.hata, this);
        return;
    }
    m_planIzgara->setRowCount(int(m_plan.satirlar.size()));
    for (int i = 0; i < m_plan.satirlar.size(); ++i) {
        const GunPlani::Satir &s = m_plan.satirlar.at(i);
        m_planIzgara->setItem(i, 0, new QTableWidgetItem(s.saat.toString(QStringLiteral("hh:mm"))));
        m_planIzgara->setItem(i, 1, new QTableWidgetItem(s.hastaAdi));
        m_planIzgara->setItem(i, 2, new QTableWidgetItem(s.aciklama));
    }
    if (!m_plan.satirlar.isEmpty())
        m_planIzgara->setCurrentCell(0, 0);
}

void Tfrm_randevu::plandanRandevu(bool yeniHasta, int satir)
{
    if (satir < 0 || satir >= m_plan.satirlar.size() || !kilitliMi())
        return;
    const QTime saat = m_plan.satirlar.at(satir).saat;
    VeriSeti *vs = veriSeti();
    if (yeniHasta)
        m_yeniHasta->setChecked(true);
    yeni();
    if (vs->durum() != VeriSeti::Durum::Ekle) {
        m_yeniHasta->setChecked(false); // New was refused: nothing changed
        return;
    }
    // An existing patient's booking whose patient pick was cancelled is dropped whole.
    if (!m_yeniHasta->isChecked() && vs->metin(QStringLiteral("HASTAKODU")).trimmed().isEmpty()) {
        iptal();
        return;
    }
    vs->degerAyarla(QStringLiteral("RANDEVUTARIHI"), QDateTime(m_planGunu, QTime(0, 0)));
    vs->degerAyarla(QStringLiteral("RANDEVUSAATI"), RandevuSorgu::SaatDegeri(saat));
    saatGoster();
    m_planPaneli->hide();
}
