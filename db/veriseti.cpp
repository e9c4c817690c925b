#include "db/veriseti.h"

#include "db/hata.h"
#include "db/sqltext.h"
#include "db/baglanti.h"
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

using namespace VeriSetiIc;

namespace {

// The first window is about a screenful, so that a list shows at once; the
// windows after it are larger, so that scrolling reads seldom.
constexpr int ILK_PENCERE = 50;
constexpr int PENCERE = 200;
// Reading on from the window read last (an export, a long scroll), the
// windows grow up to this many rows, so that each statement's own cost
// (an index bitmap for the filter) is paid seldom.
constexpr int BUYUK_PENCERE = 2000;
// Rows the buffer keeps beyond the ones it must (a few hundred kB to a few MB).
constexpr int TAMPON = 4000;

QString satirlar(int adet) { return QStringLiteral(" rows %1").arg(adet); }
QString satirlar(int ilk, int son) { return QStringLiteral(" rows %1 to %2").arg(ilk).arg(son); }

} // namespace

struct VeriSeti::Ozel
{
    VeriSeti *sahip = nullptr;
    const Tablo *tablo = nullptr;
    QString tabloAdi;
    QString baglanti;
    QString sql;
    Durum durum = Durum::Kapali;

    // The columns (names, kinds; no rows): the select's result columns,
    // then the table columns it left out.
    std::vector<Sutun> sutunlar;
    int sonucSayisi = 0;
    QHash<QString, int> sira;                 // upper-case name -> column
    mutable QHash<QString, int> yazimSirasi;  // names as callers spell them
    int anahtarSutunu = -1;
    QStringList sonucAdlari;

    // The rows: windows in row order, not overlapping; a row in none is
    // known to exist but not read (it is read when asked for).
    std::vector<std::unique_ptr<Dilim>> dilimler;
    int satirSayisi = 0;
    int gecerli = -1;
    int sonDilim = -1;        // the window found last (rows are mostly asked for in runs)
    quint64 saat = 0;

    // Reading in windows.
    bool pencereli = false;   // false: every row was read at once
    Pencere::Secim secim;
    bool ileriIndeksli = false, geriIndeksli = false;
    std::vector<int> siraSutunu; // buffer column of each order item; -1: asked from the database
    // While the count is unknown: rows [0, bosluk) are those read from the
    // start, rows [bosluk, satirSayisi) those at the end (the last window,
    // when it was asked for, and the rows the program added); the unknown
    // rest lies between.
    bool kesin = true;
    int bosluk = 0;
    bool kuyruk = false;      // the last window was read
    Pencere::SayimPtr sayim;
    int nesil = 0;            // counts that started before a change are of no use
    // The rows the last window read covered, so that reading on from it
    // reads more at a time.
    int sonOkumaBasi = -1, sonOkumaSonu = -1, sonOkumaBoyu = 0;
    // Rows the program added stay at the end until the list is read again.
    // In a list in key order that is where the database has them too; in
    // any other order their keys are left out of every window and count
    // (the last ones, up to a bound), so that no row shows twice.
    bool anahtarSirali = false;
    bool anahtarIlk = false, anahtarIlkArtan = true; // the order starts with the key (in that direction)
    QVector<qint64> yerelAnahtarlar;
    // Rows are being added or taken out (between the announcement and its
    // end): no reading on then (a model's fetch-more may come in between).
    int yapisal = 0;

    // Pending change.
    std::vector<QVariant> yedek;   // the row before editing
    std::vector<bool> kirli;       // columns set since editing began
    int eklemedenOnceki = -1;      // current row before the pending insert

    std::vector<Kontrol> kontroller;
    QStringEncoder enc{QStringConverter::Utf8, QStringConverter::Flag::Stateless};

    bool gecerliVar() const { return gecerli >= 0 && gecerli < satirSayisi; }

    int sutunBul(const QString &ad) const
    {
        auto it = yazimSirasi.constFind(ad);
        if (it != yazimSirasi.constEnd())
            return *it;
        const int k = sira.value(ad.toUpper(), -1);
        yazimSirasi.insert(ad, k);
        return k;
    }

