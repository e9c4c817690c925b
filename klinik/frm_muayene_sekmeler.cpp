// The tabs of the examination screen's edit area: "Hasta Bilgileri" (the
// panel the lock switches), "Ek Bilgi", "Laboratuvar", "Görüntüler",
// "Resim", "Video" and "Ücret Bilgileri".
#include "klinik/frm_muayene.h"
#include "klinik/muayenekutulari.h"
#include "klinik/resimsekmesi.h"

#include "app/ekranlar.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "app/resimgalerisi.h"
#include "app/yetki.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

using namespace MuayeneKutulari;

void Tfrm_muayene::hastaBilgileriKur()
{
    Baglayici *b = baglayici();
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    Izgara g{new QGridLayout(panel)};
    g.g->setContentsMargins(4, 4, 4, 4);
    g.g->setVerticalSpacing(3);

    m_kod = kutu(QStringLiteral("edt_hastakodu"));
    b->bagla(m_kod, QStringLiteral("HASTAKODU"), true);
    auto *hastaBul = yeniDugme(QStringLiteral("BTN_HASTABUL"), QStringLiteral("Hasta Ara"));
    connect(hastaBul, &QPushButton::clicked, this, &Tfrm_muayene::hastaAra);
    g.ekle(QStringLiteral("Hasta Kodu"), m_kod, hastaBul);
    auto *hastaAdi = kutu(QStringLiteral("edt_hastaadi"));
    b->bagla(hastaAdi, QStringLiteral("HASTAADISOYADI"), true);
    g.ekle(QStringLiteral("Hasta Adı"), hastaAdi);
    auto *doktorKodu = kutu(QStringLiteral("edt_doktorkodu"));
    b->bagla(doktorKodu, QStringLiteral("DOKTORKODU"), true);
    auto *doktorBul = yeniDugme(QStringLiteral("BTN_DOKTORBUL"), QStringLiteral("Doktor Ara"));
    connect(doktorBul, &QPushButton::clicked, this, &Tfrm_muayene::doktorAra);
    g.ekle(QStringLiteral("Doktor Kodu"), doktorKodu, doktorBul);
    auto *doktorAdi = kutu(QStringLiteral("edt_doktoradi"));
    b->bagla(doktorAdi, QStringLiteral("DOKTORADI"), true);
    g.ekle(QStringLiteral("Doktoru"), doktorAdi);
    auto *tarih = kutu(QStringLiteral("edt_muayenetarihi"));
    b->tarihBagla(tarih, QStringLiteral("MUAYENETARIHI"));
    tarih->installEventFilter(new BugunSuzgeci(veriSeti(), QStringLiteral("MUAYENETARIHI"), tarih));
    g.ekle(QStringLiteral("Muayene Tarihi"), tarih);
    auto *sira = kutu(QStringLiteral("edt_sirano"));
    b->sayiBagla(sira, QStringLiteral("SIRANO"));
    g.ekle(QStringLiteral("Sıra No"), sira);
    auto *nabiz = kutu(QStringLiteral("edt_nabiz"));
    b->sayiBagla(nabiz, QStringLiteral("NABIZ"));
    g.ekle(QStringLiteral("Nabız"), nabiz);
    auto *ates = kutu(QStringLiteral("edt_ates"));
    b->sayiBagla(ates, QStringLiteral("ATES"));
    g.ekle(QStringLiteral("Ateş"), ates);
    auto *tansiyon = kutu(QStringLiteral("edt_tansiyon"));
    b->bagla(tansiyon, QStringLiteral("TANSIYON"), true);
    g.ekle(QStringLiteral("Tansiyon"), tansiyon);
    auto *solunum = kutu(QStringLiteral("edt_solunum"));
    b->bagla(solunum, QStringLiteral("SOLUNUM"), true);
    g.ekle(QStringLiteral("Solunum"), solunum);
    auto *cep = kutu(QStringLiteral("edt_hastaceptel"));
    b->bagla(cep, QStringLiteral("HASTACEPTEL"));
    g.ekle(QStringLiteral("Cep Tel"), cep);

    struct M { const char *ad, *kolon, *etiket; };
    const M memolar[] = {{"mem_anamnez", "ANAMNMEZ", "Anamnez"}, {"mem_bulgular", "BULGULAR", "Bulgular"},
                         {"mem_tani", "MYNTESHIS", "Tani"},      {"mem_tedavi", "TEDAVI", "Tedavi"},
                         {"mem_ilaclar", "ILACLAR", "İlaçlar"},  {"mem_rapor", "RAPOR", "Rapor"}};
    // Two memos to a row, as the boxes above: the tab stays whole on a
    // 1366×768 screen beside the list.
    if (g.sutun)
        ++g.satir;
    g.sutun = 0;
    for (const M &m : memolar) {
        auto *w = memo(QLatin1String(m.ad));
        b->bagla(w, QLatin1String(m.kolon), true);
        QPushButton *yaninda = nullptr;
        if (QLatin1String(m.kolon) == QLatin1String("MYNTESHIS")) {
            yaninda = yeniDugme(QStringLiteral("btn_taniara"), QStringLiteral("Tanı Ara"));
            connect(yaninda, &QPushButton::clicked, this, &Tfrm_muayene::taniAra);
        }
        g.ekle(QString::fromUtf8(m.etiket), w, yaninda);
    }
    g.g->setColumnStretch(1, 1);
    g.g->setColumnStretch(4, 1);

    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet1"));
    auto *s = new QVBoxLayout(sayfa);
    s->setContentsMargins(0, 0, 0, 0);
    s->addWidget(panel);
    m_sekmeler->addTab(sayfa, QStringLiteral("Hasta Bilgileri"));
    // The framework's own empty area gives way to the panel.
    QWidget *eskiAlan = duzenlemeAlani();
    duzenlemeAlaniAyarla(panel);
    if (eskiAlan != panel) {
        eskiAlan->setObjectName(QString());
        eskiAlan->hide();
    }
}

