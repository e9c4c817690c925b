#pragma once
// The company list of the login window ("Şirket Sec").
#include <QDialog>

class QTableWidget;

class Tfrm_sirket_ara : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_sirket_ara(QWidget *ust = nullptr);

    // The default list hides the companies marked "GG"; tumu lists every company.
    bool listele(bool tumu);
    QTableWidget *grid() const { return m_grid; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *e) override;

private:
    QTableWidget *m_grid;
    bool m_gosterildi = false;
};
