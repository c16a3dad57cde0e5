/* Lists the tokens with the line their attribute and i_token_line() give,
   and the messages with the line they name. */
#include <stdio.h>
#include "str.h"

static void show(const char *file, int line, const char *text, void *data)
{
  (void)file;
  (void)data;
  printf("  message at line %d: %s\n", line, text);
}

int main(int ac, char **av)
{
  i_set_quiet(1);
  i_set_message_handler(show, NULL);
  if (!i_init(ac, av))
    return 1;
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token()) {
    int line = 0;
    if (i_look_ahead == tString) {
      t_tString string;
      p_tString(&string);
      line = string.line;
    } else if (i_look_ahead == tIdent) {
      t_tIdent name;
      p_tIdent(&name);
      line = name.line;
    }
    printf("%s: line attribute %d, i_token_line() %d, column %d\n", i_token_names[i_look_ahead],
           line, i_token_line(), i_token_column());
  }
  return i_finish();
}
