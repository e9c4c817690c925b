#pragma once
// A stand-in for an SMS operator's gateway on loopback: records every request
// (method, path, headers, body bytes) and answers each as scripted — a reply
// text, an empty reply, an HTTP error, or no answer at all.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QTcpServer>
#include <QUrl>

class SahteGecit : public QObject
{
public:
    enum class Tur { Yanit, Bos, HttpHata, Cevapsiz };
    struct Cevap
    {
        Tur tur = Tur::Yanit;
        QByteArray metin;
    };
    struct Istek
    {
        QByteArray yontem;
        QByteArray yol;
        QMap<QByteArray, QByteArray> basliklar; // names in lower case
        QByteArray govde;
    };

    SahteGecit();
    bool dinliyor() const { return m_sunucu.isListening(); }
    QUrl adres() const;

    // Answers in order; when the queue is empty, varsayilan.
    QQueue<Cevap> cevaplar;
    Cevap varsayilan{Tur::Yanit, QByteArrayLiteral("OK")};
    QList<Istek> istekler;

private:
    void baglanti();
    void oku(QTcpSocket *s);
    QTcpServer m_sunucu;
    QMap<QTcpSocket *, QByteArray> m_tampon;
};

// One test case's SMS surroundings: a stand-in gateway for both operators
// (paths /xmlapi/mobil and /xmlapi/eko), a per-user settings folder of its
// own for SMSINFO.DAT, an empty working folder, and a short time-out; all
// put back at the end.
struct SmsTestOrtami
{
    QTemporaryDir klasor;     // the working folder
    QTemporaryDir ayarlar;    // stands for ~/.config
    QString onceki = QDir::currentPath();
    QString oncekiAyarlar;
    SahteGecit gecit;
    SmsTestOrtami();
    ~SmsTestOrtami();
    QString dosyaYolu() const { return ayarlar.filePath(QStringLiteral("VELMORIKA/SMSINFO.DAT")); }
    QByteArray dosya() const;
    bool dosyaYaz(const QByteArray &b) const;
};
