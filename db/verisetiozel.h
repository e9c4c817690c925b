#pragma once
// The inside of the data set (db/veriseti*.cpp only): its window buffer, how
// windows are read by key, and the count kept on a worker.
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

namespace VeriSetiIc {

// The first window is about a screenful, so that a list shows at once; the
// windows after it are larger, so that scrolling reads seldom.
inline constexpr int ILK_PENCERE = 50;
inline constexpr int PENCERE = 200;
// Reading on from the window read last (an export, a long scroll), the
// windows grow up to this many rows, so that each statement's own cost
// (an index bitmap for the filter) is paid seldom.
inline constexpr int BUYUK_PENCERE = 2000;
// Rows the buffer keeps beyond the ones it must (a few hundred kB to a few MB).
inline constexpr int TAMPON = 4000;

inline QString satirlar(int adet) { return QStringLiteral(" rows %1").arg(adet); }
inline QString satirlar(int ilk, int son) { return QStringLiteral(" rows %1 to %2").arg(ilk).arg(son); }

} // namespace VeriSetiIc

struct VeriSeti::Ozel
{
    VeriSeti *sahip = nullptr;
    // Kept current by the tables' change events: izle asked for, abone while
    // subscribed, bayat when a change came that the rows do not show yet.
    bool izle = false, abone = false, bayat = false, yenilemePlanli = false;
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
    // A connection the server dropped is opened again and the select run once
    // more on a new query (q is replaced: the old one belonged to the dead
    // attachment).
    bool calistir(QSqlQuery &q, const QString &metin, const QVariantList &degerler, QString *hata)
    {
        for (int deneme = 0;; ++deneme) {
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
            if (tamam)
                return true;
            const QSqlError e = q.lastError();
            q.finish();
            // The failed query goes before the connection may be opened again.
            q = QSqlQuery(Baglanti::vt(baglanti));
            QString m;
            const bool tekrar = Sorgu::hataSonrasi(baglanti, e, true, deneme, &m);
            q = QSqlQuery(Baglanti::vt(baglanti));
            if (tekrar)
                continue;
            if (hata)
                *hata = m;
            else
                VeriHatasi::hata(m);
            return false;
        }
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
