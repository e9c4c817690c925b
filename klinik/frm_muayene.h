#pragma once
// "MUAYENE": the general examination on the record pattern. Saving posts the
// fee and the doctor's share (CariIsleme::cariyeisleme); the tab
// "Laboratuvar" holds the examination's order lines, each saved on its own
// and totalled and posted at once (CariIsleme::lab_tutari_topla).
#include "app/kayitekrani.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class Rapor;
class ResimGalerisi;
class ResimSekmesi;

class Tfrm_muayene : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_muayene(QWidget *ust = nullptr);
    ~Tfrm_muayene() override;

    VeriSeti *labVeriSeti() const { return m_lab; }
    VeriSeti *hastaVeriSeti() const { return m_hasta; }

    void hastaAra();          // BTN_HASTABUL, HASTABul1
    void doktorAra();         // BTN_DOKTORBUL, DoktorAra1
    void taniAra();           // btn_taniara
    void tetkikBul();         // BTN_labarama
    bool tetkikEkle();        // navigator insert
    void tetkikSil();         // navigator delete
    void laboratuvarFormu();  // btn_laboratuvarformu
    void muayeneFisi();       // BitBtn7
    void odeme();             // DEME1
    void seyret();            // btn_seyret
    void tetkikleriYukle();   // the current examination's order lines

private:
    static KayitEkraniAyari ayarlar(Tfrm_muayene *e);
    QString yetkiKosulu() const;
    QString gosterKosullari() const;
    void baslikGuncelle();
    void satirDegisti();
    void kilitDegisti(bool kilitli);
    void yeniSonrasi();
    bool muayeneSil();
    bool muayeneKaydedilmisMi(bool mesajla);
    bool tetkikKaydetmedenOnce();
    void muayeneyiYenile();
    bool tetkikAktar(const QVariantMap &tetkik);
    void listeyiYukle(const QString &kosul);

    void hastaBilgileriKur();
    void ekBilgiKur();
    void laboratuvarKur();
    void goruntulerKur();
    void videoKur();
    void ucretKur();

    VeriSeti *m_lab = nullptr;
    VeriSeti *m_hasta = nullptr;
    QTabWidget *m_sekmeler = nullptr;
    QLineEdit *m_kod = nullptr;
    QComboBox *m_grup = nullptr;
    QLabel *m_video = nullptr;
    ResimGalerisi *m_galeri = nullptr;
    ResimSekmesi *m_resim = nullptr;
    bool m_tetkikAramaAcik = false;
};
