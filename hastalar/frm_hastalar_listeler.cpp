// The list tabs under the patient screen's edit area: the patients
// themselves with their popup, then one patient's examinations,
// appointments, laboratory orders and procedures, read when their tab is
// opened. The popup's appointment and examination card write to those lists.
#include "hastalar/frm_hastalar.h"

#include "app/ekranlar.h"
#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sqltext.h"
#include "db/tablomodeli.h"
#include "db/veriseti.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QTableView *izgaraKur(const QString &ad, VeriSeti *vs, const QList<TabloKolonu> &kolonlar, bool duzenlenebilir,
                      QObject *sahip)
{
    auto *model = new TabloModeli(vs, sahip);
    QList<TabloKolonu> k = kolonlar;
    for (TabloKolonu &t : k)
        t.duzenlenebilir = duzenlenebilir;
    model->kolonlariAyarla(k);
    auto *g = new QTableView;
    g->setObjectName(ad);
    model->gorunumeBagla(g);
    g->verticalHeader()->setDefaultSectionSize(22);
    if (!duzenlenebilir) {
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    return g;
}

QString muayeneSirasi() { return QStringLiteral("  order by MUAYENE.muayenetarihi "); }
QString randevuSirasi() { return QStringLiteral("  order by randevu.randevutarihi,randevu.randevusaati"); }

} // namespace

