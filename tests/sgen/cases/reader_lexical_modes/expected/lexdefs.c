#include "lexdefs.h"

integer	to_number(string repr)
{

} /* to_number */

