#include "hastalar/katalog.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "app/aramapenceresi.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A grid column edited through a list of choices (the test groups).
class SecimTemsilcisi : public QStyledItemDelegate
{
public:
    SecimTemsilcisi(const QStringList &secenekler, QObject *ust) : QStyledItemDelegate(ust), m_secenekler(secenekler) {}
    QWidget *createEditor(QWidget *ust, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *c = new QComboBox(ust);
        c->setEditable(true);
        c->addItems(m_secenekler);
        return c;
    }
    void setEditorData(QWidget *e, const QModelIndex &i) const override
    {
        static_cast<QComboBox *>(e)->setCurrentText(i.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget *e, QAbstractItemModel *m, const QModelIndex &i) const override
    {
        m->setData(i, static_cast<QComboBox *>(e)->currentText(), Qt::EditRole);
    }

private:
    QStringList m_secenekler;
};

enum class Tur { Metin, BuyukSecim, Sayi, Memo };

struct Alan
{
    const char *etiket;
    const char *kolon;
    Tur tur;
    QStringList secenekler;
};

struct KolonTanimi
{
    const char *kolon;
    const char *baslik;
};

struct KatalogTanimi
{
    const char *ad;
    const char *baslik;
    const char *tablo;
    const char *select;
    const char *arama;
    bool excel;
    bool kisayollar;
    QList<Alan> alanlar;
    QList<KolonTanimi> kolonlar;
    const char *ilkAlan; // column whose box gets the cursor on a new row
    const char *kodKolonu; // gets KAYITNO as text on a new row
    bool sirketYaz;
    const char *varsayilanTur; // ISLEMTURU of a new row
};

const QStringList &tetkikGruplari()
{
    static const QStringList l = {
        QStringLiteral("BİYOKİMYA"),     QStringLiteral("İMMUNOLOJİ"), QStringLiteral("HEMATOLOJİ"),
        QStringLiteral("MİKROBİYOLOJİ"), QStringLiteral("PATOLOJİ"),   QStringLiteral("SEROLOJİ"),
        QStringLiteral("TIBBİ GENETİK"), QStringLiteral("ENZİMLER"),   QStringLiteral("ENDOKRİNOLOJİ"),
        QStringLiteral("TDM"),           QStringLiteral("ALLERGENLER"), QStringLiteral("RADYOLOJI")};
    return l;
}

const QList<KatalogTanimi> &tanimlar()
{
    static const QList<KatalogTanimi> l = {
        {"frm_tanilar", "TANILAR", "TANILAR", "select * from TANILAR", "frm_taniarama", false, false, {},
         {{"TANI", nullptr}, {"TANITURU", nullptr}, {"TANIGRUBU", nullptr}}, nullptr, nullptr, false, nullptr},
        {"frm_islemler", "İŞLEM LİSTESİ", "ISLEMLER", "select * from islemler", "frm_islemarama", true, true,
         {{"İşlem Kodu", "ISLEMKODU", Tur::Metin, {}},
          {"İşlem Adı", "YAPILANISLEM", Tur::Metin, {}},
          {"İşlem Türü", "ISLEMTURU", Tur::BuyukSecim, {QStringLiteral("İŞLEMLER"), QStringLiteral("RADYOLOJI")}},
          {"Ücreti", "UCRETI", Tur::Sayi, {}},
          {"Acıklama", "ACIKLAMA", Tur::Memo, {}}},
         {{"ISLEMKODU", nullptr}, {"YAPILANISLEM", nullptr}, {"ISLEMTURU", nullptr}, {"UCRETI", nullptr},
          {"ACIKLAMA", nullptr}, {"KAYITNO", nullptr}},
         "YAPILANISLEM", "ISLEMKODU", true, "İŞLEMLER"},
        {"frm_laboratuvarlar", "TETKİK - RADYOLOJI ve YAPILAN İŞLEM LİSTESİ", "LABORATUVAR",
         "select * from laboratuvar", "frm_labarama", true, true,
         {{"Kayıt Türü", "ISLEMTURU", Tur::BuyukSecim,
           {QStringLiteral("LABORATUVAR"), QStringLiteral("RADYOLOJI"), QStringLiteral("İŞLEMLER")}},
          {"Kodu", "TETKIKKODU", Tur::Sayi, {}},
          {"Adı", "TETKIKADI", Tur::Metin, {}},
          {"Aralık", "ARALIK", Tur::Metin, {}},
          {"Birimi", "BIRIMI", Tur::Metin, {}},
          {"Türü", "TURU", Tur::BuyukSecim, tetkikGruplari()},
          {"Ücreti", "UCRETI", Tur::Sayi, {}},
          {"Kod 1", "KOD1", Tur::Sayi, {}},
          {"Kod 2", "KOD2", Tur::Sayi, {}},
          {"Kod 3", "KOD3", Tur::Sayi, {}},
          {"Acıklama", "ACIKLAMA", Tur::Memo, {}},
          {"Laboratuvar Adı", "LABORATUVARADI", Tur::Metin, {}}},
         {{"ISLEMTURU", "KAYIT TÜRÜ"}, {"TETKIKKODU", "KODU"}, {"TETKIKADI", "ADI"}, {"ARALIK", nullptr},
          {"BIRIMI", nullptr}, {"TURU", nullptr}, {"ACIKLAMA", nullptr}, {"LABORATUVARADI", "LABORATUVAR ADI"},
          {"UCRETI", nullptr}, {"KOD1", nullptr}, {"KOD2", nullptr}, {"KOD3", nullptr}, {"KAYITNO", "KAYIT NO"}},
         nullptr, nullptr, false, nullptr},
        {"frm_ek9", "EK 9 LİSTESİ", "EK9", "select * from ek9", "frm_ek9arama", true, true,
         {{"Paket Kodu", "PAKETKODU", Tur::Metin, {}},
          {"İşlem Adı", "ISLEMADI", Tur::Metin, {}},
          {"Ücreti", "UCRETI", Tur::Sayi, {}},
          {"Acıklama", "ACIKLAMA", Tur::Memo, {}},
          {"İşlem Grubu", "ISLEMGRUBU", Tur::BuyukSecim,
           QString::fromLatin1("A B C D E F G H K L M N O P R S T U V Z").split(QLatin1Char(' '))},
          {"Özel Kod", "OZELKOD", Tur::Metin, {}}},
         {{"PAKETKODU", nullptr}, {"ISLEMADI", nullptr}, {"ACIKLAMA", nullptr}, {"ISLEMGRUBU", nullptr},
          {"UCRETI", nullptr}, {"OZELKOD", nullptr}},
         "ISLEMADI", "PAKETKODU", true, nullptr},
    };
    return l;
}

// A field's label; the binder's messages name the field by it.
QLabel *etiketi(const char *metin, QWidget *alan)
{
    auto *l = new QLabel(QString::fromUtf8(metin));
    l->setBuddy(alan);
    return l;
}

} // namespace

