#include "raporlar/frm_carihareketrapor.h"

#include "app/aramapenceresi.h"
#include "app/ekstrehizmeti.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/raporhizmeti.h"
#include "db/bicim.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/rapor.h"
#include "raporlar/motor/tabloaktar.h"

#include <QCheckBox>
#include <cmath>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace CariHareketRapor;

namespace {
const QString IndexSecin = QStringLiteral("İndex Secin");

// The group lists are a few rows each (one per account or attribute); the
// movements themselves are a data set that reads what the grid shows.
// The money columns of the group lists, shown as amounts ("14.351.307,05").
bool paraKolonu(const QString &kolon)
{
    static const QStringList paralar = {QStringLiteral("BORC"), QStringLiteral("ALACAK"),
                                        QStringLiteral("TOPLAM_BORC"), QStringLiteral("TOPLAM_ALACAK"),
                                        QStringLiteral("BAKIYE")};
    return paralar.contains(kolon, Qt::CaseInsensitive);
}

void tabloDoldur(QTableWidget *t, const QStringList &kolonlar, const QVector<QVariantList> &satirlar)
{
    t->clear();
    // One line per movement, as in the other lists of the program.
    t->setWordWrap(false);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setColumnCount(int(kolonlar.size()));
    t->setHorizontalHeaderLabels(kolonlar);
    t->setRowCount(int(satirlar.size()));
    for (int r = 0; r < satirlar.size(); ++r)
        for (int k = 0; k < kolonlar.size(); ++k) {
            const QVariant v = satirlar[r].value(k);
            if (paraKolonu(kolonlar[k]) && !v.isNull()) {
                auto *h = new QTableWidgetItem(TutarMetni(KurusaYuvarla(v.toDouble())));
                h->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                t->setItem(r, k, h);
            } else {
                t->setItem(r, k, new QTableWidgetItem(RaporDegerMetni(v)));
            }
        }
    KolonlariGenislet(t, true);
}

QComboBox *kebSecimi(const char *ad)
{
    auto *c = new QComboBox;
    c->setObjectName(QLatin1String(ad));
    c->addItems({QStringLiteral("K"), QStringLiteral("E"), QStringLiteral("B")});
    c->setCurrentIndex(1);
    return c;
}
} // namespace

Tfrm_carihareketrapor::OncekiDegerler &Tfrm_carihareketrapor::onceki()
{
    static OncekiDegerler d;
    return d;
}

