#include "klinik/muayenesatirekrani.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/kayitekrani.h"
#include "app/mesaj.h"
#include "app/notdosya.h"
#include "app/raporhizmeti.h"
#include "app/oturum.h"
#include "app/odakdavranisi.h"
#include "db/baglayici.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "klinik/muayenesatirlari.h"
#include "klinik/tetkiksatirlari.h"
#include "raporlar/motor/rapor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using CariIsleme::Kaynak;

namespace {

QList<TabloKolonu> listeKolonlari()
{
    QList<TabloKolonu> k;
    const std::pair<const char *, const char *> kolonlar[] = {
        {"KAYITNO", "M.NO"},       {"MUAYENETARIHI", "MU. TARIHI"}, {"HASTAKODU", "H. KODU"},
        {"HASTAADISOYADI", "H.ADI SOYADI"}, {"DOKTORKODU", "DR KODU"}, {"DOKTORADI", "DOKTOR ADI"}};
    for (const auto &[ad, baslik] : kolonlar) {
        TabloKolonu t;
        t.kolon = QLatin1String(ad);
        t.baslik = QString::fromUtf8(baslik);
        k << t;
    }
    return k;
}

} // namespace


MuayeneSatirEkrani::MuayeneSatirEkrani(SatirEkraniAyari ayar, QWidget *ust)
    : QDialog(ust), m_ayar(std::move(ayar))
{
    setObjectName(m_ayar.pencereAdi);
    setWindowTitle(m_ayar.baslik + QStringLiteral("           V E L M O R I K A            ")
                   + QStringLiteral(" ŞİRKET : ") + Oturum.sirketkodu);
    // The size of the other record screens: both grids show their columns.
    resize(1000, 700);
    m_yetki = YetkiOku(Oturum.kullanici_kodu, m_ayar.modul, Oturum.sirketkodu);
    const auto satirAyari = MuayeneSatirlari::ayar(m_ayar.tur);
    m_genel = new VeriSeti(QStringLiteral("MUAYENE"), this);
    m_goz = new VeriSeti(QStringLiteral("GOZHASTALIKLARI"), this);
    m_satir = new VeriSeti(satirAyari.tablo, this);
    m_bag = new Baglayici(m_satir, this);
    // Focus colouring and Enter as Tab of the record screens, over the line's controls.
    (new OdakDavranisi(this, OdakDavranisi::Ayar()))->baglayiciEkle(m_bag);

    auto *ana = new QHBoxLayout(this);
    auto *sol = new QVBoxLayout;
    m_sekmeler = new QTabWidget;
    m_sekmeler->setObjectName(QStringLiteral("PageControl1"));
    auto *genelSayfa = new QWidget;
    genelSayfa->setObjectName(QStringLiteral("TabSheet1"));
    auto *gozSayfa = new QWidget;
    gozSayfa->setObjectName(QStringLiteral("TabSheet4"));
    m_sekmeler->addTab(genelSayfa, QStringLiteral("GENEL"));
    m_sekmeler->addTab(gozSayfa, QStringLiteral("GÖZ"));
    sol->addWidget(m_sekmeler, 0);
    // One list grid; its model follows the tab.
    m_liste = new QTableView;
    m_liste->setObjectName(QStringLiteral("DBGrid1"));
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_genelModel = new TabloModeli(m_genel, this);
    m_genelModel->kolonlariAyarla(listeKolonlari());
    m_gozModel = new TabloModeli(m_goz, this);
    m_gozModel->kolonlariAyarla(listeKolonlari());
    sol->addWidget(m_liste, 1);

    m_altSekmeler = new QTabWidget;
    m_altSekmeler->setObjectName(QStringLiteral("PageControl2"));
    auto *izgara = new QTableView;
    izgara->setObjectName(QStringLiteral("DBGrid2"));
    auto *satirModel = new TabloModeli(m_satir, izgara);
    satirModel->kolonlariAyarla(m_ayar.kolonlar);
    satirModel->gorunumeBagla(izgara);
    izgara->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_altSekmeler->addTab(izgara, m_ayar.tur == CariIsleme::SatirTuru::Laboratuvar ? QStringLiteral("LABORATUVAR")
                                                                                   : QStringLiteral("İŞLEMLER"));
    sol->addWidget(m_altSekmeler, 2);
    ana->addLayout(sol, 1);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    ana->setMenuBar(menu);
    QAction *odemeEylemi = menu->addAction(QStringLiteral("ÖDEME"));
    odemeEylemi->setObjectName(QStringLiteral("DEME1"));
    connect(odemeEylemi, &QAction::triggered, this, &MuayeneSatirEkrani::odeme);
    QMenu *aramalar = menu->addMenu(QStringLiteral(" Aramalar  "));
    aramalar->setObjectName(QStringLiteral("Aramalar1"));
    m_aramalar = aramalar;
    QAction *muayeneAra = aramalar->addAction(QStringLiteral("Muayene Ara"));
    muayeneAra->setObjectName(QStringLiteral("MuayeneAra1"));
    muayeneAra->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(muayeneAra, &QAction::triggered, this, &MuayeneSatirEkrani::muayeneAra);
    QMenu *raporlar = menu->addMenu(QStringLiteral("Raporlar"));
    raporlar->setObjectName(QStringLiteral("Raporlar1"));
    auto raporEylemi = [this, raporlar](const char *ad, const QString &metin, const QString &kisayol,
                                        std::function<void()> f) {
        QAction *a = raporlar->addAction(metin);
        a->setObjectName(QLatin1String(ad));
        a->setShortcut(QKeySequence(kisayol));
        connect(a, &QAction::triggered, this, std::move(f));
    };
    raporEylemi("ExceleAktar1", QStringLiteral("Excele Aktar"), QStringLiteral("Ctrl+E"), [this] { exceleAktar(); });
    raporEylemi("Raporlama1", QStringLiteral("Raporlama"), QStringLiteral("Ctrl+Alt+W"), [this] { rapor(false); });
    raporEylemi("Rapor1", QStringLiteral("Rapor"), QStringLiteral("Ctrl+P"), [this] { rapor(true); });
    QMenu *islemler = m_islemler = menu->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("islemler1"));
    auto eylem = [this, islemler](const char *ad, const QString &metin, const QString &kisayol,
                                  void (MuayeneSatirEkrani::*f)()) {
        QAction *a = islemler->addAction(metin);
        a->setObjectName(QLatin1String(ad));
        a->setShortcut(QKeySequence(kisayol));
        connect(a, &QAction::triggered, this, f);
    };
    eylem("Dosya1", QStringLiteral("Dosya Yönetimi"), QStringLiteral("Shift+D"), &MuayeneSatirEkrani::dosyalar);
    eylem("AciklamaNotlar1", QStringLiteral("Aciklama-Notlar"), QStringLiteral("Ctrl+N"),
          &MuayeneSatirEkrani::notlar);
    QAction *kapat = menu->addAction(QStringLiteral("    Kapat   "));
    kapat->setObjectName(QStringLiteral("Kapat1"));
    kapat->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(kapat, &QAction::triggered, this, &QDialog::close);
    // The lookup of the screen also opens from the line grid.
    connect(izgara, &QTableView::doubleClicked, this, [this] {
        if (bul && !aramaAcik)
            bul();
    });
    connect(m_liste, &QTableView::doubleClicked, this, [this] { hastayaGit(); });

    m_yan = new QVBoxLayout;
    m_yan->addWidget(HizliMenuKutusu(this));
    auto dugme = [this](const char *ad, const QString &metin, std::function<void()> f) {
        auto *b = new QPushButton(metin);
        b->setObjectName(QLatin1String(ad));
        b->setAutoDefault(false); // Enter moves between the line's boxes, it never saves
        connect(b, &QPushButton::clicked, this, std::move(f));
        m_yan->addWidget(b);
    };
    dugme("btn_kaydet", QStringLiteral("Kaydet  F5"), [this] { kaydet(); });
    dugme("btn_yeni", QStringLiteral("Yeni Kayit  F2"), [this] {
        if (IslemIzni(m_yetki.YENIKAYIT, this))
            yeniSatir();
    });
    dugme("btn_sil", QStringLiteral("Kayit Sil   Ctrl+Del"), [this] {
        if (IslemIzni(m_yetki.SILME, this))
            sil();
    });
    dugme("btn_iptal", QStringLiteral("İptal   F3"), [this] { iptal(); });
    dugme("BitBtn7", m_ayar.tur == CariIsleme::SatirTuru::Laboratuvar ? QStringLiteral("Laboratuvar Formu")
                                                                       : QStringLiteral("İşlem Formu"),
          [this] { formuBas(); });
    m_seri = new QCheckBox(m_ayar.seriMetni);
    m_seri->setObjectName(QStringLiteral("chk_seri"));
    m_yan->addWidget(m_seri);
    ana->addLayout(m_yan);

    // A line always belongs to the examination selected on the tab shown.
    m_satir->yeniSatirDegerleri = [this] {
        if (m_ayar.yeniSatir)
            m_ayar.yeniSatir(*m_satir, *muayeneler(), kaynak());
    };
    m_satir->kaydetmedenOnce = [this] {
        const qint64 no = m_satir->deger(QStringLiteral("MUAYENENO")).toLongLong();
        if (!MuayeneSatirlari::kaydetmedenOnce(kaynak(), no, this))
            return false;
        TetkikSatirlari::payHesapla(*m_satir);
        return true;
    };
    // The examination's totals and postings go in the line's own save.
    MuayeneSatirlari::kayittaIsle(*m_satir, MuayeneSatirlari::ayar(m_ayar.tur), [this] { return kaynak(); },
                                  [this] { return m_satir->deger(QStringLiteral("MUAYENENO")).toLongLong(); });
    m_satir->kaydettiktenSonra = [this] { satirKaydedildi(); };

    connect(m_sekmeler, &QTabWidget::currentChanged, this, [this] { listeyiYukle(); });
    for (VeriSeti *vs : {m_genel, m_goz}) {
        connect(vs, &VeriSeti::gecerliSatirDegisti, this, [this, vs] {
            if (vs == muayeneler())
                satirlariYukle();
        });
        connect(vs, &VeriSeti::acildi, this, [this, vs] {
            if (vs == muayeneler())
                satirlariYukle();
        });
    }
    listeyiYukle();
}

