// "velmorika --ornek-veri N [--veritabani KONUM]": fills a database with N
// made-up patients and what a practice writes about them over the years, in
// realistic proportions, for measuring the screens on a large database.
// Per patient on average: 2 examinations (each with its fee and the doctor's
// share in the ledger and, mostly, the patient's payment), 1.5 appointments,
// 0.5 procedures and 0.5 laboratory lines (on the patient's last
// examination, whose totals and postings carry them); the patients of the
// eye doctors also have eye examinations. Every row is written as its screen
// writes it, so that the lists, the reminders and the reports find them and
// a row saved again on its screen changes nothing. Names are Turkish; codes
// are unique per company.
#include "app/program/komutsatiri.h"
#include "app/program/ornekveri.h"

#include "app/mesaj.h"
#include "app/parametre.h"
#include "db/baglanti.h"
#include "db/sema.h"
#include "db/sorgu.h"
#include "db/veriseti.h"
#include "klinik/cariisleme.h"
#include "randevu/gunplani.h"
#include "randevu/randevusorgu.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>

namespace {

using CariIsleme::Kaynak;
using CariIsleme::SatirTuru;

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
const char *const konular[] = {"Kontrol", "İlk muayene", "Tahlil sonucu", "Pansuman", "Reçete yenileme"};

// The procedure catalogue (ISLEMLER) and the test catalogue (LABORATUVAR):
// the lines are picked from them and carry their prices.
struct IslemTanimi
{
    const char *ad;
    double ucret;
};
const IslemTanimi islemTanimlari[] = {{"PANSUMAN", 100},     {"DİKİŞ ALMA", 150},       {"ENJEKSİYON", 50},
                                      {"EKG", 200},          {"SERUM TAKMA", 150},      {"KULAK YIKAMA", 100},
                                      {"PANSUMAN (BÜYÜK)", 175}, {"ALÇI", 225},         {"TANSİYON TAKİBİ", 50},
                                      {"ŞEKER ÖLÇÜMÜ", 50}};
struct TetkikTanimi
{
    const char *ad, *tur, *birim, *aralik;
    double ucret;
};
const TetkikTanimi tetkikTanimlari[] = {
    {"HEMOGRAM", "HEMATOLOJİ", "", "", 60},
    {"AÇLIK KAN ŞEKERİ", "BİYOKİMYA", "mg/dL", "70-100", 40},
    {"ÜRE", "BİYOKİMYA", "mg/dL", "15-45", 40},
    {"KREATİNİN", "BİYOKİMYA", "mg/dL", "0,6-1,3", 40},
    {"ALT", "BİYOKİMYA", "U/L", "0-41", 50},
    {"AST", "BİYOKİMYA", "U/L", "0-40", 50},
    {"TSH", "ENDOKRİNOLOJİ", "mIU/L", "0,27-4,2", 120},
    {"SEDİMANTASYON", "HEMATOLOJİ", "mm/saat", "0-20", 30},
    {"CRP", "İMMUNOLOJİ", "mg/L", "0-5", 80},
    {"TAM İDRAR TETKİKİ", "BİYOKİMYA", "", "", 50},
    {"KOLESTEROL", "BİYOKİMYA", "mg/dL", "0-200", 50},
    {"HbA1c", "BİYOKİMYA", "%", "4-6", 150}};

// What a line copies from its catalogue row (as the lookups hand it over).
struct KatalogSatiri
{
    QVariant kod, ad, tur, ucret, aralik, birim, kod1, kod2, kod3;
};

// The payment kinds of the payment screen patients pay by, in proportion.
const char *const odemeTurleri[] = {"NAKIT", "NAKIT", "NAKIT", "NAKIT", "NAKIT", "NAKIT",
                                    "K.KARTI", "K.KARTI", "K.KARTI", "HAVALE"};

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
    QVariant payTuru; // null: no share
    double payParam = 0;
    bool goz = false; // an eye doctor
};

// The doctors' share settings, in turn: percentages and fixed amounts that
// stay whole cents, and one doctor without a share.
struct PayAyari
{
    const QString *tur;
    double param;
};
const PayAyari payAyarlari[] = {{&CariIsleme::Yuzde, 25},      {&CariIsleme::Yuzde, 50},
                                {&CariIsleme::BirimFiyat, 100}, {&CariIsleme::Yuzde, 25},
                                {&CariIsleme::BirimFiyat, 150}, {nullptr, 0},
                                {&CariIsleme::Yuzde, 50},      {&CariIsleme::Yuzde, 25}};

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

