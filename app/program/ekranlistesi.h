#pragma once
// Registers every screen, lookup and service of the program with the
// registries of app/ (handed to KayitIslemiAyarla at start-up).

void EkranlariKaydet();