MuayeneSatirEkrani::~MuayeneSatirEkrani() = default;

Kaynak MuayeneSatirEkrani::kaynak() const
{
    return m_sekmeler->currentIndex() == 1 ? Kaynak::Goz : Kaynak::Genel;
}

VeriSeti *MuayeneSatirEkrani::muayeneler() const
{
    return kaynak() == Kaynak::Goz ? m_goz : m_genel;
}

qint64 MuayeneSatirEkrani::seciliMuayene() const
{
    VeriSeti *vs = muayeneler();
    return vs->acikMi() && !vs->bosMu() ? vs->anahtar() : 0;
}

void MuayeneSatirEkrani::listeyiYukle()
{
    const bool goz = kaynak() == Kaynak::Goz;
    VeriSeti *vs = muayeneler();
    const QString tablo = CariIsleme::muayeneTablosu(kaynak());
    vs->selectMetniAyarla(QStringLiteral("select * from ") + tablo + QStringLiteral(" where 1=1 ")
                          + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                          + (goz ? QString() : m_ayar.genelKosul) + QStringLiteral("    order by ") + tablo
                          + QStringLiteral(".muayenetarihi, ") + tablo + QStringLiteral(".kayitno"));
    (goz ? m_gozModel : m_genelModel)->gorunumeBagla(m_liste);
    if (vs->ac()) {
        vs->kesinKayitSayisi();
        vs->son();
    }
    satirlariYukle();
}

