#include "randevu/frm_sms1.h"

#include "app/mesaj.h"
#include "app/oturum.h"
#include "db/sorgu.h"
#include "randevu/randevusorgu.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString GonderYazisi = QStringLiteral("S M S     G Ö N D E R");

QPushButton *dugme(const QString &metin, const QString &ad, QWidget *ust)
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(ad);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *kutu(const QString &ad, QWidget *ust)
{
    auto *k = new QLineEdit(ust);
    k->setObjectName(ad);
    return k;
}

QPlainTextEdit *metinKutusu(const QString &ad, QWidget *ust)
{
    auto *k = new QPlainTextEdit(ust);
    k->setObjectName(ad);
    return k;
}

} // namespace

Tfrm_sms1::Tfrm_sms1(QWidget *ust)
    : QDialog(ust)
{
    setObjectName(QStringLiteral("frm_sms1"));
    setWindowTitle(QStringLiteral("VELMORIKA SMS Gönderme Programı"));
    setModal(true);
    resize(900, 620);
    auto *ana = new QVBoxLayout(this);
    m_sayfalar = new QTabWidget(this);
    m_sayfalar->setObjectName(QStringLiteral("sayfalar"));
    ana->addWidget(m_sayfalar);
    QList<QPushButton *> gonderenler;
    gonderenler << hesapSayfasiKur() << topluSayfasiKur() << tekSayfasiKur() << kontrolSayfasiKur();

    auto *kapat = new QWidget;
    kapat->setObjectName(QStringLiteral("tab_kapat"));
    m_sayfalar->addTab(kapat, QStringLiteral("Kapat"));
    connect(m_sayfalar, &QTabWidget::currentChanged, this, [this, kapat](int i) {
        if (m_sayfalar->widget(i) == kapat)
            close();
    });

    // The busy sign of a request under way, with "Durdur".
    m_istekler = new SmsIstekPaneli(this);
    ana->addWidget(m_istekler);
    m_istekler->dugmeleriAyarla(gonderenler);
    connect(m_istekler, &SmsIstekPaneli::mesgulDegisti, this, &Tfrm_sms1::raporDugmeleriniAyarla);

    connect(m_hesap, &SmsHesapKutulari::operatorDegisti, this, &Tfrm_sms1::raporDugmeleriniAyarla);
    raporDugmeleriniAyarla();
}

// The account, its status and where credit is bought.
QList<QPushButton *> Tfrm_sms1::hesapSayfasiKur()
{
    auto *hesapSayfa = new QWidget;
    hesapSayfa->setObjectName(QStringLiteral("tab_kullanici"));
    auto *hd = new QGridLayout(hesapSayfa);
    m_hesap = new SmsHesapKutulari(hesapSayfa);
    hd->addWidget(m_hesap, 0, 0);
    m_kaydet = new QCheckBox(QStringLiteral("Bilgilerimi Kaydet"), hesapSayfa);
    m_kaydet->setObjectName(QStringLiteral("chk_kaydet"));
    m_kaydet->setChecked(true);
    hd->addWidget(m_kaydet, 1, 0);
    auto *tamamDugme = dugme(QStringLiteral("Tamam"), QStringLiteral("btn_tamam"), hesapSayfa);
    hd->addWidget(tamamDugme, 2, 0);
    m_durum = metinKutusu(QStringLiteral("mem_durum"), hesapSayfa);
    m_durum->setReadOnly(true);
    m_durum->setPlainText(QStringLiteral("Hesap Durumu"));
    hd->addWidget(m_durum, 0, 1, 3, 1);
    auto *firmalar = new QGroupBox(QStringLiteral("Sms Göndermek İçin Kontür Alabileceğiniz Firmalar"), hesapSayfa);
    auto *fd = new QVBoxLayout(firmalar);
    fd->addWidget(new QLabel(QStringLiteral("Mobildev  -  www.mobildev.com"), firmalar));
    fd->addWidget(new QLabel(QStringLiteral("Ekomesaj  -  www.ekomesaj.com"), firmalar));
    hd->addWidget(firmalar, 3, 0, 1, 2);
    connect(tamamDugme, &QPushButton::clicked, this, &Tfrm_sms1::tamam);
    m_sayfalar->addTab(hesapSayfa, QStringLiteral("Kullanıcı Bilgileri"));

    return {tamamDugme};
}

