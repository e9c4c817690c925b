// The designer's page set-up row and property panel: an empty page, the
// object page and the band page of a stacked widget. Edits are written
// straight into the template; m_yukleniyor keeps the panel's own filling
// from counting as an edit.
#include "raporlar/motor/raportasarim_ozel.h"

#include "app/mesaj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace RaporTasarimIc;

// ---------------------------------------------------------------- building

QGroupBox *RaporTasarim::sayfaAyariKur()
{
    auto *sayfaKutusu = new QGroupBox(QStringLiteral("Sayfa"), this);
    auto *sl = new QHBoxLayout(sayfaKutusu);
    m_cmbKagit = new QComboBox(sayfaKutusu);
    m_cmbKagit->setObjectName(QStringLiteral("cmb_kagit"));
    m_cmbKagit->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    m_cmbYon = new QComboBox(sayfaKutusu);
    m_cmbYon->setObjectName(QStringLiteral("cmb_yon"));
    m_cmbYon->addItems({QStringLiteral("Dikey"), QStringLiteral("Yatay")});
    m_spnSol = mmKutusu(sayfaKutusu, "spn_sol", 0, 100);
    m_spnUst = mmKutusu(sayfaKutusu, "spn_ust", 0, 100);
    m_spnSag = mmKutusu(sayfaKutusu, "spn_sag", 0, 100);
    m_spnAlt = mmKutusu(sayfaKutusu, "spn_alt", 0, 100);
    m_cmbSablonYazi = new QFontComboBox(sayfaKutusu);
    m_cmbSablonYazi->setObjectName(QStringLiteral("cmb_sablonyazi"));
    m_spnSablonBoyut = new QDoubleSpinBox(sayfaKutusu);
    m_spnSablonBoyut->setObjectName(QStringLiteral("spn_sablonboyut"));
    m_spnSablonBoyut->setRange(4, 72);
    sl->addWidget(new QLabel(QStringLiteral("Kağıt"), sayfaKutusu));
    sl->addWidget(m_cmbKagit);
    sl->addWidget(m_cmbYon);
    sl->addWidget(new QLabel(QStringLiteral("Sol"), sayfaKutusu));
    sl->addWidget(m_spnSol);
    sl->addWidget(new QLabel(QStringLiteral("Üst"), sayfaKutusu));
    sl->addWidget(m_spnUst);
    sl->addWidget(new QLabel(QStringLiteral("Sağ"), sayfaKutusu));
    sl->addWidget(m_spnSag);
    sl->addWidget(new QLabel(QStringLiteral("Alt"), sayfaKutusu));
    sl->addWidget(m_spnAlt);
    sl->addWidget(new QLabel(QStringLiteral("Yazı"), sayfaKutusu));
    sl->addWidget(m_cmbSablonYazi);
    sl->addWidget(m_spnSablonBoyut);
    sl->addStretch();
    return sayfaKutusu;
}

void RaporTasarim::ozellikPaneliKur(QWidget *sag, QVBoxLayout *sagL)
{
    m_panel = new QStackedWidget(sag);
    m_panel->setObjectName(QStringLiteral("stk_ozellikler"));
    sagL->addWidget(m_panel);

    // Empty page of the panel.
    m_panel->addWidget(new QLabel(QStringLiteral("Bir bant ya da nesne seçin."), m_panel));
    m_panel->addWidget(nesneSayfasiKur());
    m_panel->addWidget(bantSayfasiKur());
}

