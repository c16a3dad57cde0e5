/* The calculator's tokens and attributed terminals, as the scanner
   generator would declare them. */
#ifndef calcscan_h
#define calcscan_h

#define i_token_set_size 9
typedef enum {
  i_Unknown= -1, i_EndOfFile, number, plus, minus, times, divide, lparen, rparen, semicolon
} i_token_set;

#include "scanpars_test.h"

typedef struct {
  integer value;
} t_number;

void p_number(t_number *v_number);

#endif
