#pragma once
// "RANDEVU": the appointment book. A record screen over RANDEVU with the
// patient and doctor picks, a patient made on the spot ("Yeni Hasta"), the
// slot warnings, "Muayene Oldu" with the examination card, the preset lists
// and the filter panel, the printed lists and the day plan of a date chosen
// on the calendar, from whose slots appointments are booked.
//   frm_randevu.cpp        setup, lock, New, Save, picks, "Muayene Oldu"
//   frm_randevu_liste.cpp  presets, "Listele", reports, the day plan
#include "app/kayitekrani.h"
#include "randevu/gunplani.h"
#include "randevu/randevusorgu.h"

#include <QDate>
#include <functional>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class Rapor;
class VeriKaynagi;

class Tfrm_randevu : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_randevu(QWidget *ust = nullptr);
    ~Tfrm_randevu() override;

    // Save (btn_kaydet, F5): a patient made for the appointment is written
    // in the same transaction as the appointment.
    bool randevuKaydet();
    bool yeniHastayiYaz(QString *mesaj);
    void hastaSec();                 // BTN_HASTABUL
    void doktorSec();                // BTN_DOKTORBUL
    void adKontrol();                // the known-name rule (leaving the name box)
    void ayniAdSec();                // double-click on the name note
    void muayeneOldu();              // BitBtn8
    void onAyarSec(const QString &giris); // ComboBox1
    void listele();                  // BitBtn2, F7
    void kesifKagidi();              // BitBtn5
    void gunlukListe();              // "Günlük Randevu Listesi"
    void listeRaporu(const QString &sablon); // the reports over the current list
    void randevuKarti();             // BitBtn7
    void hastaEkraniAc();            // double-click on the grid

    // The day plan of a date (the calendar's date change).
    void planiGoster(const QDate &gun);
    const GunPlani::Sonuc &plan() const { return m_plan; }
    // Books from plan row satir: for a new patient or an existing one.
    void plandanRandevu(bool yeniHasta, int satir);

    // The own-appointments limit in force (parameter 1 and OZELYETKI2).
    QString yetkiKosulu() const;
    // The filter panel's values.
    RandevuSorgu::Suzgec suzgec() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    static KayitEkraniAyari ayarlar(Tfrm_randevu *e);
    void arayuzKur();
    void duzenlemeKur();
    void suzgecKur();
    void planKur();
    void menuleriKur();
    void yeniDegerler();
    void yeniSonrasi();
    bool eklemeDogrula();
    bool duzenlemeDogrula();
    bool kaydetmedenOnce();
    void kilitDegisti(bool kilitli);
    void saatGoster();
    void saatYazildi(const QString &metin);
    bool saatDogrula();
    bool saatZorunlu(); // every save: the time given and a time of day
    void hastaDegerleri(const QVariantMap &h);
    bool saatUyarisi(const QString &doktor, qint64 haric);
    // Main data set reloads keep the company and the own-appointments limit.
    void yukle(const QString &kosullar, const QString &siralama, bool sonaGit);
    void onizle(const VeriKaynagi &kaynak, const QString &sablon);

    QCheckBox *m_yeniHasta = nullptr;     // CheckBox1
    QComboBox *m_onAyar = nullptr;        // ComboBox1
    QLineEdit *m_kod = nullptr;
    QLineEdit *m_ad = nullptr;
    QLineEdit *m_saat = nullptr;
    QPlainTextEdit *m_ayniAd = nullptr;   // Memo1
    QCalendarWidget *m_takvim = nullptr;  // EsCalendar1
    QFrame *m_planPaneli = nullptr;       // Panel4
    QTableWidget *m_planIzgara = nullptr; // DBGrid12
    QLineEdit *m_randevu1 = nullptr, *m_randevu2 = nullptr, *m_kayit1 = nullptr, *m_kayit2 = nullptr;
    QLineEdit *m_hastaSuzgec = nullptr, *m_doktorSuzgec = nullptr;
    QComboBox *m_sonuc = nullptr;
    VeriSeti *m_hastalar = nullptr;       // QRY_HASTALAR
    GunPlani::Sonuc m_plan;
    QDate m_planGunu;
    bool m_hastaYazilacak = false;
    bool m_saatYaziliyor = false;        // Save is writing a new patient with the appointment
};