KatalogEkrani::KatalogEkrani(const QString &ad, QWidget *ust) : QDialog(ust), m_ad(ad)
{
    const KatalogTanimi *t = nullptr;
    for (const KatalogTanimi &x : tanimlar())
        if (ad == QLatin1String(x.ad))
            t = &x;
    Q_ASSERT(t);
    setObjectName(ad);
    setWindowTitle(QString::fromUtf8(t->baslik));
    setModal(true);
    resize(900, 600);
    m_arama = QLatin1String(t->arama);

    m_vs = new VeriSeti(QLatin1String(t->tablo), this);
    m_vs->setObjectName(QStringLiteral("qry_") + QString::fromLatin1(t->tablo).toLower());
    m_model = new TabloModeli(m_vs, this);
    m_baglayici = new Baglayici(m_vs, this);

    auto *ana = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    ana->setMenuBar(menu);
    auto eylem = [this](QMenu *m, QMenuBar *mb, const char *ad, const QString &metin, const QString &kisayol,
                        std::function<void()> is) {
        auto *a = new QAction(metin, this);
        a->setObjectName(QLatin1String(ad));
        if (!kisayol.isEmpty())
            a->setShortcut(QKeySequence(kisayol));
        connect(a, &QAction::triggered, this, [is] { is(); });
        if (m)
            m->addAction(a);
        else
            mb->addAction(a);
        addAction(a);
    };
    if (t->excel) {
        auto *islemler = menu->addMenu(QStringLiteral("İşlemler"));
        islemler->setObjectName(QStringLiteral("lem1"));
        eylem(islemler, menu, "ExceleAktar1", QStringLiteral("Excele Aktar"), QStringLiteral("Ctrl+E"),
              [this] { exceleAktar(); });
    }
    eylem(nullptr, menu, "Bul1", QStringLiteral("Bul  "), t->kisayollar ? QStringLiteral("Ctrl+F") : QString(),
          [this] { ara(); });
    eylem(nullptr, menu, "Kapat1", QStringLiteral("Kapat "), t->kisayollar ? QStringLiteral("Ctrl+K") : QString(),
          [this] { close(); });

    // Navigator.
    auto *nav = new QWidget(this);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    auto *navDuzen = new QHBoxLayout(nav);
    navDuzen->setContentsMargins(0, 0, 0, 0);
    struct N { const char *ad, *metin, *ipucu; void (KatalogEkrani::*is)(); };
    const N dugmeler[] = {
        {"nav_ilk", "|<", "İlk kayıt", &KatalogEkrani::ilk},
        {"nav_onceki", "<", "Önceki kayıt", &KatalogEkrani::onceki},
        {"nav_sonraki", ">", "Sonraki kayıt", &KatalogEkrani::sonraki},
        {"nav_son", ">|", "Son kayıt", &KatalogEkrani::son},
        {"nav_ekle", "+", "Kayıt ekle", &KatalogEkrani::ekle},
        {"nav_sil", "-", "Kaydı sil", &KatalogEkrani::sil},
        {"nav_duzenle", "▲", "Kaydı düzenle", &KatalogEkrani::duzenle},
        {"nav_kaydet", "✓", "Kaydet", nullptr},
        {"nav_iptal", "✗", "Vazgeç", &KatalogEkrani::iptal},
        {"nav_yenile", "↻", "Yenile", &KatalogEkrani::yenile},
    };
    for (const N &n : dugmeler) {
        auto *b = new QPushButton(QString::fromUtf8(n.metin), nav);
        b->setObjectName(QLatin1String(n.ad));
        b->setToolTip(QString::fromUtf8(n.ipucu));
        b->setAutoDefault(false);
        b->setFixedWidth(36);
        navDuzen->addWidget(b);
        if (n.is)
            connect(b, &QPushButton::clicked, this, n.is);
        else
            connect(b, &QPushButton::clicked, this, [this] { kaydet(); });
    }
    navDuzen->addStretch(1);
    ana->addWidget(nav);

    // Edit panel.
    if (!t->alanlar.isEmpty()) {
        auto *panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("Panel1"));
        auto *g = new QGridLayout(panel);
        int satir = 0, sutun = 0;
        for (const Alan &a : t->alanlar) {
            const QString kolon = QLatin1String(a.kolon);
            QWidget *w = nullptr;
            switch (a.tur) {
            case Tur::Metin: {
                auto *e = new QLineEdit;
                m_baglayici->bagla(e, kolon);
                w = e;
                break;
            }
            case Tur::Sayi: {
                auto *e = new QLineEdit;
                m_baglayici->sayiBagla(e, kolon);
                w = e;
                break;
            }
            case Tur::BuyukSecim: {
                auto *c = new QComboBox;
                c->setEditable(true);
                c->setInsertPolicy(QComboBox::NoInsert);
                c->addItems(a.secenekler);
                m_baglayici->bagla(c, kolon, true);
                w = c;
                break;
            }
            case Tur::Memo: {
                auto *m = new QPlainTextEdit;
                m->setMaximumHeight(70);
                m_baglayici->bagla(m, kolon);
                w = m;
                break;
            }
            }
            w->setObjectName(QStringLiteral("edt_") + kolon.toLower());
            if (a.tur == Tur::Memo) {
                if (sutun)
                    ++satir;
                g->addWidget(etiketi(a.etiket, w), satir, 0);
                g->addWidget(w, satir, 1, 1, 3);
                ++satir;
                sutun = 0;
                continue;
            }
            g->addWidget(etiketi(a.etiket, w), satir, sutun * 2);
            g->addWidget(w, satir, sutun * 2 + 1);
            if (++sutun == 2) {
                sutun = 0;
                ++satir;
            }
        }
        ana->addWidget(panel);
    }

    m_izgara = new QTableView(this);
    m_izgara->setObjectName(QStringLiteral("DBGrid1"));
    QList<TabloKolonu> k;
    for (const KolonTanimi &c : t->kolonlar) {
        TabloKolonu x;
        x.kolon = QLatin1String(c.kolon);
        x.baslik = c.baslik ? QString::fromUtf8(c.baslik) : x.kolon;
        x.duzenlenebilir = x.kolon != QLatin1String("KAYITNO");
        if (x.kolon == QLatin1String("UCRETI") && m_ad == QLatin1String("frm_islemler"))
            x.bicim = GosterimBicimi::Tutar;
        k << x;
    }
    m_model->kolonlariAyarla(k);
    m_model->gorunumeBagla(m_izgara);
    m_izgara->verticalHeader()->setDefaultSectionSize(22);
    if (m_ad == QLatin1String("frm_laboratuvarlar")) {
        const int turu = m_model->gorunenKolon(QStringLiteral("TURU"));
        if (turu >= 0)
            m_izgara->setItemDelegateForColumn(turu, new SecimTemsilcisi(tetkikGruplari(), m_izgara));
    }
    ana->addWidget(m_izgara, 1);

    // New-row defaults (the generator has already set KAYITNO).
    const QString kodKolonu = t->kodKolonu ? QLatin1String(t->kodKolonu) : QString();
    const bool sirketYaz = t->sirketYaz;
    const QString tur = t->varsayilanTur ? QString::fromUtf8(t->varsayilanTur) : QString();
    if (t->ilkAlan)
        m_ilkAlan = QStringLiteral("edt_") + QString::fromLatin1(t->ilkAlan).toLower();
    m_vs->yeniSatirDegerleri = [this, kodKolonu, sirketYaz, tur] {
        if (sirketYaz)
            m_vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        if (!kodKolonu.isEmpty())
            m_vs->degerAyarla(kodKolonu, QString::number(m_vs->anahtar()));
        if (!tur.isEmpty())
            m_vs->degerAyarla(QStringLiteral("ISLEMTURU"), tur);
    };

    m_vs->selectMetniAyarla(QLatin1String(t->select));
    m_vs->ac();
}

