#include "klinik/frm_dosyayonetimi.h"
#include "klinik/frm_dosyabul.h"
#include "app/mesaj.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

namespace {
constexpr int KonumGenisligi = 150;   // DOKUMANLAR.KONUM
}

Tfrm_dosyayonetimi::Tfrm_dosyayonetimi(QWidget *ust)
    : NotDosyaPenceresi(QStringLiteral("DOKUMANLAR"), QStringLiteral("dokumanrapor1.frf"), ust)
{
    setObjectName(QStringLiteral("frm_dosyayonetimi"));
    setWindowTitle(QStringLiteral("Dosya-Evrak Yönetimi"));

    auto *alan = new QWidget(this);
    alan->setObjectName(QStringLiteral("Panel1"));
    auto *f = new QFormLayout(alan);

    auto kutu = [alan](const char *ad) {
        auto *e = new QLineEdit(alan);
        e->setObjectName(QLatin1String(ad));
        return e;
    };
    QLineEdit *kayitno = kutu("edt_kayitno");
    // The key addresses the row in every update and delete: shown, never typed over.
    kayitno->setReadOnly(true);
    kayitno->setMaximumWidth(120);
    QLineEdit *aciklama1 = kutu("edt_aciklama1");
    QLineEdit *aciklama2 = kutu("edt_aciklama2");
    QLineEdit *konum = kutu("edt_konum");
    QLineEdit *pcadi = kutu("edt_pcadi");
    QLineEdit *kayittarihi = kutu("edt_kayittarihi");
    QLineEdit *kullanici = kutu("edt_kullanici");
    kayittarihi->setMaximumWidth(110);
    auto *kilit = new QComboBox(alan);
    kilit->setObjectName(QStringLiteral("cmb_kilit"));
    kilit->setEditable(true);
    kilit->addItems({QStringLiteral("E"), QStringLiteral("H")});
    kilit->setMaximumWidth(70);

    auto *ac = new QPushButton(QStringLiteral("Dosyayı Ac"), alan);
    ac->setObjectName(QStringLiteral("btn_dosyayiac"));
    ac->setAutoDefault(false);
    auto *bul = new QPushButton(QStringLiteral("Dosyayı Bul"), alan);
    bul->setObjectName(QStringLiteral("btn_dosyayibul"));
    bul->setAutoDefault(false);
    connect(ac, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::dosyayiAc);
    connect(bul, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::dosyayiBul);

    auto *konumSatiri = new QHBoxLayout;
    konumSatiri->addWidget(konum, 1);
    konumSatiri->addWidget(ac);
    konumSatiri->addWidget(bul);

    f->addRow(QStringLiteral("Kayıt No"), kayitno);
    f->addRow(QStringLiteral("Acıklama 1"), aciklama1);
    f->addRow(QStringLiteral("Acıklama 2"), aciklama2);
    f->addRow(QStringLiteral("Konum"), konumSatiri);
    f->addRow(QStringLiteral("Pc Adı"), pcadi);
    f->addRow(QStringLiteral("Kayıt Tarihi"), kayittarihi);
    f->addRow(QStringLiteral("Kullanıcı"), kullanici);
    f->addRow(QStringLiteral("Kayıt Kilidi "), kilit);

    m_bag->sayiBagla(kayitno, QStringLiteral("KAYITNO"));
    m_bag->bagla(aciklama1, QStringLiteral("ACIKLAMA1"));
    m_bag->bagla(aciklama2, QStringLiteral("ACIKLAMA2"));
    m_bag->bagla(konum, QStringLiteral("KONUM"));
    m_bag->bagla(pcadi, QStringLiteral("PCADI"));
    m_bag->tarihBagla(kayittarihi, QStringLiteral("KAYITTARIHI"));
    m_bag->bagla(kullanici, QStringLiteral("KULLANICI"));
    m_bag->bagla(kilit, QStringLiteral("KILIT"), true);

    QList<TabloKolonu> kolonlar;
    for (const char *ad : {"KAYITNO", "ACIKLAMA1", "ACIKLAMA2", "KONUM", "PCADI", "KAYITTARIHI", "KULLANICI",
                           "KILIT", "EVRAKKAYITNO", "EVRAKTURU"}) {
        TabloKolonu t;
        t.kolon = QLatin1String(ad);
        t.duzenlenebilir = t.kolon != QLatin1String("KAYITNO");
        if (t.kolon == QLatin1String("KAYITNO") || t.kolon == QLatin1String("EVRAKKAYITNO")) {
            // Record numbers are whole numbers, not amounts.
            t.bicim = GosterimBicimi::Desen;
            t.desen = QStringLiteral("0");
        }
        t.genislik = t.kolon == QLatin1String("KONUM") ? 240 : (t.kolon.startsWith(QLatin1String("ACIKLAMA")) ? 150 : 0);
        kolonlar << t;
    }
    m_model->kolonlariAyarla(kolonlar);

    yerlesimKur(alan);
    resize(860, 560);
}

QString Tfrm_dosyayonetimi::aktarimSelectMetni() const
{
    return DosyalarSelectMetni(Aktarim.dosya_evrakkayitno, Aktarim.dosya_evrakturu);
}

void Tfrm_dosyayonetimi::yeniSatirDegerleri()
{
    m_vs->degerAyarla(QStringLiteral("EVRAKKAYITNO"), Aktarim.dosya_evrakkayitno);
    m_vs->degerAyarla(QStringLiteral("EVRAKTURU"), Aktarim.dosya_evrakturu);
    m_vs->degerAyarla(QStringLiteral("KULLANICI"), Oturum.kullaniciadisoyadi.left(10));
}

void Tfrm_dosyayonetimi::aktarimiTemizle()
{
    Aktarim.dosya_evrakkayitno = 0;
    Aktarim.dosya_evrakturu.clear();
}

void Tfrm_dosyayonetimi::dosyayiAc()
{
    auto *konum = findChild<QLineEdit *>(QStringLiteral("edt_konum"));
    const QString metin = konum ? konum->text().trimmed() : QString();
    if (metin.isEmpty())
        return;
    // A path (also a Windows one with a drive letter) is a local file; a
    // text with a scheme ("http://…", "file:…") is taken as a link.
    const QUrl url(metin);
    const bool baglanti = url.isValid() && url.scheme().size() > 1 && !url.isRelative();
    QDesktopServices::openUrl(baglanti ? url : QUrl::fromLocalFile(QDir::fromNativeSeparators(metin)));
}

void Tfrm_dosyayonetimi::dosyayiBul()
{
    Tfrm_dosyabul bul(this);
    bul.secildi = [this](const QString &yol) { return konumAyarla(yol); };
    bul.exec();
}

bool Tfrm_dosyayonetimi::konumAyarla(const QString &yol)
{
    if (yol.size() > KonumGenisligi) {
        // Cut to the column it would name another file, or none.
        Mesaj::goster(QStringLiteral("Dosyanın yolu %1 karakterden uzun olduğu için kaydedilemez:\n%2")
                          .arg(KonumGenisligi)
                          .arg(yol),
                      this);
        return false;
    }
    if (!m_vs->acikMi() && !ac())
        return false;
    if (m_vs->bosMu()) {
        if (!m_vs->ekle())
            return false;
    } else if (!m_vs->duzenleniyorMu() && !m_vs->duzenle()) {
        return false;
    }
    return m_vs->degerAyarla(QStringLiteral("KONUM"), yol);
}
