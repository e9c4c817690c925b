#include "klinik/frm_resimgoster.h"
#include "klinik/dosyagezgini.h"
#include "app/jpeg.h"
#include "app/resimdeposu.h"
#include "app/mesaj.h"
#include "app/oturum.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QSize CerceveBoyutu(440, 330);

} // namespace

Tfrm_resimgoster::Tfrm_resimgoster(QWidget *ust)
    : QDialog(ust, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_resimgoster"));
    setWindowTitle(QStringLiteral("Resim Göster"));
    setModal(true);

    m_gezgin = new DosyaGezgini({{QStringLiteral("JPG"), QStringLiteral("*.jpg")},
                                 {QStringLiteral("BMP"), QStringLiteral("*.bmp")},
                                 {QStringLiteral("GIF"), QStringLiteral("*.gif")},
                                 {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}},
                                this);

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
    sol->setContentsMargins(0, 0, 0, 0);
    sol->addWidget(m_gezgin, 1);
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

    connect(m_gezgin, &DosyaGezgini::dosyaSecildi, this, &Tfrm_resimgoster::dosyaSecildi);
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

QString Tfrm_resimgoster::klasor() const
{
    return m_gezgin->klasor();
}

void Tfrm_resimgoster::klasoreGit(const QString &yol)
{
    m_gezgin->klasoreGit(yol);
}

bool Tfrm_resimgoster::jpgTuruSecili() const
{
    return m_gezgin->seciliTurMetni() == QLatin1String("JPG");
}

void Tfrm_resimgoster::dosyaSecildi(const QString &yol)
{
    if (jpgTuruSecili())
        dosyaYukle(yol);
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
    const QString maske = m_gezgin->seciliTurMaskesi();
    const QString filtre = maske == QLatin1String("*.jpg")
                               ? QStringLiteral("JPG (*.jpg *.jpeg *.JPG *.JPEG)")
                               : m_gezgin->seciliTurMetni() + QStringLiteral(" (") + maske + QLatin1Char(')');
    const QString yol = Mesaj::dosyaAc(QStringLiteral("Resim Seç"), m_gezgin->klasor(), filtre, this);
    if (!yol.isEmpty())
        m_gezgin->dosyaSec(yol);
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
