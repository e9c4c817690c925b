#include "cari/frm_cari_hareket.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "cari/carihesap.h"
#include "cari/ekstre.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace CariHesap;

namespace {
const QString yetkisiz = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");
const QString onceKaydet = QStringLiteral("Önce İşlemi Kaydetmelisiniz ! ");
const QString bosTarih = QStringLiteral("  .  .    ");

const QStringList islemTurleri = {
    QStringLiteral("NAKIT"),      QStringLiteral("K.KARTI"),   QStringLiteral("CEK"),
    QStringLiteral("SENET"),      QStringLiteral("HAVALE"),    QStringLiteral("UCRETSIZ"),
    QStringLiteral("DEVİR"),      QStringLiteral("DR.HAKEDİŞ"), QStringLiteral("B.DEKONTU"),
    QStringLiteral("A.DEKONTU")};

// Sort list items: column names of CARI_HAREKET, alphabetically.
const QStringList siralamaKolonlari = {
    QStringLiteral("Aciklama"),   QStringLiteral("Alacak"),           QStringLiteral("Borc"),
    QStringLiteral("Carikod"),    QStringLiteral("Cariunvan"),        QStringLiteral("Degistirmetarihi"),
    QStringLiteral("Evrakcinsi"), QStringLiteral("Evrakkayitno"),     QStringLiteral("Evrakno"),
    QStringLiteral("Islemtarihi"), QStringLiteral("Islemturu"),       QStringLiteral("Kayitno"),
    QStringLiteral("Kullanici"),  QStringLiteral("Ozelkod1"),         QStringLiteral("Ozelkod2"),
    QStringLiteral("Sirketkodu"), QStringLiteral("Vadetarihi")};

const QString ozelKod1Varsayilan = QStringLiteral("Özel kod 1");
const QString ozelKod2Varsayilan = QStringLiteral("Özel kod 2 ");

QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}

void renk(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}
} // namespace

