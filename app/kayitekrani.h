#pragma once
// The record screen: one main data set over one table, a grid listing the
// company's rows, an edit area bound to the current row, a toolbar with
// menu twins, a lock state, rights read once when shown, the screen's
// parameters, quick menu, sort order, focus colouring, Enter as Tab,
// reports, notes and documents, the calculator.
//
// Written once; every screen describes itself with a KayitEkraniAyari and
// fills the edit area and the grid's columns. A screen is a KayitEkrani
// (a modal QDialog whose objectName is the window name).
//
//   Tfrm_ornek::Tfrm_ornek(QWidget *ust) : KayitEkrani(ayar(), ust)
//   {
//       auto *f = new QFormLayout(duzenlemeAlani());
//       auto *ad = new QLineEdit; ad->setObjectName("edt_ad");
//       baglayici()->bagla(ad, "TANI", true);
//       f->addRow("Tanı", ad);
//       model()->kolonlariAyarla({{"TANI", "TANI"}});
//   }
#include "app/listebolucu.h"
#include "app/yetki.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class Baglayici;
class OdakDavranisi;
class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTableView;
class QVBoxLayout;
class TabloModeli;
class VeriSeti;

struct KayitEkraniAyari
{
    // --- identity
    QString ekranAdi;                 // objectName of the window, "frm_hastalar"
    QString baslik;                   // designed caption, "HASTALAR"
    QString tablo;                    // main table, "HASTALAR"
    QString veriSetiAdi;              // objectName of the main data set, "QRY_HASTALAR"
    QString izgaraAdi = QStringLiteral("dbgrid5");        // objectName of the record grid
    QString duzenlemeAlaniAdi = QStringLiteral("Panel2"); // objectName of the edit area

    // --- rights and parameters
    QString modul;                    // rights module ("HASTALAR"); empty: no rights read, nothing guarded
    QString parametreEkrani;          // FORMPAREMETRELERI.FORMADI; empty: no parameters
    int parametreSayisi = 0;          // slots read (15 patients, 13 examinations/appointments)

    // --- the select of the show step: "select * from <tablo> where 1=1 " + filter + siralama
    QString siralama;                 // " order by HASTALAR.KAYITNO "
    bool sirketKosulu = true;         // filter starts with the company condition
    std::function<QString()> ekKosullar; // screen conditions after it (hand-over values, parameter limits)
    // Conditions by rights (a user who sees only his own rows): after the
    // company condition in the show step and in every reload the framework
    // makes (sort order), so that they never lapse.
    std::function<QString()> yetkiKosullari;
    bool selectDisaridan = false;     // the opener sets the select (selectAyarla) before showing
    bool sonSatir = true;             // show: the last row is current (false: the first)

    // --- lock state and the actions
    bool kilitli = true;              // false: light variant, no lock state; edit area and grid always usable
    QString kilitMesaji;              // Save on a locked screen
    QStringList kilitsizKapali;       // disabled by unlock, enabled by lock (objectNames of buttons/actions/widgets)
    QString ilkAlan;                  // objectName of the control focused after New
    bool olaylardaYetki = true;       // rights checks in the data set's before-* events; false: New/Save/Change/Delete test their own flags
    bool duzenlemedeKayitYeter = true; // entering edit state: DEGISTIRME or KAYIT (false: DEGISTIRME only)
    bool kaydetKilitBakar = true;     // Save refuses on a locked screen
    bool kaydettenSonraKilitle = true;
    QString silmeSorusu = QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? ");
    QString silindiMesaji = QStringLiteral(" Kayıt  Silindi ");
    bool silmedenSonraYenile = false; // reload the list after a delete

    // --- search button
    QString aramaEkrani;              // lookup dialog, "frm_hastaarama"; empty: no search
    QString aramaIpucu = QStringLiteral("Hasta Bul Ctrl+F");
    QString aramaMenuBasligi = QStringLiteral("Hasta Ara");
    QString aramaMenuAdi = QStringLiteral("Bul1");

