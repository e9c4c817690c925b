#include "hastalar/hastaaktarim.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "hastalar/hastakodu.h"
#include "raporlar/motor/tablookuyucu.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <vector>

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

const QStringList &kolonBasliklari()
{
    static const QStringList b{
        QStringLiteral("Hasta Kodu"), QStringLiteral("Adı Soyadı"),  QStringLiteral("Cinsiyet"),
        QStringLiteral("Baba Adı"),   QStringLiteral("Doktor Kodu"), QStringLiteral("Doktor Adı"),
        QStringLiteral("Doğum Yeri"), QStringLiteral("Medeni Durum"), QStringLiteral("Çocuk Sayısı"),
        QStringLiteral("TC Kimlik No")};
    return b;
}

namespace {
QString durduEki(int aktarilan, int atlanan)
{
    QString m = QStringLiteral(" Aktarım bu satırda durdu; önceki satırlardan aktarılan %1 hasta kartı kaydedildi.")
                    .arg(aktarilan);
    if (atlanan > 0)
        m += QStringLiteral(" Daha önce aktarılmış olduğu için atlanan satır: %1.").arg(atlanan);
    return m;
}
} // namespace

HastaAktarimSonucu aktar(const QString &dosya, VeriSeti &vs, const std::function<bool(int, int)> &ilerleme,
                         QWidget *ust)
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
    // The company's codes, read once (the file's own repeats are caught by dosyaKodlari).
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
    const QStringList &basliklar = kolonBasliklari();
    const int toplam = qMin(SonSatir, okuyucu.satirSayisi());
    const Tablo &tablo = vs.tablo();
    for (int r = SonSatir + 1; r <= okuyucu.satirSayisi(); ++r)
        if (!okuyucu.hucre(r, 1).trimmed().isEmpty())
            ++s.sinirDisi;

    // A stopped import committed its rows in file order, so what it left is
    // the run of rows at the top whose codes the company already has.
    int atlaSon = 0, atlaSayi = 0;
    QString ilkKod, sonKod;
    for (int r = 1; r <= toplam; ++r) {
        const QString kod = okuyucu.hucre(r, 1).trimmed();
        if (kod.isEmpty())
            continue;
        if (!kodlar.contains(kod))
            break;
        if (ilkKod.isEmpty())
            ilkKod = kod;
        sonKod = kod;
        atlaSon = r;
        ++atlaSayi;
    }
    if (atlaSayi > 0) {
        const QString soru =
            (atlaSayi == 1
                 ? QStringLiteral("Dosyanın ilk satırındaki \"%1\" hasta kodu ile kayıtlı hasta var").arg(ilkKod)
                 : QStringLiteral("Dosyanın ilk %1 satırındaki hasta kodları (\"%2\" ... \"%3\") zaten kayıtlı")
                       .arg(atlaSayi)
                       .arg(ilkKod, sonKod))
            + QStringLiteral("; bu dosyadan daha önce yapılan bir aktarım yarıda kalmış olabilir.\n"
                             "Kayıtlı satırlar atlanıp aktarıma sonraki satırlardan devam edilsin mi?");
        if (!Mesaj::soru(soru, ust))
            atlaSon = 0;
    }

    // A row read, checked and waiting to be written.
    struct Kabul
    {
        int satir;
        QStringList degerler;
        QVariant cocuk;
    };
    std::vector<Kabul> yazilacak;
    // What ended the reading before the last row: a cancel at iptalSatiri, or
    // the row durak that cannot be stored, for the reason durakNedeni.
    int iptalSatiri = 0, durak = 0;
    QString durakNedeni;

    // The file's codes by the row that brought them, to name the earlier row of a repeat.
    QHash<QString, int> dosyaKodlari;

    // One row read and checked; false ends the reading.
    auto satirOku = [&](int r) -> bool {
        if (ilerleme && !ilerleme(r, toplam)) {
            iptalSatiri = r;
            return false;
        }
        if (okuyucu.hucre(r, 1).trimmed().isEmpty())
            return true;
        if (r <= atlaSon) {
            dosyaKodlari.insert(okuyucu.hucre(r, 1).trimmed(), r);
            ++s.atlanan;
            return true;
        }
        auto dur = [&](const QString &neden) {
            durak = r;
            durakNedeni = neden;
            return false;
        };

        QStringList degerler;
        int genis = 0;   // the first column the value does not fit, 1-based
        for (int c = 1; c <= SutunSayisi; ++c) {
            const QString d = okuyucu.hucre(r, c).trimmed();
            const QChar yabanci = win1254Disi(d);
            if (!yabanci.isNull())
                return dur(QStringLiteral("%1. satırdaki \"%2\" değerinde Türkçe karakter kümesinin (WIN1254) "
                                          "tutamadığı bir harf var: '%3'.")
                               .arg(r)
                               .arg(d, QString(yabanci)));
            const Kolon *kol = tablo.kolon(k.at(c - 1));
            if (!genis && kol && kol->tur == KolonTuru::Metin && kol->uzunluk > 0 && d.size() > kol->uzunluk)
                genis = c;
            degerler << d;
        }

        QVariant cocuk;
        if (!degerler.at(8).isEmpty()) {
            bool ok = false;
            const double c = QString(degerler.at(8)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok)
                return dur(QStringLiteral("%1. satırdaki çocuk sayısı \"%2\" bir sayı değil.")
                               .arg(r)
                               .arg(degerler.at(8)));
            cocuk = c;
        }

        // Cutting would store another name or code than the file's without a word.
        if (genis) {
            const QString &d = degerler.at(genis - 1);
            return dur(QStringLiteral("%1. satırdaki %2 (%3) değeri %4 karakter; bu alan en çok %5 karakter alır: "
                                      "\"%6\".")
                           .arg(QString::number(r), basliklar.at(genis - 1), k.at(genis - 1),
                                QString::number(d.size()), QString::number(tablo.kolon(k.at(genis - 1))->uzunluk),
                                d));
        }

        const QString kod = degerler.at(0);
        if (const auto onceki = dosyaKodlari.constFind(kod); onceki != dosyaKodlari.constEnd())
            return dur(QStringLiteral("%1. satırdaki \"%2\" hasta kodu dosyanın %3. satırında da var.")
                           .arg(QString::number(r), kod, QString::number(onceki.value())));
        if (kodlar.contains(kod))
            return dur(QStringLiteral("%1. satırdaki \"%2\" hasta kodu ile kayıtlı hasta var.").arg(r).arg(kod));
        dosyaKodlari.insert(kod, r);
        yazilacak.push_back({r, degerler, cocuk});
        return true;
    };

    // Reading and checking is the slow part and holds nothing: the progress
    // window (which runs the event loop) and its cancel belong here, never
    // inside the transactions below.
    for (int r = 1; r <= toplam; ++r)
        if (!satirOku(r))
            break;

    // The rows read are written in groups of one transaction each, so that
    // thousands of rows do not wait for thousands of disk flushes; the groups
    // before a failure stay.
    constexpr int Grup = 250;
    for (size_t bas = 0; bas < yazilacak.size(); bas += Grup) {
        const size_t son = qMin(yazilacak.size(), bas + Grup);
        int yazilan = 0;          // rows of this group posted
        int hataSatiri = 0;       // the row that could not be posted
        QString hataNedeni;
        Islem islem(vs.baglantiAdi());
        for (size_t i = bas; i < son; ++i) {
            const Kabul &y = yazilacak[i];
            if (!vs.ekle()) {
                hataSatiri = y.satir;
                hataNedeni = QStringLiteral("%1. satır için yeni hasta kartı açılamadı.").arg(y.satir);
                break;
            }
            bool tamam = true;
            for (int c = 0; c < SutunSayisi && tamam; ++c) {
                const QVariant v =
                    c == 8 ? y.cocuk : (y.degerler.at(c).isEmpty() ? QVariant() : QVariant(y.degerler.at(c)));
                tamam = vs.degerAyarla(k.at(c), v);
            }
            if (!tamam || !vs.kaydet()) {
                vs.iptal();
                hataSatiri = y.satir;
                hataNedeni = QStringLiteral("%1. satırdaki hasta kartı kaydedilemedi.").arg(y.satir);
                break;
            }
            ++yazilan;
        }
        if (islem.basladi() && !islem.onayla()) {
            s.durum = HastaAktarimSonucu::Durum::Durdu;
            s.satir = hataSatiri;
            s.mesaj = QStringLiteral("Hasta kartları veritabanına yazılamadı. Aktarım durdu; kaydedilen hasta kartı "
                                     "sayısı: %1.")
                          .arg(s.aktarilan);
            vs.yenile();
            return s;
        }
        s.aktarilan += yazilan;
        if (hataSatiri) {
            s.durum = HastaAktarimSonucu::Durum::Durdu;
            s.satir = hataSatiri;
            s.mesaj = hataNedeni + durduEki(s.aktarilan, s.atlanan);
            return s;
        }
    }

    if (iptalSatiri) {
        s.durum = HastaAktarimSonucu::Durum::Iptal;
        s.satir = iptalSatiri;
        s.mesaj = QStringLiteral("Veri alma işlemi iptal edildi. O ana kadar aktarılan %1 hasta kartı "
                                 "veritabanında kaldı.")
                      .arg(s.aktarilan);
        if (s.atlanan > 0)
            s.mesaj += QStringLiteral(" Daha önce aktarılmış olduğu için atlanan satır: %1.").arg(s.atlanan);
    } else if (durak) {
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.satir = durak;
        s.mesaj = durakNedeni + durduEki(s.aktarilan, s.atlanan);
    }
    if (s.durum == HastaAktarimSonucu::Durum::Tamam) {
        s.mesaj = QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı")
                  + QStringLiteral("\nAktarılan hasta kartı: %1").arg(s.aktarilan);
        if (s.atlanan > 0)
            s.mesaj += QStringLiteral("\nDaha önce aktarılmış olduğu için atlanan satır: %1").arg(s.atlanan);
        if (s.sinirDisi > 0)
            s.mesaj += QStringLiteral("\n%1. satırdan sonra okunmayan satır: %2 (bir aktarımda en çok %1 satır "
                                      "okunur)")
                           .arg(SonSatir)
                           .arg(s.sinirDisi);
    }
    return s;
}

} // namespace HastaAktarim
