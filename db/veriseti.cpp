#include "db/veriseti.h"
#include "db/verisetiozel.h"

#include "db/hata.h"
#include "db/sqltext.h"
#include "db/baglanti.h"
#include "db/olaylar.h"
#include "db/pencere.h"
#include "db/sorgu.h"
#include "db/verisetisutun.h"
#include "db/win1254.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>


VeriSeti::VeriSeti(const QString &tablo, QObject *ust, const QString &baglanti)
    : QObject(ust)
    , d(new Ozel)
{
    d->sahip = this;
    d->tablo = TabloBul(tablo);
    d->tabloAdi = d->tablo ? d->tablo->ad : tablo.toUpper();
    d->baglanti = baglanti.isEmpty() ? Baglanti::Paylasilan : baglanti;
    if (!d->tablo)
        qWarning("VeriSeti: tanımsız tablo %s", qPrintable(tablo));
}

VeriSeti::~VeriSeti()
{
    if (d->abone)
        DegisiklikOlaylari::ornek().birak(d->baglanti, d->tabloAdi);
    // A count still running finds nobody to tell.
    Pencere::birak(d->sayim);
    delete d;
}

const Tablo &VeriSeti::tablo() const { return d->tablo ? *d->tablo : bosTablo(); }
QString VeriSeti::baglantiAdi() const { return d->baglanti; }

void VeriSeti::selectMetniAyarla(const QString &sql) { d->sql = sql; }
QString VeriSeti::selectMetni() const
{
    if (d->sql.isEmpty())
        return SelectBasi(d->tabloAdi.toLower());
    return d->sql;
}

int VeriSeti::pencereBoyu() { return PENCERE; }
int VeriSeti::tamponSiniri() { return TAMPON; }

int VeriSeti::tampondakiSatir() const
{
    int n = 0;
    for (const auto &x : d->dilimler)
        n += x->adet;
    return n;
}

bool VeriSeti::tampondaMi(int satir) const
{
    return satir >= 0 && satir < d->satirSayisi && d->dilimSirasi(satir) >= 0;
}

void VeriSeti::sayimlariBekle() { Pencere::hepsiniBekle(); }

namespace {

// The columns of a select's result, then the table columns it left out
// (writable, read as NULL).
void kalipKur(const QSqlRecord &kayit, const Tablo *tablo, std::vector<Sutun> *kalip, QStringList *adlar)
{
    const int kolonSayisi = kayit.count();
    QSet<QString> gorulen;
    kalip->clear();
    kalip->resize(size_t(kolonSayisi));
    adlar->clear();
    for (int i = 0; i < kolonSayisi; ++i) {
        Sutun &s = (*kalip)[size_t(i)];
        s.ad = kayit.fieldName(i).toUpper();
        *adlar << s.ad;
        const Kolon *k = (tablo && !gorulen.contains(s.ad)) ? tablo->kolon(s.ad) : nullptr;
        gorulen.insert(s.ad);
        if (k) {
            s.kolon = k;
            s.tur = k->tur;
            s.depo = depoTuru(k->tur);
        } else {
            sonucTuru(QMetaType::Type(kayit.field(i).metaType().id()), &s.tur, &s.depo);
        }
        // CHAR(n) (a literal, a legacy column) comes padded to n bytes of
        // UTF-8: the blanks mean nothing.
        s.sabitUzunluk = Sorgu::sabitUzunluk(kayit.field(i));
    }
    if (tablo) {
        for (const Kolon &k : tablo->kolonlar) {
            if (gorulen.contains(k.ad.toUpper()))
                continue;
            Sutun s;
            s.ad = k.ad.toUpper();
            s.kolon = &k;
            s.tur = k.tur;
            s.depo = depoTuru(k.tur);
            s.sonuctan = false;
            kalip->push_back(std::move(s));
        }
    }
}

} // namespace