Tfrm_carihareketrapor::Tfrm_carihareketrapor(QWidget *ust) : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_carihareketrapor"));
    setWindowTitle(QStringLiteral("Carı Hareket Raporu"));
    auto *ana = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    ana->setMenuBar(menu);

    auto *panel = new QGridLayout;
    int satir = 0;
    auto ikili = [&](const QString &baslik, const char *a1, const char *a2) {
        panel->addWidget(new QLabel(baslik), satir, 0);
        panel->addWidget(kutu(a1), satir, 1);
        if (a2)
            panel->addWidget(kutu(a2), satir, 2);
        ++satir;
    };
    ikili(QStringLiteral("Evrak No"), "edt_evraknoilk", "edt_evraknoson");
    auto dugme = [&](const char *ad, const QString &ipucu) {
        auto *b = new QPushButton(QStringLiteral("..."));
        b->setObjectName(QLatin1String(ad));
        b->setToolTip(ipucu);
        // Enter in a filter box must not open a lookup.
        b->setAutoDefault(false);
        b->setDefault(false);
        panel->addWidget(b, satir - 1, 3);
        return b;
    };
    // There is no lookup of document numbers: shown, but not offered.
    dugme("btn_evraknoara", QStringLiteral("Evrak No Ara"))->setEnabled(false);
    ikili(QStringLiteral("Carı Kod"), "edt_carikodilk", "edt_carikodson");
    connect(dugme("btn_carikodara", QStringLiteral("Cari Kod Ara")), &QPushButton::clicked, this, [this] {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        const QString kod = d.metin(QStringLiteral("HASTAKODU"));
        findChild<QLineEdit *>(QStringLiteral("edt_carikodilk"))->setText(kod);
        findChild<QLineEdit *>(QStringLiteral("edt_carikodson"))->setText(kod);
    });
    ikili(QStringLiteral("Carı Ünvan"), "edt_cariunvan", nullptr);
    connect(dugme("btn_cariunvanara", QStringLiteral("Cari Ünvan Ara")), &QPushButton::clicked, this, [this] {
        AramaPenceresi d(QStringLiteral("frm_hastaarama"), this);
        if (d.calistir() == QLatin1String("-1"))
            return;
        // Patient movements carry the patient's name as their title.
        findChild<QLineEdit *>(QStringLiteral("edt_cariunvan"))->setText(d.metin(QStringLiteral("HASTAADISOYADI")));
    });
    panel->addWidget(new QLabel(QStringLiteral("İşlem Türü")), satir, 0);
    m_islemTuru = new QComboBox;
    m_islemTuru->setObjectName(QStringLiteral("cmb_islemturu"));
    m_islemTuru->addItems({QString(), QStringLiteral("Fatura"), QStringLiteral("NAKIT"), QStringLiteral("K.KARTI"),
                           QStringLiteral("CEK"), QStringLiteral("SENET"), QStringLiteral("HAVALE"),
                           QStringLiteral("UCRETSIZ"), QStringLiteral("DEVİR"), QStringLiteral("DR.HAKEDİŞ"),
                           QStringLiteral("B.DEKONTU"), QStringLiteral("A.DEKONTU")});
    panel->addWidget(m_islemTuru, satir++, 1);
    ikili(QStringLiteral("Acıklama"), "edt_aciklama", nullptr);
    m_icinde = new QCheckBox(QStringLiteral("İçindeki Kelime İle Ara"));
    m_icinde->setObjectName(QStringLiteral("chk_icinde"));
    panel->addWidget(m_icinde, satir - 1, 2);
    panel->addWidget(new QLabel(QStringLiteral("Para Birimi")), satir, 0);
    m_paraBirimi = new QComboBox;
    m_paraBirimi->setObjectName(QStringLiteral("cmb_parabirimi"));
    m_paraBirimi->addItems({QString(), QStringLiteral("YTL"), QStringLiteral("TL"), QStringLiteral("USD"),
                            QStringLiteral("EURO")});
    panel->addWidget(m_paraBirimi, satir++, 1);
    ikili(QStringLiteral("Vade Tarihi"), "edt_vadeilk", "edt_vadeson");
    ikili(QStringLiteral("Özel Kod 1"), "edt_ozelkod1", nullptr);
    ikili(QStringLiteral("Özel Kod 2"), "edt_ozelkod2", nullptr);
    ikili(QStringLiteral("Kaynak"), "edt_kaynak", nullptr);
    ikili(QStringLiteral("Kullanıcı"), "edt_kullanici", nullptr);
    ikili(QStringLiteral("Borc"), "edt_borc", nullptr);
    panel->addWidget(m_borcSecim = kebSecimi("cmb_borcsecim"), satir - 1, 2);
    ikili(QStringLiteral("Alacak"), "edt_alacak", nullptr);
    panel->addWidget(m_alacakSecim = kebSecimi("cmb_alacaksecim"), satir - 1, 2);
    ikili(QStringLiteral("İşlem Tarihi"), "edt_tarihilk", "edt_tarihson");
    ikili(QStringLiteral("Bakiye"), "edt_bakiyetutar", nullptr);
    panel->addWidget(m_bakiyeSecim = kebSecimi("cmb_bakiyesecim"), satir - 1, 2);
    m_sifirOlmayan = new QCheckBox(QStringLiteral("Bakiyesi Sıfır ( 0 ) olmayanları"));
    m_sifirOlmayan->setObjectName(QStringLiteral("chk_sifirolmayan"));
    panel->addWidget(m_sifirOlmayan, satir++, 1, 1, 2);
    m_oncekiBakiye = new QCheckBox(QStringLiteral("Ekstrede Önceki Bakiyeyi Göster"));
    m_oncekiBakiye->setObjectName(QStringLiteral("chk_oncekibakiye"));
    panel->addWidget(m_oncekiBakiye, satir++, 1, 1, 2);
    m_sira = new QComboBox;
    m_sira->setObjectName(QStringLiteral("cmb_sira"));
    m_sira->addItems({IndexSecin, QStringLiteral("Kayitno"), QStringLiteral("Carikod"), QStringLiteral("Cariunvan"),
                      QStringLiteral("Evrakno"), QStringLiteral("Islemtarihi"), QStringLiteral("Islemturu"),
                      QStringLiteral("Aciklama"), QStringLiteral("Borc"), QStringLiteral("Alacak"),
                      QStringLiteral("Vadetarihi"), QStringLiteral("Ozelkod1"), QStringLiteral("Ozelkod2"),
                      QStringLiteral("Kullanici"), QStringLiteral("Degistirmetarihi"), QStringLiteral("Evrakkayitno"),
                      QStringLiteral("Evrakcinsi"), QStringLiteral("Sirketkodu")});
    panel->addWidget(m_sira, satir, 1);
    m_sayi = new QLabel(QStringLiteral("Kayıt Sayısı :"));
    m_sayi->setObjectName(QStringLiteral("lbl_kayitsayisi"));
    panel->addWidget(m_sayi, satir++, 2);

    auto *ust2 = new QHBoxLayout;
    ust2->addLayout(panel);
    m_sayfalar = new QTabWidget;
    m_liste = new VeriSeti(QStringLiteral("CARI_HAREKET"), this);
    m_liste->setObjectName(QStringLiteral("liste"));
    auto *grid = new QTableView;
    grid->setObjectName(QStringLiteral("grd_liste"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    m_model = new TabloModeli(m_liste, this);
    m_model->kolonlariAyarla(IzgaraKolonlari({{"ISLEMTARIHI", "Islem tarihi"}, {"EVRAKNO", "Evrak no"},
                                             {"ISLEMTURU", "Islem turu"}, {"CARIKOD", "Cari kod"},
                                             {"CARIUNVAN", "Cari unvan"}, {"PARABIRIMI", nullptr}, {"BORC", nullptr},
                                             {"ALACAK", nullptr}, {"ACIKLAMA", nullptr},
                                             {"VADETARIHI", "Vade tarihi"}, {"OZELKOD1", "Ozel kod 1"},
                                             {"OZELKOD2", "Ozel kod 2"}, {"EVRAKCINSI", "Kaynak"},
                                             {"EVRAKKAYITNO", "Evrak Kayıt No"}, {"KULLANICI", "Kullanıcı"},
                                             {"DEGISTIRMETARIHI", "Değiştirme Tarihi"}, {"KAYITNO", "Kayit no"}}));
    m_model->gorunumeBagla(grid);
    m_grup = new QTableWidget;
    m_grup->setObjectName(QStringLiteral("grd_ozelrapor"));
    m_grup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sayfalar->addTab(grid, QStringLiteral("Genel "));
    m_sayfalar->addTab(m_grup, QStringLiteral("Özel Rapor"));
    ust2->addWidget(m_sayfalar, 1);
    ana->addLayout(ust2, 1);

    auto *alt = new QHBoxLayout;
    auto toplamKutusu = [&](const QString &baslik, const char *ad) {
        alt->addWidget(new QLabel(baslik));
        auto *e = kutu(ad);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        alt->addWidget(e);
        return e;
    };
    m_tborc = toplamKutusu(QStringLiteral("T.Borc"), "edt_tborc");
    m_talacak = toplamKutusu(QStringLiteral("T.Alacak"), "edt_talacak");
    m_bakiye = toplamKutusu(QStringLiteral("Bakiye"), "edt_bakiye");
    m_taraf = new QLabel(QStringLiteral("B/A"));
    m_taraf->setObjectName(QStringLiteral("lbl_taraf"));
    alt->addWidget(m_taraf);
    ana->addLayout(alt);

    menuleriKur(menu);
    QAction *kapat = menu->addAction(QStringLiteral("   Kapat"));
    kapat->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(kapat, &QAction::triggered, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [] { Aktarim.rapor_sablonu.clear(); });
    resize(1100, 650);
}

// The report, special-report, list and other menus of the menu bar.
void Tfrm_carihareketrapor::menuleriKur(QMenuBar *menu)
{
    QMenu *rapor = menu->addMenu(QStringLiteral("  Rapor "));
    rapor->addAction(QStringLiteral("Genel Rapor"), this, [this] {
        if (listele())
            ekstre(EkstreIstegi::Tur::Genis);
    });
    rapor->addAction(QStringLiteral("Stok Detaylı Cari Hareket Raporu"), this,
                     [this] { ekstre(EkstreIstegi::Tur::Detayli); });
    rapor->addAction(QStringLiteral("Sınırlı Ekstra"), this, [this] { ekstre(EkstreIstegi::Tur::Dar); });
    rapor->addAction(QStringLiteral("Cari Ekstra 1"), this,
                     [this] { ekstreSablonu(QStringLiteral("carihareket2.frf")); });
    rapor->addAction(QStringLiteral("Cari Ekstra 2"), this,
                     [this] { ekstreSablonu(QStringLiteral("carihareket3.frf")); });
    QAction *excel = rapor->addAction(QStringLiteral("Excele Aktar"), QKeySequence(QStringLiteral("Ctrl+E")), this, [this] {
        if (!m_liste->acikMi()) {
            Mesaj::goster(TabloAktar::ListeYokMesaji, this);
            return;
        }
        if (RaporHizmeti().disaAktar)
            RaporHizmeti().disaAktar(m_liste, this);
    });
    excel->setObjectName(QStringLiteral("ExceleAktar1"));
    // Nothing to export before a list is taken.
    excel->setEnabled(m_liste->acikMi());
    connect(m_liste, &VeriSeti::acildi, excel, [excel] { excel->setEnabled(true); });
    connect(m_liste, &VeriSeti::kapandi, excel, [excel] { excel->setEnabled(false); });
    rapor->addAction(QStringLiteral("Raporlama"), this, [this] {
        if (RaporHizmeti().sablonSec)
            RaporHizmeti().sablonSec(this, true);
    });
    rapor->addAction(QStringLiteral("Rapor"), QKeySequence(QStringLiteral("Ctrl+P")), this, [this] {
        if (!RaporHizmeti().sablonSec || !RaporHizmeti().sablonSec(this, false))
            return;
        VeriSetiKaynagi k(*m_liste);
        Rapor r;
        r.baglan(&k);
        if (!r.yukle(Aktarim.rapor_sablonu, this))
            return;
        r.baslikAyarla(Aktarim.rapor_sablonu);
        r.onizle(this);
    });
    QMenu *ozel = menu->addMenu(QStringLiteral("Özel Raporlar"));
    const QList<QPair<QString, Liste>> listeler = {
        {QStringLiteral("Borc Alacak Listesi"), Liste::BorcAlacak},
        {QStringLiteral("Özel Kod2 Göre Borc Alacak Raporu"), Liste::OzelKod2BorcAlacak},
        {QStringLiteral("İşlem Cinsine Göre Liste"), Liste::IslemCinsi},
        {QStringLiteral("İşlem Tarihine Göre Liste"), Liste::IslemTarihi},
        {QStringLiteral("İşlem Tarihi ve İşlem Cinsi Göre Rapor"), Liste::IslemTarihiVeCinsi},
        {QStringLiteral("Para Birimine Göre Liste"), Liste::ParaBirimi},
        {QStringLiteral("Özel Kod 1 Göre Listele"), Liste::OzelKod1},
        {QStringLiteral("Özel Kod 2 Göre Listele"), Liste::OzelKod2}};
    ozel->addAction(listeler[0].first, this, [this] { bakiyeListesi(Liste::BorcAlacak); });
    ozel->addAction(QStringLiteral("Bakiyeli Borc Alacak Raporu"), this, [this] { bakiyeliRapor(); });
    for (int i = 1; i < listeler.size(); ++i) {
        const Liste l = listeler[i].second;
        ozel->addAction(listeler[i].first, this, [this, l] { bakiyeListesi(l); });
    }
    ozel->addAction(QStringLiteral("Özel Raporu Excele Aktar"), this, [this] {
        if (m_grupSonuc.kolonlar.isEmpty()) {
            Mesaj::goster(QStringLiteral("Önce bir özel rapor alınmalı."), this);
            return;
        }
        TabloAktar::sonuctan(m_grupSonuc, QStringLiteral("OZEL_RAPOR"), this);
    });
    ozel->addAction(QStringLiteral("İndexe Göre Grup Raporu"), this, [this] { grupRaporu(); });
    QMenu *lm = menu->addMenu(QStringLiteral("   Listele "));
    lm->addAction(QStringLiteral("Listele "), QKeySequence(Qt::Key_F7), this, [this] { listele(); });
    QMenu *diger = menu->addMenu(QStringLiteral("Diğer"));
    diger->addAction(QStringLiteral("Kusuratları Düzelt"), this, [this] { kusuratlariDuzelt(); });
}

QLineEdit *Tfrm_carihareketrapor::kutu(const char *ad)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(QLatin1String(ad));
    return e;
}

