#include "raporlar/carihareketrapor.h"

#include "app/carikurallari.h"
#include "app/oturum.h"
#include "db/bicim.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"

#include <cmath>

namespace CariHareketRapor {

namespace {
double sayi(const QVariant &v)
{
    return v.isNull() ? 0.0 : v.toDouble();
}
} // namespace

std::optional<Toplam> Topla(const QString &filtre)
{
    const auto s = Sorgu::sec(QStringLiteral("select sum(borc) toplamborc ,sum(alacak) toplamalacak "
                                             "from cari_hareket where 1=1 ")
                              + filtre + QLatin1Char(' '));
    if (!s)
        return std::nullopt;
    Toplam t;
    if (!s->satirlar.isEmpty()) {
        t.borc = KurusaYuvarla(sayi(s->deger(0, QStringLiteral("TOPLAMBORC"))));
        t.alacak = KurusaYuvarla(sayi(s->deger(0, QStringLiteral("TOPLAMALACAK"))));
    }
    return t;
}

std::optional<QVector<ParaToplami>> ParaBirimiToplamlari(const QString &filtre)
{
    const auto s = Sorgu::sec(QStringLiteral("select coalesce(parabirimi, '') pb, sum(borc) toplamborc, "
                                             "sum(alacak) toplamalacak from cari_hareket where 1=1 ")
                              + filtre + QStringLiteral(" group by 1 order by 1"));
    if (!s)
        return std::nullopt;
    QVector<ParaToplami> v;
    for (const QVariantList &r : s->satirlar)
        v.push_back({r[0].toString().trimmed(), {KurusaYuvarla(sayi(r[1])), KurusaYuvarla(sayi(r[2]))}});
    return v;
}

QString ParaBirimleriMetni(const QVector<ParaToplami> &toplamlar, double (*deger)(const Toplam &))
{
    QStringList parcalar;
    for (const ParaToplami &p : toplamlar)
        parcalar << p.paraBirimi + QStringLiteral(": ") + ToplamMetni(deger(p.toplam));
    return parcalar.join(QStringLiteral("  "));
}

std::optional<Toplam> OncekiBakiye(const QString &filtre, const QDate &ilkTarih)
{
    if (!ilkTarih.isValid())
        return Toplam{};
    return Topla(filtre + QStringLiteral(" and islemtarihi <") + SqlTarih(ilkTarih));
}

bool TutarOku(const QString &metin, double *tutar)
{
    QVariant v;
    if (metin.trimmed().isEmpty() || !VeriSeti::degerCevir(KolonTuru::Ondalik, metin, &v) || !v.isValid()
        || v.isNull())
        return false;
    *tutar = v.toDouble();
    return true;
}

QString SqlTutar(double tutar)
{
    return QString::number(tutar, 'g', 17);
}

QString HavingMetni(std::optional<double> tutar, const QString &secim, bool sifirOlmayanlar)
{
    static const QString fark = QStringLiteral("(SUM(BORC)-SUM(ALACAK))");
    QStringList kosullar;
    if (tutar) {
        QString op;
        if (secim == QLatin1String("E"))
            op = QStringLiteral(" =");
        else if (secim == QLatin1String("K"))
            op = QStringLiteral(" <");
        else if (secim == QLatin1String("B"))
            op = QStringLiteral(" >");
        if (!op.isEmpty())
            kosullar << fark + op + SqlTutar(*tutar);
    }
    if (sifirOlmayanlar)
        kosullar << fark + QStringLiteral(" <>0");
    if (kosullar.isEmpty())
        return QString();
    return QStringLiteral(" HAVING ") + kosullar.join(QStringLiteral(" AND ")) + QLatin1Char(' ');
}

QString ListeSablonu(Liste liste)
{
    switch (liste) {
    case Liste::OzelKod2BorcAlacak: return QStringLiteral("carihareket4.frf");
    case Liste::IslemTarihiVeCinsi: return QStringLiteral("carihareket5.frf");
    default: return QStringLiteral("carihareket.frf");
    }
}

QString ListeSql(Liste liste, const QString &filtre, const QString &having)
{
    static const QString toplamlar = QStringLiteral(
        "count(*) as ADET, parabirimi as PARABIRIMI, SUM(borc) AS TOPLAM_BORC, SUM(ALACAK) AS TOPLAM_ALACAK, "
        "SUM(BORC)-SUM(ALACAK) AS BAKIYE from cari_hareket where 1=1 ");
    QString bas, grup, sira;
    switch (liste) {
    case Liste::BorcAlacak:
        bas = QStringLiteral("select carikod as CARIKOD, max(cariunvan) as ACIKLAMA, ");
        grup = QStringLiteral(" group by carikod, parabirimi ");
        sira = QStringLiteral(" order by 2, 1, parabirimi ");
        break;
    case Liste::OzelKod2BorcAlacak:
        bas = QStringLiteral("select carikod as CARIKOD, max(cariunvan) as ACIKLAMA, ozelkod2 as OZELKOD2, ");
        grup = QStringLiteral(" group by carikod, ozelkod2, parabirimi ");
        sira = QStringLiteral(" order by 2, 1, ozelkod2, parabirimi ");
        break;
    case Liste::IslemCinsi:
        bas = QStringLiteral("select islemturu as ACIKLAMA, ");
        grup = QStringLiteral(" group by islemturu, parabirimi ");
        sira = QStringLiteral(" order by islemturu, parabirimi ");
        break;
    case Liste::IslemTarihi:
        bas = QStringLiteral("select cast(islemtarihi as date) as ACIKLAMA, ");
        grup = QStringLiteral(" group by 1, parabirimi ");
        sira = QStringLiteral(" order by 1, parabirimi ");
        break;
    case Liste::IslemTarihiVeCinsi:
        bas = QStringLiteral("select cast(islemtarihi as date) as ACIKLAMA, carikod as CARIKOD, "
                             "max(cariunvan) as CARIUNVAN, islemturu as ISLEMCINSI, ");
        grup = QStringLiteral(" group by 1, carikod, islemturu, parabirimi ");
        sira = QStringLiteral(" order by 1, 3, islemturu, parabirimi ");
        break;
    case Liste::ParaBirimi:
        bas = QStringLiteral("select parabirimi as ACIKLAMA, ");
        grup = QStringLiteral(" group by parabirimi ");
        sira = QStringLiteral(" order by parabirimi ");
        break;
    case Liste::OzelKod1:
        bas = QStringLiteral("select ozelkod1 as ACIKLAMA, ");
        grup = QStringLiteral(" group by ozelkod1, parabirimi ");
        sira = QStringLiteral(" order by ozelkod1, parabirimi ");
        break;
    case Liste::OzelKod2:
        bas = QStringLiteral("select ozelkod2 as ACIKLAMA, ");
        grup = QStringLiteral(" group by ozelkod2, parabirimi ");
        sira = QStringLiteral(" order by ozelkod2, parabirimi ");
        break;
    }
    return bas + toplamlar + filtre + grup + having + sira;
}

std::optional<int> ParaBirimiSayisi(const QString &filtre)
{
    const auto s = Sorgu::sec(QStringLiteral("select count(distinct coalesce(parabirimi, '')) from cari_hareket where 1=1 ")
                              + filtre + QLatin1Char(' '));
    if (!s)
        return std::nullopt;
    return s->satirlar.isEmpty() ? 0 : s->satirlar[0][0].toInt();
}

std::optional<int> KusuratlariDuzelt(const QString &select)
{
    // Only the key and the two amounts are read: the rest of the row may be
    // changed by someone else meanwhile and is never written back.
    const QString filtre = [&] {
        const int w = select.indexOf(QStringLiteral("where 1=1 "), 0, Qt::CaseInsensitive);
        if (w < 0)
            return QString();
        QString f = select.mid(w + 10);
        const int o = f.lastIndexOf(QStringLiteral("order by"), -1, Qt::CaseInsensitive);
        if (o >= 0 && f.left(o).count(QLatin1Char('\'')) % 2 == 0)
            f = f.left(o);
        return f;
    }();
    Islem islem;
    const auto s = Sorgu::sec(QStringLiteral("select kayitno, borc, alacak from cari_hareket where 1=1 ") + filtre);
    if (!s) {
        islem.geriAl();
        return std::nullopt;
    }
    int degisen = 0;
    for (const QVariantList &r : s->satirlar) {
        const double borc = sayi(r[1]), alacak = sayi(r[2]);
        const double yb = KurusaYuvarla(borc), ya = KurusaYuvarla(alacak);
        if (yb == borc && ya == alacak && !r[1].isNull() && !r[2].isNull())
            continue;
        if (!Sorgu::calistir(QStringLiteral("update cari_hareket set borc = ?, alacak = ? where kayitno = ?"),
                             {yb, ya, r[0]})) {
            islem.geriAl();
            return std::nullopt;
        }
        ++degisen;
    }
    if (!islem.onayla())
        return std::nullopt;
    return degisen;
}

QString GunlukSablon(Gunluk tur)
{
    switch (tur) {
    case Gunluk::Faaliyet: return QStringLiteral("gunlukfaaliyetraporu.frf");
    case Gunluk::GelirGider: return QStringLiteral("gunlukgelirgiderraporu.frf");
    case Gunluk::DoktorHakedis: return QStringLiteral("gunlukdoktorhakedisraporu.frf");
    }
    return QString();
}

QString GunlukSql(Gunluk tur, const QDate &gun)
{
    QString filtre = QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    switch (tur) {
    case Gunluk::Faaliyet:
        filtre += QStringLiteral(" and islemturu =") + SqlQuote(QStringLiteral("B.DEKONTU"));
        break;
    case Gunluk::GelirGider:
        // The rows entered on the account and payment screens: those carry
        // no source document (the postings of the clinical screens do),
        // whatever movement type the user picked (NAKIT, K.KARTI ...).
        filtre += QStringLiteral(" and evrakcinsi is null");
        break;
    case Gunluk::DoktorHakedis:
        filtre += QStringLiteral(" and islemturu =") + SqlQuote(QStringLiteral("DR.HAKEDİŞ"))
                  + QStringLiteral(" and EVRAKCINSI =") + SqlQuote(QStringLiteral("DR"));
        break;
    }
    // The whole day: rows are stored with their time of day.
    filtre += QStringLiteral(" and islemtarihi >=") + SqlTarih(gun) + QStringLiteral(" and islemtarihi <")
              + SqlTarih(gun.addDays(1));
    return QStringLiteral("select * from cari_hareket where 1=1 ") + filtre
           + QStringLiteral("  order by cari_hareket.CARIUNVAN");
}

} // namespace CariHareketRapor
