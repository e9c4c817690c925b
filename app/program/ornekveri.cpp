// "velmorika --ornek-veri N [--veritabani KONUM]": fills a database with N
// made-up patients and what a practice writes about them over the years, in
// realistic proportions, for measuring the screens on a large database.
// Per patient on average: 2 examinations (each with its fee and, mostly, its
// payment in the ledger), 1.5 appointments, 0.5 procedures and 0.5 laboratory
// lines (on the patient's last examination, whose totals carry them, when he
// has one); the patients of the eye doctors also have eye examinations.
// Names are Turkish; codes are unique per company.
#include "app/program/komutsatiri.h"
#include "app/program/ornekveri.h"

#include "app/mesaj.h"
#include "db/baglanti.h"
#include "db/sema.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>

namespace {

const char *const erkekAdlari[] = {"AHMET", "MEHMET", "MUSTAFA", "ALİ", "HÜSEYİN", "HASAN", "İBRAHİM", "İSMAİL",
                                   "OSMAN", "YUSUF", "MURAT", "ÖMER", "RAMAZAN", "HALİL", "SÜLEYMAN", "ABDULLAH",
                                   "MAHMUT", "EMRE", "BURAK", "ÇAĞLAR", "OĞUZ", "İLKER", "ŞÜKRÜ", "IŞIK"};
const char *const kadinAdlari[] = {"FATMA", "AYŞE", "EMİNE", "HATİCE", "ZEYNEP", "ELİF", "MERYEM", "ŞERİFE",
                                   "SULTAN", "ZEHRA", "HANİFE", "MERVE", "ÖZLEM", "YASEMİN", "GÜLİZ", "İPEK",
                                   "ÇİĞDEM", "DİLEK", "SEVGİ", "ŞEYMA", "BÜŞRA", "NURSEL", "IRMAK", "ÜMRAN"};
const char *const soyadlari[] = {"YILMAZ", "KAYA", "DEMİR", "ŞAHİN", "ÇELİK", "YILDIZ", "YILDIRIM", "ÖZTÜRK",
                                 "AYDIN", "ÖZDEMİR", "ARSLAN", "DOĞAN", "KILIÇ", "ASLAN", "ÇETİN", "KARA",
                                 "KOÇ", "KURT", "ÖZKAN", "ŞİMŞEK", "POLAT", "ÖZCAN", "KORKMAZ", "ÇAKIR",
                                 "ERDOĞAN", "YAVUZ", "CAN", "ACAR", "GÜNEŞ", "AKSOY", "IŞIKLI", "O'NEIL"};
const char *const iller[] = {"İSTANBUL", "ANKARA", "İZMİR", "BURSA", "ANTALYA", "KONYA", "ADANA", "ŞANLIURFA",
                             "GAZİANTEP", "KOCAELİ", "MERSİN", "DİYARBAKIR", "KAYSERİ", "ESKİŞEHİR", "ÇORUM"};
const char *const islemler[] = {"PANSUMAN", "DİKİŞ ALMA", "ENJEKSİYON", "EKG", "SERUM TAKMA", "KULAK YIKAMA",
                                "PANSUMAN (BÜYÜK)", "ALÇI", "TANSİYON TAKİBİ", "ŞEKER ÖLÇÜMÜ"};
const char *const tetkikler[] = {"HEMOGRAM", "AÇLIK KAN ŞEKERİ", "ÜRE", "KREATİNİN", "ALT", "AST", "TSH",
                                 "SEDİMANTASYON", "CRP", "TAM İDRAR TETKİKİ", "KOLESTEROL", "HbA1c"};

template <size_t N>
QString sec(QRandomGenerator &r, const char *const (&liste)[N])
{
    return QString::fromUtf8(liste[r.bounded(int(N))]);
}

const char *const keskinlikler[] = {"10/10", "9/10", "8/10", "7/10", "6/10", "5/10", "4/10", "3/10"};
const char *const dereceler[] = {"-0.25", "-0.50", "-0.75", "-1.00", "-1.50", "-2.00", "+0.50", "+1.00", "+1.50"};

struct Doktor
{
    QString kod;
    QString ad;
    double ucret;
    bool goz = false; // an eye doctor
};

// One prepared insert per table, values bound by position.
class Yazici
{
public:
    Yazici(QSqlDatabase db, const QString &tablo, const QStringList &kolonlar) : m_q(db)
    {
        QStringList yer;
        for (int i = 0; i < kolonlar.size(); ++i)
            yer << QStringLiteral("?");
        m_hazir = m_q.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(tablo, kolonlar.join(QStringLiteral(", ")), yer.join(QStringLiteral(", "))));
        if (!m_hazir)
            m_hata = m_q.lastError().text();
    }
    bool yaz(const QVariantList &degerler)
    {
        if (!m_hazir)
            return false;
        for (int i = 0; i < degerler.size(); ++i)
            m_q.bindValue(i, degerler.at(i));
        if (!m_q.exec()) {
            m_hata = m_q.lastError().text();
            return false;
        }
        return true;
    }
    bool hazir() const { return m_hazir; }
    QString hata() const { return m_hata; }

private:
    QSqlQuery m_q;
    bool m_hazir = false;
    QString m_hata;
};

} // namespace

