#include "raporlar/raportanimlari.h"

namespace {

RaporKriteri tarih(const char *baslik, const char *kolon)
{
    return {QString::fromUtf8(baslik), KriterTuru::TarihAraligi, QString::fromLatin1(kolon)};
}

RaporKriteri aralik(const char *baslik, const char *kolon)
{
    return {QString::fromUtf8(baslik), KriterTuru::Aralik, QString::fromLatin1(kolon)};
}

RaporKriteri metin(const char *baslik, const char *kolon, bool icindeki = false)
{
    RaporKriteri k{QString::fromUtf8(baslik), KriterTuru::Metin, QString::fromLatin1(kolon)};
    k.icindeki = icindeki;
    return k;
}

RaporKriteri liste(const char *baslik, const char *kolon, const QStringList &secenekler)
{
    RaporKriteri k{QString::fromUtf8(baslik), KriterTuru::Liste, QString::fromLatin1(kolon)};
    k.secenekler = secenekler;
    return k;
}

RaporKriteri telefon(const char *kolon)
{
    return {QStringLiteral("Cep Telefonu Olanları Getir"), KriterTuru::Telefon, QString::fromLatin1(kolon)};
}

RaporKriteri aramali(RaporKriteri k, const char *pencere, const char *kolon, const char *ipucu)
{
    k.arama = QString::fromLatin1(pencere);
    k.aramaKolonu = QString::fromLatin1(kolon);
    k.aramaIpucu = QString::fromUtf8(ipucu);
    return k;
}

RaporKriteri hastaKodu()
{
    return aramali(aralik("Hasta Kodu", "HASTAKODU"), "frm_hastaarama", "HASTAKODU", "Hasta Kodu Arama");
}

RaporKriteri doktor(const char *baslik)
{
    return aramali(metin(baslik, "DOKTORADI"), "frm_doktorarama", "DOKTORADISOYADI", "Doktor Arama");
}

QStringList l(std::initializer_list<const char *> v)
{
    QStringList s;
    for (const char *x : v)
        s << QString::fromUtf8(x);
    return s;
}

const QStringList EVETHAYIR = l({"EVET", "HAYIR"});
const QStringList EH = l({"E", "H"});
const QStringList ODEME = l({"NAKIT", "K.KARTI", "CEK", "SENET", "UCRETSIZ"});
const QStringList CINSIYET = l({"ERKEK", "KADIN"});

QStringList muayeneSiralama()
{
    return l({"muayenetarihi", "doktoradi", "hastakodu", "doktorkodu", "hastaadisoyadi", "kayitno", "anmnmez",
              "bulgular", "rapor", "tedavi", "ilaclar", "nabiz", "ates", "tansiyon", "laboratuvarvarmi", "sirano",
              "mynteshis", "radyolojivarmi", "muayeneoldumu", "sonrakimuayenetarihi", "muayeneucreti",
              "odemesekli", "hastaceptel"});
}

QStringList sablonlar(const char *kok)
{
    QStringList s;
    for (int i = 1; i <= 3; ++i)
        s << QStringLiteral("%1%2.frf").arg(QLatin1String(kok)).arg(i);
    return s;
}

// The patients report.
RaporTanimi hastaRaporu()
{
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_hastarapor");
    t.baslik = QStringLiteral("Hasta Raporu");
    t.tablo = QStringLiteral("HASTALAR");
    t.kriterler = {
        tarih("Doğum Tarihi", "DOGUMTARIHI"),
        tarih("Kayıt Tarihi", "KAYITTARIHI"),
        tarih("1.Hatırlatma Trh", "HATIRLATMATARIHI"),
        tarih("2.Hatırlatma Trh", "HATIRLATMATARIHI2"),
        metin("Doğum Yeri", "DOGUMYERI"),
        liste("1.Hatırlatsın mı?", "HATUYARI", EVETHAYIR),
        liste("2.Hatırlatsın mı?", "HATIRLATMADURUMU2", EVETHAYIR),
        metin("Tanı 1", "TANI1"),
        metin("Tanı 2", "TANI2"),
        hastaKodu(),
        liste("Cinsiyet", "CINSIYET", CINSIYET),
        liste("Kurumu", "KURUMU", l({"EMEKLI SANDIGI", "BAGKUR", "SSK", "YESILKART", "ÖZEL", "YOK"})),
        metin("Yakınlık", "YAKINLIKDURUMU"),
        metin("Mesleği", "MESLEGI"),
        doktor("Doktoru"),
        metin("Acıklama", "ACIKLAMALAR", true),
        liste("Alkol", "ALKOLDURUMU", l({"YOK", "AZ", "HAFTA", "AY", "YIL"})),
        metin("Adres", "ADRES", true),
        liste("Kan Grubu", "KANGRUBU",
              l({"A RH +", "A RH -", "B RH +", "B RH -", "AB RH +", "AB RH -", "0 RH +", "0 RH -"})),
        liste("Sigara", "SIGARADURUMU", EVETHAYIR),
        liste("Obezite", "OBEZITEDURUMU", EVETHAYIR),
        metin("İl", "IL"),
        metin("İlce", "ILCE"),
        metin("Ülke", "ULKE"),
        metin("Hastalıklar", "GECIRDIGIHASTALIKLAR", true),
        metin("Ameliyatları", "GECIRDIGIAMELIYATLAR", true),
        metin("İlaçları", "KULLANDIGIILACLAR", true),
        telefon("CEPTEL"),
        aralik("Kılo", "KILO"),
        aralik("Boy", "BOY"),
        aralik("BKİ", "KOLESTROL"),
    };
    t.siralama = l({"HASTAADISOYADI", "DOKTORADI", "CINSIYET", "BABAADI", "KURUMU", "MESLEK", "DOGUMTARIHI",
                    "IL", "ILCE", "ULKE", "EGITIMI", "YATISTARIHI", "HATIRLATMATARIHI", "MEDENIDURUM",
                    "COCUKSAYISI", "ALERJIDURUMU", "KAYITDURUMU", "KAYITTARIHI", "GENETIKHASTALIK", "BOY",
                    "KILO", "KOLESTROL", "KURUMU", "TANI1", "TANI2", "HATUYARI", "HASTAKODU", "DOGUMYERI", "",
                    ""});
    t.sablonlar = sablonlar("hastarapor");
    t.grupSablonu = QStringLiteral("senetgrupraporu1.frf");
    t.telefonKolonu = QStringLiteral("CEPTEL");
    t.gosterilinceDurumSor = true;
    return t;
}

// The examinations report.
RaporTanimi muayeneRaporu()
{
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_muayenerapor");
    t.baslik = QStringLiteral("Muayene Raporu");
    t.tablo = QStringLiteral("MUAYENE");
    t.kriterler = {
        tarih("MuayeneTarihi", "MUAYENETARIHI"),
        tarih("Sonraki M.Tarihi", "SONRAKIMUAYENETARIHI"),
        hastaKodu(),
        doktor("Doktoru"),
        metin("Anamnmez", "ANAMNMEZ", true),
        liste("Ödeme Şekli", "ODEMESEKLI", ODEME),
        liste("M.Durumu", "MUAYENEOLDUMU", EH),
        aralik("Mua.Ücreti", "MUAYENEUCRETI"),
        telefon("HASTACEPTEL"),
        metin("Bulgular", "BULGULAR", true),
        metin("Rapor", "RAPOR", true),
        metin("Tedavi", "TEDAVI", true),
        metin("İlaclar", "ILACLAR", true),
        aramali(metin("Tanı", "MYNTESHIS", true), "frm_taniarama", "TANI", "Tanı Arama"),
        aralik("Tansiyon", "TANSIYON"),
        aralik("Nabız", "NABIZ"),
        aralik("Ateş", "ATES"),
        liste("Lab. Var mı", "LABORATUVARVARMI", EH),
        liste("Rad. Var mı", "RADYOLOJIVARMI", EH),
        aralik("Solunum", "SOLUNUM"),
        metin("Bölüm", "BOLUM"),
        metin("Branş", "BRANS"),
        metin("Doktoru", "DOKTORU"),
        aralik("Lab.Tutarı", "LABORATUVARUCRETI"),
        aralik("İşlem Tutarı", "ISLEMTUTARI"),
        aralik("Toplam Tutar", "TOPLAMTUTAR"),
    };
    t.siralama = muayeneSiralama();
    t.sablonlar = sablonlar("muayenerapor");
    t.grupSablonu = QStringLiteral("muayenegrupraporu1.frf");
    t.telefonKolonu = QStringLiteral("HASTACEPTEL");
    return t;
}

// The appointments report.
RaporTanimi randevuRaporu()
{
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_randevurapor");
    t.baslik = QStringLiteral("Randevu Raporu");
    t.tablo = QStringLiteral("RANDEVU");
    t.kriterler = {
        tarih("Randevu Tarihi", "RANDEVUTARIHI"),
        tarih("Kayıt Tarihi", "RANDALMATARIHI"),
        hastaKodu(),
        doktor("Doktoru"),
        metin("Konu", "KONU", true),
        liste("R.Durumu", "MUAYENEOLDUMU", l({"EVET", "HAYIR", "İPTAL"})),
        telefon("HASTACEPTEL"),
    };
    t.siralama = l({"randalmatarihi", "randevutarihi", "hastakodu", "hastaadisoyadi", "doktoradi", "doktor",
                    "kayitno", "randevusaati", "konu", "muayeneoldumu", "hastaceptel"});
    t.sablonlar = sablonlar("randevurapor");
    t.grupSablonu = QStringLiteral("randevugrupraporu1.frf");
    t.telefonKolonu = QStringLiteral("HASTACEPTEL");
    t.ekSablonlar = {{QStringLiteral("Günlük Rendevu Listesi"), QStringLiteral("randevulistesi1.frf")},
                     {QStringLiteral("Tarihli Kısa Randevu Listesi"), QStringLiteral("randevulistesi2.frf")}};
    return t;
}

// The laboratory report.
RaporTanimi laboratuvarRaporu()
{
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_muhlabrapor");
    t.baslik = QStringLiteral("Laboratuvar Raporu");
    t.tablo = QStringLiteral("MUAYENE_LAB");
    t.kriterler = {
        tarih("MuayeneTarihi", "MUAYENETARIHI"),
        tarih("Lab.Tarihi", "LABORATUVARTARIHI"),
        hastaKodu(),
        doktor("Doktor"),
        metin("İşl.Yapan Kodu", "ISLEMIYAPANKODU"),
        liste("Ödeme Şekli", "ODEMESEKLI", ODEME),
        liste("Cinsiyet", "CINSIYETI", CINSIYET),
        metin("Lab.Adı", "LABORATUVARADI"),
        aralik("Ücreti", "UCRETI"),
        telefon("CEPNO"),
        metin("Acıklama", "ACIKLAMA", true),
        metin("Özel Kod", "OZELKOD1", true),
        metin("Durum", "DURUM", true),
        aralik("Tetkik Kodu", "TETKIKKODU"),
        metin("Tetkik Adı", "TETKIKADI", true),
        aramali(metin("Tanı", "TANI", true), "frm_taniarama", "TANI", "Tanı Arama"),
        metin("Aralık", "ARALIK"),
        metin("Birim", "BIRIMI"),
        metin("Türü", "TURU"),
        metin("İşlem Türü", "ISLEMTURU"),
    };
    t.siralama = muayeneSiralama();
    t.sablonlar = sablonlar("muayenelabrapor");
    t.grupSablonu = QStringLiteral("muayenelabgrupraporu1.frf");
    t.telefonKolonu = QStringLiteral("CEPNO");
    t.telefonOlduguGibi = true;
    return t;
}

// The procedures report.
RaporTanimi islemRaporu()
{
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_yislemlerrapor");
    t.baslik = QStringLiteral("Yapılan İşlemler Raporu");
    t.tablo = QStringLiteral("YAPILANISLEMLER");
    t.kriterler = {
        tarih("İşlemTarihi", "ISLEMTARIHI"),
        hastaKodu(),
        doktor("Doktor"),
        aralik("İşl.Yapan Kodu", "ISLEMIYAPANKODU"),
        aralik("Ücreti", "UCRETI"),
        metin("Düşünceler 1", "DUSUNCELER1", true),
        metin("Düşünceler 2", "DUSUNCELER2", true),
        metin("Bölüm", "BOLUM"),
        metin("Branş", "BRANS"),
        aralik("İşlem Kodu", "ISLEMKODU"),
        metin("İşlem Adı", "YAPILANISLEM", true),
        metin("Dosya No", "DOSYANO"),
        metin("İşlem Türü", "ISLEMTURU"),
    };
    t.siralama = muayeneSiralama();
    t.sablonlar = sablonlar("yapilanislemlerrapor");
    t.grupSablonu = QStringLiteral("muayenelabgrupraporu1.frf");
    return t;
}

// The eye examinations report.
RaporTanimi gozRaporu()
{
    const QStringList gorme = l({"", "10/10", "9/10", "8/10", "7/10", "6/10", "5/10", "4/10", "3/10", "2/10",
                                 "1/10", "5 MPS", "4 MPS", "3 MPS", "2 MPS", "1 MPS", "50 CMPS", "P(+) P(+)",
                                 "P(+) P(-)", "P(-) P(-)"});
    RaporTanimi t;
    t.ekran = QStringLiteral("frm_gozmuayeneraporu");
    t.baslik = QStringLiteral("Göz Raporu");
    t.tablo = QStringLiteral("GOZHASTALIKLARI");
    t.kriterler = {
        tarih("MuayeneTarihi", "MUAYENETARIHI"),
        tarih("İşlem Tarihi", "ISLEMTARIHI"),
        hastaKodu(),
        metin("Hasta Adı", "HASTAADISOYADI", true),
        metin("Doktor Adı", "DOKTORADI"),
        aramali(metin("Doktor Kodu", "DOKTORKODU"), "frm_doktorarama", "DOKTORKODU", "Doktor Arama"),
        aralik("Muayene No", "MUAYENENO"),
        metin("Cam Tipi", "REC_CAMTIPI"),
        metin("Cam Rengi", "REC_CAMRENGI"),
        metin("Lens Tipi", "LENS_LENSTIPI"),
        metin("Solüsyon", "LENS_SOLISYON"),
        liste("Gözlüksüz Sağ", "GOZ_SAGGZLKSUZ", gorme),
        liste("Gözlüksüz Sol", "GOZ_SOLGZLKSUZ", gorme),
        liste("K.Gözlüğü Sağ", "GOZ_SAGGZLKLU", gorme),
        liste("K.Gözlüğü Sol", "GOZ_SOLGZLKLU", gorme),
        liste("Tashihli Sağ", "GOZ_SAGTAHSISLI", gorme),
        liste("Tashihli Sol", "GOZ_SOLTAHSISLI", gorme),
        metin("Siklopleji 1 Sağ", "GOZ_SAGSIKL1"),
        metin("Siklopleji 2 Sağ", "GOZ_SAGSIKL2"),
        metin("Siklopleji 3 Sağ", "GOZ_SAGSIKL3"),
        metin("Siklopleji 1 Sol", "GOZ_SOLSIKL1"),
        metin("Siklopleji 2 Sol", "GOZ_SOLSIKL2"),
        metin("Siklopleji 3 Sol", "GOZ_SOLSIKL3"),
        metin("Keratometri 1 Sağ", "GOZ_SAGKERA1"),
        metin("Keratometri 2 Sağ", "GOZ_SAGKERA2"),
        metin("Keratometri 3 Sağ", "GOZ_SAGKERA3"),
        metin("Keratometri 1 Sol", "GOZ_SOLKERA1"),
        metin("Keratometri 2 Sol", "GOZ_SOLKERA2"),
        metin("Keratometri 3 Sol", "GOZ_SOLKERA3"),
        aramali(metin("Ameliyat 1", "AMELIYATKODU1"), "frm_ek9arama", "PAKETKODU", "EK-9 Arama"),
        aramali(metin("Ameliyat 2", "AMELIYATKODU2"), "frm_ek9arama", "PAKETKODU", "EK-9 Arama"),
        metin("Şikayet", "SIKAYET", true),
        metin("Tanı", "TANI", true),
        metin("Muayene Fundus", "GOZ_FUNDUS", true),
        metin("Muayene Önsegm", "GOZ_ONSEG", true),
        metin("Reçete", "REC_RECETE", true),
        metin("Lens Bulgu", "LENS_LENSBULGU", true),
        metin("Lens Acıklama", "LENS_LENSACIKLAMA", true),
        metin("Şaşı Acıklama", "SASI_SASIACIKLAMA", true),
        metin("Glokom Fundus", "GLOK_FUNDUS", true),
        metin("Glokom G.Alanı", "GLOK_GALAN", true),
        metin("Ameliyat Bulgu", "OPER_AMELIYATBULGU", true),
    };
    t.siralama = l({"HASTAADISOYADI", "DOKTORADI", "HASTAKODU", "DOKTORKODU", "SIKAYET", "TANI", "DUSUNCELER",
                    "MUAYENENO", "DOKTORKODU", "UCRETI", "KULLANICI", "GOZ_SAGGZLKSUZ", "GOZ_SOLGZLKSUZ",
                    "GOZ_SAGGZLKLU", "GOZ_SOLGZLKLU", "GOZ_SAGTAHSISLI", "GOZ_SOLTAHSISLI", "GOZ_FUNDUS",
                    "GOZ_ONSEG", "GOZ_GENEL", "REC_CAMTIPI", "REC_CAMRENGI", "REC_RECETE", "REC_RECETEACIKLAMA",
                    "LENS_SOLISYON", "LENS_LENSTIPI", "LENS_SCH", "LENS_LENSACIKLAMA", "LENS_LENSBULGU",
                    "OPER_SOLAMLTIP", "OPER_SAGAMLTIP", "OPER_AMELIYATBULGU", "OPER_AMELIYATACIKLAMA",
                    "SASI_SASIACIKLAMA", "GLOK_FUNDUS", "GLOK_GALAN", "GLOK_GLOKOMACIKLAMA", "TOPLAMTUTAR",
                    "LABORATUVARUCRETI", "", ""});
    t.sablonlar = sablonlar("gozrapor");
    t.grupSablonu = QStringLiteral("GOZgrupraporu1.frf");
    t.grupToplami = true;
    return t;
}

QVector<RaporTanimi> kur()
{
    return {hastaRaporu(), muayeneRaporu(), randevuRaporu(), laboratuvarRaporu(), islemRaporu(), gozRaporu()};
}

} // namespace

const QVector<RaporTanimi> &RaporTanimlari()
{
    static const QVector<RaporTanimi> v = kur();
    return v;
}

const RaporTanimi *RaporTanimiBul(const QString &ekran)
{
    for (const RaporTanimi &t : RaporTanimlari())
        if (t.ekran == ekran)
            return &t;
    return nullptr;
}
