#pragma once
// The report designer (frm_rapor_tasarim): bands and objects shown where they
// print, objects moved and resized with the mouse, a property panel, adding
// and deleting objects and bands, page set-up, a live preview of the first
// page over sample rows, saving the template as XML.
#include "raporlar/motor/rapor.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QDoubleSpinBox;
class QFontComboBox;
class QGraphicsScene;
class QGraphicsView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSplitter;
class QStackedWidget;
class QTimer;
class QVBoxLayout;
class TasarimNesnesi;
class TasarimBandi;

class RaporTasarim : public QDialog
{
    Q_OBJECT
public:
    // kaynak: the data the template is meant for (sample rows of the preview);
    // without one the preview runs the sample query typed in the window.
    explicit RaporTasarim(QWidget *ust = nullptr, const VeriKaynagi *kaynak = nullptr);
    ~RaporTasarim() override;

    bool ac(const QString &yol);                 // errors through Mesaj::hata
    void yeniSablon(const QString &klasor = QString());
    bool kaydet();                               // asks for a name when there is none
    bool farkliKaydet(const QString &yol);
    QString dosyaYolu() const { return m_yol; }
    bool degisti() const { return m_degisti; }

    const RaporSablonu &sablon() const { return m_sablon; }
    // Selection by band and object index; -1 clears it.
    void sec(int bant, int nesne = -1);
    int seciliBant() const { return m_bant; }
    int seciliNesne() const { return m_nesne; }

    // Editing steps the buttons perform (also for scripts and tests).
    int nesneEkle(NesneTuru tur);                // into the selected band (or the detail band); new index
    bool seciliyiSil();
    int bantEkle(BantTuru tur, const QString &kolon = QString());
    void nesneTasi(int bant, int nesne, const QRectF &alanMm);   // as the mouse does

    // Sample rows: the bound source's first rows, or the sample query's.
    void ornekSorguAyarla(const QString &sql);
    RaporBelgesi onizlemeBelgesi();

signals:
    void degisiklik();

protected:
    void reject() override;

private slots:
    void ozelliklerdenAl();
    void bantOzelliklerindenAl();
    void sayfaAyarindanAl();
    void onizle();
    void canliYenile();

private:
    friend class TasarimNesnesi;
    friend class TasarimBandi;
    // Parts of the window, built in this order by the constructor.
    void aracCubuguKur(QVBoxLayout *kok);
    QGroupBox *sayfaAyariKur();
    void tuvalKur(QSplitter *bolucu);
    void ozellikPaneliKur(QWidget *sag, QVBoxLayout *sagL);
    QWidget *nesneSayfasiKur();
    void nesneMetniKur(QWidget *w, QFormLayout *f);
    void nesneKonumuKur(QWidget *w, QFormLayout *f);
    void nesneYazisiKur(QWidget *w, QFormLayout *f);
    void nesneCercevesiKur(QWidget *w, QFormLayout *f);
    QWidget *bantSayfasiKur();
    void ornekBolmesiKur(QWidget *sag, QVBoxLayout *sagL);
    void duzenlemeleriBagla();

    void sahneKur();
    void ozellikleriGoster();
    void sayfaAyariniGoster();
    void degistir(bool sahneDegisti);
    void nesneGeometrisiDegisti(TasarimNesnesi *o);
    void ornekKaynakHazirla();
    void ornekRaporKur(Rapor &r);
    QStringList kolonAdlari() const;

    RaporSablonu m_sablon;
    QString m_yol;
    QString m_yeniKlasor;       // where a new template is offered to be saved
    bool m_degisti = false;
    int m_bant = -1, m_nesne = -1;
    bool m_yukleniyor = false;
    const VeriKaynagi *m_kaynak = nullptr;
    std::unique_ptr<TabloKaynagi> m_ornek;
    QString m_ornekSql;

    QGraphicsScene *m_sahne = nullptr;
    QGraphicsView *m_gorunum = nullptr;
    QStackedWidget *m_panel = nullptr;
    QLabel *m_canli = nullptr;
    QTimer *m_canliZaman = nullptr;
    QLineEdit *m_edtSorgu = nullptr;
    // page set-up
    QComboBox *m_cmbKagit = nullptr, *m_cmbYon = nullptr;
    QDoubleSpinBox *m_spnSol = nullptr, *m_spnUst = nullptr, *m_spnSag = nullptr, *m_spnAlt = nullptr;
    QFontComboBox *m_cmbSablonYazi = nullptr;
    QDoubleSpinBox *m_spnSablonBoyut = nullptr;
    // object
    QPlainTextEdit *m_edtMetin = nullptr;
    QLineEdit *m_edtAd = nullptr, *m_edtDosya = nullptr;
    QDoubleSpinBox *m_spnX = nullptr, *m_spnY = nullptr, *m_spnG = nullptr, *m_spnH = nullptr;
    QFontComboBox *m_cmbYazi = nullptr;
    QDoubleSpinBox *m_spnBoyut = nullptr, *m_spnKalinlik = nullptr;
    QCheckBox *m_chkKalin = nullptr, *m_chkItalik = nullptr, *m_chkAltCizili = nullptr, *m_chkKaydir = nullptr,
              *m_chkKirp = nullptr, *m_chkUzar = nullptr;
    QComboBox *m_cmbHiza = nullptr, *m_cmbDikey = nullptr, *m_cmbCerceve = nullptr;
    QComboBox *m_cmbAlan = nullptr, *m_cmbBicim = nullptr, *m_cmbSistem = nullptr;
    // band
    QLabel *m_lblBant = nullptr;
    QDoubleSpinBox *m_spnBantH = nullptr;
    QLineEdit *m_edtBantKolon = nullptr;
    QCheckBox *m_chkEsnek = nullptr, *m_chkOtomatik = nullptr, *m_chkYeniSayfa = nullptr, *m_chkTekrarla = nullptr;
    QComboBox *m_cmbBantTuru = nullptr;
};

// Opens the designer on a template file (modal). False when it could not be read.
bool RaporTasarla(const QString &yol, QWidget *ust = nullptr, const VeriKaynagi *kaynak = nullptr);
