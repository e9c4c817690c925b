// The eleven tabs of the eye examination: "Muayene", "Reçeteler", "Ameliyat",
// "Lens", "Glokom", "Şaşılık", "Laboratuvar", "Görüntüler", "Resim",
// "Video" and "Ek Bilgiler". The right eye ("SAĞ") is laid out on the left,
// the left eye ("SOL") on the right, as the doctor faces the patient.
#include "klinik/frm_goz.h"
#include "klinik/muayenekutulari.h"

#include "app/ekranlar.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "app/resimgalerisi.h"
#include "app/yetki.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "klinik/resimsekmesi.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

using namespace MuayeneKutulari;

namespace {

const QStringList GormeListesi = {
    QStringLiteral("10/10"),     QStringLiteral("9/10"),      QStringLiteral("8/10"),     QStringLiteral("7/10"),
    QStringLiteral("6/10"),      QStringLiteral("5/10"),      QStringLiteral("4/10"),     QStringLiteral("3/10"),
    QStringLiteral("2/10"),      QStringLiteral("1/10"),      QStringLiteral("5 MPS"),    QStringLiteral("4 MPS"),
    QStringLiteral("3 MPS"),     QStringLiteral("2 MPS"),     QStringLiteral("1 MPS"),    QStringLiteral("50 CMPS"),
    QStringLiteral("P(+) P(+)"), QStringLiteral("P(+) P(-)"), QStringLiteral("P(-) P(-)")};

QString adi(const QString &kolon) { return QStringLiteral("edt_") + kolon.toLower(); }

// Rows of per-eye boxes: caption, then the right eye's boxes, then the left eye's.
struct GozIzgarasi
{
    Baglayici *b;
    QGridLayout *g;
    int satir = 1;
    int genislik = 3; // boxes per eye

    GozIzgarasi(Baglayici *bag, QWidget *ust, int kutuSayisi, const QStringList &ustBasliklar = {})
        : b(bag), g(new QGridLayout(ust)), genislik(kutuSayisi)
    {
        auto *sag = new QLabel(QStringLiteral("SAĞ"));
        auto *sol = new QLabel(QStringLiteral("SOL"));
        g->addWidget(sag, 0, 1, 1, genislik, Qt::AlignCenter);
        g->addWidget(sol, 0, 2 + genislik, 1, genislik, Qt::AlignCenter);
        if (!ustBasliklar.isEmpty()) {
            for (int i = 0; i < genislik && i < ustBasliklar.size(); ++i) {
                g->addWidget(new QLabel(ustBasliklar[i]), 1, 1 + i, Qt::AlignCenter);
                g->addWidget(new QLabel(ustBasliklar[i]), 1, 2 + genislik + i, Qt::AlignCenter);
            }
            satir = 2;
        }
    }
    QWidget *kontrol(const QString &kolon, bool liste) const
    {
        if (liste) {
            auto *c = secim(adi(kolon), GormeListesi, true);
            c->setCurrentIndex(-1);
            b->bagla(c, kolon, true);
            return c;
        }
        auto *e = kutu(adi(kolon));
        b->bagla(e, kolon, true);
        return e;
    }
    void ekle(const QString &baslik, const QStringList &sag, const QStringList &sol, bool liste = false)
    {
        auto *l = new QLabel(baslik);
        g->addWidget(l, satir, 0);
        for (int i = 0; i < sag.size(); ++i) {
            QWidget *w = kontrol(sag[i], liste);
            if (i == 0)
                l->setBuddy(w);
            g->addWidget(w, satir, 1 + i, 1, sag.size() == 1 ? genislik : 1);
        }
        for (int i = 0; i < sol.size(); ++i)
            g->addWidget(kontrol(sol[i], liste), satir, 2 + genislik + i, 1, sol.size() == 1 ? genislik : 1);
        ++satir;
    }
    void memolar(const QString &baslik, const QString &sag, const QString &sol, int yukseklik = 48)
    {
        auto *l = new QLabel(baslik);
        g->addWidget(l, satir, 0);
        auto *m1 = memo(QStringLiteral("mem_") + sag.toLower(), yukseklik);
        b->bagla(m1, sag, true);
        l->setBuddy(m1);
        g->addWidget(m1, satir, 1, 1, genislik);
        auto *m2 = memo(QStringLiteral("mem_") + sol.toLower(), yukseklik);
        b->bagla(m2, sol, true);
        g->addWidget(m2, satir, 2 + genislik, 1, genislik);
        ++satir;
    }
    void tamMemo(const QString &baslik, const QString &kolon, const QString &ad, int yukseklik = 48)
    {
        auto *l = new QLabel(baslik);
        g->addWidget(l, satir, 0);
        auto *m = memo(ad, yukseklik);
        b->bagla(m, kolon, true);
        l->setBuddy(m);
        g->addWidget(m, satir, 1, 1, 2 * genislik + 1);
        ++satir;
    }
};

QStringList uc(const QString &bas) { return {bas + QLatin1Char('1'), bas + QLatin1Char('2'), bas + QLatin1Char('3')}; }

QWidget *sayfa(const char *ad)
{
    auto *w = new QWidget;
    w->setObjectName(QLatin1String(ad));
    return w;
}

} // namespace

