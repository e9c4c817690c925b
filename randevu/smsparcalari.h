#pragma once
// Widgets the SMS screen and the report screens' SMS tab share: the account
// boxes, the two recipient lists with their buttons, the message counter,
// and the requests with their busy sign, the bulk send and its summary.
#include "randevu/smscekirdegi.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
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

// The requests of an SMS window, sent without waiting (Sms::Istek): while one
// is under way the panel shows what is being done, a busy bar and "Durdur",
// and the window's sending buttons are off. One request at a time.
class SmsIstekPaneli : public QWidget
{
    Q_OBJECT
public:
    explicit SmsIstekPaneli(QWidget *ust = nullptr);
    ~SmsIstekPaneli() override;
    // Buttons that stay off while a request is under way.
    void dugmeleriAyarla(const QList<QPushButton *> &dugmeler) { m_dugmeler = dugmeler; }
    bool mesgulMu() const { return !m_istek.isNull(); }
    // Sends one request; sonra runs with its reply (or its time-out, or
    // Durduruldu). Refused (false) while another is under way.
    bool iste(Sms::Operator o, const QString &istek, const QString &ne, std::function<void(const Sms::Yanit &)> sonra);
    // The account status, in words, into kutu.
    void durumSor(const Sms::Hesap &h, Sms::Operator o, QPlainTextEdit *kutu);
    // One message per entry, one after the other; each reply goes into
    // durum, then the summary is shown. An empty text is refused and the
    // count confirmed before anything goes.
    void topluGonder(const Sms::Hesap &h, Sms::Operator o, const Sms::Alicilar &a, const QString &metin,
                     bool baslikli, QPlainTextEdit *durum, const QString &basari = QString());
    // Gives up the request under way (a bulk send sends nothing more).
    void durdur();

signals:
    void mesgulDegisti(bool mesgul);

private:
    void mesgulAyarla(const QString &ne);
    void topluSonraki();
    QLabel *m_yazi;
    QList<QPushButton *> m_dugmeler;
    QPointer<Sms::Istek> m_istek;
    struct Toplu
    {
        Sms::Operator o = Sms::Operator::Mobildev;
        Sms::Hesap hesap;
        Sms::Alicilar alicilar;
        QString metin;
        bool baslikli = false;
        QPlainTextEdit *durum = nullptr;
        QString basari;
        int siradaki = 0;
        Sms::TopluSonuc sonuc;
    } m_toplu;
};

// " 0 / 160" at first, then "N  /  160" after each change.
void SmsSayacBagla(QPlainTextEdit *metin, QLabel *sayac, int sinir);

// What an empty message text is refused with.
QString SmsBosMetinMesaji();
// The question a bulk send to sayi people asks first.
QString SmsOnaySorusu(int sayi);

