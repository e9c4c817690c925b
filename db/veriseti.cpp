#include "db/veriseti.h"

#include "db/hata.h"
#include "db/sqltext.h"
#include "db/baglanti.h"
#include "db/sorgu.h"
#include "db/verisetisutun.h"
#include "db/win1254.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>

#include <cmath>
#include <vector>

using namespace VeriSetiIc;

struct VeriSeti::Ozel
{
    const Tablo *tablo = nullptr;
    QString tabloAdi;
    QString baglanti;
    QString sql;
    Durum durum = Durum::Kapali;

    std::vector<Sutun> sutunlar;
    QHash<QString, int> sira;                 // upper-case name -> column
    mutable QHash<QString, int> yazimSirasi;  // names as callers spell them
    int satirSayisi = 0;
    int gecerli = -1;
    int anahtarSutunu = -1;
    QStringList sonucAdlari;

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

    std::vector<QVariant> satirOku(int satir) const
    {
        std::vector<QVariant> v;
        v.reserve(sutunlar.size());
        for (const Sutun &s : sutunlar)
            v.push_back(s.al(satir));
        return v;
    }
};

VeriSeti::VeriSeti(const QString &tablo, QObject *ust, const QString &baglanti)
    : QObject(ust)
    , d(new Ozel)
{
    d->tablo = TabloBul(tablo);
    d->tabloAdi = d->tablo ? d->tablo->ad : tablo.toUpper();
    d->baglanti = baglanti.isEmpty() ? Baglanti::Paylasilan : baglanti;
    if (!d->tablo)
        qWarning("VeriSeti: tanımsız tablo %s", qPrintable(tablo));
}

VeriSeti::~VeriSeti() { delete d; }

const Tablo &VeriSeti::tablo() const { return d->tablo ? *d->tablo : bosTablo(); }
QString VeriSeti::baglantiAdi() const { return d->baglanti; }

void VeriSeti::selectMetniAyarla(const QString &sql) { d->sql = sql; }
QString VeriSeti::selectMetni() const
{
    if (d->sql.isEmpty())
        return SelectBasi(d->tabloAdi.toLower());
    return d->sql;
}

bool VeriSeti::ac()
{
    if (duzenleniyorMu())
        iptal();

    QSqlDatabase db = Baglanti::vt(d->baglanti);
    if (!db.isOpen()) {
        VeriHatasi::hata(QStringLiteral("Veritabanı bağlantısı açık değil."));
        return false;
    }

    // A search text the character set cannot hold: the Turkish message, no query.
    if (const QString yabanci = Win1254::disindakiler(selectMetni()); !yabanci.isEmpty()) {
        VeriHatasi::bilgi(Win1254::uyari(yabanci));
        return false;
    }

    std::vector<Sutun> yeni;
    QStringList adlar;
    int n = 0;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(selectMetni())) {
            const QSqlError e = q.lastError();
            q.finish();
            VeriHatasi::hata(VeriHatasi::metin(e));
            return false;
        }
        const QSqlRecord kayit = q.record();
        const int kolonSayisi = kayit.count();
        QSet<QString> gorulen;
        yeni.resize(size_t(kolonSayisi));
        for (int i = 0; i < kolonSayisi; ++i) {
            Sutun &s = yeni[size_t(i)];
            s.ad = kayit.fieldName(i).toUpper();
            adlar << s.ad;
            const Kolon *k = (d->tablo && !gorulen.contains(s.ad)) ? d->tablo->kolon(s.ad) : nullptr;
            gorulen.insert(s.ad);
            if (k) {
                s.kolon = k;
                s.tur = k->tur;
                s.depo = depoTuru(k->tur);
            } else {
                sonucTuru(QMetaType::Type(kayit.field(i).metaType().id()), &s.tur, &s.depo);
            }
            // CHAR(n) (a literal, a legacy column) comes padded to n bytes of
            // UTF-8: the blanks mean nothing.
            s.sabitUzunluk = Sorgu::sabitUzunluk(kayit.field(i));
        }
        // Keep the engine's values in the driver's own row and copy them
        // straight into the columns.
        while (q.next()) {
            for (int i = 0; i < kolonSayisi; ++i)
                yeni[size_t(i)].ekle(q.value(i), d->enc);
            ++n;
        }
        const QSqlError e = q.lastError();
        q.finish();
        for (Sutun &s : yeni) {
            // give back what the doubling of the text blocks left unused
            if (s.depo == Depo::Metin && s.blok.size() > s.blokBoyu + s.blokBoyu / 8 + 4096) {
                s.blok.resize(s.blokBoyu);
                s.blok.squeeze();
            }
        }
        if (e.isValid()) {
            VeriHatasi::hata(VeriHatasi::metin(e));
            return false;
        }
        // Table columns the select left out: writable, read as NULL.
        if (d->tablo) {
            for (const Kolon &k : d->tablo->kolonlar) {
                if (gorulen.contains(k.ad.toUpper()))
                    continue;
                Sutun s;
                s.ad = k.ad.toUpper();
                s.kolon = &k;
                s.tur = k.tur;
                s.depo = depoTuru(k.tur);
                s.sonuctan = false;
                s.ayir(size_t(n));
                const QVariant bos = bosDeger(k.tur);
                for (int r = 0; r < n; ++r)
                    s.ekle(bos, d->enc);
                yeni.push_back(std::move(s));
            }
        }
    }

    const bool acikti = d->durum != Durum::Kapali;
    emit sifirlanacak();
    d->sutunlar = std::move(yeni);
    d->sonucAdlari = adlar;
    d->satirSayisi = n;
    d->gecerli = n > 0 ? 0 : -1;
    d->yedek.clear();
    d->kirli.clear();
    d->siraKur();
    d->durum = Durum::Gozat;
    emit acildi();
    if (!acikti)
        emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(d->gecerli);
    return true;
}

