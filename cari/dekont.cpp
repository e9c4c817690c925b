#include "cari/dekont.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/yetki.h"
#include "cari/carihesap.h"
#include "cari/frm_cari_hareket.h"
#include "cari/frm_odeme.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"

#include <cmath>

namespace Dekont {

namespace {

const char16_t *const Birler[] = {u"", u"Bir", u"Iki", u"Üc", u"Dört", u"Bes", u"Alti", u"Yedi", u"Sekiz", u"Dokuz"};
const char16_t *const Onlar[] = {u"", u"On", u"Yirmi", u"Otuz", u"Kirk", u"Elli", u"Altmis", u"Yetmis", u"Seksen", u"Doksan"};
const char16_t *const Gruplar[] = {u"", u"Bin", u"Milyon", u"Milyar", u"Trilyon", u"Katrilyon"};
constexpr int EnCokBasamak = 18; // below 10^18: the group words end at "Katrilyon"

QString Yazi3(int k)
{
    QString s;
    const int y = k / 100, o = (k / 10) % 10, b = k % 10;
    if (y == 1)
        s += QStringLiteral("Yüz");
    else if (y > 1)
        s += QString::fromUtf16(Birler[y]) + QStringLiteral("Yüz");
    s += QString::fromUtf16(Onlar[o]);
    s += QString::fromUtf16(Birler[b]);
    return s;
}

// "123" + 1 → "124", "999" + 1 → "1000".
QString BirEkle(QString rakamlar)
{
    for (int i = rakamlar.size() - 1; i >= 0; --i) {
        if (rakamlar[i] != u'9') {
            rakamlar[i] = QChar(rakamlar[i].unicode() + 1);
            return rakamlar;
        }
        rakamlar[i] = u'0';
    }
    return QStringLiteral("1") + rakamlar;
}

} // namespace

QString SayiYazisi(const QString &rakamlar)
{
    QString d = rakamlar;
    while (d.startsWith(u'0'))
        d.remove(0, 1);
    if (d.isEmpty())
        return QStringLiteral("Sifir");
    if (d.size() < 4)
        return Yazi3(d.toInt());
    const int n = int(d.size());
    int ilk = n % 3 == 0 ? 3 : n % 3;
    int f = n % 3 != 0 ? n / 3 : n / 3 - 1;
    QString s;
    for (int p = 0, uz = ilk; p < n; p += uz, uz = 3, --f) {
        const int g = d.mid(p, uz).toInt();
        if (g == 1 && f == 1)
            s += Yazi3(0) + QString::fromUtf16(Gruplar[1]); // one thousand: "Bin" alone
        else if (g != 0)
            s += Yazi3(g) + QString::fromUtf16(Gruplar[f]);
    }
    return s;
}

std::optional<QString> TutarYazisi(double tutar)
{
    if (!std::isfinite(tutar) || tutar < 0 || tutar >= 1e18)
        return std::nullopt;
    // Amounts are kept to four decimals; take those digits as text and round
    // them once, half up, to cents, so 99,995 reads one hundred and no cents.
    const QString metin = QString::number(tutar, 'f', 4);
    const qsizetype nokta = metin.indexOf(u'.');
    QString tam = metin.left(nokta);
    const QString kesir = metin.mid(nokta + 1);
    int kurus = kesir.left(2).toInt();
    if (kesir.mid(2).toInt() >= 50)
        ++kurus;
    if (kurus == 100) {
        kurus = 0;
        tam = BirEkle(tam);
    }
    while (tam.size() > 1 && tam.startsWith(u'0'))
        tam.remove(0, 1);
    if (tam.size() > EnCokBasamak)
        return std::nullopt;
    if (kurus != 0)
        return SayiYazisi(tam) + QStringLiteral(" YTL  ") + SayiYazisi(QString::number(kurus))
               + QStringLiteral("  Ykr");
    return SayiYazisi(tam) + QStringLiteral(" YTL");
}

std::optional<QString> tutariyaziyadonustur(double borc, double alacak)
{
    QString sonuc = QStringLiteral("Sifir YTL");
    for (const double a : {borc, alacak}) {
        if (!(a > 0))
            continue;
        const auto y = TutarYazisi(a);
        if (!y)
            return std::nullopt;
        sonuc = *y;
    }
    return sonuc;
}

QStringList Basliklar(double borc, double alacak, const QString &islemTuru, const QString &ozelKod1)
{
    const bool senetTahsil = islemTuru == QStringLiteral("Senet") && ozelKod1 == QStringLiteral("TAHSİL");
    QStringList b;
    if (borc > 0)
        b << QStringLiteral("BORC DEKONTU");
    if (alacak > 0 && islemTuru != QStringLiteral("Senet") && ozelKod1 != QStringLiteral("TAHSİL"))
        b << QStringLiteral("ALACAK DEKONTU");
    if (senetTahsil)
        b << QStringLiteral("SENET TAHSİL DEKONTU");
    return b;
}

} // namespace Dekont

