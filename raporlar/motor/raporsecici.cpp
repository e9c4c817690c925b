#include "raporlar/motor/raporsecici.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "raporlar/motor/rapor.h"
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
#include <QSettings>
#include <QSplitter>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The folder last used, kept per user of the program (and of the computer).
QSettings ayarlar()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"), QStringLiteral("raporlar"));
}

QString ayarAnahtari()
{
    const QString kullanici = Oturum.username.trimmed().isEmpty() ? QStringLiteral("_") : Oturum.username.trimmed();
    return QStringLiteral("sablonKlasoru/") + kullanici;
}

bool sablonVar(const QString &klasor)
{
    return !klasor.isEmpty()
        && !QDir(klasor).entryList({QStringLiteral("*.frf"), QStringLiteral("*.FRF")}, QDir::Files).isEmpty();
}

} // namespace

QString RaporSecici::programKlasoru()
{
    const QString program = ProgramSablonKlasoru();
    return sablonVar(program) ? program : QString();
}

QString RaporSecici::kendiKlasoru() { return KendiSablonKlasoru(); }

RaporSecici::RaporSecici(QWidget *ust, const QString &klasor, bool tasarimIzni)
    : QDialog(ust), m_tasarimIzni(tasarimIzni)
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
    auto *sol = new QWidget(bolucu);
    auto *solL = new QVBoxLayout(sol);
    solL->setContentsMargins(0, 0, 0, 0);
    // A new user's working folder holds nothing: the program's own templates
    // stand beside it, one click away.
    m_yerler = new QListWidget(sol);
    m_yerler->setObjectName(QStringLiteral("lst_yerler"));
    const QString program = programKlasoru();
    // An install without its templates says so instead of showing an empty list.
    if (program.isEmpty())
        Mesaj::hata(ProgramSablonlariEksikMetni(), ust);
    if (!program.isEmpty()) {
        auto *o = new QListWidgetItem(QStringLiteral("Programla gelen şablonlar"), m_yerler);
        o->setData(Qt::UserRole, program);
        o->setToolTip(QDir::toNativeSeparators(program));
    }
    auto *o = new QListWidgetItem(QStringLiteral("Kendi şablonlarımız"), m_yerler);
    o->setData(Qt::UserRole, kendiKlasoru());
    o->setToolTip(QDir::toNativeSeparators(kendiKlasoru()));
    m_yerler->setMaximumHeight(m_yerler->sizeHintForRow(0) * 2 + 2 * m_yerler->frameWidth() + 4);
    solL->addWidget(m_yerler);
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_agac = new QTreeView(sol);
    solL->addWidget(m_agac, 1);
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
    btnDuzenle->setEnabled(m_tasarimIzni);
    if (!m_tasarimIzni)
        btnDuzenle->setToolTip(QStringLiteral("Rapor tasarlama yetkiniz yok."));
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
    connect(m_yerler, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *o) { klasorAc(o->data(Qt::UserRole).toString()); });
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &RaporSecici::sec);
    connect(btnSec, &QPushButton::clicked, this, &RaporSecici::sec);
    connect(btnDuzenle, &QPushButton::clicked, this, &RaporSecici::duzenle);
    connect(btnKapat, &QPushButton::clicked, this, &QDialog::reject);

    QString ilk = klasor;
    if (ilk.isEmpty()) {
        const QString son = ayarlar().value(ayarAnahtari()).toString();
        if (!son.isEmpty() && QFileInfo(son).isDir())
            ilk = son;
        else if (sablonVar(kendiKlasoru()) || program.isEmpty())
            ilk = kendiKlasoru();
        else
            ilk = program;
    }
    klasorAc(ilk);
}

void RaporSecici::klasoruHatirla() const
{
    QSettings a = ayarlar();
    a.setValue(ayarAnahtari(), m_klasor);
}

void RaporSecici::klasorAc(const QString &klasor)
{
    const QString yol = QDir(klasor).absolutePath();
    if (yol == m_klasor && m_liste->count() > 0)
        return;
    m_klasor = yol;
    m_liste->clear();
    const QStringList dosyalar = TurkceSirali(
        QDir(yol).entryList({QStringLiteral("*.frf"), QStringLiteral("*.FRF")}, QDir::Files, QDir::NoSort));
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
    klasoruHatirla();
    accept();
}

void RaporSecici::duzenle()
{
    if (!m_tasarimIzni)
        return;
    klasoruHatirla();
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

bool RaporSablonuSec(QWidget *ust, bool tasarimIzni)
{
    RaporSecici secici(ust, QString(), tasarimIzni);
    secici.exec();
    return !Aktarim.rapor_sablonu.isEmpty();
}
