#include "db/sorgu.h"

#include "db/hata.h"
#include "db/baglanti.h"
#include "db/win1254.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDriver>
#include <QSqlResult>
#include <QThread>

#include <ibase.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

QString baglantiAdi(const QString &ad) { return ad.isEmpty() ? Baglanti::Paylasilan : ad; }

// The program's own connections (the shared one, the main window's): while
// a transaction is open on one of them no window may open. A connection a
// caller made for itself stands for another workstation or a side job.
bool pencereyiTutar(const QString &ad) { return ad == Baglanti::Paylasilan || ad == Baglanti::Menu; }


// Connections on which an Islem is open; true once a joined Islem ended
// without onayla (the whole change must then be rolled back).
QHash<QString, bool> &aciklar()
{
    static QHash<QString, bool> s;
    return s;
}

void hataBildir(const QString &metin, QString *hata)
{
    if (hata)
        *hata = metin;
    else
        VeriHatasi::hata(metin);
}

QString hataMetni(const QSqlError &e) { return VeriHatasi::metin(e); }

// A text the database's character set cannot hold is refused here with a
// Turkish message, before the client would answer with its own.
bool metinlerTasinabilir(const QString &sql, const QVariantList &degerler, QString *hata)
{
    QString yabanci = Win1254::disindakiler(sql);
    for (const QVariant &v : degerler)
        if (v.typeId() == QMetaType::QString)
            yabanci += Win1254::disindakiler(v.toString());
    if (yabanci.isEmpty())
        return true;
    hataBildir(Win1254::uyari(Win1254::disindakiler(yabanci)), hata);
    return false;
}

// ------------------------------------------------------------ lock limit

// One thread for the whole program watches the writes running: one that
// has run past the limit is cancelled on its connection. The watch ends
// under the same lock the cancel is sent under, so once a write's watch has
// ended no cancel can reach its connection any more.
class Bekci
{
public:
    static Bekci &o()
    {
        static Bekci b;
        return b;
    }

    quint64 basla(isc_db_handle tutamak)
    {
        std::lock_guard<std::mutex> k(m_kilit);
        const quint64 no = ++m_sayac;
        m_isler.push_back({no, tutamak, std::chrono::steady_clock::now() + std::chrono::milliseconds(Sorgu::KilitSiniriMs),
                           false});
        if (!m_is.joinable())
            m_is = std::thread([this] { dongu(); });
        m_kosul.notify_all();
        return no;
    }

    // True when the write was cancelled.
    bool bitir(quint64 no)
    {
        std::lock_guard<std::mutex> k(m_kilit);
        for (auto it = m_isler.begin(); it != m_isler.end(); ++it)
            if (it->no == no) {
                const bool kesildi = it->kesildi;
                m_isler.erase(it);
                return kesildi;
            }
        return false;
    }

private:
    struct Is
    {
        quint64 no;
        isc_db_handle tutamak;
        std::chrono::steady_clock::time_point son;
        bool kesildi;
    };

    ~Bekci()
    {
        {
            std::lock_guard<std::mutex> k(m_kilit);
            m_bitsin = true;
        }
        m_kosul.notify_all();
        if (m_is.joinable())
            m_is.join();
    }

    void dongu()
    {
        std::unique_lock<std::mutex> k(m_kilit);
        while (!m_bitsin) {
            Is *ilk = nullptr;
            for (Is &x : m_isler)
                if (!x.kesildi && (!ilk || x.son < ilk->son))
                    ilk = &x;
            if (!ilk) {
                m_kosul.wait(k);
                continue;
            }
            if (std::chrono::steady_clock::now() < ilk->son) {
                m_kosul.wait_until(k, ilk->son);
                continue;
            }
            // The engine ends the statement with "operation was cancelled"
            // and undoes it; the attachment and its transaction stay.
            ISC_STATUS_ARRAY durum = {};
            isc_db_handle h = ilk->tutamak;
            fb_cancel_operation(durum, &h, fb_cancel_raise);
            ilk->kesildi = true;
        }
    }

    std::mutex m_kilit;
    std::condition_variable m_kosul;
    std::vector<Is> m_isler;
    quint64 m_sayac = 0;
    bool m_bitsin = false;
    std::thread m_is;
};

int sinirsiz = 0; // SinirsizBekleme objects alive

// ------------------------------------------------------------ wait sign

