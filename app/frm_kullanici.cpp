#include "app/frm_kullanici.h"

#include "app/kullanicilar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/baglayici.h"
#include "db/sorgu.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

Tfrm_kullanici::Tfrm_kullanici(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_kullanici"));
    setWindowTitle(QStringLiteral("Kullanici Tanımları "));
    setModal(true);
    resize(820, 620);

    m_vs = new VeriSeti(QStringLiteral("ELEMANLAR"), this);
    m_vs->setObjectName(QStringLiteral("qry_elemanlar"));
    m_vs->selectMetniAyarla(QStringLiteral("select * from ELEMANLAR"));
    m_model = new TabloModeli(m_vs, this);
    // No password column: neither a clear password nor its hash is listed.
    m_model->kolonlariAyarla({{QStringLiteral("KULLANICI_KODU"), QStringLiteral("Kullanıcı Kodu"), 110},
                              {QStringLiteral("KULLANICI_ADI"), QStringLiteral("Kullanıcı Adı"), 120},
                              {QStringLiteral("KULLANICI_SOYADI"), QStringLiteral("Kullanıcı Soyadı"), 120},
                              {QStringLiteral("DEPERTMAN"), QStringLiteral("Departman"), 110},
                              {QStringLiteral("GOREVI"), QStringLiteral("Görevi"), 100},
                              {QStringLiteral("UNVANI"), QStringLiteral("Ünvanı"), 100},
                              {QStringLiteral("USERNAME"), QStringLiteral("User Name"), 90}});
    m_baglayici = new Baglayici(m_vs, this);

    m_izgara = new QTableView(this);
    m_izgara->setObjectName(QStringLiteral("DBGrid1"));
    m_izgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_izgara->verticalHeader()->setVisible(false);
    m_model->gorunumeBagla(m_izgara);

    auto kutu = [this](const char *ad) {
        auto *k = new QLineEdit(this);
        k->setObjectName(QLatin1String(ad));
        return k;
    };
    m_sifre = kutu("edt_sifre");
    m_sifre->setEchoMode(QLineEdit::Password);
    m_sifre->setMaxLength(7);
    // Kept as typed: the login compares passwords case-sensitively.
    auto *ad = kutu("edt_kullanici_adi");
    auto *soyad = kutu("edt_kullanici_soyadi");
    m_kod = kutu("edt_kullanici_kodu");
    auto *depertman = kutu("edt_depertman");
    auto *gorevi = kutu("edt_gorevi");
    auto *unvani = kutu("edt_unvani");
    auto *username = kutu("edt_username");
    m_baglayici->bagla(ad, QStringLiteral("KULLANICI_ADI"), true);
    m_baglayici->bagla(soyad, QStringLiteral("KULLANICI_SOYADI"), true);
    m_baglayici->sayiBagla(m_kod, QStringLiteral("KULLANICI_KODU"));
    m_baglayici->bagla(depertman, QStringLiteral("DEPERTMAN"));
    m_baglayici->bagla(gorevi, QStringLiteral("GOREVI"));
    m_baglayici->bagla(unvani, QStringLiteral("UNVANI"));
    m_baglayici->bagla(username, QStringLiteral("USERNAME"));
    // A new password typed for a user shown is a change of that user.
    connect(m_sifre, &QLineEdit::textEdited, this, [this] {
        if (m_vs->durum() == VeriSeti::Durum::Gozat && !m_vs->bosMu() && !m_vs->duzenle())
            m_sifre->clear();
    });
    connect(m_vs, &VeriSeti::gecerliSatirDegisti, this, [this] {
        if (!m_vs->duzenleniyorMu())
            m_sifre->clear();
    });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Sifre"), m_sifre);
    form->addRow(QStringLiteral("Kullanici Adı"), ad);
    form->addRow(QStringLiteral("Kullanici Soyadı"), soyad);
    form->addRow(QStringLiteral("Kullanici kodu"), m_kod);
    form->addRow(QStringLiteral("Depertman"), depertman);
    form->addRow(QStringLiteral("Gorevi"), gorevi);
    form->addRow(QStringLiteral("Unvani"), unvani);
    auto *userSira = new QHBoxLayout;
    userSira->addWidget(username);
    auto *ipucu = new QLabel(QStringLiteral("Nickname olarak Kullanılır. Programa girerken Kullanılmaz"), this);
    ipucu->setObjectName(QStringLiteral("lbl_username"));
    userSira->addWidget(ipucu);
    form->addRow(QStringLiteral("User name"), userSira);

    auto *hak = new QGroupBox(QStringLiteral("Hak Tanım Durumu"), this);
    hak->setObjectName(QStringLiteral("rg_hakdurumu"));
    m_yetkisiz = new QRadioButton(QStringLiteral("Tüm Modullerde Yetkisiz Kullanıcı"), hak);
    m_yetkisiz->setObjectName(QStringLiteral("rb_yetkisiz"));
    m_tamYetkili = new QRadioButton(QStringLiteral("Tam Yetkili Kullanıcı"), hak);
    m_tamYetkili->setObjectName(QStringLiteral("rb_tamyetkili"));
    m_yetkisiz->setChecked(true);
    auto *hl = new QVBoxLayout(hak);
    hl->addWidget(m_yetkisiz);
    hl->addWidget(m_tamYetkili);

    auto *not_ = new QLabel(QStringLiteral(
        "NOT : Kurulumla gelen ilk kullanıcıyı, tam yetkili yeni bir kullanıcı oluşturmadan silmeyiniz. "
        "Diğer kullanıcıları ilk kullanıcıyı silmeden de oluşturabilirsiniz."), this);
    not_->setObjectName(QStringLiteral("lbl_not"));
    not_->setWordWrap(true);

    auto dugme = [this](const char *ad, const QString &metin, const QString &ipucu) {
        auto *b = new QPushButton(metin, this);
        b->setObjectName(QLatin1String(ad));
        b->setToolTip(ipucu);
        b->setAutoDefault(false);
        return b;
    };
    auto *yeniD = dugme("btn_yeni", QStringLiteral("Yeni"), QStringLiteral("Yeni kayit"));
    auto *kaydetD = dugme("btn_kaydet", QStringLiteral("Kaydet"), QStringLiteral("Kaydet"));
    auto *silD = dugme("btn_sil", QStringLiteral("Sil"), QStringLiteral("Kayit sil"));
    auto *iptalD = dugme("btn_iptal", QStringLiteral("İptal"), QStringLiteral("iptal"));
    auto *kapatD = dugme("btn_kapat", QStringLiteral("Çıkış"), QStringLiteral("Formdan çikis"));
    connect(yeniD, &QPushButton::clicked, this, &Tfrm_kullanici::yeni);
    connect(kaydetD, &QPushButton::clicked, this, [this] { kaydet(); });
    connect(silD, &QPushButton::clicked, this, &Tfrm_kullanici::sil);
    connect(iptalD, &QPushButton::clicked, this, &Tfrm_kullanici::iptal);
    connect(kapatD, &QPushButton::clicked, this, &QDialog::close);

    auto *dugmeler = new QHBoxLayout;
    for (QPushButton *b : {yeniD, kaydetD, silD, iptalD, kapatD})
        dugmeler->addWidget(b);
    dugmeler->addStretch();
    auto *alt = new QHBoxLayout;
    alt->addLayout(form, 2);
    auto *sag = new QVBoxLayout;
    sag->addWidget(hak);
    sag->addWidget(not_);
    sag->addStretch();
    alt->addLayout(sag, 1);
    auto *l = new QVBoxLayout(this);
    l->addLayout(dugmeler);
    l->addWidget(m_izgara, 1);
    l->addLayout(alt);

    // The data set's own operations pass the same rights tests.
    m_vs->eklemedenOnce = [this] { return IslemIzni(m_yetki.YENIKAYIT, this); };
    m_vs->duzenlemedenOnce = [this] { return IslemIzni(m_yetki.DEGISTIRME, this); };
    m_vs->kaydetmedenOnce = [this] { return IslemIzni(m_yetki.KAYIT, this); };
    m_vs->silmedenOnce = [this] { return IslemIzni(m_yetki.SILME, this); };
    kodKutusu(false);
}

