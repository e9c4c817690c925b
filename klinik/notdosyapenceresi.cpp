#include "klinik/notdosyapenceresi.h"
#include "app/mesaj.h"
#include "app/notdosya.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QVBoxLayout>

NotDosyaPenceresi::NotDosyaPenceresi(const QString &tablo, const QString &sablon, QWidget *ust)
    : QDialog(ust)
    , m_tablo(tablo.toLower())
    , m_sablon(sablon)
{
    setModal(true);
    m_vs = new VeriSeti(tablo.toUpper(), this);
    m_vs->yeniSatirDegerleri = [this] { yeniSatirDegerleri(); };
    m_model = new TabloModeli(m_vs, this);
    m_bag = new Baglayici(m_vs, this);

    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    auto eylem = [this](QWidget *yer, const char *ad, const QString &metin, const QKeySequence &kisayol,
                        void (NotDosyaPenceresi::*islem)()) {
        auto *a = new QAction(metin, yer);
        a->setObjectName(QLatin1String(ad));
        if (!kisayol.isEmpty()) {
            a->setShortcut(kisayol);
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);   // the shortcut works wherever the focus is in the window
        }
        yer->addAction(a);
        connect(a, &QAction::triggered, this, islem);
        return a;
    };
    eylem(m_menu, "Kaydet1", QStringLiteral(" Kaydet     "), QKeySequence(Qt::Key_F5), &NotDosyaPenceresi::kaydet);
    eylem(m_menu, "Sil1", QStringLiteral(" Sil  "), QKeySequence(Qt::CTRL | Qt::Key_Delete), &NotDosyaPenceresi::sil);
    eylem(m_menu, "Yeni1", QStringLiteral("   Yeni   "), QKeySequence(Qt::Key_F2), &NotDosyaPenceresi::yeni);
    eylem(m_menu, "Iptal1", QStringLiteral("   İptal   "), QKeySequence(Qt::Key_F3), &NotDosyaPenceresi::iptal);
    QMenu *islemler = m_menu->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("Islemler1"));
    eylem(islemler, "ExceleAktar1", QStringLiteral("Excele Aktar"), QKeySequence(Qt::CTRL | Qt::Key_E),
          &NotDosyaPenceresi::excelAktar);
    eylem(islemler, "TumunuListele1", QStringLiteral("Tümünü Listele"), QKeySequence(),
          &NotDosyaPenceresi::tumunuListele);
    eylem(islemler, "AciklamaNotListesi1", QStringLiteral("Aciklama-Not Listesi"), QKeySequence(),
          &NotDosyaPenceresi::listeYazdir);
    auto *kapat = new QAction(QStringLiteral("Kapat"), m_menu);
    kapat->setObjectName(QStringLiteral("Kapat1"));
    kapat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    addAction(kapat);
    m_menu->addAction(kapat);
    connect(kapat, &QAction::triggered, this, &QDialog::reject);

    m_izgara = new QTableView(this);
    m_izgara->setObjectName(QStringLiteral("dbgrid1"));
}

void NotDosyaPenceresi::yerlesimKur(QWidget *duzenlemeAlani)
{
    m_model->gorunumeBagla(m_izgara);
    auto *l = new QVBoxLayout(this);
    l->setMenuBar(m_menu);
    l->addWidget(duzenlemeAlani);
    l->addWidget(m_izgara, 1);
}

void NotDosyaPenceresi::selectMetniAyarla(const QString &sql)
{
    m_vs->selectMetniAyarla(sql);
}

bool NotDosyaPenceresi::ac()
{
    if (m_vs->selectMetni().isEmpty())
        m_vs->selectMetniAyarla(aktarimSelectMetni());
    return m_vs->ac();
}

void NotDosyaPenceresi::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_vs->acikMi())
        return;
    // The opening screen hands its select over as a property (app/notdosya.h).
    const QString sql = property(SelectMetniOzelligi).toString();
    if (!sql.isEmpty())
        m_vs->selectMetniAyarla(sql);
    ac();
}

void NotDosyaPenceresi::done(int r)
{
    // A pending row is dropped with the window, as it always was.
    aktarimiTemizle();
    bekleyeniAt();
    m_vs->kapat();
    QDialog::done(r);
}

void NotDosyaPenceresi::kaydet()
{
    if (m_vs->duzenleniyorMu())
        m_vs->kaydet();
}

void NotDosyaPenceresi::yeni()
{
    if (!m_vs->acikMi() && !ac())
        return;
    if (m_vs->duzenleniyorMu() && !m_vs->kaydet())
        return;
    m_vs->ekle();
}

void NotDosyaPenceresi::bekleyeniAt()
{
    m_vs->iptal();
    m_bag->goster();
}

void NotDosyaPenceresi::iptal()
{
    bekleyeniAt();
}

void NotDosyaPenceresi::sil()
{
    if (!m_vs->acikMi() || m_vs->bosMu())
        return;
    if (!Mesaj::soru(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "), this))
        return;
    if (m_vs->durum() == VeriSeti::Durum::Ekle) {
        // Never stored: dropping it is all there is to delete.
        bekleyeniAt();
        return;
    }
    if (m_vs->durum() == VeriSeti::Durum::Duzenle)
        bekleyeniAt();
    if (m_vs->sil())
        Mesaj::goster(QStringLiteral(" Kayıt  Silindi "), this);
}

void NotDosyaPenceresi::tumunuListele()
{
    bekleyeniAt();
    m_vs->selectMetniAyarla(QStringLiteral("select * from ") + m_tablo + QStringLiteral(" where 1=1 ")
                            + QStringLiteral(" "));
    m_vs->ac();
}

void NotDosyaPenceresi::listeYazdir()
{
    if (!m_vs->acikMi())
        return;
    VeriSetiKaynagi kaynak(*m_vs);
    Rapor r;
    r.baglan(&kaynak);
    if (!r.yukle(m_sablon, this))
        return;
    r.baslikAyarla(m_sablon);
    r.onizle(this);
}

void NotDosyaPenceresi::excelAktar()
{
    TabloAktar::verisetinden(*m_vs, *m_model, {}, this);
}
