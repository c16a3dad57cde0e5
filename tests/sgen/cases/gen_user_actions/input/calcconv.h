#include "cgl.h"

integer	doubled(string repr);
