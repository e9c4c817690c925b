#include "app/oturum.h"

OturumKaydi Oturum;
AktarimKaydi Aktarim;
