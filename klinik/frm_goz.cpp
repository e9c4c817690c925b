// "GÖZ HASTALIKLARI": the screen's setup in the record pattern, its show step
// and restrictions, the picks, saving with the posting and deleting with
// everything that belongs to the examination, the date filter, the order
// lines and the printouts. The tabs are built in frm_goz_sekmeler.cpp.
#include "klinik/frm_goz.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "app/resimgalerisi.h"
#include "app/yetki.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "klinik/cariisleme.h"
#include "klinik/muayenekutulari.h"
#include "klinik/muayenesatirlari.h"
#include "klinik/resimsekmesi.h"
#include "klinik/tetkiksatirlari.h"
#include "raporlar/motor/rapor.h"

#include <QAction>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

using CariIsleme::Kaynak;

namespace {

const QString Baslik = QStringLiteral("GÖZ HASTALIKLARI              V E L M O R I K A             ŞİRKET : ");
const QString SelectBas = QStringLiteral("select * from gozhastaliklari where 1=1 ");
const QString Siralama = QStringLiteral(" order by gozhastaliklari.KAYITNO ");

} // namespace


KayitEkraniAyari Tfrm_goz::ayarlar(Tfrm_goz *e)
{
    KayitEkraniAyari a;
    MuayeneKutulari::ortakAyarlar(a, e);
    a.ekranAdi = QStringLiteral("frm_goz");
    a.baslik = QStringLiteral("GÖZ HASTALIKLARI");
    a.tablo = QStringLiteral("GOZHASTALIKLARI");
    a.veriSetiAdi = QStringLiteral("qry_gozhastaliklari");
    a.siralama = Siralama;
    a.sonSatir = false; // the oldest examination is current at show
    a.yetkiKosullari = [e] { return e->yetkiKosulu(); };
    a.ekKosullar = [e] { return e->gosterKosullari(); };
    a.kilitsizKapali = {QStringLiteral("btn_yeni"), QStringLiteral("btn_sil"), QStringLiteral("btn_bul"),
                        QStringLiteral("Yeni1"),    QStringLiteral("Sil1"),    QStringLiteral("MuayeneAra1"),
                        QStringLiteral("BitBtn7")};
    a.silmeSorusu = QStringLiteral("Bu Muayene Kartını Silmek İstiyormusunuz ? Muayenenin tetkikleri, yapılan "
                                   "işlemleri ve cari hesaba işlenen ücret ve pay kayıtları da silinecek.");
    a.silindiMesaji = QStringLiteral(" Muayene Kartı Silindi ");
    a.aramaEkrani = QStringLiteral("frm_gozmuayenearama");
    a.evrakTuru = EvrakTuru::Goz;
    a.yeniSatirDegerleri = [e] {
        VeriSeti *vs = e->veriSeti();
        vs->degerAyarla(QStringLiteral("MUAYENETARIHI"), QDateTime(QDate::currentDate(), QTime(0, 0)));
        vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        const QString ucret = e->parametre(4).trimmed();
        vs->degerAyarla(QStringLiteral("UCRETI"),
                        ucret.isEmpty() || ucret == QLatin1String("0") ? 0.0 : double(ucret.toInt()));
        auto on = [vs](const char *kolon, const QString &deger) {
            if (!deger.isEmpty())
                vs->degerAyarla(QLatin1String(kolon), deger);
        };
        on("HASTAKODU", Aktarim.goz_hastakodu);
        on("HASTAADISOYADI", Aktarim.goz_hastaadi);
        on("DOKTORKODU", Aktarim.goz_doktorkodu);
        on("DOKTORADI", Aktarim.goz_doktoradi);
        // A preset doctor brings his share settings like a picked one, so
        // that his share is not silently 0.
        MuayeneKutulari::doktorPayiniAl(vs, Aktarim.goz_doktorkodu);
    };
    // The fee and the share are posted in the save's own transaction.
    a.islemdeSonra = [e](QString *mesaj) {
        return CariIsleme::cariyeisleme_islemde(Kaynak::Goz, e->veriSeti()->anahtar(), mesaj);
    };
    a.kaydedildi = [e] {
        VeriSeti *vs = e->veriSeti();
        if (vs->durum() == VeriSeti::Durum::Gozat && vs->anahtar() > 0)
            vs->satirYenile();
    };
    a.yenidenSonra = [e] { e->yeniSonrasi(); };
    a.silIslemi = [e] { return e->gozSil(); };
    a.kilitDegisti = [e](bool k) { e->kilitDegisti(k); };
    a.gosterildi = [e] {
        TetkikSatirlari::bosSatirlariSil();
        e->satirDegisti();
    };
    a.satirDegisti = [e] { e->satirDegisti(); };
    a.kapanirken = [e] {
        if (e->m_lab->duzenleniyorMu())
            e->m_lab->iptal();
        e->m_lab->kapat();
        e->m_hasta->kapat();
        Aktarim.goz_hastakodu.clear();
        Aktarim.goz_doktorkodu.clear();
        Aktarim.goz_hastaadi.clear();
        Aktarim.goz_doktoradi.clear();
        Aktarim.gozarama_muayenetarihi.clear();
    };
    return a;
}

