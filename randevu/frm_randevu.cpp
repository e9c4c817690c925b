#include "randevu/frm_randevu.h"

#include "app/aramapenceresi.h"
#include "app/aramasecimi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/yetki.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

const QString Yetkisiz = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");
const QString SaatUyarisi = QStringLiteral(" U Y A R I !  Bu Tarih ve Saatte Başka Bir randevu Kaydı Var");
const QString GecersizSaat = QStringLiteral("Randevu Saatı \"%1\" geçersiz (SS:DD olmalı, örnek: 14:30).");

QString c(const char *s) { return QString::fromUtf8(s); }

} // namespace


KayitEkraniAyari Tfrm_randevu::ayarlar(Tfrm_randevu *e)
{
    KayitEkraniAyari a;
    a.ekranAdi = QStringLiteral("frm_randevu");
    a.baslik = QStringLiteral("RANDEVU");
    a.tablo = QStringLiteral("RANDEVU");
    a.veriSetiAdi = QStringLiteral("qry_randevu");
    a.izgaraAdi = QStringLiteral("DBGrid1");
    a.modul = QStringLiteral("RANDEVU");
    a.parametreEkrani = QStringLiteral("RANDEVU");
    a.parametreSayisi = 13;
    a.siralama = RandevuSorgu::Siralama;
    a.yetkiKosullari = [e] { return e->yetkiKosulu(); };
    a.kilitMesaji = QStringLiteral(" UYARI  RANDEVU KİLİTLİ .... Randevuda Değişiklik Yapmak İstiyorsanız Önce "
                                   "DEĞİŞTİR Tuşuna Basın ");
    a.kilitsizKapali = {QStringLiteral("btn_yeni"), QStringLiteral("btn_sil"),     QStringLiteral("btn_bul"),
                        QStringLiteral("Yeni1"),    QStringLiteral("Sil1"),        QStringLiteral("lem1"),
                        QStringLiteral("Arama1"),   QStringLiteral("RandevuAra1"), QStringLiteral("BitBtn7"),
                        QStringLiteral("BitBtn8"),  QStringLiteral("CheckBox1"),   QStringLiteral("edt_hastakodu")};
    a.olaylardaYetki = false;
    a.silmeSorusu = QStringLiteral("Bu Randevu Kaydını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" Randevu Kaydı Silindi ");
    a.aramaEkrani = QStringLiteral("frm_randevuarama");
    a.aramaIpucu = QStringLiteral("İş Programı Arama  Ctrl+F");
    a.aramaMenuBasligi = QStringLiteral("Arama");
    a.aramaMenuAdi = QStringLiteral("RandevuAra1");
    a.odakRenklendirme = false;
    a.enterIleIlerle = false;
    a.baslikEki.clear();
    a.kayitSayisiDurumCubugunda = true;
    a.excelYetkiIster = false;
    a.hesapMakinesiKisayolu = QStringLiteral("Ctrl+H");
    a.evrakTuru = EvrakTuru::Randevu;
    a.yeniSatirDegerleri = [e] { e->yeniDegerler(); };
    a.eklemeDogrula = [e] { return e->eklemeDogrula(); };
    a.duzenlemeDogrula = [e] { return e->duzenlemeDogrula(); };
    a.kaydetmedenOnce = [e] { return e->kaydetmedenOnce(); };
    a.islemdeOnce = [e](QString *mesaj) { return e->yeniHastayiYaz(mesaj); };
    a.yenidenSonra = [e] { e->yeniSonrasi(); };
    a.kilitDegisti = [e](bool k) { e->kilitDegisti(k); };
    a.satirDegisti = [e] { e->saatGoster(); };
    a.kapanirken = [e] { e->m_hastalar->kapat(); };
    return a;
}

Tfrm_randevu::Tfrm_randevu(QWidget *ust)
    : KayitEkrani(ayarlar(this), ust)
{
    m_hastalar = new VeriSeti(QStringLiteral("HASTALAR"), this);
    m_hastalar->setObjectName(QStringLiteral("QRY_HASTALAR"));
    arayuzKur();
}

Tfrm_randevu::~Tfrm_randevu() = default;

QString Tfrm_randevu::yetkiKosulu() const
{
    return RandevuSorgu::YetkiKosulu(parametre(1), yetkiler().OZELYETKI2, Oturum.username);
}

// ---------------------------------------------------------------- layout

void Tfrm_randevu::arayuzKur()
{
    resize(1150, 800);
    // Toolbar texts of this screen; the search button is "btn_bul".
    const struct { const char *ad, *metin; } metinler[] = {
        {"btn_kaydet", "Kaydet"}, {"btn_yeni", "Yeni Kayit"}, {"btn_sil", "Kayit Sil"}, {"btn_iptal", "İptal"}};
    for (const auto &m : metinler)
        if (QPushButton *b = dugme(QLatin1String(m.ad)))
            b->setText(c(m.metin));
    if (QPushButton *bul = dugme(QStringLiteral("btn_firmabul"))) {
        bul->setObjectName(QStringLiteral("btn_bul"));
        bul->setText(QStringLiteral("İş Programı"));
    }
    auto *fis = dugmeEkle(QStringLiteral("BitBtn7"), QStringLiteral("Randevu Fişi"), QStringLiteral("Randevu Fişi"));
    connect(fis, &QPushButton::clicked, this, &Tfrm_randevu::randevuKarti);
    auto *oldu = dugmeEkle(QStringLiteral("BitBtn8"), QStringLiteral("Muayene Oldu"), QStringLiteral("Muayene Oldu"));
    connect(oldu, &QPushButton::clicked, this, &Tfrm_randevu::muayeneOldu);
    // Save goes through this screen's own step (the new patient's transaction).
    if (QPushButton *k = dugme(QStringLiteral("btn_kaydet"))) {
        disconnect(k, &QPushButton::clicked, nullptr, nullptr);
        connect(k, &QPushButton::clicked, this, [this] { randevuKaydet(); });
    }
    for (QAction *x : findChildren<QAction *>(QStringLiteral("Kaydet1"))) {
        disconnect(x, &QAction::triggered, nullptr, nullptr);
        connect(x, &QAction::triggered, this, [this] { randevuKaydet(); });
    }

    duzenlemeKur();
    menuleriKur();

    // Above the grid: "Yeni Hasta" and the preset lists.
    m_yeniHasta = new QCheckBox(QStringLiteral("Yeni Hasta"), this);
    m_yeniHasta->setObjectName(QStringLiteral("CheckBox1"));
    siralamaDuzeni()->addWidget(m_yeniHasta);
    m_onAyar = new QComboBox(this);
    m_onAyar->setObjectName(QStringLiteral("ComboBox1"));
    m_onAyar->addItems(RandevuSorgu::OnAyarlar());
    m_onAyar->setCurrentIndex(-1);
    m_onAyar->setPlaceholderText(QStringLiteral("Randevu Listeleri"));
    m_onAyar->setMinimumWidth(260);
    connect(m_onAyar, &QComboBox::activated, this, [this](int i) { onAyarSec(m_onAyar->itemText(i)); });
    siralamaDuzeni()->addWidget(m_onAyar);
    siralamaDuzeni()->addStretch();

    // The appointment grid.
    model()->kolonlariAyarla({IzgaraKolonu("MUAYENEOLDUMU", "DURUM"), IzgaraKolonu("HASTAKODU", "H.KODU"),
                              IzgaraKolonu("HASTAADISOYADI", "H.ADI SOYADI"), IzgaraKolonu("HASTACEPTEL", "CEP TEL"),
                              IzgaraKolonu("DOKTOR", "DR.KODU"), IzgaraKolonu("DOKTORADI", "DOKTOR ADI"),
                              IzgaraKolonu("RANDEVUTARIHI", "R.TARIHI", GosterimBicimi::Tarih),
                              IzgaraKolonu("RANDEVUSAATI", "R.SAATI", GosterimBicimi::Saat),
                              IzgaraKolonu("KONU", nullptr),
                              IzgaraKolonu("RANDALMATARIHI", "K.TARIHI", GosterimBicimi::Tarih)});
    connect(izgara(), &QAbstractItemView::doubleClicked, this, &Tfrm_randevu::hastaEkraniAc);

    suzgecKur();
    planKur();
}

void Tfrm_randevu::duzenlemeKur()
{
    // The edit panel with the calendar at its right; the calendar works
    // whatever the lock state, so it sits outside the panel the lock switches.
    QWidget *panel = duzenlemeAlani();
    auto *satir = new QWidget(ustAlan());
    auto *yatay = new QHBoxLayout(satir);
    yatay->setContentsMargins(0, 0, 0, 0);
    ustAlan()->layout()->removeWidget(panel);
    yatay->addWidget(panel, 1);
    m_takvim = new QCalendarWidget(satir);
    m_takvim->setObjectName(QStringLiteral("EsCalendar1"));
    m_takvim->setFirstDayOfWeek(Qt::Monday);
    m_takvim->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_takvim->setMaximumWidth(300);
    connect(m_takvim, &QCalendarWidget::selectionChanged, this, [this] { planiGoster(m_takvim->selectedDate()); });
    // A click on the day already chosen (today, when the screen opens) shows its plan too.
    connect(m_takvim, &QCalendarWidget::clicked, this, [this](QDate gun) {
        if (gun != m_planGunu || m_planPaneli->isHidden())
            planiGoster(gun);
    });
    yatay->addWidget(m_takvim, 0, Qt::AlignTop);
    ustAlan()->layout()->addWidget(satir);

    auto *g = new QGridLayout(panel);
    Baglayici *b = baglayici();
    auto kutu = [&](const char *ad, const char *kolon, bool buyuk, int r, int k, const char *etiket) {
        auto *e = new QLineEdit(panel);
        e->setObjectName(QLatin1String(ad));
        if (kolon)
            b->bagla(e, QLatin1String(kolon), buyuk);
        auto *l = new QLabel(c(etiket), panel);
        l->setBuddy(e);
        g->addWidget(l, r, k);
        g->addWidget(e, r, k + 1);
        return e;
    };
    auto dugmeKur = [&](const char *ad, const char *metin, int r, int k) {
        auto *d = new QPushButton(c(metin), panel);
        d->setObjectName(QLatin1String(ad));
        d->setAutoDefault(false);
        g->addWidget(d, r, k);
        return d;
    };

    m_kod = kutu("edt_hastakodu", "HASTAKODU", true, 0, 0, "Hasta Kodu");
    connect(dugmeKur("BTN_HASTABUL", "Hasta Ara", 0, 2), &QPushButton::clicked, this, &Tfrm_randevu::hastaSec);
    m_ad = kutu("edt_hastaadi", "HASTAADISOYADI", true, 1, 0, "Hasta Adı");
    m_ad->installEventFilter(this);
    m_ayniAd = new QPlainTextEdit(QStringLiteral("Bu Hasta Adı\nÖnceden Girilmiş"), panel);
    m_ayniAd->setObjectName(QStringLiteral("Memo1"));
    m_ayniAd->setReadOnly(true);
    m_ayniAd->setMaximumHeight(48);
    m_ayniAd->setStyleSheet(QStringLiteral("color: red;"));
    m_ayniAd->viewport()->installEventFilter(this);
    m_ayniAd->hide();
    g->addWidget(m_ayniAd, 1, 2, 2, 1);
    kutu("edt_hastaceptel", "HASTACEPTEL", true, 2, 0, "Cep Tel");
    kutu("edt_doktor", "DOKTOR", true, 3, 0, "Doktor Kodu");
    connect(dugmeKur("BTN_DOKTORBUL", "Doktor Ara", 3, 2), &QPushButton::clicked, this, &Tfrm_randevu::doktorSec);
    kutu("edt_doktoradi", "DOKTORADI", false, 4, 0, "Doktoru");
    b->tarihBagla(kutu("edt_randalmatarihi", nullptr, false, 5, 0, "KayıtTarihi"), QStringLiteral("RANDALMATARIHI"));
    kutu("edt_bolum", "BOLUM", true, 6, 0, "Bölüm");
    kutu("edt_brans", "BRANS", false, 7, 0, "Branş");

    b->tarihBagla(kutu("edt_randevutarihi", nullptr, false, 0, 3, "Randevu Tarihi"), QStringLiteral("RANDEVUTARIHI"));
    m_saat = kutu("edt_randevusaati", nullptr, false, 1, 3, "Randevu Saatı");
    m_saat->setInputMask(QStringLiteral("90:00;_"));
    connect(m_saat, &QLineEdit::textEdited, this, &Tfrm_randevu::saatYazildi);
    veriSeti()->kaydetKontroluEkle(this, [this] { return saatDogrula(); });
    connect(veriSeti(), &VeriSeti::alanDegisti, this, [this](const QString &k) {
        if (k.compare(QLatin1String("RANDEVUSAATI"), Qt::CaseInsensitive) == 0 && !m_saatYaziliyor)
            saatGoster();
    });
    connect(veriSeti(), &VeriSeti::acildi, this, &Tfrm_randevu::saatGoster);

    auto *konu = new QPlainTextEdit(panel);
    konu->setObjectName(QStringLiteral("mem_konu"));
    b->bagla(konu, QStringLiteral("KONU"));
    auto *kl = new QLabel(QStringLiteral("Konu"), panel);
    kl->setBuddy(konu);
    g->addWidget(kl, 2, 3);
    g->addWidget(konu, 2, 4, 3, 1);

    auto *durum = new QComboBox(panel);
    durum->setObjectName(QStringLiteral("cmb_muayeneoldumu"));
    durum->addItems({RandevuSorgu::Oldu, RandevuSorgu::Bekliyor, RandevuSorgu::Iptal});
    b->bagla(durum, QStringLiteral("MUAYENEOLDUMU"), true);
    auto *dl = new QLabel(QStringLiteral("Muayene Oldu mu ?"), panel);
    dl->setBuddy(durum);
    g->addWidget(dl, 5, 3);
    g->addWidget(durum, 5, 4);
    b->sayiBagla(kutu("edt_muayeneucreti", nullptr, false, 6, 3, "Muayene Ücreti"), QStringLiteral("MUAYENEUCRETI"));
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);
}