KayitEkraniAyari Tfrm_cari_hareket::ayarlar(Tfrm_cari_hareket *e)
{
    KayitEkraniAyari a;
    a.ekranAdi = QStringLiteral("frm_cari_hareket");
    a.baslik = QStringLiteral("Cari Hareket");
    a.tablo = QStringLiteral("CARI_HAREKET");
    a.veriSetiAdi = QStringLiteral("qry_cari_hareket");
    a.izgaraAdi = QStringLiteral("DBGrid1");
    a.duzenlemeAlaniAdi = QStringLiteral("Panel1");
    a.modul = Modul;
    a.parametreEkrani = ParametreEkrani;
    a.parametreSayisi = ParametreSayisi;
    a.selectDisaridan = true;
    // Without a select from the opener: the account of the hand-over values.
    a.siralama = QStringLiteral("  order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    a.ekKosullar = [e] { return QStringLiteral(" and carikod =") + SqlQuote(e->hesapKodu()); };
    a.kaydetKilitBakar = false;
    a.duzenlemedeKayitYeter = false;
    a.aramaEkrani = QStringLiteral("frm_carihareket_ara");
    a.aramaIpucu = QStringLiteral("Cari Hareket Bul   Ctrl+F");
    a.aramaMenuBasligi = QStringLiteral("Cari Hareket Arama");
    a.aramaMenuAdi = QStringLiteral("CariHareketArama1");
    // Lock and unlock switch only these (with the edit area and the list).
    a.kilitsizKapali = {QStringLiteral("btn_firmabul"), a.aramaMenuAdi, QStringLiteral("btn_yeni"),
                        QStringLiteral("btn_sil"), QStringLiteral("Yeni1"), QStringLiteral("Sil1")};
    a.ilkAlan = QStringLiteral("edt_islemtarihi");
    a.hizliMenu = false;
    a.odakRenkDuzEdit = true;
    a.excelYetkiIster = false;
    a.raporlamaYetkiIster = true;
    a.hesapMakinesiKisayolu = QStringLiteral("Ctrl+H");
    a.evrakTuru = EvrakTuru::CHareket;
    a.notHastaKoduKolonu = QStringLiteral("CARIKOD");
    a.notHastaAdiKolonu = QStringLiteral("CARIUNVAN");
    a.silmeSorusu = QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral("Cari Hareket Kaydı  Silindi ");
    // Delete tests its right before the question.
    a.silmeKontrolu = [e] { return IslemIzni(e->yetkiler().SILME, e); };
    a.sildiktenSonra = [e] {
        e->hesapla();
        e->ekranikilitle();
    };
    a.yeniSatirDegerleri = [e] { e->yeniSatir(); };
    a.eklemeDogrula = [e] { return e->eklemeDogrula(); };
    a.kaydettiktenSonra = [e] { e->hesapla(); };
    a.yenidenSonra = [e] {
        if (Aktarim.cari_kod.isEmpty() && Aktarim.cari_unvan.isEmpty())
            e->hesapBul();
        e->odakla(QStringLiteral("edt_islemtarihi"));
    };
    a.kilitDegisti = [e](bool kilitli) {
        // "İşlemler" and the search menu are closed only while a row is
        // being inserted; locking opens them again.
        if (!kilitli)
            return;
        for (const char *ad : {"lem1", "Arama1"}) {
            if (QMenu *m = e->findChild<QMenu *>(QLatin1String(ad))) {
                m->setEnabled(true);
                m->menuAction()->setEnabled(true);
            }
        }
        for (const char *ad : {"Sil1", "Yeni1"})
            if (QAction *x = e->findChild<QAction *>(QLatin1String(ad)))
                x->setEnabled(true);
    };
    a.gosterildi = [e] { e->gosterildi(); };
    a.kapanirken = [e] {
        Aktarim.cari_kod.clear();
        Aktarim.cari_unvan.clear();
        for (const char *ad : {"Edit1", "edt_carihareketkodu"})
            if (auto *k = e->findChild<QLineEdit *>(QLatin1String(ad)))
                k->clear();
    };
    return a;
}

Tfrm_cari_hareket::Tfrm_cari_hareket(QWidget *ust) : KayitEkrani(ayarlar(this), ust)
{
    arayuzKur();
    toplamPaneliKur();
    menuleriEkle();
    // The list is read again when another workstation changes the ledger:
    // the totals follow it.
    connect(veriSeti(), &VeriSeti::acildi, this, [this] {
        if (!m_filtre.isEmpty() && !veriSeti()->duzenleniyorMu())
            hesapla();
    }, Qt::QueuedConnection);
}

void Tfrm_cari_hareket::arayuzKur()
{
    Baglayici *b = baglayici();
    if (QPushButton *d = dugme(QStringLiteral("btn_degistir")))
        d->setToolTip(QStringLiteral("Değiştir/Düzenle   F4"));
    if (QAction *x = findChild<QAction *>(QStringLiteral("Deitir1")))
        x->setText(QStringLiteral("Değistir"));
    if (QAction *x = findChild<QAction *>(QStringLiteral("AciklamaNotlar1")))
        x->setText(QStringLiteral("Acıklama-Notlar"));
    auto *dekontB = dugmeEkle(QStringLiteral("btn_dekont"), QStringLiteral("Dekont Yazdır"),
                              QStringLiteral("Dekont Yazdır"));
    connect(dekontB, &QPushButton::clicked, this, &Tfrm_cari_hareket::dekont);

    // The account given by the opener (not shown).
    auto *edit1 = kutu(QStringLiteral("Edit1"));
    edit1->setParent(this);
    edit1->hide();
    auto *hesap = kutu(QStringLiteral("edt_carihareketkodu"));
    hesap->setParent(this);
    hesap->hide();

    auto *g = new QGridLayout(duzenlemeAlani());
    int satir = 0, sutun = 0;
    auto yerlestir = [&](QLabel *l, QWidget *w, int genislik = 1) {
        l->setBuddy(w);
        g->addWidget(l, satir, sutun * 2);
        g->addWidget(w, satir, sutun * 2 + 1, 1, genislik);
        sutun += (genislik + 1) / 2;
        if (sutun >= 2) {
            sutun = 0;
            ++satir;
        }
    };
    auto etiket = [](const QString &t) { return new QLabel(t); };

    auto *kod = kutu(QStringLiteral("edt_carikod"));
    kod->setReadOnly(true);
    b->bagla(kod, QStringLiteral("CARIKOD"));
    auto *bul = new QPushButton(QStringLiteral("..."));
    bul->setObjectName(QStringLiteral("btn_hastabul"));
    bul->setToolTip(QStringLiteral("Hasta Bul"));
    bul->setAutoDefault(false);
    connect(bul, &QPushButton::clicked, this, &Tfrm_cari_hareket::hesapBul);
    auto *kodSatiri = new QWidget;
    auto *ks = new QHBoxLayout(kodSatiri);
    ks->setContentsMargins(0, 0, 0, 0);
    ks->addWidget(kod, 1);
    ks->addWidget(bul);
    auto *kodEtiketi = etiket(QStringLiteral("Carı Kodu"));
    yerlestir(kodEtiketi, kodSatiri);
    kodEtiketi->setBuddy(kod);
    auto *unvan = kutu(QStringLiteral("edt_cariunvan"));
    unvan->setReadOnly(true);
    b->bagla(unvan, QStringLiteral("CARIUNVAN"));
    yerlestir(etiket(QStringLiteral("Carı Ünvan")), unvan);

    auto *tarih = kutu(QStringLiteral("edt_islemtarihi"));
    b->tarihBagla(tarih, QStringLiteral("ISLEMTARIHI"));
    yerlestir(etiket(QStringLiteral("Evrak Tarihi")), tarih);
    auto *evrak = kutu(QStringLiteral("edt_evrakno"));
    b->bagla(evrak, QStringLiteral("EVRAKNO"), true);
    yerlestir(etiket(QStringLiteral("Evrak No")), evrak);

    auto *tur = new QComboBox;
    tur->setObjectName(QStringLiteral("cmb_islemturu"));
    tur->setEditable(true);
    tur->setInsertPolicy(QComboBox::NoInsert);
    tur->addItems(islemTurleri);
    // Kept as typed: "Senet" (a note) and "SENET" print different receipt
    // titles, so neither the completer nor upper-casing may change its case.
    tur->completer()->setCaseSensitivity(Qt::CaseSensitive);
    b->bagla(tur, QStringLiteral("ISLEMTURU"));
    yerlestir(etiket(QStringLiteral("İşlem Türü")), tur);
    auto *vade = kutu(QStringLiteral("edt_vadetarihi"));
    b->tarihBagla(vade, QStringLiteral("VADETARIHI"));
    yerlestir(etiket(QStringLiteral("Vade Tarihi")), vade);

    auto *oz1 = kutu(QStringLiteral("edt_ozelkod1"));
    b->bagla(oz1, QStringLiteral("OZELKOD1"), true);
    m_ozelKod1 = etiket(ozelKod1Varsayilan);
    m_ozelKod1->setObjectName(QStringLiteral("lbl_ozelkod1"));
    yerlestir(m_ozelKod1, oz1);
    auto *oz2 = kutu(QStringLiteral("edt_ozelkod2"));
    b->bagla(oz2, QStringLiteral("OZELKOD2"), true);
    m_ozelKod2 = etiket(ozelKod2Varsayilan);
    m_ozelKod2->setObjectName(QStringLiteral("lbl_ozelkod2"));
    yerlestir(m_ozelKod2, oz2);
    connect(oz1, &QLineEdit::editingFinished, this, [this] { ozelKodIslemi(1); });
    connect(oz2, &QLineEdit::editingFinished, this, [this] { ozelKodIslemi(2); });

    auto *borc = kutu(QStringLiteral("edt_borc"));
    b->sayiBagla(borc, QStringLiteral("BORC"));
    borc->setAlignment(Qt::AlignRight);
    renk(borc, QColor(0xF1, 0xE3, 0xD8));
    yerlestir(etiket(QStringLiteral("Borc")), borc);
    auto *alacak = kutu(QStringLiteral("edt_alacak"));
    b->sayiBagla(alacak, QStringLiteral("ALACAK"));
    alacak->setAlignment(Qt::AlignRight);
    renk(alacak, QColor(0xE4, 0xEF, 0xEF));
    yerlestir(etiket(QStringLiteral("Alacak")), alacak);

    auto *pb = new QComboBox;
    pb->setObjectName(QStringLiteral("cmb_parabirimi"));
    pb->setEditable(true);
    pb->setInsertPolicy(QComboBox::NoInsert);
    pb->addItems({QStringLiteral("YTL"), QStringLiteral("USD"), QStringLiteral("EURO")});
    b->bagla(pb, QStringLiteral("PARABIRIMI"), true);
    yerlestir(etiket(QStringLiteral("Para Birimi")), pb);
    auto *durum = kutu(QStringLiteral("edt_evrakdurumu"));
    b->bagla(durum, QStringLiteral("EVRAKDURUMU"), true);
    yerlestir(etiket(QStringLiteral("Evrak Durumu")), durum);

    auto *ek = kutu(QStringLiteral("edt_ekaciklama"));
    b->bagla(ek, QStringLiteral("EKACIKLAMA"), true);
    yerlestir(etiket(QStringLiteral("Ek Acıklama")), ek);
    if (sutun) {
        sutun = 0;
        ++satir;
    }
    auto *aciklama = new QPlainTextEdit;
    aciklama->setObjectName(QStringLiteral("mem_aciklama"));
    aciklama->setMaximumHeight(60);
    b->bagla(aciklama, QStringLiteral("ACIKLAMA"));
    yerlestir(etiket(QStringLiteral("Aciklama")), aciklama, 3);

    model()->kolonlariAyarla({IzgaraKolonu("CARIUNVAN", "Cari Ünvan"), IzgaraKolonu("ISLEMTURU", "İşlem Türü"),
                              IzgaraKolonu("ISLEMTARIHI", "İşlem Tarihi", GosterimBicimi::Tarih),
                              IzgaraKolonu("EVRAKNO", "Evrak No"),
                              IzgaraKolonu("BORC", "Borc", GosterimBicimi::Tutar),
                              IzgaraKolonu("ALACAK", "Alacak", GosterimBicimi::Tutar),
                              IzgaraKolonu("BAKIYE", "Bakiye", GosterimBicimi::Tutar),
                              IzgaraKolonu("PARABIRIMI", "P.B"), IzgaraKolonu("ACIKLAMA", "Acıklama"),
                              IzgaraKolonu("OZELKOD1", "Özel kod1"), IzgaraKolonu("OZELKOD2", "Özel kod2"),
                              IzgaraKolonu("EKACIKLAMA", "Ek Acıklama"), IzgaraKolonu("KULLANICI", "User"),
                              IzgaraKolonu("EVRAKCINSI", "Evrak Cinsi"),
                              IzgaraKolonu("VADETARIHI", "Vade Tarihi", GosterimBicimi::Tarih),
                              IzgaraKolonu("EVRAKDURUMU", "Evrak Durumu"),
                              IzgaraKolonu("KAYITNO", "Ref.No", GosterimBicimi::Metin)});
}

void Tfrm_cari_hareket::toplamPaneliKur()
{
    auto *panel = new QGroupBox;
    panel->setObjectName(QStringLiteral("Panel4"));
    auto *g = new QGridLayout(panel);
    auto salt = [](const char *ad) {
        auto *e = kutu(QLatin1String(ad));
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        e->setFocusPolicy(Qt::ClickFocus);
        return e;
    };
    m_tBorc = salt("edt_tborc");
    m_tAlacak = salt("edt_talacak");
    m_bakiye = salt("edt_bakiye");
    g->addWidget(new QLabel(QStringLiteral("T.Borc")), 0, 0);
    g->addWidget(m_tBorc, 1, 0);
    g->addWidget(new QLabel(QStringLiteral("T.Alacak")), 0, 1);
    g->addWidget(m_tAlacak, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Bakiye")), 0, 2);
    g->addWidget(m_bakiye, 1, 2);
    m_taraf = new QLabel(QStringLiteral("B/A"));
    m_taraf->setObjectName(QStringLiteral("lbl_ba"));
    m_taraf->setStyleSheet(QStringLiteral("font-weight: bold"));
    g->addWidget(m_taraf, 1, 3);
    m_paraBirimi = new QLabel;
    m_paraBirimi->setObjectName(QStringLiteral("lbl_parabirimi"));
    g->addWidget(m_paraBirimi, 1, 4);

    auto *katma = new QGroupBox(QStringLiteral("Hesaplama İşlemine  Katma"));
    auto *kd = new QHBoxLayout(katma);
    m_vadesiGelmemis = new QCheckBox(QStringLiteral("Vadesi Gelmemişleri "));
    m_vadesiGelmemis->setObjectName(QStringLiteral("chk_vadesigelmemis"));
    kd->addWidget(m_vadesiGelmemis);
    g->addWidget(katma, 0, 5, 2, 1);
    auto *hesaplaB = new QPushButton(QStringLiteral("Hesapla"));
    hesaplaB->setObjectName(QStringLiteral("btn_hesapla"));
    hesaplaB->setAutoDefault(false);
    connect(hesaplaB, &QPushButton::clicked, this, &Tfrm_cari_hareket::hesapla);
    g->addWidget(hesaplaB, 1, 6);
    auto *bakiyeB = new QPushButton(QStringLiteral("Bakiye Güncelle"));
    bakiyeB->setObjectName(QStringLiteral("btn_bakiyeguncelle"));
    bakiyeB->setAutoDefault(false);
    connect(bakiyeB, &QPushButton::clicked, this, &Tfrm_cari_hareket::bakiyeGuncelle);
    g->addWidget(bakiyeB, 1, 7);

    g->addWidget(new QLabel(QStringLiteral("Sıralama")), 2, 0);
    m_siralama = new QComboBox;
    m_siralama->setObjectName(QStringLiteral("cmb_siralama"));
    m_siralama->addItems(siralamaKolonlari);
    m_siralama->setCurrentText(QStringLiteral("Islemtarihi"));
    g->addWidget(m_siralama, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("İşlem Tarihi")), 2, 2);
    m_tarih1 = kutu(QStringLiteral("edt_tarih1"));
    m_tarih1->setInputMask(QStringLiteral("99.99.9999"));
    g->addWidget(m_tarih1, 2, 3);
    m_tarih2 = kutu(QStringLiteral("edt_tarih2"));
    m_tarih2->setInputMask(QStringLiteral("99.99.9999"));
    g->addWidget(m_tarih2, 2, 4);
    auto *siralaB = new QPushButton(QStringLiteral("Sırala"));
    siralaB->setObjectName(QStringLiteral("btn_sirala"));
    siralaB->setToolTip(QStringLiteral("Carı Hareketleri  Sırala"));
    siralaB->setAutoDefault(false);
    connect(siralaB, &QPushButton::clicked, this, &Tfrm_cari_hareket::sirala);
    g->addWidget(siralaB, 2, 5);
    listeDuzeni()->addWidget(panel);
}

void Tfrm_cari_hareket::menuleriEkle()
{
    QMenu *islemler = menu(QStringLiteral("lem1"));
    if (!islemler)
        return;
    auto ekle = [this, islemler](const char *ad, const QString &metin, std::function<void()> is) {
        auto *a = new QAction(metin, this);
        a->setObjectName(QLatin1String(ad));
        connect(a, &QAction::triggered, this, [is] { is(); });
        islemler->addAction(a);
        return a;
    };
    ekle("DekontBas1", QStringLiteral("Dekont Bas"), [this] { dekont(); });
    ekle("YoneticiKodu1", QStringLiteral("Yönetici Kodu"), [this] { yoneticiKodu(); });
    ekle("HataliCariHareketSilme1", QStringLiteral("Hatalı Cari Hareket Silme"), [this] { hataliHareketSil(); });
    ekle("YoneticiKoduDegistir1", QStringLiteral("Yönetici Kodunu Değiştir"), [this] { yoneticiKoduDegistir(); });

    if (QMenu *raporlar = menu(QStringLiteral("Raporlar1"))) {
        auto rapor = [this, raporlar](const char *ad, const QString &metin, int tur, bool sablon) {
            auto *a = new QAction(metin, this);
            a->setObjectName(QLatin1String(ad));
            connect(a, &QAction::triggered, this, [this, tur, sablon] { ekstre(tur, sablon); });
            raporlar->addAction(a);
        };
        rapor("EkstreGenis1", QStringLiteral("Ekstre ( Bakiyeli Geniş-Sabıt )"), 0, false);
        rapor("EkstreDar1", QStringLiteral("Ekstre ( Bakiyeli Dar -Sabıt)"), 1, false);
        rapor("RaporEkstre1", QStringLiteral("Rapor (Ekstre)"), 0, true);
        rapor("RaporEkstreDar1", QStringLiteral("Rapor (Ekstre Dar )"), 1, true);
        // The ledger report of the whole company, for users with both
        // special rights of this screen; for others the entry does nothing.
        auto *a = new QAction(QStringLiteral("Cari Hareket Raporları"), this);
        a->setObjectName(QStringLiteral("CariHareketRaporlari1"));
        connect(a, &QAction::triggered, this, [this] {
            if (yetkiler().OZELYETKI1 == QLatin1String("E") && yetkiler().OZELYETKI2 == QLatin1String("E"))
                EkranAc(QStringLiteral("frm_carihareketrapor"), this);
        });
        raporlar->addAction(a);
    }
}

QString Tfrm_cari_hareket::hesapKodu() const
{
    if (auto *e = findChild<QLineEdit *>(QStringLiteral("edt_carihareketkodu")); e && !e->text().isEmpty())
        return e->text();
    if (!Aktarim.cari_kod.isEmpty())
        return Aktarim.cari_kod;
    return veriSeti()->acikMi() ? veriSeti()->metin(QStringLiteral("CARIKOD")) : QString();
}

QString Tfrm_cari_hareket::kodAdi(int hangi) const
{
    return (hangi == 1 ? m_ozelKod1 : m_ozelKod2)->text();
}

void Tfrm_cari_hareket::gosterildi()
{
    m_yoneticiKodu = false;
    const QString unvan = findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
    setWindowTitle(windowTitle() + QStringLiteral("         ") + QStringLiteral("Carı Ünvan :") + unvan);

    // Parameters 1 and 2 name the special codes, in the entry area and the list.
    QList<TabloKolonu> k = model()->kolonlar();
    for (int i : {1, 2}) {
        const QString p = parametre(i);
        if (p.isEmpty())
            continue;
        (i == 1 ? m_ozelKod1 : m_ozelKod2)->setText(p);
        for (TabloKolonu &t : k)
            if (t.kolon == (i == 1 ? QLatin1String("OZELKOD1") : QLatin1String("OZELKOD2")))
                t.baslik = p;
    }
    model()->kolonlariAyarla(k);

    VeriSeti *vs = veriSeti();
    m_filtre = SelectFiltresi(vs->selectMetni());
    if (m_filtre.trimmed().isEmpty())
        m_filtre = HesapFiltresi(hesapKodu());
    if (vs->acikMi() && !vs->bosMu()) {
        const auto pb = ParaBirimiSayisi(m_filtre);
        if (pb && *pb > 1)
            Mesaj::goster(QStringLiteral("U Y A R I !  Bu Cari Kartın Hareketlerinde Birden Fazla Para Birimi "
                                         "İşlemi Görünmekte. Borc-Alacak-Bakiye Düzgün Görünmez."),
                          this);
    }
    hesapla();
    if (parametre(5) == QLatin1String("E") && vs->acikMi() && !vs->bosMu())
        bakiyeGuncelle();
    ekranikilitle();
}

void Tfrm_cari_hareket::hesapla()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu()) {
        // Nothing listed: nothing owed either way.
        m_tBorc->setText(QStringLiteral("0"));
        m_tAlacak->setText(QStringLiteral("0"));
        m_bakiye->setText(QStringLiteral("0"));
        m_taraf->setText(Taraf(0));
        m_paraBirimi->setText(QStringLiteral("YTL"));
        return;
    }
    const auto t = ToplamlariHesapla(m_filtre, vs->metin(QStringLiteral("PARABIRIMI")), m_vadesiGelmemis->isChecked());
    if (!t)
        return;
    m_paraBirimi->setText(t->paraBirimi);
    m_tBorc->setText(t->borcMetni);
    m_tAlacak->setText(t->alacakMetni);
    m_bakiye->setText(t->bakiyeMetni);
    m_taraf->setText(t->taraf);
}

