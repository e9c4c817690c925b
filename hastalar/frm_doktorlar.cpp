#include "hastalar/frm_doktorlar.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "hastalar/iller.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

QComboBox *secimKutusu(const QString &ad, const QStringList &secenekler)
{
    auto *c = new QComboBox;
    c->setObjectName(ad);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(secenekler);
    return c;
}

QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}

} // namespace

KayitEkraniAyari Tfrm_doktorlar::ayarlar(Tfrm_doktorlar *ekran)
{
    KayitEkraniAyari a;
    a.ekranAdi = QStringLiteral("frm_doktorlar");
    a.baslik = QStringLiteral("PERSONEL");
    a.tablo = QStringLiteral("DOKTORLAR");
    a.veriSetiAdi = QStringLiteral("qry_doktorlar");
    a.izgaraAdi = QStringLiteral("DBGrid1");
    a.duzenlemeAlaniAdi = QStringLiteral("Panel1");
    a.siralama = QStringLiteral(" order by doktorlar.kayitno ");
    a.sonSatir = false;
    a.kilitli = false;
    a.ilkAlan = QStringLiteral("edt_doktorkodu");
    a.aramaEkrani = QStringLiteral("frm_doktorarama");
    a.aramaIpucu = QStringLiteral("Doktor Bul Ctrl+F");
    a.aramaMenuAdi = QStringLiteral("DoktorAra1");
    a.aramaMenuBasligi = QStringLiteral("Personel Ara");
    a.hizliMenu = false;
    a.odakRenklendirme = false;
    a.enterIleIlerle = false;
    a.baslikEki.clear();
    a.menuler = false;
    a.silmeSorusu = QStringLiteral("Bu Personel Kaydını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" Kayıt  Silindi ");
    a.silmedenSonraYenile = true;
    a.yeniSatirDegerleri = [ekran] {
        VeriSeti *vs = ekran->veriSeti();
        vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        for (const char *k : {"DOKTORPAYPARAM", "DOKTORPAYTUTARI", "LDOKTORPAYPARAM", "IDOKTORPAYPARAM",
                              "MUAYENEUCRETI", "MAASI"})
            vs->degerAyarla(QLatin1String(k), 0.0);
    };
    a.eklemeDogrula = [ekran] { return ekran->yeniKayitDogrula(); };
    // A new or changed row always belongs to the login company.
    a.kaydetmedenOnce = [ekran] {
        VeriSeti *vs = ekran->veriSeti();
        if (vs->metin(QStringLiteral("SIRKETKODU")) != Oturum.sirketkodu)
            vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        return true;
    };
    return a;
}

Tfrm_doktorlar::Tfrm_doktorlar(QWidget *ust) : KayitEkrani(ayarlar(this), ust)
{
    Baglayici *b = baglayici();

    auto *muayene = dugmeEkle(QStringLiteral("btn_muayene"), QStringLiteral("Muayene"),
                              QStringLiteral("Muayeneleri Ctrl + M"));
    connect(muayene, &QPushButton::clicked, this, &Tfrm_doktorlar::muayeneler);
    auto *ch = dugmeEkle(QStringLiteral("BitBtn6"), QStringLiteral("C.H"), QStringLiteral("Cari Hareketi"));
    connect(ch, &QPushButton::clicked, this, &Tfrm_doktorlar::cariHareketler);

    auto *islemler = menuCubugu()->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("lem1"));
    auto *excel = islemler->addAction(QStringLiteral("Excele Aktar"));
    excel->setObjectName(QStringLiteral("ExceleAktar1"));
    connect(excel, &QAction::triggered, this, [this] {
        // no right is tested on this screen
        TabloAktar::verisetinden(*veriSeti(), *model(), {}, this);
    });
    auto *odemeMenu = menuCubugu()->addAction(QStringLiteral("ÖDEME"));
    odemeMenu->setObjectName(QStringLiteral("DEME1"));
    connect(odemeMenu, &QAction::triggered, this, &Tfrm_doktorlar::odeme);

    // Edit area: two tabs.
    auto *sayfalar = new QTabWidget(duzenlemeAlani());
    sayfalar->setObjectName(QStringLiteral("PageControl1"));
    auto *alanDuzeni = new QVBoxLayout(duzenlemeAlani());
    alanDuzeni->setContentsMargins(0, 0, 0, 0);
    alanDuzeni->addWidget(sayfalar);

    auto *genel = new QWidget;
    genel->setObjectName(QStringLiteral("TabSheet1"));
    auto *g = new QGridLayout(genel);
    int satir = 0, sutun = 0;
    auto yerlestir = [&](QGridLayout *l, const QString &etiket, QWidget *w, int &sa, int &su) {
        auto *e = new QLabel(etiket);
        e->setBuddy(w); // messages name the field by it
        l->addWidget(e, sa, su * 2);
        l->addWidget(w, sa, su * 2 + 1);
        if (++su == 2) {
            su = 0;
            ++sa;
        }
    };
    auto *kod = kutu(QStringLiteral("edt_doktorkodu"));
    b->bagla(kod, QStringLiteral("DOKTORKODU"));
    yerlestir(g, QStringLiteral("Personel Kodu"), kod, satir, sutun);
    auto *ad = kutu(QStringLiteral("edt_doktoradi"));
    b->bagla(ad, QStringLiteral("DOKTORADISOYADI"));
    yerlestir(g, QStringLiteral("Personel  Adı"), ad, satir, sutun);
    auto *brans = kutu(QStringLiteral("edt_brans"));
    b->bagla(brans, QStringLiteral("BRANS"));
    yerlestir(g, QStringLiteral("Branşı"), brans, satir, sutun);
    auto *bolum = kutu(QStringLiteral("edt_bolum"));
    b->bagla(bolum, QStringLiteral("BOLUM"));
    yerlestir(g, QStringLiteral("Bölüm"), bolum, satir, sutun);
    auto *calisiyor = secimKutusu(QStringLiteral("cmb_calisiyormu"), {QStringLiteral("EVET"), QStringLiteral("HAYIR")});
    b->bagla(calisiyor, QStringLiteral("CALISIYORMU"), true);
    yerlestir(g, QStringLiteral("Çalışıyor mu ?"), calisiyor, satir, sutun);
    auto *gorev = secimKutusu(QStringLiteral("cmb_gorevi"),
                              {QStringLiteral("DOKTOR"), QStringLiteral("HEMŞİRE"), QStringLiteral("EBE"),
                               QStringLiteral("SAĞLIK MEMURU"), QStringLiteral("MEMUR")});
    b->bagla(gorev, QStringLiteral("PERSONELTURU"), true);
    yerlestir(g, QStringLiteral("Görevi"), gorev, satir, sutun);
    auto *evtel = kutu(QStringLiteral("edt_evtel"));
    b->bagla(evtel, QStringLiteral("EVTELEFONU"));
    yerlestir(g, QStringLiteral("Ev Tel"), evtel, satir, sutun);
    auto *cep1 = kutu(QStringLiteral("edt_ceptel1"));
    b->bagla(cep1, QStringLiteral("CEPTELEFONU"));
    yerlestir(g, QStringLiteral("Cep Tel 1"), cep1, satir, sutun);
    auto *cep2 = kutu(QStringLiteral("edt_ceptel2"));
    b->bagla(cep2, QStringLiteral("CEPTEL2"));
    yerlestir(g, QStringLiteral("Cep Tel 2"), cep2, satir, sutun);
    auto *email = kutu(QStringLiteral("edt_email"));
    b->bagla(email, QStringLiteral("EMAILADRESI"));
    yerlestir(g, QStringLiteral("E-mail"), email, satir, sutun);
    auto *dogum = kutu(QStringLiteral("edt_dogumtarihi"));
    b->tarihBagla(dogum, QStringLiteral("DOGUMTARIHI"));
    yerlestir(g, QStringLiteral("Doğum Tarihi"), dogum, satir, sutun);
    auto *dogumYeri = secimKutusu(QStringLiteral("cmb_dogumyeri"), IlListesi());
    b->bagla(dogumYeri, QStringLiteral("DOGUMYERI"), true);
    yerlestir(g, QStringLiteral("Doğum Yeri"), dogumYeri, satir, sutun);
    auto *tc = kutu(QStringLiteral("edt_tckimlikno"));
    b->bagla(tc, QStringLiteral("TCKIMLIKNO"), true);
    yerlestir(g, QStringLiteral("TC Kimlik No"), tc, satir, sutun);
    auto *okul = kutu(QStringLiteral("edt_okul"));
    b->bagla(okul, QStringLiteral("MEZUNOLDUGUOKUL"), true);
    yerlestir(g, QStringLiteral("Mezun Old. Okul"), okul, satir, sutun);
    auto *sonYer = kutu(QStringLiteral("edt_sonyer"));
    b->bagla(sonYer, QStringLiteral("ENSONCALISTIGIYER"), true);
    yerlestir(g, QStringLiteral("Son Çalıştığı Yer"), sonYer, satir, sutun);
    auto *medeni = secimKutusu(QStringLiteral("cmb_medenidurum"),
                               {QStringLiteral("EVLİ"), QStringLiteral("BEKAR"), QStringLiteral("DUL"),
                                QStringLiteral("BOŞANMIŞ")});
    b->bagla(medeni, QStringLiteral("MEDENIDURUM"), true);
    yerlestir(g, QStringLiteral("Medeni Durum"), medeni, satir, sutun);
    auto *cocuk = kutu(QStringLiteral("edt_cocuk"));
    b->bagla(cocuk, QStringLiteral("COCUKDURUMU"), true);
    yerlestir(g, QStringLiteral("Çocuk Sayısı"), cocuk, satir, sutun);
    auto *sirket = kutu(QStringLiteral("edt_sirketkodu"));
    b->bagla(sirket, QStringLiteral("SIRKETKODU"));
    sirket->hide();
    if (sutun)
        ++satir;
    auto *adres = new QPlainTextEdit;
    adres->setObjectName(QStringLiteral("mem_adres"));
    adres->setMaximumHeight(60);
    b->bagla(adres, QStringLiteral("ADRESI"));
    auto *adresEtiketi = new QLabel(QStringLiteral("Adres"));
    adresEtiketi->setBuddy(adres);
    g->addWidget(adresEtiketi, satir, 0);
    g->addWidget(adres, satir, 1, 1, 3);
    sayfalar->addTab(genel, QStringLiteral("Genel Bilgiler"));

    auto *ek = new QWidget;
    ek->setObjectName(QStringLiteral("TabSheet2"));
    auto *e = new QGridLayout(ek);
    satir = sutun = 0;
    const QStringList payTurleri = {QString(), QStringLiteral("YÜZDE"), QStringLiteral("BİRİM FİYAT")};
    struct Pay { const char *tur, *param, *turEtiket, *paramEtiket, *turAd, *paramAd; };
    const Pay paylar[] = {
        {"DOKTORPAYTURU", "DOKTORPAYPARAM", "Dr. Mua. Pay Türü", "Dr. Mua. Pay Parametresi", "cmb_paytur",
         "edt_payparam"},
        {"LDOKTORPAYTURU", "LDOKTORPAYPARAM", "Dr. Lab.Pay Türü", "Dr.Lab.Pay Parametresi", "cmb_lpaytur",
         "edt_lpayparam"},
        {"IDOKTORPAYTURU", "IDOKTORPAYPARAM", "Dr. İşl. Pay Türü", "Dr.İşl. Pay Parametresi", "cmb_ipaytur",
         "edt_ipayparam"},
    };
    for (const Pay &p : paylar) {
        auto *tur = secimKutusu(QString::fromUtf8(p.turAd), payTurleri);
        b->bagla(tur, QLatin1String(p.tur), true);
        yerlestir(e, QString::fromUtf8(p.turEtiket), tur, satir, sutun);
        auto *param = kutu(QString::fromUtf8(p.paramAd));
        b->sayiBagla(param, QLatin1String(p.param));
        yerlestir(e, QString::fromUtf8(p.paramEtiket), param, satir, sutun);
    }
    auto *ucret = kutu(QStringLiteral("edt_muayeneucreti"));
    b->sayiBagla(ucret, QStringLiteral("MUAYENEUCRETI"));
    yerlestir(e, QStringLiteral("Muayene Ücreti"), ucret, satir, sutun);
    auto *payTutar = kutu(QStringLiteral("edt_paytutari"));
    b->sayiBagla(payTutar, QStringLiteral("DOKTORPAYTUTARI"));
    yerlestir(e, QStringLiteral("Dr. Pay Tutarı"), payTutar, satir, sutun);
    auto *maas = kutu(QStringLiteral("edt_maasi"));
    b->sayiBagla(maas, QStringLiteral("MAASI"));
    yerlestir(e, QStringLiteral("Maaşı"), maas, satir, sutun);
    auto *referans = kutu(QStringLiteral("edt_referansi"));
    b->bagla(referans, QStringLiteral("REFERANSI"));
    yerlestir(e, QStringLiteral("Referansı"), referans, satir, sutun);
    if (sutun)
        ++satir;
    auto *aciklama = new QPlainTextEdit;
    aciklama->setObjectName(QStringLiteral("mem_aciklama"));
    aciklama->setMaximumHeight(60);
    b->bagla(aciklama, QStringLiteral("ACIKLAMA"));
    auto *aciklamaEtiketi = new QLabel(QStringLiteral("Acıklama"));
    aciklamaEtiketi->setBuddy(aciklama);
    e->addWidget(aciklamaEtiketi, satir, 0);
    e->addWidget(aciklama, satir, 1, 1, 3);
    sayfalar->addTab(ek, QStringLiteral("Ek Bilgiler"));

    // Staff grid, editable in place.
    QList<TabloKolonu> k = IzgaraKolonlari({{"DOKTORKODU", "PERS. KODU"}, {"DOKTORADISOYADI", "PERSONEL ADI"},
                                           {"BRANS", nullptr}, {"BOLUM", nullptr}, {"EVTELEFONU", "EV TEL"},
                                           {"CEPTELEFONU", "CEP TEL 1"}, {"CEPTEL2", "CEP TEL 2"}, {"ADRESI", nullptr},
                                           {"EMAILADRESI", "EMAIL"}, {"DOKTORPAYTURU", "DR PAY TURU"},
                                           {"DOKTORPAYPARAM", "DR PAY PARAM"}, {"DOKTORPAYTUTARI", "DR PAY TUTARI"},
                                           {"MAASI", "MAAŞI"}, {"CALISIYORMU", "CALISIYOR MU?"}}, true);
    for (const char *c : {"COCUKDURUMU", "DOGUMTARIHI", "DOGUMYERI", "ENSONCALISTIGIYER", "MEDENIDURUM",
                          "MEZUNOLDUGUOKUL", "PERSONELTURU", "REFERANSI", "TCKIMLIKNO", "ACIKLAMA"})
        k << IzgaraKolonu(c, nullptr, GosterimBicimi::Otomatik, true);
    model()->kolonlariAyarla(k);
}

