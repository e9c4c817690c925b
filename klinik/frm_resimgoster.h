#pragma once
// "Resim Göster": picks a JPEG file and attaches it to a record as the
// picture named by Aktarim.resim_turu + Aktarim.resim_adi.
#include <QByteArray>
#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollArea;

class Tfrm_resimgoster : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_resimgoster(QWidget *ust = nullptr);

    // The folder the directory and file lists show.
    QString klasor() const { return m_klasor; }
    void klasoreGit(const QString &yol);
    // The JPEG data of the picture in the frame (empty when none is loaded).
    QByteArray yukluVeri() const { return m_veri; }
    bool resimYuklu() const { return !m_resim.isNull(); }

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void surucuSecildi(int i);
    void klasorTiklandi(QListWidgetItem *oge);
    void dosyaListesiniDoldur();
    void dosyaSecildi(QListWidgetItem *oge);
    void turSecildi(int i);
    void maskeyiUygula();
    void dosyaYukle(const QString &yol);
    void cerceveyiGuncelle();
    void dosyaSecDiyalog();
    void iliskilendir();
    bool jpgTuruSecili() const;

    QComboBox *m_surucu;
    QListWidget *m_klasorler;
    QListWidget *m_dosyalar;
    QLineEdit *m_maske;
    QComboBox *m_tur;
    QScrollArea *m_cerceve;
    QLabel *m_resimEtiketi;
    QCheckBox *m_sigdir;
    QPushButton *m_dosyaSec;
    QPushButton *m_iliskilendir;
    QLabel *m_hedefEtiketi;

    QString m_klasor;
    QString m_gecerliMaske = QStringLiteral("*.jpg");
    QByteArray m_veri;      // the file's bytes as read, written unchanged
    QImage m_resim;         // decoded for the frame
    QString m_yukluDosya;
};

// Opens the picture window modally for picture kind tur and base name ad
// ("57_2", or "57" for a patient photo). Rights are the caller's business.
void ResimPenceresiAc(QWidget *ust, const QString &tur, const QString &ad);
