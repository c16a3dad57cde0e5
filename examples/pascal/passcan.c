#include "passcan.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "tProgram", "tConst", "tVar", "tProcedure", "tBegin",
  "tEnd", "tIf", "tThen", "tElse", "tWhile", "tDo", "tRead", "tWrite",
  "tInteger", "tBoolean", "tTrue", "tFalse", "tNot", "tIdent", "tNumber",
  "tAssign", "tSemicolon", "tColon", "tDot", "tEqual", "tLess", "tGreater",
  "tPlus", "tMinus", "tTimes", "tDiv", "tListSep", "tPackLeft", "tPackRight",
  "whitespace", "comment", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { tBegin, "begin" },
  { tBoolean, "boolean" },
  { tConst, "const" },
  { tDiv, "div" },
  { tDo, "do" },
  { tElse, "else" },
  { tEnd, "end" },
  { tFalse, "false" },
  { tIf, "if" },
  { tInteger, "integer" },
  { tNot, "not" },
  { tProcedure, "procedure" },
  { tProgram, "program" },
  { tRead, "read" },
  { tThen, "then" },
  { tTrue, "true" },
  { tVar, "var" },
  { tWhile, "while" },
  { tWrite, "write" },
  { 0, NULL }
};

#include "scanpars.c"


/* Default value of the scanner type radix: */

void i_radix(radix *v_radix)
{
  *v_radix= decimal;
}


/* Procedures for the attributed terminals: */

void p_tIdent(t_tIdent *v_tIdent)
{
  strcpy(v_tIdent->spelling, get_repr(i_lexeme));
}

void p_tNumber(t_tNumber *v_tNumber)
{
  if (i_lexeme[0] == '$') {
    v_tNumber->value= (integer)strtol(i_lexeme + 1, NULL, 16);
    v_tNumber->base= hexadecimal;
  }
  else {
    v_tNumber->value= int_encode(i_lexeme);
    v_tNumber->base= decimal;
  }
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
        if ((i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
          i_state= 1;
        else if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 2;
        else if (i_ch == '$')
          i_state= 3;
        else if (i_ch == ':')
          i_state= 5;
        else if (i_ch == ';')
          i_state= 7;
        else if (i_ch == '.')
          i_state= 8;
        else if (i_ch == '=')
          i_state= 9;
        else if (i_ch == '<')
          i_state= 10;
        else if (i_ch == '>')
          i_state= 11;
        else if (i_ch == '+')
          i_state= 12;
        else if (i_ch == '-')
          i_state= 13;
        else if (i_ch == '*')
          i_state= 14;
        else if (i_ch == ',')
          i_state= 15;
        else if (i_ch == '(')
          i_state= 16;
        else if (i_ch == ')')
          i_state= 17;
        else if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 18;
        else if (i_ch == '{')
          i_state= 19;
        else 
          if (i_ch == EOF)
            i_final_accept(i_EndOfFile);
          else
            i_report(i_ENOSTATE, i_ch);
        break;

      case 1:
        i_could_accept(tIdent);
        if ((i_ch >= '0' && i_ch <= '9') || (i_ch >= 'A' && i_ch <= 'Z') || (i_ch >= 'a' && i_ch <= 'z'))
          i_state= 1;
        else 
          i_retract= true;
        break;

      case 2:
        i_could_accept(tNumber);
        if ((i_ch >= '0' && i_ch <= '9'))
          i_state= 2;
        else 
          i_retract= true;
        break;

      case 3:
        if ((i_ch >= '0' && i_ch <= '9') || (i_ch >= 'A' && i_ch <= 'F') || (i_ch >= 'a' && i_ch <= 'f'))
          i_state= 4;
        else 
          i_retract= true;
        break;

      case 4:
        i_could_accept(tNumber);
        if ((i_ch >= '0' && i_ch <= '9') || (i_ch >= 'A' && i_ch <= 'F') || (i_ch >= 'a' && i_ch <= 'f'))
          i_state= 4;
        else 
          i_retract= true;
        break;

      case 5:
        i_could_accept(tColon);
        if (i_ch == '=')
          i_state= 6;
        else 
          i_retract= true;
        break;

      case 6:
        i_final_accept(tAssign);
        break;

      case 7:
        i_final_accept(tSemicolon);
        break;

      case 8:
        i_final_accept(tDot);
        break;

      case 9:
        i_final_accept(tEqual);
        break;

      case 10:
        i_final_accept(tLess);
        break;

      case 11:
        i_final_accept(tGreater);
        break;

      case 12:
        i_final_accept(tPlus);
        break;

      case 13:
        i_final_accept(tMinus);
        break;

      case 14:
        i_final_accept(tTimes);
        break;

      case 15:
        i_final_accept(tListSep);
        break;

      case 16:
        i_final_accept(tPackLeft);
        break;

      case 17:
        i_final_accept(tPackRight);
        break;

      case 18:
        i_could_accept(whitespace);
        i_skip= true;
        if (i_ch == '\t' || i_ch == '\n' || i_ch == '\r' || i_ch == ' ')
          i_state= 18;
        else 
          i_retract= true;
        break;

      case 19:
        if (i_ch == '}')
          i_state= 20;
        else if (i_ch != EOF)
          i_state= 19;
        else 
          i_retract= true;
        break;

      case 20:
        i_final_accept(comment);
        i_skip= true;
        break;

    }
  }
  i_get_lexeme();

  if (i_look_ahead == -1 || i_skip)
    i_next_token();
  else {
    switch (i_look_ahead) {
      case tIdent:
        i_lookup(get_repr(i_lexeme));
        break;
      default:
        /* do nothing */;
    }
  }
}
