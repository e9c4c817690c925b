#pragma once
// "Uyarı -  Hatırlatma Sistemi": what falls due today, one line per kind of
// reminder (appointments, the patients' two reminders, follow-up
// examinations, notes, procedure reminders), each with "Ayrıntılar" that
// prints its rows. Opened after login and from the main menu; only reads.
#include "randevu/uyarilar.h"

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <functional>
#include <optional>

#include "db/sorgu.h"

class QFrame;
class QLineEdit;
class Rapor;

class Tfrm_uyari : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_uyari(QWidget *ust = nullptr);
    ~Tfrm_uyari() override;

    // Runs the six selects and shows the lines that have rows (the show step).
    void degerlendir();
    // Rows of a kind found by the last evaluation (-1: not evaluated or failed).
    int satirSayisi(Uyarilar::Tur t) const;
    bool gorunurMu(Uyarilar::Tur t) const;
    // "Ayrıntılar" of a line.
    void ayrintilar(Uyarilar::Tur t);

protected:
    void showEvent(QShowEvent *e) override;

private:
    QLineEdit *m_tarih = nullptr;
    QHash<int, QFrame *> m_satirlar;
    QHash<int, int> m_sayilar;
    std::optional<Sorgu::Sonuc> m_notlar; // the notes line prints the rows already read
    // A kind's rows for the company and the day, within the own-appointments limit.
    std::optional<Sorgu::Sonuc> oku(Uyarilar::Tur t, const QDate &gun) const;

    QStringList m_parametreler;
    QString m_doktor; // the own-appointments limit's doctor; empty: every doctor's rows
    bool m_gosterildi = false;
};
