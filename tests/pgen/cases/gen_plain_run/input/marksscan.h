#ifndef marksscan_h
#define marksscan_h

#define i_token_set_size 3
typedef enum {
  i_Unknown= -1, i_EndOfFile, a, b
} i_token_set;

#include "scanpars_test.h"

#endif
