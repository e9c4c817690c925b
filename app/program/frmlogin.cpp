#include "app/program/frmlogin.h"

#include "app/kullanicilar.h"

#include "app/program/frm_menu.h"
#include "app/program/frm_sirket_ara.h"
#include "app/gorunum.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/yerler.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/baglanti.h"
#include "db/baglayici.h"
#include "db/sorgu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A double column as the text the program keys on: "3", not "3.0".
QString sayiMetni(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return QString();
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return v.toString();
    if (std::floor(d) == d && std::fabs(d) < 1e15)
        return QString::number(static_cast<qint64>(d));
    return QString::number(d, 'g', 15);
}

QString metin(const QVariant &v) { return v.isNull() ? QString() : v.toString(); }

} // namespace

TfrmLogin::TfrmLogin(QWidget *ust)
    : QWidget(ust)
{
    kur();
    baslat(nullptr);
}

TfrmLogin::TfrmLogin(const QString &konum, QWidget *ust)
    : QWidget(ust)
{
    kur();
    baslat(&konum);
}

TfrmLogin::~TfrmLogin()
{
    delete m_anaPencere.data();
}

void TfrmLogin::kur()
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("V E L M O R I K A                      Şifre Girişi                  Tervana Bilişim"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(560, 310);
    // Only this window's own controls: the dialogs it opens keep their own look.
    setStyleSheet(QStringLiteral(
        "QLineEdit#edt_sirket, QLineEdit#edt_kullanici_adi, QLineEdit#edt_sifre { border: 1px solid #b7cdd8;"
        " border-radius: 4px; padding: 4px 6px; background: white; selection-background-color: #2a9d8f; }"
        "QLineEdit { lineedit-password-character: 42; }" // passwords as "*"
        "QLineEdit#edt_kullanici_adi:focus, QLineEdit#edt_sifre:focus { border: 1px solid #2a9d8f;"
        " background: #f3fbfa; }"
        "QLineEdit#edt_sirket { background: #eef4f7; color: #0f3d56; font-weight: bold; }"
        "QLineEdit#edt_sirket:focus { border: 1px solid #2a9d8f; }"
        "QPushButton#btnOkey, QPushButton#btnCancel { border: 1px solid #b7cdd8; border-radius: 6px;"
        " background: white; }"
        "QPushButton#btnOkey:hover, QPushButton#btnCancel:hover { background: #e6f2f5; border-color: #2a9d8f; }"
        "QPushButton#btnOkey:focus, QPushButton#btnCancel:focus { border: 2px solid #2a9d8f; }"
        "QPushButton#btnOkey:pressed, QPushButton#btnCancel:pressed { background: #cfe6ec; }"));

    // Left: the emblem and the product name
    m_yanPanel = new QWidget(this);
    m_yanPanel->setObjectName(QStringLiteral("pnl_logo"));
    m_yanPanel->setFixedWidth(210);
    m_yanPanel->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *logo = new QLabel(m_yanPanel);
    logo->setObjectName(QStringLiteral("img_logo"));
    logo->setPixmap(Gorunum::Logo(96));
    logo->setAlignment(Qt::AlignCenter);
    auto *urun = new QLabel(Gorunum::UrunAdi(), m_yanPanel);
    urun->setObjectName(QStringLiteral("lbl_urun"));
    urun->setAlignment(Qt::AlignCenter);
    urun->setStyleSheet(QStringLiteral("color: white; font-size: 15pt; font-weight: bold;"));
    auto *alt = new QLabel(QStringLiteral("Klinik Yönetim Sistemi"), m_yanPanel);
    alt->setAlignment(Qt::AlignCenter);
    alt->setStyleSheet(QStringLiteral("color: #cfe8ef; font-size: 9pt;"));
    auto *firma = new QLabel(QStringLiteral("Tervana Bilişim"), m_yanPanel);
    firma->setAlignment(Qt::AlignCenter);
    firma->setStyleSheet(QStringLiteral("color: #9cc6d3; font-size: 8pt;"));
    auto *yl = new QVBoxLayout(m_yanPanel);
    yl->setContentsMargins(10, 34, 10, 14);
    yl->addWidget(logo);
    yl->addSpacing(12);
    yl->addWidget(urun);
    yl->addWidget(alt);
    yl->addStretch();
    yl->addWidget(firma);

    // Right: the three boxes and the two buttons
    auto *baslik = new QLabel(QStringLiteral("Şifre Girişi"), this);
    baslik->setObjectName(QStringLiteral("lbl_baslik"));
    baslik->setStyleSheet(QStringLiteral("color: #0f3d56; font-size: 15pt; font-weight: bold;"));
    auto *aciklama = new QLabel(QStringLiteral("Şirket, kullanıcı adı ve şifrenizle giriş yapınız."), this);
    aciklama->setStyleSheet(QStringLiteral("color: #5b6b73;"));

    edt_sirket = new QLineEdit(QStringLiteral("2007"), this);
    edt_sirket->setObjectName(QStringLiteral("edt_sirket"));
    edt_sirket->setReadOnly(true);
    edt_sirket->setToolTip(QStringLiteral("Sağ tuş ya da Ctrl+S: Şirket Sec"));
    edt_kullanici_adi = new QLineEdit(QStringLiteral("VELMOR"), this);
    edt_kullanici_adi->setObjectName(QStringLiteral("edt_kullanici_adi"));
    edt_kullanici_adi->setToolTip(QStringLiteral("Kullanıcı Adını Yazınız"));
    edt_kullanici_adi->setMaxLength(20);
    edt_sifre = new QLineEdit(QStringLiteral("KLINIK"), this);
    edt_sifre->setObjectName(QStringLiteral("edt_sifre"));
    edt_sifre->setToolTip(QStringLiteral("Şifrenizi Giriniz"));
    edt_sifre->setEchoMode(QLineEdit::Password);
    edt_sifre->setMaxLength(10);
    BuyukHarf::surekli(edt_kullanici_adi);
    // The password is compared as typed: case counts, nothing is upper-cased.

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    auto etiket = [this](const QString &t, const char *ad) {
        auto *l = new QLabel(t, this);
        l->setObjectName(QLatin1String(ad));
        l->setStyleSheet(QStringLiteral("color: #0f3d56; font-weight: bold;"));
        return l;
    };
    form->addRow(etiket(QStringLiteral("  Şirket"), "lbl_sirket"), edt_sirket);
    form->addRow(etiket(QStringLiteral("  Kullanici"), "lbl_kullanici"), edt_kullanici_adi);
    form->addRow(etiket(QStringLiteral("  Sifre"), "lbl_sifre"), edt_sifre);

    btnOkey = new QPushButton(this);
    btnOkey->setObjectName(QStringLiteral("btnOkey"));
    btnOkey->setToolTip(QStringLiteral("Tamam"));
    btnOkey->setIcon(Gorunum::Ikon(Gorunum::Simge::Tamam, 30));
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setToolTip(QStringLiteral("İptal"));
    btnCancel->setIcon(Gorunum::Ikon(Gorunum::Simge::Iptal, 30));
    for (QPushButton *b : {btnOkey, btnCancel}) {
        b->setIconSize(QSize(30, 30));
        b->setFixedSize(64, 44);
        // Enter on a focused button presses it; there is no default button.
        b->setAutoDefault(true);
        b->setDefault(false);
    }
    connect(btnOkey, &QPushButton::clicked, this, &TfrmLogin::btnOkeyClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmLogin::btnCancelClick);
    auto *dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(btnOkey);
    dugmeler->addWidget(btnCancel);

    lbl_datayeri = new QLabel(QStringLiteral("Database : "), this);
    lbl_datayeri->setObjectName(QStringLiteral("lbl_datayeri"));
    lbl_datayeri->setStyleSheet(QStringLiteral("color: #7a8a92; font-size: 8pt;"));
    lbl_datayeri->setTextInteractionFlags(Qt::NoTextInteraction);

    auto *sag = new QVBoxLayout;
    sag->setContentsMargins(26, 26, 22, 12);
    sag->addWidget(baslik);
    sag->addWidget(aciklama);
    sag->addSpacing(18);
    sag->addLayout(form);
    sag->addSpacing(14);
    sag->addLayout(dugmeler);
    sag->addStretch();
    sag->addWidget(lbl_datayeri);

    auto *ana = new QHBoxLayout(this);
    ana->setContentsMargins(1, 1, 1, 1);
    ana->setSpacing(0);
    ana->addWidget(m_yanPanel);
    ana->addLayout(sag, 1);

    setTabOrder(edt_sirket, edt_kullanici_adi);
    setTabOrder(edt_kullanici_adi, edt_sifre);
    setTabOrder(edt_sifre, btnOkey);
    setTabOrder(btnOkey, btnCancel);
    for (QLineEdit *e : {edt_sirket, edt_kullanici_adi, edt_sifre})
        e->installEventFilter(this);

    // Context menu of the window (and of the company box): the company picker.
    auto *sirketSecEylemi = new QAction(QStringLiteral("Şirket Sec"), this);
    sirketSecEylemi->setObjectName(QStringLiteral("SirketSec1"));
    sirketSecEylemi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    sirketSecEylemi->setShortcutContext(Qt::WindowShortcut);
    connect(sirketSecEylemi, &QAction::triggered, this, &TfrmLogin::sirketSec);
    addAction(sirketSecEylemi);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    edt_sirket->setContextMenuPolicy(Qt::ActionsContextMenu);
    edt_sirket->addAction(sirketSecEylemi);

    setAutoFillBackground(false);
    if (QScreen *ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    edt_kullanici_adi->setFocus();
}

void TfrmLogin::baslat(const QString *konum)
{
    if (konum)
        m_konum = *konum;
    m_konumVerildi = konum != nullptr;
    baglan();
}

bool TfrmLogin::baglan()
{
    QString yer = m_konum, hata;
    if (!m_konumVerildi && !Yerler::veritabaniYeri(&yer, &hata)) {
        Mesaj::hata(hata);
        return false;
    }
    Oturum.datayeri = yer;
    if (!Baglanti::ac(yer, Baglanti::Paylasilan, &hata)) {
        // The window says which database it tried, also once the message is gone.
        lbl_datayeri->setText(QStringLiteral("Database : ") + yer + QStringLiteral("  (bağlanılamadı)"));
        Mesaj::hata(hata);
        // Another program holds the file: nothing here can work until it
        // is closed, so this one ends instead of waiting at the login.
        if (Baglanti::sonHataKullanimda())
            QMetaObject::invokeMethod(this, [] { ProgramiSonlandir(); }, Qt::QueuedConnection);
        return false;
    }
    // Only proves that both tables can be read.
    if (!Sorgu::sec(QStringLiteral("select * from elemanlar")))
        return false;
    if (!Sorgu::sec(QStringLiteral("select * from PARAMETRELER")))
        return false;
    lbl_datayeri->setText(QStringLiteral("Database : ") + yer);
    return true;
}

void TfrmLogin::btnOkeyClick()
{
    auto dur = [](const QString &mesaj, QLineEdit *kutu) {
        Mesaj::goster(mesaj, kutu->window());
        kutu->setFocus();
    };
    if (edt_sirket->text().isEmpty())
        return dur(QStringLiteral("Şirket Kodu Boş Kalamaz"), edt_sirket);
    if (edt_kullanici_adi->text().isEmpty())
        return dur(QStringLiteral("Kullanici Adi Boş Kalamaz"), edt_kullanici_adi);
    if (edt_sifre->text().isEmpty())
        return dur(QStringLiteral("Şifre Adi Boş Kalamaz"), edt_sifre);
    // Not connected at start (database missing, server down): try again now.
    if (!Baglanti::vt(Baglanti::Paylasilan).isOpen() && !baglan())
        return;

    // Stored passwords are hashes (or still clear from an earlier release).
    const auto s = Kullanicilar::girisBul(edt_kullanici_adi->text(), edt_sifre->text());
    if (!s)
        return; // the error has been shown, nothing changes
    if (s->satirlar.isEmpty())
        return dur(QStringLiteral("Kullanici Adi Ve Şifre Uyuşmuyor"), edt_sifre);

    edt_sifre->clear();
    // The first row returned is the user.
    Oturum.kullanici_kodu = sayiMetni(s->deger(0, QStringLiteral("KULLANICI_KODU")));
    Oturum.sirketkodu = edt_sirket->text();
    // The company typed rather than picked: its title and address come from
    // the company register, so that the caption and the reports carry them.
    if (Oturum.sirketunvani.isEmpty()) {
        const auto sirket = Sorgu::sec(QStringLiteral("select sirketunvani, sirketadresi, vdairesi, vno from sirketler "
                                                      "where sirketkodu = ? order by kayitno"),
                                       {Oturum.sirketkodu});
        if (sirket && !sirket->satirlar.isEmpty()) {
            Oturum.sirketunvani = metin(sirket->deger(0, QStringLiteral("SIRKETUNVANI")));
            Oturum.sirketadresi = metin(sirket->deger(0, QStringLiteral("SIRKETADRESI")));
            Oturum.vdairesi = metin(sirket->deger(0, QStringLiteral("VDAIRESI")));
            Oturum.vno = metin(sirket->deger(0, QStringLiteral("VNO")));
        }
    }
    Oturum.username = metin(s->deger(0, QStringLiteral("USERNAME")));
    Oturum.kullaniciadisoyadi = metin(s->deger(0, QStringLiteral("KULLANICI_ADI"))) + QStringLiteral(" ")
                                + metin(s->deger(0, QStringLiteral("KULLANICI_SOYADI")));
    anaPencereyiAc();
}

void TfrmLogin::anaPencereyiAc()
{
    auto *menu = new Tfrm_menu(nullptr);
    m_anaPencere = menu;
    // The main window's closing closes this window, which ends the program.
    connect(menu, &QDialog::finished, this, [this] { close(); });
    hide();
    if (!m_modal) {
        menu->show();
        return;
    }
    menu->exec();
    delete m_anaPencere.data();
    close();
    QCoreApplication::quit();
}

void TfrmLogin::btnCancelClick() { close(); }

void TfrmLogin::sirketSec()
{
    Tfrm_sirket_ara d(this);
    if (d.exec() != QDialog::Accepted)
        return;
    edt_sirket->setText(Oturum.sirketkodu);
    edt_kullanici_adi->setFocus();
}

bool TfrmLogin::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent *>(e)->key();
        if (t == Qt::Key_Return || t == Qt::Key_Enter) {
            // Enter walks to the next control and never logs in.
            if (o == edt_sirket)
                edt_kullanici_adi->setFocus(Qt::TabFocusReason);
            else if (o == edt_kullanici_adi)
                edt_sifre->setFocus(Qt::TabFocusReason);
            else if (o == edt_sifre)
                btnOkey->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TfrmLogin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xfa, 0xfc, 0xfd));
    const QRect yan(0, 0, m_yanPanel->width() + 1, height());
    QLinearGradient g(yan.topLeft(), yan.bottomRight());
    g.setColorAt(0, Gorunum::Ana);
    g.setColorAt(1, Gorunum::Koyu);
    p.fillRect(yan, g);
    // A thin accent line between the halves and a frame around the window.
    p.fillRect(QRect(yan.right() + 1, 0, 3, height()), Gorunum::Vurgu);
    p.setPen(QColor(0x0f, 0x3d, 0x56));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TfrmLogin::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_surukle = e->globalPosition().toPoint() - frameGeometry().topLeft();
    QWidget::mousePressEvent(e);
}

void TfrmLogin::mouseMoveEvent(QMouseEvent *e)
{
    // The window has no title bar: it is moved by dragging its body.
    if (e->buttons() & Qt::LeftButton)
        move(e->globalPosition().toPoint() - m_surukle);
    QWidget::mouseMoveEvent(e);
}