void VeriSeti::kapat()
{
    if (d->durum == Durum::Kapali)
        return;
    if (duzenleniyorMu())
        iptal();
    emit sifirlanacak();
    d->sutunlar.clear();
    d->sonucAdlari.clear();
    d->satirSayisi = 0;
    d->gecerli = -1;
    d->siraKur();
    d->durum = Durum::Kapali;
    emit kapandi();
    emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(-1);
}

bool VeriSeti::acikMi() const { return d->durum != Durum::Kapali; }

bool VeriSeti::yenile()
{
    if (duzenleniyorMu())
        iptal();
    const qint64 k = anahtar();
    const int eski = d->gecerli;
    if (!ac())
        return false;
    if (k != 0 && bul(k))
        return true;
    if (eski >= 0 && d->satirSayisi > 0)
        satiraGit(qMin(eski, d->satirSayisi - 1));
    return true;
}

int VeriSeti::kayitSayisi() const { return d->satirSayisi; }
int VeriSeti::gecerliSatir() const { return d->gecerli; }

bool VeriSeti::satiraGit(int satir)
{
    if (duzenleniyorMu() || satir < 0 || satir >= d->satirSayisi)
        return false;
    if (satir != d->gecerli) {
        d->gecerli = satir;
        emit gecerliSatirDegisti(satir);
    }
    return true;
}

bool VeriSeti::ilk() { return satiraGit(0); }
bool VeriSeti::son() { return satiraGit(d->satirSayisi - 1); }
bool VeriSeti::sonraki() { return d->gecerli + 1 < d->satirSayisi && satiraGit(d->gecerli + 1); }
bool VeriSeti::onceki() { return d->gecerli > 0 && satiraGit(d->gecerli - 1); }

bool VeriSeti::bul(qint64 anahtar)
{
    if (duzenleniyorMu() || d->anahtarSutunu < 0)
        return false;
    const Sutun &s = d->sutunlar[size_t(d->anahtarSutunu)];
    for (int i = 0; i < d->satirSayisi; ++i) {
        if (s.bosMu(i))
            continue;
        const qint64 k = s.depo == Depo::Tam ? s.tam[size_t(i)] : s.al(i).toLongLong();
        if (k == anahtar)
            return satiraGit(i);
    }
    return false;
}

QVariant VeriSeti::deger(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return QVariant();
    return d->sutunlar[size_t(k)].al(d->gecerli);
}

QString VeriSeti::metin(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return QString();
    const Sutun &s = d->sutunlar[size_t(k)];
    if (s.bosMu(d->gecerli))
        return QString();
    switch (s.depo) {
    case Depo::Metin:
        return s.metinAl(d->gecerli);
    case Depo::Tam:
        return QString::number(s.tam[size_t(d->gecerli)]);
    case Depo::Ond:
        return QString::number(s.ond[size_t(d->gecerli)], 'g', 15);
    case Depo::Zaman:
        return zamanCoz(s.tam[size_t(d->gecerli)]).date().toString(TarihBicimi);
    case Depo::Diger:
        return s.diger[size_t(d->gecerli)].toString();
    }
    return QString();
}

