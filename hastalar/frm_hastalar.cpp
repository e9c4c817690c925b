#include "hastalar/frm_hastalar.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "app/yetki.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "app/aramapenceresi.h"
#include "hastalar/hastaaktarim.h"
#include "hastalar/hastakayit.h"
#include "hastalar/hastakodu.h"
#include "hastalar/iller.h"
#include "app/resimdeposu.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString KodBosMesaji = QStringLiteral("Hasta Kodu Boş Olamaz.Lütfen Bir Kod Giriniz");
const QString AdBosMesaji = QStringLiteral("Hasta Adı Boş Olamaz.Lütfen Hasta Adı Giriniz");
const QString KodVarMesaji = QStringLiteral(
    "Bu  Kod ile Kayıtlı Hasta Var. Yeni Hasta Kodu Girerken Lütfen Farklı Bir Hasta Kodu Kullanınız");
const QString TcVarMesaji = QStringLiteral("Bu  Tc Kimlik No ile Kayıtlı Hasta Var. Numarayı KOntrol Ediniz.");
const QString YetkiYokMesaji = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");

// Memos the user may type at most 70 characters into.
void yetmisKarakter(QPlainTextEdit *m)
{
    QObject::connect(m, &QPlainTextEdit::textChanged, m, [m] {
        const QString t = m->toPlainText();
        if (t.size() <= 70)
            return;
        QTextCursor c = m->textCursor();
        const int yer = qMin(c.position(), 70);
        m->setPlainText(t.left(70));
        c = m->textCursor();
        c.setPosition(yer);
        m->setTextCursor(c);
    });
}

QComboBox *secim(const QString &ad, const QStringList &ogeler)
{
    auto *c = new QComboBox;
    c->setObjectName(ad);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(ogeler);
    c->setCurrentIndex(-1);
    return c;
}

QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}

QPlainTextEdit *memo(const QString &ad, int yukseklik = 48)
{
    auto *m = new QPlainTextEdit;
    m->setObjectName(ad);
    m->setTabChangesFocus(true);
    m->setMinimumHeight(yukseklik);
    m->setMaximumHeight(yukseklik * 2);
    return m;
}

QTableView *izgaraKur(const QString &ad, VeriSeti *vs, const QList<TabloKolonu> &kolonlar, bool duzenlenebilir,
                      QObject *sahip)
{
    auto *model = new TabloModeli(vs, sahip);
    QList<TabloKolonu> k = kolonlar;
    for (TabloKolonu &t : k)
        t.duzenlenebilir = duzenlenebilir;
    model->kolonlariAyarla(k);
    auto *g = new QTableView;
    g->setObjectName(ad);
    model->gorunumeBagla(g);
    g->verticalHeader()->setDefaultSectionSize(22);
    if (!duzenlenebilir) {
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    return g;
}

const QStringList Evethayir{QStringLiteral("EVET"), QStringLiteral("HAYIR")};

} // namespace

std::function<void(Rapor &, QWidget *)> Tfrm_hastalar::onizleyici = [](Rapor &r, QWidget *ust) { r.onizle(ust); };

