#include "app/yetki.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/sorgu.h"

Yetkiler YetkiOku(const QString &kullanici_kodu, const QString &moduladi, const QString &sirketkodu, bool *ok,
                  const QString &baglanti)
{
    Yetkiler y;
    const QString sql = SelectBasi(QStringLiteral("kullanicilar"))
                        + QStringLiteral("and kullanici_kodu =") + SqlQuote(kullanici_kodu)
                        // A blank before each piece: an empty value becomes Null, and
                        // "Nulland" would not parse.
                        + QStringLiteral(" and moduladi =") + SqlQuote(moduladi)
                        + QStringLiteral(" and sirketkodu =") + SqlQuote(sirketkodu)
                        // Several rows for one key: the oldest decides, whatever the storage order.
                        + QStringLiteral(" order by kayitno");
    const auto s = Sorgu::sec(sql, {}, baglanti);
    if (ok)
        *ok = s.has_value();
    if (!s || s->satirlar.isEmpty())
        return y;
    auto oku = [&](const char *kolon) {
        const QVariant v = s->deger(0, QLatin1String(kolon));
        return v.isNull() ? QString() : v.toString();
    };
    y.bulundu = true;
    y.KAYIT = oku("KAYIT");
    y.YENIKAYIT = oku("YENIKAYIT");
    y.DEGISTIRME = oku("DEGISTIRME");
    y.SILME = oku("SILME");
    y.FORMGIRISI = oku("FORMGIRISI");
    y.RAPOR = oku("RAPOR");
    y.OZELYETKI1 = oku("OZELYETKI1");
    y.OZELYETKI2 = oku("OZELYETKI2");
    return y;
}

bool GirisIzni(const QString &moduladi, QWidget *ust, const QString &baglanti)
{
    bool ok = false;
    const Yetkiler y = YetkiOku(Oturum.kullanici_kodu, moduladi, Oturum.sirketkodu, &ok, baglanti);
    if (!ok)
        return false; // the error has been shown; the opening is abandoned
    // Only an explicit "H" (or nothing at all) keeps the user out.
    const QString bayrak = y.FORMGIRISI.isEmpty() ? QStringLiteral("H") : y.FORMGIRISI;
    if (y.bulundu && bayrak != QLatin1String("H"))
        return true;
    Mesaj::goster(QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz"), ust);
    return false;
}

bool IslemIzni(const QString &bayrak, QWidget *ust)
{
    if (Yetkiler::izin(bayrak))
        return true;
    Mesaj::goster(QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"), ust);
    return false;
}

bool UyariAcilsinMi(const QString &baglanti)
{
    bool ok = false;
    const Yetkiler y = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("UYARI"), Oturum.sirketkodu, &ok, baglanti);
    if (!ok)
        return false;
    // No row or an empty flag still shows the reminders; only "H" keeps them closed.
    const QString bayrak = (!y.bulundu || y.FORMGIRISI.isEmpty()) ? QStringLiteral("E") : y.FORMGIRISI;
    return bayrak != QLatin1String("H");
}
