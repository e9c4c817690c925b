#include "destek/sahtegecit.h"

#include "randevu/smscekirdegi.h"

#include <QFileInfo>
#include <QSettings>
#include <QTcpSocket>

SahteGecit::SahteGecit()
{
    connect(&m_sunucu, &QTcpServer::newConnection, this, &SahteGecit::baglanti);
    m_sunucu.listen(QHostAddress::LocalHost, 0);
}

QUrl SahteGecit::adres() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/xmlapi/").arg(m_sunucu.serverPort()));
}

void SahteGecit::baglanti()
{
    while (QTcpSocket *s = m_sunucu.nextPendingConnection()) {
        s->setParent(this);
        connect(s, &QTcpSocket::readyRead, this, [this, s] { oku(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] {
            m_tampon.remove(s);
            s->deleteLater();
        });
    }
}

void SahteGecit::oku(QTcpSocket *s)
{
    QByteArray &t = m_tampon[s];
    t += s->readAll();
    const qsizetype bas = t.indexOf("\r\n\r\n");
    if (bas < 0)
        return;
    Istek ist;
    const QList<QByteArray> satirlar = t.left(bas).split('\n');
    const QList<QByteArray> ilk = satirlar.value(0).trimmed().split(' ');
    ist.yontem = ilk.value(0);
    ist.yol = ilk.value(1);
    for (qsizetype i = 1; i < satirlar.size(); ++i) {
        const qsizetype k = satirlar.at(i).indexOf(':');
        if (k > 0)
            ist.basliklar.insert(satirlar.at(i).left(k).trimmed().toLower(), satirlar.at(i).mid(k + 1).trimmed());
    }
    const int uzunluk = ist.basliklar.value("content-length").toInt();
    if (t.size() - bas - 4 < uzunluk)
        return; // the rest of the body is still coming
    ist.govde = t.mid(bas + 4, uzunluk);
    t.remove(0, bas + 4 + uzunluk);
    istekler << ist;

    const Cevap c = cevaplar.isEmpty() ? varsayilan : cevaplar.dequeue();
    if (c.tur == Tur::Cevapsiz)
        return; // keeps the connection open and says nothing
    QByteArray durum = "200 OK";
    QByteArray govde = c.metin;
    if (c.tur == Tur::Bos)
        govde.clear();
    else if (c.tur == Tur::HttpHata)
        durum = "500 Internal Server Error";
    s->write("HTTP/1.1 " + durum + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
             + QByteArray::number(govde.size()) + "\r\nConnection: close\r\n\r\n" + govde);
    s->disconnectFromHost();
}

namespace {
// The folder QSettings' user scope points at now (the test support's).
QString ayarKokKlasoru()
{
    const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("a"), QStringLiteral("b"));
    return QFileInfo(QFileInfo(s.fileName()).absolutePath()).absolutePath();
}
} // namespace

SmsTestOrtami::SmsTestOrtami()
{
    oncekiAyarlar = ayarKokKlasoru();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarlar.path());
    QDir::setCurrent(klasor.path());
    qputenv("VELMORIKA_SMS_MOBILDEV", gecit.adres().toString().toUtf8() + "mobil");
    qputenv("VELMORIKA_SMS_EKOMESAJ", gecit.adres().toString().toUtf8() + "eko");
    Sms::zamanAsimiAyarla(400);
}

SmsTestOrtami::~SmsTestOrtami()
{
    QDir::setCurrent(onceki);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, oncekiAyarlar);
    qunsetenv("VELMORIKA_SMS_MOBILDEV");
    qunsetenv("VELMORIKA_SMS_EKOMESAJ");
    Sms::zamanAsimiAyarla(0);
}

QByteArray SmsTestOrtami::dosya() const
{
    QFile f(dosyaYolu());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SmsTestOrtami::dosyaYaz(const QByteArray &b) const
{
    QDir().mkpath(QFileInfo(dosyaYolu()).absolutePath());
    QFile f(dosyaYolu());
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}
