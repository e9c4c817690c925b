// The patient's pictures: the photo on the first tab and the four gallery
// slots of the "Görüntüler" tab, both shown by the shared picture gallery.
// The screen keeps the rights and the picture window.
#include "hastalar/frm_hastalar.h"

#include "app/ekranlar.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "app/resimgalerisi.h"
#include "app/yetki.h"
#include "db/veriseti.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QTabWidget>
#include <QUrl>

namespace {
// The tab "Görüntüler" is the fourth of the edit area.
constexpr int GoruntulerSekmesi = 3;
}

void Tfrm_hastalar::goruntulerSekmesiKur()
{
    ResimGalerisi::Ayar ayar;
    ayar.tur = ResimTuru::Hasta;
    ayar.yuvalar = {{1, QStringLiteral("Image2"), QStringLiteral("btn_resimekle")},
                    {2, QStringLiteral("Image3"), QStringLiteral("BitBtn3")},
                    {3, QStringLiteral("Image4"), QStringLiteral("BitBtn8")},
                    {4, QStringLiteral("Image5"), QStringLiteral("BitBtn15")}};
    ayar.boyut = QSize(200, 160);
    m_galeri = new ResimGalerisi(ayar);
    m_galeri->setObjectName(QStringLiteral("ts_goruntuler"));
    connect(m_galeri, &ResimGalerisi::eklemeIstendi, this, &Tfrm_hastalar::resimEkle);
    connect(m_galeri, &ResimGalerisi::resimTiklandi, this, [this](int, const QString &dosya) {
        if (veriSeti()->anahtar() > 0)
            QDesktopServices::openUrl(QUrl::fromLocalFile(dosya));
    });
    m_sekmeler->addTab(m_galeri, QStringLiteral("Görüntüler"));
    // The gallery is read only when its tab is opened.
    connect(m_sekmeler, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == GoruntulerSekmesi)
            goruntuleriGoster();
    });
}

void Tfrm_hastalar::fotografGoster()
{
    // Cleared "Resimini Göster" keeps the last picture in the frame.
    if (!m_resimGoster || !m_resimGoster->isChecked() || !m_fotograf)
        return;
    const qint64 no = veriSeti()->anahtar();
    m_fotograf->kayitAyarla(no > 0 ? QString::number(no) : QString());
}

void Tfrm_hastalar::goruntuleriGoster()
{
    const qint64 no = veriSeti()->anahtar();
    m_galeri->kayitAyarla(no > 0 ? QString::number(no) : QString());
}

void Tfrm_hastalar::resimEkle(int slot)
{
    if (!IslemIzni(yetkiler().OZELYETKI1, this))
        return;
    const qint64 no = veriSeti()->anahtar();
    if (no <= 0)
        return;
    Aktarim.resim_turu = ResimTuru::Hasta;
    Aktarim.resim_adi = ResimGalerisi::resimAdi(QString::number(no), slot);
    EkranAc(QStringLiteral("frm_resimgoster"), this);
    if (slot == 0)
        fotografGoster();
    else
        goruntuleriGoster();
}
