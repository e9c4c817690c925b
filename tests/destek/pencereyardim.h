#pragma once
// Small helpers of the GUI tests: one value of a select, the next modal
// window (a lookup, the screen another one opens) handled as a user would,
// a lookup's row chosen by its text, and the text of a PDF the program wrote.
#include "db/sorgu.h"
#include "destek/pdfmetni.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <functional>

// The first column of the first row; an invalid QVariant when there is none.
inline QVariant TekDeger(const QString &sql, const QVariantList &d = {})
{
    const auto v = Sorgu::tekDeger(sql, d);
    return v ? *v : QVariant();
}

// A count; -1 when the select failed.
inline int Say(const QString &sql, const QVariantList &d = {})
{
    const auto v = Sorgu::tekDeger(sql, d);
    return v ? v->toInt() : -1;
}

// Runs f on the next modal window named ad; any other modal window is rejected.
inline void SonrakiPencere(const QString &ad, std::function<void(QDialog *)> f)
{
    QTimer::singleShot(0, [ad, f] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (d && d->objectName() == ad)
            f(d);
        else if (d)
            d->reject();
    });
}

// In a lookup dialog: types the text into the search box and confirms the row found.
inline std::function<void(QDialog *)> AramadaSec(const QString &metin)
{
    return [metin](QDialog *d) {
        d->findChild<QLineEdit *>(QStringLiteral("edt_ara"))->setText(metin);
        d->findChild<QPushButton *>(QStringLiteral("btn_evet"))->click();
    };
}

