#include "cari/frm_odeme.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "app/parametre.h"
#include "app/raporhizmeti.h"
#include "cari/carihesap.h"
#include "db/baglayici.h"
#include "db/bicim.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace CariHesap;

namespace {
const QString yetkisiz = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz");

const QStringList islemTurleri = {
    QStringLiteral("NAKIT"),      QStringLiteral("K.KARTI"),   QStringLiteral("CEK"),
    QStringLiteral("SENET"),      QStringLiteral("HAVALE"),    QStringLiteral("UCRETSIZ"),
    QStringLiteral("DEVİR"),      QStringLiteral("DR.HAKEDİŞ"), QStringLiteral("B.DEKONTU"),
    QStringLiteral("A.DEKONTU")};

QLineEdit *kutu(const QString &ad)
{
    auto *e = new QLineEdit;
    e->setObjectName(ad);
    return e;
}
} // namespace

Tfrm_odeme::Tfrm_odeme(QWidget *ust) : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_odeme"));
    setWindowTitle(QStringLiteral("ÖDEME"));
    setModal(true);

    m_vs = new VeriSeti(QStringLiteral("CARI_HAREKET"), this);
    m_vs->setObjectName(QStringLiteral("qry_cari_hareket"));
    // The form never lists stored rows: its select matches none, so that
    // starting a payment reads nothing of the ledger.
    m_vs->selectMetniAyarla(SelectBasi(QStringLiteral("CARI_HAREKET")) + QStringLiteral(" and 1=0 "));
    m_baglayici = new Baglayici(m_vs, this);

    auto *ana = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    ana->setMenuBar(menu);

    // Toolbar.
    auto *arac = new QHBoxLayout;
    ana->addLayout(arac);
    auto dugme = [&](const char *ad, const QString &metin, const QString &ipucu) {
        auto *b = new QPushButton(metin, this);
        b->setObjectName(QLatin1String(ad));
        b->setToolTip(ipucu);
        b->setAutoDefault(false);
        arac->addWidget(b);
        return b;
    };
    auto *kaydetB = dugme("btn_kaydet", QStringLiteral("Kaydet"), QStringLiteral("Kaydet  F5"));
    auto *yeniB = dugme("btn_yeni", QStringLiteral("Yeni"), QStringLiteral("Yeni Kayit  F2"));
    auto *iptalB = dugme("btn_iptal", QStringLiteral("İptal"), QStringLiteral("İptal   F3"));
    auto *silB = dugme("btn_sil", QStringLiteral("Sil"), QStringLiteral("Kayit Sil   Ctrl+Del"));
    auto *dekontB = dugme("btn_dekont", QStringLiteral("Dekont Yazdır"), QStringLiteral("Dekont Yazdır"));
    auto *kapatB = dugme("btn_kapat", QStringLiteral("Kapat"), QStringLiteral("Kapat  Ctrl+K"));
    arac->addStretch(1);
    connect(kaydetB, &QPushButton::clicked, this, [this] { kaydet(); });
    connect(yeniB, &QPushButton::clicked, this, [this] { yeni(); });
    connect(iptalB, &QPushButton::clicked, this, [this] { iptal(); });
    connect(silB, &QPushButton::clicked, this, [this] { sil(); });
    connect(dekontB, &QPushButton::clicked, this, [this] { dekont(); });
    connect(kapatB, &QPushButton::clicked, this, [this] { close(); });

    // Menu twins.
    auto eylem = [this](QMenu *m, QMenuBar *mb, const char *ad, const QString &metin, const QString &kisayol,
                        std::function<void()> is) {
        auto *a = new QAction(metin, this);
        a->setObjectName(QLatin1String(ad));
        if (!kisayol.isEmpty())
            a->setShortcut(QKeySequence(kisayol));
        connect(a, &QAction::triggered, this, [is] { is(); });
        if (m)
            m->addAction(a);
        else
            mb->addAction(a);
        addAction(a);
        return a;
    };
    auto *kayit = menu->addMenu(QStringLiteral("Kayıt"));
    kayit->setObjectName(QStringLiteral("Kayit1"));
    eylem(kayit, menu, "Kaydet1", QStringLiteral("Kaydet"), QStringLiteral("F5"), [kaydetB] { kaydetB->click(); });
    // The twin of New checks its right itself before pressing the button.
    eylem(kayit, menu, "Yeni1", QStringLiteral("Yeni"), QStringLiteral("F2"), [this, yeniB] {
        if (izin(m_yetki.YENIKAYIT))
            yeniB->click();
    });
    eylem(kayit, menu, "Sil1", QStringLiteral("Sil"), QStringLiteral("Ctrl+Del"), [silB] { silB->click(); });
    eylem(kayit, menu, "ptal1", QStringLiteral("İptal"), QStringLiteral("F3"), [iptalB] { iptalB->click(); });
    auto *islemler = menu->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("lem1"));
    islemler->menuAction()->setObjectName(QStringLiteral("lem1"));
    eylem(islemler, menu, "DekontBas1", QStringLiteral("Dekont Bas"), QString(), [this] { dekont(); });
    eylem(islemler, menu, "Raporlama1", QStringLiteral("Raporlama"), QString(), [this] { raporlama(); });
    eylem(islemler, menu, "HesapMakinesi1", QStringLiteral("Hesap Makinesi"), QStringLiteral("Ctrl+H"),
          [this] { EkranAc(QStringLiteral("frm_hesapmakinesi"), this); });
    eylem(islemler, menu, "AciklamaNotlar1", QStringLiteral("Acıklama-Notlar"), QStringLiteral("Ctrl+N"),
          [this] { aciklamaNotlar(); });
    eylem(nullptr, menu, "Kapat1", QStringLiteral("    Kapat   "), QStringLiteral("Ctrl+K"), [this] { close(); });

    // Payer kind and direction: chosen before the amount, kept while the form is open.
    auto *turGrubu = new QGroupBox(QStringLiteral("Ödeme Türü"));
    turGrubu->setObjectName(QStringLiteral("rdg_odemeturu"));
    auto *turDuzeni = new QHBoxLayout(turGrubu);
    m_hasta = new QRadioButton(QStringLiteral("HASTA"));
    m_hasta->setObjectName(QStringLiteral("rb_hasta"));
    m_personel = new QRadioButton(QStringLiteral("PERSONEL"));
    m_personel->setObjectName(QStringLiteral("rb_personel"));
    m_cari = new QRadioButton(QStringLiteral("CARI"));
    m_cari->setObjectName(QStringLiteral("rb_cari"));
    m_hasta->setChecked(true);
    for (QRadioButton *r : {m_hasta, m_personel, m_cari})
        turDuzeni->addWidget(r);
    auto *yonGrubu = new QGroupBox(QStringLiteral("İşlem"));
    yonGrubu->setObjectName(QStringLiteral("rdg_yon"));
    auto *yonDuzeni = new QHBoxLayout(yonGrubu);
    m_gelir = new QRadioButton(QStringLiteral("GELİR"));
    m_gelir->setObjectName(QStringLiteral("rb_gelir"));
    m_gider = new QRadioButton(QStringLiteral("GİDER"));
    m_gider->setObjectName(QStringLiteral("rb_gider"));
    m_gelir->setChecked(true);
    yonDuzeni->addWidget(m_gelir);
    yonDuzeni->addWidget(m_gider);
    auto *secimler = new QHBoxLayout;
    secimler->addWidget(turGrubu);
    secimler->addWidget(yonGrubu);
    ana->addLayout(secimler);

    // Entry area: usable only while a payment is being entered.
    m_giris = new QWidget(this);
    m_giris->setObjectName(QStringLiteral("Panel1"));
    auto *g = new QGridLayout(m_giris);
    int satir = 0;
    auto etiketli = [&](const QString &etiket, QWidget *w, int sutun = 0, int genislik = 1) {
        auto *l = new QLabel(etiket);
        l->setBuddy(w);
        g->addWidget(l, satir, sutun * 2);
        g->addWidget(w, satir, sutun * 2 + 1, 1, genislik);
    };
    auto *kod = kutu(QStringLiteral("edt_carikod"));
    kod->setReadOnly(true);
    m_baglayici->bagla(kod, QStringLiteral("CARIKOD"));
    auto *unvan = kutu(QStringLiteral("edt_cariunvan"));
    unvan->setReadOnly(true);
    m_baglayici->bagla(unvan, QStringLiteral("CARIUNVAN"));
    auto *bul = new QPushButton(QStringLiteral("..."));
    bul->setObjectName(QStringLiteral("btn_hastabul"));
    bul->setToolTip(QStringLiteral("Hasta Bul"));
    bul->setAutoDefault(false);
    connect(bul, &QPushButton::clicked, this, [this] { hesapBul(); });
    auto *kodSatiri = new QHBoxLayout;
    kodSatiri->addWidget(kod, 1);
    kodSatiri->addWidget(unvan, 3);
    kodSatiri->addWidget(bul);
    auto *kodEtiketi = new QLabel(QStringLiteral("Kod - Adı"));
    kodEtiketi->setBuddy(kod);
    g->addWidget(kodEtiketi, satir, 0);
    g->addLayout(kodSatiri, satir, 1, 1, 3);
    ++satir;
    auto *tarih = kutu(QStringLiteral("edt_tarih"));
    m_baglayici->tarihBagla(tarih, QStringLiteral("ISLEMTARIHI"));
    etiketli(QStringLiteral("Tarih"), tarih);
    auto *evrak = kutu(QStringLiteral("edt_evrakno"));
    m_baglayici->bagla(evrak, QStringLiteral("EVRAKNO"), true);
    etiketli(QStringLiteral("Evrak No"), evrak, 1);
    ++satir;
    auto *vade = kutu(QStringLiteral("edt_vadetarihi"));
    m_baglayici->tarihBagla(vade, QStringLiteral("VADETARIHI"));
    etiketli(QStringLiteral("Vade Tarihi"), vade);
    auto *tur = new QComboBox;
    tur->setObjectName(QStringLiteral("cmb_islemturu"));
    tur->setEditable(true);
    tur->setInsertPolicy(QComboBox::NoInsert);
    tur->addItems(islemTurleri);
    // Kept as typed: "Senet" (a note) and "SENET" print different receipt
    // titles, so neither the completer nor upper-casing may change its case.
    tur->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_baglayici->bagla(tur, QStringLiteral("ISLEMTURU"));
    etiketli(QStringLiteral("İşlem Türü"), tur, 1);
    ++satir;
    // The amount is typed once and goes to ALACAK or BORC at save by the
    // direction chosen, so switching the direction never loses it.
    m_tutar = kutu(QStringLiteral("edt_tutar"));
    m_tutar->setAlignment(Qt::AlignRight);
    etiketli(QStringLiteral("TUTAR"), m_tutar);
    ++satir;
    auto *aciklama = new QPlainTextEdit;
    aciklama->setObjectName(QStringLiteral("mem_aciklama"));
    aciklama->setMaximumHeight(70);
    m_baglayici->bagla(aciklama, QStringLiteral("ACIKLAMA"));
    etiketli(QStringLiteral("Acıklama"), aciklama, 0, 3);
    ++satir;
    auto *oz1 = kutu(QStringLiteral("edt_ozelkod1"));
    m_baglayici->bagla(oz1, QStringLiteral("OZELKOD1"), true);
    etiketli(QStringLiteral("Özel Kod 1"), oz1);
    auto *oz2 = kutu(QStringLiteral("edt_ozelkod2"));
    m_baglayici->bagla(oz2, QStringLiteral("OZELKOD2"), true);
    etiketli(QStringLiteral("Özel Kod 2"), oz2, 1);
    connect(oz1, &QLineEdit::editingFinished, this, [this] { ozelKodIslemi(1); });
    connect(oz2, &QLineEdit::editingFinished, this, [this] { ozelKodIslemi(2); });
    ana->addWidget(m_giris);
    ana->addStretch(1);

    // The account title handed over by the opener (not shown).
    auto *edit1 = kutu(QStringLiteral("Edit1"));
    edit1->setParent(this);
    edit1->hide();

    setTabOrder(m_giris, kaydetB);
    resize(640, 420);
    girisAlaniniAyarla();
}

