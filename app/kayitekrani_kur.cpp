#include "app/kayitekrani.h"
#include "app/kayitekrani_ic.h"
#include "app/listebolucu.h"
#include "app/odakdavranisi.h"

// The record screen's construction in parts: toolbar, menus and buttons,
// the layout of edit area and list, the data set's events.
#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/parametre.h"
#include "app/raporhizmeti.h"
#include "app/yetki.h"
#include "db/baglayici.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace KayitEkraniIc;

void KayitEkrani::aracCubuguKur(QVBoxLayout *ana)
{
    // Toolbar.
    m_aracDuzeni = new QHBoxLayout;
    ana->addLayout(m_aracDuzeni);
    m_label20 = new QLabel(this);
    m_label20->setObjectName(QStringLiteral("Label20"));
    m_label20->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000"));
    m_aracDuzeni->addStretch(1);
    if (m_ayar.hizliMenu) {
        m_hizliMenu = HizliMenuKutusu(this, [this](const QString &ad) { hizliMenuSec(ad); });
        m_aracDuzeni->addWidget(m_hizliMenu);
    }
    m_aracDuzeni->addWidget(m_label20);
    if (!m_ayar.kilitli)
        m_label20->hide();

    struct D { const char *ad, *metin, *ipucu; };
    const D dugmeler[] = {
        {"btn_kaydet", "Kaydet", "Kaydet  F5"},
        {"btn_yeni", "Yeni", "Yeni Kayit  F2"},
        {"btn_sil", "Sil", "Kayit Sil   Ctrl+Del"},
        {"btn_iptal", "İptal", "İptal   F3"},
        {"btn_degistir", "Değiştir", "Değiştir/ Düzenle  F4"},
    };
    int yer = 0;
    auto ekle = [&](const QString &ad, const QString &metin, const QString &ipucu) {
        auto *b = new QPushButton(metin, this);
        b->setObjectName(ad);
        b->setToolTip(ipucu);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        m_aracDuzeni->insertWidget(yer++, b);
        return b;
    };
    for (const D &d : dugmeler)
        ekle(QString::fromUtf8(d.ad), QString::fromUtf8(d.metin), QString::fromUtf8(d.ipucu));
    if (!m_ayar.aramaEkrani.isEmpty())
        ekle(QStringLiteral("btn_firmabul"), QStringLiteral("Bul"), m_ayar.aramaIpucu);
    ekle(QStringLiteral("btn_kapat"), QStringLiteral("&"), QStringLiteral("Kapat  Ctrl+K"))
        ->setText(QStringLiteral("Kapat"));
}

void KayitEkrani::menuleriKur()
{
    // Menus: each menu twin runs exactly what its button does.
    auto *kayitMenu = m_menu->addMenu(QStringLiteral("Kayıt"));
    kayitMenu->setObjectName(QStringLiteral("Kayit1"));
    eylem(QStringLiteral("Yeni1"), QStringLiteral("Yeni"), QStringLiteral("F2"), kayitMenu, [this] { yeni(); });
    eylem(QStringLiteral("Kaydet1"), QStringLiteral("Kaydet"), QStringLiteral("F5"), kayitMenu, [this] { kaydetTusu(); });
    eylem(QStringLiteral("Deitir1"), QStringLiteral("Değiştir"), m_ayar.kilitli ? QStringLiteral("F4") : QString(),
          kayitMenu, [this] { degistir(); });
    eylem(QStringLiteral("ptal1"), QStringLiteral("İptal"), QStringLiteral("F3"), kayitMenu, [this] { iptal(); });
    eylem(QStringLiteral("Sil1"), QStringLiteral("Sil"), QStringLiteral("Ctrl+Del"), kayitMenu, [this] { sil(); });
    eylem(QStringLiteral("Yenile1"), QStringLiteral("Listeyi Yenile"), QStringLiteral("F9"), kayitMenu,
          [this] { listeyiYenile(); });
    if (!m_ayar.aramaEkrani.isEmpty()) {
        auto *arama = m_menu->addMenu(m_ayar.kilitli ? QStringLiteral(" Aramalar  ") : QStringLiteral("Ara"));
        arama->setObjectName(QStringLiteral("Arama1"));
        arama->menuAction()->setObjectName(QStringLiteral("Arama1"));
        eylem(m_ayar.aramaMenuAdi, m_ayar.aramaMenuBasligi, QStringLiteral("Ctrl+F"), arama, [this] { ara(); });
    }
    if (m_ayar.menuler) {
        auto *raporlar = m_menu->addMenu(QStringLiteral("Raporlar"));
        raporlar->setObjectName(QStringLiteral("Raporlar1"));
        eylem(QStringLiteral("ExceleAktar1"), QStringLiteral("Excele Aktar"), QStringLiteral("Ctrl+E"), raporlar,
              [this] { exceleAktar(); });
        eylem(QStringLiteral("Raporlama1"), QStringLiteral("Raporlama"), QStringLiteral("Ctrl+Alt+W"), raporlar,
              [this] { raporlama(); });
        eylem(QStringLiteral("Rapor1"), QStringLiteral("Rapor"), QStringLiteral("Ctrl+P"), raporlar,
              [this] { rapor(); });
        auto *islemler = m_menu->addMenu(QStringLiteral("İşlemler"));
        islemler->setObjectName(QStringLiteral("lem1"));
        islemler->menuAction()->setObjectName(QStringLiteral("lem1"));
        eylem(QStringLiteral("Dosya1"), QStringLiteral("Dosya Yönetimi"), QStringLiteral("Shift+D"), islemler,
              [this] { dosyaYonetimi(); });
        eylem(QStringLiteral("AciklamaNotlar1"), QStringLiteral("Aciklama-Notlar"), QStringLiteral("Ctrl+N"),
              islemler, [this] { aciklamaNotlar(); });
        eylem(QStringLiteral("HesapMakinesi1"), QStringLiteral("Hesap Makinesi"), m_ayar.hesapMakinesiKisayolu,
              nullptr, [this] { hesapMakinesi(); });
    }
    eylem(QStringLiteral("Kapat1"), m_ayar.kilitli ? QStringLiteral("    Kapat   ") : QStringLiteral("Kapat"),
          QStringLiteral("Ctrl+K"), nullptr, [this] { close(); });
}

