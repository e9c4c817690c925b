#pragma once
// The login window: the first and, until a successful login, the only window
// of the process. It connects the shared database connection, checks the user
// against ELEMANLAR, fills Oturum and hands over to the main window.
#include "app/program/frm_menu.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmLogin : public QWidget
{
    Q_OBJECT
public:
    // Looks the database location up (Yerler::veritabaniYeri).
    explicit TfrmLogin(QWidget *ust = nullptr);
    // Uses the given database location instead.
    explicit TfrmLogin(const QString &konum, QWidget *ust = nullptr);
    ~TfrmLogin() override;

    // true (the program): the main window is shown modally and the program
    // ends when it closes. false: it is only shown, for tests to drive it.
    void setAnaPencereModal(bool modal) { m_modal = modal; }
    Tfrm_menu *anaPencere() const { return m_anaPencere; }

public slots:
    void btnOkeyClick();
    void btnCancelClick();
    void sirketSec();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void kur();
    void baslat(const QString *konum);
    // Opens the shared connection on the location; false (the user told) when it cannot.
    bool baglan();
    void anaPencereyiAc();

    QLineEdit *edt_sirket;
    QLineEdit *edt_kullanici_adi;
    QLineEdit *edt_sifre;
    QPushButton *btnOkey;
    QPushButton *btnCancel;
    QLabel *lbl_datayeri;
    QWidget *m_yanPanel;
    bool m_modal = true;
    QPointer<Tfrm_menu> m_anaPencere;
    QPoint m_surukle;
    QString m_konum;            // given location; else it is looked up on each try
    bool m_konumVerildi = false;
};