bool VeriSeti::ac()
{
    if (duzenleniyorMu())
        iptal();

    QSqlDatabase db = Baglanti::vt(d->baglanti);
    // A connection the server dropped that could not be opened again then:
    // the server may be back now.
    if (!db.isOpen() && Baglanti::koptuMu(d->baglanti) && !Islem::acikMi(d->baglanti)
        && !Baglanti::yenidenAc(d->baglanti)) {
        VeriHatasi::hata(VeriHatasi::baglantiKoptuMetni(false, false));
        return false;
    }
    if (!db.isOpen()) {
        VeriHatasi::hata(QStringLiteral("Veritabanı bağlantısı açık değil."));
        return false;
    }

    // A search text the character set cannot hold: the Turkish message, no query.
    if (const QString yabanci = Win1254::disindakiler(selectMetni()); !yabanci.isEmpty()) {
        VeriHatasi::bilgi(Win1254::uyari(yabanci));
        return false;
    }

    // The new state is built aside: on an error the rows shown stay.
    Ozel y;
    y.tablo = d->tablo;
    y.tabloAdi = d->tabloAdi;
    y.baglanti = d->baglanti;
    y.secim = d->tablo ? Pencere::coz(selectMetni(), *d->tablo) : Pencere::Secim();
    std::unique_ptr<Dilim> ilk;

    // Reads one statement's rows into ilk, the columns from its result.
    auto oku = [&](const QString &metin, QString *hata) -> bool {
        QSqlQuery q(db);
        if (!y.calistir(q, metin, {}, hata))
            return false;
        QStringList adlar;
        kalipKur(q.record(), d->tablo, &y.sutunlar, &adlar);
        y.sonucAdlari = adlar;
        y.sonucSayisi = int(adlar.size());
        ilk = std::make_unique<Dilim>(y.sutunlar);
        return y.satirlariAl(q, *ilk, hata);
    };

    bool pencereli = y.secim.pencereli;
    if (pencereli) {
        const QList<Pencere::DbIndeks> indeksler = Pencere::indeksler(d->baglanti, *d->tablo);
        y.ileriIndeksli = Pencere::indeksle(y.secim, indeksler, true);
        y.geriIndeksli = Pencere::indeksle(y.secim, indeksler, false);
        const QString kosul = Pencere::kosul(y.secim);
        const QString sira = Pencere::siralama(y.secim, true);
        QString hata;
        if (y.ileriIndeksli) {
            pencereli = oku(y.secim.bas + y.secim.kaynak + kosul + sira + satirlar(ILK_PENCERE), &hata);
        } else {
            // The result's columns from a statement that reads no row, then
            // the first keys in order and their rows.
            pencereli = oku(y.secim.bas + y.secim.kaynak + Pencere::kosul(y.secim, {QStringLiteral("1=0")}), &hata);
            if (pencereli) {
                y.siraKur();
                pencereli = y.anahtarSutunu >= 0 && y.sutunlar[size_t(y.anahtarSutunu)].sonuctan;
            }
            if (pencereli) {
                y.ilkAyarla();
                auto x = y.pencereOku({}, {}, true, satirlar(ILK_PENCERE), &hata,
                                      y.anahtarAzalanOkuma(true) ? y.ustAnahtar() : -1, ILK_PENCERE);
                pencereli = x != nullptr;
                if (x)
                    ilk = std::move(x);
            }
        }
        if (pencereli) {
            y.siraKur();
            // Windows continue from a row's key, so the key must be read.
            pencereli = y.anahtarSutunu >= 0 && y.sutunlar[size_t(y.anahtarSutunu)].sonuctan;
        }
        // Anything the windowed reading could not do is left to the
        // statement as written, read in one go.
    }
    if (!pencereli) {
        QString hata;
        if (!oku(selectMetni(), &hata)) {
            VeriHatasi::hata(hata);
            return false;
        }
        y.siraKur();
    }
    const int n = ilk->adet;

    // The buffer column of each order item, where it is a plain column of
    // the table read under its own name.
    std::vector<int> siraSutunu;
    if (pencereli) {
        for (const Pencere::SiraOgesi &o : y.secim.sira) {
            int k = o.kolon.isEmpty() ? -1 : y.sira.value(o.kolon, -1);
            if (k >= 0 && (!y.sutunlar[size_t(k)].sonuctan || !y.sutunlar[size_t(k)].kolon))
                k = -1;
            // "… as HASTAADISOYADI" may give the name to something else.
            if (k >= 0 && o.kolon != d->tablo->anahtar.toUpper()
                && y.secim.liste.contains(
                    QRegularExpression(QStringLiteral("\\bas\\s+\"?%1\"?\\b").arg(o.kolon),
                                       QRegularExpression::CaseInsensitiveOption)))
                k = -1;
            siraSutunu.push_back(k);
        }
    }

    const bool acikti = d->durum != Durum::Kapali;
    Pencere::birak(d->sayim);
    ++d->yapisal;
    emit sifirlanacak();
    d->sutunlar = std::move(y.sutunlar);
    d->sonucAdlari = y.sonucAdlari;
    d->sonucSayisi = y.sonucSayisi;
    d->dilimler.clear();
    if (n > 0) {
        ilk->bas = 0;
        d->dilimler.push_back(std::move(ilk));
    }
    d->sonDilim = -1;
    d->sonOkumaBasi = d->sonOkumaSonu = -1;
    d->satirSayisi = n;
    d->gecerli = n > 0 ? 0 : -1;
    d->yedek.clear();
    d->kirli.clear();
    d->eklemedenOnceki = -1;
    d->siraKur();
    d->pencereli = pencereli;
    d->secim = y.secim;
    d->secim.pencereli = pencereli;
    d->ileriIndeksli = y.ileriIndeksli;
    d->geriIndeksli = y.geriIndeksli;
    d->siraSutunu = siraSutunu;
    d->ilkAyarla();
    d->yerelAnahtarlar.clear();
    d->kesin = !pencereli || n < ILK_PENCERE;
    d->bosluk = n;
    d->kuyruk = false;
    d->sayim.reset();
    ++d->nesil;
    d->durum = Durum::Gozat;
    emit acildi();
    --d->yapisal;
    if (!acikti)
        emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(d->gecerli);
    d->sayimPlanla();
    return true;
}