void KayitEkrani::dugmeleriBagla()
{
    // The buttons run the operations directly; the light variant's buttons
    // trigger their menu items, which does the same.
    auto bagla = [this](const char *ad, std::function<void()> is) {
        if (QPushButton *b = dugme(QLatin1String(ad)))
            connect(b, &QPushButton::clicked, this, [is] { is(); });
    };
    bagla("btn_kaydet", [this] { kaydetTusu(); });
    bagla("btn_yeni", [this] { yeni(); });
    bagla("btn_sil", [this] { sil(); });
    bagla("btn_iptal", [this] { iptal(); });
    bagla("btn_degistir", [this] { degistir(); });
    bagla("btn_firmabul", [this] { ara(); });
    bagla("btn_kapat", [this] { close(); });
}

void KayitEkrani::yerlesimKur(QVBoxLayout *ana)
{
    // Edit area above, sort row and grid below, in a splitter the user
    // moves. The edit area scrolls when it is given less than it needs, so
    // that a small screen still shows a useful part of the list.
    m_ustAlan = new QWidget;
    auto *ustDuzen = new QVBoxLayout(m_ustAlan);
    ustDuzen->setContentsMargins(0, 0, 0, 0);
    m_duzenleme = new QWidget(m_ustAlan);
    m_duzenleme->setObjectName(m_ayar.duzenlemeAlaniAdi);
    ustDuzen->addWidget(m_duzenleme);
    m_listeAlani = new QWidget;
    m_listeAlani->setObjectName(QStringLiteral("Panel3"));
    auto *listeAlaniDuzeni = new QVBoxLayout(m_listeAlani);
    listeAlaniDuzeni->setContentsMargins(0, 0, 0, 0);
    m_izgara = new QTableView(this);
    m_izgara->setObjectName(m_ayar.izgaraAdi);
    m_bolucu = new ListeBolucu(m_ustAlan, m_listeAlani, m_izgara, VarsayilanSatirSayisi, this);
    m_bolucu->setObjectName(QStringLiteral("Splitter1"));
    m_bolucu->kaydirma()->setObjectName(QStringLiteral("ScrollBox1"));
    ana->addWidget(m_bolucu, 1);

    m_siralamaDuzeni = new QHBoxLayout;
    listeAlaniDuzeni->addLayout(m_siralamaDuzeni);
    if (!m_ayar.siralamaKolonlari.isEmpty()) {
        m_siralama = new QComboBox(this);
        m_siralama->setObjectName(QStringLiteral("cmb_index1"));
        m_siralama->setEditable(true);
        m_siralama->setInsertPolicy(QComboBox::NoInsert);
        m_siralama->addItems(m_ayar.siralamaKolonlari);
        m_siralama->setCurrentIndex(-1);
        m_siralama->setEditText(siralamaMetni);
        m_siralama->setMinimumWidth(180);
        connect(m_siralama, &QComboBox::activated, this,
                [this](int i) { siralamaSec(m_siralama->itemText(i)); });
        m_siralamaDuzeni->addWidget(m_siralama);
    }
    m_siralamaDuzeni->addStretch(1);

    m_listeDuzeni = new QVBoxLayout;
    listeAlaniDuzeni->addLayout(m_listeDuzeni, 1);
    m_model->gorunumeBagla(m_izgara);
    if (m_ayar.kilitli) {
        m_izgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_izgara->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    m_izgara->verticalHeader()->setDefaultSectionSize(22);
    m_listeDuzeni->addWidget(m_izgara);

    m_durumCubugu = new QStatusBar(this);
    m_durumCubugu->setObjectName(QStringLiteral("StatusBar1"));
    m_durumCubugu->setSizeGripEnabled(false);
    ana->addWidget(m_durumCubugu);
    if (!m_ayar.kayitSayisiDurumCubugunda)
        m_durumCubugu->hide();
}

void KayitEkrani::olaylariBagla()
{
    // Data set events.
    const bool yetkili = !m_ayar.modul.isEmpty() && m_ayar.olaylardaYetki;
    if (yetkili) {
        m_vs->eklemedenOnce = [this] { return IslemIzni(m_yetki.YENIKAYIT, this); };
        m_vs->duzenlemedenOnce = [this] {
            if (Yetkiler::izin(m_yetki.DEGISTIRME)
                || (m_ayar.duzenlemedeKayitYeter && Yetkiler::izin(m_yetki.KAYIT)))
                return true;
            Mesaj::goster(QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"), this);
            return false;
        };
        m_vs->silmedenOnce = [this] { return IslemIzni(m_yetki.SILME, this); };
    }
    m_vs->kaydetmedenOnce = [this, yetkili] {
        if (yetkili && !IslemIzni(m_yetki.KAYIT, this))
            return false;
        return m_ayar.kaydetmedenOnce ? m_ayar.kaydetmedenOnce() : true;
    };
    if (m_ayar.islemdeOnce)
        m_vs->islemdeOnce = m_ayar.islemdeOnce;
    if (m_ayar.islemdeSonra)
        m_vs->islemdeSonra = m_ayar.islemdeSonra;
    m_vs->yeniSatirDegerleri = [this] {
        if (m_ayar.yeniSatirDegerleri)
            m_ayar.yeniSatirDegerleri();
    };
    m_vs->kaydettiktenSonra = [this] {
        if (m_ayar.kaydettiktenSonra)
            m_ayar.kaydettiktenSonra();
    };
    connect(m_vs, &VeriSeti::gecerliSatirDegisti, this, [this] {
        if (m_ayar.satirDegisti)
            m_ayar.satirDegisti();
    });
    if (!m_ayar.kilitli)
        connect(m_vs, &VeriSeti::durumDegisti, this, &KayitEkrani::evrakEylemleriniGuncelle);
    if (m_ayar.kayitSayisiDurumCubugunda) {
        connect(m_vs, &VeriSeti::acildi, this, &KayitEkrani::sayiGuncelle);
        connect(m_vs, &VeriSeti::kapandi, this, &KayitEkrani::sayiGuncelle);
        connect(m_vs, &VeriSeti::satirEklendi, this, &KayitEkrani::sayiGuncelle);
        connect(m_vs, &VeriSeti::satirSilindi, this, &KayitEkrani::sayiGuncelle);
        // The count of a long list arrives after its first rows.
        connect(m_vs, &VeriSeti::sayiDegisti, this, &KayitEkrani::sayiGuncelle);
    }

    OdakDavranisi::Ayar odak;
    odak.renklendirme = m_ayar.odakRenklendirme;
    odak.memoHaric = m_ayar.odakRenkMemoHaric;
    odak.duzEdit = m_ayar.odakRenkDuzEdit;
    odak.enterIleIlerle = m_ayar.enterIleIlerle;
    m_odak = new OdakDavranisi(this, odak);
    for (Baglayici *b : std::as_const(m_baglayicilar))
        m_odak->baglayiciEkle(b);

    if (m_ayar.modul.isEmpty()) {
        // A screen without a module guards nothing.
        const QString e = QStringLiteral("E");
        m_yetki.bulundu = true;
        m_yetki.KAYIT = m_yetki.YENIKAYIT = m_yetki.DEGISTIRME = m_yetki.SILME = e;
        m_yetki.FORMGIRISI = m_yetki.RAPOR = m_yetki.OZELYETKI1 = m_yetki.OZELYETKI2 = e;
    }
}

QComboBox *HizliMenuKutusu(QWidget *ust, std::function<void(const QString &)> sec)
{
    auto *k = new QComboBox(ust);
    k->setObjectName(QStringLiteral("cmb_hizlimenu"));
    k->setEditable(true);
    k->setInsertPolicy(QComboBox::NoInsert);
    k->addItems({QStringLiteral("HASTALAR"), QStringLiteral("MUAYENE"), QStringLiteral("RANDEVU"),
                 QStringLiteral("LABORATUVAR"), QStringLiteral("TANILAR"), QStringLiteral("TETKİKLER"), QString(),
                 QStringLiteral("Kapat")});
    k->setCurrentIndex(-1);
    k->setEditText(hizliMenuMetni);
    k->setMinimumWidth(130);
    if (!sec)
        sec = [ust](const QString &ad) { HizliAc(ad, ust); };
    // Only a chosen item counts, never typed text.
    QObject::connect(k, &QComboBox::activated, ust, [k, sec](int i) { sec(k->itemText(i)); });
    return k;
}
