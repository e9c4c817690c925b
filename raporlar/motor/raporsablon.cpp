// Template files: reading and writing the *.frf XML, finding a template by name.
#include "raporlar/motor/rapor.h"

#include "app/verikoku.h"
#include "app/yerler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

struct BantAdi { BantTuru tur; const char *ad; const char *baslik; };
const BantAdi BANT_ADLARI[] = {
    {BantTuru::RaporBasligi, "raporbasligi", "Rapor Başlığı"},
    {BantTuru::SayfaBasligi, "sayfabasligi", "Sayfa Başlığı"},
    {BantTuru::KolonBasligi, "kolonbasligi", "Kolon Başlığı"},
    {BantTuru::GrupBasligi, "grupbasligi", "Grup Başlığı"},
    {BantTuru::Detay, "detay", "Detay"},
    {BantTuru::AltDetay, "altdetay", "Alt Detay"},
    {BantTuru::GrupSonu, "grupsonu", "Grup Sonu"},
    {BantTuru::Ozet, "ozet", "Özet"},
    {BantTuru::SayfaAltligi, "sayfaaltligi", "Sayfa Altlığı"},
};

bool evetMi(const QString &s, bool varsayilan)
{
    const QString k = s.trimmed().toLower();
    if (k.isEmpty())
        return varsayilan;
    return k == QLatin1String("evet") || k == QLatin1String("e") || k == QLatin1String("1")
        || k == QLatin1String("true");
}

qreal sayiOku(const QString &s, qreal varsayilan, bool *tamam)
{
    if (s.trimmed().isEmpty())
        return varsayilan;
    bool ok = false;
    const qreal v = QString(s.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok) {
        *tamam = false;
        return varsayilan;
    }
    return v;
}

QString sayiYaz(qreal v)
{
    return QString::number(v, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

int kenarOku(const QString &s)
{
    const QString k = s.trimmed().toLower();
    if (k.isEmpty() || k == QLatin1String("yok"))
        return KenarYok;
    if (k == QLatin1String("tam"))
        return KenarTam;
    int sonuc = KenarYok;
    for (const QString &p : k.split(QRegularExpression(QStringLiteral("[ ,;]+")), Qt::SkipEmptyParts)) {
        if (p == QLatin1String("sol")) sonuc |= KenarSol;
        else if (p == QLatin1String("ust") || p == QStringLiteral("üst")) sonuc |= KenarUst;
        else if (p == QLatin1String("sag") || p == QStringLiteral("sağ")) sonuc |= KenarSag;
        else if (p == QLatin1String("alt")) sonuc |= KenarAlt;
    }
    return sonuc;
}

QString kenarYaz(int k)
{
    if (k == KenarTam)
        return QStringLiteral("tam");
    QStringList p;
    if (k & KenarSol) p << QStringLiteral("sol");
    if (k & KenarUst) p << QStringLiteral("ust");
    if (k & KenarSag) p << QStringLiteral("sag");
    if (k & KenarAlt) p << QStringLiteral("alt");
    return p.join(QLatin1Char(' '));
}

Qt::Alignment hizaOku(const QString &yatay, const QString &dikey)
{
    Qt::Alignment h = Qt::AlignLeft;
    const QString y = yatay.trimmed().toLower();
    if (y == QLatin1String("orta")) h = Qt::AlignHCenter;
    else if (y == QLatin1String("sag") || y == QStringLiteral("sağ")) h = Qt::AlignRight;
    else if (y == QLatin1String("iki")) h = Qt::AlignJustify;
    Qt::Alignment v = Qt::AlignVCenter;
    const QString d = dikey.trimmed().toLower();
    if (d == QLatin1String("ust") || d == QStringLiteral("üst")) v = Qt::AlignTop;
    else if (d == QLatin1String("alt")) v = Qt::AlignBottom;
    return h | v;
}

QColor renkOku(const QString &s, const QColor &varsayilan)
{
    if (s.trimmed().isEmpty())
        return varsayilan;
    QColor c = QColor::fromString(s.trimmed());
    return c.isValid() ? c : varsayilan;
}

} // namespace

QString BantTuruAdi(BantTuru tur)
{
    for (const auto &b : BANT_ADLARI)
        if (b.tur == tur)
            return QString::fromLatin1(b.ad);
    return {};
}

std::optional<BantTuru> BantTuruOku(const QString &ad)
{
    const QString k = ad.trimmed().toLower();
    for (const auto &b : BANT_ADLARI)
        if (k == QLatin1String(b.ad))
            return b.tur;
    return std::nullopt;
}

QString BantTuruBasligi(BantTuru tur)
{
    for (const auto &b : BANT_ADLARI)
        if (b.tur == tur)
            return QString::fromUtf8(b.baslik);
    return {};
}

QSizeF RaporSablonu::sayfaBoyutu() const
{
    const QSizeF dikey = kagit == Kagit::Letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297);
    return yatay ? dikey.transposed() : dikey;
}

