// "Hasta Bilgileri", the first tab of the patient screen's edit area: the
// panel the lock switches. Identity on the left, contact and doctor on the
// right, the two reminders under them side by side, the photo beside them.
#include "hastalar/frm_hastalar.h"
#include "hastalar/frm_hastalar_ic.h"

#include "app/resimdeposu.h"
#include "app/resimgalerisi.h"
#include "db/baglayici.h"
#include "hastalar/iller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace HastaEkrani;

namespace {
// A row label; its buddy is the control messages name by it.
QLabel *etiket(const QString &t, QWidget *kontrol)
{
    auto *l = new QLabel(t);
    l->setBuddy(kontrol);
    return l;
}
} // namespace

void Tfrm_hastalar::bilgilerSekmesiKur()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    auto *g = new QGridLayout(panel);
    g->setContentsMargins(4, 4, 4, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    const int satir = kimlikSutunuKur(g);
    const int s2 = iletisimSutunuKur(g);
    // The two reminders side by side under the two columns.
    hatirlatmaSatiriKur(g, qMax(satir, s2), 1);
    hatirlatmaSatiriKur(g, qMax(satir, s2), 2);
    fotografKutusuKur(g);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    auto *sayfa1 = new QWidget;
    sayfa1->setObjectName(QStringLiteral("ts_hastabilgileri"));
    auto *s1 = new QVBoxLayout(sayfa1);
    s1->setContentsMargins(0, 0, 0, 0);
    s1->addWidget(panel);
    m_sekmeler->addTab(sayfa1, QStringLiteral("Hasta Bilgileri"));
    // The framework's own empty area gives way to the panel (it goes with the next event loop).
    QWidget *eskiAlan = duzenlemeAlani();
    duzenlemeAlaniAyarla(panel);
    if (eskiAlan != panel) {
        eskiAlan->setObjectName(QString());
        eskiAlan->hide();
    }
}

