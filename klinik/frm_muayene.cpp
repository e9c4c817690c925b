// "MUAYENE": the screen's setup in the record pattern, its show step and
// restrictions, the patient, doctor and diagnosis picks, saving with the
// posting and deleting with everything that belongs to the examination. The
// tabs are built in frm_muayene_sekmeler.cpp, the order lines and the
// printed forms in frm_muayene_tetkik.cpp.
#include "klinik/frm_muayene.h"

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
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>

using CariIsleme::Kaynak;

namespace {

const QString Baslik = QStringLiteral("MUAYENE              V E L M O R I K A             ŞİRKET : ");

// "M.DURUMU" cells holding "E" (the examination took place) are painted red.
class DurumBoyayici : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        if (i.data(Qt::DisplayRole).toString() == QLatin1String("E")) {
            o->backgroundBrush = QBrush(Qt::red);
            o->palette.setColor(QPalette::Text, Qt::white);
            o->palette.setColor(QPalette::HighlightedText, Qt::white);
        }
    }
};

} // namespace


KayitEkraniAyari Tfrm_muayene::ayarlar(Tfrm_muayene *e)
{
    KayitEkraniAyari a;
    MuayeneKutulari::ortakAyarlar(a, e);
    a.ekranAdi = QStringLiteral("frm_muayene");
    a.baslik = QStringLiteral("MUAYENE");
    a.tablo = QStringLiteral("MUAYENE");
    a.veriSetiAdi = QStringLiteral("qry_muayene");
    a.siralama = QStringLiteral(" order by muayene.KAYITNO ");
    a.yetkiKosullari = [e] { return e->yetkiKosulu(); };
    a.ekKosullar = [e] { return e->gosterKosullari(); };
    a.kilitsizKapali = {QStringLiteral("btn_yeni"), QStringLiteral("btn_sil"), QStringLiteral("btn_bul"),
                        QStringLiteral("Yeni1"),    QStringLiteral("Sil1"),    QStringLiteral("MuayeneAra1"),
                        QStringLiteral("lem1"),     QStringLiteral("BitBtn7")};
    a.silmeSorusu = QStringLiteral("Bu Muayene Kaydını Silmek İstiyormusunuz ? Muayenenin tetkikleri, yapılan "
                                   "işlemleri ve cari hesaba işlenen ücret ve pay kayıtları da silinecek.");
    a.silindiMesaji = QStringLiteral(" Kayıt  Silindi ");
    a.aramaEkrani = QStringLiteral("frm_muayenearama");
    a.evrakTuru = EvrakTuru::Muayene;
    a.yeniSatirDegerleri = [e] {
        VeriSeti *vs = e->veriSeti();
        const QDate bugun = QDate::currentDate();
        vs->degerAyarla(QStringLiteral("MUAYENETARIHI"), QDateTime(bugun, QTime(0, 0)));
        vs->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        const QString ucret = e->parametre(4).trimmed();
        vs->degerAyarla(QStringLiteral("MUAYENEUCRETI"),
                        ucret.isEmpty() || ucret == QLatin1String("0") ? 0.0 : double(ucret.toInt()));
        const QString gun = e->parametre(3).trimmed();
        if (!gun.isEmpty() && gun != QLatin1String("0"))
            vs->degerAyarla(QStringLiteral("SONRAKIMUAYENETARIHI"), QDateTime(bugun.addDays(gun.toInt()), QTime(0, 0)));
        if (!e->parametre(5).isEmpty())
            vs->degerAyarla(QStringLiteral("ODEMESEKLI"), e->parametre(5));
    };
    // The fee and the share are posted in the save's own transaction.
    a.islemdeSonra = [e](QString *mesaj) {
        return CariIsleme::cariyeisleme_islemde(Kaynak::Genel, e->veriSeti()->anahtar(), mesaj);
    };
    a.kaydedildi = [e] { e->muayeneyiYenile(); };
    a.yenidenSonra = [e] { e->yeniSonrasi(); };
    a.silIslemi = [e] { return e->muayeneSil(); };
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
        Aktarim.muayene_hastakodu.clear();
        Aktarim.muayene_kayitno.clear();
        Aktarim.muayene_doktorkodu.clear();
    };
    return a;
}