RaporBandi *RaporSablonu::bant(BantTuru tur)
{
    for (auto &b : bantlar)
        if (b.tur == tur)
            return &b;
    return nullptr;
}

const RaporBandi *RaporSablonu::bant(BantTuru tur) const
{
    return const_cast<RaporSablonu *>(this)->bant(tur);
}

std::optional<RaporSablonu> RaporSablonu::oku(const QString &yol, QString *hata)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly)) {
        if (hata)
            *hata = QStringLiteral("Rapor şablonu açılamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString());
        return std::nullopt;
    }
    auto s = metindenOku(f.readAll(), QDir::toNativeSeparators(yol), hata);
    if (s)
        s->dosyaYolu = QFileInfo(yol).absoluteFilePath();
    return s;
}

namespace {

// An element's attributes by name.
struct Ozellikler
{
    QXmlStreamAttributes a;
    QString operator()(const char *n) const { return a.value(QLatin1String(n)).toString(); }
};

// <rapor>: paper, margins, the default font.
QString kokOku(const Ozellikler &at, RaporSablonu &s, bool *tamam)
{
    const QString kagit = at("kagit").trimmed().toLower();
    if (kagit == QLatin1String("letter"))
        s.kagit = RaporSablonu::Kagit::Letter;
    else if (!kagit.isEmpty() && kagit != QLatin1String("a4"))
        return QStringLiteral("bilinmeyen kağıt: ") + at("kagit");
    s.yatay = at("yon").trimmed().toLower() == QLatin1String("yatay");
    s.solBosluk = sayiOku(at("sol"), s.solBosluk, tamam);
    s.ustBosluk = sayiOku(at("ust"), s.ustBosluk, tamam);
    s.sagBosluk = sayiOku(at("sag"), s.sagBosluk, tamam);
    s.altBosluk = sayiOku(at("alt"), s.altBosluk, tamam);
    if (!at("yazitipi").isEmpty())
        s.yaziTipi = at("yazitipi");
    s.boyut = sayiOku(at("boyut"), s.boyut, tamam);
    s.ad = at("ad");
    return QString();
}

// <bant>: its kind and settings; a group band needs its column, once.
QString bantOku(const Ozellikler &at, const RaporSablonu &s, RaporBandi *b, bool *tamam)
{
    const auto tur = BantTuruOku(at("tur"));
    if (!tur)
        return QStringLiteral("bilinmeyen bant türü: \"%1\"").arg(at("tur"));
    b->tur = *tur;
    b->yukseklik = sayiOku(at("yukseklik"), b->yukseklik, tamam);
    b->esnek = evetMi(at("esnek"), false);
    b->otomatik = evetMi(at("otomatik"), false);
    b->kolon = at("kolon").trimmed();
    b->yeniSayfa = evetMi(at("yenisayfa"), false);
    b->tekrarla = evetMi(at("tekrarla"), false);
    b->ilkSayfada = evetMi(at("ilksayfada"), true);
    if ((b->tur == BantTuru::GrupBasligi || b->tur == BantTuru::GrupSonu) && b->kolon.isEmpty())
        return QStringLiteral("grup bandında kolon belirtilmemiş");
    return s.grupCakismasi(*b);
}

// <metin>, <cizgi>, <kutu>, <resim>: an object of a band (a text's content
// is read from r).
void nesneOku(QXmlStreamReader &r, const QString &el, const Ozellikler &at, RaporNesnesi *n, bool *tamam)
{
    n->tur = el == QLatin1String("metin") ? NesneTuru::Metin
           : el == QLatin1String("cizgi") ? NesneTuru::Cizgi
           : el == QLatin1String("kutu") ? NesneTuru::Kutu : NesneTuru::Resim;
    n->ad = at("ad");
    n->kalinlik = sayiOku(at("kalinlik"), n->kalinlik, tamam);
    n->renk = renkOku(at("renk"), n->renk);
    n->dolgu = renkOku(at("dolgu"), QColor());
    if (n->tur == NesneTuru::Cizgi) {
        n->cizgi = QLineF(sayiOku(at("x1"), 0, tamam), sayiOku(at("y1"), 0, tamam), sayiOku(at("x2"), 0, tamam),
                          sayiOku(at("y2"), 0, tamam));
        n->alan = QRectF(n->cizgi.p1(), n->cizgi.p2()).normalized();
    } else {
        n->alan = QRectF(sayiOku(at("x"), 0, tamam), sayiOku(at("y"), 0, tamam), sayiOku(at("genislik"), 30, tamam),
                         sayiOku(at("yukseklik"), 5, tamam));
    }
    if (n->tur == NesneTuru::Metin) {
        n->yaziTipi = at("yazitipi");
        n->boyut = sayiOku(at("boyut"), 0, tamam);
        n->kalin = evetMi(at("kalin"), false);
        n->italik = evetMi(at("italik"), false);
        n->altCizili = evetMi(at("altcizili"), false);
        n->hiza = hizaOku(at("hiza"), at("dikey"));
        n->kaydir = evetMi(at("kaydir"), false);
        n->kirp = evetMi(at("kirp"), true);
        n->kenar = kenarOku(at("cerceve"));
        n->uzar = evetMi(at("uzar"), false);
        n->metin = r.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    } else if (n->tur == NesneTuru::Resim) {
        n->dosya = at("dosya");
        n->oranKoru = at("oran").trimmed().toLower() != QLatin1String("serbest");
        n->kenar = kenarOku(at("cerceve"));
    }
}

bool nesneOgesiMi(const QString &el)
{
    return el == QLatin1String("metin") || el == QLatin1String("cizgi") || el == QLatin1String("kutu")
           || el == QLatin1String("resim");
}

} // namespace

