/*
 * scanalone.c - the ZEDRA scanner of MiniPas alone: every token is read
 * (with its echo into the listing, which every ZEDRA scanner writes) and
 * the attributes of names, numbers, strings and characters are fetched as
 * the parser fetches them; the checksum goes to standard output.
 */
#include "passcan.h"

#include "checksum.h"

int main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;
  struct checksum sum = {0};
  for (i_next_token(); i_look_ahead != i_EndOfFile; i_next_token()) {
    sum.tokens++;
    switch (i_look_ahead) {
    case tIdent: {
      t_tIdent name;
      p_tIdent(&name);
      checksum_name(&sum, name.spelling, name.line);
      break;
    }
    case tNumber: {
      t_tNumber number;
      p_tNumber(&number);
      checksum_number(&sum, number.value, number.line);
      break;
    }
    case tString: {
      t_tString string;
      p_tString(&string);
      checksum_string(&sum, string.spelling, string.line);
      break;
    }
    case tCharacter: {
      t_tCharacter character;
      p_tCharacter(&character);
      checksum_character(&sum, character.code, character.line);
      break;
    }
    default:
      break;
    }
  }
  checksum_print(&sum);
  return i_finish();
}
