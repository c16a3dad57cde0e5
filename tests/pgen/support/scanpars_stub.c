/* A stand-in for the runtime of generated compilers, enough to run a
   generated parser in the tests: the "source program" is a file of token
   names separated by white space, the scanner reads one name per token
   (written name=text, the text after "=" is the token's lexeme), and
   every report goes to standard output with the number of the token it
   happened at. A test links it with its generated parser and a file that
   defines the token names (i_token_names, "End of file" first, ended by 0)
   and the procedures of its attributed terminals. */
#include "scanpars_test.h"

extern char *i_token_names[];

int i_look_ahead = -1;
char i_lexeme[256];
int i_ch;
boolean i_retract;

static FILE *input;
static int token_number;
static int report_count;

int i_init(int ac, char **av) {
  if (ac < 2 || (input = fopen(av[1], "r")) == NULL) {
    printf("cannot read the token file\n");
    return 0;
  }
  return 1;
}

int i_finish(void) {
  fclose(input);
  printf("%d report(s)\n", report_count);
  return report_count;
}

void i_next_token(void) {
  char word[256];
  char *text;
  ++token_number;
  if (fscanf(input, "%255s", word) != 1) {
    i_lexeme[0] = '\0';
    i_look_ahead = 0;
    return;
  }
  text = strchr(word, '=');
  if (text) *text++ = '\0';
  strcpy(i_lexeme, text ? text : word);
  i_look_ahead = -1;
  for (int token = 1; i_token_names[token]; ++token)
    if (strcmp(i_token_names[token], word) == 0) i_look_ahead = token;
}

void i_report(int code, ...) {
  va_list args;
  va_start(args, code);
  ++report_count;
  printf("token %d: ", token_number);
  switch (code) {
    case i_WTERMINS: printf("Parser inserted (non)terminal '%s'\n", va_arg(args, char *)); break;
    case i_WGRPINS: printf("Parser inserted unnamed syntactical unit (group)\n"); break;
    case 48: {
      const char *name = va_arg(args, char *);
      printf("Parser deleted terminal '%s' (lexeme = '%s')\n", name, va_arg(args, char *));
      break;
    }
    case i_ENOMEM: printf("Out of memory\n"); exit(1);
    default: printf("message %d\n", code); break;
  }
  va_end(args);
}

int i_in_set(int token, ...) {
  va_list args;
  int listed;
  int found = 0;
  va_start(args, token);
  while ((listed = va_arg(args, int)) != -1)
    if (listed == token) found = 1;
  va_end(args);
  return found;
}

void i_delete_until(i_marker_set markers, ...) {
  va_list args;
  int token;
  va_start(args, markers);
  while ((token = va_arg(args, int)) != -1) markers[token] = 1;
  va_end(args);
  while (i_look_ahead < 0 || !markers[i_look_ahead]) {
    if (i_look_ahead == 0) break; /* nothing left to delete */
    i_report(48, i_look_ahead < 0 ? "unknown" : i_token_names[i_look_ahead], i_lexeme);
    i_next_token();
  }
}

void i_integer(integer *value) { *value = 0; }
void i_boolean(boolean *value) { *value = false; }
void i_char(char *value) { *value = '\0'; }
void i_real(real *value) { *value = 0.0; }
void i_string(string *value) { *value = ""; }
