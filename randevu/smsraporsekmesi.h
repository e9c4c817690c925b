#pragma once
// The "Sms Gönder" tab of the report screens: recipients taken from the
// report's list, one message to each with the "Sayın" heading, the account
// boxes and the status box. Made through the registration point of
// app/smssekmesi.h.
#include "app/smssekmesi.h"
#include "randevu/smsparcalari.h"

class QPlainTextEdit;

class SmsRaporSekmesi : public QWidget
{
    Q_OBJECT
public:
    SmsRaporSekmesi(const SmsSekmesiAyari &ayar, QWidget *ust = nullptr);

    // Reads the report's list again into the grid.
    void listeyiYenile();
    // "Tamam": the chosen operator's status, then the settings file (when the report keeps it).
    void tamam();
    void gonder();
    SmsAliciListeleri *listeler() const { return m_listeler; }
    bool mesgulMu() const { return m_istekler->mesgulMu(); }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void durumSor();
    SmsSekmesiAyari m_ayar;
    SmsHesapKutulari *m_hesap;
    SmsAliciListeleri *m_listeler;
    QPlainTextEdit *m_metin, *m_durum;
    SmsIstekPaneli *m_istekler;
};
