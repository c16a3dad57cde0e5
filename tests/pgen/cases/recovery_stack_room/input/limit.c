/* The compiler of this test lets rules nest a million deep: the stack runs
   out first. */
#include "scanpars.h"

void i_declare_options(void)
{
  i_set_depth_limit(1000000);
}