void Tfrm_goz::muayeneKur()
{
    Baglayici *b = baglayici();
    auto *s = sayfa("ts_muayene");
    auto *l = new QVBoxLayout(s);
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(2, 2, 2, 2);

    Izgara g{new QGridLayout};
    auto *kod = kutu(QStringLiteral("edt_hastakodu"));
    b->bagla(kod, QStringLiteral("HASTAKODU"), true);
    auto *hastaBul = yeniDugme(QStringLiteral("BTN_HASTABUL"), QStringLiteral("Hasta Ara"));
    connect(hastaBul, &QPushButton::clicked, this, &Tfrm_goz::hastaAra);
    g.ekle(QStringLiteral("Hasta Adı"), kod, hastaBul);
    auto *hastaAdi = kutu(QStringLiteral("edt_hastaadi"));
    b->bagla(hastaAdi, QStringLiteral("HASTAADISOYADI"), true);
    g.ekle(QString(), hastaAdi);
    auto *doktorKodu = kutu(QStringLiteral("edt_doktorkodu"));
    b->bagla(doktorKodu, QStringLiteral("DOKTORKODU"), true);
    auto *doktorBul = yeniDugme(QStringLiteral("BTN_DOKTORBUL"), QStringLiteral("Doktor Ara"));
    connect(doktorBul, &QPushButton::clicked, this, &Tfrm_goz::doktorAra);
    g.ekle(QStringLiteral("Doktor"), doktorKodu, doktorBul);
    auto *doktorAdi = kutu(QStringLiteral("edt_doktoradi"));
    b->bagla(doktorAdi, QStringLiteral("DOKTORADI"), true);
    g.ekle(QString(), doktorAdi);
    auto *tarih = kutu(QStringLiteral("edt_muayenetarihi"));
    b->tarihBagla(tarih, QStringLiteral("MUAYENETARIHI"));
    tarih->installEventFilter(new BugunSuzgeci(veriSeti(), QStringLiteral("MUAYENETARIHI"), tarih));
    g.ekle(QStringLiteral("M.Tarihi"), tarih);
    auto *sikayet = memo(QStringLiteral("mem_sikayet"), 40);
    b->bagla(sikayet, QStringLiteral("SIKAYET"), true);
    g.tamSatir(QStringLiteral("Şikayet"), sikayet);
    auto *tani = memo(QStringLiteral("mem_tani"), 40);
    b->bagla(tani, QStringLiteral("TANI"), true);
    auto *taniBul = yeniDugme(QStringLiteral("btn_taniara"), QStringLiteral("Tanı Ara"));
    connect(taniBul, &QPushButton::clicked, this, &Tfrm_goz::taniAra);
    g.tamSatir(QStringLiteral("Tani"), tani, taniBul);
    g.g->setColumnStretch(1, 1);
    g.g->setColumnStretch(4, 1);
    pl->addLayout(g.g);

    auto *gorme = new QWidget;
    GozIzgarasi gi(b, gorme, 3);
    gi.ekle(QStringLiteral("GÖZLÜKSÜZ  G.K"), {QStringLiteral("GOZ_SAGGZLKSUZ")}, {QStringLiteral("GOZ_SOLGZLKSUZ")}, true);
    gi.ekle(QStringLiteral("KENDİ GÖZLÜĞÜ  G.K"), {QStringLiteral("GOZ_SAGGZLKLU")}, {QStringLiteral("GOZ_SOLGZLKLU")},
            true);
    gi.ekle(QStringLiteral("TASHİHLİ  G.K"), {QStringLiteral("GOZ_SAGTAHSISLI")}, {QStringLiteral("GOZ_SOLTAHSISLI")},
            true);
    gi.ekle(QStringLiteral("TASHİH (UZAK)"), uc(QStringLiteral("GOZ_SAGUZAK")), uc(QStringLiteral("GOZ_SOLUZAK")));
    gi.ekle(QStringLiteral("TASHİH (YAKIN)"), uc(QStringLiteral("GOZ_SAGYAK")), uc(QStringLiteral("GOZ_SOLYAK")));
    gi.ekle(QStringLiteral("G.İ.B"), {QStringLiteral("GOZ_SAGGIB")}, {QStringLiteral("GOZ_SOLGIB")});
    gi.memolar(QStringLiteral("BİO"), QStringLiteral("GOZ_ONSEG"), QStringLiteral("GOZ_ONSEGSOL"));
    gi.memolar(QStringLiteral("FUNDUS"), QStringLiteral("GOZ_FUNDUS"), QStringLiteral("GOZ_FUNDUSSOL"));
    pl->addWidget(gorme);

    auto *takip = new QGroupBox(QStringLiteral(" Muayene Takip Tablosu "));
    GozIzgarasi ti(b, takip, 3);
    ti.ekle(QStringLiteral("OTOREF"), uc(QStringLiteral("GOZ_SAGKERA")), uc(QStringLiteral("GOZ_SOLKERA")));
    ti.ekle(QStringLiteral("SİKLOPLEJI"), uc(QStringLiteral("GOZ_SAGSIKL")), uc(QStringLiteral("GOZ_SOLSIKL")));
    pl->addWidget(takip);

    auto *recete = new QWidget;
    auto *rg = new QGridLayout(recete);
    auto *rec = memo(QStringLiteral("mem_rec_recete"), 60);
    b->bagla(rec, QStringLiteral("REC_RECETE"), true);
    auto *recEtiket = new QLabel(QStringLiteral("REÇETE"));
    recEtiket->setBuddy(rec);
    rg->addWidget(recEtiket, 0, 0);
    rg->addWidget(rec, 0, 1);
    rg->addWidget(new QLabel(QStringLiteral("Alt Satıra yazmak için CTRL+ Enter Kullanınız")), 1, 1);
    auto *recAciklama = memo(QStringLiteral("mem_rec_receteaciklama"), 40);
    b->bagla(recAciklama, QStringLiteral("REC_RECETEACIKLAMA"), true);
    auto *acEtiket = new QLabel(QStringLiteral("Acıklama"));
    acEtiket->setBuddy(recAciklama);
    rg->addWidget(acEtiket, 2, 0);
    rg->addWidget(recAciklama, 2, 1);
    pl->addWidget(recete);
    pl->addStretch(1);

    // Taller than any other tab: it scrolls in its own page, so that the
    // tabs and the other pages keep their height and their buttons in view.
    l->setContentsMargins(0, 0, 0, 0);
    auto *kaydirma = new QScrollArea;
    kaydirma->setObjectName(QStringLiteral("sb_muayene"));
    kaydirma->setFrameShape(QFrame::NoFrame);
    kaydirma->setWidgetResizable(true);
    kaydirma->setWidget(panel);
    l->addWidget(kaydirma);
    m_sekmeler->addTab(s, QStringLiteral("Muayene"));
    QWidget *eskiAlan = duzenlemeAlani();
    duzenlemeAlaniAyarla(panel);
    if (eskiAlan != panel) {
        eskiAlan->setObjectName(QString());
        eskiAlan->hide();
    }
}