KatalogEkrani::~KatalogEkrani() { m_vs->kapat(); }

void KatalogEkrani::done(int r)
{
    m_vs->kapat();
    QDialog::done(r);
}

bool KatalogEkrani::bekleyeniKaydet()
{
    return !m_vs->duzenleniyorMu() || m_vs->kaydet();
}

void KatalogEkrani::ilk()
{
    if (bekleyeniKaydet())
        m_vs->ilk();
}
void KatalogEkrani::onceki()
{
    if (bekleyeniKaydet())
        m_vs->onceki();
}
void KatalogEkrani::sonraki()
{
    if (bekleyeniKaydet())
        m_vs->sonraki();
}
void KatalogEkrani::son()
{
    if (bekleyeniKaydet())
        m_vs->son();
}

void KatalogEkrani::ekle()
{
    if (!m_vs->acikMi() && !m_vs->ac())
        return;
    if (!m_vs->ekle())
        return;
    if (!m_ilkAlan.isEmpty())
        if (QWidget *w = findChild<QWidget *>(m_ilkAlan))
            w->setFocus();
}

void KatalogEkrani::sil()
{
    if (!m_vs->acikMi() || m_vs->bosMu())
        return;
    if (!Mesaj::soru(QStringLiteral("Kayıt silinsin mi?"), this))
        return;
    if (m_vs->durum() == VeriSeti::Durum::Ekle) {
        iptal();
        return;
    }
    if (m_vs->durum() == VeriSeti::Durum::Duzenle)
        m_vs->iptal();
    m_vs->sil();
}

void KatalogEkrani::duzenle()
{
    if (m_vs->acikMi() && !m_vs->bosMu() && !m_vs->duzenleniyorMu())
        m_vs->duzenle();
}

bool KatalogEkrani::kaydet() { return bekleyeniKaydet(); }

void KatalogEkrani::iptal()
{
    m_vs->iptal();
    m_baglayici->goster();
}

void KatalogEkrani::yenile()
{
    if (bekleyeniKaydet())
        m_vs->yenile();
}

void KatalogEkrani::ara()
{
    if (!bekleyeniKaydet())
        return;
    AramaPenceresi d(m_arama, this);
    const QString no = d.calistir();
    if (no == QLatin1String("-1"))
        return;
    bool ok = false;
    const qint64 k = no.toLongLong(&ok);
    if (ok)
        m_vs->bul(k);
    m_izgara->setFocus();
}

void KatalogEkrani::exceleAktar()
{
    TabloModeli hepsi(m_vs);
    TabloAktar::verisetinden(*m_vs, hepsi, {}, this);
}
