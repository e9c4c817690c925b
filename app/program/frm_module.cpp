#include "app/program/frm_module.h"

#include "app/frm_eleman_ara.h"
#include "app/kullanicilar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/program/frm_sirket_ara.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const Bayraklar[] = {"FORMGIRISI", "KAYIT", "YENIKAYIT", "DEGISTIRME", "SILME", "RAPOR", "OZELYETKI1",
                                 "OZELYETKI2"};

// A cell edited through a fixed pick list; flag cells draw "E" green and "H" red.
class SecimTemsilcisi : public QStyledItemDelegate
{
public:
    SecimTemsilcisi(const QStringList &secenekler, bool renkli, QObject *ust)
        : QStyledItemDelegate(ust), m_secenekler(secenekler), m_renkli(renkli)
    {
    }
    QWidget *createEditor(QWidget *ust, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *c = new QComboBox(ust);
        c->setEditable(!m_renkli);
        c->addItems(m_secenekler);
        return c;
    }
    void setEditorData(QWidget *e, const QModelIndex &i) const override
    {
        static_cast<QComboBox *>(e)->setCurrentText(i.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget *e, QAbstractItemModel *m, const QModelIndex &i) const override
    {
        m->setData(i, static_cast<QComboBox *>(e)->currentText(), Qt::EditRole);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        if (!m_renkli)
            return;
        const QString d = i.data(Qt::DisplayRole).toString();
        if (d == QLatin1String("E"))
            o->palette.setColor(QPalette::Text, QColor(0, 128, 0));
        else if (d == QLatin1String("H"))
            o->palette.setColor(QPalette::Text, QColor(200, 0, 0));
        if (d == QLatin1String("E") || d == QLatin1String("H"))
            o->font.setBold(true);
    }

private:
    QStringList m_secenekler;
    bool m_renkli;
};

QLineEdit *kutu(QWidget *ust, const char *ad, bool saltOkunur = false)
{
    auto *k = new QLineEdit(ust);
    k->setObjectName(QLatin1String(ad));
    k->setReadOnly(saltOkunur);
    return k;
}

QPushButton *dugme(QWidget *ust, const char *ad, const QString &metin, const QString &ipucu = QString())
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(QLatin1String(ad));
    b->setToolTip(ipucu);
    b->setAutoDefault(false);
    return b;
}

} // namespace

const QStringList &Tfrm_module::modulAdlari()
{
    static const QStringList l = QString::fromUtf8(
        "moduller|kullanicilar|fatura|fatura rapor|fatura hareket raporu|cari|cari rapor|cari hareket|"
        "cari hareket rapor|stok|stok rapor|stok hareket raporu|stok hizli giris|siparis|siparis rapor|"
        "siparis hareket raporu|irsaliye|irsaliye rapor|irsaliye hareket raporu|vade|kurlar|cek|cek raporu|senet|"
        "senet raporu|kasa|kasa raporu|banka|bankalar|banka raporu|sirketler|veri kontrol|satis sarti|"
        "evrak takibi|mesaj|parametreler").split(QLatin1Char('|'));
    return l;
}

