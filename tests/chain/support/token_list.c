/* Lists the tokens a generated scanner finds in its source program, one a
   line as "name lexeme", for comparison with another scanner. SCANNER_H
   names the generated header. */
#include <stdio.h>
#include SCANNER_H

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token())
    printf("%s %s\n", i_token_names[i_look_ahead], i_lexeme);
  return i_finish();
}
