
#include <stdio.h>
#define TWICE(x) ((x) + \
                  (x))
/* a comment
   over two lines ** */
static unsigned long counts[0x10UL]; // a line comment
int main(int argc, char **argv)
{
  double ratio = 1.5e-3 + .25f + 2E10L + 017 + 42ull;
  char c = '\n', q = '\'', *s = "tab\t \"quoted\" \\";
  counts[c % 16] += argc >= 2 && argv[1][0] != '-' ? 1 : 0;
  counts[1] <<= 2; counts[2] >>= 1; counts[3] ^= ~counts[4] | counts[5] & 3;
  for (int i = 0; i < 3; i++, --argc) if (!argc || i->x) break; else continue;
  return sizeof(struct { _Bool b; }) ... ;
}
