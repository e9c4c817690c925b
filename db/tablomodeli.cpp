#include "db/tablomodeli.h"
#include "db/sqltext.h"

#include "db/veriseti.h"

#include <QDateTime>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <vector>

namespace {

struct Gorunen
{
    TabloKolonu tanim;
    int sutun = -1;                // column of the data set, -1 when absent
    KolonTuru tur = KolonTuru::Metin;
};

} // namespace

struct TabloModeli::Ozel
{
    QPointer<VeriSeti> vs;
    QList<TabloKolonu> tanimlar;   // as set; empty: every column
    std::vector<Gorunen> gorunen;
    bool sifirlaniyor = false;
    // Rows are being added, removed or reloaded: the view's current index
    // moves on its own then and must not move the data set.
    int yapisal = 0;

    void coz()
    {
        gorunen.clear();
        if (tanimlar.isEmpty()) {
            if (!vs)
                return;
            // By position: a join may bring two columns of the same name.
            const QStringList adlar = vs->sonucKolonlari();
            for (int i = 0; i < adlar.size(); ++i) {
                Gorunen g;
                g.tanim.kolon = adlar.at(i);
                g.tanim.baslik = adlar.at(i);
                g.sutun = i;
                g.tur = vs->kolonTuru(i);
                gorunen.push_back(g);
            }
            return;
        } else {
            for (const TabloKolonu &t : tanimlar) {
                Gorunen g;
                g.tanim = t;
                if (g.tanim.baslik.isEmpty())
                    g.tanim.baslik = t.kolon.toUpper();
                gorunen.push_back(g);
            }
        }
        for (Gorunen &g : gorunen) {
            g.sutun = vs ? vs->kolonSirasi(g.tanim.kolon) : -1;
            g.tur = g.sutun >= 0 ? vs->kolonTuru(g.sutun) : KolonTuru::Metin;
        }
    }
};

TabloKolonu IzgaraKolonu(const char *ad, const char *baslik, GosterimBicimi bicim, bool duzenlenebilir)
{
    TabloKolonu t;
    t.kolon = QString::fromUtf8(ad);
    t.baslik = baslik ? QString::fromUtf8(baslik) : t.kolon;
    t.bicim = bicim;
    t.duzenlenebilir = duzenlenebilir;
    return t;
}

QList<TabloKolonu> IzgaraKolonlari(std::initializer_list<std::pair<const char *, const char *>> kolonlar,
                                   bool duzenlenebilir)
{
    QList<TabloKolonu> k;
    for (const auto &[ad, baslik] : kolonlar)
        k << IzgaraKolonu(ad, baslik, GosterimBicimi::Otomatik, duzenlenebilir);
    return k;
}

