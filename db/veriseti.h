#pragma once
// The data set every screen is built on: an updatable query over one table.
// Its select text is head + filter + order; one row is current, and it is in
// one of the states closed / browse / insert / edit. Insert, update, delete
// and refresh statements are derived from the table's description and
// address a row by its key (KAYITNO). Every post and delete is committed at
// once, unless a transaction (Islem) is open on the connection, which then
// commits it. (When such an Islem is rolled back, the buffer still shows
// what was written inside it: call yenile().)
//
// Rows are read in windows, so that a list of a million rows opens as fast
// as one of fifty: ac() reads the first window only, in the select's order
// with the key as the last tie-breaker (a select without an order is read
// in the key's order); further windows are read by key
// (the rows after the last row read, in the same order) when the grid or
// the program asks for a row not in the buffer, and windows far from where
// the user is are dropped again, so memory stays flat however long the
// list. The row count comes from the database on a worker thread with a
// connection of its own; until it arrives kayitSayisi() counts the rows
// known so far (sayiKesinMi() false), and when it comes the rows are
// announced as inserted (satirlarEklenecek / satirlarEklendi) and
// sayiDegisti is emitted. kesinKayitSayisi() waits for it. Every select is
// read with a forward-only query that is finished at once, so no
// transaction stays open between windows. A select that is not of the
// simple head + filter + order kind (grouping, DISTINCT, UNION, its own
// FIRST/ROWS, order by column number) is read in one go.
//
// Database errors go to the general error display (the data layer's error sink, db/hata.h) and the
// operation returns false, leaving the data set as it was (a refused or
// failed post keeps the row pending).
#include "db/sema.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

class VeriSeti : public QObject
{
    Q_OBJECT
public:
    enum class Durum { Kapali, Gozat, Ekle, Duzenle };

    // tablo: a table of the schema description. baglanti: connection name
    // (empty: the shared one).
    explicit VeriSeti(const QString &tablo, QObject *ust = nullptr, const QString &baglanti = QString());
    ~VeriSeti() override;

    const Tablo &tablo() const;
    QString baglantiAdi() const;

    // The select text. Changing it does not reopen.
    void selectMetniAyarla(const QString &sql);
    QString selectMetni() const;

    // Runs the select and reads its first window; the first row becomes
    // current. A pending change is discarded first. On a database error the
    // rows shown before stay as they were. Without a select text: every row
    // of the table ("select * from <table> where 1=1 ").
    bool ac();
    void kapat();
    bool acikMi() const;
    // Runs the select again, keeping the current row on the same key where it
    // still exists (else the same position). A pending change is discarded.
    bool yenile();

    // Keeps an open list current: when a change to the table is committed
    // (by another workstation, or anywhere in this program), the rows are
    // read again (yenile) as soon as no change is pending here, keeping the
    // current row. For the lists a user looks at; off by default.
    void degisiklikleriIzle(bool izle);
    bool bayatMi() const; // a change came that the rows do not show yet

    // The rows known so far: every row once the count has arrived (or the
    // last window was read), else those read plus those the program added.
    int kayitSayisi() const;
    bool sayiKesinMi() const;
    // The exact count: waits for the worker's count (or counts here). Rows
    // that were not known yet are announced as inserted first. For exports,
    // reports and whatever must see every row.
    int kesinKayitSayisi() const;
    bool bosMu() const { return kayitSayisi() == 0; }
    // While the count is unknown and nothing follows the rows read from the
    // start: whether reading on may find more, and reading the next window
    // (the grid's fetch-more). True when rows were added.
    bool dahaFazlaVar() const;
    bool dahaFazlaOku();
    int gecerliSatir() const;          // -1 when there is no row
    bool satiraGit(int satir);         // posts nothing: refused while inserting/editing
    bool ilk();
    bool son();
    bool sonraki();
    bool onceki();
    // Locate by key; false when not among the rows. A row not in the buffer
    // is found by its order values: the rows before it are counted and its
    // window is read.
    bool bul(qint64 anahtar);

    // Field access by column name (case-insensitive), on the current row
    // (including pending changes while inserting or editing).
    QVariant deger(const QString &kolon) const;
    QString metin(const QString &kolon) const;    // empty for NULL; dates "DD.MM.YYYY", numbers "1234.5"

    double sayi(const QString &kolon) const;      // 0 for NULL
    qint64 anahtar() const;                       // key of the current row, 0 when none
    // A row not in the buffer is read with its window first.
    QVariant satirDegeri(int satir, const QString &kolon) const;
    // Sets a field of the current row. In browse state it first enters edit
    // state (before-edit hook may refuse: then false and nothing changes).
    // A value the column cannot hold (letters for a number, an impossible
    // date) is refused with a Turkish message.
    bool degerAyarla(const QString &kolon, const QVariant &deger);

    // Extra columns of the select that are not in the table (joins, aliases)
    // are readable with deger() but never written.
    QStringList sonucKolonlari() const;

    // Fast access by column index (models, exports): the buffer's columns are
    // the select's result columns followed by any table columns the select
    // left out (those read as NULL until set).
    int kolonSayisi() const;
    int kolonSirasi(const QString &kolon) const;          // case-insensitive; -1 when absent
    QString kolonAdiAt(int kolon) const;                  // upper case
    KolonTuru kolonTuru(int kolon) const;                 // from the description, else from the result type
    const Kolon *tabloKolonu(int kolon) const;            // null for extra select columns
    QVariant satirDegeri(int satir, int kolon) const;     // (by index)
    bool bosMu(int satir, int kolon) const;               // NULL

