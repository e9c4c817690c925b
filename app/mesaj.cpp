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

#include <utility>

namespace {
KonsolMesaj konsolMesaj;
Mesaj *aktifMesaj = &konsolMesaj;
}

Mesaj::~Mesaj() = default;

namespace {
void ihlaliYaz(const QString &ne)
{
    QTextStream(stderr) << "Program hatası: açık bir yazma işlemi sürerken pencere açılmak istendi: " << ne << '\n';
}
Mesaj::IslemIhlali islemIhlali = &ihlaliYaz;

// True (and reported) when a window would open inside a write transaction.
bool islemde(const char *tur, const QString &metin)
{
    if (!VeriHatasi::islemAcik())
        return false;
    if (islemIhlali)
        islemIhlali(QString::fromUtf8(tur) + QStringLiteral(": ") + metin);
    return true;
}
} // namespace

Mesaj::IslemIhlali Mesaj::islemIhlaliAyarla(IslemIhlali bildir)
{
    return std::exchange(islemIhlali, bildir);
}

void Mesaj::goster(const QString &metin, QWidget *ust)
{
    // Shown once the transaction has ended (the data layer keeps it until then).
    if (islemde("mesaj", metin))
        VeriHatasi::bilgi(metin, ust);
    else
        gosterecek().mesaj(Tur::Bilgi, metin, ust);
}

void Mesaj::hata(const QString &metin, QWidget *ust)
{
    if (islemde("hata", metin))
        VeriHatasi::hata(metin, ust);
    else
        gosterecek().mesaj(Tur::Hata, metin, ust);
}

bool Mesaj::soru(const QString &metin, QWidget *ust)
{
    if (islemde("soru", metin))
        return false;
    return gosterecek().evetHayir(metin, ust);
}

std::optional<QString> Mesaj::girdi(const QString &baslik, const QString &etiket, const QString &varsayilan,
                                    QWidget *ust)
{
    if (islemde("girdi", baslik))
        return std::nullopt;
    return gosterecek().girdiKutusu(baslik, etiket, varsayilan, ust, false);
}

std::optional<QString> Mesaj::gizliGirdi(const QString &baslik, const QString &etiket, QWidget *ust)
{
    if (islemde("girdi", baslik))
        return std::nullopt;
    return gosterecek().girdiKutusu(baslik, etiket, QString(), ust, true);
}

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
    VeriHatasi::ayarla([](VeriHatasi::Tur tur, const QString &metin, QObject *sahip) {
        QWidget *ust = qobject_cast<QWidget *>(sahip);
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
    if (islemde("dosya", baslik))
        return QString();
    const QString secilen = gosterecek().dosyaSec(kaydet, baslik, bas, filtre, ust);
    if (!secilen.isEmpty())
        kullaniciAyari().setValue(klasorAnahtari(filtre), QFileInfo(secilen).absolutePath());
    return secilen;
}

static QString baslik() { return QStringLiteral("VELMORIKA"); }

std::pair<QString, QString> Mesaj::ayrintiAyir(const QString &metin)
{
    QStringList cumle, ayrinti;
    const QStringList satirlar = metin.split(QLatin1Char('\n'));
    for (const QString &s : satirlar) {
        const QString t = s.trimmed();
        if (t.size() > 2 && t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')')))
            ayrinti << t.mid(1, t.size() - 2);
        else
            cumle << s;
    }
    while (!cumle.isEmpty() && cumle.last().trimmed().isEmpty())
        cumle.removeLast();
    return {cumle.join(QLatin1Char('\n')), ayrinti.join(QLatin1Char('\n'))};
}

void PencereMesaj::mesaj(Tur tur, const QString &metin, QWidget *ust)
{
    if (!ust)
        ust = QApplication::activeWindow();
    // The client's English text is for the technician: under "Ayrıntılar"
    // and on standard error, never in the sentence.
    const auto [cumle, ayrinti] = ayrintiAyir(metin);
    QMessageBox k(tur == Tur::Hata ? QMessageBox::Critical
                  : tur == Tur::Uyari ? QMessageBox::Warning
                                      : QMessageBox::Information,
                  baslik(), cumle, QMessageBox::Ok, ust);
    k.setObjectName(QStringLiteral("mesaj_kutusu"));
    if (!ayrinti.isEmpty()) {
        k.setDetailedText(ayrinti);
        QTextStream(stderr) << "Ayrıntı: " << ayrinti << '\n';
    }
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
                                                 const QString &varsayilan, QWidget *ust, bool gizli)
{
    bool tamam = false;
    QString s = QInputDialog::getText(ust, b, etiket, gizli ? QLineEdit::Password : QLineEdit::Normal, varsayilan,
                                      &tamam);
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

std::optional<QString> KonsolMesaj::girdiKutusu(const QString &, const QString &, const QString &, QWidget *,
                                                bool)
{
    return std::nullopt;
}

QString KonsolMesaj::dosyaSec(bool, const QString &, const QString &, const QString &, QWidget *)
{
    return QString();
}