Tfrm_goz::Tfrm_goz(QWidget *ust) : KayitEkrani(ayarlar(this), ust)
{
    m_lab = new VeriSeti(QStringLiteral("MUAYENE_LAB"), this);
    m_lab->setObjectName(QStringLiteral("QRY_MUAYENE_LAB"));
    m_lab->eklemedenOnce = [this] {
        VeriSeti *vs = veriSeti();
        if (vs->acikMi() && !vs->bosMu() && vs->durum() != VeriSeti::Durum::Ekle && vs->anahtar() > 0)
            return true;
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return false;
    };
    m_lab->yeniSatirDegerleri = [this] {
        TetkikSatirlari::yeniSatirDegerleri(*m_lab, *veriSeti(), Kaynak::Goz);
        for (const char *k : {"CINSIYETI", "CEPNO", "SIRANO", "LABORATUVARADI", "ACIKLAMA", "OZELKOD1", "DURUM"})
            m_lab->degerAyarla(QLatin1String(k), QVariant());
    };
    m_hasta = new VeriSeti(QStringLiteral("HASTALAR"), this);
    m_hasta->setObjectName(QStringLiteral("QRY_HASTALAR"));
    ResimKlasorleriniHazirla();
    resize(1150, 800);

    if (QPushButton *bul = dugme(QStringLiteral("btn_firmabul")))
        bul->setObjectName(QStringLiteral("btn_bul"));
    auto *fis = dugmeEkle(QStringLiteral("BitBtn7"), QStringLiteral("Muayene Fişi"), QStringLiteral("Muayene Fişi"));
    connect(fis, &QPushButton::clicked, this, &Tfrm_goz::muayeneFisi);
    // The date box and "Güncelle" on the toolbar.
    m_tarih = new QLineEdit;
    m_tarih->setObjectName(QStringLiteral("edt_tarih"));
    m_tarih->setPlaceholderText(QStringLiteral("GG.AA.YYYY"));
    m_tarih->setMaximumWidth(100);
    // Beside the card button, in the toolbar row that holds it.
    if (QPushButton *once = dugme(QStringLiteral("BitBtn7")))
        for (QBoxLayout *hl : once->parentWidget()->findChildren<QBoxLayout *>()) {
            const int i = hl->indexOf(once);
            if (i < 0)
                continue;
            auto *etiket = new QLabel(QStringLiteral("Tarih"));
            etiket->setBuddy(m_tarih);
            hl->insertWidget(i + 1, etiket);
            hl->insertWidget(i + 2, m_tarih);
            break;
        }
    connect(m_tarih, &QLineEdit::textChanged, this, &Tfrm_goz::tarihSuzgeci);
    auto *guncelleDugmesi = dugmeEkle(QStringLiteral("btn_guncelle"), QStringLiteral("Güncelle"),
                                      QStringLiteral("Listeyi Güncelle"));
    connect(guncelleDugmesi, &QPushButton::clicked, this, &Tfrm_goz::guncelle);

    if (QMenu *arama = menu(QStringLiteral("Arama1"))) {
        auto *h = arama->addAction(QStringLiteral("Hasta Ara"));
        h->setObjectName(QStringLiteral("HASTABul1"));
        connect(h, &QAction::triggered, this, &Tfrm_goz::hastaAra);
        auto *d = arama->addAction(QStringLiteral("Doktor Ara"));
        d->setObjectName(QStringLiteral("DoktorAra1"));
        connect(d, &QAction::triggered, this, &Tfrm_goz::doktorAra);
    }
    if (QMenu *r = menu(QStringLiteral("Raporlar1"))) {
        struct E { const char *ad, *metin; void (Tfrm_goz::*f)(); };
        const E eylemler[] = {{"GozRaporlari1", "Göz Raporları", nullptr},
                              {"MuayeneKarti1", "Muayene Kartı", &Tfrm_goz::muayeneFisi},
                              {"IlacRecetesi1", "İlaç Reçetesi", &Tfrm_goz::ilacRecetesi},
                              {"GozRecetesi1", "Göz Reçetesi", &Tfrm_goz::gozlukRecetesi},
                              {"IlacveGozRecetesi1", "İlaç ve Göz Reçetesi", &Tfrm_goz::ilacVeGozRecetesi},
                              {"HastaMuayeneSonucFormu1", "Hasta Muayene Sonuç Formu", &Tfrm_goz::hastaFormu}};
        for (const E &x : eylemler) {
            auto *a = r->addAction(QString::fromUtf8(x.metin));
            a->setObjectName(QLatin1String(x.ad));
            if (x.f)
                connect(a, &QAction::triggered, this, x.f);
            else
                connect(a, &QAction::triggered, this,
                        [this] { EkranAc(QStringLiteral("frm_gozmuayeneraporu"), this); });
        }
    }
    if (QMenu *i = menu(QStringLiteral("lem1"))) {
        auto *a = i->addAction(QStringLiteral("Ek 9 Listesi"));
        a->setObjectName(QStringLiteral("Ek9Listesi1"));
        connect(a, &QAction::triggered, this, [this] { EkranAc(QStringLiteral("frm_ek9"), this); });
    }
    auto *odemeMenu = menuCubugu()->addAction(QStringLiteral("ÖDEME"));
    odemeMenu->setObjectName(QStringLiteral("DEME1"));
    connect(odemeMenu, &QAction::triggered, this, &Tfrm_goz::odeme);

    m_sekmeler = new QTabWidget(ustAlan());
    m_sekmeler->setObjectName(QStringLiteral("PageControl1"));
    ustAlan()->layout()->addWidget(m_sekmeler);
    muayeneKur();
    recetelerKur();
    ameliyatKur();
    lensKur();
    glokomKur();
    sasilikKur();
    laboratuvarKur();
    resimlerKur();
    ekBilgilerKur();
    connect(m_sekmeler, &QTabWidget::currentChanged, this, [this](int) {
        QWidget *s = m_sekmeler->currentWidget();
        if (s && s->objectName() == QLatin1String("ts_laboratuvar"))
            tetkikleriYukle();
        satirDegisti();
    });

    QList<TabloKolonu> k = IzgaraKolonlari({{"HASTAADISOYADI", "HASTA ADI"}, {"MUAYENETARIHI", "M.TARIHI"},
                                           {"DOKTORADI", "DOKTOR ADI"}});
    model()->kolonlariAyarla(k);
    connect(izgara(), &QTableView::doubleClicked, this, [this] {
        if (yetkiler().OZELYETKI1 != QLatin1String("E") || yetkiler().OZELYETKI2 != QLatin1String("E"))
            return;
        if (!veriSeti()->acikMi() || veriSeti()->bosMu())
            return;
        Aktarim.hasta_hastakodu = veriSeti()->metin(QStringLiteral("HASTAKODU"));
        EkranAc(QStringLiteral("frm_hastalar"), this);
    });
}

