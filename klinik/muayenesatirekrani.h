#pragma once
// The common shape of the laboratory order screen and the procedures screen:
// tabs "GENEL" and "GÖZ" listing general or eye examinations, the selected
// examination's lines in an always usable grid, the toolbar acting on the
// lines, and after every saved or deleted line the examination's totals and
// postings (MuayeneSatirlari). A screen gives its table, columns, new-line
// values and lookup through SatirEkraniAyari.
#include "app/yetki.h"
#include "db/tablomodeli.h"
#include "klinik/cariisleme.h"

#include <QDialog>
#include <functional>

class Baglayici;
class QCheckBox;
class QMenu;
class Rapor;
class QTabWidget;
class QTableView;
class QVBoxLayout;
class VeriSeti;

struct SatirEkraniAyari
{
    QString pencereAdi;               // objectName of the screen
    QString baslik;                   // caption
    QString modul;                    // rights module ("LABORATUVAR", "YİŞLEMLER")
    CariIsleme::SatirTuru tur;
    QString genelKosul;               // extra condition of the general examination list
    QString seriMetni;                // "Seri Laboratuvar Gir", "Seri İşlem Gir"
    QString silmeSorusu;              // asked before a line is deleted
    QString silindiMesaji;            // shown once it is
    bool yenideAra = true;            // a new line opens the lookup (else only in serial entry)
    QString formSablonu;              // "laboratuvarformu.frf", "islemformu.frf"
    QString formSiralama;             // the column the form groups the lines by
    QString evrakTuru;                // document kind of the line's notes and documents
    QList<TabloKolonu> kolonlar;      // the line grid
    // Values of a new line from the selected examination of the source.
    std::function<void(VeriSeti &satir, const VeriSeti &muayene, CariIsleme::Kaynak)> yeniSatir;
};

class MuayeneSatirEkrani : public QDialog
{
    Q_OBJECT
public:
    MuayeneSatirEkrani(SatirEkraniAyari ayar, QWidget *ust = nullptr);
    ~MuayeneSatirEkrani() override;

    CariIsleme::Kaynak kaynak() const;       // by the tab shown
    VeriSeti *muayeneler() const;            // the list of the tab shown
    VeriSeti *satirlar() const { return m_satir; }
    qint64 seciliMuayene() const;

    void listeyiYukle();                     // the tab's list, the last (latest) examination current
    void satirlariYukle();                   // the selected examination's lines
    bool yeniSatir();                        // btn_yeni
    bool kaydet();                           // btn_kaydet
    void sil();                              // btn_sil
    void iptal();                            // btn_iptal
    void formuBas();                         // BitBtn7: the selected examination's lines on the form
    void odeme();                            // DEME1: payment for the patient of the selected examination
    void exceleAktar();                      // the lines of the selected examination
    void rapor(bool tasarim);                // a chosen template over those lines
    void muayeneAra();                       // the examination lookup, the list moved to the chosen one
    void hastayaGit();                       // list double-click: the patient of the selected examination
    void notlar();                           // AciklamaNotlar1: notes of the current line
    void dosyalar();                         // Dosya1: documents of the current line
    bool evrakAcilabilir() const;            // a saved line of an examination is current

    // The screen's lookup for the current line ("Tetkik Bul", "İşlem Bul"),
    // opened after a new line is started unless it is already open.
    std::function<void()> bul;
    bool aramaAcik = false;

protected:
    QVBoxLayout *yanPanel() const { return m_yan; }
    QTabWidget *altSekmeler() const { return m_altSekmeler; }
    const SatirEkraniAyari &ayar() const { return m_ayar; }
    const Yetkiler &yetkiler() const { return m_yetki; }
    Baglayici *satirBaglayici() const { return m_bag; }
    QMenu *islemlerMenusu() const { return m_islemler; }
    QMenu *aramalarMenusu() const { return m_aramalar; }

private:
    void satirKaydedildi();

    SatirEkraniAyari m_ayar;
    Yetkiler m_yetki;
    VeriSeti *m_genel = nullptr;
    VeriSeti *m_goz = nullptr;
    VeriSeti *m_satir = nullptr;
    TabloModeli *m_genelModel = nullptr;
    TabloModeli *m_gozModel = nullptr;
    QTabWidget *m_sekmeler = nullptr;
    QTabWidget *m_altSekmeler = nullptr;
    QTableView *m_liste = nullptr;
    QCheckBox *m_seri = nullptr;
    QVBoxLayout *m_yan = nullptr;
    Baglayici *m_bag = nullptr;
    QMenu *m_islemler = nullptr;
    QMenu *m_aramalar = nullptr;
};