TabloModeli::TabloModeli(VeriSeti *veriSeti, QObject *ust)
    : QAbstractTableModel(ust)
    , d(new Ozel)
{
    d->vs = veriSeti;
    d->coz();
    if (!veriSeti)
        return;
    connect(veriSeti, &VeriSeti::sifirlanacak, this, [this] {
        if (!d->sifirlaniyor) {
            d->sifirlaniyor = true;
            ++d->yapisal;
            beginResetModel();
        }
    });
    auto bitir = [this] {
        if (!d->sifirlaniyor) {
            ++d->yapisal;
            beginResetModel();
        }
        d->coz();
        d->sifirlaniyor = false;
        endResetModel();
        --d->yapisal;
    };
    connect(veriSeti, &VeriSeti::acildi, this, bitir);
    connect(veriSeti, &VeriSeti::kapandi, this, bitir);
    connect(veriSeti, &VeriSeti::satirEklenecek, this, [this](int satir) {
        ++d->yapisal;
        beginInsertRows(QModelIndex(), satir, satir);
    });
    connect(veriSeti, &VeriSeti::satirEklendi, this, [this](int) {
        endInsertRows();
        --d->yapisal;
    });
    // Rows that became known (the count arrived, a further window was read).
    connect(veriSeti, &VeriSeti::satirlarEklenecek, this, [this](int ilk, int adet) {
        ++d->yapisal;
        beginInsertRows(QModelIndex(), ilk, ilk + adet - 1);
    });
    connect(veriSeti, &VeriSeti::satirlarEklendi, this, [this](int, int) {
        endInsertRows();
        --d->yapisal;
    });
    connect(veriSeti, &VeriSeti::satirSilinecek, this, [this](int satir) {
        ++d->yapisal;
        beginRemoveRows(QModelIndex(), satir, satir);
    });
    connect(veriSeti, &VeriSeti::satirSilindi, this, [this](int) {
        endRemoveRows();
        --d->yapisal;
    });
    connect(veriSeti, &VeriSeti::satirGuncellendi, this, [this](int satir) {
        if (satir >= 0 && satir < rowCount() && columnCount() > 0)
            emit dataChanged(index(satir, 0), index(satir, columnCount() - 1));
    });
    connect(veriSeti, &VeriSeti::alanDegisti, this, [this](const QString &kolon) {
        const int satir = d->vs ? d->vs->gecerliSatir() : -1;
        if (satir < 0 || satir >= rowCount())
            return;
        for (int i = 0; i < int(d->gorunen.size()); ++i)
            if (d->gorunen[size_t(i)].tanim.kolon.compare(kolon, Qt::CaseInsensitive) == 0)
                emit dataChanged(index(satir, i), index(satir, i));
    });
}

TabloModeli::~TabloModeli() { delete d; }

VeriSeti *TabloModeli::veriSeti() const { return d->vs; }

void TabloModeli::kolonlariAyarla(const QList<TabloKolonu> &kolonlar)
{
    beginResetModel();
    d->tanimlar = kolonlar;
    d->coz();
    endResetModel();
}

QList<TabloKolonu> TabloModeli::kolonlar() const
{
    QList<TabloKolonu> l;
    for (const Gorunen &g : d->gorunen)
        l << g.tanim;
    return l;
}

