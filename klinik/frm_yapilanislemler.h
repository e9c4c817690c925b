#pragma once
// "YAPILAN İŞLEMLER": the procedures performed during general and eye
// examinations, each line saved on its own and the examination's procedure
// total and postings following at once (MuayeneSatirEkrani).
#include "klinik/muayenesatirekrani.h"

class Tfrm_yapilanislemler : public MuayeneSatirEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_yapilanislemler(QWidget *ust = nullptr);

    void islemBul();     // BTN_islemarama
    void personelBul();  // BitBtn1
};
