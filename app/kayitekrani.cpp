#include "app/kayitekrani.h"
#include "app/listebolucu.h"
#include "app/odakdavranisi.h"
#include "app/kayitekrani_ic.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/notdosya.h"
#include "app/oturum.h"
#include "app/parametre.h"
#include "db/sqltext.h"
#include "app/aramapenceresi.h"
#include "app/raporhizmeti.h"
#include "db/baglayici.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "db/win1254.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace KayitEkraniIc;

namespace {
const QString kilitliMetni = QStringLiteral("KAYIT KİLİTLİ");
const QString duzenleMetni = QStringLiteral("KAYIT DÜZENLE");
} // namespace

KayitEkrani::KayitEkrani(const KayitEkraniAyari &ayar, QWidget *ust) : QDialog(ust), m_ayar(ayar)
{
    if (m_ayar.kilitsizKapali.isEmpty() && m_ayar.kilitli)
        m_ayar.kilitsizKapali = {QStringLiteral("btn_yeni"),   QStringLiteral("btn_sil"),
                                 QStringLiteral("btn_firmabul"), QStringLiteral("Yeni1"),
                                 m_ayar.aramaMenuAdi,          QStringLiteral("Sil1"),
                                 QStringLiteral("lem1"),       QStringLiteral("Arama1")};
    kur();
}

KayitEkrani::~KayitEkrani()
{
    // The screen's own part is gone already: neither the data set nor the
    // application may call into it while the data set closes.
    delete m_odak;
    m_odak = nullptr;
    if (m_vs) {
        m_vs->disconnect(this);
        m_vs->eklemedenOnce = nullptr;
        m_vs->duzenlemedenOnce = nullptr;
        m_vs->kaydetmedenOnce = nullptr;
        m_vs->silmedenOnce = nullptr;
        m_vs->yeniSatirDegerleri = nullptr;
        m_vs->kaydettiktenSonra = nullptr;
        m_vs->sildiktenSonra = nullptr;
        m_vs->islemdeOnce = nullptr;
        m_vs->islemdeSonra = nullptr;
        m_vs->kapat();
    }
}

QAction *KayitEkrani::eylem(const QString &ad, const QString &metin, const QString &kisayol, QMenu *menu,
                            std::function<void()> is)
{
    auto *a = new QAction(metin, this);
    a->setObjectName(ad);
    if (!kisayol.isEmpty())
        a->setShortcut(QKeySequence(kisayol));
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, [is] { is(); });
    if (menu)
        menu->addAction(a);
    else
        m_menu->addAction(a);
    addAction(a); // shortcuts work whether or not the menu is visible
    return a;
}

QPushButton *KayitEkrani::dugmeEkle(const QString &ad, const QString &metin, const QString &ipucu)
{
    auto *b = new QPushButton(metin, this);
    b->setObjectName(ad);
    b->setToolTip(ipucu);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    // Extra buttons go before the quick menu and the state label.
    int yer = m_aracDuzeni->count();
    if (m_hizliMenu)
        yer = m_aracDuzeni->indexOf(m_hizliMenu);
    else if (m_label20)
        yer = m_aracDuzeni->indexOf(m_label20);
    if (yer < 0)
        yer = m_aracDuzeni->count();
    m_aracDuzeni->insertWidget(yer, b);
    return b;
}

QPushButton *KayitEkrani::dugme(const QString &ad) const { return findChild<QPushButton *>(ad); }

QMenu *KayitEkrani::menu(const QString &ad) const { return findChild<QMenu *>(ad); }

void KayitEkrani::kur()
{
    setObjectName(m_ayar.ekranAdi);
    setWindowTitle(m_ayar.baslik);
    setModal(true);
    resize(1000, 700);

    m_vs = new VeriSeti(m_ayar.tablo, this);
    m_vs->setObjectName(m_ayar.veriSetiAdi.isEmpty() ? QStringLiteral("qry_") + m_ayar.tablo.toLower()
                                                     : m_ayar.veriSetiAdi);
    m_vs->degisiklikleriIzle(true); // other workstations' changes show up here
    m_model = new TabloModeli(m_vs, this);
    m_baglayici = new Baglayici(m_vs, this);
    m_baglayicilar << m_baglayici;

    auto *ana = new QVBoxLayout(this);
    ana->setContentsMargins(4, 4, 4, 4);
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    ana->setMenuBar(m_menu);

    aracCubuguKur(ana);
    menuleriKur();
    dugmeleriBagla();
    yerlesimKur(ana);
    olaylariBagla();
}

