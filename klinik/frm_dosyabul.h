#pragma once
// "Dosya Bul": picks a file for a document. Its button hands the chosen path
// to the caller's function, which may refuse it (the finder then stays open).
#include <QDialog>
#include <functional>

class DosyaGezgini;

class Tfrm_dosyabul : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_dosyabul(QWidget *ust = nullptr);

    DosyaGezgini *gezgin() const { return m_gezgin; }
    // Called with the chosen path (native separators); true closes the finder.
    std::function<bool(const QString &yol)> secildi;
    QString secilenYol() const { return m_secilen; }

private:
    void kaydet();
    DosyaGezgini *m_gezgin;
    QString m_secilen;
};
