#include "raporlar/raporekrani.h"

#include "app/aramapenceresi.h"
#include "app/ekranlar.h"
#include "app/listebolucu.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "app/raporhizmeti.h"
#include "app/smssekmesi.h"
#include "app/yetki.h"
#include "db/sema.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"
#include "raporlar/motor/tabloaktar.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString INDEKS_SECIN = QStringLiteral("İndex Secin");

// A value of a box as an SQL literal for the column: numbers read the
// Turkish way ("12,5"), text through SqlQuote. False when the column cannot
// hold it.
bool degerLiterali(const Kolon &k, const QString &metin, QString *literal)
{
    if (k.tur == KolonTuru::Metin || k.tur == KolonTuru::UzunMetin) {
        *literal = SqlQuote(metin);
        return true;
    }
    QVariant v;
    if (!VeriSeti::degerCevir(k.tur, metin, &v) || !v.isValid() || v.isNull())
        return false;
    if (k.tur == KolonTuru::Tarih)
        *literal = SqlTarih(v.toDate().isValid() ? v.toDate() : v.toDateTime().date());
    else if (k.tur == KolonTuru::Tamsayi)
        *literal = SqlNumber(v.toLongLong());
    else
        *literal = QString::number(v.toDouble(), 'g', 17);
    return true;
}

// Grid titles of the frequent columns, as a reader says them; the others show their name.
QString kolonBasligi(const QString &kolon)
{
    static const QHash<QString, QString> basliklar = {
        {QStringLiteral("KAYITNO"), QStringLiteral("KAYIT NO")},
        {QStringLiteral("HASTAKODU"), QStringLiteral("HASTA KODU")},
        {QStringLiteral("HASTAADISOYADI"), QStringLiteral("HASTA ADI SOYADI")},
        {QStringLiteral("DOKTORKODU"), QStringLiteral("DOKTOR KODU")},
        {QStringLiteral("DOKTORADI"), QStringLiteral("DOKTOR ADI")},
        {QStringLiteral("DOGUMTARIHI"), QStringLiteral("DOĞUM TARİHİ")},
        {QStringLiteral("KAYITTARIHI"), QStringLiteral("KAYIT TARİHİ")},
        {QStringLiteral("CEPTEL"), QStringLiteral("CEP TELEFONU")},
        {QStringLiteral("HASTACEPTEL"), QStringLiteral("CEP TELEFONU")},
        {QStringLiteral("CEPNO"), QStringLiteral("CEP TELEFONU")},
        {QStringLiteral("MUAYENETARIHI"), QStringLiteral("MUAYENE TARİHİ")},
        {QStringLiteral("MUAYENEUCRETI"), QStringLiteral("MUAYENE ÜCRETİ")},
        {QStringLiteral("RANDEVUTARIHI"), QStringLiteral("RANDEVU TARİHİ")},
        {QStringLiteral("RANDEVUSAATI"), QStringLiteral("RANDEVU SAATİ")},
        {QStringLiteral("ISLEMTARIHI"), QStringLiteral("İŞLEM TARİHİ")},
        {QStringLiteral("YAPILANISLEM"), QStringLiteral("YAPILAN İŞLEM")},
        {QStringLiteral("TETKIKADI"), QStringLiteral("TETKİK ADI")},
        {QStringLiteral("TETKIKKODU"), QStringLiteral("TETKİK KODU")},
        {QStringLiteral("ODEMESEKLI"), QStringLiteral("ÖDEME ŞEKLİ")},
        {QStringLiteral("TOPLAMTUTAR"), QStringLiteral("TOPLAM TUTAR")},
        {QStringLiteral("UCRETI"), QStringLiteral("ÜCRETİ")},
    };
    return basliklar.value(kolon, kolon);
}

QString kutuAdi(const QString &kolon, const char *on) { return QLatin1String(on) + kolon; }