void VeriSeti::kapat()
{
    if (d->durum == Durum::Kapali)
        return;
    if (duzenleniyorMu())
        iptal();
    Pencere::birak(d->sayim);
    d->sayim.reset();
    ++d->nesil;
    ++d->yapisal;
    emit sifirlanacak();
    d->sutunlar.clear();
    d->sonucAdlari.clear();
    d->sonucSayisi = 0;
    d->dilimler.clear();
    d->sonDilim = -1;
    d->satirSayisi = 0;
    d->gecerli = -1;
    d->pencereli = false;
    d->kesin = true;
    d->bosluk = 0;
    d->kuyruk = false;
    d->yerelAnahtarlar.clear();
    d->siraKur();
    d->durum = Durum::Kapali;
    emit kapandi();
    --d->yapisal;
    emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(-1);
}

bool VeriSeti::acikMi() const { return d->durum != Durum::Kapali; }

void VeriSeti::degisiklikleriIzle(bool izle)
{
    if (d->izle == izle)
        return;
    d->izle = izle;
    auto &o = DegisiklikOlaylari::ornek();
    if (!izle) {
        disconnect(&o, nullptr, this, nullptr);
        if (d->abone)
            o.birak(d->baglanti, d->tabloAdi);
        d->abone = false;
        d->bayat = false;
        return;
    }
    d->abone = true;
    o.abone(d->baglanti, d->tabloAdi);
    connect(&o, &DegisiklikOlaylari::degisti, this, [this](const QString &baglanti, const QString &tablo) {
        if (baglanti != d->baglanti || tablo != d->tabloAdi || d->durum == Durum::Kapali)
            return;
        d->bayat = true;
        yenilemeyiPlanla();
    });
    // After an edit ends, what came meanwhile is read.
    connect(this, &VeriSeti::durumDegisti, this, [this](Durum s) {
        if (s == Durum::Gozat && d->bayat)
            yenilemeyiPlanla();
    });
}

bool VeriSeti::bayatMi() const { return d->bayat; }

void VeriSeti::yenilemeyiPlanla()
{
    // Several events in a row (an import, a posting of many rows) cost one
    // reading; it waits while a change is pending here or a transaction is open.
    if (d->yenilemePlanli)
        return;
    d->yenilemePlanli = true;
    QTimer::singleShot(150, this, [this] {
        d->yenilemePlanli = false;
        if (!d->bayat || d->durum != Durum::Gozat)
            return;
        if (Islem::acikMi(d->baglanti)) {
            yenilemeyiPlanla();
            return;
        }
        d->bayat = false;
        emit kendiligindenYenileniyor(true);
        yenile();
        emit kendiligindenYenileniyor(false);
    });
}

bool VeriSeti::yenile()
{
    if (duzenleniyorMu())
        iptal();
    const qint64 k = anahtar();
    const int eski = d->gecerli;
    if (!ac())
        return false;
    if (k != 0 && bul(k))
        return true;
    if (eski >= 0 && d->satirSayisi > 0)
        satiraGit(qMin(eski, d->satirSayisi - 1));
    return true;
}

