#include "marksscan.h"

char *i_token_names[]= { "End of file", "a", "b", 0 };