void KayitEkrani::duzenlemeAlaniAyarla(QWidget *alan)
{
    if (!alan || alan == m_duzenleme)
        return;
    if (m_duzenleme && m_duzenleme->parentWidget() == m_ustAlan && m_duzenleme->children().isEmpty())
        m_duzenleme->deleteLater();
    m_duzenleme = alan;
    if (m_duzenleme->objectName().isEmpty())
        m_duzenleme->setObjectName(m_ayar.duzenlemeAlaniAdi);
}

QString KayitEkrani::parametre(int n) const
{
    return n >= 1 && n <= m_parametreler.size() ? m_parametreler.at(n - 1) : QString();
}

void KayitEkrani::baglayiciEkle(Baglayici *b)
{
    if (b && !m_baglayicilar.contains(b))
        m_baglayicilar << b;
    if (m_odak)
        m_odak->baglayiciEkle(b);
}

void KayitEkrani::odakla(const QString &ad)
{
    if (QWidget *w = findChild<QWidget *>(ad))
        Baglayici::odakla(w);
}

KayitEkrani::Durum KayitEkrani::durum() const
{
    if (m_ayar.kilitli && m_kilitli)
        return Durum::KilitliGozat;
    switch (m_vs->durum()) {
    case VeriSeti::Durum::Ekle: return Durum::DuzenlemeEkle;
    case VeriSeti::Durum::Duzenle: return Durum::DuzenlemeDuzenle;
    default: return Durum::DuzenlemeGozat;
    }
}

// ---------------------------------------------------------------- show / close

void KayitEkrani::setVisible(bool gorunur)
{
    // The remembered size and position are applied before the window is
    // mapped, so that it does not open in one place and jump to another.
    if (gorunur && !m_duzenOkundu && !isVisible()) {
        m_duzenOkundu = true;
        duzeniYukle();
    }
    QDialog::setVisible(gorunur);
}

void KayitEkrani::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_gosterildi) {
        m_gosterildi = true;
        gosterAdimi();
    }
}

// ---------------------------------------------------------------- remembered layout

QString KayitEkrani::duzenAnahtari() const
{
    // One entry per login user and screen; a slash would open a new group.
    QString kullanici = Oturum.username;
    kullanici.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (kullanici.isEmpty())
        kullanici = QStringLiteral("_");
    return QStringLiteral("ekranlar/") + kullanici + QLatin1Char('/') + objectName();
}

static QSettings duzenAyarlari()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIKA"),
                     QStringLiteral("ekranlar"));
}

void KayitEkrani::duzeniYukle()
{
    QSettings ayar = duzenAyarlari();
    ayar.beginGroup(duzenAnahtari());
    const QByteArray pencere = ayar.value(QStringLiteral("pencere")).toByteArray();
    const QByteArray bolme = ayar.value(QStringLiteral("bolme")).toByteArray();
    ayar.endGroup();
    if (!pencere.isEmpty() && restoreGeometry(pencere)) {
        m_bolucu->durumuYukle(bolme);
        return;
    }
    // First opening: the designed size, as far as the screen holds it.
    QScreen *ekran = parentWidget() ? parentWidget()->screen() : screen();
    if (!ekran)
        return;
    const QRect alan = ekran->availableGeometry();
    const int baslikPayi = 32; // the window manager's title bar lies outside height()
    resize(size().boundedTo(QSize(alan.width(), qMax(200, alan.height() - baslikPayi))));
}

void KayitEkrani::duzeniKaydet()
{
    if (!m_gosterildi)
        return;
    QSettings ayar = duzenAyarlari();
    ayar.beginGroup(duzenAnahtari());
    ayar.setValue(QStringLiteral("pencere"), saveGeometry());
    ayar.setValue(QStringLiteral("bolme"), m_bolucu->saveState());
    ayar.endGroup();
}

