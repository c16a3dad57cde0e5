#ifndef calc_h
#define calc_h
#include "cgl.h"
#include "calcconv.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 3

typedef enum {
  i_Unknown= -1, i_EndOfFile, gap, number
} i_token_set;

#include "scanpars.h"

/* Type definitions for the scanner attributes: */

typedef struct {
  string text;
  integer twice;
} t_number;


/* Procedures for the attributed terminals: */

void p_number(t_number *);

#endif

