#include "app/program/frm_menu.h"

#include "app/baglantidurumu.h"
#include "app/ekranlar.h"
#include "app/gorunum.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/parametre.h"
#include "db/baglantiizleyici.h"
#include "db/sqltext.h"
#include "app/verikoku.h"
#include "app/yetki.h"
#include "db/baglanti.h"
#include "db/guncelleme.h"
#include "db/sorgu.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Menu = Baglanti::Menu;

// The background picture; double-clicking it shows the maker's details.
class ArkaResim : public QWidget
{
public:
    explicit ArkaResim(QWidget *ust)
        : QWidget(ust)
    {
        setObjectName(QStringLiteral("Image1"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Gorunum::ArkaPlanCiz(p, rect(), true);
    }
    void mouseDoubleClickEvent(QMouseEvent *) override { EkranAc(QStringLiteral("frm_about"), window()); }
};

// The client area: plain colour, the picture over it, the product name on top.
class Zemin : public QWidget
{
public:
    Zemin(QWidget *ust, QWidget *&resim)
        : QWidget(ust)
    {
        setObjectName(QStringLiteral("pnl_zemin"));
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Gorunum::Acik);
        setPalette(pal);
        m_resim = new ArkaResim(this);
        resim = m_resim;
        m_logo = new QLabel(this);
        m_logo->setPixmap(Gorunum::Logo(84));
        m_logo->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_ad = new QLabel(Gorunum::UrunAdi(), this);
        m_ad->setObjectName(QStringLiteral("Label1"));
        m_ad->setStyleSheet(QStringLiteral("color: #0f3d56; font-size: 30pt; font-weight: bold;"));
        m_ad->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_alt = new QLabel(QStringLiteral("Klinik Yönetim Sistemi"), this);
        m_alt->setStyleSheet(QStringLiteral("color: #176b87; font-size: 13pt;"));
        m_alt->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        m_resim->setGeometry(rect());
        m_logo->adjustSize();
        m_ad->adjustSize();
        m_alt->adjustSize();
        const int x = 48;
        const int y = height() / 2 - 90;
        m_logo->move(x, y);
        m_ad->move(x + 104, y + 6);
        m_alt->move(x + 108, y + 6 + m_ad->height());
    }

private:
    QWidget *m_resim;
    QLabel *m_logo;
    QLabel *m_ad;
    QLabel *m_alt;
};

QString bugunMetni() { return QDate::currentDate().toString(TarihBicimi); }

} // namespace