void Tfrm_randevu::menuleriKur()
{
    if (QMenu *ara = menu(QStringLiteral("Arama1")))
        ara->setTitle(QStringLiteral("Ara"));
    if (QMenu *islemler = menu(QStringLiteral("lem1"))) {
        auto *l = islemler->addAction(QStringLiteral("Listele"));
        l->setObjectName(QStringLiteral("Listele1"));
        l->setShortcut(QKeySequence(Qt::Key_F7));
        l->setShortcutContext(Qt::WindowShortcut);
        addAction(l);
        connect(l, &QAction::triggered, this, &Tfrm_randevu::listele);
    }
    auto *rapor = menuCubugu()->addMenu(QStringLiteral("Rapor"));
    rapor->setObjectName(QStringLiteral("Rapor2"));
    auto ekle = [this, rapor](const char *ad, const char *metin, std::function<void()> is) {
        auto *x = rapor->addAction(c(metin));
        x->setObjectName(QLatin1String(ad));
        connect(x, &QAction::triggered, this, [is] { is(); });
    };
    ekle("GunlukRandevuListesi1", "Günlük Randevu Listesi", [this] { gunlukListe(); });
    ekle("TarihliKisaRandevuListesi1", "Tarihli Kısa randevu Listesi",
         [this] { listeRaporu(QStringLiteral("randevulistesi2.frf")); });
    ekle("RandevuRaporu11", "Randevu Raporu 1", [this] { listeRaporu(QStringLiteral("randevurapor1.frf")); });
    ekle("RandevuRaporu21", "Randevu Raporu 2", [this] { listeRaporu(QStringLiteral("randevurapor2.frf")); });
    ekle("RandevuRaporu31", "Randevu Raporu 3", [this] { listeRaporu(QStringLiteral("randevurapor3.frf")); });
}