void Tfrm_muayene::ekBilgiKur()
{
    Baglayici *b = baglayici();
    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet2"));
    Izgara g{new QGridLayout(sayfa)};
    auto *oldu = secim(QStringLiteral("cmb_muayeneoldumu"), EvetHayir, false);
    b->bagla(oldu, QStringLiteral("MUAYENEOLDUMU"));
    g.ekle(QStringLiteral("Muayene Oldu mu?"), oldu);
    auto *lab = secim(QStringLiteral("cmb_laboratuvarvarmi"), EvetHayir, false);
    b->bagla(lab, QStringLiteral("LABORATUVARVARMI"));
    g.ekle(QStringLiteral("Laboratuvar Var mı ?"), lab);
    auto *rad = secim(QStringLiteral("cmb_radyolojivarmi"), EvetHayir, false);
    b->bagla(rad, QStringLiteral("RADYOLOJIVARMI"));
    g.ekle(QStringLiteral("Radyoloji Var mı ?"), rad);
    auto *sonraki = kutu(QStringLiteral("edt_sonrakimuayenetarihi"));
    b->tarihBagla(sonraki, QStringLiteral("SONRAKIMUAYENETARIHI"));
    sonraki->installEventFilter(new BugunSuzgeci(veriSeti(), QStringLiteral("SONRAKIMUAYENETARIHI"), sonraki));
    g.ekle(QStringLiteral("Sonraki Muayene Tarihi"), sonraki);
    auto *brans = kutu(QStringLiteral("edt_brans"));
    b->bagla(brans, QStringLiteral("BRANS"), true);
    g.ekle(QStringLiteral("Branş"), brans);
    auto *bolum = kutu(QStringLiteral("edt_bolum"));
    b->bagla(bolum, QStringLiteral("BOLUM"), true);
    g.ekle(QStringLiteral("Bölüm"), bolum);
    auto *doktoru = kutu(QStringLiteral("edt_doktoru"));
    b->bagla(doktoru, QStringLiteral("DOKTORU"), true);
    g.ekle(QStringLiteral("Doktoru"), doktoru);
    g.g->setRowStretch(g.satir + 1, 1);
    m_sekmeler->addTab(sayfa, QStringLiteral("Ek Bilgi"));
}

