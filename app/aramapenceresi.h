#pragma once
// The lookup dialogs: one dialog, configured by a table (hastalar/aramalar.cpp)
// with one entry per window name (frm_hastaarama, frm_doktorarama, frm_taniarama,
// frm_muayene_labarama, frm_labarama, frm_gozmuayenearama, frm_ek9arama,
// frm_randevuarama, frm_islemarama, frm_muayenearama, frm_carihareket_ara).
//
// Calling sequence:
//   Aktarim.arama_kayittarihi = ...;             // optional inputs
//   AramaPenceresi d(QStringLiteral("frm_doktorarama"), this);
//   const QString no = d.calistir();             // KAYITNO as text, or "-1"
//   if (no != "-1") { kod = d.metin("DOKTORKODU"); ... }
//
// The search runs on every change of the search box: values that begin with
// the text, or contain it when "İçindeki Kelimeyi Ara" is ticked. The text
// is matched literally (quotes, %, _ and ; are plain characters), except that
// I, İ, ı and i count as one letter (SqlKatliArama, db/sqltext.h); a column
// with a folded index in the schema description is searched through it.
#include "db/tablomodeli.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class VeriSeti;

struct AramaAyari
{
    QString ad;                       // window name, "frm_hastaarama"
    QString baslik;                   // caption, "HASTA ARAMA"
    QString tablo;                    // "HASTALAR"
    QString veriSetiAdi;              // objectName of the query, "t_hastalar"
    QStringList aramaKolonlari;       // items of cbx_aranacak
    QString ilkKolon;                 // initial item; empty: the first
    QList<TabloKolonu> izgaraKolonlari; // empty: every column
    bool tumKolonlarSonra = false;    // after the listed grid columns, every other column of the table
    bool buyukHarf = false;           // typed letters become upper case
    bool icindekiVar = true;          // the "İçindeki Kelimeyi Ara" check box
    bool cokluSecim = false;          // several rows, "Secilenleri Aktar"
    // Conditions of the opening query and of every search (after "where 1=1").
    std::function<QString()> acilisKosulu;
    std::function<QString()> aramaKosulu;
    QString acilisSiralama;           // " order by HASTALAR.HASTAADISOYADI "; empty: none
    QString aramaSiralama;            // same for searches; "*" orders by the search column
    std::function<void()> girdileriTemizle; // the hand-over inputs it clears on closing
    // The record number is searched exactly, as a whole number; a leading
    // prefix is dropped first, so that the number as the ledger writes it
    // ("M-82") finds the examination.
    QString anahtarOneki;
};

// Adds (or replaces) the configuration of a window name. The feature folders
// register theirs at start-up (hastalar/aramalar.cpp).
void AramaAyariKaydet(const AramaAyari &ayar);
// The configuration of a window name; null when unknown.
const AramaAyari *AramaAyariBul(const QString &ad);
QStringList AramaPencereleri();

// Multi-row transfer of the test lookup: the screen named by Aktarim.lab_cagiran
// ("muayene", "laboratuvar") registers what a chosen test row does there
// (append, copy, post). Returns the previous registration; an empty function
// removes it. The row holds TETKIKKODU, TETKIKADI, ARALIK, TURU, BIRIMI,
// UCRETI, KOD1, KOD2, KOD3; returning false stops the transfer.
using LabAktarimHedefi = std::function<bool(const QVariantMap &tetkik)>;
LabAktarimHedefi LabAktarimHedefiKaydet(const QString &cagiran, LabAktarimHedefi hedef);

class AramaPenceresi : public QDialog
{
    Q_OBJECT
public:
    // yetkiKosulu: the caller's own limits by rights (" and DOKTORKODU =..."),
    // kept in the opening list and in every search, so that a lookup never
    // shows rows the calling screen would not.
    explicit AramaPenceresi(const QString &ad, QWidget *ust = nullptr, const QString &yetkiKosulu = QString());
    ~AramaPenceresi() override;

    // Runs modally: the chosen KAYITNO as text, or "-1".
    QString calistir();
    QString sonuc() const { return m_sonuc; }

    // The query stays on the confirmed row until the dialog is discarded.
    VeriSeti *veriSeti() const { return m_vs; }
    QVariant deger(const QString &kolon) const;
    QString metin(const QString &kolon) const;

    const AramaAyari &ayar() const { return m_ayar; }
    // The statement the search box's text gives now (empty when it is empty).
    QString aramaMetni(const QString &metin) const;
    // Runs the search for the search box's text.
    void ara();
    // "Secilenleri Aktar".
    void secilenleriAktar();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    void metinDegisti(const QString &metin);

    AramaAyari m_ayar;
    QString m_yetkiKosulu;
    VeriSeti *m_vs = nullptr;
    TabloModeli *m_model = nullptr;
    QTableView *m_izgara = nullptr;
    QComboBox *m_kolon = nullptr;
    QLineEdit *m_ara = nullptr;
    QCheckBox *m_icinde = nullptr;
    QPushButton *m_aktar = nullptr;
    QList<int> m_secimSirasi;
    QString m_sonuc = QStringLiteral("-1");
    bool m_temizlendi = false;
};