// ---------------------------------------------------------------- lock, New

void Tfrm_randevu::kilitDegisti(bool kilitli)
{
    m_ayniAd->hide();
    if (kilitli)
        m_yeniHasta->setChecked(false);
}

void Tfrm_randevu::yeniDegerler()
{
    VeriSeti *vs = veriSeti();
    const QDateTime bugun(QDate::currentDate(), QTime(0, 0));
    vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    vs->degerAyarla(QStringLiteral("RANDALMATARIHI"), bugun);
    vs->degerAyarla(QStringLiteral("RANDEVUTARIHI"), bugun);
    vs->degerAyarla(QStringLiteral("MUAYENEOLDUMU"), RandevuSorgu::Bekliyor);
    if (!parametre(6).isEmpty())
        vs->degerAyarla(QStringLiteral("DOKTOR"), parametre(6));
    if (!parametre(7).isEmpty())
        vs->degerAyarla(QStringLiteral("DOKTORADI"), parametre(7));
    const QString ucret = parametre(13).trimmed();
    QVariant u = 0.0;
    if (!ucret.isEmpty() && !VeriSeti::degerCevir(KolonTuru::Ondalik, ucret, &u))
        u = 0.0;
    vs->degerAyarla(QStringLiteral("MUAYENEUCRETI"), u);
}