    void siraKur()
    {
        sira.clear();
        yazimSirasi.clear();
        anahtarSutunu = -1;
        for (int i = 0; i < int(sutunlar.size()); ++i)
            if (!sira.contains(sutunlar[size_t(i)].ad))
                sira.insert(sutunlar[size_t(i)].ad, i);
        if (tablo && !tablo->anahtar.isEmpty())
            anahtarSutunu = sira.value(tablo->anahtar.toUpper(), -1);
    }

    // ------------------------------------------------------------ buffer

    // The window holding row satir, -1 when it is not read.
    int dilimSirasi(int satir)
    {
        if (sonDilim >= 0 && sonDilim < int(dilimler.size())) {
            const Dilim &x = *dilimler[size_t(sonDilim)];
            if (satir >= x.bas && satir < x.son())
                return sonDilim;
        }
        auto it = std::upper_bound(dilimler.begin(), dilimler.end(), satir,
                                   [](int s, const std::unique_ptr<Dilim> &x) { return s < x->bas; });
        if (it == dilimler.begin())
            return -1;
        const int i = int(it - dilimler.begin()) - 1;
        if (satir >= dilimler[size_t(i)]->son())
            return -1;
        sonDilim = i;
        return i;
    }

    // The window holding row satir, read first when needed; li is the row
    // within it. Null when it could not be read.
    Dilim *dilim(int satir, int *li)
    {
        if (satir < 0 || satir >= satirSayisi)
            return nullptr;
        int i = dilimSirasi(satir);
        if (i < 0) {
            yukle(satir);
            i = dilimSirasi(satir);
            if (i < 0)
                return nullptr;
        }
        Dilim *x = dilimler[size_t(i)].get();
        x->kullanim = ++saat;
        *li = satir - x->bas;
        return x;
    }

    QVariant hucre(int satir, int kolon)
    {
        if (kolon < 0 || kolon >= int(sutunlar.size()))
            return QVariant();
        int li = 0;
        Dilim *x = dilim(satir, &li);
        return x ? x->sutunlar[size_t(kolon)].al(li) : QVariant();
    }

    void ayarla(int satir, int kolon, const QVariant &v)
    {
        int li = 0;
        if (Dilim *x = dilim(satir, &li))
            x->sutunlar[size_t(kolon)].ayarla(li, v, enc);
    }

    std::vector<QVariant> satirOku(int satir)
    {
        std::vector<QVariant> v;
        v.reserve(sutunlar.size());
        int li = 0;
        Dilim *x = dilim(satir, &li);
        for (size_t k = 0; k < sutunlar.size(); ++k)
            v.push_back(x ? x->sutunlar[k].al(li) : QVariant());
        return v;
    }

    void dilimEkle(std::unique_ptr<Dilim> x)
    {
        auto it = std::upper_bound(dilimler.begin(), dilimler.end(), x->bas,
                                   [](int s, const std::unique_ptr<Dilim> &y) { return s < y->bas; });
        x->kullanim = ++saat;
        dilimler.insert(it, std::move(x));
        sonDilim = -1;
    }

    void bosSatirEkle(Dilim &x)
    {
        for (Sutun &s : x.sutunlar)
            s.ekle(bosDeger(s.tur), enc);
        ++x.adet;
    }

    // Drops the least recently used windows beyond the bound; never the
    // current row's, one the program added rows to, or (while the count is
    // unknown) one next to the unknown rows (reading on starts there).
    void buda(const Dilim *korunan)
    {
        qint64 toplam = 0;
        for (const auto &x : dilimler)
            toplam += x->adet;
        if (toplam <= TAMPON)
            return;
        std::vector<Dilim *> adaylar;
        for (const auto &x : dilimler) {
            if (x.get() == korunan || x->yerel > 0 || (gecerli >= x->bas && gecerli < x->son()))
                continue;
            if (!kesin && (x->son() == bosluk || x->bas == bosluk))
                continue;
            adaylar.push_back(x.get());
        }
        std::sort(adaylar.begin(), adaylar.end(), [](Dilim *a, Dilim *b) { return a->kullanim < b->kullanim; });
        QSet<Dilim *> atilacak;
        for (Dilim *x : adaylar) {
            if (toplam <= TAMPON)
                break;
            toplam -= x->adet;
            atilacak.insert(x);
        }
        if (atilacak.isEmpty())
            return;
        dilimler.erase(std::remove_if(dilimler.begin(), dilimler.end(),
                                      [&](const std::unique_ptr<Dilim> &x) { return atilacak.contains(x.get()); }),
                       dilimler.end());
        sonDilim = -1;
    }

