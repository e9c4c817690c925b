#pragma once
// The report template chooser (frm_freeMainForm): a drive box, a folder tree
// and the *.frf files of the chosen folder. " S e c" stores the picked file's
// full path in Aktarim.rapor_sablonu and closes; "D ü z e n l e" opens the
// designer on it (a new template when none is picked); " K a p a t" closes
// and leaves rapor_sablonu as it was.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

class RaporSecici : public QDialog
{
    Q_OBJECT
public:
    // klasor: the folder shown first (empty: the working directory).
    explicit RaporSecici(QWidget *ust = nullptr, const QString &klasor = QString());

    QString klasor() const { return m_klasor; }
    void klasorAc(const QString &klasor);
    QString seciliDosya() const;     // full path, empty when none is picked
    QStringList dosyalar() const;    // file names listed

private slots:
    void sec();
    void duzenle();

private:
    QComboBox *m_surucu = nullptr;
    QTreeView *m_agac = nullptr;
    QFileSystemModel *m_model = nullptr;
    QListWidget *m_liste = nullptr;
    QString m_klasor;
};

// Opens the chooser modally. True when rapor_sablonu holds a template
// afterwards (picked now or earlier), which the caller then prints.
bool RaporSablonuSec(QWidget *ust = nullptr);
