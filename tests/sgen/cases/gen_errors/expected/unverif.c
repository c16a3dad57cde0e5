#include "unverif.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "kbegin", "word", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { kbegin, "begin" },
  { 0, NULL }
};

#include "scanpars.c"

/* Default actions for each user-defined type: */

void i_mood(mood *v_mood)
{
  }
void i_colour(colour *v_colour)
{
  *v_colour= red;
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
      if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 1;
      else if (i_ch == EOF)
        i_final_accept(i_EndOfFile);
      else
        i_report(i_ENOSTATE, i_ch);
      break;

    case 1:
      i_could_accept(word);
      if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 1;
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