    // Takes row satir out of the buffer; the rows after it move up.
    void satirCikar(int satir)
    {
        const int i = dilimSirasi(satir);
        if (i >= 0) {
            Dilim &x = *dilimler[size_t(i)];
            const int li = satir - x.bas;
            if (!x.veritabanindan(li))
                --x.yerel;
            for (Sutun &s : x.sutunlar)
                s.sil(li);
            --x.adet;
            if (x.adet == 0)
                dilimler.erase(dilimler.begin() + i);
        }
        for (auto &y : dilimler)
            if (y->bas > satir)
                --y->bas;
        if (!kesin && satir < bosluk)
            --bosluk;
        --satirSayisi;
        sonDilim = -1;
        sonOkumaBasi = sonOkumaSonu = -1;
    }

    // Rows the program added, at the end of the list (the pending one too).
    int yereller() const
    {
        int n = 0;
        for (const auto &x : dilimler)
            n += x->yerel;
        return n;
    }

    // Rows in the database's order: those before the added ones.
    int veritabanindaki() const { return satirSayisi - yereller(); }

    QStringList yerelKosulu() const
    {
        if (yerelAnahtarlar.isEmpty())
            return {};
        QStringList l;
        for (qint64 k : yerelAnahtarlar)
            l << QString::number(k);
        return {secim.anahtarIfadesi + QStringLiteral(" not in (") + l.join(QLatin1Char(',')) + QLatin1Char(')')};
    }

    QString sayimMetni() const { return Pencere::sayimMetni(secim, yerelKosulu()); }

    // ------------------------------------------------------------ reading

    // Runs a select on the data set's connection with a forward-only query
    // and finishes it at once. hata: the message instead of the error display.
    bool calistir(QSqlQuery &q, const QString &metin, const QVariantList &degerler, QString *hata)
    {
        q.setForwardOnly(true);
        bool tamam;
        if (degerler.isEmpty()) {
            tamam = q.exec(metin);
        } else {
            tamam = q.prepare(metin);
            if (tamam) {
                for (const QVariant &v : degerler)
                    q.addBindValue(v);
                tamam = q.exec();
            }
        }
        if (!tamam) {
            const QSqlError e = q.lastError();
            q.finish();
            if (hata)
                *hata = VeriHatasi::metin(e);
            else
                VeriHatasi::hata(VeriHatasi::metin(e));
        }
        return tamam;
    }

    // Appends the rows of an executed select to x.
    bool satirlariAl(QSqlQuery &q, Dilim &x, QString *hata)
    {
        const int n = sonucSayisi;
        if (q.record().count() != n) {
            q.finish();
            const QString m = QStringLiteral("%1 listesinin kolonları değişti; liste yenilenmeli.").arg(tabloAdi);
            if (hata)
                *hata = m;
            else
                VeriHatasi::hata(m);
            return false;
        }
        const size_t toplam = x.sutunlar.size();
        while (q.next()) {
            for (int i = 0; i < n; ++i)
                x.sutunlar[size_t(i)].ekle(q.value(i), enc);
            for (size_t i = size_t(n); i < toplam; ++i)
                x.sutunlar[i].ekle(bosDeger(x.sutunlar[i].tur), enc);
            ++x.adet;
        }
        const QSqlError e = q.lastError();
        q.finish();
        for (Sutun &s : x.sutunlar)
            s.sikistir();
        if (e.isValid()) {
            if (hata)
                *hata = VeriHatasi::metin(e);
            else
                VeriHatasi::hata(VeriHatasi::metin(e));
            return false;
        }
        return true;
    }

