/* The runtime compiled with a small token and keyword table, as a generated
   scanner would compile it, for the unit tests. */
#include "fixture.h"

char *i_token_names[]= {
  "End of file", "alpha", "beta", "gamma_sym", "delta", "name", 0
};

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { alpha, "alpha" },
  { beta, "beta" },
  { delta, "delta" },
  { gamma_sym, "gamma" },
  { 0, NULL }
};

#include "scanpars.c"

void i_next_token(void)
{
  i_look_ahead= i_EndOfFile;
}

/* The forms a generated parser compiles its token tests to (the lists
   handed over as arrays), for the C++ tests, which see only the functions. */
int fixture_in_set(int token)
{
  return i_in_set(token, alpha, beta, delta, -1);
}

void fixture_delete_until(i_marker_set markers)
{
  i_delete_until(markers, beta, delta, 99, -1);
}

/* A rule procedure's entry and exit, as generated code writes them, with
   the caller's tokens alpha and delta. */
static void fixture_rule_edge(i_marker_set markers, int entering, ...)
{
  va_list args;
  va_start(args, entering);
  if (entering)
    i_enter_rule(markers, args);
  else
    i_leave_rule(markers, args);
  va_end(args);
}

void fixture_enter_rule(i_marker_set markers)
{
  fixture_rule_edge(markers, 1, alpha, delta, -1);
}

void fixture_leave_rule(i_marker_set markers)
{
  fixture_rule_edge(markers, 0, alpha, delta, -1);
}

/* The listing's count of line numbers: the prefix of the line after the
   one whose prefix is PREVIOUS (at most 16 characters) into OUT, as a
   string; gives its length, 0 when it does not fit two words. */
int fixture_next_prefix(const char *previous, char *out)
{
  unsigned long long words[2] = {0, 0};
  size_t len = strlen(previous);
  if (len > sizeof words)
    return 0;
  memcpy(words, previous, len);
  int next = i_prefix_count_up(words, (int)len, strtol(previous, NULL, 10) + 1);
  memcpy(out, words, (size_t)next);
  out[next] = '\0';
  return next;
}