// Property and page set-up edits write straight into the template. Connected
// once the whole window stands: an edit re-lays the canvas and restarts the
// live preview's timer.
void RaporTasarim::duzenlemeleriBagla()
{
    connect(m_edtMetin, &QPlainTextEdit::textChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QLineEdit *e : {m_edtAd, m_edtDosya})
        connect(e, &QLineEdit::textChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QDoubleSpinBox *s : {m_spnX, m_spnY, m_spnG, m_spnH, m_spnBoyut, m_spnKalinlik})
        connect(s, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QCheckBox *c : {m_chkKalin, m_chkItalik, m_chkAltCizili, m_chkKaydir, m_chkKirp, m_chkUzar})
        connect(c, &QCheckBox::toggled, this, &RaporTasarim::ozelliklerdenAl);
    for (QComboBox *c : {m_cmbHiza, m_cmbDikey, m_cmbCerceve})
        connect(c, &QComboBox::currentIndexChanged, this, &RaporTasarim::ozelliklerdenAl);
    connect(m_cmbYazi, &QFontComboBox::currentFontChanged, this, &RaporTasarim::ozelliklerdenAl);
    connect(m_spnBantH, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::bantOzelliklerindenAl);
    connect(m_edtBantKolon, &QLineEdit::editingFinished, this, &RaporTasarim::bantOzelliklerindenAl);
    for (QCheckBox *c : {m_chkEsnek, m_chkOtomatik, m_chkYeniSayfa, m_chkTekrarla})
        connect(c, &QCheckBox::toggled, this, &RaporTasarim::bantOzelliklerindenAl);
    // page set-up
    for (QComboBox *c : {m_cmbKagit, m_cmbYon})
        connect(c, &QComboBox::currentIndexChanged, this, &RaporTasarim::sayfaAyarindanAl);
    for (QDoubleSpinBox *s : {m_spnSol, m_spnUst, m_spnSag, m_spnAlt, m_spnSablonBoyut})
        connect(s, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::sayfaAyarindanAl);
    connect(m_cmbSablonYazi, &QFontComboBox::currentFontChanged, this, &RaporTasarim::sayfaAyarindanAl);
}

QWidget *RaporTasarim::nesneSayfasiKur()
{
    auto *nesneSayfa = new QWidget(m_panel);
    auto *nf = new QFormLayout(nesneSayfa);
    nesneMetniKur(nesneSayfa, nf);
    nesneKonumuKur(nesneSayfa, nf);
    nesneYazisiKur(nesneSayfa, nf);
    nesneCercevesiKur(nesneSayfa, nf);
    return nesneSayfa;
}

// The text with the field and system value pickers that insert into it.
void RaporTasarim::nesneMetniKur(QWidget *w, QFormLayout *f)
{
    m_edtMetin = new QPlainTextEdit(w);
    m_edtMetin->setObjectName(QStringLiteral("edt_metin"));
    m_edtMetin->setMaximumHeight(80);
    f->addRow(QStringLiteral("Metin"), m_edtMetin);
    auto *alanSatiri = new QHBoxLayout;
    m_cmbAlan = new QComboBox(w);
    m_cmbAlan->setObjectName(QStringLiteral("cmb_alan"));
    m_cmbAlan->setEditable(true);
    m_cmbBicim = new QComboBox(w);
    m_cmbBicim->setObjectName(QStringLiteral("cmb_bicim"));
    m_cmbBicim->setEditable(true);
    m_cmbBicim->addItems({QString(), QStringLiteral("#,###.00"), QStringLiteral("#,##"), QStringLiteral("DD.MM.YYYY"),
                          QStringLiteral("hh:nn"), QStringLiteral("DD.MM.YYYY hh:nn")});
    auto *btnAlan = dugme(w, "btn_alanekle", QStringLiteral("Ekle"));
    alanSatiri->addWidget(m_cmbAlan, 2);
    alanSatiri->addWidget(m_cmbBicim, 1);
    alanSatiri->addWidget(btnAlan);
    f->addRow(QStringLiteral("Alan / biçim"), alanSatiri);
    auto *sistemSatiri = new QHBoxLayout;
    m_cmbSistem = new QComboBox(w);
    m_cmbSistem->setObjectName(QStringLiteral("cmb_sistem"));
    m_cmbSistem->addItems({QStringLiteral("[#SAYFA]"), QStringLiteral("[#SAYFASAYISI]"), QStringLiteral("[#TARIH]"),
                           QStringLiteral("[#SAAT]"), QStringLiteral("[#BASLIK]"), QStringLiteral("[#SATIRNO]"),
                           QStringLiteral("[#KAYITSAYISI]"), QStringLiteral("[#ADET]"), QStringLiteral("[#GRUPSATIRNO]"),
                           QStringLiteral("[#TOPLAM(BORC):#,###.00]"), QStringLiteral("[#GRUPTOPLAM(BORC):#,###.00]"),
                           QStringLiteral("[#YURUYEN(BORC-ALACAK):#,###.00]"), QStringLiteral("[#SIRKET]")});
    auto *btnSistem = dugme(w, "btn_sistemekle", QStringLiteral("Ekle"));
    sistemSatiri->addWidget(m_cmbSistem, 1);
    sistemSatiri->addWidget(btnSistem);
    f->addRow(QStringLiteral("Sistem değeri"), sistemSatiri);

    connect(btnAlan, &QPushButton::clicked, this, [this] {
        const QString alan = m_cmbAlan->currentText().trimmed();
        if (alan.isEmpty())
            return;
        const QString bicim = m_cmbBicim->currentText().trimmed();
        m_edtMetin->insertPlainText(QLatin1Char('[') + alan + (bicim.isEmpty() ? QString() : QLatin1Char(':') + bicim)
                                    + QLatin1Char(']'));
    });
    connect(btnSistem, &QPushButton::clicked, this, [this] { m_edtMetin->insertPlainText(m_cmbSistem->currentText()); });
}

