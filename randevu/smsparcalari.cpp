#include "randevu/smsparcalari.h"

#include "app/mesaj.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton *dugme(const QString &metin, const QString &ad, QWidget *ust)
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(ad);
    b->setAutoDefault(false);
    return b;
}

} // namespace

SmsHesapKutulari::SmsHesapKutulari(QWidget *ust)
    : QWidget(ust)
{
    auto *f = new QFormLayout(this);
    f->setContentsMargins(0, 0, 0, 0);
    m_kullanici = new QLineEdit(this);
    m_kullanici->setObjectName(QStringLiteral("edt_kullanici"));
    m_sifre = new QLineEdit(this);
    m_sifre->setObjectName(QStringLiteral("edt_sifre"));
    m_sifre->setEchoMode(QLineEdit::Password);
    m_client = new QLineEdit(this);
    m_client->setObjectName(QStringLiteral("edt_client"));
    m_operator = new QComboBox(this);
    m_operator->setObjectName(QStringLiteral("cmb_operator"));
    m_operator->addItems({Sms::operatorAdi(Sms::Operator::Mobildev), Sms::operatorAdi(Sms::Operator::Ekomesaj)});
    f->addRow(QStringLiteral("Kullanıcı Adı :"), m_kullanici);
    f->addRow(QStringLiteral("Şifre :"), m_sifre);
    f->addRow(QStringLiteral("Client Kodu :"), m_client);
    f->addRow(QStringLiteral("Operatör :"), m_operator);
    connect(m_operator, &QComboBox::currentIndexChanged, this, [this] { emit operatorDegisti(secilen()); });
}

Sms::Hesap SmsHesapKutulari::hesap() const
{
    return {m_client->text(), m_sifre->text(), m_kullanici->text(), m_operator->currentText()};
}

void SmsHesapKutulari::hesapAyarla(const Sms::Hesap &h)
{
    m_kullanici->setText(h.kullanici);
    m_sifre->setText(h.sifre);
    m_client->setText(h.clientKodu);
    m_operator->setCurrentText(Sms::operatorAdi(Sms::operatorBul(h.operatorAdi)));
}

Sms::Operator SmsHesapKutulari::secilen() const { return Sms::operatorBul(m_operator->currentText()); }

void SmsHesapKutulari::dosyadanOku()
{
    Sms::Hesap h;
    QString hata;
    if (!Sms::ayarOku(&h, &hata))
        Mesaj::hata(hata, this);
    hesapAyarla(h);
}

bool SmsHesapKutulari::dosyayaYaz()
{
    QString hata;
    if (Sms::ayarYaz(hesap(), &hata))
        return true;
    Mesaj::hata(hata, this);
    return false;
}

SmsAliciListeleri::SmsAliciListeleri(const QString &adBasligi, const QString &telefonBasligi, QWidget *ust)
    : QWidget(ust)
{
    auto *d = new QHBoxLayout(this);
    d->setContentsMargins(0, 0, 0, 0);
    m_kaynak = new QTableWidget(0, 2, this);
    m_kaynak->setObjectName(QStringLiteral("grd_kaynak"));
    m_kaynak->setHorizontalHeaderLabels({adBasligi, telefonBasligi});
    m_kaynak->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kaynak->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kaynak->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kaynak->horizontalHeader()->setStretchLastSection(true);
    m_kaynak->verticalHeader()->hide();
    m_kaynak->setColumnWidth(0, 220);
    d->addWidget(m_kaynak, 3);

    auto *dugmeler = new QVBoxLayout;
    auto *ekle = dugme(QStringLiteral("-->"), QStringLiteral("btn_ekle"), this);
    auto *hepsi = dugme(QStringLiteral("->>"), QStringLiteral("btn_hepsi"), this);
    auto *cikar = dugme(QStringLiteral("<--"), QStringLiteral("btn_cikar"), this);
    auto *temiz = dugme(QStringLiteral("<<-"), QStringLiteral("btn_temizle"), this);
    dugmeler->addStretch();
    for (auto *b : {ekle, hepsi, cikar, temiz})
        dugmeler->addWidget(b);
    dugmeler->addStretch();
    d->addLayout(dugmeler);
    connect(ekle, &QPushButton::clicked, this, &SmsAliciListeleri::birEkle);
    connect(hepsi, &QPushButton::clicked, this, &SmsAliciListeleri::hepsiniEkle);
    connect(cikar, &QPushButton::clicked, this, &SmsAliciListeleri::seciliyiCikar);
    connect(temiz, &QPushButton::clicked, this, &SmsAliciListeleri::temizle);

    m_adlar = new QListWidget(this);
    m_adlar->setObjectName(QStringLiteral("lst_adlar"));
    m_numaralar = new QListWidget(this);
    m_numaralar->setObjectName(QStringLiteral("lst_numaralar"));
    // The two lists move together: a pair is one recipient.
    connect(m_adlar, &QListWidget::currentRowChanged, m_numaralar, [this](int r) { m_numaralar->setCurrentRow(r); });
    connect(m_numaralar, &QListWidget::currentRowChanged, m_adlar, [this](int r) { m_adlar->setCurrentRow(r); });
    d->addWidget(m_adlar, 2);
    d->addWidget(m_numaralar, 1);
}