int VeriSeti::kayitSayisi() const { return d->satirSayisi; }
bool VeriSeti::sayiKesinMi() const { return d->kesin; }

int VeriSeti::kesinKayitSayisi() const
{
    if (d->kesin || d->durum == Durum::Kapali)
        return d->satirSayisi;
    qint64 sayi = 0;
    if (d->sayim && Pencere::bekle(d->sayim, &sayi))
        d->sayimUygula(sayi);
    else
        d->buradaSay();
    return d->satirSayisi;
}

bool VeriSeti::dahaFazlaVar() const
{
    return d->durum != Durum::Kapali && d->pencereli && !d->kesin && d->bosluk == d->satirSayisi && !d->yapisal;
}

bool VeriSeti::dahaFazlaOku() { return dahaFazlaVar() && d->ileriOku(); }

int VeriSeti::gecerliSatir() const { return d->gecerli; }

bool VeriSeti::satiraGit(int satir)
{
    if (duzenleniyorMu() || satir < 0 || satir >= d->satirSayisi)
        return false;
    int li = 0;
    d->dilim(satir, &li); // the row's window is read before anyone looks at it
    if (satir != d->gecerli) {
        d->gecerli = satir;
        emit gecerliSatirDegisti(satir);
    }
    return true;
}

bool VeriSeti::ilk() { return satiraGit(0); }

bool VeriSeti::son()
{
    if (duzenleniyorMu())
        return false;
    // The last window by the reverse order; the rows between come with the count.
    if (!d->kesin && !d->kuyruk)
        d->geriOku();
    return satiraGit(d->satirSayisi - 1);
}

bool VeriSeti::sonraki()
{
    if (duzenleniyorMu())
        return false;
    if (!d->kesin && d->gecerli == d->bosluk - 1)
        d->ileriOku();
    return d->gecerli + 1 < d->satirSayisi && satiraGit(d->gecerli + 1);
}

bool VeriSeti::onceki()
{
    if (duzenleniyorMu())
        return false;
    if (!d->kesin && d->kuyruk && d->gecerli == d->bosluk && d->bosluk > 0)
        d->geriOku();
    return d->gecerli > 0 && satiraGit(d->gecerli - 1);
}

bool VeriSeti::bul(qint64 anahtar)
{
    if (duzenleniyorMu() || d->anahtarSutunu < 0)
        return false;
    // Among the rows read.
    for (const auto &x : d->dilimler) {
        const Sutun &s = x->sutunlar[size_t(d->anahtarSutunu)];
        for (int i = 0; i < x->adet; ++i) {
            if (s.bosMu(i))
                continue;
            const qint64 k = s.depo == Depo::Tam ? s.tam[size_t(i)] : s.al(i).toLongLong();
            if (k == anahtar)
                return satiraGit(x->bas + i);
        }
    }
    if (!d->pencereli)
        return false;
    if (d->kesin) {
        int okunan = 0;
        for (const auto &x : d->dilimler)
            okunan += x->adet;
        if (okunan >= d->satirSayisi)
            return false;
    }
    // The row's order values, and the number of rows before it.
    QString h;
    auto r = Sorgu::sec(Pencere::degerMetni(d->secim), {anahtar}, d->baglanti, &h);
    if (!r) {
        VeriHatasi::hata(h);
        return false;
    }
    if (r->satirlar.isEmpty())
        return false;
    const QVariantList degerler = r->satirlar.first();
    QVariantList oncekiDegerler;
    const QString once = Pencere::sonrasi(d->secim, false, degerler, &oncekiDegerler);
    auto o = Sorgu::tekDeger(Pencere::sayimMetni(d->secim, QStringList{once} + d->yerelKosulu()), oncekiDegerler,
                             d->baglanti);
    if (!o)
        return false;
    const int p = int(qMin<qint64>(o->toLongLong(), INT_MAX / 2));

    // Its window starts at the row itself.
    QVariantList kd;
    const QStringList kosul{Pencere::sonrasi(d->secim, true, degerler, &kd, true)};
    if (!d->kesin && p >= d->bosluk) {
        if (d->bosluk == d->satirSayisi) {
            // Nothing known after the rows read from the start: they reach
            // on to the row, the rows between unread.
            auto x = d->pencereOku(kosul, kd, true, satirlar(PENCERE));
            if (!x || x->adet == 0)
                return false;
            const int adet = x->adet;
            d->araYaEkle(p - d->bosluk + adet, std::move(x), p - d->bosluk, true);
            if (adet < PENCERE)
                d->kesinlestir();
            return satiraGit(p);
        }
        kesinKayitSayisi();
    }
    if (p >= d->satirSayisi)
        return false;
    if (d->dilimSirasi(p) < 0) {
        auto it = std::upper_bound(d->dilimler.begin(), d->dilimler.end(), p,
                                   [](int s, const std::unique_ptr<Dilim> &x) { return s < x->bas; });
        int h1 = it == d->dilimler.end() ? d->satirSayisi : (*it)->bas;
        if (!d->kesin)
            h1 = qMin(h1, d->bosluk);
        const int adet = qMin(PENCERE, h1 - p);
        auto x = d->pencereOku(kosul, kd, true, satirlar(adet));
        if (!x)
            return false;
        while (x->adet < adet)
            d->bosSatirEkle(*x);
        x->bas = p;
        Dilim *yeni = x.get();
        d->dilimEkle(std::move(x));
        d->buda(yeni);
    }
    return d->hucre(p, d->anahtarSutunu).toLongLong() == anahtar && satiraGit(p);
}