// The object's name, place and size.
void RaporTasarim::nesneKonumuKur(QWidget *w, QFormLayout *f)
{
    m_edtAd = new QLineEdit(w);
    m_edtAd->setObjectName(QStringLiteral("edt_ad"));
    f->addRow(QStringLiteral("Nesne adı"), m_edtAd);
    m_spnX = mmKutusu(w, "spn_x", -50, 500);
    m_spnY = mmKutusu(w, "spn_y", -50, 500);
    m_spnG = mmKutusu(w, "spn_genislik", 0, 500);
    m_spnH = mmKutusu(w, "spn_yukseklik", 0, 500);
    auto *konum = new QHBoxLayout;
    konum->addWidget(m_spnX);
    konum->addWidget(m_spnY);
    f->addRow(QStringLiteral("X / Y"), konum);
    auto *boyut = new QHBoxLayout;
    boyut->addWidget(m_spnG);
    boyut->addWidget(m_spnH);
    f->addRow(QStringLiteral("Genişlik / Yükseklik"), boyut);
}

// Font, style, alignment and how a text wraps.
void RaporTasarim::nesneYazisiKur(QWidget *w, QFormLayout *f)
{
    m_cmbYazi = new QFontComboBox(w);
    m_cmbYazi->setObjectName(QStringLiteral("cmb_yazitipi"));
    m_spnBoyut = new QDoubleSpinBox(w);
    m_spnBoyut->setObjectName(QStringLiteral("spn_boyut"));
    m_spnBoyut->setRange(0, 96);
    m_spnBoyut->setSpecialValueText(QStringLiteral("Şablonun"));
    auto *yazi = new QHBoxLayout;
    yazi->addWidget(m_cmbYazi, 1);
    yazi->addWidget(m_spnBoyut);
    f->addRow(QStringLiteral("Yazı tipi"), yazi);
    m_chkKalin = new QCheckBox(QStringLiteral("Kalın"), w);
    m_chkKalin->setObjectName(QStringLiteral("chk_kalin"));
    m_chkItalik = new QCheckBox(QStringLiteral("İtalik"), w);
    m_chkItalik->setObjectName(QStringLiteral("chk_italik"));
    m_chkAltCizili = new QCheckBox(QStringLiteral("Altı çizili"), w);
    m_chkAltCizili->setObjectName(QStringLiteral("chk_altcizili"));
    auto *stil = new QHBoxLayout;
    stil->addWidget(m_chkKalin);
    stil->addWidget(m_chkItalik);
    stil->addWidget(m_chkAltCizili);
    f->addRow(QString(), stil);
    m_cmbHiza = new QComboBox(w);
    m_cmbHiza->setObjectName(QStringLiteral("cmb_hiza"));
    m_cmbHiza->addItem(QStringLiteral("Sola"), int(Qt::AlignLeft));
    m_cmbHiza->addItem(QStringLiteral("Ortaya"), int(Qt::AlignHCenter));
    m_cmbHiza->addItem(QStringLiteral("Sağa"), int(Qt::AlignRight));
    m_cmbHiza->addItem(QStringLiteral("İki yana"), int(Qt::AlignJustify));
    m_cmbDikey = new QComboBox(w);
    m_cmbDikey->setObjectName(QStringLiteral("cmb_dikey"));
    m_cmbDikey->addItem(QStringLiteral("Üst"), int(Qt::AlignTop));
    m_cmbDikey->addItem(QStringLiteral("Orta"), int(Qt::AlignVCenter));
    m_cmbDikey->addItem(QStringLiteral("Alt"), int(Qt::AlignBottom));
    auto *hiza = new QHBoxLayout;
    hiza->addWidget(m_cmbHiza);
    hiza->addWidget(m_cmbDikey);
    f->addRow(QStringLiteral("Hizalama"), hiza);
    m_chkKaydir = new QCheckBox(QStringLiteral("Satır kaydır"), w);
    m_chkKaydir->setObjectName(QStringLiteral("chk_kaydir"));
    m_chkKirp = new QCheckBox(QStringLiteral("Taşanı kırp"), w);
    m_chkKirp->setObjectName(QStringLiteral("chk_kirp"));
    m_chkUzar = new QCheckBox(QStringLiteral("Metinle uzasın"), w);
    m_chkUzar->setObjectName(QStringLiteral("chk_uzar"));
    m_chkUzar->setToolTip(QStringLiteral("Kutu bütün metni alacak kadar uzar, altındakiler aşağı kayar; "
                                         "sayfaya sığmayan kısım sonraki sayfada sürer."));
    auto *sarma = new QHBoxLayout;
    sarma->addWidget(m_chkKaydir);
    sarma->addWidget(m_chkKirp);
    sarma->addWidget(m_chkUzar);
    f->addRow(QString(), sarma);
}

