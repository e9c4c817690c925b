#include "klinik/frm_muayene_lab.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "klinik/tetkiksatirlari.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using CariIsleme::Kaynak;

namespace {

SatirEkraniAyari labAyari()
{
    SatirEkraniAyari a;
    a.pencereAdi = QStringLiteral("frm_muayene_lab");
    a.baslik = QStringLiteral("LABORATUVAR ");
    a.modul = QStringLiteral("LABORATUVAR");
    a.tur = CariIsleme::SatirTuru::Laboratuvar;
    a.genelKosul = QStringLiteral(" and LABORATUVARVARMI =") + SqlQuote(QStringLiteral("E"));
    a.seriMetni = QStringLiteral("Seri Laboratuvar Gir");
    a.silmeSorusu = QStringLiteral("Bu Laboratuvar Kaydını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" Laboratuvar Kaydı Silindi ");
    a.formSablonu = QStringLiteral("laboratuvarformu.frf");
    a.evrakTuru = QStringLiteral("MUA_LAB");
    a.formSiralama = QStringLiteral("turu");
    const std::pair<const char *, const char *> kolonlar[] = {
        {"TETKIKKODU", "TETKIK KODU"}, {"TETKIKADI", "TETKIK ADI"}, {"ARALIK", nullptr}, {"DURUM", "SONUC"},
        {"BIRIMI", nullptr},           {"TURU", nullptr},           {"ACIKLAMA", nullptr}, {"KOD1", nullptr},
        {"KOD2", nullptr},             {"KOD3", nullptr},           {"UCRETI", nullptr}, {"ISLEMTURU", nullptr}};
    for (const auto &[ad, baslik] : kolonlar) {
        TabloKolonu t;
        t.kolon = QLatin1String(ad);
        t.baslik = baslik ? QString::fromUtf8(baslik) : t.kolon;
        t.duzenlenebilir = true;
        a.kolonlar << t;
    }
    a.yeniSatir = [](VeriSeti &lab, const VeriSeti &m, Kaynak k) { TetkikSatirlari::yeniSatirDegerleri(lab, m, k); };
    return a;
}

} // namespace

Tfrm_muayene_lab::Tfrm_muayene_lab(QWidget *ust)
    : MuayeneSatirEkrani(labAyari(), ust)
{
    yanPanel()->addWidget(new QLabel(QStringLiteral("Laboratuvar")));
    m_grup = new QComboBox;
    m_grup->setObjectName(QStringLiteral("cmb_laboratuvar"));
    m_grup->setEditable(true);
    m_grup->addItems({QString(), QStringLiteral("BİYOKİMYA"), QStringLiteral("İMMUNOLOJİ"),
                      QStringLiteral("HEMATOLOJİ"), QStringLiteral("MİKROBİYOLOJİ"), QStringLiteral("PATOLOJİ"),
                      QStringLiteral("SEROLOJİ"), QStringLiteral("TIBBİ GENETİK"), QStringLiteral("ENZİMLER"),
                      QStringLiteral("ENDOKRİNOLOJİ"), QStringLiteral("TDM"), QStringLiteral("ALLERGENLER"),
                      QStringLiteral("RADYOLOJI")});
    yanPanel()->addWidget(m_grup);
    auto *bulDugmesi = new QPushButton(QStringLiteral("Tetkik Bul"));
    bulDugmesi->setObjectName(QStringLiteral("BTN_labarama"));
    connect(bulDugmesi, &QPushButton::clicked, this, &Tfrm_muayene_lab::tetkikBul);
    yanPanel()->addWidget(bulDugmesi);
    yanPanel()->addStretch(1);
    ekBilgileriKur();
    QAction *labAra = aramalarMenusu()->addAction(QStringLiteral("Laboratuvar Ara"));
    labAra->setObjectName(QStringLiteral("LaboratuvarAra1"));
    connect(labAra, &QAction::triggered, this, &Tfrm_muayene_lab::laboratuvarAra);
    QAction *katalog = islemlerMenusu()->addAction(QStringLiteral("Laboratuvarlar"));
    katalog->setObjectName(QStringLiteral("Laboratuvarlar1"));
    connect(katalog, &QAction::triggered, this, [this] { EkranAc(QStringLiteral("frm_laboratuvarlar"), this); });
    bul = [this] { tetkikBul(); };
    TetkikSatirlari::bosSatirlariSil();
    LabAktarimHedefiKaydet(QStringLiteral("laboratuvar"), [this](const QVariantMap &t) { return tetkikAktar(t); });
}

// The rest of the current order line, beside its grid.
void Tfrm_muayene_lab::ekBilgileriKur()
{
    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet3"));
    auto *form = new QFormLayout(sayfa);
    Baglayici *b = satirBaglayici();
    auto kutu = [&](const char *kolon, const QString &etiket, bool sayi = false) {
        auto *e = new QLineEdit;
        e->setObjectName(QStringLiteral("edt_") + QString::fromLatin1(kolon).toLower());
        if (sayi)
            b->sayiBagla(e, QLatin1String(kolon));
        else
            b->bagla(e, QLatin1String(kolon));
        form->addRow(etiket, e);
    };
    kutu("CINSIYETI", QStringLiteral("Cinsiyet"));
    kutu("TANI", QStringLiteral("Tanı"));
    kutu("CEPNO", QStringLiteral("Hasta Cep No"));
    kutu("SIRANO", QStringLiteral("Sira No"));
    kutu("LABORATUVARADI", QStringLiteral("Laboratuvar Adı"));
    kutu("ACIKLAMA", QStringLiteral("Acıklama"));
    kutu("OZELKOD1", QStringLiteral("Özel Kod"));
    kutu("DURUM", QStringLiteral("Durum"));
    kutu("DOKTORPAYTURU", QStringLiteral("Dr. Pay Türü"));
    kutu("DOKTORPAYPARAM", QStringLiteral("Dr. Pay Parametresi"), true);
    kutu("DOKTORPAYTUTARI", QStringLiteral("Dr. Pay Tutarı"), true);
    kutu("ISLEMTURU", QStringLiteral("İşlem Türü"));
    auto *odeme = new QComboBox;
    odeme->setObjectName(QStringLiteral("cmb_odemesekli"));
    odeme->addItems({QString(), QStringLiteral("NAKIT"), QStringLiteral("K.KARTI"), QStringLiteral("CEK"),
                     QStringLiteral("SENET"), QStringLiteral("UCRETSIZ")});
    b->bagla(odeme, QStringLiteral("ODEMESEKLI"));
    form->addRow(QStringLiteral("Ödeme Şekli"), odeme);
    kutu("ISLEMIYAPANKODU", QStringLiteral("İşlemi Yapan Kodu"));
    kutu("ISLEMIYAPANADI", QStringLiteral("İşlemi Yapan Adı"));
    altSekmeler()->addTab(sayfa, QStringLiteral("EK BİLGİLERİ"));
}

Tfrm_muayene_lab::~Tfrm_muayene_lab() { LabAktarimHedefiKaydet(QStringLiteral("laboratuvar"), {}); }

void Tfrm_muayene_lab::tetkikBul()
{
    if (seciliMuayene() <= 0)
        return;
    const bool kendiActi = !aramaAcik;
    const QString grup = m_grup->currentText().trimmed();
    if (!grup.isEmpty())
        Aktarim.lab_turu = grup;
    Aktarim.lab_cagiran = QStringLiteral("laboratuvar");
    aramaAcik = true;
    QVariantMap tetkik;
    {
        AramaPenceresi d(QStringLiteral("frm_labarama"), this);
        if (d.calistir() != QLatin1String("-1"))
            for (const QString &k : TetkikSatirlari::tetkikKolonlari(true))
                tetkik.insert(k, d.deger(k));
    }
    if (kendiActi)
        aramaAcik = false;
    Aktarim.lab_cagiran.clear();
    if (tetkik.isEmpty())
        return;
    VeriSeti *lab = satirlar();
    if (lab->durum() != VeriSeti::Durum::Ekle) {
        if (!lab->acikMi())
            satirlariYukle();
        if (!lab->acikMi() || (lab->bosMu() ? !lab->ekle() : !lab->duzenle()))
            return;
    }
    TetkikSatirlari::tetkikKopyala(*lab, tetkik, true);
    lab->kaydet();
}

bool Tfrm_muayene_lab::tetkikAktar(const QVariantMap &tetkik)
{
    VeriSeti *lab = satirlar();
    const bool bekleyenBos = lab->durum() == VeriSeti::Durum::Ekle
                             && lab->deger(QStringLiteral("TETKIKADI")).isNull()
                             && lab->deger(QStringLiteral("TETKIKKODU")).isNull();
    if (!bekleyenBos) {
        if (!lab->acikMi())
            satirlariYukle();
        if (!lab->acikMi() || !lab->ekle())
            return false;
    }
    TetkikSatirlari::tetkikKopyala(*lab, tetkik, false);
    return lab->kaydet();
}

void Tfrm_muayene_lab::laboratuvarAra()
{
    AramaPenceresi d(QStringLiteral("frm_muayene_labarama"), this);
    if (d.calistir() == QLatin1String("-1"))
        return;
    const QString hasta = d.deger(QStringLiteral("HASTAKODU")).toString();
    VeriSeti *vs = muayeneler();
    if (hasta.isEmpty() || !vs || !vs->acikMi() || satirlar()->duzenleniyorMu())
        return;
    // The first examination of that patient on the tab shown.
    vs->kesinKayitSayisi();
    for (int i = 0; i < vs->kayitSayisi(); ++i)
        if (vs->satirDegeri(i, QStringLiteral("HASTAKODU")).toString() == hasta) {
            vs->satiraGit(i);
            return;
        }
}