// Used on the main thread only: the count of holds on the sign, and the
// generation they belong to (a hold of an older generation, from before the
// sign was taken down for a message, releases nothing).
Sorgu::BeklemeGostergesi &gosterge()
{
    static Sorgu::BeklemeGostergesi g;
    return g;
}
int gostergeSayaci = 0;
quint64 gostergeKusagi = 1;
// Connections whose open Islem holds the sign: the generation of the hold.
QHash<QString, quint64> &islemGostergeleri()
{
    static QHash<QString, quint64> h;
    return h;
}

bool anaIplikte()
{
    const QCoreApplication *a = QCoreApplication::instance();
    return a && QThread::currentThread() == a->thread();
}

// A hold on the sign (0: none taken); the sign goes up with the first.
quint64 gostergeAl()
{
    if (!gosterge().basla || !anaIplikte())
        return 0;
    if (gostergeSayaci++ == 0)
        gosterge().basla();
    return gostergeKusagi;
}

void gostergeBirak(quint64 kusak)
{
    if (kusak == 0 || kusak != gostergeKusagi || gostergeSayaci == 0)
        return;
    if (--gostergeSayaci == 0 && gosterge().bitir)
        gosterge().bitir();
}

// The Islem on connection ad ended: its hold, if it took one, goes.
void islemGostergesiniBirak(const QString &ad)
{
    const auto it = islemGostergeleri().constFind(ad);
    if (it == islemGostergeleri().cend())
        return;
    const quint64 kusak = it.value();
    islemGostergeleri().erase(it);
    gostergeBirak(kusak);
}

// Watches one write on a connection until bitir() or its end, with the
// wait sign up meanwhile.
class KilitSiniri
{
public:
    explicit KilitSiniri(const QSqlDatabase &db)
    {
        if (sinirsiz > 0)
            return;
        m_gosterge = gostergeAl();
        // The rest of the save's writes follow in the same Islem: it keeps
        // the sign up until it ends rather than putting it up for each.
        const QString ad = db.connectionName();
        if (m_gosterge && aciklar().contains(ad) && !islemGostergeleri().contains(ad))
            if (const quint64 k = gostergeAl())
                islemGostergeleri().insert(ad, k);
        if (!db.driver())
            return;
        const QVariant v = db.driver()->handle();
        if (!v.isValid() || v.metaType().sizeOf() != int(sizeof(isc_db_handle)))
            return;
        m_tutamak = *static_cast<const isc_db_handle *>(v.constData());
        if (m_tutamak)
            m_no = Bekci::o().basla(m_tutamak);
    }
    ~KilitSiniri() { bitir(true); }
    KilitSiniri(const KilitSiniri &) = delete;
    KilitSiniri &operator=(const KilitSiniri &) = delete;

    // basarili: the statement ended without error. A cancel sent just as it
    // finished on its own must not reach the next statement: it is taken back.
    void bitir(bool basarili)
    {
        gostergeBirak(m_gosterge);
        m_gosterge = 0;
        if (!m_no)
            return;
        const bool kesildi = Bekci::o().bitir(m_no);
        m_no = 0;
        if (kesildi && basarili) {
            ISC_STATUS_ARRAY durum = {};
            fb_cancel_operation(durum, &m_tutamak, fb_cancel_disable);
            fb_cancel_operation(durum, &m_tutamak, fb_cancel_enable);
        }
    }

private:
    isc_db_handle m_tutamak = 0;
    quint64 m_no = 0;
    quint64 m_gosterge = 0;
};

// ------------------------------------------------------------ running

// Runs one statement on q; a write under the lock limit. The error, if any, in *e.
bool bir(QSqlQuery &q, const QSqlDatabase &db, const QString &sql, const QVariantList &degerler, bool yazma,
         QSqlError *e, std::optional<KilitSiniri> *disSinir = nullptr)
{
    q.setForwardOnly(true);
    std::optional<KilitSiniri> kendi;
    // A caller that reads rows after (a select with lock waits while it
    // fetches) keeps the limit over the fetch too.
    std::optional<KilitSiniri> &sinir = disSinir ? *disSinir : kendi;
    if (yazma)
        sinir.emplace(db);
    bool tamam;
    if (degerler.isEmpty()) {
        tamam = q.exec(sql);
    } else {
        tamam = q.prepare(sql);
        if (tamam) {
            for (const QVariant &v : degerler)
                q.addBindValue(v);
            tamam = q.exec();
        }
    }
    if (sinir && (!disSinir || !tamam))
        sinir->bitir(tamam);
    if (!tamam)
        *e = q.lastError();
    return tamam;
}

