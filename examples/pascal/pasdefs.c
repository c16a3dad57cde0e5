#include "pasdefs.h"
#include <stdlib.h>

/* The conversion actions of passcan: a number is decimal, or hexadecimal
   behind a '$'. The scanner hands over the lexeme of the number. */

integer	to_number(string repr)
{
  if (repr[0] == '$')
    return (integer)strtol(repr + 1, NULL, 16);
  return int_encode(repr);
} /* to_number */

/* The type radix of passcan.h is declared after this module's header, so
   the radix is passed as its number: 0 decimal, 1 hexadecimal. */
integer	radix_of(string repr)
{
  return repr[0] == '$' ? 1 : 0;
} /* radix_of */
