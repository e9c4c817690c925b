// The data set's changes: a new row, editing, posting, cancelling, deleting
// and reading a row again.
//
// Several workstations share the database: an update or delete changes the
// row only if it is still as this data set read it. The row is read again
// with a lock in the same transaction as the change; when another user has
// changed or deleted it meanwhile, nothing is written, the user is told and
// the row is shown as it now is.
#include "db/verisetiozel.h"

namespace {

// Two values of one column, equal as the column stores them (an empty text
// is stored as NULL).
bool ayniDeger(const Sutun &s, const QVariant &a, const QVariant &b)
{
    QVariant x, y;
    if (s.depo == Depo::Diger) {
        x = a;
        y = b;
    } else if (!VeriSeti::degerCevir(s.tur, a, &x) || !VeriSeti::degerCevir(s.tur, b, &y)) {
        return a == b;
    }
    const bool xBos = x.isNull() || (s.depo == Depo::Metin && x.toString().isEmpty());
    const bool yBos = y.isNull() || (s.depo == Depo::Metin && y.toString().isEmpty());
    if (xBos || yBos)
        return xBos == yBos;
    return x == y;
}

enum class Denetim { Ayni, Degismis, Silinmis, Hata };

const QString KaydedilmediNotu = QStringLiteral(
    "Hiçbir değişiklik kaydedilmedi; bilgiler ekranda duruyor. Sorunu giderip yeniden Kaydet'e basın.");

} // namespace

// Reads the row with a lock (inside the caller's Islem) and compares every
// table column the select read with beklenen.
static Denetim satirDenetle(VeriSeti::Ozel *d, const QVariant &anahtar, const std::vector<QVariant> &beklenen)
{
    QStringList adlar;
    std::vector<int> sutunlar;
    for (int i = 0; i < int(d->sutunlar.size()); ++i) {
        const Sutun &s = d->sutunlar[size_t(i)];
        if (s.kolon && s.sonuctan && size_t(i) < beklenen.size()) {
            adlar << s.ad;
            sutunlar.push_back(i);
        }
    }
    if (adlar.isEmpty())
        adlar << d->tablo->anahtar;
    QString hata;
    const auto r = Sorgu::sec(QStringLiteral("select %1 from %2 where %3=? with lock")
                                  .arg(adlar.join(QLatin1Char(',')), d->tablo->ad, d->tablo->anahtar),
                              {anahtar}, d->baglanti, &hata);
    if (!r) {
        // Another user's change committed while this one waited for the row:
        // the same as a row found changed.
        if (Sorgu::sonHataSinifi() == VeriHatasi::Sinif::Cakisma)
            return Denetim::Degismis;
        VeriHatasi::hata(hata);
        return Denetim::Hata;
    }
    if (r->satirlar.isEmpty())
        return Denetim::Silinmis;
    const QVariantList &satir = r->satirlar.first();
    for (size_t j = 0; j < sutunlar.size(); ++j) {
        const int i = sutunlar[j];
        if (!ayniDeger(d->sutunlar[size_t(i)], satir.value(int(j)), beklenen[size_t(i)]))
            return Denetim::Degismis;
    }
    return Denetim::Ayni;
}

bool VeriSeti::ekle()
{
    if (d->durum == Durum::Kapali)
        return false;
    // A pending row is posted first; a failed post keeps it and refuses.
    if (duzenleniyorMu() && !kaydet())
        return false;
    if (eklemedenOnce && !eklemedenOnce())
        return false;
    QVariant anahtarDegeri;
    if (d->tablo && !d->tablo->uretec.isEmpty()) {
        const auto k = Sorgu::uretec(d->tablo->uretec, d->baglanti);
        if (!k)
            return false;
        anahtarDegeri = QVariant(qlonglong(*k));
    }
    const int yeniSatir = d->satirSayisi;
    ++d->yapisal;
    emit satirEklenecek(yeniSatir);
    // At the end, in the last window when it reaches there (and, while the
    // count is unknown, lies among the rows of the end), else in one of its own.
    Dilim *x = d->dilimler.empty() ? nullptr : d->dilimler.back().get();
    if (!x || x->son() != yeniSatir || (!d->kesin && x->bas < d->bosluk)) {
        auto y = std::make_unique<Dilim>(d->sutunlar);
        y->bas = yeniSatir;
        x = y.get();
        d->dilimEkle(std::move(y));
    }
    d->bosSatirEkle(*x);
    ++x->yerel;
    x->kullanim = ++d->saat;
    ++d->satirSayisi;
    if (d->anahtarSutunu >= 0 && anahtarDegeri.isValid()) {
        QVariant v;
        if (degerCevir(d->sutunlar[size_t(d->anahtarSutunu)].tur, anahtarDegeri, &v))
            d->ayarla(yeniSatir, d->anahtarSutunu, v);
    }
    emit satirEklendi(yeniSatir);
    --d->yapisal;
    d->eklemedenOnceki = d->gecerli;
    d->gecerli = yeniSatir;
    d->yedek.clear();
    d->kirli.assign(d->sutunlar.size(), false);
    d->durum = Durum::Ekle;
    emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(yeniSatir);
    if (yeniSatirDegerleri)
        yeniSatirDegerleri();
    return true;
}

