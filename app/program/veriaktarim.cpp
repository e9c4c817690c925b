#include "app/program/veriaktarim.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "raporlar/motor/tabloaktarimi.h"

namespace {

QStringList ayir(const char *kolonlar) { return QString::fromLatin1(kolonlar).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

} // namespace

namespace VeriAktarim {

const QList<AktarimHedefi> &hedefler()
{
    static const QList<AktarimHedefi> l = {
        {QStringLiteral("btn_hastaaktar"), QStringLiteral("Hasta Karta Excel'den Veri Al"), QStringLiteral("HASTALAR"),
         3000,
         ayir("HASTAKODU HASTAADISOYADI CINSIYET BABAADI DOKTORKODU DOKTORADI DOGUMYERI MEDENIDURUM COCUKSAYISI "
              "TCKIMLIKNO MESLEGI DOGUMTARIHI EGITIMI KURUMU EVTEL CEPTEL ISTEL ADRES ILCE IL ULKE BOY KILO KANGRUBU "
              "KOLESTROL OBEZITEDURUMU SIGARADURUMU ALKOLDURUMU ALERJIDURUMU GENETIKHASTALIK YAKININADI "
              "YAKINLIKDURUMU YAKINTEL GECIRDIGIHASTALIKLAR GECIRDIGIAMELIYATLAR KULLANDIGIILACLAR ACIKLAMALAR EMAIL "
              "KAYITTARIHI YATISTARIHI KAYITDURUMU HATIRLATMATARIHI HATIRLATMANOTU AILEGECMISI TANI1 TANI2 HATUYARI "
              "RESIMYOLU SIRKETKODU"),
         QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_muayeneaktar"), QStringLiteral("Muayene Listesine Excel'den Veri Al"),
         QStringLiteral("MUAYENE"), 3000,
         ayir("DOKTORADI MUAYENETARIHI ANAMNMEZ BULGULAR RAPOR TEDAVI ILACLAR NABIZ ATES TANSIYON LABORATUVARVARMI "
              "SIRANO MYNTESHIS RADYOLOJIVARMI MUAYENEOLDUMU SONRAKIMUAYENETARIHI HASTAKODU DOKTORKODU HASTAADISOYADI "
              "SIRKETKODU MUAYENEUCRETI ODEMESEKLI HASTACEPTEL SOLUNUM LABORATUVARUCRETI ISLEMTUTARI TOPLAMTUTAR "
              "DOKTORPAYTURU DOKTORPAYPARAM DOKTORPAYTUTARI BOLUM BRANS DOKTORU"),
         QStringLiteral("Muayene Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_ek9aktar"), QStringLiteral("Ek 9 Listesine  Excel'den Veri Al"), QStringLiteral("EK9"), 3000,
         ayir("PAKETKODU ISLEMADI ACIKLAMA ISLEMGRUBU OZELKOD UCRETI SIRKETKODU"),
         QStringLiteral("EK 9 Listesi Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_formparametreaktar"), QStringLiteral("Form Parametreleri Excel'den Al"),
         QStringLiteral("FORMPAREMETRELERI"), 3000, ayir("FORMADI PARAMETREADI PARAMETREDEGERI SIRKETKODU ACIKLAMA"),
         QStringLiteral("Form Parametrelerine Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_modulaktar"), QStringLiteral("Modül Adlarını Excel'den Al"), QStringLiteral("MODULLER"),
         3000, ayir("MODULNO FORMADI MODULADI MENUSU ACIKLAMA"),
         QStringLiteral("Modül Adlarını Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_taniaktar"), QStringLiteral("Hasta Tanı Listesini Excel'den Al"), QStringLiteral("TANILAR"),
         12000, ayir("TANITURU TANI TANIGRUBU"),
         QStringLiteral("Tanı Listesi Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_labaktar"), QStringLiteral("Laboratuvar Listesini Excel'den Al"),
         QStringLiteral("LABORATUVAR"), 2000,
         ayir("TETKIKKODU TETKIKADI ARALIK BIRIMI TURU UCRETI KOD1 KOD2 KOD3 ACIKLAMA LABORATUVARADI ISLEMTURU"),
         QStringLiteral("Laboratuvar Listesi Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
    };
    return l;
}

const AktarimHedefi *hedef(const QString &tablo)
{
    for (const AktarimHedefi &h : hedefler())
        if (h.tablo.compare(tablo, Qt::CaseInsensitive) == 0)
            return &h;
    return nullptr;
}

AktarimSonucu aktar(const AktarimHedefi &h, const QString &dosya, const std::function<bool(int, int)> &ilerleme)
{
    AktarimSonucu s;
    const Tablo *t = TabloBul(h.tablo);
    if (!t) {
        s.durum = AktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Bilinmeyen tablo: ") + h.tablo;
        return s;
    }
    TabloAktarimi::Kurallar k;
    k.tablo = h.tablo;
    k.kolonlar = h.kolonlar;
    k.sonSatir = h.sonSatir;
    const TabloAktarimi::Okuma o = TabloAktarimi::oku(dosya, k, ilerleme);
    s.sinirDisi = o.sinirDisi;
    switch (o.durum) {
    case TabloAktarimi::Okuma::Durum::DosyaHatasi:
        s.durum = AktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Dosya okunamadı, hiçbir satır aktarılmadı.\n") + o.neden;
        return s;
    case TabloAktarimi::Okuma::Durum::Iptal:
        // Nothing of a cancelled import is written: the file can be imported again.
        s.durum = AktarimSonucu::Durum::Iptal;
        s.satir = o.satir;
        s.mesaj = QStringLiteral("Veri alma işlemi iptal edildi; hiçbir satır aktarılmadı.");
        return s;
    case TabloAktarimi::Okuma::Durum::Durdu:
        s.durum = AktarimSonucu::Durum::Durdu;
        s.satir = o.satir;
        s.sutun = o.sutun;
        s.mesaj = o.neden;
        break;
    case TabloAktarimi::Okuma::Durum::Tamam:
        break;
    }

    QStringList yerler;
    for (int i = 0; i < h.kolonlar.size(); ++i)
        yerler << QStringLiteral("?");
    QString sql = QStringLiteral("insert into %1 (").arg(t->ad);
    if (!t->uretec.isEmpty())
        sql += t->anahtar + QStringLiteral(", ");
    sql += h.kolonlar.join(QStringLiteral(", ")) + QStringLiteral(") values (");
    if (!t->uretec.isEmpty())
        sql += QStringLiteral("gen_id(%1, 1), ").arg(t->uretec);
    sql += yerler.join(QStringLiteral(", ")) + QStringLiteral(")");
    const TabloAktarimi::Yazim y = TabloAktarimi::yaz(o.satirlar, [&sql](const TabloAktarimi::Satir &r, QString *neden) {
        QString dbHata;
        if (Sorgu::calistir(sql, r.degerler, QString(), &dbHata))
            return true;
        *neden = QStringLiteral("%1. satır yazılamadı: %2").arg(r.no).arg(dbHata);
        return false;
    });
    s.aktarilan = y.yazilan;
    if (y.onayHatasi) {
        s.durum = AktarimSonucu::Durum::Durdu;
        s.mesaj = QStringLiteral("Satırlar veritabanına yazılamadı; aktarılan satır: %1.\n").arg(s.aktarilan) + y.neden;
        return s;
    }
    if (y.satir) {
        s.durum = AktarimSonucu::Durum::Durdu;
        s.satir = y.satir;
        s.sutun = 0;
        s.mesaj = y.neden;
    }
    const QString sayilar = QStringLiteral("%1 satır aktarıldı").arg(s.aktarilan)
                            + (s.sinirDisi > 0 ? QStringLiteral(", %1 satır sınırın ötesinde kaldı").arg(s.sinirDisi)
                                               : QString());
    if (s.durum == AktarimSonucu::Durum::Durdu)
        s.mesaj += QStringLiteral("\nAktarım bu satırda durdu; önceki satırlardan ") + sayilar + QStringLiteral(".");
    else
        s.mesaj = h.basariMesaji + QStringLiteral("\n") + sayilar;
    return s;
}

} // namespace VeriAktarim