// The wheel over a drop-down or spin box of the scrolled filter panel scrolls
// the panel unless the box has the focus: passing over it must not quietly
// set a filter.
class TekerlekSuzgeci : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Wheel) {
            if (auto *w = qobject_cast<QWidget *>(o); w && !w->hasFocus()) {
                e->ignore(); // on to the parents: the scroll area
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

} // namespace

QStringList RaporEkrani::gecerliSiralama(const RaporTanimi &tanim)
{
    const Tablo *t = TabloBul(tanim.tablo);
    QStringList sonuc;
    QSet<QString> gorulen;
    bool bosVar = false;
    for (const QString &s : tanim.siralama) {
        const QString ad = s.trimmed();
        if (ad.isEmpty()) {
            bosVar = true;
            continue;
        }
        if (!t || !t->kolon(ad) || gorulen.contains(ad.toUpper()))
            continue;
        gorulen.insert(ad.toUpper());
        sonuc << ad;
    }
    if (bosVar)
        sonuc << QString();
    return sonuc;
}

RaporEkrani::RaporEkrani(const RaporTanimi &tanim, QWidget *ust)
    : QDialog(ust), m_tanim(tanim)
{
    setObjectName(tanim.ekran);
    setWindowTitle(tanim.baslik);
    resize(1000, 700);

    m_liste = new VeriSeti(tanim.tablo, this);
    m_liste->setObjectName(QStringLiteral("liste"));
    m_grup = new VeriSeti(tanim.tablo, this);
    m_grup->setObjectName(QStringLiteral("grup"));

    auto *kok = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    kok->setMenuBar(menu);
    QMenu *rapor = menu->addMenu(QStringLiteral("  Rapor "));
    QAction *a = rapor->addAction(QStringLiteral("Excele Aktar"), this, &RaporEkrani::exceleAktar);
    a->setObjectName(QStringLiteral("ExceleAktar1"));
    a->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    // Nothing to export before a list is taken.
    a->setEnabled(false);
    connect(m_liste, &VeriSeti::acildi, a, [a] { a->setEnabled(true); });
    connect(m_liste, &VeriSeti::kapandi, a, [a] { a->setEnabled(false); });
    rapor->addAction(QStringLiteral("Raporlama"));
    a = rapor->addAction(QStringLiteral("Rapor"), this, &RaporEkrani::serbestRapor);
    a->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    QMenu *ozel = menu->addMenu(QStringLiteral(" Özel Raporlar"));
    for (int i = 0; i < tanim.sablonlar.size(); ++i) {
        const QString s = tanim.sablonlar.at(i);
        ozel->addAction(QStringLiteral("Rapor %1").arg(i + 1), this, [this, s] { sablonYazdir(s); });
    }
    ozel->addAction(QStringLiteral("İndexe Göre Grup Raporları"), this, &RaporEkrani::grupRaporu);
    for (const auto &e : tanim.ekSablonlar) {
        const QString s = e.second;
        ozel->addAction(e.first, this, [this, s] { sablonYazdir(s); });
    }
    a = menu->addAction(QStringLiteral("   Listele "), this, &RaporEkrani::listele);
    a->setShortcut(QKeySequence(Qt::Key_F7));
    a = menu->addAction(QStringLiteral("   Kapat"), this, &QDialog::close);
    a->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));

    // Filter panel: three criteria a row.
    auto *panel = new QWidget;
    auto *izgara = new QGridLayout(panel);
    izgara->setContentsMargins(2, 2, 2, 2);
    const Tablo *tablo = TabloBul(tanim.tablo);
    int sira = 0;
    for (const RaporKriteri &k : tanim.kriterler) {
        const int satir = sira / 3, sutun = (sira % 3) * 2;
        ++sira;
        auto *kutu = new QWidget;
        auto *yatay = new QHBoxLayout(kutu);
        yatay->setContentsMargins(0, 0, 0, 0);
        const bool tarih = k.tur == KriterTuru::TarihAraligi;
        switch (k.tur) {
        case KriterTuru::TarihAraligi:
        case KriterTuru::Aralik: {
            for (const char *on : {"bas_", "bit_"}) {
                auto *e = new QLineEdit;
                e->setObjectName(kutuAdi(k.kolon, on));
                if (tarih)
                    e->setInputMask(QStringLiteral("00.00.0000;_"));
                yatay->addWidget(e);
            }
            break;
        }
        case KriterTuru::Metin: {
            auto *e = new QLineEdit;
            e->setObjectName(kutuAdi(k.kolon, "edt_"));
            yatay->addWidget(e);
            if (k.icindeki) {
                auto *c = new QCheckBox(k.kolon == QLatin1String("HASTAADISOYADI") ? QStringLiteral(" İ . K") : QStringLiteral("İçindeki Kelime"));
                c->setObjectName(kutuAdi(k.kolon, "ik_"));
                yatay->addWidget(c);
            }
            break;
        }
        case KriterTuru::Liste: {
            auto *c = new QComboBox;
            c->setObjectName(kutuAdi(k.kolon, "edt_"));
            if (!k.secenekler.contains(QString()))
                c->addItem(QString());
            c->addItems(k.secenekler);
            yatay->addWidget(c);
            break;
        }
        case KriterTuru::Telefon: {
            auto *c = new QCheckBox(k.baslik);
            c->setObjectName(QStringLiteral("chkCepTelefonu"));
            yatay->addWidget(c);
            break;
        }
        }
        if (!k.arama.isEmpty()) {
            auto *b = new QPushButton(QStringLiteral("..."));
            b->setObjectName(kutuAdi(k.kolon, "ara_"));
            b->setToolTip(k.aramaIpucu);
            b->setMaximumWidth(28);
            // Enter in a filter box (sort list, tick, drop-down) must not open
            // the lookup, whose pick would quietly narrow the next list.
            b->setAutoDefault(false);
            b->setDefault(false);
            connect(b, &QPushButton::clicked, this, [this, k] { arama(k); });
            yatay->addWidget(b);
        }
        if (k.tur != KriterTuru::Telefon)
            izgara->addWidget(new QLabel(k.baslik), satir, sutun);
        izgara->addWidget(kutu, satir, sutun + 1);
    }
    auto *tekerlek = new TekerlekSuzgeci(this);
    for (QWidget *w : panel->findChildren<QWidget *>()) {
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w)) {
            w->setFocusPolicy(Qt::StrongFocus); // not focused by the wheel either
            w->installEventFilter(tekerlek);
        }
    }

    // The filters above the list, in a splitter: they get the height they
    // need as long as the list keeps its rows, and scroll only below that.
    auto *listeAlani = new QWidget;
    auto *listeDuzeni = new QVBoxLayout(listeAlani);
    listeDuzeni->setContentsMargins(0, 0, 0, 0);
    auto *grid = new QTableView;
    grid->setObjectName(QStringLiteral("grdListe"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *bolucu = new ListeBolucu(panel, listeAlani, grid, ListeSatirSayisi);
    bolucu->setObjectName(QStringLiteral("bolucu"));
    bolucu->kaydirma()->setObjectName(QStringLiteral("kaydirma"));
    kok->addWidget(bolucu, 1);

    auto *alt = new QHBoxLayout;
    m_siralama = new QComboBox;
    m_siralama->setObjectName(QStringLiteral("cmbSiralama"));
    // Not editable: only the table's own columns may reach the order clause.
    m_siralama->addItem(INDEKS_SECIN);
    m_siralama->addItems(gecerliSiralama(tanim));
    alt->addWidget(m_siralama);
    alt->addStretch();
    alt->addWidget(new QLabel(QStringLiteral("Kayıt Sayısı :")));
    m_sayi = new QLabel(QStringLiteral("0"));
    m_sayi->setObjectName(QStringLiteral("lblKayitSayisi"));
    alt->addWidget(m_sayi);
    listeDuzeni->addLayout(alt);

    m_sayfalar = new QTabWidget;
    m_sayfalar->setObjectName(QStringLiteral("sayfalar"));
    m_model = new TabloModeli(m_liste, this);
    if (tablo) {
        QList<TabloKolonu> kolonlar;
        for (const Kolon &k : tablo->kolonlar)
            kolonlar.push_back({k.ad, kolonBasligi(k.ad)});
        m_model->kolonlariAyarla(kolonlar);
    }
    m_model->gorunumeBagla(grid);
    m_sayfalar->addTab(grid, QStringLiteral("Genel Liste"));
    listeDuzeni->addWidget(m_sayfalar, 1);

    // The SMS tab asks for the SMS screen's own right.
    if (!tanim.telefonKolonu.isEmpty()
        && Yetkiler::izin(YetkiOku(Oturum.kullanici_kodu, QStringLiteral("SMS"), Oturum.sirketkodu).FORMGIRISI)) {
        SmsSekmesiAyari ayar;
        const QString kolon = tanim.telefonKolonu;
        VeriSeti *vs = m_liste;
        ayar.liste = [vs, kolon] {
            QVector<SmsAlici> v;
            if (!vs->acikMi())
                return v;
            const int n = vs->kesinKayitSayisi();
            for (int i = 0; i < n; ++i)
                v.push_back({vs->satirDegeri(i, QStringLiteral("HASTAADISOYADI")).toString(),
                             vs->satirDegeri(i, kolon).toString()});
            return v;
        };
        ayar.telefonOlduguGibi = tanim.telefonOlduguGibi;
        ayar.ayarlariKaydet = !tanim.telefonOlduguGibi;
        ayar.gosterilinceDurumSor = tanim.gosterilinceDurumSor;
        m_sms = SmsSekmesiOlustur(ayar, m_sayfalar);
        if (m_sms) {
            m_sms->setObjectName(QStringLiteral("smsSekmesi"));
            m_sayfalar->addTab(m_sms, QStringLiteral("Sms Gönder"));
        }
    }
}

RaporEkrani::~RaporEkrani() = default;

QString RaporEkrani::siralamaMetni() const { return m_siralama->currentText(); }

bool RaporEkrani::filtreOlustur(QString *filtre) const
{
    const Tablo *tablo = TabloBul(m_tanim.tablo);
    QString f = QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu);
    auto kutu = [this](const QString &ad) { return findChild<QLineEdit *>(ad); };
    for (const RaporKriteri &k : m_tanim.kriterler) {
        const Kolon *kolon = tablo ? tablo->kolon(k.kolon) : nullptr;
        if (!kolon)
            continue;
        const QString ad = kolon->ad;
        switch (k.tur) {
        case KriterTuru::TarihAraligi: {
            const QString bas = kutu(QStringLiteral("bas_") + ad)->text();
            const QString bit = kutu(QStringLiteral("bit_") + ad)->text();
            for (int i = 0; i < 2; ++i) {
                const QString &m = i == 0 ? bas : bit;
                if (BosTarihMaskesi(m))
                    continue;
                const QDate d = MetindenTarih(m);
                if (!d.isValid()) {
                    Mesaj::hata(VeriSeti::gecersizDegerMesaji(k.baslik, KolonTuru::Tarih, m), const_cast<RaporEkrani *>(this));
                    return false;
                }
                // The "to" day is whole: rows stored with a time of day count too.
                f += i == 0 ? QStringLiteral(" and %1 >=%2").arg(ad, SqlTarih(d))
                            : QStringLiteral(" and %1 <%2").arg(ad, SqlTarih(d.addDays(1)));
            }
            break;
        }
        case KriterTuru::Aralik: {
            for (int i = 0; i < 2; ++i) {
                const QString m = kutu((i == 0 ? QStringLiteral("bas_") : QStringLiteral("bit_")) + ad)->text().trimmed();
                if (m.isEmpty())
                    continue;
                QString lit;
                if (!degerLiterali(*kolon, m, &lit)) {
                    Mesaj::hata(VeriSeti::gecersizDegerMesaji(k.baslik, kolon->tur, m), const_cast<RaporEkrani *>(this));
                    return false;
                }
                f += QStringLiteral(" and %1 %2").arg(ad, i == 0 ? QStringLiteral(">=") : QStringLiteral("<=")) + lit;
            }
            break;
        }
        case KriterTuru::Metin:
        case KriterTuru::Liste: {
            QString m;
            if (k.tur == KriterTuru::Metin)
                m = kutu(QStringLiteral("edt_") + ad)->text().trimmed();
            else
                m = findChild<QComboBox *>(QStringLiteral("edt_") + ad)->currentText().trimmed();
            if (m.isEmpty())
                break;
            auto *ik = findChild<QCheckBox *>(QStringLiteral("ik_") + ad);
            if (ik && ik->isChecked()) {
                // Either case matches: addresses and memos keep the case they
                // were typed in. Both sides are upper-cased (the typed text the
                // Turkish way, i -> İ; the database's upper knows no İ, which
                // the folding of the I letters on both sides makes up for).
                f += QStringLiteral(" and ")
                     + SqlKatliArama(QStringLiteral("upper(%1)").arg(ad), TurkceBuyuk(m), Benzerlik::Icerir);
                break;
            }
            QString lit;
            if (!degerLiterali(*kolon, m, &lit)) {
                Mesaj::hata(VeriSeti::gecersizDegerMesaji(k.baslik, kolon->tur, m), const_cast<RaporEkrani *>(this));
                return false;
            }
            // The program stores an apostrophe as a backtick; imported rows may keep it.
            if (m.contains(QLatin1Char('\'')) && kolon->tur != KolonTuru::Tarih)
                f += QStringLiteral(" and (%1 =%2 or %1 =%3)").arg(ad, lit, SqlDizgi(m));
            else
                f += QStringLiteral(" and %1 =").arg(ad) + lit;
            break;
        }
        case KriterTuru::Telefon:
            if (findChild<QCheckBox *>(QStringLiteral("chkCepTelefonu"))->isChecked())
                f += QStringLiteral(" and %1 is not null and %1 <> ''").arg(ad);
            break;
        }
    }
    *filtre = f;
    return true;
}