int TabloModeli::gorunenKolon(const QString &kolon) const
{
    for (int i = 0; i < int(d->gorunen.size()); ++i)
        if (d->gorunen[size_t(i)].tanim.kolon.compare(kolon, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TabloModeli::kolonAdi(int gorunenKolon) const
{
    if (gorunenKolon < 0 || gorunenKolon >= int(d->gorunen.size()))
        return QString();
    return d->gorunen[size_t(gorunenKolon)].tanim.kolon;
}

int TabloModeli::rowCount(const QModelIndex &ust) const
{
    if (ust.isValid() || !d->vs)
        return 0;
    return d->vs->kayitSayisi();
}

bool TabloModeli::canFetchMore(const QModelIndex &ust) const
{
    return !ust.isValid() && d->vs && d->vs->dahaFazlaVar();
}

void TabloModeli::fetchMore(const QModelIndex &ust)
{
    if (!ust.isValid() && d->vs)
        d->vs->dahaFazlaOku();
}

int TabloModeli::columnCount(const QModelIndex &ust) const
{
    return ust.isValid() ? 0 : int(d->gorunen.size());
}

QString TabloModeli::hucreMetni(int satir, int kolon) const
{
    if (!d->vs || kolon < 0 || kolon >= int(d->gorunen.size()))
        return QString();
    const Gorunen &g = d->gorunen[size_t(kolon)];
    if (g.sutun < 0 || d->vs->bosMu(satir, g.sutun))
        return QString();
    const QVariant v = d->vs->satirDegeri(satir, g.sutun);
    const bool zaman = g.tur == KolonTuru::Tarih;
    switch (g.tanim.bicim) {
    case GosterimBicimi::Otomatik:
        switch (g.tur) {
        case KolonTuru::Ondalik:
            if (const Kolon *k = d->vs->tabloKolonu(g.sutun); k && k->tamSayiDegerli)
                return QString::number(v.toDouble(), 'g', 15);
            return TutarMetni(v.toDouble());
        case KolonTuru::Tarih:
            return v.toDateTime().date().toString(TarihBicimi);
        case KolonTuru::Tamsayi:
            return QString::number(v.toLongLong());
        default:
            return v.toString();
        }
    case GosterimBicimi::Metin:
        if (zaman)
            return v.toDateTime().date().toString(TarihBicimi);
        if (g.tur == KolonTuru::Ondalik)
            return QString::number(v.toDouble(), 'g', 15);
        return v.toString();
    case GosterimBicimi::Tutar:
    case GosterimBicimi::Desen: {
        double x = 0.0;
        if (g.tur == KolonTuru::Metin || g.tur == KolonTuru::UzunMetin) {
            QVariant c;
            if (!VeriSeti::degerCevir(KolonTuru::Ondalik, v, &c))
                return v.toString();
            x = c.toDouble();
        } else {
            x = v.toDouble();
        }
        return g.tanim.bicim == GosterimBicimi::Tutar ? TutarMetni(x) : SayiBicimle(x, g.tanim.desen);
    }
    case GosterimBicimi::Tarih:
        return zaman ? v.toDateTime().date().toString(TarihBicimi) : v.toString();
    case GosterimBicimi::Saat:
        return zaman ? v.toDateTime().time().toString(QStringLiteral("hh:mm")) : v.toString();
    case GosterimBicimi::TarihSaat:
        return zaman ? v.toDateTime().toString(TarihSaatBicimi) : v.toString();
    }
    return v.toString();
}

QVariant TabloModeli::data(const QModelIndex &indeks, int rol) const
{
    if (!indeks.isValid() || !d->vs)
        return QVariant();
    const int kolon = indeks.column();
    if (kolon < 0 || kolon >= int(d->gorunen.size()))
        return QVariant();
    const Gorunen &g = d->gorunen[size_t(kolon)];
    switch (rol) {
    case Qt::DisplayRole:
        return hucreMetni(indeks.row(), kolon);
    case Qt::EditRole:
        return g.sutun < 0 ? QVariant() : d->vs->satirDegeri(indeks.row(), g.sutun);
    case Qt::TextAlignmentRole: {
        if (g.tanim.hizalama)
            return QVariant(int(g.tanim.hizalama));
        const bool sayi = g.tur == KolonTuru::Ondalik || g.tur == KolonTuru::Tamsayi
                          || g.tanim.bicim == GosterimBicimi::Tutar || g.tanim.bicim == GosterimBicimi::Desen;
        return QVariant(int((sayi ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    default:
        return QVariant();
    }
}

QVariant TabloModeli::headerData(int bolum, Qt::Orientation yon, int rol) const
{
    if (yon == Qt::Horizontal) {
        if (bolum < 0 || bolum >= int(d->gorunen.size()))
            return QVariant();
        if (rol == Qt::DisplayRole)
            return d->gorunen[size_t(bolum)].tanim.baslik;
        return QVariant();
    }
    if (rol == Qt::DisplayRole)
        return QVariant();
    return QAbstractTableModel::headerData(bolum, yon, rol);
}

Qt::ItemFlags TabloModeli::flags(const QModelIndex &indeks) const
{
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int kolon = indeks.column();
    if (kolon >= 0 && kolon < int(d->gorunen.size()) && d->gorunen[size_t(kolon)].tanim.duzenlenebilir
        && d->gorunen[size_t(kolon)].sutun >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TabloModeli::setData(const QModelIndex &indeks, const QVariant &deger, int rol)
{
    if (rol != Qt::EditRole || !d->vs || !(flags(indeks) & Qt::ItemIsEditable))
        return false;
    VeriSeti *vs = d->vs;
    if (indeks.row() != vs->gecerliSatir()) {
        if (vs->duzenleniyorMu() && !vs->kaydet())
            return false;
        if (!vs->satiraGit(indeks.row()))
            return false;
    }
    return vs->degerAyarla(d->gorunen[size_t(indeks.column())].tanim.kolon, deger);
}

namespace {

// The widths last given to a view's columns, kept on the view: a column whose
// width is no longer that one was sized by the user and stays as he left it.
const char *const VerilenGenislikler = "velmorikaVerilenGenislikler";

} // namespace

void KolonlariGenislet(QTableView *g, const std::vector<int> &satirlar, bool bastan,
                       const std::function<int(int)> &enAz)
{
    const QAbstractItemModel *m = g->model();
    const int n = m ? m->columnCount() : 0;
    if (n == 0)
        return;
    const QFontMetrics fm = g->fontMetrics();
    // What an item view puts around a cell's text, and the grid line.
    const int pay = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1)
                    + (g->showGrid() ? 1 : 0) + 2;
    // A long text (a memo, an address) is shown cut rather than taking the row.
    const int tavan = 40 * fm.averageCharWidth();
    QVariantList verilen = g->property(VerilenGenislikler).toList();
    if (bastan || verilen.size() != n)
        verilen = QVariantList(n, 0);
    for (int i = 0; i < n; ++i) {
        const int onceki = verilen.at(i).toInt();
        if (g->isColumnHidden(i) || (onceki > 0 && g->columnWidth(i) != onceki))
            continue;
        int icerik = 0;
        for (int r : satirlar) {
            QString metin = m->index(r, i).data().toString();
            if (metin.isEmpty())
                continue;
            metin.replace(QLatin1Char('\n'), QLatin1Char(' '));
            icerik = qMax(icerik, fm.horizontalAdvance(metin) + pay);
            if (icerik >= tavan)
                break;
        }
        const int gerek = std::max({onceki, enAz ? enAz(i) : 0, g->horizontalHeader()->sectionSizeHint(i),
                                    qMin(icerik, tavan)});
        if (gerek != g->columnWidth(i))
            g->setColumnWidth(i, gerek);
        verilen[i] = gerek;
    }
    g->setProperty(VerilenGenislikler, verilen);
}

void KolonlariGenislet(QTableView *g, bool bastan)
{
    std::vector<int> satirlar(size_t(g->model() ? qMin(100, g->model()->rowCount()) : 0));
    std::iota(satirlar.begin(), satirlar.end(), 0);
    KolonlariGenislet(g, satirlar, bastan);
}

void TabloModeli::kolonlariGenislet(QTableView *g, int ilk, int son, bool bastan) const
{
    // The rows measured: those the data set holds anyway, never a read of its
    // own (a list of tens of thousands opens on one window). Without a range:
    // the first rows and those around the current one.
    constexpr int EnCokSatir = 100;
    std::vector<int> satirlar;
    auto ekle = [&](int bas, int bit) {
        for (int r = qMax(0, bas); r <= bit && r < rowCount() && int(satirlar.size()) < 2 * EnCokSatir; ++r)
            if (d->vs && d->vs->tampondaMi(r))
                satirlar.push_back(r);
    };
    if (ilk < 0) {
        ekle(0, EnCokSatir - 1);
        const int g0 = d->vs ? d->vs->gecerliSatir() : -1;
        if (g0 >= EnCokSatir)
            ekle(qMax(EnCokSatir, g0 - EnCokSatir / 2), g0 + EnCokSatir / 2);
    } else {
        ekle(ilk, qMin(son, ilk + EnCokSatir - 1));
    }
    KolonlariGenislet(g, satirlar, bastan, [this](int i) {
        return i < int(d->gorunen.size()) ? d->gorunen[size_t(i)].tanim.genislik : 0;
    });
}

void TabloModeli::gorunumeBagla(QTableView *gorunum)
{
    gorunum->setModel(this);
    gorunum->setSelectionBehavior(QAbstractItemView::SelectRows);
    gorunum->setSelectionMode(QAbstractItemView::SingleSelection);
    gorunum->verticalHeader()->setDefaultSectionSize(gorunum->fontMetrics().height() + 6);
    gorunum->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Column widths follow the heading and the values the rows show.
    QPointer<QTableView> gw(gorunum);
    auto genislet = [this, gw](int ilk, int son, bool bastan = false) {
        if (gw && gw->model() == this)
            kolonlariGenislet(gw, ilk, son, bastan);
    };
    genislet(-1, -1, true);
    connect(this, &QAbstractItemModel::modelReset, gorunum, [genislet] { genislet(-1, -1); });
    connect(this, &QAbstractItemModel::rowsInserted, gorunum,
            [genislet](const QModelIndex &, int ilk, int son) { genislet(ilk, son); });
    connect(this, &QAbstractItemModel::dataChanged, gorunum,
            [genislet](const QModelIndex &ust, const QModelIndex &alt) { genislet(ust.row(), alt.row()); });

    auto esitleniyor = std::make_shared<bool>(false);
    QPointer<QTableView> g(gorunum);
    // A reading the user did not ask for (another workstation saved) leaves
    // the view where the user scrolled it; only his own actions move it.
    struct Konum
    {
        bool korunuyor = false;
        int dikey = 0, yatay = 0;
    };
    auto konum = std::make_shared<Konum>();

    // Data set -> view.
    auto veridenGorunume = [this, g, esitleniyor, konum](int satir) {
        if (!g || *esitleniyor)
            return;
        *esitleniyor = true;
        QItemSelectionModel *sm = g->selectionModel();
        if (satir < 0 || satir >= rowCount()) {
            if (sm)
                sm->clearCurrentIndex();
        } else if (sm) {
            const int kolon = g->currentIndex().isValid() ? g->currentIndex().column() : 0;
            const QModelIndex i = index(satir, qMax(0, qMin(kolon, columnCount() - 1)));
            if (sm->currentIndex().row() != satir || !sm->isRowSelected(satir, QModelIndex()))
                sm->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            if (!konum->korunuyor)
                g->scrollTo(i);
        }
        *esitleniyor = false;
    };
    if (d->vs) {
        connect(d->vs, &VeriSeti::kendiligindenYenileniyor, gorunum, [g, konum](bool basladi) {
            if (!g)
                return;
            if (basladi) {
                konum->dikey = g->verticalScrollBar()->value();
                konum->yatay = g->horizontalScrollBar()->value();
                konum->korunuyor = true;
                return;
            }
            konum->korunuyor = false;
            g->verticalScrollBar()->setValue(konum->dikey);
            g->horizontalScrollBar()->setValue(konum->yatay);
        });
        connect(d->vs, &VeriSeti::gecerliSatirDegisti, gorunum, veridenGorunume);
        connect(this, &QAbstractItemModel::modelReset, gorunum, [this, veridenGorunume] {
            if (d->vs)
                veridenGorunume(d->vs->gecerliSatir());
        });
        // Rows that became known before the current one (the count arriving
        // while a list stands on its last row) push it down: the view follows
        // it. Rows after it (the grid's fetch-more) leave the view alone.
        connect(d->vs, &VeriSeti::satirlarEklendi, gorunum, [this, veridenGorunume](int ilk, int) {
            if (d->vs && d->vs->gecerliSatir() >= ilk)
                veridenGorunume(d->vs->gecerliSatir());
        });
    }

    // View -> data set. A pending row is posted before moving; when the data
    // set refuses to move, the view goes back to its row.
    auto baglaSecim = [this, g, esitleniyor, veridenGorunume] {
        if (!g || !g->selectionModel())
            return;
        connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, g,
                [this, g, esitleniyor, veridenGorunume](const QModelIndex &simdiki, const QModelIndex &) {
                    if (*esitleniyor || d->yapisal || !d->vs || !simdiki.isValid())
                        return;
                    VeriSeti *vs = d->vs;
                    if (simdiki.row() == vs->gecerliSatir())
                        return;
                    bool tamam = true;
                    if (vs->duzenleniyorMu())
                        tamam = vs->kaydet();
                    if (tamam)
                        tamam = vs->satiraGit(simdiki.row());
                    if (!tamam) {
                        QPointer<VeriSeti> p(vs);
                        QTimer::singleShot(0, g, [p, veridenGorunume] {
                            if (p)
                                veridenGorunume(p->gecerliSatir());
                        });
                    }
                });
    };
    baglaSecim();
    if (d->vs)
        veridenGorunume(d->vs->gecerliSatir());
}