bool OrnekVeriUret(const QString &baglanti, qint64 hastaSayisi, const QString &sirket,
                   const std::function<void(qint64, qint64)> &ilerleme, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglanti);
    if (!db.isOpen()) {
        *hata = QStringLiteral("Veritabanı bağlantısı açık değil.");
        return false;
    }
    if (!db.transaction()) {
        *hata = db.lastError().text();
        return false;
    }
    // The whole run is this one transaction: whatever fails, nothing stays.
    // (Declared first, so the statements below are gone before the rollback.)
    struct GeriAl
    {
        QSqlDatabase db;
        bool onaylandi = false;
        ~GeriAl()
        {
            if (!onaylandi)
                db.rollback();
        }
    } geriAl{db};

    // A statement of the run; the first column of its first row into *deger.
    auto calistir = [&](const QString &sql, const QVariantList &degerler = {}, QVariant *deger = nullptr) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        bool tamam = q.prepare(sql);
        for (int i = 0; tamam && i < degerler.size(); ++i)
            q.bindValue(i, degerler.at(i));
        tamam = tamam && q.exec();
        // A select computes its row (a generator's step too) when it is fetched.
        if (tamam && q.isSelect()) {
            const bool satir = q.next();
            if (deger)
                *deger = satir ? q.value(0) : QVariant();
        }
        if (!tamam)
            *hata = q.lastError().text();
        q.finish();
        return tamam;
    };

    // What needs more than the rights on the tables and generators comes
    // first, before any row: the optimizer judges indexes by statistics taken
    // when they were made (on empty tables), so they are taken again as a
    // restore would. Marked here, they are computed when the transaction
    // commits, over the rows written; a user who may not alter the tables is
    // refused here.
    QStringList indeksler;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("select trim(i.rdb$index_name) from rdb$indices i join rdb$relations r "
                                   "on r.rdb$relation_name = i.rdb$relation_name "
                                   "where coalesce(r.rdb$system_flag, 0) = 0"))) {
            *hata = q.lastError().text();
            return false;
        }
        while (q.next())
            indeksler << q.value(0).toString();
    }
    for (const QString &i : indeksler)
        if (!calistir(QStringLiteral("set statistics index %1").arg(i))) {
            const QString istemci = *hata;
            QVariant kullanici;
            calistir(QStringLiteral("select current_user from rdb$database"), {}, &kullanici);
            *hata = QStringLiteral("%1 kullanıcısı indeks istatistiklerini güncelleyemiyor (%2). Örnek veri, "
                                   "yazdığı satırların indeks istatistiklerini de güncellediği için tabloları "
                                   "değiştirme yetkisi ister: komutu veritabanının sahibi ya da SYSDBA olarak "
                                   "çalıştırın (VELMORIKA_DB_USER, VELMORIKA_DB_PASSWORD).\n%3")
                        .arg(kullanici.toString().trimmed(), i, istemci);
            return false;
        }

    // The keys follow the rows already there and the keys the generators
    // gave out; the generators are moved past the rows written at the end
    // (gen_id: the generator rights suffice).
    const QString tablolar[8] = {QStringLiteral("HASTALAR"),        QStringLiteral("MUAYENE"),
                                 QStringLiteral("CARI_HAREKET"),    QStringLiteral("RANDEVU"),
                                 QStringLiteral("YAPILANISLEMLER"), QStringLiteral("MUAYENE_LAB"),
                                 QStringLiteral("GOZHASTALIKLARI"), QStringLiteral("DOKTORLAR")};
    QString uretecler[8];
    qint64 no[8];
    for (int i = 0; i < 8; ++i) {
        const Tablo *t = TabloBul(tablolar[i]);
        Q_ASSERT(t && !t->uretec.isEmpty());
        uretecler[i] = t->uretec;
        QVariant enBuyuk, uretilen;
        if (!calistir(QStringLiteral("select coalesce(max(%1), 0) from %2").arg(t->anahtar, t->ad), {}, &enBuyuk)
            || !calistir(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(t->uretec), {}, &uretilen))
            return false;
        no[i] = std::max(enBuyuk.toLongLong(), uretilen.toLongLong());
    }

    QRandomGenerator r(20071);
    Yazici d(db, tablolar[7],
             {QStringLiteral("KAYITNO"), QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORADISOYADI"),
              QStringLiteral("PERSONELTURU"), QStringLiteral("BRANS"), QStringLiteral("MUAYENEUCRETI"),
              QStringLiteral("CALISIYORMU"), QStringLiteral("SIRKETKODU")});
    Yazici hasta(db, tablolar[0],
                 {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                  QStringLiteral("TCKIMLIKNO"), QStringLiteral("DOGUMTARIHI"), QStringLiteral("CINSIYET"),
                  QStringLiteral("CEPTEL"), QStringLiteral("IL"), QStringLiteral("DOKTORKODU"),
                  QStringLiteral("DOKTORADI"), QStringLiteral("SIRKETKODU"), QStringLiteral("KAYITTARIHI")});
    Yazici muayene(db, tablolar[1],
                   {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                    QStringLiteral("MUAYENETARIHI"), QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORADI"),
                    QStringLiteral("MUAYENEUCRETI"), QStringLiteral("TOPLAMTUTAR"), QStringLiteral("ODEMESEKLI"),
                    QStringLiteral("SIRKETKODU"), QStringLiteral("LABORATUVARVARMI"),
                    QStringLiteral("LABORATUVARUCRETI"), QStringLiteral("ISLEMTUTARI")});
    Yazici cari(db, tablolar[2],
                {QStringLiteral("KAYITNO"), QStringLiteral("CARIKOD"), QStringLiteral("CARIUNVAN"),
                 QStringLiteral("EVRAKNO"), QStringLiteral("ISLEMTARIHI"), QStringLiteral("ISLEMTURU"),
                 QStringLiteral("ACIKLAMA"), QStringLiteral("BORC"), QStringLiteral("ALACAK"),
                 QStringLiteral("EVRAKKAYITNO"), QStringLiteral("EVRAKCINSI"), QStringLiteral("SIRKETKODU")});
    Yazici randevu(db, tablolar[3],
                   {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                    QStringLiteral("DOKTOR"), QStringLiteral("DOKTORADI"), QStringLiteral("RANDALMATARIHI"),
                    QStringLiteral("RANDEVUTARIHI"), QStringLiteral("RANDEVUSAATI"), QStringLiteral("KONU"),
                    QStringLiteral("SIRKETKODU")});
    // Lines of an examination carry its number and source; lines of a
    // patient without one carry neither.
    Yazici islem(db, tablolar[4],
                 {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                  QStringLiteral("YAPILANISLEM"), QStringLiteral("ISLEMTARIHI"), QStringLiteral("DOKTORKODU"),
                  QStringLiteral("DOKTORADI"), QStringLiteral("UCRETI"), QStringLiteral("SIRKETKODU"),
                  QStringLiteral("MUAYENENO"), QStringLiteral("KAYNAK"), QStringLiteral("ISLEMTURU")});
    Yazici lab(db, tablolar[5],
               {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                QStringLiteral("MUAYENETARIHI"), QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORADI"),
                QStringLiteral("TETKIKADI"), QStringLiteral("UCRETI"), QStringLiteral("SIRKETKODU"),
                QStringLiteral("MUAYENENO"), QStringLiteral("KAYNAK"), QStringLiteral("ISLEMTURU")});
    Yazici goz(db, tablolar[6],
               {QStringLiteral("KAYITNO"), QStringLiteral("HASTAKODU"), QStringLiteral("HASTAADISOYADI"),
                QStringLiteral("MUAYENETARIHI"), QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTORADI"),
                QStringLiteral("UCRETI"), QStringLiteral("TOPLAMTUTAR"), QStringLiteral("SIRKETKODU"),
                QStringLiteral("GOZ_SAGGZLKSUZ"), QStringLiteral("GOZ_SOLGZLKSUZ"),
                QStringLiteral("GOZ_SAGUZAK1"), QStringLiteral("GOZ_SOLUZAK1")});
    Yazici *hepsi[] = {&d, &hasta, &muayene, &cari, &randevu, &islem, &lab, &goz};
    auto yazmaHatasi = [&] {
        for (Yazici *y : hepsi)
            if (!y->hata().isEmpty())
                *hata = y->hata();
        return false;
    };
    // Every insert is prepared before the first row: a table the user may not
    // write to stops the run here.
    for (Yazici *y : hepsi)
        if (!y->hazir())
            return yazmaHatasi();

    // The staff first: a handful of doctors the examinations are written to.
    QVector<Doktor> doktorlar;
    static const char *const branslar[] = {"DAHİLİYE", "ÇOCUK", "GÖZ", "KBB", "GENEL CERRAHİ", "AİLE HEKİMİ"};
    for (int i = 0; i < 8; ++i) {
        const qint64 dno = ++no[7];
        Doktor dr{QStringLiteral("ORNDR%1").arg(dno),
                  QStringLiteral("DR. ") + sec(r, erkekAdlari) + QLatin1Char(' ') + sec(r, soyadlari),
                  double(300 + 50 * r.bounded(10))};
        // Two of the eight are eye doctors, whatever the draw.
        const QString brans = i < 2 ? QStringLiteral("GÖZ") : sec(r, branslar);
        dr.goz = brans == QStringLiteral("GÖZ");
        if (!d.yaz({dno, dr.kod, dr.ad, QStringLiteral("DOKTOR"), brans, dr.ucret, QStringLiteral("EVET"), sirket}))
            return yazmaHatasi();
        doktorlar << dr;
    }

    const QDate bugun = QDate::currentDate();
    const int grup = 2000; // patients between two progress calls
    for (qint64 bas = 0; bas < hastaSayisi; bas += grup) {
        bool tamam = true;
        const qint64 son = std::min(hastaSayisi, bas + grup);
        for (qint64 h = bas; h < son && tamam; ++h) {
            const qint64 hno = ++no[0];
            const QString kod = QString::number(hno);
            const bool kadin = r.bounded(2) == 0;
            const QString ad = (kadin ? sec(r, kadinAdlari) : sec(r, erkekAdlari)) + QLatin1Char(' ') + sec(r, soyadlari);
            const Doktor &dr = doktorlar.at(r.bounded(int(doktorlar.size())));
            const QDate kayit = bugun.addDays(-r.bounded(3650));
            const QDate dogum = QDate(1935 + r.bounded(85), 1 + r.bounded(12), 1 + r.bounded(28));
            tamam = hasta.yaz({hno, kod, ad, QString::number(10000000000LL + (hno * 7919) % 89999999999LL), QDateTime(dogum, {}),
                               kadin ? QStringLiteral("KADIN") : QStringLiteral("ERKEK"),
                               QStringLiteral("05%1").arg(300000000 + r.bounded(99999999)), sec(r, iller), dr.kod,
                               dr.ad, sirket, QDateTime(kayit, {})});
            // Examinations: 0 to 4, 2 on average, each with its fee in the ledger and mostly its payment.
            // Half the patients have a procedure and half a laboratory line, on the last examination.
            const int muayeneSayisi = r.bounded(5);
            const bool islemVar = r.bounded(2) == 0;
            const bool labVar = r.bounded(2) == 0;
            const QString yapilan = sec(r, islemler);
            const double islemUcreti = double(50 + 25 * r.bounded(8));
            const QString tetkik = sec(r, tetkikler);
            const double labUcreti = double(40 + 10 * r.bounded(12));
            qint64 sonMuayene = 0;
            QDateTime sonTarih;
            for (int m = 0; m < muayeneSayisi && tamam; ++m) {
                const qint64 mno = ++no[1];
                const QDateTime t(kayit.addDays(r.bounded(std::max<qint64>(1, kayit.daysTo(bugun) + 1))),
                                  QTime(8 + r.bounded(10), 15 * r.bounded(4)));
                const bool son = m == muayeneSayisi - 1;
                const double lab1 = son && labVar ? labUcreti : 0.0;
                const double islem1 = son && islemVar ? islemUcreti : 0.0;
                if (son) {
                    sonMuayene = mno;
                    sonTarih = t;
                }
                tamam = muayene.yaz({mno, kod, ad, t, dr.kod, dr.ad, dr.ucret, dr.ucret + lab1 + islem1,
                                     QStringLiteral("NAKİT"), sirket,
                                     lab1 > 0 ? QStringLiteral("E") : QStringLiteral("H"), lab1, islem1})
                        && cari.yaz({++no[2], kod, ad, QStringLiteral("M-%1").arg(mno), t, QStringLiteral("MUAYENE"),
                                     QStringLiteral("Muayene ücreti"), dr.ucret, 0.0, mno, QStringLiteral("MUA"), sirket});
                if (tamam && r.bounded(10) < 8)
                    tamam = cari.yaz({++no[2], kod, ad, QStringLiteral("T-%1").arg(mno), t, QStringLiteral("TAHSİLAT"),
                                      QStringLiteral("Muayene tahsilatı"), 0.0, dr.ucret, mno, QStringLiteral("TAH"), sirket});
            }
            // Appointments: 1.5 on average, some in the coming weeks.
            const int randevuSayisi = r.bounded(4);
            for (int k = 0; k < randevuSayisi && tamam; ++k) {
                const QDate gun = kayit.addDays(r.bounded(std::max<qint64>(1, kayit.daysTo(bugun) + 60)));
                tamam = randevu.yaz({++no[3], kod, ad, dr.kod, dr.ad, QDateTime(kayit, {}), QDateTime(gun, {}),
                                     QDateTime(gun, QTime(9 + r.bounded(8), 15 * r.bounded(4))),
                                     QStringLiteral("Kontrol"), sirket});
            }
            const bool bagli = sonMuayene > 0;
            const QDateTime satirTarihi = bagli ? sonTarih : QDateTime(kayit, {});
            const QVariant kaynak = bagli ? QVariant(QStringLiteral("GENEL")) : QVariant();
            const QVariant islemTuru = bagli ? QVariant(QStringLiteral("GENEL MUAYENE")) : QVariant();
            if (tamam && islemVar)
                tamam = islem.yaz({++no[4], kod, ad, yapilan, satirTarihi, dr.kod, dr.ad, islemUcreti, sirket,
                                   bagli ? QVariant(double(sonMuayene)) : QVariant(), kaynak, islemTuru});
            if (tamam && labVar)
                tamam = lab.yaz({++no[5], kod, ad, satirTarihi, dr.kod, dr.ad, tetkik, labUcreti, sirket,
                                 bagli ? QVariant(QString::number(sonMuayene)) : QVariant(), kaynak, islemTuru});
            // Eye examinations: half the patients of an eye doctor, with acuity and refraction.
            if (tamam && dr.goz && r.bounded(2) == 0) {
                const qint64 gno = ++no[6];
                const QDateTime t(kayit.addDays(r.bounded(std::max<qint64>(1, kayit.daysTo(bugun) + 1))),
                                  QTime(8 + r.bounded(10), 15 * r.bounded(4)));
                tamam = goz.yaz({gno, kod, ad, t, dr.kod, dr.ad, dr.ucret, dr.ucret, sirket, sec(r, keskinlikler),
                                 sec(r, keskinlikler), sec(r, dereceler), sec(r, dereceler)})
                        && cari.yaz({++no[2], kod, ad, QStringLiteral("G-%1").arg(gno), t, QStringLiteral("MUAYENE"),
                                     QStringLiteral("Göz muayene ücreti"), dr.ucret, 0.0, gno, QStringLiteral("GOZ"),
                                     sirket});
            }
        }
        if (!tamam)
            return yazmaHatasi();
        if (ilerleme)
            ilerleme(son, hastaSayisi);
    }

    // The generators follow the rows written, so the program's next keys are
    // free. A generator is outside transactions: moved last, just before the
    // commit, so that a run failing before leaves them as they were.
    for (int i = 0; i < 8; ++i) {
        QVariant simdi;
        if (!calistir(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(uretecler[i]), {}, &simdi))
            return false;
        // (The database is of dialect 1, which has no BIGINT: the step goes as
        // a double, exact for any whole number of rows.)
        if (no[i] > simdi.toLongLong()
            && !calistir(QStringLiteral("select gen_id(%1, cast(? as double precision)) from rdb$database")
                             .arg(uretecler[i]),
                         {double(no[i] - simdi.toLongLong())}))
            return false;
    }
    if (!db.commit()) {
        *hata = db.lastError().text();
        return false;
    }
    geriAl.onaylandi = true;
    return true;
}

