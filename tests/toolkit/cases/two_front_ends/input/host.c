/* Two front ends in one program, each in a shared library that exports
   its parser function alone: each parses its own language (0 errors) and
   rejects the other's. */
#include <stdio.h>

int words_parser(int ac, char **av);
int nums_parser(int ac, char **av);

static int parse(int (*parser)(int, char **), char *file)
{
  char *args[] = {"host", "-q", file, NULL};
  return parser(3, args);
}

int main(void)
{
  printf("words: %d errors in words.txt, %d in nums.txt\n",
         parse(words_parser, "words.txt"), parse(words_parser, "nums.txt"));
  printf("nums: %d errors in nums.txt, %d in words.txt\n",
         parse(nums_parser, "nums.txt"), parse(nums_parser, "words.txt"));
  return 0;
}
