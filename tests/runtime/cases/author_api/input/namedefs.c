#include "namedefs.h"
#include "scanpars.h"

/* The scanner fills the attributes while the identifier is the current
   token, so this is the identifier's own line. */
integer token_line(string repr)
{
  (void)repr;
  return i_token_line();
}