    // Converts a value for a column of the given type the way degerAyarla
    // does (texts "1.234,5"/"1234.5" to numbers, "DD.MM.YYYY" or QDate to a
    // date, empty or blank mask to NULL); false when it cannot be stored.
    static bool degerCevir(KolonTuru tur, const QVariant &girdi, QVariant *sonuc);
    // The Turkish message for a value degerCevir refused.
    static QString gecersizDegerMesaji(const QString &kolon, KolonTuru tur, const QString &metin);

    Durum durum() const;
    bool duzenleniyorMu() const { return durum() == Durum::Ekle || durum() == Durum::Duzenle; }

    // Appends a new row at the end and makes it current: a pending row is
    // posted first, then the before-insert hook, the key from the generator
    // (a cancelled row leaves a gap), then the new-row defaults hook. The
    // row is in the buffer (and in the grids) until it is cancelled.
    bool ekle();
    // Enters edit state: before-edit hook.
    bool duzenle();
    // Posts: the registered checks, before-post hook, checks that every text
    // fits WIN1254, cuts texts to their column width, stores empty texts as
    // NULL (a text of blanks is written as it is), inserts or updates by key,
    // commits, after-post hook. The buffer then holds the values as stored.
    // An update writes the columns whose values changed since editing began
    // (and those set through degerAyarla), and only while the row is still
    // as it was read: when another user changed or deleted it meanwhile,
    // nothing is written, a Turkish message says so and the row is read
    // again (false). In browse state there is nothing to post: true.
    bool kaydet();
    // Discards a pending insert or edit.
    void iptal();
    // Deletes the current row by key: before-delete hook, commit, after-delete
    // hook; the next row becomes current. A row another user changed since
    // it was read is not deleted (a message, the row read again). A pending insert is only discarded;
    // a pending edit is discarded before deleting.
    bool sil();
    // Reads the current row's table columns again from the database by key
    // (browse state only); false when the row is gone.
    bool satirYenile();

    // Hooks. A "before" hook returning false refuses the operation.
    std::function<bool()> eklemedenOnce;
    std::function<bool()> duzenlemedenOnce;
    std::function<bool()> kaydetmedenOnce;
    std::function<bool()> silmedenOnce;
    std::function<void()> yeniSatirDegerleri;
    std::function<void()> kaydettiktenSonra;
    std::function<void()> sildiktenSonra;
    // The rest of one save, inside its transaction: islemdeOnce before the
    // row's statement (values it sets are written with the row), islemdeSonra
    // after it (the rows that go with it: lines, totals, postings; it runs on
    // every post, also when no column changed, so that a save puts them right
    // again). No window may open there: a refusal returns false with the
    // reason in *mesaj. Then nothing of the save is written, the row stays
    // pending as it was typed, and the reason is shown after the rollback
    // with the note that nothing was saved.
    std::function<bool(QString *mesaj)> islemdeOnce;
    std::function<bool(QString *mesaj)> islemdeSonra;

    // Further checks run before the before-post hook (a binder's bad date or
    // number boxes); the first one returning false refuses the post. The
    // check goes away with its owner.
    void kaydetKontroluEkle(QObject *sahip, std::function<bool()> kontrol);

    // Rows per window, and the rows the buffer keeps at most beyond those it
    // must keep (the current row's window, rows the program added, the
    // windows at the edge of what is known while the count is unknown).
    static int pencereBoyu();
    static int tamponSiniri();
    // Rows held in the buffer now.
    int tampondakiSatir() const;
    // Row satir is held in the buffer: reading it reads nothing.
    bool tampondaMi(int satir) const;
    // Waits until every count running on a worker has ended (tests,
    // benchmarks; the program waits for them when it ends).
    static void sayimlariBekle();

signals:
    // Announced before the buffer changes (for models): sifirlanacak is
    // followed by acildi or kapandi, satirEklenecek by satirEklendi,
    // satirSilinecek by satirSilindi, satirlarEklenecek by satirlarEklendi
    // (rows that became known: further windows while the count is unknown,
    // the rest when it arrives).
    void sifirlanacak();
    void satirEklenecek(int satir);
    void satirSilinecek(int satir);
    void acildi();                       // rows (re)loaded
    void kapandi();
    void gecerliSatirDegisti(int satir);
    void durumDegisti(VeriSeti::Durum durum);
    void alanDegisti(const QString &kolon); // a field of the current row changed
    void satirEklendi(int satir);
    void satirSilindi(int satir);
    void satirGuncellendi(int satir);
    void satirlarEklenecek(int ilk, int adet);
    void satirlarEklendi(int ilk, int adet);
    // The count changed or became exact (sayiKesinMi).
    void sayiDegisti(int sayi);
    // Around a reading caused by a change elsewhere (degisiklikleriIzle):
    // the user did not ask for it, so the grids keep where they were
    // scrolled to.
    void kendiligindenYenileniyor(bool basladi);

public:
    struct Ozel; // the buffer and states (db/verisetiozel.h)

private:
    // Another user changed or deleted the row being saved or deleted.
    void baskasiDegistirdi(bool silinmis, bool silerken);
    void yenilemeyiPlanla();
    Ozel *d;
};
