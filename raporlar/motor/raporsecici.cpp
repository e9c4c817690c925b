#include "raporlar/motor/raporsecici.h"

#include "app/oturum.h"
#include "raporlar/motor/raportasarim.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

RaporSecici::RaporSecici(QWidget *ust, const QString &klasor)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_freeMainForm"));
    setWindowTitle(QStringLiteral("Rapor   Sec - Düzenle - Oluştur"));
    setModal(true);
    resize(760, 480);

    auto *kok = new QVBoxLayout(this);
    auto *ustSatir = new QHBoxLayout;
    ustSatir->addWidget(new QLabel(QStringLiteral("Sürücü:"), this));
    m_surucu = new QComboBox(this);
    m_surucu->setObjectName(QStringLiteral("cmb_surucu"));
    for (const QFileInfo &s : QDir::drives())
        m_surucu->addItem(QDir::toNativeSeparators(s.absoluteFilePath()), s.absoluteFilePath());
    ustSatir->addWidget(m_surucu, 1);
    kok->addLayout(ustSatir);

    auto *bolucu = new QSplitter(this);
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_agac = new QTreeView(bolucu);
    m_agac->setObjectName(QStringLiteral("agc_klasorler"));
    m_agac->setModel(m_model);
    for (int c = 1; c < m_model->columnCount(); ++c)
        m_agac->hideColumn(c);
    m_agac->header()->hide();
    m_agac->setSortingEnabled(true);
    m_agac->sortByColumn(0, Qt::AscendingOrder);
    m_liste = new QListWidget(bolucu);
    m_liste->setObjectName(QStringLiteral("lst_sablonlar"));
    bolucu->setStretchFactor(0, 3);
    bolucu->setStretchFactor(1, 2);
    kok->addWidget(bolucu, 1);

    auto *dugmeler = new QHBoxLayout;
    auto *btnSec = new QPushButton(QStringLiteral(" S e c"), this);
    btnSec->setObjectName(QStringLiteral("btn_sec"));
    auto *btnDuzenle = new QPushButton(QStringLiteral("D ü z e n l e"), this);
    btnDuzenle->setObjectName(QStringLiteral("btn_duzenle"));
    auto *btnKapat = new QPushButton(QStringLiteral(" K a p a t"), this);
    btnKapat->setObjectName(QStringLiteral("btn_kapat"));
    dugmeler->addStretch();
    dugmeler->addWidget(btnSec);
    dugmeler->addWidget(btnDuzenle);
    dugmeler->addWidget(btnKapat);
    kok->addLayout(dugmeler);

    connect(m_agac->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &i) { klasorAc(m_model->filePath(i)); });
    connect(m_surucu, &QComboBox::activated, this,
            [this](int i) { klasorAc(m_surucu->itemData(i).toString()); });
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &RaporSecici::sec);
    connect(btnSec, &QPushButton::clicked, this, &RaporSecici::sec);
    connect(btnDuzenle, &QPushButton::clicked, this, &RaporSecici::duzenle);
    connect(btnKapat, &QPushButton::clicked, this, &QDialog::reject);

    klasorAc(klasor.isEmpty() ? QDir::currentPath() : klasor);
}

void RaporSecici::klasorAc(const QString &klasor)
{
    const QString yol = QDir(klasor).absolutePath();
    if (yol == m_klasor && m_liste->count() > 0)
        return;
    m_klasor = yol;
    m_liste->clear();
    const QStringList dosyalar = QDir(yol).entryList({QStringLiteral("*.frf"), QStringLiteral("*.FRF")},
                                                     QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_liste->addItems(dosyalar);
    if (m_liste->count() > 0)
        m_liste->setCurrentRow(0);
    const QModelIndex i = m_model->index(yol);
    if (i.isValid() && m_agac->currentIndex() != i) {
        m_agac->blockSignals(true);
        m_agac->setCurrentIndex(i);
        m_agac->scrollTo(i);
        m_agac->blockSignals(false);
    }
    const QString surucu = QStorageInfo(yol).rootPath();
    const int s = m_surucu->findData(surucu);
    if (s >= 0)
        m_surucu->setCurrentIndex(s);
}

QString RaporSecici::seciliDosya() const
{
    const QListWidgetItem *o = m_liste->currentItem();
    return o ? QDir(m_klasor).absoluteFilePath(o->text()) : QString();
}

QStringList RaporSecici::dosyalar() const
{
    QStringList d;
    for (int i = 0; i < m_liste->count(); ++i)
        d << m_liste->item(i)->text();
    return d;
}

void RaporSecici::sec()
{
    const QString yol = seciliDosya();
    if (yol.isEmpty())
        return;
    Aktarim.rapor_sablonu = yol;
    accept();
}

void RaporSecici::duzenle()
{
    RaporTasarim tasarim(this);
    const QString yol = seciliDosya();
    if (!yol.isEmpty() && !tasarim.ac(yol))
        return;
    if (yol.isEmpty())
        tasarim.yeniSablon(m_klasor);
    tasarim.exec();
    // A template saved under a new name shows up in the list.
    const QString once = seciliDosya();
    m_liste->clear();
    const QString k = m_klasor;
    m_klasor.clear();
    klasorAc(k);
    const auto bulunan = m_liste->findItems(QFileInfo(tasarim.dosyaYolu().isEmpty() ? once : tasarim.dosyaYolu()).fileName(),
                                            Qt::MatchExactly);
    if (!bulunan.isEmpty())
        m_liste->setCurrentItem(bulunan.first());
}

bool RaporSablonuSec(QWidget *ust)
{
    RaporSecici secici(ust);
    secici.exec();
    return !Aktarim.rapor_sablonu.isEmpty();
}
