#include "mini.h"
#include "miniact.h"


boolean printing;


static void p_program(i_marker_set, ...);
static void p_stmts(i_marker_set, ...);
static void p_statement(i_marker_set, ...);
static void p_expr(i_marker_set, ...);
static void p_addop(i_marker_set, ...);
static void p_term(i_marker_set, ...);
static void p_factor(i_marker_set, ...);


void
pROOT(void)
{
  i_marker_set i_markers;

  i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);
  if (i_markers == 0) {
    i_report(i_ENOMEM, __LINE__, __FILE__);
    return;
  }

  p_program(i_markers, i_EndOfFile, -1);
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_program(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, begin_sym, ident, print_sym, if_sym, while_sym,
                 semicolon, end_sym, period, -1);
  if (i_look_ahead == begin_sym) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "begin_sym");
  }
  p_stmts(i_markers, end_sym, period, -1);
  i_delete_until(i_markers, end_sym, period, -1);
  if (i_look_ahead == end_sym) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "end_sym");
  }
  i_delete_until(i_markers, period, -1);
  if (i_look_ahead == period) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "period");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_stmts(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of CHAIN or LIST */
  p_statement(i_markers, ident, print_sym, if_sym, while_sym, begin_sym,
              semicolon, -1);
  i_delete_until(i_markers, ident, print_sym, if_sym, while_sym, begin_sym,
                 semicolon, -1);
  while (i_in_set(i_look_ahead, semicolon, ident, print_sym, if_sym, while_sym, begin_sym, -1)) {
    if (i_look_ahead == semicolon) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "semicolon");
    }
    p_statement(i_markers, ident, print_sym, if_sym, while_sym, begin_sym,
                semicolon, -1);
    i_delete_until(i_markers, ident, print_sym, if_sym, while_sym, begin_sym,
                   semicolon, -1);
  }
  /* END of CHAIN or LIST */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_statement(i_marker_set i_markers, ...)
{
  t_ident v_01ident;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, ident, print_sym, if_sym, while_sym, begin_sym,
                 semicolon, end_sym, else_sym, -1);
  if (i_look_ahead == ident) {
    if (i_look_ahead == ident) {
      p_ident(&v_01ident);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "ident");
      i_string(&v_01ident.name);
    }
    if (i_look_ahead == becomes) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "becomes");
    }
    p_expr(i_markers, -1);
    assigned(v_01ident.name);
  }
  else if (i_look_ahead == print_sym) {
    if (i_look_ahead == print_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "print_sym");
    }
    begin_print(&printing);
    p_expr(i_markers, -1);
    end_print(&printing);
  }
  else if (i_look_ahead == if_sym) {
    if (i_look_ahead == if_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "if_sym");
    }
    p_expr(i_markers, then_sym, ident, print_sym, if_sym, while_sym, begin_sym,
           else_sym, -1);
    if (i_look_ahead == then_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "then_sym");
    }
    p_statement(i_markers, else_sym, -1);
    /* BEGIN of OPTION */
    i_delete_until(i_markers, else_sym, -1);
    if (i_look_ahead == else_sym) {
      if (i_look_ahead == else_sym) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "else_sym");
      }
      p_statement(i_markers, -1);
    }
    /* END of OPTION */

  }
  else if (i_look_ahead == while_sym) {
    if (i_look_ahead == while_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "while_sym");
    }
    p_expr(i_markers, do_sym, ident, print_sym, if_sym, while_sym, begin_sym,
           -1);
    if (i_look_ahead == do_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "do_sym");
    }
    p_statement(i_markers, -1);
  }
  else if (i_look_ahead == begin_sym) {
    if (i_look_ahead == begin_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "begin_sym");
    }
    p_stmts(i_markers, end_sym, -1);
    i_delete_until(i_markers, end_sym, -1);
    if (i_look_ahead == end_sym) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "end_sym");
    }
  }
  else if (i_in_set(i_look_ahead, semicolon, end_sym, else_sym, -1)) {
  }
  else {
    i_report(i_WTERMINS, "statement");
    /* NO SEMANTIC RECOVERY NEEDED */
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_expr(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_term(i_markers, plus, minus, arrow, equal, less, -1);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, plus, minus, arrow, equal, less, -1);
  while (i_in_set(i_look_ahead, plus, minus, arrow, equal, less, -1)) {
    p_addop(i_markers, ident, number, real_number, string_lit, char_lit, lparen,
            plus, minus, arrow, equal, less, -1);
    p_term(i_markers, plus, minus, arrow, equal, less, -1);
    i_delete_until(i_markers, plus, minus, arrow, equal, less, -1);
  }
  /* END of CLOS */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_addop(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, plus, minus, arrow, equal, less, -1);
  if (i_look_ahead == plus) {
    i_next_token();
  }
  else if (i_look_ahead == minus) {
    i_next_token();
  }
  else if (i_look_ahead == arrow) {
    i_next_token();
  }
  else if (i_look_ahead == equal) {
    i_next_token();
  }
  else if (i_look_ahead == less) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "addop");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_term(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_factor(i_markers, times, slash, -1);
  /* BEGIN of CLOS */
  i_delete_until(i_markers, times, slash, -1);
  while (i_in_set(i_look_ahead, times, slash, -1)) {
    if (i_look_ahead == times) {
      i_next_token();
    }
    else if (i_look_ahead == slash) {
      i_next_token();
    }
    else {
      i_report(i_WGRPINS);
    }
    p_factor(i_markers, times, slash, -1);
    i_delete_until(i_markers, times, slash, -1);
  }
  /* END of CLOS */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_factor(i_marker_set i_markers, ...)
{
  t_ident v_01ident;
  t_number v_01number;
  t_real_number v_01real_number;
  t_string_lit v_01string_lit;
  t_char_lit v_01char_lit;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, ident, number, real_number, string_lit, char_lit,
                 lparen, -1);
  if (i_look_ahead == ident) {
    if (i_look_ahead == ident) {
      p_ident(&v_01ident);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "ident");
      i_string(&v_01ident.name);
    }
    show_name(printing, v_01ident.name);
  }
  else if (i_look_ahead == number) {
    if (i_look_ahead == number) {
      p_number(&v_01number);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "number");
      i_integer(&v_01number.value);
    }
    show_number(printing, v_01number.value);
  }
  else if (i_look_ahead == real_number) {
    if (i_look_ahead == real_number) {
      p_real_number(&v_01real_number);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "real_number");
      i_real(&v_01real_number.rvalue);
    }
    show_real(printing, v_01real_number.rvalue);
  }
  else if (i_look_ahead == string_lit) {
    if (i_look_ahead == string_lit) {
      p_string_lit(&v_01string_lit);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "string_lit");
      i_string(&v_01string_lit.text);
    }
    show_string(printing, v_01string_lit.text);
  }
  else if (i_look_ahead == char_lit) {
    if (i_look_ahead == char_lit) {
      p_char_lit(&v_01char_lit);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "char_lit");
      i_char(&v_01char_lit.code);
    }
    show_char(printing, v_01char_lit.code);
  }
  else if (i_look_ahead == lparen) {
    if (i_look_ahead == lparen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "lparen");
    }
    p_expr(i_markers, rparen, -1);
    i_delete_until(i_markers, rparen, -1);
    if (i_look_ahead == rparen) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "rparen");
    }
  }
  else {
    i_report(i_WTERMINS, "factor");
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
