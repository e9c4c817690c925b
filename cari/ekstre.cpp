#include "cari/ekstre.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "cari/carihesap.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "raporlar/motor/rapor.h"

#include <QHash>

namespace Ekstre {


QString SablonAdi(Tur tur)
{
    switch (tur) {
    case Tur::Genis: return QStringLiteral("carihareket2.frf");
    case Tur::Dar: return QStringLiteral("carihareket_dar.frf");
    case Tur::Detayli: return QStringLiteral("carihareket_detayli.frf");
    }
    return QString();
}

struct Ekstre::Ozel
{
    Rapor rapor;
    std::unique_ptr<SorguKaynagi> kaynak;
    double borc = 0, alacak = 0;
    int satirSayisi = 0;
};

Ekstre::Ekstre() : d(std::make_unique<Ozel>()) {}
Ekstre::~Ekstre() = default;
Rapor &Ekstre::rapor() { return d->rapor; }
double Ekstre::borc() const { return d->borc; }
double Ekstre::alacak() const { return d->alacak; }
int Ekstre::satirSayisi() const { return d->satirSayisi; }

namespace {

// The invoice lines of a movement: same company, invoice number = document
// number, invoice date = movement date, same account.
std::shared_ptr<const VeriKaynagi> faturaSatirlari(const Sorgu::Sonuc &s, int satir, const QString &baglanti)
{
    const QVariant evrak = s.deger(satir, QStringLiteral("EVRAKNO"));
    if (evrak.isNull() || evrak.toString().isEmpty())
        return nullptr;
    const auto f = Sorgu::sec(
        QStringLiteral("select * from FATURAHAREKETI where SIRKETKODU = ? and FATURANO = ? and FATURATARIHI = ? "
                       "and CARIKOD = ? order by KAYITNO"),
        {s.deger(satir, QStringLiteral("SIRKETKODU")), evrak, s.deger(satir, QStringLiteral("ISLEMTARIHI")),
         s.deger(satir, QStringLiteral("CARIKOD"))},
        baglanti);
    if (!f || f->satirlar.isEmpty())
        return nullptr;
    return std::make_shared<SorguKaynagi>(*f);
}

} // namespace

bool Ekstre::hazirla(Tur tur, const Girdiler &g, QWidget *ust)
{
    QString hata;
    const auto s = Sorgu::oku(g.select, g.baglanti, &hata);
    if (!s) {
        if (!hata.isEmpty())
            Mesaj::hata(hata, ust);
        return false;
    }
    d->kaynak = std::make_unique<SorguKaynagi>(*s);
    d->borc = d->alacak = 0;
    for (int i = 0; i < int(s->satirlar.size()); ++i) {
        d->borc += s->deger(i, QStringLiteral("BORC")).toDouble();
        d->alacak += s->deger(i, QStringLiteral("ALACAK")).toDouble();
    }
    d->satirSayisi = int(s->satirlar.size());
    Rapor &r = d->rapor;
    r.baglan(d->kaynak.get());
    if (!r.yukle(SablonAdi(tur)))
        return false;
    QString baslik = g.baslik;
    if (baslik.isEmpty())
        baslik = tur == Tur::Detayli ? QStringLiteral("Detaylı Cari  Hesap Ekstresı") : QStringLiteral("Cari  Hesap Ekstresı");
    r.notAyarla(QStringLiteral("Memo_baslik"), {baslik});
    // The side word goes with the balance the last footer prints: the sum of
    // the rows printed, never a screen label that may be out of date.
    r.notAyarla(QStringLiteral("Memo_taraf"), {CariHesap::Taraf(d->borc - d->alacak)});
    if (tur != Tur::Dar) {
        r.notAyarla(QStringLiteral("Memo_ozelkod1"), {g.ozelKod1Basligi});
        r.notAyarla(QStringLiteral("Memo_ozelkod2"), {g.ozelKod2Basligi});
    } else {
        for (int i = 0; i < 7; ++i)
            r.notAyarla(QStringLiteral("Memo_acilis%1").arg(i + 1),
                        {i < g.acilisSatiri.size() ? g.acilisSatiri.at(i) : QStringLiteral(" ")});
    }
    if (tur == Tur::Detayli) {
        const Sorgu::Sonuc satirlar = *s;
        const QString baglanti = g.baglanti;
        r.altKaynakAyarla([satirlar, baglanti](int satir) { return faturaSatirlari(satirlar, satir, baglanti); });
    }
    r.baslikAyarla(baslik);
    return true;
}

std::optional<Tur> TurOku(const QString &ad)
{
    if (ad == QLatin1String("genis"))
        return Tur::Genis;
    if (ad == QLatin1String("dar"))
        return Tur::Dar;
    if (ad == QLatin1String("detayli"))
        return Tur::Detayli;
    return std::nullopt;
}

bool HesapPdfYaz(Tur tur, const QString &carikod, const QString &pdf, QString *hata, const QString &baglanti)
{
    Girdiler g;
    g.baglanti = baglanti;
    g.select = QStringLiteral("select * from cari_hareket where 1=1 ") + CariHesap::HesapFiltresi(carikod)
               + QStringLiteral("  order by cari_hareket.islemtarihi,cari_hareket.kayitno");
    Ekstre e;
    if (!e.hazirla(tur, g))
        return false;
    return e.rapor().pdfYaz(pdf, hata);
}

} // namespace Ekstre
