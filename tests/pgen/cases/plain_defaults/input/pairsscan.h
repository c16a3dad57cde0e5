#ifndef pairsscan_h
#define pairsscan_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 4

typedef enum {
  i_Unknown= -1, i_EndOfFile, a, b, whitespace
} i_token_set;

#include "scanpars.h"

#endif