bool Tfrm_carihareketrapor::listele()
{
    auto metin = [this](const char *ad) { return findChild<QLineEdit *>(QLatin1String(ad))->text().trimmed(); };
    QString f = QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    auto parca = [&f](const QString &deger, const QString &p) {
        if (!deger.isEmpty())
            f += p + SqlQuote(deger);
    };
    auto tarih = [&f](const QString &deger, const QString &kolon, bool son) {
        const QDate d = MetindenTarih(deger);
        if (!d.isValid())
            return;
        // The last day counts whole: rows carry a time of day.
        f += son ? QStringLiteral(" and %1 <").arg(kolon) + SqlTarih(d.addDays(1))
                 : QStringLiteral(" and %1 >=").arg(kolon) + SqlTarih(d);
    };
    parca(metin("edt_evraknoilk"), QStringLiteral(" and evrakno >="));
    parca(metin("edt_evraknoson"), QStringLiteral(" and evrakno <="));
    parca(metin("edt_carikodilk"), QStringLiteral(" and carikod >="));
    parca(metin("edt_carikodson"), QStringLiteral(" and carikod <="));
    parca(metin("edt_cariunvan"), QStringLiteral(" and cariunvan ="));
    parca(m_islemTuru->currentText(), QStringLiteral(" and islemturu ="));
    if (!metin("edt_aciklama").isEmpty()) {
        if (m_icinde->isChecked())
            f += QStringLiteral(" and aciklama like ") + SqlBenzer(metin("edt_aciklama"), Benzerlik::Icerir);
        else
            parca(metin("edt_aciklama"), QStringLiteral(" and aciklama ="));
    }
    parca(m_paraBirimi->currentText(), QStringLiteral(" and parabirimi ="));
    tarih(metin("edt_vadeilk"), QStringLiteral("vadetarihi"), false);
    tarih(metin("edt_vadeson"), QStringLiteral("vadetarihi"), true);
    parca(metin("edt_ozelkod1"), QStringLiteral(" and ozelkod1 ="));
    parca(metin("edt_ozelkod2"), QStringLiteral(" and ozelkod2 ="));
    parca(metin("edt_kaynak"), QStringLiteral(" and evrakcinsi ="));
    parca(metin("edt_kullanici"), QStringLiteral(" and kullanici ="));
    // Amounts compare as numbers: a typed "12,5" reaches the database as 12.5.
    std::optional<double> borc, alacak;
    if (!tutarKutusu("edt_borc", QStringLiteral("Borc"), &borc)
        || !tutarKutusu("edt_alacak", QStringLiteral("Alacak"), &alacak))
        return false;
    auto keb = [&](std::optional<double> deger, QComboBox *c, const QString &kolon) {
        if (!deger)
            return;
        const QString op = c->currentText() == QLatin1String("K") ? QStringLiteral(" <")
                           : c->currentText() == QLatin1String("B") ? QStringLiteral(" >")
                                                                    : QStringLiteral(" =");
        f += QStringLiteral(" and ") + kolon + op + SqlTutar(*deger);
    };
    keb(borc, m_borcSecim, QStringLiteral("borc"));
    keb(alacak, m_alacakSecim, QStringLiteral("alacak"));

    // Recomputed on every listing: 0 when there is no first date, never a
    // value left from an earlier listing. The grand totals carry it whenever
    // a first date is given; the tick only adds its line to the statement.
    OncekiDegerler &o = onceki();
    o = OncekiDegerler{};
    if (const QDate ilk = MetindenTarih(metin("edt_tarihilk")); ilk.isValid()) {
        const auto t = OncekiBakiye(f, ilk);
        if (!t)
            return false;
        o.once = *t;
        o.borcMetni = ToplamMetni(t->borc);
        o.alacakMetni = ToplamMetni(t->alacak);
        o.bakiyeMetni = TutarMetni(KurusaYuvarla(t->bakiye()));
    }
    tarih(metin("edt_tarihilk"), QStringLiteral("islemtarihi"), false);
    tarih(metin("edt_tarihson"), QStringLiteral("islemtarihi"), true);
    const QString sira = m_sira->currentText() == IndexSecin
                             ? QString()
                             : QStringLiteral("order by cari_hareket.") + m_sira->currentText();
    m_filtre = f;
    m_select = QStringLiteral("select * from cari_hareket where 1=1 ") + f + QStringLiteral("  ") + sira;
    m_liste->selectMetniAyarla(m_select);
    if (!m_liste->ac()) {
        m_sayi->setText(QStringLiteral("Kayıt Sayısı :0"));
        toplamlariGoster();
        return false;
    }
    // The grid reads the rows it shows; the count comes from the database.
    m_sayi->setText(QStringLiteral("Kayıt Sayısı :") + QString::number(m_liste->kesinKayitSayisi()));
    toplamlariGoster();
    return true;
}