int Tfrm_hastalar::kimlikSutunuKur(QGridLayout *g)
{
    Baglayici *b = baglayici();
    int satir = 0;

    m_kod = kutu(QStringLiteral("edt_hastakodu"));
    b->bagla(m_kod, QStringLiteral("HASTAKODU"), true);
    m_otoKod = new QCheckBox(QStringLiteral("Oto. Kod"));
    m_otoKod->setObjectName(QStringLiteral("CheckBox1"));
    m_otoKod->hide();
    m_otoKod->installEventFilter(this);
    connect(m_otoKod, &QCheckBox::clicked, this, [this](bool c) {
        if (c)
            otoKod();
    });
    auto *kodSatiri = new QHBoxLayout;
    kodSatiri->addWidget(m_kod);
    kodSatiri->addWidget(m_otoKod);
    g->addWidget(etiket(QStringLiteral("Hasta Kodu"), m_kod), satir, 0);
    g->addLayout(kodSatiri, satir++, 1);
    m_kod->setContextMenuPolicy(Qt::CustomContextMenu);
    m_kod->installEventFilter(this);

    m_ad = kutu(QStringLiteral("edt_hastaadi"));
    b->bagla(m_ad, QStringLiteral("HASTAADISOYADI"), true);
    connect(m_ad, &QLineEdit::editingFinished, this, &Tfrm_hastalar::adKontrol);
    g->addWidget(etiket(QStringLiteral("Hasta Adı"), m_ad), satir, 0);
    g->addWidget(m_ad, satir++, 1);

    auto *dogum = kutu(QStringLiteral("edt_dogumtarihi"));
    b->tarihBagla(dogum, QStringLiteral("DOGUMTARIHI"));
    m_dogumYili = kutu(QStringLiteral("Edit1"));
    m_dogumYili->setMaxLength(4);
    m_dogumYili->setMaximumWidth(60);
    m_dogumYili->setPlaceholderText(QStringLiteral("Yıl"));
    m_dogumYili->hide();
    connect(m_dogumYili, &QLineEdit::editingFinished, this, &Tfrm_hastalar::dogumYiliGirildi);
    auto *dogumSatiri = new QHBoxLayout;
    dogumSatiri->addWidget(dogum);
    dogumSatiri->addWidget(m_dogumYili);
    g->addWidget(etiket(QStringLiteral("Doğum Tarihi"), dogum), satir, 0);
    g->addLayout(dogumSatiri, satir++, 1);

    auto *medeni = secim(QStringLiteral("cmb_medenidurum"),
                         {QStringLiteral("EVLİ"), QStringLiteral("BEKAR"), QStringLiteral("DUL"), QStringLiteral("BOŞANMIŞ")});
    b->bagla(medeni, QStringLiteral("MEDENIDURUM"), true);
    m_ayniAd = new QPlainTextEdit(QStringLiteral("Bu Hasta Adı\nÖnceden Girilmiş"));
    m_ayniAd->setObjectName(QStringLiteral("Memo1"));
    m_ayniAd->setReadOnly(true);
    m_ayniAd->setMaximumHeight(44);
    m_ayniAd->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_ayniAd->hide();
    g->addWidget(etiket(QStringLiteral("Medeni Durum"), medeni), satir, 0);
    g->addWidget(medeni, satir++, 1);

    auto *cocuk = kutu(QStringLiteral("edt_cocuksayisi"));
    b->sayiBagla(cocuk, QStringLiteral("COCUKSAYISI"));
    g->addWidget(etiket(QStringLiteral("Çocuk Sayısı"), cocuk), satir, 0);
    g->addWidget(cocuk, satir++, 1);

    auto *cinsiyet = secim(QStringLiteral("cmb_cinsiyet"), {QStringLiteral("ERKEK"), QStringLiteral("KADIN")});
    b->bagla(cinsiyet, QStringLiteral("CINSIYET"), true);
    g->addWidget(etiket(QStringLiteral("Cinsiyet"), cinsiyet), satir, 0);
    g->addWidget(cinsiyet, satir++, 1);

    auto *meslek = kutu(QStringLiteral("edt_meslegi"));
    b->bagla(meslek, QStringLiteral("MESLEGI"), true);
    g->addWidget(etiket(QStringLiteral("Meslek"), meslek), satir, 0);
    g->addWidget(meslek, satir++, 1);

    auto *kurum = secim(QStringLiteral("cmb_kurumu"),
                        {QStringLiteral("EMEKLI SANDIGI"), QStringLiteral("BAGKUR"), QStringLiteral("SSK"),
                         QStringLiteral("YESILKART"), QStringLiteral("ÖZEL"), QStringLiteral("YOK")});
    b->bagla(kurum, QStringLiteral("KURUMU"), true);
    g->addWidget(etiket(QStringLiteral("Kurumu"), kurum), satir, 0);
    g->addWidget(kurum, satir++, 1);

    auto *kan = secim(QStringLiteral("cmb_kangrubu"), KanGruplari);
    b->bagla(kan, QStringLiteral("KANGRUBU"), true);
    g->addWidget(etiket(QStringLiteral("Kan Grubu"), kan), satir, 0);
    g->addWidget(kan, satir++, 1);

    auto *tc = kutu(QStringLiteral("edt_tckimlikno"));
    b->bagla(tc, QStringLiteral("TCKIMLIKNO"), true);
    g->addWidget(etiket(QStringLiteral("TC Kimlik No"), tc), satir, 0);
    g->addWidget(tc, satir++, 1);
    return satir;
}

int Tfrm_hastalar::iletisimSutunuKur(QGridLayout *g)
{
    Baglayici *b = baglayici();
    int s2 = 0;
    auto ikinci = [&](const QString &t, QWidget *w) {
        g->addWidget(etiket(t, w), s2, 2);
        g->addWidget(w, s2++, 3);
    };
    for (const auto &[ad, kolon, baslik] :
         {std::tuple{"edt_evtel", "EVTEL", "Ev Tel"}, std::tuple{"edt_istel", "ISTEL", "İş Tel"},
          std::tuple{"edt_ceptel", "CEPTEL", "Cep Tel"}}) {
        auto *t = kutu(QString::fromUtf8(ad));
        b->bagla(t, QString::fromUtf8(kolon));
        ikinci(QString::fromUtf8(baslik), t);
    }
    auto *adres = memo(QStringLiteral("mem_adres"));
    b->bagla(adres, QStringLiteral("ADRES"));
    yetmisKarakter(adres);
    ikinci(QStringLiteral("Adres"), adres);
    auto *ilce = secim(QStringLiteral("cmb_ilce"), IlceListesi());
    b->bagla(ilce, QStringLiteral("ILCE"), true);
    ikinci(QStringLiteral("İlçe "), ilce);
    auto *il = secim(QStringLiteral("cmb_il"), IlListesi());
    b->bagla(il, QStringLiteral("IL"), true);
    ikinci(QStringLiteral("İl"), il);
    auto *drKod = kutu(QStringLiteral("edt_doktorkodu"));
    b->bagla(drKod, QStringLiteral("DOKTORKODU"));
    auto *drAra = new QPushButton(QStringLiteral("..."));
    drAra->setObjectName(QStringLiteral("BitBtn1"));
    drAra->setToolTip(QStringLiteral("Doktor Ara"));
    drAra->setAutoDefault(false);
    drAra->setMaximumWidth(30);
    connect(drAra, &QPushButton::clicked, this, [this] { doktorSec(); });
    auto *drSatiri = new QHBoxLayout;
    drSatiri->addWidget(drKod);
    drSatiri->addWidget(drAra);
    g->addWidget(etiket(QStringLiteral("Doktor Kodu"), drKod), s2, 2);
    g->addLayout(drSatiri, s2++, 3);
    auto *drAd = kutu(QStringLiteral("edt_doktoradi"));
    b->bagla(drAd, QStringLiteral("DOKTORADI"));
    ikinci(QStringLiteral("Doktor Adı"), drAd);
    auto *tani1 = kutu(QStringLiteral("edt_tani1"));
    b->bagla(tani1, QStringLiteral("TANI1"));
    ikinci(QStringLiteral("Tanı 1"), tani1);
    auto *tani2 = kutu(QStringLiteral("edt_tani2"));
    b->bagla(tani2, QStringLiteral("TANI2"));
    ikinci(QStringLiteral("Tanı 2"), tani2);
    return s2;
}