// The connection ad, open: one the server dropped and that could not be
// opened again is tried once more now (the server may be back).
bool acik(const QString &ad, bool yazma, QString *hata)
{
    if (Baglanti::vt(ad).isOpen())
        return true;
    if (Baglanti::koptuMu(ad) && !aciklar().contains(ad)) {
        if (Baglanti::yenidenAc(ad))
            return true;
        hataBildir(VeriHatasi::baglantiKoptuMetni(false, yazma), hata);
        return false;
    }
    hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
    return false;
}

// Connections lost while an Islem was open on them: opened again when it ends.
QSet<QString> &islemdeKopanlar()
{
    static QSet<QString> s;
    return s;
}

// Reads the rest of an executed select's rows; the error, if any, in *e.
std::optional<Sorgu::Sonuc> satirlar(QSqlQuery &q, QSqlError *e)
{
    Sorgu::Sonuc s;
    // A statement without a result set (an update, an execute block without
    // output columns, which the driver still calls a select) has no rows to
    // read: the driver must not be asked for any.
    if (!q.isSelect() || q.record().isEmpty()) {
        q.finish();
        return s;
    }
    const QSqlRecord r = q.record();
    const int n = r.count();
    QVector<bool> sabit(n, false);
    for (int i = 0; i < n; ++i) {
        s.kolonlar << r.fieldName(i).toUpper();
        sabit[i] = Sorgu::sabitUzunluk(r.field(i));
    }
    while (q.next()) {
        QVariantList satir;
        satir.reserve(n);
        for (int i = 0; i < n; ++i) {
            QVariant v = q.value(i);
            if (sabit[i] && v.typeId() == QMetaType::QString && !v.isNull())
                v = QVariant(Sorgu::dolgusuz(v.toString()));
            satir << v;
        }
        s.satirlar << std::move(satir);
    }
    if (q.lastError().isValid()) {
        *e = q.lastError();
        q.finish();
        return std::nullopt;
    }
    q.finish();
    return s;
}

} // namespace

