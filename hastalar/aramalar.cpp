#include "hastalar/aramalar.h"

#include "app/aramapenceresi.h"
#include "app/oturum.h"
#include "db/sqltext.h"

namespace {

QString sirket() { return SirketKosulu(); }

QStringList liste(const char *s) { return QString::fromUtf8(s).split(QStringLiteral(", ")); }

// Patients and staff.
void kisiAramalari(QVector<AramaAyari> &v)
{
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_hastaarama");
        a.baslik = QStringLiteral("HASTA ARAMA");
        a.tablo = QStringLiteral("HASTALAR");
        a.veriSetiAdi = QStringLiteral("t_hastalar");
        a.aramaKolonlari = liste("HASTAADISOYADI, TCKIMLIKNO, BABAADI, DOKTORADI, KANGRUBU, EVTEL, ISTEL, CEPTEL, "
                                 "ADRES, KURUMU, YAKININADI, YAKINTEL, GECIRDIGIHASTALIKLAR, GECIRDIGIAMELIYATLAR, "
                                 "KULLANDIGIILACLAR, ACIKLAMALAR, IL, ILCE, EMAIL");
        for (const QString &k : liste("HASTAKODU, HASTAADISOYADI, DOKTORADI, BABAADI, DOGUMTARIHI, CINSIYET, EVTEL, "
                                      "CEPTEL, ISTEL, MESLEGI, KURUMU, ADRES, IL, ILCE, ULKE, KANGRUBU, BOY, KILO, "
                                      "SIGARADURUMU, OBEZITEDURUMU, ALKOLDURUMU, KOLESTROL, TCKIMLIKNO, YAKININADI, "
                                      "YAKINLIKDURUMU, YAKINTEL, KAYITTARIHI, GECIRDIGIHASTALIKLAR, "
                                      "GECIRDIGIAMELIYATLAR, KULLANDIGIILACLAR, ACIKLAMALAR, EMAIL, RESIMYOLU")) {
            TabloKolonu t;
            t.kolon = k;
            a.izgaraKolonlari << t;
        }
        a.buyukHarf = true;
        a.acilisKosulu = [] {
            QString k = sirket();
            if (!Aktarim.arama_hastaadi.isEmpty())
                k += QStringLiteral(" and hastaadisoyadi=") + SqlQuote(Aktarim.arama_hastaadi);
            if (!Aktarim.arama_kayittarihi.isEmpty())
                k += QStringLiteral(" and KAYITTARIHI=") + SqlQuote(Aktarim.arama_kayittarihi);
            return k;
        };
        a.aramaKosulu = [] {
            QString k = sirket();
            if (!Aktarim.arama_kayittarihi.isEmpty())
                k += QStringLiteral(" and KAYITTARIHI =") + SqlQuote(Aktarim.arama_kayittarihi);
            return k;
        };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by HASTALAR.HASTAADISOYADI ");
        a.girdileriTemizle = [] {
            Aktarim.arama_hastaadi.clear();
            Aktarim.arama_kayittarihi.clear();
        };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_doktorarama");
        a.baslik = QStringLiteral("PERSONEL ARAMA");
        a.tablo = QStringLiteral("DOKTORLAR");
        a.veriSetiAdi = QStringLiteral("t_doktorlar");
        a.aramaKolonlari = liste("DOKTORADISOYADI, DOKTORKODU, BRANS, EVTELEFONU, CEPTELEFONU, ADRESI, "
                                 "EMAILADRESI, BOLUM, CEPTEL2");
        a.izgaraKolonlari = IzgaraKolonlari({{"DOKTORKODU", "PERS. KODU"}, {"DOKTORADISOYADI", "PERSONEL ADI"},
                                            {"PERSONELTURU", "PERSONEL TÜRÜ"}, {"BRANS", nullptr},
                                            {"CEPTELEFONU", "CEP TEL"}, {"EVTELEFONU", "EV TEL"}, {"ADRESI", nullptr},
                                            {"EMAILADRESI", "EMAIL"}});
        // Opens without former staff; a search lists them too. Staff whose
        // field was never filled in count as working.
        a.acilisKosulu = [] { return sirket() + QStringLiteral(" and coalesce(calisiyormu, 'EVET') = 'EVET'"); };
        a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = QStringLiteral(" order by doktorlar.DOKTORADISOYADI ");
        a.aramaSiralama = QStringLiteral(" order by doktorlar.doktorADISOYADI ");
        v << a;
    }
}