bool Tfrm_doktorlar::yeniKayitDogrula()
{
    VeriSeti *vs = veriSeti();
    const QString kod = vs->metin(QStringLiteral("DOKTORKODU")).trimmed();
    if (kod.isEmpty()) {
        Mesaj::goster(QStringLiteral("Personel Kodu Boş Olamaz.Lütfen Bir Değer Giriniz"), this);
        odakla(QStringLiteral("edt_doktorkodu"));
        return false;
    }
    if (vs->metin(QStringLiteral("DOKTORADISOYADI")).trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Personel Adı Boş Olamaz.Lütfen Bir Değer Giriniz"), this);
        odakla(QStringLiteral("edt_doktoradi"));
        return false;
    }
    if (vs->metin(QStringLiteral("PERSONELTURU")).trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Görevi Boş Olamaz.Lütfen Bir Değer Giriniz"), this);
        odakla(QStringLiteral("cmb_gorevi"));
        return false;
    }
    const QString sql = QStringLiteral("select *  from doktorlar where 1=1 ") + QStringLiteral(" and doktorkodu =")
                        + SqlQuote(kod) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                        + QStringLiteral(" ");
    const auto s = Sorgu::sec(sql);
    if (!s)
        return false;
    if (!s->satirlar.isEmpty()) {
        Mesaj::goster(QStringLiteral("Bu  Kod ile Kayıtlı Doktor Var. Lütfen Farklı Bir Doktor Kodu Kullanınız"), this);
        odakla(QStringLiteral("edt_doktorkodu"));
        return false;
    }
    return true;
}

