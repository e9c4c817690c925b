#pragma once
// Every message box, question, input box and file dialog of the program goes
// through Mesaj. The program installs the widget implementation at start-up;
// tests install a scripted one; command-line runs get one that writes to stderr.
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class QWidget;

class Mesaj
{
public:
    enum class Tur { Bilgi, Uyari, Hata };

    virtual ~Mesaj();

    // The implementation in force (never null: a console one until another is set).
    static Mesaj &aktif();
    // Replaces the implementation; returns the previous one. Ownership stays with the caller.
    static Mesaj *ayarla(Mesaj *yeni);
    // Points the data layer's error sink at the implementation in force
    // (done once at start-up by the program and its command-line verbs).
    static void veriHatalariniBagla();

    // Plain message box with an OK button.
    static void goster(const QString &metin, QWidget *ust = nullptr);
    // The general error display: the text of the error itself (database client, file).
    static void hata(const QString &metin, QWidget *ust = nullptr);
    // Yes/No confirmation; true on "Evet".
    static bool soru(const QString &metin, QWidget *ust = nullptr);
    // Input box; nullopt when cancelled.
    static std::optional<QString> girdi(const QString &baslik, const QString &etiket,
                                        const QString &varsayilan = QString(), QWidget *ust = nullptr);
    // The same for a secret (a code, a password): what is typed shows as
    // dots, nothing is preset.
    static std::optional<QString> gizliGirdi(const QString &baslik, const QString &etiket, QWidget *ust = nullptr);
    // File dialogs; empty when cancelled. filtre as Qt's ("Excel (*.xlsx *.xls)").
    // Without a folder (or a file name without one) the dialog starts in the
    // folder last used for that kind of file (the same filter), else in the
    // data root; the folder of the chosen file is remembered per user.
    static QString dosyaAc(const QString &baslik, const QString &klasor = QString(),
                           const QString &filtre = QString(), QWidget *ust = nullptr)
    { return dosya(false, baslik, klasor, filtre, ust); }
    static QString dosyaKaydet(const QString &baslik, const QString &klasor = QString(),
                               const QString &filtre = QString(), QWidget *ust = nullptr)
    { return dosya(true, baslik, klasor, filtre, ust); }

    // No window opens while a write transaction is open (it would hold its
    // locks on every workstation until someone answers). Such a call is a
    // fault of the program: it is reported here (the program writes it to
    // standard error, the tests fail on it), a message is shown once the
    // transaction has ended, a question is answered "Hayır", an input box and
    // a file dialog are cancelled. Returns the previous reporter.
    // A message's lines for the user and the database client's own text
    // (a line in parentheses, as the data layer adds it): the window shows
    // the latter only under "Ayrıntılar".
    static std::pair<QString, QString> ayrintiAyir(const QString &metin);

    using IslemIhlali = void (*)(const QString &ne);
    static IslemIhlali islemIhlaliAyarla(IslemIhlali bildir);

    // Where a dialog for this kind of file starts when the caller names no folder.
    static QString baslangicKlasoru(const QString &filtre);

private:
    // The implementation in force, once a save's wait sign (a busy cursor)
    // is down: no box or dialog shows under it.
    static Mesaj &gosterecek();
    static QString dosya(bool kaydet, const QString &baslik, const QString &klasor, const QString &filtre,
                         QWidget *ust);

protected:
    virtual void mesaj(Tur tur, const QString &metin, QWidget *ust) = 0;
    virtual bool evetHayir(const QString &metin, QWidget *ust) = 0;
    virtual std::optional<QString> girdiKutusu(const QString &baslik, const QString &etiket,
                                               const QString &varsayilan, QWidget *ust, bool gizli) = 0;
    virtual QString dosyaSec(bool kaydet, const QString &baslik, const QString &klasor,
                             const QString &filtre, QWidget *ust) = 0;
};

// The desktop implementation: Qt's message boxes and dialogs, in Turkish.
class PencereMesaj : public Mesaj
{
protected:
    void mesaj(Tur tur, const QString &metin, QWidget *ust) override;
    bool evetHayir(const QString &metin, QWidget *ust) override;
    std::optional<QString> girdiKutusu(const QString &baslik, const QString &etiket,
                                       const QString &varsayilan, QWidget *ust, bool gizli) override;
    QString dosyaSec(bool kaydet, const QString &baslik, const QString &klasor,
                     const QString &filtre, QWidget *ust) override;
};

// For runs without windows (command line): messages to stderr, questions answered No.
class KonsolMesaj : public Mesaj
{
protected:
    void mesaj(Tur tur, const QString &metin, QWidget *ust) override;
    bool evetHayir(const QString &metin, QWidget *ust) override;
    std::optional<QString> girdiKutusu(const QString &baslik, const QString &etiket,
                                       const QString &varsayilan, QWidget *ust, bool gizli) override;
    QString dosyaSec(bool kaydet, const QString &baslik, const QString &klasor,
                     const QString &filtre, QWidget *ust) override;
};
