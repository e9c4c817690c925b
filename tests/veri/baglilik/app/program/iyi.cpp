#include "hastalar/frm_hastalar.h"
#include "app/program/frm_menu.h"