void Tfrm_goz::recetelerKur()
{
    Baglayici *b = baglayici();
    auto *s = sayfa("ts_receteler");
    auto *l = new QVBoxLayout(s);
    auto *gozluk = new QGroupBox(QStringLiteral("G Ö Z L Ü  K"));
    GozIzgarasi g(b, gozluk, 3, {QStringLiteral("SPHERE"), QStringLiteral("CHLINDER"), QStringLiteral("AXIS")});
    const int ipmSutun = 2 + 2 * 3;
    g.g->addWidget(new QLabel(QStringLiteral("I.P.M")), 1, ipmSutun, Qt::AlignCenter);
    struct R { const char *baslik, *ad; };
    const R satirlar[] = {{"UZAK", "UZAK"}, {"DAİMİ", "DAIMI"}, {"YAKIN", "YAKIN"}};
    int i = 1;
    for (const R &r : satirlar) {
        const int satir = g.satir;
        g.ekle(QString::fromUtf8(r.baslik), uc(QStringLiteral("REC_SAG") + QLatin1String(r.ad)),
               uc(QStringLiteral("REC_SOL") + QLatin1String(r.ad)));
        g.g->addWidget(g.kontrol(QStringLiteral("REC_IPM") + QString::number(i++), false), satir, ipmSutun);
    }
    l->addWidget(gozluk);
    auto *cam = new QWidget;
    Izgara c{new QGridLayout(cam)};
    auto *tip = kutu(QStringLiteral("edt_rec_camtipi"));
    b->bagla(tip, QStringLiteral("REC_CAMTIPI"), true);
    c.ekle(QStringLiteral("CAM TİPİ"), tip);
    auto *renk = kutu(QStringLiteral("edt_rec_camrengi"));
    b->bagla(renk, QStringLiteral("REC_CAMRENGI"), true);
    c.ekle(QStringLiteral("CAM RENGİ"), renk);
    // The same two columns as on tab "Muayene", for the prescription at hand.
    // Heights that leave the buttons below in view on a 1366×768 screen.
    auto *rec = memo(QStringLiteral("mem_rec_recete2"), 60);
    b->bagla(rec, QStringLiteral("REC_RECETE"), true);
    c.tamSatir(QStringLiteral("REÇETE"), rec);
    auto *ac = memo(QStringLiteral("mem_rec_receteaciklama2"), 40);
    b->bagla(ac, QStringLiteral("REC_RECETEACIKLAMA"), true);
    c.tamSatir(QStringLiteral("Acıklama"), ac);
    l->addWidget(cam);
    auto *dugmeler = new QHBoxLayout;
    auto *gozlukRecete = yeniDugme(QStringLiteral("btn_gozlukrecetesi"), QStringLiteral("Gözlük Reçetesi"));
    connect(gozlukRecete, &QPushButton::clicked, this, &Tfrm_goz::gozlukRecetesi);
    auto *ilacRecete = yeniDugme(QStringLiteral("btn_ilacrecetesi"), QStringLiteral("İlaç Reçetesi"));
    connect(ilacRecete, &QPushButton::clicked, this, &Tfrm_goz::ilacRecetesi);
    dugmeler->addWidget(gozlukRecete);
    dugmeler->addWidget(ilacRecete);
    dugmeler->addStretch(1);
    l->addLayout(dugmeler);
    l->addStretch(1);
    m_sekmeler->addTab(s, QStringLiteral("Reçeteler"));
}