void Tfrm_randevu::yeniSonrasi()
{
    m_saat->clear();
    if (QPushButton *b = dugme(QStringLiteral("btn_bul")))
        b->setEnabled(false);
    if (parametre(12) == QLatin1String("E"))
        m_yeniHasta->setChecked(true);
    if (!m_yeniHasta->isChecked()) {
        hastaSec();
        return;
    }
    if (const auto kod = RandevuSorgu::OnerilenHastaKodu(Oturum.sirketkodu))
        veriSeti()->degerAyarla(QStringLiteral("HASTAKODU"), *kod);
    m_ad->setFocus();
}

// ---------------------------------------------------------------- time box

void Tfrm_randevu::saatGoster()
{
    const QVariant v = veriSeti()->acikMi() ? veriSeti()->deger(QStringLiteral("RANDEVUSAATI")) : QVariant();
    m_saat->setText(v.isNull() ? QString() : v.toDateTime().time().toString(QStringLiteral("hh:mm")));
}

static QTime saatMetni(const QString &metin, bool *bos)
{
    const QString t = metin.trimmed();
    *bos = t.isEmpty() || t == QLatin1String(":");
    return QTime::fromString(t, QStringLiteral("hh:mm"));
}

void Tfrm_randevu::saatYazildi(const QString &metin)
{
    bool bos = false;
    const QTime t = saatMetni(metin, &bos);
    VeriSeti *vs = veriSeti();
    // What is typed stays in the box as typed (the cursor too).
    m_saatYaziliyor = true;
    if (bos)
        vs->degerAyarla(QStringLiteral("RANDEVUSAATI"), QVariant());
    else if (t.isValid())
        vs->degerAyarla(QStringLiteral("RANDEVUSAATI"), RandevuSorgu::SaatDegeri(t));
    else if (vs->durum() == VeriSeti::Durum::Gozat && !kilitliMi())
        vs->duzenle(); // a time that is not one is still a change: Save must check it
    m_saatYaziliyor = false;
}

