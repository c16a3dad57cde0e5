#include "ops.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "less", "lessequal", "unequal", "assign", "kend", "kbegin", 
  "kelse", "blanks", "word", "number", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { kbegin, "begin" },
  { kelse, "else" },
  { kend, "end" },
  { 0, NULL }
};

#include "scanpars.c"

/* Default actions for each user-defined type: */

void i_style(style *v_style)
{
  *v_style= colon;
}

/* Procedures for the attributed terminals: */

void p_assign(t_assign *v_assign)
{
  if (!strcmp(i_lexeme, ":=")) {
    v_assign->form= colon;
  }
  else if (!strcmp(i_lexeme, "=")) {
    v_assign->form= plain;
  }
}

void p_number(t_number *v_number)
{
  v_number->value= int_encode(i_lexeme);
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
      else if (i_ch == ':')
        i_state= 3;
      else if (i_ch == '<')
        i_state= 4;
      else if (i_ch == '=')
        i_state= 5;
      else if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 6;
      else if (i_ch == EOF)
        i_final_accept(i_EndOfFile);
      else
        i_report(i_ENOSTATE, i_ch);
      break;

    case 1:
      i_could_accept(blanks);
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

    case 3:
      if (i_ch == '=')
        i_state= 5;
      else 
        i_retract= true;
      break;

    case 4:
      i_could_accept(less);
      if (i_ch == '=')
        i_state= 8;
      else if (i_ch == '>')
        i_state= 9;
      else 
        i_retract= true;
      break;

    case 5:
      i_final_accept(assign);
      break;

    case 6:
      i_could_accept(word);
      i_verify= true;
      if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 6;
      else 
        i_retract= true;
      break;

    case 8:
      i_final_accept(lessequal);
      break;

    case 9:
      i_final_accept(unequal);
      break;

    }
  }

  i_get_lexeme();

  if (i_verify && !i_lookup(i_lexeme))
    i_report(i_ENOKEYW, i_lexeme);

  if (i_look_ahead == -1 || i_skip)
    i_skip_token();
}

