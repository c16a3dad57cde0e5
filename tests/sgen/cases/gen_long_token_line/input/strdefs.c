#include "strdefs.h"
#include "scanpars.h"
integer token_line(string repr) { (void)repr; return i_token_line(); }