void MuayeneSatirEkrani::satirlariYukle()
{
    if (m_satir->duzenleniyorMu())
        return;
    const qint64 no = seciliMuayene();
    if (no <= 0) {
        m_satir->kapat();
        return;
    }
    const QString tablo = MuayeneSatirlari::ayar(m_ayar.tur).tablo;
    m_satir->selectMetniAyarla(MuayeneSatirlari::formSelecti(MuayeneSatirlari::ayar(m_ayar.tur),
                                                             muayeneler()->metin(QStringLiteral("HASTAKODU")), no,
                                                             kaynak())
                               + QStringLiteral(" order by ") + tablo + QLatin1Char('.') + m_ayar.formSiralama
                               + QStringLiteral(", ") + tablo + QStringLiteral(".kayitno"));
    if (m_satir->ac())
        m_satir->kesinKayitSayisi();
}

bool MuayeneSatirEkrani::yeniSatir()
{
    if (seciliMuayene() <= 0)
        return false;
    if (!m_satir->acikMi())
        satirlariYukle();
    if (m_satir->duzenleniyorMu() && !m_satir->kaydet())
        return false;
    if (!m_satir->acikMi() || !m_satir->ekle())
        return false;
    if (bul && !aramaAcik && (m_ayar.yenideAra || m_seri->isChecked())) {
        aramaAcik = true;
        bul();
        aramaAcik = false;
    }
    return true;
}