int Tfrm_carihareketrapor::satirSayisi() const
{
    return m_liste->acikMi() ? m_liste->kesinKayitSayisi() : 0;
}

void Tfrm_carihareketrapor::toplamlariGoster()
{
    Toplam t;
    if (m_liste->acikMi() && !m_liste->bosMu()) {
        const auto s = Topla(m_filtre);
        if (s)
            t = *s;
    }
    OncekiDegerler &o = onceki();
    o.kumulatif.borc = KurusaYuvarla(o.once.borc + t.borc);
    o.kumulatif.alacak = KurusaYuvarla(o.once.alacak + t.alacak);
    m_tborc->setText(ToplamMetni(t.borc));
    m_talacak->setText(ToplamMetni(t.alacak));
    const double fark = KurusaYuvarla(t.bakiye());
    m_bakiye->setText(ToplamMetni(fark < 0 ? -fark : fark));
    m_taraf->setText(Taraf(fark));
    // Rows in several currencies: a total of each, never one sum of all.
    if (!m_liste->acikMi() || m_liste->bosMu())
        return;
    const auto pb = ParaBirimiToplamlari(m_filtre);
    if (!pb || pb->size() < 2)
        return;
    m_tborc->setText(ParaBirimleriMetni(*pb, [](const Toplam &x) { return x.borc; }));
    m_talacak->setText(ParaBirimleriMetni(*pb, [](const Toplam &x) { return x.alacak; }));
    m_bakiye->setText(ParaBirimleriMetni(*pb, [](const Toplam &x) { return std::abs(KurusaYuvarla(x.bakiye())); }));
    QStringList taraflar;
    for (const ParaToplami &p : *pb)
        taraflar << p.paraBirimi + QStringLiteral(": ") + Taraf(KurusaYuvarla(p.toplam.bakiye()));
    m_taraf->setText(taraflar.join(QStringLiteral("  ")));
}

