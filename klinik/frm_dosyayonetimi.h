#pragma once
// "Dosya-Evrak Yönetimi": references to document files of one record
// (DOKUMANLAR), tied to it by EVRAKKAYITNO + EVRAKTURU from Aktarim.dosya_*.
#include "klinik/notdosyapenceresi.h"

class Tfrm_dosyayonetimi : public NotDosyaPenceresi
{
    Q_OBJECT
public:
    explicit Tfrm_dosyayonetimi(QWidget *ust = nullptr);

    // "Dosyayı Ac": the desktop's "open" on the text of the "Konum" box.
    void dosyayiAc();
    // "Dosyayı Bul": the file finder, modal.
    void dosyayiBul();
    // What the finder's button does with the chosen path: the current row
    // goes into edit state (an empty list starts a new document) and KONUM
    // takes the path; the row is not posted. False (with a message) when the
    // path does not fit the column.
    bool konumAyarla(const QString &yol);

protected:
    QString aktarimSelectMetni() const override;
    void yeniSatirDegerleri() override;
    void aktarimiTemizle() override;
};
