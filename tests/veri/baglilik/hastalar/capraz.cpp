#include "klinik/frm_notlar2.h"
#include "raporlar/motor/rapor.h"
