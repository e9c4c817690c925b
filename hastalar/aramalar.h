#pragma once
// The lookup configurations of the program, one per window name, registered
// with the lookup dialog (app/aramapenceresi.h) at start-up.

void AramalariKaydet();