    bool sec(const QString &metin, const QVariantList &degerler, Dilim &x, QString *hata = nullptr)
    {
        QSqlQuery q(Baglanti::vt(baglanti));
        return calistir(q, metin, degerler, hata) && satirlariAl(q, x, hata);
    }

    std::optional<QVector<qint64>> anahtarlar(const QString &metin, const QVariantList &degerler, QString *hata)
    {
        QSqlQuery q(Baglanti::vt(baglanti));
        if (!calistir(q, metin, degerler, hata))
            return std::nullopt;
        QVector<qint64> v;
        while (q.next())
            v << q.value(0).toLongLong();
        const QSqlError e = q.lastError();
        q.finish();
        if (e.isValid()) {
            if (hata)
                *hata = VeriHatasi::metin(e);
            else
                VeriHatasi::hata(VeriHatasi::metin(e));
            return std::nullopt;
        }
        return v;
    }

    // Rows of keys k (in any order) put in the order of k.
    bool anahtarSirasiyla(const QVector<qint64> &k, Dilim &x, QString *hata)
    {
        if (k.isEmpty())
            return true;
        Dilim gelen(sutunlar);
        // The engine takes at most 1500 values in one IN list.
        constexpr int PARCA = 500;
        for (int bas = 0; bas < k.size(); bas += PARCA) {
            QStringList l;
            for (int i = bas; i < qMin<int>(int(k.size()), bas + PARCA); ++i)
                l << QString::number(k.at(i)); // keys are numbers from the database, never a user's text
            const QString icinde =
                secim.anahtarIfadesi + QStringLiteral(" in (") + l.join(QLatin1Char(',')) + QLatin1Char(')');
            // The keys came through the filter; without a join the filter need
            // not be evaluated again (an index bitmap of its own otherwise).
            if (!sec(secim.bas + secim.kaynak
                         + (secim.tekTablo ? QStringLiteral(" where ") + icinde : Pencere::kosul(secim, {icinde})),
                     {}, gelen, hata))
                return false;
        }
        QHash<qint64, int> yer;
        const Sutun &as = gelen.sutunlar[size_t(anahtarSutunu)];
        for (int i = 0; i < gelen.adet; ++i)
            if (!as.bosMu(i))
                yer.insert(as.al(i).toLongLong(), i);
        for (qint64 a : k) {
            const int i = yer.value(a, -1);
            if (i < 0)
                continue; // deleted since: the window is one row short
            for (size_t c = 0; c < x.sutunlar.size(); ++c)
                x.sutunlar[c].ekleKopya(gelen.sutunlar[c], i);
            ++x.adet;
        }
        for (Sutun &s : x.sutunlar)
            s.sikistir();
        return true;
    }

    // Reads rows in the order of the given direction (conditions kosullar,
    // values degerler, the ROWS clause sinir) and returns them in the
    // data set's order. Where an index walks the order, one statement reads
    // them; else the keys come first (the engine then sorts only keys and
    // order values, not whole rows) and the rows are read by key.
    //
    // Reading along the key downwards without a descending index (the end
    // of a list in key order, a list newest first) would sort every key
    // before the window; with tavan (a key at or above the window's, istenen
    // rows wanted) the keys are looked for in ranges below it first, each a
    // few windows wide, and only then without a bound.
    std::unique_ptr<Dilim> pencereOku(const QStringList &kosullar, const QVariantList &degerler, bool ileri,
                                      const QString &sinir, QString *hata = nullptr, qint64 tavan = -1,
                                      int istenen = 0)
    {
        auto x = std::make_unique<Dilim>(sutunlar);
        const QString kosulMetni = Pencere::kosul(secim, kosullar + yerelKosulu());
        const QString siraMetni = Pencere::siralama(secim, ileri);
        if (ileri ? ileriIndeksli : geriIndeksli) {
            if (!sec(secim.bas + secim.kaynak + kosulMetni + siraMetni + sinir, degerler, *x, hata))
                return nullptr;
            if (!ileri) {
                auto ters = std::make_unique<Dilim>(sutunlar);
                for (int i = x->adet - 1; i >= 0; --i) {
                    for (size_t c = 0; c < ters->sutunlar.size(); ++c)
                        ters->sutunlar[c].ekleKopya(x->sutunlar[c], i);
                    ++ters->adet;
                }
                return ters;
            }
            return x;
        }
        std::optional<QVector<qint64>> k;
        if (anahtarAzalanOkuma(ileri) && tavan >= 0 && istenen > 0) {
            qint64 genislik = 4LL * istenen;
            for (int deneme = 0; deneme < 4; ++deneme, genislik *= 8) {
                const QString aralik = secim.anahtarIfadesi + QStringLiteral(" > ") + QString::number(tavan - genislik);
                k = anahtarlar(QStringLiteral("select ") + secim.anahtarIfadesi + QLatin1Char(' ') + secim.kaynak
                                   + Pencere::kosul(secim, kosullar + yerelKosulu() + QStringList{aralik})
                                   + siraMetni + sinir,
                               degerler, hata);
                if (!k)
                    return nullptr;
                if (k->size() >= istenen)
                    break;
                k.reset();
            }
        }
        if (!k)
            k = anahtarlar(QStringLiteral("select ") + secim.anahtarIfadesi + QLatin1Char(' ') + secim.kaynak
                               + kosulMetni + siraMetni + sinir,
                           degerler, hata);
        if (!k)
            return nullptr;
        if (!ileri)
            std::reverse(k->begin(), k->end());
        if (!anahtarSirasiyla(*k, *x, hata))
            return nullptr;
        return x;
    }