// ---------------------------------------------------------------- show step

QString Tfrm_goz::yetkiKosulu() const
{
    return MuayeneKutulari::kendiMuayeneleriKosulu(this);
}

QString Tfrm_goz::gosterKosullari() const
{
    QString f;
    if (!Aktarim.goz_hastakodu.isEmpty())
        f += QStringLiteral(" and hastakodu =") + SqlQuote(Aktarim.goz_hastakodu);
    if (!Aktarim.goz_doktorkodu.isEmpty())
        f += QStringLiteral(" and DOKTORKODU =") + SqlQuote(Aktarim.goz_doktorkodu);
    return f;
}

void Tfrm_goz::listeyiYukle(const QString &kosul, bool sonSatir)
{
    VeriSeti *vs = veriSeti();
    vs->selectMetniAyarla(SelectBas + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu) + kosul);
    if (vs->ac()) {
        vs->kesinKayitSayisi();
        if (sonSatir)
            vs->son();
        else
            vs->ilk();
    }
}

void Tfrm_goz::tarihSuzgeci(const QString &metin)
{
    const QDate gun = QDate::fromString(metin.trimmed(), QStringLiteral("dd.MM.yyyy"));
    aramaTarihiniVer();
    if (!gun.isValid() || !kilitliMi())
        return;
    // That day's examinations for every doctor of the company.
    listeyiYukle(QStringLiteral(" and MUAYENETARIHI =") + SqlQuote(metin.trimmed()) + QStringLiteral(" "));
}