// Bulk messages: patients or a day's appointments listed, picked, one text to all.
QList<QPushButton *> Tfrm_sms1::topluSayfasiKur()
{
    auto *toplu = new QWidget;
    toplu->setObjectName(QStringLiteral("tab_toplu"));
    auto *td = new QVBoxLayout(toplu);
    auto *secim = new QHBoxLayout;
    m_kod1 = kutu(QStringLiteral("edt_kod1"), toplu);
    m_kod2 = kutu(QStringLiteral("edt_kod2"), toplu);
    m_doktor = kutu(QStringLiteral("edt_doktor"), toplu);
    secim->addWidget(new QLabel(QStringLiteral("Hasta Kod"), toplu));
    secim->addWidget(m_kod1);
    secim->addWidget(m_kod2);
    secim->addWidget(new QLabel(QStringLiteral("Doktoru"), toplu));
    secim->addWidget(m_doktor);
    auto *listele = dugme(QStringLiteral("Listele"), QStringLiteral("btn_listele"), toplu);
    listele->setToolTip(QStringLiteral("Hastaları Listele"));
    secim->addWidget(listele);
    secim->addWidget(new QLabel(QStringLiteral("Randevu Günü"), toplu));
    m_randevuGunu = new QDateEdit(QDate::currentDate().addDays(1), toplu);
    m_randevuGunu->setObjectName(QStringLiteral("dt_randevu"));
    m_randevuGunu->setCalendarPopup(true);
    m_randevuGunu->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    secim->addWidget(m_randevuGunu);
    auto *randevular = dugme(QStringLiteral("Randevuları Listele"), QStringLiteral("btn_randevular"), toplu);
    secim->addWidget(randevular);
    m_sayi = new QLabel(toplu);
    m_sayi->setObjectName(QStringLiteral("lbl_sayi"));
    secim->addWidget(m_sayi);
    secim->addStretch();
    td->addLayout(secim);
    connect(listele, &QPushButton::clicked, this, &Tfrm_sms1::hastalariListele);
    connect(randevular, &QPushButton::clicked, this, &Tfrm_sms1::randevulariListele);

    m_listeler = new SmsAliciListeleri(QStringLiteral("HASTA ADI"), QStringLiteral("CEP NO"), toplu);
    td->addWidget(m_listeler, 1);

    auto *ozel = new QGroupBox(QStringLiteral("Özel Olarak Listeye İsim ve Telefon Ekleme"), toplu);
    auto *od = new QHBoxLayout(ozel);
    m_ozelAd = kutu(QStringLiteral("edt_ozelad"), ozel);
    m_ozelNo = kutu(QStringLiteral("edt_ozelno"), ozel);
    od->addWidget(new QLabel(QStringLiteral("Adı Soyadı"), ozel));
    od->addWidget(m_ozelAd);
    od->addWidget(new QLabel(QStringLiteral("Cep Numarası"), ozel));
    od->addWidget(m_ozelNo);
    auto *ozelEkle = dugme(QStringLiteral("<--"), QStringLiteral("btn_ozelekle"), ozel);
    od->addWidget(ozelEkle);
    td->addWidget(ozel);
    connect(ozelEkle, &QPushButton::clicked, this, &Tfrm_sms1::ozelEkle);

    auto *mesajSatiri = new QGridLayout;
    mesajSatiri->addWidget(new QLabel(QStringLiteral("Gönderilecek SMS Metni"), toplu), 0, 0);
    m_topluMetin = metinKutusu(QStringLiteral("mem_toplu"), toplu);
    m_topluMetin->setMaximumHeight(90);
    mesajSatiri->addWidget(m_topluMetin, 1, 0, 3, 1);
    auto *topluSayac = new QLabel(toplu);
    topluSayac->setObjectName(QStringLiteral("lbl_toplusayac"));
    SmsSayacBagla(m_topluMetin, topluSayac, 160);
    mesajSatiri->addWidget(topluSayac, 0, 1);
    m_sayin = new QCheckBox(QStringLiteral("Mesajın Başına Sayın ............  ............  İfadesi Ekle"), toplu);
    m_sayin->setObjectName(QStringLiteral("chk_sayin"));
    m_sayin->setChecked(true);
    mesajSatiri->addWidget(m_sayin, 1, 1);
    mesajSatiri->addWidget(new QLabel(QStringLiteral("Bu Başlık Eklenince Mesaj Uzunluğu Yaklaşık 120 Karektere Düşer"),
                                      toplu), 2, 1);
    auto *topluGonder = dugme(GonderYazisi, QStringLiteral("btn_toplugonder"), toplu);
    mesajSatiri->addWidget(topluGonder, 3, 1);
    td->addLayout(mesajSatiri);
    connect(topluGonder, &QPushButton::clicked, this, &Tfrm_sms1::topluGonder);
    m_sayfalar->addTab(toplu, QStringLiteral("Toplu Sms Gönder"));

    return {topluGonder};
}