bool MuayeneSatirEkrani::kaydet()
{
    if (!m_satir->acikMi() || m_satir->bosMu())
        return false;
    if (m_satir->duzenleniyorMu())
        return m_satir->kaydet();
    // Nothing pending: the totals are written once more.
    return MuayeneSatirlari::yenidenIsle(MuayeneSatirlari::ayar(m_ayar.tur), kaynak(), seciliMuayene(), this);
}

void MuayeneSatirEkrani::satirKaydedildi()
{
    // The save's transaction has ended: the serial entry may open the lookup.
    if (m_seri->isChecked())
        QTimer::singleShot(0, this, [this] { yeniSatir(); });
}

void MuayeneSatirEkrani::sil()
{
    if (!m_satir->acikMi() || m_satir->bosMu())
        return;
    if (m_satir->durum() == VeriSeti::Durum::Ekle) {
        m_satir->iptal();
        return;
    }
    if (!Mesaj::soru(m_ayar.silmeSorusu, this))
        return;
    if (m_satir->durum() == VeriSeti::Durum::Duzenle)
        m_satir->iptal();
    const qint64 no = m_satir->deger(QStringLiteral("MUAYENENO")).toLongLong();
    if (MuayeneSatirlari::satirSil(*m_satir, MuayeneSatirlari::ayar(m_ayar.tur), kaynak(), no, this))
        Mesaj::goster(m_ayar.silindiMesaji, this);
}

void MuayeneSatirEkrani::iptal()
{
    if (m_satir->duzenleniyorMu())
        m_satir->iptal();
}

// The form of the examination selected on the tab shown, its own source's lines.
void MuayeneSatirEkrani::formuBas()
{
    if (!IslemIzni(m_yetki.RAPOR, this))
        return;
    const qint64 no = seciliMuayene();
    if (no <= 0)
        return;
    if (m_satir->duzenleniyorMu() && !m_satir->kaydet())
        return;
    const QString tablo = MuayeneSatirlari::ayar(m_ayar.tur).tablo;
    m_satir->selectMetniAyarla(QStringLiteral("select * from ") + tablo + QStringLiteral(" where 1=1 ")
                               + QStringLiteral(" and hastakodu =")
                               + SqlQuote(muayeneler()->metin(QStringLiteral("HASTAKODU")))
                               + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                               + QStringLiteral(" and muayeneno =") + SqlQuote(QString::number(no))
                               + QStringLiteral(" and ") + CariIsleme::kaynakKosulu(kaynak())
                               + QStringLiteral(" order by ") + tablo + QLatin1Char('.') + m_ayar.formSiralama
                               + QStringLiteral(", ") + tablo + QStringLiteral(".kayitno"));
    if (m_satir->ac()) {
        VeriSetiKaynagi k(*m_satir);
        Rapor r;
        r.baglan(&k);
        if (r.yukle(m_ayar.formSablonu, this)) {
            r.baslikAyarla(m_ayar.formSablonu);
            r.onizle(this);
        }
    }
    satirlariYukle();
}