QString KayitEkrani::gosterFiltresi() const
{
    QString filtre;
    if (m_ayar.sirketKosulu)
        filtre += QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    if (m_ayar.yetkiKosullari)
        filtre += m_ayar.yetkiKosullari();
    if (m_ayar.ekKosullar)
        filtre += m_ayar.ekKosullar();
    return filtre;
}

void KayitEkrani::gosterAdimi()
{
    if (!m_ayar.modul.isEmpty())
        m_yetki = YetkiOku(Oturum.kullanici_kodu, m_ayar.modul, Oturum.sirketkodu);
    if (!m_ayar.parametreEkrani.isEmpty() && m_ayar.parametreSayisi > 0) {
        m_parametreler = QStringList();
        for (int i = 0; i < m_ayar.parametreSayisi; ++i)
            m_parametreler << QString();
        ParametreOku(m_ayar.parametreEkrani, m_parametreler);
    }

    QString sql;
    if (m_ayar.selectDisaridan && !m_disSelect.isEmpty())
        sql = m_disSelect;
    else
        sql = SelectBasi(m_ayar.tablo) + gosterFiltresi()
              + m_ayar.siralama;
    m_vs->selectMetniAyarla(sql);
    if (m_vs->ac()) {
        if (m_ayar.sonSatir)
            m_vs->son();
        else
            m_vs->ilk();
    }
    m_izgara->setFocus();

    if (!m_ayar.baslikEki.isEmpty())
        setWindowTitle(windowTitle() + m_ayar.baslikEki + QStringLiteral(" ŞİRKET : ") + Oturum.sirketkodu);

    if (m_ayar.kilitli)
        ekranikilitle();
    sayiGuncelle();
    if (m_ayar.gosterildi)
        m_ayar.gosterildi();
}

void KayitEkrani::done(int r)
{
    kapanisAdimi();
    QDialog::done(r);
}

void KayitEkrani::kapanisAdimi()
{
    if (m_kapandi)
        return;
    m_kapandi = true;
    duzeniKaydet();
    m_vs->kapat();
    Aktarim.rapor_sablonu.clear();
    if (m_ayar.kapanirken)
        m_ayar.kapanirken();
}

// ---------------------------------------------------------------- lock

void KayitEkrani::etkinlestir(const QString &ad, bool etkin)
{
    if (ad.isEmpty())
        return;
    bool bulundu = false;
    const auto eylemler = findChildren<QAction *>(ad);
    for (QAction *a : eylemler) {
        a->setEnabled(etkin);
        bulundu = true;
    }
    if (QMenu *m = findChild<QMenu *>(ad)) {
        m->menuAction()->setEnabled(etkin);
        m->setEnabled(etkin);
        bulundu = true;
    }
    if (!bulundu)
        if (QWidget *w = findChild<QWidget *>(ad))
            w->setEnabled(etkin);
}

void KayitEkrani::kilitNesneleri(bool etkin)
{
    for (const QString &ad : std::as_const(m_ayar.kilitsizKapali))
        etkinlestir(ad, etkin);
}

void KayitEkrani::ekraniac()
{
    if (!m_ayar.kilitli)
        return;
    m_kilitli = false;
    m_duzenleme->setEnabled(true);
    m_izgara->setEnabled(false);
    m_label20->setText(duzenleMetni);
    kilitNesneleri(false);
    evrakEylemleriniGuncelle();
    if (m_ayar.kilitDegisti)
        m_ayar.kilitDegisti(false);
}

void KayitEkrani::ekranikilitle()
{
    if (!m_ayar.kilitli)
        return;
    m_kilitli = true;
    kilitNesneleri(true);
    m_duzenleme->setEnabled(false);
    m_izgara->setEnabled(true);
    m_label20->setText(kilitliMetni);
    evrakEylemleriniGuncelle();
    if (m_ayar.kilitDegisti)
        m_ayar.kilitDegisti(true);
}

// ---------------------------------------------------------------- actions

