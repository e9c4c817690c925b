#include "klinik/resimsekmesi.h"

#include "app/ekranlar.h"
#include "app/kayitekrani.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/resimgalerisi.h"
#include "app/yetki.h"
#include "db/veriseti.h"
#include "app/resimdeposu.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

ResimSekmesi::ResimSekmesi(const QString &tur, bool jpgDe, QWidget *ust) : QWidget(ust), m_tur(tur), m_jpgDe(jpgDe)
{
    auto *l = new QHBoxLayout(this);
    auto *sol = new QVBoxLayout;
    m_resim = new QLabel;
    m_resim->setObjectName(QStringLiteral("Image6"));
    // 4:3 and small enough that the picture and its buttons stand whole in
    // the edit area of a maximised screen on 1366×768.
    m_resim->setFixedSize(320, 240);
    m_resim->setFrameShape(QFrame::Box);
    m_resim->setScaledContents(true);
    sol->addWidget(m_resim);
    auto *duzenleDugmesi = new QPushButton(QStringLiteral("Düzenle"));
    duzenleDugmesi->setObjectName(QStringLiteral("btn_resimduzenle"));
    duzenleDugmesi->setAutoDefault(false);
    duzenleDugmesi->setMaximumWidth(m_resim->width()); // under the picture, not across the tab
    connect(duzenleDugmesi, &QPushButton::clicked, this, &ResimSekmesi::duzenle);
    sol->addWidget(duzenleDugmesi);
    auto *silDugmesi = new QPushButton(QStringLiteral("Resmi Sil"));
    silDugmesi->setObjectName(QStringLiteral("btn_resimsil"));
    silDugmesi->setAutoDefault(false);
    silDugmesi->setMaximumWidth(m_resim->width());
    connect(silDugmesi, &QPushButton::clicked, this, &ResimSekmesi::sil);
    sol->addWidget(silDugmesi);
    sol->addStretch(1);
    l->addLayout(sol);

    m_panel = new QWidget;
    m_panel->setObjectName(QStringLiteral("pnl_resimduzenle"));
    auto *p = new QVBoxLayout(m_panel);
    m_panelResim = new QLabel(QStringLiteral("Resim düzenleyicide açık; bitince Kaydet'e basın."));
    m_panelResim->setObjectName(QStringLiteral("lbl_duzenlenen"));
    m_panelResim->setWordWrap(true);
    p->addWidget(m_panelResim);
    auto *kaydetDugmesi = new QPushButton(QStringLiteral("Kaydet"));
    kaydetDugmesi->setObjectName(QStringLiteral("btn_resimkaydet"));
    kaydetDugmesi->setAutoDefault(false);
    connect(kaydetDugmesi, &QPushButton::clicked, this, &ResimSekmesi::kaydet);
    p->addWidget(kaydetDugmesi);
    p->addStretch(1);
    l->addWidget(m_panel, 1);
    m_panel->hide();
}

QString ResimSekmesi::hedefDosya() const
{
    if (m_kayit.isEmpty())
        return QString();
    return VeriKlasoru(m_tur) + m_tur + m_kayit + QStringLiteral("_1.bmp");
}

QString ResimSekmesi::kaynakDosya() const
{
    const QString klasor = VeriKlasoru(m_tur);
    if (!m_kayit.isEmpty()) {
        if (QFileInfo::exists(hedefDosya()))
            return hedefDosya();
        if (m_jpgDe) {
            const QString jpg = HarfDuyarsizBul(klasor, m_tur + m_kayit + QStringLiteral("_1.JPG"));
            if (!jpg.isEmpty())
                return jpg;
        }
    }
    return QString();
}

void ResimSekmesi::goster(const QString &dosya)
{
    m_gosterilen = dosya;
    m_resim->setPixmap(QPixmap::fromImage(QImage(dosya)));
}

void ResimSekmesi::kayitAyarla(const QString &kayit)
{
    m_kayit = kayit;
    m_panel->hide();
    const QString k = kaynakDosya();
    goster(k.isEmpty() ? VeriKlasoru(m_tur) + QStringLiteral("bos.jpg") : k);
}

bool ResimSekmesi::duzenle()
{
    if (m_kayit.isEmpty())
        return false;
    QString kaynak = kaynakDosya();
    if (kaynak.isEmpty())
        kaynak = VeriKlasoru(m_tur) + QStringLiteral("bos.bmp");
    // The editor gets a copy: the blank must stay blank, and the stored
    // picture changes only when the user saves.
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    m_calisma = QDir(klasor).filePath(QStringLiteral("velmorika_") + m_tur + m_kayit + QStringLiteral("_1.")
                                      + QFileInfo(kaynak).suffix().toLower());
    QFile::remove(m_calisma);
    if (!QFile::copy(kaynak, m_calisma)) {
        Mesaj::hata(QStringLiteral("Resim düzenlemeye açılamadı: ") + QDir::toNativeSeparators(kaynak), this);
        return false;
    }
    QFile(m_calisma).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    m_panel->show();
    m_panelResim->setText(QStringLiteral("Düzenlenen: ") + QDir::toNativeSeparators(m_calisma)
                          + QStringLiteral("\nBitince Kaydet'e basın."));
    const QString program = qEnvironmentVariable("VELMORIKA_RESIM_DUZENLEYICI");
    if (program.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(m_calisma));
    if (m_surec && m_surec->state() != QProcess::NotRunning)
        m_surec->waitForFinished(0);
    delete m_surec;
    m_surec = new QProcess(this);
    m_surec->setObjectName(QStringLiteral("resim_duzenleyici"));
    m_surec->start(program, {m_calisma});
    if (!m_surec->waitForStarted()) {
        Mesaj::hata(QStringLiteral("Resim düzenleyici başlatılamadı: ") + program, this);
        return false;
    }
    return true;
}

