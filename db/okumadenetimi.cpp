// What a statement typed for reading may not contain: anything that can
// change the database although the statement starts with SELECT or WITH.
// The rollback of Sorgu::oku undoes data changes, but not a generator's
// step (generators stand outside transactions), so these are refused before
// anything runs. The text is read as the engine's lexer reads it (literals,
// quoted names and comments are not words), never with patterns over the
// raw text, so a column or a literal that merely contains a word passes.
#include "db/sorgu.h"

#include <QHash>
#include <QSet>

namespace {

enum class Tur { Kelime, Tirnakli, Metin, Sayi, Isaret };

struct Parca
{
    Tur tur;
    QString metin; // a word in upper case; a quoted name as written; one character of a mark
};

bool kelimeHarfi(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

// The statement's tokens; blanks and comments dropped.
QVector<Parca> parcala(const QString &sql)
{
    QVector<Parca> p;
    const int n = int(sql.size());
    int i = 0;
    // Up to the closing quote q ("" or '' inside stands for one); the end
    // of the text when it is missing.
    auto tirnakSonu = [&](int bas, QChar q) {
        int j = bas + 1;
        while (j < n) {
            if (sql.at(j) == q) {
                if (j + 1 < n && sql.at(j + 1) == q) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        return n;
    };
    while (i < n) {
        const QChar c = sql.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            // To the end of the line; a lone carriage return ends it too, so
            // nothing the engine reads as code is taken for comment here.
            while (i < n && sql.at(i) != QLatin1Char('\n') && sql.at(i) != QLatin1Char('\r'))
                ++i;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            const int son = int(sql.indexOf(QLatin1String("*/"), i + 2));
            i = son < 0 ? n : son + 2;
        } else if ((c == QLatin1Char('q') || c == QLatin1Char('Q')) && i + 2 < n && sql.at(i + 1) == QLatin1Char('\'')
                   && (i == 0 || !kelimeHarfi(sql.at(i - 1)))) {
            // q'{...}': the text ends at the closing delimiter and a quote;
            // a lone quote inside does not end it.
            const QChar ac = sql.at(i + 2);
            QChar kapa = ac;
            if (ac == QLatin1Char('('))
                kapa = QLatin1Char(')');
            else if (ac == QLatin1Char('['))
                kapa = QLatin1Char(']');
            else if (ac == QLatin1Char('{'))
                kapa = QLatin1Char('}');
            else if (ac == QLatin1Char('<'))
                kapa = QLatin1Char('>');
            int j = i + 3;
            while (j + 1 < n && !(sql.at(j) == kapa && sql.at(j + 1) == QLatin1Char('\'')))
                ++j;
            i = j + 1 < n ? j + 2 : n;
            p.append({Tur::Metin, QString()});
        } else if (c == QLatin1Char('\'')) {
            i = tirnakSonu(i, c);
            p.append({Tur::Metin, QString()});
        } else if (c == QLatin1Char('"')) {
            // A name as Qt's driver prepares statements (dialect 3), a
            // literal in dialect 1: its inside is never a word, but as a
            // whole it may name an object.
            const int son = tirnakSonu(i, c);
            QString ad = sql.mid(i + 1, son - i - 1);
            if (ad.endsWith(QLatin1Char('"')))
                ad.chop(1);
            ad.replace(QLatin1String("\"\""), QLatin1String("\""));
            p.append({Tur::Tirnakli, ad});
            i = son;
        } else if (c.isDigit()) {
            // Digits only: a letter after them starts a word of its own.
            int j = i;
            while (j < n && (sql.at(j).isDigit() || sql.at(j) == QLatin1Char('.')))
                ++j;
            p.append({Tur::Sayi, sql.mid(i, j - i)});
            i = j;
        } else if (kelimeHarfi(c)) {
            int j = i;
            while (j < n && kelimeHarfi(sql.at(j)))
                ++j;
            p.append({Tur::Kelime, sql.mid(i, j - i).toUpper()});
            i = j;
        } else {
            p.append({Tur::Isaret, QString(c)});
            ++i;
        }
    }
    return p;
}

bool ad(const Parca &p) { return p.tur == Tur::Kelime || p.tur == Tur::Tirnakli; }
bool kelime(const QVector<Parca> &p, int i, const char *k)
{
    return i >= 0 && i < p.size() && p.at(i).tur == Tur::Kelime && p.at(i).metin == QLatin1String(k);
}
bool isaret(const QVector<Parca> &p, int i, char c)
{
    return i >= 0 && i < p.size() && p.at(i).tur == Tur::Isaret && p.at(i).metin.at(0) == QLatin1Char(c);
}

// Words that end a FROM clause at their level.
bool fromuBitirir(const QString &k)
{
    static const QSet<QString> s = {
        QStringLiteral("WHERE"), QStringLiteral("GROUP"), QStringLiteral("HAVING"), QStringLiteral("ORDER"),
        QStringLiteral("UNION"), QStringLiteral("PLAN"),  QStringLiteral("ROWS"),   QStringLiteral("FETCH"),
        QStringLiteral("OFFSET"), QStringLiteral("FOR"),  QStringLiteral("WINDOW"), QStringLiteral("SELECT")};
    return s.contains(k);
}

QString adMetni(const Parca &p) { return p.tur == Tur::Tirnakli ? QLatin1Char('"') + p.metin + QLatin1Char('"') : p.metin; }

// The names a statement may use for the database's own objects (upper
// case when written bare, as the catalogue keeps them), and those of them
// that are called, "name(".
struct Adlar
{
    QSet<QString> hepsi;
    QSet<QString> cagrilan;
};

Adlar adlar(const QVector<Parca> &p)
{
    Adlar a;
    for (int i = 0; i < p.size(); ++i) {
        if (!ad(p.at(i)))
            continue;
        a.hepsi.insert(p.at(i).metin);
        if (isaret(p, i + 1, '('))
            a.cagrilan.insert(p.at(i).metin);
    }
    return a;
}

} // namespace

namespace Sorgu {

QString yanEtkisi(const QString &sql)
{
    const QVector<Parca> p = parcala(sql);
    // Per parenthesis level: whether a select runs at it (a FROM there is a
    // clause, not the FROM of EXTRACT or SUBSTRING) and whether its FROM
    // list is being read (a comma there starts another source).
    struct Duzey
    {
        bool sorgu = false;
        bool fromda = false;
    };
    QVector<Duzey> duzeyler(1);
    bool kaynakYeri = false; // the token is where FROM, JOIN or a FROM list's comma puts a source
    for (int i = 0; i < p.size(); ++i) {
        const Parca &t = p.at(i);
        const bool kaynakta = kaynakYeri;
        kaynakYeri = false;
        if (t.tur == Tur::Isaret) {
            const QChar c = t.metin.at(0);
            if (c == QLatin1Char(';') && i + 1 < p.size())
                return QStringLiteral("; ile ayrılmış ikinci bir komut");
            if (c == QLatin1Char('('))
                duzeyler.append(Duzey());
            else if (c == QLatin1Char(')') && duzeyler.size() > 1)
                duzeyler.removeLast();
            else if (c == QLatin1Char(',') && duzeyler.last().fromda)
                kaynakYeri = true;
            continue;
        }
        if (!ad(t))
            continue;
        // A source followed by "(" or "." is a procedure: "from yordam(1)",
        // "from paket.yordam"; "paket.yordam(" anywhere calls a packaged routine.
        if (kaynakta && isaret(p, i + 1, '.') && i + 2 < p.size() && ad(p.at(i + 2)))
            return QStringLiteral("%1.%2 yordamı").arg(adMetni(t), adMetni(p.at(i + 2)));
        if (kaynakta && isaret(p, i + 1, '('))
            return QStringLiteral("%1 yordamı").arg(adMetni(t));
        if (isaret(p, i + 1, '.') && i + 2 < p.size() && ad(p.at(i + 2)) && isaret(p, i + 3, '('))
            return QStringLiteral("%1.%2").arg(adMetni(t), adMetni(p.at(i + 2)));
        if (t.tur != Tur::Kelime)
            continue;
        const QString &k = t.metin;
        if (k == QLatin1String("GEN_ID") && isaret(p, i + 1, '('))
            return QStringLiteral("GEN_ID");
        if (k == QLatin1String("NEXT") && kelime(p, i + 1, "VALUE") && kelime(p, i + 2, "FOR"))
            return QStringLiteral("NEXT VALUE FOR");
        if (k == QLatin1String("WITH") && kelime(p, i + 1, "LOCK"))
            return QStringLiteral("WITH LOCK");
        if (k == QLatin1String("EXECUTE") || k == QLatin1String("INSERT") || k == QLatin1String("UPDATE")
            || k == QLatin1String("DELETE") || k == QLatin1String("MERGE") || k == QLatin1String("RDB$SET_CONTEXT"))
            return k;
        Duzey &d = duzeyler.last();
        if (k == QLatin1String("SELECT"))
            d.sorgu = true;
        if (k == QLatin1String("FROM") && d.sorgu) {
            d.fromda = true;
            kaynakYeri = true;
        } else if (k == QLatin1String("JOIN")) {
            kaynakYeri = true;
        } else if (fromuBitirir(k)) {
            d.fromda = false;
        }
    }
    return QString();
}

std::optional<QString> yanEtkisiKatalogda(const QString &sql, const QString &baglanti, QString *hata)
{
    const Adlar a = adlar(parcala(sql));
    if (a.hepsi.isEmpty())
        return QString();
    // Procedures are refused wherever their name stands (a selectable one
    // may be read without parentheses), functions where they are called.
    const auto yordamlar = sec(QStringLiteral("select rdb$procedure_name, 5 from rdb$procedures "
                                              "union all select rdb$function_name, 15 from rdb$functions"),
                               {}, baglanti, hata);
    if (!yordamlar)
        return std::nullopt;
    for (const QVariantList &s : yordamlar->satirlar) {
        const QString ad = dolgusuz(s.at(0).toString());
        if (s.at(1).toInt() == 5 && a.hepsi.contains(ad))
            return QStringLiteral("%1 yordamı").arg(ad);
        if (s.at(1).toInt() == 15 && a.cagrilan.contains(ad))
            return QStringLiteral("%1 fonksiyonu").arg(ad);
    }
    // A view or a computed column reads as a column but runs its expression:
    // one that reaches a procedure, a function or a generator (through other
    // views and tables as well) is refused like the call itself. The
    // catalogue keeps what a view's select and each computed column use.
    const auto baglar = sec(
        QStringLiteral("select d.rdb$dependent_name, d.rdb$depended_on_name, d.rdb$depended_on_type "
                       "from rdb$dependencies d where d.rdb$dependent_type = 1 "
                       "union all "
                       "select rf.rdb$relation_name, d.rdb$depended_on_name, d.rdb$depended_on_type "
                       "from rdb$dependencies d join rdb$relation_fields rf on rf.rdb$field_source = d.rdb$dependent_name "
                       "where d.rdb$dependent_type = 3"),
        {}, baglanti, hata);
    if (!baglar)
        return std::nullopt;
    QHash<QString, QVector<QPair<QString, int>>> kullandiklari;
    for (const QVariantList &s : baglar->satirlar)
        kullandiklari[dolgusuz(s.at(0).toString())].append({dolgusuz(s.at(1).toString()), s.at(2).toInt()});
    QSet<QString> gorulen;
    QVector<QString> sira(a.hepsi.cbegin(), a.hepsi.cend());
    while (!sira.isEmpty()) {
        const QString iliski = sira.takeLast();
        if (gorulen.contains(iliski))
            continue;
        gorulen.insert(iliski);
        for (const auto &[ad, tur] : kullandiklari.value(iliski)) {
            // The catalogue's object types: 0 table, 1 view, 5 procedure,
            // 14 generator, 15 function, 18 and 19 package.
            if (tur == 0 || tur == 1)
                sira.append(ad);
            else if (tur == 5)
                return QStringLiteral("%1 üzerinden %2 yordamı").arg(iliski, ad);
            else if (tur == 14)
                return QStringLiteral("%1 üzerinden %2 üreteci").arg(iliski, ad);
            else if (tur == 15)
                return QStringLiteral("%1 üzerinden %2 fonksiyonu").arg(iliski, ad);
            else if (tur == 18 || tur == 19)
                return QStringLiteral("%1 üzerinden %2 paketi").arg(iliski, ad);
        }
    }
    return QString();
}

} // namespace Sorgu
