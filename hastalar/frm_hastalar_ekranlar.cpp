// Where the patient screen leads: the examination or eye screen by the
// clinic's branch, the account movements and payment screens, the patient
// card report and the doctor lookup.
#include "hastalar/frm_hastalar.h"

#include "app/aramasecimi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"

#include <QLineEdit>


void Tfrm_hastalar::muayeneler()
{
    bool ok = false;
    const Yetkiler m = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("MUAYENE"), Oturum.sirketkodu, &ok);
    if (!ok)
        return;
    if (!m.bulundu || m.FORMGIRISI.isEmpty() || m.FORMGIRISI == QLatin1String("H")) {
        Mesaj::goster(QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz"), this);
        return;
    }
    VeriSeti *vs = veriSeti();
    const bool buyuk = parametre(14) == QLatin1String("E");
    const QString dal = parametre(15);
    if (dal.isEmpty() || dal == QLatin1String("GENEL")) {
        Aktarim.muayene_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
        EkranAc(QStringLiteral("frm_muayene"), this, buyuk);
    } else if (dal == QStringLiteral("GÖZ")) {
        Aktarim.goz_hastakodu = vs->metin(QStringLiteral("HASTAKODU"));
        Aktarim.goz_doktorkodu = vs->metin(QStringLiteral("DOKTORKODU"));
        Aktarim.goz_hastaadi = vs->metin(QStringLiteral("HASTAADISOYADI"));
        Aktarim.goz_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
        EkranAc(QStringLiteral("frm_goz"), this, buyuk);
    }
}

void Tfrm_hastalar::cariHareketler()
{
    VeriSeti *vs = veriSeti();
    if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
        return;
    if (!vs->acikMi() || vs->bosMu())
        return;
    const QString k = kod();
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = k;
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    const QString sql = SelectBasi(QStringLiteral("cari_hareket")) + QStringLiteral(" and carikod =") + SqlQuote(k)
                        + SirketKosulu() + QStringLiteral("  ")
                        + QStringLiteral("order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    EkranAc(QStringLiteral("frm_cari_hareket"), this, false, QString(), [k, ad, sql](QDialog *d) {
        if (auto *ke = qobject_cast<KayitEkrani *>(d))
            ke->selectAyarla(sql);
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("edt_carihareketkodu")))
            e->setText(k);
    });
}

void Tfrm_hastalar::odeme()
{
    VeriSeti *vs = veriSeti();
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = kod();
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    EkranAc(QStringLiteral("frm_odeme"), this, false, QString(), [ad](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
    });
}

void Tfrm_hastalar::goz()
{
    VeriSeti *vs = veriSeti();
    if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
        return;
    if (!vs->acikMi() || vs->bosMu())
        return;
    Aktarim.goz_hastakodu = kod();
    EkranAc(QStringLiteral("frm_goz"), this);
}

void Tfrm_hastalar::hastaKartiBas()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    const QString k = kod();
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("hastalar")) + QStringLiteral(" and hastakodu =") + SqlQuote(k)
                          + SirketKosulu() + QStringLiteral(" order by hastalar.hastakodu"));
    if (vs->ac()) {
        VeriSetiKaynagi kaynak(*vs);
        Rapor r;
        r.baglan(&kaynak);
        if (r.yukle(QStringLiteral("HASTAKARTI.frf"), this)) {
            r.baslikAyarla(QStringLiteral("HASTAKARTI.frf"));
            r.onizle(this);
        }
    }
    // Afterwards the list is every patient of the company again.
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("hastalar")) + SirketKosulu() + QStringLiteral(" "));
    vs->ac();
}

void Tfrm_hastalar::doktorSec()
{
    AramadanSatira(QStringLiteral("frm_doktorarama"), *veriSeti(),
                   {{QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORKODU")},
                    {QStringLiteral("DOKTORADISOYADI"), QStringLiteral("DOKTORADI")}},
                   this);
}
