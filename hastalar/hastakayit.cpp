#include "hastalar/hastakayit.h"

#include "app/oturum.h"
#include "db/veriseti.h"
#include "hastalar/hastakodu.h"

#include <QDateTime>

const QStringList &HastaParametreKolonlari()
{
    static const QStringList k{
        QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORADI"),    QStringLiteral("CINSIYET"),
        QStringLiteral("KURUMU"),     QStringLiteral("IL"),           QStringLiteral("MEDENIDURUM"),
        QStringLiteral("COCUKSAYISI"), QStringLiteral("MESLEGI"),     QStringLiteral("EGITIMI"),
        QStringLiteral("ILCE"),       QStringLiteral("ULKE"),         QStringLiteral("SIGARADURUMU"),
        QStringLiteral("ALKOLDURUMU")};
    return k;
}

void HastaYeniSatirDegerleri(VeriSeti &vs, const QStringList &parametreler)
{
    vs.degerAyarla(QStringLiteral("KAYITTARIHI"), QDateTime(QDate::currentDate(), QTime(0, 0)));
    vs.degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
    vs.degerAyarla(QStringLiteral("KAYITDURUMU"), QStringLiteral("AKTİF"));
    vs.degerAyarla(QStringLiteral("HASTAKODU"), HastaKodu::varsayilan(vs.anahtar()));
    const QStringList &kolonlar = HastaParametreKolonlari();
    for (int i = 0; i < kolonlar.size() && i < parametreler.size(); ++i) {
        const QString p = parametreler.at(i);
        if (p.isEmpty())
            continue;
        if (kolonlar.at(i) == QLatin1String("COCUKSAYISI")) {
            bool ok = false;
            const double d = QString(p).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
            if (ok)
                vs.degerAyarla(kolonlar.at(i), d);
            continue;
        }
        vs.degerAyarla(kolonlar.at(i), p);
    }
    vs.degerAyarla(QStringLiteral("HATUYARI"), QStringLiteral("HAYIR"));
    vs.degerAyarla(QStringLiteral("HATIRLATMADURUMU2"), QStringLiteral("HAYIR"));
}