void Tfrm_goz::ameliyatKur()
{
    Baglayici *b = baglayici();
    auto *s = sayfa("ts_ameliyat");
    auto *g = new QGridLayout(s);
    g->addWidget(new QLabel(QStringLiteral("KODU")), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("ADI")), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("TUTARI")), 0, 3);
    struct G { const char *baslik, *kod, *ad, *tutar, *dugme, *not_; bool sag; };
    const G gozler[] = {
        {"SAĞ", "AMELIYATKODU1", "OPER_SAGAMLTIP", "AMELIYATTUTARI1", "btn_ameliyatsag", "OPER_AMELIYATBULGU", true},
        {"SOL", "AMELIYATKODU2", "OPER_SOLAMLTIP", "AMELIYATTUTARI2", "btn_ameliyatsol", "OPER_AMELIYATACIKLAMA",
         false}};
    int satir = 1;
    for (const G &x : gozler) {
        auto *l = new QLabel(QString::fromUtf8(x.baslik));
        g->addWidget(l, satir, 0);
        auto *kod = kutu(adi(QLatin1String(x.kod)));
        b->bagla(kod, QLatin1String(x.kod), true);
        l->setBuddy(kod);
        g->addWidget(kod, satir, 1);
        auto *ad = kutu(adi(QLatin1String(x.ad)));
        b->bagla(ad, QLatin1String(x.ad), true);
        g->addWidget(ad, satir, 2);
        auto *tutar = kutu(adi(QLatin1String(x.tutar)));
        b->sayiBagla(tutar, QLatin1String(x.tutar));
        g->addWidget(tutar, satir, 3);
        auto *d = yeniDugme(QLatin1String(x.dugme), QStringLiteral("Ameliyat Türü Ara"));
        const bool sag = x.sag;
        connect(d, &QPushButton::clicked, this, [this, sag] { ameliyatAra(sag); });
        g->addWidget(d, satir, 4);
        ++satir;
    }
    for (const G &x : gozler) {
        auto *l = new QLabel(QStringLiteral("NOTLAR ") + QString::fromUtf8(x.baslik));
        g->addWidget(l, satir, 0);
        auto *m = memo(QStringLiteral("mem_") + QString::fromLatin1(x.not_).toLower(), 80);
        b->bagla(m, QLatin1String(x.not_), true);
        l->setBuddy(m);
        g->addWidget(m, satir, 1, 1, 4);
        ++satir;
    }
    g->setColumnStretch(2, 1);
    g->setRowStretch(satir, 1);
    m_sekmeler->addTab(s, QStringLiteral("Ameliyat"));
}

