/*
 * minipas.re - the MiniPas tokens for re2c, the same as
 * examples/pascal/passcan.inp, as a scanner alone: every token is read
 * from standard input with the attributes the ZEDRA scanner delivers (the
 * spelling of a name in lower case and of a string without its quotes,
 * the value of a number, the code of a character, the line each of them
 * starts on), summed up into the checksum on standard output. With
 * WITH_LISTING the input is echoed, as it is read, behind the line numbers
 * into big.lst (listing.h), as the ZEDRA front end does.
 *
 * The input is read in blocks of 64 KB behind a sentinel: re2c checks the
 * end of the buffer only where it reads a NUL.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "checksum.h"
#ifdef WITH_LISTING
#include "listing.h"
#endif

enum token {
  END_OF_INPUT, ASSIGN, SEMICOLON, COLON, DOT, DOTDOT, EQUAL, NOTEQUAL, LESS, LESSEQUAL,
  GREATER, GREATEREQUAL, PLUS, MINUS, TIMES, DIV, LISTSEP, PACKLEFT, PACKRIGHT, BRACKETLEFT,
  BRACKETRIGHT, PROGRAM, CONST, TYPE, VAR, PROCEDURE, FUNCTION, BEGIN, END, IF, THEN, ELSE,
  WHILE, DO, REPEAT, UNTIL, FOR, TO, DOWNTO, READ, WRITE, INTEGER, BOOLEAN, CHAR, ARRAY, OF,
  TRUE, FALSE, NOT, AND, OR, MOD, ORD, CHR, IDENT, NUMBER, STRING, CHARACTER
};

/* The attributes of the current token. */
static char spelling[256];
static long value;
static int code;
static int line = 1;

#define BLOCK 65536
#define LONGEST 4096                    /* longest token kept across a refill */

static struct input {
  unsigned char buf[LONGEST + BLOCK + 1];
  const unsigned char *cur;
  unsigned char *lim;
  int eof;
} in;

/* Moves the current token (from TOK) to the front of the buffer and reads
   the next block behind it. Gives how far the text moved, or -1 at the end
   of the input. */
static long fill(const unsigned char *tok)
{
  if (in.eof)
    return -1;
  long shift = tok - in.buf;
  size_t used = (size_t)(in.lim - tok);
  if (used > LONGEST) {
    fprintf(stderr, "token too long\n");
    exit(1);
  }
  memmove(in.buf, tok, used);
  in.lim -= shift;
  size_t n = fread(in.lim, 1, BLOCK, stdin);
#ifdef WITH_LISTING
  listing_echo((const char *)in.lim, n);
#endif
  in.lim += n;
  in.lim[0] = 0;
  in.eof = n == 0;
  return shift;
}