// One message to typed numbers.
QList<QPushButton *> Tfrm_sms1::tekSayfasiKur()
{
    auto *tek = new QWidget;
    tek->setObjectName(QStringLiteral("tab_tek"));
    auto *kd = new QGridLayout(tek);
    kd->addWidget(new QLabel(QStringLiteral("Gönderilecek SMS Metni"), tek), 0, 0);
    m_tekMetin = metinKutusu(QStringLiteral("mem_tek"), tek);
    kd->addWidget(m_tekMetin, 1, 0, 1, 2);
    auto *tekSayac = new QLabel(tek);
    tekSayac->setObjectName(QStringLiteral("lbl_teksayac"));
    SmsSayacBagla(m_tekMetin, tekSayac, 160);
    kd->addWidget(tekSayac, 0, 1);
    kd->addWidget(new QLabel(QStringLiteral("Sms Gönderilecek Cep Numarası"), tek), 2, 0);
    m_tekNumaralar = kutu(QStringLiteral("edt_numaralar"), tek);
    kd->addWidget(m_tekNumaralar, 2, 1);
    kd->addWidget(new QLabel(QStringLiteral("Birden fazla numaraya göndermek için numaraları virgülle ayırın "
                                            "(5321234567,5331234567)"), tek), 3, 0, 1, 2);
    auto *tekGonder = dugme(GonderYazisi, QStringLiteral("btn_tekgonder"), tek);
    kd->addWidget(tekGonder, 4, 1);
    connect(tekGonder, &QPushButton::clicked, this, &Tfrm_sms1::tekGonder);
    m_sayfalar->addTab(tek, QStringLiteral("Tek Sms Gönder"));

    return {tekGonder};
}

