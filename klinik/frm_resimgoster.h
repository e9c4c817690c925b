#pragma once
// "Resim Göster": picks a JPEG file and attaches it to a record as the
// picture named by Aktarim.resim_turu + Aktarim.resim_adi.
#include <QByteArray>
#include <QDialog>
#include <QImage>

class DosyaGezgini;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

class Tfrm_resimgoster : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_resimgoster(QWidget *ust = nullptr);

    // The folder the directory and file lists show.
    QString klasor() const;
    void klasoreGit(const QString &yol);
    // The JPEG data of the picture in the frame (empty when none is loaded).
    QByteArray yukluVeri() const { return m_veri; }
    bool resimYuklu() const { return !m_resim.isNull(); }

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    void dosyaSecildi(const QString &yol);
    void dosyaYukle(const QString &yol);
    void cerceveyiGuncelle();
    void dosyaSecDiyalog();
    void iliskilendir();
    bool jpgTuruSecili() const;

    DosyaGezgini *m_gezgin;
    QScrollArea *m_cerceve;
    QLabel *m_resimEtiketi;
    QCheckBox *m_sigdir;
    QPushButton *m_dosyaSec;
    QPushButton *m_iliskilendir;
    QLabel *m_hedefEtiketi;

    QByteArray m_veri;      // the file's bytes as read, written unchanged
    QImage m_resim;         // decoded for the frame
    QString m_yukluDosya;
};