void Tfrm_goz::aramaTarihiniVer()
{
    // The examination lookup takes the date box's day as its condition (it
    // clears the value when it closes, so it is given again on every move).
    const QString t = m_tarih ? m_tarih->text().trimmed() : QString();
    Aktarim.gozarama_muayenetarihi = QDate::fromString(t, QStringLiteral("dd.MM.yyyy")).isValid() ? t : QString();
}

void Tfrm_goz::guncelle()
{
    if (!kilitliMi())
        return;
    listeyiYukle(yetkiKosulu() + gosterKosullari() + Siralama);
    izgara()->setFocus();
}

void Tfrm_goz::satirDegisti()
{
    aramaTarihiniVer();
    VeriSeti *vs = veriSeti();
    setWindowTitle(Baslik + Oturum.sirketkodu + QStringLiteral("         HASTA : ")
                   + vs->metin(QStringLiteral("HASTAADISOYADI")));
    const qint64 no = vs->acikMi() && !vs->bosMu() ? vs->anahtar() : 0;
    if (vs->acikMi() && kilitliMi() && no > 0 && m_lab->durum() != VeriSeti::Durum::Ekle)
        tetkikleriYukle();
    const QString kayit = no > 0 && vs->durum() != VeriSeti::Durum::Ekle ? QString::number(no) : QString();
    QWidget *s = m_sekmeler->currentWidget();
    if (s == static_cast<QWidget *>(m_galeri))
        m_galeri->kayitAyarla(kayit);
    if (s == static_cast<QWidget *>(m_resim) && m_resim->kayit() != kayit)
        m_resim->kayitAyarla(kayit);
}

void Tfrm_goz::kilitDegisti(bool kilitli)
{
    for (int i = 0; i < m_sekmeler->count(); ++i) {
        QWidget *s = m_sekmeler->widget(i);
        // A page that scrolls in itself locks its contents, not its scroll bar.
        if (auto *k = s->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly); k && k->widget())
            s = k->widget();
        s->setEnabled(!kilitli);
    }
    if (QWidget *kod = findChild<QWidget *>(QStringLiteral("edt_hastakodu")); kod && !kilitli)
        kod->setEnabled(false); // a patient is chosen with "Hasta Ara"
    if (kilitli && m_lab->duzenleniyorMu())
        m_lab->iptal();
    m_tarih->setEnabled(kilitli);
    if (kilitli)
        for (QAction *x : findChildren<QAction *>(QStringLiteral("Arama1")))
            x->setEnabled(true);
}