Tfrm_odeme::~Tfrm_odeme()
{
    m_vs->disconnect(this);
    m_vs->kapat();
}

QString Tfrm_odeme::parametre(int n) const
{
    return n >= 1 && n <= m_parametreler.size() ? m_parametreler.at(n - 1) : QString();
}

bool Tfrm_odeme::gelirMi() const { return !m_gider->isChecked(); }

bool Tfrm_odeme::izin(const QString &bayrak) { return IslemIzni(bayrak, this); }

void Tfrm_odeme::odakla(const QString &ad)
{
    if (QWidget *w = findChild<QWidget *>(ad))
        Baglayici::odakla(w);
}

void Tfrm_odeme::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_gosterildi)
        return;
    m_gosterildi = true;
    m_yetki = YetkiOku(Oturum.kullanici_kodu, Modul, Oturum.sirketkodu);
    m_parametreler = QStringList();
    for (int i = 0; i < ParametreSayisi; ++i)
        m_parametreler << QString();
    ParametreOku(ParametreEkrani, m_parametreler);
}

void Tfrm_odeme::keyPressEvent(QKeyEvent *e)
{
    // Esc is the cancel button's key (as on the record screens), so that a
    // payment being typed is not lost by closing the form.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        iptal();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_odeme::done(int r)
{
    if (!m_kapandi) {
        m_kapandi = true;
        m_vs->kapat();
        Aktarim.cari_kod.clear();
        Aktarim.cari_unvan.clear();
        Aktarim.rapor_sablonu.clear();
        if (auto *e = findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->clear();
    }
    QDialog::done(r);
}

void Tfrm_odeme::girisAlaniniAyarla()
{
    const bool giriliyor = m_vs->duzenleniyorMu();
    m_giris->setEnabled(giriliyor);
    dugmeleriAyarla(!giriliyor);
}

void Tfrm_odeme::dugmeleriAyarla(bool bos)
{
    for (const char *ad : {"btn_yeni", "btn_sil"})
        if (auto *b = findChild<QPushButton *>(QLatin1String(ad)))
            b->setEnabled(bos);
    for (const char *ad : {"Yeni1", "Sil1"})
        if (auto *a = findChild<QAction *>(QLatin1String(ad)))
            a->setEnabled(bos);
    if (auto *m = findChild<QMenu *>(QStringLiteral("lem1"))) {
        m->setEnabled(bos);
        m->menuAction()->setEnabled(bos);
    }
}

void Tfrm_odeme::yeni()
{
    if (!izin(m_yetki.YENIKAYIT))
        return;
    if (m_vs->duzenleniyorMu())
        return; // one payment at a time: New is disabled while one is entered
    if (!m_vs->acikMi() && !m_vs->ac())
        return;
    if (!m_vs->ekle()) {
        m_vs->kapat();
        return;
    }
    const QString bugun = TarihMetni(QDate::currentDate());
    m_vs->degerAyarla(QStringLiteral("ISLEMTARIHI"), bugun);
    m_vs->degerAyarla(QStringLiteral("VADETARIHI"), bugun);
    m_vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    m_vs->degerAyarla(QStringLiteral("PARABIRIMI"), QStringLiteral("YTL"));
    m_vs->degerAyarla(QStringLiteral("ISLEMTURU"), QStringLiteral("C.Hareket"));
    m_vs->degerAyarla(QStringLiteral("BORC"), 0.0);
    m_vs->degerAyarla(QStringLiteral("ALACAK"), 0.0);
    m_vs->degerAyarla(QStringLiteral("KULLANICI"), Oturum.username);
    m_tutar->clear();
    girisAlaniniAyarla();
    const bool hazir = !Aktarim.cari_kod.isEmpty() && !Aktarim.cari_unvan.isEmpty();
    if (hazir) {
        m_vs->degerAyarla(QStringLiteral("CARIKOD"), Aktarim.cari_kod);
        m_vs->degerAyarla(QStringLiteral("CARIUNVAN"), Aktarim.cari_unvan);
        m_vs->degerAyarla(QStringLiteral("OZELKOD2"), Aktarim.cari_doktoradi);
    }
    m_baglayici->goster();
    if (!hazir && Aktarim.cari_kod.isEmpty() && Aktarim.cari_unvan.isEmpty())
        hesapBul();
    odakla(QStringLiteral("edt_tarih"));
}

void Tfrm_odeme::hesapBul()
{
    if (!m_vs->acikMi() || !m_vs->duzenleniyorMu())
        return;
    if (m_cari->isChecked())
        return; // a free account code has no register to look it up in
    const bool hasta = m_hasta->isChecked();
    QString kod, ad, doktor;
    {
        AramaPenceresi d(hasta ? QStringLiteral("frm_hastaarama") : QStringLiteral("frm_doktorarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        if (hasta) {
            kod = d.metin(QStringLiteral("HASTAKODU"));
            ad = d.metin(QStringLiteral("HASTAADISOYADI"));
            doktor = d.metin(QStringLiteral("DOKTORADI"));
        } else {
            kod = d.metin(QStringLiteral("DOKTORKODU"));
            ad = d.metin(QStringLiteral("DOKTORADISOYADI"));
        }
    }
    m_vs->degerAyarla(QStringLiteral("CARIUNVAN"), ad);
    m_vs->degerAyarla(QStringLiteral("CARIKOD"), kod);
    if (hasta)
        m_vs->degerAyarla(QStringLiteral("OZELKOD2"), doktor);
    m_baglayici->goster();
    odakla(QStringLiteral("edt_evrakno"));
}

void Tfrm_odeme::ozelKodIslemi(int hangi)
{
    if (!m_vs->duzenleniyorMu())
        return;
    const OzelKodSonucu s = OzelKodIslemi(parametre(3), m_vs->metin(QStringLiteral("OZELKOD1")),
                                          m_vs->metin(QStringLiteral("OZELKOD2")));
    if (s.tur == OzelKodSonucu::Tur::Hesaplandi) {
        // The special codes compute the debit: the amount box shows it.
        m_vs->degerAyarla(QStringLiteral("BORC"), s.borc);
        m_gider->setChecked(true);
        m_tutar->setText(SayiBicimle(s.borc, QStringLiteral("0.##")));
        return;
    }
    // Only the box being left is told about (see the movements screen).
    const QString mesaj = OzelKodMesaji(s, QStringLiteral("Özel Kod 1"), QStringLiteral("Özel Kod 2"));
    if (mesaj.isEmpty() || s.hataliKod != hangi)
        return;
    Mesaj::goster(mesaj, this);
    odakla(s.hataliKod == 1 ? QStringLiteral("edt_ozelkod1") : QStringLiteral("edt_ozelkod2"));
}

bool Tfrm_odeme::kaydet()
{
    if (!izin(m_yetki.KAYIT))
        return false;
    if (!m_vs->duzenleniyorMu())
        return true;
    // An impossible date or a bad number is said as such, not as an empty field.
    if (m_baglayici->dogrula())
        return false;
    if (m_vs->durum() == VeriSeti::Durum::Ekle) {
        if (m_vs->metin(QStringLiteral("CARIKOD")).trimmed().isEmpty()) {
            Mesaj::goster(QStringLiteral("Cari Kodu Boş Olamaz"), this);
            odakla(QStringLiteral("edt_carikod"));
            return false;
        }
        if (!m_vs->deger(QStringLiteral("ISLEMTARIHI")).isValid()
            || m_vs->deger(QStringLiteral("ISLEMTARIHI")).isNull()) {
            Mesaj::goster(QStringLiteral("Tarih Boş Olamaz"), this);
            odakla(QStringLiteral("edt_tarih"));
            return false;
        }
        if (m_vs->metin(QStringLiteral("ISLEMTURU")).trimmed().isEmpty()) {
            Mesaj::goster(QStringLiteral("İşlem Türü Boş Olamaz"), this);
            odakla(QStringLiteral("cmb_islemturu"));
            return false;
        }
    }
    // A payment of nothing is no payment.
    const QString yazilan = m_tutar->text().trimmed();
    const auto tutar = TutarOku(yazilan);
    if (yazilan.isEmpty() || (tutar && *tutar == 0.0)) {
        Mesaj::goster(QStringLiteral("Tutar Boş Olamaz"), this);
        odakla(QStringLiteral("edt_tutar"));
        return false;
    }
    if (!tutar || *tutar < 0) {
        Mesaj::goster(QStringLiteral("Tutar sıfırdan büyük bir sayı olmalı (örnek: 1.250,50)."), this);
        odakla(QStringLiteral("edt_tutar"));
        return false;
    }
    const bool gelir = gelirMi();
    if (!m_vs->degerAyarla(QStringLiteral("ALACAK"), gelir ? *tutar : 0.0)
        || !m_vs->degerAyarla(QStringLiteral("BORC"), gelir ? 0.0 : *tutar))
        return false;
    const bool ekleme = m_vs->durum() == VeriSeti::Durum::Ekle;
    const qint64 no = m_vs->anahtar();
    if (!m_vs->kaydet())
        return false; // the row stays on the form with what was typed
    if (ekleme)
        m_sonKayitNo = no;
    iptal();
    return true;
}

void Tfrm_odeme::iptal()
{
    m_vs->iptal();
    m_vs->kapat();
    m_tutar->clear();
    m_baglayici->goster();
    girisAlaniniAyarla();
}

void Tfrm_odeme::sil()
{
    if (!izin(m_yetki.SILME))
        return;
    if (!m_vs->acikMi() || m_vs->bosMu())
        return; // the form shows no stored row
    if (!Mesaj::soru(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "), this))
        return;
    // The only row the form ever holds is the payment being entered:
    // dropping it is its deletion, and nothing stored is touched.
    iptal();
}

void Tfrm_odeme::dekont()
{
    // The receipt of the payment on the form, or of the one just saved.
    EylemCalistir(QStringLiteral("Dekont"), this);
}

void Tfrm_odeme::raporlama()
{
    if (!izin(m_yetki.RAPOR))
        return;
    if (!RaporHizmeti().sablonSec || !RaporHizmeti().sablonSec(this, true))
        return;
    if (m_sonKayitNo == 0 || !RaporHizmeti().onizle)
        return;
    // The template over the payment last saved here.
    VeriSeti satir(QStringLiteral("CARI_HAREKET"));
    satir.selectMetniAyarla(SelectBasi(QStringLiteral("cari_hareket")) + QStringLiteral(" and KAYITNO=")
                            + SqlQuote(QString::number(m_sonKayitNo)) + QStringLiteral(" and sirketkodu=")
                            + SqlQuote(Oturum.sirketkodu) + QStringLiteral("  "));
    if (satir.ac())
        RaporHizmeti().onizle(&satir, Aktarim.rapor_sablonu, this);
}

void Tfrm_odeme::aciklamaNotlar()
{
    // Notes hang on a stored row: the payment last saved on this showing.
    if (m_vs->duzenleniyorMu() || m_sonKayitNo == 0)
        return;
    NotlariAc(this, int(m_sonKayitNo), EvrakTuru::CHareket, QString(), QString());
}
