#pragma once
// The "Resim" tab of the examination screens: the examination's own picture
// F + base + "_1.bmp" (F the kind's folder, base kind + record number), shown
// as it is stored. "Düzenle" opens the picture in an external editor: the one
// named by VELMORIKA_RESIM_DUZENLEYICI, else the desktop's default program for
// the file type. The editor works on a copy, so neither the stored picture nor
// the blank one changes until "Kaydet" writes the edited copy back as BMP.
#include <QString>
#include <QWidget>

class KayitEkrani;
class QBoxLayout;
class ResimGalerisi;
class QLabel;
class QProcess;
class QPushButton;

class ResimSekmesi : public QWidget
{
    Q_OBJECT
public:
    // tur: "MUAYENE" or "GOZ" (folder and name prefix); jpgDe: a stored
    // "_1.JPG" is shown and edited when there is no "_1.bmp" (the eye screen).
    ResimSekmesi(const QString &tur, bool jpgDe, QWidget *ust = nullptr);

    void kayitAyarla(const QString &kayit); // tab shown: the edit panel hides
    const QString &kayit() const { return m_kayit; }
    bool duzenle();                         // "Düzenle"
    bool kaydet();                          // "Kaydet"
    bool sil();                             // "Resmi Sil", after a question

    QString hedefDosya() const;             // F + base + "_1.bmp"; empty without a record
    QString gosterilenDosya() const { return m_gosterilen; }
    QString calismaDosyasi() const { return m_calisma; }
    QProcess *duzenleyiciSureci() const { return m_surec; }

private:
    QString kaynakDosya() const;
    void goster(const QString &dosya);

    QString m_tur;
    bool m_jpgDe;
    QString m_kayit;
    QString m_gosterilen;
    QString m_calisma;
    QLabel *m_resim = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_panelResim = nullptr;
    QProcess *m_surec = nullptr;
};

// "Seyret": the examination's video <root>/VIDEO/<tur><no>.wmv with the
// desktop's player. The label shows the file name; a missing file is said
// by name instead of handing the player nothing.
bool MuayeneVideosunuAc(const QString &tur, qint64 no, QLabel *etiket, QWidget *ust);
// The video tab's camera controls: shown, but there is no camera driver, so
// they are disabled.
void KameraDugmeleriEkle(QBoxLayout *duzen);
// The gallery "Görüntüler" of an examination screen of kind tur ("MUAYENE",
// "GOZ"): four slots; a slot's button opens the picture window for the
// current, saved examination (OZELYETKI1 of the screen's module); a double
// click asks the desktop to open the slot's .bmp name, whatever the slot shows.
ResimGalerisi *MuayeneGalerisiKur(const QString &tur, KayitEkrani *ekran);
