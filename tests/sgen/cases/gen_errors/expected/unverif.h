#ifndef unverif_h
#define unverif_h
#include "cgl.h"

/* Definition of tokens (i.e. terminals) used in parser: */

#define i_token_set_size 3

typedef enum {
  i_Unknown= -1, i_EndOfFile, kbegin, word
} i_token_set;

#include "scanpars.h"

/* User-defined scanner types: */

typedef enum {
  red, green} colour;

/* Default actions for each user-defined type: */

void i_mood(mood *);
void i_colour(colour *);


#endif

