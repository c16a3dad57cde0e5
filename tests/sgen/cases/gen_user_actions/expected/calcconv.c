#include "calcconv.h"

integer	doubled(string repr)
{
  return 2 * int_encode(repr);
}
