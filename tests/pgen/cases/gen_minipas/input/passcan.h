/* The MiniPas tokens, scanner types and attributed terminals, as the
   scanner generator would declare them for passcan.inc. */
#ifndef passcan_h
#define passcan_h

#define i_token_set_size 35
typedef enum {
  i_Unknown= -1, i_EndOfFile, tProgram, tConst, tVar, tProcedure, tBegin, tEnd, tIf,
  tThen, tElse, tWhile, tDo, tRead, tWrite, tInteger, tBoolean, tTrue, tFalse, tNot,
  tIdent, tNumber, tAssign, tSemicolon, tColon, tDot, tEqual, tLess, tGreater, tPlus,
  tMinus, tTimes, tDiv, tListSep, tPackLeft, tPackRight
} i_token_set;

#include "scanpars_test.h"

typedef enum {
  decimal, hexadecimal
} radix;

typedef struct {
  string spelling;
} t_tIdent;

typedef struct {
  integer value;
  radix base;
} t_tNumber;

void i_radix(radix *v_radix);

void p_tIdent(t_tIdent *v_tIdent);
void p_tNumber(t_tNumber *v_tNumber);

#endif
