#include "db/veriseti.h"