// The tables written, in the order of their key counters.
namespace Sira {
enum { Hasta, Muayene, Cari, Randevu, Islem, Lab, Goz, Doktor, IslemListesi, TetkikListesi, TabloSayisi };
}
const char *const tabloAdlari[Sira::TabloSayisi] = {"HASTALAR",        "MUAYENE",     "CARI_HAREKET", "RANDEVU",
                                              "YAPILANISLEMLER", "MUAYENE_LAB", "GOZHASTALIKLARI",
                                              "DOKTORLAR",       "ISLEMLER",    "LABORATUVAR"};

QStringList kolonlar(std::initializer_list<const char *> adlar)
{
    QStringList l;
    for (const char *a : adlar)
        l << QLatin1String(a);
    return l;
}

QDateTime gun(const QDate &d) { return QDateTime(d, QTime(0, 0)); }

// A patient as the run writes him, with what the rows of his examinations,
// appointments and eye examinations copy from his card.
struct HastaBilgisi
{
    QString kod, ad, cep;
    QDate kayit;
    const Doktor *dr;
};

// What the run takes from the database before its transaction: the
// appointment book's day plan and fee (its parameters 8 to 10 and 13) and
// the user the rows are written by.
struct UretimAyari
{
    QString kullanici;
    QVector<QTime> slotlar;
    QVariant randevuUcreti = 0.0;
};

bool ayarlariOku(const QString &baglanti, UretimAyari *a, QString *hata)
{
    QStringList randevuAyari(13, QString());
    if (!ParametreOku(QStringLiteral("RANDEVU"), randevuAyari, baglanti)) {
        *hata = QStringLiteral("Randevu parametreleri okunamadı.");
        return false;
    }
    const auto ilkKullanici = Sorgu::tekDeger(
        QStringLiteral("select first 1 username from elemanlar order by kayit_no"), {}, baglanti, hata);
    if (!ilkKullanici)
        return false;
    a->kullanici = ilkKullanici->toString().trimmed();
    QString planHatasi;
    a->slotlar = GunPlani::Saatler({randevuAyari.at(7), randevuAyari.at(8), randevuAyari.at(9), randevuAyari.at(10)},
                                   &planHatasi);
    if (a->slotlar.isEmpty()) // parameters that make no sense: the book's usual day
        a->slotlar = GunPlani::Saatler({QStringLiteral("09:00"), QStringLiteral("17:00"), QStringLiteral("4"), {}},
                                       &planHatasi);
    if (!randevuAyari.at(12).trimmed().isEmpty()
        && !VeriSeti::degerCevir(KolonTuru::Ondalik, randevuAyari.at(12).trimmed(), &a->randevuUcreti))
        a->randevuUcreti = 0.0;
    return true;
}

// One run of the generator: its connection, the keys it gives out, the
// prepared inserts and what the rows copy (catalogue picks, doctors).
class Uretim
{
public:
    Uretim(QSqlDatabase db, const QString &sirket, const UretimAyari &ayar, QString *hata)
        : m_db(db), m_sirket(sirket), m_hata(hata), m_kullanici(ayar.kullanici), m_slotlar(ayar.slotlar),
          m_randevuUcreti(ayar.randevuUcreti), d(db, QLatin1String(tabloAdlari[Sira::Doktor]),
                                                      kolonlar({"KAYITNO", "DOKTORKODU", "DOKTORADISOYADI",
                                                                "PERSONELTURU", "BRANS", "CALISIYORMU",
                                                                "MUAYENEUCRETI", "DOKTORPAYTURU", "DOKTORPAYPARAM",
                                                                "DOKTORPAYTUTARI", "LDOKTORPAYPARAM",
                                                                "IDOKTORPAYPARAM", "MAASI", "SIRKETKODU"}))
    {
    }

    bool istatistikleriIsaretle();
    bool anahtarlariOku();
    bool yazicilarHazir();
    bool kataloglariYaz();
    bool doktorlariYaz();
    bool hastaYaz();
    bool ureteclerIlerlet();
    bool yazmaHatasi();

private:
    bool oku(const QString &sql, const QVariantList &degerler, const std::function<void(const QSqlQuery &)> &satir);
    bool calistir(const QString &sql, const QVariantList &degerler = {}, QVariant *deger = nullptr);
    bool isle(const CariIsleme::Belge &b, bool hastaSatiri, const QString &cins, const QString &aciklama, double borc,
              double alacak);
    bool muayeneyiIsle(const CariIsleme::Belge &b, Kaynak k, const Doktor &dr, double ucret, double *pay);
    bool odemeYaz(const HastaBilgisi &h, const QDateTime &t, double tutar, const QString &tur);
    bool muayeneleriYaz(const HastaBilgisi &h);
    bool randevulariYaz(const HastaBilgisi &h);
    bool gozMuayenesiYaz(const HastaBilgisi &h);

