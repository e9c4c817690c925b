#include "db/pencere.h"

#include "db/hata.h"

#include "db/sorgu.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>
#include <QMutex>
#include <QPointer>
#include <QRunnable>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThreadPool>
#include <QWaitCondition>

namespace Pencere {

namespace {

// A piece of the statement: a word (keyword or name, upper case unless
// quoted), a number, a string literal or a single character; with the
// bracket depth it stands at.
struct Parca
{
    qsizetype bas = 0;
    qsizetype son = 0;
    QChar tur;        // 'w' word, 'q' quoted name, 'n' number, 's' string, else the character
    QString kelime;
    int derinlik = 0;
};

QVector<Parca> parcala(const QString &s)
{
    QVector<Parca> v;
    int derinlik = 0;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
            while (i < n && s.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            const qsizetype k = s.indexOf(QLatin1String("*/"), i + 2);
            i = k < 0 ? n : k + 2;
            continue;
        }
        Parca p;
        p.bas = i;
        p.derinlik = derinlik;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            while (j < n) {
                if (s.at(j) == c) {
                    if (j + 1 < n && s.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            p.son = qMin(n, j + 1);
            p.tur = c == QLatin1Char('"') ? QLatin1Char('q') : QLatin1Char('s');
            if (c == QLatin1Char('"'))
                p.kelime = s.mid(i + 1, j - i - 1).replace(QLatin1String("\"\""), QLatin1String("\""));
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            qsizetype j = i + 1;
            while (j < n && (s.at(j).isLetterOrNumber() || s.at(j) == QLatin1Char('_') || s.at(j) == QLatin1Char('$')))
                ++j;
            p.son = j;
            p.tur = QLatin1Char('w');
            p.kelime = s.mid(i, j - i).toUpper();
        } else if (c.isDigit()) {
            qsizetype j = i + 1;
            while (j < n && (s.at(j).isDigit() || s.at(j) == QLatin1Char('.')))
                ++j;
            p.son = j;
            p.tur = QLatin1Char('n');
        } else {
            p.son = i + 1;
            p.tur = c;
            if (c == QLatin1Char('('))
                ++derinlik;
            else if (c == QLatin1Char(')')) {
                --derinlik;
                p.derinlik = derinlik;
            }
        }
        v.push_back(p);
        i = p.son;
    }
    return v;
}

bool kelimeMi(const Parca &p, const char *k) { return p.tur == QLatin1Char('w') && p.kelime == QLatin1String(k); }

bool adMi(const Parca &p) { return p.tur == QLatin1Char('w') || p.tur == QLatin1Char('q'); }

// Words that end a table reference rather than name its alias.
bool baglacMi(const QString &k)
{
    static const QStringList l = {QStringLiteral("WHERE"), QStringLiteral("JOIN"), QStringLiteral("LEFT"),
                                  QStringLiteral("RIGHT"), QStringLiteral("INNER"), QStringLiteral("OUTER"),
                                  QStringLiteral("FULL"), QStringLiteral("CROSS"), QStringLiteral("NATURAL"),
                                  QStringLiteral("ON"), QStringLiteral("ORDER"), QStringLiteral("GROUP"),
                                  QStringLiteral("HAVING"), QStringLiteral("PLAN"), QStringLiteral("UNION"),
                                  QStringLiteral("ROWS"), QStringLiteral("FOR"), QStringLiteral("WITH"),
                                  QStringLiteral("USING")};
    return l.contains(k);
}

// The name a table reference is known by in the statement.
bool tabloAdi(const QVector<Parca> &p, int i, const Tablo &t, QString *nitelik)
{
    if (i >= p.size() || !adMi(p[i]))
        return false;
    const bool tirnakli = p[i].tur == QLatin1Char('q');
    const QString ad = p[i].kelime;
    if (tirnakli ? ad != t.ad : ad.compare(t.ad, Qt::CaseInsensitive) != 0)
        return false;
    QString takma;
    int j = i + 1;
    if (j < p.size() && kelimeMi(p[j], "AS"))
        ++j;
    if (j < p.size() && p[j].derinlik == p[i].derinlik && adMi(p[j])
        && !(p[j].tur == QLatin1Char('w') && baglacMi(p[j].kelime)))
        takma = p[j].tur == QLatin1Char('q') ? QLatin1Char('"') + p[j].kelime + QLatin1Char('"') : p[j].kelime;
    *nitelik = takma.isEmpty() ? (tirnakli ? QLatin1Char('"') + ad + QLatin1Char('"') : ad) : takma;
    return true;
}

bool sayisalMi(const QString &s)
{
    bool tamam = false;
    s.trimmed().toInt(&tamam);
    return tamam;
}

// One item of an order text.
SiraOgesi ogeCoz(const QString &metin, const QString &nitelik, const Tablo &t)
{
    SiraOgesi o;
    const QVector<Parca> p = parcala(metin);
    int son = int(p.size());
    bool bosAcik = false;
    if (son >= 2 && kelimeMi(p[son - 2], "NULLS")) {
        o.bosBasta = kelimeMi(p[son - 1], "FIRST");
        bosAcik = true;
        son -= 2;
    }
    if (son >= 1 && (kelimeMi(p[son - 1], "DESC") || kelimeMi(p[son - 1], "DESCENDING"))) {
        o.artan = false;
        --son;
    } else if (son >= 1 && (kelimeMi(p[son - 1], "ASC") || kelimeMi(p[son - 1], "ASCENDING"))) {
        --son;
    }
    if (!bosAcik)
        o.bosBasta = o.artan;
    o.ifade = son > 0 ? metin.mid(p[0].bas, p[son - 1].son - p[0].bas).trimmed() : QString();
    // A plain column of the table, qualified by its name in the statement or not.
    QString ad;
    if (son == 1 && p[0].tur == QLatin1Char('w'))
        ad = p[0].kelime;
    else if (son == 3 && adMi(p[0]) && p[1].tur == QLatin1Char('.') && p[2].tur == QLatin1Char('w')) {
        const QString q = p[0].tur == QLatin1Char('q') ? QLatin1Char('"') + p[0].kelime + QLatin1Char('"') : p[0].kelime;
        if (q.compare(nitelik, Qt::CaseInsensitive) == 0)
            ad = p[2].kelime;
    }
    if (!ad.isEmpty() && t.kolon(ad))
        o.kolon = ad;
    return o;
}

QStringList virgulleBol(const QString &metin)
{
    QStringList l;
    qsizetype bas = 0;
    for (const Parca &p : parcala(metin)) {
        if (p.derinlik == 0 && p.tur == QLatin1Char(',')) {
            l << metin.mid(bas, p.bas - bas);
            bas = p.son;
        }
    }
    l << metin.mid(bas);
    return l;
}

// The columns of t the filter (pieces from ilk up to the position son)
// fixes by "[name.]COLUMN = literal" between top-level ANDs; none when an OR
// stands at the top.
QStringList esitlikKolonlari(const QVector<Parca> &p, int ilk, qsizetype son, const Tablo &t)
{
    QVector<const Parca *> x;
    for (int i = ilk; i < p.size() && p[i].bas < son; ++i) {
        if (p[i].derinlik != 0)
            continue;
        if (kelimeMi(p[i], "OR"))
            return {};
        x << &p[i];
    }
    QStringList l;
    for (int i = 0; i < x.size(); ++i) {
        if (i > 0 && !kelimeMi(*x[i - 1], "AND"))
            continue;
        int k = i;
        if (k + 2 < x.size() && x[k]->tur == QLatin1Char('w') && x[k + 1]->tur == QLatin1Char('.'))
            k += 2;
        if (k + 2 >= x.size() || x[k]->tur != QLatin1Char('w') || x[k + 1]->tur != QLatin1Char('=')
            || (x[k + 2]->tur != QLatin1Char('s') && x[k + 2]->tur != QLatin1Char('n')))
            continue;
        if (k + 3 < x.size() && !kelimeMi(*x[k + 3], "AND"))
            continue;
        if (t.kolon(x[k]->kelime))
            l << x[k]->kelime;
    }
    return l;
}

} // namespace

Secim coz(const QString &sql, const Tablo &t)
{
    Secim s;
    if (t.anahtar.isEmpty())
        return s;
    const QVector<Parca> p = parcala(sql);
    QVector<int> ust; // top-level pieces
    for (int i = 0; i < p.size(); ++i)
        if (p[i].derinlik == 0)
            ust << i;
    if (ust.size() < 4 || !kelimeMi(p[ust[0]], "SELECT"))
        return s;
    {
        const Parca &ikinci = p[ust[1]];
        if (kelimeMi(ikinci, "DISTINCT") || kelimeMi(ikinci, "FIRST") || kelimeMi(ikinci, "SKIP"))
            return s;
    }
    int from = -1, where = -1, order = -1, by = -1;
    for (int k = 1; k < ust.size(); ++k) {
        const Parca &x = p[ust[k]];
        if (x.tur != QLatin1Char('w'))
            continue;
        if (from < 0) {
            if (x.kelime == QLatin1String("FROM"))
                from = ust[k];
            continue;
        }
        if (x.kelime == QLatin1String("WHERE")) {
            if (where >= 0 || order >= 0)
                return s;
            where = ust[k];
        } else if (x.kelime == QLatin1String("ORDER") && k + 1 < ust.size() && kelimeMi(p[ust[k + 1]], "BY")) {
            order = ust[k];
            by = ust[k + 1];
        } else if (x.kelime == QLatin1String("GROUP") || x.kelime == QLatin1String("HAVING")
                   || x.kelime == QLatin1String("UNION") || x.kelime == QLatin1String("PLAN")
                   || x.kelime == QLatin1String("ROWS") || x.kelime == QLatin1String("FOR")
                   || x.kelime == QLatin1String("INTERSECT") || x.kelime == QLatin1String("EXCEPT")
                   || x.kelime == QLatin1String("OFFSET") || x.kelime == QLatin1String("FETCH")) {
            return s;
        } else if (x.kelime == QLatin1String("WITH") && k + 1 < ust.size() && kelimeMi(p[ust[k + 1]], "LOCK")) {
            return s;
        }
    }
    if (from < 0)
        return s;

    const qsizetype uzunluk = sql.size();
    const qsizetype kaynakSonu = where >= 0 ? p[where].bas : order >= 0 ? p[order].bas : uzunluk;
    s.bas = sql.left(p[from].bas);
    s.liste = sql.mid(p[ust[0]].son, p[from].bas - p[ust[0]].son).trimmed();
    s.kaynak = sql.mid(p[from].bas, kaynakSonu - p[from].bas);
    if (!s.kaynak.endsWith(QLatin1Char(' ')))
        s.kaynak += QLatin1Char(' ');
    if (where >= 0) {
        const qsizetype filtreSonu = order >= 0 ? p[order].bas : uzunluk;
        s.filtre = sql.mid(p[where].son, filtreSonu - p[where].son).trimmed();
        s.esitler = esitlikKolonlari(p, where + 1, filtreSonu, t);
    }

    // The table among the FROM references: the first one, or one after a
    // comma or a JOIN.
    bool bulundu = tabloAdi(p, from + 1, t, &s.nitelik);
    for (int i = from + 1; !bulundu && i < p.size() && p[i].bas < kaynakSonu; ++i) {
        if (p[i].derinlik != 0)
            continue;
        if (p[i].tur == QLatin1Char(',') || kelimeMi(p[i], "JOIN"))
            bulundu = tabloAdi(p, i + 1, t, &s.nitelik);
    }
    if (!bulundu)
        return s;
    s.tekTablo = true;
    for (int i = from + 1; i < p.size() && p[i].bas < kaynakSonu; ++i)
        if (p[i].derinlik == 0 && (p[i].tur == QLatin1Char(',') || kelimeMi(p[i], "JOIN")))
            s.tekTablo = false;

    const QString anahtar = t.anahtar.toUpper();
    bool anahtarVar = false;
    if (order >= 0) {
        for (const QString &oge : virgulleBol(sql.mid(p[by].son))) {
            if (oge.trimmed().isEmpty())
                return s;
            SiraOgesi o = ogeCoz(oge, s.nitelik, t);
            if (o.ifade.isEmpty() || sayisalMi(o.ifade))
                return s; // an order by column number cannot be compared in a condition
            anahtarVar = anahtarVar || o.kolon == anahtar;
            s.sira << o;
        }
    }
    s.anahtarIfadesi = s.nitelik + QLatin1Char('.') + anahtar;
    if (!anahtarVar) {
        SiraOgesi o;
        o.ifade = s.anahtarIfadesi;
        o.kolon = anahtar;
        s.sira << o;
    }
    s.pencereli = true;
    return s;
}

QString siralama(const Secim &s, bool ileri)
{
    QStringList l;
    for (const SiraOgesi &o : s.sira) {
        const bool artan = ileri ? o.artan : !o.artan;
        const bool bosBasta = ileri ? o.bosBasta : !o.bosBasta;
        QString x = o.ifade;
        if (!artan)
            x += QStringLiteral(" desc");
        // Only where it differs from the engine's own placement, so that the
        // statement stays the one an index serves.
        if (bosBasta != artan)
            x += bosBasta ? QStringLiteral(" nulls first") : QStringLiteral(" nulls last");
        l << x;
    }
    return QStringLiteral(" order by ") + l.join(QStringLiteral(", "));
}

namespace {

QMutex indeksKilidi;
QHash<QString, QList<DbIndeks>> &indeksBellegi()
{
    static QHash<QString, QList<DbIndeks>> h;
    return h;
}

} // namespace

QList<DbIndeks> indeksler(const QString &baglanti, const Tablo &t)
{
    const QString anahtar = QSqlDatabase::database(baglanti, false).databaseName() + QLatin1Char('|') + t.ad;
    {
        QMutexLocker k(&indeksKilidi);
        auto it = indeksBellegi().constFind(anahtar);
        if (it != indeksBellegi().constEnd())
            return *it;
    }
    QList<DbIndeks> l;
    QString hata;
    auto s = Sorgu::sec(QStringLiteral("select i.rdb$index_name, i.rdb$index_type, s.rdb$field_name "
                                       "from rdb$indices i join rdb$index_segments s on s.rdb$index_name = "
                                       "i.rdb$index_name where i.rdb$relation_name = ? and "
                                       "coalesce(i.rdb$index_inactive, 0) = 0 and i.rdb$expression_blr is null "
                                       "order by i.rdb$index_name, s.rdb$field_position"),
                        {t.ad}, baglanti, &hata);
    if (s) {
        QString onceki;
        for (const QVariantList &r : s->satirlar) {
            const QString ad = r.at(0).toString().trimmed();
            if (ad != onceki || l.isEmpty()) {
                DbIndeks x;
                x.azalan = r.at(1).toInt() == 1;
                l << x;
                onceki = ad;
            }
            l.last().kolonlar << r.at(2).toString().trimmed().toUpper();
        }
    } else {
        DbIndeks pk;
        pk.kolonlar << t.anahtar.toUpper();
        l << pk;
        for (const Indeks &i : t.indeksler) {
            DbIndeks x;
            for (const QString &k : i.kolonlar)
                x.kolonlar << k.trimmed().toUpper();
            l << x;
        }
    }
    QMutexLocker k(&indeksKilidi);
    indeksBellegi().insert(anahtar, l);
    return l;
}

void unut()
{
    QMutexLocker k(&indeksKilidi);
    indeksBellegi().clear();
}

bool indeksle(const Secim &s, const QList<DbIndeks> &indeksler, bool ileri)
{
    QStringList kolonlar;
    bool azalan = false;
    for (int i = 0; i < s.sira.size(); ++i) {
        const SiraOgesi &o = s.sira.at(i);
        const bool artan = ileri ? o.artan : !o.artan;
        const bool bosBasta = ileri ? o.bosBasta : !o.bosBasta;
        // An index keeps NULLs where the engine's own order puts them.
        if (o.kolon.isEmpty() || bosBasta != artan)
            return false;
        if (i == 0)
            azalan = !artan;
        else if (azalan == artan)
            return false;
        kolonlar << o.kolon;
    }
    for (const DbIndeks &x : indeksler) {
        if (x.azalan != azalan)
            continue;
        // Leading columns the filter fixes are passed over: within one
        // company the index is in the order of the columns after it.
        int bas = 0;
        while (bas < x.kolonlar.size() && x.kolonlar.at(bas) != kolonlar.value(0)
               && s.esitler.contains(x.kolonlar.at(bas)))
            ++bas;
        if (x.kolonlar.size() - bas >= kolonlar.size() && x.kolonlar.mid(bas, kolonlar.size()) == kolonlar)
            return true;
    }
    return false;
}

QString sonrasi(const Secim &s, bool ileri, const QVariantList &r, QVariantList *degerler, bool dahil)
{
    // (e1 after r1) or (e1 = r1 and e2 after r2) or ... with NULL treated as
    // the engine sorts it; the key, last, makes every row distinct.
    QStringList dallar;
    QVariantList dalDegerleri;
    QStringList esitler;
    QVariantList esitDegerleri;
    const int n = int(qMin<qsizetype>(s.sira.size(), r.size()));
    for (int i = 0; i < n; ++i) {
        const SiraOgesi &o = s.sira.at(i);
        const bool artan = ileri ? o.artan : !o.artan;
        const bool bosBasta = ileri ? o.bosBasta : !o.bosBasta;
        const QVariant &v = r.at(i);
        const bool bos = v.isNull();
        QString sonra;
        QVariantList sonraDegerleri;
        if (bos) {
            if (bosBasta)
                sonra = o.ifade + QStringLiteral(" is not null");
        } else {
            const QString k = o.ifade + (artan ? QStringLiteral(" > ?") : QStringLiteral(" < ?"));
            sonra = bosBasta ? k : QStringLiteral("(") + k + QStringLiteral(" or ") + o.ifade + QStringLiteral(" is null)");
            sonraDegerleri << v;
        }
        if (!sonra.isEmpty()) {
            QStringList dal = esitler;
            dal << sonra;
            dallar << dal.join(QStringLiteral(" and "));
            dalDegerleri << esitDegerleri << sonraDegerleri;
        }
        if (bos) {
            esitler << o.ifade + QStringLiteral(" is null");
        } else {
            esitler << o.ifade + QStringLiteral(" = ?");
            esitDegerleri << v;
        }
    }
    if (dahil) {
        dallar << esitler.join(QStringLiteral(" and "));
        dalDegerleri << esitDegerleri;
    }
    QString sonuc;
    if (dallar.isEmpty()) {
        sonuc = QStringLiteral("1=0");
    } else {
        sonuc = QStringLiteral("((") + dallar.join(QStringLiteral(") or (")) + QStringLiteral("))");
        // A plain range on the first item as well, so that the engine starts
        // its index walk at the row instead of filtering from the start.
        if (n > 0 && !r.at(0).isNull()) {
            const SiraOgesi &o = s.sira.at(0);
            const bool artan = ileri ? o.artan : !o.artan;
            const bool bosBasta = ileri ? o.bosBasta : !o.bosBasta;
            if (bosBasta) {
                sonuc = o.ifade + (artan ? QStringLiteral(" >= ?") : QStringLiteral(" <= ?")) + QStringLiteral(" and ")
                        + sonuc;
                degerler->append(r.at(0));
            }
        }
    }
    degerler->append(dalDegerleri);
    return sonuc;
}

QString kosul(const Secim &s, const QStringList &ekler)
{
    QStringList l;
    if (!s.filtre.isEmpty())
        l << QStringLiteral("(") + s.filtre + QStringLiteral(")");
    for (const QString &e : ekler)
        if (!e.isEmpty())
            l << e;
    return l.isEmpty() ? QString() : QStringLiteral(" where ") + l.join(QStringLiteral(" and "));
}

QString sayimMetni(const Secim &s, const QStringList &ekler)
{
    return QStringLiteral("select count(*) ") + s.kaynak + kosul(s, ekler);
}

QString degerMetni(const Secim &s)
{
    QStringList l;
    for (const SiraOgesi &o : s.sira)
        l << o.ifade;
    return QStringLiteral("select ") + l.join(QStringLiteral(", ")) + QLatin1Char(' ') + s.kaynak
           + QStringLiteral(" where ") + s.anahtarIfadesi + QStringLiteral(" = ?");
}

// ------------------------------------------------------------------ counting

class Sayim
{
public:
    enum class Durum { Sirada, Calisiyor, Bitti };
    QMutex kilit;
    QWaitCondition bitti;
    Durum durum = Durum::Sirada;
    bool birakildi = false;
    bool tamam = false;
    qint64 sonuc = -1;
    QObject *alici = nullptr;               // cleared (under kilit) before the receiver goes
    std::function<void(qint64)> bitince;
};

namespace {

QThreadPool *havuz = nullptr;
QAtomicInt sayac;

void havuzuKapat()
{
    if (havuz) {
        havuz->waitForDone();
        delete havuz;
        havuz = nullptr;
    }
}

QThreadPool *havuzAl()
{
    if (!havuz) {
        havuz = new QThreadPool;
        havuz->setMaxThreadCount(2);
        // Counts still running when the program ends are waited for while
        // the application (and the SQL plugins) still exist.
        qAddPostRoutine(havuzuKapat);
    }
    return havuz;
}

void say(const SayimPtr &s, const QString &baglanti, const QString &sql)
{
    {
        QMutexLocker k(&s->kilit);
        if (s->birakildi) {
            s->durum = Sayim::Durum::Bitti;
            s->bitti.wakeAll();
            return;
        }
        s->durum = Sayim::Durum::Calisiyor;
    }
    qint64 sonuc = -1;
    bool tamam = false;
    const QString ad = QStringLiteral("velmorika_sayim_%1").arg(sayac.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(baglanti, ad);
        // A connection the server drops while counting is opened once more.
        for (int deneme = 0; deneme < 2 && !tamam && db.isValid() && db.open(); ++deneme) {
            QSqlError e;
            {
                QSqlQuery q(db);
                q.setForwardOnly(true);
                if (q.exec(sql) && q.next()) {
                    sonuc = q.value(0).toLongLong();
                    tamam = true;
                }
                e = q.lastError();
                q.finish();
            }
            db.close();
            if (!tamam && VeriHatasi::sinif(e) != VeriHatasi::Sinif::BaglantiKoptu)
                break;
        }
    }
    QSqlDatabase::removeDatabase(ad);
    QMutexLocker k(&s->kilit);
    s->durum = Sayim::Durum::Bitti;
    s->tamam = tamam;
    s->sonuc = sonuc;
    s->bitti.wakeAll();
    // Posted while holding the lock: birak() cannot slip in between, and an
    // event already posted dies with its receiver.
    if (tamam && !s->birakildi && s->alici) {
        auto f = s->bitince;
        QMetaObject::invokeMethod(
            s->alici, [f, sonuc] { f(sonuc); }, Qt::QueuedConnection);
    }
}

} // namespace

SayimPtr sayimBaslat(const QString &baglanti, const QString &sql, QObject *alici, std::function<void(qint64)> bitince)
{
    auto s = std::make_shared<Sayim>();
    s->alici = alici;
    s->bitince = std::move(bitince);
    havuzAl()->start(QRunnable::create([s, baglanti, sql] { say(s, baglanti, sql); }));
    return s;
}

void birak(const SayimPtr &s)
{
    if (!s)
        return;
    QMutexLocker k(&s->kilit);
    s->birakildi = true;
    s->alici = nullptr;
}

bool bekle(const SayimPtr &s, qint64 *sonuc)
{
    if (!s)
        return false;
    QMutexLocker k(&s->kilit);
    if (s->durum == Sayim::Durum::Sirada) {
        s->birakildi = true;
        return false;
    }
    while (s->durum != Sayim::Durum::Bitti)
        s->bitti.wait(&s->kilit);
    if (s->tamam)
        *sonuc = s->sonuc;
    return s->tamam;
}

void hepsiniBekle()
{
    if (havuz)
        havuz->waitForDone();
}

} // namespace Pencere