double VeriSeti::sayi(const QString &kolon) const
{
    const int k = d->sutunBul(kolon);
    if (k < 0 || !d->gecerliVar())
        return 0.0;
    const Sutun &s = d->sutunlar[size_t(k)];
    if (s.bosMu(d->gecerli))
        return 0.0;
    switch (s.depo) {
    case Depo::Tam:
        return double(s.tam[size_t(d->gecerli)]);
    case Depo::Ond:
        return s.ond[size_t(d->gecerli)];
    case Depo::Metin: {
        double x = 0.0;
        return sayiOku(s.metinAl(d->gecerli), &x) ? x : 0.0;
    }
    default:
        return s.al(d->gecerli).toDouble();
    }
}

qint64 VeriSeti::anahtar() const
{
    if (d->anahtarSutunu < 0 || !d->gecerliVar())
        return 0;
    return d->sutunlar[size_t(d->anahtarSutunu)].al(d->gecerli).toLongLong();
}

QVariant VeriSeti::satirDegeri(int satir, const QString &kolon) const
{
    return satirDegeri(satir, d->sutunBul(kolon));
}

QVariant VeriSeti::satirDegeri(int satir, int kolon) const
{
    if (kolon < 0 || kolon >= int(d->sutunlar.size()) || satir < 0 || satir >= d->satirSayisi)
        return QVariant();
    return d->sutunlar[size_t(kolon)].al(satir);
}

bool VeriSeti::bosMu(int satir, int kolon) const
{
    if (kolon < 0 || kolon >= int(d->sutunlar.size()) || satir < 0 || satir >= d->satirSayisi)
        return true;
    return d->sutunlar[size_t(kolon)].bosMu(satir);
}

int VeriSeti::kolonSayisi() const { return int(d->sutunlar.size()); }
int VeriSeti::kolonSirasi(const QString &kolon) const { return d->sutunBul(kolon); }

QString VeriSeti::kolonAdiAt(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].ad : QString();
}

KolonTuru VeriSeti::kolonTuru(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].tur : KolonTuru::Metin;
}

const Kolon *VeriSeti::tabloKolonu(int kolon) const
{
    return kolon >= 0 && kolon < int(d->sutunlar.size()) ? d->sutunlar[size_t(kolon)].kolon : nullptr;
}

QStringList VeriSeti::sonucKolonlari() const { return d->sonucAdlari; }

QString VeriSeti::gecersizDegerMesaji(const QString &kolon, KolonTuru tur, const QString &metin)
{
    if (tur == KolonTuru::Tarih)
        return QStringLiteral("%1 alanındaki \"%2\" geçerli bir tarih değil. Tarihi GG.AA.YYYY biçiminde yazınız.")
            .arg(kolon, metin);
    return QStringLiteral("%1 alanına sayı yazılmalıdır; \"%2\" bir sayı değil.").arg(kolon, metin);
}