int OrnekVeriKomutu(const QStringList &argumanlar)
{
    const std::optional<Komut> k = FiilKomutu(argumanlar, Komut::Tur::OrnekVeri);
    if (!k)
        return CikisKodu::Kullanim;
    bool sayi = false;
    const qint64 n = k->deger(QStringLiteral("--ornek-veri")).toLongLong(&sayi);
    if (!sayi || n <= 0) {
        Mesaj::hata(QStringLiteral("--ornek-veri bir hasta sayısı ister (1 ya da daha çok).\n") + KullanimMetni());
        return CikisKodu::Kullanim;
    }
    const QString baglanti = QStringLiteral("velmorika_ornek_veri");
    if (!KomutBaglantisiAc(*k, baglanti))
        return CikisKodu::Veritabani;
    QTextStream cikis(stdout);
    QElapsedTimer sure;
    sure.start();
    QString hata;
    const bool tamam = OrnekVeriUret(baglanti, n, QStringLiteral("2007"), [&](qint64 yazilan, qint64 toplam) {
        cikis << QStringLiteral("\r%1 / %2 hasta (%3 sn)").arg(yazilan).arg(toplam).arg(sure.elapsed() / 1000) << Qt::flush;
    }, &hata);
    cikis << Qt::endl;
    Baglanti::kapat(baglanti);
    if (!tamam) {
        Mesaj::hata(QStringLiteral("Örnek veri yazılamadı; veritabanına hiçbir satır yazılmadı.\n") + hata);
        return CikisKodu::Veritabani;
    }
    cikis << QStringLiteral("\n%1 hasta ve kayıtları yazıldı.").arg(n) << Qt::endl;
    return CikisKodu::Tamam;
}
