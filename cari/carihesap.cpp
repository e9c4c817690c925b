#include "cari/carihesap.h"

#include "app/carikurallari.h"
#include "app/gizli.h"
#include "app/oturum.h"
#include "db/bicim.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace CariHesap {

namespace {
double sayiDegeri(const QVariant &v)
{
    return v.isNull() ? 0.0 : v.toDouble();
}
} // namespace

QString HesapFiltresi(const QString &carikod)
{
    return QStringLiteral(" and carikod =") + SqlQuote(carikod) + QStringLiteral(" and sirketkodu =")
           + SqlQuote(Oturum.sirketkodu);
}

QString SelectFiltresi(const QString &select)
{
    static const QRegularExpression bas(QStringLiteral("\\bwhere\\s+1\\s*=\\s*1\\s"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression sira(QStringLiteral("\\border\\s+by\\b"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = bas.match(select);
    if (!m.hasMatch())
        return QString();
    QString filtre = select.mid(m.capturedEnd());
    // The last "order by" outside quotes ends the filter; a quoted value
    // holding the words is inside SqlQuote's apostrophes.
    int son = -1;
    QRegularExpressionMatchIterator it = sira.globalMatch(filtre);
    while (it.hasNext()) {
        const QRegularExpressionMatch s = it.next();
        const int once = int(filtre.left(s.capturedStart()).count(QLatin1Char('\'')));
        if (once % 2 == 0)
            son = int(s.capturedStart());
    }
    if (son >= 0)
        filtre = filtre.left(son);
    return QLatin1Char(' ') + filtre.trimmed() + QLatin1Char(' ');
}

QString Taraf(double fark)
{
    return CariKural::Taraf(fark);
}

QString ToplamMetni(double tutar)
{
    return CariKural::ToplamMetni(tutar);
}

std::optional<Toplamlar> ToplamlariHesapla(const QString &filtre, const QString &paraBirimi,
                                           bool vadesiGelmemisleriKatma, const QDate &bugun)
{
    Toplamlar t;
    t.paraBirimi = paraBirimi.trimmed().isEmpty() ? QStringLiteral("YTL") : paraBirimi.trimmed();
    // Postings and rows of earlier releases carry no currency: they are the
    // practice's own (YTL), or an account's examination debits would never
    // reach its totals.
    QString f = filtre + QStringLiteral(" and coalesce(parabirimi, 'YTL') =") + SqlQuote(t.paraBirimi);
    if (vadesiGelmemisleriKatma)
        f += QStringLiteral(" and VADETARIHI <=") + SqlQuote(TarihMetni(bugun));
    const auto s = Sorgu::sec(QStringLiteral("select sum(borc) toplamborc ,sum(alacak) toplamalacak ,"
                                             "(sum(borc)-sum(alacak)) tbakiye from cari_hareket where 1=1 ")
                              + f + QStringLiteral(" "));
    if (!s)
        return std::nullopt;
    if (!s->satirlar.isEmpty()) {
        t.borc = sayiDegeri(s->deger(0, QStringLiteral("TOPLAMBORC")));
        t.alacak = sayiDegeri(s->deger(0, QStringLiteral("TOPLAMALACAK")));
    }
    t.fark = t.borc - t.alacak;
    t.borcMetni = ToplamMetni(t.borc);
    t.alacakMetni = ToplamMetni(t.alacak);
    t.taraf = Taraf(t.fark);
    t.bakiyeMetni = ToplamMetni(std::fabs(t.fark));
    return t;
}

std::optional<int> ParaBirimiSayisi(const QString &filtre)
{
    const auto s = Sorgu::sec(QStringLiteral("select distinct coalesce(parabirimi, 'YTL') from cari_hareket where 1=1 ") + filtre
                              + QStringLiteral(" "));
    if (!s)
        return std::nullopt;
    return int(s->satirlar.size());
}

std::optional<double> TutarOku(const QString &metin)
{
    const QString m = metin.trimmed();
    if (m.isEmpty())
        return std::nullopt;
    QVariant v;
    if (!VeriSeti::degerCevir(KolonTuru::Ondalik, m, &v) || v.isNull())
        return std::nullopt;
    return v.toDouble();
}

bool OzelKodlarSifirlaBaslar(const QString &islem) { return islem != QLatin1String("YOK"); }

OzelKodSonucu OzelKodIslemi(const QString &islem, const QString &kod1, const QString &kod2)
{
    OzelKodSonucu s;
    enum { Topla, Carp, Bol, Cikar } tur;
    if (islem == QStringLiteral("TOPLA"))
        tur = Topla;
    else if (islem == QStringLiteral("ÇARP"))
        tur = Carp;
    else if (islem == QStringLiteral("BÖL"))
        tur = Bol;
    else if (islem == QStringLiteral("ÇIKAR"))
        tur = Cikar;
    else
        return s; // "YOK", empty, anything else: no operator
    if (kod1.trimmed().isEmpty() || kod2.trimmed().isEmpty()) {
        s.tur = OzelKodSonucu::Tur::BosKod;
        return s;
    }
    const auto o1 = TutarOku(kod1);
    if (!o1) {
        s.tur = OzelKodSonucu::Tur::SayiDegil;
        s.hataliKod = 1;
        return s;
    }
    const auto o2 = TutarOku(kod2);
    if (!o2) {
        s.tur = OzelKodSonucu::Tur::SayiDegil;
        s.hataliKod = 2;
        return s;
    }
    switch (tur) {
    case Topla: s.borc = *o2 + *o1; break;
    case Carp: s.borc = *o2 * *o1; break;
    case Cikar: s.borc = *o1 - *o2; break;
    case Bol:
        if (*o2 == 0.0) {
            s.tur = OzelKodSonucu::Tur::SifiraBolme;
            s.hataliKod = 2;
            return s;
        }
        s.borc = *o1 / *o2;
        break;
    }
    s.tur = OzelKodSonucu::Tur::Hesaplandi;
    return s;
}

QString OzelKodMesaji(const OzelKodSonucu &s, const QString &kod1Adi, const QString &kod2Adi)
{
    const QString ad = (s.hataliKod == 1 ? kod1Adi : kod2Adi).trimmed();
    switch (s.tur) {
    case OzelKodSonucu::Tur::SayiDegil:
        return ad + QStringLiteral(" bir sayı olmalı. Borc hesaplanmadı.");
    case OzelKodSonucu::Tur::SifiraBolme:
        return ad + QStringLiteral(" sıfır: sıfıra bölünemez. Borc hesaplanmadı.");
    default:
        return QString();
    }
}

std::optional<int> BakiyeGuncelle(const QString &select)
{
    // The list's own statement, its columns narrowed to what the sum needs.
    static const QRegularExpression yildiz(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString sql = select;
    const QRegularExpressionMatch m = yildiz.match(sql);
    if (m.hasMatch())
        sql = QStringLiteral("select KAYITNO, BORC, ALACAK from ") + sql.mid(m.capturedEnd());
    Islem islem;
    const auto s = Sorgu::sec(sql);
    if (!s)
        return std::nullopt;
    const int no = s->kolonSirasi(QStringLiteral("KAYITNO"));
    const int b = s->kolonSirasi(QStringLiteral("BORC"));
    const int a = s->kolonSirasi(QStringLiteral("ALACAK"));
    if (no < 0 || b < 0 || a < 0)
        return std::nullopt;
    double bakiye = 0;
    for (const QVariantList &r : s->satirlar) {
        bakiye += sayiDegeri(r.at(b)) - sayiDegeri(r.at(a));
        if (!Sorgu::calistir(QStringLiteral("update CARI_HAREKET set BAKIYE = ? where KAYITNO = ?"),
                             {bakiye, r.at(no)}))
            return std::nullopt;
    }
    if (!islem.onayla())
        return std::nullopt;
    return int(s->satirlar.size());
}

namespace YoneticiKodu {

namespace {
// Codes set by an earlier release were kept as PBKDF2-SHA256
// ("pbkdf2-sha256$rounds$salt$key"): still accepted, and stored again as
// Argon2id the first time they are entered right.
const QString EskiBicim = QStringLiteral("pbkdf2-sha256");
constexpr int EskiAnahtarBoyu = 32;

bool eskiOzetUyar(const QString &kod, const QString &ozet)
{
    const QStringList p = ozet.split(QLatin1Char('$'));
    if (p.size() != 4 || p.at(0) != EskiBicim)
        return false;
    bool ok = false;
    const int tekrar = p.at(1).toInt(&ok);
    if (!ok || tekrar <= 0)
        return false;
    const QByteArray tuz = QByteArray::fromHex(p.at(2).toLatin1());
    const QByteArray beklenen = QByteArray::fromHex(p.at(3).toLatin1());
    if (tuz.isEmpty() || beklenen.size() != EskiAnahtarBoyu)
        return false;
    const QByteArray turetilen = QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, kod.toUtf8(), tuz,
                                                                    tekrar, EskiAnahtarBoyu);
    return Gizli::esit(turetilen, beklenen);
}
} // namespace

QString ozet(const QString &kod) { return Gizli::ozetle(kod.toUtf8()); }

bool ozetUyar(const QString &kod, const QString &ozet)
{
    return Gizli::ozetMi(ozet) ? Gizli::dogrula(ozet, kod.toUtf8()) : eskiOzetUyar(kod, ozet);
}

bool dogrula(const QString &kod)
{
    const auto v = Sorgu::tekDeger(QStringLiteral("select KODOZETI from YONETICIKODLARI where SIRKETKODU = ?"),
                                   {Oturum.sirketkodu});
    if (!v)
        return false; // a database error refuses (and has been shown)
    if (!v->isValid() || v->isNull() || v->toString().isEmpty())
        return Gizli::esit(kod.toUtf8(), Varsayilan.toUtf8());
    const QString kayitli = v->toString();
    if (!ozetUyar(kod, kayitli))
        return false;
    if (Gizli::yenilenmeli(kayitli)) {
        // Only while the row still holds what was compared; a failure
        // leaves the old form, and the next entry tries again.
        const QString yeni = ozet(kod);
        QString hata;
        if (!yeni.isEmpty())
            Sorgu::calistir(QStringLiteral("update YONETICIKODLARI set KODOZETI = ? where SIRKETKODU = ? "
                                           "and KODOZETI = ?"),
                            {yeni, Oturum.sirketkodu, kayitli}, QString(), &hata);
    }
    return true;
}

bool degistir(const QString &yeniKod)
{
    return Sorgu::calistir(QStringLiteral("update or insert into YONETICIKODLARI (SIRKETKODU, KODOZETI, KULLANICI, "
                                          "DEGISTIRMETARIHI) values (?, ?, ?, current_timestamp) "
                                          "matching (SIRKETKODU)"),
                           {Oturum.sirketkodu, ozet(yeniKod), Oturum.username.left(10)});
}

} // namespace YoneticiKodu

} // namespace CariHesap
