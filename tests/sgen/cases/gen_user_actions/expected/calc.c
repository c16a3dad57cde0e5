#include "calc.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "gap", "number", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { 0, NULL }
};

#include "scanpars.c"


/* Procedures for the attributed terminals: */

void p_number(t_number *v_number)
{
  strcpy(v_number->text, get_repr(i_lexeme));
  v_number->twice= doubled(i_lexeme);
}


/* The parser calls i_next_token() to get a look ahead */

void i_next_token(void)
{
  integer	i_state= 0;
  boolean	i_skip= false;
  boolean	i_verify= false;

  i_retract= false;
  i_look_ahead= -1;
  i_init_lexeme();
  while (!i_retract) {
    i_next_character();

    /* Transition cases: */
    switch (i_state) {
    case 0:
      if (i_ch == '\n' || i_ch == ' ')
        i_state= 1;
      else if ((i_ch >= '0' && i_ch <= '9'))
        i_state= 2;
      else if (i_ch == EOF)
        i_final_accept(i_EndOfFile);
      else
        i_report(i_ENOSTATE, i_ch);
      break;

    case 1:
      i_could_accept(gap);
      i_skip= true;
      if (i_ch == '\n' || i_ch == ' ')
        i_state= 1;
      else 
        i_retract= true;
      break;

    case 2:
      i_could_accept(number);
      if ((i_ch >= '0' && i_ch <= '9'))
        i_state= 2;
      else 
        i_retract= true;
      break;

    }
  }

  i_get_lexeme();

  if (i_verify && !i_lookup(i_lexeme))
    i_report(i_ENOKEYW, i_lexeme);

  if (i_look_ahead == -1 || i_skip)
    i_skip_token();
}

