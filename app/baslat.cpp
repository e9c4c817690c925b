#include "app/frmlogin.h"
#include "app/komutsatiri.h"
#include "app/mesaj.h"
#include "app/verikoku.h"
#include "db/baglanti.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int ProgramiBaslat()
{
    // Qt's own dialogs and buttons in Turkish, numbers and dates the Turkish way.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QTranslator qtCeviri;
    if (qtCeviri.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtCeviri);

    PencereMesaj pencereMesaj;
    Mesaj *onceki = Mesaj::ayarla(&pencereMesaj);
    QApplication::setApplicationName(QStringLiteral("VELMORIKA"));
    QApplication::setQuitOnLastWindowClosed(true);
    VeriKoku(); // the picture and video folders exist from the first run on

    int sonuc = 0;
    {
        TfrmLogin giris;
        giris.show();
        sonuc = QApplication::exec();
    }
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
    Mesaj::ayarla(onceki);
    return sonuc;
}