    QSqlDatabase m_db;
    QString m_sirket;
    QString *m_hata;
    QString m_kullanici;
    QVector<QTime> m_slotlar;
    QVariant m_randevuUcreti;
    const QDate m_bugun = QDate::currentDate();
    QRandomGenerator r{20071};
    // The keys follow the rows already there and the keys the generators gave out.
    QString m_uretecler[Sira::TabloSayisi];
    qint64 no[Sira::TabloSayisi] = {};
    QSet<QString> m_kodlar;
    QVector<Doktor> m_doktorlar;
    QVector<KatalogSatiri> m_islemSecenekleri, m_tetkikSecenekleri;
    const CariIsleme::Aciklamalar m_labAciklamalari = CariIsleme::satirAciklamalari(Kaynak::Genel, SatirTuru::Laboratuvar);
    const CariIsleme::Aciklamalar m_islemAciklamalari = CariIsleme::satirAciklamalari(Kaynak::Genel, SatirTuru::Islem);
    const QString m_genelKaynak = CariIsleme::kaynakDegeri(Kaynak::Genel);

    Yazici d;
    Yazici islemListesi{m_db, QLatin1String(tabloAdlari[Sira::IslemListesi]),
                        kolonlar({"KAYITNO", "ISLEMKODU", "YAPILANISLEM", "ISLEMTURU", "UCRETI", "SIRKETKODU"})};
    Yazici tetkikListesi{m_db, QLatin1String(tabloAdlari[Sira::TetkikListesi]),
                         kolonlar({"KAYITNO", "ISLEMTURU", "TETKIKKODU", "TETKIKADI", "ARALIK", "BIRIMI", "TURU",
                                   "UCRETI"})};
    // The patient card's new-row values: registration day, status, the
    // reminders switched off.
    Yazici hasta{m_db, QLatin1String(tabloAdlari[Sira::Hasta]),
                 kolonlar({"KAYITNO", "HASTAKODU", "HASTAADISOYADI", "TCKIMLIKNO", "DOGUMTARIHI", "CINSIYET",
                           "CEPTEL", "IL", "DOKTORKODU", "DOKTORADI", "SIRKETKODU", "KAYITTARIHI", "KAYITDURUMU",
                           "HATUYARI", "HATIRLATMADURUMU2"})};
    // The examination with the patient and doctor picks (phone, share
    // settings) and the totals its postings write.
    Yazici muayene{m_db, QLatin1String(tabloAdlari[Sira::Muayene]),
                   kolonlar({"KAYITNO", "HASTAKODU", "HASTAADISOYADI", "HASTACEPTEL", "MUAYENETARIHI", "DOKTORKODU",
                             "DOKTORADI", "DOKTORPAYTURU", "DOKTORPAYPARAM", "DOKTORPAYTUTARI", "MUAYENEUCRETI",
                             "LABORATUVARUCRETI", "ISLEMTUTARI", "TOPLAMTUTAR", "ODEMESEKLI", "LABORATUVARVARMI",
                             "SIRKETKODU"})};
    // Postings through the routines' own row (CariIsleme::hareketDegerleri).
    Yazici cari{m_db, QLatin1String(tabloAdlari[Sira::Cari]),
                QStringList{QStringLiteral("KAYITNO")} + CariIsleme::hareketKolonlari()};
    // A payment as the payment screen saves it.
    Yazici odeme{m_db, QLatin1String(tabloAdlari[Sira::Cari]),
                 kolonlar({"KAYITNO", "CARIKOD", "CARIUNVAN", "ISLEMTARIHI", "VADETARIHI", "ISLEMTURU", "ACIKLAMA",
                           "BORC", "ALACAK", "OZELKOD2", "SIRKETKODU", "KULLANICI", "PARABIRIMI"})};
    Yazici randevu{m_db, QLatin1String(tabloAdlari[Sira::Randevu]),
                   kolonlar({"KAYITNO", "SIRKETKODU", "HASTAKODU", "HASTAADISOYADI", "HASTACEPTEL", "DOKTOR",
                             "DOKTORADI", "RANDALMATARIHI", "RANDEVUTARIHI", "RANDEVUSAATI", "KONU", "MUAYENEOLDUMU",
                             "MUAYENEUCRETI"})};
    // Lines of an examination: its new-line values and the catalogue pick.
    Yazici islem{m_db, QLatin1String(tabloAdlari[Sira::Islem]),
                 kolonlar({"KAYITNO", "HASTAKODU", "HASTAADISOYADI", "DOKTORKODU", "DOKTORADI", "DOKTORPAYTURU",
                           "DOKTORPAYPARAM", "DOKTORPAYTUTARI", "SIRKETKODU", "MUAYENENO", "ISLEMTARIHI", "KAYNAK",
                           "ISLEMKODU", "YAPILANISLEM", "ISLEMTURU", "UCRETI"})};
    Yazici lab{m_db, QLatin1String(tabloAdlari[Sira::Lab]),
               kolonlar({"KAYITNO", "HASTAKODU", "HASTAADISOYADI", "SIRKETKODU", "MUAYENENO", "MUAYENETARIHI",
                         "DOKTORKODU", "DOKTORADI", "CEPNO", "DOKTORPAYTURU", "DOKTORPAYPARAM", "DOKTORPAYTUTARI",
                         "ISLEMTURU", "KAYNAK", "LABORATUVARTARIHI", "LABORATUVARSAATI", "TETKIKKODU", "TETKIKADI",
                         "ARALIK", "TURU", "BIRIMI", "UCRETI", "KOD1", "KOD2", "KOD3"})};
    Yazici goz{m_db, QLatin1String(tabloAdlari[Sira::Goz]),
               kolonlar({"KAYITNO", "HASTAKODU", "HASTAADISOYADI", "MUAYENETARIHI", "DOKTORKODU", "DOKTORADI",
                         "DOKTORPAYTURU", "DOKTORPAYPARAM", "DOKTORPAYTUTARI", "UCRETI", "TOPLAMTUTAR", "SIRKETKODU",
                         "GOZ_SAGGZLKSUZ", "GOZ_SOLGZLKSUZ", "GOZ_SAGUZAK1", "GOZ_SOLUZAK1"})};
    Yazici *const hepsi[11] = {&d, &islemListesi, &tetkikListesi, &hasta, &muayene, &cari,
                               &odeme, &randevu, &islem, &lab, &goz};
};

