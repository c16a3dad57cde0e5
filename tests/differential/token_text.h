/* The line that both scanners of the sgen differential test print for a
   token: its terminal's name, a blank and the lexeme, every byte outside
   the printable ASCII characters (blank and backslash included) written
   as a backslash and three octal digits, so that each token is one line. */
#ifndef token_text_h
#define token_text_h

#include <stdio.h>

static inline void print_token(const char *name, const char *lexeme)
{
  printf("%s ", name);
  for (const unsigned char *p = (const unsigned char *)lexeme; *p; p++) {
    if (*p > ' ' && *p < 127 && *p != '\\')
      putchar(*p);
    else
      printf("\\%03o", *p);
  }
  putchar('\n');
}

#endif
