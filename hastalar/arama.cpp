#include "hastalar/arama.h"

#include "app/oturum.h"
#include "app/sqltext.h"
#include "db/sema.h"
#include "db/veriseti.h"
#include "db/win1254.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString sirket() { return SirketKosulu(); }

QList<TabloKolonu> kolonlar(std::initializer_list<std::pair<const char *, const char *>> l)
{
    QList<TabloKolonu> k;
    for (const auto &[ad, baslik] : l) {
        TabloKolonu t;
        t.kolon = QString::fromUtf8(ad);
        t.baslik = baslik ? QString::fromUtf8(baslik) : t.kolon;
        k << t;
    }
    return k;
}

QStringList liste(const char *s) { return QString::fromUtf8(s).split(QStringLiteral(", ")); }

QVector<AramaAyari> ayarlariKur()
{
    QVector<AramaAyari> v;

    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_hastaarama");
        a.baslik = QStringLiteral("HASTA ARAMA");
        a.tablo = QStringLiteral("HASTALAR");
        a.veriSetiAdi = QStringLiteral("t_hastalar");
        a.aramaKolonlari = liste("HASTAADISOYADI, TCKIMLIKNO, BABAADI, DOKTORADI, KANGRUBU, EVTEL, ISTEL, CEPTEL, "
                                 "ADRES, KURUMU, YAKININADI, YAKINTEL, GECIRDIGIHASTALIKLAR, GECIRDIGIAMELIYATLAR, "
                                 "KULLANDIGIILACLAR, ACIKLAMALAR, IL, ILCE, EMAIL");
        for (const QString &k : liste("HASTAKODU, HASTAADISOYADI, DOKTORADI, BABAADI, DOGUMTARIHI, CINSIYET, EVTEL, "
                                      "CEPTEL, ISTEL, MESLEGI, KURUMU, ADRES, IL, ILCE, ULKE, KANGRUBU, BOY, KILO, "
                                      "SIGARADURUMU, OBEZITEDURUMU, ALKOLDURUMU, KOLESTROL, TCKIMLIKNO, YAKININADI, "
                                      "YAKINLIKDURUMU, YAKINTEL, KAYITTARIHI, GECIRDIGIHASTALIKLAR, "
                                      "GECIRDIGIAMELIYATLAR, KULLANDIGIILACLAR, ACIKLAMALAR, EMAIL, RESIMYOLU")) {
            TabloKolonu t;
            t.kolon = k;
            a.izgaraKolonlari << t;
        }
        a.buyukHarf = true;
        a.acilisKosulu = [] {
            QString k = sirket();
            if (!Aktarim.arama_hastaadi.isEmpty())
                k += QStringLiteral(" and hastaadisoyadi=") + SqlQuote(Aktarim.arama_hastaadi);
            if (!Aktarim.arama_kayittarihi.isEmpty())
                k += QStringLiteral(" and KAYITTARIHI=") + SqlQuote(Aktarim.arama_kayittarihi);
            return k;
        };
        a.aramaKosulu = [] {
            QString k = sirket();
            if (!Aktarim.arama_kayittarihi.isEmpty())
                k += QStringLiteral(" and KAYITTARIHI =") + SqlQuote(Aktarim.arama_kayittarihi);
            return k;
        };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by HASTALAR.HASTAADISOYADI ");
        a.girdileriTemizle = [] {
            Aktarim.arama_hastaadi.clear();
            Aktarim.arama_kayittarihi.clear();
        };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_doktorarama");
        a.baslik = QStringLiteral("PERSONEL ARAMA");
        a.tablo = QStringLiteral("DOKTORLAR");
        a.veriSetiAdi = QStringLiteral("t_doktorlar");
        a.aramaKolonlari = liste("DOKTORADISOYADI, DOKTORKODU, BRANS, EVTELEFONU, CEPTELEFONU, ADRESI, "
                                 "EMAILADRESI, BOLUM, CEPTEL2");
        a.izgaraKolonlari = kolonlar({{"DOKTORKODU", "PERS. KODU"}, {"DOKTORADISOYADI", "PERSONEL ADI"},
                                      {"PERSONELTURU", "PERSONEL TÜRÜ"}, {"BRANS", nullptr},
                                      {"CEPTELEFONU", "CEP TEL"}, {"EVTELEFONU", "EV TEL"}, {"ADRESI", nullptr},
                                      {"EMAILADRESI", "EMAIL"}});
        // Opens with employed staff only; a search lists former staff too.
        a.acilisKosulu = [] { return sirket() + QStringLiteral(" and calisiyormu =") + SqlQuote(QStringLiteral("EVET")); };
        a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = QStringLiteral(" order by doktorlar.DOKTORADISOYADI ");
        a.aramaSiralama = QStringLiteral(" order by doktorlar.doktorADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_muayenearama");
        a.baslik = QStringLiteral("MUAYENE ARAMA");
        a.tablo = QStringLiteral("MUAYENE");
        a.veriSetiAdi = QStringLiteral("t_muayene");
        a.aramaKolonlari = liste("HASTAADISOYADI, DOKTORADI, HASTAKODU, DOKTORKODU, ANAMNMEZ, MYNTESHIS, RAPOR, "
                                 "TEDAVI, ILACLAR, NABIZ, ATES, TANSIYON");
        for (const QString &k : liste("HASTAKODU, HASTAADISOYADI, DOKTORKODU, DOKTORADI, MUAYENETARIHI, ANAMNMEZ, "
                                      "BULGULAR, RAPOR, TEDAVI, ILACLAR, NABIZ, ATES, TANSIYON, LABORATUVARVARMI, "
                                      "SIRANO, MYNTESHIS, RADYOLOJIVARMI, MUAYENEOLDUMU, SONRAKIMUAYENETARIHI, "
                                      "MUAYENEUCRETI, ODEMESEKLI")) {
            TabloKolonu t;
            t.kolon = k;
            a.izgaraKolonlari << t;
        }
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by muayene.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_taniarama");
        a.baslik = QStringLiteral("TANI ARAMA");
        a.tablo = QStringLiteral("TANILAR");
        a.veriSetiAdi = QStringLiteral("t_tanilar");
        a.aramaKolonlari = liste("TANI, TANITURU, TANIGRUBU");
        a.izgaraKolonlari = kolonlar({{"TANI", nullptr}, {"TANITURU", nullptr}, {"TANIGRUBU", nullptr}});
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by tanilar.tani ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_muayene_labarama");
        a.baslik = QStringLiteral("LABORATUVAR KAYIT ARAMA");
        a.tablo = QStringLiteral("MUAYENE_LAB");
        a.veriSetiAdi = QStringLiteral("t_muayene_lab");
        a.aramaKolonlari = liste("HASTAADISOYADI, DOKTORADI, TETKIKADI, TETKIKKODU, ARALIK, DURUM, BIRIMI, TURU, "
                                 "ACIKLAMA, TANI, KOD1, KOD2, KOD3, HASTAKODU, DOKTORKODU, LABORATUVARADI, OZELKOD1, "
                                 "MUAYENENO, SIRANO, KAYITNO");
        a.izgaraKolonlari = kolonlar({{"HASTAKODU", "H.KODU"}, {"HASTAADISOYADI", "HASTA ADI"}, {"MUAYENENO", "M.NO"},
                                      {"TETKIKADI", nullptr}, {"DURUM", "SONUC"}, {"TETKIKKODU", nullptr},
                                      {"ARALIK", nullptr}, {"BIRIMI", nullptr}, {"TURU", nullptr},
                                      {"LABORATUVARTARIHI", "LAB.TARİHİ"}, {"LABORATUVARSAATI", "LAB.SAATI"},
                                      {"UCRETI", nullptr}, {"KOD1", nullptr}, {"KOD2", nullptr}, {"KOD3", nullptr},
                                      {"MUAYENETARIHI", nullptr}, {"DOKTORKODU", nullptr}, {"DOKTORADI", nullptr},
                                      {"CINSIYETI", nullptr}, {"TANI", nullptr}, {"CEPNO", nullptr},
                                      {"SIRANO", nullptr}, {"LABORATUVARADI", nullptr}, {"ACIKLAMA", nullptr},
                                      {"OZELKOD1", nullptr}, {"KAYITNO", nullptr}});
        a.izgaraKolonlari[10].bicim = GosterimBicimi::Saat;
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by muayene_LAB.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_labarama");
        a.baslik = QStringLiteral("TETKİK ARAMA");
        a.tablo = QStringLiteral("LABORATUVAR");
        a.veriSetiAdi = QStringLiteral("t_laboratuvar");
        a.aramaKolonlari = liste("TETKIKADI, TETKIKKODU, ARALIK, BIRIMI, TURU, ACIKLAMA, LABORATUVARADI, UCRETI, "
                                 "KOD1, KOD2, KOD3, KAYITNO");
        a.izgaraKolonlari = kolonlar({{"TETKIKKODU", "TETKIK KODU"}, {"TETKIKADI", "TETKIK ADI"}, {"ARALIK", nullptr},
                                      {"BIRIMI", nullptr}, {"TURU", nullptr}, {"ACIKLAMA", nullptr},
                                      {"LABORATUVARADI", nullptr}, {"UCRETI", nullptr}, {"KOD1", nullptr},
                                      {"KOD2", nullptr}, {"KOD3", nullptr}, {"KAYITNO", nullptr}});
        a.cokluSecim = true;
        a.acilisKosulu = a.aramaKosulu = [] {
            return Aktarim.lab_turu.isEmpty() ? QString() : QStringLiteral(" and turu=") + SqlQuote(Aktarim.lab_turu);
        };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by laboratuvar.tetkikadi ");
        a.girdileriTemizle = [] {
            Aktarim.lab_turu.clear();
            Aktarim.lab_cagiran.clear();
        };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_gozmuayenearama");
        a.baslik = QStringLiteral("GÖZ MUAYENE ARAMA");
        a.tablo = QStringLiteral("GOZHASTALIKLARI");
        a.veriSetiAdi = QStringLiteral("t_gozhastaliklari");
        a.aramaKolonlari = liste(
            "HASTAADISOYADI, DOKTORADI, HASTAKODU, DOKTORKODU, SIKAYET, TANI, DUSUNCELER, MUAYENENO, UCRETI, "
            "KULLANICI, GOZ_SAGGZLKSUZ, GOZ_SOLGZLKSUZ, GOZ_SAGGZLKLU, GOZ_SOLGZLKLU, GOZ_SAGTAHSISLI, "
            "GOZ_SOLTAHSISLI, GOZ_FUNDUS, GOZ_ONSEG, GOZ_GENEL, REC_CAMTIPI, REC_CAMRENGI, REC_RECETE, "
            "REC_RECETEACIKLAMA, LENS_SOLISYON, LENS_LENSTIPI, LENS_SCH, LENS_LENSACIKLAMA, LENS_LENSBULGU, "
            "OPER_SOLAMLTIP, OPER_SAGAMLTIP, OPER_AMELIYATBULGU, OPER_AMELIYATACIKLAMA, SASI_SASIACIKLAMA, "
            "GLOK_FUNDUS, GLOK_GALAN, GLOK_GLOKOMACIKLAMA, TOPLAMTUTAR, LABORATUVARUCRETI");
        a.izgaraKolonlari = kolonlar({{"HASTAKODU", nullptr}, {"HASTAADISOYADI", "HASTA ADI"},
                                      {"MUAYENENO", "MUA.NO"}, {"MUAYENETARIHI", "M.TARIHI"},
                                      {"DOKTORADI", "DOKTOR ADI"}, {"ISLEMTARIHI", "ISLEM TARIHI"},
                                      {"SIKAYET", nullptr}, {"TANI", nullptr}, {"DUSUNCELER", nullptr},
                                      {"RANDEVUNO", "RNDV.NO"}, {"DOKTORKODU", "DR.KODU"}});
        a.tumKolonlarSonra = true;
        auto kosul = [] {
            QString k = sirket();
            if (!Aktarim.gozarama_muayenetarihi.isEmpty())
                k += QStringLiteral(" and MUAYENETARIHI =") + SqlQuote(Aktarim.gozarama_muayenetarihi);
            return k;
        };
        a.acilisKosulu = a.aramaKosulu = kosul;
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by gozhastaliklari.HASTAADISOYADI ");
        a.girdileriTemizle = [] { Aktarim.gozarama_muayenetarihi.clear(); };
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_ek9arama");
        a.baslik = QStringLiteral("EK 9  ARAMA");
        a.tablo = QStringLiteral("EK9");
        a.veriSetiAdi = QStringLiteral("t_ek9");
        a.aramaKolonlari = liste("ISLEMADI, PAKETKODU, ISLEMGRUBU, UCRETI, ACIKLAMA, KAYITNO, OZELKOD");
        a.izgaraKolonlari = kolonlar({{"PAKETKODU", nullptr}, {"ISLEMADI", nullptr}, {"ACIKLAMA", nullptr},
                                      {"UCRETI", nullptr}, {"ISLEMGRUBU", nullptr}, {"OZELKOD", nullptr}});
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by EK9.ISLEMADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_randevuarama");
        a.baslik = QStringLiteral("RANDEVU ARAMA");
        a.tablo = QStringLiteral("RANDEVU");
        a.veriSetiAdi = QStringLiteral("t_randevu");
        a.aramaKolonlari = liste("randalmatarihi, randevutarihi, hastakodu, hastaadisoyadi, doktoradi, doktor, "
                                 "kayitno, randevusaati, konu, muayeneoldumu, hastaceptel");
        a.ilkKolon = QStringLiteral("hastaadisoyadi");
        a.izgaraKolonlari = kolonlar({{"MUAYENEOLDUMU", "DURUM"}, {"HASTAKODU", "H.KODU"},
                                      {"HASTAADISOYADI", "H.ADI SOYADI"}, {"DOKTOR", "DR.KODU"},
                                      {"DOKTORADI", "DOKTOR ADI"}, {"RANDEVUTARIHI", "R.TARIHI"},
                                      {"RANDEVUSAATI", "R.SAATI"}, {"KONU", nullptr},
                                      {"RANDALMATARIHI", "K.TARIHI"}, {"HASTACEPTEL", nullptr}});
        a.izgaraKolonlari[6].bicim = GosterimBicimi::Saat;
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by randevu.HASTAADISOYADI ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_islemarama");
        a.baslik = QStringLiteral("İŞLEM ARAMA");
        a.tablo = QStringLiteral("ISLEMLER");
        a.veriSetiAdi = QStringLiteral("t_islemler");
        a.aramaKolonlari = liste("YAPILANISLEM, ISLEMKODU, ISLEMTURU, UCRETI, ACIKLAMA, KAYITNO");
        a.izgaraKolonlari = kolonlar({{"ISLEMKODU", nullptr}, {"YAPILANISLEM", nullptr}, {"ISLEMTURU", nullptr},
                                      {"UCRETI", nullptr}, {"ACIKLAMA", nullptr}, {"KAYITNO", nullptr}});
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.acilisSiralama = a.aramaSiralama = QStringLiteral(" order by islemler.yapilanislem ");
        v << a;
    }
    {
        AramaAyari a;
        a.ad = QStringLiteral("frm_carihareket_ara");
        a.baslik = QStringLiteral("Cari Hareket Arama");
        a.tablo = QStringLiteral("CARI_HAREKET");
        a.veriSetiAdi = QStringLiteral("t_cari_hareket");
        a.aramaKolonlari = liste("evrakno, islemtarihi, carikod, cariunvan, islemturu, vadetarihi, Aciklama, "
                                 "Ozelkod1, Ozelkod2, Borc, Alacak, Parabirimi, Evrakcinsi, Evrakkayitno");
        a.izgaraKolonlari = kolonlar({{"ISLEMTURU", nullptr}, {"EVRAKNO", nullptr}, {"ISLEMTARIHI", nullptr},
                                      {"CARIKOD", nullptr}, {"CARIUNVAN", nullptr}, {"ACIKLAMA", nullptr},
                                      {"BORC", nullptr}, {"ALACAK", nullptr}, {"VADETARIHI", nullptr},
                                      {"OZELKOD1", nullptr}, {"OZELKOD2", nullptr}, {"EVRAKKAYITNO", nullptr},
                                      {"EVRAKCINSI", nullptr}, {"KULLANICI", nullptr}});
        a.buyukHarf = true;
        a.icindekiVar = false; // values that begin with the text only
        a.acilisKosulu = a.aramaKosulu = [] { return sirket(); };
        a.aramaSiralama = QStringLiteral("*");
        v << a;
    }
    return v;
}

