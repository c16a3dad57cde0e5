/* The compiler of this test allows rules to nest only 12 deep. */
#include "scanpars.h"

void i_declare_options(void)
{
  i_set_depth_limit(12);
}
