/* The tokens and attributed terminals of edge.inp, as the scanner
   generator would declare them. */
#ifndef edgescan_h
#define edgescan_h
#include "cgl.h"

#define i_token_set_size 9
typedef enum {
  i_Unknown= -1, i_EndOfFile, a, b, c, d, e, tListSep, tPackLeft, tPackRight
} i_token_set;

#include "scanpars.h"

typedef struct {
  integer v;
} t_a;

void p_a(t_a *v_a);

#endif
