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
#include <stdint.h>
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

/* One count per token: how many of the rule procedures now running resume
   at that token after a syntax error (a procedure counts the tokens its
   caller passes while it runs, and only then).  The generated root rule
   allocates it with calloc(i_token_set_size, sizeof *i_markers). */
typedef unsigned int *i_marker_set;

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
/* Whether NAME is the file the input is read from, which an output of the
   compiler must not replace. */
boolean i_is_input_file(const char *name);

/* For the actions of a compiler.
 *
 * The position of the current token (i_look_ahead): the line of its first
 * character, from 1, and its column, counted in bytes from 1.  A parser
 * looks one token ahead, so by the time an action runs the current token
 * may be a later one; to keep the position of a token, give its terminals
 * a scanner attribute whose conversion action returns i_token_line() (the
 * scanner fills attributes while the token is the current one). */
int i_token_line(void);
int i_token_column(void);

/* Messages of the compiler's own, in the form of the catalogue's: on
   standard error behind "file:LINE: " (no position for a LINE below 1) and
   "Error: " or "Warning: ", in the listing behind "*** ".  An error counts
   toward the error count and so toward the exit status; a warning does not.
   FORMAT and the arguments are those of printf. */
void i_error_at(int line, const char *format, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
void i_warning_at(int line, const char *format, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

/* The errors counted since i_init: syntax errors, the catalogue's errors
   and i_error_at. */
int i_error_count(void);

/* Options of the compiler's own.  i_init calls i_declare_options before it
   reads the command line; a compiler that defines this function declares
   its options there with i_add_option (a program with a main of its own
   may also declare them before it calls i_init).  The option -NAME runs
   ACTION: with the word that follows (or the rest of the same word,
   "-ofile") when TAKES_ARGUMENT is nonzero, else with NULL.  HELP is a line
   printed behind the usage, or NULL.  The standard options -ts, -tp, -h
   keep their meaning; an option declared twice takes the later action.
   --version (the banner) and --help (banner and usage) are answered on
   standard output, and the program ends with status 0.
   Defining i_declare_options needs a compiler with weak symbols (GCC,
   clang); with others, declare the options in a main of your own. */
typedef void (*i_option_action)(const char *argument);
void i_declare_options(void);
void i_add_option(const char *name, int takes_argument, i_option_action action,
                  const char *help);

/* The quiet switch, also set by the standard option -q: the banner and the
   summary lines (input, listing and KAM files, sizes, error count) stay off
   the screen; errors and warnings still appear. */
void i_set_quiet(int quiet);

/* A program that shows the messages itself (an editor, a build tool) gets
   every line that would go to standard error, instead of it: FILE and
   LINE are the source position of an error or warning (NULL and 0 when it
   has none, as for the banner and the summary), TEXT the message as the
   screen would show it behind "file:line: ", without the line end (the
   usage is one message of several lines), and DATA what was given here.
   The quiet switch still holds; the listing is written as ever.  NULL
   writes to standard error again.  The handler stays for every later run
   of the program. */
typedef void (*i_message_handler)(const char *file, int line, const char *text, void *data);
void i_set_message_handler(i_message_handler handler, void *data);

/* Scanner primitives, called by the generated i_next_token. */
void i_next_token(void);
void i_init_lexeme(void);
void i_next_character(void);
void i_could_accept(int token);
void i_final_accept(int token);
void i_get_lexeme(void);
int i_lookup(const char *lexeme);
/* Scans the next token in place of a skipped one (blanks, comments); a
   skipped token may be of any length. */
void i_skip_token(void);

/* Parser primitives; the token lists end with -1. */
int i_in_set(int token, ...);
/* Deletes tokens (message 48 each) up to one that is marked or listed; the
   end of the input is never deleted. */
void i_delete_until(i_marker_set markers, ...);

/* The deletion of tokens up to a marked one (none listed). */
void i_delete_unmarked(i_marker_set markers);

/* A parser without error recovery stops at the first syntax error: the
   message names the token found and the tokens expected (a list ended by
   -1); the rest of the input is not read, no further message is reported,
   and the program ends as usual with the error count as its status. */
void i_syntax_error(int found, ...);

/* The forms of i_delete_until and i_syntax_error that take their token
   lists as arrays; a list ends at its first -1 or after COUNT tokens.  The
   listed tokens count as marked only for that one deletion. */
void i_delete_unlisted(i_marker_set markers, const int *tokens, size_t count);
void i_syntax_error_list(int found, const int *expected, size_t count);

/* Rule procedures nest at most this deep (rules calling rules, counting
   recursion): a deeper nesting is reported with the limit, counted as an
   error, and the parse stops as after i_syntax_error.  The default,
   i_default_depth_limit, keeps generated parsers well inside a stack of
   8 MB; a compiler whose rules keep large attribute records, or that runs
   with a smaller stack, sets a lower limit before it parses. */
#define i_default_depth_limit 5000
void i_set_depth_limit(int limit);
extern int i_rule_depth, i_depth_limit;
void i_nesting_too_deep(void);
/* The stack address below which a rule procedure no longer starts (0: none
   known), three quarters of the stack's limit below where i_init ran: the
   rules of a grammar of many tokens take kilobytes each, and would overflow
   the stack long before the depth limit.  Such a nesting is reported like
   one beyond the limit, with the depth reached. */
extern uintptr_t i_stack_floor;

/* The entry and exit of a generated rule procedure: the nesting depth, and
   with error recovery the tokens that its caller passes (ARGS, a list ended
   by -1) count as markers while it runs. */
static inline void i_enter_plain_rule(void)
{
  char here;
  if (++i_rule_depth > i_depth_limit || (uintptr_t)&here < i_stack_floor)
    i_nesting_too_deep();
}

static inline void i_leave_plain_rule(void)
{
  --i_rule_depth;
}

static inline void i_enter_rule(i_marker_set markers, va_list args)
{
  i_enter_plain_rule();
  for (int token = va_arg(args, int); token != -1; token = va_arg(args, int))
    markers[token]++;
}

static inline void i_leave_rule(i_marker_set markers, va_list args)
{
  for (int token = va_arg(args, int); token != -1; token = va_arg(args, int))
    markers[token]--;
  i_leave_plain_rule();
}

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
  if (i_look_ahead == i_EndOfFile || i_in_list(i_look_ahead, tokens, count) ||
      (markers && i_look_ahead >= 0 && i_look_ahead < i_token_set_size && markers[i_look_ahead]))
    return;
  i_delete_unlisted(markers, tokens, count);
}

/* The fast shape of a generated parser (pgen --fast, at most 64 tokens):
   the markers of the rule procedures now running, and the token lists of
   its tests, are bit masks with the bit i_bit(token) of each token; a rule
   procedure receives its caller's markers with the tokens the caller
   resumes at added, by value. */
typedef unsigned long long i_marker_bits;
#define i_bit(token) (1ull << (token))

static inline int i_in_bits(int token, i_marker_bits bits)
{
  return (unsigned)token < 64u && ((bits >> token) & 1u);
}

/* Deletes tokens (message 48 each) up to one of ALLOWED (markers and
   listed tokens); the end of the input is never deleted. */
void i_delete_unallowed(i_marker_bits allowed);
/* The same with a mask of WORDS words. */
void i_delete_unallowed_words(const unsigned long long *allowed, int words);

static inline void i_delete_bits(i_marker_bits allowed)
{
  if (i_look_ahead == i_EndOfFile || i_in_bits(i_look_ahead, allowed))
    return;
  i_delete_unallowed(allowed);
}

/* The fast shape of a parser of more than 64 tokens: the same with masks of
   i_wide_words words.  Up to 128 tokens a set is written word by word,
   (i_wide_bits){{w0, w1}}, each word the i_wbit of every token of the set,
   so that the compiler folds it into a constant; with more, the sets are
   listed once and made into masks when the parse starts (i_wide_fill). */
#define i_wide_words ((i_token_set_size + 63) / 64)
typedef struct {
  unsigned long long word[i_wide_words];
} i_wide_bits;
#define i_wbit(token, w) ((unsigned)(token) / 64u == (w) ? 1ull << ((unsigned)(token) % 64u) : 0ull)

static inline i_wide_bits i_wider(i_wide_bits bits, i_wide_bits more)
{
  for (int w = 0; w < i_wide_words; w++)
    bits.word[w] |= more.word[w];
  return bits;
}

static inline int i_in_wide_at(int token, const i_wide_bits *bits)
{
  return (unsigned)token < 64u * i_wide_words &&
         ((bits->word[(unsigned)token / 64u] >> ((unsigned)token % 64u)) & 1u);
}

static inline int i_in_wide(int token, i_wide_bits bits)
{
  return i_in_wide_at(token, &bits);
}

static inline void i_delete_wide(i_wide_bits allowed)
{
  if (i_look_ahead == i_EndOfFile || i_in_wide(i_look_ahead, allowed))
    return;
  i_delete_unallowed_words(allowed.word, i_wide_words);
}

/* With more than 128 tokens the masks are long and a rule may test many
   sets: a mask made for every call or skip would cost a rule procedure the
   room of all of them on the stack (and the C compiler long to compile).
   So a rule procedure receives its caller's markers and the tokens the
   caller resumes at as two masks by address, and joins them into the one
   mask of its own (i_wide_join); skips take two masks by address too. */
static inline i_wide_bits i_wide_join(const i_wide_bits *outer, const i_wide_bits *more)
{
  return i_wider(*outer, *more);
}

#if defined(__GNUC__) || defined(__clang__)
__attribute__((noinline, unused))
#endif
static void i_delete_joined(const i_wide_bits *markers, const i_wide_bits *more)
{
  i_wide_bits allowed = i_wide_join(markers, more);
  i_delete_unallowed_words(allowed.word, i_wide_words);
}

static inline void i_delete_listed(const i_wide_bits *markers, const i_wide_bits *more)
{
  if (i_look_ahead == i_EndOfFile || i_in_wide_at(i_look_ahead, markers) ||
      i_in_wide_at(i_look_ahead, more))
    return;
  i_delete_joined(markers, more);
}

/* Makes the COUNT masks SETS of the token lists TOKENS, one after the
   other, each ended by -1. */
static inline void i_wide_fill(i_wide_bits *sets, int count, const int *tokens)
{
  for (int s = 0; s < count; s++, tokens++) {
    for (int w = 0; w < i_wide_words; w++)
      sets[s].word[w] = 0;
    for (; *tokens != -1; tokens++)
      if ((unsigned)*tokens < 64u * i_wide_words)
        sets[s].word[(unsigned)*tokens / 64u] |= 1ull << ((unsigned)*tokens % 64u);
  }
}

/* The token lists of the tests and skips.  A list written as a compound
   literal lives in the frame of the rule procedure, every list apart, so a
   rule of many alternatives over many tokens took tens of kilobytes of
   stack per call, and a deep nesting overflowed the stack long before the
   depth limit.  Where the compiler allows it, each list is a static array
   instead; the count is taken of the literal without evaluating it. */
#if defined(__GNUC__) || defined(__clang__)
#define i_token_list(...) \
  (__extension__({ static const int i_list_[] = {__VA_ARGS__}; i_list_; }))
#else
#define i_token_list(...) (const int[]){__VA_ARGS__}
#endif
#define i_token_count(...) (sizeof (const int[]){__VA_ARGS__} / sizeof(int))
#define i_in_set(token, ...) \
  i_in_list((token), i_token_list(__VA_ARGS__), i_token_count(__VA_ARGS__))
#define i_delete_until(markers, ...) \
  i_delete_until_list((markers), i_token_list(__VA_ARGS__), i_token_count(__VA_ARGS__))
#define i_syntax_error(found, ...) \
  i_syntax_error_list((found), i_token_list(__VA_ARGS__), i_token_count(__VA_ARGS__))
#endif

#ifdef __cplusplus
}
#endif

#endif
