// "velmorika --giris-denetle KULLANICI [--sirket KOD] [--veritabani KONUM]":
// the desktop program's login without a display, for checking an
// installation (the Qt platform and SQL driver plugins, the database engine,
// the schema upgrades): the login window on the database, the user's
// password from VELMORIKA_SIFRE (never on the command line, where every
// user of the machine could read it), the main window opened as after a
// login, the windows it opens at first closed as a user would, then the
// main window closed.
#include "app/mesaj.h"
#include "app/program/frmlogin.h"
#include "app/program/komutsatiri.h"
#include "app/yerler.h"
#include "db/baglanti.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QTextStream>
#include <QTimer>

int GirisDenetimiKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::GirisDenetimi);
    if (!k)
        return CikisKodu::Kullanim;
    const QString sifre = qEnvironmentVariable("VELMORIKA_SIFRE");
    if (sifre.isEmpty()) {
        Mesaj::hata(QStringLiteral("--giris-denetle kullanıcının şifresini VELMORIKA_SIFRE ortam değişkeninde bekler.\n")
                    + KullanimMetni());
        return CikisKodu::Kullanim;
    }
    QString konum = k->deger(QStringLiteral("--veritabani")), hata;
    if (!k->var(QStringLiteral("--veritabani")) && !Yerler::veritabaniYeri(&konum, &hata)) {
        Mesaj::hata(hata);
        return CikisKodu::Veritabani;
    }

    int sonuc = CikisKodu::Giris;
    QStringList acilanlar;
    {
        TfrmLogin giris(konum);
        if (!Baglanti::vt(Baglanti::Paylasilan).isOpen())
            return CikisKodu::Veritabani; // the login window has said why
        giris.setAnaPencereModal(false);
        const auto kutu = [&giris](const char *ad) { return giris.findChild<QLineEdit *>(QLatin1String(ad)); };
        if (k->var(QStringLiteral("--sirket")))
            kutu("edt_sirket")->setText(k->deger(QStringLiteral("--sirket")));
        kutu("edt_kullanici_adi")->setText(k->deger(QStringLiteral("--giris-denetle")));
        kutu("edt_sifre")->setText(sifre);
        giris.show();
        giris.btnOkeyClick();
        if (Tfrm_menu *ana = giris.anaPencere()) {
            // The windows the main window opens by itself (the reminders)
            // are modal: each is closed as soon as it shows.
            QTimer kapatici;
            QObject::connect(&kapatici, &QTimer::timeout, [&acilanlar, ana] {
                auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (d && d != ana) {
                    acilanlar << d->objectName();
                    d->reject();
                }
            });
            kapatici.start(50);
            if (!ana->ilkEtkinlesmeYapildi()) {
                QEventLoop dongu;
                QObject::connect(ana, &Tfrm_menu::ilkEtkinlesmeBitti, &dongu, &QEventLoop::quit);
                // Something waiting forever must not hang an installation check.
                QTimer::singleShot(120000, &dongu, &QEventLoop::quit);
                dongu.exec();
            }
            kapatici.stop();
            if (ana->ilkEtkinlesmeYapildi()) {
                sonuc = CikisKodu::Tamam;
                QTextStream(stdout) << QStringLiteral("Giriş başarılı: %1, şirket %2, veritabanı %3")
                                           .arg(k->deger(QStringLiteral("--giris-denetle")),
                                                kutu("edt_sirket")->text(), konum)
                                    << Qt::endl;
                if (!acilanlar.isEmpty())
                    QTextStream(stdout) << QStringLiteral("Kendiliğinden açılıp kapatılan pencereler: ")
                                        << acilanlar.join(QStringLiteral(", ")) << Qt::endl;
            } else {
                Mesaj::hata(QStringLiteral("Ana pencerenin açılış adımları bitmedi."));
            }
            ana->sorusuzKapat();
            delete ana;
        }
    }
    Baglanti::kapat(Baglanti::Menu);
    Baglanti::kapat(Baglanti::Paylasilan);
    return sonuc;
}