// Frame or line, and a picture's file.
void RaporTasarim::nesneCercevesiKur(QWidget *w, QFormLayout *f)
{
    m_cmbCerceve = new QComboBox(w);
    m_cmbCerceve->setObjectName(QStringLiteral("cmb_cerceve"));
    m_cmbCerceve->addItem(QStringLiteral("Yok"), int(KenarYok));
    m_cmbCerceve->addItem(QStringLiteral("Tam"), int(KenarTam));
    m_cmbCerceve->addItem(QStringLiteral("Alt"), int(KenarAlt));
    m_cmbCerceve->addItem(QStringLiteral("Üst"), int(KenarUst));
    m_cmbCerceve->addItem(QStringLiteral("Üst ve alt"), int(KenarUst | KenarAlt));
    m_cmbCerceve->addItem(QStringLiteral("Sol ve sağ"), int(KenarSol | KenarSag));
    m_spnKalinlik = mmKutusu(w, "spn_kalinlik", 0.05, 5);
    m_spnKalinlik->setDecimals(2);
    m_spnKalinlik->setSingleStep(0.1);
    auto *cerceve = new QHBoxLayout;
    cerceve->addWidget(m_cmbCerceve);
    cerceve->addWidget(m_spnKalinlik);
    f->addRow(QStringLiteral("Çerçeve / çizgi"), cerceve);
    m_edtDosya = new QLineEdit(w);
    m_edtDosya->setObjectName(QStringLiteral("edt_dosya"));
    auto *btnDosya = dugme(w, "btn_dosyasec", QStringLiteral("..."));
    auto *dosya = new QHBoxLayout;
    dosya->addWidget(m_edtDosya, 1);
    dosya->addWidget(btnDosya);
    f->addRow(QStringLiteral("Resim dosyası"), dosya);


    connect(btnDosya, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QString(),
                                           QStringLiteral("Resimler (*.png *.jpg *.jpeg *.bmp)"), this);
        if (!yol.isEmpty())
            m_edtDosya->setText(yol);
    });
}

