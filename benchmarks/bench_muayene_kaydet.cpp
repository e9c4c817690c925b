// Posting a saved examination (CariIsleme::cariyeisleme: the locked read, the
// totals, one removal, two inserts, one transaction) on a ledger of 100,000
// and then 1,000,000 account movements, against the same five statements
// run raw through Qt in one transaction, on the same database in the same run.
//   bench_muayene_kaydet [small ledger] [large ledger] [repeats]
#include "app/oturum.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "destek/betikmesaj.h"
#include "destek/testvt.h"
#include "klinik/cariisleme.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int MuayeneSayisi = 1000;

qint64 islemNo()
{
    return Sorgu::tekDeger(QStringLiteral("select current_transaction from rdb$database"))->toLongLong();
}

bool muayeneler()
{
    Islem islem;
    QSqlQuery q(Baglanti::vt());
    q.prepare(QStringLiteral("insert into muayene (kayitno, hastakodu, hastaadisoyadi, doktorkodu, doktoradi, "
                             "muayenetarihi, muayeneucreti, laboratuvarucreti, doktorpayturu, doktorpayparam, "
                             "sirketkodu) values (?, ?, ?, 'D1', 'DR. AYŞE YILDIZ', ?, 150, 40, 'YÜZDE', 20, '2007')"));
    for (int i = 1; i <= MuayeneSayisi; ++i) {
        q.addBindValue(i);
        q.addBindValue(QStringLiteral("H%1").arg(i));
        q.addBindValue(QStringLiteral("HASTA %1 ŞÜKRÜOĞLU").arg(i));
        q.addBindValue(QDateTime(QDate(2026, 1, 1).addDays(i % 300), QTime(0, 0)));
        if (!q.exec()) {
            std::fprintf(stderr, "muayene: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q.finish();
    return islem.onayla();
}

// Movements of other examinations and of hand entries up to toplam rows.
bool defteriDoldur(int &var, int toplam)
{
    Islem islem;
    QSqlQuery q(Baglanti::vt());
    q.prepare(QStringLiteral("insert into cari_hareket (kayitno, carikod, cariunvan, evrakno, islemtarihi, "
                             "islemturu, aciklama, borc, alacak, vadetarihi, evrakkayitno, evrakcinsi, sirketkodu, "
                             "parabirimi) values (gen_id(AUTOINCCARIHAREKET, 1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                             "'2007', 'YTL')"));
    const QVariant bos(QMetaType::fromType<QString>());
    for (int i = var + 1; i <= toplam; ++i) {
        const bool elle = i % 4 == 0;
        const int kaynak = MuayeneSayisi + i / 2; // numbers no examination of the run uses
        const QDateTime t(QDate(2020, 1, 1).addDays(i % 2000), QTime(0, 0));
        q.addBindValue(QStringLiteral("H%1").arg(i % 50000));
        q.addBindValue(QStringLiteral("HASTA %1").arg(i % 50000));
        q.addBindValue(QStringLiteral("M-%1").arg(kaynak));
        q.addBindValue(t);
        q.addBindValue(elle ? QStringLiteral("NAKIT") : QStringLiteral("B.DEKONTU"));
        q.addBindValue(elle ? QStringLiteral("TAHSİLAT") : QStringLiteral("MUAYENE ÜCRETİ"));
        q.addBindValue(elle ? 0.0 : 100.0);
        q.addBindValue(elle ? 100.0 : 0.0);
        q.addBindValue(t);
        q.addBindValue(elle ? QVariant(QMetaType::fromType<double>()) : QVariant(double(kaynak)));
        q.addBindValue(elle ? bos : QVariant(QStringLiteral("MYNE")));
        if (!q.exec()) {
            std::fprintf(stderr, "hareket: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q.finish();
    var = toplam;
    return islem.onayla();
}

// The five statements of a posting, raw, with the values the routine uses.
bool hamKomutlar(int no)
{
    QSqlDatabase db = Baglanti::vt();
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool tamam = q.prepare(QStringLiteral("select hastakodu, hastaadisoyadi, doktorkodu, doktoradi, muayenetarihi, "
                                          "muayeneucreti, laboratuvarucreti, islemtutari, doktorpayturu, "
                                          "doktorpayparam from MUAYENE where kayitno = ? and sirketkodu || '' = ? with lock"));
    q.addBindValue(no);
    q.addBindValue(QStringLiteral("2007"));
    tamam = tamam && q.exec() && q.next();
    const QVariantList r = {q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)};
    q.finish();
    const double ucret = r[5].toDouble(), pay = ucret * 0.2 + 40 * 0.2;
    tamam = tamam && q.prepare(QStringLiteral("update MUAYENE set doktorpaytutari = ?, toplamtutar = ? where kayitno = ?"));
    q.addBindValue(pay);
    q.addBindValue(ucret + 40);
    q.addBindValue(no);
    tamam = tamam && q.exec();
    tamam = tamam && q.prepare(QStringLiteral("delete from cari_hareket where evrakkayitno = ? and sirketkodu || '' = ? and "
                                              "((evrakcinsi = ? and aciklama = ?) or (evrakcinsi = ? and aciklama = ?))"));
    for (const QVariant &v : QVariantList{double(no), QStringLiteral("2007"), QStringLiteral("MYNE"),
                                          QStringLiteral("MUAYENE ÜCRETİ"), QStringLiteral("DR"),
                                          QStringLiteral("MUAYENE PAYI")})
        q.addBindValue(v);
    tamam = tamam && q.exec();
    const QDateTime bugun(QDate::currentDate(), QTime(0, 0));
    for (int satir = 0; satir < 2 && tamam; ++satir) {
        tamam = q.prepare(QStringLiteral(
            "insert into cari_hareket (kayitno, carikod, cariunvan, evrakno, islemtarihi, islemturu, aciklama, borc, "
            "alacak, vadetarihi, ozelkod2, evrakkayitno, evrakcinsi, sirketkodu, kullanici, degistirmetarihi, "
            "parabirimi) values (gen_id(AUTOINCCARIHAREKET, 1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const bool hasta = satir == 0;
        for (const QVariant &v :
             QVariantList{hasta ? r[0] : r[2], hasta ? r[1] : r[3], QStringLiteral("M-%1").arg(no), r[4],
                          hasta ? QStringLiteral("B.DEKONTU") : QStringLiteral("DR.HAKEDİŞ"),
                          hasta ? QStringLiteral("MUAYENE ÜCRETİ") : QStringLiteral("MUAYENE PAYI"),
                          hasta ? ucret : 0.0, hasta ? 0.0 : ucret * 0.2, r[4], hasta ? r[3] : r[1], double(no),
                          hasta ? QStringLiteral("MYNE") : QStringLiteral("DR"), QStringLiteral("2007"),
                          Oturum.username, bugun, QStringLiteral("YTL")})
            q.addBindValue(v);
        tamam = tamam && q.exec();
    }
    q.finish();
    if (!tamam) {
        std::fprintf(stderr, "ham: %s\n", qPrintable(q.lastError().text()));
        db.rollback();
        return false;
    }
    return db.commit();
}

double medyan(QVector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : double(v[v.size() / 2]) / 1e3;
}

// Alternates the routine and the raw statements on the examinations in turn.
bool olc(int defter, int tekrar, double *oran)
{
    QVector<qint64> motor, ham;
    int komut = 0, tekIslem = 0; // most statements of a posting; postings seen in one transaction
    QElapsedTimer t;
    for (int i = 0; i < tekrar; ++i) {
        const int no = 1 + i % MuayeneSayisi;
        const int k0 = CariIsleme::komutSayisi();
        const qint64 t0 = islemNo();
        t.start();
        if (!CariIsleme::cariyeisleme(CariIsleme::Kaynak::Genel, no))
            return false;
        motor << t.nsecsElapsed();
        const qint64 t1 = islemNo();
        komut = std::max(komut, CariIsleme::komutSayisi() - k0);
        // transactions started between the two reads (one the database
        // starts on its own in between would be counted too)
        tekIslem += t1 - t0 - 1 == 1;
        t.start();
        if (!hamKomutlar(no))
            return false;
        ham << t.nsecsElapsed();
    }
    const double m = medyan(motor), h = medyan(ham);
    const auto p = Sorgu::plan(QStringLiteral("delete from cari_hareket where evrakkayitno = 1 and sirketkodu || '' = '2007' "
                                              "and ((evrakcinsi = 'MYNE' and aciklama = 'A') or (evrakcinsi = 'DR' "
                                              "and aciklama = 'B'))"));
    std::printf("silme planı: %s\n", p ? qPrintable(*p) : "?");
    *oran = m / h;
    std::fflush(stdout);
    std::printf("%9d hareket: cariyeisleme %.0f µs, ham komutlar %.0f µs (medyan, %d tekrar), oran %.2fx; "
                "en çok %d komut (hedef <= 5); tek işlemde biten: %d / %d\n",
                defter, m, h, tekrar, *oran, komut, tekIslem, tekrar);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int kucuk = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int buyuk = argc > 2 ? QByteArray(argv[2]).toInt() : 1000000;
    const int tekrar = argc > 3 ? QByteArray(argv[3]).toInt() : 300;

    TestVeritabani vt;
    if (!vt.hazir()) {
        std::fprintf(stderr, "veritabanı: %s\n", qPrintable(vt.hata()));
        return 1;
    }
    BetikMesaj mesaj;
    if (!muayeneler())
        return 1;
    int var = 0;
    double oranKucuk = 0, oranBuyuk = 0;
    QElapsedTimer t;
    t.start();
    if (!defteriDoldur(var, kucuk))
        return 1;
    std::printf("%d hareket yazıldı (%.1f s)\n", var, t.elapsed() / 1000.0);
    if (!olc(var, tekrar, &oranKucuk))
        return 1;
    t.start();
    if (!defteriDoldur(var, buyuk))
        return 1;
    std::printf("%d hareket yazıldı (%.1f s)\n", var, t.elapsed() / 1000.0);
    if (!olc(var, tekrar, &oranBuyuk))
        return 1;
    if (!mesaj.mesajlar.isEmpty())
        std::printf("mesajlar: %s\n", qPrintable(mesaj.mesajlar.join(QStringLiteral(" | "))));
    return 0;
}
