#include "hastalar/iller.h"

#include "app/mesaj.h"

#include <QFile>
#include <QTextStream>

const QStringList &IlListesi()
{
    static const QStringList liste = QString::fromUtf8(
        "İSTANBUL,ADANA,ADIYAMAN,AFYON,AGRI,AKSARAY,AMASYA,AMMAN,ANKARA,ANTALYA,ARDAHAN,ARTVIN,AYDIN,"
        "BALIKESIR,BARTIN,BATMAN,BAYBURT,BILECIK,BINGÖL,BITLIS,BODRUM,BOLU,BURSA,BURDUR,ÇANAKKALE,ÇANKIRI,"
        "ÇORUM,DENIZLI,DIYARBAKIR,DÜZCE,EDIRNE,ELAZIG,ERZINCAN,ERZURUM,ESKISEHIR,GAZIANTEP,GIRESUN,GÜMÜŞHANE,"
        "HAKKARI,HATAY,IÇEL,IGDIR,ISPARTA,IZMIR,K.MARAS,KARABÜK,KARAMAN,KARS,KASTAMONU,KAYSERI,KILIS,"
        "KIRIKKALE,KIRKLARELI,KIRSEHIR,KOCAELI,KONYA,KÜTAHYA,MAGOSA,MALATYA,MANISA,MARDIN,MERSIN,MUGLA,MUS,"
        "NEVSEHIR,NIGDE,ORDU,OSMANIYE,RIZE,SAKARYA,SAMSUN,SANLIURFA,SIIRT,SINOP,SIRNAK,SIVAS,TEKIRDAG,TOKAT,"
        "TRABZON,TUNCELI,USAK,VAN,YALOVA,YOZGAT,ZONGULDAK")
                                           .split(QLatin1Char(','));
    return liste;
}

namespace {
struct IlceVerisi
{
    QStringList liste;
    QString dosya;
};

const IlceVerisi &ilceVerisi()
{
    static const IlceVerisi veri = [] {
        IlceVerisi v;
        // Compiled into the program (CMakeLists.txt): nothing to look for on disk.
        const QString yol = QStringLiteral(":/veri/ilceler.txt");
        QFile f(yol);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Mesaj::hata(QStringLiteral("İlçe listesi (ilceler.txt) programın içinde bulunamadı; ilçe kutuları boş "
                                       "kalacak. Programı yeniden kurun (sudo apt install --reinstall velmorika)."));
            return v;
        }
        QTextStream ts(&f);
        ts.setEncoding(QStringConverter::Utf8);
        while (!ts.atEnd()) {
            const QString s = ts.readLine().trimmed();
            if (!s.isEmpty() && !s.startsWith(QLatin1Char('#')))
                v.liste << s;
        }
        v.dosya = yol;
        return v;
    }();
    return veri;
}
} // namespace

const QStringList &IlceListesi() { return ilceVerisi().liste; }
QString IlceDosyasi() { return ilceVerisi().dosya; }