bool Tfrm_carihareketrapor::tutarKutusu(const char *ad, const QString &baslik, std::optional<double> *tutar)
{
    const QString m = findChild<QLineEdit *>(QLatin1String(ad))->text().trimmed();
    tutar->reset();
    if (m.isEmpty())
        return true;
    double d = 0;
    if (!TutarOku(m, &d)) {
        Mesaj::hata(VeriSeti::gecersizDegerMesaji(baslik, KolonTuru::Ondalik, m), this);
        return false;
    }
    *tutar = d;
    return true;
}

void Tfrm_carihareketrapor::bakiyeListesi(Liste liste)
{
    std::optional<double> bakiye;
    if (!tutarKutusu("edt_bakiyetutar", QStringLiteral("Bakiye"), &bakiye) || !listele())
        return;
    const QString having = HavingMetni(bakiye, m_bakiyeSecim->currentText(), m_sifirOlmayan->isChecked());
    const auto s = Sorgu::sec(ListeSql(liste, m_filtre, having));
    if (!s)
        return;
    m_grupSonuc = *s;
    tabloDoldur(m_grup, s->kolonlar, s->satirlar);
    m_sayfalar->setCurrentWidget(m_grup);
    if (const auto n = ParaBirimiSayisi(m_filtre); n && *n > 1)
        Mesaj::goster(ParaBirimiUyarisi, this);
    TabloKaynagi k(s->kolonlar, s->satirlar);
    Rapor r;
    r.baglan(&k);
    const QString sablon = ListeSablonu(liste);
    if (!r.yukle(sablon, this))
        return;
    r.baslikAyarla(sablon);
    r.onizle(this);
}

