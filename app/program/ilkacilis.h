#pragma once
// The first start on a machine where no database location is set anywhere
// (app/yerler.h): instead of an error, a small dialog offers the demo
// database (a file under the data root, opened by the embedded engine) or a
// server's database. The choice is written to the user's datayeri.txt (the
// server's user and password to the workstation settings file), so that it
// is asked once.
#include <QDialog>

class QLineEdit;
class QRadioButton;

class IlkAcilis : public QDialog
{
    Q_OBJECT
public:
    explicit IlkAcilis(QWidget *ust = nullptr);

    // The location chosen (after "Devam").
    QString konum() const { return m_konum; }
    // Where the demo database is made: VELMORIKA.FDB under the data root.
    static QString ornekVeritabaniYolu();

public slots:
    void accept() override;

private:
    bool ornekHazirla();
    bool sunucuyuYaz();

    QRadioButton *m_ornek;
    QRadioButton *m_sunucu;
    QLineEdit *m_konumKutusu;
    QLineEdit *m_kullanici;
    QLineEdit *m_sifre;
    QString m_konum;
};
