#include "yeni/bir.h"
