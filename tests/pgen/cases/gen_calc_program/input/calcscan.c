/* The scanner side of the calculator: token names and the procedure that
   fills the record of a number from its lexeme. */
#include "calcscan.h"

char *i_token_names[]= {
  "End of file", "number", "plus", "minus", "times", "divide", "lparen", "rparen",
  "semicolon", 0
};

void p_number(t_number *v_number)
{
  v_number->value= atoi(i_lexeme);
}
