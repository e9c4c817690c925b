#pragma once
// The report template chooser (frm_freeMainForm): a drive box, two places
// (the templates that come with the program, the practice's own folder), a
// folder tree and the *.frf files of the chosen folder. " S e c" stores the
// picked file's full path in Aktarim.rapor_sablonu and closes; "D ü z e n l e"
// opens the designer on it (a new template when none is picked) for users
// with the right to design; " K a p a t" closes and leaves rapor_sablonu as
// it was. The folder last used is remembered per user.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

class RaporSecici : public QDialog
{
    Q_OBJECT
public:
    // klasor: the folder shown first (empty: the folder last used, else the
    // practice's own folder when it holds templates, else the program's).
    // tasarimIzni false: the designer cannot be opened from here.
    explicit RaporSecici(QWidget *ust = nullptr, const QString &klasor = QString(), bool tasarimIzni = true);

    // The templates shipped with the program (empty when there is no such folder).
    static QString programKlasoru();
    // The practice's own templates (KendiSablonKlasoru), searched first by name.
    static QString kendiKlasoru();

    QString klasor() const { return m_klasor; }
    void klasorAc(const QString &klasor);
    QString seciliDosya() const;     // full path, empty when none is picked
    QStringList dosyalar() const;    // file names listed

private slots:
    void sec();
    void duzenle();

private:
    void klasoruHatirla() const;

    QComboBox *m_surucu = nullptr;
    QListWidget *m_yerler = nullptr;
    QTreeView *m_agac = nullptr;
    QFileSystemModel *m_model = nullptr;
    QListWidget *m_liste = nullptr;
    QString m_klasor;
    bool m_tasarimIzni = true;
};

// Opens the chooser modally. True when rapor_sablonu holds a template
// afterwards (picked now or earlier), which the caller then prints.
// tasarimIzni: the screen's report right (false: no designer from here).
bool RaporSablonuSec(QWidget *ust = nullptr, bool tasarimIzni = true);
