#include "app/program/frm_menu.h"
