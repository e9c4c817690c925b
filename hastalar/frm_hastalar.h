#pragma once
// "HASTALAR": the patient register. A record screen over HASTALAR with the
// patient's examinations, appointments, laboratory orders and procedures
// in list tabs, and the starting point of those screens for one patient.
#include "app/kayitekrani.h"

#include <functional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableView;
class Rapor;
class ResimGalerisi;
class TabloModeli;

class Tfrm_hastalar : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_hastalar(QWidget *ust = nullptr);
    ~Tfrm_hastalar() override;

    // The list-tab data sets.
    VeriSeti *muayeneSeti() const { return m_muayene; }
    VeriSeti *randevuSeti() const { return m_randevu; }
    VeriSeti *labSeti() const { return m_lab; }
    VeriSeti *islemSeti() const { return m_islem; }

    // Operations of the screen's own buttons and menus.
    void sonrakiKodVer();           // "Kullanılan Hasta Koduna Göre Bir Sonraki Kodu Ver"
    void kodAlaniniAc();            // "Hasta Kodu Alanını Aktif Et"
    void hastaKoduDegistir();       // "Hasta Kodu Değiştir"
    void veriAl();                  // "Veri Al"
    void veriAl(const QString &dosya);
    void muayeneler();              // btn_carihareket
    void cariHareketler();          // BitBtn6
    void odeme();                   // ODEME1
    void goz();                     // Gz1
    void hastaKartiBas();           // BitBtn7
    void doktorSec();               // BitBtn1
    void randevuVer();              // popup "Randevu Ver"
    void muayeneKartiAc();          // popup "Muayane Kartı Ac"
    void resimEkle(int slot);       // 0: the photo (BitBtn2), 1–4: the "Görüntüler" slots
    void listeSekmesiniYukle(int sekme);
    void goruntuleriGoster();
    void fotografGoster();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    static KayitEkraniAyari ayarlar(Tfrm_hastalar *ekran);
    void arayuzKur();
    // The parts of the layout, in the order they are built (tab order follows it).
    void dugmeleriKur();                          // toolbar buttons and the registration-date box
    void menuleriKur();                           // "Diğer", "Branşlar", "ÖDEME"
    void bilgilerSekmesiKur();                    // "Hasta Bilgileri": the panel the lock switches
    int kimlikSutunuKur(QGridLayout *g);          // its first column; returns the rows used
    int iletisimSutunuKur(QGridLayout *g);        // its second column; returns the rows used
    void hatirlatmaSatiriKur(QGridLayout *g, int satir, int sira); // reminder 1 (left) or 2 (right) on row satir
    void fotografKutusuKur(QGridLayout *g);
    void ekBilgiSekmesiKur();                     // "Ek Bilgi"
    void tibbiBilgiSekmesiKur();                  // "Tıbbi Bilgi"
    void goruntulerSekmesiKur();                  // "Görüntüler"
    void hastaListesiKur();                       // the patient grid in the first list tab, its popup
    void hareketListeleriniKur();                 // examinations, appointments, laboratory, procedures
    void baslikGuncelle();
    bool eklemeDogrula();
    bool duzenlemeDogrula();
    bool silmeKontrolu();
    void kilitDegisti(bool kilitli);
    void yeniSonrasi();
    void dogumYiliGirildi();
    void adKontrol();
    void otoKod();
    void tarihFiltresi(const QString &metin);
    void bekleyenleriKaydet();
    QString kod() const;

    QTabWidget *m_sekmeler = nullptr;     // PageControl2
    QTabWidget *m_listeler = nullptr;     // PageControl1
    QLineEdit *m_kod = nullptr;
    QLineEdit *m_ad = nullptr;
    QLineEdit *m_dogumYili = nullptr;     // Edit1
    QCheckBox *m_otoKod = nullptr;        // CheckBox1
    QPlainTextEdit *m_ayniAd = nullptr;   // Memo1
    QCheckBox *m_resimGoster = nullptr;
    ResimGalerisi *m_fotograf = nullptr;  // img_fotograf
    ResimGalerisi *m_galeri = nullptr;    // ts_goruntuler: Image2..Image5
    QLineEdit *m_tarih = nullptr;         // EsDateEdit1
    QLineEdit *m_email = nullptr;

    VeriSeti *m_muayene = nullptr;
    VeriSeti *m_randevu = nullptr;
    VeriSeti *m_lab = nullptr;
    VeriSeti *m_islem = nullptr;
    bool m_aktarimda = false;
};