bool KayitEkrani::izin(const QString &bayrak)
{
    if (m_ayar.modul.isEmpty())
        return true;
    return IslemIzni(bayrak, this);
}

void KayitEkrani::yeni()
{
    if (!izin(m_yetki.YENIKAYIT))
        return;
    if (!m_ayar.kilitli && m_vs->duzenleniyorMu() && !kaydet())
        return; // the light variant first saves what is pending
    if (m_ayar.kilitli && m_vs->duzenleniyorMu())
        return; // unreachable through the buttons: New is disabled while unlocked
    if (m_ayar.kilitli)
        ekraniac();
    if (!m_vs->acikMi()) {
        if (m_vs->selectMetni().isEmpty())
            m_vs->selectMetniAyarla(SelectBasi(m_ayar.tablo)
                                    + gosterFiltresi() + m_ayar.siralama);
        if (!m_vs->ac()) {
            if (m_ayar.kilitli)
                ekranikilitle();
            return;
        }
    }
    if (!m_vs->ekle()) {
        // refused or failed: nothing is pending, so the screen goes back to locked
        if (m_ayar.kilitli)
            ekranikilitle();
        return;
    }
    if (m_ayar.kilitli) {
        for (const char *ad : {"btn_yeni", "Yeni1", "Sil1", "lem1", "Arama1", "btn_firmabul"})
            etkinlestir(QLatin1String(ad), false);
        etkinlestir(m_ayar.aramaMenuAdi, false);
    }
    if (!m_ayar.ilkAlan.isEmpty())
        odakla(m_ayar.ilkAlan);
    if (m_ayar.yenidenSonra)
        m_ayar.yenidenSonra();
}

void KayitEkrani::kaydetTusu()
{
    m_kaydetTusu = true;
    kaydet();
    m_kaydetTusu = false;
}

bool KayitEkrani::kaydet()
{
    if (!izin(m_yetki.KAYIT))
        return false;
    if (m_ayar.kilitli && m_ayar.kaydetKilitBakar && m_kilitli) {
        Mesaj::goster(m_ayar.kilitMesaji, this);
        return false;
    }
    // Nothing typed on a screen whose save writes other rows with its row
    // (totals, postings): they are written again, so that a save puts right
    // what does not match the row.
    if (m_vs->durum() == VeriSeti::Durum::Gozat && m_ayar.islemdeSonra && m_vs->acikMi() && !m_vs->bosMu()
        && !m_vs->duzenle())
        return false;
    const VeriSeti::Durum d = m_vs->durum();
    // A text the database cannot hold stops the save before any check
    // could send it in a query.
    if ((d == VeriSeti::Durum::Ekle || d == VeriSeti::Durum::Duzenle) && !metinlerTasinabilir())
        return false;
    // A box holding what its column cannot (an impossible date, letters for
    // a number) speaks before a check that would call the field empty.
    if (d == VeriSeti::Durum::Ekle || d == VeriSeti::Durum::Duzenle)
        for (Baglayici *b : std::as_const(m_baglayicilar))
            if (b->veriSeti() == m_vs && b->dogrula())
                return false;
    if (d == VeriSeti::Durum::Ekle) {
        if (m_ayar.eklemeDogrula && !m_ayar.eklemeDogrula())
            return false;
    } else if (d == VeriSeti::Durum::Duzenle) {
        if (m_ayar.duzenlemeDogrula && !m_ayar.duzenlemeDogrula())
            return false;
    } else {
        // Nothing typed: nothing to write, the screen stays as it is. Asked
        // for by the user, that is said rather than nothing happening.
        if (m_kaydetTusu)
            Mesaj::goster(QStringLiteral("Kaydedilecek Bir Değişiklik Yok"), this);
        return true;
    }
    if (!m_vs->kaydet())
        return false; // the row stays pending
    if (m_ayar.kaydedildi)
        m_ayar.kaydedildi();
    if (m_ayar.kilitli && m_ayar.kaydettenSonraKilitle)
        ekranikilitle();
    return true;
}

