#include "edgeacts.h"


typedef struct {
  integer v;
} t_s;

typedef struct {
  integer v;
} t_x;



static void p_s(t_s *, i_marker_set, ...);
static void p_x(t_x *, i_marker_set, ...);
static void p_lst(i_marker_set, ...);
static void p_unused(i_marker_set, ...);
static void p_nested(i_marker_set, ...);



void
pROOT(void)
{
  i_marker_set i_markers;
  t_s v_01s;

  i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);
  if (i_markers == 0) {
    i_report(i_ENOMEM, __LINE__, __FILE__);
    return;
  }
  note();
  p_s(&v_01s, i_markers, i_EndOfFile, -1);
  take(v_01s.v);
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_s(t_s *i_attrs, i_marker_set i_markers, ...)
{
  t_x v_01x;
  t_x v_02x;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  p_x(&v_01x, i_markers, e, tPackLeft, a, b, -1);
  p_x(&v_02x, i_markers, e, tPackLeft, -1);
  add(v_01x.v, v_02x.v, &i_attrs->v);
  p_lst(i_markers, e, -1);
  /* BEGIN of OPTION */
  i_delete_until(i_markers, e, -1);
  if (i_look_ahead == e) {
    if (i_look_ahead == e) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "e");
    }
  }
  /* END of OPTION */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_x(t_x *i_attrs, i_marker_set i_markers, ...)
{
  t_a v_01a;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, b, a, -1);
  if (i_look_ahead == a) {
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "a");
      zero(&v_01a.v);
    }
    copy(v_01a.v, &i_attrs->v);
  }
  else if (i_look_ahead == b) {
    if (i_look_ahead == b) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "b");
    }
    i_delete_until(i_markers, c, d, -1);
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "c");
    }
    zero(&i_attrs->v);
  }
  else {
    i_report(i_WGRPINS);
    zero(&v_01a.v);
    copy(v_01a.v, &i_attrs->v);
  }
  i_delete_until(i_markers, b, a, tPackLeft, d, -1);
  if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "d");
    }
  }
  else if (i_in_set(i_look_ahead, tPackLeft, a, b, -1)) {
    }
  else {
    i_report(i_WGRPINS);
    /* NO SEMANTIC RECOVERY NEEDED */
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_lst(i_marker_set i_markers, ...)
{
  t_a v_01a;
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, tPackLeft, a, tPackRight, c, -1);
  if (i_look_ahead == tPackLeft) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackLeft");
  }
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == a) {
    p_a(&v_01a);
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "a");
    zero(&v_01a.v);
  }
  i_delete_until(i_markers, a, tListSep, c, tPackRight, -1);
  while (i_in_set(i_look_ahead, a, tListSep, -1)) {
    if (i_look_ahead == tListSep) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "tListSep");
    }
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "a");
      zero(&v_01a.v);
    }
    i_delete_until(i_markers, a, tListSep, c, tPackRight, -1);
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, tPackRight, c, -1);
  if (i_look_ahead == tPackRight) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "tPackRight");
  }
  /* BEGIN of SEQ */
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == c) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "c");
  }
  while (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "d");
    }
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "c");
    }
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, c, -1);
  while (i_look_ahead == c) {
    /* BEGIN of CHAIN or LIST */
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "c");
    }
    while (i_look_ahead == d) {
      if (i_look_ahead == d) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "d");
      }
      if (i_look_ahead == c) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "c");
      }
    }
    /* END of CHAIN or LIST */

    i_delete_until(i_markers, c, -1);
  }
  /* END of SEQ */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_unused(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, d, -1);
  if (false/* unused: i_look_ahead == [ ] */) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "d");
    }
  }
  else {
    i_report(i_WTERMINS, "unused");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_nested(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  i_delete_until(i_markers, c, d, -1);
  if (i_look_ahead == c) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "c");
  }
  i_delete_until(i_markers, d, -1);
  if (false) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "d");
    }
  }
  else {
    i_report(i_WGRPINS);
    note();
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

