#ifndef calcscan_h
#define calcscan_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 10

typedef enum {
  i_Unknown= -1, i_EndOfFile, number, plus, minus, times, divide, lparen,
  rparen, semicolon, whitespace
} i_token_set;

#include "scanpars.h"

/* Type definitions for the scanner attributes: */

typedef struct {
  integer value;
} t_number;


/* Procedures for the attributed terminals: */

void p_number(t_number *);

#endif