void KayitEkrani::degistir()
{
    if (!m_ayar.kilitli)
        return; // fields are always editable
    if (!izin(m_yetki.DEGISTIRME))
        return;
    if (m_vs->durum() == VeriSeti::Durum::Ekle) {
        Mesaj::goster(QStringLiteral("Önce İşlemi Kaydetmelisiniz ! "), this);
        return;
    }
    if (!m_vs->acikMi() || m_vs->bosMu())
        return;
    if (m_kilitli) {
        ekraniac();
        return;
    }
    kaydet();
    // Locking over a change that could not be saved would hide it behind a
    // disabled edit area: stay unlocked then.
    if (!m_vs->duzenleniyorMu())
        ekranikilitle();
}

void KayitEkrani::iptal()
{
    m_vs->iptal();
    for (Baglayici *b : std::as_const(m_baglayicilar))
        if (b->veriSeti() == m_vs)
            b->goster();
    if (m_ayar.kilitli)
        ekranikilitle();
}

void KayitEkrani::sil()
{
    if (!m_vs->acikMi() || m_vs->bosMu())
        return;
    // The right first: no question for a delete that would be refused, and
    // no refusal from inside a delete that goes with other rows.
    if (!m_ayar.modul.isEmpty() && !IslemIzni(m_yetki.SILME, this))
        return;
    if (m_ayar.silmeKontrolu && !m_ayar.silmeKontrolu())
        return;
    if (!Mesaj::soru(m_ayar.silmeSorusu, this))
        return;
    if (m_vs->durum() == VeriSeti::Durum::Ekle) {
        // the pending new row is the one on screen: dropping it is its deletion
        iptal();
        return;
    }
    if (m_vs->durum() == VeriSeti::Durum::Duzenle)
        m_vs->iptal();
    if (m_ayar.silIslemi ? !m_ayar.silIslemi() : !m_vs->sil())
        return;
    if (m_ayar.silmedenSonraYenile)
        m_vs->yenile();
    if (!m_ayar.silindiMesaji.isEmpty())
        Mesaj::goster(m_ayar.silindiMesaji, this);
    if (m_ayar.sildiktenSonra)
        m_ayar.sildiktenSonra();
}

void KayitEkrani::ara()
{
    if (m_ayar.aramaEkrani.isEmpty())
        return;
    if (m_vs->duzenleniyorMu()) {
        if (m_ayar.kilitli || !kaydet())
            return;
    }
    // The lookup lists only what this screen may list.
    AramaPenceresi dlg(m_ayar.aramaEkrani, this, m_ayar.yetkiKosullari ? m_ayar.yetkiKosullari() : QString());
    const QString sonuc = dlg.calistir();
    if (sonuc == QLatin1String("-1"))
        return;
    bool ok = false;
    const qint64 no = sonuc.toLongLong(&ok);
    // A row another workstation added after the list was read: read it again.
    if (ok && !m_vs->bul(no) && m_vs->yenile())
        m_vs->bul(no);
    m_izgara->setFocus();
}

void KayitEkrani::listeyiYenile()
{
    if (m_vs->duzenleniyorMu()) {
        Mesaj::goster(QStringLiteral("Değişiklik sürerken liste yenilenemez; önce kaydedin ya da iptal edin."), this);
        return;
    }
    m_vs->yenile();
}

void KayitEkrani::siralamaSec(const QString &kolon)
{
    if (kolon == siralamaMetni || kolon.isEmpty())
        return;
    if (m_ayar.kilitli && !m_kilitli)
        return;
    if (!m_ayar.siralamaKolonlari.contains(kolon))
        return; // only the listed column names ever reach the statement
    const QString sql = SelectBasi(m_ayar.tablo)
                        + QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu)
                        + (m_ayar.yetkiKosullari ? m_ayar.yetkiKosullari() : QString()) + QStringLiteral("  ")
                        + QStringLiteral("order by ") + m_ayar.tablo + QLatin1Char('.') + kolon;
    m_vs->selectMetniAyarla(sql);
    m_vs->ac();
}

void KayitEkrani::hizliMenuSec(const QString &ad) { HizliAc(ad, this); }

void KayitEkrani::exceleAktar()
{
    if (m_ayar.excelYetkiIster && !izin(m_yetki.RAPOR))
        return;
    if (RaporHizmeti().disaAktar)
        RaporHizmeti().disaAktar(m_vs, this);
}

