#include "app/notdosya.h"

#include "app/ekranlar.h"
#include "app/oturum.h"
#include "db/sqltext.h"

#include <QDialog>

static QString kosullar(int kayitno, const QString &evrakturu)
{
    return QStringLiteral(" and Evrakkayitno=") + SqlQuote(QString::number(kayitno))
           + QStringLiteral(" and Evrakturu=") + SqlQuote(evrakturu) + QStringLiteral(" ");
}

QString NotlarSelectMetni(int kayitno, const QString &evrakturu)
{
    return SelectBasi(QStringLiteral("aciklamalar")) + kosullar(kayitno, evrakturu);
}

QString DosyalarSelectMetni(int kayitno, const QString &evrakturu)
{
    return SelectBasi(QStringLiteral("dokumanlar")) + kosullar(kayitno, evrakturu);
}

void NotlariAc(QWidget *ust, int kayitno, const QString &evrakturu, const QString &hastakodu,
               const QString &hastaadi)
{
    Aktarim.not_evrakkayitno = kayitno;
    Aktarim.not_evrakturu = evrakturu;
    Aktarim.not_hastakodu = hastakodu;
    Aktarim.not_hastaadi = hastaadi;
    const QString sql = NotlarSelectMetni(kayitno, evrakturu);
    EkranAc(QStringLiteral("frm_notlar2"), ust, false, QString(),
            [sql](QDialog *d) { d->setProperty(SelectMetniOzelligi, sql); });
}

void DosyalariAc(QWidget *ust, int kayitno, const QString &evrakturu)
{
    Aktarim.dosya_evrakkayitno = kayitno;
    Aktarim.dosya_evrakturu = evrakturu;
    const QString sql = DosyalarSelectMetni(kayitno, evrakturu);
    EkranAc(QStringLiteral("frm_dosyayonetimi"), ust, false, QString(),
            [sql](QDialog *d) { d->setProperty(SelectMetniOzelligi, sql); });
}
