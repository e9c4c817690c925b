// The patient code: the automatic code of a new card, the next code from a
// typed prefix, opening the code box, and changing a saved card's code
// everywhere it is used.
#include "hastalar/frm_hastalar.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/veriseti.h"
#include "hastalar/hastakodu.h"

#include <QCheckBox>
#include <QLineEdit>

void Tfrm_hastalar::otoKod()
{
    VeriSeti *vs = veriSeti();
    if (!m_otoKod->isChecked() || vs->durum() != VeriSeti::Durum::Ekle)
        return;
    vs->degerAyarla(QStringLiteral("HASTAKODU"), HastaKodu::varsayilan(vs->anahtar()));
}

void Tfrm_hastalar::sonrakiKodVer()
{
    if (kilitliMi())
        return;
    const QString onek = m_kod->text();
    if (onek.isEmpty())
        return;
    auto yeni = HastaKodu::soncarikodbul(onek, Oturum.sirketkodu);
    if (!yeni)
        return;
    veriSeti()->degerAyarla(QStringLiteral("HASTAKODU"), *yeni);
}

void Tfrm_hastalar::kodAlaniniAc()
{
    if (kilitliMi())
        return;
    m_kod->setEnabled(true);
}

void Tfrm_hastalar::hastaKoduDegistir()
{
    const Yetkiler &y = yetkiler();
    for (const QString *f : {&y.SILME, &y.DEGISTIRME, &y.KAYIT, &y.YENIKAYIT, &y.OZELYETKI1, &y.OZELYETKI2})
        if (!Yetkiler::izin(*f))
            return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    if (vs->duzenleniyorMu()) {
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return;
    }
    if (!Mesaj::soru(QStringLiteral("Bu Hasta Kartın Kodunu Değiştirmek İstiyormusunuz ? "), this))
        return;
    const QString eski = kod();
    const auto yeni = Mesaj::girdi(QStringLiteral("Yeni Hasta Kodu Girin"), QStringLiteral("Prompt"), eski, this);
    if (!yeni)
        return;
    if (yeni->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Hasta Kod Boş Olamaz"), this);
        return;
    }
    if (!HastaKodu::degistir(vs->anahtar(), eski, *yeni, this)) {
        odakla(QStringLiteral("edt_hastakodu"));
        return;
    }
    vs->satirYenile();
    Mesaj::goster(QStringLiteral("Hasta Kodu Değiştirme İşlemi Tamamlandı"), this);
}