KayitEkraniAyari Tfrm_hastalar::ayarlar(Tfrm_hastalar *e)
{
    KayitEkraniAyari a;
    a.ekranAdi = QStringLiteral("frm_hastalar");
    a.baslik = QStringLiteral("HASTALAR");
    a.tablo = QStringLiteral("HASTALAR");
    a.veriSetiAdi = QStringLiteral("QRY_HASTALAR");
    a.modul = QStringLiteral("HASTALAR");
    a.parametreEkrani = QStringLiteral("HASTALAR");
    a.parametreSayisi = 15;
    a.siralama = QStringLiteral(" order by HASTALAR.KAYITNO ");
    a.ekKosullar = [] {
        return Aktarim.hasta_hastakodu.isEmpty()
                   ? QString()
                   : QStringLiteral(" and hastakodu =") + SqlQuote(Aktarim.hasta_hastakodu);
    };
    a.kilitMesaji = QStringLiteral(" UYARI  HASTA KAYDI KİLİTLİ .... Hasta Kaydında Değişiklik Yapmak "
                                   "İstiyorsanız Önce DEĞİŞTİR Tuşuna Basın ");
    a.kilitsizKapali = {QStringLiteral("btn_yeni"), QStringLiteral("btn_sil"),  QStringLiteral("btn_firmabul"),
                        QStringLiteral("Yeni1"),    QStringLiteral("Bul1"),     QStringLiteral("Sil1"),
                        QStringLiteral("lem1"),     QStringLiteral("Arama1"),   QStringLiteral("BitBtn2"),
                        QStringLiteral("BitBtn7")};
    a.ilkAlan = QStringLiteral("edt_hastaadi");
    a.silmeSorusu = QStringLiteral("Bu Hasta Kartını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" Hasta Kaydı Silindi ");
    a.aramaEkrani = QStringLiteral("frm_hastaarama");
    a.siralamaKolonlari = {
        QStringLiteral("HASTAADISOYADI"), QStringLiteral("DOKTORADI"),       QStringLiteral("CINSIYET"),
        QStringLiteral("BABAADI"),        QStringLiteral("KURUMU"),          QStringLiteral("MESLEGI"),
        QStringLiteral("DOGUMTARIHI"),    QStringLiteral("IL"),              QStringLiteral("ILCE"),
        QStringLiteral("ULKE"),           QStringLiteral("EGITIMI"),         QStringLiteral("YATISTARIHI"),
        QStringLiteral("HATIRLATMATARIHI"), QStringLiteral("MEDENIDURUM"),   QStringLiteral("COCUKSAYISI"),
        QStringLiteral("ALERJIDURUMU"),   QStringLiteral("KAYITDURUMU"),     QStringLiteral("KAYITTARIHI"),
        QStringLiteral("GENETIKHASTALIK"), QStringLiteral("BOY"),            QStringLiteral("KILO"),
        QStringLiteral("KOLESTROL"),      QStringLiteral("TANI1"),           QStringLiteral("TANI2"),
        QStringLiteral("HATUYARI"),       QStringLiteral("HASTAKODU"),       QStringLiteral("DOGUMYERI")};
    a.baslikEki.clear(); // the caption is written on every row change
    a.evrakTuru = EvrakTuru::Hasta;
    a.yeniSatirDegerleri = [e] {
        QStringList p;
        for (int i = 1; i <= 13; ++i)
            p << e->parametre(i);
        HastaYeniSatirDegerleri(*e->veriSeti(), p);
    };
    a.eklemeDogrula = [e] { return e->eklemeDogrula(); };
    a.duzenlemeDogrula = [e] { return e->duzenlemeDogrula(); };
    a.kaydettiktenSonra = [e] {
        e->baslikGuncelle();
        for (const char *ad : {"Yeni1", "Sil1", "Arama1", "lem1"})
            if (QAction *x = e->findChild<QAction *>(QLatin1String(ad)))
                x->setEnabled(true);
    };
    a.yenidenSonra = [e] { e->yeniSonrasi(); };
    a.silmeKontrolu = [e] { return e->silmeKontrolu(); };
    a.kilitDegisti = [e](bool k) { e->kilitDegisti(k); };
    a.gosterildi = [e] {
        e->baslikGuncelle();
        e->fotografGoster();
    };
    a.kapanirken = [e] {
        e->bekleyenleriKaydet();
        for (VeriSeti *v : {e->m_muayene, e->m_randevu, e->m_lab, e->m_islem})
            v->kapat();
        Aktarim.hasta_hastakodu.clear();
    };
    a.satirDegisti = [e] {
        e->baslikGuncelle();
        e->fotografGoster();
    };
    return a;
}

Tfrm_hastalar::Tfrm_hastalar(QWidget *ust)
    : KayitEkrani(ayarlar(this), ust)
{
    m_muayene = new VeriSeti(QStringLiteral("MUAYENE"), this);
    m_muayene->setObjectName(QStringLiteral("qry_muayene"));
    m_randevu = new VeriSeti(QStringLiteral("RANDEVU"), this);
    m_randevu->setObjectName(QStringLiteral("qry_randevu"));
    m_lab = new VeriSeti(QStringLiteral("MUAYENE_LAB"), this);
    m_lab->setObjectName(QStringLiteral("QRY_MUAYENE_LAB"));
    m_islem = new VeriSeti(QStringLiteral("YAPILANISLEMLER"), this);
    m_islem->setObjectName(QStringLiteral("QRY_YAPILANISLEMLER"));
    ResimKlasorleriniHazirla(); // blank pictures for the photo frame and the gallery
    arayuzKur();
}

Tfrm_hastalar::~Tfrm_hastalar() = default;

QString Tfrm_hastalar::kod() const { return veriSeti()->metin(QStringLiteral("HASTAKODU")); }

// ---------------------------------------------------------------- layout

void Tfrm_hastalar::arayuzKur()
{
    Baglayici *b = baglayici();
    resize(1100, 780);

    // Toolbar buttons of this screen, in the designed order.
    auto *resim = dugmeEkle(QStringLiteral("BitBtn2"), QStringLiteral("Resim"), QStringLiteral("Resim"));
    auto *fis = dugmeEkle(QStringLiteral("BitBtn7"), QStringLiteral("Hasta Fişi"), QStringLiteral("Hasta Fişi"));
    auto *muayene = dugmeEkle(QStringLiteral("btn_carihareket"), QStringLiteral("Muayene"),
                              QStringLiteral("Muayeneleri Ctrl + M"));
    auto *cari = dugmeEkle(QStringLiteral("BitBtn6"), QStringLiteral("Cari"), QStringLiteral("Cari Hareketi"));
    auto *veriAlDugmesi = dugmeEkle(QStringLiteral("BitBtn13"), QStringLiteral("Veri Al"), QStringLiteral("Veri Al"));
    connect(resim, &QPushButton::clicked, this, [this] { resimEkle(0); });
    connect(fis, &QPushButton::clicked, this, [this] { hastaKartiBas(); });
    connect(muayene, &QPushButton::clicked, this, [this] { muayeneler(); });
    connect(cari, &QPushButton::clicked, this, [this] { cariHareketler(); });
    connect(veriAlDugmesi, &QPushButton::clicked, this, [this] { veriAl(); });
    // The registration-date box "Tarih".
    auto *tarihEtiketi = new QLabel(QStringLiteral("Tarih"), this);
    m_tarih = new QLineEdit(this);
    m_tarih->setObjectName(QStringLiteral("EsDateEdit1"));
    m_tarih->setInputMask(QStringLiteral("00.00.0000"));
    m_tarih->setMaximumWidth(90);
    siralamaDuzeni()->insertWidget(0, tarihEtiketi);
    siralamaDuzeni()->insertWidget(1, m_tarih);
    connect(m_tarih, &QLineEdit::textChanged, this, &Tfrm_hastalar::tarihFiltresi);
    if (QPushButton *bul = dugme(QStringLiteral("btn_firmabul")))
        connect(bul, &QPushButton::pressed, this, [this] {
            const QDate t = MetindenTarih(m_tarih->text());
            Aktarim.arama_kayittarihi = t.isValid() ? TarihMetni(t) : QString();
        });

    // Menus of this screen.
    QMenu *diger = menuCubugu()->addMenu(QStringLiteral("Diğer"));
    diger->setObjectName(QStringLiteral("Diger1"));
    auto eylemEkle = [this](QMenu *m, const QString &ad, const QString &metin, const QString &kisayol,
                            std::function<void()> is) {
        auto *x = new QAction(metin, this);
        x->setObjectName(ad);
        if (!kisayol.isEmpty())
            x->setShortcut(QKeySequence(kisayol));
        x->setShortcutContext(Qt::WindowShortcut);
        connect(x, &QAction::triggered, this, [is] { is(); });
        m->addAction(x);
        addAction(x);
        return x;
    };
    eylemEkle(diger, QStringLiteral("SonrakiKod1"), QStringLiteral("Kullanılan Hasta Koduna Göre Bir Sonraki Kodu Ver"),
              QStringLiteral("Ctrl+A"), [this] { sonrakiKodVer(); });
    // The calculator keeps its shortcut on the pattern's own entry.
    eylemEkle(diger, QStringLiteral("HesapMakinesi2"), QStringLiteral("Hesap Makinesi"), QString(),
              [this] { hesapMakinesi(); });
    eylemEkle(diger, QStringLiteral("HastaKoduDegistir1"), QStringLiteral("Hasta Kodu Değiştir"), QString(),
              [this] { hastaKoduDegistir(); });
    eylemEkle(diger, QStringLiteral("HastaKoduAktif1"), QStringLiteral("Hasta Kodu Alanını Aktif Et"), QString(),
              [this] { kodAlaniniAc(); });
    QMenu *branslar = menuCubugu()->addMenu(QStringLiteral("Branşlar"));
    branslar->setObjectName(QStringLiteral("Branslar1"));
    eylemEkle(branslar, QStringLiteral("Gz1"), QStringLiteral("Göz"), QString(), [this] { goz(); });
    QMenu *odemeMenu = menuCubugu()->addMenu(QStringLiteral("ÖDEME"));
    odemeMenu->setObjectName(QStringLiteral("ODEME"));
    eylemEkle(odemeMenu, QStringLiteral("ODEME1"), QStringLiteral("ÖDEME"), QString(), [this] { odeme(); });

    // Edit area: four tabs, "Hasta Bilgileri" holding the panel the lock switches.
    m_sekmeler = new QTabWidget(ustAlan());
    m_sekmeler->setObjectName(QStringLiteral("PageControl2"));
    ustAlan()->layout()->addWidget(m_sekmeler);

    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    auto *g = new QGridLayout(panel);
    g->setContentsMargins(4, 4, 4, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    int satir = 0;
    auto etiket = [](const QString &t) { return new QLabel(t); };

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
    g->addWidget(etiket(QStringLiteral("Hasta Kodu")), satir, 0);
    g->addLayout(kodSatiri, satir++, 1);
    m_kod->setContextMenuPolicy(Qt::CustomContextMenu);
    m_kod->installEventFilter(this);

    m_ad = kutu(QStringLiteral("edt_hastaadi"));
    b->bagla(m_ad, QStringLiteral("HASTAADISOYADI"), true);
    connect(m_ad, &QLineEdit::editingFinished, this, &Tfrm_hastalar::adKontrol);
    g->addWidget(etiket(QStringLiteral("Hasta Adı")), satir, 0);
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
    g->addWidget(etiket(QStringLiteral("Doğum Tarihi")), satir, 0);
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
    g->addWidget(etiket(QStringLiteral("Medeni Durum")), satir, 0);
    g->addWidget(medeni, satir++, 1);

    auto *cocuk = kutu(QStringLiteral("edt_cocuksayisi"));
    b->sayiBagla(cocuk, QStringLiteral("COCUKSAYISI"));
    g->addWidget(etiket(QStringLiteral("Çocuk Sayısı")), satir, 0);
    g->addWidget(cocuk, satir++, 1);

    auto *cinsiyet = secim(QStringLiteral("cmb_cinsiyet"), {QStringLiteral("ERKEK"), QStringLiteral("KADIN")});
    b->bagla(cinsiyet, QStringLiteral("CINSIYET"), true);
    g->addWidget(etiket(QStringLiteral("Cinsiyet")), satir, 0);
    g->addWidget(cinsiyet, satir++, 1);

    auto *meslek = kutu(QStringLiteral("edt_meslegi"));
    b->bagla(meslek, QStringLiteral("MESLEGI"), true);
    g->addWidget(etiket(QStringLiteral("Meslek")), satir, 0);
    g->addWidget(meslek, satir++, 1);

    auto *kurum = secim(QStringLiteral("cmb_kurumu"),
                        {QStringLiteral("EMEKLI SANDIGI"), QStringLiteral("BAGKUR"), QStringLiteral("SSK"),
                         QStringLiteral("YESILKART"), QStringLiteral("ÖZEL"), QStringLiteral("YOK")});
    b->bagla(kurum, QStringLiteral("KURUMU"), true);
    g->addWidget(etiket(QStringLiteral("Kurumu")), satir, 0);
    g->addWidget(kurum, satir++, 1);

    const QStringList kanGruplari{QStringLiteral("A RH +"),  QStringLiteral("A RH -"),  QStringLiteral("B RH +"),
                                  QStringLiteral("B RH -"),  QStringLiteral("AB RH +"), QStringLiteral("AB RH -"),
                                  QStringLiteral("0 RH +"),  QStringLiteral("0 RH -")};
    auto *kan = secim(QStringLiteral("cmb_kangrubu"), kanGruplari);
    b->bagla(kan, QStringLiteral("KANGRUBU"), true);
    g->addWidget(etiket(QStringLiteral("Kan Grubu")), satir, 0);
    g->addWidget(kan, satir++, 1);

    auto *tc = kutu(QStringLiteral("edt_tckimlikno"));
    b->bagla(tc, QStringLiteral("TCKIMLIKNO"), true);
    g->addWidget(etiket(QStringLiteral("TC Kimlik No")), satir, 0);
    g->addWidget(tc, satir++, 1);

    // Second column.
    int s2 = 0;
    auto ikinci = [&](const QString &t, QWidget *w) {
        g->addWidget(etiket(t), s2, 2);
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
    g->addWidget(etiket(QStringLiteral("Doktor Kodu")), s2, 2);
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

    // Reminders across the bottom.
    auto hatirlatma = [&](const QString &baslik, const char *tarihAdi, const char *tarihKolonu, const char *notAdi,
                          const char *notKolonu, const char *durumAdi, const char *durumKolonu) {
        auto *t = kutu(QString::fromUtf8(tarihAdi));
        b->tarihBagla(t, QString::fromUtf8(tarihKolonu));
        t->setMaximumWidth(90);
        auto *n = memo(QString::fromUtf8(notAdi), 36);
        b->bagla(n, QString::fromUtf8(notKolonu));
        yetmisKarakter(n);
        auto *d = secim(QString::fromUtf8(durumAdi), Evethayir);
        b->bagla(d, QString::fromUtf8(durumKolonu), true);
        auto *h = new QHBoxLayout;
        h->addWidget(t);
        h->addWidget(n, 1);
        h->addWidget(d);
        const int r = qMax(satir, s2);
        g->addWidget(etiket(baslik), r, 0);
        g->addLayout(h, r, 1, 1, 3);
        satir = s2 = r + 1;
    };
    hatirlatma(QStringLiteral("1. Hatırlatma Tarihi ve Notu"), "edt_hatirlatmatarihi", "HATIRLATMATARIHI",
               "mem_hatirlatmanotu", "HATIRLATMANOTU", "cmb_hatuyari", "HATUYARI");
    hatirlatma(QStringLiteral("2.Hatırlatma Tarihi ve Notu"), "edt_hatirlatmatarihi2", "HATIRLATMATARIHI2",
               "mem_hatirlatmanotu2", "HATIRLATMANOTU2", "cmb_hatirlatmadurumu2", "HATIRLATMADURUMU2");

    // Duplicate-name note and photo on the right.
    auto *fotoKutusu = new QGroupBox(QStringLiteral("F o t o g r a f"));
    fotoKutusu->setObjectName(QStringLiteral("GroupBox1"));
    auto *fv = new QVBoxLayout(fotoKutusu);
    m_foto = new QLabel;
    m_foto->setObjectName(QStringLiteral("img_fotograf"));
    m_foto->setFixedSize(150, 170);
    m_foto->setAlignment(Qt::AlignCenter);
    m_foto->installEventFilter(this);
    fv->addWidget(m_foto);
    g->addWidget(m_ayniAd, 0, 4, 2, 1);
    g->addWidget(fotoKutusu, 2, 4, 7, 1);
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

    // "Ek Bilgi".
    auto *ek = new QWidget;
    ek->setObjectName(QStringLiteral("ts_ekbilgi"));
    auto *eg = new QGridLayout(ek);
    eg->setVerticalSpacing(3);
    int es = 0, ek2 = 0;
    auto ekle = [&](const QString &t, QWidget *w, bool sag) {
        int &r = sag ? ek2 : es;
        eg->addWidget(new QLabel(t), r, sag ? 2 : 0);
        eg->addWidget(w, r++, sag ? 3 : 1);
    };
    auto metinKutusu = [&](const char *ad, const char *kolon, bool buyuk) {
        auto *t = kutu(QString::fromUtf8(ad));
        b->bagla(t, QString::fromUtf8(kolon), buyuk);
        return t;
    };
    ekle(QStringLiteral("Boy"), metinKutusu("edt_boy", "BOY", false), false);
    ekle(QStringLiteral("Kilo"), metinKutusu("edt_kilo", "KILO", false), false);
    ekle(QStringLiteral("BKİ"), metinKutusu("edt_obezitedurumu", "OBEZITEDURUMU", false), false);
    auto *kan2 = secim(QStringLiteral("cmb_kangrubu2"), kanGruplari);
    b->bagla(kan2, QStringLiteral("KANGRUBU"), true);
    ekle(QStringLiteral("Kan Grubu"), kan2, false);
    auto *sigara = secim(QStringLiteral("cmb_sigaradurumu"), Evethayir);
    b->bagla(sigara, QStringLiteral("SIGARADURUMU"), true);
    ekle(QStringLiteral("Sigara"), sigara, false);
    auto *alkol = secim(QStringLiteral("cmb_alkoldurumu"), {QStringLiteral("YOK"), QStringLiteral("AZ"),
                                                            QStringLiteral("HAFTA"), QStringLiteral("AY"),
                                                            QStringLiteral("YIL")});
    b->bagla(alkol, QStringLiteral("ALKOLDURUMU"), true);
    ekle(QStringLiteral("Alkol"), alkol, false);
    auto *kolestrol = secim(QStringLiteral("cmb_kolestrol"), Evethayir);
    b->bagla(kolestrol, QStringLiteral("KOLESTROL"), true);
    ekle(QStringLiteral("Kolekstrol"), kolestrol, false);
    ekle(QStringLiteral("Alerji"), metinKutusu("edt_alerjidurumu", "ALERJIDURUMU", false), false);
    ekle(QStringLiteral("Genetik H."), metinKutusu("edt_genetikhastalik", "GENETIKHASTALIK", false), false);
    ekle(QStringLiteral("Yakının Adı"), metinKutusu("edt_yakininadi", "YAKININADI", false), false);
    ekle(QStringLiteral("Yakınlık Derecesi"), metinKutusu("edt_yakinlikdurumu", "YAKINLIKDURUMU", false), false);
    ekle(QStringLiteral("Yakın Tel"), metinKutusu("edt_yakintel", "YAKINTEL", false), false);
    ekle(QStringLiteral("Baba Adı"), metinKutusu("edt_babaadi", "BABAADI", true), true);
    m_email = metinKutusu("edt_email", "EMAIL", false);
    m_email->installEventFilter(this);
    m_email->setToolTip(QStringLiteral("Çift tıklayınca e-posta programı açılır"));
    ekle(QStringLiteral("Hastanın E-maili"), m_email, true);
    auto *egitim = secim(QStringLiteral("cmb_egitimi"),
                         {QStringLiteral("İLKOKUL"), QStringLiteral("ORTAOKUL"), QStringLiteral("LİSE"),
                          QStringLiteral("ÖNLİSANS"), QStringLiteral("LİSANS"), QStringLiteral("MASTER"),
                          QStringLiteral("DOKTORA"), QStringLiteral("EĞİTİMSİZ")});
    b->bagla(egitim, QStringLiteral("EGITIMI"), true);
    ekle(QStringLiteral("Eğitim Durumu"), egitim, true);
    auto *dogumYeri = secim(QStringLiteral("cmb_dogumyeri"), IlListesi());
    b->bagla(dogumYeri, QStringLiteral("DOGUMYERI"), true);
    ekle(QStringLiteral("Doğum Yeri"), dogumYeri, true);
    ekle(QStringLiteral("Ülke"), metinKutusu("edt_ulke", "ULKE", true), true);
    auto tarihKutusu = [&](const char *ad, const char *kolon) {
        auto *t = kutu(QString::fromUtf8(ad));
        b->tarihBagla(t, QString::fromUtf8(kolon));
        return t;
    };
    ekle(QStringLiteral("Yatış Tarihi"), tarihKutusu("edt_yatistarihi", "YATISTARIHI"), true);
    ekle(QStringLiteral("Hatırlatma Tarihi"), tarihKutusu("edt_hatirlatmatarihi_2", "HATIRLATMATARIHI"), true);
    auto *hatuyari2 = secim(QStringLiteral("cmb_hatuyari_2"), Evethayir);
    b->bagla(hatuyari2, QStringLiteral("HATUYARI"), true);
    ekle(QStringLiteral("Hatırlatsın mı"), hatuyari2, true);
    auto *not2 = memo(QStringLiteral("mem_hatirlatmanotu_2"), 36);
    b->bagla(not2, QStringLiteral("HATIRLATMANOTU"));
    yetmisKarakter(not2);
    ekle(QStringLiteral("Hatırlatma Notu"), not2, true);
    ekle(QStringLiteral("Kayıt Tarihi"), tarihKutusu("edt_kayittarihi", "KAYITTARIHI"), true);
    auto *kayitDurumu = secim(QStringLiteral("cmb_kayitdurumu"), {QStringLiteral("AKTİF"), QStringLiteral("ARŞİV")});
    b->bagla(kayitDurumu, QStringLiteral("KAYITDURUMU"), true);
    ekle(QStringLiteral("Kayıt Durumu"), kayitDurumu, true);
    m_sekmeler->addTab(ek, QStringLiteral("Ek Bilgi"));

    // "Tıbbi Bilgi".
    auto *tibbi = new QWidget;
    tibbi->setObjectName(QStringLiteral("ts_tibbibilgi"));
    auto *tg = new QGridLayout(tibbi);
    int ti = 0;
    for (const auto &[ad, kolon, baslik] :
         {std::tuple{"mem_gecirdigihastaliklar", "GECIRDIGIHASTALIKLAR", "Genel Hikayesi"},
          std::tuple{"mem_gecirdigiameliyatlar", "GECIRDIGIAMELIYATLAR", "Gecirdiği Operasyonlar"},
          std::tuple{"mem_kullandigiilaclar", "KULLANDIGIILACLAR", "Sürekli Kullandığı İlaclar"},
          std::tuple{"mem_aciklamalar", "ACIKLAMALAR", "Acıklamalar"},
          std::tuple{"mem_ailegecmisi", "AILEGECMISI", "Aile Geçmişi"}}) {
        auto *m = memo(QString::fromUtf8(ad), 60);
        b->bagla(m, QString::fromUtf8(kolon));
        tg->addWidget(new QLabel(QString::fromUtf8(baslik)), (ti / 2) * 2, ti % 2);
        tg->addWidget(m, (ti / 2) * 2 + 1, ti % 2);
        ++ti;
    }
    m_sekmeler->addTab(tibbi, QStringLiteral("Tıbbi Bilgi"));

    // "Görüntüler".
    auto *goruntu = new QWidget;
    goruntu->setObjectName(QStringLiteral("ts_goruntuler"));
    auto *gg = new QGridLayout(goruntu);
    const char *dugmeAdlari[4] = {"btn_resimekle", "BitBtn3", "BitBtn8", "BitBtn15"};
    for (int i = 0; i < 4; ++i) {
        m_resimler[i] = new QLabel;
        m_resimler[i]->setObjectName(QStringLiteral("Image%1").arg(i + 2));
        m_resimler[i]->setFixedSize(200, 160);
        m_resimler[i]->setAlignment(Qt::AlignCenter);
        m_resimler[i]->setFrameShape(QFrame::Box);
        m_resimler[i]->installEventFilter(this);
        auto *d = new QPushButton(QStringLiteral("Resmi Ekle - Düzenle"));
        d->setObjectName(QString::fromLatin1(dugmeAdlari[i]));
        d->setAutoDefault(false);
        connect(d, &QPushButton::clicked, this, [this, i] { resimEkle(i + 1); });
        gg->addWidget(m_resimler[i], 0, i);
        gg->addWidget(d, 1, i);
    }
    m_sekmeler->addTab(goruntu, QStringLiteral("Görüntüler"));
    connect(m_sekmeler, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 3)
            goruntuleriGoster();
    });

    // "Resimini Göster" beside the sort combo.
    m_resimGoster = new QCheckBox(QStringLiteral("Resimini Göster"), this);
    m_resimGoster->setObjectName(QStringLiteral("CheckBox2"));
    m_resimGoster->setChecked(true);
    siralamaDuzeni()->insertWidget(siralamaDuzeni()->count() - 1, m_resimGoster);

    // List tabs: the patient grid moves into the first.
    QTableView *hastaIzgarasi = izgara();
    listeDuzeni()->removeWidget(hastaIzgarasi);
    m_listeler = new QTabWidget(this);
    m_listeler->setObjectName(QStringLiteral("PageControl1"));
    listeDuzeni()->addWidget(m_listeler);
    m_listeler->addTab(hastaIzgarasi, QStringLiteral("Hastalar"));
    model()->kolonlariAyarla({
        {QStringLiteral("KAYITNO"), QStringLiteral("K.NO")},
        {QStringLiteral("HASTAKODU"), QStringLiteral("H.KODU")},
        {QStringLiteral("HASTAADISOYADI"), QStringLiteral("HASTA ADI SOYADI"), 200},
        {QStringLiteral("DOKTORKODU"), QStringLiteral("Dr. KODU")},
        {QStringLiteral("DOKTORADI"), QStringLiteral("DOKTOR ADI"), 160},
        {QStringLiteral("BABAADI"), QStringLiteral("BABA ADI")},
        {QStringLiteral("DOGUMTARIHI"), QStringLiteral("DOGUM TARIHI")},
        {QStringLiteral("CINSIYET")},
        {QStringLiteral("EVTEL")},
        {QStringLiteral("CEPTEL"), QStringLiteral("CEP TEL")},
        {QStringLiteral("ISTEL")},
        {QStringLiteral("KURUMU")},
        {QStringLiteral("MESLEGI")},
        {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC KIMLIK NO")},
        {QStringLiteral("BOY")},
        {QStringLiteral("KILO")},
        {QStringLiteral("KOLESTROL")},
        {QStringLiteral("YAKININADI"), QStringLiteral("YAKININ ADI")},
        {QStringLiteral("YAKINLIKDURUMU"), QStringLiteral("YAKINLIK DURUMU")},
        {QStringLiteral("YAKINTEL"), QStringLiteral("YAKIN TEL")},
        {QStringLiteral("KANGRUBU"), QStringLiteral("KAN GRUBU")},
        {QStringLiteral("SIGARADURUMU"), QStringLiteral("SIGARA")},
        {QStringLiteral("OBEZITEDURUMU"), QStringLiteral("OBEZITE")},
        {QStringLiteral("ALKOLDURUMU"), QStringLiteral("ALKOL")},
        {QStringLiteral("GECIRDIGIHASTALIKLAR"), QStringLiteral("G. HASTALIKLAR")},
        {QStringLiteral("GECIRDIGIAMELIYATLAR"), QStringLiteral("G. AMELIYATLAR")},
        {QStringLiteral("KULLANDIGIILACLAR"), QStringLiteral("K. ILACLAR")},
        {QStringLiteral("ACIKLAMALAR")},
        {QStringLiteral("ADRES")},
        {QStringLiteral("ILCE")},
        {QStringLiteral("IL")},
        {QStringLiteral("ULKE")},
        {QStringLiteral("EMAIL")},
        {QStringLiteral("KAYITTARIHI")},
        {QStringLiteral("RESIMYOLU"), QStringLiteral("RESIM YOLU")},
        {QStringLiteral("EGITIMI")},
    });
    hastaIzgarasi->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto *rv = popup->addAction(QStringLiteral("Randevu Ver"));
    rv->setObjectName(QStringLiteral("RandevuVer1"));
    connect(rv, &QAction::triggered, this, [this] { randevuVer(); });
    auto *mk = popup->addAction(QStringLiteral("Muayane Kartı Ac"));
    mk->setObjectName(QStringLiteral("MuayeneKartiAc1"));
    connect(mk, &QAction::triggered, this, [this] { muayeneKartiAc(); });
    addActions({rv, mk});
    auto popupAc = [popup](QWidget *w) {
        return [popup, w](const QPoint &p) { popup->popup(w->mapToGlobal(p)); };
    };
    connect(hastaIzgarasi, &QWidget::customContextMenuRequested, this, popupAc(hastaIzgarasi));
    connect(m_kod, &QWidget::customContextMenuRequested, this, popupAc(m_kod));
    connect(hastaIzgarasi, &QAbstractItemView::doubleClicked, this, [this] { muayeneler(); });

    auto *muayeneIzgarasi = izgaraKur(
        QStringLiteral("DBGrid1"), m_muayene,
        {{QStringLiteral("MUAYENETARIHI")}, {QStringLiteral("DOKTORKODU")}, {QStringLiteral("DOKTORADI")},
         {QStringLiteral("ANAMNMEZ")}, {QStringLiteral("SIRANO")}, {QStringLiteral("MYNTESHIS")},
         {QStringLiteral("BULGULAR")}, {QStringLiteral("RAPOR")}, {QStringLiteral("TEDAVI")},
         {QStringLiteral("ILACLAR")}, {QStringLiteral("NABIZ")}, {QStringLiteral("ATES")},
         {QStringLiteral("TANSIYON")}, {QStringLiteral("SOLUNUM")}, {QStringLiteral("LABORATUVARVARMI")},
         {QStringLiteral("RADYOLOJIVARMI")}, {QStringLiteral("MUAYENEOLDUMU")},
         {QStringLiteral("SONRAKIMUAYENETARIHI")}, {QStringLiteral("MUAYENEUCRETI")},
         {QStringLiteral("ODEMESEKLI")}},
        false, this);
    connect(muayeneIzgarasi, &QAbstractItemView::doubleClicked, this, [this] {
        if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
            return;
        if (!m_muayene->acikMi() || m_muayene->bosMu())
            return;
        Aktarim.muayene_hastakodu = m_muayene->metin(QStringLiteral("HASTAKODU"));
        Aktarim.muayene_kayitno = QString::number(m_muayene->anahtar());
        EkranAc(QStringLiteral("frm_muayene"), this);
    });
    m_listeler->addTab(muayeneIzgarasi, QStringLiteral("Muayene"));

    TabloKolonu saat{QStringLiteral("RANDEVUSAATI"), QStringLiteral("R.SAATI")};
    saat.bicim = GosterimBicimi::Saat;
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid2"), m_randevu,
                                 {{QStringLiteral("MUAYENEOLDUMU"), QStringLiteral("DURUM")},
                                  {QStringLiteral("DOKTOR"), QStringLiteral("DOKTOR KODU")},
                                  {QStringLiteral("DOKTORADI")},
                                  {QStringLiteral("RANDEVUTARIHI"), QStringLiteral("R.TARIHI")},
                                  saat,
                                  {QStringLiteral("KONU")},
                                  {QStringLiteral("RANDALMATARIHI"), QStringLiteral("K.TARIHI")},
                                  {QStringLiteral("HASTACEPTEL"), QStringLiteral("H.CEP TEL")}},
                                 true, this),
                       QStringLiteral("Randevu"));
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid3"), m_lab,
                                 {{QStringLiteral("TETKIKKODU"), QStringLiteral("T.KODU")},
                                  {QStringLiteral("TETKIKADI"), QStringLiteral("TETKIK ADI")},
                                  {QStringLiteral("ARALIK")},
                                  {QStringLiteral("DURUM"), QStringLiteral("SONUC")},
                                  {QStringLiteral("BIRIMI")},
                                  {QStringLiteral("TURU")},
                                  {QStringLiteral("ACIKLAMA")},
                                  {QStringLiteral("KOD1")},
                                  {QStringLiteral("KOD2")},
                                  {QStringLiteral("KOD3")},
                                  {QStringLiteral("UCRETI")}},
                                 true, this),
                       QStringLiteral("Laboratuvarları"));
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid4"), m_islem,
                                 {{QStringLiteral("YAPILANISLEM"), QStringLiteral("YAPILAN İŞLEM")},
                                  {QStringLiteral("UCRETI"), QStringLiteral("ÜÇRETI")},
                                  {QStringLiteral("DOSYANO"), QStringLiteral("DOSYA NO")},
                                  {QStringLiteral("ISLEMTARIHI"), QStringLiteral("İŞLEM TARIHI")},
                                  {QStringLiteral("DUSUNCELER1"), QStringLiteral("DÜŞÜNCELER 1")},
                                  {QStringLiteral("DUSUNCELER2"), QStringLiteral("DÜŞÜNCELER 2")},
                                  {QStringLiteral("ISLEMIYAPANKODU"), QStringLiteral("İ.YAPAN KODU")},
                                  {QStringLiteral("ISLEMIYAPANADI"), QStringLiteral("İ.YAPAN ADI")},
                                  {QStringLiteral("ISLEMTURU"), QStringLiteral("İŞLEM TÜRÜ")},
                                  {QStringLiteral("BOLUM"), QStringLiteral("BÖLUM")},
                                  {QStringLiteral("BRANS"), QStringLiteral("BRANŞ")}},
                                 true, this),
                       QStringLiteral("Y.İşlemler"));
    connect(m_listeler, &QTabWidget::currentChanged, this, &Tfrm_hastalar::listeSekmesiniYukle);
}

