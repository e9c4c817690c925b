#include "app/program/ilkacilis.h"

#include "app/mesaj.h"
#include "app/verikoku.h"
#include "app/yerler.h"
#include "db/baglanti.h"
#include "db/istasyonayari.h"
#include "db/olustur.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

IlkAcilis::IlkAcilis(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_ilkacilis"));
    setWindowTitle(QStringLiteral("VELMORIKA - İlk Açılış"));
    setMinimumWidth(560);

    auto *aciklama = new QLabel(QStringLiteral("Bu bilgisayarda henüz bir veritabanı tanımlı değil. Nasıl "
                                               "başlamak istersiniz?"),
                                this);
    aciklama->setWordWrap(true);

    m_ornek = new QRadioButton(QStringLiteral("Örnek veritabanını oluştur (yalnız bu bilgisayar)"), this);
    m_ornek->setObjectName(QStringLiteral("rb_ornek"));
    m_ornek->setChecked(true);
    auto *ornekYeri = new QLabel(QStringLiteral("Dosya: %1\nGiriş: şirket 2007, kullanıcı VELMOR, şifre KLINIK")
                                     .arg(QDir::toNativeSeparators(ornekVeritabaniYolu())),
                                 this);
    ornekYeri->setObjectName(QStringLiteral("lbl_ornekyeri"));
    ornekYeri->setStyleSheet(QStringLiteral("color: #5b6b73; margin-left: 22px;"));

    m_sunucu = new QRadioButton(QStringLiteral("Sunucudaki veritabanına bağlan (birden çok bilgisayar)"), this);
    m_sunucu->setObjectName(QStringLiteral("rb_sunucu"));
    m_konumKutusu = new QLineEdit(this);
    m_konumKutusu->setObjectName(QStringLiteral("edt_konum"));
    m_konumKutusu->setPlaceholderText(QStringLiteral("sunucu:/var/lib/firebird/3.0/data/VELMORIKA.FDB"));
    m_kullanici = new QLineEdit(this);
    m_kullanici->setObjectName(QStringLiteral("edt_kullanici"));
    m_kullanici->setPlaceholderText(QStringLiteral("VELMORIKA"));
    m_sifre = new QLineEdit(this);
    m_sifre->setObjectName(QStringLiteral("edt_sifre"));
    m_sifre->setEchoMode(QLineEdit::Password);
    auto *form = new QFormLayout;
    form->setContentsMargins(22, 0, 0, 0);
    form->addRow(QStringLiteral("Veritabanı yeri:"), m_konumKutusu);
    form->addRow(QStringLiteral("Veritabanı kullanıcısı:"), m_kullanici);
    form->addRow(QStringLiteral("Şifresi:"), m_sifre);
    auto *not_ = new QLabel(QStringLiteral("Sunucu kurulumu (velmorika-sunucu-kur) bu üç bilgiyi sonunda yazar."),
                            this);
    not_->setStyleSheet(QStringLiteral("color: #5b6b73; margin-left: 22px;"));
    const auto sunucuAlanlari = [this](bool acik) {
        for (QLineEdit *e : {m_konumKutusu, m_kullanici, m_sifre})
            e->setEnabled(acik);
    };
    sunucuAlanlari(false);
    connect(m_sunucu, &QRadioButton::toggled, this, sunucuAlanlari);

    auto *devam = new QPushButton(QStringLiteral("Devam"), this);
    devam->setObjectName(QStringLiteral("btn_devam"));
    devam->setDefault(true);
    auto *vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
    vazgec->setObjectName(QStringLiteral("btn_vazgec"));
    connect(devam, &QPushButton::clicked, this, &IlkAcilis::accept);
    connect(vazgec, &QPushButton::clicked, this, &IlkAcilis::reject);
    auto *dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(devam);
    dugmeler->addWidget(vazgec);

    auto *l = new QVBoxLayout(this);
    l->addWidget(aciklama);
    l->addSpacing(8);
    l->addWidget(m_ornek);
    l->addWidget(ornekYeri);
    l->addSpacing(8);
    l->addWidget(m_sunucu);
    l->addLayout(form);
    l->addWidget(not_);
    l->addSpacing(8);
    l->addLayout(dugmeler);
}

QString IlkAcilis::ornekVeritabaniYolu() { return VeriKokuYolu(QStringLiteral("VELMORIKA.FDB")); }

void IlkAcilis::accept()
{
    if (m_ornek->isChecked() ? ornekHazirla() : sunucuyuYaz())
        QDialog::accept();
}

bool IlkAcilis::ornekHazirla()
{
    const QString yol = ornekVeritabaniYolu();
    QString hata;
    // One left by an earlier start (or scripts/calistir.sh) is used as it is.
    if (!QFileInfo::exists(yol)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool tamam = Olustur::veritabaniOlustur(yol, &hata);
        QApplication::restoreOverrideCursor();
        if (!tamam) {
            Mesaj::hata(hata, this);
            return false;
        }
    }
    if (!Yerler::datayeriYaz(yol, &hata)) {
        Mesaj::hata(hata, this);
        return false;
    }
    m_konum = yol;
    return true;
}

bool IlkAcilis::sunucuyuYaz()
{
    const QString konum = m_konumKutusu->text().trimmed();
    if (!Baglanti::sunucuda(konum)) {
        Mesaj::goster(QStringLiteral("Sunucudaki veritabanının yerini sunucunun adıyla yazın, örneğin "
                                     "sunucu:/var/lib/firebird/3.0/data/VELMORIKA.FDB"),
                      this);
        m_konumKutusu->setFocus();
        return false;
    }
    IstasyonAyari::Degerler d;
    QString hata;
    IstasyonAyari::oku(&d, nullptr); // the data root, should the file hold one, is kept
    const QString kullanici = m_kullanici->text().trimmed();
    if (kullanici.isEmpty() || m_sifre->text().isEmpty()) {
        Mesaj::goster(QStringLiteral("Programın sunucudaki veritabanı kullanıcısını ve şifresini yazın "
                                     "(velmorika-sunucu-kur sonunda yazar)."),
                      this);
        (kullanici.isEmpty() ? m_kullanici : m_sifre)->setFocus();
        return false;
    }
    d.kullanici = kullanici;
    d.sifre = m_sifre->text();
    if (!IstasyonAyari::yaz(d, &hata) || !Yerler::datayeriYaz(konum, &hata)) {
        Mesaj::hata(hata, this);
        return false;
    }
    m_konum = konum;
    return true;
}
