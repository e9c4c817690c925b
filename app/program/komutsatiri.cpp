#include "app/program/komutsatiri.h"

#include "app/mesaj.h"
#include "app/yerler.h"
#include "db/baglanti.h"

#include <QTextStream>

namespace {

struct Secenek
{
    const char *ad;
    bool degerli;      // takes the next argument as its value
    Komut::Tur fiil;   // the verb it starts; Program for plain options
};

const Secenek secenekler[] = {
    {"--yeni-veritabani", true, Komut::Tur::YeniVeritabani},
    {"--rapor", true, Komut::Tur::Rapor},
    {"--ekstre", true, Komut::Tur::Ekstre},
    {"--excel", false, Komut::Tur::Excel},
    {"--ornek-veri", true, Komut::Tur::OrnekVeri},
    {"--yetkilendir", true, Komut::Tur::Yetkilendir},
    {"--giris-denetle", true, Komut::Tur::GirisDenetimi},
    {"--sorgu", true, Komut::Tur::Program},
    {"--pdf", true, Komut::Tur::Program},
    {"--cari", true, Komut::Tur::Program},
    {"--sirket", true, Komut::Tur::Program},
    {"--xlsx", true, Komut::Tur::Program},
    {"--veritabani", true, Komut::Tur::Program},
    {"--surum", false, Komut::Tur::Surum},
    {"--version", false, Komut::Tur::Surum},
    {"--help", false, Komut::Tur::Yardim},
    {"-h", false, Komut::Tur::Yardim},
    {"--yardim", false, Komut::Tur::Yardim},
};

const Secenek *secenekBul(const QString &a)
{
    for (const Secenek &s : secenekler)
        if (a == QLatin1String(s.ad))
            return &s;
    return nullptr;
}

// The options each verb takes, required ones first.
struct FiilKurali
{
    Komut::Tur tur;
    QStringList gerekli;
    QStringList secimli;
};

const QList<FiilKurali> &kurallar()
{
    static const QList<FiilKurali> k = {
        {Komut::Tur::Program, {}, {QStringLiteral("--veritabani")}},
        {Komut::Tur::YeniVeritabani, {QStringLiteral("--yeni-veritabani")}, {}},
        {Komut::Tur::Rapor,
         {QStringLiteral("--rapor"), QStringLiteral("--sorgu"), QStringLiteral("--pdf")},
         {QStringLiteral("--veritabani")}},
        {Komut::Tur::Ekstre,
         {QStringLiteral("--ekstre"), QStringLiteral("--cari"), QStringLiteral("--sirket"), QStringLiteral("--pdf")},
         {QStringLiteral("--veritabani")}},
        {Komut::Tur::Excel,
         {QStringLiteral("--excel"), QStringLiteral("--sorgu"), QStringLiteral("--xlsx")},
         {QStringLiteral("--veritabani")}},
        {Komut::Tur::OrnekVeri, {QStringLiteral("--ornek-veri")}, {QStringLiteral("--veritabani")}},
        {Komut::Tur::Yetkilendir, {QStringLiteral("--yetkilendir")}, {QStringLiteral("--veritabani")}},
        {Komut::Tur::GirisDenetimi, {QStringLiteral("--giris-denetle")},
         {QStringLiteral("--sirket"), QStringLiteral("--veritabani")}},
    };
    return k;
}

} // namespace

