#pragma once
// Printing an account statement (wide, narrow, detailed) from a screen that
// does not see the accounts feature: the program's registrations fill the
// printer in (app/program/ekranlistesi.cpp).
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct EkstreIstegi
{
    enum class Tur { Genis, Dar, Detayli };
    Tur tur = Tur::Genis;
    QString select;            // the caller's list statement, its order kept
    QString baslik;            // empty: the layout's own title
    QStringList acilisSatiri;  // narrow only: the seven texts of the opening-balance line, or empty
};

// Prints the statement in the preview; false when it could not be built
// (the user has been told) or no printer is registered.
using EkstreYazici = std::function<bool(const EkstreIstegi &istek, QWidget *ust)>;
EkstreYazici &EkstreHizmeti();
