#include "app/mesaj.h"