void Tfrm_cari_hareket::bakiyeGuncelle()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    // The balance is written into every row listed: both rights first, so
    // that a refusal leaves no row half-way.
    if (!IslemIzni(yetkiler().DEGISTIRME, this) || !IslemIzni(yetkiler().KAYIT, this))
        return;
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(onceKaydet, this);
        return;
    }
    if (!BakiyeGuncelle(vs->selectMetni()))
        return;
    vs->yenile();
    hesapla();
}

void Tfrm_cari_hareket::sirala()
{
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(onceKaydet, this);
        return;
    }
    QString filtre = HesapFiltresi(hesapKodu());
    const struct { QLineEdit *kutu; const char *kosul; } tarihler[] = {{m_tarih1, " and islemtarihi >="},
                                                                      {m_tarih2, " and islemtarihi <="}};
    for (const auto &t : tarihler) {
        if (BosTarihMaskesi(t.kutu->text()))
            continue;
        const QDate d = MetindenTarih(t.kutu->text());
        if (!d.isValid()) {
            Mesaj::goster(QStringLiteral("Geçersiz tarih: ") + t.kutu->text().trimmed(), this);
            t.kutu->setFocus();
            return;
        }
        filtre += QLatin1String(t.kosul) + SqlQuote(TarihMetni(d));
    }
    const QString kolon = m_siralama->currentText();
    if (!siralamaKolonlari.contains(kolon))
        return; // only the listed column names ever reach the statement
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("cari_hareket")) + filtre + QStringLiteral("  ")
                          + QStringLiteral("order by cari_hareket.") + kolon);
    m_filtre = filtre;
    vs->ac();
    // The totals follow the rows now listed.
    hesapla();
}

