#pragma once
// The user picker of the rights screen ("Kullanıcılar"): every user, a
// search by the start of the name, the chosen user's code.
#include <QDialog>

class QLineEdit;
class QTableView;
class TabloModeli;
class VeriSeti;

class Tfrm_eleman_ara : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_eleman_ara(QWidget *ust = nullptr);

    // Runs modally: KULLANICI_KODU of the accepted row ("3"), or "-1".
    QString calistir();
    QString sonuc() const { return m_sonuc; }
    // Columns of the accepted row (the list stays on it).
    QString metin(const QString &kolon) const;

    VeriSeti *veriSeti() const { return m_vs; }
    // The statement a search text gives.
    static QString aramaMetni(const QString &metin);
    void ara(const QString &metin);

public slots:
    void accept() override;

private:
    VeriSeti *m_vs;
    TabloModeli *m_model;
    QTableView *m_izgara;
    QLineEdit *m_bul;
    QString m_sonuc = QStringLiteral("-1");
};
