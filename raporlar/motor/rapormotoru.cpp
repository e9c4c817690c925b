// The report object: template, data source, memo lines and title held
// together until the pages are laid out (rapordizgi.cpp).
#include "raporlar/motor/rapormotoru_ozel.h"

#include "app/mesaj.h"

#include <QDir>

QStringList RaporSayfasi::metinler() const
{
    QStringList m;
    for (const auto &o : ogeler)
        if (o.tur == NesneTuru::Metin)
            m << o.metin;
    return m;
}

QStringList RaporSayfasi::metinler(BantTuru bant) const
{
    QStringList m;
    for (const auto &o : ogeler)
        if (o.tur == NesneTuru::Metin && o.bant == bant)
            m << o.metin;
    return m;
}

// ------------------------------------------------------------ Rapor

Rapor::Rapor() : d(std::make_unique<Ozel>()) {}
Rapor::~Rapor() = default;

void Rapor::baglan(const VeriKaynagi *kaynak) { d->kaynak = kaynak; }
const VeriKaynagi *Rapor::kaynak() const { return d->kaynak; }

bool Rapor::yukle(const QString &adVeyaYol, QString *hata)
{
    const QString yol = RaporSablonuBul(adVeyaYol);
    if (yol.isEmpty()) {
        if (hata) {
            *hata = QStringLiteral("Rapor şablonu bulunamadı: %1").arg(QDir::toNativeSeparators(adVeyaYol));
            // A bare name: say where it was looked for, and when the
            // program's own templates are missing, that this is why.
            if (!adVeyaYol.contains(QLatin1Char('/')) && !adVeyaYol.contains(QLatin1Char('\\'))) {
                QStringList klasorler;
                for (const QString &k : RaporSablonKlasorleri())
                    klasorler << QDir::toNativeSeparators(k);
                *hata += QStringLiteral(" (aranan klasörler: %1)").arg(klasorler.join(QStringLiteral(", ")));
                if (ProgramSablonKlasoru().isEmpty())
                    *hata += QLatin1Char('\n') + ProgramSablonlariEksikMetni();
            }
        }
        return false;
    }
    auto s = RaporSablonu::oku(yol, hata);
    if (!s)
        return false;
    sablonAyarla(*s);
    d->yol = yol;
    return true;
}

bool Rapor::yukle(const QString &adVeyaYol, QWidget *ust)
{
    QString hata;
    if (!yukle(adVeyaYol, &hata)) {
        Mesaj::hata(hata, ust);
        return false;
    }
    return true;
}

void Rapor::sablonAyarla(const RaporSablonu &sablon)
{
    d->sablon = sablon;
    d->yol = sablon.dosyaYolu;
    d->notlar.clear();
    for (const auto &b : sablon.bantlar)
        for (const auto &o : b.nesneler)
            if (o.tur == NesneTuru::Metin && !o.ad.isEmpty())
                d->notlar.insert(o.ad.toLower(), o.metin.isEmpty() ? QStringList() : o.metin.split(QLatin1Char('\n')));
}

const RaporSablonu &Rapor::sablon() const
{
    static const RaporSablonu bos;
    return d->sablon ? *d->sablon : bos;
}

bool Rapor::yukluMu() const { return d->sablon.has_value(); }
QString Rapor::sablonYolu() const { return d->yol; }

bool Rapor::notVarMi(const QString &ad) const { return d->notlar.contains(ad.toLower()); }

bool Rapor::notSatirEkle(const QString &ad, const QString &satir)
{
    auto it = d->notlar.find(ad.toLower());
    if (it == d->notlar.end())
        return false;
    it->append(satir);
    return true;
}

bool Rapor::notTemizle(const QString &ad) { return notAyarla(ad, {}); }

bool Rapor::notAyarla(const QString &ad, const QStringList &satirlar)
{
    auto it = d->notlar.find(ad.toLower());
    if (it == d->notlar.end())
        return false;
    *it = satirlar;
    return true;
}

QStringList Rapor::notSatirlari(const QString &ad) const { return d->notlar.value(ad.toLower()); }

void Rapor::baslikAyarla(const QString &baslik) { d->baslik = baslik; }
QString Rapor::baslik() const { return d->baslik; }

RaporBelgesi Rapor::olustur(const std::function<bool(int, int)> &ilerleme)
{
    RaporBelgesi b = RaporDiz(sablon(), d->kaynak, d->notlar, d->baslik, ilerleme, d->altKaynak);
    d->uyarilar = b.uyarilar;
    return b;
}

QStringList Rapor::uyarilar() const { return d->uyarilar; }

void Rapor::altKaynakAyarla(const AltKaynak &kaynak) { d->altKaynak = kaynak; }
