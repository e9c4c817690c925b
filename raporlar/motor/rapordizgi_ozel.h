#pragma once
// The layout engine's own types, shared by its source files:
//   rapordizgi.cpp       bands placed into pages (page breaks, groups, sub-rows)
//   rapordizgiderle.cpp  the template prepared for a data source (bands, fonts, pictures, generated columns)
//   raporyertutucu.cpp   placeholders of texts: compiled once, evaluated per row
//   raporsistem.cpp      system values ([#SAYFA], [#TOPLAM(...)], ...)
//   raporifade.cpp       arithmetic over columns
#include "raporlar/motor/rapor.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QTime>

namespace RaporMotoruIc {

// Stands for the page count until the last page is known.
inline const QString SAYFA_SAYISI_YERI = QStringLiteral("\uE000#SS\uE001");

// ------------------------------------------------------------ expressions

struct Ifade
{
    enum Tur { Sayi, Kolon, Islem, Eksi } tur = Sayi;
    double sayi = 0;
    int kolon = -1;
    QChar op;
    std::unique_ptr<Ifade> sol, sag;

    double hesapla(const VeriKaynagi *k, int satir) const;
};

// + - * / and parentheses over numbers and column names of k. Null when the
// text is not an expression; names the source lacks go to eksikler.
std::unique_ptr<Ifade> IfadeOku(const QString &metin, const VeriKaynagi *k, QStringList *eksikler);

// ------------------------------------------------------------ compiled texts

enum class Sistem {
    Sayfa, SayfaSayisi, Tarih, Saat, Baslik, SatirNo, GrupSatirNo, KayitSayisi, Adet,
    Toplam, SayfaToplam, GrupToplam, GenelToplam, Sirket, SirketAdresi, Kullanici
};

struct Toplayici
{
    std::unique_ptr<Ifade> ifade;
    double genel = 0;
};

struct Parca
{
    enum Tur { Duz, Kolon, Hesap, Sistemsel } tur = Duz;
    QString metin;               // Duz: the text; otherwise the format
    int kolon = -1;
    std::shared_ptr<Ifade> ifade;
    Sistem sistem = Sistem::Sayfa;
    int yuva = -1;               // accumulator of a sum
};

struct DMetin
{
    std::vector<Parca> parcalar;
    bool sabit = true;
    QString sabitMetin;
};

struct DNesne
{
    const RaporNesnesi *n = nullptr;
    DMetin metin;
    DMetin dosya;
    QFont yaziTipi;
    QImage resim;                // fixed picture path: loaded once
    // Texts: one line's height and the widest Latin letter, mm, so that a
    // short value is known to fit its box without laying it out.
    qreal satirYuksekligi = 0;
    qreal enGenisHarf = 0;
};

struct DBant
{
    const RaporBandi *b = nullptr;
    std::vector<DNesne> nesneler;
    int seviye = -1;             // group bands
    DMetin anahtar;              // group header: the value whose change breaks
};

// A band as it prints this time: each object's text and box (mm, from the
// band's top-left corner) after growing texts have pushed what lies under
// them, and the band's height.
struct Yer
{
    size_t nesne = 0;            // index into DBant::nesneler
    QString metin;               // text, or a picture's path
    QRectF alan;
    QLineF cizgi;                // lines
    bool uzar = false;           // a text that grows with its content
};

struct BantDizimi
{
    std::vector<Yer> yerler;
    qreal yukseklik = 0;
};

struct Baglam
{
    int satir = -1;
    int seviye = -1;
};

struct Durum
{
    int adet = 0;
    std::vector<int> grupAdet;
    std::vector<double> toplam, sayfa;
    std::vector<std::vector<double>> grup;   // [accumulator][level]
};

// ------------------------------------------------------------ layout

class Dizgi
{
public:
    Dizgi(const RaporSablonu &sablon, const VeriKaynagi *kaynak, const QString &baslik,
          const Rapor::AltKaynak &altKaynak);

    RaporBelgesi diz(const std::function<bool(int, int)> &ilerleme);

private:
    // rapordizgiderle.cpp
    void otomatikKolonlar();
    void derle();
    DBant bantDerle(const RaporBandi &b);
    void baglariKur();
    void uyar(const QString &metin);
    QFont yaziTipi(const RaporNesnesi &n) const;
    qreal metinYuksekligi(const QString &metin, const QFont &f, qreal genislik, bool kaydir = true) const;
    // How much of a text fits in a height: the lines that fit and the rest.
    bool metniBol(const QString &metin, const QFont &f, qreal genislik, bool kaydir, qreal yukseklik,
                  QString *ilk, QString *kalan) const;
    void yatayaCevir();
    QImage resimYukle(const QString &yol);

    // raporyertutucu.cpp
    DMetin metinDerle(const QString &metin);
    bool parcaDerle(const QString &icerik, Parca *p);
    void eksikKolonlar(const QStringList &eksikler, Parca *p);
    QString degerlendir(const DMetin &m, const Baglam &c) const;

    // raporsistem.cpp
    bool sistemParcaDerle(const QString &icerik, const QString &ifade, Parca *p);
    QString sistemDegeri(const Parca &p, const Baglam &c) const;

    // rapordizgi.cpp
    void altSatirlar(int satir);
    void isle(int satir);
    void grupSifirla(int seviye);
    void yeniSayfa(int satir);
    void sayfaBitir();
    void sayfaDegistir(int satir);
    void yerlestir(const DBant *b, const Baglam &c, int detaySatiri = -1, qreal ekYukseklik = 0,
                   bool kirilabilir = true);
    std::vector<QString> metinler(const DBant &b, const Baglam &c) const;
    BantDizimi bantDiz(const DBant &b, const std::vector<QString> &metinler) const;
    void uzat(const DBant &b, BantDizimi &z, qreal tabanYukseklik) const;
    bool kes(const DBant &b, const BantDizimi &z, qreal oda, bool zorla, BantDizimi *ilk, BantDizimi *kalan) const;
    void bolerekKoy(const DBant &b, BantDizimi z, const Baglam &c);
    qreal bosSayfaOdasi() const;
    void koy(const DBant &b, const BantDizimi &z);

    RaporSablonu s;
    const VeriKaynagi *k;
    QString m_baslik;
    int n = 0;
    QImage m_olcum;
    QDate m_bugun = QDate::currentDate();
    QTime m_saat = QTime::currentTime();

    std::vector<DBant> m_bantlar;    // compiled, same order as s.bantlar
    const DBant *m_raporBasligi = nullptr, *m_sayfaBasligi = nullptr, *m_kolonBasligi = nullptr,
                *m_detay = nullptr, *m_ozet = nullptr, *m_sayfaAltligi = nullptr;
    std::vector<const DBant *> m_grupBasliklari, m_grupSonlari;   // by level
    std::vector<QString> m_grupKolonlari;
    std::vector<Toplayici> m_toplayicilar;
    QHash<QString, QImage> m_resimler;

    Durum d;
    RaporBelgesi m_belge;
    RaporSayfasi *m_sayfa = nullptr;
    int m_sayfaNo = 0;
    qreal m_y = 0, m_sinir = 0;
    bool m_icerikVar = false;
    int m_sonSatir = -1;
    int m_acikGrup = 0;              // group levels open (their header printed, footer not yet)
    QSet<QString> m_uyarilanlar;
    // Sub-rows: while they print, k and n are the sub-source's.
    Rapor::AltKaynak m_altKaynak;
    const RaporBandi *m_altBant = nullptr;
    const VeriKaynagi *m_anaK = nullptr;
    int m_anaN = 0;
    bool m_altta = false;
};

} // namespace RaporMotoruIc
