#pragma once
// "LABORATUVAR ": the order lines of general and eye examinations, each line
// saved on its own and the examination's laboratory total and postings
// following at once (MuayeneSatirEkrani).
#include "klinik/muayenesatirekrani.h"

class QComboBox;

class Tfrm_muayene_lab : public MuayeneSatirEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_muayene_lab(QWidget *ust = nullptr);
    ~Tfrm_muayene_lab() override;

    void tetkikBul();          // BTN_labarama
    void laboratuvarAra();     // "Laboratuvar Ara": the list moves to the chosen line's patient

private:
    bool tetkikAktar(const QVariantMap &tetkik);
    void ekBilgileriKur();
    QComboBox *m_grup = nullptr;
};
