#include "app/kullanicilar.h"

#include "app/gizli.h"
#include "db/sqltext.h"

#include <QLocale>

namespace {

// The text a password is compared as: trimmed, an apostrophe read as a
// backtick, as the login has always compared it (SqlQuote's rule), so that
// passwords stored in clear by an earlier release keep working.
QByteArray sifreMetni(const QString &sifre)
{
    return sifre.trimmed().replace(QLatin1Char('\''), QLatin1Char('`')).toUtf8();
}

} // namespace

namespace Sifre {

QString ozetle(const QString &sifre) { return Gizli::ozetle(sifreMetni(sifre)); }

bool ozetMi(const QString &kayitli) { return Gizli::ozetMi(kayitli); }

bool dogrula(const QString &kayitli, const QString &girilen)
{
    const QString k = Sorgu::dolgusuz(kayitli);
    if (!ozetMi(k))
        return !k.isEmpty() && Gizli::esit(k.toUtf8(), sifreMetni(girilen));
    return Gizli::dogrula(k, sifreMetni(girilen));
}

} // namespace Sifre

namespace Kullanicilar {

std::optional<Sorgu::Sonuc> girisBul(const QString &kullaniciAdi, const QString &sifre)
{
    // Two users with the same name and password: the oldest row is the user.
    auto s = Sorgu::sec(SelectBasi(QStringLiteral("elemanlar")) + QStringLiteral(" and kullanici_adi =")
                        + SqlQuote(kullaniciAdi) + QStringLiteral(" order by kayit_no"));
    if (!s)
        return std::nullopt;
    Sorgu::Sonuc bulunan;
    bulunan.kolonlar = s->kolonlar;
    const int sifreKolonu = s->kolonSirasi(QStringLiteral("SIFRE"));
    const int anahtarKolonu = s->kolonSirasi(QStringLiteral("KAYIT_NO"));
    // Passwords used to be upper-cased the Turkish way as they were typed
    // (at the login and in the user screen): a stored one of that time is
    // still accepted in that form, once, and stored again as typed.
    const QString eskiBicim = QLocale(QLocale::Turkish).toUpper(sifre);
    for (const QVariantList &satir : s->satirlar) {
        const QString kayitli = satir.value(sifreKolonu).toString();
        const bool aynen = Sifre::dogrula(kayitli, sifre);
        if (!aynen && (eskiBicim == sifre || !Sifre::dogrula(kayitli, eskiBicim)))
            continue;
        bulunan.satirlar << satir;
        const QString k = Sorgu::dolgusuz(kayitli);
        const bool yenile = !aynen || Gizli::yenilenmeli(k);
        if (yenile) {
            const QString ozet = Sifre::ozetle(sifre);
            // Only while the row still holds what was compared: another
            // workstation may have set a new password meanwhile. A failure
            // leaves the old value; the next login tries again.
            QString hata;
            if (!ozet.isEmpty())
                Sorgu::calistir(QStringLiteral("update elemanlar set sifre = ? where kayit_no = ? and sifre = ?"),
                                {ozet, satir.value(anahtarKolonu), kayitli}, QString(), &hata);
        }
        break;
    }
    return bulunan;
}

std::optional<bool> kodVar(const QVariant &kullaniciKodu)
{
    auto s = Sorgu::sec(QStringLiteral("select count(*) from elemanlar where kullanici_kodu = ?"), {kullaniciKodu});
    if (!s)
        return std::nullopt;
    return !s->satirlar.isEmpty() && s->satirlar.first().value(0).toLongLong() > 0;
}

std::optional<QStringList> hakSirketleri(const QVariant &kullaniciKodu)
{
    const auto s = Sorgu::sec(QStringLiteral("select distinct sirketkodu from kullanicilar where kullanici_kodu = ? "
                                             "order by 1"),
                              {kullaniciKodu});
    if (!s)
        return std::nullopt;
    QStringList l;
    for (const QVariantList &r : s->satirlar)
        l << (r.value(0).isNull() ? QStringLiteral("(şirketsiz)") : r.value(0).toString().trimmed());
    return l;
}

bool tumHaklariSil(const QVariant &kullaniciKodu, QString *hata)
{
    return Sorgu::calistir(QStringLiteral("delete from kullanicilar where kullanici_kodu = ?"), {kullaniciKodu},
                           QString(), hata);
}

bool haklariSil(const QVariant &kullaniciKodu, const QString &sirketkodu, QString *hata)
{
    return Sorgu::calistir(
        QStringLiteral("delete from kullanicilar where kullanici_kodu = ? and sirketkodu = ?"),
        {kullaniciKodu, sirketkodu.trimmed().isEmpty() ? QVariant() : QVariant(sirketkodu.trimmed())}, QString(),
        hata);
}

int haklariOlustur(const QVariant &kullaniciKodu, const QString &sirketkodu, bool tamYetki, QString *hata)
{
    Islem islem;
    if (!islem.basladi()) {
        if (hata)
            *hata = QStringLiteral("Veritabanında işlem başlatılamadı.");
        return -1;
    }
    auto moduller = Sorgu::sec(QStringLiteral("select moduladi from moduller"), {}, QString(), hata);
    if (!moduller || !haklariSil(kullaniciKodu, sirketkodu, hata))
        return -1;
    const QString bayrak = tamYetki ? QStringLiteral("E") : QStringLiteral("H");
    const QString sql = QStringLiteral(
        "insert into kullanicilar (kayitno, kullanici_kodu, moduladi, kayit, yenikayit, degistirme, silme, "
        "formgirisi, rapor, ozelyetki1, ozelyetki2, sirketkodu) "
        "values (gen_id(otokod_kullanicilar, 1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int yazilan = 0;
    for (const QVariantList &m : moduller->satirlar) {
        QVariantList d{kullaniciKodu, m.value(0)};
        for (int i = 0; i < 8; ++i)
            d << bayrak;
        d << sirketkodu.trimmed();
        if (!Sorgu::calistir(sql, d, QString(), hata))
            return -1;
        ++yazilan;
    }
    if (!islem.onayla(hata))
        return -1;
    return yazilan;
}

} // namespace Kullanicilar
