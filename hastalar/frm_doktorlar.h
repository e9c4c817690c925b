#pragma once
// Staff register "PERSONEL": the light record screen (no rights, no lock,
// every field editable at any time, in the edit area and in the grid).
#include "app/kayitekrani.h"

class Tfrm_doktorlar : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_doktorlar(QWidget *ust = nullptr);

    void muayeneler();      // btn_muayene
    void cariHareketler();  // BitBtn6
    void odeme();           // DEME1

private:
    static KayitEkraniAyari ayarlar(Tfrm_doktorlar *ekran);
    bool yeniKayitDogrula();
};
