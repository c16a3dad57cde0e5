/* The conversion action of tallyscan: the value of a number, decimal or
   hexadecimal behind a '#'. */
#include <stdlib.h>

#include "tallydef.h"

integer number_value(string repr)
{
  if (repr[0] == '#')
    return (integer)strtol(repr + 1, NULL, 16);
  return (integer)strtol(repr, NULL, 10);
}