// Examinations, diagnoses, laboratory, eye examinations, catalogues, procedures.
void klinikAramalari(QVector<AramaAyari> &v)
{
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_muayenearama");
        a.baslik = QStringLiteral("MUAYENE ARAMA");
        a.tablo = QStringLiteral("MUAYENE");
        a.veriSetiAdi = QStringLiteral("t_muayene");
        a.aramaKolonlari = liste("HASTAADISOYADI, DOKTORADI, HASTAKODU, DOKTORKODU, ANAMNMEZ, MYNTESHIS, RAPOR, "
                                 "TEDAVI, ILACLAR, NABIZ, ATES, TANSIYON, KAYITNO");
        // The examination number, as the ledger shows it ("M-82").
        a.anahtarOneki = QStringLiteral("M-");
        {
            TabloKolonu t;
            t.kolon = QStringLiteral("KAYITNO");
            t.baslik = QStringLiteral("M.NO");
            a.izgaraKolonlari << t;
        }
        for (const QString &k : liste("HASTAKODU, HASTAADISOYADI, DOKTORKODU, DOKTORADI, MUAYENETARIHI, ANAMNMEZ, "
                                      "BULGULAR, RAPOR, TEDAVI, ILACLAR, NABIZ, ATES, TANSIYON, LABORATUVARVARMI, "
                                      "SIRANO, MYNTESHIS, RADYOLOJIVARMI, MUAYENEOLDUMU, SONRAKIMUAYENETARIHI, "
                                      "MUAYENEUCRETI, ODEMESEKLI")) {
            TabloKolonu t;
            t.kolon = k;
            a.izgaraKolonlari << t;
        }
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by muayene.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_taniarama");
        a.baslik = QStringLiteral("TANI ARAMA");
        a.tablo = QStringLiteral("TANILAR");
        a.veriSetiAdi = QStringLiteral("t_tanilar");
        a.aramaKolonlari = liste("TANI, TANITURU, TANIGRUBU");
        a.izgaraKolonlari = IzgaraKolonlari({{"TANI", nullptr}, {"TANITURU", nullptr}, {"TANIGRUBU", nullptr}});
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by tanilar.tani ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_muayene_labarama");
        a.baslik = QStringLiteral("LABORATUVAR KAYIT ARAMA");
        a.tablo = QStringLiteral("MUAYENE_LAB");
        a.veriSetiAdi = QStringLiteral("t_muayene_lab");
        a.aramaKolonlari = liste("HASTAADISOYADI, DOKTORADI, TETKIKADI, TETKIKKODU, ARALIK, DURUM, BIRIMI, TURU, "
                                 "ACIKLAMA, TANI, KOD1, KOD2, KOD3, HASTAKODU, DOKTORKODU, LABORATUVARADI, OZELKOD1, "
                                 "MUAYENENO, SIRANO, KAYITNO");
        a.izgaraKolonlari = IzgaraKolonlari({{"HASTAKODU", "H.KODU"}, {"HASTAADISOYADI", "HASTA ADI"},
                                            {"MUAYENENO", "M.NO"}, {"TETKIKADI", nullptr}, {"DURUM", "SONUC"},
                                            {"TETKIKKODU", nullptr}, {"ARALIK", nullptr}, {"BIRIMI", nullptr},
                                            {"TURU", nullptr}, {"LABORATUVARTARIHI", "LAB.TARİHİ"},
                                            {"LABORATUVARSAATI", "LAB.SAATI"}, {"UCRETI", nullptr}, {"KOD1", nullptr},
                                            {"KOD2", nullptr}, {"KOD3", nullptr}, {"MUAYENETARIHI", nullptr},
                                            {"DOKTORKODU", nullptr}, {"DOKTORADI", nullptr}, {"CINSIYETI", nullptr},
                                            {"TANI", nullptr}, {"CEPNO", nullptr}, {"SIRANO", nullptr},
                                            {"LABORATUVARADI", nullptr}, {"ACIKLAMA", nullptr}, {"OZELKOD1", nullptr},
                                            {"KAYITNO", nullptr}});
        a.izgaraKolonlari[10].bicim = GosterimBicimi::Saat;
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by muayene_LAB.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_labarama");
        a.baslik = QStringLiteral("TETKİK ARAMA");
        a.tablo = QStringLiteral("LABORATUVAR");
        a.veriSetiAdi = QStringLiteral("t_laboratuvar");
        a.aramaKolonlari = liste("TETKIKADI, TETKIKKODU, ARALIK, BIRIMI, TURU, ACIKLAMA, LABORATUVARADI, UCRETI, "
                                 "KOD1, KOD2, KOD3, KAYITNO");
        a.izgaraKolonlari = IzgaraKolonlari({{"TETKIKKODU", "TETKIK KODU"}, {"TETKIKADI", "TETKIK ADI"},
                                            {"ARALIK", nullptr}, {"BIRIMI", nullptr}, {"TURU", nullptr},
                                            {"ACIKLAMA", nullptr}, {"LABORATUVARADI", nullptr}, {"UCRETI", nullptr},
                                            {"KOD1", nullptr}, {"KOD2", nullptr}, {"KOD3", nullptr},
                                            {"KAYITNO", nullptr}});
        a.cokluSecim = true;
        a.acilisKosulu = a.aramaKosulu = [] {
            return Aktarim.lab_turu.isEmpty() ? QString() : QStringLiteral(" and turu=") + SqlQuote(Aktarim.lab_turu);
        };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by laboratuvar.tetkikadi ");
        a.girdileriTemizle = [] {
            Aktarim.lab_turu.clear();
            Aktarim.lab_cagiran.clear();
        };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_gozmuayenearama");
        a.baslik = QStringLiteral("GÖZ MUAYENE ARAMA");
        a.tablo = QStringLiteral("GOZHASTALIKLARI");
        a.veriSetiAdi = QStringLiteral("t_gozhastaliklari");
        a.aramaKolonlari = liste(
            "HASTAADISOYADI, DOKTORADI, HASTAKODU, DOKTORKODU, SIKAYET, TANI, DUSUNCELER, MUAYENENO, UCRETI, "
            "KULLANICI, GOZ_SAGGZLKSUZ, GOZ_SOLGZLKSUZ, GOZ_SAGGZLKLU, GOZ_SOLGZLKLU, GOZ_SAGTAHSISLI, "
            "GOZ_SOLTAHSISLI, GOZ_FUNDUS, GOZ_ONSEG, GOZ_GENEL, REC_CAMTIPI, REC_CAMRENGI, REC_RECETE, "
            "REC_RECETEACIKLAMA, LENS_SOLISYON, LENS_LENSTIPI, LENS_SCH, LENS_LENSACIKLAMA, LENS_LENSBULGU, "
            "OPER_SOLAMLTIP, OPER_SAGAMLTIP, OPER_AMELIYATBULGU, OPER_AMELIYATACIKLAMA, SASI_SASIACIKLAMA, "
            "GLOK_FUNDUS, GLOK_GALAN, GLOK_GLOKOMACIKLAMA, TOPLAMTUTAR, LABORATUVARUCRETI");
        a.izgaraKolonlari = IzgaraKolonlari({{"HASTAKODU", nullptr}, {"HASTAADISOYADI", "HASTA ADI"},
                                            {"MUAYENENO", "MUA.NO"}, {"MUAYENETARIHI", "M.TARIHI"},
                                            {"DOKTORADI", "DOKTOR ADI"}, {"ISLEMTARIHI", "ISLEM TARIHI"},
                                            {"SIKAYET", nullptr}, {"TANI", nullptr}, {"DUSUNCELER", nullptr},
                                            {"RANDEVUNO", "RNDV.NO"}, {"DOKTORKODU", "DR.KODU"}});
        a.tumKolonlarSonra = true;
        auto kosul = [] {
            QString k = sirket();
            if (!Aktarim.gozarama_muayenetarihi.isEmpty())
                k += QStringLiteral(" and MUAYENETARIHI =") + SqlQuote(Aktarim.gozarama_muayenetarihi);
            return k;
        };
        a.acilisKosulu = a.aramaKosulu = kosul;
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by gozhastaliklari.HASTAADISOYADI ");
        a.girdileriTemizle = [] { Aktarim.gozarama_muayenetarihi.clear(); };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_ek9arama");
        a.baslik = QStringLiteral("EK 9  ARAMA");
        a.tablo = QStringLiteral("EK9");
        a.veriSetiAdi = QStringLiteral("t_ek9");
        a.aramaKolonlari = liste("ISLEMADI, PAKETKODU, ISLEMGRUBU, UCRETI, ACIKLAMA, KAYITNO, OZELKOD");
        a.izgaraKolonlari = IzgaraKolonlari({{"PAKETKODU", nullptr}, {"ISLEMADI", nullptr}, {"ACIKLAMA", nullptr},
                                            {"UCRETI", nullptr}, {"ISLEMGRUBU", nullptr}, {"OZELKOD", nullptr}});
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by EK9.ISLEMADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_islemarama");
        a.baslik = QStringLiteral("İŞLEM ARAMA");
        a.tablo = QStringLiteral("ISLEMLER");
        a.veriSetiAdi = QStringLiteral("t_islemler");
        a.aramaKolonlari = liste("YAPILANISLEM, ISLEMKODU, ISLEMTURU, UCRETI, ACIKLAMA, KAYITNO");
        a.izgaraKolonlari = IzgaraKolonlari({{"ISLEMKODU", nullptr}, {"YAPILANISLEM", nullptr}, {"ISLEMTURU", nullptr},
                                            {"UCRETI", nullptr}, {"ACIKLAMA", nullptr}, {"KAYITNO", nullptr}});
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by islemler.yapilanislem ");
        v << a;
    }
}

