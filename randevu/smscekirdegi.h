#pragma once
// Text messages through the two operators' HTTP gateways, without widgets:
// the request texts, the one HTTP exchange every request goes through, the
// saved account settings (SMSINFO.DAT), phone numbers and recipient lists,
// and the bulk send with its summary. The SMS screen and the report screens'
// SMS tab both use this, so both send exactly the same bytes.
//
// Gateway addresses are fixed below; a site (or a test) can point an operator
// elsewhere with the environment variables VELMORIKA_SMS_MOBILDEV and
// VELMORIKA_SMS_EKOMESAJ (a full http:// URL each).
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace Sms {

enum class Operator { Mobildev, Ekomesaj };

QString operatorAdi(Operator o);
// "Mobildev" / "Ekomesaj" (case-insensitive); anything else is Mobildev, the default.
Operator operatorBul(const QString &ad);
// Only Mobildev offers the reports by message id and by dates.
bool raporlariVar(Operator o);

// The account: what the four lines of SMSINFO.DAT hold.
struct Hesap
{
    QString clientKodu;
    QString sifre;
    QString kullanici;
    QString operatorAdi;
};

// The value as XML element content: & < > " ' as entities.
QString xmlKacis(const QString &deger);

// Request texts, values escaped.
QString durumIstegi(const Hesap &h, Operator o);
QString gonderIstegi(const Hesap &h, Operator o, const QString &mesaj, const QString &numaralar);
QString mesajNoRaporIstegi(const Hesap &h, const QString &mesajNo = QStringLiteral("2947582"));
QString tarihRaporIstegi(const Hesap &h, const QString &ilk = QStringLiteral("2007-01-01"),
                         const QString &son = QStringLiteral("2007-12-31"));

// Status and report replies are shown with every lone LF made CR LF.
QString satirSonlariniDuzelt(const QString &yanit);

// A reply in words for the user, the reply as received under it as a detail.
// Known: "00" and a number (the request was carried out; the number is the
// operator's record of it) and "ID:" and a number (the message was taken
// under that number). Anything else is said to be unknown and shown as it came.
QString yanitAciklamasi(const QString &yanit);

// The operator's gateway (the environment variable when set).
QUrl adres(Operator o);

// How long one request may take before it counts as unanswered.
int zamanAsimi();
void zamanAsimiAyarla(int ms);

struct Yanit
{
    enum class Durum { Tamam, BosYanit, HttpHatasi, ZamanAsimi, Durduruldu };
    Durum durum = Durum::BosYanit;
    QString metin;   // the reply body as received (UTF-8)
    QString neden;   // Turkish reason when not Tamam
    bool tamam() const { return durum == Durum::Tamam; }
};

// POSTs the request (UTF-8, content type text/xml) and waits in a local event
// loop; a reply with nothing in it is a failure. For callers without a
// window of their own; a window sends through Istek instead.
Yanit gonder(Operator o, const QString &istek);

// One request on its way while the program goes on (no loop of its own):
// bitti comes once, with the reply, the time-out (zamanAsimi) or, after
// durdur(), Durduruldu. The request goes when it is made.
class Istek : public QObject
{
    Q_OBJECT
public:
    Istek(Operator o, const QString &istek, QObject *ust = nullptr);
    ~Istek() override;
    void durdur();

signals:
    void bitti(const Sms::Yanit &y);

private:
    void bitir(const Yanit &y);
    QNetworkAccessManager *m_ag;
    QNetworkReply *m_cevap = nullptr;
    QTimer m_sure;
    bool m_bitti = false;
};

// SMSINFO.DAT in the per-user settings folder (~/.config/VELMORIKA); one an
// earlier release left in the working directory is moved there first.
QString ayarDosyasi();
// A missing file gives four empty values and true; missing lines read empty.
bool ayarOku(Hesap *h, QString *hata = nullptr, const QString &yol = ayarDosyasi());
// Replaces the file: Windows Turkish code page, CR LF, readable by its owner only.
bool ayarYaz(const Hesap &h, QString *hata = nullptr, const QString &yol = ayarDosyasi());

// The stored phone as the ten digits of a Turkish mobile number (5XXXXXXXXX):
// blanks, dashes, dots and brackets dropped, then a leading +90 / 90 / 0.
// nullopt when what is left is not a mobile number.
std::optional<QString> cepNumarasi(const QString &telefon);

// Two parallel lists: entry i of numaralar belongs to entry i of adlar.
struct Alicilar
{
    QStringList numaralar;
    QStringList adlar;
    int sayi() const { return int(numaralar.size()); }
    void ekle(const QString &numara, const QString &ad) { numaralar << numara; adlar << ad; }
    void sil(int i);
    void temizle() { numaralar.clear(); adlar.clear(); }
};

// The message of entry ad: with the heading "Sayın " + ad + " " + metin.
QString kisiselMesaj(const QString &ad, const QString &metin, bool baslikli);

struct Gonderilemeyen
{
    QString numara;
    QString ad;
    QString neden;
};

struct TopluSonuc
{
    int toplam = 0;        // entries in the list
    int yanitlanan = 0;    // requests the gateway answered
    bool durduruldu = false;
    int gonderilmeyen = 0; // entries left when stopped
    QVector<Gonderilemeyen> hatalar;
};

// One send request per entry, in order. ilerleme runs after each request with
// the entry index and its reply; returning false stops before the next one.
TopluSonuc topluGonder(const Hesap &h, Operator o, const Alicilar &a, const QString &metin, bool baslikli,
                       const std::function<bool(int, const Yanit &)> &ilerleme = {});

// What the user is told after sending: the operator's success text only when
// every message got a reply; otherwise how many did and which numbers failed.
QString basariMesaji(Operator o);
QString ozet(Operator o, const TopluSonuc &s, const QString &basari = QString());

} // namespace Sms
