// The designer window: its parts put together, the toolbar, opening and
// saving templates, adding and deleting objects and bands.
#include "raporlar/motor/raportasarim_ozel.h"

#include "app/mesaj.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int bantSirasi(BantTuru t)
{
    switch (t) {
    case BantTuru::SayfaBasligi: return 0;
    case BantTuru::RaporBasligi: return 1;
    case BantTuru::KolonBasligi: return 2;
    case BantTuru::GrupBasligi: return 3;
    case BantTuru::Detay: return 4;
    case BantTuru::AltDetay: return 5;
    case BantTuru::GrupSonu: return 6;
    case BantTuru::Ozet: return 7;
    case BantTuru::SayfaAltligi: return 8;
    }
    return 4;
}

} // namespace

namespace RaporTasarimIc {

QDoubleSpinBox *mmKutusu(QWidget *ust, const char *ad, qreal en, qreal enCok)
{
    auto *s = new QDoubleSpinBox(ust);
    s->setObjectName(QString::fromLatin1(ad));
    s->setRange(en, enCok);
    s->setDecimals(1);
    s->setSingleStep(0.5);
    s->setSuffix(QStringLiteral(" mm"));
    return s;
}

QPushButton *dugme(QWidget *ust, const char *ad, const QString &metin)
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(QString::fromLatin1(ad));
    b->setAutoDefault(false);
    return b;
}

} // namespace RaporTasarimIc

using namespace RaporTasarimIc;

// ---------------------------------------------------------------- window

RaporTasarim::RaporTasarim(QWidget *ust, const VeriKaynagi *kaynak)
    : QDialog(ust), m_kaynak(kaynak)
{
    setObjectName(QStringLiteral("frm_rapor_tasarim"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1200, 800);

    auto *kok = new QVBoxLayout(this);
    aracCubuguKur(kok);
    kok->addWidget(sayfaAyariKur());

    // The canvas on the left; the property panel and the sample pane on the right.
    auto *bolucu = new QSplitter(this);
    kok->addWidget(bolucu, 1);
    tuvalKur(bolucu);
    auto *sag = new QWidget(bolucu);
    auto *sagL = new QVBoxLayout(sag);
    ozellikPaneliKur(sag, sagL);
    ornekBolmesiKur(sag, sagL);
    bolucu->addWidget(sag);
    bolucu->setStretchFactor(0, 3);
    bolucu->setStretchFactor(1, 2);

    duzenlemeleriBagla();
    yeniSablon(KendiSablonKlasoru());
}

void RaporTasarim::aracCubuguKur(QVBoxLayout *kok)
{
    auto *arac = new QHBoxLayout;
    kok->addLayout(arac);
    auto *btnYeni = dugme(this, "btn_yeni", QStringLiteral("Yeni"));
    auto *btnAc = dugme(this, "btn_ac", QStringLiteral("Aç"));
    auto *btnKaydet = dugme(this, "btn_kaydet", QStringLiteral("Kaydet"));
    auto *btnFarkli = dugme(this, "btn_farklikaydet", QStringLiteral("Farklı Kaydet"));
    auto *btnMetin = dugme(this, "btn_metinekle", QStringLiteral("+ Metin"));
    auto *btnCizgi = dugme(this, "btn_cizgiekle", QStringLiteral("+ Çizgi"));
    auto *btnKutu = dugme(this, "btn_kutuekle", QStringLiteral("+ Kutu"));
    auto *btnResim = dugme(this, "btn_resimekle", QStringLiteral("+ Resim"));
    auto *btnSil = dugme(this, "btn_sil", QStringLiteral("Sil"));
    m_cmbBantTuru = new QComboBox(this);
    m_cmbBantTuru->setObjectName(QStringLiteral("cmb_banttur"));
    for (BantTuru t : {BantTuru::RaporBasligi, BantTuru::SayfaBasligi, BantTuru::KolonBasligi, BantTuru::GrupBasligi,
                       BantTuru::Detay, BantTuru::AltDetay, BantTuru::GrupSonu, BantTuru::Ozet, BantTuru::SayfaAltligi})
        m_cmbBantTuru->addItem(BantTuruBasligi(t), int(t));
    auto *btnBant = dugme(this, "btn_bantekle", QStringLiteral("+ Bant"));
    auto *btnOnizle = dugme(this, "btn_onizle", QStringLiteral("Önizle"));
    auto *btnKapat = dugme(this, "btn_kapat", QStringLiteral("Kapat"));
    for (QWidget *w : std::initializer_list<QWidget *>{btnYeni, btnAc, btnKaydet, btnFarkli, btnMetin, btnCizgi,
                                                       btnKutu, btnResim, btnSil, m_cmbBantTuru, btnBant,
                                                       btnOnizle, btnKapat})
        arac->addWidget(w);
    arac->addStretch();

    connect(btnYeni, &QPushButton::clicked, this, [this] {
        if (m_degisti && Mesaj::soru(QStringLiteral("Şablondaki değişiklikler kaydedilsin mi?"), this) && !kaydet())
            return;
        yeniSablon(m_yol.isEmpty() ? KendiSablonKlasoru() : QFileInfo(m_yol).absolutePath());
    });
    connect(btnAc, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaAc(QStringLiteral("Rapor Şablonu Aç"),
                                           m_yol.isEmpty() ? KendiSablonKlasoru() : QFileInfo(m_yol).absolutePath(),
                                           QStringLiteral("Rapor şablonları (*.frf)"), this);
        if (!yol.isEmpty())
            ac(yol);
    });
    connect(btnKaydet, &QPushButton::clicked, this, [this] { kaydet(); });
    connect(btnFarkli, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaKaydet(QStringLiteral("Rapor Şablonunu Kaydet"),
                                               m_yol.isEmpty() ? KendiSablonKlasoru() : m_yol,
                                               QStringLiteral("Rapor şablonları (*.frf)"), this);
        if (!yol.isEmpty())
            farkliKaydet(yol);
    });
    connect(btnMetin, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Metin); });
    connect(btnCizgi, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Cizgi); });
    connect(btnKutu, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Kutu); });
    connect(btnResim, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Resim); });
    connect(btnSil, &QPushButton::clicked, this, [this] { seciliyiSil(); });
    connect(btnBant, &QPushButton::clicked, this, [this] {
        const auto tur = BantTuru(m_cmbBantTuru->currentData().toInt());
        QString kolon;
        if (tur == BantTuru::GrupBasligi || tur == BantTuru::GrupSonu) {
            const auto k = Mesaj::girdi(QStringLiteral("Grup Bandı"), QStringLiteral("Gruplanacak kolon:"),
                                        kolonAdlari().value(0), this);
            if (!k || k->trimmed().isEmpty())
                return;
            kolon = k->trimmed().toUpper();
        }
        bantEkle(tur, kolon);
    });
    connect(btnOnizle, &QPushButton::clicked, this, &RaporTasarim::onizle);
    connect(btnKapat, &QPushButton::clicked, this, &RaporTasarim::reject);
}

