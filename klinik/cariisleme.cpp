#include "klinik/cariisleme.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sema.h"
#include "db/sorgu.h"

#include <QDate>
#include <QDateTime>

#include <functional>

namespace CariIsleme {

QString kaynakDegeri(Kaynak k) { return k == Kaynak::Goz ? QStringLiteral("GÖZ") : QStringLiteral("GENEL"); }

QString kaynakKosulu(Kaynak k)
{
    // Lines stored before the column existed belong to general examinations.
    return k == Kaynak::Goz ? QStringLiteral("kaynak = 'GÖZ'") : QStringLiteral("coalesce(kaynak, 'GENEL') = 'GENEL'");
}

QString islemTuru(Kaynak k)
{
    return k == Kaynak::Goz ? QStringLiteral("GÖZ MUAYENE") : QStringLiteral("GENEL MUAYENE");
}

QString muayeneTablosu(Kaynak k)
{
    return k == Kaynak::Goz ? QStringLiteral("GOZHASTALIKLARI") : QStringLiteral("MUAYENE");
}

QString ucretKolonu(Kaynak k) { return k == Kaynak::Goz ? QStringLiteral("UCRETI") : QStringLiteral("MUAYENEUCRETI"); }

Aciklamalar muayeneAciklamalari(Kaynak k)
{
    if (k == Kaynak::Goz)
        return {QStringLiteral("GÖZ MUAYENE ÜCRETİ"), QStringLiteral("GÖZ MUAYENE PAYI")};
    return {QStringLiteral("MUAYENE ÜCRETİ"), QStringLiteral("MUAYENE PAYI")};
}

Aciklamalar satirAciklamalari(Kaynak k, SatirTuru tur)
{
    Aciklamalar a = tur == SatirTuru::Laboratuvar
                        ? Aciklamalar{QStringLiteral("LABORATUVAR ÜCRETİ"), QStringLiteral("LABORATUVAR PAYI")}
                        : Aciklamalar{QStringLiteral("İŞLEM ÜCRETİ"), QStringLiteral("İŞLEM PAYI")};
    if (k == Kaynak::Goz) {
        a.ucret.prepend(QStringLiteral("GÖZ "));
        a.pay.prepend(QStringLiteral("GÖZ "));
    }
    return a;
}

QString ucretCinsi(SatirTuru tur) { return tur == SatirTuru::Laboratuvar ? QStringLiteral("LAB") : QStringLiteral("İŞLM"); }

double topla(const QString &payTuru, double payParam, double ucret, double mevcut)
{
    // A line that earns nothing pays no share, whatever its kind.
    if (ucret <= 0)
        return 0;
    if (payTuru == Yuzde)
        return ucret * (payParam / 100);
    if (payTuru == BirimFiyat)
        return payParam;
    return mevcut;
}

namespace {

// Statements issued so far (komutSayisi).
int g_komutlar = 0;

// Errors are not shown here: the routines run inside a save's transaction,
// where no window may open; their text goes back to the caller.
bool komut(const QString &sql, const QVariantList &degerler, QString *mesaj)
{
    ++g_komutlar;
    return Sorgu::calistir(sql, degerler, QString(), mesaj);
}

std::optional<Sorgu::Sonuc> oku(const QString &sql, const QVariantList &degerler, QString *mesaj)
{
    ++g_komutlar;
    return Sorgu::sec(sql, degerler, QString(), mesaj);
}

// The company condition, written so that the database finds the rows by the
// examination's number alone: an index on the company (every row of a clinic
// holds the same code) would be read from end to end and make each posting
// slower as the ledger and the examinations grow.
const QString SirketSuzgeci = QStringLiteral("sirketkodu || '' = ?");

const QString KayitHatasi = QStringLiteral("Muayene cari hesaba işlenemedi: ");

// The examination row as the routines need it, read locked.
struct Muayene : Belge
{
    double ucret = 0, lab = 0, islem = 0, payParam = 0;
    QString payTuru;
};

QVariant metinDegeri(const QVariant &v)
{
    if (v.isNull() || v.toString().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}

std::optional<Muayene> muayeneOku(Kaynak k, qint64 no, QString *mesaj)
{
    // WITH LOCK: a second workstation re-posting the same examination waits
    // for this transaction instead of interleaving its removals and inserts.
    const QString sql = QStringLiteral("select hastakodu, hastaadisoyadi, doktorkodu, doktoradi, muayenetarihi, %1, "
                                       "laboratuvarucreti, islemtutari, doktorpayturu, doktorpayparam from %2 "
                                       "where kayitno = ? and %3 with lock")
                            .arg(ucretKolonu(k), muayeneTablosu(k), SirketSuzgeci);
    QString hata;
    const auto s = oku(sql, {no, Oturum.sirketkodu}, &hata);
    if (!s) {
        *mesaj = KayitHatasi + hata;
        return std::nullopt;
    }
    if (s->satirlar.isEmpty()) {
        *mesaj = KayitHatasi + QStringLiteral("%1 numaralı muayene bulunamadı.").arg(no);
        return std::nullopt;
    }
    const QVariantList &r = s->satirlar.first();
    Muayene m;
    m.no = no;
    m.hastaKodu = metinDegeri(r[0]);
    m.hastaAdi = metinDegeri(r[1]);
    m.doktorKodu = metinDegeri(r[2]);
    m.doktorAdi = metinDegeri(r[3]);
    m.tarih = r[4];
    m.ucret = r[5].toDouble();
    m.lab = r[6].toDouble();
    m.islem = r[7].toDouble();
    m.payTuru = r[8].toString();
    m.payParam = r[9].toDouble();

    // An account code is the patient's or the doctor's own code; one that
    // does not fit CARIKOD would be cut into somebody else's code.
    const Kolon *carikod = TabloBul(QStringLiteral("CARI_HAREKET"))->kolon(QStringLiteral("CARIKOD"));
    const struct { QVariant kod; const char *ne; } kodlar[] = {{m.hastaKodu, "Hasta"}, {m.doktorKodu, "Doktor"}};
    for (const auto &kod : kodlar) {
        if (kod.kod.toString().size() > carikod->uzunluk) {
            *mesaj = KayitHatasi
                     + QStringLiteral("%1 kodu \"%2\" %3 karakterden uzun; cari hesap kodu en çok %3 "
                                      "karakter olabilir. Kodu kısaltıp muayeneyi yeniden kaydediniz.")
                           .arg(QString::fromUtf8(kod.ne), kod.kod.toString())
                           .arg(carikod->uzunluk);
            return std::nullopt;
        }
    }
    return m;
}

// The examination's part of the doctor's share.
double muayenePayi(const Muayene &m)
{
    if (m.payTuru == Yuzde)
        return m.ucret * (m.payParam / 100);
    if (m.payTuru == BirimFiyat)
        return m.payParam;
    return 0;
}

bool kaldir(const Muayene &m, const QString &ucretCinsi, const Aciklamalar &a, QString *mesaj)
{
    // One statement for both kinds: the fee rows of the source and its share
    // rows; rows entered by hand (EVRAKCINSI null) are never among them.
    return komut(QStringLiteral("delete from cari_hareket where evrakkayitno = ? and ") + SirketSuzgeci
                     + QStringLiteral(" and ((evrakcinsi = ? and aciklama = ?) or (evrakcinsi = ? and aciklama = ?))"),
                 {double(m.no), Oturum.sirketkodu, ucretCinsi, a.ucret, PayCinsi, a.pay}, mesaj);
}

// DOKTORPAYTUTARI is the sum of the share rows posted for the examination:
// the part a routine writes now (a parameter) plus the share rows the other
// routines posted (read in the same statement).
QString payGuncellemesi()
{
    return QStringLiteral("doktorpaytutari = ? + (select coalesce(sum(alacak), 0) from cari_hareket where "
                          "evrakkayitno = ? and ")
           + SirketSuzgeci + QStringLiteral(" and evrakcinsi = ? and aciklama in (?, ?))");
}

// A text cut to the width of its CARI_HAREKET column.
QVariant sigdir(const QString &kolon, const QVariant &v)
{
    if (v.isNull())
        return v;
    const Kolon *k = TabloBul(QStringLiteral("CARI_HAREKET"))->kolon(kolon);
    return QVariant(v.toString().left(k->uzunluk));
}

// One posting row; the columns not listed stay null.
bool yaz(const Muayene &m, bool hastaSatiri, const QString &cins, const QString &aciklama, double borc,
         double alacak, QString *mesaj)
{
    static const QString sql = [] {
        const QStringList &k = hareketKolonlari();
        return QStringLiteral("insert into cari_hareket (kayitno, %1) values (gen_id(AUTOINCCARIHAREKET, 1)%2)")
            .arg(k.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(k.size()));
    }();
    return komut(sql,
                 hareketDegerleri(m, hastaSatiri, cins, aciklama, borc, alacak, Oturum.sirketkodu,
                                  Oturum.username, QDate::currentDate()),
                 mesaj);
}

} // namespace

const QStringList &hareketKolonlari()
{
    static const QStringList k = {
        QStringLiteral("CARIKOD"),      QStringLiteral("CARIUNVAN"),    QStringLiteral("EVRAKNO"),
        QStringLiteral("ISLEMTARIHI"),  QStringLiteral("ISLEMTURU"),    QStringLiteral("ACIKLAMA"),
        QStringLiteral("BORC"),         QStringLiteral("ALACAK"),       QStringLiteral("VADETARIHI"),
        QStringLiteral("OZELKOD2"),     QStringLiteral("EVRAKKAYITNO"), QStringLiteral("EVRAKCINSI"),
        QStringLiteral("SIRKETKODU"),   QStringLiteral("KULLANICI"),    QStringLiteral("DEGISTIRMETARIHI"),
        QStringLiteral("PARABIRIMI")};
    return k;
}

QVariantList hareketDegerleri(const Belge &b, bool hastaSatiri, const QString &cins, const QString &aciklama,
                              double borc, double alacak, const QString &sirket, const QString &kullanici,
                              const QDate &gun)
{
    const QVariant kod = metinDegeri(hastaSatiri ? b.hastaKodu : b.doktorKodu);
    const QVariant unvan = metinDegeri(hastaSatiri ? b.hastaAdi : b.doktorAdi);
    // The names cross: the patient's row names the doctor, the doctor's the patient.
    const QVariant ozelkod2 = metinDegeri(hastaSatiri ? b.doktorAdi : b.hastaAdi);
    const QString islemTuru = hastaSatiri ? QStringLiteral("B.DEKONTU") : QStringLiteral("DR.HAKEDİŞ");
    return {sigdir(QStringLiteral("CARIKOD"), kod), sigdir(QStringLiteral("CARIUNVAN"), unvan),
            QStringLiteral("M-") + QString::number(b.no), b.tarih, islemTuru,
            sigdir(QStringLiteral("ACIKLAMA"), aciklama), borc, alacak, b.tarih,
            sigdir(QStringLiteral("OZELKOD2"), ozelkod2), double(b.no), cins,
            sigdir(QStringLiteral("SIRKETKODU"), sirket), sigdir(QStringLiteral("KULLANICI"), metinDegeri(kullanici)),
            QDateTime(gun, QTime(0, 0)), QStringLiteral("YTL")};
}

bool cariyeisleme_islemde(Kaynak kaynak, qint64 muayeneNo, QString *mesaj)
{
    QString yedek;
    if (!mesaj)
        mesaj = &yedek;
    const auto m = muayeneOku(kaynak, muayeneNo, mesaj);
    if (!m)
        return false;
    // A free examination (fee 0) has no fee and no examination share: its
    // earlier rows go and none are written.
    const bool ucretli = m->ucret > 0;
    const double pay = ucretli ? muayenePayi(*m) : 0.0;
    // Only the total columns, so that what another workstation changed in
    // the row meanwhile stays. The share: this one plus what the lines posted.
    const Aciklamalar lab = satirAciklamalari(kaynak, SatirTuru::Laboratuvar),
                      isl = satirAciklamalari(kaynak, SatirTuru::Islem);
    if (!komut(QStringLiteral("update %1 set %2, toplamtutar = ? where kayitno = ?")
                   .arg(muayeneTablosu(kaynak), payGuncellemesi()),
               {pay, double(muayeneNo), Oturum.sirketkodu, PayCinsi, lab.pay, isl.pay,
                m->islem + (m->lab + m->ucret), muayeneNo},
               mesaj))
        return false;
    const Aciklamalar a = muayeneAciklamalari(kaynak);
    if (!kaldir(*m, MuayeneCinsi, a, mesaj))
        return false;
    if (!ucretli)
        return true;
    return yaz(*m, true, MuayeneCinsi, a.ucret, m->ucret, 0, mesaj)
           && yaz(*m, false, PayCinsi, a.pay, 0, pay, mesaj);
}

bool birlikte(QWidget *ust, const std::function<bool(QString *)> &is)
{
    QString mesaj;
    bool tamam = false;
    {
        Islem islem;
        if (!islem.basladi())
            mesaj = islem.hataMetni();
        else
            tamam = is(&mesaj) && islem.onayla(&mesaj);
    }
    if (!tamam && !mesaj.isEmpty())
        Mesaj::hata(mesaj, ust);
    return tamam;
}

bool cariyeisleme(Kaynak kaynak, qint64 muayeneNo, QWidget *ust)
{
    return birlikte(ust, [&](QString *m) { return cariyeisleme_islemde(kaynak, muayeneNo, m); });
}

bool lab_tutari_topla_islemde(Kaynak kaynak, qint64 muayeneNo, SatirTuru tur, QString *mesaj)
{
    QString yedek;
    if (!mesaj)
        mesaj = &yedek;
    const auto m = muayeneOku(kaynak, muayeneNo, mesaj);
    if (!m)
        return false;
    const bool lab = tur == SatirTuru::Laboratuvar;
    // MUAYENE_LAB keeps the examination number as text, YAPILANISLEMLER as a number.
    // A line without a fee earns no share, whatever was stored with it.
    const QString sql = QStringLiteral("select count(*), sum(ucreti), sum(iif(coalesce(ucreti, 0) > 0, "
                                       "doktorpaytutari, 0)) from %1 where "
                                       "sirketkodu = ? and hastakodu = ? and muayeneno = ? and %2")
                            .arg(lab ? QStringLiteral("muayene_lab") : QStringLiteral("yapilanislemler"),
                                 kaynakKosulu(kaynak));
    const auto s = oku(sql, {Oturum.sirketkodu, m->hastaKodu,
                                    lab ? QVariant(QString::number(muayeneNo)) : QVariant(double(muayeneNo))},
                  mesaj);
    if (!s)
        return false;
    const QVariantList &r = s->satirlar.value(0);
    const bool satirVar = r.value(0).toLongLong() > 0;
    const double toplam = r.value(1).toDouble(), payToplami = r.value(2).toDouble(); // null sums count as 0

    const QString tablo = muayeneTablosu(kaynak);
    // The share: what this kind posts now plus the examination's and the
    // other kind's share rows.
    const double buPay = satirVar ? payToplami : 0.0;
    const QString diger = lab ? satirAciklamalari(kaynak, SatirTuru::Islem).pay
                              : satirAciklamalari(kaynak, SatirTuru::Laboratuvar).pay;
    const QVariantList payDegerleri{buPay, double(muayeneNo), Oturum.sirketkodu, PayCinsi,
                                    muayeneAciklamalari(kaynak).pay, diger};
    bool tamam;
    if (lab)
        tamam = komut(QStringLiteral("update %1 set laboratuvarucreti = ?, %2, toplamtutar = ? where kayitno = ?")
                          .arg(tablo, payGuncellemesi()),
                      QVariantList{toplam} + payDegerleri + QVariantList{m->islem + (toplam + m->ucret), muayeneNo},
                      mesaj);
    else
        tamam = komut(QStringLiteral("update %1 set islemtutari = ?, %2, toplamtutar = ? where kayitno = ?")
                          .arg(tablo, payGuncellemesi()),
                      QVariantList{toplam} + payDegerleri + QVariantList{toplam + (m->lab + m->ucret), muayeneNo},
                      mesaj);
    if (!tamam)
        return false;

    const QString cins = ucretCinsi(tur);
    const Aciklamalar a = satirAciklamalari(kaynak, tur);
    if (!kaldir(*m, cins, a, mesaj))
        return false;
    // No line left (the last one was deleted): nothing to bill.
    if (!satirVar)
        return true;
    // Laboratory rows are written even when 0; procedure rows only above 0.
    if ((lab || toplam > 0) && !yaz(*m, true, cins, a.ucret, toplam, 0, mesaj))
        return false;
    if ((lab || payToplami > 0) && !yaz(*m, false, PayCinsi, a.pay, 0, payToplami, mesaj))
        return false;
    return true;
}

bool lab_tutari_topla(Kaynak kaynak, qint64 muayeneNo, SatirTuru tur, QWidget *ust)
{
    return birlikte(ust, [&](QString *m) { return lab_tutari_topla_islemde(kaynak, muayeneNo, tur, m); });
}

int komutSayisi() { return g_komutlar; }

bool kayitlariSil(Kaynak kaynak, qint64 muayeneNo, QString *mesaj)
{
    const Aciklamalar mu = muayeneAciklamalari(kaynak), lab = satirAciklamalari(kaynak, SatirTuru::Laboratuvar),
                      isl = satirAciklamalari(kaynak, SatirTuru::Islem);
    return komut(
        QStringLiteral("delete from cari_hareket where evrakkayitno = ? and ") + SirketSuzgeci
            + QStringLiteral(" and ((evrakcinsi = ? and aciklama = ?) or (evrakcinsi = ? and aciklama = ?) or "
                       "(evrakcinsi = ? and aciklama = ?) or (evrakcinsi = ? and aciklama in (?, ?, ?)))"),
        {double(muayeneNo), Oturum.sirketkodu, MuayeneCinsi, mu.ucret, ucretCinsi(SatirTuru::Laboratuvar), lab.ucret,
         ucretCinsi(SatirTuru::Islem), isl.ucret, PayCinsi, mu.pay, lab.pay, isl.pay},
        mesaj);
}

} // namespace CariIsleme
