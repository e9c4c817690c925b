#include "hastalar/hastaaktarim.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "hastalar/hastakodu.h"
#include "raporlar/motor/tabloaktarimi.h"
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
// A stopped import committed its rows in file order, so what it left is the
// run of rows at the top whose codes the company already has. The last row
// of that run when the user agrees to skip it; 0 otherwise.
int oncekiAktarimSonu(const TabloOkuyucu &okuyucu, int toplam, const QSet<QString> &kodlar, QWidget *ust)
{
    int son = 0, sayi = 0;
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
        son = r;
        ++sayi;
    }
    if (sayi == 0)
        return 0;
    const QString soru =
        (sayi == 1 ? QStringLiteral("Dosyanın ilk satırındaki \"%1\" hasta kodu ile kayıtlı hasta var").arg(ilkKod)
                   : QStringLiteral("Dosyanın ilk %1 satırındaki hasta kodları (\"%2\" ... \"%3\") zaten kayıtlı")
                         .arg(sayi)
                         .arg(ilkKod, sonKod))
        + QStringLiteral("; bu dosyadan daha önce yapılan bir aktarım yarıda kalmış olabilir.\n"
                         "Kayıtlı satırlar atlanıp aktarıma sonraki satırlardan devam edilsin mi?");
    return Mesaj::soru(soru, ust) ? son : 0;
}

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

    int atlaSon = 0;
    // The file's codes by the row that brought them, to name the earlier row of a repeat.
    QHash<QString, int> dosyaKodlari;
    TabloAktarimi::Kurallar k;
    k.tablo = vs.tablo().ad;
    k.kolonlar = kolonlar();
    k.basliklar = kolonBasliklari();
    k.sonSatir = SonSatir;
    k.okumadanOnce = [&](const TabloOkuyucu &okuyucu, int toplam) {
        atlaSon = oncekiAktarimSonu(okuyucu, toplam, kodlar, ust);
    };
    k.atla = [&](int r) { return r <= atlaSon; };
    k.satirDenetimi = [&](int r, const QVariantList &degerler) {
        const QString kod = degerler.at(0).toString();
        if (const auto onceki = dosyaKodlari.constFind(kod); onceki != dosyaKodlari.constEnd())
            return QStringLiteral("%1. satırdaki \"%2\" hasta kodu dosyanın %3. satırında da var.")
                .arg(QString::number(r), kod, QString::number(onceki.value()));
        if (kodlar.contains(kod))
            return QStringLiteral("%1. satırdaki \"%2\" hasta kodu ile kayıtlı hasta var.").arg(r).arg(kod);
        dosyaKodlari.insert(kod, r);
        return QString();
    };
    const TabloAktarimi::Okuma o = TabloAktarimi::oku(dosya, k, ilerleme);
    s.sinirDisi = o.sinirDisi;
    s.atlanan = o.atlanan;
    if (o.durum == TabloAktarimi::Okuma::Durum::DosyaHatasi) {
        s.durum = HastaAktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Dosya okunamadı, hiçbir hasta kartı aktarılmadı.\n") + o.neden;
        return s;
    }

    // The rows read before a stop or a cancel go through the patient list,
    // so that its new-row defaults and checks apply as to a card typed in.
    const QStringList &kol = kolonlar();
    const TabloAktarimi::Yazim y = TabloAktarimi::yaz(
        o.satirlar,
        [&](const TabloAktarimi::Satir &r, QString *neden) {
            if (!vs.ekle()) {
                *neden = QStringLiteral("%1. satır için yeni hasta kartı açılamadı.").arg(r.no);
                return false;
            }
            bool tamam = true;
            for (int c = 0; c < SutunSayisi && tamam; ++c)
                tamam = vs.degerAyarla(kol.at(c), r.degerler.at(c));
            if (!tamam || !vs.kaydet()) {
                vs.iptal();
                *neden = QStringLiteral("%1. satırdaki hasta kartı kaydedilemedi.").arg(r.no);
                return false;
            }
            return true;
        },
        vs.baglantiAdi());
    s.aktarilan = y.yazilan;
    if (y.onayHatasi) {
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.satir = y.satir;
        s.mesaj = QStringLiteral("Hasta kartları veritabanına yazılamadı. Aktarım durdu; kaydedilen hasta kartı "
                                 "sayısı: %1.")
                      .arg(s.aktarilan);
        vs.yenile();
        return s;
    }
    if (y.satir) {
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.satir = y.satir;
        s.mesaj = y.neden + durduEki(s.aktarilan, s.atlanan);
        return s;
    }
    if (o.durum == TabloAktarimi::Okuma::Durum::Iptal) {
        s.durum = HastaAktarimSonucu::Durum::Iptal;
        s.satir = o.satir;
        s.mesaj = QStringLiteral("Veri alma işlemi iptal edildi. O ana kadar aktarılan %1 hasta kartı "
                                 "veritabanında kaldı.")
                      .arg(s.aktarilan);
        if (s.atlanan > 0)
            s.mesaj += QStringLiteral(" Daha önce aktarılmış olduğu için atlanan satır: %1.").arg(s.atlanan);
    } else if (o.durum == TabloAktarimi::Okuma::Durum::Durdu) {
        s.durum = HastaAktarimSonucu::Durum::Durdu;
        s.satir = o.satir;
        s.mesaj = o.neden + durduEki(s.aktarilan, s.atlanan);
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