Tfrm_muayene::Tfrm_muayene(QWidget *ust) : KayitEkrani(ayarlar(this), ust)
{
    m_lab = new VeriSeti(QStringLiteral("MUAYENE_LAB"), this);
    m_lab->setObjectName(QStringLiteral("QRY_MUAYENE_LAB"));
    m_lab->eklemedenOnce = [this] { return muayeneKaydedilmisMi(true); };
    m_lab->yeniSatirDegerleri = [this] { TetkikSatirlari::yeniSatirDegerleri(*m_lab, *veriSeti(), Kaynak::Genel); };
    m_lab->kaydetmedenOnce = [this] { return tetkikKaydetmedenOnce(); };
    MuayeneSatirlari::kayittaIsle(*m_lab, MuayeneSatirlari::ayar(CariIsleme::SatirTuru::Laboratuvar),
                                  [] { return Kaynak::Genel; }, [this] { return veriSeti()->anahtar(); });
    m_lab->kaydettiktenSonra = [this] { muayeneyiYenile(); };
    m_hasta = new VeriSeti(QStringLiteral("HASTALAR"), this);
    m_hasta->setObjectName(QStringLiteral("QRY_HASTALAR"));
    ResimKlasorleriniHazirla();
    resize(1100, 780);

    // Toolbar: the search button is "btn_bul" here, and the examination card.
    if (QPushButton *bul = dugme(QStringLiteral("btn_firmabul")))
        bul->setObjectName(QStringLiteral("btn_bul"));
    auto *fis = dugmeEkle(QStringLiteral("BitBtn7"), QStringLiteral("Muayene Fişi"), QStringLiteral("Muayene Fişi"));
    connect(fis, &QPushButton::clicked, this, &Tfrm_muayene::muayeneFisi);

    // Menus: the patient and doctor picks under " Aramalar  ", the payment.
    if (QMenu *arama = menu(QStringLiteral("Arama1"))) {
        auto *h = arama->addAction(QStringLiteral("Hasta Ara"));
        h->setObjectName(QStringLiteral("HASTABul1"));
        connect(h, &QAction::triggered, this, &Tfrm_muayene::hastaAra);
        auto *d = arama->addAction(QStringLiteral("Doktor Ara"));
        d->setObjectName(QStringLiteral("DoktorAra1"));
        connect(d, &QAction::triggered, this, &Tfrm_muayene::doktorAra);
    }
    // This screen has no calculator entry.
    for (QAction *x : findChildren<QAction *>(QStringLiteral("HesapMakinesi1"))) {
        x->setVisible(false);
        x->setEnabled(false);
    }
    auto *odemeMenu = menuCubugu()->addAction(QStringLiteral("ÖDEME"));
    odemeMenu->setObjectName(QStringLiteral("DEME1"));
    connect(odemeMenu, &QAction::triggered, this, &Tfrm_muayene::odeme);

    // Edit area: the tabs; "Hasta Bilgileri" holds the panel the lock switches.
    m_sekmeler = new QTabWidget(ustAlan());
    m_sekmeler->setObjectName(QStringLiteral("PageControl1"));
    ustAlan()->layout()->addWidget(m_sekmeler);
    hastaBilgileriKur();
    ekBilgiKur();
    laboratuvarKur();
    goruntulerKur();
    videoKur();
    ucretKur();
    connect(m_sekmeler, &QTabWidget::currentChanged, this, [this](int) {
        QWidget *s = m_sekmeler->currentWidget();
        if (s && s->objectName() == QLatin1String("TabSheet3"))
            tetkikleriYukle();
        satirDegisti();
    });

    // Record grid.
    QList<TabloKolonu> k = IzgaraKolonlari({{"KAYITNO", "K.NO"}, {"MUAYENEOLDUMU", "M.DURUMU"},
                                           {"HASTAKODU", "H. KODU"}, {"HASTAADISOYADI", "H.ADI SOYADI"},
                                           {"DOKTORKODU", "DR KODU"}, {"DOKTORADI", "DOKTOR ADI"},
                                           {"HASTACEPTEL", "H.CEPTEL"}, {"MUAYENETARIHI", "MU. TARIHI"},
                                           {"ANAMNMEZ", nullptr}, {"BULGULAR", nullptr}, {"RAPOR", nullptr},
                                           {"TEDAVI", nullptr}, {"ILACLAR", nullptr}, {"MYNTESHIS", "TANI"},
                                           {"NABIZ", nullptr}, {"ATES", nullptr}, {"TANSIYON", nullptr},
                                           {"LABORATUVARVARMI", "LAB VAR MI?"}, {"RADYOLOJIVARMI", "RAD. VAR MI?"},
                                           {"SIRANO", "SIRA NO"}, {"SONRAKIMUAYENETARIHI", "SONRAKI M.TARIHI"},
                                           {"MUAYENEUCRETI", "M.UCRETI"}, {"ODEMESEKLI", "ODEME SEKLI"}});
    model()->kolonlariAyarla(k);
    izgara()->setItemDelegateForColumn(1, new DurumBoyayici(izgara()));
    connect(izgara(), &QTableView::doubleClicked, this, [this] {
        // the patient's card, for those who may see it
        if (yetkiler().OZELYETKI1 != QLatin1String("E") || yetkiler().OZELYETKI2 != QLatin1String("E"))
            return;
        if (!veriSeti()->acikMi() || veriSeti()->bosMu())
            return;
        Aktarim.hasta_hastakodu = veriSeti()->metin(QStringLiteral("HASTAKODU"));
        EkranAc(QStringLiteral("frm_hastalar"), this);
    });

    // Several tests chosen in the test lookup become order lines here.
    LabAktarimHedefiKaydet(QStringLiteral("muayene"), [this](const QVariantMap &t) { return tetkikAktar(t); });
}