const QVector<AramaAyari> &ayarlar()
{
    static const QVector<AramaAyari> v = ayarlariKur();
    return v;
}

QHash<QString, LabAktarimHedefi> &hedefler()
{
    static QHash<QString, LabAktarimHedefi> h;
    return h;
}

// A single-quoted literal holding the text exactly (apostrophes doubled).
QString harfiDizgi(const QString &s)
{
    QString k = s;
    k.remove(QChar(0));
    k.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + k + QLatin1Char('\'');
}

// LIKE pattern for "contains", with %, _ and the escape character taken literally.
QString icerirDeseni(const QString &s)
{
    QString k;
    for (QChar c : s) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('!'))
            k += QLatin1Char('!');
        k += c;
    }
    return harfiDizgi(QLatin1Char('%') + k + QLatin1Char('%')) + QStringLiteral(" escape '!'");
}

QString kayitNoMetni(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (ok && d == double(qint64(d)))
        return QString::number(qint64(d));
    return v.toString();
}

} // namespace

const AramaAyari *AramaAyariBul(const QString &ad)
{
    for (const AramaAyari &a : ayarlar())
        if (a.ad == ad)
            return &a;
    return nullptr;
}

QStringList AramaPencereleri()
{
    QStringList l;
    for (const AramaAyari &a : ayarlar())
        l << a.ad;
    return l;
}

