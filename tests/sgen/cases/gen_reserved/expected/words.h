#ifndef words_h
#define words_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 8

typedef enum {
  i_Unknown= -1, i_EndOfFile, kif, kthen, ktag, gap, note, ident, tag
} i_token_set;

#include "scanpars.h"

/* Type definitions for the scanner attributes: */

typedef struct {
  string name;
} t_ident;


/* Procedures for the attributed terminals: */

void p_ident(t_ident *);

#endif

