#include "db/hata.h"

#include <QSqlError>
#include <QStringList>

#include <cstdio>

namespace VeriHatasi {
namespace {
Alici &alici()
{
    static Alici a;
    return a;
}

void gonder(Tur tur, const QString &metin, QWidget *ust)
{
    if (alici()) {
        alici()(tur, metin, ust);
        return;
    }
    std::fprintf(stderr, "%s\n", metin.toLocal8Bit().constData());
}
} // namespace

Alici ayarla(Alici yeni)
{
    Alici eski = std::move(alici());
    alici() = std::move(yeni);
    return eski;
}

QString istemciMetni(const QSqlError &e)
{
    const QString s = e.databaseText().trimmed();
    return s.isEmpty() ? e.text().trimmed() : s;
}

namespace {
struct Kalip
{
    QStringList parcalar; // any of these in the client's text
    const char *cumle;
};

bool icerir(const QString &metin, const QStringList &parcalar)
{
    for (const QString &p : parcalar)
        if (metin.contains(p, Qt::CaseInsensitive))
            return true;
    return false;
}

QString cevir(const QString &istemci, const QList<Kalip> &kaliplar, const QString &varsayilan)
{
    QString cumle = varsayilan;
    for (const Kalip &k : kaliplar)
        if (icerir(istemci, k.parcalar)) {
            cumle = QString::fromUtf8(k.cumle);
            break;
        }
    return istemci.isEmpty() ? cumle : cumle + QStringLiteral("\n(") + istemci + QLatin1Char(')');
}

const QStringList kullanimda{QStringLiteral("\"lock\" operation"), QStringLiteral("Resource temporarily unavailable"),
                             QStringLiteral("being used by another"), QStringLiteral("Device or resource busy"),
                             QStringLiteral("database is in use")};
const QStringList baglantiKoptu{QStringLiteral("reading/writing data to the connection"),
                                QStringLiteral("connection shutdown"), QStringLiteral("connection lost"),
                                QStringLiteral("Connection reset"), QStringLiteral("Broken pipe"),
                                QStringLiteral("network request"), QStringLiteral("Connection refused")};
} // namespace

QString metin(const QSqlError &e)
{
    static const QList<Kalip> kaliplar = {
        {kullanimda, "Veritabanı başka bir program tarafından kullanılıyor."},
        {baglantiKoptu, "Veritabanı bağlantısı koptu; işlem yapılamadı. Bağlantı yeniden kurulunca tekrar deneyin."},
        {{QStringLiteral("deadlock"), QStringLiteral("update conflicts"), QStringLiteral("lock conflict")},
         "Bu kayıt şu anda başka bir kullanıcı tarafından değiştiriliyor; biraz sonra yeniden deneyin."},
        {{QStringLiteral("violation of PRIMARY or UNIQUE KEY")},
         "Bu kayıt zaten var: aynı anahtarla ikinci bir kayıt yazılamaz."},
        {{QStringLiteral("violation of FOREIGN KEY")}, "Bu kayda bağlı başka kayıtlar var; işlem yapılamadı."},
        {{QStringLiteral("transliterate"), QStringLiteral("Malformed string")},
         "Metin, veritabanının karakter setinde olmayan harfler içeriyor."},
        {{QStringLiteral("string right truncation"), QStringLiteral("arithmetic exception, numeric overflow")},
         "Bir değer, alanın alabileceğinden uzun ya da büyük."},
        {{QStringLiteral("Table unknown"), QStringLiteral("Column unknown"), QStringLiteral("Procedure unknown")},
         "Sorguda tanınmayan bir tablo ya da kolon adı var; adları denetleyin."},
        {{QStringLiteral("Token unknown"), QStringLiteral("Unexpected end of command"),
          QStringLiteral("SQL error code = -104")},
         "Sorgu yazımında hata var; sorguyu denetleyin."},
        {{QStringLiteral("conversion error")}, "Bir değer beklenen türe çevrilemedi (tarih ya da sayı yanlış yazılmış)."},
    };
    return cevir(istemciMetni(e), kaliplar, QStringLiteral("Veritabanı işlemi yapılamadı."));
}

bool kullanimdaMi(const QSqlError &e) { return icerir(istemciMetni(e), kullanimda); }

QString baglantiMetni(const QSqlError &e, const QString &konum)
{
    const QList<Kalip> kaliplar = {
        {kullanimda, "Veritabanı başka bir program tarafından kullanılıyor. Diğer programı kapatıp yeniden "
                     "deneyin ya da birden çok bilgisayar için veritabanını bir sunucuya taşıyın."},
        {{QStringLiteral("No such file"), QStringLiteral("\"open\" operation"), QStringLiteral("not found")},
         "Veritabanı dosyası bulunamadı ya da açılamadı. datayeri.txt dosyasındaki yolu denetleyin."},
        {{QStringLiteral("user name and password"), QStringLiteral("login")},
         "Veritabanı kullanıcı adı ya da parolası kabul edilmedi. İstasyon ayarlarını denetleyin."},
        {{QStringLiteral("not a valid database"), QStringLiteral("unsupported on-disk structure"),
          QStringLiteral("file is not a valid")},
         "Bu dosya bir veritabanı değil ya da bozuk."},
        {baglantiKoptu, "Veritabanı sunucusuna ulaşılamadı. Sunucunun açık olduğunu ve ağ bağlantısını denetleyin."},
    };
    const QString genel = QStringLiteral("Veritabanına bağlanılamadı.");
    QString m = cevir(istemciMetni(e), kaliplar, genel);
    // The location tried, right after the sentence.
    const int satir = int(m.indexOf(QLatin1Char('\n')));
    const QString yer = QStringLiteral(" Veritabanı: ") + konum;
    return satir < 0 ? m + yer : m.left(satir) + yer + m.mid(satir);
}

void bilgi(const QString &metin, QWidget *ust) { gonder(Tur::Bilgi, metin, ust); }
void hata(const QString &metin, QWidget *ust) { gonder(Tur::Hata, metin, ust); }

} // namespace VeriHatasi