    // A key at or above every key of the list: the generator's value (keys
    // written past it are still found, the ranges have no upper end); -1
    // when the table has no generator.
    qint64 ustAnahtar()
    {
        if (!tablo || tablo->uretec.isEmpty())
            return -1;
        QString h;
        auto v = Sorgu::tekDeger(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(tablo->uretec), {},
                                 baglanti, &h);
        return v ? v->toLongLong() : -1;
    }

    void ilkAyarla()
    {
        anahtarIlk = secim.pencereli && tablo && !secim.sira.isEmpty()
                     && secim.sira.first().kolon == tablo->anahtar.toUpper();
        anahtarIlkArtan = anahtarIlk && secim.sira.first().artan;
        anahtarSirali = anahtarIlk && anahtarIlkArtan;
    }

    // Whether a read in the given direction goes down the key.
    bool anahtarAzalanOkuma(bool ileri) const { return anahtarIlk && ileri != anahtarIlkArtan; }

    qint64 anahtarAt(int satir)
    {
        const QVariant v = hucre(satir, anahtarSutunu);
        return v.isNull() ? -1 : v.toLongLong();
    }

    // The order values of row satir (as read: a row being edited gives its
    // values before editing), from the buffer where every order item is a
    // column read, else asked from the database by the row's key.
    std::optional<QVariantList> sinirDegerleri(int satir)
    {
        int li = 0;
        Dilim *x = dilim(satir, &li);
        if (!x)
            return std::nullopt;
        const bool yedekten = durum == Durum::Duzenle && satir == gecerli && yedek.size() == sutunlar.size();
        auto deger = [&](int k) { return yedekten ? yedek[size_t(k)] : x->sutunlar[size_t(k)].al(li); };
        QVariantList r;
        bool hepsi = true;
        for (int k : siraSutunu) {
            if (k < 0) {
                hepsi = false;
                break;
            }
            r << deger(k);
        }
        if (hepsi)
            return r;
        const QVariant a = deger(anahtarSutunu);
        if (a.isNull())
            return std::nullopt;
        QString h;
        auto s = Sorgu::sec(Pencere::degerMetni(secim), {a}, baglanti, &h);
        if (!s || s->satirlar.isEmpty())
            return std::nullopt;
        return QVariantList(s->satirlar.first());
    }

