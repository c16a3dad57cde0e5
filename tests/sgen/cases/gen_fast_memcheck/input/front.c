/* Lists the names and keywords of a file with their attribute. */
#include <stdio.h>
#include "words.h"

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token()) {
    if (i_look_ahead == tIdent) {
      t_tIdent name;
      p_tIdent(&name);
      printf("tIdent %s\n", name.name);
    } else if (i_look_ahead == kwSelect) {
      t_kwSelect keyword;
      p_kwSelect(&keyword);
      printf("kwSelect %s\n", keyword.name);
    }
  }
  return i_finish();
}