// A statement of the run; satir gets each row of a select.
bool Uretim::oku(const QString &sql, const QVariantList &degerler, const std::function<void(const QSqlQuery &)> &satir)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    bool tamam = q.prepare(sql);
    for (int i = 0; tamam && i < degerler.size(); ++i)
        q.bindValue(i, degerler.at(i));
    tamam = tamam && q.exec();
    // A select computes its rows (a generator's step too) when they are fetched.
    while (tamam && q.isSelect() && q.next())
        if (satir)
            satir(q);
    if (!tamam)
        *m_hata = q.lastError().text();
    q.finish();
    return tamam;
}

// The first column of its first row into *deger.
bool Uretim::calistir(const QString &sql, const QVariantList &degerler, QVariant *deger)
{
    if (deger)
        *deger = QVariant();
    bool ilk = true;
    return oku(sql, degerler, [&](const QSqlQuery &q) {
        if (deger && ilk)
            *deger = q.value(0);
        ilk = false;
    });
}

// What needs more than the rights on the tables and generators comes first,
// before any row: the optimizer judges indexes by statistics taken when they
// were made (on empty tables), so they are taken again as a restore would.
// Marked here, they are computed when the transaction commits, over the rows
// written; a user who may not alter the tables is refused here.
bool Uretim::istatistikleriIsaretle()
{
    QStringList indeksler;
    if (!oku(QStringLiteral("select trim(i.rdb$index_name) from rdb$indices i join rdb$relations r "
                            "on r.rdb$relation_name = i.rdb$relation_name "
                            "where coalesce(r.rdb$system_flag, 0) = 0"),
             {}, [&](const QSqlQuery &q) { indeksler << q.value(0).toString(); }))
        return false;
    for (const QString &i : indeksler)
        if (!calistir(QStringLiteral("set statistics index %1").arg(i))) {
            const QString istemci = *m_hata;
            QVariant kim;
            calistir(QStringLiteral("select current_user from rdb$database"), {}, &kim);
            *m_hata = QStringLiteral("%1 kullanıcısı indeks istatistiklerini güncelleyemiyor (%2). Örnek veri, "
                                     "yazdığı satırların indeks istatistiklerini de güncellediği için tabloları "
                                     "değiştirme yetkisi ister: komutu veritabanının sahibi ya da SYSDBA olarak "
                                     "çalıştırın (VELMORIKA_DB_USER, VELMORIKA_DB_PASSWORD).\n%3")
                          .arg(kim.toString().trimmed(), i, istemci);
            return false;
        }
    return true;
}