Tfrm_muayene::~Tfrm_muayene() { LabAktarimHedefiKaydet(QStringLiteral("muayene"), {}); }

// ---------------------------------------------------------------- show step

QString Tfrm_muayene::yetkiKosulu() const
{
    return MuayeneKutulari::kendiMuayeneleriKosulu(this);
}

QString Tfrm_muayene::gosterKosullari() const
{
    QString f;
    if (parametre(7) == QLatin1String("E") && yetkiler().OZELYETKI2 == QLatin1String("H"))
        f += QStringLiteral(" and MUAYENEOLDUMU=") + SqlQuote(QStringLiteral("H"));
    if (!Aktarim.muayene_hastakodu.isEmpty())
        f += QStringLiteral(" and hastakodu =") + SqlQuote(Aktarim.muayene_hastakodu);
    if (!Aktarim.muayene_kayitno.isEmpty())
        f += QStringLiteral(" and kayitno =") + SqlQuote(Aktarim.muayene_kayitno);
    if (!Aktarim.muayene_doktorkodu.isEmpty())
        f += QStringLiteral(" and DOKTORKODU =") + SqlQuote(Aktarim.muayene_doktorkodu);
    return f;
}

void Tfrm_muayene::listeyiYukle(const QString &kosul)
{
    VeriSeti *vs = veriSeti();
    vs->selectMetniAyarla(SelectBasi(QStringLiteral("MUAYENE")) + QStringLiteral(" and sirketkodu =")
                          + SqlQuote(Oturum.sirketkodu) + yetkiKosulu() + kosul);
    if (vs->ac())
        vs->ilk();
}

void Tfrm_muayene::baslikGuncelle()
{
    setWindowTitle(Baslik + Oturum.sirketkodu + QStringLiteral("         HASTA : ")
                   + veriSeti()->metin(QStringLiteral("HASTAADISOYADI")));
}

void Tfrm_muayene::satirDegisti()
{
    baslikGuncelle();
    VeriSeti *vs = veriSeti();
    const qint64 no = vs->acikMi() && !vs->bosMu() ? vs->anahtar() : 0;
    if (vs->acikMi() && kilitliMi() && no > 0 && m_lab->durum() != VeriSeti::Durum::Ekle)
        tetkikleriYukle();
    const QString kayit = no > 0 && vs->durum() != VeriSeti::Durum::Ekle ? QString::number(no) : QString();
    if (m_galeri && m_sekmeler->currentWidget() == static_cast<QWidget *>(m_galeri))
        m_galeri->kayitAyarla(kayit);
    if (m_resim && m_sekmeler->currentWidget() == static_cast<QWidget *>(m_resim) && m_resim->kayit() != kayit)
        m_resim->kayitAyarla(kayit);
}

