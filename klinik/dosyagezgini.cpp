#include "klinik/dosyagezgini.h"

#include "db/sqltext.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// Masks separated by ';'; "*.*" means every file, also those without a dot.
QStringList maskeListesi(const QString &maske)
{
    QStringList sonuc;
    for (QString m : maske.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        m = m.trimmed();
        if (!m.isEmpty())
            sonuc << (m == QLatin1String("*.*") ? QStringLiteral("*") : m);
    }
    if (sonuc.isEmpty())
        sonuc << QStringLiteral("*");
    return sonuc;
}

} // namespace

DosyaGezgini::DosyaGezgini(const QList<Tur> &turler, QWidget *ust)
    : QWidget(ust)
{
    m_surucu = new QComboBox(this);
    m_surucu->setObjectName(QStringLiteral("cmb_surucu"));
    for (const QFileInfo &s : QDir::drives())
        m_surucu->addItem(QDir::toNativeSeparators(s.absoluteFilePath()), s.absoluteFilePath());
    if (m_surucu->findData(QDir::homePath()) < 0)
        m_surucu->addItem(QDir::toNativeSeparators(QDir::homePath()), QDir::homePath());

    m_klasorEtiketi = new QLabel(this);
    m_klasorEtiketi->setObjectName(QStringLiteral("lbl_klasor"));
    m_klasorEtiketi->setWordWrap(true);
    m_klasorler = new QListWidget(this);
    m_klasorler->setObjectName(QStringLiteral("lst_klasorler"));
    m_dosyalar = new QListWidget(this);
    m_dosyalar->setObjectName(QStringLiteral("lst_dosyalar"));

    m_tur = new QComboBox(this);
    m_tur->setObjectName(QStringLiteral("cmb_dosyaturu"));
    for (const Tur &t : turler)
        m_tur->addItem(t.metin, t.maske);
    m_gecerliMaske = turler.isEmpty() ? QStringLiteral("*.*") : turler.first().maske;
    m_maske = new QLineEdit(m_gecerliMaske, this);
    m_maske->setObjectName(QStringLiteral("edt_maske"));
    m_maske->installEventFilter(this);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(m_surucu);
    l->addWidget(m_klasorEtiketi);
    l->addWidget(m_klasorler, 1);
    l->addWidget(m_dosyalar, 1);
    l->addWidget(m_maske);
    l->addWidget(m_tur);

    connect(m_surucu, &QComboBox::activated, this,
            [this](int i) { klasoreGit(m_surucu->itemData(i).toString()); });
    connect(m_klasorler, &QListWidget::itemActivated, this, &DosyaGezgini::klasorAc);
    connect(m_dosyalar, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *oge, QListWidgetItem *) {
        if (!oge)
            return;
        m_gizliSecim.clear();
        m_maske->setText(oge->text());
        emit dosyaSecildi(QDir(m_klasor).filePath(oge->text()));
    });
    connect(m_tur, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_gecerliMaske = m_tur->itemData(i).toString();
        m_maske->setText(m_gecerliMaske);
        dosyaListesiniDoldur();
    });

    klasoreGit(QDir::homePath());
}

bool DosyaGezgini::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == m_maske && olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent *>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            m_gecerliMaske = m_maske->text().trimmed();
            dosyaListesiniDoldur();
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}

void DosyaGezgini::klasoreGit(const QString &yol)
{
    const QDir d(yol);
    if (yol.isEmpty() || !d.exists())
        return;
    m_klasor = d.absolutePath();
    m_klasorEtiketi->setText(QDir::toNativeSeparators(m_klasor));
    // The drive chooser shows the drive (or home folder) the folder is on.
    int surucu = -1, enUzun = -1;
    for (int i = 0; i < m_surucu->count(); ++i) {
        const QString kok = m_surucu->itemData(i).toString();
        const bool altinda = m_klasor.startsWith(kok, Qt::CaseInsensitive)
                             && (kok.endsWith(QLatin1Char('/')) || m_klasor.size() == kok.size()
                                 || m_klasor.at(kok.size()) == QLatin1Char('/'));
        if (altinda && kok.size() > enUzun) {
            enUzun = int(kok.size());
            surucu = i;
        }
    }
    if (surucu >= 0)
        m_surucu->setCurrentIndex(surucu);
    m_klasorler->clear();
    if (!d.isRoot())
        m_klasorler->addItem(QStringLiteral(".."));
    m_klasorler->addItems(TurkceSirali(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)));
    dosyaListesiniDoldur();
}

void DosyaGezgini::klasorAc(QListWidgetItem *oge)
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

void DosyaGezgini::dosyaListesiniDoldur()
{
    const QSignalBlocker b(m_dosyalar);
    m_dosyalar->clear();
    m_gizliSecim.clear();
    m_dosyalar->addItems(
        TurkceSirali(QDir(m_klasor).entryList(maskeListesi(m_gecerliMaske), QDir::Files, QDir::NoSort)));
}

QString DosyaGezgini::seciliDosya() const
{
    if (!m_gizliSecim.isEmpty())
        return m_gizliSecim;
    const QListWidgetItem *oge = m_dosyalar->currentItem();
    return oge && oge->isSelected() ? QDir(m_klasor).filePath(oge->text()) : QString();
}

QString DosyaGezgini::seciliTurMetni() const { return m_tur->currentText(); }
QString DosyaGezgini::seciliTurMaskesi() const { return m_tur->currentData().toString(); }

void DosyaGezgini::dosyaSec(const QString &yol)
{
    const QFileInfo fi(yol);
    klasoreGit(fi.absolutePath());
    const auto bulunan = m_dosyalar->findItems(fi.fileName(), Qt::MatchExactly);
    if (!bulunan.isEmpty()) {
        m_dosyalar->setCurrentItem(bulunan.first());
        bulunan.first()->setSelected(true);
        return;
    }
    m_dosyalar->setCurrentItem(nullptr);
    m_maske->setText(fi.fileName());
    m_gizliSecim = fi.absoluteFilePath();
    emit dosyaSecildi(m_gizliSecim);
}