bool Tfrm_randevu::saatDogrula()
{
    bool bos = false;
    const QTime t = saatMetni(m_saat->text(), &bos);
    if (bos || t.isValid())
        return true;
    Mesaj::goster(GecersizSaat.arg(m_saat->text()), this);
    m_saat->setFocus();
    return false;
}

bool Tfrm_randevu::saatZorunlu()
{
    // The box is what the user sees; the value follows it only when it is a time.
    bool bos = false;
    const QTime t = saatMetni(m_saat->text(), &bos);
    QString m;
    if (bos)
        m = QStringLiteral("Randevu Saatı Boş Olamaz");
    else if (!t.isValid())
        m = GecersizSaat.arg(m_saat->text());
    else if (veriSeti()->deger(QStringLiteral("RANDEVUSAATI")).isNull())
        m = QStringLiteral("Randevu Saatı Boş Olamaz");
    if (m.isEmpty())
        return true;
    Mesaj::goster(m, this);
    odakla(QStringLiteral("edt_randevusaati"));
    return false;
}

// ---------------------------------------------------------------- picks

void Tfrm_randevu::hastaDegerleri(const QVariantMap &h)
{
    VeriSeti *vs = veriSeti();
    if (!vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("HASTAKODU"), h.value(QStringLiteral("HASTAKODU")));
    vs->degerAyarla(QStringLiteral("HASTAADISOYADI"), h.value(QStringLiteral("HASTAADISOYADI")));
    vs->degerAyarla(QStringLiteral("HASTACEPTEL"), h.value(QStringLiteral("CEPTEL")));
    vs->degerAyarla(QStringLiteral("DOKTOR"), h.value(QStringLiteral("DOKTORKODU")));
    vs->degerAyarla(QStringLiteral("DOKTORADI"), h.value(QStringLiteral("DOKTORADI")));
}

