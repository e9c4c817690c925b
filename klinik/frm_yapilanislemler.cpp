#include "klinik/frm_yapilanislemler.h"

#include "app/aramapenceresi.h"
#include "app/aramasecimi.h"
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/veriseti.h"
#include "klinik/muayenesatirlari.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using CariIsleme::Kaynak;

namespace {

void yeniIslem(VeriSeti &s, const VeriSeti &m, Kaynak k)
{
    const bool goz = k == Kaynak::Goz;
    for (const char *ad : {"HASTAKODU", "HASTAADISOYADI", "DOKTORKODU", "DOKTORADI", "DOKTORPAYTURU",
                           "DOKTORPAYPARAM"})
        s.degerAyarla(QLatin1String(ad), m.deger(QLatin1String(ad)));
    s.degerAyarla(QStringLiteral("DOKTORPAYTUTARI"), 0.0);
    s.degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    s.degerAyarla(QStringLiteral("MUAYENENO"), double(m.anahtar()));
    s.degerAyarla(QStringLiteral("ISLEMTARIHI"), m.deger(QStringLiteral("MUAYENETARIHI")));
    if (goz) {
        s.degerAyarla(QStringLiteral("BOLUM"), QStringLiteral("GÖZ"));
        s.degerAyarla(QStringLiteral("BRANS"), QStringLiteral("GÖZ"));
    } else {
        s.degerAyarla(QStringLiteral("BOLUM"), m.deger(QStringLiteral("BOLUM")));
        s.degerAyarla(QStringLiteral("BRANS"), m.deger(QStringLiteral("BRANS")));
        s.degerAyarla(QStringLiteral("DOSYANO"), m.metin(QStringLiteral("SIRANO")));
    }
    s.degerAyarla(QStringLiteral("ISLEMTURU"), CariIsleme::islemTuru(k));
    s.degerAyarla(QStringLiteral("KAYNAK"), CariIsleme::kaynakDegeri(k));
}

SatirEkraniAyari islemAyari()
{
    SatirEkraniAyari a;
    a.pencereAdi = QStringLiteral("frm_yapilanislemler");
    a.baslik = QStringLiteral("YAPILAN İŞLEMLER");
    a.modul = QStringLiteral("YİŞLEMLER");
    a.tur = CariIsleme::SatirTuru::Islem;
    a.seriMetni = QStringLiteral("Seri İşlem Gir");
    a.silmeSorusu = QStringLiteral("Bu İşlem Kaydını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" İşlem Kaydı Silindi ");
    a.yenideAra = false;
    a.formSablonu = QStringLiteral("islemformu.frf");
    a.evrakTuru = QStringLiteral("Y_İŞLEM");
    a.formSiralama = QStringLiteral("islemturu");
    const std::pair<const char *, const char *> kolonlar[] = {
        {"YAPILANISLEM", "YAPILAN İŞLEM"}, {"UCRETI", "ÜÇRETI"},           {"DOSYANO", "DOSYA NO"},
        {"ISLEMTARIHI", "İŞLEM TARIHI"},  {"DUSUNCELER1", "DÜŞÜNCELER 1"}, {"DUSUNCELER2", "DÜŞÜNCELER 2"},
        {"ISLEMIYAPANKODU", "İ.YAPAN KODU"}, {"ISLEMIYAPANADI", "İ.YAPAN ADI"}, {"ISLEMTURU", "İŞLEM TÜRÜ"},
        {"BOLUM", "BÖLUM"},               {"BRANS", "BRANŞ"}};
    for (const auto &[ad, baslik] : kolonlar) {
        TabloKolonu t;
        t.kolon = QLatin1String(ad);
        t.baslik = QString::fromUtf8(baslik);
        t.duzenlenebilir = true;
        a.kolonlar << t;
    }
    a.yeniSatir = yeniIslem;
    return a;
}

} // namespace

Tfrm_yapilanislemler::Tfrm_yapilanislemler(QWidget *ust)
    : MuayeneSatirEkrani(islemAyari(), ust)
{
    auto dugme = [this](const char *ad, const QString &metin, void (Tfrm_yapilanislemler::*f)()) {
        auto *b = new QPushButton(metin);
        b->setObjectName(QLatin1String(ad));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, f);
        return b;
    };
    Baglayici *bag = satirBaglayici();
    auto kutu = [](const char *ad) {
        auto *e = new QLineEdit;
        e->setObjectName(QLatin1String(ad));
        return e;
    };
    auto memo = [](const char *ad) {
        auto *m = new QPlainTextEdit;
        m->setObjectName(QLatin1String(ad));
        m->setTabChangesFocus(true);
        m->setMaximumHeight(48);
        return m;
    };

