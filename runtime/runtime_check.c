/*
 * Compiles the runtime exactly as a generated scanner does (token
 * enumeration, scanpars.h, tables, scanpars.c), so that the normal build
 * rejects any warning in it.  Not installed.
 */
#include "cgl.h"

#define i_token_set_size 3

typedef enum {
  i_Unknown= -1, i_EndOfFile, word, blank
} i_token_set;

#include "scanpars.h"

char *i_token_names[]= {
  "End of file", "word", "blank", 0
};

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { word, "word" },
  { 0, NULL }
};

#include "scanpars.c"

void i_next_token(void)
{
  integer	i_state= 0;
  boolean	i_skip= false;

  i_retract= false;
  i_look_ahead= -1;
  i_init_lexeme();
  while (!i_retract) {
    i_next_character();
    switch (i_state) {
      case 0:
        if ((i_ch >= 'a' && i_ch <= 'z'))
          i_state= 1;
        else if (i_ch == ' ' || i_ch == '\n')
          i_state= 2;
        else 
          if (i_ch == EOF)
            i_final_accept(i_EndOfFile);
          else
            i_report(i_ENOSTATE, i_ch);
        break;

      case 1:
        i_could_accept(word);
        if ((i_ch >= 'a' && i_ch <= 'z'))
          i_state= 1;
        else 
          i_retract= true;
        break;

      case 2:
        i_could_accept(blank);
        i_skip= true;
        if (i_ch == ' ' || i_ch == '\n')
          i_state= 2;
        else 
          i_retract= true;
        break;
    }
  }
  i_get_lexeme();
  if (i_look_ahead == -1 || i_skip)
    i_next_token();
}
