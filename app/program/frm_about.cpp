#include "app/program/frm_about.h"

#include "app/gorunum.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_about::Tfrm_about(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_about"));
    setWindowTitle(QStringLiteral("Firma Hakkında"));
    setStyleSheet(QStringLiteral("QDialog { background: #fafcfd; }"));

    auto *logo = new QLabel(this);
    logo->setPixmap(Gorunum::Logo(72));
    auto *ad = new QLabel(Gorunum::UrunAdi(), this);
    ad->setStyleSheet(QStringLiteral("color: #0f3d56; font-size: 16pt; font-weight: bold;"));
    // The package's version (debian/changelog), as --surum shows it.
    auto *surum = new QLabel(QStringLiteral("Klinik Yönetim Sistemi  —  Sürüm " VELMORIKA_SURUM), this);
    surum->setObjectName(QStringLiteral("lbl_surum"));
    surum->setStyleSheet(QStringLiteral("color: #176b87;"));
    auto *firma = new QLabel(QStringLiteral("Tervana Bilişim"), this);
    firma->setObjectName(QStringLiteral("lbl_firma"));
    firma->setStyleSheet(QStringLiteral("color: #0f3d56; font-size: 12pt; font-weight: bold;"));
    auto *aciklama = new QLabel(QStringLiteral("Muayenehane ve klinikler için hasta, muayene, randevu,\n"
                                               "laboratuvar, cari hesap ve rapor yönetimi."),
                                this);
    aciklama->setStyleSheet(QStringLiteral("color: #5b6b73;"));

    auto *tamam = new QPushButton(QStringLiteral("Tamam"), this);
    tamam->setObjectName(QStringLiteral("btn_tamam"));
    tamam->setDefault(true);
    connect(tamam, &QPushButton::clicked, this, &QDialog::accept);

    auto *metin = new QVBoxLayout;
    metin->addWidget(ad);
    metin->addWidget(surum);
    metin->addSpacing(10);
    metin->addWidget(firma);
    metin->addWidget(aciklama);
    auto *ust_ = new QHBoxLayout;
    ust_->addWidget(logo, 0, Qt::AlignTop);
    ust_->addSpacing(12);
    ust_->addLayout(metin, 1);
    auto *alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(tamam);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(20, 20, 20, 14);
    l->addLayout(ust_);
    l->addSpacing(12);
    l->addLayout(alt);
    setFixedSize(sizeHint());
}
