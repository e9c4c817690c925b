#include "klinik/frm_resimgoster.h"
#include "klinik/jpeg.h"
#include "klinik/resimdeposu.h"
#include "app/mesaj.h"
#include "app/oturum.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

struct DosyaTuru
{
    const char *metin;
    const char *maske;
};
constexpr DosyaTuru Turler[] = {
    {"JPG", "*.jpg"},
    {"BMP", "*.bmp"},
    {"GIF", "*.gif"},
    {"All files (*.*)", "*.*"},
};

const QSize CerceveBoyutu(440, 330);

// "*.*" means every file, also those without a dot in their name.
QStringList maskeListesi(const QString &maske)
{
    QStringList sonuc;
    for (QString m : maske.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        m = m.trimmed();
        if (m.isEmpty())
            continue;
        sonuc << (m == QLatin1String("*.*") ? QStringLiteral("*") : m);
    }
    if (sonuc.isEmpty())
        sonuc << QStringLiteral("*");
    return sonuc;
}

} // namespace

Tfrm_resimgoster::Tfrm_resimgoster(QWidget *ust)
    : QDialog(ust, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_resimgoster"));
    setWindowTitle(QStringLiteral("Resim Göster"));
    setModal(true);

    m_surucu = new QComboBox(this);
    m_surucu->setObjectName(QStringLiteral("cmb_surucu"));
    for (const QFileInfo &s : QDir::drives())
        m_surucu->addItem(QDir::toNativeSeparators(s.absoluteFilePath()), s.absoluteFilePath());
    if (m_surucu->findData(QDir::homePath()) < 0)
        m_surucu->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());

    auto *klasorEtiketi = new QLabel(this);
    klasorEtiketi->setObjectName(QStringLiteral("lbl_klasor"));
    klasorEtiketi->setWordWrap(true);

    m_klasorler = new QListWidget(this);
    m_klasorler->setObjectName(QStringLiteral("lst_klasorler"));
    m_dosyalar = new QListWidget(this);
    m_dosyalar->setObjectName(QStringLiteral("lst_dosyalar"));

    m_maske = new QLineEdit(QStringLiteral("*.jpg"), this);
    m_maske->setObjectName(QStringLiteral("edt_maske"));
    m_maske->installEventFilter(this);

    m_tur = new QComboBox(this);
    m_tur->setObjectName(QStringLiteral("cmb_dosyaturu"));
    for (const DosyaTuru &t : Turler)
        m_tur->addItem(QString::fromUtf8(t.metin), QString::fromUtf8(t.maske));

    m_dosyaSec = new QPushButton(QStringLiteral("Dosya Seç..."), this);
    m_dosyaSec->setObjectName(QStringLiteral("btn_dosyasec"));
    m_dosyaSec->setAutoDefault(false);

    m_cerceve = new QScrollArea(this);
    m_cerceve->setObjectName(QStringLiteral("scr_resim"));
    m_cerceve->setFixedSize(CerceveBoyutu);
    m_cerceve->setAlignment(Qt::AlignCenter);
    m_resimEtiketi = new QLabel;
    m_resimEtiketi->setObjectName(QStringLiteral("img_resim"));
    m_resimEtiketi->setAlignment(Qt::AlignCenter);
    m_cerceve->setWidget(m_resimEtiketi);
    auto *resimKutusu = new QGroupBox(QStringLiteral("Resim"), this);
    resimKutusu->setObjectName(QStringLiteral("grp_resim"));
    auto *rk = new QVBoxLayout(resimKutusu);
    rk->addWidget(m_cerceve);

    m_sigdir = new QCheckBox(QStringLiteral("Sıgdır"), this);
    m_sigdir->setObjectName(QStringLiteral("chk_sigdir"));

    m_iliskilendir = new QPushButton(QStringLiteral("Secilen Resmi Kayıt ile İlişkilendir"), this);
    m_iliskilendir->setObjectName(QStringLiteral("btn_iliskilendir"));
    m_iliskilendir->setAutoDefault(false);

    m_hedefEtiketi = new QLabel(this);
    m_hedefEtiketi->setObjectName(QStringLiteral("lbl_hedef"));

    auto *sol = new QVBoxLayout;
    sol->addWidget(m_surucu);
    sol->addWidget(klasorEtiketi);
    sol->addWidget(m_klasorler, 1);
    sol->addWidget(m_dosyalar, 1);
    sol->addWidget(m_maske);
    sol->addWidget(m_tur);
    sol->addWidget(m_dosyaSec);
    auto *solKutu = new QWidget(this);
    solKutu->setLayout(sol);
    solKutu->setFixedWidth(260);

    auto *sag = new QVBoxLayout;
    sag->addWidget(resimKutusu);
    sag->addWidget(m_sigdir);
    sag->addWidget(m_hedefEtiketi);
    sag->addWidget(m_iliskilendir);
    sag->addStretch();

    auto *ana = new QHBoxLayout(this);
    ana->addWidget(solKutu);
    ana->addLayout(sag);
    ana->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_surucu, &QComboBox::activated, this, &Tfrm_resimgoster::surucuSecildi);
    connect(m_klasorler, &QListWidget::itemActivated, this, &Tfrm_resimgoster::klasorTiklandi);
    connect(m_dosyalar, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *yeni, QListWidgetItem *) { dosyaSecildi(yeni); });
    connect(m_tur, &QComboBox::currentIndexChanged, this, &Tfrm_resimgoster::turSecildi);
    connect(m_sigdir, &QCheckBox::toggled, this, [this] {
        // The frame may hold a reduced decode; the own-size view needs the whole picture.
        if (!m_veri.isEmpty())
            m_resim = m_sigdir->isChecked() ? Jpeg::kucukCoz(m_veri, m_cerceve->viewport()->size())
                                            : Jpeg::coz(m_veri);
        cerceveyiGuncelle();
    });
    connect(m_dosyaSec, &QPushButton::clicked, this, &Tfrm_resimgoster::dosyaSecDiyalog);
    connect(m_iliskilendir, &QPushButton::clicked, this, &Tfrm_resimgoster::iliskilendir);

    QString baslangic = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (baslangic.isEmpty() || !QDir(baslangic).exists())
        baslangic = QDir::homePath();
    klasoreGit(baslangic);
}

