#ifndef passcan_h
#define passcan_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 37

typedef enum {
  i_Unknown= -1, i_EndOfFile, tProgram, tConst, tVar, tProcedure, tBegin,
  tEnd, tIf, tThen, tElse, tWhile, tDo, tRead, tWrite, tInteger, tBoolean,
  tTrue, tFalse, tNot, tIdent, tNumber, tAssign, tSemicolon, tColon, tDot,
  tEqual, tLess, tGreater, tPlus, tMinus, tTimes, tDiv, tListSep, tPackLeft,
  tPackRight, whitespace, comment
} i_token_set;

#include "scanpars.h"

/* Type definitions for the scanner attributes: */

typedef enum {
  decimal, hexadecimal
} radix;

void i_radix(radix *);

typedef struct {
  string spelling;
} t_tIdent;

typedef struct {
  integer value;
  radix base;
} t_tNumber;


/* Procedures for the attributed terminals: */

void p_tIdent(t_tIdent *);
void p_tNumber(t_tNumber *);

#endif