RaporTasarim::~RaporTasarim() = default;

QStringList RaporTasarim::kolonAdlari() const
{
    if (m_kaynak)
        return m_kaynak->kolonlar();
    if (m_ornek)
        return m_ornek->kolonlar();
    return {};
}

void RaporTasarim::yeniSablon(const QString &klasor)
{
    RaporSablonu s;
    s.dosyaYolu.clear();
    RaporBandi baslik;
    baslik.tur = BantTuru::RaporBasligi;
    baslik.yukseklik = 14;
    RaporNesnesi b;
    b.alan = QRectF(0, 2, 120, 9);
    b.metin = QStringLiteral("[#BASLIK]");
    b.boyut = 14;
    b.kalin = true;
    baslik.nesneler.push_back(b);
    RaporBandi detay;
    detay.tur = BantTuru::Detay;
    detay.yukseklik = 5;
    RaporBandi altlik;
    altlik.tur = BantTuru::SayfaAltligi;
    altlik.yukseklik = 8;
    RaporNesnesi sayfa;
    sayfa.alan = QRectF(s.yaziAlaniGenisligi() - 50, 2, 50, 5);
    sayfa.metin = QStringLiteral("Sayfa [#SAYFA] / [#SAYFASAYISI]");
    sayfa.hiza = Qt::AlignRight | Qt::AlignVCenter;
    altlik.nesneler.push_back(sayfa);
    s.bantlar = {baslik, detay, altlik};
    m_sablon = s;
    m_yol.clear();
    m_yeniKlasor = klasor;
    setWindowTitle(QStringLiteral("Rapor Tasarımı - (yeni şablon)"));
    m_bant = m_nesne = -1;
    sayfaAyariniGoster();
    sahneKur();
    m_degisti = false;
    m_canliZaman->start();
}

bool RaporTasarim::ac(const QString &yol)
{
    QString hata;
    auto s = RaporSablonu::oku(yol, &hata);
    if (!s) {
        Mesaj::hata(hata, this);
        return false;
    }
    m_sablon = *s;
    m_yol = QFileInfo(yol).absoluteFilePath();
    setWindowTitle(QStringLiteral("Rapor Tasarımı - ") + QDir::toNativeSeparators(m_yol));
    m_bant = m_nesne = -1;
    sayfaAyariniGoster();
    sahneKur();
    m_degisti = false;
    m_canliZaman->start();
    return true;
}

bool RaporTasarim::farkliKaydet(const QString &yol)
{
    QString hedef = yol;
    if (QFileInfo(hedef).suffix().isEmpty())
        hedef += QStringLiteral(".frf");
    QString hata;
    if (!m_sablon.yaz(hedef, &hata)) {
        Mesaj::hata(hata, this);
        return false;
    }
    m_yol = QFileInfo(hedef).absoluteFilePath();
    m_sablon.dosyaYolu = m_yol;
    m_degisti = false;
    setWindowTitle(QStringLiteral("Rapor Tasarımı - ") + QDir::toNativeSeparators(m_yol));
    return true;
}

