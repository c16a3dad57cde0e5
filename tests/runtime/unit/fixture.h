/* Token table of the runtime unit tests (shared by C and C++). */
#ifndef fixture_h
#define fixture_h
#include "cgl.h"

#define i_token_set_size 6

typedef enum {
  i_Unknown= -1, i_EndOfFile, alpha, beta, gamma_sym, delta, name
} i_token_set;

#include "scanpars.h"

#endif
