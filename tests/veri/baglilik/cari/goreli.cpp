#include "../klinik/cariisleme.h"
#include "./carihesap.h"
