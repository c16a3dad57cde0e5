#include "mini.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "ident", "upword", "number", "real_number", "string_lit",
  "char_lit", "becomes", "plus", "minus", "arrow", "times", "slash", "equal",
  "less", "lparen", "rparen", "semicolon", "period", "begin_sym", "do_sym",
  "else_sym", "end_sym", "if_sym", "print_sym", "then_sym", "while_sym",
  "whitespace", "comment", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { begin_sym, "begin" },
  { do_sym, "do" },
  { else_sym, "else" },
  { end_sym, "end" },
  { if_sym, "if" },
  { print_sym, "print" },
  { then_sym, "then" },
  { while_sym, "while" },
  { 0, NULL }
};

#include "scanpars.c"


/* Procedures for the attributed terminals: */

void p_ident(t_ident *v_ident)
{
  strcpy(v_ident->name, get_repr(i_lexeme));
}

void p_number(t_number *v_number)
{
  v_number->value= int_encode(i_lexeme);
}

void p_real_number(t_real_number *v_real_number)
{
  v_real_number->rvalue= real_encode(i_lexeme);
}

void p_string_lit(t_string_lit *v_string_lit)
{
  strcpy(v_string_lit->text, string_encode(i_lexeme));
}

void p_char_lit(t_char_lit *v_char_lit)
{
  v_char_lit->code= char_encode(i_lexeme);
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
        else if ((i_ch >= 'A' && i_ch <= 'Z'))
          i_state= 2;
        else if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 3;
        else if (i_ch == '"')
          i_state= 6;
        else if (i_ch == '\'')
          i_state= 8;
        else if (i_ch == ':')
          i_state= 12;
        else if (i_ch == '+')
          i_state= 14;
        else if (i_ch == '-')
          i_state= 15;
        else if (i_ch == '*')
          i_state= 18;
        else if (i_ch == '/')
          i_state= 19;
        else if (i_ch == '=')
          i_state= 20;
        else if (i_ch == '<')
          i_state= 21;
        else if (i_ch == '(')
          i_state= 22;
        else if (i_ch == ')')
          i_state= 23;
        else if (i_ch == ';')
          i_state= 24;
        else if (i_ch == '.')
          i_state= 25;
        else if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 26;
        else if (i_ch == '#')
          i_state= 27;
        else 
          if (i_ch == EOF)
            i_final_accept(i_EndOfFile);
          else
            i_report(i_ENOSTATE, i_ch);
        break;

      case 1:
        i_could_accept(ident);
        if ((i_ch >= '0' && i_ch <= '9') || i_ch == '_' || (i_ch >= 'a' && i_ch <= 'z'))
          i_state= 1;
        else 
          i_retract= true;
        break;

      case 2:
        i_could_accept(upword);
        if ((i_ch >= 'A' && i_ch <= 'Z'))
          i_state= 2;
        else 
          i_retract= true;
        break;

      case 3:
        i_could_accept(number);
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 3;
        else if (i_ch == '.')
          i_state= 4;
        else 
          i_retract= true;
        break;

      case 4:
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 5;
        else 
          i_retract= true;
        break;

      case 5:
        i_could_accept(real_number);
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 5;
        else 
          i_retract= true;
        break;

      case 6:
        if (i_ch == '\t' || i_ch == ' ' || i_ch == '!' || (i_ch >= '#' && i_ch <= '~'))
          i_state= 6;
        else if (i_ch == '"')
          i_state= 7;
        else 
          i_retract= true;
        break;

      case 7:
        i_final_accept(string_lit);
        break;

      case 8:
        if ((i_ch >= ' ' && i_ch <= '&') || (i_ch >= '(' && i_ch <= '[') || (i_ch >= ']' && i_ch <= '~'))
          i_state= 10;
        else if (i_ch == '\\')
          i_state= 9;
        else 
          i_retract= true;
        break;

      case 9:
        if ((i_ch >= ' ' && i_ch <= '~'))
          i_state= 10;
        else 
          i_retract= true;
        break;

      case 10:
        if (i_ch == '\'')
          i_state= 11;
        else 
          i_retract= true;
        break;

      case 11:
        i_final_accept(char_lit);
        break;

      case 12:
        if (i_ch == '=')
          i_state= 13;
        else 
          i_retract= true;
        break;

      case 13:
        i_final_accept(becomes);
        break;

      case 14:
        i_final_accept(plus);
        break;

      case 15:
        i_could_accept(minus);
        if (i_ch == '\n' || i_ch == ' ')
          i_state= 16;
        else if (i_ch == '>')
          i_state= 17;
        else 
          i_retract= true;
        break;

      case 16:
        if (i_ch == '\n' || i_ch == ' ')
          i_state= 16;
        else if (i_ch == '>')
          i_state= 17;
        else 
          i_retract= true;
        break;

      case 17:
        i_final_accept(arrow);
        break;

      case 18:
        i_final_accept(times);
        break;

      case 19:
        i_final_accept(slash);
        break;

      case 20:
        i_final_accept(equal);
        break;

      case 21:
        i_final_accept(less);
        break;

      case 22:
        i_final_accept(lparen);
        break;

      case 23:
        i_final_accept(rparen);
        break;

      case 24:
        i_final_accept(semicolon);
        break;

      case 25:
        i_final_accept(period);
        break;

      case 26:
        i_could_accept(whitespace);
        i_skip= true;
        if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 26;
        else 
          i_retract= true;
        break;

      case 27:
        i_could_accept(comment);
        i_skip= true;
        if ((i_ch >= '\0' && i_ch <= '\t') || (i_ch >= '\v' && i_ch <= '\177'))
          i_state= 27;
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
        i_lookup(get_repr(i_lexeme));
        break;
      case upword:
        if (!i_lookup(convert_to_lower(i_lexeme)))
          i_report(i_ENOKEYW, i_lexeme);
        break;
      default:
        /* do nothing */;
    }
  }
}