bool VeriSeti::duzenle()
{
    if (duzenleniyorMu())
        return true;
    if (d->durum != Durum::Gozat || !d->gecerliVar())
        return false;
    if (duzenlemedenOnce && !duzenlemedenOnce())
        return false;
    d->yedek = d->satirOku(d->gecerli);
    d->kirli.assign(d->sutunlar.size(), false);
    d->durum = Durum::Duzenle;
    emit durumDegisti(d->durum);
    return true;
}

void VeriSeti::kaydetKontroluEkle(QObject *sahip, std::function<bool()> kontrol)
{
    d->kontroller.push_back({QPointer<QObject>(sahip), std::move(kontrol)});
}

bool VeriSeti::kaydet()
{
    if (d->durum == Durum::Gozat)
        return true;
    if (d->durum == Durum::Kapali || !d->gecerliVar())
        return false;

    for (size_t i = 0; i < d->kontroller.size(); ++i) {
        const Kontrol &k = d->kontroller[i];
        if (!k.sahip)
            continue;
        if (!k.islev())
            return false;
    }
    if (kaydetmedenOnce && !kaydetmedenOnce())
        return false;
    if (!d->tablo || d->tablo->kolonlar.empty()) {
        VeriHatasi::hata(QStringLiteral("%1 tablosu tanımlı değil; kayıt yazılamaz.").arg(d->tabloAdi));
        return false;
    }
    const bool ekleme = d->durum == Durum::Ekle;
    const int satir = d->gecerli;

    // One transaction for the check, the row and what goes with it (joining
    // the caller's Islem when there is one, which then commits).
    Islem islem(d->baglanti);
    if (!islem.basladi()) {
        // Its reason says already that nothing was saved.
        VeriHatasi::hata(islem.hataMetni().isEmpty() ? KaydedilmediNotu : islem.hataMetni());
        return false;
    }
    // A part refused: nothing is written and the row stays pending. What
    // goes with the row failing is an error (the general display); a value
    // the database cannot hold is refused input.
    auto reddet = [&islem](const QString &neden, bool hataMi = true) {
        islem.geriAl();
        if (neden.isEmpty())
            return false;
        const QString m = neden + QStringLiteral("\n\n") + KaydedilmediNotu;
        if (hataMi)
            VeriHatasi::hata(m);
        else
            VeriHatasi::bilgi(m);
        return false;
    };
    if (islemdeOnce) {
        QString neden;
        if (!islemdeOnce(&neden))
            return reddet(neden);
    }
    const std::vector<QVariant> simdiki = d->satirOku(satir);

    // The values as they will be stored: texts checked against the
    // database's character set, cut to width, empty text as NULL.
    struct Yazilacak
    {
        int sutun;
        QString ad;
        QVariant deger;
    };
    std::vector<Yazilacak> yazilacaklar;
    for (int i = 0; i < int(d->sutunlar.size()); ++i) {
        const Sutun &s = d->sutunlar[size_t(i)];
        if (!s.kolon)
            continue;
        const bool kirli = size_t(i) < d->kirli.size() && d->kirli[size_t(i)];
        // An update writes what changed since editing began, so that another
        // user's change to other columns stays.
        if (!ekleme && !kirli
            && (!s.sonuctan || (size_t(i) < d->yedek.size() && ayniDeger(s, d->yedek[size_t(i)], simdiki[size_t(i)]))))
            continue;
        QVariant v = simdiki[size_t(i)];
        if (s.depo == Depo::Metin) {
            QString m = v.toString();
            if (v.isNull() || m.isEmpty()) {
                v = bosDeger(s.tur);
            } else {
                const QString yabanci = Win1254::disindakiler(m);
                if (!yabanci.isEmpty())
                    return reddet(QStringLiteral("%1 alanındaki metin veritabanının karakter setinde olmayan "
                                                 "harfler içeriyor: %2")
                                      .arg(s.ad, yabanci),
                                  false);
                if (s.tur == KolonTuru::Metin && s.kolon->uzunluk > 0 && m.size() > s.kolon->uzunluk)
                    m.truncate(s.kolon->uzunluk);
                v = QVariant(m);
            }
        } else if (v.isNull()) {
            v = bosDeger(s.tur);
        }
        yazilacaklar.push_back({i, s.ad, v});
    }

    QString sql;
    QVariantList degerler;
    if (ekleme) {
        QStringList adlar, yerler;
        for (const Yazilacak &y : yazilacaklar) {
            adlar << y.ad;
            yerler << QStringLiteral("?");
            degerler << y.deger;
        }
        sql = QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(d->tablo->ad, adlar.join(QLatin1Char(',')), yerler.join(QLatin1Char(',')));
    } else {
        if (d->anahtarSutunu < 0 || size_t(d->anahtarSutunu) >= d->yedek.size()
            || d->yedek[size_t(d->anahtarSutunu)].isNull()) {
            islem.geriAl();
            VeriHatasi::hata(QStringLiteral("%1 kaydının anahtarı (%2) okunmadığı için kayıt güncellenemez.")
                            .arg(d->tabloAdi, d->tablo->anahtar));
            return false;
        }
        QStringList atamalar;
        for (const Yazilacak &y : yazilacaklar) {
            atamalar << y.ad + QStringLiteral("=?");
            degerler << y.deger;
        }
        if (atamalar.isEmpty() && !islemdeSonra) {
            islem.geriAl();
            d->durum = Durum::Gozat;
            emit durumDegisti(d->durum);
            return true;
        }
        // Nothing changed but what goes with the row is written again.
        if (!atamalar.isEmpty()) {
            sql = QStringLiteral("update %1 set %2 where %3=?")
                      .arg(d->tablo->ad, atamalar.join(QLatin1Char(',')), d->tablo->anahtar);
            degerler << d->yedek[size_t(d->anahtarSutunu)];
        }
    }

    if (!ekleme) {
        const Denetim r = satirDenetle(d, d->yedek[size_t(d->anahtarSutunu)], d->yedek);
        if (r != Denetim::Ayni) {
            islem.geriAl();
            if (r != Denetim::Hata)
                baskasiDegistirdi(r == Denetim::Silinmis, false);
            return false;
        }
    }
    if (!sql.isEmpty() && !Sorgu::calistir(sql, degerler, d->baglanti)) {
        islem.geriAl();
        return false;
    }
    if (islemdeSonra) {
        QString neden;
        if (!islemdeSonra(&neden))
            return reddet(neden);
    }
    if (!islem.onayla())
        return false;

    for (const Yazilacak &y : yazilacaklar)
        d->ayarla(satir, y.sutun, y.deger);
    if (ekleme && d->pencereli && d->anahtarSutunu >= 0) {
        // Where the database has the row: at the end of a list in key order
        // (from now on a row like those read), elsewhere in any other.
        const int i = d->dilimSirasi(satir);
        if (d->anahtarSirali) {
            if (i >= 0 && d->dilimler[size_t(i)]->yerel > 0)
                --d->dilimler[size_t(i)]->yerel;
        } else {
            d->yerelAnahtarlar << d->hucre(satir, d->anahtarSutunu).toLongLong();
            if (d->yerelAnahtarlar.size() > 200)
                d->yerelAnahtarlar.removeFirst(); // the statements stay short; the oldest may show twice
        }
    }
    d->yedek.clear();
    d->kirli.clear();
    d->durum = Durum::Gozat;
    emit satirGuncellendi(satir);
    emit durumDegisti(d->durum);
    if (ekleme)
        d->sayimYenile();
    if (kaydettiktenSonra)
        kaydettiktenSonra();
    return true;
}