QWidget *RaporTasarim::bantSayfasiKur()
{
    auto *bantSayfa = new QWidget(m_panel);
    auto *bf = new QFormLayout(bantSayfa);
    m_lblBant = new QLabel(bantSayfa);
    m_lblBant->setObjectName(QStringLiteral("lbl_bant"));
    bf->addRow(QStringLiteral("Bant"), m_lblBant);
    m_spnBantH = mmKutusu(bantSayfa, "spn_bantyukseklik", 0, 280);
    bf->addRow(QStringLiteral("Yükseklik"), m_spnBantH);
    m_edtBantKolon = new QLineEdit(bantSayfa);
    m_edtBantKolon->setObjectName(QStringLiteral("edt_bantkolon"));
    bf->addRow(QStringLiteral("Grup kolonu"), m_edtBantKolon);
    m_chkEsnek = new QCheckBox(QStringLiteral("Uzun metinle uzasın"), bantSayfa);
    m_chkEsnek->setObjectName(QStringLiteral("chk_esnek"));
    bf->addRow(QString(), m_chkEsnek);
    m_chkOtomatik = new QCheckBox(QStringLiteral("Veri kaynağının bütün kolonları"), bantSayfa);
    m_chkOtomatik->setObjectName(QStringLiteral("chk_otomatik"));
    bf->addRow(QString(), m_chkOtomatik);
    m_chkYeniSayfa = new QCheckBox(QStringLiteral("Her grup yeni sayfada"), bantSayfa);
    m_chkYeniSayfa->setObjectName(QStringLiteral("chk_yenisayfa"));
    bf->addRow(QString(), m_chkYeniSayfa);
    m_chkTekrarla = new QCheckBox(QStringLiteral("Grup sonraki sayfaya taşarsa yeniden bas"), bantSayfa);
    m_chkTekrarla->setObjectName(QStringLiteral("chk_tekrarla"));
    bf->addRow(QString(), m_chkTekrarla);
    auto *btnBantSil = dugme(bantSayfa, "btn_bantsil", QStringLiteral("Bandı Sil"));
    bf->addRow(QString(), btnBantSil);

    connect(btnBantSil, &QPushButton::clicked, this, [this] {
        m_nesne = -1;
        seciliyiSil();
    });
    return bantSayfa;
}

// ---------------------------------------------------------------- template <-> panel

void RaporTasarim::sayfaAyariniGoster()
{
    m_yukleniyor = true;
    m_cmbKagit->setCurrentIndex(m_sablon.kagit == RaporSablonu::Kagit::Letter ? 1 : 0);
    m_cmbYon->setCurrentIndex(m_sablon.yatay ? 1 : 0);
    m_spnSol->setValue(m_sablon.solBosluk);
    m_spnUst->setValue(m_sablon.ustBosluk);
    m_spnSag->setValue(m_sablon.sagBosluk);
    m_spnAlt->setValue(m_sablon.altBosluk);
    m_cmbSablonYazi->setCurrentFont(QFont(m_sablon.yaziTipi));
    m_spnSablonBoyut->setValue(m_sablon.boyut);
    m_yukleniyor = false;
}