// The keys follow the rows already there and the keys the generators gave
// out; the generators are moved past the rows written at the end (gen_id:
// the generator rights suffice). A patient's code is his key, as the patient
// screen gives it; a number some patient already carries as a typed code is
// skipped.
bool Uretim::anahtarlariOku()
{
    for (int i = 0; i < Sira::TabloSayisi; ++i) {
        const Tablo *t = TabloBul(QLatin1String(tabloAdlari[i]));
        Q_ASSERT(t && !t->uretec.isEmpty());
        m_uretecler[i] = t->uretec;
        QVariant enBuyuk, uretilen;
        if (!calistir(QStringLiteral("select coalesce(max(%1), 0) from %2").arg(t->anahtar, t->ad), {}, &enBuyuk)
            || !calistir(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(t->uretec), {}, &uretilen))
            return false;
        no[i] = std::max(enBuyuk.toLongLong(), uretilen.toLongLong());
    }
    return oku(QStringLiteral("select hastakodu from hastalar where sirketkodu = ?"), {m_sirket},
               [&](const QSqlQuery &q) { m_kodlar.insert(q.value(0).toString()); });
}

bool Uretim::yazmaHatasi()
{
    for (Yazici *y : hepsi)
        if (!y->hata().isEmpty())
            *m_hata = y->hata();
    return false;
}

// Every insert is prepared before the first row: a table the user may not
// write to stops the run here.
bool Uretim::yazicilarHazir()
{
    for (Yazici *y : hepsi)
        if (!y->hazir())
            return yazmaHatasi();
    return true;
}

// The catalogues: an entry the practice already has (the oldest of a name)
// is used as it is, the others are added as the catalogue screens add them.
bool Uretim::kataloglariYaz()
{
    QHash<QString, KatalogSatiri> islemKatalogu, tetkikKatalogu;
    auto katalogaEkle = [](QHash<QString, KatalogSatiri> &k, const QSqlQuery &q, KatalogSatiri s) {
        if (!k.contains(q.value(0).toString()))
            k.insert(q.value(0).toString(), s);
    };
    if (!oku(QStringLiteral("select yapilanislem, islemkodu, islemturu, ucreti from islemler where sirketkodu = ? "
                            "order by kayitno"),
             {m_sirket},
             [&](const QSqlQuery &q) {
                 katalogaEkle(islemKatalogu, q, {q.value(1), q.value(0), q.value(2), q.value(3)});
             })
        || !oku(QStringLiteral("select tetkikadi, tetkikkodu, turu, ucreti, aralik, birimi, kod1, kod2, kod3 "
                               "from laboratuvar order by kayitno"),
                {}, [&](const QSqlQuery &q) {
                    katalogaEkle(tetkikKatalogu, q, {q.value(1), q.value(0), q.value(2), q.value(3), q.value(4),
                                                     q.value(5), q.value(6), q.value(7), q.value(8)});
                }))
        return false;
    for (const IslemTanimi &t : islemTanimlari) {
        const QString ad = QString::fromUtf8(t.ad);
        if (!islemKatalogu.contains(ad)) {
            const qint64 k = ++no[Sira::IslemListesi];
            if (!islemListesi.yaz({k, QString::number(k), ad, QStringLiteral("İŞLEMLER"), t.ucret, m_sirket}))
                return yazmaHatasi();
            islemKatalogu.insert(ad, {QString::number(k), ad, QStringLiteral("İŞLEMLER"), t.ucret});
        }
        m_islemSecenekleri << islemKatalogu.value(ad);
    }
    QVariant sonKod;
    if (!calistir(QStringLiteral("select coalesce(max(tetkikkodu), 0) from laboratuvar"), {}, &sonKod))
        return false;
    int tetkikKodu = sonKod.toInt();
    for (const TetkikTanimi &t : tetkikTanimlari) {
        const QString ad = QString::fromUtf8(t.ad);
        if (!tetkikKatalogu.contains(ad)) {
            auto metin = [](const char *m) {
                return *m ? QVariant(QString::fromUtf8(m)) : QVariant(QMetaType::fromType<QString>());
            };
            const KatalogSatiri k{++tetkikKodu, ad, QString::fromUtf8(t.tur), t.ucret, metin(t.aralik),
                                  metin(t.birim), {}, {}, {}};
            if (!tetkikListesi.yaz({++no[Sira::TetkikListesi], QStringLiteral("LABORATUVAR"), k.kod, ad, k.aralik,
                                    k.birim, k.tur, t.ucret}))
                return yazmaHatasi();
            tetkikKatalogu.insert(ad, k);
        }
        m_tetkikSecenekleri << tetkikKatalogu.value(ad);
    }
    return true;
}