void Tfrm_carihareketrapor::grupRaporu()
{
    if (m_sira->currentText() == IndexSecin) {
        Mesaj::goster(QStringLiteral("Öncelikle İndex Secmelisiniz"), this);
        return;
    }
    if (!listele())
        return;
    const QString kolon = m_sira->currentText(); // one of the fixed sort entries, never typed text
    const auto s = Sorgu::sec(QStringLiteral("select ") + kolon + QStringLiteral(
                                  " AS ACIKLAMA,count(*) ADET,SUM(BORC) BORC,SUM(ALACAK) ALACAK from CARI_HAREKET  where 1=1 ")
                              + m_filtre + QStringLiteral(" group by ") + kolon + QStringLiteral(" order by ") + kolon);
    if (!s)
        return;
    m_grupSonuc = *s;
    tabloDoldur(m_grup, s->kolonlar, s->satirlar);
    m_sayfalar->setCurrentWidget(m_grup);
    TabloKaynagi k(s->kolonlar, s->satirlar);
    Rapor r;
    r.baglan(&k);
    if (!r.yukle(QStringLiteral("carihareketgrupraporu1.frf"), this))
        return;
    r.baslikAyarla(QStringLiteral("carihareketgrupraporu1.frf"));
    r.onizle(this);
}

void Tfrm_carihareketrapor::ekstreSablonu(const QString &sablon)
{
    VeriSetiKaynagi k(*m_liste);
    Rapor r;
    r.baglan(&k);
    if (!r.yukle(sablon, this))
        return;
    if (r.notVarMi(QStringLiteral("Memo_baslik")) && r.notSatirlari(QStringLiteral("Memo_baslik")).isEmpty())
        r.notAyarla(QStringLiteral("Memo_baslik"), {QStringLiteral("Cari  Hesap Ekstresı")});
    r.notAyarla(QStringLiteral("Memo_taraf"), {m_taraf->text()});
    r.notAyarla(QStringLiteral("Memo_ozelkod1"), {QStringLiteral("Özel Kod 1")});
    r.notAyarla(QStringLiteral("Memo_ozelkod2"), {QStringLiteral("Özel Kod 2")});
    r.baslikAyarla(sablon);
    r.onizle(this);
}