static void keep_spelling(const unsigned char *text, size_t length, int lower)
{
  if (length > sizeof spelling - 1)
    length = sizeof spelling - 1;
  for (size_t i = 0; i < length; i++) {
    unsigned char c = text[i];
    spelling[i] = (char)(lower && c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  spelling[length] = '\0';
}

/* Counts the line ends of a comment. */
static void count_lines(const unsigned char *p, const unsigned char *end)
{
  while ((p = memchr(p, '\n', (size_t)(end - p))) != NULL) {
    p++;
    line++;
  }
}

static long number_value(const unsigned char *p, const unsigned char *end, int base)
{
  long n = 0;
  for (; p < end; p++) {
    int c = *p;
    n = n * base + (c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return n;
}

static enum token lex(void)
{
  const unsigned char *cur = in.cur, *lim = in.lim, *mar = cur, *tok;
  long shift;
  for (;;) {
    tok = cur;
    /*!re2c
      re2c:eof = 0;
      re2c:api:style = free-form;
      re2c:define:YYCTYPE = "unsigned char";
      re2c:define:YYCURSOR = "cur";
      re2c:define:YYMARKER = "mar";
      re2c:define:YYLIMIT = "lim";
      re2c:define:YYFILL = "(shift = fill(tok)) >= 0 && (tok -= shift, cur -= shift, mar -= shift, lim = in.lim, 1)";

      letter = [a-zA-Z];
      digit = [0-9];
      hexdigit = [0-9a-fA-F];
      stringchar = [ !#-~\x80-\xff];
      charchar = [ -&(-~];
      notstar = [\x00-)+-\xff];
      notstarparen = [\x00-(+-\xff];

      ":=" { in.cur = cur; return ASSIGN; }
      ";" { in.cur = cur; return SEMICOLON; }
      ":" { in.cur = cur; return COLON; }
      "." { in.cur = cur; return DOT; }
      ".." { in.cur = cur; return DOTDOT; }
      "=" { in.cur = cur; return EQUAL; }
      "<>" { in.cur = cur; return NOTEQUAL; }
      "<" { in.cur = cur; return LESS; }
      "<=" { in.cur = cur; return LESSEQUAL; }
      ">" { in.cur = cur; return GREATER; }
      ">=" { in.cur = cur; return GREATEREQUAL; }
      "+" { in.cur = cur; return PLUS; }
      "-" { in.cur = cur; return MINUS; }
      "*" { in.cur = cur; return TIMES; }
      "/" | 'div' { in.cur = cur; return DIV; }
      "," { in.cur = cur; return LISTSEP; }
      "(" { in.cur = cur; return PACKLEFT; }
      ")" { in.cur = cur; return PACKRIGHT; }
      "[" { in.cur = cur; return BRACKETLEFT; }
      "]" { in.cur = cur; return BRACKETRIGHT; }

      'program' { in.cur = cur; return PROGRAM; }
      'const' { in.cur = cur; return CONST; }
      'type' { in.cur = cur; return TYPE; }
      'var' { in.cur = cur; return VAR; }
      'procedure' { in.cur = cur; return PROCEDURE; }
      'function' { in.cur = cur; return FUNCTION; }
      'begin' { in.cur = cur; return BEGIN; }
      'end' { in.cur = cur; return END; }
      'if' { in.cur = cur; return IF; }
      'then' { in.cur = cur; return THEN; }
      'else' { in.cur = cur; return ELSE; }
      'while' { in.cur = cur; return WHILE; }
      'do' { in.cur = cur; return DO; }
      'repeat' { in.cur = cur; return REPEAT; }
      'until' { in.cur = cur; return UNTIL; }
      'for' { in.cur = cur; return FOR; }
      'to' { in.cur = cur; return TO; }
      'downto' { in.cur = cur; return DOWNTO; }
      'read' | 'readln' { in.cur = cur; return READ; }
      'write' | 'writeln' { in.cur = cur; return WRITE; }
      'integer' { in.cur = cur; return INTEGER; }
      'boolean' { in.cur = cur; return BOOLEAN; }
      'char' { in.cur = cur; return CHAR; }
      'array' { in.cur = cur; return ARRAY; }
      'of' { in.cur = cur; return OF; }
      'true' { in.cur = cur; return TRUE; }
      'false' { in.cur = cur; return FALSE; }
      'not' { in.cur = cur; return NOT; }
      'and' { in.cur = cur; return AND; }
      'or' { in.cur = cur; return OR; }
      'mod' { in.cur = cur; return MOD; }
      'ord' { in.cur = cur; return ORD; }
      'chr' { in.cur = cur; return CHR; }

      letter (letter | digit)* {
        keep_spelling(tok, (size_t)(cur - tok), 1);
        in.cur = cur;
        return IDENT;
      }
      digit+ { value = number_value(tok, cur, 10); in.cur = cur; return NUMBER; }
      "$" hexdigit+ { value = number_value(tok + 1, cur, 16); in.cur = cur; return NUMBER; }
      ["] stringchar* ["] {
        keep_spelling(tok + 1, (size_t)(cur - tok) - 2, 0);
        in.cur = cur;
        return STRING;
      }
      ['] charchar ['] { code = tok[1]; in.cur = cur; return CHARACTER; }

      "\n" { line++; continue; }
      [ \t\v\f\r]+ { continue; }
      "(*" (notstar | "*"+ notstarparen)* "*"+ ")" { count_lines(tok, cur); continue; }
      "{" [^}]* "}" { count_lines(tok, cur); continue; }

      * { fprintf(stderr, "bad character '%c'\n", *tok); continue; }
      $ { in.cur = cur; return END_OF_INPUT; }
    */
  }
}

int main(void)
{
  in.cur = in.lim = in.buf + LONGEST;
  in.lim[0] = 0;
  struct checksum sum = {0};
  for (enum token token = lex(); token != END_OF_INPUT; token = lex()) {
    sum.tokens++;
    switch (token) {
    case IDENT:
      checksum_name(&sum, spelling, line);
      break;
    case NUMBER:
      checksum_number(&sum, value, line);
      break;
    case STRING:
      checksum_string(&sum, spelling, line);
      break;
    case CHARACTER:
      checksum_character(&sum, code, line);
      break;
    default:
      break;
    }
  }
  checksum_print(&sum);
  return 0;
}
