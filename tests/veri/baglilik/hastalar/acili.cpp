#include <klinik/frm_muayene.h>