Tfrm_menu::Tfrm_menu(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_menu"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(Gorunum::Logo(64)));
    resize(873, 600);
    move(0, 0);
    setStyleSheet(QStringLiteral(
        "QFrame#Panel1 { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 #dfeaf0);"
        " border-bottom: 1px solid #b7cdd8; }"
        "QFrame#Panel1 QToolButton { color: #0f3d56; font-weight: bold; border: 1px solid transparent;"
        " border-radius: 6px; padding: 4px; }"
        "QFrame#Panel1 QToolButton:hover { background: #d3e6ee; border-color: #9cc3d3; }"
        "QFrame#Panel1 QToolButton:pressed { background: #bcd8e4; }"
        "QStatusBar#StatusBar1 { background: #0f3d56; color: white; }"
        "QStatusBar#StatusBar1 QLabel { color: white; padding: 0 8px; }"
        "QStatusBar#StatusBar1::item { border: none; border-right: 1px solid #3f6f86; }"));

    menuKur();

    // The button panel
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *pl = new QHBoxLayout(panel);
    pl->setContentsMargins(8, 6, 8, 6);
    pl->setSpacing(4);
    using S = Gorunum::Simge;
    BitBtn3 = dugme("BitBtn3", QStringLiteral("&Hastalar"), int(S::Hasta));
    BitBtn6 = dugme("BitBtn6", QStringLiteral("&Muayene"), int(S::Muayene));
    BitBtn9 = dugme("BitBtn9", QStringLiteral("&Randevu"), int(S::Randevu));
    BitBtn4 = dugme("BitBtn4", QStringLiteral(" Laboratuvar"), int(S::Laboratuvar));
    BitBtn5 = dugme("BitBtn5", QStringLiteral("  Y.İşlemler"), int(S::Islemler));
    BitBtn7 = dugme("BitBtn7", QStringLiteral("Personel"), int(S::Personel));
    BitBtn8 = dugme("BitBtn8", QStringLiteral("  Ödeme"), int(S::Odeme));
    BitBtn2 = dugme("BitBtn2", QStringLiteral("Kapat"), int(S::Kapat));
    for (QToolButton *b : {BitBtn3, BitBtn6, BitBtn9, BitBtn4, BitBtn5, BitBtn7, BitBtn8})
        pl->addWidget(b);
    pl->addStretch();
    pl->addWidget(BitBtn2);
    connect(BitBtn3, &QToolButton::clicked, this, &Tfrm_menu::hastalarClick);
    connect(BitBtn6, &QToolButton::clicked, this, &Tfrm_menu::muayeneClick);
    connect(BitBtn9, &QToolButton::clicked, this, &Tfrm_menu::randevuClick);
    connect(BitBtn4, &QToolButton::clicked, this, &Tfrm_menu::laboratuvarClick);
    connect(BitBtn5, &QToolButton::clicked, this, &Tfrm_menu::yislemlerClick);
    connect(BitBtn7, &QToolButton::clicked, this, &Tfrm_menu::personelClick);
    connect(BitBtn8, &QToolButton::clicked, this, &Tfrm_menu::odemeClick);
    connect(BitBtn2, &QToolButton::clicked, this, &Tfrm_menu::close);

    // The main window has a quick menu like the record screens, kept hidden.
    auto *hizli = new QComboBox(this);
    hizli->setObjectName(QStringLiteral("cmb_hizlimenu"));
    hizli->hide();

    auto *zemin = new Zemin(this, m_resim);

    auto *durum = new QStatusBar(this);
    durum->setObjectName(QStringLiteral("StatusBar1"));
    durum->setSizeGripEnabled(false);
    const QString sabitler[4] = {QStringLiteral("Tervana Bilişim"), QStringLiteral("VELMORIKA Klinik Yönetim Sistemi"),
                                 QStringLiteral("Ver:03.07"), QString()};
    for (int i = 0; i < 5; ++i) {
        m_paneller[i] = new QLabel(i < 4 ? sabitler[i] : QString(), durum);
        m_paneller[i]->setObjectName(QStringLiteral("pnl_durum%1").arg(i + 1));
        durum->addWidget(m_paneller[i], i == 3 ? 1 : 0);
    }

    // A workstation on a server notices a restart or a network drop by itself.
    auto *izleyici = new BaglantiIzleyici(QString(), BaglantiIzleyici::VarsayilanAralikMs, this);
    if (izleyici->izliyorMu())
        new BaglantiDurumu(izleyici, this);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->setMenuBar(m_menu);
    l->addWidget(panel);
    l->addWidget(zemin, 1);
    l->addWidget(durum);

    // The window's own connection for its rights and parameter lookups.
    QString hata;
    if (!Baglanti::ac(Oturum.datayeri, Menu, &hata)) {
        Mesaj::hata(hata);
    } else {
        for (const char *s : {"select * from kullanicilar", "select * from PARAMETRELER", "select * from formparemetreleri"})
            if (!Sorgu::sec(QLatin1String(s), {}, Menu))
                break;
    }
}

Tfrm_menu::~Tfrm_menu() { Baglanti::kapat(Menu); }

QToolButton *Tfrm_menu::dugme(const char *ad, const QString &yazi, int simge)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(ad));
    b->setText(yazi);
    b->setIcon(Gorunum::Ikon(static_cast<Gorunum::Simge>(simge), 40));
    b->setIconSize(QSize(40, 40));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumSize(88, 72);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QAction *Tfrm_menu::eylemEkle(QWidget *menu, const char *ad, const QString &yazi, const QKeySequence &kisayol)
{
    auto *a = new QAction(yazi, this);
    a->setObjectName(QLatin1String(ad));
    if (!kisayol.isEmpty()) {
        a->setShortcut(kisayol);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a); // the shortcut works wherever the focus is in the window
    }
    menu->addAction(a);
    m_eylemler.insert(a->objectName(), a);
    return a;
}

