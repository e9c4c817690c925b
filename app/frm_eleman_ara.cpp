#include "app/frm_eleman_ara.h"

#include "db/baglayici.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

Tfrm_eleman_ara::Tfrm_eleman_ara(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_eleman_ara"));
    setWindowTitle(QStringLiteral("Kullanıcılar"));
    setModal(true);
    resize(640, 400);

    m_vs = new VeriSeti(QStringLiteral("ELEMANLAR"), this);
    m_vs->setObjectName(QStringLiteral("qry_elemanlar"));
    m_vs->selectMetniAyarla(QStringLiteral("select * from ELEMANLAR"));
    m_model = new TabloModeli(m_vs, this);
    // The password is never listed.
    m_model->kolonlariAyarla({{QStringLiteral("KULLANICI_KODU"), QStringLiteral("K.K"), 50},
                              {QStringLiteral("KULLANICI_ADI"), QStringLiteral("Adı"), 140},
                              {QStringLiteral("KULLANICI_SOYADI"), QStringLiteral("Soyadi"), 140},
                              {QStringLiteral("USERNAME"), QStringLiteral("USERNAME"), 100},
                              {QStringLiteral("DEPERTMAN"), QStringLiteral("DEPERTMAN"), 140}});

    m_bul = new QLineEdit(this);
    m_bul->setObjectName(QStringLiteral("edt_bul"));
    BuyukHarf::surekli(m_bul);
    connect(m_bul, &QLineEdit::textChanged, this, [this](const QString &t) { ara(t); });

    m_izgara = new QTableView(this);
    m_izgara->setObjectName(QStringLiteral("DBGrid1"));
    m_izgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_izgara->verticalHeader()->setVisible(false);
    m_model->gorunumeBagla(m_izgara);
    m_izgara->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(m_izgara, &QTableView::doubleClicked, this, [this] { accept(); });

    auto *evet = new QPushButton(QStringLiteral("Evet"), this);
    evet->setObjectName(QStringLiteral("btn_evet"));
    auto *hayir = new QPushButton(QStringLiteral("Hayır"), this);
    hayir->setObjectName(QStringLiteral("btn_hayir"));
    connect(evet, &QPushButton::clicked, this, &Tfrm_eleman_ara::accept);
    connect(hayir, &QPushButton::clicked, this, &QDialog::reject);

    auto *ustSira = new QHBoxLayout;
    auto *etiket = new QLabel(QStringLiteral("Bul"), this);
    etiket->setBuddy(m_bul);
    ustSira->addWidget(etiket);
    ustSira->addWidget(m_bul, 1);
    auto *dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(evet);
    dugmeler->addWidget(hayir);
    auto *l = new QVBoxLayout(this);
    l->addLayout(ustSira);
    l->addWidget(m_izgara, 1);
    l->addLayout(dugmeler);

    m_vs->ac();
    m_bul->setFocus();
}

QString Tfrm_eleman_ara::aramaMetni(const QString &metin)
{
    // Names that begin with the text, matched literally (quotes, % and the
    // like are plain letters), I, İ, ı and i taken for one letter as in
    // every search of the program.
    return SelectBasi(QStringLiteral("elemanlar")) + QStringLiteral(" and ")
           + SqlKatliArama(QStringLiteral("kullanici_adi"), TurkceBuyuk(metin), Benzerlik::IleBaslar)
           + QStringLiteral(" ORDER BY elemanlar.kullanici_adi ");
}

void Tfrm_eleman_ara::ara(const QString &metin)
{
    // An emptied box keeps the last list.
    if (metin.isEmpty())
        return;
    m_vs->selectMetniAyarla(aramaMetni(metin));
    m_vs->ac();
}

QString Tfrm_eleman_ara::calistir()
{
    m_sonuc = QStringLiteral("-1");
    exec();
    return m_sonuc;
}

QString Tfrm_eleman_ara::metin(const QString &kolon) const { return m_vs->metin(kolon); }

void Tfrm_eleman_ara::accept()
{
    if (m_vs->bosMu() || m_vs->gecerliSatir() < 0)
        return QDialog::reject();
    m_sonuc = m_vs->metin(QStringLiteral("KULLANICI_KODU"));
    QDialog::accept();
}
