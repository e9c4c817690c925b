#pragma once
// "GÖZ HASTALIKLARI": the eye examination on the record pattern, the sibling
// of the general examination. Saving posts the fee and the doctor's share
// (CariIsleme::cariyeisleme with the eye source); the tab "Laboratuvar" holds
// the examination's order lines (marked "GÖZ MUAYENE", not totalled).
#include "app/kayitekrani.h"

#include <functional>

class QLineEdit;
class QTabWidget;
class Rapor;
class ResimGalerisi;
class ResimSekmesi;
class QLabel;

class Tfrm_goz : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_goz(QWidget *ust = nullptr);

    VeriSeti *labVeriSeti() const { return m_lab; }

    void hastaAra();
    void doktorAra();
    void taniAra();
    void ameliyatAra(bool sag);   // "Ameliyat Türü Ara", right or left eye
    void tarihSuzgeci(const QString &metin);
    void guncelle();
    void aramaTarihiniVer();
    bool tetkikEkle();
    void tetkikSil();
    void tetkikleriYukle();
    void laboratuvarFormu();      // btn_laboratuvarformu
    void muayeneFisi();           // BitBtn7, "Muayene Kartı"
    void ilacRecetesi();
    void gozlukRecetesi();
    void ilacVeGozRecetesi();
    void hastaFormu();
    void seyret();
    void odeme();

private:
    static KayitEkraniAyari ayarlar(Tfrm_goz *e);
    QString yetkiKosulu() const;
    QString gosterKosullari() const;
    void satirDegisti();
    void kilitDegisti(bool kilitli);
    void yeniSonrasi();
    bool gozSil();
    void listeyiYukle(const QString &kosul, bool sonSatir = false);
    bool duzenlemeyeAl();
    bool kilitUyarisi(); // a pick on a locked screen: says so
    bool kaydedilmemisDegisiklikVar();
    void receteBas(const QString &sablon);
    void tekMuayeneBas(const QString &sablon);
    void bas(const QString &sablon, VeriSeti *kaynak);

    void muayeneKur();
    void recetelerKur();
    void ameliyatKur();
    void lensKur();
    void glokomKur();
    void sasilikKur();
    void laboratuvarKur();
    void resimlerKur();
    void ekBilgilerKur();

    VeriSeti *m_lab = nullptr;
    VeriSeti *m_hasta = nullptr;
    QTabWidget *m_sekmeler = nullptr;
    QLineEdit *m_tarih = nullptr;
    QLabel *m_video = nullptr;
    ResimGalerisi *m_galeri = nullptr;
    ResimSekmesi *m_resim = nullptr;
};
