/* A program that shows a parser's messages itself: every line that would
   go to standard error comes to its handler, with the position apart. */
#include <stdio.h>
#include "scanpars.h"

int words_parser(int ac, char **av);

static void show(const char *file, int line, const char *text, void *data)
{
  int *count = data;
  ++*count;
  if (file)
    printf("[%s, line %d] %s\n", file, line, text);
  else
    printf("[no position] %s\n", text);
}

int main(void)
{
  int count = 0;
  i_set_message_handler(show, &count);
  char *bad[] = {"host", "bad.txt", NULL};
  char *missing[] = {"host", "-q", "nosuch.txt", NULL};
  char *usage[] = {"host", "-q", NULL};
  printf("bad.txt: %d errors\n", words_parser(2, bad));
  printf("nosuch.txt: %d\n", words_parser(3, missing));
  printf("no file: %d\n", words_parser(2, usage));
  i_set_message_handler(NULL, NULL);
  printf("%d lines handled; bad.txt again, on standard error:\n", count);
  fflush(stdout);
  return words_parser(2, bad) == 0;
}