Tfrm_module::Tfrm_module(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_module"));
    setWindowTitle(QStringLiteral("Moduller"));
    setModal(true);
    // Wide enough for every column of the rights, "Özel Yetki 2" the last,
    // with whole headings; within a 1366 screen.
    resize(1160, 680);

    m_haklar = new VeriSeti(QStringLiteral("KULLANICILAR"), this);
    m_haklar->setObjectName(QStringLiteral("qry_kullanicilar"));
    m_moduller = new VeriSeti(QStringLiteral("MODULLER"), this);
    m_moduller->setObjectName(QStringLiteral("qry_moduller"));
    m_moduller->selectMetniAyarla(QStringLiteral("select * from MODULLER"));

    // --- menu
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto *islemler = menu->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("lem1"));
    auto *aktar = islemler->addAction(QStringLiteral("Modül Listesini Excele Aktar"));
    aktar->setObjectName(QStringLiteral("ModulListesiniExceleAktar1"));
    connect(aktar, &QAction::triggered, this, &Tfrm_module::modulListesiniAktar);
    auto *kapat = menu->addAction(QStringLiteral("Kapat"));
    kapat->setObjectName(QStringLiteral("Kapat1"));
    kapat->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    addAction(kapat);
    connect(kapat, &QAction::triggered, this, &QDialog::close);

    m_sayfalar = new QTabWidget(this);
    m_sayfalar->setObjectName(QStringLiteral("PageControl1"));

    // --- page "Hak Tanımları"
    auto *s1 = new QWidget;
    s1->setObjectName(QStringLiteral("TabSheet1"));
    auto *tanimla = new QGroupBox(QStringLiteral("KULLANICIYA HAK TANIMLA "), s1);
    tanimla->setObjectName(QStringLiteral("GroupBox1"));
    m_kullaniciAdi = kutu(tanimla, "edt_kullaniciadi", true);
    m_kullaniciKodu = kutu(tanimla, "edt_kullanicikodu", true);
    m_sirket = kutu(tanimla, "edt_sirketkodu");
    m_yetkili = new QRadioButton(QStringLiteral("Yetkili Kullanıcı"), tanimla);
    m_yetkili->setObjectName(QStringLiteral("rb_yetkili"));
    auto *yetkisiz = new QRadioButton(QStringLiteral("Yetkisiz Kullanıcı"), tanimla);
    yetkisiz->setObjectName(QStringLiteral("rb_yetkisiz"));
    yetkisiz->setChecked(true);
    auto *kullaniciAra = dugme(tanimla, "btn_kullaniciara", QStringLiteral("..."), QStringLiteral("İlgili Arama Yap"));
    auto *sirketAra = dugme(tanimla, "btn_sirketara", QStringLiteral("Şirket Kodu Ara "));
    auto *tanimlaD = dugme(tanimla, "btn_haktanimla", QStringLiteral("Şirkete Hak Tanımla"));
    auto *g1 = new QGridLayout(tanimla);
    g1->addWidget(new QLabel(QStringLiteral("1.Aşama"), tanimla), 0, 0);
    g1->addWidget(new QLabel(QStringLiteral("Kullanıcı"), tanimla), 0, 1);
    g1->addWidget(m_kullaniciAdi, 0, 2);
    g1->addWidget(m_kullaniciKodu, 0, 3);
    g1->addWidget(kullaniciAra, 0, 4);
    g1->addWidget(new QLabel(QStringLiteral("2.Aşama"), tanimla), 1, 0);
    g1->addWidget(new QLabel(QStringLiteral("Şirket Kodu"), tanimla), 1, 1);
    g1->addWidget(m_sirket, 1, 2);
    g1->addWidget(sirketAra, 1, 3);
    g1->addWidget(new QLabel(QStringLiteral("3.Aşama"), tanimla), 2, 0);
    g1->addWidget(yetkisiz, 2, 1);
    g1->addWidget(m_yetkili, 2, 2);
    g1->addWidget(tanimlaD, 2, 3);

    auto *liste = new QGroupBox(QStringLiteral("KULLANICI HAKLARINI LİSTELE"), s1);
    liste->setObjectName(QStringLiteral("GroupBox2"));
    m_listeKullaniciAdi = kutu(liste, "edt_listekullaniciadi", true);
    m_listeKullaniciKodu = kutu(liste, "edt_listekullanicikodu", true);
    m_listeSirket = kutu(liste, "edt_listesirketkodu");
    auto *listeKullaniciAra = dugme(liste, "btn_listekullaniciara", QStringLiteral("..."),
                                    QStringLiteral("İlgili Arama Yap"));
    auto *listeSirketAra = dugme(liste, "btn_listesirketara", QStringLiteral("Şirket Kodu Ara "));
    auto *listeleD = dugme(liste, "btn_listele", QStringLiteral("Listele"));
    auto *g2 = new QGridLayout(liste);
    g2->addWidget(new QLabel(QStringLiteral("4.Aşama"), liste), 0, 0);
    g2->addWidget(new QLabel(QStringLiteral("Kullanıcı"), liste), 0, 1);
    g2->addWidget(m_listeKullaniciAdi, 0, 2);
    g2->addWidget(m_listeKullaniciKodu, 0, 3);
    g2->addWidget(listeKullaniciAra, 0, 4);
    g2->addWidget(new QLabel(QStringLiteral("Şirket Kodu"), liste), 1, 1);
    g2->addWidget(m_listeSirket, 1, 2);
    g2->addWidget(listeSirketAra, 1, 3);
    g2->addWidget(listeleD, 1, 4);

    connect(kullaniciAra, &QPushButton::clicked, this, &Tfrm_module::kullaniciSec);
    connect(listeKullaniciAra, &QPushButton::clicked, this, &Tfrm_module::kullaniciSec);
    connect(sirketAra, &QPushButton::clicked, this, [this] { sirketSec(false); });
    connect(listeSirketAra, &QPushButton::clicked, this, [this] { sirketSec(true); });
    connect(tanimlaD, &QPushButton::clicked, this, &Tfrm_module::hakTanimla);
    connect(listeleD, &QPushButton::clicked, this, &Tfrm_module::listele);

    m_hakModeli = new TabloModeli(m_haklar, this);
    QList<TabloKolonu> hk{{QStringLiteral("K_ADI"), QStringLiteral("K.Adı"), 100},
                          {QStringLiteral("K_SOYADI"), QStringLiteral("Soyadı"), 100},
                          {QStringLiteral("SIRKETKODU"), QStringLiteral("Sirket kodu"), 70, GosterimBicimi::Otomatik, true},
                          {QStringLiteral("MODULADI"), QStringLiteral("Modul Adı"), 150, GosterimBicimi::Otomatik, true}};
    const char *const basliklar[] = {"Form Girisi", "Kayıt", "Yeni Kayit", "Degiştirme", "Silme", "Yazdır",
                                     "Özel Yetki 1", "Özel Yetki 2"};
    for (int i = 0; i < 8; ++i)
        hk.append({QLatin1String(Bayraklar[i]), QString::fromUtf8(basliklar[i]), 70, GosterimBicimi::Otomatik, true});
    m_hakModeli->kolonlariAyarla(hk);
    auto *hakIzgara = new QTableView(s1);
    hakIzgara->setObjectName(QStringLiteral("DBGrid1"));
    hakIzgara->verticalHeader()->setVisible(false);
    m_hakModeli->gorunumeBagla(hakIzgara);
    auto *bayrakTemsilcisi = new SecimTemsilcisi({QStringLiteral("E"), QStringLiteral("H")}, true, hakIzgara);
    for (int i = 4; i < hk.size(); ++i)
        hakIzgara->setItemDelegateForColumn(i, bayrakTemsilcisi);
    hakIzgara->setItemDelegateForColumn(3, new SecimTemsilcisi(modulAdlari(), false, hakIzgara));

    auto sayfaDugmeleri = [this](QWidget *sayfa, int no) {
        auto *l = new QHBoxLayout;
        const QString n = QString::number(no);
        auto *y = dugme(sayfa, qPrintable(QStringLiteral("btn_yeni") + n), QStringLiteral("Yeni"));
        auto *k = dugme(sayfa, qPrintable(QStringLiteral("btn_kaydet") + n), QStringLiteral("Kaydet"));
        auto *s = dugme(sayfa, qPrintable(QStringLiteral("btn_sil") + n), QStringLiteral("Sil"));
        auto *i = dugme(sayfa, qPrintable(QStringLiteral("btn_iptal") + n), QStringLiteral("İptal"));
        connect(y, &QPushButton::clicked, this, [this, no] { yeni(no); });
        connect(k, &QPushButton::clicked, this, [this, no] { kaydet(no); });
        connect(s, &QPushButton::clicked, this, [this, no] { sil(no); });
        connect(i, &QPushButton::clicked, this, [this, no] { iptal(no); });
        for (QPushButton *b : {y, k, s, i})
            l->addWidget(b);
        l->addStretch();
        return l;
    };
    auto *l1 = new QVBoxLayout(s1);
    auto *kutular = new QHBoxLayout;
    kutular->addWidget(tanimla);
    kutular->addWidget(liste);
    l1->addLayout(kutular);
    l1->addLayout(sayfaDugmeleri(s1, 1));
    l1->addWidget(hakIzgara, 1);
    m_sayfalar->addTab(s1, QStringLiteral("Hak Tanımları"));

    // --- page "Moduller"
    auto *s2 = new QWidget;
    s2->setObjectName(QStringLiteral("TabSheet2"));
    m_modulModeli = new TabloModeli(m_moduller, this);
    m_modulModeli->kolonlariAyarla(
        {{QStringLiteral("MODULNO"), QStringLiteral("Modul No"), 70, GosterimBicimi::Otomatik, true},
         {QStringLiteral("FORMADI"), QStringLiteral("Form Adı"), 160, GosterimBicimi::Otomatik, true},
         {QStringLiteral("MODULADI"), QStringLiteral("Modul Adı"), 180, GosterimBicimi::Otomatik, true},
         {QStringLiteral("MENUSU"), QStringLiteral("MENUSU"), 140, GosterimBicimi::Otomatik, true},
         {QStringLiteral("ACIKLAMA"), QStringLiteral("ACIKLAMA"), 260, GosterimBicimi::Otomatik, true}});
    auto *modulIzgara = new QTableView(s2);
    modulIzgara->setObjectName(QStringLiteral("DBGrid2"));
    modulIzgara->verticalHeader()->setVisible(false);
    m_modulModeli->gorunumeBagla(modulIzgara);
    auto *l2 = new QVBoxLayout(s2);
    l2->addLayout(sayfaDugmeleri(s2, 2));
    l2->addWidget(modulIzgara, 1);
    m_sayfalar->addTab(s2, QStringLiteral("Moduller"));

    auto *ana = new QVBoxLayout(this);
    ana->setMenuBar(menu);
    ana->addWidget(m_sayfalar);

    // The data sets' own operations pass the rights tests too (a grid
    // enters edit state and posts on its own).
    for (VeriSeti *v : {m_haklar, m_moduller}) {
        v->eklemedenOnce = [this] { return IslemIzni(m_yetki.YENIKAYIT, this); };
        v->kaydetmedenOnce = [this] { return IslemIzni(m_yetki.KAYIT, this); };
        v->silmedenOnce = [this] { return IslemIzni(m_yetki.SILME, this); };
    }
    m_haklar->duzenlemedenOnce = [this] { return IslemIzni(m_yetki.KAYIT, this); };
    m_moduller->duzenlemedenOnce = [this] {
        return Yetkiler::izin(m_yetki.DEGISTIRME) || IslemIzni(m_yetki.KAYIT, this);
    };
    m_haklar->yeniSatirDegerleri = [this] {
        const QString kod = m_kullaniciKodu->text().trimmed();
        m_haklar->degerAyarla(QStringLiteral("KULLANICI_KODU"), kod.isEmpty() ? QVariant() : QVariant(kod));
        m_haklar->degerAyarla(QStringLiteral("SIRKETKODU"), Oturum.sirketkodu);
        for (const char *b : Bayraklar)
            m_haklar->degerAyarla(QLatin1String(b), QStringLiteral("H"));
    };
}

