#include "raporlar/motor/tabloaktar.h"

#include "app/mesaj.h"
#include "app/verikoku.h"
#include "db/sorgu.h"
#include "raporlar/motor/tabloyazici.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QUrl>

namespace TabloAktar {

namespace {

QString g_klasor;

bool masaustundeAc(const QString &yol) { return QDesktopServices::openUrl(QUrl::fromLocalFile(yol)); }

Acici g_acici = masaustundeAc;

// A piece of a file name: letters and digits kept, anything else '_'.
QString dosyaAdiParcasi(const QString &ad)
{
    QString s;
    for (const QChar c : ad.trimmed())
        s += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('_');
    return s.isEmpty() ? QStringLiteral("LISTE") : s.left(60);
}

using Yazici = std::function<TabloYazici::Sonuc(const QString &, QString *, const TabloYazici::Ilerleme &)>;

const QString ExcelFiltresi = QStringLiteral("Excel Dosyası (*.xlsx)");

// Where the list goes. With a folder set for the program (the command line,
// the tests) a new name in it; otherwise the user names the file, the dialog
// starting in the folder last used for spreadsheets (the first time in the
// documents folder). Empty: the user cancelled.
QString hedefDosya(const QString &ad, QWidget *ust)
{
    if (!g_klasor.isEmpty())
        return yeniDosyaYolu(ad);
    QString bas = Mesaj::baslangicKlasoru(ExcelFiltresi);
    if (bas == VeriKoku())
        bas = klasor();
    const QString oneri = QFileInfo(yeniDosyaYolu(ad)).fileName();
    QString yol = Mesaj::dosyaKaydet(QStringLiteral("Excel Dosyasını Kaydet"), QDir(bas).filePath(oneri),
                                     ExcelFiltresi, ust);
    if (!yol.isEmpty() && !yol.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        yol += QStringLiteral(".xlsx");
    return yol;
}

QString aktar(int satirSayisi, const QString &ad, QWidget *ust, const Yazici &yaz)
{
    const QString yol = hedefDosya(ad, ust);
    if (yol.isEmpty())
        return QString();
    const QString k = QFileInfo(yol).absolutePath();
    // Try the folder before the work: a folder we may not write to is said at
    // once. A file the user chose to write over is kept until the work starts.
    {
        QDir().mkpath(k);
        const bool vardi = QFileInfo::exists(yol);
        QFile deneme(yol);
        if (!deneme.open(QIODevice::WriteOnly | (vardi ? QIODevice::Append : QIODevice::NewOnly))) {
            Mesaj::hata(QStringLiteral("Excel dosyası kaydedilemedi: \"") + QDir::toNativeSeparators(k)
                            + QStringLiteral("\" klasörüne yazma izni yok ya da klasör kullanılamıyor."),
                        ust);
            return QString();
        }
        deneme.close();
        if (!vardi)
            deneme.remove();
    }

    const bool pencereli = qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr
                           && QGuiApplication::platformName() != QLatin1String("minimal");
    std::unique_ptr<QProgressDialog> pencere;
    TabloYazici::Ilerleme ilerleme;
    if (pencereli && satirSayisi > IlerlemeSiniri) {
        pencere = std::make_unique<QProgressDialog>(QStringLiteral("Excel'e aktarılıyor..."),
                                                    QStringLiteral("İptal"), 0, satirSayisi, ust);
        pencere->setObjectName(QStringLiteral("frm_exceleaktar"));
        pencere->setWindowTitle(QStringLiteral("Excele Aktar"));
        pencere->setWindowModality(ust ? Qt::WindowModal : Qt::ApplicationModal);
        // Shown at once: only a visible window lets the user stop the work.
        pencere->setMinimumDuration(0);
        pencere->setAutoClose(false);
        pencere->setAutoReset(false);
        QProgressDialog *p = pencere.get();
        ilerleme = [p](int yazilan, int) {
            p->setValue(yazilan);
            return !p->wasCanceled();
        };
    } else if (pencereli) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QString hata;
    const TabloYazici::Sonuc sonuc = yaz(yol, &hata, ilerleme);
    if (pencere)
        pencere->close();
    else if (pencereli)
        QApplication::restoreOverrideCursor();

    switch (sonuc) {
    case TabloYazici::Sonuc::Iptal:
        QFile::remove(yol);
        Mesaj::goster(QStringLiteral("Excel'e aktarma iptal edildi; dosya kaydedilmedi."), ust);
        return QString();
    case TabloYazici::Sonuc::Hata:
        Mesaj::hata(hata, ust);
        return QString();
    case TabloYazici::Sonuc::Tamam:
        break;
    }
    if (!g_acici(yol))
        Mesaj::goster(QStringLiteral("Excel dosyası oluşturuldu, ancak onu açacak bir tablo programı bulunamadı.\n"
                                     "Dosya: ")
                          + QDir::toNativeSeparators(yol),
                      ust);
    return yol;
}

} // namespace

QString klasor()
{
    if (!g_klasor.isEmpty())
        return g_klasor;
    const QString belgeler = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A new account may not have the folder yet.
    if (!belgeler.isEmpty())
        QDir().mkpath(belgeler);
    if (!belgeler.isEmpty() && QFileInfo(belgeler).isDir() && QFileInfo(belgeler).isWritable())
        return belgeler;
    return QDir::tempPath();
}

void klasorAyarla(const QString &k) { g_klasor = k; }

QString yeniDosyaYolu(const QString &ad)
{
    const QDir d(klasor());
    const QString kok = QStringLiteral("VELMORIKA_") + dosyaAdiParcasi(ad) + QLatin1Char('_')
                        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString yol = d.filePath(kok + QStringLiteral(".xlsx"));
    // Two exports within the same second get their own files.
    for (int i = 2; QFileInfo::exists(yol); ++i)
        yol = d.filePath(kok + QStringLiteral("_%1.xlsx").arg(i));
    return yol;
}

Acici aciciAyarla(Acici yeni)
{
    const Acici onceki = g_acici;
    g_acici = yeni ? yeni : masaustundeAc;
    return onceki;
}

QString modelden(const QAbstractItemModel &model, const QList<int> &kolonlar, const QString &ad, QWidget *ust)
{
    return aktar(model.rowCount(), ad, ust, [&](const QString &yol, QString *hata, const TabloYazici::Ilerleme &i) {
        return TabloYazici::yaz(yol, model, kolonlar, hata, i, ad);
    });
}

QString sonuctan(const Sorgu::Sonuc &sonuc, const QString &ad, QWidget *ust)
{
    return aktar(int(sonuc.satirlar.size()), ad, ust,
                 [&](const QString &yol, QString *hata, const TabloYazici::Ilerleme &i) {
                     return TabloYazici::yaz(yol, sonuc, hata, i, ad);
                 });
}

} // namespace TabloAktar
