/*
 * scanpars.h - interface of the runtime of generated scanners and parsers.
 *
 * The generated scanner header includes this file after it has defined the
 * token enumeration i_token_set (i_Unknown = -1, i_EndOfFile = 0, then the
 * terminals) and its size i_token_set_size; the generated scanner source
 * includes scanpars.c once, after its tables i_token_names and i_keywords.
 */
#ifndef scanpars_h
#define scanpars_h

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cgl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Capacity of i_lexeme: 255 characters and the terminating NUL. */
#define i_lexeme_size 256

/* Message codes that generated code names (see the catalogue in
   scanpars_report.c for all of them). */
enum {
  i_ENOKEYW = 25,
  i_ENOMEM = 27,
  i_ENOSTATE = 29,
  i_WGRPINS = 44,
  i_WTERMINS = 49
};

/* One byte per token: the tokens at which error recovery may resume.  The
   generated root rule allocates it with calloc(i_token_set_size, 1). */
typedef unsigned char *i_marker_set;

/* Shared state that generated code reads and writes directly. */
extern int i_look_ahead;                /* current token, -1 while none */
extern char i_lexeme[i_lexeme_size];    /* text of the current token */
extern int i_ch;                        /* last character read, EOF at the end */
extern boolean i_retract;               /* stop reading for the current token */

/* Tables of the generated scanner. */
extern char *i_token_names[];

/* Program frame. */
int i_init(int ac, char **av);
int i_finish(void);
void i_report(int code, ...);

/* Base name of the input without its extension ("prog" for "dir/prog.kam"),
   as i_init derived it; the empty string before an input was opened. */
const char *i_module_name(void);

/* Scanner primitives, called by the generated i_next_token. */
void i_next_token(void);
void i_init_lexeme(void);
void i_next_character(void);
void i_could_accept(int token);
void i_final_accept(int token);
void i_get_lexeme(void);
int i_lookup(const char *lexeme);

/* Parser primitives; the token lists end with -1. */
int i_in_set(int token, ...);
void i_delete_until(i_marker_set markers, ...);

/* The deletion of tokens up to a marked one, after the marking. */
void i_delete_unmarked(i_marker_set markers);

#if !defined(__cplusplus) && defined(i_token_set_size)
/* A generated parser tests and marks token lists at every symbol.  Its
   calls of i_in_set and i_delete_until hand their constant lists over as
   arrays with their length, so that the compiler can unfold the loops and
   no variable argument list has to be walked; the functions above do the
   same for other callers.  A list ends at its first -1. */
#if defined(__GNUC__) && !defined(__clang__)
#define i_unfold _Pragma("GCC unroll 16")
#elif defined(__clang__)
#define i_unfold _Pragma("unroll 16")
#else
#define i_unfold
#endif

static inline int i_in_list(int token, const int *tokens, size_t count)
{
  i_unfold
  for (size_t i = 0; i < count; i++) {
    if (tokens[i] == -1)
      break;
    if (tokens[i] == token)
      return 1;
  }
  return 0;
}

static inline void i_delete_until_list(i_marker_set markers, const int *tokens, size_t count)
{
  if (markers) {
    i_unfold
    for (size_t i = 0; i < count; i++) {
      if (tokens[i] == -1)
        break;
      if (tokens[i] >= 0 && tokens[i] < i_token_set_size)
        markers[tokens[i]] = 1;
    }
  }
  if (i_look_ahead != i_EndOfFile &&
      !(markers && i_look_ahead >= 0 && i_look_ahead < i_token_set_size && markers[i_look_ahead]))
    i_delete_unmarked(markers);
}

#define i_token_list(...) (const int[]){__VA_ARGS__}
#define i_token_count(...) (sizeof i_token_list(__VA_ARGS__) / sizeof(int))
#define i_in_set(token, ...) \
  i_in_list((token), i_token_list(__VA_ARGS__), i_token_count(__VA_ARGS__))
#define i_delete_until(markers, ...) \
  i_delete_until_list((markers), i_token_list(__VA_ARGS__), i_token_count(__VA_ARGS__))
#endif

#ifdef __cplusplus
}
#endif

#endif