namespace Sorgu {

// The client's type code of CHAR(n) (SQL_TEXT), as the driver reports it.
bool sabitUzunluk(const QSqlField &alan) { return alan.typeID() == 452; }

QString dolgusuz(const QString &metin)
{
    qsizetype n = metin.size();
    while (n > 0 && metin.at(n - 1) == QLatin1Char(' '))
        --n;
    return n == metin.size() ? metin : metin.left(n);
}

int Sonuc::kolonSirasi(const QString &ad) const
{
    for (int i = 0; i < kolonlar.size(); ++i)
        if (kolonlar.at(i).compare(ad, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Sonuc::deger(int satir, const QString &kolon) const
{
    const int k = kolonSirasi(kolon);
    if (k < 0 || satir < 0 || satir >= satirlar.size())
        return QVariant();
    return satirlar.at(satir).at(k);
}

BeklemeGostergesi beklemeGostergesiAyarla(BeklemeGostergesi yeni)
{
    beklemeGostergesiniIndir();
    BeklemeGostergesi eski = std::move(gosterge());
    gosterge() = std::move(yeni);
    return eski;
}

void beklemeGostergesiniIndir()
{
    if (!anaIplikte())
        return;
    islemGostergeleri().clear();
    if (gostergeSayaci == 0)
        return;
    gostergeSayaci = 0;
    ++gostergeKusagi;
    if (gosterge().bitir)
        gosterge().bitir();
}

SinirsizBekleme::SinirsizBekleme() { ++sinirsiz; }
SinirsizBekleme::~SinirsizBekleme() { --sinirsiz; }

bool saltOkunurMu(const QString &sql)
{
    static const QRegularExpression kilitli(QStringLiteral("\\bwith\\s+lock\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    return okumaMetniMi(sql) && !sql.contains(kilitli);
}

namespace {
thread_local VeriHatasi::Sinif sonSinif = VeriHatasi::Sinif::Diger;
}

VeriHatasi::Sinif sonHataSinifi() { return sonSinif; }

bool hataSonrasi(const QString &baglanti, const QSqlError &e, bool okuma, int deneme, QString *mesaj)
{
    const QString ad = baglantiAdi(baglanti);
    const VeriHatasi::Sinif s = VeriHatasi::sinif(e);
    sonSinif = s;
    const bool islemde = aciklar().contains(ad);
    if (islemde
        && (s == VeriHatasi::Sinif::BaglantiKoptu || s == VeriHatasi::Sinif::KilitBekleme
            || s == VeriHatasi::Sinif::Cakisma))
        aciklar()[ad] = true; // the rest of the change cannot be kept without this part
    if (s != VeriHatasi::Sinif::BaglantiKoptu) {
        *mesaj = VeriHatasi::metin(e);
        return false;
    }
    VeriHatasi::teknisyeneYaz(e);
    if (islemde) {
        islemdeKopanlar().insert(ad);
        *mesaj = VeriHatasi::sinifMetni(s);
        return false;
    }
    const bool acildi = Baglanti::yenidenAc(ad);
    if (acildi && okuma && deneme == 0)
        return true;
    *mesaj = VeriHatasi::baglantiKoptuMetni(acildi, !okuma);
    return false;
}

bool calistir(const QString &sql, const QVariantList &degerler, const QString &baglanti, QString *hata)
{
    const QString ad = baglantiAdi(baglanti);
    const bool okuma = saltOkunurMu(sql);
    if (!acik(ad, !okuma, hata) || !metinlerTasinabilir(sql, degerler, hata))
        return false;
    for (int deneme = 0;; ++deneme) {
        QSqlError e;
        {
            QSqlDatabase db = Baglanti::vt(ad);
            QSqlQuery q(db);
            if (bir(q, db, sql, degerler, !okuma, &e)) {
                q.finish();
                return true;
            }
        }
        QString m;
        if (hataSonrasi(ad, e, okuma, deneme, &m))
            continue;
        hataBildir(m, hata);
        return false;
    }
}

std::optional<Sonuc> sec(const QString &sql, const QVariantList &degerler, const QString &baglanti, QString *hata)
{
    const QString ad = baglantiAdi(baglanti);
    const bool okuma = saltOkunurMu(sql);
    if (!acik(ad, !okuma, hata) || !metinlerTasinabilir(sql, degerler, hata))
        return std::nullopt;
    for (int deneme = 0;; ++deneme) {
        QSqlError e;
        {
            QSqlDatabase db = Baglanti::vt(ad);
            QSqlQuery q(db);
            std::optional<KilitSiniri> sinir;
            if (bir(q, db, sql, degerler, !okuma, &e, &sinir)) {
                auto s = satirlar(q, &e);
                if (sinir)
                    sinir->bitir(s.has_value());
                if (s)
                    return s;
            }
        }
        QString m;
        if (hataSonrasi(ad, e, okuma, deneme, &m))
            continue;
        hataBildir(m, hata);
        return std::nullopt;
    }
}

std::optional<Sonuc> satirlariOku(QSqlQuery &q, QString *hata)
{
    QSqlError e;
    auto s = satirlar(q, &e);
    if (!s)
        hataBildir(hataMetni(e), hata);
    return s;
}

bool okumaMetniMi(const QString &sql)
{
    // Skips blanks and comments, then wants SELECT or WITH as the first word.
    int i = 0;
    const int n = int(sql.size());
    for (;;) {
        while (i < n && sql.at(i).isSpace())
            ++i;
        if (sql.mid(i, 2) == QLatin1String("--")) {
            const int son = int(sql.indexOf(QLatin1Char('\n'), i));
            i = son < 0 ? n : son + 1;
        } else if (sql.mid(i, 2) == QLatin1String("/*")) {
            const int son = int(sql.indexOf(QLatin1String("*/"), i + 2));
            i = son < 0 ? n : son + 2;
        } else {
            break;
        }
    }
    int j = i;
    while (j < n && sql.at(j).isLetter())
        ++j;
    const QString kelime = sql.mid(i, j - i).toUpper();
    return kelime == QLatin1String("SELECT") || kelime == QLatin1String("WITH");
}

std::optional<Sonuc> oku(const QString &sql, const QString &baglanti, QString *hata)
{
    const QString reddedildi = QStringLiteral(
        "Yalnız okuyan bir sorgu (SELECT) çalıştırılabilir; veriyi değiştiren komutlar burada çalıştırılmaz.");
    if (!okumaMetniMi(sql)) {
        hataBildir(reddedildi, hata);
        return std::nullopt;
    }
    const auto yanEtkiliReddi = [&](const QString &neden) {
        hataBildir(QStringLiteral("Bu sorgu veritabanını değiştirebilecek bir ifade içeriyor (%1); burada yalnız "
                                  "okuyan sorgular çalıştırılabilir.")
                       .arg(neden),
                   hata);
    };
    if (const QString neden = yanEtkisi(sql); !neden.isEmpty()) {
        yanEtkiliReddi(neden);
        return std::nullopt;
    }
    if (!metinlerTasinabilir(sql, {}, hata))
        return std::nullopt;
    const QString ad = baglantiAdi(baglanti);
    if (!acik(ad, false, hata))
        return std::nullopt;
    // Whatever the statement still turns out to do, its transaction is
    // rolled back: nothing it did to the data is kept.
    if (Islem::acikMi(baglanti)) {
        hataBildir(QStringLiteral("Kaydedilmemiş bir değişiklik sürerken sorgu çalıştırılamaz."), hata);
        return std::nullopt;
    }
    {
        const auto neden = yanEtkisiKatalogda(sql, ad, hata);
        if (!neden)
            return std::nullopt;
        if (!neden->isEmpty()) {
            yanEtkiliReddi(*neden);
            return std::nullopt;
        }
    }
    for (int deneme = 0;; ++deneme) {
        QSqlDatabase db = Baglanti::vt(ad);
        QSqlError e;
        QString m;
        if (!db.transaction()) {
            e = db.lastError();
            if (hataSonrasi(ad, e, true, deneme, &m))
                continue;
            hataBildir(VeriHatasi::sinif(e) == VeriHatasi::Sinif::Diger
                           ? QStringLiteral("Sorgu için işlem başlatılamadı: ") + m
                           : m,
                       hata);
            return std::nullopt;
        }
        std::optional<Sonuc> sonuc;
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.prepare(sql)) {
                e = q.lastError();
            } else if (!q.isSelect()) {
                q.finish();
                db.rollback();
                hataBildir(reddedildi, hata);
                return std::nullopt;
            } else if (q.exec()) {
                sonuc = satirlar(q, &e);
            } else {
                e = q.lastError();
            }
            q.finish();
        }
        db.rollback();
        if (sonuc)
            return sonuc;
        if (hataSonrasi(ad, e, true, deneme, &m))
            continue;
        hataBildir(m, hata);
        return std::nullopt;
    }
}

std::optional<QString> plan(const QString &sql, const QString &baglanti, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglantiAdi(baglanti));
    if (!db.isOpen()) {
        hataBildir(QStringLiteral("Veritabanı bağlantısı açık değil."), hata);
        return std::nullopt;
    }
    QSqlQuery q(db);
    if (!q.prepare(sql)) {
        hataBildir(hataMetni(q.lastError()), hata);
        return std::nullopt;
    }
    // Qt's Firebird driver hands out the statement handle; the plan is a
    // statement information item of the client library.
    // (The variant holds the handle's value, an integer the client maps.)
    const QVariant tutamak = q.result()->handle();
    isc_stmt_handle stmt = 0;
    if (tutamak.isValid() && tutamak.metaType().sizeOf() == int(sizeof(isc_stmt_handle)))
        stmt = *static_cast<const isc_stmt_handle *>(tutamak.constData());
    if (!stmt) {
        hataBildir(QStringLiteral("Sorgunun planı okunamadı."), hata);
        return std::nullopt;
    }
    ISC_STATUS_ARRAY durum = {};
    const char istek[] = {isc_info_sql_get_plan};
    QByteArray tampon(32768, '\0');
    if (isc_dsql_sql_info(durum, &stmt, sizeof(istek), istek, short(tampon.size()), tampon.data())
        || tampon.at(0) != isc_info_sql_get_plan) {
        hataBildir(QStringLiteral("Sorgunun planı okunamadı."), hata);
        return std::nullopt;
    }
    const int uzunluk = int(isc_vax_integer(tampon.constData() + 1, 2));
    q.finish();
    return QString::fromUtf8(tampon.mid(3, uzunluk)).trimmed();
}

std::optional<QVariant> tekDeger(const QString &sql, const QVariantList &degerler, const QString &baglanti,
                                 QString *hata)
{
    auto s = sec(sql, degerler, baglanti, hata);
    if (!s)
        return std::nullopt;
    if (s->satirlar.isEmpty() || s->kolonlar.isEmpty())
        return QVariant();
    return s->satirlar.first().first();
}

std::optional<qint64> uretec(const QString &ad, const QString &baglanti, QString *hata)
{
    // Generator names come from the schema description, never from the user.
    auto d = tekDeger(QStringLiteral("select gen_id(%1, 1) from rdb$database").arg(ad), {}, baglanti, hata);
    if (!d)
        return std::nullopt;
    return d->toLongLong();
}

} // namespace Sorgu

Islem::Islem(const QString &baglanti)
    : m_baglanti(baglantiAdi(baglanti))
{
    if (aciklar().contains(m_baglanti)) {
        m_katilimci = true;
        return;
    }
    // Nothing has run in it yet: a connection the server dropped is opened
    // again and the transaction started once more.
    for (int deneme = 0; deneme < 2 && !m_basladi; ++deneme) {
        // Not started: the statements that follow say why.
        if (!acik(m_baglanti, true, &m_hata))
            return;
        QSqlDatabase db = Baglanti::vt(m_baglanti);
        if (db.transaction()) {
            m_basladi = true;
            aciklar().insert(m_baglanti, false);
            m_pencereyiTutar = pencereyiTutar(m_baglanti);
            if (m_pencereyiTutar)
                VeriHatasi::islemAcildi();
            return;
        }
        if (!Sorgu::hataSonrasi(m_baglanti, db.lastError(), true, deneme, &m_hata)) {
            // A transaction is begun for a change: the user saves it again.
            if (Sorgu::sonHataSinifi() == VeriHatasi::Sinif::BaglantiKoptu)
                m_hata = VeriHatasi::baglantiKoptuMetni(!Baglanti::koptuMu(m_baglanti), true);
            return;
        }
    }
}

namespace {
// After an Islem ended: its connection, lost while it was open, is opened again.
void islemSonrasiAc(const QString &ad)
{
    if (islemdeKopanlar().remove(ad))
        Baglanti::yenidenAc(ad);
}
} // namespace

Islem::~Islem()
{
    if ((m_basladi || m_katilimci) && !m_bitti)
        geriAl();
}

bool Islem::onayla(QString *hata)
{
    if (m_katilimci && !m_bitti) {
        m_bitti = true;
        return !aciklar().value(m_baglanti, true);
    }
    if (!m_basladi || m_bitti)
        return false;
    // What was reported inside reaches the user once this has ended.
    struct Kapanis
    {
        bool tutar;
        ~Kapanis()
        {
            if (tutar)
                VeriHatasi::islemKapandi();
        }
    } kapanis{m_pencereyiTutar};
    QSqlDatabase db = Baglanti::vt(m_baglanti);
    m_bitti = true;
    const bool bozuk = aciklar().value(m_baglanti, false);
    aciklar().remove(m_baglanti);
    islemGostergesiniBirak(m_baglanti);
    if (bozuk) {
        db.rollback();
        islemSonrasiAc(m_baglanti);
        hataBildir(QStringLiteral("İşlemin bir bölümü tamamlanamadığı için yapılan değişikliklerin hepsi geri alındı."),
                   hata);
        return false;
    }
    if (!db.commit()) {
        const QSqlError e = db.lastError();
        db.rollback();
        QString m;
        if (VeriHatasi::sinif(e) == VeriHatasi::Sinif::BaglantiKoptu) {
            // Whether the server kept the change cannot be known here; the
            // connection is opened again and the user looks.
            VeriHatasi::teknisyeneYaz(e);
            m = VeriHatasi::baglantiKoptuMetni(Baglanti::yenidenAc(m_baglanti), true);
        } else {
            m = ::hataMetni(e);
        }
        islemdeKopanlar().remove(m_baglanti);
        hataBildir(m, hata);
        return false;
    }
    islemSonrasiAc(m_baglanti);
    return true;
}

void Islem::geriAl()
{
    if (m_katilimci && !m_bitti) {
        m_bitti = true;
        auto it = aciklar().find(m_baglanti);
        if (it != aciklar().end())
            *it = true;
        return;
    }
    if (!m_basladi || m_bitti)
        return;
    m_bitti = true;
    aciklar().remove(m_baglanti);
    islemGostergesiniBirak(m_baglanti);
    Baglanti::vt(m_baglanti).rollback();
    islemSonrasiAc(m_baglanti);
    if (m_pencereyiTutar)
        VeriHatasi::islemKapandi();
}

bool Islem::acikMi(const QString &baglanti) { return aciklar().contains(baglantiAdi(baglanti)); }