bool RaporEkrani::listele()
{
    QString filtre;
    if (!filtreOlustur(&filtre))
        return false;
    m_filtre = filtre;
    QString sira;
    const QString s = m_siralama->currentText();
    if (s != INDEKS_SECIN && !s.isEmpty())
        sira = QStringLiteral("order by ") + m_tanim.tablo.toLower() + QLatin1Char('.') + s;
    m_liste->selectMetniAyarla(SelectBasi(m_tanim.tablo.toLower()) + filtre + QStringLiteral("  ") + sira);
    if (!m_liste->ac())
        return false;
    m_sayi->setText(QString::number(m_liste->kesinKayitSayisi()));
    return true;
}

bool RaporEkrani::grupRaporuHazirla()
{
    const QString kolon = m_siralama->currentText();
    if (kolon.isEmpty() || kolon == INDEKS_SECIN) {
        Mesaj::goster(QStringLiteral("Öncelikle İndex Secmelisiniz"), this);
        return false;
    }
    if (!listele())
        return false;
    QString sql = QStringLiteral("select ") + kolon + QStringLiteral(" AS ACIKLAMA,count(*) ADET");
    if (m_tanim.grupToplami)
        sql += QStringLiteral(",SUM(UCRETI) tGeneltoplam");
    sql += QStringLiteral(" from ") + m_tanim.tablo.toLower() + QStringLiteral("  where 1=1 ") + m_filtre
         + QStringLiteral(" group by ") + kolon;
    m_grup->selectMetniAyarla(sql);
    return m_grup->ac();
}