    // --- differences between the screens
    bool hizliMenu = true;            // cmb_hizlimenu
    QStringList siralamaKolonlari;    // cmb_index1 items; empty: no sort combo
    bool odakRenklendirme = true;
    bool odakRenkMemoHaric = false;   // whitening leaves memos aqua
    bool odakRenkDuzEdit = false;     // plain (unbound) edits are coloured too
    bool enterIleIlerle = true;       // Enter moves to the next control
    QString baslikEki = QStringLiteral("              V E L M O R I K A            "); // empty: caption unchanged
    bool kayitSayisiDurumCubugunda = false; // "Kayıt Sayısı: " + count in the status bar
    bool excelYetkiIster = true;      // "Excele Aktar" needs RAPOR
    bool raporlamaYetkiIster = false; // "Raporlama" needs RAPOR and previews the chosen template itself
    QString hesapMakinesiKisayolu = QStringLiteral("Ctrl+Alt+H");
    bool menuler = true;              // the pattern's "Raporlar", "İşlemler", calculator entries

    // --- notes and documents
    QString evrakTuru;                // "HASTA", "MUAYENE" …; empty: entries do nothing
    QString notHastaKoduKolonu = QStringLiteral("HASTAKODU");
    QString notHastaAdiKolonu = QStringLiteral("HASTAADISOYADI");

    // --- hooks (all optional)
    std::function<void()> yeniSatirDegerleri;     // new-row defaults (KAYITNO is already set)
    std::function<bool()> eklemeDogrula;          // insert-state validations: false stops the save
    std::function<bool()> duzenlemeDogrula;       // edit-state validations
    std::function<bool()> kaydetmedenOnce;        // before posting any row (after validations)
    // Inside the save's transaction (see VeriSeti::islemdeOnce/islemdeSonra):
    // before the row's statement, and after it (lines, totals, postings).
    // No window opens there: a refusal returns false with its reason.
    std::function<bool(QString *mesaj)> islemdeOnce;
    std::function<bool(QString *mesaj)> islemdeSonra;
    std::function<void()> kaydettiktenSonra;      // after a successful post, before locking
    std::function<void()> kaydedildi;             // Save only: after its post succeeded, before locking
    // Delete, after the question: replaces the data set's own delete (a row
    // that goes together with rows of other tables); false: nothing deleted.
    std::function<bool()> silIslemi;
    std::function<void()> yenidenSonra;           // end of New (e.g. open a lookup)
    std::function<bool()> silmeKontrolu;          // before the delete question; false stops
    std::function<void()> sildiktenSonra;         // after a delete and its notice
    std::function<void(bool kilitli)> kilitDegisti; // the screen's own part of lock/unlock
    std::function<void()> gosterildi;             // end of the show step
    std::function<void()> kapanirken;             // close step: clear the hand-over values the screen reads
    std::function<void()> satirDegisti;           // current row changed
};

class KayitEkrani : public QDialog
{
    Q_OBJECT
public:
    // The states of the pattern.
    enum class Durum { KilitliGozat, DuzenlemeEkle, DuzenlemeGozat, DuzenlemeDuzenle };

    explicit KayitEkrani(const KayitEkraniAyari &ayar, QWidget *ust = nullptr);
    ~KayitEkrani() override;

    const KayitEkraniAyari &ayar() const { return m_ayar; }

    // Parts the screen fills or reads.
    VeriSeti *veriSeti() const { return m_vs; }
    TabloModeli *model() const { return m_model; }
    Baglayici *baglayici() const { return m_baglayici; }
    QTableView *izgara() const { return m_izgara; }
    QWidget *duzenlemeAlani() const { return m_duzenleme; }   // enabled only while unlocked
    // Replaces the edit area switched by the lock (a panel inside the screen's own tabs).
    void duzenlemeAlaniAyarla(QWidget *alan);
    QWidget *ustAlan() const { return m_ustAlan; }            // holds the edit area; add tabs here
    QVBoxLayout *listeDuzeni() const { return m_listeDuzeni; } // holds the grid
    QHBoxLayout *siralamaDuzeni() const { return m_siralamaDuzeni; } // above the grid
    // The edit area (in a scroll area) above, the sort row and the list below.
    // The window's size and position and this splitter's state are kept per
    // user and screen; until then the edit area gets what it needs as long as
    // the list keeps at least ten rows (see ListeBolucu).
    ListeBolucu *bolucu() const { return m_bolucu; }
    static constexpr int VarsayilanSatirSayisi = 10;
    QMenuBar *menuCubugu() const { return m_menu; }
    QMenu *menu(const QString &ad) const;                     // "Arama1", "Raporlar1", "lem1"
    QStatusBar *durumCubugu() const { return m_durumCubugu; }
    QLabel *durumEtiketi() const { return m_label20; }
    // Adds a button to the toolbar (before the quick menu).
    QPushButton *dugmeEkle(const QString &ad, const QString &metin, const QString &ipucu = QString());
    QPushButton *dugme(const QString &ad) const;