void Tfrm_doktorlar::muayeneler()
{
    if (!veriSeti()->acikMi() || veriSeti()->bosMu())
        return;
    Aktarim.muayene_doktorkodu = veriSeti()->metin(QStringLiteral("DOKTORKODU"));
    EkranAc(QStringLiteral("frm_muayene"), this);
}

void Tfrm_doktorlar::cariHareketler()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    const QString kod = vs->metin(QStringLiteral("DOKTORKODU"));
    const QString ad = vs->metin(QStringLiteral("DOKTORADISOYADI"));
    Aktarim.cari_kod = kod;
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = ad;
    const QString sql = QStringLiteral("select * from cari_hareket where 1=1 ") + QStringLiteral(" and carikod =")
                        + SqlQuote(kod) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                        + QStringLiteral("  ") + QStringLiteral("order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    EkranAc(QStringLiteral("frm_cari_hareket"), this, false, QString(), [kod, ad, sql](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("edt_carihareketkodu")))
            e->setText(kod);
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
        if (auto *k = qobject_cast<KayitEkrani *>(d))
            k->selectAyarla(sql);
    });
}

void Tfrm_doktorlar::odeme()
{
    VeriSeti *vs = veriSeti();
    const QString kod = vs->metin(QStringLiteral("DOKTORKODU"));
    const QString ad = vs->metin(QStringLiteral("DOKTORADISOYADI"));
    Aktarim.cari_kod = kod;
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi.clear();
    EkranAc(QStringLiteral("frm_odeme"), this, false, QString(), [ad](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
        // account kind "PERSONEL", direction "GİDER"
        const auto secenekler = d->findChildren<QRadioButton *>();
        for (QRadioButton *r : secenekler)
            if (r->text() == QLatin1String("PERSONEL") || r->text() == QStringLiteral("GİDER"))
                r->setChecked(true);
    });
}
