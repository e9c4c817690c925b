#pragma once
// The picture frames of one record, side by side: a patient's photo
// (slot 0) or a record's gallery slots (1..4), each with an optional
// "Resmi Ekle - Düzenle" button under it. The files come from the picture
// store (app/resimdeposu.h) by kind and record number; the gallery only
// shows them and reports what the user asks for. Rights and the picture
// window stay with the screen that holds it.
//
//   auto *g = new ResimGalerisi({ResimTuru::Muayene, {{1, "Image1", "btn_ekle1"}, {2, "Image2", "btn_ekle2"}},
//                                QSize(200, 160)});
//   connect(g, &ResimGalerisi::eklemeIstendi, ekran, [](int yuva) { ... EkranAc("frm_resimgoster", ...); });
//   g->kayitAyarla(QString::number(kayitno));
#include <QList>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

class ResimGalerisi : public QWidget
{
    Q_OBJECT
public:
    struct Yuva
    {
        int no = 1;          // 0: the patient's own photo, 1..4: gallery slots
        QString cerceveAdi;  // objectName of the frame
        QString dugmeAdi;    // objectName of the button under it; empty: no button
    };
    struct Ayar
    {
        QString tur;                // ResimTuru::Hasta, ::Muayene, ::Goz
        QList<Yuva> yuvalar;        // left to right
        QSize boyut{200, 160};      // fixed size of every frame
        bool cizgili = true;        // a box line around each frame
        QString dugmeMetni = QStringLiteral("Resmi Ekle - Düzenle");
    };

    explicit ResimGalerisi(const Ayar &ayar, QWidget *ust = nullptr);

    const QString &tur() const { return m_ayar.tur; }
    // The record whose pictures are shown ("57"); empty shows the blank picture.
    const QString &kayit() const { return m_kayit; }
    // Shows the pictures of another record.
    void kayitAyarla(const QString &kayit);
    // Reads the files again (after the picture window stored one).
    void yenile();

    // The file slot yuva shows (the blank picture included); empty for an unknown slot.
    QString dosya(int yuva) const;
    QLabel *cerceve(int yuva) const;
    QPushButton *dugme(int yuva) const;

    // The picture name the store and the picture window use for a slot
    // (Aktarim.resim_adi): "57" for the photo, "57_2" for gallery slot 2.
    static QString resimAdi(const QString &kayit, int yuva);
    // The file shown for slot yuva of record kayit of kind tur.
    static QString yuvaDosyasi(const QString &tur, const QString &kayit, int yuva);

signals:
    // A double click on a frame that shows a picture of the record (not the blank).
    void resimTiklandi(int yuva, const QString &dosya);
    // The slot's button: the user wants to add or replace its picture.
    void eklemeIstendi(int yuva);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    struct Cerceve
    {
        int no;
        QLabel *etiket;
        QPushButton *dugme;
    };
    const Cerceve *bul(int yuva) const;
    void goster(const Cerceve &c);

    Ayar m_ayar;
    QList<Cerceve> m_cerceveler;
    QString m_kayit;
};
