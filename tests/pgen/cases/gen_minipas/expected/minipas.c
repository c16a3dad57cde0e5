#include "passcan.h"
#include "pasacts.h"


typedef struct {
  integer depth;
} t_block;

typedef struct {
  vtype vt;
} t_type_name;

typedef struct {
  vtype vt;
} t_expression;

typedef struct {
  opcode op;
} t_relop;

typedef struct {
  vtype vt;
} t_simple_expr;

typedef struct {
  opcode op;
} t_addop;

typedef struct {
  vtype vt;
} t_term;

typedef struct {
  opcode op;
} t_mulop;

typedef struct {
  vtype vt;
} t_factor;

integer level;


static void p_program(i_marker_set, ...);
static void p_block(t_block *, i_marker_set, ...);
static void p_const_part(i_marker_set, ...);
static void p_var_part(i_marker_set, ...);
static void p_type_name(t_type_name *, i_marker_set, ...);
static void p_proc_decl(i_marker_set, ...);
static void p_param(i_marker_set, ...);
static void p_compound(i_marker_set, ...);
static void p_statement(i_marker_set, ...);
static void p_expression(t_expression *, i_marker_set, ...);
static void p_relop(t_relop *, i_marker_set, ...);
static void p_simple_expr(t_simple_expr *, i_marker_set, ...);
static void p_addop(t_addop *, i_marker_set, ...);
static void p_term(t_term *, i_marker_set, ...);
static void p_mulop(t_mulop *, i_marker_set, ...);
static void p_factor(t_factor *, i_marker_set, ...);