std::optional<RaporSablonu> RaporSablonu::metindenOku(const QByteArray &xml, const QString &ad, QString *hata)
{
    QXmlStreamReader r(xml);
    RaporSablonu s;
    s.bantlar.clear();
    bool kokBulundu = false;
    QString sorun;
    qint64 sorunSatiri = r.lineNumber();
    RaporBandi *bant = nullptr;
    while (!r.atEnd() && sorun.isEmpty() && !r.hasError()) {
        r.readNext();
        if (r.isEndElement() && r.name() == QLatin1String("bant"))
            bant = nullptr;
        if (!r.isStartElement())
            continue;
        const Ozellikler at{r.attributes()};
        const QString el = r.name().toString();
        sorunSatiri = r.lineNumber();
        bool tamam = true;
        if (!kokBulundu) {
            kokBulundu = true;
            sorun = el != QLatin1String("rapor") ? QStringLiteral("kök öğe <rapor> olmalı") : kokOku(at, s, &tamam);
        } else if (el == QLatin1String("bant")) {
            RaporBandi b;
            sorun = bant ? QStringLiteral("<bant> içinde <bant> olamaz") : bantOku(at, s, &b, &tamam);
            if (sorun.isEmpty()) {
                s.bantlar.push_back(b);
                bant = &s.bantlar.back();
            }
        } else if (nesneOgesiMi(el)) {
            RaporNesnesi n;
            if (!bant)
                sorun = QStringLiteral("<%1> bir <bant> içinde olmalı").arg(el);
            else
                nesneOku(r, el, at, &n, &tamam);
            if (sorun.isEmpty() && tamam && !r.hasError())
                bant->nesneler.push_back(n);
        } else {
            sorun = QStringLiteral("bilinmeyen öğe: <%1>").arg(el);
        }
        if (sorun.isEmpty() && !tamam)
            sorun = QStringLiteral("sayı okunamadı");
    }
    if (r.hasError() && sorun.isEmpty()) {
        sorun = r.errorString();
        sorunSatiri = r.lineNumber();
    }
    if (sorun.isEmpty() && !kokBulundu) {
        sorun = QStringLiteral("kök öğe <rapor> bulunamadı");
        sorunSatiri = r.lineNumber();
    }
    if (!sorun.isEmpty()) {
        if (hata)
            *hata = QStringLiteral("Rapor şablonu okunamadı: %1, satır %2: %3").arg(ad).arg(sorunSatiri).arg(sorun);
        return std::nullopt;
    }
    return s;
}

