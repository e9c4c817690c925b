#include "db/guncelleme.h"

#include "db/sema.h"
#include "db/sorgu.h"
#include "db/sqltext.h"

namespace {

// Columns written grouped by type, "A, B varchar(10); C date": every name
// before a type takes that type. The connection speaks dialect 3, where DATE
// has no time of day, so "date" is sent as TIMESTAMP (the dialect-1 DATE).
QStringList kolonlar(const char *gruplar)
{
    QStringList sonuc;
    const QStringList parcalar = QString::fromLatin1(gruplar).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &grup : parcalar) {
        QStringList adlar = grup.split(QLatin1Char(','));
        const QString son = adlar.takeLast().simplified();
        const int bosluk = son.indexOf(QLatin1Char(' '));
        adlar << son.left(bosluk);
        QString tur = son.mid(bosluk + 1).toUpper();
        if (tur == QLatin1String("DATE"))
            tur = QStringLiteral("TIMESTAMP");
        for (const QString &ad : adlar)
            sonuc << ad.trimmed() + QLatin1Char(' ') + tur;
    }
    return sonuc;
}

QString ekle(const char *tablo, const char *gruplar)
{
    return QStringLiteral("ALTER TABLE %1 ADD ").arg(QLatin1String(tablo))
           + kolonlar(gruplar).join(QStringLiteral(",ADD "));
}

QString tablo(const char *ad, const char *gruplar, bool noktaliVirgul)
{
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(ad), kolonlar(gruplar).join(QLatin1Char(',')))
           + (noktaliVirgul ? QStringLiteral(";") : QString());
}

QString uretec(const char *ad, bool noktaliVirgul = false)
{
    return QStringLiteral("CREATE GENERATOR ") + QLatin1String(ad) + (noktaliVirgul ? QStringLiteral(";") : QString());
}

QString indeks(const char *ad, const char *tablo, const char *kolon)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(QLatin1String(ad), QLatin1String(tablo), QLatin1String(kolon));
}

QString azalanIndeks(const char *ad, const char *tablo, const char *kolon)
{
    return QStringLiteral("CREATE DESCENDING INDEX %1 ON %2 (%3)")
        .arg(QLatin1String(ad), QLatin1String(tablo), QLatin1String(kolon));
}

QString anahtar(const char *tablo, const char *kolon = "KAYITNO")
{
    return QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT PK_%1 PRIMARY KEY (%2)")
        .arg(QLatin1String(tablo), QLatin1String(kolon));
}

// An index on a column with its I-letters folded: exactly the expression the
// searches write (SqlIKatla), or the index serves none of them.
QString katliIndeks(const char *ad, const char *tablo, const char *kolon)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 COMPUTED BY (%3)")
        .arg(QLatin1String(ad), QLatin1String(tablo), SqlIKatla(QLatin1String(kolon)));
}