    // Reads the window around an unread row satir. The gap it lies in is
    // known in size; a window next to a read one continues it by key, one
    // far from any is read by position, counted from the nearer end. While
    // the count is unknown, positions are known from the start among the
    // rows read from the start, and from the end among the rows of the end.
    void yukle(int satir)
    {
        if (!pencereli || satir < 0 || satir >= satirSayisi)
            return;
        auto it = std::upper_bound(dilimler.begin(), dilimler.end(), satir,
                                   [](int s, const std::unique_ptr<Dilim> &x) { return s < x->bas; });
        Dilim *a = it == dilimler.begin() ? nullptr : (it - 1)->get();
        Dilim *b = it == dilimler.end() ? nullptr : it->get();
        if (a && satir < a->son())
            return;
        int h0 = a ? a->son() : 0;
        int h1 = b ? b->bas : satirSayisi;
        const bool basaGore = kesin || satir < bosluk;
        const bool sonaGore = kesin || satir >= bosluk;
        if (!kesin) {
            // The unknown rows lie at bosluk: no gap reaches across it.
            if (satir < bosluk && h1 > bosluk) {
                h1 = bosluk;
                b = nullptr;
            } else if (satir >= bosluk && h0 < bosluk) {
                h0 = bosluk;
                a = nullptr;
            }
        }
        const int bosluktaki = h1 - h0;
        const int vt = veritabanindaki();
        const bool aUygun = a && a->yerel == 0 && a->adet > 0;
        const bool bUygun = b && b->veritabanindan(0);

        int bas = 0, adet = 0;
        std::unique_ptr<Dilim> x;
        bool sondan = false; // rows fill the gap from its end: any shortfall is at the front
        QString hata;
        QVariantList degerler;
        const bool ardindan = h0 > 0 && h0 == sonOkumaSonu;
        const bool oncesinden = h1 == sonOkumaBasi;
        const int buyuk = qMin(BUYUK_PENCERE, 2 * qMax(PENCERE, sonOkumaBoyu));
        if (satir - h0 < PENCERE && (aUygun || (h0 == 0 && basaGore))) {
            adet = qMin(ardindan ? buyuk : PENCERE, bosluktaki);
            bas = h0;
            QStringList k;
            if (h0 > 0) {
                if (auto r = sinirDegerleri(h0 - 1))
                    k << Pencere::sonrasi(secim, true, *r, &degerler);
                else
                    adet = 0;
            }
            if (adet > 0)
                x = pencereOku(k, degerler, true, satirlar(adet), &hata,
                               anahtarAzalanOkuma(true) ? (h0 > 0 ? anahtarAt(h0 - 1) : ustAnahtar()) : -1, adet);
        } else if (h1 - 1 - satir < PENCERE && (bUygun || (h1 == vt && sonaGore))) {
            // Before the next window read, or the last rows of the database's order.
            adet = qMin(oncesinden ? buyuk : PENCERE, bosluktaki);
            bas = h1 - adet;
            sondan = true;
            QStringList k;
            if (bUygun) {
                if (auto r = sinirDegerleri(h1))
                    k << Pencere::sonrasi(secim, false, *r, &degerler);
                else
                    adet = 0;
            }
            if (adet > 0)
                x = pencereOku(k, degerler, false, satirlar(adet), &hata,
                               anahtarAzalanOkuma(false) ? (bUygun ? anahtarAt(h1) : ustAnahtar()) : -1, adet);
        }
        if (!x && hata.isEmpty()) {
            // Far from any window read (or its neighbour cannot be continued):
            // by position.
            int ilk = qMax(h0, satir - PENCERE / 2);
            const int son = qMin(h1, ilk + PENCERE);
            ilk = qMax(h0, son - PENCERE);
            bas = ilk;
            adet = son - ilk;
            degerler.clear();
            // From the nearer end, unless only the forward order has an index
            // to walk: skipping along an index costs less than sorting.
            const bool ileriYeg = ileriIndeksli && !geriIndeksli;
            if (basaGore && (!sonaGore || ileriYeg || ilk <= vt - son)) {
                sondan = false;
                x = pencereOku({}, {}, true, satirlar(ilk + 1, son), &hata);
            } else {
                sondan = true;
                x = pencereOku({}, {}, false, satirlar(vt - son + 1, vt - ilk), &hata);
            }
        }
        if (!x) {
            // Shown as empty rows rather than asked for again at every paint.
            if (!hata.isEmpty())
                VeriHatasi::hata(hata);
            x = std::make_unique<Dilim>(sutunlar);
        }
        if (x->adet < adet) {
            // Rows deleted since the count: the places stay, empty, until the
            // list is read again.
            auto tam = std::make_unique<Dilim>(sutunlar);
            const int eksik = adet - x->adet;
            if (sondan)
                for (int i = 0; i < eksik; ++i)
                    bosSatirEkle(*tam);
            for (int i = 0; i < x->adet; ++i) {
                for (size_t c = 0; c < tam->sutunlar.size(); ++c)
                    tam->sutunlar[c].ekleKopya(x->sutunlar[c], i);
                ++tam->adet;
            }
            if (!sondan)
                for (int i = 0; i < eksik; ++i)
                    bosSatirEkle(*tam);
            x = std::move(tam);
        }
        x->bas = bas;
        sonOkumaBasi = bas;
        sonOkumaSonu = bas + x->adet;
        sonOkumaBoyu = x->adet;
        Dilim *yeni = x.get();
        dilimEkle(std::move(x));
        buda(yeni);
    }

