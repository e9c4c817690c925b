#include "raporlar/motor/raportasarim.h"

#include "app/mesaj.h"
#include "db/sorgu.h"
#include "raporlar/motor/raporonizleme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const qreal OLCEK = 4.0;         // scene units per millimetre
const qreal ETIKET = 5.0;        // mm: strip above each band with its name
const qreal TUTAMAC = 2.0;       // mm: the resize corner

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

} // namespace

// ---------------------------------------------------------------- scene items

class TasarimBandi : public QGraphicsRectItem
{
public:
    TasarimBandi(RaporTasarim *t, int indeks, qreal genislik, qreal yukseklik)
        : m_t(t), m_indeks(indeks)
    {
        setRect(0, 0, genislik * OLCEK, yukseklik * OLCEK);
        setFlag(ItemIsSelectable);
        setBrush(QColor(250, 250, 250));
        setPen(QPen(QColor(150, 150, 150), 0, Qt::DashLine));
    }
    int indeks() const { return m_indeks; }

protected:
    void paint(QPainter *p, const QStyleOptionGraphicsItem *o, QWidget *w) override
    {
        QGraphicsRectItem::paint(p, o, w);
        if (isSelected()) {
            p->setPen(QPen(QColor(0, 90, 200), 0));
            p->drawRect(rect());
        }
    }
    void mousePressEvent(QGraphicsSceneMouseEvent *e) override
    {
        QGraphicsRectItem::mousePressEvent(e);
        m_t->sec(m_indeks, -1);
    }

private:
    RaporTasarim *m_t;
    int m_indeks;
};

class TasarimNesnesi : public QGraphicsRectItem
{
public:
    TasarimNesnesi(RaporTasarim *t, int bant, int indeks, const RaporNesnesi &n, const RaporSablonu &s,
                   QGraphicsItem *ust)
        : QGraphicsRectItem(ust), m_t(t), m_bant(bant), m_indeks(indeks)
    {
        setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
        setAcceptHoverEvents(true);
        guncelle(n, s);
    }
    int bant() const { return m_bant; }
    int indeks() const { return m_indeks; }