bool VeriSeti::degerCevir(KolonTuru tur, const QVariant &girdi, QVariant *sonuc)
{
    if (!girdi.isValid() || girdi.isNull()) {
        *sonuc = bosDeger(tur);
        return true;
    }
    const int tip = girdi.typeId();
    switch (tur) {
    case KolonTuru::Metin:
    case KolonTuru::UzunMetin:
        if (tip == QMetaType::QDate)
            *sonuc = QVariant(girdi.toDate().toString(TarihBicimi));
        else if (tip == QMetaType::QByteArray)
            *sonuc = QVariant(QString::fromUtf8(girdi.toByteArray()));
        else
            *sonuc = QVariant(girdi.toString());
        return true;
    case KolonTuru::Tamsayi:
    case KolonTuru::Ondalik: {
        double x = 0.0;
        if (tip == QMetaType::QString || tip == QMetaType::QByteArray) {
            const QString s = girdi.toString().trimmed();
            if (s.isEmpty()) {
                *sonuc = bosDeger(tur);
                return true;
            }
            if (!sayiOku(s, &x))
                return false;
        } else {
            bool tamam = false;
            x = girdi.toDouble(&tamam);
            if (!tamam || !std::isfinite(x))
                return false;
        }
        if (tur == KolonTuru::Tamsayi) {
            if (std::fabs(x) > 9.0e18)
                return false;
            *sonuc = QVariant(qlonglong(std::llround(x)));
        } else {
            *sonuc = QVariant(x);
        }
        return true;
    }
    case KolonTuru::Tarih: {
        if (tip == QMetaType::QDateTime) {
            const QDateTime z = girdi.toDateTime();
            if (!z.isValid())
                return false;
            *sonuc = QVariant(QDateTime(z.date(), z.time()));
            return true;
        }
        if (tip == QMetaType::QDate) {
            if (!girdi.toDate().isValid())
                return false;
            *sonuc = QVariant(QDateTime(girdi.toDate(), QTime(0, 0)));
            return true;
        }
        const QString s = girdi.toString().trimmed();
        if (BosTarihMaskesi(s)) {
            *sonuc = bosDeger(tur);
            return true;
        }
        QDate t = QDate::fromString(s, TarihBicimi);
        QTime saat(0, 0);
        if (!t.isValid()) {
            // "DD.MM.YYYY hh:mm[:ss]" and ISO forms
            const QDateTime z1 = QDateTime::fromString(s, TarihSaniyeBicimi);
            const QDateTime z2 = QDateTime::fromString(s, TarihSaatBicimi);
            const QDateTime z3 = QDateTime::fromString(s, Qt::ISODate);
            const QDateTime z = z1.isValid() ? z1 : z2.isValid() ? z2 : z3;
            if (!z.isValid())
                return false;
            t = z.date();
            saat = z.time();
        }
        *sonuc = QVariant(QDateTime(t, saat));
        return true;
    }
    }
    return false;
}

bool VeriSeti::degerAyarla(const QString &kolon, const QVariant &deger)
{
    const int k = d->sutunBul(kolon);
    if (k < 0) {
        if (d->durum != Durum::Kapali)
            qWarning("VeriSeti %s: kolon yok: %s", qPrintable(d->tabloAdi), qPrintable(kolon));
        return false;
    }
    if (d->durum == Durum::Kapali || !d->gecerliVar())
        return false;
    Sutun &s = d->sutunlar[size_t(k)];
    QVariant v;
    if (s.depo == Depo::Diger) {
        v = deger;
    } else if (!degerCevir(s.tur, deger, &v)) {
        VeriHatasi::bilgi(gecersizDegerMesaji(s.ad, s.tur, deger.toString()));
        return false;
    }
    if (d->durum == Durum::Gozat && !duzenle())
        return false;
    s.ayarla(d->gecerli, v, d->enc);
    if (size_t(k) < d->kirli.size())
        d->kirli[size_t(k)] = true;
    emit alanDegisti(s.ad);
    return true;
}

VeriSeti::Durum VeriSeti::durum() const { return d->durum; }

bool VeriSeti::ekle()
{
    if (d->durum == Durum::Kapali)
        return false;
    // A pending row is posted first; a failed post keeps it and refuses.
    if (duzenleniyorMu() && !kaydet())
        return false;
    if (eklemedenOnce && !eklemedenOnce())
        return false;
    QVariant anahtarDegeri;
    if (d->tablo && !d->tablo->uretec.isEmpty()) {
        const auto k = Sorgu::uretec(d->tablo->uretec, d->baglanti);
        if (!k)
            return false;
        anahtarDegeri = QVariant(qlonglong(*k));
    }
    const int yeniSatir = d->satirSayisi;
    emit satirEklenecek(yeniSatir);
    for (Sutun &s : d->sutunlar)
        s.ekle(bosDeger(s.tur), d->enc);
    ++d->satirSayisi;
    if (d->anahtarSutunu >= 0 && anahtarDegeri.isValid()) {
        Sutun &s = d->sutunlar[size_t(d->anahtarSutunu)];
        QVariant v;
        if (degerCevir(s.tur, anahtarDegeri, &v))
            s.ayarla(yeniSatir, v, d->enc);
    }
    emit satirEklendi(yeniSatir);
    d->eklemedenOnceki = d->gecerli;
    d->gecerli = yeniSatir;
    d->yedek.clear();
    d->kirli.assign(d->sutunlar.size(), false);
    d->durum = Durum::Ekle;
    emit durumDegisti(d->durum);
    emit gecerliSatirDegisti(yeniSatir);
    if (yeniSatirDegerleri)
        yeniSatirDegerleri();
    return true;
}

