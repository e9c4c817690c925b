#pragma once
// A window under test, driven through its controls' objectNames: a control
// found by name (a missing one is reported), buttons clicked, menu actions
// triggered, text typed key by key. The window is closed when the driver goes.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>

// Types into a line edit as a user does: what is there selected and
// removed, then key events with their text, so that any letter (İ, Ş, ")
// arrives the way a keyboard sends it.
inline void HarfHarfYaz(QLineEdit *k, const QString &metin)
{
    k->setFocus();
    k->selectAll();
    if (k->hasSelectedText())
        QTest::keyClick(k, Qt::Key_Backspace);
    for (QChar c : metin) {
        QKeyEvent basildi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(k, &basildi);
        QKeyEvent birakildi(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(k, &birakildi);
    }
}

template <class P> struct EkranSurucu
{
    std::unique_ptr<P> e;

    EkranSurucu() = default; // the window made (and shown with goster) by the one deriving
    explicit EkranSurucu(P *pencere)
        : e(pencere)
    {
        goster();
    }
    ~EkranSurucu()
    {
        if (e)
            e->close();
    }
    EkranSurucu(const EkranSurucu &) = delete;
    EkranSurucu &operator=(const EkranSurucu &) = delete;

    void goster() const
    {
        e->show();
        QCoreApplication::processEvents();
    }
    template <class T = QWidget> T *w(const char *ad) const
    {
        T *x = e->template findChild<T *>(QLatin1String(ad));
        if (!x)
            qWarning("denetim yok: %s", ad);
        return x;
    }
    void tikla(const char *ad) const { w<QAbstractButton>(ad)->click(); }
    void eylem(const char *ad) const { w<QAction>(ad)->trigger(); }
    void yaz(const char *ad, const QString &metin) const { HarfHarfYaz(w<QLineEdit>(ad), metin); }
    QString metin(const char *ad) const { return w<QLineEdit>(ad)->text(); }
};
