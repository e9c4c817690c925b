#pragma once
// The users screen ("Kullanici Tanımları "): ELEMANLAR, and the rights rows
// of the login company each new user gets (all "E" or all "H").
//
// Passwords are stored as salted hashes (Sifre::ozetle) and never shown:
// the password box is not bound to the column; what is typed in it becomes
// the new hash when the row is saved, and an empty box keeps an existing
// user's password. A new user and its rights rows, and a deleted user with
// its rights rows, are each written in one transaction.
#include "app/yetki.h"

#include <QDialog>

class Baglayici;
class QLineEdit;
class QRadioButton;
class QTableView;
class TabloModeli;
class VeriSeti;

class Tfrm_kullanici : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_kullanici(QWidget *ust = nullptr);

    VeriSeti *veriSeti() const { return m_vs; }
    TabloModeli *model() const { return m_model; }
    const Yetkiler &yetkiler() const { return m_yetki; }

    void yeni();
    bool kaydet();
    void sil();
    void iptal();

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void done(int r) override;

private:
    bool kaydetYeni();
    void kodKutusu(bool acik);

    VeriSeti *m_vs;
    TabloModeli *m_model;
    Baglayici *m_baglayici;
    QTableView *m_izgara;
    QLineEdit *m_sifre;
    QLineEdit *m_kod;
    QRadioButton *m_yetkisiz;
    QRadioButton *m_tamYetkili;
    Yetkiler m_yetki;
    bool m_gosterildi = false;
};