void Tfrm_goz::lensKur()
{
    auto *s = sayfa("ts_lens");
    GozIzgarasi g(baglayici(), s, 3);
    g.ekle(QStringLiteral("LENS TİPİ"), {QStringLiteral("LENS_LENSTIPI")}, {QStringLiteral("LENS_LENSTIPISOL")});
    g.ekle(QStringLiteral("LENS"), uc(QStringLiteral("LENS_SAG")), uc(QStringLiteral("LENS_SOL")));
    g.memolar(QStringLiteral("NOTLAR"), QStringLiteral("LENS_LENSBULGU"), QStringLiteral("LENS_LENSACIKLAMA"), 120);
    g.g->setRowStretch(g.satir, 1);
    m_sekmeler->addTab(s, QStringLiteral("Lens"));
}

void Tfrm_goz::glokomKur()
{
    auto *s = sayfa("ts_glokom");
    GozIzgarasi g(baglayici(), s, 3);
    g.ekle(QStringLiteral("CUPPING"), {QStringLiteral("GLOK_CUPPINGSAG")}, {QStringLiteral("GLOK_CUPPINGSOL")});
    g.memolar(QStringLiteral("FUNDUS"), QStringLiteral("GLOK_FUNDUS"), QStringLiteral("GLOK_FUNDUSGSOL"), 80);
    g.ekle(QStringLiteral("ÖN KAMERA AÇISI"), uc(QStringLiteral("GLOK_SAGKAM")), uc(QStringLiteral("GLOK_SOLKAM")));
    g.tamMemo(QStringLiteral("ACIKLAMA"), QStringLiteral("GLOK_GLOKOMACIKLAMA"), QStringLiteral("mem_glok_glokomaciklama"),
              80);
    g.g->setRowStretch(g.satir, 1);
    m_sekmeler->addTab(s, QStringLiteral("Glokom"));
}

void Tfrm_goz::sasilikKur()
{
    auto *s = sayfa("ts_sasilik");
    GozIzgarasi g(baglayici(), s, 1);
    struct R { const char *baslik, *ek; };
    const R satirlar[] = {{"TİP", "TIP"},       {"DERECE", "DER"},  {"HRSB", "HRSB"},
                          {"KAPATMA", "KAPA"},  {"KAPPA A", "KAPP"}, {"TROP-H", "TROH"},
                          {"TROP-V", "TROV"},   {"FOR-H", "FORH"},  {"FOR-V", "FORV"}};
    for (const R &r : satirlar)
        g.ekle(QString::fromUtf8(r.baslik), {QStringLiteral("SASI_SAG") + QLatin1String(r.ek)},
               {QStringLiteral("SASI_SOL") + QLatin1String(r.ek)});
    g.tamMemo(QStringLiteral("ACIKLAMA"), QStringLiteral("SASI_SASIACIKLAMA"), QStringLiteral("mem_sasi_sasiaciklama"),
              60);
    g.g->setRowStretch(g.satir, 1);
    m_sekmeler->addTab(s, QStringLiteral("Şaşılık"));
}