void Tfrm_menu::menuKur()
{
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    auto alt = [this](QWidget *ust, const char *ad, const QString &yazi) {
        auto *m = new QMenu(yazi, ust);
        m->setObjectName(QLatin1String(ad));
        if (auto *mb = qobject_cast<QMenuBar *>(ust))
            mb->addMenu(m);
        else
            static_cast<QMenu *>(ust)->addMenu(m);
        return m;
    };
    auto bagla = [](QAction *a, auto *nesne, auto yuva) { QObject::connect(a, &QAction::triggered, nesne, yuva); };

    bagla(eylemEkle(m_menu, "Hastalar1", QStringLiteral("[ Hastalar")), this, &Tfrm_menu::hastalarClick);
    bagla(eylemEkle(m_menu, "Muayene1", QStringLiteral("Muayene")), this, &Tfrm_menu::muayeneClick);
    bagla(eylemEkle(m_menu, "Randevu1", QStringLiteral("Randevu")), this, &Tfrm_menu::randevuClick);
    // These four run their buttons.
    bagla(eylemEkle(m_menu, "Laboratuvar1", QStringLiteral("Laboratuvar")), this, [this] { BitBtn4->click(); });
    bagla(eylemEkle(m_menu, "YIslemler1", QStringLiteral("Y.İşlemler")), this, [this] { BitBtn5->click(); });
    bagla(eylemEkle(m_menu, "Personel1", QStringLiteral("Personel")), this, [this] { BitBtn7->click(); });
    bagla(eylemEkle(m_menu, "Odeme1", QStringLiteral("Ödeme ]")), this, [this] { BitBtn8->click(); });

    QMenu *branslar = alt(m_menu, "Branslar1", QStringLiteral("Branşlar"));
    bagla(eylemEkle(branslar, "GENEL1", QStringLiteral("GENEL")), this,
          [this] { ac(QStringLiteral("MUAYENE"), QStringLiteral("frm_muayene"), maksimum()); });
    bagla(eylemEkle(branslar, "GOZ1", QStringLiteral("GÖZ")), this, [this] { EkranAc(QStringLiteral("frm_goz"), this); });

    QMenu *diger = alt(m_menu, "Diger1", QStringLiteral("Diğer"));
    bagla(eylemEkle(diger, "HesapMakinesi1", QStringLiteral("Hesap Makinesi"), QKeySequence(Qt::CTRL | Qt::Key_H)), this,
          [this] { EkranAc(QStringLiteral("frm_hesapmakinesi"), this); });
    bagla(eylemEkle(diger, "UyariSistemi1", QStringLiteral("Uyarı Sistemi"), QKeySequence(Qt::CTRL | Qt::Key_U)), this,
          [this] { ac(QStringLiteral("UYARI"), QStringLiteral("frm_uyari")); });
    bagla(eylemEkle(diger, "SmsGonder1", QStringLiteral("Sms Gönder")), this,
          [this] { ac(QStringLiteral("SMS"), QStringLiteral("frm_sms1")); });

    QMenu *listeler = alt(m_menu, "Listeler1", QStringLiteral("Listeler"));
    bagla(eylemEkle(listeler, "TaniListesi1", QStringLiteral("Tanı Listesi")), this,
          [this] { ac(QStringLiteral("TANILAR"), QStringLiteral("frm_tanilar")); });
    bagla(eylemEkle(listeler, "TetkikListesi1", QStringLiteral("Tetkik Listesi")), this,
          [this] { ac(QStringLiteral("TETKİKLER"), QStringLiteral("frm_laboratuvarlar")); });
    bagla(eylemEkle(listeler, "IslemListesi1", QStringLiteral("İşlem Listesi")), this,
          [this] { ac(QStringLiteral("İŞLEMLER"), QStringLiteral("frm_islemler")); });

    QMenu *raporlar = alt(m_menu, "Raporlar1", QStringLiteral("Raporlar"));
    bagla(eylemEkle(raporlar, "HastaRapor1", QStringLiteral("Hasta")), this,
          [this] { ac(QStringLiteral("HASTARAPOR"), QStringLiteral("frm_hastarapor")); });
    bagla(eylemEkle(raporlar, "MuayeneRapor1", QStringLiteral("Muayene")), this,
          [this] { ac(QStringLiteral("MUAYENERAPOR"), QStringLiteral("frm_muayenerapor")); });
    bagla(eylemEkle(raporlar, "GozRapor1", QStringLiteral("Göz")), this,
          [this] { EkranAc(QStringLiteral("frm_gozmuayeneraporu"), this); });
    bagla(eylemEkle(raporlar, "RandevuRapor1", QStringLiteral("Randevu")), this,
          [this] { ac(QStringLiteral("RANDEVURAPOR"), QStringLiteral("frm_randevurapor")); });
    bagla(eylemEkle(raporlar, "LabRapor1", QStringLiteral("Laboratuvar ")), this,
          [this] { ac(QStringLiteral("LABRAPORLARI"), QStringLiteral("frm_muhlabrapor")); });
    bagla(eylemEkle(raporlar, "YapilanIslemlerRapor1", QStringLiteral("Yapılan İşlemler")), this,
          [this] { ac(QStringLiteral("YİŞLEMLER"), QStringLiteral("frm_yislemlerrapor")); });
    bagla(eylemEkle(raporlar, "CariHareketRapor1", QStringLiteral("Cari Hareket")), this,
          [this] { ac(QStringLiteral("CH RAPOR"), QStringLiteral("frm_carihareketrapor")); });
    QMenu *cok = alt(raporlar, "CokKullanilanRaporlar1", QStringLiteral("Çok Kullanılan Raporlar"));
    bagla(eylemEkle(cok, "GunlukFaaliyetRaporu1", QStringLiteral("Günlük Faaliyet Raporu")), this,
          [this] { EylemCalistir(QStringLiteral("gunlukfaaliyetraporu"), this); });
    bagla(eylemEkle(cok, "GunlukGelirGiderRaporu1", QStringLiteral("Günlük Gelir-Gider Raporu")), this,
          [this] { EylemCalistir(QStringLiteral("gunlukgelirgiderraporu"), this); });
    bagla(eylemEkle(cok, "GunlukDoktorHakedisRaporu1", QStringLiteral("Günlük Doktor Hakediş Raporu")), this,
          [this] { EylemCalistir(QStringLiteral("gunlukdoktorhakedisraporu"), this); });

    QMenu *sistem = alt(m_menu, "Sistem1", QStringLiteral("Sistem"));
    bagla(eylemEkle(sistem, "Kullanicilar1", QStringLiteral("Kullanıcılar")), this,
          [this] { HizliAc(QStringLiteral("KULLANICILAR"), this, Menu); });
    bagla(eylemEkle(sistem, "KullaniciYetkileri1", QStringLiteral("Kullanıcı Yetkileri")), this,
          [this] { HizliAc(QStringLiteral("MODULLER"), this, Menu); });
    bagla(eylemEkle(sistem, "VeriKontrol1", QStringLiteral("Veri Kontrol İşlemleri")), this,
          [this] { HizliAc(QStringLiteral("VERİ KONTROL"), this, Menu); });
    sistem->addSeparator();
    bagla(eylemEkle(sistem, "Yedekleme1", QStringLiteral("Yedekleme")), this, &Tfrm_menu::yedekleme);

    bagla(eylemEkle(m_menu, "Kapat1", QStringLiteral("Kapat"), QKeySequence(Qt::CTRL | Qt::Key_K)), this,
          &Tfrm_menu::close);
}