void Tfrm_goz::yeniSonrasi()
{
    m_sekmeler->setCurrentIndex(0);
    m_lab->kapat();
    if (Aktarim.goz_hastaadi.isEmpty()) {
        if (QWidget *kod = findChild<QWidget *>(QStringLiteral("edt_hastakodu")))
            kod->setEnabled(true);
        hastaAra();
        odakla(QStringLiteral("edt_hastakodu"));
    } else {
        odakla(QStringLiteral("mem_sikayet"));
    }
}

// ---------------------------------------------------------------- picks

bool Tfrm_goz::kilitUyarisi()
{
    if (kilitliMi())
        Mesaj::goster(ayar().kilitMesaji, this);
    return kilitliMi();
}

bool Tfrm_goz::duzenlemeyeAl()
{
    VeriSeti *vs = veriSeti();
    return vs->durum() == VeriSeti::Durum::Ekle || vs->duzenleniyorMu() || vs->duzenle();
}

void Tfrm_goz::hastaAra()
{
    if (kilitUyarisi())
        return;
    QString kod, ad, doktorKodu, doktorAdi;
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        kod = d.metin(QStringLiteral("HASTAKODU"));
        ad = d.metin(QStringLiteral("HASTAADISOYADI"));
        doktorKodu = d.metin(QStringLiteral("DOKTORKODU"));
        doktorAdi = d.metin(QStringLiteral("DOKTORADI"));
    }
    VeriSeti *vs = veriSeti();
    if (!duzenlemeyeAl())
        return;
    vs->degerAyarla(QStringLiteral("HASTAKODU"), kod);
    vs->degerAyarla(QStringLiteral("HASTAADISOYADI"), ad);
    vs->degerAyarla(QStringLiteral("DOKTORKODU"), doktorKodu);
    vs->degerAyarla(QStringLiteral("DOKTORADI"), doktorAdi);
    MuayeneKutulari::doktorPayiniAl(vs, doktorKodu);
}

void Tfrm_goz::doktorAra()
{
    if (kilitUyarisi())
        return;
    MuayeneKutulari::doktorSec(veriSeti(), this);
}