// ---------------------------------------------------------------- row change, lock

void Tfrm_hastalar::baslikGuncelle()
{
    setWindowTitle(QStringLiteral("HASTALAR              V E L M O R I K A             ŞİRKET : ") + Oturum.sirketkodu
                   + QStringLiteral("         HASTA : ") + veriSeti()->metin(QStringLiteral("HASTAADISOYADI")));
}

void Tfrm_hastalar::fotografGoster()
{
    if (!m_resimGoster || !m_resimGoster->isChecked() || !m_foto)
        return;
    const qint64 no = veriSeti()->anahtar();
    const QString yol = HastaFotografiYolu(no > 0 ? QString::number(no) : QString());
    m_foto->setProperty("dosya", yol);
    const QImage r = ResimYukle(yol, m_foto->size());
    m_foto->setPixmap(r.isNull() ? QPixmap()
                                 : QPixmap::fromImage(r.scaled(m_foto->size(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation)));
}

void Tfrm_hastalar::goruntuleriGoster()
{
    const qint64 no = veriSeti()->anahtar();
    const QString R = no > 0 ? QString::number(no) : QString();
    for (int i = 0; i < 4; ++i) {
        const QString yol = HastaGaleriYolu(R, i + 1);
        m_resimler[i]->setProperty("dosya", yol);
        const QImage r = ResimYukle(yol, m_resimler[i]->size());
        m_resimler[i]->setPixmap(r.isNull() ? QPixmap()
                                            : QPixmap::fromImage(r.scaled(m_resimler[i]->size(), Qt::KeepAspectRatio,
                                                                          Qt::SmoothTransformation)));
    }
}

void Tfrm_hastalar::kilitDegisti(bool kilitli)
{
    m_sekmeler->setTabEnabled(1, !kilitli);
    m_sekmeler->setTabEnabled(2, !kilitli);
    m_dogumYili->clear();
    m_ayniAd->hide();
    if (kilitli) {
        m_otoKod->hide();
        m_dogumYili->hide();
        if (QPushButton *b = dugme(QStringLiteral("btn_carihareket")))
            b->setEnabled(true);
    } else {
        m_kod->setEnabled(false);
    }
}

void Tfrm_hastalar::yeniSonrasi()
{
    m_kod->setEnabled(true);
    m_sekmeler->setCurrentIndex(0);
    m_dogumYili->show();
    m_otoKod->setChecked(false);
    m_otoKod->show();
    if (m_aktarimda)
        return;
    m_ad->setFocus();
}

// ---------------------------------------------------------------- validations

bool Tfrm_hastalar::eklemeDogrula()
{
    VeriSeti *vs = veriSeti();
    const QString k = vs->metin(QStringLiteral("HASTAKODU")).trimmed();
    if (k.isEmpty()) {
        Mesaj::goster(KodBosMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    if (vs->metin(QStringLiteral("HASTAADISOYADI")).trimmed().isEmpty()) {
        Mesaj::goster(AdBosMesaji, this);
        odakla(QStringLiteral("edt_hastaadi"));
        return false;
    }
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastakodu = ? "
                                            "and sirketkodu = ?"),
                             {k, Oturum.sirketkodu});
    if (!n)
        return false;
    if (n->toInt() > 0) {
        Mesaj::goster(KodVarMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    const QString tc = vs->metin(QStringLiteral("TCKIMLIKNO")).trimmed();
    if (!tc.isEmpty()) {
        auto t = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and tckimlikno = ? "
                                                "and sirketkodu = ?"),
                                 {tc, Oturum.sirketkodu});
        if (!t)
            return false;
        if (t->toInt() > 0) {
            Mesaj::goster(TcVarMesaji, this);
            odakla(QStringLiteral("edt_tckimlikno"));
            return false;
        }
    }
    return true;
}

bool Tfrm_hastalar::duzenlemeDogrula()
{
    // An edited code may not be the code of any other patient of the company.
    VeriSeti *vs = veriSeti();
    const QString k = vs->metin(QStringLiteral("HASTAKODU")).trimmed();
    if (k.isEmpty()) {
        Mesaj::goster(KodBosMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastakodu = ? "
                                            "and sirketkodu = ? and kayitno <> ?"),
                             {k, Oturum.sirketkodu, vs->anahtar()});
    if (!n)
        return false;
    if (n->toInt() > 0) {
        Mesaj::goster(KodVarMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    return true;
}

bool Tfrm_hastalar::silmeKontrolu()
{
    auto e = HastaKodu::silmeEngeli(kod(), Oturum.sirketkodu);
    if (!e)
        return false;
    if (!e->isEmpty()) {
        Mesaj::goster(*e, this);
        return false;
    }
    return true;
}

void Tfrm_hastalar::dogumYiliGirildi()
{
    if (kilitliMi())
        return;
    const QString t = m_dogumYili->text().trimmed();
    if (t.isEmpty())
        return;
    bool ok = false;
    const int yil = t.toInt(&ok);
    const QDate tarih(yil, 1, 1);
    if (!ok || t.size() != 4 || yil < 1850 || yil > QDate::currentDate().year() || !tarih.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir doğum yılı değil. Lütfen dört haneli bir yıl giriniz "
                                     "(örnek: 1985).")
                          .arg(t),
                      this);
        m_dogumYili->setFocus();
        m_dogumYili->selectAll();
        return;
    }
    VeriSeti *vs = veriSeti();
    if (!vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("DOGUMTARIHI"), QDateTime(tarih, QTime(0, 0)));
}

void Tfrm_hastalar::adKontrol()
{
    VeriSeti *vs = veriSeti();
    if (kilitliMi() || vs->durum() != VeriSeti::Durum::Ekle)
        return;
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI")).trimmed();
    if (ad.isEmpty())
        return;
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastaadisoyadi = ? "
                                            "and sirketkodu = ?"),
                             {ad, Oturum.sirketkodu});
    m_ayniAd->setVisible(n && n->toInt() > 0);
}

