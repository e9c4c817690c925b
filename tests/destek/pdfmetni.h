#pragma once
// The text of a PDF the program wrote, read back with pdftotext (poppler-utils),
// so that tests find names and amounts in a real printout.
#include <QProcess>
#include <QString>
#include <QStringList>

// Laid out as on the page (columns stay apart); sayfa > 0: that page only.
// Empty when the file cannot be read.
inline QString PdfMetni(const QString &pdf, int sayfa = 0)
{
    QStringList a{QStringLiteral("-layout")};
    if (sayfa > 0)
        a << QStringLiteral("-f") << QString::number(sayfa) << QStringLiteral("-l") << QString::number(sayfa);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), a << pdf << QStringLiteral("-"));
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// In reading order on one line: compatibility forms folded and runs of blanks
// made one, for finding a phrase that the layout would split into columns.
inline QString PdfAkisMetni(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}