void Tfrm_goz::taniAra()
{
    if (kilitUyarisi())
        return;
    QString tani;
    {
        AramaPenceresi d(QStringLiteral("frm_taniarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        tani = d.metin(QStringLiteral("TANI"));
    }
    if (duzenlemeyeAl())
        veriSeti()->degerAyarla(QStringLiteral("TANI"), tani);
}

void Tfrm_goz::ameliyatAra(bool sag)
{
    if (kilitUyarisi())
        return;
    QVariant adi, kodu, ucreti;
    {
        AramaPenceresi d(QStringLiteral("frm_ek9arama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        adi = d.deger(QStringLiteral("ISLEMADI"));
        kodu = d.deger(QStringLiteral("PAKETKODU"));
        ucreti = d.deger(QStringLiteral("UCRETI"));
    }
    if (!duzenlemeyeAl())
        return;
    VeriSeti *vs = veriSeti();
    vs->degerAyarla(sag ? QStringLiteral("OPER_SAGAMLTIP") : QStringLiteral("OPER_SOLAMLTIP"), adi);
    vs->degerAyarla(sag ? QStringLiteral("AMELIYATKODU1") : QStringLiteral("AMELIYATKODU2"), kodu);
    vs->degerAyarla(sag ? QStringLiteral("AMELIYATTUTARI1") : QStringLiteral("AMELIYATTUTARI2"), ucreti);
}

// ---------------------------------------------------------------- delete

bool Tfrm_goz::gozSil()
{
    if (m_lab->duzenleniyorMu())
        m_lab->iptal();
    if (!MuayeneSatirlari::muayeneSil(*veriSeti(), Kaynak::Goz, this))
        return false;
    satirDegisti();
    return true;
}

// ---------------------------------------------------------------- order lines

void Tfrm_goz::tetkikleriYukle()
{
    if (m_lab->duzenleniyorMu())
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle) {
        m_lab->kapat();
        return;
    }
    m_lab->selectMetniAyarla(QStringLiteral("select * from MUAYENE_LAB where 1=1 ") + QStringLiteral(" and MUAYENENO =")
                             + SqlQuote(QString::number(vs->anahtar())) + QStringLiteral(" and sirketkodu =")
                             + SqlQuote(Oturum.sirketkodu) + QStringLiteral(" and HASTAKODU =")
                             + SqlQuote(vs->metin(QStringLiteral("HASTAKODU"))) + QStringLiteral(" and ISLEMTURU =")
                             + SqlQuote(CariIsleme::islemTuru(Kaynak::Goz))
                             + QStringLiteral(" order by MUAYENE_LAB.kayitno "));
    if (m_lab->ac())
        m_lab->kesinKayitSayisi();
}

bool Tfrm_goz::tetkikEkle()
{
    if (kilitliMi())
        return false;
    if (!m_lab->acikMi())
        tetkikleriYukle();
    QVariantMap tetkik;
    {
        AramaPenceresi d(QStringLiteral("frm_labarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return false;
        for (const QString &k : TetkikSatirlari::tetkikKolonlari(true))
            tetkik.insert(k, d.deger(k));
    }
    if (!m_lab->acikMi() || !m_lab->ekle())
        return false;
    TetkikSatirlari::tetkikKopyala(*m_lab, tetkik, true);
    return m_lab->kaydet();
}

void Tfrm_goz::tetkikSil()
{
    if (kilitliMi() || !m_lab->acikMi() || m_lab->bosMu())
        return;
    if (m_lab->duzenleniyorMu()) {
        m_lab->iptal();
        return;
    }
    if (Mesaj::soru(QStringLiteral("Bu Tetkiki Silmek İstiyormusunuz ? "), this))
        m_lab->sil();
}

// ---------------------------------------------------------------- printouts

void Tfrm_goz::laboratuvarFormu()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    if (m_lab->duzenleniyorMu() && !m_lab->kaydet())
        return;
    m_lab->selectMetniAyarla(MuayeneSatirlari::formSelecti(MuayeneSatirlari::ayar(CariIsleme::SatirTuru::Laboratuvar),
                                                           vs->metin(QStringLiteral("HASTAKODU")), vs->anahtar(),
                                                           Kaynak::Goz)
                             + QStringLiteral(" order by MUAYENE_lab.turu"));
    if (m_lab->ac())
        bas(QStringLiteral("laboratuvarformu.frf"), m_lab);
    tetkikleriYukle();
}

bool Tfrm_goz::kaydedilmemisDegisiklikVar()
{
    // Printing reloads the list, which would throw typed values away.
    if (!veriSeti()->duzenleniyorMu())
        return false;
    Mesaj::goster(QStringLiteral("Reçete basmadan önce muayeneyi kaydediniz veya değişiklikleri iptal ediniz."), this);
    return true;
}

void Tfrm_goz::bas(const QString &sablon, VeriSeti *kaynak)
{
    VeriSetiKaynagi k(*kaynak);
    Rapor r;
    r.baglan(&k);
    if (r.yukle(sablon, this)) {
        r.baslikAyarla(sablon);
        r.onizle(this);
    }
}

void Tfrm_goz::muayeneFisi()
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || kaydedilmemisDegisiklikVar())
        return;
    const qint64 no = vs->anahtar();
    const QString kod = vs->metin(QStringLiteral("HASTAKODU"));
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    listeyiYukle(QStringLiteral(" and hastakodu =") + SqlQuote(kod)
                 + QStringLiteral(" order by gozhastaliklari.muayenetarihi, gozhastaliklari.kayitno"));
    m_hasta->selectMetniAyarla(QStringLiteral("select * from hastalar where 1=1 ") + QStringLiteral(" and hastakodu =")
                               + SqlQuote(kod) + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                               + QStringLiteral(" order by hastalar.hastakodu"));
    if (m_hasta->ac() && vs->acikMi()) {
        std::unique_ptr<VeriKaynagi> hasta;
        if (m_hasta->bosMu())
            hasta = std::make_unique<SatirKaynagi>(
                QVariantMap{{QStringLiteral("HASTAKODU"), kod}, {QStringLiteral("HASTAADISOYADI"), ad}});
        else
            hasta = std::make_unique<VeriSetiKaynagi>(*m_hasta);
        auto muayeneler = std::make_shared<VeriSetiKaynagi>(*vs);
        Rapor r;
        r.baglan(hasta.get());
        r.altKaynakAyarla([muayeneler](int) { return muayeneler; });
        if (r.yukle(QStringLiteral("GOZMUAYENEKARTI.frf"), this)) {
            r.baslikAyarla(QStringLiteral("GOZMUAYENEKARTI.frf"));
            r.onizle(this);
        }
    }
    listeyiYukle(yetkiKosulu() + Siralama);
    vs->bul(no);
}

void Tfrm_goz::receteBas(const QString &sablon)
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || kaydedilmemisDegisiklikVar())
        return;
    const qint64 no = vs->anahtar();
    const QString kod = vs->metin(QStringLiteral("HASTAKODU"));
    listeyiYukle(QStringLiteral(" and hastakodu =") + SqlQuote(kod) + QStringLiteral(" and kayitno =")
                 + SqlQuote(QString::number(no)) + QStringLiteral(" "));
    if (vs->acikMi() && !vs->bosMu())
        bas(sablon, vs);
    listeyiYukle(yetkiKosulu() + Siralama);
}