    // Rights read when shown (all "E" on a screen without a module).
    const Yetkiler &yetkiler() const { return m_yetki; }
    // Parameter n (1-based); empty when missing.
    QString parametre(int n) const;

    // The main select set by the opener (ayar.selectDisaridan), before showing.
    void selectAyarla(const QString &sql) { m_disSelect = sql; }

    bool kilitliMi() const { return m_kilitli; }
    Durum durum() const;

    // The pattern's operations; the toolbar buttons and menu twins call them.
    void ekraniac();
    void ekranikilitle();
    void yeni();
    bool kaydet();
    // Kaydet as the user asks for it (button, menu, F5): with nothing typed
    // it says so instead of doing nothing without a word.
    void kaydetTusu();
    void degistir();
    void iptal();
    void sil();
    void ara();
    void listeyiYenile();             // F9: the list read again, keeping the current row
    void siralamaSec(const QString &kolon);
    void hizliMenuSec(const QString &ad);
    void exceleAktar();
    void raporlama();
    void rapor();
    void aciklamaNotlar();
    void dosyaYonetimi();
    void hesapMakinesi();

    // Ties the focus colouring and Enter handling to more bound controls
    // (binders of the screen's other data sets).
    void baglayiciEkle(Baglayici *b);
    // Moves the focus to a control by objectName (validations).
    void odakla(const QString &ad);
    // The select text of the show step's filter (without order).
    QString gosterFiltresi() const;

    void setVisible(bool gorunur) override;

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void done(int r) override;

private:
    void kur();
    // The parts of kur(), in this order (kayitekrani_kur.cpp).
    void aracCubuguKur(QVBoxLayout *ana);
    void menuleriKur();
    void dugmeleriBagla();
    void yerlesimKur(QVBoxLayout *ana);
    void olaylariBagla();
    void gosterAdimi();
    void kapanisAdimi();
    bool izin(const QString &bayrak);
    void kilitNesneleri(bool etkin);
    void etkinlestir(const QString &ad, bool etkin);
    void sayiGuncelle();
    bool evrakAcilabilir() const;
    void evrakEylemleriniGuncelle();
    bool metinlerTasinabilir();
    QString duzenAnahtari() const;
    void duzeniYukle();
    void duzeniKaydet();
    QAction *eylem(const QString &ad, const QString &metin, const QString &kisayol, QMenu *menu,
                   std::function<void()> is);

    KayitEkraniAyari m_ayar;
    VeriSeti *m_vs = nullptr;
    TabloModeli *m_model = nullptr;
    Baglayici *m_baglayici = nullptr;
    QList<Baglayici *> m_baglayicilar;
    OdakDavranisi *m_odak = nullptr; // focus colouring and Enter as Tab
    QTableView *m_izgara = nullptr;
    QWidget *m_duzenleme = nullptr;
    QWidget *m_ustAlan = nullptr;
    ListeBolucu *m_bolucu = nullptr;
    QWidget *m_listeAlani = nullptr;
    QVBoxLayout *m_listeDuzeni = nullptr;
    QHBoxLayout *m_siralamaDuzeni = nullptr;
    QHBoxLayout *m_aracDuzeni = nullptr;
    QMenuBar *m_menu = nullptr;
    QStatusBar *m_durumCubugu = nullptr;
    QLabel *m_label20 = nullptr;
    QComboBox *m_hizliMenu = nullptr;
    QComboBox *m_siralama = nullptr;
    Yetkiler m_yetki;
    QStringList m_parametreler;
    QString m_disSelect;
    bool m_kilitli = true;
    bool m_kaydetTusu = false; // the save under way was asked for by the user
    bool m_gosterildi = false;
    bool m_kapandi = false;
    bool m_duzenOkundu = false;   // the remembered size was looked up
};

// The quick menu of the record screens (cmb_hizlimenu); sec runs for a chosen
// item, by default quick-opening it over ust.
QComboBox *HizliMenuKutusu(QWidget *ust, std::function<void(const QString &)> sec = {});