void MuayeneSatirEkrani::odeme()
{
    // the patient of the tab's own examination: an eye examination is paid on its own patient
    if (seciliMuayene() <= 0)
        return;
    VeriSeti *vs = muayeneler();
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = vs->metin(QStringLiteral("HASTAKODU"));
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    EkranAc(QStringLiteral("frm_odeme"), this, false, QString(), [ad](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
    });
}

void MuayeneSatirEkrani::exceleAktar()
{
    if (!IslemIzni(m_yetki.RAPOR, this))
        return;
    if (RaporHizmeti().disaAktar)
        RaporHizmeti().disaAktar(m_satir, this);
}

// tasarim false ("Raporlama"): choosing is open to everyone, changing a
// template needs the report right; true ("Rapor"): the right first, then
// the chosen template printed.
void MuayeneSatirEkrani::rapor(bool tasarim)
{
    if (tasarim && !IslemIzni(m_yetki.RAPOR, this))
        return;
    if (!RaporHizmeti().sablonSec)
        return;
    const bool secildi = RaporHizmeti().sablonSec(this, tasarim || Yetkiler::izin(m_yetki.RAPOR));
    if (tasarim && secildi && RaporHizmeti().onizle)
        RaporHizmeti().onizle(m_satir, Aktarim.rapor_sablonu, this);
}

void MuayeneSatirEkrani::muayeneAra()
{
    // the lookup lists general examinations: show their tab first
    if (kaynak() != Kaynak::Genel)
        m_sekmeler->setCurrentIndex(0);
    if (m_satir->duzenleniyorMu())
        return;
    AramaPenceresi d(QStringLiteral("frm_muayenearama"), this);
    const QString sonuc = d.calistir();
    if (sonuc == QLatin1String("-1"))
        return;
    m_genel->bul(sonuc.toLongLong());
}

void MuayeneSatirEkrani::hastayaGit()
{
    // the patient of the tab's own examination, for those who may see it
    if (m_yetki.OZELYETKI1 != QLatin1String("E") || m_yetki.OZELYETKI2 != QLatin1String("E"))
        return;
    if (seciliMuayene() <= 0)
        return;
    Aktarim.hasta_hastakodu = muayeneler()->metin(QStringLiteral("HASTAKODU"));
    EkranAc(QStringLiteral("frm_hastalar"), this);
}

bool MuayeneSatirEkrani::evrakAcilabilir() const
{
    // notes hang on a line that exists: not on a pending new one
    return seciliMuayene() > 0 && m_satir->acikMi() && !m_satir->bosMu()
           && m_satir->durum() != VeriSeti::Durum::Ekle && m_satir->anahtar() > 0;
}

void MuayeneSatirEkrani::notlar()
{
    if (!evrakAcilabilir())
        return;
    NotlariAc(this, int(m_satir->anahtar()), m_ayar.evrakTuru, m_satir->metin(QStringLiteral("HASTAKODU")),
              m_satir->metin(QStringLiteral("HASTAADISOYADI")));
}

void MuayeneSatirEkrani::dosyalar()
{
    if (!evrakAcilabilir())
        return;
    DosyalariAc(this, int(m_satir->anahtar()), m_ayar.evrakTuru);
}