LabAktarimHedefi LabAktarimHedefiKaydet(const QString &cagiran, LabAktarimHedefi hedef)
{
    LabAktarimHedefi eski = hedefler().value(cagiran);
    if (hedef)
        hedefler().insert(cagiran, std::move(hedef));
    else
        hedefler().remove(cagiran);
    return eski;
}

AramaPenceresi::AramaPenceresi(const QString &ad, QWidget *ust) : QDialog(ust)
{
    if (const AramaAyari *a = AramaAyariBul(ad))
        m_ayar = *a;
    else
        m_ayar.ad = ad;
    setObjectName(ad);
    setWindowTitle(m_ayar.baslik);
    setModal(true);
    resize(900, 520);

    m_vs = new VeriSeti(m_ayar.tablo, this);
    m_vs->setObjectName(m_ayar.veriSetiAdi);
    m_model = new TabloModeli(m_vs, this);
    QList<TabloKolonu> k = m_ayar.izgaraKolonlari;
    if (m_ayar.tumKolonlarSonra)
        if (const Tablo *t = TabloBul(m_ayar.tablo)) {
            QStringList var;
            for (const TabloKolonu &x : k)
                var << x.kolon.toUpper();
            for (const Kolon &c : t->kolonlar)
                if (!var.contains(c.ad) && c.ad != QLatin1String("KAYITNO") && c.ad != QLatin1String("SIRKETKODU")) {
                    TabloKolonu y;
                    y.kolon = c.ad;
                    k << y;
                }
        }
    m_model->kolonlariAyarla(k);

    auto *ana = new QVBoxLayout(this);
    auto *ust1 = new QHBoxLayout;
    ana->addLayout(ust1);
    ust1->addWidget(new QLabel(QStringLiteral("Aranacak Alan"), this));
    m_kolon = new QComboBox(this);
    m_kolon->setObjectName(QStringLiteral("cbx_aranacak"));
    m_kolon->addItems(m_ayar.aramaKolonlari);
    {
        int i = m_ayar.ilkKolon.isEmpty() ? 0 : m_ayar.aramaKolonlari.indexOf(m_ayar.ilkKolon);
        m_kolon->setCurrentIndex(i < 0 ? 0 : i);
    }
    ust1->addWidget(m_kolon);
    ust1->addWidget(new QLabel(QStringLiteral("Bul"), this));
    m_ara = new QLineEdit(this);
    m_ara->setObjectName(QStringLiteral("edt_ara"));
    ust1->addWidget(m_ara, 1);
    if (m_ayar.icindekiVar) {
        m_icinde = new QCheckBox(QStringLiteral("İçindeki Kelimeyi Ara"), this);
        m_icinde->setObjectName(QStringLiteral("CheckBox2"));
        m_icinde->setChecked(false);
        ust1->addWidget(m_icinde);
    }

    m_izgara = new QTableView(this);
    m_izgara->setObjectName(QStringLiteral("DBGrid5"));
    m_model->gorunumeBagla(m_izgara);
    m_izgara->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_izgara->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_izgara->setSelectionMode(m_ayar.cokluSecim ? QAbstractItemView::ExtendedSelection
                                                 : QAbstractItemView::SingleSelection);
    m_izgara->verticalHeader()->setDefaultSectionSize(22);
    ana->addWidget(m_izgara, 1);

    auto *alt = new QHBoxLayout;
    ana->addLayout(alt);
    alt->addStretch(1);
    if (m_ayar.cokluSecim) {
        m_aktar = new QPushButton(QStringLiteral("Secilenleri Aktar"), this);
        m_aktar->setObjectName(QStringLiteral("btn_aktar"));
        m_aktar->setAutoDefault(false);
        alt->addWidget(m_aktar);
        connect(m_aktar, &QPushButton::clicked, this, &AramaPenceresi::secilenleriAktar);
    }
    auto *evet = new QPushButton(QStringLiteral("Evet"), this);
    evet->setObjectName(QStringLiteral("btn_evet"));
    evet->setDefault(true);
    auto *hayir = new QPushButton(QStringLiteral("Hayır"), this);
    hayir->setObjectName(QStringLiteral("btn_hayir"));
    hayir->setAutoDefault(false);
    alt->addWidget(evet);
    alt->addWidget(hayir);
    connect(evet, &QPushButton::clicked, this, &QDialog::accept);
    connect(hayir, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_izgara, &QTableView::doubleClicked, this, [this] { accept(); });

    connect(m_ara, &QLineEdit::textEdited, this, [this](const QString &s) {
        if (m_ayar.buyukHarf) {
            const QString b = TurkceBuyuk(s);
            if (b != s) {
                const int imlec = m_ara->cursorPosition();
                m_ara->setText(b);
                m_ara->setCursorPosition(imlec);
            }
        }
    });
    connect(m_ara, &QLineEdit::textChanged, this, &AramaPenceresi::metinDegisti);
    if (m_icinde)
        connect(m_icinde, &QCheckBox::toggled, this, [this] { ara(); });
    // Rows in the order the user picked them.
    connect(m_izgara->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &secilen, const QItemSelection &birakilan) {
                for (const QModelIndex &i : birakilan.indexes())
                    m_secimSirasi.removeAll(i.row());
                for (const QModelIndex &i : secilen.indexes())
                    if (!m_secimSirasi.contains(i.row()))
                        m_secimSirasi << i.row();
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { m_secimSirasi.clear(); });

    // The opening list.
    QString sql = QStringLiteral("select * from ") + m_ayar.tablo + QStringLiteral(" where 1=1 ");
    if (m_ayar.acilisKosulu)
        sql += m_ayar.acilisKosulu();
    sql += m_ayar.acilisSiralama.isEmpty() ? QStringLiteral(" ") : m_ayar.acilisSiralama;
    m_vs->selectMetniAyarla(sql);
    m_vs->ac();
}

