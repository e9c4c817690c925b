#include "db/olustur.h"

#include "db/baglanti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <ibase.h>

namespace {

// A literal for the seed rows: apostrophes doubled, empty text NULL.
QString lit(const QString &s)
{
    if (s.isEmpty())
        return QStringLiteral("NULL");
    QString t = s;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString durumMetni(const ISC_STATUS *durum)
{
    QStringList parcalar;
    const ISC_STATUS *p = durum;
    char tampon[1024];
    while (fb_interpret(tampon, sizeof tampon, &p) > 0)
        parcalar << QString::fromLocal8Bit(tampon);
    return parcalar.join(QLatin1Char(' '));
}

// One attachment through the client library, SQL dialect 1.
class CApi
{
public:
    ~CApi() { kapat(); }

    // Creates the file, dialect 1, WIN1254, and stays attached with UTF-8 as
    // the connection character set, so that the seed texts go as written.
    // Forced writes stay off while the schema is built (each page would be
    // synced on its own, ten times slower) and are switched on at the end.
    bool olustur(const QString &yol)
    {
        QByteArray dpb;
        if (!temelDpb(yol, &dpb))
            return false;
        tamsayiEkle(dpb, char(isc_dpb_sql_dialect), 1);
        tamsayiEkle(dpb, char(isc_dpb_page_size), 8192);
        metinEkle(dpb, char(isc_dpb_set_db_charset), QByteArrayLiteral("WIN1254"));
        tamsayiEkle(dpb, char(isc_dpb_force_write), 0);
        const QByteArray ad = QFile::encodeName(yol);
        if (isc_create_database(m_durum, short(ad.size()), ad.constData(), &m_vt, short(dpb.size()),
                                dpb.constData(), 0)) {
            m_hata = durumMetni(m_durum);
            m_vt = 0;
            return false;
        }
        return true;
    }

    bool bagla(const QString &yol, int zorunluYazma = -1)
    {
        QByteArray dpb;
        if (!temelDpb(yol, &dpb))
            return false;
        if (zorunluYazma >= 0)
            tamsayiEkle(dpb, char(isc_dpb_force_write), zorunluYazma);
        const QByteArray ad = QFile::encodeName(yol);
        if (isc_attach_database(m_durum, short(ad.size()), ad.constData(), &m_vt, short(dpb.size()),
                                dpb.constData())) {
            m_hata = durumMetni(m_durum);
            m_vt = 0;
            return false;
        }
        return true;
    }

    void ayril()
    {
        if (m_vt) {
            isc_detach_database(m_durum, &m_vt);
            m_vt = 0;
        }
    }

    // Runs the statements in one transaction and commits it.
    bool calistir(const QStringList &komutlar)
    {
        isc_tr_handle tr = 0;
        if (isc_start_transaction(m_durum, &tr, 1, &m_vt, 0, nullptr)) {
            m_hata = durumMetni(m_durum);
            return false;
        }
        for (const QString &k : komutlar) {
            const QByteArray sql = k.toUtf8();
            if (isc_dsql_execute_immediate(m_durum, &m_vt, &tr, 0, sql.constData(), 1, nullptr)) {
                m_hata = durumMetni(m_durum) + QStringLiteral(" [") + k.left(200) + QLatin1Char(']');
                ISC_STATUS_ARRAY d;
                isc_rollback_transaction(d, &tr);
                return false;
            }
        }
        if (isc_commit_transaction(m_durum, &tr)) {
            m_hata = durumMetni(m_durum);
            ISC_STATUS_ARRAY d;
            isc_rollback_transaction(d, &tr);
            return false;
        }
        return true;
    }

    // Drops the half-made database; true when the file is gone.
    bool sil(const QString &yol)
    {
        if (!m_vt)
            bagla(yol);
        bool silindi = false;
        if (m_vt) {
            ISC_STATUS_ARRAY d;
            if (isc_drop_database(d, &m_vt) == 0) {
                m_vt = 0;
                silindi = true;
            } else {
                m_hata = durumMetni(d);
                ayril();
            }
        }
        if (Baglanti::sunucuda(yol))
            return silindi;
        if (QFileInfo::exists(yol))
            QFile::remove(yol);
        return !QFileInfo::exists(yol);
    }

    void kapat() { ayril(); }
    QString hata() const { return m_hata; }

private:
    static void metinEkle(QByteArray &dpb, char kod, const QByteArray &deger)
    {
        dpb.append(kod);
        dpb.append(char(deger.size()));
        dpb.append(deger);
    }
    static void tamsayiEkle(QByteArray &dpb, char kod, int deger)
    {
        dpb.append(kod);
        dpb.append(char(4));
        for (int i = 0; i < 4; ++i)
            dpb.append(char((deger >> (8 * i)) & 0xff)); // little-endian, as the client expects
    }
    bool temelDpb(const QString &yol, QByteArray *dpb)
    {
        QString kullanici, sifre;
        if (!Baglanti::kimlik(yol, &kullanici, &sifre, &m_hata))
            return false;
        dpb->clear();
        dpb->append(char(isc_dpb_version1));
        metinEkle(*dpb, char(isc_dpb_user_name), kullanici.toUtf8());
        metinEkle(*dpb, char(isc_dpb_password), sifre.toUtf8());
        metinEkle(*dpb, char(isc_dpb_lc_ctype), QByteArrayLiteral("UTF8"));
        return true;
    }

    ISC_STATUS_ARRAY m_durum = {};
    isc_db_handle m_vt = 0;
    QString m_hata;
};

QString yolHatasi(const QString &yol)
{
    if (yol.trimmed().isEmpty())
        return QStringLiteral("Veritabanı dosyasının yolu verilmedi.");
    // Through a server the file is the server's: it refuses an existing one itself.
    if (Baglanti::sunucuda(yol))
        return QString();
    const QFileInfo fi(yol);
    if (fi.exists() || fi.isSymLink())
        return QStringLiteral("Bu yolda bir dosya zaten var, üzerine yazılmaz: ") + yol;
    const QFileInfo klasor(fi.absolutePath());
    if (!klasor.exists() || !klasor.isDir())
        return QStringLiteral("Veritabanının konacağı klasör yok: ") + QDir::toNativeSeparators(klasor.filePath());
    if (!klasor.isWritable())
        return QStringLiteral("Veritabanının konacağı klasöre yazılamıyor: ")
               + QDir::toNativeSeparators(klasor.filePath());
    return QString();
}

struct ModulTanimi
{
    const char *ad;
    const char *form;
    const char *menu;
    const char *aciklama;
};

// Every module name the rights lookups use, so that generating a user's
// rights covers the whole program.
const ModulTanimi MODULLER[] = {
    {"HASTALAR", "frm_hastalar", "Hastalar", "Hasta kayıtları"},
    {"MUAYENE", "frm_muayene", "Muayene", "Genel ve göz muayenesi"},
    {"RANDEVU", "frm_randevu", "Randevu", "Randevu defteri"},
    {"LABORATUVAR", "frm_muayene_lab", "Laboratuvar", "Laboratuvar ve radyoloji istekleri"},
    {"TANILAR", "frm_tanilar", "Listeler", "Tanı listesi"},
    {"TETKİKLER", "frm_laboratuvarlar", "Listeler", "Tetkik listesi"},
    {"İŞLEMLER", "frm_islemler", "Listeler", "İşlem listesi"},
    {"YİŞLEMLER", "frm_yapilanislemler", "Raporlar", "Yapılan işlemler"},
    {"HASTARAPOR", "frm_hastarapor", "Raporlar", "Hasta raporu"},
    {"MUAYENERAPOR", "frm_muayenerapor", "Raporlar", "Muayene raporu"},
    {"RANDEVURAPOR", "frm_randevurapor", "Raporlar", "Randevu raporu"},
    {"LABRAPORLARI", "frm_muhlabrapor", "Raporlar", "Laboratuvar raporları"},
    {"CH RAPOR", "frm_carihareketrapor", "Raporlar", "Cari hareket raporu"},
    {"CARI HAREKET", "frm_cari_hareket", "Cari", "Cari hareketler ve ödemeler"},
    {"UYARI", "frm_uyari", "Uyarı Sistemi", "Hatırlatmalar"},
    {"SMS", "frm_sms1", "Sms Gönder", "SMS gönderme"},
    {"KULLANICILAR", "frm_kullanici", "Sistem", "Kullanıcılar"},
    {"MODULLER", "frm_module", "Sistem", "Kullanıcı yetkileri"},
    {"VERİ KONTROL", "frm_select", "Sistem", "Veri kontrol paneli"},
};

struct ParametreTanimi
{
    const char *ad;
    const char *deger;
    const char *aciklama;
};

struct ParametreSeti
{
    const char *form;
    std::vector<ParametreTanimi> satirlar;
};

// Screen parameters, one row per slot in slot order: a screen reads them
// by position (KAYITNO order), never by name.
const std::vector<ParametreSeti> &parametreSetleri()
{
    static const std::vector<ParametreSeti> v = {
        {"MENU",
         {{"EKRANLARI BÜYÜT", "", "E: ana pencere ve ana ekranlar tam ekran açılır"},
          {"MUAYENE BRANŞI", "GENEL", "GENEL veya boş: genel muayene, GÖZ: göz muayenesi"},
          {"ARKA PLAN RESMİ", "", "H: ana pencerenin arka plan resmi gösterilmez"},
          {"LABORATUVAR BAŞLIĞI", "", "Doluysa Laboratuvar düğmesi ve ekranının başlığı"},
          {"Y.İŞLEMLER BAŞLIĞI", "", "Doluysa Y.İşlemler düğmesi ve menüsünün başlığı"},
          {"HASTALAR BAŞLIĞI", "", "Doluysa Hastalar düğmesi ve ekranının başlığı"},
          {"MUAYENE BAŞLIĞI", "", "Doluysa Muayene düğmesi ve menüsünün başlığı"},
          {"YEDEK 8", "", "Kullanılmıyor"},
          {"YEDEK 9", "", "Kullanılmıyor"},
          {"YEDEK 10", "", "Kullanılmıyor"}}},
        {"HASTALAR",
         {{"VARSAYILAN DOKTOR KODU", "", "Doluysa yeni hastanın doktor kodu"},
          {"VARSAYILAN DOKTOR ADI", "", "Doluysa yeni hastanın doktor adı"},
          {"VARSAYILAN CİNSİYET", "", "Doluysa yeni hastanın cinsiyeti (ERKEK, KADIN)"},
          {"VARSAYILAN KURUM", "", "Doluysa yeni hastanın kurumu"},
          {"VARSAYILAN İL", "", "Doluysa yeni hastanın ili"},
          {"VARSAYILAN MEDENİ DURUM", "", "Doluysa yeni hastanın medeni durumu"},
          {"VARSAYILAN ÇOCUK SAYISI", "", "Doluysa yeni hastanın çocuk sayısı"},
          {"VARSAYILAN MESLEK", "", "Doluysa yeni hastanın mesleği"},
          {"VARSAYILAN EĞİTİM", "", "Doluysa yeni hastanın eğitimi"},
          {"VARSAYILAN İLÇE", "", "Doluysa yeni hastanın ilçesi"},
          {"VARSAYILAN ÜLKE", "", "Doluysa yeni hastanın ülkesi"},
          {"VARSAYILAN SİGARA DURUMU", "", "Doluysa yeni hastanın sigara durumu (EVET, HAYIR)"},
          {"VARSAYILAN ALKOL DURUMU", "", "Doluysa yeni hastanın alkol durumu"},
          {"MUAYENE EKRANINI BÜYÜT", "", "E: Muayene düğmesinin açtığı ekran tam ekran"},
          {"MUAYENE BRANŞI", "", "GENEL veya boş: genel muayene, GÖZ: göz muayenesi"}}},
        {"MUAYENE",
         {{"YALNIZ KENDİ MUAYENELERİ", "", "E: doktor yalnız kendi muayenelerini görür"},
          {"YEDEK 2", "", "Kullanılmıyor"},
          {"KONTROL GÜN SAYISI", "", "Sonraki muayene tarihi: bugün + bu kadar gün"},
          {"MUAYENE ÜCRETİ", "", "Yeni muayenenin ücreti (boş veya 0: ücret 0)"},
          {"ÖDEME ŞEKLİ", "", "Yeni muayenenin ödeme şekli (NAKIT, K.KARTI ...)"},
          {"YEDEK 6", "", "Kullanılmıyor"},
          {"YALNIZ BEKLEYENLER", "", "E: yalnız muayene olmamış kayıtlar listelenir"},
          {"YEDEK 8", "", "Kullanılmıyor"},
          {"YEDEK 9", "", "Kullanılmıyor"},
          {"YEDEK 10", "", "Kullanılmıyor"},
          {"YEDEK 11", "", "Kullanılmıyor"},
          {"YEDEK 12", "", "Kullanılmıyor"},
          {"YEDEK 13", "", "Kullanılmıyor"}}},
        {"RANDEVU",
         {{"YALNIZ KENDİ RANDEVULARI", "", "E: doktor yalnız kendi randevularını görür"},
          {"YEDEK 2", "", "Kullanılmıyor"},
          {"YEDEK 3", "", "Kullanılmıyor"},
          {"YEDEK 4", "", "Kullanılmıyor"},
          {"YEDEK 5", "", "Kullanılmıyor"},
          {"VARSAYILAN DOKTOR KODU", "", "Doluysa yeni randevunun doktor kodu"},
          {"VARSAYILAN DOKTOR ADI", "", "Doluysa yeni randevunun doktor adı"},
          {"GÜN BAŞLANGIÇ SAATİ", "09:00", "Günlük programın ilk saati (SS:DD)"},
          {"GÜN BİTİŞ SAATİ", "17:00", "Günlük programın bitiş saati (SS:DD)"},
          {"SAATTEKİ RANDEVU SAYISI", "4", "Bir saatteki randevu aralığı sayısı"},
          {"PROGRAM SÜTUNU", "", "Günlük programda gösterilen sütun (boş: DOKTORADI)"},
          {"YENİ HASTA İŞARETLİ", "", "E: yeni randevuda Yeni Hasta işaretli gelir"},
          {"MUAYENE ÜCRETİ", "", "Doluysa yeni randevunun muayene ücreti"}}},
        {"CARI HAREKET",
         {{"ÖZEL KOD 1 BAŞLIĞI", "", "Doluysa Özel kod 1 etiketi ve sütun başlığı"},
          {"ÖZEL KOD 2 BAŞLIĞI", "", "Doluysa Özel kod 2 etiketi ve sütun başlığı"},
          {"ÖZEL KOD HESABI", "", "ÇARP/BÖL/ÇIKAR/TOPLA: özel kodlardan borç"},
          {"PARA BİRİMİ", "", "Yeni hareketin para birimi (boş: YTL)"},
          {"BAKİYE HESAPLA", "", "E: hareketler açılınca yürüyen bakiye hesaplanır"},
          {"YEDEK 6", "", "Kullanılmıyor"},
          {"YEDEK 7", "", "Kullanılmıyor"},
          {"YEDEK 8", "", "Kullanılmıyor"},
          {"YEDEK 9", "", "Kullanılmıyor"}}},
        {"uyari",
         {{"UYARI 1", "", "Kullanılmıyor"},
          {"UYARI 2", "", "Kullanılmıyor"},
          {"UYARI 3", "", "Kullanılmıyor"},
          {"UYARI 4", "", "Kullanılmıyor"},
          {"UYARI 5", "", "Kullanılmıyor"},
          {"UYARI 6", "", "Kullanılmıyor"},
          {"UYARI 7", "", "Kullanılmıyor"},
          {"UYARI 8", "", "Kullanılmıyor"},
          {"UYARI 9", "", "Kullanılmıyor"},
          {"UYARI 10", "", "Kullanılmıyor"}}},
    };
    return v;
}

QString u(const char *s) { return QString::fromUtf8(s); }

} // namespace

namespace Olustur {

QStringList semaKomutlari(const std::vector<Tablo> &tablolar, const QStringList &digerUretecler)
{
    QStringList k;
    for (const Tablo &t : tablolar)
        if (!t.uretec.isEmpty())
            k << QStringLiteral("CREATE GENERATOR ") + t.uretec;
    for (const QString &g : digerUretecler)
        k << QStringLiteral("CREATE GENERATOR ") + g;
    for (const Tablo &t : tablolar) {
        QStringList kolonlar;
        for (const Kolon &c : t.kolonlar)
            kolonlar << c.ad + QLatin1Char(' ') + KolonSqlTuru(c) + (c.bosOlamaz ? QStringLiteral(" NOT NULL") : QString());
        // The key gets a primary key: updates and deletes address rows by it.
        const Kolon *a = t.anahtar.isEmpty() ? nullptr : t.kolon(t.anahtar);
        if (a && a->bosOlamaz)
            kolonlar << QStringLiteral("CONSTRAINT PK_%1 PRIMARY KEY (%2)").arg(t.ad, a->ad);
        k << QStringLiteral("CREATE TABLE %1 (%2)").arg(t.ad, kolonlar.join(QStringLiteral(", ")));
    }
    for (const Tablo &t : tablolar)
        for (const Indeks &i : t.indeksler)
            k << IndeksKomutu(t.ad, i);
    for (const Tablo &t : tablolar)
        k << OlayTetikleyicisi(t);
    return k;
}

QStringList semaKomutlari() { return semaKomutlari(Tablolar(), DigerUretecler()); }

QStringList baslangicKayitlari()
{
    QStringList k;
    k << QStringLiteral("INSERT INTO SIRKETLER (KAYITNO, SIRKETKODU, SIRKETADI, ACIKLAMA, SIRKETUNVANI, "
                        "SIRKETADRESI, VDAIRESI, VNO) VALUES (GEN_ID(OTOKOD_SIRKETLER, 1), %1, %2, %3, %4, %5, "
                        "%6, %7)")
             .arg(lit(u("2007")), lit(u("VELMORIKA DEMO KLİNİK")), lit(u("Örnek şirket")),
                  lit(u("VELMORIKA DEMO KLİNİK")), lit(u("İSTANBUL")), lit(u("MERKEZ")), lit(u("1111111111")));
    k << QStringLiteral("INSERT INTO ELEMANLAR (KAYIT_NO, KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, "
                        "DEPERTMAN, GOREVI, SIFRE, UNVANI, USERNAME) VALUES (GEN_ID(OTOKOD_ELEMANLAR, 1), 1, %1, "
                        "%2, %3, %4, %5, %6, %7)")
             .arg(lit(u("VELMOR")), lit(u("YÖNETİCİ")), lit(u("YÖNETİM")), lit(u("SİSTEM YÖNETİCİSİ")),
                  lit(u("KLINIK")), lit(u("YÖNETİCİ")), lit(u("VELMOR")));
    int no = 0;
    for (const ModulTanimi &m : MODULLER) {
        ++no;
        k << QStringLiteral("INSERT INTO MODULLER (KAYITNO, MODULNO, MODULADI, FORMADI, MENUSU, ACIKLAMA) "
                            "VALUES (GEN_ID(OTOKOD_MODULLER, 1), %1, %2, %3, %4, %5)")
                 .arg(no)
                 .arg(lit(u(m.ad)), lit(u(m.form)), lit(u(m.menu)), lit(u(m.aciklama)));
    }
    for (const ModulTanimi &m : MODULLER)
        k << QStringLiteral("INSERT INTO KULLANICILAR (KAYITNO, KULLANICI_KODU, MODULADI, KAYIT, YENIKAYIT, "
                            "DEGISTIRME, SILME, FORMGIRISI, RAPOR, OZELYETKI1, OZELYETKI2, SIRKETKODU) VALUES "
                            "(GEN_ID(OTOKOD_KULLANICILAR, 1), 1, %1, 'E', 'E', 'E', 'E', 'E', 'E', 'E', 'E', %2)")
                 .arg(lit(u(m.ad)), lit(u("2007")));
    for (const ParametreSeti &s : parametreSetleri())
        for (const ParametreTanimi &p : s.satirlar)
            k << QStringLiteral("INSERT INTO FORMPAREMETRELERI (KAYITNO, FORMADI, PARAMETREADI, PARAMETREDEGERI, "
                                "ACIKLAMA, SIRKETKODU) VALUES (GEN_ID(OTOKOD_FORMPARAMETRELERI, 1), %1, %2, %3, "
                                "%4, 'SISTEM')")
                     .arg(lit(u(s.form)), lit(u(p.ad)), lit(u(p.deger)), lit(u(p.aciklama)));
    return k;
}

bool veritabaniOlustur(const QString &yol, const QStringList &ddl, const QStringList &dml, QString *hata)
{
    const QString yh = yolHatasi(yol);
    if (!yh.isEmpty()) {
        if (hata)
            *hata = yh;
        return false;
    }
    CApi vt;
    QString neden;
    if (!vt.olustur(yol)) {
        neden = vt.hata(); // nothing was made: a file that is there is not ours
    } else {
        if (!vt.calistir(ddl) || !vt.calistir(dml))
            neden = vt.hata();
        vt.ayril();
        if (neden.isEmpty()) {
            if (vt.bagla(yol, 1))
                vt.ayril();
            else
                neden = vt.hata();
        }
        if (!neden.isEmpty())
            vt.sil(yol);
    }
    if (neden.isEmpty())
        return true;
    if (hata)
        *hata = QStringLiteral("Veritabanı oluşturulamadı: ") + yol + QStringLiteral("\n") + neden;
    return false;
}

bool zorunluYazma(const QString &yol, bool acik, QString *hata)
{
    CApi vt;
    if (!vt.bagla(yol, acik ? 1 : 0)) {
        if (hata)
            *hata = QStringLiteral("Veritabanı açılamadı: ") + yol + QStringLiteral("\n") + vt.hata();
        return false;
    }
    vt.ayril();
    return true;
}

bool veritabaniSil(const QString &yol, QString *hata)
{
    CApi vt;
    if (!vt.bagla(yol)) {
        if (hata)
            *hata = QStringLiteral("Veritabanı açılamadı: ") + yol + QStringLiteral("\n") + vt.hata();
        return false;
    }
    if (!vt.sil(yol)) {
        if (hata)
            *hata = QStringLiteral("Veritabanı silinemedi: ") + yol + QStringLiteral("\n") + vt.hata();
        return false;
    }
    return true;
}

bool veritabaniOlustur(const QString &yol, QString *hata)
{
    return veritabaniOlustur(yol, semaKomutlari(), baslangicKayitlari(), hata);
}

} // namespace Olustur