    // The edit panel of the current procedure line.
    auto *panel = new QGroupBox;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setMaximumWidth(380); // the lists keep most of the window
    auto *pf = new QFormLayout(panel);
    auto *islem = kutu("edt_yapilanislem");
    bag->bagla(islem, QStringLiteral("YAPILANISLEM"));
    auto *islemSatiri = new QHBoxLayout;
    islemSatiri->addWidget(islem, 1);
    islemSatiri->addWidget(dugme("BTN_islemarama", QStringLiteral("İşlem Bul"), &Tfrm_yapilanislemler::islemBul));
    pf->addRow(QStringLiteral("Yapılan İşlem"), islemSatiri);
    auto *ucret = kutu("edt_ucreti");
    bag->sayiBagla(ucret, QStringLiteral("UCRETI"));
    pf->addRow(QStringLiteral("Ücret"), ucret);
    auto *dosya = kutu("edt_dosyano");
    bag->bagla(dosya, QStringLiteral("DOSYANO"));
    pf->addRow(QStringLiteral("Dosya No"), dosya);
    auto *yapanKod = kutu("edt_islemiyapankodu");
    auto *yapanAd = kutu("edt_islemiyapanadi");
    bag->bagla(yapanKod, QStringLiteral("ISLEMIYAPANKODU"));
    bag->bagla(yapanAd, QStringLiteral("ISLEMIYAPANADI"));
    auto *yapanSatiri = new QHBoxLayout;
    yapanSatiri->addWidget(yapanKod);
    yapanSatiri->addWidget(yapanAd, 1);
    yapanSatiri->addWidget(dugme("BitBtn1", QStringLiteral("Personel Bul"), &Tfrm_yapilanislemler::personelBul));
    pf->addRow(QStringLiteral("İşlemi Yapan"), yapanSatiri);
    auto *islemTarihi = kutu("edt_islemtarihi");
    bag->tarihBagla(islemTarihi, QStringLiteral("ISLEMTARIHI"));
    pf->addRow(QStringLiteral("Tarihi"), islemTarihi);
    auto *d1 = memo("mem_dusunceler1");
    auto *d2 = memo("mem_dusunceler2");
    bag->bagla(d1, QStringLiteral("DUSUNCELER1"));
    bag->bagla(d2, QStringLiteral("DUSUNCELER2"));
    pf->addRow(QStringLiteral("Düşünceler 1"), d1);
    pf->addRow(QStringLiteral("Düşünceler 2"), d2);

    // The current line's reminder, read by the reminder system.
    auto *hatirlatma = new QGroupBox(QStringLiteral("Hatırlatma Tarihi ve Notu"));
    hatirlatma->setObjectName(QStringLiteral("GroupBox1"));
    auto *form = new QFormLayout(hatirlatma);
    auto *tarih = new QLineEdit;
    tarih->setObjectName(QStringLiteral("edt_hatirlatmatarihi"));
    auto *durum = new QComboBox;
    durum->setObjectName(QStringLiteral("cmb_hatirlatmadurumu"));
    durum->addItems({QStringLiteral("EVET"), QStringLiteral("HAYIR")});
    auto *notu = new QLineEdit;
    notu->setObjectName(QStringLiteral("edt_hatirlatmanotu"));
    form->addRow(QStringLiteral("Tarih"), tarih);
    form->addRow(QStringLiteral("Durum"), durum);
    form->addRow(QStringLiteral("Not"), notu);
    bag->tarihBagla(tarih, QStringLiteral("HATIRLATMATARIHI"));
    bag->bagla(durum, QStringLiteral("HATIRLATMADURUMU"));
    bag->bagla(notu, QStringLiteral("HATIRLATMANOTU"));
    notu->setMaxLength(70); // shorter than the column: the binding would allow its full width
    pf->addRow(hatirlatma);
    yanPanel()->addWidget(panel);
    QAction *katalog = islemlerMenusu()->addAction(QStringLiteral("İşlemler"));
    katalog->setObjectName(QStringLiteral("Islemler2"));
    connect(katalog, &QAction::triggered, this, [this] { EkranAc(QStringLiteral("frm_islemler"), this); });
    yanPanel()->addStretch(1);
    bul = [this] { islemBul(); };
    MuayeneSatirlari::bosIslemSatirlariniSil();
}

void Tfrm_yapilanislemler::islemBul()
{
    if (seciliMuayene() <= 0)
        return;
    QVariantMap islem;
    {
        AramaPenceresi d(QStringLiteral("frm_islemarama"), this);
        if (d.calistir() != QLatin1String("-1"))
            for (const char *k : {"YAPILANISLEM", "ISLEMKODU", "ISLEMTURU", "UCRETI"})
                islem.insert(QLatin1String(k), d.deger(QLatin1String(k)));
    }
    if (islem.isEmpty())
        return; // a pending line stays as it was
    VeriSeti *s = satirlar();
    if (s->durum() != VeriSeti::Durum::Ekle) {
        if (!s->acikMi())
            satirlariYukle();
        if (!s->acikMi() || (s->bosMu() ? !s->ekle() : !s->duzenle()))
            return;
    }
    for (auto it = islem.cbegin(); it != islem.cend(); ++it)
        s->degerAyarla(it.key(), it.value());
    s->kaydet();
}

void Tfrm_yapilanislemler::personelBul()
{
    VeriSeti *s = satirlar();
    if (seciliMuayene() <= 0 || !s->acikMi())
        return;
    AramadanSatira(QStringLiteral("frm_doktorarama"), *s,
                   {{QStringLiteral("DOKTORKODU"), QStringLiteral("ISLEMIYAPANKODU")},
                    {QStringLiteral("DOKTORADISOYADI"), QStringLiteral("ISLEMIYAPANADI")}},
                   this);
}
