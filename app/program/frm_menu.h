#pragma once
// The main window: menus and the big buttons that open every screen after
// the entry test, the MENU screen parameters, the schema upgrade and the
// reminders after login. Closing it ends the program.
#include <QDialog>
#include <QHash>

class QAction;
class QLabel;
class QMenuBar;
class QToolButton;

class Tfrm_menu : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_menu(QWidget *ust = nullptr);
    ~Tfrm_menu() override;

    // The next close skips the closing question (quick menu "Kapat").
    Q_INVOKABLE void sorusuzKapat();
    // The steps run once after the window is first displayed have run.
    bool ilkEtkinlesmeYapildi() const { return m_ilkEtkinlesmeBitti; }
    // A menu entry by objectName.
    QAction *eylem(const QString &ad) const { return m_eylemler.value(ad); }

public slots:
    void reject() override;

    void hastalarClick();
    void muayeneClick();
    void randevuClick();
    void laboratuvarClick();
    void yislemlerClick();
    void personelClick();
    void odemeClick();
    void yedekleme();

signals:
    // After the first-display steps (upgrade, reminders) have run.
    void ilkEtkinlesmeBitti();

public:
    void setVisible(bool gorunur) override;

private:
    void menuKur();
    QToolButton *dugme(const char *ad, const QString &yazi, int simge);
    QAction *eylemEkle(QWidget *menu, const char *ad, const QString &yazi, const QKeySequence &kisayol = {});
    void gosterimAdimlari();
    void parametreleriUygula();
    void ilkEtkinlesme();
    bool maksimum() const;
    // Entry test on this window's own connection, then the screen.
    void ac(const QString &modul, const QString &ekran, bool maks = false, const QString &baslik = QString());

    QMenuBar *m_menu;
    QWidget *m_resim;
    QLabel *m_paneller[5];
    QHash<QString, QAction *> m_eylemler;
    QToolButton *BitBtn3, *BitBtn6, *BitBtn9, *BitBtn4, *BitBtn5, *BitBtn7, *BitBtn8, *BitBtn2;
    bool m_gosterildi = false;
    bool m_ilkEtkinlesmeBitti = false;
    bool m_sorusuz = false;
};