bool Tfrm_menu::maksimum() const { return Oturum.menuParametresi(1) == QLatin1String("E"); }

void Tfrm_menu::ac(const QString &modul, const QString &ekran, bool maks, const QString &baslik)
{
    if (!GirisIzni(modul, this, Menu))
        return;
    EkranAc(ekran, this, maks, baslik);
}

void Tfrm_menu::hastalarClick()
{
    ac(QStringLiteral("HASTALAR"), QStringLiteral("frm_hastalar"), maksimum(), Oturum.menuParametresi(6));
}

void Tfrm_menu::muayeneClick()
{
    if (!GirisIzni(QStringLiteral("MUAYENE"), this, Menu))
        return;
    // The clinic's branch decides which examination screen "Muayene" means.
    const QString brans = Oturum.menuParametresi(2);
    if (brans.isEmpty() || brans == QLatin1String("GENEL"))
        EkranAc(QStringLiteral("frm_muayene"), this, maksimum());
    else if (brans == QStringLiteral("GÖZ"))
        EkranAc(QStringLiteral("frm_goz"), this, maksimum());
}

void Tfrm_menu::randevuClick() { ac(QStringLiteral("RANDEVU"), QStringLiteral("frm_randevu"), maksimum()); }

void Tfrm_menu::laboratuvarClick()
{
    if (!GirisIzni(QStringLiteral("LABORATUVAR"), this, Menu))
        return;
    const bool goz = Oturum.menuParametresi(2) == QStringLiteral("GÖZ");
    EkranAc(QStringLiteral("frm_muayene_lab"), this, maksimum(), Oturum.menuParametresi(4), [goz](QDialog *d) {
        if (!goz)
            return;
        // An eye clinic starts on the "GÖZ" page.
        QWidget *sayfa = d->findChild<QWidget *>(QStringLiteral("TabSheet4"));
        for (QWidget *w = sayfa ? sayfa->parentWidget() : nullptr; w; w = w->parentWidget())
            if (auto *t = qobject_cast<QTabWidget *>(w)) {
                t->setCurrentWidget(sayfa);
                break;
            }
    });
}