void SmsAliciListeleri::kaynakAyarla(const QVector<SmsKaynakSatiri> &satirlar)
{
    m_satirlar = satirlar;
    m_kaynak->setRowCount(int(satirlar.size()));
    for (int i = 0; i < satirlar.size(); ++i) {
        m_kaynak->setItem(i, 0, new QTableWidgetItem(satirlar[i].ad));
        m_kaynak->setItem(i, 1, new QTableWidgetItem(satirlar[i].telefon));
    }
    if (!satirlar.isEmpty())
        m_kaynak->selectRow(0);
}

int SmsAliciListeleri::kaynakSayisi() const { return int(m_satirlar.size()); }

void SmsAliciListeleri::sec(int kaynakSatiri) { m_kaynak->selectRow(kaynakSatiri); }

bool SmsAliciListeleri::ekle(const QString &ad, const QString &telefon)
{
    QString numara = telefon;
    if (!m_olduguGibi) {
        const auto n = Sms::cepNumarasi(telefon);
        if (!n)
            return false;
        numara = *n;
    }
    m_alicilar.ekle(numara, ad);
    listeleriYenile();
    return true;
}

void SmsAliciListeleri::satirlariEkle(const QList<int> &satirlar)
{
    QStringList reddedilen;
    for (int i : satirlar) {
        const SmsKaynakSatiri &s = m_satirlar.at(i);
        if (!ekle(s.ad, s.telefon))
            reddedilen << QStringLiteral("%1 (%2)").arg(s.ad, s.telefon);
    }
    if (!reddedilen.isEmpty())
        Mesaj::goster(QStringLiteral("Cep telefonu numarası olmadığı için listeye eklenmeyenler:\n")
                          + reddedilen.join(QLatin1Char('\n')),
                      this);
}

void SmsAliciListeleri::birEkle()
{
    const int r = m_kaynak->currentRow();
    if (r >= 0 && r < m_satirlar.size())
        satirlariEkle({r});
}

void SmsAliciListeleri::hepsiniEkle()
{
    QList<int> hepsi;
    for (int i = 0; i < m_satirlar.size(); ++i)
        hepsi << i;
    satirlariEkle(hepsi);
}

void SmsAliciListeleri::seciliyiCikar()
{
    m_alicilar.sil(m_adlar->currentRow());
    listeleriYenile();
}

void SmsAliciListeleri::temizle()
{
    m_alicilar.temizle();
    listeleriYenile();
}

void SmsAliciListeleri::listeleriYenile()
{
    const int r = m_adlar->currentRow();
    m_adlar->clear();
    m_numaralar->clear();
    m_adlar->addItems(m_alicilar.adlar);
    m_numaralar->addItems(m_alicilar.numaralar);
    if (m_alicilar.sayi() > 0)
        m_adlar->setCurrentRow(qBound(0, r, m_alicilar.sayi() - 1));
}

void SmsSayacBagla(QPlainTextEdit *metin, QLabel *sayac, int sinir)
{
    sayac->setText(QStringLiteral(" 0 / %1").arg(sinir));
    QObject::connect(metin, &QPlainTextEdit::textChanged, sayac, [metin, sayac, sinir] {
        QString m = metin->toPlainText();
        if (m.size() > sinir) {
            // Typed or pasted past the limit: keep the first sinir characters.
            m.truncate(sinir);
            const QSignalBlocker b(metin);
            metin->setPlainText(m);
            metin->moveCursor(QTextCursor::End);
        }
        sayac->setText(QStringLiteral("%1  /  %2").arg(m.size()).arg(sinir));
    });
}

QString SmsBosMetinMesaji() { return QStringLiteral("Gönderilecek SMS metni boş; mesaj gönderilmedi."); }

QString SmsOnaySorusu(int sayi) { return QStringLiteral("%1 kişiye mesaj gönderilecek. Gönderilsin mi?").arg(sayi); }

SmsIstekPaneli::SmsIstekPaneli(QWidget *ust) : QWidget(ust)
{
    setObjectName(QStringLiteral("pnl_mesgul"));
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    m_yazi = new QLabel(this);
    m_yazi->setObjectName(QStringLiteral("lbl_mesgul"));
    l->addWidget(m_yazi);
    auto *cubuk = new QProgressBar(this);
    cubuk->setObjectName(QStringLiteral("prg_mesgul"));
    cubuk->setRange(0, 0);
    l->addWidget(cubuk, 1);
    auto *d = dugme(QStringLiteral("Durdur"), QStringLiteral("btn_durdur"), this);
    l->addWidget(d);
    connect(d, &QPushButton::clicked, this, &SmsIstekPaneli::durdur);
    hide();
}

