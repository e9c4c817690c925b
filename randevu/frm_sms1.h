#pragma once
// "VELMORIKA SMS Gönderme Programı": the account and its status, bulk
// messages to patients or to a day's appointments, one message to typed
// numbers, and the operator's own checks. Every request goes without
// waiting (Sms::Istek): the window shows at once, a busy sign with "Durdur"
// stands while a request is under way.
#include "randevu/smsparcalari.h"

#include <QDate>
#include <QDialog>
#include <functional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QLabel;
class QPushButton;
class QTabWidget;

class Tfrm_sms1 : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_sms1(QWidget *ust = nullptr);

    // "Tamam": the chosen operator's status, then the settings file when ticked.
    void tamam();
    // Lists the company's patients with a mobile phone by the code range and doctor.
    void hastalariListele();
    // Lists the waiting appointments of the chosen day, by doctor, one line per number.
    void randevulariListele();
    void ozelEkle();
    void topluGonder();
    void tekGonder();
    SmsAliciListeleri *listeler() const { return m_listeler; }
    // A request to the gateway is under way (the busy sign and "Durdur" show).
    bool mesgulMu() const;
    // "Durdur": the request under way is given up; a bulk send sends no more.
    void durdur();

protected:
    void showEvent(QShowEvent *e) override;
    // A closed window sends nothing more: the request under way is given up.
    void hideEvent(QHideEvent *e) override;

private:
    // The tabs; each returns its buttons that send (off while a request is under way).
    QList<QPushButton *> hesapSayfasiKur();
    QList<QPushButton *> topluSayfasiKur();
    QList<QPushButton *> tekSayfasiKur();
    QList<QPushButton *> kontrolSayfasiKur();
    void durumSor(QPlainTextEdit *kutu);
    void raporDugmeleriniAyarla();
    // The select's first two columns (name, phone) into the grid, the count beside it.
    // numaraBasinaBir: a number already listed is left out.
    void kaynakOku(const QString &sql, const QVariantList &d, bool numaraBasinaBir = false);

    QTabWidget *m_sayfalar;
    SmsHesapKutulari *m_hesap;
    QCheckBox *m_kaydet;
    QPlainTextEdit *m_durum;
    QLineEdit *m_kod1, *m_kod2, *m_doktor, *m_ozelAd, *m_ozelNo, *m_tekNumaralar;
    QDateEdit *m_randevuGunu;
    QLabel *m_sayi;
    SmsAliciListeleri *m_listeler;
    QPlainTextEdit *m_topluMetin, *m_tekMetin, *m_kontrol;
    QCheckBox *m_sayin;
    QPushButton *m_mesajNoRaporu, *m_tarihRaporu;
    SmsIstekPaneli *m_istekler;
    bool m_gosterildi = false;
};