    // ------------------------------------------------------------ the count

    // Rows that became known, inserted where the unknown rows lie: at the
    // front of them (basTarafi: read on from the start) or at their back.
    // x (may be null) is placed konum rows into them; the rest are unread.
    void araYaEkle(int adet, std::unique_ptr<Dilim> x, int konum, bool basTarafi)
    {
        if (adet <= 0)
            return;
        const int ilk = bosluk;
        ++yapisal;
        emit sahip->satirlarEklenecek(ilk, adet);
        for (auto &y : dilimler)
            if (y->bas >= ilk)
                y->bas += adet;
        Dilim *yeni = x.get();
        if (x) {
            x->bas = ilk + konum;
            dilimEkle(std::move(x));
        }
        satirSayisi += adet;
        const bool kaydi = gecerli >= ilk;
        if (kaydi)
            gecerli += adet;
        if (eklemedenOnceki >= ilk)
            eklemedenOnceki += adet;
        if (basTarafi)
            bosluk += adet;
        sonDilim = -1;
        sonOkumaBasi = sonOkumaSonu = -1;
        emit sahip->satirlarEklendi(ilk, adet);
        --yapisal;
        if (kaydi)
            emit sahip->gecerliSatirDegisti(gecerli);
        buda(yeni);
    }

    void kesinlestir()
    {
        if (kesin)
            return;
        kesin = true;
        Pencere::birak(sayim);
        sayim.reset();
        ++nesil;
        emit sahip->sayiDegisti(satirSayisi);
    }

    void sayimUygula(qint64 sayi)
    {
        if (kesin)
            return;
        const int vt = veritabanindaki();
        const int eksik = int(qMin<qint64>(sayi, INT_MAX / 2)) - vt;
        // Fewer rows than known (deleted elsewhere since): the known ones
        // stay until the list is read again.
        araYaEkle(eksik, nullptr, 0, true);
        kesinlestir();
    }

    // Counts here, on the data set's connection (inside an open Islem the
    // worker's connection would not see its rows).
    bool buradaSay()
    {
        auto v = Sorgu::tekDeger(sayimMetni(), {}, baglanti);
        if (!v)
            return false;
        sayimUygula(v->toLongLong());
        return true;
    }

    // The count after the first window is on screen (a zero timer), or at
    // once inside an Islem.
    void sayimPlanla()
    {
        if (kesin || durum == Durum::Kapali)
            return;
        Pencere::birak(sayim);
        sayim.reset();
        if (Islem::acikMi(baglanti)) {
            buradaSay();
            return;
        }
        const int n = nesil;
        QTimer::singleShot(0, sahip, [this, n] {
            if (n != nesil || kesin || sayim || durum == Durum::Kapali)
                return;
            sayim = Pencere::sayimBaslat(baglanti, sayimMetni(), sahip, [this, n](qint64 sayi) {
                if (n == nesil)
                    sayimUygula(sayi);
            });
        });
    }

    // A change written while the count is unknown: a count begun before it
    // may or may not have seen it.
    void sayimYenile()
    {
        if (kesin || durum == Durum::Kapali)
            return;
        ++nesil;
        sayimPlanla();
    }

