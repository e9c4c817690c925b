#include "klinik/frm_notlar2.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

Tfrm_notlar2::Tfrm_notlar2(QWidget *ust)
    : NotDosyaPenceresi(QStringLiteral("ACIKLAMALAR"), QStringLiteral("aciklamarapor1.frf"), ust)
{
    setObjectName(QStringLiteral("frm_notlar2"));
    setWindowTitle(QStringLiteral("Acıklama-Notlar"));

    auto *alan = new QWidget(this);
    alan->setObjectName(QStringLiteral("Panel1"));
    auto *f = new QFormLayout(alan);

    auto *aciklama1 = new QPlainTextEdit(alan);
    aciklama1->setObjectName(QStringLiteral("edt_aciklama1"));
    aciklama1->setTabChangesFocus(true);
    aciklama1->setFixedHeight(48);
    auto *aciklama2 = new QPlainTextEdit(alan);
    aciklama2->setObjectName(QStringLiteral("edt_aciklama2"));
    aciklama2->setTabChangesFocus(true);
    aciklama2->setFixedHeight(90);
    auto *tarih1 = new QLineEdit(alan);
    tarih1->setObjectName(QStringLiteral("edt_tarih1"));
    auto *tarih2 = new QLineEdit(alan);
    tarih2->setObjectName(QStringLiteral("edt_tarih2"));
    tarih1->setMaximumWidth(110);
    tarih2->setMaximumWidth(110);
    auto *kullanici = new QLineEdit(alan);
    kullanici->setObjectName(QStringLiteral("edt_kullanici"));
    kullanici->setReadOnly(true);
    auto *hastakodu = new QLineEdit(alan);
    hastakodu->setObjectName(QStringLiteral("edt_hastakodu"));
    hastakodu->setMaximumWidth(140);
    auto *hastaadi = new QLineEdit(alan);
    hastaadi->setObjectName(QStringLiteral("edt_hastaadi"));

    auto *hasta = new QHBoxLayout;
    hasta->addWidget(hastakodu);
    hasta->addWidget(hastaadi, 1);
    auto *tarihler = new QHBoxLayout;
    tarihler->addWidget(tarih1);
    tarihler->addSpacing(12);
    tarihler->addWidget(new QLabel(QStringLiteral("Tarih 2"), alan));
    tarihler->addWidget(tarih2);
    tarihler->addStretch();

    f->addRow(QStringLiteral("Acıklama 1"), aciklama1);
    f->addRow(QStringLiteral("Acıklama 2"), aciklama2);
    f->addRow(QStringLiteral("Tarih 1"), tarihler);
    f->addRow(QStringLiteral("İlgili"), kullanici);
    f->addRow(QStringLiteral("Hasta Adı"), hasta);

    m_bag->bagla(aciklama1, QStringLiteral("ACIKLAMA1"));
    m_bag->bagla(aciklama2, QStringLiteral("ACIKLAMA2"));
    m_bag->tarihBagla(tarih1, QStringLiteral("TARIH1"));
    m_bag->tarihBagla(tarih2, QStringLiteral("TARIH2"));
    m_bag->bagla(kullanici, QStringLiteral("KULLANICI"));
    m_bag->bagla(hastakodu, QStringLiteral("HASTAKODU"));
    m_bag->bagla(hastaadi, QStringLiteral("HASTAADI"));

    auto k = [](const char *kolon, const QString &baslik, int genislik, bool duzenlenebilir = true) {
        TabloKolonu t;
        t.kolon = QLatin1String(kolon);
        t.baslik = baslik;
        t.genislik = genislik;
        t.duzenlenebilir = duzenlenebilir;
        if (t.kolon.endsWith(QLatin1String("KAYITNO"))) {
            // Record numbers are whole numbers, not amounts.
            t.bicim = GosterimBicimi::Desen;
            t.desen = QStringLiteral("0");
        }
        return t;
    };
    m_model->kolonlariAyarla({
        k("ACIKLAMA1", QStringLiteral("Acıklama 1"), 260),
        k("TARIH1", QStringLiteral("Tarih 1"), 80),
        k("TARIH2", QStringLiteral("Tarih 2"), 80),
        k("KULLANICI", QStringLiteral("İlgili"), 110),
        k("EVRAKKAYITNO", QStringLiteral("E.K.No"), 60, false),
        k("EVRAKTURU", QStringLiteral("E.Türü"), 70, false),
        k("HASTAKODU", QString(), 90),
        k("HASTAADI", QString(), 160),
        // The key addresses the row in every update and delete: never typed over.
        k("KAYITNO", QStringLiteral("K.No"), 55, false),
    });

    yerlesimKur(alan);
    resize(820, 560);
}

QString Tfrm_notlar2::aktarimSelectMetni() const
{
    return NotlarSelectMetni(Aktarim.not_evrakkayitno, Aktarim.not_evrakturu);
}

void Tfrm_notlar2::yeniSatirDegerleri()
{
    m_vs->degerAyarla(QStringLiteral("EVRAKKAYITNO"), Aktarim.not_evrakkayitno);
    m_vs->degerAyarla(QStringLiteral("EVRAKTURU"), Aktarim.not_evrakturu);
    m_vs->degerAyarla(QStringLiteral("KULLANICI"), Oturum.kullaniciadisoyadi.left(15));
    m_vs->degerAyarla(QStringLiteral("HASTAKODU"), Aktarim.not_hastakodu);
    m_vs->degerAyarla(QStringLiteral("HASTAADI"), Aktarim.not_hastaadi);
}

void Tfrm_notlar2::aktarimiTemizle()
{
    Aktarim.not_evrakkayitno = 0;
    Aktarim.not_evrakturu.clear();
    Aktarim.not_hastakodu.clear();
    Aktarim.not_hastaadi.clear();
}
