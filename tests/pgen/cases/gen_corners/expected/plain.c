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
}


static void
p_s(t_s *i_attrs)
{
  t_x v_01x;
  t_x v_02x;

  p_x(&v_01x);
  p_x(&v_02x);
  add(v_01x.v, v_02x.v, &i_attrs->v);
  p_lst();
  /* BEGIN of OPTION */
  if (i_look_ahead == e) {
    if (i_look_ahead == e) {
      i_next_token();
    }
  }
  /* END of OPTION */

}


static void
p_x(t_x *i_attrs)
{
  t_a v_01a;

  if (i_look_ahead == a) {
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
    copy(v_01a.v, &i_attrs->v);
  }
  else if (i_look_ahead == b) {
    if (i_look_ahead == b) {
      i_next_token();
    }
    if (i_look_ahead == c) {
      i_next_token();
    }
    zero(&i_attrs->v);
  }
  /* NO ERROR RECOVERY */
  if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
  }
  else if (i_in_set(i_look_ahead, tPackLeft, a, b, -1)) {
    }
  /* NO ERROR RECOVERY */
}


static void
p_lst(void)
{
  t_a v_01a;

  if (i_look_ahead == tPackLeft) {
    i_next_token();
  }
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == a) {
    p_a(&v_01a);
    i_next_token();
  }
  while (i_look_ahead == tListSep) {
    if (i_look_ahead == tListSep) {
      i_next_token();
    }
    if (i_look_ahead == a) {
      p_a(&v_01a);
      i_next_token();
    }
  }
  /* END of CHAIN or LIST */

  if (i_look_ahead == tPackRight) {
    i_next_token();
  }
  /* BEGIN of SEQ */
  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == c) {
    i_next_token();
  }
  while (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
    if (i_look_ahead == c) {
      i_next_token();
    }
  }
  /* END of CHAIN or LIST */

  while (i_look_ahead == c) {
    /* BEGIN of CHAIN or LIST */
    if (i_look_ahead == c) {
      i_next_token();
    }
    while (i_look_ahead == d) {
      if (i_look_ahead == d) {
        i_next_token();
      }
      if (i_look_ahead == c) {
        i_next_token();
      }
    }
    /* END of CHAIN or LIST */

  }
  /* END of SEQ */

}


static void
p_unused(void)
{
  
  if (false/* unused: i_look_ahead == [ ] */) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
  }
  /* NO ERROR RECOVERY */
}


static void
p_nested(void)
{
  
  if (i_look_ahead == c) {
    i_next_token();
  }
  if (false) {
    note();
  }
  else if (i_look_ahead == d) {
    if (i_look_ahead == d) {
      i_next_token();
    }
  }
  /* NO ERROR RECOVERY */
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