// The staff first: a handful of doctors the examinations are written to.
bool Uretim::doktorlariYaz()
{
    static const char *const branslar[] = {"DAHİLİYE", "ÇOCUK", "GÖZ", "KBB", "GENEL CERRAHİ", "AİLE HEKİMİ"};
    for (int i = 0; i < 8; ++i) {
        const qint64 dno = ++no[Sira::Doktor];
        Doktor dr{QStringLiteral("ORNDR%1").arg(dno),
                  QStringLiteral("DR. ") + sec(r, erkekAdlari) + QLatin1Char(' ') + sec(r, soyadlari),
                  double(300 + 50 * r.bounded(10))};
        const PayAyari &p = payAyarlari[i];
        dr.payTuru = p.tur ? QVariant(*p.tur) : QVariant(QMetaType::fromType<QString>());
        dr.payParam = p.param;
        // Two of the eight are eye doctors, whatever the draw.
        const QString brans = i < 2 ? QStringLiteral("GÖZ") : sec(r, branslar);
        dr.goz = brans == QStringLiteral("GÖZ");
        if (!d.yaz({dno, dr.kod, dr.ad, QStringLiteral("DOKTOR"), brans, QStringLiteral("EVET"), dr.ucret,
                    dr.payTuru, dr.payParam, 0.0, 0.0, 0.0, 0.0, m_sirket}))
            return yazmaHatasi();
        m_doktorlar << dr;
    }
    return true;
}

// The postings of an examination as CariIsleme writes them: the routine of
// the examination's save, then those of its lines' saves.
bool Uretim::isle(const CariIsleme::Belge &b, bool hastaSatiri, const QString &cins, const QString &aciklama,
                  double borc, double alacak)
{
    return cari.yaz(QVariantList{++no[Sira::Cari]}
                    + CariIsleme::hareketDegerleri(b, hastaSatiri, cins, aciklama, borc, alacak, m_sirket,
                                                   m_kullanici, m_bugun));
}

// The fee and the share (a share row even when 0); the share posted.
bool Uretim::muayeneyiIsle(const CariIsleme::Belge &b, Kaynak k, const Doktor &dr, double ucret, double *pay)
{
    const CariIsleme::Aciklamalar a = CariIsleme::muayeneAciklamalari(k);
    *pay = CariIsleme::topla(dr.payTuru.toString(), dr.payParam, ucret, 0);
    return isle(b, true, CariIsleme::MuayeneCinsi, a.ucret, ucret, 0)
           && isle(b, false, CariIsleme::PayCinsi, a.pay, 0, *pay);
}

// The patient pays at the desk on the day, mostly.
bool Uretim::odemeYaz(const HastaBilgisi &h, const QDateTime &t, double tutar, const QString &tur)
{
    return odeme.yaz({++no[Sira::Cari], h.kod, h.ad, t, t, tur, QStringLiteral("Muayene ödemesi"), 0.0, tutar,
                      h.dr->ad, m_sirket,
                      m_kullanici.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(m_kullanici),
                      QStringLiteral("YTL")});
}

bool Uretim::hastaYaz()
{
    qint64 hno = ++no[Sira::Hasta];
    while (m_kodlar.contains(QString::number(hno)))
        hno = ++no[Sira::Hasta];
    HastaBilgisi h;
    h.kod = QString::number(hno);
    const bool kadin = r.bounded(2) == 0;
    h.ad = (kadin ? sec(r, kadinAdlari) : sec(r, erkekAdlari)) + QLatin1Char(' ') + sec(r, soyadlari);
    h.dr = &m_doktorlar.at(r.bounded(int(m_doktorlar.size())));
    h.kayit = m_bugun.addDays(-r.bounded(3650));
    const QDate dogum = QDate(1935 + r.bounded(85), 1 + r.bounded(12), 1 + r.bounded(28));
    h.cep = QStringLiteral("05%1").arg(300000000 + r.bounded(99999999));
    return hasta.yaz({hno, h.kod, h.ad, QString::number(10000000000LL + (hno * 7919) % 89999999999LL), gun(dogum),
                      kadin ? QStringLiteral("KADIN") : QStringLiteral("ERKEK"), h.cep, sec(r, iller), h.dr->kod,
                      h.dr->ad, m_sirket, gun(h.kayit), QStringLiteral("AKTİF"), QStringLiteral("HAYIR"),
                      QStringLiteral("HAYIR")})
           && muayeneleriYaz(h) && randevulariYaz(h) && gozMuayenesiYaz(h);
}

