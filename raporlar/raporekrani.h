#pragma once
// The report screen: a filtered, sorted list of one table, printed through
// templates, counted by groups, exported, and on some screens the list's
// patients reached by SMS. What differs between the screens is data
// (raporlar/raportanimlari.cpp).
//
// Controls are named by the column they filter: "bas_<KOLON>" / "bit_<KOLON>"
// (from / to boxes), "edt_<KOLON>" (text or list), "ik_<KOLON>"
// ("İçindeki Kelime"), "ara_<KOLON>" (lookup button), "chkCepTelefonu",
// "cmbSiralama", "lblKayitSayisi", "sayfalar", "grdListe"; "bolucu" divides
// the filters ("kaydirma", scrolled) from the list.
#include "raporlar/raportanimlari.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class TabloModeli;
class VeriSeti;

class RaporEkrani : public QDialog
{
    Q_OBJECT
public:
    RaporEkrani(const RaporTanimi &tanim, QWidget *ust = nullptr);
    ~RaporEkrani() override;

    const RaporTanimi &tanim() const { return m_tanim; }

    // The sort entries offered: the listed entries that are columns of the
    // screen's table, in their order, each once. An empty entry stands for
    // "no order".
    static QStringList gecerliSiralama(const RaporTanimi &tanim);

    // Rows the list keeps at least while the filters take what they need.
    static constexpr int ListeSatirSayisi = 10;

    // The filter of the boxes as they are now (company first); false when a
    // box holds a value its column cannot take (the user has been told).
    bool filtreOlustur(QString *filtre) const;

    // "Listele ": builds the filter and opens the list.
    bool listele();
    // "İndexe Göre Grup Raporları": counts by the sort column and previews the
    // group template; false when refused or the query failed.
    bool grupRaporuHazirla();
    void grupRaporu();
    // The n-th named template (0..2) or an extra entry's template over the list.
    void sablonYazdir(const QString &sablon);
    // "Rapor": the template chooser, then the chosen template over the list.
    void serbestRapor();
    void exceleAktar();

    VeriSeti *liste() const { return m_liste; }
    VeriSeti *grup() const { return m_grup; }
    QString siralamaMetni() const;
    QWidget *smsSekmesi() const { return m_sms; }

private:
    void arama(const RaporKriteri &k);

    RaporTanimi m_tanim;
    VeriSeti *m_liste = nullptr;
    VeriSeti *m_grup = nullptr;
    TabloModeli *m_model = nullptr;
    QString m_filtre;
    QComboBox *m_siralama = nullptr;
    QLabel *m_sayi = nullptr;
    QTabWidget *m_sayfalar = nullptr;
    QWidget *m_sms = nullptr;
};

// Registers the six report screens by window name.
void RaporEkranlariniKaydet();
