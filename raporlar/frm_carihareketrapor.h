#pragma once
// "Carı Hareket Raporu": the ledger of the company across accounts, filtered,
// with its totals, the balance before a first date, balance lists, the group
// report, statements and template prints, and the rounding repair.
#include "app/ekstrehizmeti.h"
#include "db/sorgu.h"
#include "raporlar/carihareketrapor.h"

#include <QDialog>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTabWidget;
class QTableWidget;
class TabloModeli;
class VeriSeti;

class Tfrm_carihareketrapor : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_carihareketrapor(QWidget *ust = nullptr);

    // The balance before the first date, kept from one listing to the next
    // (also across closing and opening the screen).
    struct OncekiDegerler
    {
        CariHareketRapor::Toplam once;
        CariHareketRapor::Toplam kumulatif;
        QString borcMetni, alacakMetni, bakiyeMetni;
    };
    static OncekiDegerler &onceki();

    QString listeSql() const { return m_select; }
    QString filtre() const { return m_filtre; }
    int satirSayisi() const;

    bool listele();
    void bakiyeListesi(CariHareketRapor::Liste liste);
    void grupRaporu();
    // The statements of the list (through the statement service).
    bool ekstre(EkstreIstegi::Tur tur);
    // A statement template over the list ("Cari Ekstra 1" and 2).
    void ekstreSablonu(const QString &sablon);
    void bakiyeliRapor();
    void kusuratlariDuzelt();

private:
    void menuleriKur(QMenuBar *menu);
    QLineEdit *kutu(const char *ad);
    // The amount of a filter box (none when empty); false, with a message
    // naming the box by its caption, when the text is no number.
    bool tutarKutusu(const char *ad, const QString &baslik, std::optional<double> *tutar);
    void toplamlariGoster();

    QTabWidget *m_sayfalar = nullptr;
    VeriSeti *m_liste = nullptr;
    TabloModeli *m_model = nullptr;
    QTableWidget *m_grup = nullptr;
    QComboBox *m_sira = nullptr;
    QComboBox *m_borcSecim = nullptr, *m_alacakSecim = nullptr, *m_bakiyeSecim = nullptr;
    QCheckBox *m_sifirOlmayan = nullptr, *m_oncekiBakiye = nullptr, *m_icinde = nullptr;
    QLabel *m_sayi = nullptr, *m_taraf = nullptr;
    QLineEdit *m_tborc = nullptr, *m_talacak = nullptr, *m_bakiye = nullptr;
    QComboBox *m_islemTuru = nullptr, *m_paraBirimi = nullptr;
    QString m_filtre;
    QString m_select;
    Sorgu::Sonuc m_grupSonuc; // the last balance list or group report, for its export
};
