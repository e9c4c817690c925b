#pragma once
// "ÖDEME": one payment at a time as a row of CARI_HAREKET, money received
// from a patient ("GELİR", a credit) or paid out to staff ("GİDER", a
// debit). Empty until "Yeni"; empty again after every save or cancel. The
// account comes preset from the opener (Aktarim.cari_kod / cari_unvan /
// cari_doktoradi) or from the patient or staff lookup.
#include "app/yetki.h"

#include <QDialog>
#include <QStringList>

class Baglayici;
class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class VeriSeti;

class Tfrm_odeme : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_odeme(QWidget *ust = nullptr);
    ~Tfrm_odeme() override;

    VeriSeti *veriSeti() const { return m_vs; }
    const Yetkiler &yetkiler() const { return m_yetki; }
    QString parametre(int n) const;
    // The payment last saved on this showing (0: none): the receipt and the
    // notes of the empty form are for it.
    qint64 sonKayitNo() const { return m_sonKayitNo; }
    // "GELİR" chosen: the amount is a credit (ALACAK), else a debit (BORC).
    bool gelirMi() const;

    void yeni();
    bool kaydet();
    void iptal();
    void sil();
    void hesapBul();
    void ozelKodIslemi(int hangi);
    void dekont();
    void raporlama();
    void aciklamaNotlar();

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void done(int r) override;

private:
    bool izin(const QString &bayrak);
    void girisAlaniniAyarla();
    void dugmeleriAyarla(bool bos);
    void odakla(const QString &ad);

    VeriSeti *m_vs = nullptr;
    Baglayici *m_baglayici = nullptr;
    QWidget *m_giris = nullptr;
    QLineEdit *m_tutar = nullptr;
    QRadioButton *m_hasta = nullptr, *m_personel = nullptr, *m_cari = nullptr;
    QRadioButton *m_gelir = nullptr, *m_gider = nullptr;
    Yetkiler m_yetki;
    QStringList m_parametreler;
    qint64 m_sonKayitNo = 0;
    bool m_gosterildi = false;
    bool m_kapandi = false;
};