void Tfrm_hastalar::hatirlatmaSatiriKur(QGridLayout *g, int satir, int sira)
{
    struct Hatirlatma
    {
        const char *baslik, *tarihAdi, *tarihKolonu, *notAdi, *notKolonu, *durumAdi, *durumKolonu;
    };
    // The designed captions differ by a blank; kept as they are.
    static const Hatirlatma hatirlatmalar[2] = {
        {"1. Hatırlatma Tarihi ve Notu", "edt_hatirlatmatarihi", "HATIRLATMATARIHI", "mem_hatirlatmanotu",
         "HATIRLATMANOTU", "cmb_hatuyari", "HATUYARI"},
        {"2.Hatırlatma Tarihi ve Notu", "edt_hatirlatmatarihi2", "HATIRLATMATARIHI2", "mem_hatirlatmanotu2",
         "HATIRLATMANOTU2", "cmb_hatirlatmadurumu2", "HATIRLATMADURUMU2"}};
    const Hatirlatma &h = hatirlatmalar[sira - 1];
    Baglayici *b = baglayici();
    auto *t = kutu(QString::fromUtf8(h.tarihAdi));
    b->tarihBagla(t, QString::fromUtf8(h.tarihKolonu));
    t->setMaximumWidth(90);
    auto *n = memo(QString::fromUtf8(h.notAdi), 36);
    b->bagla(n, QString::fromUtf8(h.notKolonu));
    yetmisKarakter(n);
    auto *d = secim(QString::fromUtf8(h.durumAdi), EvetHayir);
    b->bagla(d, QString::fromUtf8(h.durumKolonu), true);
    // The note and its switch share the row's one caption.
    b->etiketAyarla(n, QString::fromUtf8(h.baslik));
    b->etiketAyarla(d, QString::fromUtf8(h.baslik));
    auto *satirDuzeni = new QHBoxLayout;
    satirDuzeni->addWidget(t);
    satirDuzeni->addWidget(n, 1);
    satirDuzeni->addWidget(d);
    g->addWidget(etiket(QString::fromUtf8(h.baslik), t), satir, 2 * (sira - 1));
    g->addLayout(satirDuzeni, satir, 2 * (sira - 1) + 1);
}

void Tfrm_hastalar::fotografKutusuKur(QGridLayout *g)
{
    // Duplicate-name note and photo on the right.
    auto *fotoKutusu = new QGroupBox(QStringLiteral("F o t o g r a f"));
    fotoKutusu->setObjectName(QStringLiteral("GroupBox1"));
    auto *fv = new QVBoxLayout(fotoKutusu);
    ResimGalerisi::Ayar ayar;
    ayar.tur = ResimTuru::Hasta;
    ayar.yuvalar = {{0, QStringLiteral("img_fotograf"), QString()}};
    ayar.boyut = QSize(150, 170);
    ayar.cizgili = false;
    m_fotograf = new ResimGalerisi(ayar);
    // Sized like the single frame it holds, so the box lays it out as it would the frame itself.
    m_fotograf->layout()->setContentsMargins(0, 0, 0, 0);
    m_fotograf->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fv->addWidget(m_fotograf);
    g->addWidget(m_ayniAd, 0, 4, 2, 1);
    g->addWidget(fotoKutusu, 2, 4, 7, 1);
}
