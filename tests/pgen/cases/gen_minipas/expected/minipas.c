#include "passcan.h"
#include "pastypes.h"
#include "pasacts.h"


typedef struct {
  typeid vt;
} t_type_spec;

typedef struct {
  label skip;
} t_then_part;

typedef struct {
  varref acc;
} t_selectors;

typedef struct {
  callref cl;
} t_actual_params;

typedef struct {
  typeid vt;
} t_expression;

typedef struct {
  oper op;
  integer ln;
} t_relop;

typedef struct {
  typeid vt;
} t_simple_expr;

typedef struct {
  oper op;
  integer ln;
} t_addop;

typedef struct {
  typeid vt;
} t_term;

typedef struct {
  oper op;
  integer ln;
} t_mulop;

typedef struct {
  typeid vt;
} t_factor;



static void p_program(i_marker_set, ...);
static void p_block(i_marker_set, ...);
static void p_declaration(i_marker_set, ...);
static void p_const_decl(i_marker_set, ...);
static void p_type_decl(i_marker_set, ...);
static void p_var_decl(i_marker_set, ...);
static void p_name_list(i_marker_set, ...);
static void p_routine(i_marker_set, ...);
static void p_formals(i_marker_set, ...);
static void p_formal_group(i_marker_set, ...);
static void p_type_spec(t_type_spec *, i_marker_set, ...);
static void p_index_range(i_marker_set, ...);
static void p_compound(i_marker_set, ...);
static void p_statement(i_marker_set, ...);
static void p_closed_statement(i_marker_set, ...);
static void p_open_statement(i_marker_set, ...);
static void p_then_part(t_then_part *, i_marker_set, ...);
static void p_read_item(i_marker_set, ...);
static void p_selectors(t_selectors *, i_marker_set, ...);
static void p_actual_params(t_actual_params *, i_marker_set, ...);
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
  start_compiler();
  p_program(i_markers, i_EndOfFile, -1);
  finish_compiler();
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_program(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tProgram, tIdent, tSemicolon, tBegin, tFunction
                 , tProcedure, tVar, tType, tConst, tDot, -1);
  if (i_look_ahead == tProgram) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tProgram");
  }
  i_delete_until(i_markers, tIdent, tSemicolon, tBegin, tFunction, tProcedure
                 , tVar, tType, tConst, tDot, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
  }
  begin_program(v_01tIdent.spelling, v_01tIdent.line);
  i_delete_until(i_markers, tSemicolon, tBegin, tFunction, tProcedure, tVar
                 , tType, tConst, tDot, -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  p_block(i_markers, tDot, -1);
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
p_block(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of CLOS */
  i_delete_until(i_markers, tType, tVar, tConst, tProcedure, tFunction, tBegin
                 , -1);
  while (i_in_set(i_look_ahead, tFunction, tProcedure, tConst, tVar, tType, -1)
  ) {
    p_declaration(i_markers, tBegin, tFunction, tProcedure, tConst, tVar, tType
                  , -1);
    i_delete_until(i_markers, tType, tVar, tConst, tProcedure, tFunction, tBegin
                   , -1);
  }
  /* END of CLOS */

  begin_body();
  p_compound(i_markers, -1);
  end_body();
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_declaration(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tFunction, tProcedure, tVar, tType, tConst, -1);
  if (i_look_ahead == tConst) {
    if (i_look_ahead == tConst) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tConst");
    }
    /* BEGIN of SEQ */
    p_const_decl(i_markers, tIdent, -1);
    i_delete_until(i_markers, tIdent, -1);
    while (i_look_ahead == tIdent) {
      p_const_decl(i_markers, tIdent, -1);
      i_delete_until(i_markers, tIdent, -1);
    }
    /* END of SEQ */

  }
  else if (i_look_ahead == tType) {
    if (i_look_ahead == tType) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tType");
    }
    /* BEGIN of SEQ */
    p_type_decl(i_markers, tIdent, -1);
    i_delete_until(i_markers, tIdent, -1);
    while (i_look_ahead == tIdent) {
      p_type_decl(i_markers, tIdent, -1);
      i_delete_until(i_markers, tIdent, -1);
    }
    /* END of SEQ */

  }
  else if (i_look_ahead == tVar) {
    if (i_look_ahead == tVar) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tVar");
    }
    /* BEGIN of SEQ */
    p_var_decl(i_markers, tIdent, -1);
    i_delete_until(i_markers, tIdent, -1);
    while (i_look_ahead == tIdent) {
      p_var_decl(i_markers, tIdent, -1);
      i_delete_until(i_markers, tIdent, -1);
    }
    /* END of SEQ */

  }
  else if (i_in_set(i_look_ahead, tProcedure, tFunction, -1)) {
    p_routine(i_markers, tProcedure, tFunction, -1);
  }
  else {
    i_report(i_WTERMINS, "declaration");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_const_decl(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_expression v_01expression;
  integer mark;
  integer at;
  integer number;
  typeid t;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tEqual, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                 , tCharacter, tString, tNumber, tIdent, tMinus, tPlus
                 , tSemicolon, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
  }
  i_delete_until(i_markers, tEqual, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                 , tCharacter, tString, tNumber, tIdent, tMinus, tPlus
                 , tSemicolon, -1);
  if (i_look_ahead == tEqual) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tEqual");
  }
  here(&at);
  code_mark(&mark);
  p_expression(&v_01expression, i_markers, tSemicolon, -1);
  constant_value(mark, v_01expression.vt, at, &number, &t);
  declare_const(v_01tIdent.spelling, v_01tIdent.line, t, number);
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
p_type_decl(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_type_spec v_01type_spec;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tEqual, tInteger, tChar, tArray, tIdent, tBoolean
                 , tSemicolon, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
  }
  i_delete_until(i_markers, tEqual, tInteger, tChar, tArray, tIdent, tBoolean
                 , tSemicolon, -1);
  if (i_look_ahead == tEqual) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tEqual");
  }
  p_type_spec(&v_01type_spec, i_markers, tSemicolon, -1);
  declare_type(v_01tIdent.spelling, v_01tIdent.line, v_01type_spec.vt);
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
p_var_decl(i_marker_set i_markers, ...)
{
  t_type_spec v_01type_spec;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_name_list(i_markers, tSemicolon, tBoolean, tIdent, tArray, tChar, tInteger
              , tColon, -1);
  i_delete_until(i_markers, tColon, tInteger, tChar, tArray, tIdent, tBoolean
                 , tSemicolon, -1);
  if (i_look_ahead == tColon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tColon");
  }
  p_type_spec(&v_01type_spec, i_markers, tSemicolon, -1);
  declare_vars(v_01type_spec.vt);
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
p_name_list(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
  }
  note_name(v_01tIdent.spelling, v_01tIdent.line);
  i_delete_until(i_markers, tListSep, tIdent, -1);
  while (i_in_set(i_look_ahead, tIdent, tListSep, -1)) {
    if (i_look_ahead == tListSep) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tListSep");
    }
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    note_name(v_01tIdent.spelling, v_01tIdent.line);
    i_delete_until(i_markers, tListSep, tIdent, -1);
  }
  /* END of CHAIN or LIST */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_routine(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_tIdent v_02tIdent;
  t_type_spec v_01type_spec;
  symbol r;
  integer at;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tFunction, tProcedure, -1);
  if (i_look_ahead == tProcedure) {
    if (i_look_ahead == tProcedure) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tProcedure");
    }
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    declare_procedure(v_01tIdent.spelling, v_01tIdent.line, &r);
    /* BEGIN of OPTION */
    if (i_look_ahead == tPackLeft) {
      p_formals(i_markers, tFunction, tProcedure, tConst, tVar, tType, tBegin
                , tSemicolon, -1);
    }
    /* END of OPTION */

  }
  else if (i_look_ahead == tFunction) {
    if (i_look_ahead == tFunction) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tFunction");
    }
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_02tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_02tIdent.spelling);
      i_integer(&v_02tIdent.line);
    }
    declare_function(v_02tIdent.spelling, v_02tIdent.line, &r);
    /* BEGIN of OPTION */
    if (i_look_ahead == tPackLeft) {
      p_formals(i_markers, tFunction, tProcedure, tConst, tVar, tType, tBegin
                , tSemicolon, tColon, tInteger, tChar, tArray, tIdent, tBoolean
                , -1);
    }
    /* END of OPTION */

    if (i_look_ahead == tColon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tColon");
    }
    here(&at);
    p_type_spec(&v_01type_spec, i_markers, tSemicolon, tBegin, tType, tVar
                                , tConst, tProcedure, tFunction, -1);
    set_result(r, v_01type_spec.vt, at);
  }
  else {
    i_report(i_WGRPINS);
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
    declare_procedure(v_01tIdent.spelling, v_01tIdent.line, &r);
  }
  i_delete_until(i_markers, tBegin, tType, tVar, tConst, tProcedure, tFunction
                 , tSemicolon, -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  p_block(i_markers, tSemicolon, -1);
  i_delete_until(i_markers, tSemicolon, -1);
  if (i_look_ahead == tSemicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tSemicolon");
  }
  close_routine(r);
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_formals(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tPackLeft, tVar, tIdent, tPackRight, -1);
  if (i_look_ahead == tPackLeft) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackLeft");
  }
  /* BEGIN of CHAIN or LIST */
  p_formal_group(i_markers, tSemicolon, tPackRight, -1);
  i_delete_until(i_markers, tIdent, tVar, tSemicolon, tPackRight, -1);
  while (i_in_set(i_look_ahead, tIdent, tVar, tSemicolon, -1)) {
    if (i_look_ahead == tSemicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tSemicolon");
    }
    p_formal_group(i_markers, tIdent, tVar, tSemicolon, tPackRight, -1);
    i_delete_until(i_markers, tIdent, tVar, tSemicolon, tPackRight, -1);
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, tPackRight, -1);
  if (i_look_ahead == tPackRight) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackRight");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_formal_group(i_marker_set i_markers, ...)
{
  t_type_spec v_01type_spec;
  t_type_spec v_02type_spec;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIdent, tVar, -1);
  if (i_look_ahead == tVar) {
    if (i_look_ahead == tVar) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tVar");
    }
    p_name_list(i_markers, tBoolean, tIdent, tArray, tChar, tInteger, tColon, -1
    );
    i_delete_until(i_markers, tColon, tInteger, tChar, tArray, tIdent, tBoolean
                   , -1);
    if (i_look_ahead == tColon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tColon");
    }
    p_type_spec(&v_01type_spec, i_markers, -1);
    declare_params(true, v_01type_spec.vt);
  }
  else if (i_look_ahead == tIdent) {
    p_name_list(i_markers, tBoolean, tIdent, tArray, tChar, tInteger, tColon, -1
    );
    if (i_look_ahead == tColon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tColon");
    }
    p_type_spec(&v_02type_spec, i_markers, -1);
    declare_params(false, v_02type_spec.vt);
  }
  else {
    i_report(i_WTERMINS, "formal_group");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_type_spec(t_type_spec *i_attrs, i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_type_spec v_01type_spec;
  integer mark;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tArray, tIdent, tChar, tBoolean, tInteger, -1);
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
  else if (i_look_ahead == tChar) {
    if (i_look_ahead == tChar) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tChar");
    }
    copy_type(tyChar, &i_attrs->vt);
  }
  else if (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    named_type(v_01tIdent.spelling, v_01tIdent.line, &i_attrs->vt);
  }
  else if (i_look_ahead == tArray) {
    if (i_look_ahead == tArray) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tArray");
    }
    begin_array(&mark);
    if (i_look_ahead == tBracketLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tBracketLeft");
    }
    /* BEGIN of CHAIN or LIST */
    p_index_range(i_markers, tBoolean, tIdent, tArray, tChar, tInteger, tOf
                  , tBracketRight, tListSep, -1);
    while (i_in_set(i_look_ahead, tPlus, tMinus, tIdent, tNumber, tString
                    , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                    , tListSep, -1)) {
      if (i_look_ahead == tListSep) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tListSep");
      }
      p_index_range(i_markers, tBoolean, tIdent, tArray, tChar, tInteger, tOf
                    , tBracketRight, tListSep, tChr, tOrd, tNot, tFalse, tTrue
                    , tPackLeft, tCharacter, tString, tNumber, tMinus, tPlus, -1
      );
    }
    /* END of CHAIN or LIST */

    if (i_look_ahead == tBracketRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tBracketRight");
    }
    if (i_look_ahead == tOf) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tOf");
    }
    p_type_spec(&v_01type_spec, i_markers, -1);
    make_array(mark, v_01type_spec.vt, &i_attrs->vt);
  }
  else {
    i_report(i_WTERMINS, "type_spec");
    no_type(&i_attrs->vt);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_index_range(i_marker_set i_markers, ...)
{
  t_expression v_01expression;
  t_expression v_02expression;
  integer mark;
  integer at;
  integer low;
  integer high;
  typeid low_type;
  typeid high_type;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  here(&at);
  code_mark(&mark);
  p_expression(&v_01expression, i_markers, tPlus, tMinus, tIdent, tNumber
                                , tString, tCharacter, tPackLeft, tTrue, tFalse
                                , tNot, tOrd, tChr, tDotDot, -1);
  constant_value(mark, v_01expression.vt, at, &low, &low_type);
  i_delete_until(i_markers, tDotDot, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                 , tCharacter, tString, tNumber, tIdent, tMinus, tPlus, -1);
  if (i_look_ahead == tDotDot) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tDotDot");
  }
  code_mark(&mark);
  p_expression(&v_02expression, i_markers, -1);
  constant_value(mark, v_02expression.vt, at, &high, &high_type);
  add_range(low_type, low, high_type, high, at);
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

  i_delete_until(i_markers, tSemicolon, tIdent, tBegin, tRepeat, tRead, tWrite
                 , tIf, tWhile, tFor, tEnd, -1);
  if (i_look_ahead == tBegin) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tBegin");
  }
  /* BEGIN of CHAIN or LIST */
  p_statement(i_markers, tSemicolon, tEnd, -1);
  i_delete_until(i_markers, tFor, tWhile, tIf, tWrite, tRead, tRepeat, tBegin
                 , tIdent, tSemicolon, tEnd, -1);
  while (i_in_set(i_look_ahead, tFor, tWhile, tIf, tWrite, tRead, tRepeat
                  , tBegin, tIdent, tSemicolon, -1)) {
    if (i_look_ahead == tSemicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tSemicolon");
    }
    p_statement(i_markers, tFor, tWhile, tIf, tWrite, tRead, tRepeat, tBegin
                , tIdent, tSemicolon, tEnd, -1);
    i_delete_until(i_markers, tFor, tWhile, tIf, tWrite, tRead, tRepeat, tBegin
                   , tIdent, tSemicolon, tEnd, -1);
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
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIf, tFor, tWhile, tRead, tWrite, tRepeat, tIdent
                 , tBegin, tEnd, tSemicolon, tUntil, -1);
  if (i_in_set(i_look_ahead, tUntil, tSemicolon, tEnd, tBegin, tIdent, tRepeat
               , tWrite, tRead, -1)) {
    p_closed_statement(i_markers, tRead, tWrite, tRepeat, tIdent, tBegin, -1);
  }
  else if (i_in_set(i_look_ahead, tWhile, tFor, tIf, -1)) {
    p_open_statement(i_markers, tWhile, tFor, tIf, -1);
  }
  else {
    i_report(i_WTERMINS, "statement");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_closed_statement(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_selectors v_01selectors;
  t_expression v_01expression;
  t_actual_params v_01actual_params;
  t_expression v_02expression;
  t_expression v_03expression;
  symbol s;
  callref c;
  label top;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tEnd, tSemicolon, tUntil, tElse, tWrite, tRead
                 , tRepeat, tBegin, tIdent, -1);
  if (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    lookup(v_01tIdent.spelling, v_01tIdent.line, &s);
    i_delete_until(i_markers, tPackLeft, tEnd, tSemicolon, tUntil, tElse
                   , tBracketLeft, tAssign, -1);
    if (i_in_set(i_look_ahead, tAssign, tBracketLeft, -1)) {
      begin_target(s, v_01tIdent.line, &v_01selectors.acc);
      p_selectors(&v_01selectors, i_markers, tPlus, tMinus, tIdent, tNumber
                                  , tString, tCharacter, tPackLeft, tTrue
                                  , tFalse, tNot, tOrd, tChr, tAssign, -1);
      i_delete_until(i_markers, tAssign, tChr, tOrd, tNot, tFalse, tTrue
                     , tPackLeft, tCharacter, tString, tNumber, tIdent, tMinus
                     , tPlus, -1);
      if (i_look_ahead == tAssign) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tAssign");
      }
      target_value(v_01selectors.acc);
      p_expression(&v_01expression, i_markers, -1);
      assign(v_01selectors.acc, v_01expression.vt);
    }
    else if (i_in_set(i_look_ahead, tElse, tUntil, tSemicolon, tEnd, tPackLeft
                      , -1)) {
      begin_call(s, v_01tIdent.line, false, &c);
      /* BEGIN of OPTION */
      i_delete_until(i_markers, tPackLeft, -1);
      if (i_look_ahead == tPackLeft) {
        copy_call(c, &v_01actual_params.cl);
        p_actual_params(&v_01actual_params, i_markers, -1);
      }
      /* END of OPTION */

      end_procedure_call(c);
    }
    else {
      i_report(i_WGRPINS);
      begin_target(s, v_01tIdent.line, &v_01selectors.acc);
      target_value(v_01selectors.acc);
      no_type(&v_01expression.vt);
      assign(v_01selectors.acc, v_01expression.vt);
    }
  }
  else if (i_look_ahead == tBegin) {
    p_compound(i_markers, tBegin, -1);
  }
  else if (i_look_ahead == tRepeat) {
    if (i_look_ahead == tRepeat) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tRepeat");
    }
    new_label(&top);
    place_label(top);
    /* BEGIN of CHAIN or LIST */
    p_statement(i_markers, tSemicolon, tUntil, tChr, tOrd, tNot, tFalse, tTrue
                , tPackLeft, tCharacter, tString, tNumber, tIdent, tMinus, tPlus
                , -1);
    while (i_in_set(i_look_ahead, tRead, tWrite, tRepeat, tIdent, tBegin, tIf
                    , tFor, tWhile, tSemicolon, -1)) {
      if (i_look_ahead == tSemicolon) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tSemicolon");
      }
      p_statement(i_markers, tRead, tWrite, tRepeat, tBegin, tIf, tFor, tWhile
                  , tSemicolon, tUntil, tChr, tOrd, tNot, tFalse, tTrue
                  , tPackLeft, tCharacter, tString, tNumber, tIdent, tMinus
                  , tPlus, -1);
    }
    /* END of CHAIN or LIST */

    i_delete_until(i_markers, tUntil, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                   , tCharacter, tString, tNumber, tIdent, tMinus, tPlus, -1);
    if (i_look_ahead == tUntil) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tUntil");
    }
    p_expression(&v_02expression, i_markers, -1);
    jump_if_false(v_02expression.vt, top);
  }
  else if (i_look_ahead == tRead) {
    if (i_look_ahead == tRead) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tRead");
    }
    i_delete_until(i_markers, tEnd, tSemicolon, tUntil, tElse, tPackLeft, -1);
    if (i_look_ahead == tPackLeft) {
      if (i_look_ahead == tPackLeft) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tPackLeft");
      }
      /* BEGIN of CHAIN or LIST */
      p_read_item(i_markers, tListSep, tPackRight, -1);
      i_delete_until(i_markers, tIdent, tListSep, tPackRight, -1);
      while (i_in_set(i_look_ahead, tIdent, tListSep, -1)) {
        if (i_look_ahead == tListSep) {
          i_next_token();
        }
        else {
          i_report(i_WTERMINS, "tListSep");
        }
        p_read_item(i_markers, tIdent, tListSep, tPackRight, -1);
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
    else if (i_in_set(i_look_ahead, tElse, tUntil, tSemicolon, tEnd, -1)) {
      skip_line();
    }
    else {
      i_report(i_WGRPINS);
    }
  }
  else if (i_look_ahead == tWrite) {
    if (i_look_ahead == tWrite) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tWrite");
    }
    i_delete_until(i_markers, tEnd, tSemicolon, tUntil, tElse, tPackLeft, -1);
    if (i_look_ahead == tPackLeft) {
      if (i_look_ahead == tPackLeft) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tPackLeft");
      }
      /* BEGIN of CHAIN or LIST */
      p_expression(&v_03expression, i_markers, tPackRight, tListSep, -1);
      write_value(v_03expression.vt);
      while (i_in_set(i_look_ahead, tPlus, tMinus, tIdent, tNumber, tString
                      , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                      , tListSep, -1)) {
        if (i_look_ahead == tListSep) {
          i_next_token();
        }
        else {
          i_report(i_WTERMINS, "tListSep");
        }
        p_expression(&v_03expression, i_markers, tPackRight, tListSep, tChr
                                      , tOrd, tNot, tFalse, tTrue, tPackLeft
                                      , tCharacter, tString, tNumber, tIdent
                                      , tMinus, tPlus, -1);
        write_value(v_03expression.vt);
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
    else if (i_in_set(i_look_ahead, tElse, tUntil, tSemicolon, tEnd, -1)) {
      write_nothing();
    }
    else {
      i_report(i_WGRPINS);
      no_type(&v_03expression.vt);
      write_value(v_03expression.vt);
    }
  }
  else if (i_in_set(i_look_ahead, tElse, tUntil, tSemicolon, tEnd, -1)) {
    }
  else {
    i_report(i_WTERMINS, "closed_statement");
    /* NO SEMANTIC RECOVERY NEEDED */
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_open_statement(i_marker_set i_markers, ...)
{
  t_expression v_01expression;
  t_then_part v_01then_part;
  t_expression v_02expression;
  t_tIdent v_01tIdent;
  t_expression v_03expression;
  t_expression v_04expression;
  label top;
  label test;
  integer mark;
  piece p;
  loopref f;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tFor, tWhile, tIf, -1);
  if (i_look_ahead == tIf) {
    if (i_look_ahead == tIf) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIf");
    }
    p_expression(&v_01expression, i_markers, tElse, tIdent, tBegin, tRepeat
                                  , tRead, tWrite, tIf, tWhile, tFor, tThen, -1
    );
    new_label(&v_01then_part.skip);
    jump_if_false(v_01expression.vt, v_01then_part.skip);
    if (i_look_ahead == tThen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tThen");
    }
    p_then_part(&v_01then_part, i_markers, -1);
  }
  else if (i_look_ahead == tWhile) {
    if (i_look_ahead == tWhile) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tWhile");
    }
    new_label(&test);
    emit_jump(test);
    new_label(&top);
    place_label(top);
    code_mark(&mark);
    p_expression(&v_02expression, i_markers, tWhile, tFor, tIf, tBegin, tIdent
                                  , tRepeat, tWrite, tRead, tDo, -1);
    end_condition(mark, v_02expression.vt, &p);
    if (i_look_ahead == tDo) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tDo");
    }
    p_statement(i_markers, -1);
    place_label(test);
    paste_condition(p, top);
  }
  else if (i_look_ahead == tFor) {
    if (i_look_ahead == tFor) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tFor");
    }
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    begin_for(v_01tIdent.spelling, v_01tIdent.line, &f);
    if (i_look_ahead == tAssign) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tAssign");
    }
    p_expression(&v_03expression, i_markers, tWhile, tFor, tIf, tBegin, tRepeat
                                  , tWrite, tRead, tDo, tPlus, tMinus, tIdent
                                  , tNumber, tString, tCharacter, tPackLeft
                                  , tTrue, tFalse, tNot, tOrd, tChr, tDownto
                                  , tTo, -1);
    for_start(f, v_03expression.vt);
    i_delete_until(i_markers, tDownto, tTo, -1);
    if (i_look_ahead == tTo) {
      if (i_look_ahead == tTo) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tTo");
      }
      for_direction(f, false);
    }
    else if (i_look_ahead == tDownto) {
      if (i_look_ahead == tDownto) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tDownto");
      }
      for_direction(f, true);
    }
    else {
      i_report(i_WGRPINS);
      for_direction(f, false);
    }
    p_expression(&v_04expression, i_markers, tWhile, tFor, tIf, tBegin, tIdent
                                  , tRepeat, tWrite, tRead, tDo, -1);
    for_limit(f, v_04expression.vt);
    if (i_look_ahead == tDo) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tDo");
    }
    p_statement(i_markers, -1);
    end_for(f);
  }
  else {
    i_report(i_WTERMINS, "open_statement");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_then_part(t_then_part *i_attrs, i_marker_set i_markers, ...)
{
  label done;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIf, tFor, tWhile, tElse, tBegin, tRead, tWrite
                 , tRepeat, tIdent, tEnd, tSemicolon, tUntil, -1);
  if (i_in_set(i_look_ahead, tUntil, tSemicolon, tEnd, tIdent, tRepeat, tWrite
               , tRead, tBegin, tElse, -1)) {
    p_closed_statement(i_markers, tElse, -1);
    i_delete_until(i_markers, tEnd, tSemicolon, tUntil, tElse, -1);
    if (i_look_ahead == tElse) {
      if (i_look_ahead == tElse) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tElse");
      }
      new_label(&done);
      emit_jump(done);
      place_label(i_attrs->skip);
      p_statement(i_markers, -1);
      place_label(done);
    }
    else if (i_in_set(i_look_ahead, tUntil, tSemicolon, tEnd, -1)) {
      place_label(i_attrs->skip);
    }
    else {
      i_report(i_WGRPINS);
      new_label(&done);
      emit_jump(done);
      place_label(i_attrs->skip);
      place_label(done);
    }
  }
  else if (i_in_set(i_look_ahead, tWhile, tFor, tIf, -1)) {
    p_open_statement(i_markers, tWhile, tFor, tIf, -1);
    place_label(i_attrs->skip);
  }
  else {
    i_report(i_WTERMINS, "then_part");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_read_item(i_marker_set i_markers, ...)
{
  t_tIdent v_01tIdent;
  t_selectors v_01selectors;
  symbol s;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIdent, tBracketLeft, -1);
  if (i_look_ahead == tIdent) {
    p_tIdent(&v_01tIdent);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tIdent");
    i_string(&v_01tIdent.spelling);
    i_integer(&v_01tIdent.line);
  }
  lookup(v_01tIdent.spelling, v_01tIdent.line, &s);
  begin_target(s, v_01tIdent.line, &v_01selectors.acc);
  p_selectors(&v_01selectors, i_markers, -1);
  read_value(v_01selectors.acc);
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_selectors(t_selectors *i_attrs, i_marker_set i_markers, ...)
{
  t_expression v_01expression;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of CLOS */
  i_delete_until(i_markers, tBracketLeft, -1);
  while (i_look_ahead == tBracketLeft) {
    if (i_look_ahead == tBracketLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tBracketLeft");
    }
    /* BEGIN of CHAIN or LIST */
    p_expression(&v_01expression, i_markers, tBracketRight, tBracketLeft
                                  , tListSep, -1);
    add_index(i_attrs->acc, v_01expression.vt);
    while (i_in_set(i_look_ahead, tPlus, tMinus, tIdent, tNumber, tString
                    , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                    , tListSep, -1)) {
      if (i_look_ahead == tListSep) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tListSep");
      }
      p_expression(&v_01expression, i_markers, tBracketRight, tBracketLeft
                                    , tListSep, tChr, tOrd, tNot, tFalse, tTrue
                                    , tPackLeft, tCharacter, tString, tNumber
                                    , tIdent, tMinus, tPlus, -1);
      add_index(i_attrs->acc, v_01expression.vt);
    }
    /* END of CHAIN or LIST */

    if (i_look_ahead == tBracketRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tBracketRight");
    }
    i_delete_until(i_markers, tBracketLeft, -1);
  }
  /* END of CLOS */

  end_selectors(i_attrs->acc);
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_actual_params(t_actual_params *i_attrs, i_marker_set i_markers, ...)
{
  t_expression v_01expression;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                 , tCharacter, tString, tNumber, tIdent, tMinus, tPlus
                 , tPackRight, -1);
  if (i_look_ahead == tPackLeft) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackLeft");
  }
  /* BEGIN of CHAIN or LIST */
  begin_argument(i_attrs->cl);
  p_expression(&v_01expression, i_markers, tPackRight, tListSep, -1);
  end_argument(i_attrs->cl, v_01expression.vt);
  i_delete_until(i_markers, tPlus, tMinus, tIdent, tNumber, tString, tCharacter
                 , tPackLeft, tTrue, tFalse, tNot, tOrd, tChr, tListSep
                 , tPackRight, -1);
  while (i_in_set(i_look_ahead, tPlus, tMinus, tIdent, tNumber, tString
                  , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                  , tListSep, -1)) {
    if (i_look_ahead == tListSep) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tListSep");
    }
    begin_argument(i_attrs->cl);
    p_expression(&v_01expression, i_markers, tPackRight, tListSep, tChr, tOrd
                                  , tNot, tFalse, tTrue, tPackLeft, tCharacter
                                  , tString, tNumber, tIdent, tMinus, tPlus, -1
    );
    end_argument(i_attrs->cl, v_01expression.vt);
    i_delete_until(i_markers, tPlus, tMinus, tIdent, tNumber, tString
                   , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                   , tListSep, tPackRight, -1);
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, tPackRight, -1);
  if (i_look_ahead == tPackRight) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackRight");
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
  typeid t;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_simple_expr(&v_01simple_expr, i_markers, tEqual, tLess, tGreater
                                  , tGreaterEqual, tLessEqual, tNotEqual, -1);
  copy_type(v_01simple_expr.vt, &t);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, tEqual, tLess, tGreater, tGreaterEqual, tLessEqual
                 , tNotEqual, -1);
  if (i_in_set(i_look_ahead, tNotEqual, tLessEqual, tGreaterEqual, tGreater
               , tLess, tEqual, -1)) {
    p_relop(&v_01relop, i_markers, tPlus, tMinus, tIdent, tNumber, tString
                        , tCharacter, tPackLeft, tTrue, tFalse, tNot, tOrd, tChr
                        , -1);
    p_simple_expr(&v_02simple_expr, i_markers, -1);
    compare(v_01relop.op, v_01relop.ln, t, v_02simple_expr.vt, &t);
  }
  /* END of OPTION */

  copy_type(t, &i_attrs->vt);
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

  here(&i_attrs->ln);
  i_delete_until(i_markers, tGreaterEqual, tGreater, tLessEqual, tLess
                 , tNotEqual, tEqual, -1);
  if (i_look_ahead == tEqual) {
    if (i_look_ahead == tEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tEqual");
    }
    set_op(opEq, &i_attrs->op);
  }
  else if (i_look_ahead == tNotEqual) {
    if (i_look_ahead == tNotEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNotEqual");
    }
    set_op(opNe, &i_attrs->op);
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
  else if (i_look_ahead == tLessEqual) {
    if (i_look_ahead == tLessEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tLessEqual");
    }
    set_op(opLe, &i_attrs->op);
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
  else if (i_look_ahead == tGreaterEqual) {
    if (i_look_ahead == tGreaterEqual) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tGreaterEqual");
    }
    set_op(opGe, &i_attrs->op);
  }
  else {
    i_report(i_WGRPINS);
    set_op(opEq, &i_attrs->op);
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
  boolean negative;
  integer at;
  typeid t;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  here(&at);
  set_sign(false, &negative);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, tChr, tOrd, tNot, tFalse, tTrue, tPackLeft
                 , tCharacter, tString, tNumber, tIdent, tMinus, tOr, tPlus, -1
  );
  if (i_in_set(i_look_ahead, tPlus, tMinus, -1)) {
    if (i_look_ahead == tMinus) {
      if (i_look_ahead == tMinus) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tMinus");
      }
      set_sign(true, &negative);
    }
    else if (i_look_ahead == tPlus) {
      if (i_look_ahead == tPlus) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "tPlus");
      }
    }
    else {
      i_report(i_WGRPINS);
      set_sign(true, &negative);
    }
  }
  /* END of OPTION */

  p_term(&v_01term, i_markers, tPlus, tOr, tMinus, -1);
  sign(negative, at, v_01term.vt, &t);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, tPlus, tOr, tMinus, -1);
  while (i_in_set(i_look_ahead, tMinus, tOr, tPlus, -1)) {
    p_addop(&v_01addop, i_markers, tIdent, tNumber, tString, tCharacter
                        , tPackLeft, tTrue, tFalse, tNot, tOrd, tChr, tMinus
                        , tOr, tPlus, -1);
    p_term(&v_02term, i_markers, tMinus, tOr, tPlus, -1);
    binary(v_01addop.op, v_01addop.ln, t, v_02term.vt, &t);
    i_delete_until(i_markers, tPlus, tOr, tMinus, -1);
  }
  /* END of CLOS */

  copy_type(t, &i_attrs->vt);
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

  here(&i_attrs->ln);
  i_delete_until(i_markers, tOr, tMinus, tPlus, -1);
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
  else if (i_look_ahead == tOr) {
    if (i_look_ahead == tOr) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tOr");
    }
    set_op(opOr, &i_attrs->op);
  }
  else {
    i_report(i_WGRPINS);
    set_op(opAdd, &i_attrs->op);
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
  typeid t;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_factor(&v_01factor, i_markers, tTimes, tMod, tAnd, tDiv, -1);
  copy_type(v_01factor.vt, &t);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, tTimes, tMod, tAnd, tDiv, -1);
  while (i_in_set(i_look_ahead, tDiv, tAnd, tMod, tTimes, -1)) {
    p_mulop(&v_01mulop, i_markers, tCharacter, tTrue, tPackLeft, tOrd, tIdent
                        , tChr, tNot, tFalse, tString, tNumber, tDiv, tAnd, tMod
                        , tTimes, -1);
    p_factor(&v_02factor, i_markers, tDiv, tAnd, tMod, tTimes, -1);
    binary(v_01mulop.op, v_01mulop.ln, t, v_02factor.vt, &t);
    i_delete_until(i_markers, tTimes, tMod, tAnd, tDiv, -1);
  }
  /* END of CLOS */

  copy_type(t, &i_attrs->vt);
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

  here(&i_attrs->ln);
  i_delete_until(i_markers, tAnd, tMod, tDiv, tTimes, -1);
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
  else if (i_look_ahead == tMod) {
    if (i_look_ahead == tMod) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tMod");
    }
    set_op(opMod, &i_attrs->op);
  }
  else if (i_look_ahead == tAnd) {
    if (i_look_ahead == tAnd) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tAnd");
    }
    set_op(opAnd, &i_attrs->op);
  }
  else {
    i_report(i_WGRPINS);
    set_op(opMul, &i_attrs->op);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_factor(t_factor *i_attrs, i_marker_set i_markers, ...)
{
  t_tNumber v_01tNumber;
  t_tCharacter v_01tCharacter;
  t_tString v_01tString;
  t_expression v_01expression;
  t_factor v_01factor;
  t_expression v_02expression;
  t_expression v_03expression;
  t_tIdent v_01tIdent;
  t_actual_params v_01actual_params;
  t_selectors v_01selectors;
  symbol s;
  integer at;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tIdent, tChr, tOrd, tNot, tPackLeft, tFalse, tTrue
                 , tString, tCharacter, tNumber, -1);
  if (i_look_ahead == tNumber) {
    if (i_look_ahead == tNumber) {
      p_tNumber(&v_01tNumber);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNumber");
      i_integer(&v_01tNumber.value);
      i_integer(&v_01tNumber.line);
    }
    load_number(v_01tNumber.value, &i_attrs->vt);
  }
  else if (i_look_ahead == tCharacter) {
    if (i_look_ahead == tCharacter) {
      p_tCharacter(&v_01tCharacter);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tCharacter");
      i_char(&v_01tCharacter.code);
      i_integer(&v_01tCharacter.line);
    }
    load_char(v_01tCharacter.code, &i_attrs->vt);
  }
  else if (i_look_ahead == tString) {
    if (i_look_ahead == tString) {
      p_tString(&v_01tString);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tString");
      i_string(&v_01tString.spelling);
      i_integer(&v_01tString.line);
    }
    load_string(v_01tString.spelling, v_01tString.line, &i_attrs->vt);
  }
  else if (i_look_ahead == tTrue) {
    if (i_look_ahead == tTrue) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tTrue");
    }
    load_bool(true, &i_attrs->vt);
  }
  else if (i_look_ahead == tFalse) {
    if (i_look_ahead == tFalse) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tFalse");
    }
    load_bool(false, &i_attrs->vt);
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
    here(&at);
    if (i_look_ahead == tNot) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tNot");
    }
    p_factor(&v_01factor, i_markers, -1);
    negation(at, v_01factor.vt, &i_attrs->vt);
  }
  else if (i_look_ahead == tOrd) {
    here(&at);
    if (i_look_ahead == tOrd) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tOrd");
    }
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    p_expression(&v_02expression, i_markers, tPackRight, -1);
    i_delete_until(i_markers, tPackRight, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
    to_ordinal(at, v_02expression.vt, &i_attrs->vt);
  }
  else if (i_look_ahead == tChr) {
    here(&at);
    if (i_look_ahead == tChr) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tChr");
    }
    if (i_look_ahead == tPackLeft) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackLeft");
    }
    p_expression(&v_03expression, i_markers, tPackRight, -1);
    i_delete_until(i_markers, tPackRight, -1);
    if (i_look_ahead == tPackRight) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tPackRight");
    }
    to_char(at, v_03expression.vt, &i_attrs->vt);
  }
  else if (i_look_ahead == tIdent) {
    if (i_look_ahead == tIdent) {
      p_tIdent(&v_01tIdent);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tIdent");
      i_string(&v_01tIdent.spelling);
      i_integer(&v_01tIdent.line);
    }
    lookup(v_01tIdent.spelling, v_01tIdent.line, &s);
    i_delete_until(i_markers, tBracketLeft, tSemicolon, tBracketRight, tListSep
                   , tDotDot, tEnd, tUntil, tPackRight, tThen, tDo, tTo, tDownto
                   , tElse, tNotEqual, tLessEqual, tGreaterEqual, tGreater
                   , tLess, tEqual, tMinus, tOr, tPlus, tDiv, tAnd, tMod, tTimes
                   , tPackLeft, -1);
    if (i_look_ahead == tPackLeft) {
      begin_call(s, v_01tIdent.line, true, &v_01actual_params.cl);
      p_actual_params(&v_01actual_params, i_markers, -1);
      end_function_call(v_01actual_params.cl, &i_attrs->vt);
    }
    else if (i_in_set(i_look_ahead, tTimes, tMod, tAnd, tDiv, tPlus, tOr, tMinus
                      , tEqual, tLess, tGreater, tGreaterEqual, tLessEqual
                      , tNotEqual, tElse, tDownto, tTo, tDo, tThen, tPackRight
                      , tUntil, tEnd, tDotDot, tListSep, tBracketRight
                      , tSemicolon, tBracketLeft, -1)) {
      begin_access(s, v_01tIdent.line, &v_01selectors.acc);
      p_selectors(&v_01selectors, i_markers, -1);
      load_access(v_01selectors.acc, &i_attrs->vt);
    }
    else {
      i_report(i_WGRPINS);
      begin_call(s, v_01tIdent.line, true, &v_01actual_params.cl);
      end_function_call(v_01actual_params.cl, &i_attrs->vt);
    }
  }
  else {
    i_report(i_WTERMINS, "factor");
    no_type(&i_attrs->vt);
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

