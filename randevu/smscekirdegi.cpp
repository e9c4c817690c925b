#include "randevu/smscekirdegi.h"

#include "app/yerler.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>

namespace Sms {

namespace {

int g_zamanAsimi = 20000;

// Windows-1254 above 0x7F: Latin-1 with six Turkish letters and the Windows
// punctuation in 0x80-0x9F.
const char16_t CP1254_UST[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178};

char16_t cp1254Harf(uchar c)
{
    if (c >= 0x80 && c < 0xA0)
        return CP1254_UST[c - 0x80];
    switch (c) {
    case 0xD0: return 0x011E;
    case 0xDD: return 0x0130;
    case 0xDE: return 0x015E;
    case 0xF0: return 0x011F;
    case 0xFD: return 0x0131;
    case 0xFE: return 0x015F;
    default: return c;
    }
}

QString cp1254Coz(const QByteArray &b)
{
    QString s;
    s.reserve(b.size());
    for (char c : b)
        s += QChar(cp1254Harf(uchar(c)));
    return s;
}

// A character the code page has no place for becomes '?'.
QByteArray cp1254Kodla(const QString &s)
{
    QByteArray b;
    b.reserve(s.size());
    for (QChar ch : s) {
        const char16_t u = ch.unicode();
        char k = '?';
        if (u < 0x80) {
            k = char(u);
        } else {
            for (int c = 0x80; c <= 0xFF; ++c)
                if (cp1254Harf(uchar(c)) == u) {
                    k = char(c);
                    break;
                }
        }
        b += k;
    }
    return b;
}

QString kullaniciOgesi(const Hesap &h)
{
    return QStringLiteral("<UserName>") + xmlKacis(h.kullanici) + QLatin1Char('-') + xmlKacis(h.clientKodu)
           + QStringLiteral("</UserName>") + QStringLiteral("<PassWord>") + xmlKacis(h.sifre)
           + QStringLiteral("</PassWord>");
}

} // namespace

QString operatorAdi(Operator o)
{
    return o == Operator::Ekomesaj ? QStringLiteral("Ekomesaj") : QStringLiteral("Mobildev");
}

Operator operatorBul(const QString &ad)
{
    return ad.trimmed().compare(QLatin1String("Ekomesaj"), Qt::CaseInsensitive) == 0 ? Operator::Ekomesaj
                                                                                    : Operator::Mobildev;
}

bool raporlariVar(Operator o) { return o == Operator::Mobildev; }

QString xmlKacis(const QString &deger)
{
    QString s;
    s.reserve(deger.size());
    for (QChar c : deger) {
        switch (c.unicode()) {
        case '&': s += QLatin1String("&amp;"); break;
        case '<': s += QLatin1String("&lt;"); break;
        case '>': s += QLatin1String("&gt;"); break;
        case '"': s += QLatin1String("&quot;"); break;
        case '\'': s += QLatin1String("&apos;"); break;
        default: s += c;
        }
    }
    return s;
}

QString durumIstegi(const Hesap &h, Operator o)
{
    if (o == Operator::Mobildev)
        return QStringLiteral("<MainReportRoot>") + kullaniciOgesi(h) + QStringLiteral("<Action>4</Action>")
               + QStringLiteral("</MainReportRoot>");
    // Ekomesaj asks the channel code before the password here, the other way round when sending.
    return QStringLiteral("<MainReportRoot><Command>6</Command><PlatformID>1</PlatformID><UserName>")
           + xmlKacis(h.kullanici) + QStringLiteral("</UserName>") + QStringLiteral("<ChannelCode>")
           + xmlKacis(h.clientKodu) + QStringLiteral("</ChannelCode>") + QStringLiteral("<PassWord>")
           + xmlKacis(h.sifre) + QStringLiteral("</PassWord>") + QStringLiteral("</MainReportRoot>");
}

QString gonderIstegi(const Hesap &h, Operator o, const QString &mesaj, const QString &numaralar)
{
    if (o == Operator::Mobildev)
        return QStringLiteral("<MainmsgBody>") + kullaniciOgesi(h) + QStringLiteral("<Action>0</Action>")
               + QStringLiteral("<Mesgbody>") + xmlKacis(mesaj) + QStringLiteral("</Mesgbody>")
               + QStringLiteral("<Numbers>") + xmlKacis(numaralar) + QStringLiteral("</Numbers>")
               + QStringLiteral("<Originator></Originator>") + QStringLiteral("<SDate></SDate>")
               + QStringLiteral("</MainmsgBody>");
    // Ekomesaj's gateway gets the pieces with the blanks that open them.
    return QStringLiteral(" <MainmsgBody> <Command>0</Command> <PlatformID>1</PlatformID> <UserName>")
           + xmlKacis(h.kullanici) + QStringLiteral("</UserName>") + QStringLiteral(" <PassWord>")
           + xmlKacis(h.sifre) + QStringLiteral("</PassWord>") + QStringLiteral(" <ChannelCode>")
           + xmlKacis(h.clientKodu) + QStringLiteral("</ChannelCode>") + QStringLiteral(" <Mesgbody>")
           + xmlKacis(mesaj) + QStringLiteral("</Mesgbody>") + QStringLiteral(" <Numbers>") + xmlKacis(numaralar)
           + QStringLiteral("</Numbers>") + QStringLiteral(" <Type>1</Type>")
           + QStringLiteral(" <Originator></Originator>") + QStringLiteral(" <SDate></SDate>")
           + QStringLiteral(" <EDate></EDate>") + QStringLiteral(" </MainmsgBody>");
}

QString mesajNoRaporIstegi(const Hesap &h, const QString &mesajNo)
{
    return QStringLiteral("<MainReportRoot>") + kullaniciOgesi(h) + QStringLiteral("<Action>3</Action>")
           + QStringLiteral("<MsgID>") + xmlKacis(mesajNo) + QStringLiteral("</MsgID>")
           + QStringLiteral("</MainReportRoot>");
}

QString tarihRaporIstegi(const Hesap &h, const QString &ilk, const QString &son)
{
    return QStringLiteral("<MainReportRoot>") + kullaniciOgesi(h) + QStringLiteral("<Action>2</Action>")
           + QStringLiteral("<FDate>") + xmlKacis(ilk) + QStringLiteral("</FDate>") + QStringLiteral("<LDate>")
           + xmlKacis(son) + QStringLiteral("</LDate>") + QStringLiteral("</MainReportRoot>");
}

QString yanitAciklamasi(const QString &yanit)
{
    static const QRegularExpression tamam(QStringLiteral("^00\\s+(\\S+)$"));
    static const QRegularExpression kimlik(QStringLiteral("^ID:\\s*(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QString y = yanit.trimmed();
    QString anlam;
    if (const auto m = tamam.match(y); m.hasMatch())
        anlam = QStringLiteral("İşlem başarılı. Operatörün kayıt numarası: %1").arg(m.captured(1));
    else if (const auto k = kimlik.match(y); k.hasMatch())
        anlam = QStringLiteral("Mesaj operatöre ulaştı. Mesaj numarası: %1").arg(k.captured(1));
    else
        anlam = QStringLiteral("Operatörün yanıtı tanınmadı; geldiği gibi aşağıda.");
    return anlam + QStringLiteral("\r\n\r\nOperatörün yanıtı:\r\n") + satirSonlariniDuzelt(yanit);
}

QString satirSonlariniDuzelt(const QString &yanit)
{
    // A reply that already ends its lines with CR LF keeps them as they are.
    QString s;
    s.reserve(yanit.size() + 16);
    for (qsizetype i = 0; i < yanit.size(); ++i) {
        const QChar c = yanit.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || yanit.at(i - 1) != QLatin1Char('\r')))
            s += QLatin1Char('\r');
        s += c;
    }
    return s;
}

QUrl adres(Operator o)
{
    const QByteArray degisken = o == Operator::Ekomesaj ? "VELMORIKA_SMS_EKOMESAJ" : "VELMORIKA_SMS_MOBILDEV";
    const QString ayar = qEnvironmentVariable(degisken.constData()).trimmed();
    if (!ayar.isEmpty())
        return QUrl(ayar);
    return o == Operator::Ekomesaj ? QUrl(QStringLiteral("http://gateway.ekomesaj.com/xmlapi/"))
                                   : QUrl(QStringLiteral("http://gateway.mobildev.com/xmlapi/"));
}

int zamanAsimi() { return g_zamanAsimi; }
void zamanAsimiAyarla(int ms) { g_zamanAsimi = ms > 0 ? ms : 20000; }

namespace {

QNetworkReply *postla(QNetworkAccessManager &ag, Operator o, const QString &istek)
{
    QNetworkRequest r(adres(o));
    r.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/xml; charset=utf-8"));
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return ag.post(r, istek.toUtf8());
}

Yanit zamanAsimiYaniti()
{
    Yanit y;
    y.durum = Yanit::Durum::ZamanAsimi;
    y.neden = QStringLiteral("%1 saniye içinde yanıt gelmedi (zaman aşımı)").arg(g_zamanAsimi / 1000.0);
    return y;
}

// A finished reply as the user is told of it.
Yanit yanitOku(QNetworkReply *cevap)
{
    Yanit y;
    const int kod = cevap->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray govde = cevap->readAll();
    if (cevap->error() != QNetworkReply::NoError) {
        y.durum = Yanit::Durum::HttpHatasi;
        y.neden = kod > 0 ? QStringLiteral("HTTP hatası %1").arg(kod)
                          : QStringLiteral("bağlantı hatası: %1").arg(cevap->errorString());
    } else if (govde.trimmed().isEmpty()) {
        y.durum = Yanit::Durum::BosYanit;
        y.neden = QStringLiteral("operatörden boş yanıt geldi");
    } else {
        y.durum = Yanit::Durum::Tamam;
    }
    y.metin = QString::fromUtf8(govde);
    return y;
}

} // namespace

Istek::Istek(Operator o, const QString &istek, QObject *ust)
    : QObject(ust)
    , m_ag(new QNetworkAccessManager(this))
{
    m_cevap = postla(*m_ag, o, istek);
    connect(m_cevap, &QNetworkReply::finished, this, [this] {
        if (!m_bitti)
            bitir(yanitOku(m_cevap));
    });
    m_sure.setSingleShot(true);
    connect(&m_sure, &QTimer::timeout, this, [this] { bitir(zamanAsimiYaniti()); });
    m_sure.start(g_zamanAsimi);
}

Istek::~Istek() = default;

void Istek::durdur()
{
    Yanit y;
    y.durum = Yanit::Durum::Durduruldu;
    y.neden = QStringLiteral("durduruldu");
    bitir(y);
}

void Istek::bitir(const Yanit &y)
{
    if (m_bitti)
        return;
    m_bitti = true;
    m_sure.stop();
    if (!m_cevap->isFinished())
        m_cevap->abort();
    emit bitti(y);
}

Yanit gonder(Operator o, const QString &istek)
{
    QNetworkAccessManager ag;
    QNetworkReply *cevap = postla(ag, o, istek);

    QEventLoop dongu;
    QTimer sayac;
    sayac.setSingleShot(true);
    bool zamanDoldu = false;
    QObject::connect(&sayac, &QTimer::timeout, &dongu, [&] {
        zamanDoldu = true;
        dongu.quit();
    });
    QObject::connect(cevap, &QNetworkReply::finished, &dongu, &QEventLoop::quit);
    sayac.start(g_zamanAsimi);
    if (!cevap->isFinished())
        dongu.exec(QEventLoop::ExcludeUserInputEvents);

    if (zamanDoldu && !cevap->isFinished()) {
        cevap->abort();
        delete cevap;
        return zamanAsimiYaniti();
    }
    const Yanit y = yanitOku(cevap);
    delete cevap;
    return y;
}

QString ayarDosyasi()
{
    const QString ad = QStringLiteral("SMSINFO.DAT");
    const QString yeni = QDir(Yerler::ayarKlasoru()).filePath(ad);
    // Earlier releases kept it in the working directory: moved over once;
    // when that fails the old one stays in use.
    const QString eski = QDir::current().absoluteFilePath(ad);
    if (!QFileInfo::exists(yeni) && QFileInfo::exists(eski)
        && !Yerler::eskiYerdenTasi(QStringLiteral("SMS hesap bilgileri (%1)").arg(ad), eski, yeni))
        return eski;
    return yeni;
}

bool ayarOku(Hesap *h, QString *hata, const QString &yol)
{
    *h = Hesap();
    QFile f(yol);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = QStringLiteral("%1 okunamadı: %2").arg(yol, f.errorString());
        return false;
    }
    QStringList satirlar = cp1254Coz(f.readAll()).split(QLatin1Char('\n'));
    for (QString &s : satirlar)
        if (s.endsWith(QLatin1Char('\r')))
            s.chop(1);
    const auto satir = [&](int i) { return i < satirlar.size() ? satirlar.at(i) : QString(); };
    h->clientKodu = satir(0);
    h->sifre = satir(1);
    h->kullanici = satir(2);
    h->operatorAdi = satir(3);
    return true;
}