void Tfrm_hastalar::otoKod()
{
    VeriSeti *vs = veriSeti();
    if (!m_otoKod->isChecked() || vs->durum() != VeriSeti::Durum::Ekle)
        return;
    vs->degerAyarla(QStringLiteral("HASTAKODU"), HastaKodu::varsayilan(vs->anahtar()));
}

// ---------------------------------------------------------------- codes

void Tfrm_hastalar::sonrakiKodVer()
{
    if (kilitliMi())
        return;
    const QString onek = m_kod->text();
    if (onek.isEmpty())
        return;
    auto yeni = HastaKodu::soncarikodbul(onek, Oturum.sirketkodu);
    if (!yeni)
        return;
    veriSeti()->degerAyarla(QStringLiteral("HASTAKODU"), *yeni);
}

void Tfrm_hastalar::kodAlaniniAc()
{
    if (kilitliMi())
        return;
    m_kod->setEnabled(true);
}

void Tfrm_hastalar::hastaKoduDegistir()
{
    const Yetkiler &y = yetkiler();
    for (const QString *f : {&y.SILME, &y.DEGISTIRME, &y.KAYIT, &y.YENIKAYIT, &y.OZELYETKI1, &y.OZELYETKI2})
        if (!Yetkiler::izin(*f))
            return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return;
    }
    if (!Mesaj::soru(QStringLiteral("Bu Hasta Kartın Kodunu Değiştirmek İstiyormusunuz ? "), this))
        return;
    const QString eski = kod();
    const auto yeni = Mesaj::girdi(QStringLiteral("Yeni Hasta Kodu Girin"), QStringLiteral("Prompt"), eski, this);
    if (!yeni)
        return;
    if (yeni->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Hasta Kod Boş Olamaz"), this);
        return;
    }
    if (!HastaKodu::degistir(vs->anahtar(), eski, *yeni, this)) {
        odakla(QStringLiteral("edt_hastakodu"));
        return;
    }
    vs->satirYenile();
    Mesaj::goster(QStringLiteral("Hasta Kodu Değiştirme İşlemi Tamamlandı"), this);
}

