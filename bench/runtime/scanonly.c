/* The "mini" scanner alone: every token is read and echoed into the
   listing, without the parser, for the comparison with a flex scanner. */
#include "mini.h"

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  do
    i_next_token();
  while (i_look_ahead != i_EndOfFile);
  return i_finish();
}