void Tfrm_hastalar::hastaListesiKur()
{
    // The patient grid moves into the first list tab.
    QTableView *hastaIzgarasi = izgara();
    listeDuzeni()->removeWidget(hastaIzgarasi);
    m_listeler = new QTabWidget(this);
    m_listeler->setObjectName(QStringLiteral("PageControl1"));
    listeDuzeni()->addWidget(m_listeler);
    m_listeler->addTab(hastaIzgarasi, QStringLiteral("Hastalar"));
    model()->kolonlariAyarla({
        {QStringLiteral("KAYITNO"), QStringLiteral("K.NO")},
        {QStringLiteral("HASTAKODU"), QStringLiteral("H.KODU")},
        {QStringLiteral("HASTAADISOYADI"), QStringLiteral("HASTA ADI SOYADI"), 200},
        {QStringLiteral("DOKTORKODU"), QStringLiteral("Dr. KODU")},
        {QStringLiteral("DOKTORADI"), QStringLiteral("DOKTOR ADI"), 160},
        {QStringLiteral("BABAADI"), QStringLiteral("BABA ADI")},
        {QStringLiteral("DOGUMTARIHI"), QStringLiteral("DOGUM TARIHI")},
        {QStringLiteral("CINSIYET")},
        {QStringLiteral("EVTEL")},
        {QStringLiteral("CEPTEL"), QStringLiteral("CEP TEL")},
        {QStringLiteral("ISTEL")},
        {QStringLiteral("KURUMU")},
        {QStringLiteral("MESLEGI")},
        {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC KIMLIK NO")},
        {QStringLiteral("BOY")},
        {QStringLiteral("KILO")},
        {QStringLiteral("KOLESTROL")},
        {QStringLiteral("YAKININADI"), QStringLiteral("YAKININ ADI")},
        {QStringLiteral("YAKINLIKDURUMU"), QStringLiteral("YAKINLIK DURUMU")},
        {QStringLiteral("YAKINTEL"), QStringLiteral("YAKIN TEL")},
        {QStringLiteral("KANGRUBU"), QStringLiteral("KAN GRUBU")},
        {QStringLiteral("SIGARADURUMU"), QStringLiteral("SIGARA")},
        {QStringLiteral("OBEZITEDURUMU"), QStringLiteral("OBEZITE")},
        {QStringLiteral("ALKOLDURUMU"), QStringLiteral("ALKOL")},
        {QStringLiteral("GECIRDIGIHASTALIKLAR"), QStringLiteral("G. HASTALIKLAR")},
        {QStringLiteral("GECIRDIGIAMELIYATLAR"), QStringLiteral("G. AMELIYATLAR")},
        {QStringLiteral("KULLANDIGIILACLAR"), QStringLiteral("K. ILACLAR")},
        {QStringLiteral("ACIKLAMALAR")},
        {QStringLiteral("ADRES")},
        {QStringLiteral("ILCE")},
        {QStringLiteral("IL")},
        {QStringLiteral("ULKE")},
        {QStringLiteral("EMAIL")},
        {QStringLiteral("KAYITTARIHI")},
        {QStringLiteral("RESIMYOLU"), QStringLiteral("RESIM YOLU")},
        {QStringLiteral("EGITIMI")},
    });
    hastaIzgarasi->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto *rv = popup->addAction(QStringLiteral("Randevu Ver"));
    rv->setObjectName(QStringLiteral("RandevuVer1"));
    connect(rv, &QAction::triggered, this, [this] { randevuVer(); });
    auto *mk = popup->addAction(QStringLiteral("Muayane Kartı Ac"));
    mk->setObjectName(QStringLiteral("MuayeneKartiAc1"));
    connect(mk, &QAction::triggered, this, [this] { muayeneKartiAc(); });
    addActions({rv, mk});
    auto popupAc = [popup](QWidget *w) {
        return [popup, w](const QPoint &p) { popup->popup(w->mapToGlobal(p)); };
    };
    connect(hastaIzgarasi, &QWidget::customContextMenuRequested, this, popupAc(hastaIzgarasi));
    connect(m_kod, &QWidget::customContextMenuRequested, this, popupAc(m_kod));
    connect(hastaIzgarasi, &QAbstractItemView::doubleClicked, this, [this] { muayeneler(); });
}

void Tfrm_hastalar::hareketListeleriniKur()
{
    auto *muayeneIzgarasi = izgaraKur(
        QStringLiteral("DBGrid1"), m_muayene,
        {{QStringLiteral("MUAYENETARIHI")}, {QStringLiteral("DOKTORKODU")}, {QStringLiteral("DOKTORADI")},
         {QStringLiteral("ANAMNMEZ")}, {QStringLiteral("SIRANO")}, {QStringLiteral("MYNTESHIS")},
         {QStringLiteral("BULGULAR")}, {QStringLiteral("RAPOR")}, {QStringLiteral("TEDAVI")},
         {QStringLiteral("ILACLAR")}, {QStringLiteral("NABIZ")}, {QStringLiteral("ATES")},
         {QStringLiteral("TANSIYON")}, {QStringLiteral("SOLUNUM")}, {QStringLiteral("LABORATUVARVARMI")},
         {QStringLiteral("RADYOLOJIVARMI")}, {QStringLiteral("MUAYENEOLDUMU")},
         {QStringLiteral("SONRAKIMUAYENETARIHI")}, {QStringLiteral("MUAYENEUCRETI")},
         {QStringLiteral("ODEMESEKLI")}},
        false, this);
    connect(muayeneIzgarasi, &QAbstractItemView::doubleClicked, this, [this] {
        if (!Yetkiler::izin(yetkiler().OZELYETKI1) || !Yetkiler::izin(yetkiler().OZELYETKI2))
            return;
        if (!m_muayene->acikMi() || m_muayene->bosMu())
            return;
        Aktarim.muayene_hastakodu = m_muayene->metin(QStringLiteral("HASTAKODU"));
        Aktarim.muayene_kayitno = QString::number(m_muayene->anahtar());
        EkranAc(QStringLiteral("frm_muayene"), this);
    });
    m_listeler->addTab(muayeneIzgarasi, QStringLiteral("Muayene"));

    TabloKolonu saat{QStringLiteral("RANDEVUSAATI"), QStringLiteral("R.SAATI")};
    saat.bicim = GosterimBicimi::Saat;
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid2"), m_randevu,
                                 {{QStringLiteral("MUAYENEOLDUMU"), QStringLiteral("DURUM")},
                                  {QStringLiteral("DOKTOR"), QStringLiteral("DOKTOR KODU")},
                                  {QStringLiteral("DOKTORADI")},
                                  {QStringLiteral("RANDEVUTARIHI"), QStringLiteral("R.TARIHI")},
                                  saat,
                                  {QStringLiteral("KONU")},
                                  {QStringLiteral("RANDALMATARIHI"), QStringLiteral("K.TARIHI")},
                                  {QStringLiteral("HASTACEPTEL"), QStringLiteral("H.CEP TEL")}},
                                 true, this),
                       QStringLiteral("Randevu"));
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid3"), m_lab,
                                 {{QStringLiteral("TETKIKKODU"), QStringLiteral("T.KODU")},
                                  {QStringLiteral("TETKIKADI"), QStringLiteral("TETKIK ADI")},
                                  {QStringLiteral("ARALIK")},
                                  {QStringLiteral("DURUM"), QStringLiteral("SONUC")},
                                  {QStringLiteral("BIRIMI")},
                                  {QStringLiteral("TURU")},
                                  {QStringLiteral("ACIKLAMA")},
                                  {QStringLiteral("KOD1")},
                                  {QStringLiteral("KOD2")},
                                  {QStringLiteral("KOD3")},
                                  {QStringLiteral("UCRETI")}},
                                 true, this),
                       QStringLiteral("Laboratuvarları"));
    m_listeler->addTab(izgaraKur(QStringLiteral("DBGrid4"), m_islem,
                                 {{QStringLiteral("YAPILANISLEM"), QStringLiteral("YAPILAN İŞLEM")},
                                  {QStringLiteral("UCRETI"), QStringLiteral("ÜÇRETI")},
                                  {QStringLiteral("DOSYANO"), QStringLiteral("DOSYA NO")},
                                  {QStringLiteral("ISLEMTARIHI"), QStringLiteral("İŞLEM TARIHI")},
                                  {QStringLiteral("DUSUNCELER1"), QStringLiteral("DÜŞÜNCELER 1")},
                                  {QStringLiteral("DUSUNCELER2"), QStringLiteral("DÜŞÜNCELER 2")},
                                  {QStringLiteral("ISLEMIYAPANKODU"), QStringLiteral("İ.YAPAN KODU")},
                                  {QStringLiteral("ISLEMIYAPANADI"), QStringLiteral("İ.YAPAN ADI")},
                                  {QStringLiteral("ISLEMTURU"), QStringLiteral("İŞLEM TÜRÜ")},
                                  {QStringLiteral("BOLUM"), QStringLiteral("BÖLUM")},
                                  {QStringLiteral("BRANS"), QStringLiteral("BRANŞ")}},
                                 true, this),
                       QStringLiteral("Y.İşlemler"));
    connect(m_listeler, &QTabWidget::currentChanged, this, &Tfrm_hastalar::listeSekmesiniYukle);
}