void Tfrm_muayene::laboratuvarKur()
{
    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet3"));
    auto *h = new QHBoxLayout(sayfa);

    auto *izgara = new QTableView;
    izgara->setObjectName(QStringLiteral("DBGrid2"));
    auto *model = new TabloModeli(m_lab, izgara);
    QList<TabloKolonu> k = IzgaraKolonlari({{"TETKIKKODU", "TETKIK KODU"}, {"TETKIKADI", "TETKIK ADI"},
                                           {"ARALIK", nullptr}, {"DURUM", "SONUC"}, {"TURU", nullptr},
                                           {"ACIKLAMA", nullptr}, {"BIRIMI", nullptr}, {"KOD1", nullptr},
                                           {"KOD2", nullptr}, {"KOD3", nullptr}, {"UCRETI", nullptr}}, true);
    model->kolonlariAyarla(k);
    model->gorunumeBagla(izgara);
    izgara->setSelectionMode(QAbstractItemView::ExtendedSelection);
    h->addWidget(izgara, 1);

    auto *yan = new QVBoxLayout;
    yan->addWidget(new QLabel(QStringLiteral("Laboratuvar")));
    m_grup = secim(QStringLiteral("cmb_laboratuvar"),
                   {QString(), QStringLiteral("BİYOKİMYA"), QStringLiteral("İMMUNOLOJİ"), QStringLiteral("HEMATOLOJİ"),
                    QStringLiteral("MİKROBİYOLOJİ"), QStringLiteral("PATOLOJİ"), QStringLiteral("SEROLOJİ"),
                    QStringLiteral("TIBBİ GENETİK"), QStringLiteral("ENZİMLER"), QStringLiteral("ENDOKRİNOLOJİ"),
                    QStringLiteral("TDM"), QStringLiteral("ALLERGENLER")},
                   true);
    yan->addWidget(m_grup);
    // The navigator.
    auto *nav = new QWidget;
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    auto *n = new QGridLayout(nav);
    n->setContentsMargins(0, 0, 0, 0);
    struct D { const char *ad, *metin, *ipucu; };
    const D navlar[] = {{"nav_ekle", "+", "Tetkik Ekle"}, {"nav_sil", "-", "Tetkik Sil"},
                        {"nav_duzenle", "▲", "Düzenle"},   {"nav_kaydet", "✓", "Kaydet"},
                        {"nav_iptal", "✗", "İptal"},       {"nav_yenile", "↻", "Yenile"}};
    int i = 0;
    for (const D &d : navlar) {
        auto *b = yeniDugme(QLatin1String(d.ad), QString::fromUtf8(d.metin));
        b->setToolTip(QString::fromUtf8(d.ipucu));
        n->addWidget(b, i / 3, i % 3);
        ++i;
    }
    yan->addWidget(nav);
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_ekle")), &QPushButton::clicked, this,
            &Tfrm_muayene::tetkikEkle);
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_sil")), &QPushButton::clicked, this,
            &Tfrm_muayene::tetkikSil);
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_duzenle")), &QPushButton::clicked, this, [this] {
        if (m_lab->acikMi() && !m_lab->bosMu())
            m_lab->duzenle();
    });
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_kaydet")), &QPushButton::clicked, this,
            [this] { m_lab->kaydet(); });
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_iptal")), &QPushButton::clicked, this,
            [this] { m_lab->iptal(); });
    connect(nav->findChild<QPushButton *>(QStringLiteral("nav_yenile")), &QPushButton::clicked, this,
            &Tfrm_muayene::tetkikleriYukle);
    auto *bul = yeniDugme(QStringLiteral("BTN_labarama"), QStringLiteral("Tetkik Bul"));
    connect(bul, &QPushButton::clicked, this, &Tfrm_muayene::tetkikBul);
    yan->addWidget(bul);
    auto *form = yeniDugme(QStringLiteral("btn_laboratuvarformu"), QStringLiteral("Laboratuvar Formu"));
    connect(form, &QPushButton::clicked, this, &Tfrm_muayene::laboratuvarFormu);
    yan->addWidget(form);
    yan->addStretch(1);
    h->addLayout(yan);
    m_sekmeler->addTab(sayfa, QStringLiteral("Laboratuvar"));
}