static QVariantMap secilenHasta(AramaPenceresi &d)
{
    QVariantMap m;
    for (const char *k : {"HASTAKODU", "HASTAADISOYADI", "CEPTEL", "DOKTORKODU", "DOKTORADI"})
        m.insert(QLatin1String(k), d.deger(QLatin1String(k)));
    return m;
}

void Tfrm_randevu::hastaSec()
{
    QVariantMap h;
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        h = secilenHasta(d);
    }
    hastaDegerleri(h);
    // The appointment is now an existing patient's: no new patient is made for it.
    m_yeniHasta->setChecked(false);
    m_ayniAd->hide();
    m_saat->setFocus();
}

void Tfrm_randevu::doktorSec()
{
    AramadanSatira(QStringLiteral("frm_doktorarama"), *veriSeti(),
                   {{QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTOR")},
                    {QStringLiteral("DOKTORADISOYADI"), QStringLiteral("DOKTORADI")}},
                   this);
}

void Tfrm_randevu::adKontrol()
{
    if (!m_yeniHasta->isChecked() || kilitliMi())
        return;
    const QString ad = veriSeti()->metin(QStringLiteral("HASTAADISOYADI")).trimmed();
    if (ad.isEmpty())
        return;
    bool hata = false;
    const auto h = RandevuSorgu::AyniAdliHasta(ad, Oturum.sirketkodu, &hata);
    if (hata)
        return;
    if (!h) {
        m_ayniAd->hide();
        return;
    }
    m_ayniAd->show();
    hastaDegerleri(*h);
    m_yeniHasta->setChecked(false);
}

void Tfrm_randevu::ayniAdSec()
{
    if (kilitliMi())
        return;
    Aktarim.arama_hastaadi = veriSeti()->metin(QStringLiteral("HASTAADISOYADI")).trimmed();
    QVariantMap h;
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        const bool secildi = d.calistir() != QLatin1String("-1");
        Aktarim.arama_hastaadi.clear();
        if (!secildi)
            return;
        h = secilenHasta(d);
    }
    hastaDegerleri(h);
    m_saat->setFocus();
    m_yeniHasta->setChecked(false);
}

bool Tfrm_randevu::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_ad && e->type() == QEvent::FocusOut)
        adKontrol();
    if (o == m_ayniAd->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        ayniAdSec();
        return true;
    }
    return KayitEkrani::eventFilter(o, e);
}

// ---------------------------------------------------------------- Save

bool Tfrm_randevu::saatUyarisi(const QString &doktor, qint64 haric)
{
    VeriSeti *vs = veriSeti();
    const QDate gun = vs->deger(QStringLiteral("RANDEVUTARIHI")).toDateTime().date();
    const QTime saat = vs->deger(QStringLiteral("RANDEVUSAATI")).toDateTime().time();
    if (!gun.isValid() || !saat.isValid())
        return true;
    const auto n = RandevuSorgu::SaattekiRandevular(Oturum.sirketkodu, doktor, gun, saat, haric);
    if (!n)
        return false;
    if (*n >= 1)
        Mesaj::goster(SaatUyarisi, this); // a warning: the save goes on
    return true;
}