// The template chooser and the chosen template over the main data set.
static bool sablonSec(QWidget *ust, bool tasarimIzni)
{
    return RaporHizmeti().sablonSec && RaporHizmeti().sablonSec(ust, tasarimIzni);
}

static void veriSetiniOnizle(VeriSeti *vs, const QString &sablon, QWidget *ust)
{
    if (RaporHizmeti().onizle)
        RaporHizmeti().onizle(vs, sablon, ust);
}

void KayitEkrani::raporlama()
{
    if (m_ayar.raporlamaYetkiIster) {
        if (!izin(m_yetki.RAPOR))
            return;
        if (sablonSec(this, true))
            veriSetiniOnizle(m_vs, Aktarim.rapor_sablonu, this);
        return;
    }
    // Choosing is open to everyone; changing a template needs the report right.
    sablonSec(this, Yetkiler::izin(m_yetki.RAPOR));
}

void KayitEkrani::rapor()
{
    if (!izin(m_yetki.RAPOR))
        return;
    // A template chosen earlier on this screen still counts when the
    // chooser is closed without a choice.
    if (sablonSec(this, true))
        veriSetiniOnizle(m_vs, Aktarim.rapor_sablonu, this);
}

// Notes and documents hang on the record's key: a row that may still be
// cancelled must not get any.
bool KayitEkrani::evrakAcilabilir() const
{
    if (m_ayar.kilitli)
        return m_kilitli;
    return m_vs->durum() != VeriSeti::Durum::Ekle;
}

void KayitEkrani::evrakEylemleriniGuncelle()
{
    const bool etkin = evrakAcilabilir();
    for (const char *ad : {"AciklamaNotlar1", "Dosya1"})
        if (QAction *a = findChild<QAction *>(QLatin1String(ad)))
            a->setEnabled(etkin);
}

bool KayitEkrani::metinlerTasinabilir()
{
    for (Baglayici *b : std::as_const(m_baglayicilar)) {
        if (b->veriSeti() != m_vs)
            continue;
        const auto kontroller = b->kontroller();
        for (QWidget *w : kontroller) {
            const QString kolon = b->kolon(w);
            const QVariant v = m_vs->deger(kolon);
            if (v.typeId() != QMetaType::QString)
                continue;
            const QString yabanci = Win1254::disindakiler(v.toString());
            if (yabanci.isEmpty())
                continue;
            QString ad = b->etiket(w);
            if (ad.isEmpty())
                ad = kolon.toUpper();
            Baglayici::odakla(w);
            Mesaj::goster(ad + QStringLiteral(" alanı: ") + Win1254::uyari(yabanci), this);
            w->setFocus();
            return false;
        }
    }
    return true;
}

void KayitEkrani::aciklamaNotlar()
{
    if (!evrakAcilabilir())
        return;
    const qint64 no = m_vs->anahtar();
    if (no == 0)
        return;
    NotlariAc(this, int(no), m_ayar.evrakTuru, m_vs->metin(m_ayar.notHastaKoduKolonu),
              m_vs->metin(m_ayar.notHastaAdiKolonu));
}

void KayitEkrani::dosyaYonetimi()
{
    if (!evrakAcilabilir())
        return;
    const qint64 no = m_vs->anahtar();
    if (no == 0)
        return;
    DosyalariAc(this, int(no), m_ayar.evrakTuru);
}

void KayitEkrani::hesapMakinesi() { EkranAc(QStringLiteral("frm_hesapmakinesi"), this); }

void KayitEkrani::sayiGuncelle()
{
    if (!m_ayar.kayitSayisiDurumCubugunda)
        return;
    m_durumCubugu->showMessage(QStringLiteral("Kayıt Sayısı: ") + QString::number(m_vs->kayitSayisi()));
}

// ---------------------------------------------------------------- keyboard and focus

void KayitEkrani::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        // Esc is the cancel button's key, not the window's close.
        if (QPushButton *b = dugme(QStringLiteral("btn_iptal")); b && b->isEnabled())
            b->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}


