// "HASTALAR": the patient register. This file holds the screen's setup in
// the record pattern, the order its parts are built in, its lock and New
// steps and the checks before a card is saved. The parts live beside it:
//   frm_hastalar_dugmeler.cpp   toolbar buttons, date filter, menus
//   frm_hastalar_bilgiler.cpp   tab "Hasta Bilgileri" (identity, contact, reminders, photo)
//   frm_hastalar_ekbilgi.cpp    tab "Ek Bilgi"
//   frm_hastalar_tibbi.cpp      tab "Tıbbi Bilgi"
//   frm_hastalar_goruntuler.cpp tab "Görüntüler" and the photo (the shared picture gallery)
//   frm_hastalar_listeler.cpp   list tabs and their popup
//   frm_hastalar_kod.cpp        patient codes
//   frm_hastalar_aktarim.cpp    "Veri Al"
//   frm_hastalar_ekranlar.cpp   the screens and report it leads to
#include "hastalar/frm_hastalar.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/resimdeposu.h"
#include "db/sorgu.h"
#include "db/sqltext.h"
#include "db/veriseti.h"
#include "db/win1254.h"
#include "hastalar/hastakayit.h"
#include "hastalar/hastakodu.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

namespace {

const QString KodBosMesaji = QStringLiteral("Hasta Kodu Boş Olamaz.Lütfen Bir Kod Giriniz");
const QString AdBosMesaji = QStringLiteral("Hasta Adı Boş Olamaz.Lütfen Hasta Adı Giriniz");
const QString KodVarMesaji = QStringLiteral(
    "Bu  Kod ile Kayıtlı Hasta Var. Yeni Hasta Kodu Girerken Lütfen Farklı Bir Hasta Kodu Kullanınız");
const QString TcVarMesaji = QStringLiteral("Bu  Tc Kimlik No ile Kayıtlı Hasta Var. Numarayı KOntrol Ediniz.");

} // namespace

KayitEkraniAyari Tfrm_hastalar::ayarlar(Tfrm_hastalar *e)
{
    KayitEkraniAyari a;
    a.ekranAdi = QStringLiteral("frm_hastalar");
    a.baslik = QStringLiteral("HASTALAR");
    a.tablo = QStringLiteral("HASTALAR");
    a.veriSetiAdi = QStringLiteral("QRY_HASTALAR");
    a.modul = QStringLiteral("HASTALAR");
    a.parametreEkrani = QStringLiteral("HASTALAR");
    a.parametreSayisi = 15;
    a.siralama = QStringLiteral(" order by HASTALAR.KAYITNO ");
    a.ekKosullar = [] {
        return Aktarim.hasta_hastakodu.isEmpty()
                   ? QString()
                   : QStringLiteral(" and hastakodu =") + SqlQuote(Aktarim.hasta_hastakodu);
    };
    a.kilitMesaji = QStringLiteral(" UYARI  HASTA KAYDI KİLİTLİ .... Hasta Kaydında Değişiklik Yapmak "
                                   "İstiyorsanız Önce DEĞİŞTİR Tuşuna Basın ");
    a.kilitsizKapali = {QStringLiteral("btn_yeni"), QStringLiteral("btn_sil"),  QStringLiteral("btn_firmabul"),
                        QStringLiteral("Yeni1"),    QStringLiteral("Bul1"),     QStringLiteral("Sil1"),
                        QStringLiteral("lem1"),     QStringLiteral("Arama1"),   QStringLiteral("BitBtn2"),
                        QStringLiteral("BitBtn7")};
    a.ilkAlan = QStringLiteral("edt_hastaadi");
    a.silmeSorusu = QStringLiteral("Bu Hasta Kartını Silmek İstiyormusunuz ? ");
    a.silindiMesaji = QStringLiteral(" Hasta Kaydı Silindi ");
    a.aramaEkrani = QStringLiteral("frm_hastaarama");
    a.siralamaKolonlari = {
        QStringLiteral("HASTAADISOYADI"), QStringLiteral("DOKTORADI"),       QStringLiteral("CINSIYET"),
        QStringLiteral("BABAADI"),        QStringLiteral("KURUMU"),          QStringLiteral("MESLEGI"),
        QStringLiteral("DOGUMTARIHI"),    QStringLiteral("IL"),              QStringLiteral("ILCE"),
        QStringLiteral("ULKE"),           QStringLiteral("EGITIMI"),         QStringLiteral("YATISTARIHI"),
        QStringLiteral("HATIRLATMATARIHI"), QStringLiteral("MEDENIDURUM"),   QStringLiteral("COCUKSAYISI"),
        QStringLiteral("ALERJIDURUMU"),   QStringLiteral("KAYITDURUMU"),     QStringLiteral("KAYITTARIHI"),
        QStringLiteral("GENETIKHASTALIK"), QStringLiteral("BOY"),            QStringLiteral("KILO"),
        QStringLiteral("KOLESTROL"),      QStringLiteral("TANI1"),           QStringLiteral("TANI2"),
        QStringLiteral("HATUYARI"),       QStringLiteral("HASTAKODU"),       QStringLiteral("DOGUMYERI")};
    a.baslikEki.clear(); // the caption is written on every row change
    a.evrakTuru = EvrakTuru::Hasta;
    a.yeniSatirDegerleri = [e] {
        QStringList p;
        for (int i = 1; i <= 13; ++i)
            p << e->parametre(i);
        HastaYeniSatirDegerleri(*e->veriSeti(), p);
    };
    a.eklemeDogrula = [e] { return e->eklemeDogrula(); };
    a.duzenlemeDogrula = [e] { return e->duzenlemeDogrula(); };
    a.kaydettiktenSonra = [e] {
        e->baslikGuncelle();
        for (const char *ad : {"Yeni1", "Sil1", "Arama1", "lem1"})
            if (QAction *x = e->findChild<QAction *>(QLatin1String(ad)))
                x->setEnabled(true);
    };
    a.yenidenSonra = [e] { e->yeniSonrasi(); };
    a.silmeKontrolu = [e] { return e->silmeKontrolu(); };
    a.kilitDegisti = [e](bool k) { e->kilitDegisti(k); };
    a.gosterildi = [e] {
        e->baslikGuncelle();
        e->fotografGoster();
    };
    a.kapanirken = [e] {
        e->bekleyenleriKaydet();
        for (VeriSeti *v : {e->m_muayene, e->m_randevu, e->m_lab, e->m_islem})
            v->kapat();
        Aktarim.hasta_hastakodu.clear();
    };
    a.satirDegisti = [e] {
        e->baslikGuncelle();
        e->fotografGoster();
    };
    return a;
}

