/* The declarations that the runtime of generated compilers gives to a
   generated parser, for compiling generated parsers in the tests. A test
   includes it from a file in the shape of the scanner's header, which
   defines i_token_set_size and the token enumeration i_token_set first. */
#ifndef scanpars_test_h
#define scanpars_test_h

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int integer;
typedef enum { false, true } boolean;
typedef char *string;
typedef double real;

/* One byte per token: set when the parser may resume at that token. */
typedef unsigned char *i_marker_set;

/* Message codes that generated code names. */
enum {
  i_ENOKEYW = 25,
  i_ENOMEM = 27,
  i_ENOSTATE = 29,
  i_WGRPINS = 44,
  i_WTERMINS = 49
};

extern int i_look_ahead;
extern char i_lexeme[256];
extern int i_ch;
extern boolean i_retract;

int i_init(int ac, char **av);
int i_finish(void);
void i_report(int code, ...);
void i_next_token(void);
int i_in_set(int token, ...);
void i_delete_until(i_marker_set markers, ...);

/* Default procedures of the predefined types. */
void i_integer(integer *value);
void i_boolean(boolean *value);
void i_char(char *value);
void i_real(real *value);
void i_string(string *value);

#endif