bool RaporTasarim::kaydet()
{
    if (!m_yol.isEmpty() && QFileInfo(m_yol).isWritable())
        return farkliKaydet(m_yol);
    // A new template, or one the program ships (read only once installed):
    // offered in the practice's own folder.
    const QString ad = m_yol.isEmpty() ? QStringLiteral("yeni.frf") : QFileInfo(m_yol).fileName();
    const bool yeniKlasorde = m_yol.isEmpty() && !m_yeniKlasor.isEmpty() && QFileInfo(m_yeniKlasor).isWritable();
    const QString klasor = yeniKlasorde ? m_yeniKlasor : KendiSablonKlasoru();
    const QString yol = Mesaj::dosyaKaydet(QStringLiteral("Rapor Şablonunu Kaydet"), QDir(klasor).filePath(ad),
                                           QStringLiteral("Rapor şablonları (*.frf)"), this);
    return !yol.isEmpty() && farkliKaydet(yol);
}

void RaporTasarim::reject()
{
    if (m_degisti) {
        if (Mesaj::soru(QStringLiteral("Şablondaki değişiklikler kaydedilsin mi?"), this)) {
            if (!kaydet())
                return;
        }
    }
    QDialog::reject();
}

int RaporTasarim::nesneEkle(NesneTuru tur)
{
    int b = m_bant;
    if (b < 0) {
        for (int i = 0; i < int(m_sablon.bantlar.size()); ++i)
            if (m_sablon.bantlar[i].tur == BantTuru::Detay)
                b = i;
    }
    if (b < 0) {
        Mesaj::goster(QStringLiteral("Önce nesnenin konacağı bandı seçin."), this);
        return -1;
    }
    RaporBandi &bant = m_sablon.bantlar[b];
    RaporNesnesi n;
    n.tur = tur;
    const qreal h = std::min<qreal>(5, std::max<qreal>(bant.yukseklik, 1));
    switch (tur) {
    case NesneTuru::Metin:
        n.alan = QRectF(0, 0, 40, h);
        n.metin = QStringLiteral("Metin");
        break;
    case NesneTuru::Cizgi:
        n.cizgi = QLineF(0, 0.5, 40, 0.5);
        n.alan = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
        break;
    case NesneTuru::Kutu:
        n.alan = QRectF(0, 0, 40, h);
        break;
    case NesneTuru::Resim:
        n.alan = QRectF(0, 0, 30, std::max<qreal>(h, 15));
        break;
    }
    bant.nesneler.push_back(n);
    m_bant = b;
    m_nesne = int(bant.nesneler.size()) - 1;
    degistir(true);
    return m_nesne;
}

bool RaporTasarim::seciliyiSil()
{
    if (m_bant < 0)
        return false;
    if (m_nesne >= 0) {
        auto &v = m_sablon.bantlar[m_bant].nesneler;
        v.erase(v.begin() + m_nesne);
        m_nesne = -1;
    } else {
        const RaporBandi &b = m_sablon.bantlar[m_bant];
        if (!b.nesneler.empty()
            && !Mesaj::soru(QStringLiteral("%1 bandı içindeki nesnelerle birlikte silinsin mi?").arg(BantTuruBasligi(b.tur)),
                            this))
            return false;
        m_sablon.bantlar.erase(m_sablon.bantlar.begin() + m_bant);
        m_bant = -1;
    }
    degistir(true);
    return true;
}

int RaporTasarim::bantEkle(BantTuru tur, const QString &kolon)
{
    const bool grup = tur == BantTuru::GrupBasligi || tur == BantTuru::GrupSonu;
    if (grup && kolon.trimmed().isEmpty())
        return -1;
    if (!grup && m_sablon.bant(tur)) {
        Mesaj::goster(QStringLiteral("Şablonda zaten bir \"%1\" bandı var.").arg(BantTuruBasligi(tur)), this);
        return -1;
    }
    RaporBandi b;
    b.tur = tur;
    b.kolon = kolon.trimmed();
    b.yukseklik = tur == BantTuru::Detay ? 5 : 8;
    if (const QString cakisma = m_sablon.grupCakismasi(b); !cakisma.isEmpty()) {
        Mesaj::goster(cakisma, this);
        return -1;
    }
    // In print order: outer group headers before inner ones, footers the other way round.
    int yer = int(m_sablon.bantlar.size());
    for (int i = 0; i < int(m_sablon.bantlar.size()); ++i) {
        const int s = bantSirasi(m_sablon.bantlar[i].tur);
        if (s > bantSirasi(tur) || (tur == BantTuru::GrupSonu && s == bantSirasi(tur))) {
            yer = i;
            break;
        }
    }
    m_sablon.bantlar.insert(m_sablon.bantlar.begin() + yer, b);
    m_bant = yer;
    m_nesne = -1;
    degistir(true);
    return yer;
}

void RaporTasarim::degistir(bool sahneDegisti)
{
    m_degisti = true;
    if (sahneDegisti)
        sahneKur();
    m_canliZaman->start();
    emit degisiklik();
}

bool RaporTasarla(const QString &yol, QWidget *ust, const VeriKaynagi *kaynak)
{
    RaporTasarim t(ust, kaynak);
    if (!t.ac(yol))
        return false;
    t.exec();
    return true;
}
