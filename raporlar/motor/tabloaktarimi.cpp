#include "raporlar/motor/tabloaktarimi.h"

#include "db/sorgu.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "raporlar/motor/tablookuyucu.h"

namespace TabloAktarimi {

QString duzgunMetin(const QString &metin)
{
    // A lower-cased "İ" written by a program that does not know Turkish comes
    // as "i" and a combining dot above, which WIN1254 cannot hold and which
    // adds nothing to the dotted "i".
    QString m = metin.trimmed().normalized(QString::NormalizationForm_C);
    m.replace(QStringLiteral("i\u0307"), QStringLiteral("i"));
    m.replace(QStringLiteral("j\u0307"), QStringLiteral("j"));
    return m;
}

namespace {

// The reason a cell cannot be stored in its column; empty when it can (its value in *v).
QString hucreSorunu(const TabloOkuyucu &okuyucu, int r, int c, const Kolon &k, const QString &metin, QVariant *v)
{
    const QString yabanci = Win1254::disindakiler(metin);
    if (!yabanci.isEmpty())
        return QStringLiteral("değerinde Türkçe karakter kümesinin (WIN1254) tutamadığı bir harf var: '%1'.")
            .arg(yabanci.left(1));
    const bool metinMi = k.tur == KolonTuru::Metin || k.tur == KolonTuru::UzunMetin;
    const QVariant girdi = metin.isEmpty() ? QVariant() : metinMi ? QVariant(metin) : okuyucu.hucreDegeri(r, c);
    if (!VeriSeti::degerCevir(k.tur, girdi, v))
        return k.tur == KolonTuru::Tarih ? QStringLiteral("geçerli bir tarih değil (GG.AA.YYYY olmalı).")
                                         : QStringLiteral("bir sayı değil.");
    if (k.tur == KolonTuru::Metin && k.uzunluk > 0 && metin.size() > k.uzunluk)
        return QStringLiteral("%1 karakter; bu alan en çok %2 karakter alır.").arg(metin.size()).arg(k.uzunluk);
    return QString();
}

} // namespace

Okuma oku(const QString &dosya, const Kurallar &kurallar, const std::function<bool(int, int)> &ilerleme)
{
    Okuma s;
    const Tablo *t = TabloBul(kurallar.tablo);
    std::vector<const Kolon *> kolonlar;
    for (const QString &ad : kurallar.kolonlar)
        kolonlar.push_back(t ? t->kolon(ad) : nullptr);
    if (!t || std::find(kolonlar.begin(), kolonlar.end(), nullptr) != kolonlar.end()) {
        s.durum = Okuma::Durum::DosyaHatasi;
        s.neden = QStringLiteral("Aktarım tanımı veritabanı tanımına uymuyor: ") + kurallar.tablo;
        return s;
    }
    TabloOkuyucu okuyucu;
    if (!okuyucu.ac(dosya, &s.neden)) {
        s.durum = Okuma::Durum::DosyaHatasi;
        return s;
    }
    const int toplam = qMin(kurallar.sonSatir, okuyucu.satirSayisi());
    if (kurallar.okumadanOnce)
        kurallar.okumadanOnce(okuyucu, toplam);
    for (int r = kurallar.sonSatir + 1; r <= okuyucu.satirSayisi(); ++r)
        if (!okuyucu.hucre(r, 1).trimmed().isEmpty())
            ++s.sinirDisi;

    auto dur = [&s](int r, int c, const QString &neden) {
        s.durum = Okuma::Durum::Durdu;
        s.satir = r;
        s.sutun = c;
        s.neden = neden;
    };
    for (int r = 1; r <= toplam; ++r) {
        if (ilerleme && !ilerleme(r, toplam)) {
            s.durum = Okuma::Durum::Iptal;
            s.satir = r;
            break;
        }
        if (okuyucu.hucre(r, 1).trimmed().isEmpty())
            continue;
        if (kurallar.atla && kurallar.atla(r)) {
            ++s.atlanan;
            continue;
        }
        Satir satir{r, {}};
        for (int c = 1; c <= int(kolonlar.size()) && s.durum == Okuma::Durum::Tamam; ++c) {
            const Kolon &k = *kolonlar[size_t(c - 1)];
            const QString metin = duzgunMetin(okuyucu.hucre(r, c));
            QVariant v;
            const QString sorun = hucreSorunu(okuyucu, r, c, k, metin, &v);
            if (!sorun.isEmpty()) {
                const QString baslik = kurallar.basliklar.value(c - 1);
                const QString ad = baslik.isEmpty() ? k.ad : baslik + QStringLiteral(", ") + k.ad;
                dur(r, c, QStringLiteral("%1. satır, %2. sütun (%3): \"%4\" %5").arg(r).arg(c).arg(ad, metin, sorun));
            }
            satir.degerler << v;
        }
        if (s.durum != Okuma::Durum::Tamam)
            break;
        if (kurallar.satirDenetimi) {
            const QString neden = kurallar.satirDenetimi(r, satir.degerler);
            if (!neden.isEmpty()) {
                dur(r, 0, neden);
                break;
            }
        }
        s.satirlar.push_back(std::move(satir));
    }
    return s;
}

Yazim yaz(const std::vector<Satir> &satirlar, const std::function<bool(const Satir &, QString *)> &yaz,
          const QString &baglanti, int grup)
{
    Yazim y;
    for (size_t bas = 0; bas < satirlar.size() && !y.satir; bas += size_t(grup)) {
        const size_t son = qMin(satirlar.size(), bas + size_t(grup));
        int yazilan = 0;
        Islem islem(baglanti);
        for (size_t i = bas; i < son; ++i) {
            QString neden;
            if (!yaz(satirlar[i], &neden)) {
                y.satir = satirlar[i].no;
                y.neden = neden;
                break;
            }
            ++yazilan;
        }
        // The rows before a failure are kept: the group is committed up to it.
        QString onayHatasi;
        if (islem.basladi() && !islem.onayla(&onayHatasi)) {
            y.onayHatasi = true;
            y.neden = onayHatasi;
            return y;
        }
        y.yazilan += yazilan;
    }
    return y;
}

} // namespace TabloAktarimi
