// Every screen the program can open by window name, one line each. A screen
// that is not listed here answers "Bu ekran henüz hazır değil".
#include "app/ekranlar.h"

#include "app/frm_about.h"
#include "app/frm_hesapmakinesi.h"
#include "hastalar/frm_doktorlar.h"
#include "hastalar/frm_hastalar.h"
#include "hastalar/katalog.h"
#include "klinik/frm_dosyabul.h"
#include "klinik/frm_dosyayonetimi.h"
#include "klinik/frm_notlar2.h"
#include "klinik/frm_resimgoster.h"

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

    // Screens still to come, by window name:
    // frm_hastalar, frm_muayene, frm_goz, frm_randevu, frm_muayene_lab,
    // frm_yapilanislemler, frm_doktorlar, frm_odeme, frm_uyari, frm_sms1,
    // frm_tanilar, frm_laboratuvarlar, frm_islemler, frm_hastarapor,
    // frm_muayenerapor, frm_gozmuayeneraporu, frm_randevurapor, frm_muhlabrapor,
    // frm_yislemlerrapor, frm_carihareketrapor, frm_kullanici, frm_module,
    // frm_select.
    // Operations without a window of their own are registered with
    // EylemKaydet: gunlukfaaliyetraporu, gunlukgelirgiderraporu,
    // gunlukdoktorhakedisraporu.
}