void Tfrm_kullanici::showEvent(QShowEvent *e)
{
    if (!m_gosterildi) {
        m_gosterildi = true;
        m_yetki = YetkiOku(Oturum.kullanici_kodu, QStringLiteral("KULLANICILAR"), Oturum.sirketkodu);
        m_vs->ac();
    }
    QDialog::showEvent(e);
}

void Tfrm_kullanici::kodKutusu(bool acik) { m_kod->setEnabled(acik); }

void Tfrm_kullanici::yeni()
{
    if (!IslemIzni(m_yetki.YENIKAYIT, this))
        return;
    if (m_vs->duzenleniyorMu())
        m_vs->iptal();
    m_sifre->clear();
    if (!m_vs->ekle())
        return;
    kodKutusu(true);
    m_kod->setFocus();
}

bool Tfrm_kullanici::kaydet()
{
    if (!IslemIzni(m_yetki.KAYIT, this))
        return false;
    if (m_vs->durum() == VeriSeti::Durum::Ekle)
        return kaydetYeni();
    if (m_vs->durum() == VeriSeti::Durum::Duzenle) {
        if (!m_sifre->text().trimmed().isEmpty()) {
            const QString ozet = Sifre::ozetle(m_sifre->text());
            if (ozet.isEmpty() || !m_vs->degerAyarla(QStringLiteral("SIFRE"), ozet))
                return false;
        }
        if (!m_vs->kaydet())
            return false;
        m_sifre->clear();
    }
    kodKutusu(false);
    return true;
}

