#include "app/mesaj.h"

#include "app/verikoku.h"
#include "db/hata.h"
#include "db/sorgu.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextStream>

namespace {
KonsolMesaj konsolMesaj;
Mesaj *aktifMesaj = &konsolMesaj;
}

Mesaj::~Mesaj() = default;

Mesaj &Mesaj::aktif() { return *aktifMesaj; }

Mesaj &Mesaj::gosterecek()
{
    Sorgu::beklemeGostergesiniIndir();
    return *aktifMesaj;
}

Mesaj *Mesaj::ayarla(Mesaj *yeni)
{
    Mesaj *eski = aktifMesaj;
    aktifMesaj = yeni ? yeni : &konsolMesaj;
    return eski;
}

void Mesaj::veriHatalariniBagla()
{
    VeriHatasi::ayarla([](VeriHatasi::Tur tur, const QString &metin, QWidget *ust) {
        if (tur == VeriHatasi::Tur::Hata)
            Mesaj::hata(metin, ust);
        else
            Mesaj::goster(metin, ust);
    });
}

namespace {
QString klasorAnahtari(const QString &filtre)
{
    // One remembered folder per kind of file; the filter names the kind.
    QString k = filtre.isEmpty() ? QStringLiteral("hepsi") : filtre;
    for (QChar &c : k)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return QStringLiteral("SonKlasor/") + k;
}

QSettings kullaniciAyari()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"),
                     QStringLiteral("velmorika"));
}
} // namespace

QString Mesaj::baslangicKlasoru(const QString &filtre)
{
    const QString son = kullaniciAyari().value(klasorAnahtari(filtre)).toString();
    if (!son.isEmpty() && QFileInfo(son).isDir())
        return son;
    return VeriKoku();
}

QString Mesaj::dosya(bool kaydet, const QString &baslik, const QString &klasor, const QString &filtre, QWidget *ust)
{
    QString bas = klasor;
    // A bare file name (a suggestion to save under) goes into the start folder.
    if (bas.isEmpty())
        bas = baslangicKlasoru(filtre);
    else if (!QFileInfo(bas).isAbsolute() && !bas.contains(QLatin1Char('/')))
        bas = QDir(baslangicKlasoru(filtre)).filePath(bas);
    const QString secilen = gosterecek().dosyaSec(kaydet, baslik, bas, filtre, ust);
    if (!secilen.isEmpty())
        kullaniciAyari().setValue(klasorAnahtari(filtre), QFileInfo(secilen).absolutePath());
    return secilen;
}

static QString baslik() { return QStringLiteral("VELMORIKA"); }

void PencereMesaj::mesaj(Tur tur, const QString &metin, QWidget *ust)
{
    if (!ust)
        ust = QApplication::activeWindow();
    QMessageBox k(tur == Tur::Hata ? QMessageBox::Critical
                  : tur == Tur::Uyari ? QMessageBox::Warning
                                      : QMessageBox::Information,
                  baslik(), metin, QMessageBox::Ok, ust);
    k.setObjectName(QStringLiteral("mesaj_kutusu"));
    k.exec();
}

bool PencereMesaj::evetHayir(const QString &metin, QWidget *ust)
{
    if (!ust)
        ust = QApplication::activeWindow();
    QMessageBox k(QMessageBox::Question, baslik(), metin, QMessageBox::Yes | QMessageBox::No, ust);
    k.setObjectName(QStringLiteral("soru_kutusu"));
    k.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
    k.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
    k.setDefaultButton(QMessageBox::No);
    return k.exec() == QMessageBox::Yes;
}

std::optional<QString> PencereMesaj::girdiKutusu(const QString &b, const QString &etiket,
                                                 const QString &varsayilan, QWidget *ust)
{
    bool tamam = false;
    QString s = QInputDialog::getText(ust, b, etiket, QLineEdit::Normal, varsayilan, &tamam);
    if (!tamam)
        return std::nullopt;
    return s;
}

QString PencereMesaj::dosyaSec(bool kaydet, const QString &b, const QString &klasor,
                               const QString &filtre, QWidget *ust)
{
    return kaydet ? QFileDialog::getSaveFileName(ust, b, klasor, filtre)
                  : QFileDialog::getOpenFileName(ust, b, klasor, filtre);
}

void KonsolMesaj::mesaj(Tur, const QString &metin, QWidget *)
{
    QTextStream(stderr) << metin << Qt::endl;
}

bool KonsolMesaj::evetHayir(const QString &metin, QWidget *)
{
    QTextStream(stderr) << metin << " -> Hayır" << Qt::endl;
    return false;
}

std::optional<QString> KonsolMesaj::girdiKutusu(const QString &, const QString &, const QString &, QWidget *)
{
    return std::nullopt;
}

QString KonsolMesaj::dosyaSec(bool, const QString &, const QString &, const QString &, QWidget *)
{
    return QString();
}