void Tfrm_menu::yislemlerClick() { EkranAc(QStringLiteral("frm_yapilanislemler"), this); }
void Tfrm_menu::personelClick() { EkranAc(QStringLiteral("frm_doktorlar"), this); }
void Tfrm_menu::odemeClick() { EkranAc(QStringLiteral("frm_odeme"), this); }

void Tfrm_menu::yedekleme()
{
    if (!Mesaj::soru(QStringLiteral("Yedekleme Yapmak İstiyor musunuz ? "), this))
        return;
    const QString kok = VeriKoku();
#ifdef Q_OS_WIN
    const QString betik = QDir(kok).filePath(QStringLiteral("YEDEKLE.bat"));
    const QString program = QStringLiteral("cmd.exe");
    const QStringList argumanlar = {QStringLiteral("/c"), QStringLiteral("start"), QString(), betik};
#else
    const QString betik = kok + QStringLiteral("/YEDEKLE.sh");
    const QString program = QStringLiteral("/bin/sh");
    const QStringList argumanlar = {betik};
#endif
    // Prepared at installation, outside the program: missing means no backup, silently.
    if (!QFile::exists(betik))
        return;
    QProcess::startDetached(program, argumanlar, kok);
}

void Tfrm_menu::setVisible(bool gorunur)
{
    const bool ilk = gorunur && !m_gosterildi;
    if (ilk) {
        m_gosterildi = true;
        gosterimAdimlari();
    }
    QDialog::setVisible(gorunur);
    if (ilk)
        QTimer::singleShot(0, this, &Tfrm_menu::ilkEtkinlesme);
}

void Tfrm_menu::gosterimAdimlari()
{
    m_paneller[3]->setText(QStringLiteral("Database : ") + Oturum.datayeri);
    m_paneller[4]->setText(bugunMetni());
    setWindowTitle(QStringLiteral("V E L M O R I K A  [ Ver:03.07 ]                Şirket : ") + Oturum.sirketkodu
                   + QStringLiteral("  [ ") + Oturum.sirketunvani + QStringLiteral(" ]            Kullanıcı : ")
                   + Oturum.username);
    QStringList slotlar;
    for (const QString &s : Oturum.menuparametre)
        slotlar << s;
    if (ParametreOku(QStringLiteral("MENU"), slotlar, Menu))
        for (int i = 0; i < 10; ++i)
            Oturum.menuparametre[i] = slotlar.at(i);
    parametreleriUygula();
}

void Tfrm_menu::parametreleriUygula()
{
    if (maksimum())
        setWindowState(windowState() | Qt::WindowMaximized);
    if (Oturum.menuParametresi(3) == QLatin1String("H"))
        m_resim->hide();
    auto baslik = [this](QToolButton *b, const char *eylemAdi, int n) {
        const QString s = Oturum.menuParametresi(n);
        if (s.isEmpty())
            return;
        b->setText(s);
        m_eylemler.value(QLatin1String(eylemAdi))->setText(s);
    };
    baslik(BitBtn4, "Laboratuvar1", 4);
    baslik(BitBtn5, "YIslemler1", 5);
    baslik(BitBtn3, "Hastalar1", 6);
    baslik(BitBtn6, "Muayene1", 7);
}

void Tfrm_menu::ilkEtkinlesme()
{
    if (m_ilkEtkinlesmeBitti || !isVisible())
        return;
    Guncelleme::calistir(Baglanti::Paylasilan);
    // Reminders after login, unless the user's "UYARI" row says "H". Nothing
    // is said while the reminder screen is not part of the program.
    if (UyariAcilsinMi(Menu) && EkranVar(QStringLiteral("frm_uyari")))
        EkranAc(QStringLiteral("frm_uyari"), this);
    m_ilkEtkinlesmeBitti = true;
    emit ilkEtkinlesmeBitti();
}

void Tfrm_menu::sorusuzKapat()
{
    m_sorusuz = true;
    close();
}

void Tfrm_menu::reject()
{
    // Every way of closing (button, menu, Ctrl+K, close box, Esc) comes here.
    if (!m_sorusuz && !Mesaj::soru(QStringLiteral("Programı Kapatmak mi İstiyorsunuz?"), this))
        return;
    Baglanti::kapat(Menu);
    QDialog::reject();
}