void Tfrm_hastalar::bekleyenleriKaydet()
{
    for (VeriSeti *v : {m_randevu, m_lab, m_islem})
        if (v && v->duzenleniyorMu() && !v->kaydet())
            v->iptal();
}

void Tfrm_hastalar::listeSekmesiniYukle(int sekme)
{
    bekleyenleriKaydet();
    const QString k = kod();
    if (k.isEmpty() || sekme <= 0)
        return;
    const QString sirket = SirketKosulu();
    const QString kosul = QStringLiteral(" and hastakodu =") + SqlQuote(k);
    VeriSeti *v = nullptr;
    QString sql;
    switch (sekme) {
    case 1:
        v = m_muayene;
        sql = SelectBasi(QStringLiteral("MUAYENE")) + sirket + kosul + muayeneSirasi();
        break;
    case 2:
        v = m_randevu;
        sql = SelectBasi(QStringLiteral("randevu")) + sirket + kosul + randevuSirasi();
        break;
    case 3:
        v = m_lab;
        sql = SelectBasi(QStringLiteral("MUAYENE_lab")) + kosul + sirket
              + QStringLiteral(" order by MUAYENE_lab.LABORATUVARTARIHI");
        break;
    case 4:
        v = m_islem;
        sql = SelectBasi(QStringLiteral("YAPILANISLEMLER")) + kosul + sirket
              + QStringLiteral(" order by YAPILANISLEMLER.ISLEMTARIHI");
        break;
    default:
        return;
    }
    v->selectMetniAyarla(sql);
    v->ac();
}

// ---------------------------------------------------------------- the popup