// Puts a table's columns in Turkish order (Kolon::turkceSirali) on a database
// made before they had it; empty when the table has none. Firebird 3 takes no
// COLLATE in ALTER COLUMN ... TYPE, but a column moved onto a domain that
// carries the collation takes it, and moved back to its plain type keeps it,
// so the domains go again at the end. An index on an expression of such a
// column would keep the keys of the old order (the engine rebuilds only the
// plain ones), so the description's indexes on the columns that the database
// has are dropped first and made again after, from the description. A column
// the database lacks (an earlier step that could not add it) is passed over.
// One block, one transaction. Like every step it fails when nothing is left
// to do (every column there in the order already: a division by zero).
QString turkceSiraya(const Tablo &t)
{
    std::vector<const Kolon *> kolonlar;
    QStringList adlar;
    QList<int> uzunluklar;
    for (const Kolon &k : t.kolonlar) {
        if (!k.turkceSirali)
            continue;
        kolonlar.push_back(&k);
        adlar << QLatin1Char('\'') + k.ad + QLatin1Char('\'');
        if (!uzunluklar.contains(k.uzunluk))
            uzunluklar << k.uzunluk;
    }
    if (kolonlar.empty())
        return QString();
    std::vector<const Indeks *> bagli;
    for (const Indeks &i : t.indeksler)
        for (const QString &c : i.kolonlar)
            if (const Kolon *k = t.kolon(c); k && k->turkceSirali) {
                bagli.push_back(&i);
                break;
            }
    QString s = QStringLiteral("EXECUTE BLOCK AS DECLARE N INTEGER;");
    for (size_t i = 0; i < bagli.size(); ++i)
        s += QStringLiteral(" DECLARE I%1 SMALLINT = 0;").arg(i);
    s += QStringLiteral(" BEGIN SELECT COUNT(*) FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F "
                        "ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE LEFT JOIN RDB$COLLATIONS C "
                        "ON C.RDB$CHARACTER_SET_ID = F.RDB$CHARACTER_SET_ID "
                        "AND C.RDB$COLLATION_ID = COALESCE(R.RDB$COLLATION_ID, F.RDB$COLLATION_ID, 0) "
                        "WHERE R.RDB$RELATION_NAME = '%1' AND R.RDB$FIELD_NAME IN (%2) "
                        "AND C.RDB$COLLATION_NAME IS DISTINCT FROM '%3' INTO :N; N = 1 / N;")
             .arg(t.ad, adlar.join(QStringLiteral(", ")), QLatin1String(TurkceHarmanlama));
    for (size_t i = 0; i < bagli.size(); ++i)
        s += QStringLiteral(" IF (EXISTS(SELECT 1 FROM RDB$INDICES WHERE RDB$INDEX_NAME = '%1')) THEN BEGIN "
                            "I%2 = 1; EXECUTE STATEMENT 'DROP INDEX %1'; END")
                 .arg(bagli[i]->ad)
                 .arg(i);
    for (int u : uzunluklar)
        s += QStringLiteral(" EXECUTE STATEMENT 'CREATE DOMAIN TR_SIRA_%1 AS VARCHAR(%1) CHARACTER SET WIN1254 "
                            "COLLATE %2';")
                 .arg(u)
                 .arg(QLatin1String(TurkceHarmanlama));
    // onto the domain, then back to the plain type
    for (const QString &tur : {QStringLiteral("TR_SIRA_%1"), QStringLiteral("VARCHAR(%1) CHARACTER SET WIN1254")})
        for (const Kolon *k : kolonlar)
            s += QStringLiteral(" IF (EXISTS(SELECT 1 FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = '%1' "
                                "AND RDB$FIELD_NAME = '%2')) THEN EXECUTE STATEMENT "
                                "'ALTER TABLE %1 ALTER COLUMN %2 TYPE %3';")
                     .arg(t.ad, k->ad, tur.arg(k->uzunluk));
    for (int u : uzunluklar)
        s += QStringLiteral(" EXECUTE STATEMENT 'DROP DOMAIN TR_SIRA_%1';").arg(u);
    for (size_t i = 0; i < bagli.size(); ++i)
        s += QStringLiteral(" IF (I%1 = 1) THEN EXECUTE STATEMENT %2;")
                 .arg(i)
                 .arg(SqlDizgi(IndeksKomutu(t.ad, *bagli[i])));
    return s + QStringLiteral(" END");
}

