/* Support of the flex scanners of the sgen differential test: printing
   tokens, the keyword lookup, the conversions of RESERVED rules, and the
   main program, which lists the tokens of the file named by its last
   argument. Conversions act on ASCII letters only, as those of the
   runtime of generated compilers do. */
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "flex_support.h"
#include "token_text.h"

extern FILE *yyin;
int yylex(void);

void emit(const char *terminal, const char *text)
{
  print_token(terminal, text);
}

int emit_keyword(const char *key, const char *text)
{
  for (const struct keyword *k = keywords; k->text; k++) {
    if (strcmp(k->text, key) == 0) {
      print_token(k->terminal, text);
      return 1;
    }
  }
  return 0;
}

const char *convert(const char *name, const char *text)
{
  static char buffer[1024];
  size_t n = 0;

  for (const char *p = text; *p && n + 1 < sizeof buffer; p++) {
    unsigned char c = (unsigned char)*p;
    if (strcmp(name, "convert_to_lower") == 0 && c < 128)
      c = (unsigned char)tolower(c);
    else if (strcmp(name, "convert_to_upper") == 0 && c < 128)
      c = (unsigned char)toupper(c);
    else if (strcmp(name, "delete_spaces") == 0 && c == ' ')
      continue;
    buffer[n++] = (char)c;
  }
  buffer[n] = '\0';
  return buffer;
}

int fail(void)
{
  puts("error");
  return 0;
}

int main(int ac, char **av)
{
  if (ac < 2 || !(yyin = fopen(av[ac - 1], "rb"))) {
    fprintf(stderr, "usage: %s FILE\n", av[0]);
    return 1;
  }
  yylex();
  fclose(yyin);
  return 0;
}
