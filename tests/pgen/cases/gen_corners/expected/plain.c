#include "edgeacts.h"


typedef struct {
  integer v;
} t_s;

typedef struct {
  integer v;
} t_x;



static void p_s(t_s *);
static void p_x(t_x *);
static void p_lst(void);
static void p_unused(void);
static void p_nested(void);



void
pROOT(void)
{
  t_s v_01s;

  note();
  p_s(&v_01s);
  take(v_01s.v);
  if (i_look_ahead != i_EndOfFile)
    i_syntax_error(i_look_ahead, i_EndOfFile, -1);
}


static void
p_s(t_s *i_attrs)
{
  t_x v_01x;
  t_x v_02x;

  i_enter_plain_rule();

  p_x(&v_01x);
  p_x(&v_02x);
  add(v_01x.v, v_02x.v, &i_attrs->v);
  p_lst();
  /* BEGIN of OPTION */
  if (i_look_ahead == e) {
    if (i_look_ahead == e) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, e, -1);
    }
  }
  /* END of OPTION */

  i_leave_plain_rule();
}


static void
p_x(t_x *i_attrs)
{
  t_a v_01a;

  i_enter_plain_rule();

  if (i_look_ahead == a) {
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, a, -1);
      zero(&v_01a.v);
    }
    copy(v_01a.v, &i_attrs->v);
  }
  else if (i_look_ahead == b) {
    if (i_look_ahead == b) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, b, -1);
    }
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, c, -1);
    }
    zero(&i_attrs->v);
  }
  else {
    i_syntax_error(i_look_ahead, b, a, -1);
    zero(&v_01a.v);
    copy(v_01a.v, &i_attrs->v);
  }
  /* NO ERROR RECOVERY */
  if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, d, -1);
    }
  }
  else if (i_in_set(i_look_ahead, tPackLeft, a, b, -1)) {
    }
  else {
    i_syntax_error(i_look_ahead, b, a, tPackLeft, d, -1);
  }
  /* NO ERROR RECOVERY */
  i_leave_plain_rule();
}


static void
p_lst(void)
{
  t_a v_01a;

  i_enter_plain_rule();

  if (i_look_ahead == tPackLeft) {
    i_next_token();
  }
  else {
    i_syntax_error(i_look_ahead, tPackLeft, -1);
  }
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == a) {
    p_a(&v_01a);
    i_next_token();
  }
  else {
    i_syntax_error(i_look_ahead, a, -1);
    zero(&v_01a.v);
  }
  while (i_in_set(i_look_ahead, a, tListSep, -1)) {
    if (i_look_ahead == tListSep) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, tListSep, -1);
    }
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, a, -1);
      zero(&v_01a.v);
    }
  }
  /* END of CHAIN or LIST */

  if (i_look_ahead == tPackRight) {
    i_next_token();
  }
  else {
    i_syntax_error(i_look_ahead, tPackRight, -1);
  }
  /* BEGIN of SEQ */
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == c) {
    i_next_token();
  }
  else {
    i_syntax_error(i_look_ahead, c, -1);
  }
  while (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, d, -1);
    }
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, c, -1);
    }
  }
  /* END of CHAIN or LIST */

  while (i_look_ahead == c) {
    /* BEGIN of CHAIN or LIST */
    if (i_look_ahead == c) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, c, -1);
    }
    while (i_look_ahead == d) {
      if (i_look_ahead == d) {
        i_next_token();
      }
      else {
        i_syntax_error(i_look_ahead, d, -1);
      }
      if (i_look_ahead == c) {
        i_next_token();
      }
      else {
        i_syntax_error(i_look_ahead, c, -1);
      }
    }
    /* END of CHAIN or LIST */

  }
  /* END of SEQ */

  i_leave_plain_rule();
}


static void
p_unused(void)
{
  
  i_enter_plain_rule();

  if (false/* unused: i_look_ahead == [ ] */) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, d, -1);
    }
  }
  else {
    i_syntax_error(i_look_ahead, d, -1);
  }
  /* NO ERROR RECOVERY */
  i_leave_plain_rule();
}


static void
p_nested(void)
{
  
  i_enter_plain_rule();

  if (i_look_ahead == c) {
    i_next_token();
  }
  else {
    i_syntax_error(i_look_ahead, c, -1);
  }
  if (false) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    else {
      i_syntax_error(i_look_ahead, d, -1);
    }
  }
  else {
    i_syntax_error(i_look_ahead, d, -1);
    note();
  }
  /* NO ERROR RECOVERY */
  i_leave_plain_rule();
}


int
plain_parser(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;

  i_next_token();
  pROOT();
  return i_finish();
}

