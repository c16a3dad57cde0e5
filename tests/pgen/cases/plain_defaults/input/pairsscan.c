#include "pairsscan.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "a", "b", "whitespace", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { 0, NULL }
};

#include "scanpars.c"


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
        if (i_ch == 'a')
          i_state= 1;
        else if (i_ch == 'b')
          i_state= 2;
        else if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 3;
        else 
          if (i_ch == EOF)
            i_final_accept(i_EndOfFile);
          else
            i_report(i_ENOSTATE, i_ch);
        break;

      case 1:
        i_final_accept(a);
        break;

      case 2:
        i_final_accept(b);
        break;

      case 3:
        i_could_accept(whitespace);
        i_skip= true;
        if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 3;
        else 
          i_retract= true;
        break;

    }
  }
  i_get_lexeme();

  if (i_look_ahead == -1 || i_skip)
    i_next_token();
}
