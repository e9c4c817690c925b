#include "app/program/frmlogin.h"
#include "app/program/ilkacilis.h"
#include "app/program/komutsatiri.h"
#include "app/program/sinyal.h"
#include "app/beklemegostergesi.h"
#include "app/mesaj.h"
#include "app/verikoku.h"
#include "app/yerler.h"
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
    // The menu entry (kurulum/tr.com.tervana.velmorika.desktop) and its icon belong to these windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("tr.com.tervana.velmorika"));
    QApplication::setQuitOnLastWindowClosed(true);
    VeriKoku(); // the picture and video folders exist from the first run on

    // A machine with no database location anywhere: the first-start dialog
    // instead of an error. A location that is set but wrong is the login
    // window's to tell.
    QString yer = konum;
    if (yer.isEmpty()) {
        bool hicYok = false;
        if (!Yerler::veritabaniYeri(&yer, nullptr, &hicYok) && hicYok) {
            IlkAcilis ilk;
            if (ilk.exec() != QDialog::Accepted) {
                Sorgu::beklemeGostergesiAyarla(std::move(oncekiGosterge));
                Mesaj::ayarla(onceki);
                return CikisKodu::Tamam;
            }
        }
        yer.clear();
    }

    int sonuc = 0;
    {
        // The login window on --veritabani when given, else on the location looked up.
        SinyalPencereliProgram();
        std::unique_ptr<TfrmLogin> giris(yer.isEmpty() ? new TfrmLogin : new TfrmLogin(yer));
        giris->show();
        sonuc = QApplication::exec();
    }
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
    Sorgu::beklemeGostergesiAyarla(std::move(oncekiGosterge));
    Mesaj::ayarla(onceki);
    return sonuc;
}
