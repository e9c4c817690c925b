#include "app/aramapenceresi.h"

#include "app/ekranlar.h"
#include "db/baglayici.h"
#include "app/oturum.h"
#include "db/sqltext.h"
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

// The configurations registered by the feature folders (see AramaAyariKaydet).
QVector<AramaAyari> &kayitli()
{
    static QVector<AramaAyari> v;
    return v;
}

QHash<QString, LabAktarimHedefi> &hedefler()
{
    static QHash<QString, LabAktarimHedefi> h;
    return h;
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

void AramaAyariKaydet(const AramaAyari &ayar)
{
    for (AramaAyari &a : kayitli())
        if (a.ad == ayar.ad) {
            a = ayar;
            return;
        }
    kayitli() << ayar;
}

const AramaAyari *AramaAyariBul(const QString &ad)
{
    KayitlariHazirla();
    for (const AramaAyari &a : kayitli())
        if (a.ad == ad)
            return &a;
    return nullptr;
}

QStringList AramaPencereleri()
{
    KayitlariHazirla();
    QStringList l;
    for (const AramaAyari &a : kayitli())
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

AramaPenceresi::AramaPenceresi(const QString &ad, QWidget *ust, const QString &yetkiKosulu)
    : QDialog(ust), m_yetkiKosulu(yetkiKosulu)
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
    m_vs->degisiklikleriIzle(true);
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

    if (m_ayar.buyukHarf)
        BuyukHarf::surekli(m_ara);
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
    QString sql = SelectBasi(m_ayar.tablo);
    if (m_ayar.acilisKosulu)
        sql += m_ayar.acilisKosulu();
    sql += m_yetkiKosulu;
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
    bool katliIndeks = false;
    if (const Tablo *t = TabloBul(m_ayar.tablo)) {
        katliIndeks = t->katliIndeksli(kolon);
        if (const Kolon *c = t->kolon(kolon); c && c->tur == KolonTuru::Tarih)
            // dates as the user reads them: DD.MM.YYYY
            ifade = QStringLiteral("(lpad(extract(day from %1), 2, '0') || '.' || lpad(extract(month from %1), 2, '0')"
                                   " || '.' || extract(year from %1))")
                        .arg(kolon);
        else if (c && c->tur != KolonTuru::Metin && c->tur != KolonTuru::UzunMetin)
            ifade = QStringLiteral("cast(") + kolon + QStringLiteral(" as varchar(40))");
    }
    const bool icinde = m_icinde && m_icinde->isChecked();
    QString sql = SelectBasi(m_ayar.tablo);
    if (m_ayar.aramaKosulu)
        sql += m_ayar.aramaKosulu();
    sql += m_yetkiKosulu;
    if (const Tablo *t = TabloBul(m_ayar.tablo); t && kolon.compare(t->anahtar, Qt::CaseInsensitive) == 0) {
        QString n = metin.trimmed();
        if (!m_ayar.anahtarOneki.isEmpty() && n.startsWith(m_ayar.anahtarOneki, Qt::CaseInsensitive))
            n = n.mid(m_ayar.anahtarOneki.size()).trimmed();
        bool sayi = false;
        const qint64 no = n.toLongLong(&sayi);
        sql += sayi ? QStringLiteral(" and ") + kolon + QStringLiteral(" = ") + SqlNumber(no)
                    : QStringLiteral(" and 1=0");
        return sql + QStringLiteral(" ") + (m_ayar.aramaSiralama == QLatin1String("*") ? QString() : m_ayar.aramaSiralama);
    }
    // I, İ, ı and i are one letter here: a name is found however its I was typed.
    sql += QStringLiteral(" and ")
           + SqlKatliArama(ifade, metin, icinde ? Benzerlik::Icerir : Benzerlik::IleBaslar, katliIndeks);
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
    const QString deger = m_vs->metin(m_kolon->currentText());
    if (IKatla(deger) == IKatla(metin))
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
