#include "app/program/frm_sirket_ara.h"

#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/sorgu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Column, title; the remaining company fields travel hidden in the item data.
const char *const kolonlar[][2] = {{"SIRKETKODU", "Sirket kodu"}, {"SIRKETADI", "Sirket adı"}, {"ACIKLAMA", "Acıklama"}};
const char *const gizliler[] = {"SIRKETUNVANI", "SIRKETADRESI", "VDAIRESI", "VNO"};

QString metin(const QVariant &v) { return v.isNull() ? QString() : v.toString(); }
}

Tfrm_sirket_ara::Tfrm_sirket_ara(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_sirket_ara"));
    setWindowTitle(QStringLiteral("Şirketler"));
    resize(560, 340);

    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    QStringList basliklar;
    for (const auto &k : kolonlar)
        basliklar << QString::fromUtf8(k[1]);
    m_grid->setHorizontalHeaderLabels(basliklar);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 100);
    m_grid->setColumnWidth(1, 220);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *tumu = new QAction(QStringLiteral("Tümünü Göster"), m_grid);
    tumu->setObjectName(QStringLiteral("TumunuGoster1"));
    m_grid->addAction(tumu);
    connect(tumu, &QAction::triggered, this, [this] { listele(true); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    auto *evet = new QPushButton(QStringLiteral("Evet"), this);
    evet->setObjectName(QStringLiteral("btn_evet"));
    auto *hayir = new QPushButton(QStringLiteral("Hayır"), this);
    hayir->setObjectName(QStringLiteral("btn_hayir"));
    connect(evet, &QPushButton::clicked, this, &Tfrm_sirket_ara::accept);
    connect(hayir, &QPushButton::clicked, this, &Tfrm_sirket_ara::reject);

    auto *dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(evet);
    dugmeler->addWidget(hayir);
    auto *l = new QVBoxLayout(this);
    l->addWidget(m_grid);
    l->addLayout(dugmeler);
}

bool Tfrm_sirket_ara::listele(bool tumu)
{
    QString sql = SelectBasi(QStringLiteral("sirketler"));
    if (!tumu)
        sql += QStringLiteral("and vdairesi <>") + SqlQuote(QStringLiteral("GG")) + QStringLiteral("or vdairesi is null ")
               + QStringLiteral("and vno <>") + SqlQuote(QStringLiteral("GG")) + QStringLiteral("or vno is null ");
    sql += QStringLiteral(" ");
    const auto s = Sorgu::sec(sql);
    if (!s)
        return false;
    m_grid->setRowCount(0);
    m_grid->setRowCount(s->satirlar.size());
    for (int r = 0; r < s->satirlar.size(); ++r) {
        for (int c = 0; c < 3; ++c) {
            auto *h = new QTableWidgetItem(metin(s->deger(r, QLatin1String(kolonlar[c][0]))));
            if (c == 0)
                for (int g = 0; g < 4; ++g)
                    h->setData(Qt::UserRole + g, metin(s->deger(r, QLatin1String(gizliler[g]))));
            m_grid->setItem(r, c, h);
        }
    }
    if (!s->satirlar.isEmpty())
        m_grid->selectRow(0);
    return true;
}

void Tfrm_sirket_ara::showEvent(QShowEvent *e)
{
    if (!m_gosterildi) {
        m_gosterildi = true;
        listele(false);
    }
    QDialog::showEvent(e);
}

void Tfrm_sirket_ara::accept()
{
    const int r = m_grid->currentRow();
    QTableWidgetItem *h = r >= 0 ? m_grid->item(r, 0) : nullptr;
    if (!h) // nothing to choose: like a cancel
        return QDialog::reject();
    Oturum.sirketkodu = h->text();
    Oturum.sirketunvani = h->data(Qt::UserRole).toString();
    Oturum.sirketadresi = h->data(Qt::UserRole + 1).toString();
    Oturum.vdairesi = h->data(Qt::UserRole + 2).toString();
    Oturum.vno = h->data(Qt::UserRole + 3).toString();
    QDialog::accept();
}