QString KullanimMetni()
{
    return QStringLiteral(
        "Kullanım:\n"
        "  velmorika [--veritabani KONUM]\n"
        "      Programı açar. KONUM verilmezse veritabanının yeri sırayla VELMORIKA_VERITABANI ortam\n"
        "      değişkeninden, ~/.config/VELMORIKA/datayeri.txt, /etc/velmorika/datayeri.txt ve programın\n"
        "      yanındaki datayeri.txt dosyalarından okunur; hiçbiri yoksa ilk açılış penceresi sorar.\n"
        "  velmorika --yeni-veritabani DOSYA.FDB|SUNUCU:YOL\n"
        "      Boş bir veritabanı oluşturur (SUNUCU:YOL ile sunucu üzerinden).\n"
        "  velmorika --rapor SABLON.frf --sorgu \"SELECT ...\" --pdf CIKTI.pdf [--veritabani KONUM]\n"
        "      Sorgunun satırlarını şablonla PDF dosyasına yazar. SABLON bir dosya yolu ya da\n"
        "      programla gelen (veya kendi) şablonlardan birinin adıdır.\n"
        "  velmorika --ekstre genis|dar|detayli --cari KOD --sirket KOD --pdf CIKTI.pdf [--veritabani KONUM]\n"
        "      Bir cari hesabın ekstresini (tarih sırasıyla) PDF dosyasına yazar.\n"
        "  velmorika --excel --sorgu \"SELECT ...\" --xlsx CIKTI.xlsx [--veritabani KONUM]\n"
        "      Sorgunun satırlarını Excel dosyasına yazar.\n"
        "  velmorika --ornek-veri N [--veritabani KONUM]\n"
        "      Ölçüm için N örnek hasta ve kayıtlarını tek işlemde yazar: hepsini ya da hiçbirini. İndeks\n"
        "      istatistiklerini de güncellediği için veritabanının sahibi ya da SYSDBA olarak çalıştırın.\n"
        "  velmorika --yetkilendir KULLANICI [--veritabani KONUM]\n"
        "      Şema güncellemelerini yapar ve programın veritabanı kullanıcısına tabloları okuma, yazma ve\n"
        "      sayaçları kullanma yetkisini verir (yalnız bunları). Veritabanının sahibi ya da SYSDBA\n"
        "      olarak çalıştırın (VELMORIKA_DB_USER, VELMORIKA_DB_PASSWORD).\n"
        "  velmorika --giris-denetle KULLANICI [--sirket KOD] [--veritabani KONUM]\n"
        "      Kurulumu denetler: giriş penceresini ekransız açar, kullanıcıyla (şifresi VELMORIKA_SIFRE\n"
        "      ortam değişkeninde) giriş yapar, ana pencereyi açıp kapatır.\n"
        "  velmorika --surum\n"
        "      Programın sürümünü gösterir.\n"
        "  velmorika --help\n"
        "      Bu metni gösterir.\n"
        "Seçenekler herhangi bir sırada verilebilir. Sorgu yalnız okur (SELECT).\n"
        "Çıkış kodları: 0 tamam, 2 kullanım hatası, 3 şablon okunamadı, 4 veritabanı açılamadı ya da "
        "oluşturulamadı, 5 sorgu reddedildi ya da hatalı, 6 çıktı dosyası yazılamadı, 7 giriş reddedildi.");
}

QStringList KomutSatiriSecenekleri()
{
    QStringList s;
    for (const Secenek &o : secenekler)
        s << QLatin1String(o.ad);
    return s;
}

QString SurumMetni() { return QStringLiteral("VELMORIKA " VELMORIKA_SURUM); }

