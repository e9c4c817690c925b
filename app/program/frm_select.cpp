#include "app/program/frm_select.h"

#include "app/mesaj.h"
#include "app/program/veriaktarim.h"
#include "db/bicim.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "raporlar/motor/tabloaktar.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QAbstractTableModel>
#include <cmath>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

// The rows of a typed statement, read-only.
class SonucModeli : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ayarla(const Sorgu::Sonuc *s)
    {
        beginResetModel();
        m_s = s;
        endResetModel();
    }
    int rowCount(const QModelIndex &ust = QModelIndex()) const override
    {
        return ust.isValid() || !m_s ? 0 : int(m_s->satirlar.size());
    }
    int columnCount(const QModelIndex &ust = QModelIndex()) const override
    {
        return ust.isValid() || !m_s ? 0 : int(m_s->kolonlar.size());
    }
    QVariant data(const QModelIndex &i, int rol) const override
    {
        if (!m_s || !i.isValid())
            return QVariant();
        const QVariant v = m_s->satirlar.at(i.row()).value(i.column());
        if (rol == Qt::EditRole)
            return v;
        if (rol == Qt::TextAlignmentRole) {
            const int t = v.typeId();
            if (t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::Float)
                return int(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant();
        }
        if (rol != Qt::DisplayRole || v.isNull())
            return QVariant();
        switch (v.typeId()) {
        case QMetaType::QDate:
            return v.toDate().toString(TarihBicimi);
        case QMetaType::QDateTime: {
            const QDateTime z = v.toDateTime();
            return z.time() == QTime(0, 0) ? z.date().toString(TarihBicimi) : z.toString(TarihSaniyeBicimi);
        }
        case QMetaType::Double: {
            const double d = v.toDouble();
            return d == std::floor(d) && std::fabs(d) < 1e15 ? QString::number(qint64(d)) : SayiBicimle(d, QStringLiteral("#,##0.00##"));
        }
        default:
            return v.toString();
        }
    }
    QVariant headerData(int b, Qt::Orientation y, int rol) const override
    {
        if (rol != Qt::DisplayRole || !m_s)
            return QVariant();
        if (y == Qt::Horizontal)
            return m_s->kolonlar.value(b);
        return b + 1;
    }
    Qt::ItemFlags flags(const QModelIndex &i) const override
    {
        return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    const Sorgu::Sonuc *m_s = nullptr;
};

namespace BosKodTemizligi {

namespace {
const QList<Satir> &tablolar()
{
    static const QList<Satir> l = {
        {QStringLiteral("HASTALAR"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("MUAYENE"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("RANDEVU"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("MUAYENE_LAB"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("GOZHASTALIKLARI"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("YAPILANISLEMLER"), QStringLiteral("HASTAKODU")},
        {QStringLiteral("CARI_HAREKET"), QStringLiteral("CARIKOD")},
    };
    return l;
}
// Table and column names are the program's own, never a user's text.
QString kosul(const Satir &s)
{
    return QStringLiteral(" where %1 is null or %1 = ''").arg(s.kolon);
}
} // namespace

std::optional<QList<Satir>> say()
{
    QList<Satir> l = tablolar();
    for (Satir &s : l) {
        const auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from ") + s.tablo + kosul(s));
        if (!n)
            return std::nullopt;
        s.adet = n->toInt();
    }
    return l;
}

bool sil()
{
    Islem islem;
    if (!islem.basladi())
        return false;
    for (const Satir &s : tablolar())
        if (!Sorgu::calistir(QStringLiteral("delete from ") + s.tablo + kosul(s)))
            return false;
    return islem.onayla();
}

} // namespace BosKodTemizligi

Tfrm_select::Tfrm_select(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_select"));
    setWindowTitle(QStringLiteral("Veri Kontrol Paneli"));
    setModal(true);
    resize(900, 620);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto eylem = [this, menu](const char *ad, const QString &metin, const QString &kisayol, auto is) {
        auto *a = menu->addAction(metin);
        a->setObjectName(QLatin1String(ad));
        a->setShortcut(QKeySequence(kisayol));
        addAction(a);
        connect(a, &QAction::triggered, this, is);
    };
    eylem("Listele1", QStringLiteral("Listele (F7)   "), QStringLiteral("F7"), [this] { listele(); });
    eylem("ExceleAktar1", QStringLiteral("Excele Aktar"), QString(), [this] { exceleAktar(); });
    eylem("Kapat1", QStringLiteral("Kapat"), QStringLiteral("Ctrl+K"), [this] {
        m_model->ayarla(nullptr);
        m_sonuc.reset();
        close();
    });

    auto *sayfalar = new QTabWidget(this);
    sayfalar->setObjectName(QStringLiteral("PageControl1"));

    auto *s1 = new QWidget;
    s1->setObjectName(QStringLiteral("TabSheet1"));
    m_sorgu = new QPlainTextEdit(s1);
    m_sorgu->setObjectName(QStringLiteral("mem_sorgu"));
    m_sorgu->setPlaceholderText(QStringLiteral("select * from hastalar"));
    m_model = new SonucModeli(this);
    m_izgara = new QTableView(s1);
    m_izgara->setObjectName(QStringLiteral("DBGrid1"));
    m_izgara->setModel(m_model);
    m_izgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_izgara->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_izgara->setAlternatingRowColors(true);
    m_izgara->verticalHeader()->setDefaultSectionSize(22);
    // The navigator bar over the result: first, previous, next, last row.
    auto *gezgin = new QHBoxLayout;
    const struct
    {
        const char *ad, *metin, *ipucu;
        int yon;
    } dugmeler[] = {{"nav_ilk", "|<", "İlk kayıt", -2},
                    {"nav_onceki", "<", "Önceki kayıt", -1},
                    {"nav_sonraki", ">", "Sonraki kayıt", 1},
                    {"nav_son", ">|", "Son kayıt", 2}};
    for (const auto &d : dugmeler) {
        auto *b = new QPushButton(QString::fromUtf8(d.metin), s1);
        b->setObjectName(QLatin1String(d.ad));
        b->setToolTip(QString::fromUtf8(d.ipucu));
        b->setAutoDefault(false);
        b->setFixedWidth(36);
        const int yon = d.yon;
        connect(b, &QPushButton::clicked, this, [this, yon] { satiraGit(yon); });
        gezgin->addWidget(b);
    }
    gezgin->addStretch();
    auto *l1 = new QVBoxLayout(s1);
    l1->addLayout(gezgin);
    l1->addWidget(m_sorgu, 1);
    l1->addWidget(m_izgara, 3);
    sayfalar->addTab(s1, QStringLiteral("Veri İşlemleri"));

    auto *s2 = new QWidget;
    s2->setObjectName(QStringLiteral("TabSheet2"));
    auto *l2 = new QVBoxLayout(s2);
    for (const AktarimHedefi &h : VeriAktarim::hedefler()) {
        auto *b = new QPushButton(h.metin, s2);
        b->setObjectName(h.dugme);
        b->setAutoDefault(false);
        const QString tablo = h.tablo;
        connect(b, &QPushButton::clicked, this, [this, tablo] { iceAktar(tablo); });
        l2->addWidget(b);
    }
    l2->addStretch();
    sayfalar->addTab(s2, QStringLiteral("Excelden Veri Alma"));

    auto *s3 = new QWidget;
    s3->setObjectName(QStringLiteral("TabSheet3"));
    auto *l3 = new QVBoxLayout(s3);
    auto *temizle = new QPushButton(QStringLiteral("Carı Kodu Boş Kartları Sil"), s3);
    temizle->setObjectName(QStringLiteral("btn_bostemizle"));
    temizle->setAutoDefault(false);
    connect(temizle, &QPushButton::clicked, this, &Tfrm_select::bosKodluKartlariSil);
    l3->addWidget(temizle);
    l3->addStretch();
    sayfalar->addTab(s3, QStringLiteral("Bakım"));

    auto *ana = new QVBoxLayout(this);
    ana->setMenuBar(menu);
    ana->addWidget(sayfalar);
}

bool Tfrm_select::listele()
{
    m_model->ayarla(nullptr);
    m_sonuc.reset();
    // Read only, in a transaction that is always rolled back: a statement
    // that would change data is refused and changes nothing.
    auto s = Sorgu::oku(m_sorgu->toPlainText());
    if (!s)
        return false;
    m_sonuc = std::move(s);
    m_model->ayarla(&*m_sonuc);
    // The columns as wide as their names and the first rows' values.
    KolonlariGenislet(m_izgara, true);
    if (!m_sonuc->satirlar.isEmpty())
        Mesaj::goster(QString::number(m_sonuc->satirlar.size()) + QStringLiteral(" adet kayıt bulundu."), this);
    return true;
}

void Tfrm_select::satiraGit(int yon)
{
    const int n = m_model->rowCount();
    if (n == 0)
        return;
    const int simdiki = m_izgara->currentIndex().isValid() ? m_izgara->currentIndex().row() : -1;
    int r = yon == -2 ? 0 : yon == 2 ? n - 1 : simdiki + yon;
    r = qBound(0, r, n - 1);
    m_izgara->setCurrentIndex(m_model->index(r, qMax(0, m_izgara->currentIndex().column())));
}

int Tfrm_select::gecerliSatir() const
{
    return m_izgara->currentIndex().isValid() ? m_izgara->currentIndex().row() : -1;
}

void Tfrm_select::exceleAktar()
{
    if (!m_sonuc) {
        Mesaj::goster(QStringLiteral("Aktarılacak bir sorgu sonucu yok. Önce sorguyu listeleyiniz (F7)."), this);
        return;
    }
    TabloAktar::sonuctan(*m_sonuc, QStringLiteral("SORGU"), this);
}

void Tfrm_select::iceAktar(const QString &tablo)
{
    const AktarimHedefi *h = VeriAktarim::hedef(tablo);
    if (!h)
        return;
    const QString dosya = Mesaj::dosyaAc(QStringLiteral("Excel Dosyası Seç"), QString(), TabloOkuyucu::dosyaFiltresi(), this);
    if (dosya.isEmpty())
        return; // nothing chosen: nothing done, nothing to report
    QProgressDialog ilerleme(h->metin, QStringLiteral("İptal"), 0, 100, this);
    ilerleme.setObjectName(QStringLiteral("IlerlemePenceresi"));
    ilerleme.setWindowModality(Qt::WindowModal);
    ilerleme.setMinimumDuration(500);
    ilerleme.setAutoClose(false);
    ilerleme.setAutoReset(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AktarimSonucu s = VeriAktarim::aktar(*h, dosya, [&](int satir, int toplam) {
        if (satir == 1 || satir % 50 == 0) {
            ilerleme.setMaximum(toplam);
            ilerleme.setValue(satir);
            QCoreApplication::processEvents();
        }
        return !ilerleme.wasCanceled();
    });
    QApplication::restoreOverrideCursor();
    ilerleme.close();
    if (s.durum == AktarimSonucu::Durum::Tamam || s.durum == AktarimSonucu::Durum::Iptal)
        Mesaj::goster(s.mesaj, this);
    else
        Mesaj::hata(s.mesaj, this);
}

void Tfrm_select::bosKodluKartlariSil()
{
    const auto sayilar = BosKodTemizligi::say();
    if (!sayilar)
        return;
    int toplam = 0;
    QString liste;
    for (const BosKodTemizligi::Satir &s : *sayilar) {
        toplam += s.adet;
        liste += QStringLiteral("\n%1: %2").arg(s.tablo).arg(s.adet);
    }
    if (toplam == 0) {
        Mesaj::goster(QStringLiteral("Hasta kodu ya da cari kodu boş kayıt yok; silinecek bir şey bulunmadı."), this);
        return;
    }
    if (!Mesaj::soru(QStringLiteral("Hasta kodu (cari harekette cari kodu) boş olan şu kayıtlar, bütün şirketlerde "
                                     "silinecek:")
                         + liste + QStringLiteral("\n\nSilinsin mi?"),
                     this))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool tamam = BosKodTemizligi::sil();
    QApplication::restoreOverrideCursor();
    if (tamam)
        Mesaj::goster(QStringLiteral("Hasta Kodu Boş Olan Tüm Kayıtlar Silindi"), this);
}