QVariant VeriSeti::deger(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return QVariant();
    return d->hucre(d->gecerli, k);
}

QString VeriSeti::metin(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return QString();
    int li = 0;
    const Dilim *x = d->dilim(d->gecerli, &li);
    if (!x)
        return QString();
    const Sutun &s = x->sutunlar[size_t(k)];
    if (s.bosMu(li))
        return QString();
    switch (s.depo) {
    case Depo::Metin:
        return s.metinAl(li);
    case Depo::Tam:
        return QString::number(s.tam[size_t(li)]);
    case Depo::Ond:
        return QString::number(s.ond[size_t(li)], 'g', 15);
    case Depo::Zaman:
        return zamanCoz(s.tam[size_t(li)]).date().toString(TarihBicimi);
    case Depo::Diger:
        return s.diger[size_t(li)].toString();
    }
    return QString();
}

double VeriSeti::sayi(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return 0.0;
    int li = 0;
    const Dilim *x = d->dilim(d->gecerli, &li);
    if (!x)
        return 0.0;
    const Sutun &s = x->sutunlar[size_t(k)];
    if (s.bosMu(li))
        return 0.0;
    switch (s.depo) {
    case Depo::Tam:
        return double(s.tam[size_t(li)]);
    case Depo::Ond:
        return s.ond[size_t(li)];
    case Depo::Metin: {
        double sonuc = 0.0;
        return sayiOku(s.metinAl(li), &sonuc) ? sonuc : 0.0;
    }
    default:
        return s.al(li).toDouble();
    }
}

qint64 VeriSeti::anahtar() const
{
    if (d->anahtarSutunu < 0 || !d->gecerliVar())
        return 0;
    return d->hucre(d->gecerli, d->anahtarSutunu).toLongLong();
}

QVariant VeriSeti::satirDegeri(int satir, const QString &kolon) const
{
    return satirDegeri(satir, d->sutunBul(kolon));
}

QVariant VeriSeti::satirDegeri(int satir, int kolon) const
{
    if (kolon < 0 || kolon >= int(d->sutunlar.size()) || satir < 0 || satir >= d->satirSayisi)
        return QVariant();
    return d->hucre(satir, kolon);
}

bool VeriSeti::bosMu(int satir, int kolon) const
{
    if (kolon < 0 || kolon >= int(d->sutunlar.size()) || satir < 0 || satir >= d->satirSayisi)
        return true;
    int li = 0;
    const Dilim *x = d->dilim(satir, &li);
    return !x || x->sutunlar[size_t(kolon)].bosMu(li);
}

int VeriSeti::kolonSayisi() const { return int(d->sutunlar.size()); }
int VeriSeti::kolonSirasi(const QString &kolon) const { return d->sutunBul(kolon); }

QString VeriSeti::kolonAdiAt(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].ad : QString();
}

KolonTuru VeriSeti::kolonTuru(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].tur : KolonTuru::Metin;
}

const Kolon *VeriSeti::tabloKolonu(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].kolon : nullptr;
}

QStringList VeriSeti::sonucKolonlari() const { return d->sonucAdlari; }

