/*
 * cgl.h - the predefined module "cgl" of generated scanners.
 *
 * Declares the value types that attributes are declared with (integer,
 * boolean with true and false, char, real and string), the nine predefined
 * conversions that turn a lexeme into an attribute value, the default
 * actions that give an attribute of a predefined type its neutral value,
 * and a line reader for interactive programs.
 *
 * The bodies live in cgl.c, which scanpars.c pulls into the generated
 * scanner, so a generated compiler needs no extra source file for them.
 */
#ifndef cgl_h
#define cgl_h

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Room of a "string" value: the longest lexeme (255 characters) and its
   terminating NUL.  Attribute fields of type string are filled with strcpy,
   so the type is an array. */
#define i_string_size 256

typedef int integer;
typedef int boolean;
typedef double real;
typedef char string[i_string_size];

/* Conversions of a lexeme.  Those of type string return a copy kept in a
   buffer of their own, valid until the same conversion is called again. */
char *get_repr(const char *repr);
char *convert_to_upper(const char *repr);
char *convert_to_lower(const char *repr);
char *delete_spaces(const char *repr);
char *string_encode(const char *repr);
boolean bool_encode(const char *repr);
char char_encode(const char *repr);
integer int_encode(const char *repr);
real real_encode(const char *repr);

/* Default actions of the predefined types (used by error recovery). */
void i_string(string *value);
void i_boolean(boolean *value);
void i_char(char *value);
void i_integer(integer *value);
void i_real(real *value);

/* Writes PROMPT (when not null) to standard output and reads one line from
   standard input, without its line end.  Returns null at the end of input;
   the text is valid until the next call. */
char *i_read_line(const char *prompt);

#ifdef __cplusplus
}
#endif

#endif
