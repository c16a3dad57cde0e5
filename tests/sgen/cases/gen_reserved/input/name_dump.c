/* Prints the spelling of every identifier that the scanner delivers. */
#include "words.h"

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token()) {
    if (i_look_ahead == ident) {
      t_ident attributes;
      p_ident(&attributes);
      printf("ident %s\n", attributes.name);
    } else {
      printf("%s\n", i_token_names[i_look_ahead]);
    }
  }
  return i_finish();
}
