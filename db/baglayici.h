#pragma once
// Ties edit controls to columns of a VeriSeti. The controls show the current
// row and follow it when it changes; while the data set is closed or has no
// row they show empty. What the user types is written into the data set at
// once (VeriSeti::degerAyarla): typing while the data set is browsing enters
// edit state, and when the before-edit hook refuses the control goes back to
// the row's value.
//
// Date boxes and number boxes write only what can be stored. Text that is
// not a possible date or not a number stays in the box, marked bad; posting
// the data set (from any caller of VeriSeti::kaydet) is then refused with a
// Turkish message at that control, which gets the focus, and nothing is
// written: the record stays pending. An empty date box ("  .  .    ") and an
// empty number box store NULL.
//
// Line edits write what the user types (textEdited); a program's setText()
// writes nothing. Memos, check boxes, spin boxes and combo choices write any
// change of their value, except a combo's list being filled or cleared.
#include <QList>
#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTextEdit;
class QWidget;
class VeriSeti;

class Baglayici : public QObject
{
    Q_OBJECT
public:
    explicit Baglayici(VeriSeti *veriSeti, QObject *ust = nullptr);
    ~Baglayici() override;

    VeriSeti *veriSeti() const;

    // Text box. buyukHarf: Turkish upper case as typed (i -> İ), the cursor
    // stays where it was. A text column's width becomes the box's maxLength.
    void bagla(QLineEdit *kutu, const QString &kolon, bool buyukHarf = false);
    // Combo box, editable or with fixed items; the value is the text. A fixed
    // combo showing a value that is not among its items shows nothing.
    void bagla(QComboBox *kutu, const QString &kolon, bool buyukHarf = false);
    // Memos (plain text).
    void bagla(QPlainTextEdit *kutu, const QString &kolon, bool buyukHarf = false);
    void bagla(QTextEdit *kutu, const QString &kolon, bool buyukHarf = false);
    // Check box storing evet / hayir texts ("E"/"H"). NULL shows unticked.
    void bagla(QCheckBox *kutu, const QString &kolon, const QString &evet = QStringLiteral("E"),
               const QString &hayir = QStringLiteral("H"));
    // Spin boxes for numbers (NULL shows the minimum).
    void bagla(QSpinBox *kutu, const QString &kolon);
    void bagla(QDoubleSpinBox *kutu, const QString &kolon);
    // Date box: a QLineEdit gets the input mask "00.00.0000" (shows
    // "  .  .    " when empty); value "DD.MM.YYYY", written as that day at 00:00.
    void tarihBagla(QLineEdit *kutu, const QString &kolon);
    // Number box: a QLineEdit holding a whole or decimal number (Turkish
    // "1.234,5" or plain "1234.5").
    void sayiBagla(QLineEdit *kutu, const QString &kolon);

    // Unties a control (it keeps its text).
    void coz(QWidget *kutu);
    // The name a message gives a bound control: the one set here, else the
    // text of a QLabel whose buddy it is, else its row label in a form
    // layout; empty when it has none (messages then name the column).
    void etiketAyarla(QWidget *kutu, const QString &etiket);
    QString etiket(QWidget *kutu) const;
    // The bound controls, in the order they were bound.
    QList<QWidget *> kontroller() const;
    // The control bound to a column (the first one), null when none.
    QWidget *kontrol(const QString &kolon) const;
    // Column of a bound control; empty when not bound.
    QString kolon(QWidget *kutu) const;

    // Checks the date and number boxes: on the first bad one shows its
    // Turkish message (naming it by its label), brings it into view, focuses
    // it and returns it; null when all are fine. The data set runs this
    // itself before every post.
    QWidget *dogrula();
    // Brings a control into view and gives it the focus: every tab page
    // holding it becomes current and scroll areas scroll to it, so that a
    // refused field on another tab is where the user looks.
    static void odakla(QWidget *kutu);
    // Shows the current row again in every control (drops bad texts).
    void goster();

private:
    struct Ozel;
    Ozel *d;
};

// Turkish upper-casing of what the user types (i -> İ, ı -> I), keeping the
// cursor where it was. Each returns the text the box holds afterwards; the
// box is changed only when the upper case differs.
namespace BuyukHarf {
QString uygula(QLineEdit *kutu, const QString &metin);
QString uygula(QComboBox *kutu, const QString &metin);
QString uygula(QPlainTextEdit *kutu);
QString uygula(QTextEdit *kutu);
// For a box that is not bound to a column (login, search boxes): every edit
// is upper-cased.
void surekli(QLineEdit *kutu);
} // namespace BuyukHarf