// The operator's own checks: the account, reports by message id and by dates.
QList<QPushButton *> Tfrm_sms1::kontrolSayfasiKur()
{
    auto *kontrol = new QWidget;
    kontrol->setObjectName(QStringLiteral("tab_kontrol"));
    auto *kt = new QVBoxLayout(kontrol);
    auto *kdug = new QHBoxLayout;
    auto *hesapKontrol = dugme(QStringLiteral("Kullanıcı bilgileri kontrolü"), QStringLiteral("btn_kontrolhesap"), kontrol);
    m_mesajNoRaporu = dugme(QStringLiteral("TimerID bazında rapor"), QStringLiteral("btn_kontrolmesajno"), kontrol);
    m_tarihRaporu = dugme(QStringLiteral("Tarih bazında rapor"), QStringLiteral("btn_kontroltarih"), kontrol);
    for (auto *b : {hesapKontrol, m_mesajNoRaporu, m_tarihRaporu})
        kdug->addWidget(b);
    kt->addLayout(kdug);
    m_kontrol = metinKutusu(QStringLiteral("mem_kontrol"), kontrol);
    m_kontrol->setReadOnly(true);
    kt->addWidget(m_kontrol);
    connect(hesapKontrol, &QPushButton::clicked, this, [this] { durumSor(m_kontrol); });
    auto rapor = [this](const QString &istek) {
        m_istekler->iste(Sms::Operator::Mobildev, istek, QStringLiteral("Rapor isteniyor..."), [this](const Sms::Yanit &y) {
            m_kontrol->setPlainText(y.tamam() ? Sms::satirSonlariniDuzelt(y.metin)
                                              : QStringLiteral("Operatörden yanıt alınamadı: %1").arg(y.neden));
        });
    };
    connect(m_mesajNoRaporu, &QPushButton::clicked, this,
            [this, rapor] { rapor(Sms::mesajNoRaporIstegi(m_hesap->hesap())); });
    connect(m_tarihRaporu, &QPushButton::clicked, this, [this, rapor] { rapor(Sms::tarihRaporIstegi(m_hesap->hesap())); });
    m_sayfalar->addTab(kontrol, QStringLiteral("Kontrol"));

    return {hesapKontrol, m_mesajNoRaporu, m_tarihRaporu};
}

void Tfrm_sms1::raporDugmeleriniAyarla()
{
    // The reports by message id and by dates exist at Mobildev only.
    const bool var = Sms::raporlariVar(m_hesap->secilen()) && !mesgulMu();
    m_mesajNoRaporu->setEnabled(var);
    m_tarihRaporu->setEnabled(var);
}

void Tfrm_sms1::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_gosterildi)
        return;
    m_gosterildi = true;
    m_hesap->dosyadanOku();
    durumSor(m_durum);
}

void Tfrm_sms1::hideEvent(QHideEvent *e)
{
    durdur();
    QDialog::hideEvent(e);
}

void Tfrm_sms1::durumSor(QPlainTextEdit *kutu)
{
    m_istekler->durumSor(m_hesap->hesap(), m_hesap->secilen(), kutu);
}

bool Tfrm_sms1::mesgulMu() const { return m_istekler->mesgulMu(); }

void Tfrm_sms1::durdur() { m_istekler->durdur(); }

void Tfrm_sms1::tamam()
{
    durumSor(m_durum);
    if (m_kaydet->isChecked())
        m_hesap->dosyayaYaz();
}

void Tfrm_sms1::hastalariListele()
{
    QString sql = QStringLiteral("select hastaadisoyadi, ceptel from hastalar where sirketkodu = ? "
                                 "and ceptel is not null");
    QVariantList d{Oturum.sirketkodu};
    if (!m_kod1->text().isEmpty()) {
        sql += QStringLiteral(" and hastakodu >= ?");
        d << m_kod1->text();
    }
    if (!m_kod2->text().isEmpty()) {
        sql += QStringLiteral(" and hastakodu <= ?");
        d << m_kod2->text();
    }
    if (!m_doktor->text().isEmpty()) {
        sql += QStringLiteral(" and doktoradi = ?");
        d << m_doktor->text();
    }
    sql += QStringLiteral(" order by hastalar.kayitno");
    kaynakOku(sql, d);
}