void Tfrm_muayene::goruntulerKur()
{
    m_galeri = MuayeneGalerisiKur(ResimTuru::Muayene, this);
    m_sekmeler->addTab(m_galeri, QStringLiteral("Görüntüler"));

    // "Resim": the examination's own picture, edited in an external program.
    m_resim = new ResimSekmesi(ResimTuru::Muayene, false);
    m_resim->setObjectName(QStringLiteral("TabSheet5"));
    m_sekmeler->addTab(m_resim, QStringLiteral("Resim"));
}

void Tfrm_muayene::videoKur()
{
    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet6"));
    auto *l = new QHBoxLayout(sayfa);
    auto *seyret = yeniDugme(QStringLiteral("btn_seyret"), QStringLiteral("Seyret"));
    connect(seyret, &QPushButton::clicked, this, &Tfrm_muayene::seyret);
    l->addWidget(seyret);
    KameraDugmeleriEkle(l);
    m_video = new QLabel;
    m_video->setObjectName(QStringLiteral("lbl_video"));
    l->addWidget(m_video, 1);
    m_sekmeler->addTab(sayfa, QStringLiteral("Video"));
}

void Tfrm_muayene::ucretKur()
{
    Baglayici *b = baglayici();
    auto *sayfa = new QWidget;
    sayfa->setObjectName(QStringLiteral("TabSheet7"));
    Izgara g{new QGridLayout(sayfa)};
    auto sayi = [&](const char *ad, const char *kolon, const char *etiket) {
        auto *e = kutu(QLatin1String(ad));
        b->sayiBagla(e, QLatin1String(kolon));
        g.ekle(QString::fromUtf8(etiket), e);
    };
    sayi("edt_muayeneucreti", "MUAYENEUCRETI", "Muayene Ücreti");
    auto *odeme = secim(QStringLiteral("cmb_odemesekli"),
                        {QStringLiteral("NAKIT"), QStringLiteral("K.KARTI"), QStringLiteral("CEK"),
                         QStringLiteral("SENET"), QStringLiteral("UCRETSIZ")},
                        true);
    b->bagla(odeme, QStringLiteral("ODEMESEKLI"), true);
    g.ekle(QStringLiteral("Ödeme Şekli"), odeme);
    sayi("edt_laboratuvarucreti", "LABORATUVARUCRETI", "Lab. Tutarı");
    sayi("edt_islemtutari", "ISLEMTUTARI", "İşlem Tutarı");
    sayi("edt_toplamtutar", "TOPLAMTUTAR", "Toplam Tutar");
    auto *tur = secim(QStringLiteral("cmb_doktorpayturu"), {QString(), QStringLiteral("YÜZDE"),
                                                            QStringLiteral("BİRİM FİYAT")},
                      true);
    b->bagla(tur, QStringLiteral("DOKTORPAYTURU"), true);
    g.ekle(QStringLiteral("Dr. Pay Türü"), tur);
    sayi("edt_doktorpayparam", "DOKTORPAYPARAM", "Dr. Pay Parametresi");
    sayi("edt_doktorpaytutari", "DOKTORPAYTUTARI", "Dr. Pay Tutarı");
    g.g->setRowStretch(g.satir + 1, 1);
    m_sekmeler->addTab(sayfa, QStringLiteral("Ücret Bilgileri"));
}

void Tfrm_muayene::seyret() { MuayeneVideosunuAc(ResimTuru::Muayene, veriSeti()->anahtar(), m_video, this); }