void
pROOT(void)
{
  i_marker_set i_markers;

  i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);
  if (i_markers == 0) {
    i_report(i_ENOMEM, __LINE__, __FILE__);
    return;
  }
  open_scope(0);
  p_program(i_markers, i_EndOfFile, -1);
  finish_program("MiniPas compiler");
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_program(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_block v_01block;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tProgram, tIdent, tSemicolon, tBegin, tProcedure
                 , tVar, tConst, tDot, -1);
  if (i_look_ahead == tProgram) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tProgram");
  }
  i_delete_until(i_markers, tIdent, tSemicolon, tBegin, tProcedure, tVar, tConst
                 , tDot, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
  }
  start_program(v_01tIdent.spelling, maxLevel);
  i_delete_until(i_markers, tSemicolon, tBegin, tProcedure, tVar, tConst, tDot
                 , -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  next_level(level, &v_01block.depth);
  p_block(&v_01block, i_markers, tDot, -1);
  i_delete_until(i_markers, tDot, -1);
  if (i_look_ahead == tDot) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tDot");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_block(t_block *i_attrs, i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  open_scope(i_attrs->depth);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, tConst, tVar, tProcedure, tBegin, -1);
  if (i_look_ahead == tConst) {
    p_const_part(i_markers, tVar, tProcedure, tBegin, -1);
  }
  /* END of OPTION */

  /* BEGIN of OPTION */
  i_delete_until(i_markers, tVar, tProcedure, tBegin, -1);
  if (i_look_ahead == tVar) {
    p_var_part(i_markers, tProcedure, tBegin, -1);
  }
  /* END of OPTION */

  /* BEGIN of CLOS */
  i_delete_until(i_markers, tProcedure, tBegin, -1);
  while (i_look_ahead == tProcedure) {
    p_proc_decl(i_markers, tBegin, tProcedure, -1);
    i_delete_until(i_markers, tProcedure, tBegin, -1);
  }
  /* END of CLOS */

  p_compound(i_markers, -1);
  close_scope();
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_const_part(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_tNumber v_01tNumber;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tConst, tIdent, -1);
  if (i_look_ahead == tConst) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tConst");
  }
  /* BEGIN of SEQ */
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
  }
  if (i_look_ahead == tEqual) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tEqual");
  }
  if (i_look_ahead == tNumber) {
    p_tNumber(&v_01tNumber);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tNumber");
    i_integer(&v_01tNumber.value);
    i_integer(&v_01tNumber.base);
  }
  declare_const(v_01tIdent.spelling, v_01tNumber.value);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  i_delete_until(i_markers, tIdent, -1);
  while (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
    }
    if (i_look_ahead == tEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tEqual");
    }
    if (i_look_ahead == tNumber) {
      p_tNumber(&v_01tNumber);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNumber");
      i_integer(&v_01tNumber.value);
      i_integer(&v_01tNumber.base);
    }
    declare_const(v_01tIdent.spelling, v_01tNumber.value);
    if (i_look_ahead == tSemicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tSemicolon");
    }
    i_delete_until(i_markers, tIdent, -1);
  }
  /* END of SEQ */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_var_part(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_type_name v_01type_name;
  integer addr;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tVar, tIdent, -1);
  if (i_look_ahead == tVar) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tVar");
  }
  /* BEGIN of SEQ */
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
  }
  if (i_look_ahead == tColon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tColon");
  }
  p_type_name(&v_01type_name, i_markers, tSemicolon, tIdent, -1);
  declare_var(v_01tIdent.spelling, v_01type_name.vt, &addr);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  i_delete_until(i_markers, tIdent, -1);
  while (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
    }
    if (i_look_ahead == tColon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tColon");
    }
    p_type_name(&v_01type_name, i_markers, tSemicolon, tIdent, -1);
    declare_var(v_01tIdent.spelling, v_01type_name.vt, &addr);
    if (i_look_ahead == tSemicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tSemicolon");
    }
    i_delete_until(i_markers, tIdent, -1);
  }
  /* END of SEQ */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_type_name(t_type_name *i_attrs, i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tBoolean, tInteger, -1);
  if (i_look_ahead == tInteger) {
    if (i_look_ahead == tInteger) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tInteger");
    }
    copy_type(tyInteger, &i_attrs->vt);
  }
  else if (i_look_ahead == tBoolean) {
    if (i_look_ahead == tBoolean) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tBoolean");
    }
    copy_type(tyBoolean, &i_attrs->vt);
  }
  else {
    i_report(i_WTERMINS, "type_name");
    default_vtype(&i_attrs->vt);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_proc_decl(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_block v_01block;
  integer lvl;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIdent, tPackLeft, tSemicolon, tVar, tBegin
                 , tProcedure, tConst, -1);
  if (i_look_ahead == tProcedure) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tProcedure");
  }
  i_delete_until(i_markers, tIdent, tPackLeft, tSemicolon, tVar, tBegin
                 , tProcedure, tConst, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
  }
  declare_proc(v_01tIdent.spelling, &lvl);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, tPackLeft, tSemicolon, tVar, tBegin, tProcedure
                 , tConst, -1);
  if (i_look_ahead == tPackLeft) {
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    /* BEGIN of CHAIN or LIST */
    p_param(i_markers, tListSep, tPackRight, tSemicolon, tVar, tBegin
            , tProcedure, tConst, -1);
    i_delete_until(i_markers, tIdent, tListSep, tPackRight, tSemicolon, tVar
                   , tBegin, tProcedure, tConst, -1);
    while (i_in_set(i_look_ahead, tIdent, tListSep, -1)) {
      if (i_look_ahead == tListSep) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tListSep");
      }
      p_param(i_markers, tIdent, tListSep, tPackRight, tSemicolon, tVar, tBegin
              , tProcedure, tConst, -1);
      i_delete_until(i_markers, tIdent, tListSep, tPackRight, tSemicolon, tVar
                     , tBegin, tProcedure, tConst, -1);
    }
    /* END of CHAIN or LIST */

    i_delete_until(i_markers, tPackRight, tConst, tProcedure, tBegin, tVar
                   , tSemicolon, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
  }
  /* END of OPTION */

  i_delete_until(i_markers, tVar, tBegin, tProcedure, tConst, tSemicolon, -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  next_level(lvl, &v_01block.depth);
  p_block(&v_01block, i_markers, tSemicolon, -1);
  i_delete_until(i_markers, tSemicolon, -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_param(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_type_name v_01type_name;
  integer addr;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIdent, tColon, tInteger, tBoolean, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
  }
  i_delete_until(i_markers, tColon, tInteger, tBoolean, -1);
  if (i_look_ahead == tColon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tColon");
  }
  p_type_name(&v_01type_name, i_markers, -1);
  declare_var(v_01tIdent.spelling, v_01type_name.vt, &addr);
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_compound(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tBegin, tIdent, tWhile, tWrite, tRead, tIf, tEnd, -1
  );
  if (i_look_ahead == tBegin) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tBegin");
  }
  /* BEGIN of CHAIN or LIST */
  p_statement(i_markers, tSemicolon, tEnd, -1);
  i_delete_until(i_markers, tBegin, tIdent, tWhile, tWrite, tRead, tIf
                 , tSemicolon, tEnd, -1);
  while (i_in_set(i_look_ahead, tBegin, tIdent, tWhile, tWrite, tRead, tIf
                  , tSemicolon, -1)) {
    if (i_look_ahead == tSemicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tSemicolon");
    }
    p_statement(i_markers, tBegin, tIdent, tWhile, tWrite, tRead, tIf
                , tSemicolon, tEnd, -1);
    i_delete_until(i_markers, tBegin, tIdent, tWhile, tWrite, tRead, tIf
                   , tSemicolon, tEnd, -1);
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, tEnd, -1);
  if (i_look_ahead == tEnd) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tEnd");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_statement(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_expression v_01expression;
  t_expression v_02expression;
  t_expression v_03expression;
  t_expression v_04expression;
  t_expression v_05expression;
  t_tIdent v_02tIdent;
  vtype t;
  integer addr;
  label skip;
  label back;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tRead, tWrite, tBegin, tWhile, tIf, tIdent, -1);
  if (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
    }
    i_delete_until(i_markers, tPackLeft, tEnd, tSemicolon, tAssign, -1);
    if (i_look_ahead == tAssign) {
      if (i_look_ahead == tAssign) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tAssign");
      }
      copy_type(unknown, &t);
      p_expression(&v_01expression, i_markers, -1);
      find_var(v_01tIdent.spelling, &t, &addr);
      expect_type(v_01expression.vt, t);
      emit_store(addr, t);
    }
    else if (i_in_set(i_look_ahead, tSemicolon, tEnd, tPackLeft, -1)) {
      /* BEGIN of OPTION */
      i_delete_until(i_markers, tPackLeft, -1);
      if (i_look_ahead == tPackLeft) {
        if (i_look_ahead == tPackLeft) {
          i_next_token();
        }
        else {
          i_report(i_WTERMINS, "tPackLeft");
        }
        /* BEGIN of CHAIN or LIST */
        p_expression(&v_02expression, i_markers, tListSep, tPackRight, tPackLeft
                                      , -1);
        while (i_in_set(i_look_ahead, tNot, tFalse, tTrue, tPackLeft, tNumber
                        , tIdent, tMinus, tListSep, -1)) {
          if (i_look_ahead == tListSep) {
            i_next_token();
          }
          else {
            i_report(i_WTERMINS, "tListSep");
          }
          p_expression(&v_02expression, i_markers, tNot, tFalse, tTrue, tNumber
                                        , tIdent, tMinus, tListSep, tPackRight
                                        , tPackLeft, -1);
        }
        /* END of CHAIN or LIST */

        if (i_look_ahead == tPackRight) {
          i_next_token();
        }
        else {
          i_report(i_WTERMINS, "tPackRight");
        }
      }
      /* END of OPTION */

      call_proc(v_01tIdent.spelling);
    }
    else {
      i_report(i_WGRPINS);
      copy_type(unknown, &t);
      default_vtype(&v_01expression.vt);
      find_var(v_01tIdent.spelling, &t, &addr);
      expect_type(v_01expression.vt, t);
      emit_store(addr, t);
    }
  }
  else if (i_look_ahead == tIf) {
    if (i_look_ahead == tIf) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIf");
    }
    p_expression(&v_03expression, i_markers, tElse, tBegin, tThen, -1);
    expect_type(v_03expression.vt, tyBoolean);
    new_label(&skip);
    emit_jump(skip, true);
    i_delete_until(i_markers, tThen, tBegin, tElse, -1);
    if (i_look_ahead == tThen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tThen");
    }
    p_compound(i_markers, tElse, -1);
    /* BEGIN of OPTION */
    i_delete_until(i_markers, tElse, -1);
    if (i_look_ahead == tElse) {
      if (i_look_ahead == tElse) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tElse");
      }
      new_label(&back);
      emit_jump(back, false);
      place_label(skip);
      p_compound(i_markers, -1);
      place_label(back);
    }
    /* END of OPTION */

  }
  else if (i_look_ahead == tWhile) {
    if (i_look_ahead == tWhile) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tWhile");
    }
    new_label(&back);
    place_label(back);
    p_expression(&v_04expression, i_markers, tIf, tRead, tWrite, tWhile, tIdent
                                  , tBegin, tDo, -1);
    new_label(&skip);
    emit_jump(skip, true);
    if (i_look_ahead == tDo) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tDo");
    }
    p_statement(i_markers, -1);
    emit_jump(back, false);
    place_label(skip);
  }
  else if (i_look_ahead == tBegin) {
    p_compound(i_markers, tBegin, -1);
  }
  else if (i_look_ahead == tWrite) {
    if (i_look_ahead == tWrite) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tWrite");
    }
    i_delete_until(i_markers, tNot, tFalse, tTrue, tPackLeft, tNumber, tIdent
                   , tMinus, tPackRight, -1);
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    /* BEGIN of CHAIN or LIST */
    p_expression(&v_05expression, i_markers, tPackRight, tListSep, -1);
    emit_write(v_05expression.vt);
    i_delete_until(i_markers, tMinus, tIdent, tNumber, tPackLeft, tTrue, tFalse
                   , tNot, tListSep, tPackRight, -1);
    while (i_in_set(i_look_ahead, tMinus, tIdent, tNumber, tPackLeft, tTrue
                    , tFalse, tNot, tListSep, -1)) {
      if (i_look_ahead == tListSep) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tListSep");
      }
      p_expression(&v_05expression, i_markers, tPackRight, tListSep, tNot
                                    , tFalse, tTrue, tPackLeft, tNumber, tIdent
                                    , tMinus, -1);
      emit_write(v_05expression.vt);
      i_delete_until(i_markers, tMinus, tIdent, tNumber, tPackLeft, tTrue
                     , tFalse, tNot, tListSep, tPackRight, -1);
    }
    /* END of CHAIN or LIST */

    i_delete_until(i_markers, tPackRight, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
  }
  else if (i_look_ahead == tRead) {
    if (i_look_ahead == tRead) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tRead");
    }
    i_delete_until(i_markers, tPackLeft, tIdent, tPackRight, -1);
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    /* BEGIN of CHAIN or LIST */
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_02tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_02tIdent.spelling);
    }
    emit_read(v_02tIdent.spelling);
    i_delete_until(i_markers, tIdent, tListSep, tPackRight, -1);
    while (i_in_set(i_look_ahead, tIdent, tListSep, -1)) {
      if (i_look_ahead == tListSep) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tListSep");
      }
      if (i_look_ahead == tIdent) {
        p_tIdent(&v_02tIdent);
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tIdent");
        i_string(&v_02tIdent.spelling);
      }
      emit_read(v_02tIdent.spelling);
      i_delete_until(i_markers, tIdent, tListSep, tPackRight, -1);
    }
    /* END of CHAIN or LIST */

    i_delete_until(i_markers, tPackRight, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
  }
  else {
    i_report(i_WTERMINS, "statement");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_expression(t_expression *i_attrs, i_marker_set i_markers, ...)
{
  t_simple_expr v_01simple_expr;
  t_relop v_01relop;
  t_simple_expr v_02simple_expr;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_simple_expr(&v_01simple_expr, i_markers, tLess, tGreater, tEqual, -1);
  copy_type(v_01simple_expr.vt, &i_attrs->vt);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, tLess, tGreater, tEqual, -1);
  if (i_in_set(i_look_ahead, tEqual, tGreater, tLess, -1)) {
    p_relop(&v_01relop, i_markers, tMinus, tIdent, tNumber, tPackLeft, tTrue
                        , tFalse, tNot, -1);
    p_simple_expr(&v_02simple_expr, i_markers, -1);
    check_types(v_01simple_expr.vt, v_02simple_expr.vt, &i_attrs->vt);
    emit_op(v_01relop.op);
  }
  /* END of OPTION */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_relop(t_relop *i_attrs, i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tGreater, tLess, tEqual, -1);
  if (i_look_ahead == tEqual) {
    if (i_look_ahead == tEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tEqual");
    }
    set_op(opEq, &i_attrs->op);
  }
  else if (i_look_ahead == tLess) {
    if (i_look_ahead == tLess) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tLess");
    }
    set_op(opLt, &i_attrs->op);
  }
  else if (i_look_ahead == tGreater) {
    if (i_look_ahead == tGreater) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tGreater");
    }
    set_op(opGt, &i_attrs->op);
  }
  else {
    i_report(i_WTERMINS, "relop");
    default_opcode(&i_attrs->op);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_simple_expr(t_simple_expr *i_attrs, i_marker_set i_markers, ...)
{
  t_term v_01term;
  t_addop v_01addop;
  t_term v_02term;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of OPTION */
  i_delete_until(i_markers, tNot, tFalse, tTrue, tPackLeft, tNumber, tIdent
                 , tPlus, tMinus, -1);
  if (i_look_ahead == tMinus) {
    if (i_look_ahead == tMinus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tMinus");
    }
  }
  /* END of OPTION */

  p_term(&v_01term, i_markers, tMinus, tPlus, -1);
  copy_type(v_01term.vt, &i_attrs->vt);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, tMinus, tPlus, -1);
  while (i_in_set(i_look_ahead, tPlus, tMinus, -1)) {
    p_addop(&v_01addop, i_markers, tIdent, tNumber, tPackLeft, tTrue, tFalse
                        , tNot, tPlus, tMinus, -1);
    p_term(&v_02term, i_markers, tPlus, tMinus, -1);
    check_types(i_attrs->vt, v_02term.vt, &i_attrs->vt);
    emit_op(v_01addop.op);
    i_delete_until(i_markers, tMinus, tPlus, -1);
  }
  /* END of CLOS */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_addop(t_addop *i_attrs, i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tMinus, tPlus, -1);
  if (i_look_ahead == tPlus) {
    if (i_look_ahead == tPlus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPlus");
    }
    set_op(opAdd, &i_attrs->op);
  }
  else if (i_look_ahead == tMinus) {
    if (i_look_ahead == tMinus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tMinus");
    }
    set_op(opSub, &i_attrs->op);
  }
  else {
    i_report(i_WTERMINS, "addop");
    default_opcode(&i_attrs->op);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_term(t_term *i_attrs, i_marker_set i_markers, ...)
{
  t_factor v_01factor;
  t_mulop v_01mulop;
  t_factor v_02factor;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_factor(&v_01factor, i_markers, tDiv, tTimes, -1);
  copy_type(v_01factor.vt, &i_attrs->vt);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, tDiv, tTimes, -1);
  while (i_in_set(i_look_ahead, tTimes, tDiv, -1)) {
    p_mulop(&v_01mulop, i_markers, tNumber, tNot, tFalse, tTrue, tPackLeft
                        , tIdent, tTimes, tDiv, -1);
    p_factor(&v_02factor, i_markers, tTimes, tDiv, -1);
    check_types(i_attrs->vt, v_02factor.vt, &i_attrs->vt);
    emit_op(v_01mulop.op);
    i_delete_until(i_markers, tDiv, tTimes, -1);
  }
  /* END of CLOS */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_mulop(t_mulop *i_attrs, i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tDiv, tTimes, -1);
  if (i_look_ahead == tTimes) {
    if (i_look_ahead == tTimes) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tTimes");
    }
    set_op(opMul, &i_attrs->op);
  }
  else if (i_look_ahead == tDiv) {
    if (i_look_ahead == tDiv) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tDiv");
    }
    set_op(opDiv, &i_attrs->op);
  }
  else {
    i_report(i_WTERMINS, "mulop");
    default_opcode(&i_attrs->op);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_factor(t_factor *i_attrs, i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_tNumber v_01tNumber;
  t_expression v_01expression;
  t_factor v_01factor;
  integer addr;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tFalse, tTrue, tNot, tPackLeft, tNumber, tIdent, -1
  );
  if (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
    }
    find_var(v_01tIdent.spelling, &i_attrs->vt, &addr);
    emit_load(addr);
  }
  else if (i_look_ahead == tNumber) {
    if (i_look_ahead == tNumber) {
      p_tNumber(&v_01tNumber);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNumber");
      i_integer(&v_01tNumber.value);
      i_integer(&v_01tNumber.base);
    }
    emit_number(v_01tNumber.value, v_01tNumber.base);
    copy_type(tyInteger, &i_attrs->vt);
  }
  else if (i_look_ahead == tPackLeft) {
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    p_expression(&v_01expression, i_markers, tPackRight, -1);
    i_delete_until(i_markers, tPackRight, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
    copy_type(v_01expression.vt, &i_attrs->vt);
  }
  else if (i_look_ahead == tNot) {
    if (i_look_ahead == tNot) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNot");
    }
    p_factor(&v_01factor, i_markers, -1);
    emit_op(opNot);
    copy_type(v_01factor.vt, &i_attrs->vt);
  }
  else if (i_look_ahead == tTrue) {
    if (i_look_ahead == tTrue) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tTrue");
    }
    emit_bool(true);
    copy_type(tyBoolean, &i_attrs->vt);
  }
  else if (i_look_ahead == tFalse) {
    if (i_look_ahead == tFalse) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tFalse");
    }
    emit_bool(false);
    copy_type(tyBoolean, &i_attrs->vt);
  }
  else {
    i_report(i_WTERMINS, "factor");
    default_vtype(&i_attrs->vt);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


int
main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;

  i_next_token();
  pROOT();
  return i_finish();
}

