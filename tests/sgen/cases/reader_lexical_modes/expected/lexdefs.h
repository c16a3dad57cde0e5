#include "cgl.h"

integer	to_number(string repr);
