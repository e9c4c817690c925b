// The patient screen's own toolbar buttons, its registration-date filter
// beside the sort combo and its menus.
#include "hastalar/frm_hastalar.h"

#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

void Tfrm_hastalar::dugmeleriKur()
{
    // Toolbar buttons of this screen, in the designed order.
    auto *resim = dugmeEkle(QStringLiteral("BitBtn2"), QStringLiteral("Resim"), QStringLiteral("Resim"));
    auto *fis = dugmeEkle(QStringLiteral("BitBtn7"), QStringLiteral("Hasta Fişi"), QStringLiteral("Hasta Fişi"));
    auto *muayene = dugmeEkle(QStringLiteral("btn_carihareket"), QStringLiteral("Muayene"),
                              QStringLiteral("Muayeneleri Ctrl + M"));
    auto *cari = dugmeEkle(QStringLiteral("BitBtn6"), QStringLiteral("Cari"), QStringLiteral("Cari Hareketi"));
    auto *veriAlDugmesi = dugmeEkle(QStringLiteral("BitBtn13"), QStringLiteral("Veri Al"), QStringLiteral("Veri Al"));
    connect(resim, &QPushButton::clicked, this, [this] { resimEkle(0); });
    connect(fis, &QPushButton::clicked, this, [this] { hastaKartiBas(); });
    connect(muayene, &QPushButton::clicked, this, [this] { muayeneler(); });
    connect(cari, &QPushButton::clicked, this, [this] { cariHareketler(); });
    connect(veriAlDugmesi, &QPushButton::clicked, this, [this] { veriAl(); });
    // The registration-date box "Tarih".
    auto *tarihEtiketi = new QLabel(QStringLiteral("Tarih"), this);
    m_tarih = new QLineEdit(this);
    m_tarih->setObjectName(QStringLiteral("EsDateEdit1"));
    m_tarih->setInputMask(QStringLiteral("00.00.0000"));
    m_tarih->setMaximumWidth(90);
    siralamaDuzeni()->insertWidget(0, tarihEtiketi);
    siralamaDuzeni()->insertWidget(1, m_tarih);
    connect(m_tarih, &QLineEdit::textChanged, this, &Tfrm_hastalar::tarihFiltresi);
    if (QPushButton *bul = dugme(QStringLiteral("btn_firmabul")))
        connect(bul, &QPushButton::pressed, this, [this] {
            const QDate t = MetindenTarih(m_tarih->text());
            Aktarim.arama_kayittarihi = t.isValid() ? TarihMetni(t) : QString();
        });
}

void Tfrm_hastalar::menuleriKur()
{
    QMenu *diger = menuCubugu()->addMenu(QStringLiteral("Diğer"));
    diger->setObjectName(QStringLiteral("Diger1"));
    auto eylemEkle = [this](QMenu *m, const QString &ad, const QString &metin, const QString &kisayol,
                            std::function<void()> is) {
        auto *x = new QAction(metin, this);
        x->setObjectName(ad);
        if (!kisayol.isEmpty())
            x->setShortcut(QKeySequence(kisayol));
        x->setShortcutContext(Qt::WindowShortcut);
        connect(x, &QAction::triggered, this, [is] { is(); });
        m->addAction(x);
        addAction(x);
        return x;
    };
    eylemEkle(diger, QStringLiteral("SonrakiKod1"), QStringLiteral("Kullanılan Hasta Koduna Göre Bir Sonraki Kodu Ver"),
              QStringLiteral("Ctrl+A"), [this] { sonrakiKodVer(); });
    // The calculator keeps its shortcut on the pattern's own entry.
    eylemEkle(diger, QStringLiteral("HesapMakinesi2"), QStringLiteral("Hesap Makinesi"), QString(),
              [this] { hesapMakinesi(); });
    eylemEkle(diger, QStringLiteral("HastaKoduDegistir1"), QStringLiteral("Hasta Kodu Değiştir"), QString(),
              [this] { hastaKoduDegistir(); });
    eylemEkle(diger, QStringLiteral("HastaKoduAktif1"), QStringLiteral("Hasta Kodu Alanını Aktif Et"), QString(),
              [this] { kodAlaniniAc(); });
    QMenu *branslar = menuCubugu()->addMenu(QStringLiteral("Branşlar"));
    branslar->setObjectName(QStringLiteral("Branslar1"));
    eylemEkle(branslar, QStringLiteral("Gz1"), QStringLiteral("Göz"), QString(), [this] { goz(); });
    QMenu *odemeMenu = menuCubugu()->addMenu(QStringLiteral("ÖDEME"));
    odemeMenu->setObjectName(QStringLiteral("ODEME"));
    eylemEkle(odemeMenu, QStringLiteral("ODEME1"), QStringLiteral("ÖDEME"), QString(), [this] { odeme(); });
}

void Tfrm_hastalar::tarihFiltresi(const QString &metin)
{
    if (BosTarihMaskesi(metin)) {
        Aktarim.arama_kayittarihi.clear();
        return;
    }
    // Only a complete, possible date reaches the statement.
    const QDate t = MetindenTarih(metin);
    if (!t.isValid())
        return;
    VeriSeti *vs = veriSeti();
    if (vs->duzenleniyorMu())
        return;
    Aktarim.arama_kayittarihi = TarihMetni(t);
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("HASTALAR")) + SirketKosulu() + QStringLiteral(" and KAYITTARIHI =")
                          + SqlTarih(t) + QStringLiteral(" order by HASTALAR.HASTAADISOYADI"));
    vs->ac();
}
