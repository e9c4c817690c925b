#include "app/program/frmlogin.h"
#include "app/program/komutsatiri.h"
#include "app/program/sinyal.h"
#include "app/beklemegostergesi.h"
#include "app/mesaj.h"
#include "app/verikoku.h"
#include "db/baglanti.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

bool TurkceAyarla()
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QLocale::setDefault(tr);
    static QTranslator qtCeviri; // lives as long as the program
    static bool yuklendi = false;
    if (!yuklendi && qtCeviri.load(tr, QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        yuklendi = QCoreApplication::installTranslator(&qtCeviri);
    return yuklendi;
}

int ProgramiBaslat(const QString &konum)
{
    // Qt's own dialogs and buttons in Turkish, numbers and dates the Turkish way.
    TurkceAyarla();

    PencereMesaj pencereMesaj;
    Mesaj *onceki = Mesaj::ayarla(&pencereMesaj);
    // A save that waits on another user's lock shows a busy cursor and says why.
    Sorgu::BeklemeGostergesi oncekiGosterge = Sorgu::beklemeGostergesiAyarla(PencereBeklemeGostergesi());
    QApplication::setApplicationName(QStringLiteral("VELMORIKA"));
    QApplication::setQuitOnLastWindowClosed(true);
    VeriKoku(); // the picture and video folders exist from the first run on

    int sonuc = 0;
    {
        // The login window on --veritabani when given, else on datayeri.txt.
        SinyalPencereliProgram();
        std::unique_ptr<TfrmLogin> giris(konum.isEmpty() ? new TfrmLogin : new TfrmLogin(konum));
        giris->show();
        sonuc = QApplication::exec();
    }
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
    Sorgu::beklemeGostergesiAyarla(std::move(oncekiGosterge));
    Mesaj::ayarla(onceki);
    return sonuc;
}