QByteArray RaporSablonu::xml() const
{
    QByteArray cikti;
    QXmlStreamWriter w(&cikti);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("rapor"));
    if (!ad.isEmpty())
        w.writeAttribute(QStringLiteral("ad"), ad);
    w.writeAttribute(QStringLiteral("kagit"), kagit == Kagit::Letter ? QStringLiteral("Letter") : QStringLiteral("A4"));
    w.writeAttribute(QStringLiteral("yon"), yatay ? QStringLiteral("yatay") : QStringLiteral("dikey"));
    w.writeAttribute(QStringLiteral("sol"), sayiYaz(solBosluk));
    w.writeAttribute(QStringLiteral("ust"), sayiYaz(ustBosluk));
    w.writeAttribute(QStringLiteral("sag"), sayiYaz(sagBosluk));
    w.writeAttribute(QStringLiteral("alt"), sayiYaz(altBosluk));
    w.writeAttribute(QStringLiteral("yazitipi"), yaziTipi);
    w.writeAttribute(QStringLiteral("boyut"), sayiYaz(boyut));
    for (const RaporBandi &b : bantlar) {
        w.writeStartElement(QStringLiteral("bant"));
        w.writeAttribute(QStringLiteral("tur"), BantTuruAdi(b.tur));
        w.writeAttribute(QStringLiteral("yukseklik"), sayiYaz(b.yukseklik));
        if (!b.kolon.isEmpty())
            w.writeAttribute(QStringLiteral("kolon"), b.kolon);
        if (b.esnek)
            w.writeAttribute(QStringLiteral("esnek"), QStringLiteral("evet"));
        if (b.otomatik)
            w.writeAttribute(QStringLiteral("otomatik"), QStringLiteral("evet"));
        if (b.yeniSayfa)
            w.writeAttribute(QStringLiteral("yenisayfa"), QStringLiteral("evet"));
        if (b.tekrarla)
            w.writeAttribute(QStringLiteral("tekrarla"), QStringLiteral("evet"));
        if (!b.ilkSayfada)
            w.writeAttribute(QStringLiteral("ilksayfada"), QStringLiteral("hayir"));
        for (const RaporNesnesi &n : b.nesneler) {
            const char *el = n.tur == NesneTuru::Metin ? "metin" : n.tur == NesneTuru::Cizgi ? "cizgi"
                           : n.tur == NesneTuru::Kutu ? "kutu" : "resim";
            w.writeStartElement(QString::fromLatin1(el));
            if (!n.ad.isEmpty())
                w.writeAttribute(QStringLiteral("ad"), n.ad);
            if (n.tur == NesneTuru::Cizgi) {
                w.writeAttribute(QStringLiteral("x1"), sayiYaz(n.cizgi.x1()));
                w.writeAttribute(QStringLiteral("y1"), sayiYaz(n.cizgi.y1()));
                w.writeAttribute(QStringLiteral("x2"), sayiYaz(n.cizgi.x2()));
                w.writeAttribute(QStringLiteral("y2"), sayiYaz(n.cizgi.y2()));
            } else {
                w.writeAttribute(QStringLiteral("x"), sayiYaz(n.alan.x()));
                w.writeAttribute(QStringLiteral("y"), sayiYaz(n.alan.y()));
                w.writeAttribute(QStringLiteral("genislik"), sayiYaz(n.alan.width()));
                w.writeAttribute(QStringLiteral("yukseklik"), sayiYaz(n.alan.height()));
            }
            if (n.tur != NesneTuru::Metin && !qFuzzyCompare(n.kalinlik, 0.2))
                w.writeAttribute(QStringLiteral("kalinlik"), sayiYaz(n.kalinlik));
            if (n.renk != QColor(Qt::black))
                w.writeAttribute(QStringLiteral("renk"), n.renk.name());
            if (n.dolgu.isValid())
                w.writeAttribute(QStringLiteral("dolgu"), n.dolgu.name());
            if (n.tur == NesneTuru::Metin) {
                if (!n.yaziTipi.isEmpty())
                    w.writeAttribute(QStringLiteral("yazitipi"), n.yaziTipi);
                if (n.boyut > 0)
                    w.writeAttribute(QStringLiteral("boyut"), sayiYaz(n.boyut));
                if (n.kalin)
                    w.writeAttribute(QStringLiteral("kalin"), QStringLiteral("evet"));
                if (n.italik)
                    w.writeAttribute(QStringLiteral("italik"), QStringLiteral("evet"));
                if (n.altCizili)
                    w.writeAttribute(QStringLiteral("altcizili"), QStringLiteral("evet"));
                const Qt::Alignment h = n.hiza & Qt::AlignHorizontal_Mask;
                if (h != Qt::AlignLeft)
                    w.writeAttribute(QStringLiteral("hiza"), h == Qt::AlignHCenter ? QStringLiteral("orta")
                                     : h == Qt::AlignRight ? QStringLiteral("sag") : QStringLiteral("iki"));
                const Qt::Alignment v = n.hiza & Qt::AlignVertical_Mask;
                if (v != Qt::AlignVCenter)
                    w.writeAttribute(QStringLiteral("dikey"), v == Qt::AlignTop ? QStringLiteral("ust") : QStringLiteral("alt"));
                if (n.kaydir)
                    w.writeAttribute(QStringLiteral("kaydir"), QStringLiteral("evet"));
                if (!n.kirp)
                    w.writeAttribute(QStringLiteral("kirp"), QStringLiteral("hayir"));
                if (n.uzar)
                    w.writeAttribute(QStringLiteral("uzar"), QStringLiteral("evet"));
            }
            if (n.kenar != KenarYok)
                w.writeAttribute(QStringLiteral("cerceve"), kenarYaz(n.kenar));
            if (n.tur == NesneTuru::Resim) {
                w.writeAttribute(QStringLiteral("dosya"), n.dosya);
                if (!n.oranKoru)
                    w.writeAttribute(QStringLiteral("oran"), QStringLiteral("serbest"));
            }
            if (n.tur == NesneTuru::Metin)
                w.writeCharacters(n.metin);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return cikti;
}

QString RaporSablonu::grupCakismasi(const RaporBandi &bant, int haric) const
{
    if (bant.tur != BantTuru::GrupBasligi && bant.tur != BantTuru::GrupSonu)
        return {};
    // Group levels are told apart by their column: a second header (or
    // footer) on the same column would stand for a level of its own that has
    // no column left to break on.
    for (int i = 0; i < int(bantlar.size()); ++i) {
        const RaporBandi &b = bantlar[size_t(i)];
        if (i != haric && b.tur == bant.tur && b.kolon.trimmed().compare(bant.kolon.trimmed(), Qt::CaseInsensitive) == 0)
            return QStringLiteral("\"%1: %2\" bandı ikinci kez var; aynı kolonu gruplayan iki \"%1\" bandı olamaz.")
                .arg(BantTuruBasligi(bant.tur), bant.kolon.trimmed());
    }
    return {};
}

bool RaporSablonu::denetle(QString *hata) const
{
    for (int i = 0; i < int(bantlar.size()); ++i) {
        const QString c = grupCakismasi(bantlar[size_t(i)], i);
        if (!c.isEmpty()) {
            if (hata)
                *hata = c;
            return false;
        }
    }
    return true;
}

bool RaporSablonu::yaz(const QString &yol, QString *hata) const
{
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly) || f.write(xml()) < 0 || !f.commit()) {
        if (hata)
            *hata = QStringLiteral("Rapor şablonu yazılamadı: %1 (%2)").arg(QDir::toNativeSeparators(yol), f.errorString());
        return false;
    }
    return true;
}

