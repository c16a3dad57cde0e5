#include "calcacts.h"


typedef struct {
  integer value;
} t_expr;

typedef struct {
  opcode op;
} t_addop;

typedef struct {
  integer value;
} t_term;

typedef struct {
  opcode op;
} t_mulop;

typedef struct {
  integer value;
} t_factor;



static void p_lines(i_marker_set, ...);
static void p_statement(i_marker_set, ...);
static void p_expr(t_expr *, i_marker_set, ...);
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
  p_lines(i_markers, i_EndOfFile, -1);
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_lines(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of SEQ */
  p_statement(i_markers, number, minus, lparen, -1);
  i_delete_until(i_markers, number, minus, lparen, -1);
  while (i_in_set(i_look_ahead, number, minus, lparen, -1)) {
    p_statement(i_markers, number, minus, lparen, -1);
    i_delete_until(i_markers, number, minus, lparen, -1);
  }
  /* END of SEQ */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_statement(i_marker_set i_markers, ...)
{
  t_expr v_01expr;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_expr(&v_01expr, i_markers, semicolon, -1);
  show(v_01expr.value);
  i_delete_until(i_markers, semicolon, -1);
  if (i_look_ahead == semicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "semicolon");
  }
  count_line();
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_expr(t_expr *i_attrs, i_marker_set i_markers, ...)
{
  t_term v_01term;
  t_addop v_01addop;
  t_term v_02term;
  integer acc;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_term(&v_01term, i_markers, minus, plus, -1);
  copy(v_01term.value, &acc);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, minus, plus, -1);
  while (i_in_set(i_look_ahead, plus, minus, -1)) {
    p_addop(&v_01addop, i_markers, number, lparen, plus, minus, -1);
    p_term(&v_02term, i_markers, plus, minus, -1);
    apply(v_01addop.op, acc, v_02term.value, &acc);
    i_delete_until(i_markers, minus, plus, -1);
  }
  /* END of CLOS */

  copy(acc, &i_attrs->value);
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

  i_delete_until(i_markers, minus, plus, -1);
  if (i_look_ahead == plus) {
    if (i_look_ahead == plus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "plus");
    }
    set_op(opAdd, &i_attrs->op);
  }
  else if (i_look_ahead == minus) {
    if (i_look_ahead == minus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "minus");
    }
    set_op(opSub, &i_attrs->op);
  }
  else {
    i_report(i_WTERMINS, "addop");
    no_op(&i_attrs->op);
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
  integer acc;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_factor(&v_01factor, i_markers, divide, times, -1);
  copy(v_01factor.value, &acc);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, divide, times, -1);
  while (i_in_set(i_look_ahead, times, divide, -1)) {
    p_mulop(&v_01mulop, i_markers, lparen, minus, number, times, divide, -1);
    p_factor(&v_02factor, i_markers, times, divide, -1);
    apply(v_01mulop.op, acc, v_02factor.value, &acc);
    i_delete_until(i_markers, divide, times, -1);
  }
  /* END of CLOS */

  copy(acc, &i_attrs->value);
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

  i_delete_until(i_markers, divide, times, -1);
  if (i_look_ahead == times) {
    if (i_look_ahead == times) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "times");
    }
    set_op(opMul, &i_attrs->op);
  }
  else if (i_look_ahead == divide) {
    if (i_look_ahead == divide) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "divide");
    }
    set_op(opDiv, &i_attrs->op);
  }
  else {
    i_report(i_WTERMINS, "mulop");
    no_op(&i_attrs->op);
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_factor(t_factor *i_attrs, i_marker_set i_markers, ...)
{
  t_number v_01number;
  t_expr v_01expr;
  t_factor v_01factor;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, minus, lparen, number, -1);
  if (i_look_ahead == number) {
    if (i_look_ahead == number) {
      p_number(&v_01number);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "number");
      zero(&v_01number.value);
    }
    copy(v_01number.value, &i_attrs->value);
  }
  else if (i_look_ahead == lparen) {
    if (i_look_ahead == lparen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "lparen");
    }
    p_expr(&v_01expr, i_markers, rparen, -1);
    i_delete_until(i_markers, rparen, -1);
    if (i_look_ahead == rparen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "rparen");
    }
    copy(v_01expr.value, &i_attrs->value);
  }
  else if (i_look_ahead == minus) {
    if (i_look_ahead == minus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "minus");
    }
    p_factor(&v_01factor, i_markers, -1);
    negate(v_01factor.value, &i_attrs->value);
  }
  else {
    i_report(i_WTERMINS, "factor");
    zero(&i_attrs->value);
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