void Tfrm_hastalar::randevuVer()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    const auto tarih = Mesaj::girdi(QStringLiteral("Randevu Tarihini Yazınız "), QStringLiteral("Prompt"),
                                    TarihMetni(QDate::currentDate()), this);
    if (!tarih)
        return;
    if (tarih->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Randevu Tarihini Yazınız."), this);
        return;
    }
    const QDate gun = MetindenTarih(*tarih);
    if (!gun.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir tarih değil. Tarihi GG.AA.YYYY biçiminde yazınız.")
                          .arg(tarih->trimmed()),
                      this);
        return;
    }
    const auto saat = Mesaj::girdi(QStringLiteral("Randevu Saatini Yazınız"), QStringLiteral("Prompt"),
                                   QStringLiteral("14:30"), this);
    if (!saat)
        return;
    if (saat->trimmed().isEmpty()) {
        Mesaj::goster(QStringLiteral("Randevu Saatini Yazınız."), this);
        return;
    }
    QTime zaman = QTime::fromString(saat->trimmed(), QStringLiteral("H:mm"));
    if (!zaman.isValid())
        zaman = QTime::fromString(saat->trimmed(), QStringLiteral("H:mm:ss"));
    if (!zaman.isValid()) {
        Mesaj::goster(QStringLiteral("\"%1\" geçerli bir saat değil. Saati SS:DD biçiminde yazınız (örnek: 14:30).")
                          .arg(saat->trimmed()),
                      this);
        return;
    }
    if (!m_randevu->acikMi()) {
        m_randevu->selectMetniAyarla(SelectBasi(QStringLiteral("randevu")) + SirketKosulu()
                                     + QStringLiteral(" and hastakodu =") + SqlQuote(kod()) + randevuSirasi());
        if (!m_randevu->ac())
            return;
    }
    if (m_randevu->duzenleniyorMu() && !m_randevu->kaydet())
        return;
    if (!m_randevu->ekle())
        return;
    auto ayarla = [this](const char *k, const QVariant &v) { m_randevu->degerAyarla(QLatin1String(k), v); };
    ayarla("DOKTOR", vs->deger(QStringLiteral("DOKTORKODU")));
    ayarla("DOKTORADI", vs->deger(QStringLiteral("DOKTORADI")));
    ayarla("RANDALMATARIHI", QDateTime(QDate::currentDate(), QTime(0, 0)));
    ayarla("RANDEVUTARIHI", QDateTime(gun, QTime(0, 0)));
    ayarla("RANDEVUSAATI", QDateTime(QDate(1899, 12, 30), zaman));
    ayarla("HASTAKODU", vs->deger(QStringLiteral("HASTAKODU")));
    ayarla("HASTAADISOYADI", vs->deger(QStringLiteral("HASTAADISOYADI")));
    ayarla("HASTACEPTEL", vs->deger(QStringLiteral("CEPTEL")));
    ayarla("MUAYENEOLDUMU", QStringLiteral("HAYIR"));
    ayarla("SIRKETKODU", Oturum.sirketkodu);
    if (!m_randevu->kaydet())
        m_randevu->iptal();
}

void Tfrm_hastalar::muayeneKartiAc()
{
    VeriSeti *vs = veriSeti();
    if (!vs->acikMi() || vs->bosMu() || vs->durum() == VeriSeti::Durum::Ekle)
        return;
    if (!Mesaj::soru(QStringLiteral("Muayene Kartı Acılsın mı ? "), this))
        return;
    if (!m_muayene->acikMi()) {
        m_muayene->selectMetniAyarla(SelectBasi(QStringLiteral("MUAYENE")) + SirketKosulu()
                                     + QStringLiteral(" and hastakodu =") + SqlQuote(kod()) + muayeneSirasi());
        if (!m_muayene->ac())
            return;
    }
    if (!m_muayene->ekle())
        return;
    auto ayarla = [this](const char *k, const QVariant &v) { m_muayene->degerAyarla(QLatin1String(k), v); };
    ayarla("DOKTORKODU", vs->deger(QStringLiteral("DOKTORKODU")));
    ayarla("DOKTORADI", vs->deger(QStringLiteral("DOKTORADI")));
    ayarla("MUAYENETARIHI", QDateTime(QDate::currentDate(), QTime(0, 0)));
    ayarla("HASTAKODU", vs->deger(QStringLiteral("HASTAKODU")));
    ayarla("HASTAADISOYADI", vs->deger(QStringLiteral("HASTAADISOYADI")));
    ayarla("HASTACEPTEL", vs->deger(QStringLiteral("CEPTEL")));
    ayarla("MUAYENEOLDUMU", QStringLiteral("H"));
    ayarla("SIRKETKODU", Oturum.sirketkodu);
    if (!m_muayene->kaydet())
        m_muayene->iptal();
}
