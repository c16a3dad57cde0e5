#ifndef mini_h
#define mini_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 29

typedef enum {
  i_Unknown= -1, i_EndOfFile, ident, upword, number, real_number, string_lit,
  char_lit, becomes, plus, minus, arrow, times, slash, equal, less, lparen,
  rparen, semicolon, period, begin_sym, do_sym, else_sym, end_sym, if_sym,
  print_sym, then_sym, while_sym, whitespace, comment
} i_token_set;

#include "scanpars.h"

/* Type definitions for the scanner attributes: */

typedef struct {
  string name;
} t_ident;

typedef struct {
  integer value;
} t_number;

typedef struct {
  real rvalue;
} t_real_number;

typedef struct {
  string text;
} t_string_lit;

typedef struct {
  char code;
} t_char_lit;


/* Procedures for the attributed terminals: */

void p_ident(t_ident *);
void p_number(t_number *);
void p_real_number(t_real_number *);
void p_string_lit(t_string_lit *);
void p_char_lit(t_char_lit *);

#endif