void Tfrm_cari_hareket::yeniSatir()
{
    VeriSeti *vs = veriSeti();
    const QString bugun = TarihMetni(QDate::currentDate());
    vs->degerAyarla(QStringLiteral("ISLEMTARIHI"), bugun);
    vs->degerAyarla(QStringLiteral("VADETARIHI"), bugun);
    vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    const QString pb = parametre(4);
    vs->degerAyarla(QStringLiteral("PARABIRIMI"), pb.isEmpty() ? QStringLiteral("YTL") : pb);
    vs->degerAyarla(QStringLiteral("ISLEMTURU"), QStringLiteral("C.Hareket"));
    vs->degerAyarla(QStringLiteral("BORC"), 0.0);
    vs->degerAyarla(QStringLiteral("ALACAK"), 0.0);
    vs->degerAyarla(QStringLiteral("KULLANICI"), Oturum.username);
    if (!Aktarim.cari_kod.isEmpty() && !Aktarim.cari_unvan.isEmpty()) {
        vs->degerAyarla(QStringLiteral("CARIKOD"), Aktarim.cari_kod);
        vs->degerAyarla(QStringLiteral("CARIUNVAN"), Aktarim.cari_unvan);
        vs->degerAyarla(QStringLiteral("OZELKOD2"), Aktarim.cari_doktoradi);
    }
    if (OzelKodlarSifirlaBaslar(parametre(3))) {
        vs->degerAyarla(QStringLiteral("OZELKOD1"), QStringLiteral("0"));
        vs->degerAyarla(QStringLiteral("OZELKOD2"), QStringLiteral("0"));
    }
}