QString Tfrm_module::hakSelect(const QString &kosul) const
{
    // The user's names come from ELEMANLAR; rows of other companies than the
    // login company are never shown, whatever is listed.
    return QStringLiteral(
               "select kullanicilar.*, "
               "(select first 1 e.kullanici_adi from elemanlar e where e.kullanici_kodu = kullanicilar.kullanici_kodu "
               "order by e.kayit_no) as K_ADI, "
               "(select first 1 e.kullanici_soyadi from elemanlar e where e.kullanici_kodu = "
               "kullanicilar.kullanici_kodu order by e.kayit_no) as K_SOYADI "
               "from kullanicilar where 1=1 ")
           + kosul + QStringLiteral(" and kullanicilar.sirketkodu =") + SqlQuote(Oturum.sirketkodu)
           + QStringLiteral(" order by kullanicilar.kayitno");
}

void Tfrm_module::showEvent(QShowEvent *e)
{
    if (!m_gosterildi) {
        m_gosterildi = true;
        m_yetki = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("MODULLER"), Oturum.sirketkodu);
        m_moduller->ac();
        m_haklar->selectMetniAyarla(hakSelect(QStringLiteral("and kullanici_kodu =") + SqlQuote(Oturum.kullanici_kodu)
                                              + QStringLiteral(" and sirketkodu=") + SqlQuote(Oturum.sirketkodu)));
        m_haklar->ac();
    }
    QDialog::showEvent(e);
}