bool Tfrm_kullanici::kaydetYeni()
{
    auto dur = [this](const QString &mesaj, QWidget *kutu) {
        Mesaj::goster(mesaj, this);
        kutu->setFocus();
        return false;
    };
    auto bos = [this](const char *kolon) { return m_vs->metin(QLatin1String(kolon)).trimmed().isEmpty(); };
    if (bos("KULLANICI_KODU"))
        return dur(QStringLiteral("Kullanici Kodu boş olamaz !"), m_kod);
    if (bos("KULLANICI_ADI"))
        return dur(QStringLiteral("Kullanici adı boş olamaz !"), findChild<QLineEdit *>(QStringLiteral("edt_kullanici_adi")));
    if (m_sifre->text().trimmed().isEmpty())
        return dur(QStringLiteral("Şifre boş olamaz !"), m_sifre);
    if (bos("USERNAME"))
        return dur(QStringLiteral("User Name Boş Olamaz !"), findChild<QLineEdit *>(QStringLiteral("edt_username")));
    const QVariant kod = m_vs->deger(QStringLiteral("KULLANICI_KODU"));
    const auto var = Kullanicilar::kodVar(kod);
    if (!var)
        return false;
    if (*var)
        return dur(QStringLiteral("Bu  Kod ile Kayıtlı Kullanıcı  Var. Yeni Kullanıcı Girerken Lütfen Farklı Bir "
                                  "Kullanıcı Kodu Kullanınız"),
                   m_kod);
    const QString ozet = Sifre::ozetle(m_sifre->text());
    if (ozet.isEmpty() || !m_vs->degerAyarla(QStringLiteral("SIFRE"), ozet))
        return false;

    // The user and its rights rows: all of it or nothing.
    const qint64 anahtar = m_vs->anahtar();
    bool tamam = false;
    {
        Islem islem;
        tamam = islem.basladi() && m_vs->kaydet()
                && Kullanicilar::haklariOlustur(kod, Oturum.sirketkodu, m_tamYetkili->isChecked()) >= 0
                && islem.onayla();
    }
    if (!tamam) {
        // What the buffer shows of a rolled-back row is not in the database.
        if (m_vs->durum() != VeriSeti::Durum::Ekle)
            m_vs->yenile();
        return false;
    }
    m_sifre->clear();
    kodKutusu(false);
    m_vs->bul(anahtar);
    return true;
}

void Tfrm_kullanici::sil()
{
    if (!IslemIzni(m_yetki.SILME, this))
        return;
    if (m_vs->bosMu())
        return;
    const QVariant kod = m_vs->deger(QStringLiteral("KULLANICI_KODU"));
    // The user goes with its rights in every company (a new user given the
    // same code would inherit them): the question names the other companies.
    const auto sirketler = Kullanicilar::hakSirketleri(kod);
    if (!sirketler)
        return;
    QStringList digerleri = *sirketler;
    digerleri.removeAll(Oturum.sirketkodu.trimmed());
    QString soru = QStringLiteral("Silmek istiyormusunuz ?");
    if (!digerleri.isEmpty())
        soru += QStringLiteral("\n\nKullanıcının yetkileri şu şirketlerde de silinecek: %1.")
                    .arg(digerleri.join(QStringLiteral(", ")));
    if (!Mesaj::soru(soru, this))
        return;
    if (m_vs->duzenleniyorMu())
        m_vs->iptal();
    bool tamam = false;
    {
        Islem islem;
        tamam = islem.basladi() && Kullanicilar::tumHaklariSil(kod) && m_vs->sil() && islem.onayla();
    }
    if (!tamam)
        m_vs->yenile();
    m_sifre->clear();
}

void Tfrm_kullanici::iptal()
{
    m_vs->iptal();
    m_sifre->clear();
    m_baglayici->goster();
    kodKutusu(false);
}

void Tfrm_kullanici::keyPressEvent(QKeyEvent *e)
{
    // Esc is "iptal": it cancels the pending change and leaves the screen open.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        iptal();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_kullanici::done(int r)
{
    // Closing discards a change not saved.
    m_vs->iptal();
    QDialog::done(r);
}