void Tfrm_goz::laboratuvarKur()
{
    auto *s = sayfa("ts_laboratuvar");
    auto *h = new QHBoxLayout(s);
    auto *izgara = new QTableView;
    izgara->setObjectName(QStringLiteral("DBGrid2"));
    auto *model = new TabloModeli(m_lab, izgara);
    QList<TabloKolonu> k = IzgaraKolonlari({{"TETKIKKODU", "TETKIK KODU"}, {"TETKIKADI", "TETKIK ADI"},
                                           {"ARALIK", nullptr}, {"DURUM", "SONUC"}, {"TURU", nullptr},
                                           {"ACIKLAMA", nullptr}, {"BIRIMI", nullptr}, {"UCRETI", nullptr}}, true);
    model->kolonlariAyarla(k);
    model->gorunumeBagla(izgara);
    h->addWidget(izgara, 1);
    auto *yan = new QVBoxLayout;
    auto *ekle = yeniDugme(QStringLiteral("nav_ekle"), QStringLiteral("Tetkik Ekle"));
    connect(ekle, &QPushButton::clicked, this, &Tfrm_goz::tetkikEkle);
    auto *sil = yeniDugme(QStringLiteral("nav_sil"), QStringLiteral("Tetkik Sil"));
    connect(sil, &QPushButton::clicked, this, &Tfrm_goz::tetkikSil);
    auto *kaydet = yeniDugme(QStringLiteral("nav_kaydet"), QStringLiteral("Kaydet"));
    connect(kaydet, &QPushButton::clicked, this, [this] {
        if (m_lab->duzenleniyorMu())
            m_lab->kaydet();
    });
    auto *form = yeniDugme(QStringLiteral("btn_laboratuvarformu"), QStringLiteral("Laboratuvar Formu"));
    connect(form, &QPushButton::clicked, this, &Tfrm_goz::laboratuvarFormu);
    for (QPushButton *d : {ekle, sil, kaydet, form})
        yan->addWidget(d);
    yan->addStretch(1);
    h->addLayout(yan);
    m_sekmeler->addTab(s, QStringLiteral("Laboratuvar"));
}

void Tfrm_goz::resimlerKur()
{
    m_galeri = MuayeneGalerisiKur(ResimTuru::Goz, this);
    m_sekmeler->addTab(m_galeri, QStringLiteral("Görüntüler"));

    m_resim = new ResimSekmesi(ResimTuru::Goz, true);
    m_resim->setObjectName(QStringLiteral("ts_resim"));
    m_sekmeler->addTab(m_resim, QStringLiteral("Resim"));

    auto *video = sayfa("ts_video");
    auto *v = new QVBoxLayout(video);
    auto *h = new QHBoxLayout;
    auto *seyretDugmesi = yeniDugme(QStringLiteral("btn_seyret"), QStringLiteral("Seyret"));
    connect(seyretDugmesi, &QPushButton::clicked, this, &Tfrm_goz::seyret);
    h->addWidget(seyretDugmesi);
    KameraDugmeleriEkle(h);
    h->addStretch(1);
    v->addLayout(h);
    m_video = new QLabel;
    m_video->setObjectName(QStringLiteral("lbl_video"));
    v->addWidget(m_video);
    v->addStretch(1);
    m_sekmeler->addTab(video, QStringLiteral("Video"));
}

void Tfrm_goz::ekBilgilerKur()
{
    Baglayici *b = baglayici();
    auto *s = sayfa("ts_ekbilgiler");
    Izgara g{new QGridLayout(s)};
    auto sayi = [&](const char *ad, const char *kolon, const char *etiket) {
        auto *e = kutu(QLatin1String(ad));
        b->sayiBagla(e, QLatin1String(kolon));
        g.ekle(QString::fromUtf8(etiket), e);
    };
    sayi("edt_ucreti", "UCRETI", "Muayene Ücreti");
    sayi("edt_laboratuvarucreti", "LABORATUVARUCRETI", "Lab. Tutarı");
    sayi("edt_islemtutari", "ISLEMTUTARI", "İşlem Tutarı");
    sayi("edt_toplamtutar", "TOPLAMTUTAR", "Toplam Tutar");
    auto *tur = secim(QStringLiteral("cmb_doktorpayturu"),
                      {QString(), QStringLiteral("YÜZDE"), QStringLiteral("BİRİM FİYAT")}, true);
    b->bagla(tur, QStringLiteral("DOKTORPAYTURU"), true);
    g.ekle(QStringLiteral("Dr. Pay Türü"), tur);
    sayi("edt_doktorpayparam", "DOKTORPAYPARAM", "Dr. Pay Parametresi");
    sayi("edt_doktorpaytutari", "DOKTORPAYTUTARI", "Dr. Pay Tutarı");
    auto *genel = memo(QStringLiteral("mem_goz_genel"), 80);
    b->bagla(genel, QStringLiteral("GOZ_GENEL"), true);
    g.tamSatir(QStringLiteral("GENEL ACIKLAMA"), genel);
    auto *dus = memo(QStringLiteral("mem_dusunceler"), 80);
    b->bagla(dus, QStringLiteral("DUSUNCELER"), true);
    g.tamSatir(QStringLiteral("DÜŞÜNCELER"), dus);
    g.g->setRowStretch(g.satir + 1, 1);
    m_sekmeler->addTab(s, QStringLiteral("Ek Bilgiler"));
}