AramaPenceresi::~AramaPenceresi()
{
    if (!m_temizlendi && m_ayar.girdileriTemizle)
        m_ayar.girdileriTemizle();
}

void AramaPenceresi::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    m_ara->setFocus();
}

QString AramaPenceresi::calistir()
{
    exec();
    return m_sonuc;
}

void AramaPenceresi::done(int r)
{
    // Confirming an empty list gives nothing to copy: it counts as a cancel.
    if (r == QDialog::Accepted && m_vs->acikMi() && !m_vs->bosMu())
        m_sonuc = kayitNoMetni(m_vs->deger(QStringLiteral("KAYITNO")));
    else
        m_sonuc = QStringLiteral("-1");
    if (r == QDialog::Accepted)
        Aktarim.lab_cagiran.clear();
    if (m_ayar.girdileriTemizle)
        m_ayar.girdileriTemizle();
    m_temizlendi = true;
    QDialog::done(r);
}

QVariant AramaPenceresi::deger(const QString &kolon) const { return m_vs->deger(kolon); }
QString AramaPenceresi::metin(const QString &kolon) const { return m_vs->metin(kolon); }

QString AramaPenceresi::aramaMetni(const QString &metin) const
{
    if (metin.isEmpty())
        return QString();
    const QString kolon = m_kolon->currentText();
    if (!m_ayar.aramaKolonlari.contains(kolon))
        return QString(); // only the listed names ever reach the statement
    // Text columns are matched as they are; others by their text form.
    QString ifade = kolon;
    if (const Tablo *t = TabloBul(m_ayar.tablo))
        if (const Kolon *c = t->kolon(kolon); c && c->tur == KolonTuru::Tarih)
            // dates as the user reads them: DD.MM.YYYY
            ifade = QStringLiteral("(lpad(extract(day from %1), 2, '0') || '.' || lpad(extract(month from %1), 2, '0')"
                                   " || '.' || extract(year from %1))")
                        .arg(kolon);
        else if (c && c->tur != KolonTuru::Metin && c->tur != KolonTuru::UzunMetin)
            ifade = QStringLiteral("cast(") + kolon + QStringLiteral(" as varchar(40))");
    const bool icinde = m_icinde && m_icinde->isChecked();
    QString sql = QStringLiteral("select * from ") + m_ayar.tablo + QStringLiteral(" where 1=1 ");
    if (m_ayar.aramaKosulu)
        sql += m_ayar.aramaKosulu();
    // "starting with" is the prefix match the index serves.
    sql += QStringLiteral(" and ") + ifade
           + (icinde ? QStringLiteral(" like ") + icerirDeseni(metin)
                     : QStringLiteral(" starting with ") + harfiDizgi(metin));
    if (m_ayar.aramaSiralama == QLatin1String("*"))
        sql += QStringLiteral("  order by ") + m_ayar.tablo.toLower() + QLatin1Char('.') + kolon;
    else
        sql += QStringLiteral(" ") + m_ayar.aramaSiralama;
    return sql;
}

