/* Driver of a flex scanner for the differential tests: its actions print
   each token as "name lexeme", the same format as token_list.c. */
#include <stdio.h>

int yylex(void);
extern FILE *yyin;

int main(int ac, char **av)
{
  if (ac != 2 || !(yyin = fopen(av[1], "r"))) {
    fprintf(stderr, "usage: %s FILE\n", av[0]);
    return 1;
  }
  while (yylex())
    ;
  fclose(yyin);
  return 0;
}
