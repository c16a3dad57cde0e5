/* Runs the parser of words.inp twice in one process: quietly, then with
   the banner and the summary; a run starts afresh, -q of the first run
   included. */
#include <stdio.h>

int words_parser(int ac, char **av);

int main(void)
{
  char *quiet[] = {"host", "-q", "good.txt", NULL};
  char *plain[] = {"host", "bad.txt", NULL};
  int first = words_parser(3, quiet);
  int second = words_parser(2, plain);
  printf("first %d, second %d\n", first, second);
  return 0;
}