void AramaPenceresi::metinDegisti(const QString &) { ara(); }

void AramaPenceresi::ara()
{
    const QString metin = m_ara->text();
    if (metin.isEmpty())
        return; // the last list stays
    if (!Win1254::disindakiler(metin).isEmpty()) {
        // A character the database cannot hold matches no stored value.
        m_vs->selectMetniAyarla(QStringLiteral("select * from ") + m_ayar.tablo + QStringLiteral(" where 1=0"));
        m_vs->ac();
        return;
    }
    const QString sql = aramaMetni(metin);
    if (sql.isEmpty())
        return;
    m_vs->selectMetniAyarla(sql);
    if (!m_vs->ac() || m_vs->bosMu())
        return; // the focus stays in the search box
    QString deger = m_vs->metin(m_kolon->currentText());
    if (deger == metin)
        m_izgara->setFocus(); // the next Enter confirms this row
}

void AramaPenceresi::secilenleriAktar()
{
    const QString cagiran = Aktarim.lab_cagiran;
    const LabAktarimHedefi hedef = hedefler().value(cagiran);
    if (!cagiran.isEmpty() && hedef) {
        static const char *alanlar[] = {"TETKIKKODU", "TETKIKADI", "ARALIK", "TURU", "BIRIMI",
                                        "UCRETI", "KOD1", "KOD2", "KOD3"};
        const QList<int> sira = m_secimSirasi;
        for (int satir : sira) {
            QVariantMap m;
            for (const char *a : alanlar)
                m.insert(QLatin1String(a), m_vs->satirDegeri(satir, QLatin1String(a)));
            if (!hedef(m))
                break;
        }
    }
    Aktarim.lab_cagiran.clear();
}
