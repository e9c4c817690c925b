#include "klinik/frm_dosyabul.h"
#include "klinik/dosyagezgini.h"

#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_dosyabul::Tfrm_dosyabul(QWidget *ust)
    : QDialog(ust, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_dosyabul"));
    setWindowTitle(QStringLiteral("Dosya Bul"));
    setModal(true);

    m_gezgin = new DosyaGezgini({{QStringLiteral("Tüm Dosyalar  (*.*)"), QStringLiteral("*.*")},
                                 {QStringLiteral("Word"), QStringLiteral("*.doc")},
                                 {QStringLiteral("Excel"), QStringLiteral("*.xls")},
                                 {QStringLiteral("ZPD"), QStringLiteral("*.zpd")},
                                 {QStringLiteral("JPG"), QStringLiteral("*.jpg")},
                                 {QStringLiteral("DWG"), QStringLiteral("*.dwg")},
                                 {QStringLiteral("Zip"), QStringLiteral("*.zip")},
                                 {QStringLiteral("Rar"), QStringLiteral("*.rar")},
                                 {QStringLiteral("Text"), QStringLiteral("*.txt")},
                                 {QStringLiteral("Htm"), QStringLiteral("*.htm")},
                                 {QStringLiteral("Html"), QStringLiteral("*.html")},
                                 {QStringLiteral("Bmp"), QStringLiteral("*.bmp")},
                                 {QStringLiteral("Tif"), QStringLiteral("*.tif")}},
                                this);
    m_gezgin->setFixedSize(380, 420);

    auto *buton = new QPushButton(QStringLiteral("S e ci l e n       D o s y a y ı      K a y d e t"), this);
    buton->setObjectName(QStringLiteral("btn_kaydet"));
    buton->setAutoDefault(false);
    connect(buton, &QPushButton::clicked, this, &Tfrm_dosyabul::kaydet);

    auto *l = new QVBoxLayout(this);
    l->addWidget(m_gezgin);
    l->addWidget(buton);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrm_dosyabul::kaydet()
{
    const QString yol = m_gezgin->seciliDosya();
    if (yol.isEmpty())
        return;
    const QString yerel = QDir::toNativeSeparators(yol);
    if (secildi && !secildi(yerel))
        return;
    m_secilen = yerel;
    accept();
}