void Tfrm_resimgoster::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    QString h;
    ResimKlasorleriniHazirla(&h);   // a failure shows up when the picture is written
    if (!Aktarim.resim_turu.isEmpty() && !Aktarim.resim_adi.isEmpty())
        m_hedefEtiketi->setText(QStringLiteral("Kayıt resmi: ")
                                + ResimDosyaAdi(Aktarim.resim_turu, Aktarim.resim_adi));
    else
        m_hedefEtiketi->clear();
}

void Tfrm_resimgoster::done(int r)
{
    Aktarim.resim_turu.clear();
    Aktarim.resim_adi.clear();
    QDialog::done(r);
}

bool Tfrm_resimgoster::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == m_maske && olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent *>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            maskeyiUygula();
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

void Tfrm_resimgoster::klasoreGit(const QString &yol)
{
    const QDir d(yol);
    if (!d.exists())
        return;
    m_klasor = d.absolutePath();
    if (auto *e = findChild<QLabel *>(QStringLiteral("lbl_klasor")))
        e->setText(QDir::toNativeSeparators(m_klasor));

    m_klasorler->clear();
    if (!d.isRoot())
        m_klasorler->addItem(QStringLiteral(".."));
    const QStringList alt = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    m_klasorler->addItems(alt);
    dosyaListesiniDoldur();
}

void Tfrm_resimgoster::surucuSecildi(int i)
{
    klasoreGit(m_surucu->itemData(i).toString());
}

void Tfrm_resimgoster::klasorTiklandi(QListWidgetItem *oge)
{
    if (!oge)
        return;
    QDir d(m_klasor);
    if (oge->text() == QLatin1String(".."))
        d.cdUp();
    else
        d.cd(oge->text());
    klasoreGit(d.absolutePath());
}

