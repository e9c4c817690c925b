#pragma once
// The catalogue screens: diagnoses (frm_tanilar), procedures (frm_islemler),
// tests and prices (frm_laboratuvarlar), the EK-9 list (frm_ek9). Plain
// table editors: a navigator bar, on three of them an edit panel, and a grid
// that shows and edits the same rows. No rights, no lock, no parameters.
#include <QDialog>
#include <QStringList>
#include <functional>

class Baglayici;
class QPushButton;
class QTableView;
class TabloModeli;
class VeriSeti;

class KatalogEkrani : public QDialog
{
    Q_OBJECT
public:
    // ad: frm_tanilar, frm_islemler, frm_laboratuvarlar, frm_ek9.
    explicit KatalogEkrani(const QString &ad, QWidget *ust = nullptr);
    ~KatalogEkrani() override;

    VeriSeti *veriSeti() const { return m_vs; }
    TabloModeli *model() const { return m_model; }
    QTableView *izgara() const { return m_izgara; }
    Baglayici *baglayici() const { return m_baglayici; }

    // Navigator buttons (objectNames nav_ilk … nav_yenile) and the menu.
    void ilk();
    void onceki();
    void sonraki();
    void son();
    void ekle();
    void sil();
    void duzenle();
    bool kaydet();
    void iptal();
    void yenile();
    void ara();
    void exceleAktar();

protected:
    void done(int r) override;

private:
    bool bekleyeniKaydet();

    QString m_ad;
    QString m_arama;
    VeriSeti *m_vs = nullptr;
    TabloModeli *m_model = nullptr;
    Baglayici *m_baglayici = nullptr;
    QTableView *m_izgara = nullptr;
    QString m_ilkAlan;
    std::function<void()> m_yeniDegerler;
};

class Tfrm_tanilar : public KatalogEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_tanilar(QWidget *ust = nullptr) : KatalogEkrani(QStringLiteral("frm_tanilar"), ust) {}
};
class Tfrm_islemler : public KatalogEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_islemler(QWidget *ust = nullptr) : KatalogEkrani(QStringLiteral("frm_islemler"), ust) {}
};
class Tfrm_laboratuvarlar : public KatalogEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_laboratuvarlar(QWidget *ust = nullptr)
        : KatalogEkrani(QStringLiteral("frm_laboratuvarlar"), ust) {}
};
class Tfrm_ek9 : public KatalogEkrani
{
    Q_OBJECT
public:
    explicit Tfrm_ek9(QWidget *ust = nullptr) : KatalogEkrani(QStringLiteral("frm_ek9"), ust) {}
};
