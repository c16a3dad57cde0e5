/* Driver of the bison parsers of the pgen differential test. Every file
   named on the command line is parsed on its own; a file holds one token
   character per line (bison_token, written into the grammar, gives the
   token code of a character). For each file one line is printed:
   "accept", "reject N" when the N-th token (counted from 1) is the first
   one that cannot continue the input, or "reject EOF" when the input ends
   too early. */
#include <stdio.h>

int yyparse(void);
int bison_token(int c);
int yylex(void);
void yyerror(const char *message);

static FILE *input;
static int tokens_read;
static int at_end;
static int error_at;

int yylex(void)
{
  int c;

  do
    c = getc(input);
  while (c == ' ' || c == '\n' || c == '\t' || c == '\r');
  if (c == EOF) {
    at_end = 1;
    return 0;
  }
  tokens_read++;
  return bison_token(c);
}

void yyerror(const char *message)
{
  (void)message;
  if (error_at == 0)
    error_at = at_end ? -1 : tokens_read;
}

int main(int ac, char **av)
{
  for (int i = 1; i < ac; i++) {
    input = fopen(av[i], "r");
    if (!input) {
      perror(av[i]);
      return 2;
    }
    tokens_read = at_end = error_at = 0;
    int status = yyparse();
    fclose(input);
    if (status == 0)
      printf("accept\n");
    else if (error_at < 0)
      printf("reject EOF\n");
    else
      printf("reject %d\n", error_at);
  }
  return 0;
}