// Examinations: 0 to 4, 2 on average, on days from the registration to
// today. Of the patients examined, 5 in 8 have a procedure and 5 in 8 a
// laboratory line on the last one: half of all patients each.
bool Uretim::muayeneleriYaz(const HastaBilgisi &h)
{
    const Doktor &dr = *h.dr;
    const int muayeneSayisi = r.bounded(5);
    QVector<QDate> gunler;
    for (int m = 0; m < muayeneSayisi; ++m)
        gunler << h.kayit.addDays(r.bounded(h.kayit.daysTo(m_bugun) + 1));
    std::sort(gunler.begin(), gunler.end());
    const bool islemVar = muayeneSayisi > 0 && r.bounded(8) < 5;
    const bool labVar = muayeneSayisi > 0 && r.bounded(8) < 5;
    const KatalogSatiri &yapilan = m_islemSecenekleri.at(r.bounded(int(m_islemSecenekleri.size())));
    const KatalogSatiri &tetkik = m_tetkikSecenekleri.at(r.bounded(int(m_tetkikSecenekleri.size())));
    bool tamam = true;
    for (int m = 0; m < muayeneSayisi && tamam; ++m) {
        const qint64 mno = ++no[Sira::Muayene];
        const QDateTime t = gun(gunler.at(m));
        const bool sonMuayene = m == muayeneSayisi - 1;
        const bool lab1 = sonMuayene && labVar, islem1 = sonMuayene && islemVar;
        const CariIsleme::Belge b{mno, h.kod, h.ad, dr.kod, dr.ad, t};
        double muayenePayi = 0, labPayi = 0, islemPayi = 0;
        tamam = muayeneyiIsle(b, Kaynak::Genel, dr, dr.ucret, &muayenePayi);
        const double labUcreti = lab1 ? tetkik.ucret.toDouble() : 0.0;
        if (tamam && lab1) {
            labPayi = CariIsleme::topla(dr.payTuru.toString(), dr.payParam, labUcreti, 0);
            tamam = lab.yaz({++no[Sira::Lab], h.kod, h.ad, m_sirket, QString::number(mno), t, dr.kod, dr.ad, h.cep,
                             dr.payTuru, dr.payParam, labPayi, CariIsleme::islemTuru(Kaynak::Genel), m_genelKaynak, t,
                             QDateTime(t.date(), m_slotlar.at(r.bounded(int(m_slotlar.size())))), tetkik.kod,
                             tetkik.ad, tetkik.aralik, tetkik.tur, tetkik.birim, tetkik.ucret, tetkik.kod1,
                             tetkik.kod2, tetkik.kod3})
                    && isle(b, true, CariIsleme::ucretCinsi(SatirTuru::Laboratuvar), m_labAciklamalari.ucret,
                            labUcreti, 0)
                    && isle(b, false, CariIsleme::PayCinsi, m_labAciklamalari.pay, 0, labPayi);
        }
        const double islemUcreti = islem1 ? yapilan.ucret.toDouble() : 0.0;
        if (tamam && islem1) {
            islemPayi = CariIsleme::topla(dr.payTuru.toString(), dr.payParam, islemUcreti, 0);
            tamam = islem.yaz({++no[Sira::Islem], h.kod, h.ad, dr.kod, dr.ad, dr.payTuru, dr.payParam, islemPayi,
                               m_sirket, double(mno), t, m_genelKaynak, yapilan.kod, yapilan.ad, yapilan.tur,
                               yapilan.ucret})
                    // procedure rows only above 0
                    && (islemUcreti <= 0
                        || isle(b, true, CariIsleme::ucretCinsi(SatirTuru::Islem), m_islemAciklamalari.ucret,
                                islemUcreti, 0))
                    && (islemPayi <= 0 || isle(b, false, CariIsleme::PayCinsi, m_islemAciklamalari.pay, 0, islemPayi));
        }
        const QString odemeTuru = sec(r, odemeTurleri);
        const double toplam = islemUcreti + (labUcreti + dr.ucret);
        tamam = tamam
                && muayene.yaz({mno, h.kod, h.ad, h.cep, t, dr.kod, dr.ad, dr.payTuru, dr.payParam,
                                muayenePayi + labPayi + islemPayi, dr.ucret, lab1 ? QVariant(labUcreti) : QVariant(),
                                islem1 ? QVariant(islemUcreti) : QVariant(), toplam, odemeTuru,
                                lab1 ? QStringLiteral("E") : QStringLiteral("H"), m_sirket});
        if (tamam && r.bounded(10) < 8)
            tamam = odemeYaz(h, t, toplam, odemeTuru);
    }
    return tamam;
}