void Tfrm_resimgoster::dosyaListesiniDoldur()
{
    const QSignalBlocker b(m_dosyalar);
    m_dosyalar->clear();
    const QDir d(m_klasor);
    m_dosyalar->addItems(d.entryList(maskeListesi(m_gecerliMaske), QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void Tfrm_resimgoster::turSecildi(int i)
{
    m_gecerliMaske = m_tur->itemData(i).toString();
    m_maske->setText(m_gecerliMaske);
    dosyaListesiniDoldur();
}

void Tfrm_resimgoster::maskeyiUygula()
{
    m_gecerliMaske = m_maske->text().trimmed();
    dosyaListesiniDoldur();
}

bool Tfrm_resimgoster::jpgTuruSecili() const
{
    return m_tur->currentText() == QLatin1String("JPG");
}

void Tfrm_resimgoster::dosyaSecildi(QListWidgetItem *oge)
{
    if (!oge)
        return;
    m_maske->setText(oge->text());
    if (jpgTuruSecili())
        dosyaYukle(QDir(m_klasor).filePath(oge->text()));
}

void Tfrm_resimgoster::dosyaYukle(const QString &yol)
{
    // Whatever was in the frame goes: a failed load must not leave an older
    // picture behind to be attached by mistake.
    m_veri.clear();
    m_resim = QImage();
    m_yukluDosya.clear();
    cerceveyiGuncelle();

    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) {
        Mesaj::hata(QStringLiteral("Dosya okunamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString()),
                    this);
        return;
    }
    const QByteArray veri = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        Mesaj::hata(QStringLiteral("Dosya okunamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString()),
                    this);
        return;
    }
    if (!Jpeg::imzaVar(veri)) {
        Mesaj::goster(QStringLiteral("Seçilen dosya bir JPEG resmi değil: %1").arg(QFileInfo(yol).fileName()), this);
        return;
    }
    QString neden;
    const QImage resim = m_sigdir->isChecked() ? Jpeg::kucukCoz(veri, m_cerceve->viewport()->size(), &neden)
                                               : Jpeg::coz(veri, &neden);
    if (resim.isNull()) {
        Mesaj::goster(QStringLiteral("Seçilen JPEG resmi bozuk ya da eksik: %1 (%2)")
                          .arg(QFileInfo(yol).fileName(), neden),
                      this);
        return;
    }
    m_veri = veri;
    m_resim = resim;
    m_yukluDosya = yol;
    cerceveyiGuncelle();
}

void Tfrm_resimgoster::cerceveyiGuncelle()
{
    if (m_resim.isNull()) {
        m_resimEtiketi->clear();
        m_resimEtiketi->resize(m_cerceve->viewport()->size());
        return;
    }
    if (m_sigdir->isChecked()) {
        const QSize alan = m_cerceve->viewport()->size();
        m_resimEtiketi->setPixmap(
            QPixmap::fromImage(m_resim.scaled(alan, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        m_resimEtiketi->resize(alan);
    } else {
        m_resimEtiketi->setPixmap(QPixmap::fromImage(m_resim));
        m_resimEtiketi->resize(m_resim.size());
    }
}

void Tfrm_resimgoster::dosyaSecDiyalog()
{
    const QString maske = m_tur->currentData().toString();
    const QString filtre = maske == QLatin1String("*.jpg")
                               ? QStringLiteral("JPG (*.jpg *.jpeg *.JPG *.JPEG)")
                               : m_tur->currentText() + QStringLiteral(" (") + maske + QLatin1Char(')');
    const QString yol = Mesaj::dosyaAc(QStringLiteral("Resim Seç"), m_klasor, filtre, this);
    if (yol.isEmpty())
        return;
    const QFileInfo fi(yol);
    klasoreGit(fi.absolutePath());
    const auto bulunan = m_dosyalar->findItems(fi.fileName(), Qt::MatchExactly);
    if (!bulunan.isEmpty()) {
        if (m_dosyalar->currentItem() == bulunan.first())
            dosyaSecildi(bulunan.first());
        else
            m_dosyalar->setCurrentItem(bulunan.first());
        return;
    }
    // Not matched by the list's mask (".jpeg"): treat it as the selected file all the same.
    m_maske->setText(fi.fileName());
    if (jpgTuruSecili())
        dosyaYukle(fi.absoluteFilePath());
}

void Tfrm_resimgoster::iliskilendir()
{
    if (Aktarim.resim_adi.isEmpty() || Aktarim.resim_turu.isEmpty() || !jpgTuruSecili())
        return;
    if (!m_veri.isEmpty()) {
        QString hata;
        if (!ResimKaydet(Aktarim.resim_turu, Aktarim.resim_adi, m_veri, &hata)) {
            Mesaj::hata(hata, this);   // window stays open, hand-over values kept
            return;
        }
    }
    accept();   // done() clears the hand-over values
}

void ResimPenceresiAc(QWidget *ust, const QString &tur, const QString &ad)
{
    Aktarim.resim_turu = tur;
    Aktarim.resim_adi = ad;
    Tfrm_resimgoster p(ust);
    p.exec();
}