void Tfrm_goz::ilacRecetesi() { receteBas(QStringLiteral("GOZILACRECETESI.frf")); }
void Tfrm_goz::gozlukRecetesi() { receteBas(QStringLiteral("GOZLUKRECETESI.frf")); }

// The two forms print the current examination and leave the list as it is.
void Tfrm_goz::tekMuayeneBas(const QString &sablon)
{
    if (!IslemIzni(yetkiler().RAPOR, this))
        return;
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || kaydedilmemisDegisiklikVar())
        return;
    VeriSeti tek(QStringLiteral("GOZHASTALIKLARI"));
    tek.selectMetniAyarla(SelectBas + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                          + QStringLiteral(" and kayitno =") + SqlQuote(QString::number(vs->anahtar())));
    if (tek.ac() && !tek.bosMu())
        bas(sablon, &tek);
}

void Tfrm_goz::ilacVeGozRecetesi() { tekMuayeneBas(QStringLiteral("ilacgozrectesi.frf")); }
void Tfrm_goz::hastaFormu() { tekMuayeneBas(QStringLiteral("gozhastaformu.frf")); }

// ---------------------------------------------------------------- payment, video

void Tfrm_goz::odeme()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu())
        return;
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI"));
    Aktarim.cari_kod = vs->metin(QStringLiteral("HASTAKODU"));
    Aktarim.cari_unvan = ad;
    Aktarim.cari_doktoradi = vs->metin(QStringLiteral("DOKTORADI"));
    EkranAc(QStringLiteral("frm_odeme"), this, false, QString(), [ad](QDialog *d) {
        if (auto *e = d->findChild<QLineEdit *>(QStringLiteral("Edit1")))
            e->setText(ad);
    });
}

void Tfrm_goz::seyret() { MuayeneVideosunuAc(ResimTuru::Goz, veriSeti()->anahtar(), m_video, this); }