bool Tfrm_cari_hareket::eklemeDogrula()
{
    VeriSeti *vs = veriSeti();
    struct Kontrol { const char *kolon, *mesaj, *kutu; };
    const Kontrol kontroller[] = {
        {"PARABIRIMI", "Döviz Türü Boş Olamaz", "cmb_parabirimi"},
        {"CARIKOD", "Cari Kodu Boş Olamaz", "edt_carikod"},
        {"ISLEMTARIHI", "Tarih Boş Olamaz", "edt_islemtarihi"},
        {"ISLEMTURU", "İşlem Şekli Boş Olamaz", "cmb_islemturu"},
    };
    for (const Kontrol &k : kontroller) {
        if (!vs->metin(QLatin1String(k.kolon)).trimmed().isEmpty())
            continue;
        Mesaj::goster(QString::fromUtf8(k.mesaj), this);
        odakla(QLatin1String(k.kutu));
        return false;
    }
    return true;
}

void Tfrm_cari_hareket::hesapBul()
{
    VeriSeti *vs = veriSeti();
    QString kod, ad, doktor;
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        kod = d.metin(QStringLiteral("HASTAKODU"));
        ad = d.metin(QStringLiteral("HASTAADISOYADI"));
        doktor = d.metin(QStringLiteral("DOKTORADI"));
    }
    if (!vs->acikMi() || vs->bosMu())
        return;
    if (vs->durum() != VeriSeti::Durum::Ekle && !vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("CARIUNVAN"), ad);
    vs->degerAyarla(QStringLiteral("CARIKOD"), kod);
    vs->degerAyarla(QStringLiteral("OZELKOD2"), doktor);
    odakla(QStringLiteral("edt_evrakno"));
}