// A request still under way is given up as the window goes; its ending
// must not reach a panel that is half gone.
SmsIstekPaneli::~SmsIstekPaneli()
{
    if (m_istek)
        disconnect(m_istek, nullptr, this, nullptr);
}

bool SmsIstekPaneli::iste(Sms::Operator o, const QString &istek, const QString &ne,
                          std::function<void(const Sms::Yanit &)> sonra)
{
    if (mesgulMu())
        return false;
    auto *i = new Sms::Istek(o, istek, this);
    m_istek = i;
    mesgulAyarla(ne);
    connect(i, &Sms::Istek::bitti, this, [this, i, sonra](const Sms::Yanit &y) {
        i->deleteLater();
        m_istek.clear();
        mesgulAyarla(QString());
        sonra(y);
    });
    return true;
}

void SmsIstekPaneli::durumSor(const Sms::Hesap &h, Sms::Operator o, QPlainTextEdit *kutu)
{
    QPointer<QPlainTextEdit> k(kutu);
    iste(o, Sms::durumIstegi(h, o), QStringLiteral("Hesap durumu soruluyor..."), [k](const Sms::Yanit &y) {
        if (k)
            k->setPlainText(y.tamam() ? Sms::yanitAciklamasi(y.metin)
                                      : QStringLiteral("Operatörden yanıt alınamadı: %1").arg(y.neden));
    });
}

void SmsIstekPaneli::mesgulAyarla(const QString &ne)
{
    const bool mesgul = mesgulMu();
    m_yazi->setText(ne);
    setVisible(mesgul);
    for (QPushButton *b : std::as_const(m_dugmeler))
        b->setEnabled(!mesgul);
    emit mesgulDegisti(mesgul);
}

void SmsIstekPaneli::durdur()
{
    if (m_istek)
        m_istek->durdur();
}

void SmsIstekPaneli::topluGonder(const Sms::Hesap &h, Sms::Operator o, const Sms::Alicilar &a, const QString &metin,
                                 bool baslikli, QPlainTextEdit *durum, const QString &basari)
{
    if (mesgulMu())
        return;
    if (a.sayi() == 0) {
        Mesaj::hata(Sms::ozet(o, Sms::TopluSonuc(), basari), this);
        return;
    }
    if (metin.trimmed().isEmpty()) {
        Mesaj::goster(SmsBosMetinMesaji(), this);
        return;
    }
    if (!Mesaj::soru(SmsOnaySorusu(a.sayi()), this))
        return;
    m_toplu = Toplu();
    m_toplu.o = o;
    m_toplu.hesap = h;
    m_toplu.alicilar = a;
    m_toplu.metin = metin;
    m_toplu.baslikli = baslikli;
    m_toplu.durum = durum;
    m_toplu.basari = basari;
    m_toplu.sonuc.toplam = a.sayi();
    topluSonraki();
}

void SmsIstekPaneli::topluSonraki()
{
    Toplu &t = m_toplu;
    const int i = t.siradaki;
    if (i >= t.alicilar.sayi() || t.sonuc.durduruldu) {
        const QString ozet = Sms::ozet(t.o, t.sonuc, t.basari);
        if (t.sonuc.yanitlanan == t.sonuc.toplam)
            Mesaj::goster(ozet, this);
        else
            Mesaj::hata(ozet, this);
        return;
    }
    const QString ad = t.alicilar.adlar.value(i);
    const QString numara = t.alicilar.numaralar.at(i);
    iste(t.o, Sms::gonderIstegi(t.hesap, t.o, Sms::kisiselMesaj(ad, t.metin, t.baslikli), numara),
         QStringLiteral("%1 / %2 mesaj gönderiliyor...").arg(i + 1).arg(t.alicilar.sayi()),
         [this, ad, numara](const Sms::Yanit &y) {
             Toplu &t = m_toplu;
             if (t.durum)
                 t.durum->setPlainText(y.tamam() ? y.metin : QStringLiteral("%1: %2").arg(numara, y.neden));
             if (y.tamam())
                 ++t.sonuc.yanitlanan;
             else
                 t.sonuc.hatalar.push_back({numara, ad, y.neden});
             ++t.siradaki;
             if (y.durum == Sms::Yanit::Durum::Durduruldu) {
                 t.sonuc.durduruldu = true;
                 t.sonuc.gonderilmeyen = t.alicilar.sayi() - t.siradaki;
             }
             topluSonraki();
         });
}
