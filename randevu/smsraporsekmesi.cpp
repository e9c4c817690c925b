#include "randevu/smsraporsekmesi.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SmsRaporSekmesi::SmsRaporSekmesi(const SmsSekmesiAyari &ayar, QWidget *ust)
    : QWidget(ust)
    , m_ayar(ayar)
{
    setObjectName(QStringLiteral("sms_sekmesi"));
    auto *ana = new QVBoxLayout(this);
    m_listeler = new SmsAliciListeleri(QStringLiteral("HASTA ADI SOYADI"), QStringLiteral("TELEFON"), this);
    m_listeler->telefonOlduguGibiAyarla(ayar.telefonOlduguGibi);
    ana->addWidget(m_listeler, 1);

    auto *alt = new QGridLayout;
    alt->addWidget(new QLabel(QStringLiteral("Gönderilecek SMS Metni"), this), 0, 0);
    alt->addWidget(new QLabel(QStringLiteral("Toplam 100 Karekter"), this), 0, 1);
    m_metin = new QPlainTextEdit(this);
    m_metin->setObjectName(QStringLiteral("mem_metin"));
    m_metin->setMaximumHeight(100);
    alt->addWidget(m_metin, 1, 0, 3, 2);
    m_hesap = new SmsHesapKutulari(this);
    alt->addWidget(m_hesap, 0, 2, 4, 1);
    auto *tamamDugme = new QPushButton(QStringLiteral("Tamam"), this);
    tamamDugme->setObjectName(QStringLiteral("btn_tamam"));
    tamamDugme->setAutoDefault(false);
    alt->addWidget(tamamDugme, 0, 3);
    auto *gonderDugme = new QPushButton(QStringLiteral("S M S     G Ö N D E R"), this);
    gonderDugme->setObjectName(QStringLiteral("btn_gonder"));
    gonderDugme->setAutoDefault(false);
    alt->addWidget(gonderDugme, 1, 3);
    m_durum = new QPlainTextEdit(this);
    m_durum->setObjectName(QStringLiteral("mem_durum"));
    m_durum->setReadOnly(true);
    m_durum->setPlainText(QStringLiteral("Hesap Durumu"));
    alt->addWidget(m_durum, 2, 3, 2, 1);
    ana->addLayout(alt);
    // Requests go without holding the report screen; a busy sign with
    // "Durdur" stands meanwhile.
    m_istekler = new SmsIstekPaneli(this);
    m_istekler->dugmeleriAyarla({tamamDugme, gonderDugme});
    ana->addWidget(m_istekler);
    connect(tamamDugme, &QPushButton::clicked, this, &SmsRaporSekmesi::tamam);
    connect(gonderDugme, &QPushButton::clicked, this, &SmsRaporSekmesi::gonder);

    // The boxes come from the settings file when the report screen is made.
    m_hesap->dosyadanOku();
}

void SmsRaporSekmesi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    listeyiYenile();
    if (m_ayar.gosterilinceDurumSor) {
        m_hesap->dosyadanOku();
        durumSor();
    }
}

void SmsRaporSekmesi::listeyiYenile()
{
    QVector<SmsKaynakSatiri> satirlar;
    if (m_ayar.liste)
        for (const SmsAlici &a : m_ayar.liste())
            satirlar.push_back({a.ad, a.telefon});
    m_listeler->kaynakAyarla(satirlar);
}

void SmsRaporSekmesi::durumSor() { m_istekler->durumSor(m_hesap->hesap(), m_hesap->secilen(), m_durum); }

void SmsRaporSekmesi::tamam()
{
    durumSor();
    if (m_ayar.ayarlariKaydet)
        m_hesap->dosyayaYaz();
}

void SmsRaporSekmesi::gonder()
{
    m_istekler->topluGonder(m_hesap->hesap(), m_hesap->secilen(), m_listeler->alicilar(), m_metin->toPlainText(),
                            true, m_durum, m_ayar.basariMesaji);
}