bool VeriSeti::duzenle()
{
    if (duzenleniyorMu())
        return true;
    if (d->durum != Durum::Gozat || !d->gecerliVar())
        return false;
    if (duzenlemedenOnce && !duzenlemedenOnce())
        return false;
    d->yedek = d->satirOku(d->gecerli);
    d->kirli.assign(d->sutunlar.size(), false);
    d->durum = Durum::Duzenle;
    emit durumDegisti(d->durum);
    return true;
}

void VeriSeti::kaydetKontroluEkle(QObject *sahip, std::function<bool()> kontrol)
{
    d->kontroller.push_back({QPointer<QObject>(sahip), std::move(kontrol)});
}

bool VeriSeti::kaydet()
{
    if (d->durum == Durum::Gozat)
        return true;
    if (d->durum == Durum::Kapali || !d->gecerliVar())
        return false;

    for (size_t i = 0; i < d->kontroller.size(); ++i) {
        const Kontrol &k = d->kontroller[i];
        if (!k.sahip)
            continue;
        if (!k.islev())
            return false;
    }
    if (kaydetmedenOnce && !kaydetmedenOnce())
        return false;
    if (!d->tablo || d->tablo->kolonlar.empty()) {
        VeriHatasi::hata(QStringLiteral("%1 tablosu tanımlı değil; kayıt yazılamaz.").arg(d->tabloAdi));
        return false;
    }
    const bool ekleme = d->durum == Durum::Ekle;
    const int satir = d->gecerli;

    // The values as they will be stored: texts checked against the
    // database's character set, cut to width, empty text as NULL.
    struct Yazilacak
    {
        int sutun;
        QString ad;
        QVariant deger;
    };
    std::vector<Yazilacak> yazilacaklar;
    for (int i = 0; i < int(d->sutunlar.size()); ++i) {
        const Sutun &s = d->sutunlar[size_t(i)];
        if (!s.kolon)
            continue;
        const bool kirli = size_t(i) < d->kirli.size() && d->kirli[size_t(i)];
        if (!ekleme && !s.sonuctan && !kirli)
            continue;
        QVariant v = s.al(satir);
        if (s.depo == Depo::Metin) {
            QString m = v.toString();
            if (v.isNull() || m.isEmpty()) {
                v = bosDeger(s.tur);
            } else {
                const QString yabanci = Win1254::disindakiler(m);
                if (!yabanci.isEmpty()) {
                    VeriHatasi::bilgi(QStringLiteral("%1 alanındaki metin veritabanının karakter setinde olmayan "
                                                 "harfler içeriyor: %2")
                                      .arg(s.ad, yabanci));
                    return false;
                }
                if (s.tur == KolonTuru::Metin && s.kolon->uzunluk > 0 && m.size() > s.kolon->uzunluk)
                    m.truncate(s.kolon->uzunluk);
                v = QVariant(m);
            }
        } else if (v.isNull()) {
            v = bosDeger(s.tur);
        }
        yazilacaklar.push_back({i, s.ad, v});
    }

    QString sql;
    QVariantList degerler;
    if (ekleme) {
        QStringList adlar, yerler;
        for (const Yazilacak &y : yazilacaklar) {
            adlar << y.ad;
            yerler << QStringLiteral("?");
            degerler << y.deger;
        }
        sql = QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(d->tablo->ad, adlar.join(QLatin1Char(',')), yerler.join(QLatin1Char(',')));
    } else {
        if (d->anahtarSutunu < 0 || size_t(d->anahtarSutunu) >= d->yedek.size()
            || d->yedek[size_t(d->anahtarSutunu)].isNull()) {
            VeriHatasi::hata(QStringLiteral("%1 kaydının anahtarı (%2) okunmadığı için kayıt güncellenemez.")
                            .arg(d->tabloAdi, d->tablo->anahtar));
            return false;
        }
        QStringList atamalar;
        for (const Yazilacak &y : yazilacaklar) {
            atamalar << y.ad + QStringLiteral("=?");
            degerler << y.deger;
        }
        if (atamalar.isEmpty()) {
            d->durum = Durum::Gozat;
            emit durumDegisti(d->durum);
            return true;
        }
        sql = QStringLiteral("update %1 set %2 where %3=?")
                  .arg(d->tablo->ad, atamalar.join(QLatin1Char(',')), d->tablo->anahtar);
        degerler << d->yedek[size_t(d->anahtarSutunu)];
    }

    // Outside an Islem the driver runs the statement in a transaction of
    // its own and commits it; inside one, the Islem commits.
    if (!Sorgu::calistir(sql, degerler, d->baglanti))
        return false;

    for (const Yazilacak &y : yazilacaklar)
        d->sutunlar[size_t(y.sutun)].ayarla(satir, y.deger, d->enc);
    d->yedek.clear();
    d->kirli.clear();
    d->durum = Durum::Gozat;
    emit satirGuncellendi(satir);
    emit durumDegisti(d->durum);
    if (kaydettiktenSonra)
        kaydettiktenSonra();
    return true;
}