void RaporEkrani::grupRaporu()
{
    if (grupRaporuHazirla() && RaporHizmeti().onizle)
        RaporHizmeti().onizle(m_grup, m_tanim.grupSablonu, this);
}

void RaporEkrani::sablonYazdir(const QString &sablon)
{
    // Always the list, even after a group report: the group rows belong to
    // the group template only.
    if (RaporHizmeti().onizle)
        RaporHizmeti().onizle(m_liste, sablon, this);
}

void RaporEkrani::serbestRapor()
{
    // A choice made earlier (here or on another screen) must not print when
    // the chooser is closed without one.
    Aktarim.rapor_sablonu.clear();
    if (!RaporHizmeti().sablonSec || !RaporHizmeti().sablonSec(this, true))
        return;
    if (Aktarim.rapor_sablonu.isEmpty())
        return;
    sablonYazdir(Aktarim.rapor_sablonu);
}

void RaporEkrani::exceleAktar()
{
    if (!m_liste->acikMi()) {
        Mesaj::goster(TabloAktar::ListeYokMesaji, this);
        return;
    }
    if (RaporHizmeti().disaAktar)
        RaporHizmeti().disaAktar(m_liste, this);
}

void RaporEkrani::arama(const RaporKriteri &k)
{
    AramaPenceresi d(k.arama, this);
    if (d.calistir() == QLatin1String("-1"))
        return;
    const QString deger = d.metin(k.aramaKolonu);
    if (k.tur == KriterTuru::Aralik) {
        findChild<QLineEdit *>(QStringLiteral("bas_") + k.kolon)->setText(deger);
        findChild<QLineEdit *>(QStringLiteral("bit_") + k.kolon)->setText(deger);
    } else if (auto *e = findChild<QLineEdit *>(QStringLiteral("edt_") + k.kolon)) {
        e->setText(deger);
    }
}

void RaporEkranlariniKaydet()
{
    for (const RaporTanimi &t : RaporTanimlari()) {
        const QString ekran = t.ekran;
        EkranKaydet(ekran, [ekran](QWidget *ust) -> QDialog * { return new RaporEkrani(*RaporTanimiBul(ekran), ust); });
    }
}