void Tfrm_cari_hareket::ozelKodIslemi(int hangi)
{
    VeriSeti *vs = veriSeti();
    if (!vs->duzenleniyorMu())
        return;
    const OzelKodSonucu s = OzelKodIslemi(parametre(3), vs->metin(QStringLiteral("OZELKOD1")),
                                          vs->metin(QStringLiteral("OZELKOD2")));
    if (s.tur == OzelKodSonucu::Tur::Hesaplandi) {
        vs->degerAyarla(QStringLiteral("BORC"), s.borc);
        return;
    }
    // Only the box being left is told about: leaving the first code while
    // the divisor still holds its starting "0" is no mistake yet.
    const QString mesaj = OzelKodMesaji(s, kodAdi(1), kodAdi(2));
    if (mesaj.isEmpty() || s.hataliKod != hangi)
        return;
    Mesaj::goster(mesaj, this);
    odakla(s.hataliKod == 1 ? QStringLiteral("edt_ozelkod1") : QStringLiteral("edt_ozelkod2"));
}

void Tfrm_cari_hareket::yoneticiKodu()
{
    // A secret: shown as dots while typed.
    const auto cevap = Mesaj::gizliGirdi(QStringLiteral("Yönetici Kodu Girin"), QStringLiteral("Prompt"), this);
    if (!cevap)
        return;
    if (!YoneticiKodu::dogrula(*cevap)) {
        m_yoneticiKodu = false;
        Mesaj::goster(QStringLiteral("Yönetici Kodunu Yanlış Girdiniz"), this);
        return;
    }
    m_yoneticiKodu = true;
}