void Tfrm_muayene::kilitDegisti(bool kilitli)
{
    for (const char *ad : {"TabSheet2", "TabSheet3", "TabSheet7"})
        if (QWidget *s = m_sekmeler->findChild<QWidget *>(QLatin1String(ad)))
            m_sekmeler->setTabEnabled(m_sekmeler->indexOf(s), !kilitli);
    if (!kilitli)
        m_kod->setEnabled(false); // a patient is chosen with "Hasta Ara"
    if (kilitli && m_lab->duzenleniyorMu())
        m_lab->iptal();
    if (kilitli) // New disabled the search menu; a saved or cancelled row gives it back
        for (QAction *x : findChildren<QAction *>(QStringLiteral("Arama1")))
            x->setEnabled(true);
}

void Tfrm_muayene::yeniSonrasi()
{
    m_sekmeler->setCurrentIndex(0);
    m_kod->setEnabled(true);
    for (const char *ad : {"btn_bul", "MuayeneAra1"})
        for (QObject *o : findChildren<QObject *>(QLatin1String(ad))) {
            if (auto *w = qobject_cast<QWidget *>(o))
                w->setEnabled(false);
            else if (auto *x = qobject_cast<QAction *>(o))
                x->setEnabled(false);
        }
    m_lab->kapat(); // a new examination has no lines yet
    hastaAra();
    m_kod->setFocus();
}

// ---------------------------------------------------------------- picks

void Tfrm_muayene::hastaAra()
{
    VeriSeti *vs = veriSeti();
    if (kilitliMi()) {
        Mesaj::goster(ayar().kilitMesaji, this);
        return;
    }
    QString kod, ad, doktorKodu, doktorAdi, cep;
    {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        kod = d.metin(QStringLiteral("HASTAKODU"));
        ad = d.metin(QStringLiteral("HASTAADISOYADI"));
        doktorKodu = d.metin(QStringLiteral("DOKTORKODU"));
        doktorAdi = d.metin(QStringLiteral("DOKTORADI"));
        cep = d.metin(QStringLiteral("CEPTEL"));
    }
    if (vs->durum() != VeriSeti::Durum::Ekle && !vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("HASTAKODU"), kod);
    vs->degerAyarla(QStringLiteral("HASTAADISOYADI"), ad);
    vs->degerAyarla(QStringLiteral("DOKTORKODU"), doktorKodu);
    vs->degerAyarla(QStringLiteral("DOKTORADI"), doktorAdi);
    vs->degerAyarla(QStringLiteral("HASTACEPTEL"), cep);
    // The share settings of the patient's own doctor.
    MuayeneKutulari::doktorPayiniAl(vs, doktorKodu);
}

void Tfrm_muayene::doktorAra()
{
    if (kilitliMi()) {
        Mesaj::goster(ayar().kilitMesaji, this);
        return;
    }
    MuayeneKutulari::doktorSec(veriSeti(), this);
}

void Tfrm_muayene::taniAra()
{
    VeriSeti *vs = veriSeti();
    if (kilitliMi()) {
        Mesaj::goster(ayar().kilitMesaji, this);
        return;
    }
    QString tani;
    {
        AramaPenceresi d(QStringLiteral("frm_taniarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        tani = d.metin(QStringLiteral("TANI"));
    }
    if (vs->durum() != VeriSeti::Durum::Ekle && !vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("MYNTESHIS"), tani);
}

// ---------------------------------------------------------------- save, delete

void Tfrm_muayene::muayeneyiYenile()
{
    // The totals the postings wrote; a row being edited keeps what is typed.
    VeriSeti *vs = veriSeti();
    if (vs->durum() == VeriSeti::Durum::Gozat && vs->anahtar() > 0)
        vs->satirYenile();
}

bool Tfrm_muayene::muayeneSil()
{
    if (m_lab->duzenleniyorMu())
        m_lab->iptal();
    if (!MuayeneSatirlari::muayeneSil(*veriSeti(), Kaynak::Genel, this))
        return false;
    satirDegisti();
    return true;
}

// ---------------------------------------------------------------- payment, video

void Tfrm_muayene::odeme()
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