// ---------------------------------------------------------------- import

void Tfrm_hastalar::veriAl()
{
    const QString dosya = Mesaj::dosyaAc(QStringLiteral("Veri Al"), QString(), TabloOkuyucu::dosyaFiltresi(), this);
    if (dosya.isEmpty())
        return;
    veriAl(dosya);
}

void Tfrm_hastalar::veriAl(const QString &dosya)
{
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return;
    }
    m_aktarimda = true;
    QProgressDialog ilerleme(QStringLiteral("Hasta kartları aktarılıyor..."), QStringLiteral("İptal"), 0,
                             HastaAktarim::SonSatir, this);
    ilerleme.setObjectName(QStringLiteral("aktarimIlerleme"));
    ilerleme.setWindowTitle(QStringLiteral("Veri Al"));
    ilerleme.setWindowModality(Qt::WindowModal);
    ilerleme.setMinimumDuration(300);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const HastaAktarimSonucu s = HastaAktarim::aktar(dosya, *vs, [&ilerleme](int satir, int toplam) {
        if (ilerleme.maximum() != toplam)
            ilerleme.setMaximum(toplam);
        ilerleme.setValue(satir - 1);
        QApplication::processEvents();
        return !ilerleme.wasCanceled();
    });
    ilerleme.reset();
    QApplication::restoreOverrideCursor();
    m_aktarimda = false;
    if (kilitliMi())
        ekranikilitle(); // the import's rows are saved: the screen is back in browse
    Mesaj::goster(s.mesaj, this);
}