    void guncelle(const RaporNesnesi &n, const RaporSablonu &s)
    {
        m_n = n;
        QRectF a = n.alan;
        if (n.tur == NesneTuru::Cizgi) {
            a = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
            if (a.width() < 1) a.adjust(-0.5, 0, 0.5, 0);
            if (a.height() < 1) a.adjust(0, -0.5, 0, 0.5);
        }
        prepareGeometryChange();
        m_kilit = true;
        setPos(a.topLeft() * OLCEK);
        m_kilit = false;
        setRect(0, 0, a.width() * OLCEK, a.height() * OLCEK);
        // How the object prints: one page item painted by the engine's own painter.
        m_oge = RaporOgesi();
        m_oge.tur = n.tur;
        m_oge.alan = QRectF(QPointF(0, 0), a.size());
        m_oge.metin = n.tur == NesneTuru::Resim ? QString() : n.metin;
        QFont f(n.yaziTipi.isEmpty() ? s.yaziTipi : n.yaziTipi);
        f.setPointSizeF(n.boyut > 0 ? n.boyut : s.boyut);
        f.setBold(n.kalin);
        f.setItalic(n.italik);
        f.setUnderline(n.altCizili);
        m_oge.yaziTipi = f;
        m_oge.hiza = n.hiza;
        m_oge.kaydir = n.kaydir;
        m_oge.kirp = true;
        m_oge.kenar = n.kenar;
        m_oge.renk = n.renk;
        m_oge.dolgu = n.dolgu;
        m_oge.kalinlik = n.kalinlik;
        m_oge.cizgi = n.cizgi.translated(-a.topLeft());
        m_oge.oranKoru = n.oranKoru;
        if (n.tur == NesneTuru::Resim && !n.dosya.contains(QLatin1Char('['))) {
            QString yol = n.dosya;
            if (QFileInfo(yol).isRelative() && !s.dosyaYolu.isEmpty())
                yol = QFileInfo(s.dosyaYolu).dir().filePath(yol);
            m_oge.resim = QImage(yol);
        }
        update();
    }

protected:
    void paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        RaporSayfasi sayfa;
        sayfa.ogeler.push_back(m_oge);
        RaporSayfasiCiz(*p, sayfa, OLCEK);
        if (m_n.tur == NesneTuru::Resim && m_oge.resim.isNull()) {
            p->setPen(QPen(Qt::gray, 0, Qt::DotLine));
            p->drawRect(rect());
            p->drawText(rect(), Qt::AlignCenter, QStringLiteral("Resim"));
        }
        if (m_n.tur == NesneTuru::Metin && m_n.kenar == KenarYok) {
            p->setPen(QPen(QColor(200, 200, 200), 0, Qt::DotLine));
            p->drawRect(rect());
        }
        if (isSelected()) {
            p->setPen(QPen(QColor(0, 90, 200), 0));
            p->setBrush(Qt::NoBrush);
            p->drawRect(rect());
            const qreal t = TUTAMAC * OLCEK;
            p->fillRect(QRectF(rect().right() - t, rect().bottom() - t, t, t), QColor(0, 90, 200));
        }
    }

    void hoverMoveEvent(QGraphicsSceneHoverEvent *e) override
    {
        setCursor(kosede(e->pos()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
    }

    void mousePressEvent(QGraphicsSceneMouseEvent *e) override
    {
        m_boyutla = isSelected() && kosede(e->pos());
        m_t->sec(m_bant, m_indeks);
        if (m_boyutla) {
            e->accept();
            return;
        }
        QGraphicsRectItem::mousePressEvent(e);
    }

    void mouseMoveEvent(QGraphicsSceneMouseEvent *e) override
    {
        if (m_boyutla) {
            const qreal en = 1.0 * OLCEK;
            QRectF r = rect();
            r.setWidth(std::max(en, e->pos().x()));
            r.setHeight(std::max(en, e->pos().y()));
            prepareGeometryChange();
            setRect(r);
            return;
        }
        QGraphicsRectItem::mouseMoveEvent(e);
    }

    void mouseReleaseEvent(QGraphicsSceneMouseEvent *e) override
    {
        QGraphicsRectItem::mouseReleaseEvent(e);
        m_boyutla = false;
        m_t->nesneGeometrisiDegisti(this);
    }

    QVariant itemChange(GraphicsItemChange c, const QVariant &v) override
    {
        // Snap to half millimetres.
        if (c == ItemPositionChange && !m_kilit) {
            QPointF p = v.toPointF() / OLCEK;
            p = QPointF(qRound(p.x() * 2) / 2.0, qRound(p.y() * 2) / 2.0) * OLCEK;
            return p;
        }
        return QGraphicsRectItem::itemChange(c, v);
    }

private:
    bool kosede(const QPointF &p) const
    {
        const qreal t = TUTAMAC * OLCEK;
        return p.x() >= rect().right() - t && p.y() >= rect().bottom() - t;
    }

    RaporTasarim *m_t;
    int m_bant, m_indeks;
    RaporNesnesi m_n;
    RaporOgesi m_oge;
    bool m_boyutla = false;
    bool m_kilit = false;
};

// ---------------------------------------------------------------- window

RaporTasarim::RaporTasarim(QWidget *ust, const VeriKaynagi *kaynak)
    : QDialog(ust), m_kaynak(kaynak)
{
    setObjectName(QStringLiteral("frm_rapor_tasarim"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1200, 800);

    auto *kok = new QVBoxLayout(this);
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

    // Page set-up.
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
    kok->addWidget(sayfaKutusu);

    auto *bolucu = new QSplitter(this);
    kok->addWidget(bolucu, 1);
    m_sahne = new QGraphicsScene(this);
    m_gorunum = new QGraphicsView(m_sahne, bolucu);
    m_gorunum->setObjectName(QStringLiteral("gv_tasarim"));
    m_gorunum->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_gorunum->setBackgroundBrush(QColor(225, 225, 225));
    m_gorunum->setRenderHint(QPainter::Antialiasing);

    auto *sag = new QWidget(bolucu);
    auto *sagL = new QVBoxLayout(sag);
    m_panel = new QStackedWidget(sag);
    m_panel->setObjectName(QStringLiteral("stk_ozellikler"));
    sagL->addWidget(m_panel);

    // Empty page of the panel.
    m_panel->addWidget(new QLabel(QStringLiteral("Bir bant ya da nesne seçin."), m_panel));

    // Object properties.
    auto *nesneSayfa = new QWidget(m_panel);
    auto *nf = new QFormLayout(nesneSayfa);
    m_edtMetin = new QPlainTextEdit(nesneSayfa);
    m_edtMetin->setObjectName(QStringLiteral("edt_metin"));
    m_edtMetin->setMaximumHeight(80);
    nf->addRow(QStringLiteral("Metin"), m_edtMetin);
    auto *alanSatiri = new QHBoxLayout;
    m_cmbAlan = new QComboBox(nesneSayfa);
    m_cmbAlan->setObjectName(QStringLiteral("cmb_alan"));
    m_cmbAlan->setEditable(true);
    m_cmbBicim = new QComboBox(nesneSayfa);
    m_cmbBicim->setObjectName(QStringLiteral("cmb_bicim"));
    m_cmbBicim->setEditable(true);
    m_cmbBicim->addItems({QString(), QStringLiteral("#,###.00"), QStringLiteral("#,##"), QStringLiteral("DD.MM.YYYY"),
                          QStringLiteral("hh:nn"), QStringLiteral("DD.MM.YYYY hh:nn")});
    auto *btnAlan = dugme(nesneSayfa, "btn_alanekle", QStringLiteral("Ekle"));
    alanSatiri->addWidget(m_cmbAlan, 2);
    alanSatiri->addWidget(m_cmbBicim, 1);
    alanSatiri->addWidget(btnAlan);
    nf->addRow(QStringLiteral("Alan / biçim"), alanSatiri);
    auto *sistemSatiri = new QHBoxLayout;
    m_cmbSistem = new QComboBox(nesneSayfa);
    m_cmbSistem->setObjectName(QStringLiteral("cmb_sistem"));
    m_cmbSistem->addItems({QStringLiteral("[#SAYFA]"), QStringLiteral("[#SAYFASAYISI]"), QStringLiteral("[#TARIH]"),
                           QStringLiteral("[#SAAT]"), QStringLiteral("[#BASLIK]"), QStringLiteral("[#SATIRNO]"),
                           QStringLiteral("[#KAYITSAYISI]"), QStringLiteral("[#ADET]"), QStringLiteral("[#GRUPSATIRNO]"),
                           QStringLiteral("[#TOPLAM(BORC):#,###.00]"), QStringLiteral("[#GRUPTOPLAM(BORC):#,###.00]"),
                           QStringLiteral("[#YURUYEN(BORC-ALACAK):#,###.00]"), QStringLiteral("[#SIRKET]")});
    auto *btnSistem = dugme(nesneSayfa, "btn_sistemekle", QStringLiteral("Ekle"));
    sistemSatiri->addWidget(m_cmbSistem, 1);
    sistemSatiri->addWidget(btnSistem);
    nf->addRow(QStringLiteral("Sistem değeri"), sistemSatiri);
    m_edtAd = new QLineEdit(nesneSayfa);
    m_edtAd->setObjectName(QStringLiteral("edt_ad"));
    nf->addRow(QStringLiteral("Nesne adı"), m_edtAd);
    m_spnX = mmKutusu(nesneSayfa, "spn_x", -50, 500);
    m_spnY = mmKutusu(nesneSayfa, "spn_y", -50, 500);
    m_spnG = mmKutusu(nesneSayfa, "spn_genislik", 0, 500);
    m_spnH = mmKutusu(nesneSayfa, "spn_yukseklik", 0, 500);
    auto *konum = new QHBoxLayout;
    konum->addWidget(m_spnX);
    konum->addWidget(m_spnY);
    nf->addRow(QStringLiteral("X / Y"), konum);
    auto *boyut = new QHBoxLayout;
    boyut->addWidget(m_spnG);
    boyut->addWidget(m_spnH);
    nf->addRow(QStringLiteral("Genişlik / Yükseklik"), boyut);
    m_cmbYazi = new QFontComboBox(nesneSayfa);
    m_cmbYazi->setObjectName(QStringLiteral("cmb_yazitipi"));
    m_spnBoyut = new QDoubleSpinBox(nesneSayfa);
    m_spnBoyut->setObjectName(QStringLiteral("spn_boyut"));
    m_spnBoyut->setRange(0, 96);
    m_spnBoyut->setSpecialValueText(QStringLiteral("Şablonun"));
    auto *yazi = new QHBoxLayout;
    yazi->addWidget(m_cmbYazi, 1);
    yazi->addWidget(m_spnBoyut);
    nf->addRow(QStringLiteral("Yazı tipi"), yazi);
    m_chkKalin = new QCheckBox(QStringLiteral("Kalın"), nesneSayfa);
    m_chkKalin->setObjectName(QStringLiteral("chk_kalin"));
    m_chkItalik = new QCheckBox(QStringLiteral("İtalik"), nesneSayfa);
    m_chkItalik->setObjectName(QStringLiteral("chk_italik"));
    m_chkAltCizili = new QCheckBox(QStringLiteral("Altı çizili"), nesneSayfa);
    m_chkAltCizili->setObjectName(QStringLiteral("chk_altcizili"));
    auto *stil = new QHBoxLayout;
    stil->addWidget(m_chkKalin);
    stil->addWidget(m_chkItalik);
    stil->addWidget(m_chkAltCizili);
    nf->addRow(QString(), stil);
    m_cmbHiza = new QComboBox(nesneSayfa);
    m_cmbHiza->setObjectName(QStringLiteral("cmb_hiza"));
    m_cmbHiza->addItem(QStringLiteral("Sola"), int(Qt::AlignLeft));
    m_cmbHiza->addItem(QStringLiteral("Ortaya"), int(Qt::AlignHCenter));
    m_cmbHiza->addItem(QStringLiteral("Sağa"), int(Qt::AlignRight));
    m_cmbHiza->addItem(QStringLiteral("İki yana"), int(Qt::AlignJustify));
    m_cmbDikey = new QComboBox(nesneSayfa);
    m_cmbDikey->setObjectName(QStringLiteral("cmb_dikey"));
    m_cmbDikey->addItem(QStringLiteral("Üst"), int(Qt::AlignTop));
    m_cmbDikey->addItem(QStringLiteral("Orta"), int(Qt::AlignVCenter));
    m_cmbDikey->addItem(QStringLiteral("Alt"), int(Qt::AlignBottom));
    auto *hiza = new QHBoxLayout;
    hiza->addWidget(m_cmbHiza);
    hiza->addWidget(m_cmbDikey);
    nf->addRow(QStringLiteral("Hizalama"), hiza);
    m_chkKaydir = new QCheckBox(QStringLiteral("Satır kaydır"), nesneSayfa);
    m_chkKaydir->setObjectName(QStringLiteral("chk_kaydir"));
    m_chkKirp = new QCheckBox(QStringLiteral("Taşanı kırp"), nesneSayfa);
    m_chkKirp->setObjectName(QStringLiteral("chk_kirp"));
    auto *sarma = new QHBoxLayout;
    sarma->addWidget(m_chkKaydir);
    sarma->addWidget(m_chkKirp);
    nf->addRow(QString(), sarma);
    m_cmbCerceve = new QComboBox(nesneSayfa);
    m_cmbCerceve->setObjectName(QStringLiteral("cmb_cerceve"));
    m_cmbCerceve->addItem(QStringLiteral("Yok"), int(KenarYok));
    m_cmbCerceve->addItem(QStringLiteral("Tam"), int(KenarTam));
    m_cmbCerceve->addItem(QStringLiteral("Alt"), int(KenarAlt));
    m_cmbCerceve->addItem(QStringLiteral("Üst"), int(KenarUst));
    m_cmbCerceve->addItem(QStringLiteral("Üst ve alt"), int(KenarUst | KenarAlt));
    m_cmbCerceve->addItem(QStringLiteral("Sol ve sağ"), int(KenarSol | KenarSag));
    m_spnKalinlik = mmKutusu(nesneSayfa, "spn_kalinlik", 0.05, 5);
    m_spnKalinlik->setDecimals(2);
    m_spnKalinlik->setSingleStep(0.1);
    auto *cerceve = new QHBoxLayout;
    cerceve->addWidget(m_cmbCerceve);
    cerceve->addWidget(m_spnKalinlik);
    nf->addRow(QStringLiteral("Çerçeve / çizgi"), cerceve);
    m_edtDosya = new QLineEdit(nesneSayfa);
    m_edtDosya->setObjectName(QStringLiteral("edt_dosya"));
    auto *btnDosya = dugme(nesneSayfa, "btn_dosyasec", QStringLiteral("..."));
    auto *dosya = new QHBoxLayout;
    dosya->addWidget(m_edtDosya, 1);
    dosya->addWidget(btnDosya);
    nf->addRow(QStringLiteral("Resim dosyası"), dosya);
    m_panel->addWidget(nesneSayfa);

    // Band properties.
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
    m_panel->addWidget(bantSayfa);

    // Sample rows and the live first page.
    auto *ornek = new QHBoxLayout;
    m_edtSorgu = new QLineEdit(sag);
    m_edtSorgu->setObjectName(QStringLiteral("edt_sorgu"));
    m_edtSorgu->setPlaceholderText(QStringLiteral("Örnek veri: select * from ..."));
    m_edtSorgu->setEnabled(m_kaynak == nullptr);
    auto *btnSorgu = dugme(sag, "btn_sorgu", QStringLiteral("Çalıştır"));
    btnSorgu->setEnabled(m_kaynak == nullptr);
    ornek->addWidget(m_edtSorgu, 1);
    ornek->addWidget(btnSorgu);
    sagL->addLayout(ornek);
    auto *canliAlan = new QScrollArea(sag);
    m_canli = new QLabel;
    m_canli->setObjectName(QStringLiteral("lbl_canli"));
    canliAlan->setWidget(m_canli);
    canliAlan->setMinimumHeight(260);
    sagL->addWidget(canliAlan, 1);
    bolucu->addWidget(sag);
    bolucu->setStretchFactor(0, 3);
    bolucu->setStretchFactor(1, 2);

    m_canliZaman = new QTimer(this);
    m_canliZaman->setSingleShot(true);
    m_canliZaman->setInterval(400);
    connect(m_canliZaman, &QTimer::timeout, this, &RaporTasarim::canliYenile);

    connect(btnYeni, &QPushButton::clicked, this, [this] {
        if (m_degisti && Mesaj::soru(QStringLiteral("Şablondaki değişiklikler kaydedilsin mi?"), this) && !kaydet())
            return;
        yeniSablon(m_yol.isEmpty() ? QDir::currentPath() : QFileInfo(m_yol).absolutePath());
    });
    connect(btnAc, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaAc(QStringLiteral("Rapor Şablonu Aç"),
                                           m_yol.isEmpty() ? QDir::currentPath() : QFileInfo(m_yol).absolutePath(),
                                           QStringLiteral("Rapor şablonları (*.frf)"), this);
        if (!yol.isEmpty())
            ac(yol);
    });
    connect(btnKaydet, &QPushButton::clicked, this, [this] { kaydet(); });
    connect(btnFarkli, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaKaydet(QStringLiteral("Rapor Şablonunu Kaydet"),
                                               m_yol.isEmpty() ? QDir::currentPath() : m_yol,
                                               QStringLiteral("Rapor şablonları (*.frf)"), this);
        if (!yol.isEmpty())
            farkliKaydet(yol);
    });
    connect(btnMetin, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Metin); });
    connect(btnCizgi, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Cizgi); });
    connect(btnKutu, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Kutu); });
    connect(btnResim, &QPushButton::clicked, this, [this] { nesneEkle(NesneTuru::Resim); });
    connect(btnSil, &QPushButton::clicked, this, [this] { seciliyiSil(); });
    connect(btnBantSil, &QPushButton::clicked, this, [this] {
        m_nesne = -1;
        seciliyiSil();
    });
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
    connect(btnSorgu, &QPushButton::clicked, this, [this] {
        ornekSorguAyarla(m_edtSorgu->text());
        canliYenile();
    });
    connect(btnAlan, &QPushButton::clicked, this, [this] {
        const QString alan = m_cmbAlan->currentText().trimmed();
        if (alan.isEmpty())
            return;
        const QString bicim = m_cmbBicim->currentText().trimmed();
        m_edtMetin->insertPlainText(QLatin1Char('[') + alan + (bicim.isEmpty() ? QString() : QLatin1Char(':') + bicim)
                                    + QLatin1Char(']'));
    });
    connect(btnSistem, &QPushButton::clicked, this, [this] { m_edtMetin->insertPlainText(m_cmbSistem->currentText()); });
    connect(btnDosya, &QPushButton::clicked, this, [this] {
        const QString yol = Mesaj::dosyaAc(QStringLiteral("Resim Seç"), QString(),
                                           QStringLiteral("Resimler (*.png *.jpg *.jpeg *.bmp)"), this);
        if (!yol.isEmpty())
            m_edtDosya->setText(yol);
    });

    // Property edits write straight into the template.
    connect(m_edtMetin, &QPlainTextEdit::textChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QLineEdit *e : {m_edtAd, m_edtDosya})
        connect(e, &QLineEdit::textChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QDoubleSpinBox *s : {m_spnX, m_spnY, m_spnG, m_spnH, m_spnBoyut, m_spnKalinlik})
        connect(s, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::ozelliklerdenAl);
    for (QCheckBox *c : {m_chkKalin, m_chkItalik, m_chkAltCizili, m_chkKaydir, m_chkKirp})
        connect(c, &QCheckBox::toggled, this, &RaporTasarim::ozelliklerdenAl);
    for (QComboBox *c : {m_cmbHiza, m_cmbDikey, m_cmbCerceve})
        connect(c, &QComboBox::currentIndexChanged, this, &RaporTasarim::ozelliklerdenAl);
    connect(m_cmbYazi, &QFontComboBox::currentFontChanged, this, &RaporTasarim::ozelliklerdenAl);
    connect(m_spnBantH, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::bantOzelliklerindenAl);
    connect(m_edtBantKolon, &QLineEdit::editingFinished, this, &RaporTasarim::bantOzelliklerindenAl);
    for (QCheckBox *c : {m_chkEsnek, m_chkOtomatik, m_chkYeniSayfa, m_chkTekrarla})
        connect(c, &QCheckBox::toggled, this, &RaporTasarim::bantOzelliklerindenAl);
    for (QComboBox *c : {m_cmbKagit, m_cmbYon})
        connect(c, &QComboBox::currentIndexChanged, this, &RaporTasarim::sayfaAyarindanAl);
    for (QDoubleSpinBox *s : {m_spnSol, m_spnUst, m_spnSag, m_spnAlt, m_spnSablonBoyut})
        connect(s, &QDoubleSpinBox::valueChanged, this, &RaporTasarim::sayfaAyarindanAl);
    connect(m_cmbSablonYazi, &QFontComboBox::currentFontChanged, this, &RaporTasarim::sayfaAyarindanAl);

    yeniSablon(QDir::currentPath());
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
    if (!m_yol.isEmpty())
        return farkliKaydet(m_yol);
    const QString yol = Mesaj::dosyaKaydet(QStringLiteral("Rapor Şablonunu Kaydet"),
                                           QDir(m_yeniKlasor.isEmpty() ? QDir::currentPath() : m_yeniKlasor)
                                               .filePath(QStringLiteral("yeni.frf")),
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

void RaporTasarim::sahneKur()
{
    m_sahne->clear();
    const qreal genislik = m_sablon.yaziAlaniGenisligi();
    qreal y = 0;
    QFont etiketYazisi;
    etiketYazisi.setPointSizeF(7);
    for (int b = 0; b < int(m_sablon.bantlar.size()); ++b) {
        const RaporBandi &bant = m_sablon.bantlar[b];
        QString etiket = BantTuruBasligi(bant.tur);
        if (!bant.kolon.isEmpty())
            etiket += QStringLiteral(": ") + bant.kolon;
        if (bant.otomatik)
            etiket += QStringLiteral(" (bütün kolonlar)");
        auto *yazi = m_sahne->addSimpleText(etiket, etiketYazisi);
        yazi->setBrush(QColor(80, 80, 80));
        yazi->setPos(0, y * OLCEK);
        y += ETIKET;
        auto *bi = new TasarimBandi(this, b, genislik, bant.yukseklik);
        bi->setPos(0, y * OLCEK);
        m_sahne->addItem(bi);
        bi->setSelected(b == m_bant && m_nesne < 0);
        for (int n = 0; n < int(bant.nesneler.size()); ++n) {
            auto *ni = new TasarimNesnesi(this, b, n, bant.nesneler[n], m_sablon, bi);
            ni->setSelected(b == m_bant && n == m_nesne);
        }
        y += bant.yukseklik + 2;
    }
    m_sahne->setSceneRect(QRectF(-2 * OLCEK, -2 * OLCEK, (genislik + 10) * OLCEK, (y + 10) * OLCEK));
    ozellikleriGoster();
}

void RaporTasarim::sec(int bant, int nesne)
{
    if (bant < 0 || bant >= int(m_sablon.bantlar.size())) {
        bant = -1;
        nesne = -1;
    } else if (nesne >= int(m_sablon.bantlar[bant].nesneler.size())) {
        nesne = -1;
    }
    if (bant == m_bant && nesne == m_nesne)
        return;
    m_bant = bant;
    m_nesne = nesne;
    const auto ogeler = m_sahne->items();
    for (QGraphicsItem *o : ogeler) {
        if (auto *n = dynamic_cast<TasarimNesnesi *>(o))
            n->setSelected(n->bant() == bant && n->indeks() == nesne);
        else if (auto *b = dynamic_cast<TasarimBandi *>(o))
            b->setSelected(b->indeks() == bant && nesne < 0);
    }
    ozellikleriGoster();
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
        const int c = m_cmbCerceve->findData(n.kenar);
        if (c >= 0)
            m_cmbCerceve->setCurrentIndex(c);
        m_spnKalinlik->setValue(n.kalinlik);
        m_edtDosya->setText(n.dosya);
        m_edtDosya->setEnabled(n.tur == NesneTuru::Resim);
        for (QWidget *w : std::initializer_list<QWidget *>{m_cmbYazi, m_spnBoyut, m_chkKalin, m_chkItalik, m_chkAltCizili,
                                                           m_cmbHiza, m_cmbDikey, m_chkKaydir, m_chkKirp, m_cmbAlan,
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
        if (!k.isEmpty())
            b.kolon = k;
    }
    b.esnek = m_chkEsnek->isChecked();
    b.otomatik = m_chkOtomatik->isChecked();
    b.yeniSayfa = m_chkYeniSayfa->isChecked();
    b.tekrarla = m_chkTekrarla->isChecked();
    degistir(true);
}

void RaporTasarim::nesneGeometrisiDegisti(TasarimNesnesi *o)
{
    const QRectF r(o->pos() / OLCEK, o->rect().size() / OLCEK);
    nesneTasi(o->bant(), o->indeks(), r);
}

void RaporTasarim::nesneTasi(int bant, int nesne, const QRectF &alanMm)
{
    if (bant < 0 || bant >= int(m_sablon.bantlar.size()) || nesne < 0
        || nesne >= int(m_sablon.bantlar[bant].nesneler.size()))
        return;
    RaporNesnesi &n = m_sablon.bantlar[bant].nesneler[nesne];
    auto yarim = [](qreal v) { return qRound(v * 2) / 2.0; };
    const QRectF a(yarim(alanMm.x()), yarim(alanMm.y()), yarim(alanMm.width()), yarim(alanMm.height()));
    if (n.tur == NesneTuru::Cizgi) {
        const QRectF eski = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
        const bool yatay = qFuzzyCompare(n.cizgi.y1(), n.cizgi.y2());
        const bool dikey = qFuzzyCompare(n.cizgi.x1(), n.cizgi.x2());
        if (yatay)
            n.cizgi = QLineF(a.left(), a.center().y(), a.right(), a.center().y());
        else if (dikey)
            n.cizgi = QLineF(a.center().x(), a.top(), a.center().x(), a.bottom());
        else
            n.cizgi = QLineF(a.left() + (n.cizgi.x1() - eski.left()) / std::max<qreal>(eski.width(), 0.01) * a.width(),
                             a.top() + (n.cizgi.y1() - eski.top()) / std::max<qreal>(eski.height(), 0.01) * a.height(),
                             a.left() + (n.cizgi.x2() - eski.left()) / std::max<qreal>(eski.width(), 0.01) * a.width(),
                             a.top() + (n.cizgi.y2() - eski.top()) / std::max<qreal>(eski.height(), 0.01) * a.height());
        n.alan = QRectF(n.cizgi.p1(), n.cizgi.p2()).normalized();
    } else {
        n.alan = a;
    }
    for (QGraphicsItem *o : m_sahne->items())
        if (auto *t = dynamic_cast<TasarimNesnesi *>(o))
            if (t->bant() == bant && t->indeks() == nesne)
                t->guncelle(n, m_sablon);
    if (bant == m_bant && nesne == m_nesne)
        ozellikleriGoster();
    degistir(false);
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

void RaporTasarim::ornekSorguAyarla(const QString &sql)
{
    m_ornekSql = sql.trimmed();
    m_edtSorgu->setText(m_ornekSql);
    m_ornek.reset();
}

void RaporTasarim::ornekKaynakHazirla()
{
    if (m_ornek)
        return;
    const int enCok = 60;
    if (m_kaynak) {
        QVector<QVariantList> satirlar;
        const int n = std::min(m_kaynak->satirSayisi(), enCok);
        const int k = int(m_kaynak->kolonlar().size());
        for (int r = 0; r < n; ++r) {
            QVariantList s;
            for (int c = 0; c < k; ++c)
                s << m_kaynak->deger(r, c);
            satirlar << s;
        }
        m_ornek = std::make_unique<TabloKaynagi>(m_kaynak->kolonlar(), satirlar);
        return;
    }
    if (m_ornekSql.isEmpty()) {
        m_ornek = std::make_unique<TabloKaynagi>();
        return;
    }
    // Only the first rows: the sample is for the look, not the totals.
    QString hata;
    auto sonuc = Sorgu::sec(QStringLiteral("select first %1 * from (%2)").arg(enCok).arg(m_ornekSql), {}, QString(), &hata);
    if (!sonuc)
        sonuc = Sorgu::sec(m_ornekSql, {}, QString(), &hata);
    if (!sonuc) {
        Mesaj::hata(hata, this);
        m_ornek = std::make_unique<TabloKaynagi>();
        return;
    }
    if (sonuc->satirlar.size() > enCok)
        sonuc->satirlar.resize(enCok);
    m_ornek = std::make_unique<TabloKaynagi>(sonuc->kolonlar, sonuc->satirlar);
}

RaporBelgesi RaporTasarim::onizlemeBelgesi()
{
    ornekKaynakHazirla();
    Rapor r;
    r.sablonAyarla(m_sablon);
    r.baglan(m_ornek.get());
    r.baslikAyarla(m_yol.isEmpty() ? QStringLiteral("yeni.frf") : QFileInfo(m_yol).fileName());
    return r.olustur();
}

void RaporTasarim::canliYenile()
{
    ornekKaynakHazirla();
    Rapor r;
    r.sablonAyarla(m_sablon);
    r.baglan(m_ornek.get());
    r.baslikAyarla(m_yol.isEmpty() ? QStringLiteral("yeni.frf") : QFileInfo(m_yol).fileName());
    const RaporBelgesi b = r.olustur();
    const QImage resim = Rapor::sayfaResmi(b, 0, 50);
    m_canli->setPixmap(QPixmap::fromImage(resim));
    m_canli->resize(resim.size());
    m_canli->setToolTip(b.uyarilar.join(QLatin1Char('\n')));
}

void RaporTasarim::onizle()
{
    ornekKaynakHazirla();
    Rapor r;
    r.sablonAyarla(m_sablon);
    r.baglan(m_ornek.get());
    r.baslikAyarla(m_yol.isEmpty() ? QStringLiteral("yeni.frf") : QFileInfo(m_yol).fileName());
    r.onizle(this);
}

bool RaporTasarla(const QString &yol, QWidget *ust, const VeriKaynagi *kaynak)
{
    RaporTasarim t(ust, kaynak);
    if (!t.ac(yol))
        return false;
    t.exec();
    return true;
}
