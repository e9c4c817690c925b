// Every screen the program can open by window name, one line each: this is
// the one list. A window name that is not listed here answers
// "Bu ekran henüz hazır değil".
#include "app/program/ekranlistesi.h"

#include "app/ekranlar.h"

#include "app/frm_eleman_ara.h"
#include "app/frm_kullanici.h"
#include "app/program/frm_about.h"
#include "app/program/frm_hesapmakinesi.h"
#include "cari/frm_cari_hareket.h"
#include "cari/frm_odeme.h"
#include "cari/dekont.h"
#include "raporlar/raporekrani.h"
#include "app/program/frm_module.h"
#include "app/program/frm_select.h"
#include "hastalar/aramalar.h"
#include "hastalar/frm_doktorlar.h"
#include "hastalar/frm_hastalar.h"
#include "hastalar/katalog.h"
#include "klinik/frm_dosyabul.h"
#include "klinik/frm_dosyayonetimi.h"
#include "klinik/frm_goz.h"
#include "klinik/frm_muayene.h"
#include "klinik/frm_muayene_lab.h"
#include "klinik/frm_yapilanislemler.h"
#include "klinik/frm_notlar2.h"
#include "klinik/frm_resimgoster.h"
#include "raporlar/motor/hizmetler.h"
#include "raporlar/motor/rapor.h"
#include "randevu/frm_randevu.h"
#include "randevu/frm_uyari.h"
#include "randevu/frm_sms1.h"
#include "randevu/smsraporsekmesi.h"
#include "raporlar/gunlukraporlar.h"
#include "raporlar/frm_carihareketrapor.h"
#include "app/ekstrehizmeti.h"
#include "cari/ekstre.h"

template <class T>
static void kaydet(const char *ad)
{
    EkranKaydet(QLatin1String(ad), [](QWidget *ust) -> QDialog * { return new T(ust); });
}

void EkranlariKaydet()
{
    kaydet<Tfrm_hesapmakinesi>("frm_hesapmakinesi");
    kaydet<Tfrm_about>("frm_about");
    kaydet<Tfrm_hastalar>("frm_hastalar");
    kaydet<Tfrm_doktorlar>("frm_doktorlar");
    kaydet<Tfrm_tanilar>("frm_tanilar");
    kaydet<Tfrm_islemler>("frm_islemler");
    kaydet<Tfrm_laboratuvarlar>("frm_laboratuvarlar");
    kaydet<Tfrm_ek9>("frm_ek9");
    kaydet<Tfrm_notlar2>("frm_notlar2");
    kaydet<Tfrm_dosyayonetimi>("frm_dosyayonetimi");
    kaydet<Tfrm_dosyabul>("frm_dosyabul");
    kaydet<Tfrm_resimgoster>("frm_resimgoster");
    kaydet<Tfrm_cari_hareket>("frm_cari_hareket");
    kaydet<Tfrm_odeme>("frm_odeme");
    Dekont::EylemiKaydet();
    kaydet<Tfrm_kullanici>("frm_kullanici");
    kaydet<Tfrm_module>("frm_module");
    kaydet<Tfrm_eleman_ara>("frm_eleman_ara");
    kaydet<Tfrm_select>("frm_select");
    kaydet<Tfrm_muayene>("frm_muayene");
    kaydet<Tfrm_muayene_lab>("frm_muayene_lab");
    kaydet<Tfrm_goz>("frm_goz");
    kaydet<Tfrm_yapilanislemler>("frm_yapilanislemler");
    kaydet<Tfrm_randevu>("frm_randevu");
    kaydet<Tfrm_sms1>("frm_sms1");
    SmsSekmesiUreticisiKaydet([](const SmsSekmesiAyari &a, QWidget *ust) -> QWidget * {
        return new SmsRaporSekmesi(a, ust);
    });
    kaydet<Tfrm_uyari>("frm_uyari");
    GunlukRaporlar::EylemleriKaydet();
    kaydet<Tfrm_carihareketrapor>("frm_carihareketrapor");
    EkstreHizmeti() = [](const EkstreIstegi &i, QWidget *ust) {
        Ekstre::Ekstre e;
        Ekstre::Girdiler g;
        g.select = i.select;
        g.baslik = i.baslik;
        g.acilisSatiri = i.acilisSatiri;
        const Ekstre::Tur tur = i.tur == EkstreIstegi::Tur::Dar       ? Ekstre::Tur::Dar
                                : i.tur == EkstreIstegi::Tur::Detayli ? Ekstre::Tur::Detayli
                                                                      : Ekstre::Tur::Genis;
        if (!e.hazirla(tur, g, ust))
            return false;
        e.rapor().onizle(ust);
        return true;
    };

    // The lookup configurations and the report services of the record screens.
    AramalariKaydet();
    RaporHizmetleriniKur();
    RaporEkranlariniKaydet();
}