// ---------------------------------------------------------------- other screens

void Tfrm_hastalar::muayeneler()
{
    bool ok = false;
    const Yetkiler m = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("MUAYENE"), Oturum.sirketkodu, &ok);
    if (!ok)
        return;
    if (!m.bulundu || m.FORMGIRISI.isEmpty() || m.FORMGIRISI == QLatin1String("H")) {
        Mesaj::goster(QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz"), this);
        return;
    }
    VeriSeti *vs = veriSeti();
    const bool buyuk = parametre(14) == QLatin1String("E");
    const QString dal = parametre(15);
    if (dal.isEmpty() || dal == QLatin1String("GENEL")) {
        Aktarim.muayene_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
        EkranAc(QStringLiteral("frm_muayene"), this, buyuk);
    } else if (dal == QLatin1String("GÖZ")) {
        Aktarim.goz_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
        Aktarim.goz_doktorkodu = vs->metin(QStringLiteral("DOKTORKODU"));
        Aktarim.goz_hastaadi = vs->metin(QStringLiteral("HASTAADISOYADI"));
        Aktarim.goz_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
        EkranAc(QStringLiteral("frm_goz"), this, buyuk);
    }
}

void Tfrm_hastalar::cariHareketler()
{
    VeriSeti *vs = veriSeti();
    if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
        return;
    if (!vs->acikMi() || vs->bosMu())
        return;
    const QString k = kod();
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = k;
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    const QString sql = QStringLiteral("select * from cari_hareket where 1=1 ") + QStringLiteral(" and carikod =")
                        + SqlQuote(k) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                        + QStringLiteral("  ") + QStringLiteral("order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    EkranAc(QStringLiteral("frm_cari_hareket"), this, false, QString(), [k, ad, sql](QDialog *d) {
        if (auto *ke = qobject_cast<KayitEkrani *>(d))
            ke->selectAyarla(sql);
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("edt_carikod")))
            e->setText(k);
    });
}