QString VeriSeti::gecersizDegerMesaji(const QString &kolon, KolonTuru tur, const QString &metin)
{
    if (tur == KolonTuru::Tarih)
        return QStringLiteral("%1 alanındaki \"%2\" geçerli bir tarih değil. Tarihi GG.AA.YYYY biçiminde yazınız.")
            .arg(kolon, metin);
    return QStringLiteral("%1 alanına sayı yazılmalıdır; \"%2\" bir sayı değil.").arg(kolon, metin);
}

bool VeriSeti::degerCevir(KolonTuru tur, const QVariant &girdi, QVariant *sonuc)
{
    if (!girdi.isValid() || girdi.isNull()) {
        *sonuc = bosDeger(tur);
        return true;
    }
    const int tip = girdi.typeId();
    switch (tur) {
    case KolonTuru::Metin:
    case KolonTuru::UzunMetin:
        if (tip == QMetaType::QDate)
            *sonuc = QVariant(girdi.toDate().toString(TarihBicimi));
        else if (tip == QMetaType::QByteArray)
            *sonuc = QVariant(QString::fromUtf8(girdi.toByteArray()));
        else
            *sonuc = QVariant(girdi.toString());
        return true;
    case KolonTuru::Tamsayi:
    case KolonTuru::Ondalik: {
        double x = 0.0;
        if (tip == QMetaType::QString || tip == QMetaType::QByteArray) {
            const QString s = girdi.toString().trimmed();
            if (s.isEmpty()) {
                *sonuc = bosDeger(tur);
                return true;
            }
            if (!sayiOku(s, &x))
                return false;
        } else {
            bool tamam = false;
            x = girdi.toDouble(&tamam);
            if (!tamam || !std::isfinite(x))
                return false;
        }
        if (tur == KolonTuru::Tamsayi) {
            if (std::fabs(x) > 9.0e18)
                return false;
            *sonuc = QVariant(qlonglong(std::llround(x)));
        } else {
            *sonuc = QVariant(x);
        }
        return true;
    }
    case KolonTuru::Tarih: {
        if (tip == QMetaType::QDateTime) {
            const QDateTime z = girdi.toDateTime();
            if (!z.isValid())
                return false;
            *sonuc = QVariant(QDateTime(z.date(), z.time()));
            return true;
        }
        if (tip == QMetaType::QDate) {
            if (!girdi.toDate().isValid())
                return false;
            *sonuc = QVariant(QDateTime(girdi.toDate(), QTime(0, 0)));
            return true;
        }
        const QString s = girdi.toString().trimmed();
        if (BosTarihMaskesi(s)) {
            *sonuc = bosDeger(tur);
            return true;
        }
        QDate t = QDate::fromString(s, TarihBicimi);
        QTime saat(0, 0);
        if (!t.isValid()) {
            // "DD.MM.YYYY hh:mm[:ss]" and ISO forms
            const QDateTime z1 = QDateTime::fromString(s, TarihSaniyeBicimi);
            const QDateTime z2 = QDateTime::fromString(s, TarihSaatBicimi);
            const QDateTime z3 = QDateTime::fromString(s, Qt::ISODate);
            const QDateTime z = z1.isValid() ? z1 : z2.isValid() ? z2 : z3;
            if (!z.isValid())
                return false;
            t = z.date();
            saat = z.time();
        }
        *sonuc = QVariant(QDateTime(t, saat));
        return true;
    }
    }
    return false;
}

bool VeriSeti::degerAyarla(const QString &kolon, const QVariant &deger)
{
    const int k = d->sutunBul(kolon);
    if (k < 0) {
        if (d->durum != Durum::Kapali)
            qWarning("VeriSeti %s: kolon yok: %s", qPrintable(d->tabloAdi), qPrintable(kolon));
        return false;
    }
    if (d->durum == Durum::Kapali || !d->gecerliVar())
        return false;
    const Sutun &s = d->sutunlar[size_t(k)];
    QVariant v;
    if (s.depo == Depo::Diger) {
        v = deger;
    } else if (!degerCevir(s.tur, deger, &v)) {
        VeriHatasi::bilgi(gecersizDegerMesaji(s.ad, s.tur, deger.toString()));
        return false;
    }
    if (d->durum == Durum::Gozat && !duzenle())
        return false;
    d->ayarla(d->gecerli, k, v);
    if (size_t(k) < d->kirli.size())
        d->kirli[size_t(k)] = true;
    emit alanDegisti(s.ad);
    return true;
}

VeriSeti::Durum VeriSeti::durum() const { return d->durum; }
