#pragma once
// The three one-click reports of the day's account movements (main window,
// "Çok Kullanılan Raporlar"): activity, income/expense, doctors' earnings.
#include "raporlar/carihareketrapor.h"

#include <QDate>
#include <functional>

class QWidget;
class Rapor;

namespace GunlukRaporlar {

// Selects the day's rows, loads the template and shows it. False on a
// database error or a missing template (the user has been told).
bool Goster(CariHareketRapor::Gunluk tur, QWidget *ust, const QDate &gun = QDate::currentDate());

// Registers "gunlukfaaliyetraporu", "gunlukgelirgiderraporu" and
// "gunlukdoktorhakedisraporu" as operations.
void EylemleriKaydet();

} // namespace GunlukRaporlar