bool Tfrm_randevu::eklemeDogrula()
{
    VeriSeti *vs = veriSeti();
    auto bos = [vs](const char *k) { return vs->metin(QLatin1String(k)).trimmed().isEmpty(); };
    auto red = [this](const QString &m, const char *alan) {
        Mesaj::goster(m, this);
        odakla(QLatin1String(alan));
        return false;
    };
    if (bos("HASTAKODU"))
        return red(QStringLiteral("Hasta Boş Olamaz"), "edt_hastakodu");
    if (m_yeniHasta->isChecked() && bos("HASTAADISOYADI"))
        return red(QStringLiteral("Yeni Hastanın Adı Boş Olamaz"), "edt_hastaadi");
    if (bos("DOKTOR"))
        return red(QStringLiteral("Doktor Boş Olamaz"), "edt_doktor");
    if (vs->deger(QStringLiteral("RANDEVUTARIHI")).isNull())
        return red(QStringLiteral("Randevu Tarihi Boş Olamaz"), "edt_randevutarihi");
    if (!saatZorunlu())
        return false;
    return saatUyarisi(vs->metin(QStringLiteral("DOKTOR")), 0);
}

bool Tfrm_randevu::duzenlemeDogrula()
{
    if (!saatZorunlu())
        return false;
    // Any doctor's appointment in the slot, the appointment itself left out.
    return saatUyarisi(QString(), veriSeti()->anahtar());
}

bool Tfrm_randevu::kaydetmedenOnce()
{
    VeriSeti *vs = veriSeti();
    if (vs->metin(QStringLiteral("SIRKETKODU")) != Oturum.sirketkodu)
        vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    return true;
}

bool Tfrm_randevu::yeniHastayiYaz(QString *mesaj)
{
    // In the appointment's own transaction: the patient and the appointment
    // are written together or not at all.
    VeriSeti *vs = veriSeti();
    if (!m_hastaYazilacak || vs->durum() != VeriSeti::Durum::Ekle)
        return true;
    RandevuSorgu::YeniHasta h;
    h.ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    h.ceptel = vs->metin(QStringLiteral("HASTACEPTEL"));
    h.doktorkodu = vs->metin(QStringLiteral("DOKTOR"));
    h.doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    h.sirket = Oturum.sirketkodu;
    const auto kod = RandevuSorgu::HastaEkle(h, mesaj);
    if (!kod)
        return false;
    // The appointment carries the new patient's own code.
    return vs->degerAyarla(QStringLiteral("HASTAKODU"), *kod);
}

bool Tfrm_randevu::randevuKaydet()
{
    VeriSeti *vs = veriSeti();
    const bool yeniHasta = !kilitliMi() && vs->durum() == VeriSeti::Durum::Ekle && m_yeniHasta->isChecked();
    if (!yeniHasta)
        return kaydet();
    const QVariant oncekiKod = vs->deger(QStringLiteral("HASTAKODU"));
    m_hastaYazilacak = true;
    const bool tamam = kaydet();
    m_hastaYazilacak = false;
    // Neither row is written; the appointment stays pending as it was typed.
    if (!tamam && vs->durum() == VeriSeti::Durum::Ekle)
        vs->degerAyarla(QStringLiteral("HASTAKODU"), oncekiKod);
    return tamam;
}

// ---------------------------------------------------------------- "Muayene Oldu"

void Tfrm_randevu::muayeneOldu()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->duzenleniyorMu())
        return;
    if (vs->metin(QStringLiteral("MUAYENEOLDUMU")) != RandevuSorgu::Bekliyor)
        return;
    if (!vs->degerAyarla(QStringLiteral("MUAYENEOLDUMU"), RandevuSorgu::Oldu) || !vs->kaydet()) {
        vs->iptal();
        return;
    }
    if (!Mesaj::soru(QStringLiteral("Muayene Kartı Acılsın mı ? "), this))
        return;
    QVariantMap r;
    for (int i = 0; i < vs->kolonSayisi(); ++i)
        r.insert(vs->kolonAdiAt(i), vs->deger(vs->kolonAdiAt(i)));
    const auto no = RandevuSorgu::MuayeneKartiEkle(r, Oturum.sirketkodu);
    if (!no)
        return;
    // The examination screen shows this one card.
    Aktarim.muayene_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
    Aktarim.muayene_kayitno = QString::number(*no);
    EkranAc(QStringLiteral("frm_muayene"), this);
}

void Tfrm_randevu::hastaEkraniAc()
{
    if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    Aktarim.hasta_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
    EkranAc(QStringLiteral("frm_hastalar"), this);
}
