/* Calls the parser of words.inp twice with standard output on a full
   device, on which the host (with FIRST) failed to write before: that is
   not the parser's failure, and each call reports 0 errors for a good
   file. */
#include <stdio.h>
#include <string.h>

int words_parser(int ac, char **av);

int main(int ac, char **av)
{
  char *plain[] = {"host", "good.txt", NULL};
  if (ac > 1 && strcmp(av[1], "first") == 0) {
    printf("the host's own output\n");
    fflush(stdout);
  }
  int first = words_parser(2, plain);
  int second = words_parser(2, plain);
  fprintf(stderr, "first %d, second %d\n", first, second);
  return 0;
}