Tfrm_hastalar::Tfrm_hastalar(QWidget *ust)
    : KayitEkrani(ayarlar(this), ust)
{
    m_muayene = new VeriSeti(QStringLiteral("MUAYENE"), this);
    m_muayene->setObjectName(QStringLiteral("qry_muayene"));
    m_randevu = new VeriSeti(QStringLiteral("RANDEVU"), this);
    m_randevu->setObjectName(QStringLiteral("qry_randevu"));
    m_lab = new VeriSeti(QStringLiteral("MUAYENE_LAB"), this);
    m_lab->setObjectName(QStringLiteral("QRY_MUAYENE_LAB"));
    m_islem = new VeriSeti(QStringLiteral("YAPILANISLEMLER"), this);
    m_islem->setObjectName(QStringLiteral("QRY_YAPILANISLEMLER"));
    ResimKlasorleriniHazirla(); // blank pictures for the photo frame and the gallery
    arayuzKur();
}

Tfrm_hastalar::~Tfrm_hastalar() = default;

QString Tfrm_hastalar::kod() const { return veriSeti()->metin(QStringLiteral("HASTAKODU")); }

// ---------------------------------------------------------------- layout

void Tfrm_hastalar::arayuzKur()
{
    resize(1100, 780);
    dugmeleriKur();
    menuleriKur();

    // Edit area: four tabs, "Hasta Bilgileri" holding the panel the lock switches.
    m_sekmeler = new QTabWidget(ustAlan());
    m_sekmeler->setObjectName(QStringLiteral("PageControl2"));
    ustAlan()->layout()->addWidget(m_sekmeler);
    bilgilerSekmesiKur();
    ekBilgiSekmesiKur();
    tibbiBilgiSekmesiKur();
    goruntulerSekmesiKur();

    // "Resimini Göster" beside the sort combo.
    m_resimGoster = new QCheckBox(QStringLiteral("Resimini Göster"), this);
    m_resimGoster->setObjectName(QStringLiteral("CheckBox2"));
    m_resimGoster->setChecked(true);
    siralamaDuzeni()->insertWidget(siralamaDuzeni()->count() - 1, m_resimGoster);

    hastaListesiKur();
    hareketListeleriniKur();
}

// ---------------------------------------------------------------- row change, lock

void Tfrm_hastalar::baslikGuncelle()
{
    setWindowTitle(QStringLiteral("HASTALAR              V E L M O R I K A             ŞİRKET : ") + Oturum.sirketkodu
                   + QStringLiteral("         HASTA : ") + veriSeti()->metin(QStringLiteral("HASTAADISOYADI")));
}

void Tfrm_hastalar::kilitDegisti(bool kilitli)
{
    m_sekmeler->setTabEnabled(1, !kilitli);
    m_sekmeler->setTabEnabled(2, !kilitli);
    m_dogumYili->clear();
    m_ayniAd->hide();
    if (kilitli) {
        m_otoKod->hide();
        m_dogumYili->hide();
        if (QPushButton *b = dugme(QStringLiteral("btn_carihareket")))
            b->setEnabled(true);
    } else {
        m_kod->setEnabled(false);
    }
}

