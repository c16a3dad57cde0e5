#ifndef ops_h
#define ops_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 11

typedef enum {
  i_Unknown= -1, i_EndOfFile, less, lessequal, unequal, assign, kend, kbegin
  , kelse, blanks, word, number
} i_token_set;

#include "scanpars.h"

/* User-defined scanner types: */

typedef enum {
  colon, plain} style;

/* Type definitions for the scanner attributes: */

typedef struct {
  style form;
} t_assign;

typedef struct {
  integer value;
} t_number;

/* Default actions for each user-defined type: */

void i_style(style *);

/* Procedures for the attributed terminals: */

void p_assign(t_assign *);
void p_number(t_number *);

#endif