void Tfrm_module::kullaniciSec()
{
    for (QLineEdit *k : {m_kullaniciAdi, m_kullaniciKodu, m_listeKullaniciAdi, m_listeKullaniciKodu})
        k->clear();
    Tfrm_eleman_ara d(this);
    if (d.calistir() == QLatin1String("-1"))
        return;
    const QString ad = d.metin(QStringLiteral("KULLANICI_ADI")) + QStringLiteral(" ")
                       + d.metin(QStringLiteral("KULLANICI_SOYADI"));
    m_kullaniciAdi->setText(ad);
    m_listeKullaniciAdi->setText(ad);
    m_kullaniciKodu->setText(d.sonuc());
    m_listeKullaniciKodu->setText(d.sonuc());
}

void Tfrm_module::sirketSec(bool liste)
{
    // The company list sets the login context's company when a row is
    // chosen; here it only picks a code, so the context is put back.
    const OturumKaydi oturum = Oturum;
    Tfrm_sirket_ara d(this);
    const bool secildi = d.exec() == QDialog::Accepted;
    const QString kod = Oturum.sirketkodu;
    Oturum = oturum;
    if (secildi)
        (liste ? m_listeSirket : m_sirket)->setText(kod);
}

void Tfrm_module::hakTanimla()
{
    if (m_kullaniciKodu->text().trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz"), this);
        m_kullaniciKodu->setFocus();
        return;
    }
    if (m_sirket->text().trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"), this);
        m_sirket->setFocus();
        return;
    }
    if (!IslemIzni(m_yetki.KAYIT, this))
        return;
    if (m_haklar->duzenleniyorMu())
        m_haklar->iptal();
    bool ok = false;
    const double kod = m_kullaniciKodu->text().trimmed().toDouble(&ok);
    if (!ok)
        return;
    if (Kullanicilar::haklariOlustur(kod, m_sirket->text(), m_yetkili->isChecked()) < 0)
        return;
    m_haklar->yenile();
    Mesaj::goster(QStringLiteral("İşlem Tamamlandı"), this);
}