void Tfrm_cari_hareket::yoneticiKoduDegistir()
{
    // Whoever may delete erroneous movements, having given the code on this showing.
    if (!m_yoneticiKodu || !Yetkiler::izin(yetkiler().OZELYETKI2)) {
        Mesaj::goster(yetkisiz, this);
        return;
    }
    const auto yeni = Mesaj::gizliGirdi(QStringLiteral("Yönetici Kodunu Değiştir"),
                                        QStringLiteral("Yeni Yönetici Kodu"), this);
    if (!yeni)
        return;
    if (yeni->trimmed().size() < 6 || yeni->trimmed() != *yeni) {
        Mesaj::goster(QStringLiteral("Yönetici kodu en az 6 karakter olmalı, başında ve sonunda boşluk olmamalı."),
                      this);
        return;
    }
    const auto tekrar = Mesaj::gizliGirdi(QStringLiteral("Yönetici Kodunu Değiştir"),
                                          QStringLiteral("Yeni Yönetici Kodu (Tekrar)"), this);
    if (!tekrar)
        return;
    if (*tekrar != *yeni) {
        Mesaj::goster(QStringLiteral("Girilen kodlar aynı değil; yönetici kodu değişmedi."), this);
        return;
    }
    if (YoneticiKodu::degistir(*yeni))
        Mesaj::goster(QStringLiteral("Yönetici Kodu Değiştirildi"), this);
}

