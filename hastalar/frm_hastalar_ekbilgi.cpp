// "Ek Bilgi", the second tab of the patient screen's edit area: body and
// habits and the next of kin on the left; background, reminder and the
// record's own dates on the right.
#include "hastalar/frm_hastalar.h"
#include "hastalar/frm_hastalar_ic.h"

#include "db/baglayici.h"
#include "hastalar/iller.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace HastaEkrani;

void Tfrm_hastalar::ekBilgiSekmesiKur()
{
    Baglayici *b = baglayici();
    auto *ek = new QWidget;
    ek->setObjectName(QStringLiteral("ts_ekbilgi"));
    auto *eg = new QGridLayout(ek);
    eg->setVerticalSpacing(3);
    int es = 0, ek2 = 0;
    auto ekle = [&](const QString &t, QWidget *w, bool sag) {
        int &r = sag ? ek2 : es;
        auto *etiket = new QLabel(t);
        etiket->setBuddy(w); // messages name the field by it
        eg->addWidget(etiket, r, sag ? 2 : 0);
        eg->addWidget(w, r++, sag ? 3 : 1);
    };
    auto metinKutusu = [&](const char *ad, const char *kolon, bool buyuk) {
        auto *t = kutu(QString::fromUtf8(ad));
        b->bagla(t, QString::fromUtf8(kolon), buyuk);
        return t;
    };
    ekle(QStringLiteral("Boy"), metinKutusu("edt_boy", "BOY", false), false);
    ekle(QStringLiteral("Kilo"), metinKutusu("edt_kilo", "KILO", false), false);
    ekle(QStringLiteral("BKİ"), metinKutusu("edt_obezitedurumu", "OBEZITEDURUMU", false), false);
    auto *kan2 = secim(QStringLiteral("cmb_kangrubu2"), KanGruplari);
    b->bagla(kan2, QStringLiteral("KANGRUBU"), true);
    ekle(QStringLiteral("Kan Grubu"), kan2, false);
    auto *sigara = secim(QStringLiteral("cmb_sigaradurumu"), EvetHayir);
    b->bagla(sigara, QStringLiteral("SIGARADURUMU"), true);
    ekle(QStringLiteral("Sigara"), sigara, false);
    auto *alkol = secim(QStringLiteral("cmb_alkoldurumu"), {QStringLiteral("YOK"), QStringLiteral("AZ"),
                                                            QStringLiteral("HAFTA"), QStringLiteral("AY"),
                                                            QStringLiteral("YIL")});
    b->bagla(alkol, QStringLiteral("ALKOLDURUMU"), true);
    ekle(QStringLiteral("Alkol"), alkol, false);
    auto *kolestrol = secim(QStringLiteral("cmb_kolestrol"), EvetHayir);
    b->bagla(kolestrol, QStringLiteral("KOLESTROL"), true);
    ekle(QStringLiteral("Kolekstrol"), kolestrol, false);
    ekle(QStringLiteral("Alerji"), metinKutusu("edt_alerjidurumu", "ALERJIDURUMU", false), false);
    ekle(QStringLiteral("Genetik H."), metinKutusu("edt_genetikhastalik", "GENETIKHASTALIK", false), false);
    ekle(QStringLiteral("Yakının Adı"), metinKutusu("edt_yakininadi", "YAKININADI", false), false);
    ekle(QStringLiteral("Yakınlık Derecesi"), metinKutusu("edt_yakinlikdurumu", "YAKINLIKDURUMU", false), false);
    ekle(QStringLiteral("Yakın Tel"), metinKutusu("edt_yakintel", "YAKINTEL", false), false);
    ekle(QStringLiteral("Baba Adı"), metinKutusu("edt_babaadi", "BABAADI", true), true);
    m_email = metinKutusu("edt_email", "EMAIL", false);
    m_email->installEventFilter(this);
    m_email->setToolTip(QStringLiteral("Çift tıklayınca e-posta programı açılır"));
    ekle(QStringLiteral("Hastanın E-maili"), m_email, true);
    auto *egitim = secim(QStringLiteral("cmb_egitimi"),
                         {QStringLiteral("İLKOKUL"), QStringLiteral("ORTAOKUL"), QStringLiteral("LİSE"),
                          QStringLiteral("ÖNLİSANS"), QStringLiteral("LİSANS"), QStringLiteral("MASTER"),
                          QStringLiteral("DOKTORA"), QStringLiteral("EĞİTİMSİZ")});
    b->bagla(egitim, QStringLiteral("EGITIMI"), true);
    ekle(QStringLiteral("Eğitim Durumu"), egitim, true);
    auto *dogumYeri = secim(QStringLiteral("cmb_dogumyeri"), IlListesi());
    b->bagla(dogumYeri, QStringLiteral("DOGUMYERI"), true);
    ekle(QStringLiteral("Doğum Yeri"), dogumYeri, true);
    ekle(QStringLiteral("Ülke"), metinKutusu("edt_ulke", "ULKE", true), true);
    auto tarihKutusu = [&](const char *ad, const char *kolon) {
        auto *t = kutu(QString::fromUtf8(ad));
        b->tarihBagla(t, QString::fromUtf8(kolon));
        return t;
    };
    ekle(QStringLiteral("Yatış Tarihi"), tarihKutusu("edt_yatistarihi", "YATISTARIHI"), true);
    ekle(QStringLiteral("Hatırlatma Tarihi"), tarihKutusu("edt_hatirlatmatarihi_2", "HATIRLATMATARIHI"), true);
    auto *hatuyari2 = secim(QStringLiteral("cmb_hatuyari_2"), EvetHayir);
    b->bagla(hatuyari2, QStringLiteral("HATUYARI"), true);
    ekle(QStringLiteral("Hatırlatsın mı"), hatuyari2, true);
    auto *not2 = memo(QStringLiteral("mem_hatirlatmanotu_2"), 36);
    b->bagla(not2, QStringLiteral("HATIRLATMANOTU"));
    yetmisKarakter(not2);
    ekle(QStringLiteral("Hatırlatma Notu"), not2, true);
    ekle(QStringLiteral("Kayıt Tarihi"), tarihKutusu("edt_kayittarihi", "KAYITTARIHI"), true);
    auto *kayitDurumu = secim(QStringLiteral("cmb_kayitdurumu"), {QStringLiteral("AKTİF"), QStringLiteral("ARŞİV")});
    b->bagla(kayitDurumu, QStringLiteral("KAYITDURUMU"), true);
    ekle(QStringLiteral("Kayıt Durumu"), kayitDurumu, true);
    m_sekmeler->addTab(ek, QStringLiteral("Ek Bilgi"));
}