bool ayarYaz(const Hesap &h, QString *hata, const QString &yol)
{
    // A line break inside a value would shift every line after it.
    const auto tek = [](QString s) { return s.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')); };
    const QString metin = tek(h.clientKodu) + QStringLiteral("\r\n") + tek(h.sifre) + QStringLiteral("\r\n")
                          + tek(h.kullanici) + QStringLiteral("\r\n") + tek(h.operatorAdi) + QStringLiteral("\r\n");
    QSaveFile f(yol);
    // The password is kept in plain text: nobody but the owner may read it,
    // and the file is never readable by others even for a moment.
    if (!f.open(QIODevice::WriteOnly)
        || !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || f.write(cp1254Kodla(metin)) < 0 || !f.commit()) {
        if (hata)
            *hata = QStringLiteral("%1 yazılamadı: %2").arg(yol, f.errorString());
        return false;
    }
    QFile::setPermissions(yol, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

std::optional<QString> cepNumarasi(const QString &telefon)
{
    QString s;
    for (QChar c : telefon) {
        if (c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('(')
            || c == QLatin1Char(')'))
            continue;
        s += c;
    }
    if (s.startsWith(QLatin1Char('+')))
        s.remove(0, 1);
    if (s.size() == 12 && s.startsWith(QLatin1String("90")))
        s.remove(0, 2);
    else if (s.size() == 11 && s.startsWith(QLatin1Char('0')))
        s.remove(0, 1);
    if (s.size() != 10 || s.at(0) != QLatin1Char('5'))
        return std::nullopt;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return s;
}

void Alicilar::sil(int i)
{
    if (i < 0 || i >= numaralar.size() || i >= adlar.size())
        return;
    numaralar.removeAt(i);
    adlar.removeAt(i);
}

QString kisiselMesaj(const QString &ad, const QString &metin, bool baslikli)
{
    return baslikli ? QStringLiteral("Sayın ") + ad + QLatin1Char(' ') + metin : metin;
}

TopluSonuc topluGonder(const Hesap &h, Operator o, const Alicilar &a, const QString &metin, bool baslikli,
                       const std::function<bool(int, const Yanit &)> &ilerleme)
{
    TopluSonuc s;
    s.toplam = a.sayi();
    for (int i = 0; i < a.sayi(); ++i) {
        const QString ad = a.adlar.value(i);
        const Yanit y = gonder(o, gonderIstegi(h, o, kisiselMesaj(ad, metin, baslikli), a.numaralar.at(i)));
        if (y.tamam())
            ++s.yanitlanan;
        else
            s.hatalar.push_back({a.numaralar.at(i), ad, y.neden});
        if (ilerleme && !ilerleme(i, y) && i + 1 < a.sayi()) {
            s.durduruldu = true;
            s.gonderilmeyen = a.sayi() - i - 1;
            break;
        }
    }
    return s;
}

QString basariMesaji(Operator o)
{
    return operatorAdi(o) + QStringLiteral(" Operatöründen Mesajlarınız Başarıyla Gönderilmiştir");
}

QString ozet(Operator o, const TopluSonuc &s, const QString &basari)
{
    if (s.toplam == 0)
        return QStringLiteral("Gönderilecek kimse yok: alıcı listesi boş, hiçbir mesaj gönderilmedi.");
    if (s.yanitlanan == s.toplam)
        return basari.isEmpty() ? basariMesaji(o) : basari;
    QString m = QStringLiteral("%1 operatörüne %2 mesajdan %3 tanesi gönderildi (yanıt alındı).")
                    .arg(operatorAdi(o))
                    .arg(s.toplam)
                    .arg(s.yanitlanan);
    if (!s.hatalar.isEmpty()) {
        m += QStringLiteral("\nGönderilemeyenler:");
        for (const Gonderilemeyen &g : s.hatalar)
            m += QStringLiteral("\n%1%2: %3")
                     .arg(g.numara, g.ad.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(g.ad), g.neden);
    }
    if (s.durduruldu)
        m += QStringLiteral("\nGönderim durduruldu; %1 mesaj hiç gönderilmedi.").arg(s.gonderilmeyen);
    return m;
}

} // namespace Sms
