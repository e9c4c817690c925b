#include "hastalar/hastaaktarim.h"

#include "app/oturum.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "hastalar/hastakodu.h"
#include "db/sorgu.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QSet>

#include <optional>

#include <QStringList>

namespace HastaAktarim {

const QStringList &kolonlar()
{
    static const QStringList k{
        QStringLiteral("HASTAKODU"),  QStringLiteral("HASTAADISOYADI"), QStringLiteral("CINSIYET"),
        QStringLiteral("BABAADI"),    QStringLiteral("DOKTORKODU"),     QStringLiteral("DOKTORADI"),
        QStringLiteral("DOGUMYERI"),  QStringLiteral("MEDENIDURUM"),    QStringLiteral("COCUKSAYISI"),
        QStringLiteral("TCKIMLIKNO")};
    return k;
}

QChar win1254Disi(const QString &metin)
{
    const QString d = Win1254::disindakiler(metin);
    return d.isEmpty() ? QChar() : d.at(0);
}

namespace {
QString durduEki(int aktarilan)
{
    return QStringLiteral(" Aktarım bu satırda durdu; önceki satırlardan aktarılan %1 hasta kartı kaydedildi.")
        .arg(aktarilan);
}
} // namespace

HastaAktarimSonucu aktar(const QString &dosya, VeriSeti &vs, const std::function<bool(int, int)> &ilerleme)
{
    HastaAktarimSonucu s;
    TabloOkuyucu okuyucu;
    QString hata;
    if (!okuyucu.ac(dosya, &hata)) {
        s.durum = HastaAktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Dosya okunamadı, hiçbir hasta kartı aktarılmadı.\n") + hata;
        return s;
    }
    if (!vs.acikMi() && !vs.ac()) {
        s.durum = HastaAktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Hasta listesi açılamadı, hiçbir hasta kartı aktarılmadı.");
        return s;
    }
    // The company's codes, read once; every imported code joins them.
    QSet<QString> kodlar;
    {
        auto r = Sorgu::sec(QStringLiteral("select hastakodu from hastalar where sirketkodu = ?"), {Oturum.sirketkodu});
        if (!r) {
            s.durum = HastaAktarimSonucu::Durum::DosyaHatasi;
            s.mesaj = QStringLiteral("Hasta kodları okunamadı, hiçbir hasta kartı aktarılmadı.");
            return s;
        }
        for (const QVariantList &satir : r->satirlar)
            kodlar.insert(satir.value(0).toString().trimmed());
    }
    const QStringList &k = kolonlar();
    const int toplam = qMin(SonSatir, okuyucu.satirSayisi());
    const Tablo &tablo = vs.tablo();

    auto dur = [&](int satir, const QString &neden) {
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.satir = satir;
        s.mesaj = neden + durduEki(s.aktarilan);
        return false;
    };

    // One row; false stops the import.
    auto satirIsle = [&](int r) -> bool {
        if (ilerleme && !ilerleme(r, toplam)) {
            s.durum = HastaAktarimSonucu::Durum::Iptal;
            s.satir = r;
            s.mesaj = QStringLiteral("Veri alma işlemi iptal edildi. O ana kadar aktarılan %1 hasta kartı "
                                     "veritabanında kaldı.")
                          .arg(s.aktarilan);
            return false;
        }
        if (okuyucu.hucre(r, 1).trimmed().isEmpty())
            return true;

        QStringList degerler;
        for (int c = 1; c <= SutunSayisi; ++c) {
            QString d = okuyucu.hucre(r, c).trimmed();
            const Kolon *kol = tablo.kolon(k.at(c - 1));
            if (kol && kol->tur == KolonTuru::Metin && kol->uzunluk > 0 && d.size() > kol->uzunluk)
                d = d.left(kol->uzunluk).trimmed();
            const QChar yabanci = win1254Disi(d);
            if (!yabanci.isNull())
                return dur(r, QStringLiteral("%1. satırdaki \"%2\" değerinde Türkçe karakter kümesinin (WIN1254) "
                                             "tutamadığı bir harf var: '%3'.")
                                  .arg(r)
                                  .arg(d, QString(yabanci)));
            degerler << d;
        }

        QVariant cocuk;
        if (!degerler.at(8).isEmpty()) {
            bool ok = false;
            const double c = QString(degerler.at(8)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok)
                return dur(r, QStringLiteral("%1. satırdaki çocuk sayısı \"%2\" bir sayı değil.")
                                  .arg(r)
                                  .arg(degerler.at(8)));
            cocuk = c;
        }

        const QString kod = degerler.at(0);
        if (kodlar.contains(kod))
            return dur(r, QStringLiteral("%1. satırdaki \"%2\" hasta kodu ile kayıtlı hasta var.").arg(r).arg(kod));

        if (!vs.ekle())
            return dur(r, QStringLiteral("%1. satır için yeni hasta kartı açılamadı.").arg(r));
        bool tamam = true;
        for (int c = 0; c < SutunSayisi && tamam; ++c) {
            const QVariant v = c == 8 ? cocuk : (degerler.at(c).isEmpty() ? QVariant() : QVariant(degerler.at(c)));
            tamam = vs.degerAyarla(k.at(c), v);
        }
        if (!tamam || !vs.kaydet()) {
            vs.iptal();
            return dur(r, QStringLiteral("%1. satırdaki hasta kartı kaydedilemedi.").arg(r));
        }
        kodlar.insert(kod);
        ++s.aktarilan;
        return true;
    };

    // Rows are committed in groups, so that thousands of rows do not wait for
    // thousands of disk flushes; whatever was posted before a stop, a cancel
    // or the end is committed.
    constexpr int Grup = 250;
    std::optional<Islem> islem;
    int onaylanan = 0;
    auto onayla = [&]() -> bool {
        if (!islem)
            return true;
        const bool ok = !islem->basladi() || islem->onayla();
        islem.reset();
        if (ok) {
            onaylanan = s.aktarilan;
            return true;
        }
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.aktarilan = onaylanan;
        s.mesaj = QStringLiteral("Hasta kartları veritabanına yazılamadı. Aktarım durdu; kaydedilen hasta kartı "
                                 "sayısı: %1.")
                      .arg(onaylanan);
        vs.yenile();
        return false;
    };
    for (int r = 1; r <= toplam; ++r) {
        if (!islem)
            islem.emplace(vs.baglantiAdi());
        const bool devam = satirIsle(r);
        if (!devam)
            break;
        if (s.aktarilan - onaylanan >= Grup && !onayla())
            return s;
    }
    if (!onayla())
        return s;
    if (s.durum == HastaAktarimSonucu::Durum::Tamam)
        s.mesaj = QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı");
    return s;
}

} // namespace HastaAktarim