bool ResimSekmesi::kaydet()
{
    if (m_calisma.isEmpty() || m_kayit.isEmpty())
        return false;
    const QImage resim(m_calisma);
    if (resim.isNull()) {
        Mesaj::hata(QStringLiteral("Düzenlenen resim okunamadı: ") + QDir::toNativeSeparators(m_calisma), this);
        return false;
    }
    // Written beside the target and renamed over it: a failure keeps the old picture.
    QSaveFile f(hedefDosya());
    if (!f.open(QIODevice::WriteOnly) || !resim.save(&f, "BMP") || !f.commit()) {
        Mesaj::hata(QStringLiteral("Resim kaydedilemedi: ") + QDir::toNativeSeparators(hedefDosya()), this);
        return false;
    }
    goster(hedefDosya());
    return true;
}

bool ResimSekmesi::sil()
{
    if (m_kayit.isEmpty())
        return false;
    // Needs the screen's delete right, asked before the question.
    if (auto *e = qobject_cast<KayitEkrani *>(window()); e && !IslemIzni(e->yetkiler().SILME, this))
        return false;
    const QString kaynak = kaynakDosya();
    if (kaynak.isEmpty()) {
        Mesaj::goster(QStringLiteral("Bu muayenenin silinecek bir resmi yok."), this);
        return false;
    }
    if (!Mesaj::soru(QStringLiteral("Muayene Resmini Silmek İstiyormusunuz ? "), this))
        return false;
    // The stored picture and, on the eye screen, the JPEG shown when there is none.
    for (QString f = kaynakDosya(); !f.isEmpty(); f = kaynakDosya()) {
        if (!QFile::remove(f)) {
            Mesaj::hata(QStringLiteral("Resim silinemedi: ") + QDir::toNativeSeparators(f), this);
            goster(f);
            return false;
        }
    }
    m_panel->hide();
    goster(VeriKlasoru(m_tur) + QStringLiteral("bos.jpg"));
    return true;
}

bool MuayeneVideosunuAc(const QString &tur, qint64 no, QLabel *etiket, QWidget *ust)
{
    if (no <= 0)
        return false;
    const QString yol = VeriKlasoru(QStringLiteral("VIDEO")) + tur + QString::number(no) + QStringLiteral(".wmv");
    if (etiket)
        etiket->setText(QDir::toNativeSeparators(yol));
    if (!QFileInfo::exists(yol)) {
        Mesaj::goster(QStringLiteral("Video dosyası bulunamadı: ") + QDir::toNativeSeparators(yol), ust);
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(yol));
}

void KameraDugmeleriEkle(QBoxLayout *duzen)
{
    const std::pair<const char *, const char *> dugmeler[] = {
        {"btn_kameraac", "Kamera Aç"}, {"btn_kamerakaydet", "Kayıt"}, {"btn_kameradur", "Durdur"}};
    for (const auto &[ad, metin] : dugmeler) {
        auto *d = new QPushButton(QString::fromUtf8(metin));
        d->setObjectName(QLatin1String(ad));
        d->setAutoDefault(false);
        d->setEnabled(false);
        duzen->addWidget(d);
    }
}

ResimGalerisi *MuayeneGalerisiKur(const QString &tur, KayitEkrani *ekran)
{
    ResimGalerisi::Ayar ayar;
    ayar.tur = tur;
    ayar.yuvalar = {{1, QStringLiteral("Image2"), QStringLiteral("btn_resimekle")},
                    {2, QStringLiteral("Image3"), QStringLiteral("BitBtn3")},
                    {3, QStringLiteral("Image4"), QStringLiteral("BitBtn8")},
                    {4, QStringLiteral("Image5"), QStringLiteral("BitBtn15")}};
    auto *galeri = new ResimGalerisi(ayar);
    galeri->setObjectName(QStringLiteral("ts_goruntuler"));
    QObject::connect(galeri, &ResimGalerisi::eklemeIstendi, ekran, [ekran, tur](int yuva) {
        VeriSeti *vs = ekran->veriSeti();
        const qint64 no = vs->anahtar();
        if (no <= 0 || vs->durum() == VeriSeti::Durum::Ekle)
            return;
        if (!IslemIzni(ekran->yetkiler().OZELYETKI1, ekran))
            return;
        Aktarim.resim_turu = tur;
        Aktarim.resim_adi = ResimGalerisi::resimAdi(QString::number(no), yuva);
        EkranAc(QStringLiteral("frm_resimgoster"), ekran);
    });
    QObject::connect(galeri, &ResimGalerisi::resimTiklandi, ekran, [galeri, tur](int yuva, const QString &) {
        const QString kayit = galeri->kayit();
        if (!kayit.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(VeriKlasoru(QStringLiteral("RESIMLER")) + tur + kayit
                                                          + QStringLiteral("_") + QString::number(yuva)
                                                          + QStringLiteral(".bmp")));
    });
    return galeri;
}