void Tfrm_hastalar::odeme()
{
    VeriSeti *vs = veriSeti();
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = kod();
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    EkranAc(QStringLiteral("frm_odeme"), this, false, QString(), [ad](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
    });
}

void Tfrm_hastalar::goz()
{
    VeriSeti *vs = veriSeti();
    if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
        return;
    if (!vs->acikMi() || vs->bosMu())
        return;
    Aktarim.goz_hastakodu = kod();
    EkranAc(QStringLiteral("frm_goz"), this);
}

void Tfrm_hastalar::resimEkle(int slot)
{
    if (!IslemIzni(yetkiler().OZELYETKI1, this))
        return;
    const qint64 no = veriSeti()->anahtar();
    if (no <= 0)
        return;
    const QString ad = slot == 0 ? QString::number(no) : QStringLiteral("%1_%2").arg(no).arg(slot);
    Aktarim.resim_turu = ResimTuru::Hasta;
    Aktarim.resim_adi = ad;
    EkranAc(QStringLiteral("frm_resimgoster"), this);
    if (slot == 0)
        fotografGoster();
    else
        goruntuleriGoster();
}

void Tfrm_hastalar::hastaKartiBas()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    const QString k = kod();
    vs->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 ") + QStringLiteral(" and hastakodu =")
                          + SqlQuote(k) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                          + QStringLiteral(" order by hastalar.hastakodu"));
    if (vs->ac()) {
        VeriSetiKaynagi kaynak(*vs);
        Rapor r;
        r.baglan(&kaynak);
        if (r.yukle(QStringLiteral("HASTAKARTI.frf"), this)) {
            r.baslikAyarla(QStringLiteral("HASTAKARTI.frf"));
            onizleyici(r, this);
        }
    }
    vs->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 ") + QStringLiteral(" and sirketkodu =")
                          + SqlQuote(Oturum.sirketkodu) + QStringLiteral(" "));
    vs->ac();
}

