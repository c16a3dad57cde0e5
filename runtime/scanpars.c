/*
 * scanpars.c - the runtime of generated scanners and parsers.
 *
 * The generated scanner source includes this file once, after its tables
 * i_token_names and i_keywords, so the runtime and the scanner form one
 * translation unit and the character routines can be inlined into the
 * scanner loop.  The parts live in files of their own:
 *
 *   scanpars_report.c   message catalogue and i_report
 *   scanpars_listing.c  the listing: echo, line numbers, moving back
 *   scanpars_options.c  the compiler's own options, the quiet switch
 *   scanpars_input.c    command line, input file, buffered reading
 *   scanpars_scanner.c  lexeme buffer, token end and retraction, keywords
 *   scanpars_position.c line and column of the current token
 *   scanpars_parser.c   token sets and error recovery of the parser
 *   cgl.c               the predefined conversions
 *   scanpars_fast.c     the primitives of scanners in the fast shape
 */
#include "scanpars.h"

#include <ctype.h>
#include <errno.h>
#include <limits.h>
#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#include <sys/stat.h>
#endif

/* Characters of the input kept before the read position when the input
   buffer is refilled, so that look-ahead (at most one lexeme) can be given
   back by moving the read position. */
#define i_input_keep 1024
#define i_input_chunk 65536
/* Bytes behind the input buffer that may be read but never hold input
   (see scanpars_fast.c).  Every byte of the buffer is set before it is
   first read this way (zeros where no input came yet), so that memory
   checkers such as valgrind see no uninitialised reads in such copies. */
#define i_input_slack 16

/* The listing is written out in blocks of about this size. */
#define i_listing_block 65536

/* Line copies remembered for retraction over line ends: one per line begun
   while the current lexeme was read, which is at most one per character. */
#define i_line_ring 256

/* Longest line copy kept in place: "%3d " and the first characters of the
   line; the rest of a longer line is kept in a buffer that grows. */
#define i_line_copy_max 255

/* A line is repeated whole after a message while it holds at most this
   many characters; of a longer one only the copy kept in place is: each
   message repeats the line so far, and the listing must stay within a
   bounded multiple of the input even for a huge line full of errors. */
#define i_line_repeat_max 4096

/* Rare paths of the per-character routines stay out of line, so that the
   usual path is small enough to be inlined into the generated scanner. */
#if defined(__GNUC__) || defined(__clang__)
#define i_noinline __attribute__((noinline))
#else
#define i_noinline
#endif

int i_look_ahead = -1;
char i_lexeme[i_lexeme_size];
int i_ch = 0;
boolean i_retract = false;

/* One source line as the listing shows it. */
struct i_line {
  long number;                          /* line number, from 1 */
  int prefix_len;                       /* length of "%3d " */
  int copy_len;                         /* used part of copy */
  long beyond;                          /* characters echoed behind a full copy */
  char *more;                           /* the first of them (i_line_kept) */
  size_t more_cap;
  char copy[i_line_copy_max + 1];       /* "%3d " and the first characters */
};

/* Bits of echo_state; while none is set, a character is echoed at once. */
enum {
  i_at_line_start = 1,                  /* the last character echoed was a newline */
  i_message_written = 2,                /* a message interrupted the line */
  i_rewound = 4                         /* the look-ahead is out of the listing */
};

/* Everything the runtime keeps between calls; i_init resets it. */
static struct i_runtime {
  /* files and names */
  FILE *input;
  FILE *listing;
  char *file_name;                      /* name under which the input was opened */
  char *module_name;                    /* base name without extension */
  char *listing_name;
  boolean scanner_test, parser_test;
  int errors;
  boolean stopped;                      /* the parse ended early: no more messages */
  /* Standard output had failed before i_init (in a program that calls a
     parser as a function): not this run's failure to report. */
  boolean stdout_failed_before;

  /* buffered input; look-ahead is given back by moving in_pos; a NUL
     stands behind the text read (in_buf[in_len]), where the fast scanner
     stops to see whether the buffer ended */
  unsigned char *in_buf;
  size_t in_pos, in_len, in_cap;
  long long in_base;                    /* input offset of in_buf[0] */
  boolean in_ended;                     /* end of input seen; never read again */
  boolean in_failed;                    /* a read error was reported */
  size_t echo_pos;                      /* in_buf before this is echoed */
  boolean echoing;                      /* i_echo_pending is at work */

