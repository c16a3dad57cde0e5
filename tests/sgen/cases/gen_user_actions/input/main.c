/* Prints both attributes of every number. */
#include "calc.h"

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token()) {
    t_number number;
    p_number(&number);
    printf("%s %d\n", number.text, number.twice);
  }
  return i_finish();
}