void Tfrm_hastalar::doktorSec()
{
    QString kodu, adi;
    {
        AramaPenceresi d(QStringLiteral("frm_doktorarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        kodu = d.metin(QStringLiteral("DOKTORKODU"));
        adi = d.metin(QStringLiteral("DOKTORADISOYADI"));
    }
    VeriSeti *vs = veriSeti();
    if (!vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("DOKTORKODU"), kodu);
    vs->degerAyarla(QStringLiteral("DOKTORADI"), adi);
}

void Tfrm_hastalar::randevuVer()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    const auto tarih = Mesaj::girdi(QStringLiteral("Randevu Tarihini Yazınız "), QStringLiteral("Prompt"),
                                    TarihMetni(QDate::currentDate()), this);
    if (!tarih)
        return;
    if (tarih->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Randevu Tarihini Yazınız."), this);
        return;
    }
    const QDate gun = MetindenTarih(*tarih);
    if (!gun.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir tarih değil. Tarihi GG.AA.YYYY biçiminde yazınız.")
                          .arg(tarih->trimmed()),
                      this);
        return;
    }
    const auto saat = Mesaj::girdi(QStringLiteral("Randevu Saatini Yazınız"), QStringLiteral("Prompt"),
                                   QStringLiteral("14:30"), this);
    if (!saat)
        return;
    if (saat->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Randevu Saatini Yazınız."), this);
        return;
    }
    QTime zaman = QTime::fromString(saat->trimmed(), QStringLiteral("H:mm"));
    if (!zaman.isValid())
        zaman = QTime::fromString(saat->trimmed(), QStringLiteral("H:mm:ss"));
    if (!zaman.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir saat değil. Saati SS:DD biçiminde yazınız (örnek: 14:30).")
                          .arg(saat->trimmed()),
                      this);
        return;
    }
    if (!m_randevu->acikMi()) {
        m_randevu->selectMetniAyarla(QStringLiteral("select * from randevu where 1=1 ") + SirketKosulu()
                                     + QStringLiteral(" and hastakodu =") + SqlQuote(kod())
                                     + QStringLiteral("  order by randevu.randevutarihi,randevu.randevusaati"));
        if (!m_randevu->ac())
            return;
    }
    if (m_randevu->duzenleniyorMu() && !m_randevu->kaydet())
        return;
    if (!m_randevu->ekle())
        return;
    auto ayarla = [this](const char *k, const QVariant &v) { m_randevu->degerAyarla(QLatin1String(k), v); };
    ayarla("DOKTOR", vs->deger(QStringLiteral("DOKTORKODU")));
    ayarla("DOKTORADI", vs->deger(QStringLiteral("DOKTORADI")));
    ayarla("RANDALMATARIHI", QDateTime(QDate::currentDate(), QTime(0, 0)));
    ayarla("RANDEVUTARIHI", QDateTime(gun, QTime(0, 0)));
    ayarla("RANDEVUSAATI", QDateTime(QDate(1899, 12, 30), zaman));
    ayarla("HASTAKODU", vs->deger(QStringLiteral("HASTAKODU")));
    ayarla("HASTAADISOYADI", vs->deger(QStringLiteral("HASTAADISOYADI")));
    ayarla("HASTACEPTEL", vs->deger(QStringLiteral("CEPTEL")));
    ayarla("MUAYENEOLDUMU", QStringLiteral("HAYIR"));
    ayarla("SIRKETKODU", Oturum.sirketkodu);
    if (!m_randevu->kaydet())
        m_randevu->iptal();
}

void Tfrm_hastalar::muayeneKartiAc()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    if (!Mesaj::soru(QStringLiteral("Muayene Kartı Acılsın mı ? "), this))
        return;
    if (!m_muayene->acikMi()) {
        m_muayene->selectMetniAyarla(QStringLiteral("select * from MUAYENE where 1=1 ") + SirketKosulu()
                                     + QStringLiteral(" and hastakodu =") + SqlQuote(kod())
                                     + QStringLiteral("  order by MUAYENE.muayenetarihi "));
        if (!m_muayene->ac())
            return;
    }
    if (!m_muayene->ekle())
        return;
    auto ayarla = [this](const char *k, const QVariant &v) { m_muayene->degerAyarla(QLatin1String(k), v); };
    ayarla("DOKTORKODU", vs->deger(QStringLiteral("DOKTORKODU")));
    ayarla("DOKTORADI", vs->deger(QStringLiteral("DOKTORADI")));
    ayarla("MUAYENETARIHI", QDateTime(QDate::currentDate(), QTime(0, 0)));
    ayarla("HASTAKODU", vs->deger(QStringLiteral("HASTAKODU")));
    ayarla("HASTAADISOYADI", vs->deger(QStringLiteral("HASTAADISOYADI")));
    ayarla("HASTACEPTEL", vs->deger(QStringLiteral("CEPTEL")));
    ayarla("MUAYENEOLDUMU", QStringLiteral("H"));
    ayarla("SIRKETKODU", Oturum.sirketkodu);
    if (!m_muayene->kaydet())
        m_muayene->iptal();
}

// ---------------------------------------------------------------- list tabs, filters

void Tfrm_hastalar::bekleyenleriKaydet()
{
    for (VeriSeti *v : {m_randevu, m_lab, m_islem})
        if (v && v->duzenleniyorMu() && !v->kaydet())
            v->iptal();
}

void Tfrm_hastalar::listeSekmesiniYukle(int sekme)
{
    bekleyenleriKaydet();
    const QString k = kod();
    if (k.isEmpty() || sekme <= 0)
        return;
    const QString sirket = QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    const QString kosul = QStringLiteral(" and hastakodu =") + SqlQuote(k);
    VeriSeti *v = nullptr;
    QString sql;
    switch (sekme) {
    case 1:
        v = m_muayene;
        sql = QStringLiteral("select * from MUAYENE where 1=1 ") + sirket + kosul
              + QStringLiteral("  order by MUAYENE.muayenetarihi ");
        break;
    case 2:
        v = m_randevu;
        sql = QStringLiteral("select * from randevu where 1=1 ") + sirket + kosul
              + QStringLiteral("  order by randevu.randevutarihi,randevu.randevusaati");
        break;
    case 3:
        v = m_lab;
        sql = QStringLiteral("select * from MUAYENE_lab where 1=1 ") + kosul + sirket
              + QStringLiteral(" order by MUAYENE_lab.LABORATUVARTARIHI");
        break;
    case 4:
        v = m_islem;
        sql = QStringLiteral("select * from YAPILANISLEMLER where 1=1 ") + kosul + sirket
              + QStringLiteral(" order by YAPILANISLEMLER.ISLEMTARIHI");
        break;
    default:
        return;
    }
    v->selectMetniAyarla(sql);
    v->ac();
}

void Tfrm_hastalar::tarihFiltresi(const QString &metin)
{
    if (BosTarihMaskesi(metin)) {
        Aktarim.arama_kayittarihi.clear();
        return;
    }
    // Only a complete, possible date reaches the statement.
    const QDate t = MetindenTarih(metin);
    if (!t.isValid())
        return;
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu())
        return;
    Aktarim.arama_kayittarihi = TarihMetni(t);
    vs->selectMetniAyarla(QStringLiteral("select * from HASTALAR where 1=1 ") + QStringLiteral(" and sirketkodu =")
                          + SqlQuote(Oturum.sirketkodu) + QStringLiteral(" and KAYITTARIHI =") + SqlTarih(t)
                          + QStringLiteral(" order by HASTALAR.HASTAADISOYADI"));
    vs->ac();
}

bool Tfrm_hastalar::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (o == m_email) {
            const QString adres = m_email->text().trimmed();
            if (!adres.isEmpty())
                QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + adres));
            return true;
        }
        for (int i = 0; i < 4; ++i)
            if (o == m_resimler[i]) {
                const QString yol = m_resimler[i]->property("dosya").toString();
                const qint64 no = veriSeti()->anahtar();
                if (no > 0 && !yol.isEmpty() && QFileInfo(yol).fileName() != QLatin1String("bos.jpg"))
                    QDesktopServices::openUrl(QUrl::fromLocalFile(yol));
                return true;
            }
    }
    // Ctrl+A in the code box is "next code from prefix", not the box's select-all.
    if (o == m_kod && e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_A && k->modifiers() == Qt::ControlModifier) {
            e->ignore();
            return true;
        }
    }
    if (o == m_otoKod && e->type() == QEvent::FocusOut)
        otoKod();
    return KayitEkrani::eventFilter(o, e);
}