void Tfrm_cari_hareket::hataliHareketSil()
{
    if (!Yetkiler::izin(yetkiler().SILME) || !Yetkiler::izin(yetkiler().OZELYETKI2) || !m_yoneticiKodu) {
        Mesaj::goster(yetkisiz, this);
        return;
    }
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(onceKaydet, this);
        return;
    }
    if (!vs->acikMi() || vs->bosMu())
        return;
    const qint64 no = vs->anahtar();
    const auto cevap = Mesaj::girdi(QStringLiteral("Hatalı Kayda Ait Ref.No Giriniz"), QStringLiteral("Prompt"),
                                    QStringLiteral("######"), this);
    if (!cevap)
        return;
    if (cevap->trimmed() != QString::number(no)) {
        Mesaj::goster(QStringLiteral("Ref.No Yanlış Girdildi"), this);
        return;
    }
    if (!Sorgu::calistir(QStringLiteral("delete  from CARI_HAREKET ") + QStringLiteral(" WHERE CARI_HAREKET.KAYITNO=")
                         + SqlQuote(QString::number(no)) + QStringLiteral(" and CARI_HAREKET.SIRKETKODU=")
                         + SqlQuote(Oturum.sirketkodu)))
        return;
    vs->yenile();
    Mesaj::goster(QStringLiteral("Hatalı Kayıt Silindi"), this);
    hesapla();
}

void Tfrm_cari_hareket::ekstre(int tur, bool sablon)
{
    if (sablon && !IslemIzni(yetkiler().RAPOR, this))
        return;
    if (!veriSeti()->acikMi())
        return;
    Ekstre::Girdiler g;
    g.select = veriSeti()->selectMetni();
    g.ozelKod1Basligi = m_ozelKod1->text();
    g.ozelKod2Basligi = m_ozelKod2->text();
    Ekstre::Ekstre e;
    if (!e.hazirla(tur == 0 ? Ekstre::Tur::Genis : Ekstre::Tur::Dar, g, this))
        return;
    e.rapor().onizle(this);
}

void Tfrm_cari_hareket::dekont()
{
    // The receipt of the selected movement (cari/ receipts register it).
    EylemCalistir(QStringLiteral("Dekont"), this);
}
