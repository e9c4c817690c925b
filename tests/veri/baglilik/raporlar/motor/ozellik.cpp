#include "hastalar/frm_hastalar.h"
