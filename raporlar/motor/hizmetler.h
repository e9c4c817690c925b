#pragma once
// Hands the record-screen framework its report services (app/raporhizmeti.h):
// the template chooser, the preview of a data set, the spreadsheet export.

void RaporHizmetleriniKur();