void RaporTasarim::sayfaAyarindanAl()
{
    if (m_yukleniyor)
        return;
    m_sablon.kagit = m_cmbKagit->currentIndex() == 1 ? RaporSablonu::Kagit::Letter : RaporSablonu::Kagit::A4;
    m_sablon.yatay = m_cmbYon->currentIndex() == 1;
    m_sablon.solBosluk = m_spnSol->value();
    m_sablon.ustBosluk = m_spnUst->value();
    m_sablon.sagBosluk = m_spnSag->value();
    m_sablon.altBosluk = m_spnAlt->value();
    m_sablon.yaziTipi = m_cmbSablonYazi->currentFont().family();
    m_sablon.boyut = m_spnSablonBoyut->value();
    degistir(true);
}

void RaporTasarim::ozellikleriGoster()
{
    m_yukleniyor = true;
    if (m_bant < 0) {
        m_panel->setCurrentIndex(0);
    } else if (m_nesne < 0) {
        const RaporBandi &b = m_sablon.bantlar[m_bant];
        m_panel->setCurrentIndex(2);
        m_lblBant->setText(BantTuruBasligi(b.tur));
        m_spnBantH->setValue(b.yukseklik);
        m_edtBantKolon->setText(b.kolon);
        m_edtBantKolon->setEnabled(b.tur == BantTuru::GrupBasligi || b.tur == BantTuru::GrupSonu);
        m_chkEsnek->setChecked(b.esnek);
        m_chkOtomatik->setChecked(b.otomatik);
        m_chkOtomatik->setEnabled(b.tur == BantTuru::Detay || b.tur == BantTuru::KolonBasligi);
        m_chkYeniSayfa->setChecked(b.yeniSayfa);
        m_chkYeniSayfa->setEnabled(b.tur == BantTuru::GrupBasligi);
        m_chkTekrarla->setChecked(b.tekrarla);
        m_chkTekrarla->setEnabled(b.tur == BantTuru::GrupBasligi);
    } else {
        const RaporNesnesi &n = m_sablon.bantlar[m_bant].nesneler[m_nesne];
        m_panel->setCurrentIndex(1);
        const bool metin = n.tur == NesneTuru::Metin;
        m_edtMetin->setPlainText(n.metin);
        m_edtMetin->setEnabled(metin);
        m_edtAd->setText(n.ad);
        m_edtAd->setEnabled(metin);
        const QRectF a = n.tur == NesneTuru::Cizgi ? QRectF(n.cizgi.p1(), n.cizgi.p2()) : n.alan;
        m_spnX->setValue(a.x());
        m_spnY->setValue(a.y());
        m_spnG->setValue(a.width());
        m_spnH->setValue(a.height());
        m_cmbYazi->setCurrentFont(QFont(n.yaziTipi.isEmpty() ? m_sablon.yaziTipi : n.yaziTipi));
        m_spnBoyut->setValue(n.boyut);
        m_chkKalin->setChecked(n.kalin);
        m_chkItalik->setChecked(n.italik);
        m_chkAltCizili->setChecked(n.altCizili);
        m_cmbHiza->setCurrentIndex(std::max(0, m_cmbHiza->findData(int(n.hiza & Qt::AlignHorizontal_Mask))));
        m_cmbDikey->setCurrentIndex(std::max(0, m_cmbDikey->findData(int(n.hiza & Qt::AlignVertical_Mask))));
        m_chkKaydir->setChecked(n.kaydir);
        m_chkKirp->setChecked(n.kirp);
        m_chkUzar->setChecked(n.uzar);
        const int c = m_cmbCerceve->findData(n.kenar);
        if (c >= 0)
            m_cmbCerceve->setCurrentIndex(c);
        m_spnKalinlik->setValue(n.kalinlik);
        m_edtDosya->setText(n.dosya);
        m_edtDosya->setEnabled(n.tur == NesneTuru::Resim);
        for (QWidget *w : std::initializer_list<QWidget *>{m_cmbYazi, m_spnBoyut, m_chkKalin, m_chkItalik, m_chkAltCizili,
                                                           m_cmbHiza, m_cmbDikey, m_chkKaydir, m_chkKirp, m_chkUzar, m_cmbAlan,
                                                           m_cmbBicim, m_cmbSistem})
            w->setEnabled(metin);
        const QString alan = m_cmbAlan->currentText();
        m_cmbAlan->clear();
        m_cmbAlan->addItems(kolonAdlari());
        if (!alan.isEmpty())
            m_cmbAlan->setCurrentText(alan);
    }
    m_yukleniyor = false;
}