QString KendiSablonKlasoru()
{
    const QString k = VeriKokuYolu(QStringLiteral("SABLONLAR"));
    QDir().mkpath(k);
    return k;
}

QStringList ProgramSablonAdaylari()
{
    const QString ortam = qEnvironmentVariable("VELMORIKA_SABLONLAR");
    if (!ortam.isEmpty())
        return {ortam};
    return Yerler::paylasilanAdaylar(QStringLiteral("sablonlar"));
}

QString ProgramSablonKlasoru()
{
    for (const QString &k : ProgramSablonAdaylari())
        if (QFileInfo(k).isDir())
            return QDir(k).absolutePath();
    return {};
}

QString ProgramSablonlariEksikMetni()
{
    return Yerler::eksikPaylasilanMetni(QStringLiteral("Programla gelen rapor şablonlarının klasörü"),
                                        ProgramSablonAdaylari());
}

QStringList RaporSablonKlasorleri()
{
    QStringList k{KendiSablonKlasoru()};
    const QString program = ProgramSablonKlasoru();
    if (!program.isEmpty())
        k << program;
    k << QDir::currentPath();
    k.removeDuplicates();
    return k;
}

QString RaporSablonuBul(const QString &adVeyaYol)
{
    const QString ad = adVeyaYol.trimmed();
    if (ad.isEmpty())
        return {};
    const QFileInfo fi(ad);
    if (fi.isAbsolute() || ad.contains(QLatin1Char('/')) || ad.contains(QLatin1Char('\\')))
        return fi.isFile() ? fi.absoluteFilePath() : QString();
    for (const QString &k : RaporSablonKlasorleri()) {
        const QFileInfo aday(QDir(k).filePath(ad));
        if (aday.isFile())
            return aday.absoluteFilePath();
    }
    // Templates are named in lower or mixed case by different screens.
    for (const QString &k : RaporSablonKlasorleri()) {
        const QStringList hepsi = QDir(k).entryList(QDir::Files);
        for (const QString &h : hepsi)
            if (h.compare(ad, Qt::CaseInsensitive) == 0)
                return QDir(k).absoluteFilePath(h);
    }
    return {};
}