void Tfrm_module::listele()
{
    if (m_listeKullaniciKodu->text().trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz"), this);
        m_listeKullaniciKodu->setFocus();
        return;
    }
    if (m_listeSirket->text().trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"), this);
        m_listeSirket->setFocus();
        return;
    }
    if (m_haklar->duzenleniyorMu())
        m_haklar->iptal();
    m_haklar->selectMetniAyarla(hakSelect(QStringLiteral(" and kullanici_kodu=") + SqlQuote(m_listeKullaniciKodu->text())
                                          + QStringLiteral(" and sirketkodu =") + SqlQuote(m_listeSirket->text())
                                          + QStringLiteral(" ")));
    m_haklar->ac();
}

void Tfrm_module::yeni(int sayfa)
{
    if (!IslemIzni(m_yetki.YENIKAYIT, this))
        return;
    VeriSeti *v = sayfa == 1 ? m_haklar : m_moduller;
    if (!v->acikMi())
        v->ac();
    v->ekle();
}

bool Tfrm_module::kaydet(int sayfa)
{
    if (!IslemIzni(m_yetki.KAYIT, this))
        return false;
    VeriSeti *v = sayfa == 1 ? m_haklar : m_moduller;
    if (!v->kaydet())
        return false;
    if (sayfa == 1)
        v->yenile();
    return true;
}

void Tfrm_module::sil(int sayfa)
{
    if (!IslemIzni(m_yetki.SILME, this))
        return;
    VeriSeti *v = sayfa == 1 ? m_haklar : m_moduller;
    if (v->bosMu())
        return;
    if (!Mesaj::soru(QStringLiteral("Silmek istiyormusunuz ?"), this))
        return;
    v->sil();
}

void Tfrm_module::iptal(int sayfa) { (sayfa == 1 ? m_haklar : m_moduller)->iptal(); }

void Tfrm_module::modulListesiniAktar()
{
    if (m_moduller->duzenleniyorMu() && !m_moduller->kaydet())
        return;
    TabloAktar::verisetinden(*m_moduller, *m_modulModeli, {}, this);
}

void Tfrm_module::done(int r)
{
    m_haklar->iptal();
    m_moduller->iptal();
    QDialog::done(r);
}
