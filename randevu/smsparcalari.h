#pragma once
// Widgets the SMS screen and the report screens' SMS tab share: the account
// boxes, the two recipient lists with their buttons, the message counter,
// and the bulk send with its progress dialog and summary.
#include "randevu/smscekirdegi.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

// "Kullanıcı Adı :", "Şifre :", "Client Kodu :", "Operatör :".
class SmsHesapKutulari : public QWidget
{
    Q_OBJECT
public:
    explicit SmsHesapKutulari(QWidget *ust = nullptr);
    Sms::Hesap hesap() const;
    void hesapAyarla(const Sms::Hesap &h);
    Sms::Operator secilen() const;
    // Fills the boxes from SMSINFO.DAT; a file that cannot be read is told.
    void dosyadanOku();
    // Writes SMSINFO.DAT from the boxes; a failure is told.
    bool dosyayaYaz();

signals:
    void operatorDegisti(Sms::Operator o);

private:
    QLineEdit *m_kullanici, *m_sifre, *m_client;
    QComboBox *m_operator;
};

struct SmsKaynakSatiri
{
    QString ad;
    QString telefon; // as stored
};

// A grid of candidate rows and the two lists: "-->" the selected row, "->>"
// every row, "<--" the selected pair, "<<-" both lists emptied. A row whose
// phone is not a mobile number is left out and named to the user (unless the
// phones are taken unchanged).
class SmsAliciListeleri : public QWidget
{
    Q_OBJECT
public:
    SmsAliciListeleri(const QString &adBasligi, const QString &telefonBasligi, QWidget *ust = nullptr);
    void kaynakAyarla(const QVector<SmsKaynakSatiri> &satirlar);
    int kaynakSayisi() const;
    void telefonOlduguGibiAyarla(bool b) { m_olduguGibi = b; }
    const Sms::Alicilar &alicilar() const { return m_alicilar; }
    // Adds one pair (the hand-typed one); the number is checked unless taken unchanged.
    bool ekle(const QString &ad, const QString &telefon);
    void sec(int kaynakSatiri);

    void birEkle();
    void hepsiniEkle();
    void seciliyiCikar();
    void temizle();

private:
    // Adds the rows; the refused ones are told in one message.
    void satirlariEkle(const QList<int> &satirlar);
    void listeleriYenile();
    QTableWidget *m_kaynak;
    QListWidget *m_adlar, *m_numaralar;
    QVector<SmsKaynakSatiri> m_satirlar;
    Sms::Alicilar m_alicilar;
    bool m_olduguGibi = false;
};

// " 0 / 160" at first, then "N  /  160" after each change.
void SmsSayacBagla(QPlainTextEdit *metin, QLabel *sayac, int sinir);

// What an empty message text is refused with.
QString SmsBosMetinMesaji();
// The question a bulk send to sayi people asks first.
QString SmsOnaySorusu(int sayi);

// Sends one message per entry with a progress dialog that can be stopped
// between messages; each reply goes into durum; then the summary is shown.
// Before anything goes, an empty text is refused and the count confirmed.
Sms::TopluSonuc SmsTopluGonder(QWidget *ust, const Sms::Hesap &h, Sms::Operator o, const Sms::Alicilar &a,
                               const QString &metin, bool baslikli, QPlainTextEdit *durum,
                               const QString &basari = QString());
// One request, its reply shown in durum (status and report replies with CR LF);
// a failed one is told with its reason. Returns the reply.
Sms::Yanit SmsSor(QWidget *ust, Sms::Operator o, const QString &istek, QPlainTextEdit *durum, bool satirDuzelt);