void VeriSeti::iptal()
{
    if (d->durum == Durum::Ekle) {
        // Browse state before the row goes, so that nothing reacting to the
        // removal takes the vanishing row for a pending one.
        const int satir = d->gecerli;
        d->kirli.clear();
        d->durum = Durum::Gozat;
        emit satirSilinecek(satir);
        for (Sutun &s : d->sutunlar)
            s.sil(satir);
        --d->satirSayisi;
        int yeni = d->eklemedenOnceki;
        if (yeni >= d->satirSayisi)
            yeni = d->satirSayisi - 1;
        d->gecerli = yeni;
        emit satirSilindi(satir);
        emit durumDegisti(d->durum);
        emit gecerliSatirDegisti(d->gecerli);
    } else if (d->durum == Durum::Duzenle) {
        const int satir = d->gecerli;
        if (d->yedek.size() == d->sutunlar.size())
            for (size_t i = 0; i < d->sutunlar.size(); ++i)
                d->sutunlar[i].ayarla(satir, d->yedek[i], d->enc);
        d->yedek.clear();
        d->kirli.clear();
        d->durum = Durum::Gozat;
        emit satirGuncellendi(satir);
        emit durumDegisti(d->durum);
    }
}

bool VeriSeti::sil()
{
    if (d->durum == Durum::Ekle) {
        // Deleting a row never posted only discards it.
        iptal();
        return true;
    }
    if (d->durum == Durum::Duzenle)
        iptal();
    if (d->durum != Durum::Gozat || !d->gecerliVar())
        return false;
    if (silmedenOnce && !silmedenOnce())
        return false;
    if (!d->tablo || d->anahtarSutunu < 0 || bosMu(d->gecerli, d->anahtarSutunu)) {
        VeriHatasi::hata(QStringLiteral("%1 kaydının anahtarı okunmadığı için kayıt silinemez.").arg(d->tabloAdi));
        return false;
    }
    const QVariant k = satirDegeri(d->gecerli, d->anahtarSutunu);
    if (!Sorgu::calistir(QStringLiteral("delete from %1 where %2=?").arg(d->tablo->ad, d->tablo->anahtar), {k},
                         d->baglanti))
        return false;
    const int satir = d->gecerli;
    emit satirSilinecek(satir);
    for (Sutun &s : d->sutunlar)
        s.sil(satir);
    --d->satirSayisi;
    d->gecerli = satir < d->satirSayisi ? satir : d->satirSayisi - 1;
    emit satirSilindi(satir);
    emit gecerliSatirDegisti(d->gecerli);
    if (sildiktenSonra)
        sildiktenSonra();
    return true;
}

bool VeriSeti::satirYenile()
{
    if (d->durum != Durum::Gozat || !d->gecerliVar() || !d->tablo || d->anahtarSutunu < 0
        || bosMu(d->gecerli, d->anahtarSutunu))
        return false;
    QStringList adlar;
    for (const Kolon &k : d->tablo->kolonlar)
        adlar << k.ad;
    const auto s = Sorgu::sec(QStringLiteral("select %1 from %2 where %3=?")
                                  .arg(adlar.join(QLatin1Char(',')), d->tablo->ad, d->tablo->anahtar),
                              {satirDegeri(d->gecerli, d->anahtarSutunu)}, d->baglanti);
    if (!s || s->satirlar.isEmpty())
        return false;
    const QVariantList &satir = s->satirlar.first();
    for (int i = 0; i < adlar.size() && i < satir.size(); ++i) {
        const int k = d->sira.value(adlar.at(i).toUpper(), -1);
        if (k < 0)
            continue;
        Sutun &sut = d->sutunlar[size_t(k)];
        QVariant v;
        if (sut.depo == Depo::Diger)
            v = satir.at(i);
        else if (!degerCevir(sut.tur, satir.at(i), &v))
            continue;
        sut.ayarla(d->gecerli, v, d->enc);
    }
    emit satirGuncellendi(d->gecerli);
    return true;
}