void Tfrm_hastalar::yeniSonrasi()
{
    m_kod->setEnabled(true);
    m_sekmeler->setCurrentIndex(0);
    m_dogumYili->show();
    m_otoKod->setChecked(false);
    m_otoKod->show();
    if (m_aktarimda)
        return;
    m_ad->setFocus();
}

// ---------------------------------------------------------------- validations

bool Tfrm_hastalar::eklemeDogrula()
{
    VeriSeti *vs = veriSeti();
    const QString k = vs->metin(QStringLiteral("HASTAKODU")).trimmed();
    if (k.isEmpty()) {
        Mesaj::goster(KodBosMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    if (vs->metin(QStringLiteral("HASTAADISOYADI")).trimmed().isEmpty()) {
        Mesaj::goster(AdBosMesaji, this);
        odakla(QStringLiteral("edt_hastaadi"));
        return false;
    }
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastakodu = ? "
                                            "and sirketkodu = ?"),
                             {k, Oturum.sirketkodu});
    if (!n)
        return false;
    if (n->toInt() > 0) {
        Mesaj::goster(KodVarMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    const QString tc = vs->metin(QStringLiteral("TCKIMLIKNO")).trimmed();
    if (!tc.isEmpty()) {
        auto t = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and tckimlikno = ? "
                                                "and sirketkodu = ?"),
                                 {tc, Oturum.sirketkodu});
        if (!t)
            return false;
        if (t->toInt() > 0) {
            Mesaj::goster(TcVarMesaji, this);
            odakla(QStringLiteral("edt_tckimlikno"));
            return false;
        }
    }
    return true;
}

bool Tfrm_hastalar::duzenlemeDogrula()
{
    // An edited code may not be the code of any other patient of the company.
    VeriSeti *vs = veriSeti();
    const QString k = vs->metin(QStringLiteral("HASTAKODU")).trimmed();
    if (k.isEmpty()) {
        Mesaj::goster(KodBosMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastakodu = ? "
                                            "and sirketkodu = ? and kayitno <> ?"),
                             {k, Oturum.sirketkodu, vs->anahtar()});
    if (!n)
        return false;
    if (n->toInt() > 0) {
        Mesaj::goster(KodVarMesaji, this);
        odakla(QStringLiteral("edt_hastakodu"));
        return false;
    }
    return true;
}

bool Tfrm_hastalar::silmeKontrolu()
{
    auto e = HastaKodu::silmeEngeli(kod(), Oturum.sirketkodu);
    if (!e)
        return false;
    if (!e->isEmpty()) {
        Mesaj::goster(*e, this);
        return false;
    }
    return true;
}

void Tfrm_hastalar::dogumYiliGirildi()
{
    if (kilitliMi())
        return;
    const QString t = m_dogumYili->text().trimmed();
    if (t.isEmpty())
        return;
    bool ok = false;
    const int yil = t.toInt(&ok);
    const QDate tarih(yil, 1, 1);
    if (!ok || t.size() != 4 || yil < 1850 || yil > QDate::currentDate().year() || !tarih.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir doğum yılı değil. Lütfen dört haneli bir yıl giriniz "
                                     "(örnek: 1985).")
                          .arg(t),
                      this);
        m_dogumYili->setFocus();
        m_dogumYili->selectAll();
        return;
    }
    VeriSeti *vs = veriSeti();
    if (!vs->duzenleniyorMu() && !vs->duzenle())
        return;
    vs->degerAyarla(QStringLiteral("DOGUMTARIHI"), QDateTime(tarih, QTime(0, 0)));
}

void Tfrm_hastalar::adKontrol()
{
    VeriSeti *vs = veriSeti();
    if (kilitliMi() || vs->durum() != VeriSeti::Durum::Ekle)
        return;
    const QString ad = vs->metin(QStringLiteral("HASTAADISOYADI")).trimmed();
    // A name the database cannot hold is on no card; saving says why it is refused.
    if (ad.isEmpty() || !Win1254::disindakiler(ad).isEmpty())
        return;
    auto n = Sorgu::tekDeger(QStringLiteral("select count(*) from hastalar where 1=1  and hastaadisoyadi = ? "
                                            "and sirketkodu = ?"),
                             {ad, Oturum.sirketkodu});
    m_ayniAd->setVisible(n && n->toInt() > 0);
}

bool Tfrm_hastalar::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (o == m_email) {
            const QString adres = m_email->text().trimmed();
            if (!adres.isEmpty())
                QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + adres));
            return true;
        }
    }
    // Ctrl+A in the code box is "next code from prefix", not the box's select-all.
    if (o == m_kod && e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_A && k->modifiers() == Qt::ControlModifier) {
            e->ignore();
            return true;
        }
    }
    if (o == m_otoKod && e->type() == QEvent::FocusOut)
        otoKod();
    return KayitEkrani::eventFilter(o, e);
}
