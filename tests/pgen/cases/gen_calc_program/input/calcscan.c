#include "calcscan.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "number", "plus", "minus", "times", "divide", "lparen",
  "rparen", "semicolon", "whitespace", 0
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
  v_number->value= int_encode(i_lexeme);
}


/* The parser calls i_next_token() to get a look ahead */

void i_next_token(void)
{
  integer	i_state= 0;
  boolean	i_skip= false;

  i_retract= false;
  i_look_ahead= -1;
  i_init_lexeme();
  while (!i_retract) {
    i_next_character();

    /* Transition cases: */
    switch (i_state) {
      case 0:
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 1;
        else if (i_ch == '+')
          i_state= 2;
        else if (i_ch == '-')
          i_state= 3;
        else if (i_ch == '*')
          i_state= 4;
        else if (i_ch == '/')
          i_state= 5;
        else if (i_ch == '(')
          i_state= 6;
        else if (i_ch == ')')
          i_state= 7;
        else if (i_ch == ';')
          i_state= 8;
        else if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 9;
        else 
          if (i_ch == EOF)
            i_final_accept(i_EndOfFile);
          else
            i_report(i_ENOSTATE, i_ch);
        break;

      case 1:
        i_could_accept(number);
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 1;
        else 
          i_retract= true;
        break;

      case 2:
        i_final_accept(plus);
        break;

      case 3:
        i_final_accept(minus);
        break;

      case 4:
        i_final_accept(times);
        break;

      case 5:
        i_final_accept(divide);
        break;

      case 6:
        i_final_accept(lparen);
        break;

      case 7:
        i_final_accept(rparen);
        break;

      case 8:
        i_final_accept(semicolon);
        break;

      case 9:
        i_could_accept(whitespace);
        i_skip= true;
        if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 9;
        else 
          i_retract= true;
        break;

    }
  }
  i_get_lexeme();

  if (i_look_ahead == -1 || i_skip)
    i_next_token();
}
