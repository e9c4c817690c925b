#pragma once
// A scripted Mesaj for tests: records every message, answers questions,
// input boxes and file dialogs from queues (or from defaults).
#include "app/mesaj.h"
#include "db/hata.h"

#include <QQueue>
#include <QStringList>

class BetikMesaj : public Mesaj
{
public:
    BetikMesaj();            // installs itself
    ~BetikMesaj() override;  // puts back the previous one

    QStringList mesajlar;    // texts of plain messages and errors, in order
    QStringList hatalar;     // the general error display's texts only
    QStringList sorular;     // questions asked
    QQueue<bool> cevaplar;   // answers to questions; empty queue: varsayilanCevap
    bool varsayilanCevap = true;
    QQueue<std::optional<QString>> girdiler;
    QList<bool> girdiGizli;  // per input box asked: whether what is typed is hidden
    QQueue<QString> dosyalar;
    QStringList dosyaKlasorleri; // the folder each file dialog was opened in

    void temizle();
    QString son() const { return mesajlar.isEmpty() ? QString() : mesajlar.last(); }

protected:
    void mesaj(Tur tur, const QString &metin, QWidget *ust) override;
    bool evetHayir(const QString &metin, QWidget *ust) override;
    std::optional<QString> girdiKutusu(const QString &baslik, const QString &etiket,
                                       const QString &varsayilan, QWidget *ust, bool gizli) override;
    QString dosyaSec(bool kaydet, const QString &baslik, const QString &klasor,
                     const QString &filtre, QWidget *ust) override;

private:
    Mesaj *m_onceki;
    VeriHatasi::Alici m_oncekiAlici;
};
