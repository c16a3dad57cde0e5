/* A front end without a parser for the tests of generated scanners: it
   reads its source program token by token until the end of the input, so
   that -ts shows every token the scanner recognises.  SCANNER_H names the
   generated header. */
#include SCANNER_H

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  do
    i_next_token();
  while (i_look_ahead != i_EndOfFile);
  return i_finish();
}
