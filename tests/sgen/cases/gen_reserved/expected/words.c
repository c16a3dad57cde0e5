#include "words.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "kif", "kthen", "ktag", "gap", "note", "ident", "tag", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { ktag, "@go" },
  { kif, "if" },
  { kthen, "then" },
  { 0, NULL }
};

#include "scanpars.c"


/* Procedures for the attributed terminals: */

void p_ident(t_ident *v_ident)
{
  strcpy(v_ident->name, get_repr(i_lexeme));
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
      else if (i_ch == '#')
        i_state= 2;
      else if ((i_ch >= '0' && i_ch <= '9'))
        i_state= 3;
      else if (i_ch == '@')
        i_state= 4;
      else if ((i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
        i_state= 5;
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
      if ((i_ch >= ' ' && i_ch <= '"') || (i_ch >= '$' && i_ch <= '~'))
        i_state= 2;
      else if (i_ch == '#')
        i_state= 7;
      else 
        i_retract= true;
      break;

    case 3:
      if (i_ch == 'x' || i_ch == 'y')
        i_state= 8;
      else 
        i_retract= true;
      break;

    case 4:
      if ((i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
        i_state= 9;
      else 
        i_retract= true;
      break;

    case 5:
      i_could_accept(ident);
      if ((i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
        i_state= 5;
      else 
        i_retract= true;
      break;

    case 7:
      i_final_accept(note);
      i_skip= true;
      break;

    case 8:
      i_final_accept(ident);
      break;

    case 9:
      i_could_accept(tag);
      if ((i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
        i_state= 9;
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
  else {
    switch (i_look_ahead) {
    case ident:
      i_lookup(convert_to_lower(i_lexeme));
        break;
    case tag:
      if (!i_lookup(get_repr(i_lexeme)))
        i_report(i_ENOKEYW, i_lexeme);
      break;
    default:
      /* do nothing */;
    }
  }
}