Komut KomutSatiriniCoz(const QStringList &a)
{
    Komut k;
    bool yardim = false, surum = false;
    for (int i = 0; i < a.size(); ++i) {
        const QString &s = a.at(i);
        const Secenek *sec = secenekBul(s);
        if (!sec) {
            if (k.hata.isEmpty())
                k.hata = s.startsWith(QLatin1Char('-')) ? QStringLiteral("Bilinmeyen seçenek: %1").arg(s)
                                                        : QStringLiteral("Beklenmeyen bağımsız değer: %1").arg(s);
            continue;
        }
        if (sec->fiil == Komut::Tur::Yardim) {
            yardim = true;
            continue;
        }
        if (sec->fiil == Komut::Tur::Surum) {
            surum = true;
            continue;
        }
        QString deger;
        if (sec->degerli) {
            // A value is whatever follows, unless it is one of our own options.
            if (i + 1 >= a.size() || secenekBul(a.at(i + 1))) {
                if (k.hata.isEmpty())
                    k.hata = QStringLiteral("%1 seçeneğinin değeri eksik.").arg(s);
                continue;
            }
            deger = a.at(++i);
        }
        if (k.var(s) && k.hata.isEmpty())
            k.hata = QStringLiteral("%1 seçeneği bir kez verilir.").arg(s);
        k.degerler.insert(s, deger);
        if (sec->fiil != Komut::Tur::Program) {
            if (k.tur != Komut::Tur::Program && k.tur != sec->fiil && k.hata.isEmpty())
                k.hata = QStringLiteral("--yeni-veritabani, --rapor, --ekstre, --excel, --ornek-veri, --yetkilendir "
                                        "ve --giris-denetle birlikte verilmez.");
            k.tur = sec->fiil;
        }
    }
    if (yardim || surum) {
        k.tur = yardim ? Komut::Tur::Yardim : Komut::Tur::Surum;
        k.hata.clear();
        return k;
    }
    if (!k.hata.isEmpty())
        return k;
    for (const FiilKurali &f : kurallar()) {
        if (f.tur != k.tur)
            continue;
        for (const QString &g : f.gerekli)
            if (!k.var(g) || (secenekBul(g)->degerli && k.deger(g).trimmed().isEmpty())) {
                k.hata = QStringLiteral("%1 seçeneği gerekli.").arg(g);
                return k;
            }
        for (auto it = k.degerler.cbegin(); it != k.degerler.cend(); ++it)
            if (!f.gerekli.contains(it.key()) && !f.secimli.contains(it.key())) {
                k.hata = k.tur == Komut::Tur::Program
                             ? QStringLiteral("%1 seçeneği --rapor, --ekstre ya da --excel ile kullanılır.").arg(it.key())
                             : QStringLiteral("%1 seçeneği bu komutla kullanılmaz.").arg(it.key());
                return k;
            }
    }
    return k;
}

int KomutuCalistir(const Komut &k)
{
    if (k.tur == Komut::Tur::Yardim) {
        QTextStream(stdout) << KullanimMetni() << Qt::endl;
        return CikisKodu::Tamam;
    }
    if (k.tur == Komut::Tur::Surum) {
        QTextStream(stdout) << SurumMetni() << Qt::endl;
        return CikisKodu::Tamam;
    }
    if (!k.hata.isEmpty()) {
        Mesaj::hata(k.hata + QLatin1Char('\n') + KullanimMetni());
        return CikisKodu::Kullanim;
    }
    QStringList a;
    for (auto it = k.degerler.cbegin(); it != k.degerler.cend(); ++it) {
        a << it.key();
        if (secenekBul(it.key())->degerli)
            a << it.value();
    }
    switch (k.tur) {
    case Komut::Tur::YeniVeritabani:
        return YeniVeritabaniKomutu(a);
    case Komut::Tur::Rapor:
        return RaporKomutu(a);
    case Komut::Tur::Ekstre:
        return EkstreKomutu(a);
    case Komut::Tur::Excel:
        return ExcelKomutu(a);
    case Komut::Tur::OrnekVeri:
        return OrnekVeriKomutu(a);
    case Komut::Tur::Yetkilendir:
        return YetkilendirKomutu(a);
    case Komut::Tur::GirisDenetimi:
        return GirisDenetimiKomutu(a);
    default:
        return ProgramiBaslat(k.deger(QStringLiteral("--veritabani")));
    }
}

std::optional<Komut> FiilKomutu(const QStringList &argumanlar, Komut::Tur tur)
{
    Komut k = KomutSatiriniCoz(argumanlar);
    if (k.hata.isEmpty() && k.tur != tur)
        k.hata = QStringLiteral("Komut eksik ya da yanlış.");
    if (!k.hata.isEmpty()) {
        Mesaj::hata(k.hata + QLatin1Char('\n') + KullanimMetni());
        return std::nullopt;
    }
    return k;
}

bool KomutBaglantisiAc(const Komut &k, const QString &ad)
{
    QString konum = k.deger(QStringLiteral("--veritabani"));
    QString hata;
    if (!k.var(QStringLiteral("--veritabani")) && !Yerler::veritabaniYeri(&konum, &hata)) {
        Mesaj::hata(hata);
        return false;
    }
    if (!Baglanti::ac(konum, ad, &hata)) {
        Baglanti::kapat(ad);
        Mesaj::hata(hata);
        return false;
    }
    return true;
}
