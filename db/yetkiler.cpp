#include "db/yetkiler.h"

#include "db/guncelleme.h"
#include "db/sema.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Yetkiler {

QString kullaniciAdi(const QString &ad)
{
    // Grants take the name as an identifier, not a value: only a plain one
    // is accepted, so no text of the caller's becomes SQL.
    static const QRegularExpression duz(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    const QString a = ad.trimmed();
    return duz.match(a).hasMatch() ? a.toUpper() : QString();
}

QString gecersizAdMetni(const QString &ad)
{
    return QStringLiteral("Geçersiz veritabanı kullanıcı adı: %1. Bir harfle başlayan; harf, rakam, _ ya da $ "
                          "içeren en çok 31 karakterlik bir ad verin.")
        .arg(ad);
}

QStringList komutlar(const QString &kullanici)
{
    const QString k = kullaniciAdi(kullanici);
    if (k.isEmpty())
        return {};
    QStringList sonuc;
    sonuc << QStringLiteral("REVOKE ALL ON ALL FROM USER %1").arg(k);
    QStringList uretecler;
    for (const Tablo &t : Tablolar()) {
        sonuc << QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON %1 TO USER %2").arg(t.ad, k);
        if (!t.uretec.isEmpty() && !uretecler.contains(t.uretec))
            uretecler << t.uretec;
    }
    for (const QString &g : DigerUretecler())
        if (!uretecler.contains(g))
            uretecler << g;
    for (const QString &g : uretecler)
        sonuc << QStringLiteral("GRANT USAGE ON GENERATOR %1 TO USER %2").arg(g, k);
    return sonuc;
}

bool ver(const QString &kullanici, const QString &baglanti, QString *hata)
{
    const QStringList k = komutlar(kullanici);
    if (k.isEmpty()) {
        if (hata)
            *hata = gecersizAdMetni(kullanici);
        return false;
    }
    Guncelleme::calistir(baglanti);
    QSqlDatabase db = QSqlDatabase::database(baglanti, false);
    if (!db.transaction()) {
        if (hata)
            *hata = db.lastError().text();
        return false;
    }
    for (const QString &komut : k) {
        QSqlQuery q(db);
        if (!q.exec(komut)) {
            if (hata)
                *hata = QStringLiteral("Yetki verilemedi: %1\n%2").arg(komut, q.lastError().text());
            q.finish();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        if (hata)
            *hata = QStringLiteral("Yetkiler yazılamadı: ") + db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

} // namespace Yetkiler