// Appointments: 1.5 on average; one in five in the coming two months and
// waiting, the others behind, done or (some) cancelled.
bool Uretim::randevulariYaz(const HastaBilgisi &h)
{
    const int randevuSayisi = r.bounded(4);
    for (int k = 0; k < randevuSayisi; ++k) {
        const bool ileride = r.bounded(5) == 0 || h.kayit == m_bugun;
        const QDate rgun = ileride ? m_bugun.addDays(r.bounded(60)) : h.kayit.addDays(r.bounded(h.kayit.daysTo(m_bugun)));
        // Booked up to a month before, not before the registration nor after today.
        const QDate son1 = std::min(rgun, m_bugun);
        const QDate alma = son1.addDays(-r.bounded(std::min<qint64>(30, h.kayit.daysTo(son1)) + 1));
        const QString durum = ileride                  ? RandevuSorgu::Bekliyor
                              : r.bounded(100) < 85 ? RandevuSorgu::Oldu
                                                    : RandevuSorgu::Iptal;
        if (!randevu.yaz({++no[Sira::Randevu], m_sirket, h.kod, h.ad, h.cep, h.dr->kod, h.dr->ad, gun(alma), gun(rgun),
                          RandevuSorgu::SaatDegeri(m_slotlar.at(r.bounded(int(m_slotlar.size())))), sec(r, konular),
                          durum, m_randevuUcreti}))
            return false;
    }
    return true;
}

// Eye examinations: half the patients of an eye doctor, with acuity and refraction.
bool Uretim::gozMuayenesiYaz(const HastaBilgisi &h)
{
    const Doktor &dr = *h.dr;
    if (!dr.goz || r.bounded(2) != 0)
        return true;
    const qint64 gno = ++no[Sira::Goz];
    const QDateTime t = gun(h.kayit.addDays(r.bounded(h.kayit.daysTo(m_bugun) + 1)));
    double pay = 0;
    bool tamam = muayeneyiIsle({gno, h.kod, h.ad, dr.kod, dr.ad, t}, Kaynak::Goz, dr, dr.ucret, &pay)
                 && goz.yaz({gno, h.kod, h.ad, t, dr.kod, dr.ad, dr.payTuru, dr.payParam, pay, dr.ucret, dr.ucret,
                             m_sirket, sec(r, keskinlikler), sec(r, keskinlikler), sec(r, dereceler),
                             sec(r, dereceler)});
    if (tamam && r.bounded(10) < 8)
        tamam = odemeYaz(h, t, dr.ucret, sec(r, odemeTurleri));
    return tamam;
}

// The generators follow the rows written, so the program's next keys are
// free. A generator is outside transactions: moved last, just before the
// commit, so that a run failing before leaves them as they were.
bool Uretim::ureteclerIlerlet()
{
    for (int i = 0; i < Sira::TabloSayisi; ++i) {
        QVariant simdi;
        if (!calistir(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(m_uretecler[i]), {}, &simdi))
            return false;
        // (The database is of dialect 1, which has no BIGINT: the step goes as
        // a double, exact for any whole number of rows.)
        if (no[i] > simdi.toLongLong()
            && !calistir(QStringLiteral("select gen_id(%1, cast(? as double precision)) from rdb$database")
                             .arg(m_uretecler[i]),
                         {double(no[i] - simdi.toLongLong())}))
            return false;
    }
    return true;
}

} // namespace

bool OrnekVeriUret(const QString &baglanti, qint64 hastaSayisi, const QString &sirket,
                   const std::function<void(qint64, qint64)> &ilerleme, QString *hata)
{
    QSqlDatabase db = Baglanti::vt(baglanti);
    if (!db.isOpen()) {
        *hata = QStringLiteral("Veritabanı bağlantısı açık değil.");
        return false;
    }
    UretimAyari ayar;
    if (!ayarlariOku(baglanti, &ayar, hata))
        return false;
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
    Uretim u(db, sirket, ayar, hata);
    if (!u.istatistikleriIsaretle() || !u.anahtarlariOku() || !u.yazicilarHazir()
        || !u.kataloglariYaz() || !u.doktorlariYaz())
        return false;
    const int grup = 2000; // patients between two progress calls
    for (qint64 bas = 0; bas < hastaSayisi; bas += grup) {
        const qint64 son = std::min(hastaSayisi, bas + grup);
        for (qint64 h = bas; h < son; ++h)
            if (!u.hastaYaz())
                return u.yazmaHatasi();
        if (ilerleme)
            ilerleme(son, hastaSayisi);
    }
    if (!u.ureteclerIlerlet())
        return false;
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
