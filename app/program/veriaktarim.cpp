#include "app/program/veriaktarim.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "raporlar/motor/tablookuyucu.h"

#include <utility>
#include <vector>

namespace {

QStringList ayir(const char *kolonlar) { return QString::fromLatin1(kolonlar).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// A cell's text in composed form. A lower-cased "İ" written by a program
// that does not know Turkish comes as "i" and a combining dot above, which
// WIN1254 cannot hold and which adds nothing to the dotted "i".
QString duzgunMetin(const QString &metin)
{
    QString m = metin.normalized(QString::NormalizationForm_C);
    m.replace(QStringLiteral("i\u0307"), QStringLiteral("i"));
    m.replace(QStringLiteral("j\u0307"), QStringLiteral("j"));
    return m;
}

} // namespace

namespace VeriAktarim {

const QList<AktarimHedefi> &hedefler()
{
    static const QList<AktarimHedefi> l = {
        {QStringLiteral("btn_hastaaktar"), QStringLiteral("Hasta Karta Excel'den Veri Al"), QStringLiteral("HASTALAR"),
         3000,
         ayir("HASTAKODU HASTAADISOYADI CINSIYET BABAADI DOKTORKODU DOKTORADI DOGUMYERI MEDENIDURUM COCUKSAYISI "
              "TCKIMLIKNO MESLEGI DOGUMTARIHI EGITIMI KURUMU EVTEL CEPTEL ISTEL ADRES ILCE IL ULKE BOY KILO KANGRUBU "
              "KOLESTROL OBEZITEDURUMU SIGARADURUMU ALKOLDURUMU ALERJIDURUMU GENETIKHASTALIK YAKININADI "
              "YAKINLIKDURUMU YAKINTEL GECIRDIGIHASTALIKLAR GECIRDIGIAMELIYATLAR KULLANDIGIILACLAR ACIKLAMALAR EMAIL "
              "KAYITTARIHI YATISTARIHI KAYITDURUMU HATIRLATMATARIHI HATIRLATMANOTU AILEGECMISI TANI1 TANI2 HATUYARI "
              "RESIMYOLU SIRKETKODU"),
         QStringLiteral("Hasta Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_muayeneaktar"), QStringLiteral("Muayene Listesine Excel'den Veri Al"),
         QStringLiteral("MUAYENE"), 3000,
         ayir("DOKTORADI MUAYENETARIHI ANAMNMEZ BULGULAR RAPOR TEDAVI ILACLAR NABIZ ATES TANSIYON LABORATUVARVARMI "
              "SIRANO MYNTESHIS RADYOLOJIVARMI MUAYENEOLDUMU SONRAKIMUAYENETARIHI HASTAKODU DOKTORKODU HASTAADISOYADI "
              "SIRKETKODU MUAYENEUCRETI ODEMESEKLI HASTACEPTEL SOLUNUM LABORATUVARUCRETI ISLEMTUTARI TOPLAMTUTAR "
              "DOKTORPAYTURU DOKTORPAYPARAM DOKTORPAYTUTARI BOLUM BRANS DOKTORU"),
         QStringLiteral("Muayene Kartları Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_ek9aktar"), QStringLiteral("Ek 9 Listesine  Excel'den Veri Al"), QStringLiteral("EK9"), 3000,
         ayir("PAKETKODU ISLEMADI ACIKLAMA ISLEMGRUBU OZELKOD UCRETI SIRKETKODU"),
         QStringLiteral("EK 9 Listesi Excelden Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_formparametreaktar"), QStringLiteral("Form Parametreleri Excel'den Al"),
         QStringLiteral("FORMPAREMETRELERI"), 3000, ayir("FORMADI PARAMETREADI PARAMETREDEGERI SIRKETKODU ACIKLAMA"),
         QStringLiteral("Form Parametrelerine Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_modulaktar"), QStringLiteral("Modül Adlarını Excel'den Al"), QStringLiteral("MODULLER"),
         3000, ayir("MODULNO FORMADI MODULADI MENUSU ACIKLAMA"),
         QStringLiteral("Modül Adlarını Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_taniaktar"), QStringLiteral("Hasta Tanı Listesini Excel'den Al"), QStringLiteral("TANILAR"),
         12000, ayir("TANITURU TANI TANIGRUBU"),
         QStringLiteral("Tanı Listesi Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
        {QStringLiteral("btn_labaktar"), QStringLiteral("Laboratuvar Listesini Excel'den Al"),
         QStringLiteral("LABORATUVAR"), 2000,
         ayir("TETKIKKODU TETKIKADI ARALIK BIRIMI TURU UCRETI KOD1 KOD2 KOD3 ACIKLAMA LABORATUVARADI ISLEMTURU"),
         QStringLiteral("Laboratuvar Listesi Excel den Veri Alma İşlemi Başarı ile Tamamlandı")},
    };
    return l;
}

const AktarimHedefi *hedef(const QString &tablo)
{
    for (const AktarimHedefi &h : hedefler())
        if (h.tablo.compare(tablo, Qt::CaseInsensitive) == 0)
            return &h;
    return nullptr;
}

AktarimSonucu aktar(const AktarimHedefi &h, const QString &dosya, const std::function<bool(int, int)> &ilerleme)
{
    AktarimSonucu s;
    const Tablo *t = TabloBul(h.tablo);
    TabloOkuyucu okuyucu;
    QString hata;
    if (!t) {
        s.durum = AktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Bilinmeyen tablo: ") + h.tablo;
        return s;
    }
    if (!okuyucu.ac(dosya, &hata)) {
        s.durum = AktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Dosya okunamadı, hiçbir satır aktarılmadı.\n") + hata;
        return s;
    }
    std::vector<const Kolon *> kolonlar;
    QStringList adlar, yerler;
    for (const QString &k : h.kolonlar) {
        kolonlar.push_back(t->kolon(k));
        Q_ASSERT(kolonlar.back());
        adlar << k;
        yerler << QStringLiteral("?");
    }
    QString sql = QStringLiteral("insert into %1 (").arg(t->ad);
    if (!t->uretec.isEmpty())
        sql += t->anahtar + QStringLiteral(", ");
    sql += adlar.join(QStringLiteral(", ")) + QStringLiteral(") values (");
    if (!t->uretec.isEmpty())
        sql += QStringLiteral("gen_id(%1, 1), ").arg(t->uretec);
    sql += yerler.join(QStringLiteral(", ")) + QStringLiteral(")");

    const int toplam = qMin(h.sonSatir, okuyucu.satirSayisi());
    for (int r = h.sonSatir + 1; r <= okuyucu.satirSayisi(); ++r)
        if (!okuyucu.hucre(r, 1).trimmed().isEmpty())
            ++s.sinirDisi;

    auto dur = [&](int r, int c, const QString &neden) {
        s.durum = AktarimSonucu::Durum::Durdu;
        s.satir = r;
        s.sutun = c;
        s.mesaj = neden;
    };

    // Reading and checking is the slow part and holds nothing: the progress
    // window (which runs the event loop) and its cancel belong here, never
    // inside the transaction below.
    std::vector<std::pair<int, QVariantList>> yazilacak;
    for (int r = 1; r <= toplam && s.durum == AktarimSonucu::Durum::Tamam; ++r) {
        if (ilerleme && !ilerleme(r, toplam)) {
            s.durum = AktarimSonucu::Durum::Iptal;
            s.satir = r;
            break;
        }
        if (okuyucu.hucre(r, 1).trimmed().isEmpty())
            continue;
        QVariantList degerler;
        bool tamam = true;
        for (int c = 1; c <= int(kolonlar.size()) && tamam; ++c) {
            const Kolon &k = *kolonlar[size_t(c - 1)];
            const QString metin = duzgunMetin(okuyucu.hucre(r, c).trimmed());
            auto sorun = [&](const QString &neden) {
                dur(r, c, QStringLiteral("%1. satır, %2. sütun (%3): \"%4\" %5").arg(r).arg(c).arg(k.ad, metin, neden));
                tamam = false;
            };
            const QString yabanci = Win1254::disindakiler(metin);
            if (!yabanci.isEmpty()) {
                sorun(QStringLiteral("değerinde Türkçe karakter kümesinin (WIN1254) tutamadığı bir harf var: '%1'.")
                          .arg(yabanci.left(1)));
                break;
            }
            QVariant v;
            const QVariant girdi = k.tur == KolonTuru::Metin || k.tur == KolonTuru::UzunMetin || metin.isEmpty()
                                       ? (metin.isEmpty() ? QVariant() : QVariant(metin))
                                       : okuyucu.hucreDegeri(r, c);
            if (!VeriSeti::degerCevir(k.tur, girdi, &v)) {
                sorun(k.tur == KolonTuru::Tarih
                          ? QStringLiteral("geçerli bir tarih değil (GG.AA.YYYY olmalı).")
                          : QStringLiteral("bir sayı değil."));
                break;
            }
            if (k.tur == KolonTuru::Metin && k.uzunluk > 0 && metin.size() > k.uzunluk) {
                sorun(QStringLiteral("%1 karakter; bu alan en çok %2 karakter alır.").arg(metin.size()).arg(k.uzunluk));
                break;
            }
            degerler << v;
        }
        if (!tamam)
            break;
        yazilacak.emplace_back(r, degerler);
    }
    if (s.durum == AktarimSonucu::Durum::Iptal) {
        s.mesaj = QStringLiteral("Veri alma işlemi iptal edildi; hiçbir satır aktarılmadı.");
        return s;
    }

    Islem islem;
    if (!islem.basladi()) {
        s.durum = AktarimSonucu::Durum::DosyaHatasi;
        s.mesaj = QStringLiteral("Veritabanında işlem başlatılamadı; hiçbir satır aktarılmadı.");
        return s;
    }
    for (const auto &[r, degerler] : yazilacak) {
        QString dbHata;
        if (!Sorgu::calistir(sql, degerler, QString(), &dbHata)) {
            dur(r, 0, QStringLiteral("%1. satır yazılamadı: %2").arg(r).arg(dbHata));
            break;
        }
        ++s.aktarilan;
    }

    QString onayHatasi;
    if (!islem.onayla(&onayHatasi)) {
        s.durum = AktarimSonucu::Durum::Durdu;
        s.aktarilan = 0;
        s.mesaj = QStringLiteral("Satırlar veritabanına yazılamadı, hiçbir satır aktarılmadı.\n") + onayHatasi;
        return s;
    }
    const QString sayilar = QStringLiteral("%1 satır aktarıldı").arg(s.aktarilan)
                            + (s.sinirDisi > 0 ? QStringLiteral(", %1 satır sınırın ötesinde kaldı").arg(s.sinirDisi)
                                               : QString());
    if (s.durum == AktarimSonucu::Durum::Durdu)
        s.mesaj += QStringLiteral("\nAktarım bu satırda durdu; önceki satırlardan ") + sayilar + QStringLiteral(".");
    else
        s.mesaj = h.basariMesaji + QStringLiteral("\n") + sayilar;
    return s;
}

} // namespace VeriAktarim