void RaporTasarim::ozelliklerdenAl()
{
    if (m_yukleniyor || m_bant < 0 || m_nesne < 0)
        return;
    RaporNesnesi &n = m_sablon.bantlar[m_bant].nesneler[m_nesne];
    if (n.tur == NesneTuru::Metin) {
        n.metin = m_edtMetin->toPlainText();
        n.ad = m_edtAd->text().trimmed();
        const QString aile = m_cmbYazi->currentFont().family();
        n.yaziTipi = aile == m_sablon.yaziTipi ? QString() : aile;
        n.boyut = m_spnBoyut->value();
        n.kalin = m_chkKalin->isChecked();
        n.italik = m_chkItalik->isChecked();
        n.altCizili = m_chkAltCizili->isChecked();
        n.hiza = Qt::Alignment(m_cmbHiza->currentData().toInt() | m_cmbDikey->currentData().toInt());
        n.kaydir = m_chkKaydir->isChecked();
        n.kirp = m_chkKirp->isChecked();
        n.uzar = m_chkUzar->isChecked();
    }
    if (n.tur == NesneTuru::Cizgi) {
        n.cizgi = QLineF(m_spnX->value(), m_spnY->value(), m_spnX->value() + m_spnG->value(),
                         m_spnY->value() + m_spnH->value());
        n.alan = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
    } else {
        n.alan = QRectF(m_spnX->value(), m_spnY->value(), m_spnG->value(), m_spnH->value());
        n.kenar = m_cmbCerceve->currentData().toInt();
    }
    n.kalinlik = m_spnKalinlik->value();
    if (n.tur == NesneTuru::Resim)
        n.dosya = m_edtDosya->text().trimmed();
    for (QGraphicsItem *o : m_sahne->items())
        if (auto *t = dynamic_cast<TasarimNesnesi *>(o))
            if (t->bant() == m_bant && t->indeks() == m_nesne)
                t->guncelle(n, m_sablon);
    degistir(false);
}

void RaporTasarim::bantOzelliklerindenAl()
{
    if (m_yukleniyor || m_bant < 0 || m_nesne >= 0)
        return;
    RaporBandi &b = m_sablon.bantlar[m_bant];
    b.yukseklik = m_spnBantH->value();
    if (b.tur == BantTuru::GrupBasligi || b.tur == BantTuru::GrupSonu) {
        const QString k = m_edtBantKolon->text().trimmed();
        RaporBandi aday = b;
        aday.kolon = k;
        const QString cakisma = k.isEmpty() ? QString() : m_sablon.grupCakismasi(aday, m_bant);
        if (!cakisma.isEmpty()) {
            // Refused before the live preview lays the template out.
            m_yukleniyor = true;
            m_edtBantKolon->setText(b.kolon);
            m_yukleniyor = false;
            Mesaj::goster(cakisma, this);
        } else if (!k.isEmpty()) {
            b.kolon = k;
        }
    }
    b.esnek = m_chkEsnek->isChecked();
    b.otomatik = m_chkOtomatik->isChecked();
    b.yeniSayfa = m_chkYeniSayfa->isChecked();
    b.tekrarla = m_chkTekrarla->isChecked();
    degistir(true);
}