    // Reads on after the rows read from the start (and before the last
    // window, when it was read). True when rows were added.
    bool ileriOku()
    {
        if (kesin || !pencereli || durum == Durum::Kapali || bosluk <= 0 || yapisal)
            return false;
        auto r = sinirDegerleri(bosluk - 1);
        if (!r)
            return false;
        QVariantList degerler;
        QStringList k{Pencere::sonrasi(secim, true, *r, &degerler)};
        if (kuyruk && bosluk < satirSayisi) {
            auto s = sinirDegerleri(bosluk);
            if (!s)
                return false;
            k << Pencere::sonrasi(secim, false, *s, &degerler);
        }
        auto x = pencereOku(k, degerler, true, satirlar(PENCERE), nullptr,
                            anahtarAzalanOkuma(true) ? anahtarAt(bosluk - 1) : -1, PENCERE);
        if (!x)
            return false;
        const int adet = x->adet;
        araYaEkle(adet, std::move(x), 0, true);
        if (adet < PENCERE)
            kesinlestir();
        return adet > 0;
    }

    // Reads the window before the rows of the end (the last window of the
    // list when none of them was read yet).
    bool geriOku()
    {
        if (kesin || !pencereli || durum == Durum::Kapali || yapisal)
            return false;
        QVariantList degerler;
        QStringList k;
        if (kuyruk && bosluk < satirSayisi) {
            auto s = sinirDegerleri(bosluk);
            if (!s)
                return false;
            k << Pencere::sonrasi(secim, false, *s, &degerler);
        }
        if (bosluk > 0) {
            auto r = sinirDegerleri(bosluk - 1);
            if (!r)
                return false;
            k << Pencere::sonrasi(secim, true, *r, &degerler);
        }
        const qint64 tavan = !anahtarAzalanOkuma(false)             ? -1
                             : (kuyruk && bosluk < satirSayisi) ? anahtarAt(bosluk)
                                                                : ustAnahtar();
        auto x = pencereOku(k, degerler, false, satirlar(PENCERE), nullptr, tavan, PENCERE);
        if (!x)
            return false;
        const int adet = x->adet;
        kuyruk = true;
        araYaEkle(adet, std::move(x), 0, false);
        if (adet < PENCERE)
            kesinlestir();
        return adet > 0;
    }
};

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
        if (!ekleme && !s.sonuctan && !kirli)
            continue;
        QVariant v = simdiki[size_t(i)];
        if (s.depo == Depo::Metin) {
            QString m = v.toString();
            if (v.isNull() || m.isEmpty()) {
                v = bosDeger(s.tur);
            } else {
                const QString yabanci = Win1254::disindakiler(m);
                if (!yabanci.isEmpty()) {
                    VeriHatasi::bilgi(QStringLiteral("%1 alanındaki metin veritabanının karakter setinde olmayan "
                                                 "harfler içeriyor: %2")
                                      .arg(s.ad, yabanci));
                    return false;
                }
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
            VeriHatasi::hata(QStringLiteral("%1 kaydının anahtarı (%2) okunmadığı için kayıt güncellenemez.")
                            .arg(d->tabloAdi, d->tablo->anahtar));
            return false;
        }
        QStringList atamalar;
        for (const Yazilacak &y : yazilacaklar) {
            atamalar << y.ad + QStringLiteral("=?");
            degerler << y.deger;
        }
        if (atamalar.isEmpty()) {
            d->durum = Durum::Gozat;
            emit durumDegisti(d->durum);
            return true;
        }
        sql = QStringLiteral("update %1 set %2 where %3=?")
                  .arg(d->tablo->ad, atamalar.join(QLatin1Char(',')), d->tablo->anahtar);
        degerler << d->yedek[size_t(d->anahtarSutunu)];
    }

    // Outside an Islem the driver runs the statement in a transaction of
    // its own and commits it; inside one, the Islem commits.
    if (!Sorgu::calistir(sql, degerler, d->baglanti))
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
    if (!Sorgu::calistir(QStringLiteral("delete from %1 where %2=?").arg(d->tablo->ad, d->tablo->anahtar), {k},
                         d->baglanti))
        return false;
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