namespace Dekont {


bool Hazirla(Rapor &r, SatirKaynagi &kaynak, qint64 kayitNo, QWidget *ust)
{
    const QString filtre = QStringLiteral(" and KAYITNO=") + SqlQuote(QString::number(kayitNo))
                           + QStringLiteral(" and sirketkodu=") + SqlQuote(Oturum.sirketkodu);
    const auto s = Sorgu::sec(QStringLiteral("select * from cari_hareket where 1=1 ") + filtre + QStringLiteral("  "));
    if (!s)
        return false;
    if (s->satirlar.isEmpty()) {
        Mesaj::goster(SatirYokMesaji, ust);
        return false;
    }
    QVariantMap satir;
    for (int k = 0; k < s->kolonlar.size(); ++k)
        satir.insert(s->kolonlar[k], s->satirlar[0][k]);
    const double borc = satir.value(QStringLiteral("BORC")).toDouble();
    const double alacak = satir.value(QStringLiteral("ALACAK")).toDouble();
    const auto yazi = tutariyaziyadonustur(borc, alacak);
    if (!yazi) {
        Mesaj::goster(AralikDisiMesaji, ust);
        return false;
    }
    kaynak = SatirKaynagi(satir, s->kolonlar);
    r.baglan(&kaynak);
    if (!r.yukle(Sablon))
        return false;
    r.notSatirEkle(QStringLiteral("Mm_yaziylatutar"), *yazi);
    r.notTemizle(QStringLiteral("Memo3"));
    for (const QString &b : Basliklar(borc, alacak, satir.value(QStringLiteral("ISLEMTURU")).toString(),
                                      satir.value(QStringLiteral("OZELKOD1")).toString()))
        r.notSatirEkle(QStringLiteral("Memo3"), b);
    r.notSatirEkle(QStringLiteral("Memo7"), Oturum.sirketunvani + QStringLiteral(" --  ") + Oturum.sirketadresi);
    r.baslikAyarla(Sablon);
    return true;
}

void Yazdir(QWidget *ekran)
{
    qint64 kayitNo = 0;
    QString rapor;
    if (auto *h = qobject_cast<Tfrm_cari_hareket *>(ekran)) {
        rapor = h->yetkiler().RAPOR;
        VeriSeti *vs = h->veriSeti();
        if (vs && vs->duzenleniyorMu()) {
            Mesaj::goster(KaydedilmemisMesaji, ekran);
            return;
        }
        if (vs && vs->acikMi() && !vs->bosMu())
            kayitNo = vs->deger(QStringLiteral("KAYITNO")).toLongLong();
    } else if (auto *o = qobject_cast<Tfrm_odeme *>(ekran)) {
        rapor = o->yetkiler().RAPOR;
        VeriSeti *vs = o->veriSeti();
        if (vs && vs->duzenleniyorMu()) {
            Mesaj::goster(KaydedilmemisMesaji, ekran);
            return;
        }
        kayitNo = o->sonKayitNo();
    } else {
        return;
    }
    if (!IslemIzni(rapor, ekran))
        return;
    if (kayitNo == 0) {
        Mesaj::goster(SatirYokMesaji, ekran);
        return;
    }
    Rapor r;
    SatirKaynagi kaynak;
    if (!Hazirla(r, kaynak, kayitNo, ekran))
        return;
    r.onizle(ekran);
}

void EylemiKaydet()
{
    EylemKaydet(QStringLiteral("Dekont"), [](QWidget *ust) { Yazdir(ust); });
}

} // namespace Dekont