QStringList listeyiKur()
{
    QStringList k;
    k << uretec("OTOKOD_MUAYENE_LAB")
      << ekle("LABORATUVAR", "ACIKLAMA varchar(400); LABORATUVARADI varchar(60)")
      << tablo("RANDEVUPROGRAMI",
               "KAYITNO integer not null; SAAT, TARIH date; HASTAADI varchar(45); SIRKETKODU varchar(15);"
               "ACIKLAMA varchar(40)",
               false)
      << uretec("AUTOINCRANDEVUPROGRAMI", true)
      << ekle("HASTALAR", "DOGUMYERI varchar(25); AILEGECMISI varchar(250); TANI1, TANI2 varchar(125);"
                          "HATUYARI varchar(5)")
      << ekle("MUAYENE", "LABORATUVARUCRETI, ISLEMTUTARI, TOPLAMTUTAR double precision; DOKTORPAYTURU varchar(15);"
                         "DOKTORPAYPARAM, DOKTORPAYTUTARI double precision; BOLUM, BRANS varchar(40);"
                         "DOKTORU varchar(45)")
      << ekle("RANDEVU", "BOLUM, BRANS varchar(40); MUAYENEUCRETI double precision")
      << ekle("DOKTORLAR", "DOKTORPAYTURU varchar(15); DOKTORPAYPARAM, DOKTORPAYTUTARI, MAASI double precision;"
                           "BOLUM varchar(40); CALISIYORMU varchar(5); CEPTEL2 varchar(15)")
      << ekle("MUAYENE_LAB", "DOKTORPAYTURU varchar(15); DOKTORPAYPARAM, DOKTORPAYTUTARI double precision;"
                             "ISLEMTURU varchar(30); ISLEMIYAPANKODU varchar(15); ISLEMIYAPANADI varchar(45);"
                             "ODEMESEKLI varchar(15)")
      << ekle("LABORATUVAR", "ISLEMTURU varchar(30)")
      << tablo("YAPILANISLEMLER",
               "KAYITNO integer not null; HASTAKODU, SIRKETKODU varchar(15); HASTAADISOYADI varchar(45);"
               "ISLEMKODU varchar(15); YAPILANISLEM varchar(100); ISLEMTURU varchar(30); DOSYANO varchar(20);"
               "ISLEMTARIHI date; DUSUNCELER1, DUSUNCELER2 varchar(400); ISLEMIYAPANKODU varchar(15);"
               "ISLEMIYAPANADI varchar(45); DOKTORKODU varchar(15); DOKTORADI varchar(45);"
               "UCRETI double precision; DOKTORPAYTURU varchar(15); DOKTORPAYPARAM, DOKTORPAYTUTARI double precision;"
               "BOLUM, BRANS varchar(40); MUAYENENO double precision",
               true)
      << uretec("OTOKOD_YAPILANISLEMLER")
      << ekle("DOKTORLAR", "PERSONELTURU varchar(30); LDOKTORPAYTURU varchar(15); LDOKTORPAYPARAM double precision;"
                           "IDOKTORPAYTURU varchar(15); IDOKTORPAYPARAM, MUAYENEUCRETI double precision;"
                           "DOGUMYERI varchar(25); DOGUMTARIHI date; TCKIMLIKNO varchar(20);"
                           "MEZUNOLDUGUOKUL, ENSONCALISTIGIYER varchar(40); MEDENIDURUM, COCUKDURUMU varchar(20);"
                           "REFERANSI varchar(25); ACIKLAMA varchar(255)")
      << tablo("ISLEMLER",
               "KAYITNO integer not null; ISLEMKODU varchar(15); YAPILANISLEM varchar(100); ISLEMTURU varchar(30);"
               "ACIKLAMA varchar(400); UCRETI double precision; SIRKETKODU varchar(15)",
               true)
      << uretec("OTOKOD_ISLEMLER")
      << tablo("EK9",
               "KAYITNO integer not null; PAKETKODU varchar(20); ISLEMADI varchar(80); ACIKLAMA varchar(250);"
               "ISLEMGRUBU varchar(20); OZELKOD varchar(50); SIRKETKODU varchar(15); UCRETI double precision",
               true)
      << uretec("OTOKOD_EK9")
      << tablo("GOZHASTALIKLARI",
               "KAYITNO integer not null; HASTAKODU varchar(15); HASTAADISOYADI varchar(45);"
               "MUAYENENO, RANDEVUNO double precision; MUAYENETARIHI date; DOKTORKODU varchar(15);"
               "DOKTORADI varchar(45); ISLEMTARIHI date; GOZ_SAGGZLKSUZ, GOZ_SOLGZLKSUZ, GOZ_SAGGZLKLU,"
               "GOZ_SOLGZLKLU, GOZ_SAGTAHSISLI, GOZ_SOLTAHSISLI, GOZ_SAGYAK1, GOZ_SAGYAK2, GOZ_SAGYAK3,"
               "GOZ_SOLYAK1, GOZ_SOLYAK2, GOZ_SOLYAK3, GOZ_SAGUZAK1, GOZ_SAGUZAK2, GOZ_SAGUZAK3, GOZ_SOLUZAK1,"
               "GOZ_SOLUZAK2, GOZ_SOLUZAK3, GOZ_SAGOR1, GOZ_SAGOR2, GOZ_SAGOR3, GOZ_SOLOR1, GOZ_SOLOR2,"
               "GOZ_SOLOR3, GOZ_SAGIOR1, GOZ_SAGIOR2, GOZ_SAGIOR3, GOZ_SOLIOR1, GOZ_SOLIOR2, GOZ_SOLIOR3,"
               "GOZ_SAGVR1 varchar(10)",
               true)
      << ekle("GOZHASTALIKLARI",
              "GOZ_SAGVR2, GOZ_SAGVR3, GOZ_SOLVR1, GOZ_SOLVR2, GOZ_SOLVR3, GOZ_SAGIVR1, GOZ_SAGIVR2, GOZ_SAGIVR3,"
              "GOZ_SOLIVR1, GOZ_SOLIVR2, GOZ_SOLIVR3, GOZ_SAGSIKL1, GOZ_SAGSIKL2, GOZ_SAGSIKL3, GOZ_SOLSIKL1,"
              "GOZ_SOLSIKL2, GOZ_SOLSIKL3, GOZ_SAGKERA1, GOZ_SAGKERA2, GOZ_SAGKERA3, GOZ_SOLKERA1, GOZ_SOLKERA2,"
              "GOZ_SOLKERA3 varchar(10); GOZ_SAGGIB, GOZ_SOLGIB, GOZ_SAGVL, GOZ_SOLVL, GOZ_SAGBIO,"
              "GOZ_SOLBIO varchar(20); GOZ_FUNDUS, GOZ_ONSEG, GOZ_GENEL varchar(200); REC_SAGUZAK1, REC_SAGUZAK2,"
              "REC_SAGUZAK3 varchar(10)")
      << ekle("GOZHASTALIKLARI",
              "REC_SOLUZAK1, REC_SOLUZAK2, REC_SOLUZAK3, REC_SAGYAKIN1, REC_SAGYAKIN2, REC_SAGYAKIN3,"
              "REC_SOLYAKIN1, REC_SOLYAKIN2, REC_SOLYAKIN3, REC_SAGDAIMI1, REC_SAGDAIMI2, REC_SAGDAIMI3,"
              "REC_SOLDAIMI1, REC_SOLDAIMI2, REC_SOLDAIMI3, REC_IPM1, REC_IPM2, REC_IPM3, REC_INTERM varchar(10);"
              "REC_CAMTIPI, REC_CAMRENGI varchar(50); REC_RECETE varchar(400); REC_RECETEACIKLAMA varchar(250);"
              "LENS_SAGKERA1, LENS_SAGKERA2, LENS_SAGKERA3, LENS_SOLKERA1, LENS_SOLKERA2, LENS_SOLKERA3,"
              "LENS_SAGRAD1, LENS_SAGRAD2, LENS_SAGRAD3, LENS_SOLRAD1, LENS_SOLRAD2 varchar(10)")
      << ekle("GOZHASTALIKLARI",
              "LENS_SOLRAD3, LENS_SAGAKS1, LENS_SAGAKS2, LENS_SAGAKS3, LENS_SOLAKS1, LENS_SOLAKS2,"
              "LENS_SOLAKS3 varchar(10); LENS_SOLISYON varchar(30); LENS_LENSTIPI varchar(50); LENS_SCH varchar(15);"
              "LENS_LENSBULGU varchar(200); LENS_LENSACIKLAMA varchar(250); OPER_SAGKERA1, OPER_SAGKERA2,"
              "OPER_SOLKERA1, OPER_SOLKERA2, OPER_SAGRAD1, OPER_SAGRAD2, OPER_SOLRAD1, OPER_SOLRAD2, OPER_SAGAKS1,"
              "OPER_SAGAKS2, OPER_SOLAKS1, OPER_SOLAKS2 varchar(10); OPER_SOLAMLTIP, OPER_SAGAMLTIP varchar(80);"
              "OPER_AMELIYATBULGU varchar(200); OPER_AMELIYATACIKLAMA varchar(250); SASI_SAGTIP, SASI_SOLTIP,"
              "SASI_SAGDER, SASI_SOLDER, SASI_SAGHRSB varchar(20)")
      << ekle("GOZHASTALIKLARI",
              "SASI_SOLHRSB, SASI_SAGKAPA, SASI_SOLKAPA, SASI_SAGTROH, SASI_SOLTROH, SASI_SAGTROV, SASI_SOLTROV,"
              "SASI_SAGKAPP, SASI_SOLKAPP, SASI_SAGFORH, SASI_SOLFORH, SASI_SAGFORV, SASI_SOLFORV varchar(20);"
              "SASI_SASIACIKLAMA varchar(250); GLOK_SAGKAM1, GLOK_SAGKAM2, GLOK_SAGKAM3, GLOK_SOLKAM1,"
              "GLOK_SOLKAM2, GLOK_SOLKAM3 varchar(10); GLOK_FUNDUS, GLOK_GALAN varchar(200);"
              "GLOK_GLOKOMACIKLAMA varchar(250); DUSUNCELER varchar(400); UCRETI double precision;"
              "DOKTORPAYTURU varchar(15); DOKTORPAYPARAM, DOKTORPAYTUTARI double precision; KULLANICI varchar(10);"
              "DEGISTIRMETARIHI date; SIRKETKODU varchar(15); LABORATUVARUCRETI, ISLEMTUTARI double precision")
      << ekle("GOZHASTALIKLARI",
              "TOPLAMTUTAR double precision; SIKAYET, TANI varchar(200); AMELIYATKODU1, AMELIYATKODU2 varchar(20);"
              "AMELIYATTUTARI1, AMELIYATTUTARI2 double precision")
      << uretec("OTOKOD_GOZ")
      << ekle("YAPILANISLEMLER", "HATIRLATMATARIHI date; HATIRLATMANOTU varchar(100); HATIRLATMADURUMU varchar(5)")
      << ekle("HASTALAR", "HATIRLATMATARIHI2 date; HATIRLATMANOTU2 varchar(100); HATIRLATMADURUMU2 varchar(5)")
      << ekle("GOZHASTALIKLARI",
              "GOZ_ONSEGSOL varchar(200); LENS_SAG1, LENS_SAG2, LENS_SAG3, LENS_SOL1, LENS_SOL2, LENS_SOL3,"
              "GLOK_CUPPINGSAG, GLOK_CUPPINGSOL varchar(10)")
      << ekle("GOZHASTALIKLARI", "GLOK_FUNDUSGSOL varchar(200); LENS_LENSTIPISOL varchar(50)")
      << indeks("GOZ_KAYITNO", "GOZHASTALIKLARI", "KAYITNO")
      << indeks("GOZ_HASTAKODU", "GOZHASTALIKLARI", "HASTAKODU")
      << indeks("GOZ_HASTAADI", "GOZHASTALIKLARI", "HASTAADISOYADI")
      << indeks("GOZ_MUAYENETARIHI", "GOZHASTALIKLARI", "MUAYENETARIHI")
      << indeks("GOZ_MUAYENENO", "GOZHASTALIKLARI", "MUAYENENO")
      << indeks("HASTA_HASTAKODU", "HASTALAR", "HASTAKODU")
      << indeks("HASTA_HASTAADI", "HASTALAR", "HASTAADISOYADI")
      << indeks("HASTA_KAYITNO", "HASTALAR", "KAYITNO")
      << indeks("HASTA_TCKIMLIKNO", "HASTALAR", "TCKIMLIKNO")
      // The eye screen writes the left-eye fundus too; no earlier step adds it.
      << ekle("GOZHASTALIKLARI", "GOZ_FUNDUSSOL varchar(200)")
      // The tables made above got no primary key (saves and deletes find rows
      // by it) and not all of their indexes; nor did the second reminder date.
      << anahtar("RANDEVUPROGRAMI")
      << indeks("RANDPROG_SIRKET_SAAT", "RANDEVUPROGRAMI", "SIRKETKODU,SAAT")
      << anahtar("YAPILANISLEMLER")
      << indeks("YISLEM_MUAYENENO", "YAPILANISLEMLER", "MUAYENENO")
      << indeks("YISLEM_HASTAKODU", "YAPILANISLEMLER", "HASTAKODU")
      << indeks("YISLEM_ISLEMTARIHI", "YAPILANISLEMLER", "ISLEMTARIHI")
      << indeks("YISLEM_HATIRLATMA", "YAPILANISLEMLER", "HATIRLATMATARIHI")
      << anahtar("ISLEMLER")
      << indeks("ISLEM_ISLEMKODU", "ISLEMLER", "ISLEMKODU")
      << indeks("ISLEM_YAPILANISLEM", "ISLEMLER", "YAPILANISLEM")
      << anahtar("EK9")
      << indeks("EK9_PAKETKODU", "EK9", "PAKETKODU")
      << indeks("EK9_ISLEMADI", "EK9", "ISLEMADI")
      << anahtar("GOZHASTALIKLARI")
      << indeks("GOZ_DOKTORKODU", "GOZHASTALIKLARI", "DOKTORKODU")
      << indeks("HASTA_HATIRLATMA2", "HASTALAR", "HATIRLATMATARIHI2")
      // Searches take I, İ, ı and i for one letter: the names they look up most.
      << katliIndeks("HASTA_ADI_KATLI", "HASTALAR", "HASTAADISOYADI")
      << katliIndeks("RANDEVU_ADI_KATLI", "RANDEVU", "HASTAADISOYADI")
      << katliIndeks("TANI_TANI_KATLI", "TANILAR", "TANI")
      << katliIndeks("MUAYENE_ADI_KATLI", "MUAYENE", "HASTAADISOYADI")
      << katliIndeks("GOZ_ADI_KATLI", "GOZHASTALIKLARI", "HASTAADISOYADI")
      << katliIndeks("MLAB_ADI_KATLI", "MUAYENE_LAB", "HASTAADISOYADI")
      << katliIndeks("CARI_UNVAN_KATLI", "CARI_HAREKET", "CARIUNVAN")
      // A list walks its order within the company with the key as the last
      // tie-breaker: the patient orders offered most, both ends of the key
      // and name orders.
      << indeks("HASTA_SK_KAYITNO", "HASTALAR", "SIRKETKODU,KAYITNO")
      << azalanIndeks("HASTA_SK_KAYITNO_AZ", "HASTALAR", "SIRKETKODU,KAYITNO")
      << indeks("HASTA_SK_ADI", "HASTALAR", "SIRKETKODU,HASTAADISOYADI,KAYITNO")
      << azalanIndeks("HASTA_SK_ADI_AZ", "HASTALAR", "SIRKETKODU,HASTAADISOYADI,KAYITNO")
      << indeks("HASTA_SK_KOD", "HASTALAR", "SIRKETKODU,HASTAKODU,KAYITNO")
      << indeks("HASTA_SK_KAYITTARIHI", "HASTALAR", "SIRKETKODU,KAYITTARIHI,KAYITNO")
      << indeks("HASTA_SK_DOKTORADI", "HASTALAR", "SIRKETKODU,DOKTORADI,KAYITNO")
      // The practice's own administrator code (a salted hash per company).
      << QStringLiteral("CREATE TABLE YONETICIKODLARI (SIRKETKODU VARCHAR(10) NOT NULL,KODOZETI VARCHAR(150),"
                        "KULLANICI VARCHAR(10),DEGISTIRMETARIHI TIMESTAMP,"
                        "CONSTRAINT PK_YONETICIKODLARI PRIMARY KEY (SIRKETKODU))");
    // Open lists on other workstations learn of changes through these.
    for (const Tablo &t : Tablolar())
        k << OlayTetikleyicisi(t);
    // Passwords are kept as salted hashes, longer than the ten letters of old.
    // Like every step of the list it fails when there is nothing left to do
    // (the column already that wide: a division by zero), so a run shows
    // what it changed.
    k << QStringLiteral("EXECUTE BLOCK AS DECLARE N INTEGER; BEGIN "
                        "SELECT F.RDB$CHARACTER_LENGTH FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F "
                        "ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
                        "WHERE R.RDB$RELATION_NAME = 'ELEMANLAR' AND R.RDB$FIELD_NAME = 'SIFRE' INTO :N; "
                        "N = 1 / (128 - N); "
                        "EXECUTE STATEMENT 'ALTER TABLE ELEMANLAR ALTER COLUMN SIFRE TYPE VARCHAR(128)'; END");
    // General and eye examinations number apart: an order or procedure line
    // names its examination's kind (null: general, as every earlier line).
    k << ekle("MUAYENE_LAB", "KAYNAK varchar(5)")
      << ekle("YAPILANISLEMLER", "KAYNAK varchar(5)");
    // The appointment book opens on its latest appointment, the laboratory
    // and procedure screens on the latest examination, and the reports list
    // examinations by date: walked within the company along these, with the
    // key as the last tie-breaker, rather than sorted whole.
    k << indeks("RANDEVU_SK_TARIH", "RANDEVU", "SIRKETKODU,RANDEVUTARIHI,KAYITNO")
      << azalanIndeks("RANDEVU_SK_TARIH_AZ", "RANDEVU", "SIRKETKODU,RANDEVUTARIHI,KAYITNO")
      << indeks("MUAYENE_SK_TARIH", "MUAYENE", "SIRKETKODU,MUAYENETARIHI,KAYITNO")
      << azalanIndeks("MUAYENE_SK_TARIH_AZ", "MUAYENE", "SIRKETKODU,MUAYENETARIHI,KAYITNO")
      << indeks("GOZ_SK_TARIH", "GOZHASTALIKLARI", "SIRKETKODU,MUAYENETARIHI,KAYITNO")
      << azalanIndeks("GOZ_SK_TARIH_AZ", "GOZHASTALIKLARI", "SIRKETKODU,MUAYENETARIHI,KAYITNO")
      // The reminder window looks up the notes due today.
      << indeks("ACIKLAMA_TARIH2", "ACIKLAMALAR", "TARIH2");
    // The appointment book lists a day's appointments by their time.
    k << indeks("RANDEVU_SK_TARIH_SAAT", "RANDEVU", "SIRKETKODU,RANDEVUTARIHI,RANDEVUSAATI,KAYITNO")
      << azalanIndeks("RANDEVU_SK_TARIH_SAAT_AZ", "RANDEVU", "SIRKETKODU,RANDEVUTARIHI,RANDEVUSAATI,KAYITNO");
    // Names, titles, places and descriptions sort in Turkish alphabetical
    // order; last, once every column and index of theirs is there.
    for (const Tablo &t : Tablolar())
        if (const QString adim = turkceSiraya(t); !adim.isEmpty())
            k << adim;
    return k;
}

} // namespace

namespace Guncelleme {

QStringList komutlar()
{
    static const QStringList k = listeyiKur();
    return k;
}

int calistir(const QString &baglanti)
{
    int basarili = 0;
    // Index builds over a large table run long and wait on nobody.
    Sorgu::SinirsizBekleme sinirsiz;
    for (const QString &komut : komutlar()) {
        QString hata; // "already exists" and the like: ignored, nothing shown
        if (Sorgu::calistir(komut, {}, baglanti, &hata))
            ++basarili;
    }
    return basarili;
}

} // namespace Guncelleme