// Appointments and account movements.
void randevuVeCariAramalari(QVector<AramaAyari> &v)
{
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_randevuarama");
        a.baslik = QStringLiteral("RANDEVU ARAMA");
        a.tablo = QStringLiteral("RANDEVU");
        a.veriSetiAdi = QStringLiteral("t_randevu");
        a.aramaKolonlari = liste("randalmatarihi, randevutarihi, hastakodu, hastaadisoyadi, doktoradi, doktor, "
                                 "kayitno, randevusaati, konu, muayeneoldumu, hastaceptel");
        a.ilkKolon = QStringLiteral("hastaadisoyadi");
        a.izgaraKolonlari = IzgaraKolonlari({{"MUAYENEOLDUMU", "DURUM"}, {"HASTAKODU", "H.KODU"},
                                            {"HASTAADISOYADI", "H.ADI SOYADI"}, {"DOKTOR", "DR.KODU"},
                                            {"DOKTORADI", "DOKTOR ADI"}, {"RANDEVUTARIHI", "R.TARIHI"},
                                            {"RANDEVUSAATI", "R.SAATI"}, {"KONU", nullptr},
                                            {"RANDALMATARIHI", "K.TARIHI"}, {"HASTACEPTEL", nullptr}});
        a.izgaraKolonlari[6].bicim = GosterimBicimi::Saat;
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by randevu.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_carihareket_ara");
        a.baslik = QStringLiteral("Cari Hareket Arama");
        a.tablo = QStringLiteral("CARI_HAREKET");
        a.veriSetiAdi = QStringLiteral("t_cari_hareket");
        a.aramaKolonlari = liste("evrakno, islemtarihi, carikod, cariunvan, islemturu, vadetarihi, Aciklama, "
                                 "Ozelkod1, Ozelkod2, Borc, Alacak, Parabirimi, Evrakcinsi, Evrakkayitno");
        a.izgaraKolonlari = IzgaraKolonlari({{"ISLEMTURU", nullptr}, {"EVRAKNO", nullptr}, {"ISLEMTARIHI", nullptr},
                                            {"CARIKOD", nullptr}, {"CARIUNVAN", nullptr}, {"ACIKLAMA", nullptr},
                                            {"BORC", nullptr}, {"ALACAK", nullptr}, {"VADETARIHI", nullptr},
                                            {"OZELKOD1", nullptr}, {"OZELKOD2", nullptr}, {"EVRAKKAYITNO", nullptr},
                                            {"EVRAKCINSI", nullptr}, {"KULLANICI", nullptr}});
        a.buyukHarf = true;
        a.icindekiVar = false; // values that begin with the text only
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.aramaSiralama = QStringLiteral("*");
        v << a;
    }
}

QVector<AramaAyari> ayarlariKur()
{
    QVector<AramaAyari> v;
    kisiAramalari(v);
    klinikAramalari(v);
    randevuVeCariAramalari(v);
    return v;
}

} // namespace

void AramalariKaydet()
{
    for (const AramaAyari &a : ayarlariKur())
        AramaAyariKaydet(a);
}
