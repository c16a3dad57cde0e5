/*
 * flexalone.c - the flex scanner of MiniPas (minipas.l) alone, reading
 * standard input: every token with its attributes, summed up into the
 * checksum on standard output.
 */
#include "minipas.tab.h"

#include "checksum.h"

int yylex(void);
extern char spelling[];
extern long value;
extern int code, line;

int main(void)
{
  struct checksum sum = {0};
  for (int token = yylex(); token != 0; token = yylex()) {
    sum.tokens++;
    switch (token) {
    case IDENT:
      checksum_name(&sum, spelling, line);
      break;
    case NUMBER:
      checksum_number(&sum, value, line);
      break;
    case STRING:
      checksum_string(&sum, spelling, line);
      break;
    case CHARACTER:
      checksum_character(&sum, code, line);
      break;
    default:
      break;
    }
  }
  checksum_print(&sum);
  return 0;
}