void Tfrm_sms1::randevulariListele()
{
    // Waiting ones only: a done or cancelled appointment needs no reminder.
    QString sql = QStringLiteral("select hastaadisoyadi, hastaceptel from randevu where sirketkodu = ? "
                                 "and hastaceptel is not null and muayeneoldumu = ?")
                  + RandevuSorgu::GunKosulu(QStringLiteral("randevutarihi"), m_randevuGunu->date());
    QVariantList d{Oturum.sirketkodu, RandevuSorgu::Bekliyor};
    if (!m_doktor->text().isEmpty()) {
        sql += QStringLiteral(" and doktoradi = ?");
        d << m_doktor->text();
    }
    sql += QStringLiteral(" order by randevusaati, kayitno");
    // A patient with two appointments that day gets one message.
    kaynakOku(sql, d, true);
}

void Tfrm_sms1::kaynakOku(const QString &sql, const QVariantList &d, bool numaraBasinaBir)
{
    const auto s = Sorgu::sec(sql, d);
    if (!s)
        return;
    QVector<SmsKaynakSatiri> satirlar;
    QSet<QString> gorulen;
    for (const QVariantList &r : s->satirlar) {
        const QString telefon = r.value(1).toString();
        if (numaraBasinaBir) {
            const QString numara = Sms::cepNumarasi(telefon).value_or(telefon.trimmed());
            if (gorulen.contains(numara))
                continue;
            gorulen.insert(numara);
        }
        satirlar.push_back({r.value(0).toString(), telefon});
    }
    m_listeler->kaynakAyarla(satirlar);
    m_sayi->setText(QString::number(satirlar.size()));
}

void Tfrm_sms1::ozelEkle()
{
    if (!m_listeler->ekle(m_ozelAd->text(), m_ozelNo->text())) {
        Mesaj::goster(QStringLiteral("\"%1\" bir cep telefonu numarası değil; listeye eklenmedi.").arg(m_ozelNo->text()),
                      this);
        return;
    }
    m_ozelAd->clear();
    m_ozelNo->clear();
}

void Tfrm_sms1::topluGonder()
{
    m_istekler->topluGonder(m_hesap->hesap(), m_hesap->secilen(), m_listeler->alicilar(),
                            m_topluMetin->toPlainText(), m_sayin->isChecked(), m_durum);
    if (m_topluMetin->toPlainText().trimmed().isEmpty())
        m_topluMetin->setFocus();
}

void Tfrm_sms1::tekGonder()
{
    if (m_tekMetin->toPlainText().trimmed().isEmpty()) {
        Mesaj::goster(SmsBosMetinMesaji(), this);
        m_tekMetin->setFocus();
        return;
    }
    // Every number of the comma-separated text is checked; a wrong one stops
    // the send before anything goes.
    QStringList numaralar, reddedilen;
    for (const QString &p : m_tekNumaralar->text().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (const auto n = Sms::cepNumarasi(p))
            numaralar << *n;
        else
            reddedilen << p.trimmed();
    }
    if (!reddedilen.isEmpty() || numaralar.isEmpty()) {
        Mesaj::goster(reddedilen.isEmpty()
                          ? QStringLiteral("Sms gönderilecek cep numarasını yazın.")
                          : QStringLiteral("Cep telefonu numarası olmayanlar var, mesaj gönderilmedi:\n")
                                + reddedilen.join(QLatin1Char('\n')),
                      this);
        return;
    }
    const Sms::Operator o = m_hesap->secilen();
    m_istekler->iste(o, Sms::gonderIstegi(m_hesap->hesap(), o, m_tekMetin->toPlainText(), numaralar.join(QLatin1Char(','))),
         QStringLiteral("Mesaj gönderiliyor..."), [this, o](const Sms::Yanit &y) {
             m_durum->setPlainText(y.tamam() ? y.metin
                                             : QStringLiteral("Operatörden yanıt alınamadı: %1").arg(y.neden));
             if (y.tamam())
                 Mesaj::goster(Sms::basariMesaji(o), this);
             else
                 Mesaj::hata(QStringLiteral("Mesaj gönderilemedi: %1").arg(y.neden), this);
         });
}
