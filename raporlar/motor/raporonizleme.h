#pragma once
// The report preview window (frm_onizleme): zoom, page navigation, print,
// save as PDF, find, load another template, help, close. Modal.
#include "raporlar/motor/rapor.h"

#include <QDialog>

class QComboBox;
class QPrinter;
class QPushButton;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;

class RaporOnizleme : public QDialog
{
    Q_OBJECT
public:
    // Lays the report out (with a progress window for long ones) and shows its first page.
    explicit RaporOnizleme(Rapor &rapor, QWidget *ust = nullptr);

    const RaporBelgesi &belge() const { return m_belge; }
    int gecerliSayfa() const { return m_sayfa; }
    qreal yakinlik() const { return m_yakinlik; }

    void sayfayaGit(int sayfa);
    void yakinlikAyarla(qreal oran);
    // Finds the text from the page after the last hit on; false when not found.
    bool bul(const QString &metin);
    bool pdfKaydet(const QString &yol);
    // A layout cancelled by the user: nothing shown, nothing to print or save.
    bool iptalEdildi() const { return m_belge.iptal; }
    // The printer made ready for the print dialog: a document name without
    // folders, and without any printer a PDF file of that name in the
    // working folder (one not there yet) for the dialog to offer.
    void yaziciHazirla(QPrinter &yazici) const;
    // Loads another template over the same data; on error the preview stays as it was.
    bool sablonYukle(const QString &yol);

private slots:
    void yazdir();
    void pdfKaydetSor();
    void sablonYukleSor();
    void bulTikla();
    void yardim();

private:
    void yenidenDiz();
    void ciz();
    void durumGuncelle();

    Rapor &m_rapor;
    RaporBelgesi m_belge;
    int m_sayfa = 0;
    qreal m_yakinlik = 1.0;
    QString m_aranan;
    int m_aramaSayfasi = -1;

    QScrollArea *m_alan = nullptr;
    QLabel *m_resim = nullptr;
    QSpinBox *m_spnSayfa = nullptr;
    QLabel *m_lblSayfaSayisi = nullptr;
    QComboBox *m_cmbYakinlik = nullptr;
    QLineEdit *m_edtBul = nullptr;
    QPushButton *m_btnYazdir = nullptr;
    QPushButton *m_btnPdf = nullptr;
};

// Lays a report out; a progress window (cancellable) when it is long.
RaporBelgesi RaporHazirla(Rapor &rapor, QWidget *ust);

// For record screens: loads sablonYolu (bare name or full path), binds it to
// kaynak, sets the title (the file name when baslik is empty) and previews.
// A missing or broken template: the error is shown and nothing else happens.
void RaporOnizle(const QString &sablonYolu, const VeriKaynagi &kaynak, QWidget *ust,
                 const QString &baslik = QString());