void VeriSeti::iptal()
{
    if (d->durum == Durum::Ekle) {
        // Browse state before the row goes, so that nothing reacting to the
        // removal takes the vanishing row for a pending one.
        const int satir = d->gecerli;
        d->kirli.clear();
        d->durum = Durum::Gozat;
        ++d->yapisal;
        emit satirSilinecek(satir);
        d->satirCikar(satir);
        int yeni = d->eklemedenOnceki;
        if (yeni >= d->satirSayisi)
            yeni = d->satirSayisi - 1;
        d->gecerli = yeni;
        emit satirSilindi(satir);
        --d->yapisal;
        emit durumDegisti(d->durum);
        emit gecerliSatirDegisti(d->gecerli);
    } else if (d->durum == Durum::Duzenle) {
        const int satir = d->gecerli;
        if (d->yedek.size() == d->sutunlar.size())
            for (size_t i = 0; i < d->sutunlar.size(); ++i)
                d->ayarla(satir, int(i), d->yedek[i]);
        d->yedek.clear();
        d->kirli.clear();
        d->durum = Durum::Gozat;
        emit satirGuncellendi(satir);
        emit durumDegisti(d->durum);
    }
}

bool VeriSeti::sil()
{
    if (d->durum == Durum::Ekle) {
        // Deleting a row never posted only discards it.
        iptal();
        return true;
    }
    if (d->durum == Durum::Duzenle)
        iptal();
    if (d->durum != Durum::Gozat || !d->gecerliVar())
        return false;
    if (silmedenOnce && !silmedenOnce())
        return false;
    if (!d->tablo || d->anahtarSutunu < 0 || bosMu(d->gecerli, d->anahtarSutunu)) {
        VeriHatasi::hata(QStringLiteral("%1 kaydının anahtarı okunmadığı için kayıt silinemez.").arg(d->tabloAdi));
        return false;
    }
    const QVariant k = satirDegeri(d->gecerli, d->anahtarSutunu);
    {
        Islem islem(d->baglanti);
        if (!islem.basladi()) {
            VeriHatasi::hata(islem.hataMetni().isEmpty() ? QStringLiteral("Kayıt silinemedi.") : islem.hataMetni());
            return false;
        }
        const Denetim r = satirDenetle(d, k, d->satirOku(d->gecerli));
        if (r != Denetim::Ayni) {
            islem.geriAl();
            if (r != Denetim::Hata)
                baskasiDegistirdi(r == Denetim::Silinmis, true);
            return false;
        }
        if (!Sorgu::calistir(QStringLiteral("delete from %1 where %2=?").arg(d->tablo->ad, d->tablo->anahtar), {k},
                             d->baglanti)
            || !islem.onayla())
            return false;
    }
    d->yerelAnahtarlar.removeAll(k.toLongLong());
    const int satir = d->gecerli;
    ++d->yapisal;
    emit satirSilinecek(satir);
    d->satirCikar(satir);
    d->gecerli = satir < d->satirSayisi ? satir : d->satirSayisi - 1;
    emit satirSilindi(satir);
    --d->yapisal;
    emit gecerliSatirDegisti(d->gecerli);
    d->sayimYenile();
    if (sildiktenSonra)
        sildiktenSonra();
    return true;
}

