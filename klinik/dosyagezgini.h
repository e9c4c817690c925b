#pragma once
// The file browser of the file finder and the picture window: a drive
// chooser, a directory list, a file list, a mask box and a file type
// chooser. The drive chooser drives the directory list, the directory list
// and the type chooser drive the file list, selecting a file shows its name
// in the mask box, Enter in the mask box applies the typed mask (and goes no
// further, so the dialog's default button is not pressed).
#include <QList>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

class DosyaGezgini : public QWidget
{
    Q_OBJECT
public:
    struct Tur
    {
        QString metin;
        QString maske;
    };

    DosyaGezgini(const QList<Tur> &turler, QWidget *ust = nullptr);

    QString klasor() const { return m_klasor; }
    void klasoreGit(const QString &yol);
    // Full path of the file selected in the list; empty when none.
    QString seciliDosya() const;
    QString seciliTurMetni() const;
    QString seciliTurMaskesi() const;
    // Goes to the file's folder and selects it as a click would; a file the
    // mask hides is still reported as selected.
    void dosyaSec(const QString &yol);

    QComboBox *surucuKutusu() const { return m_surucu; }
    QListWidget *klasorListesi() const { return m_klasorler; }
    QListWidget *dosyaListesi() const { return m_dosyalar; }
    QLineEdit *maskeKutusu() const { return m_maske; }
    QComboBox *turKutusu() const { return m_tur; }

signals:
    void dosyaSecildi(const QString &yol);

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void dosyaListesiniDoldur();
    void klasorAc(QListWidgetItem *oge);

    QComboBox *m_surucu;
    QLabel *m_klasorEtiketi;
    QListWidget *m_klasorler;
    QListWidget *m_dosyalar;
    QLineEdit *m_maske;
    QComboBox *m_tur;
    QString m_klasor;
    QString m_gecerliMaske;
    QString m_gizliSecim;   // selected through dosyaSec although the mask hides it
};