bool Tfrm_carihareketrapor::ekstre(EkstreIstegi::Tur tur)
{
    if (m_select.isEmpty() && !listele())
        return false;
    EkstreIstegi i;
    i.tur = tur;
    i.select = m_select;
    if (tur == EkstreIstegi::Tur::Genis)
        i.baslik = QStringLiteral("CARI HAREKET RAPORU");
    const QString ilk = findChild<QLineEdit *>(QStringLiteral("edt_tarihilk"))->text().trimmed();
    // Without a first date nothing lies before the list: no opening line.
    if (tur == EkstreIstegi::Tur::Dar && m_oncekiBakiye->isChecked() && MetindenTarih(ilk).isValid()) {
        const OncekiDegerler &o = onceki();
        i.acilisSatiri = {QStringLiteral("0"), ilk, QStringLiteral("BAKIYE"),
                          ilk + QStringLiteral(" Tarihinden Önceki Bakiye Bilgileri "), TutarMetni(o.once.borc),
                          TutarMetni(o.once.alacak), TutarMetni(KurusaYuvarla(o.once.bakiye()))};
    }
    return EkstreHizmeti() && EkstreHizmeti()(i, this);
}

void Tfrm_carihareketrapor::bakiyeliRapor()
{
    const QString ilk = findChild<QLineEdit *>(QStringLiteral("edt_tarihilk"))->text().trimmed();
    if (!MetindenTarih(ilk).isValid()) {
        Mesaj::goster(QStringLiteral(
                          "Bu Raporu Almak İçin İşlem Tarihinin İlkine Başlangıc Tarihini Girmeniz Gerekmekte"),
                      this);
        return;
    }
    VeriSetiKaynagi k(*m_liste);
    Rapor r;
    r.baglan(&k);
    if (!r.yukle(QStringLiteral("carihareketbakiyeli.frf"), this))
        return;
    const OncekiDegerler &o = onceki();
    r.notSatirEkle(QStringLiteral("MBAKIYEBORC"), o.borcMetni);
    r.notSatirEkle(QStringLiteral("MBAKIYEALACAK"), o.alacakMetni);
    r.notSatirEkle(QStringLiteral("MBAKIYEBAKIYE"), o.bakiyeMetni);
    r.notSatirEkle(QStringLiteral("MISLEMTARIHI"), ilk);
    r.notSatirEkle(QStringLiteral("MTBORC"), TutarMetni(o.kumulatif.borc));
    r.notSatirEkle(QStringLiteral("MTALACAK"), TutarMetni(o.kumulatif.alacak));
    r.notSatirEkle(QStringLiteral("MTBAKIYE"), TutarMetni(KurusaYuvarla(o.kumulatif.bakiye())));
    r.baslikAyarla(QStringLiteral("carihareketbakiyeli.frf"));
    r.onizle(this);
}

void Tfrm_carihareketrapor::kusuratlariDuzelt()
{
    if (m_select.isEmpty())
        return;
    const auto n = KusuratlariDuzelt(m_select);
    if (!n)
        return;
    Mesaj::goster(QStringLiteral("%1 kayıttaki kuruş artıkları düzeltildi.").arg(*n), this);
    listele();
}