void VeriSeti::baskasiDegistirdi(bool silinmis, bool silerken)
{
    if (silinmis)
        VeriHatasi::bilgi(QStringLiteral("Bu kayıt bu arada başka bir kullanıcı tarafından silinmiş; %1")
                              .arg(silerken ? QStringLiteral("listeden kaldırıldı.")
                                            : QStringLiteral("değişiklikleriniz kaydedilemedi.")));
    else
        VeriHatasi::bilgi(silerken ? QStringLiteral("Bu kayıt bu arada başka bir kullanıcı tarafından değiştirilmiş; "
                                                    "silinmedi. Kaydın son hali okundu, silmek için yeniden deneyin.")
                                   : QStringLiteral("Bu kayıt siz düzenlerken başka bir kullanıcı tarafından "
                                                    "değiştirildi. Onun değişikliğinin üzerine yazılmadı: kaydın son "
                                                    "hali okundu, değişikliklerinizi yeniden yapıp kaydedin."));
    iptal();
    if (!silinmis) {
        satirYenile();
        return;
    }
    // Gone from the database: gone from the list too.
    const int satir = d->gecerli;
    if (satir < 0)
        return;
    if (d->anahtarSutunu >= 0)
        d->yerelAnahtarlar.removeAll(d->hucre(satir, d->anahtarSutunu).toLongLong());
    ++d->yapisal;
    emit satirSilinecek(satir);
    d->satirCikar(satir);
    d->gecerli = satir < d->satirSayisi ? satir : d->satirSayisi - 1;
    emit satirSilindi(satir);
    --d->yapisal;
    emit gecerliSatirDegisti(d->gecerli);
    d->sayimYenile();
}

bool VeriSeti::satirYenile()
{
    if (d->durum != Durum::Gozat || !d->gecerliVar() || !d->tablo || d->anahtarSutunu < 0
        || bosMu(d->gecerli, d->anahtarSutunu))
        return false;
    QStringList adlar;
    for (const Kolon &k : d->tablo->kolonlar)
        adlar << k.ad;
    const auto s = Sorgu::sec(QStringLiteral("select %1 from %2 where %3=?")
                                  .arg(adlar.join(QLatin1Char(',')), d->tablo->ad, d->tablo->anahtar),
                              {satirDegeri(d->gecerli, d->anahtarSutunu)}, d->baglanti);
    if (!s || s->satirlar.isEmpty())
        return false;
    const QVariantList &satir = s->satirlar.first();
    for (int i = 0; i < adlar.size() && i < satir.size(); ++i) {
        const int k = d->sira.value(adlar.at(i).toUpper(), -1);
        if (k < 0)
            continue;
        const Sutun &sut = d->sutunlar[size_t(k)];
        QVariant v;
        if (sut.depo == Depo::Diger)
            v = satir.at(i);
        else if (!degerCevir(sut.tur, satir.at(i), &v))
            continue;
        d->ayarla(d->gecerli, k, v);
    }
    emit satirGuncellendi(d->gecerli);
    return true;
}
