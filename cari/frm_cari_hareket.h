#pragma once
// "Cari Hareket": the movements of one account (a patient's or a staff
// member's code) with an entry area, the totals of the rows listed with
// the balance side, the running balance, sort and date range, and the
// guarded delete of an erroneous movement. Opened for one account: the
// opener sets Aktarim.cari_kod / cari_unvan / cari_doktoradi, the hidden
// boxes edt_carihareketkodu and Edit1 and the list's select (selectAyarla).
#include "app/kayitekrani.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class Tfrm_cari_hareket : public KayitEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_cari_hareket(QWidget *ust = nullptr);

    // The filter of the rows listed (after "where 1=1 ", without the order):
    // the totals sum exactly these rows.
    QString listeFiltresi() const { return m_filtre; }
    bool yoneticiKoduGirildi() const { return m_yoneticiKodu; }

    void hesapla();                  // "Hesapla": totals of the rows listed
    void bakiyeGuncelle();           // "Bakiye Güncelle"
    void sirala();                   // sort and date range
    void hesapBul();                 // account lookup ("Hasta Bul")
    void ozelKodIslemi(int hangi);   // leaving OZELKOD1 / OZELKOD2
    void yoneticiKodu();             // "Yönetici Kodu"
    void yoneticiKoduDegistir();     // "Yönetici Kodunu Değiştir"
    void hataliHareketSil();         // "Hatalı Cari Hareket Silme"
    void dekont();                   // "Dekont Yazdır" / "Dekont Bas"
    // A statement of the rows listed, in their order: wide (0), narrow (1);
    // sablon: the template entries, which need the report right.
    void ekstre(int tur, bool sablon);

private:
    static KayitEkraniAyari ayarlar(Tfrm_cari_hareket *e);
    void arayuzKur();
    void toplamPaneliKur();
    void menuleriEkle();
    void gosterildi();
    void yeniSatir();
    bool eklemeDogrula();
    QString hesapKodu() const;
    QString kodAdi(int hangi) const;

    QString m_filtre;
    bool m_yoneticiKodu = false;
    QLabel *m_ozelKod1 = nullptr;
    QLabel *m_ozelKod2 = nullptr;
    QLineEdit *m_tBorc = nullptr;
    QLineEdit *m_tAlacak = nullptr;
    QLineEdit *m_bakiye = nullptr;
    QLabel *m_taraf = nullptr;
    QLabel *m_paraBirimi = nullptr;
    QCheckBox *m_vadesiGelmemis = nullptr;
    QComboBox *m_siralama = nullptr;
    QLineEdit *m_tarih1 = nullptr;
    QLineEdit *m_tarih2 = nullptr;
};
