#pragma once
// "Acıklama-Notlar": the free-text notes of one record (ACIKLAMALAR), tied to
// it by EVRAKKAYITNO + EVRAKTURU from Aktarim.not_*.
#include "klinik/notdosyapenceresi.h"

class Tfrm_notlar2 : public NotDosyaPenceresi
{
    Q_OBJECT
public:
    explicit Tfrm_notlar2(QWidget *ust = nullptr);

protected:
    QString aktarimSelectMetni() const override;
    void yeniSatirDegerleri() override;
    void aktarimiTemizle() override;
};
