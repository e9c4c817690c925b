#pragma once
// The rights screen ("Moduller"): KULLANICILAR row by row, a user's rights
// for a company regenerated in one step, and the module list MODULLER.
//
// Every change of rights needs the screen's KAYIT right ("MODULLER"):
// regenerating a user's rights, and entering or saving a flag in the grid;
// otherwise anyone who may open the screen could give himself every right.
// A regeneration replaces the rows in one transaction.
#include "app/yetki.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTableView;
class TabloModeli;
class VeriSeti;

class Tfrm_module : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_module(QWidget *ust = nullptr);

    VeriSeti *haklar() const { return m_haklar; }
    VeriSeti *moduller() const { return m_moduller; }
    TabloModeli *hakModeli() const { return m_hakModeli; }
    const Yetkiler &yetkiler() const { return m_yetki; }

    // The module names the "Modul Adı" cells offer.
    static const QStringList &modulAdlari();

    // "Şirkete Hak Tanımla", "Listele".
    void hakTanimla();
    void listele();
    // The pickers; each fills the boxes of both groups.
    void kullaniciSec();
    void sirketSec(bool liste);
    // The grids' buttons: sayfa 1 rights, 2 modules.
    void yeni(int sayfa);
    bool kaydet(int sayfa);
    void sil(int sayfa);
    void iptal(int sayfa);
    void modulListesiniAktar();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    QString hakSelect(const QString &kosul) const;

    VeriSeti *m_haklar;
    VeriSeti *m_moduller;
    TabloModeli *m_hakModeli;
    TabloModeli *m_modulModeli;
    QTabWidget *m_sayfalar;
    QLineEdit *m_kullaniciAdi;
    QLineEdit *m_kullaniciKodu;
    QLineEdit *m_sirket;
    QLineEdit *m_listeKullaniciAdi;
    QLineEdit *m_listeKullaniciKodu;
    QLineEdit *m_listeSirket;
    QRadioButton *m_yetkili;
    Yetkiler m_yetki;
    bool m_gosterildi = false;
};
