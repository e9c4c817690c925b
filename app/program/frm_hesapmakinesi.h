#pragma once
// The calculator window ("HESAP MAKINESI"): a pocket calculator with the
// four operations, decimal comma, clear and keyboard entry.
#include <QDialog>
#include <QString>

class QLineEdit;

// The calculator's working, apart from its window.
class HesapMakinesi
{
public:
    void rakam(int r);
    void virgul();
    void islem(QChar islem); // '+', '-', '*', '/'
    void esittir();
    void temizle();
    void sil();       // last digit typed
    void isaret();    // change sign
    QString ekran() const { return m_gosterge; }

    // Number to the text the calculator shows ("2,5", "-3").
    static QString bicimle(double d);

private:
    double deger() const;
    void hesapla();
    void hataMi();

    QString m_gosterge = QStringLiteral("0");
    double m_birikim = 0;
    QChar m_islem;
    bool m_yeni = true;
    bool m_hata = false;
};

class Tfrm_hesapmakinesi : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_hesapmakinesi(QWidget *ust = nullptr);
    QString ekran() const { return m_hesap.ekran(); }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void tus(const QString &t);
    void guncelle();

    HesapMakinesi m_hesap;
    QLineEdit *m_ekran;
};
