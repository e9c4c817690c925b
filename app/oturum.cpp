#include "app/oturum.h"

#include "db/sqltext.h"

OturumKaydi Oturum;
AktarimKaydi Aktarim;

QString SirketKosulu() { return QStringLiteral(" and sirketkodu =") + SqlQuote(Oturum.sirketkodu); }