  /* Where the next token starts when the fast scanner handed the current
     one over and nothing has moved since (scanpars_fast.c); NULL when the
     runtime's state has to be looked at.  Whatever moves the read
     position, the lexeme, the echo or the line count clears it. */
  const unsigned char *fast_resume;

  /* the current lexeme */
  long long tok_start;                  /* input offset of its first character */
  int lex_len;                          /* characters read for it */
  boolean overflowed;                   /* it outgrew the buffer, not yet reported */
  int end;                              /* recorded token end, -1 for none */
  int cut;                              /* end fixed by i_get_lexeme, -1 before */
  long long echo_at[i_lexeme_size];     /* listing offset of each character's echo */
  /* The first i_lexeme_size - 2 characters of the token that last
     outgrew the lexeme buffer, which starts afresh behind them: a token
     that outgrew it is handed on with its beginning, not with what the
     buffer held last (a tail that may even spell a keyword). */
  long long head_of;                    /* input offset of that token, -1 for none */
  char head[i_lexeme_size - 1];

  /* The end that a token recorded before it outgrew the lexeme buffer
     (i_lexeme_overflow), kept so that a token that then fails can still
     fall back to it: where it lies in the input and in the listing, and
     the line the listing goes on with from there.  While it is kept, the
     input buffer keeps the text from `from` (the token's text up to there,
     at most one lexeme of it) and the listing the echo from `echo` on. */
  struct i_far_end {
    boolean kept;
    long long at;                       /* input offset */
    long long from;                     /* input offset of the text needed */
    long long echo;                     /* listing offset of its echo */
    struct i_line line;                 /* the line as it was up to there */
  } far;

  /* the listing; offsets count every byte written since i_init */
  char *lst_buf;
  size_t lst_used, lst_cap;
  long long lst_base;                   /* offset of lst_buf[0] */
  long long barrier;                    /* offset just after the last message */
  boolean lst_failed;                   /* a write to the listing failed */

  /* the line being read, and those begun within the current lexeme */
  struct i_line lines[i_line_ring];
  unsigned cur;                         /* index of the current line in lines */
  struct i_line *line;                  /* lines + cur */
  unsigned echo_state;                  /* i_at_line_start, ... below */

  /* where the lines begin, counted only as far as a position is asked for
     or the input buffer is refilled */
  struct i_line_count {
    long long at;                       /* input offset counted up to */
    long long line_start;               /* input offset where that line begins */
    long line;                          /* number of that line, from 1 */
  } count;
  /* the count at the start of a token that began before the text a refill
     dropped (the count went on past it); it holds while its `at` is the
     token's start */
  struct i_line_count tok_count;

  /* message text, and a message as the screen shows it */
  char *msg_buf;
  size_t msg_cap;
  char *screen_buf;
  size_t screen_cap;
} i_rt;

static const char *i_token_name(int token);
static void i_listing_rewind(int from);
static long i_line_before_lookahead(int from);
static void i_listing_message(const char *prefix, const char *text, size_t len);
static void i_listing_close(void);
static int i_lookahead_start(void);
static _Noreturn void i_fatal_exit(void);
static void i_close_input(void);
static void i_echo_pending(void);
static void i_count_lines_to(long long to);
static _Noreturn void i_out_of_memory(int line);
static char *i_copy_text(const char *text, size_t n, const char *extra);
static boolean i_is_quiet_line(int code);
static boolean i_hand_over_message(const char *file, long line, const char *text, size_t len);

#include "scanpars_report.c"
#include "scanpars_listing.c"
#include "scanpars_options.c"
#include "scanpars_input.c"
#include "scanpars_scanner.c"
#include "scanpars_position.c"
#include "scanpars_parser.c"

/* The generated scanner, which follows in this translation unit, calls the
   per-character routines inline. */
#define i_init_lexeme() i_init_lexeme_inline()
#define i_next_character() i_next_character_inline()
#define i_get_lexeme() i_get_lexeme_inline()
#define i_could_accept(token) i_could_accept_inline(token)
#include "cgl.c"
#include "scanpars_fast.c"
