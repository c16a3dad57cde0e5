/*
 * scanpars_position.c - the line and column of the current token, for the
 * actions of a compiler.  Part of scanpars.c; not compiled on its own.
 *
 * The scanner only notes where each token starts (an input offset); lines
 * are counted when a position is asked for, or before the input buffer
 * drops characters on a refill, so reading costs nothing extra.  Token
 * starts never move back (given-back look-ahead is read again behind the
 * previous token), so the count only ever goes forward.
 */

/* Counts the line ends of the input from count.at up to offset TO. */
static i_noinline void i_count_lines_on(long long to)
{
  const unsigned char *p = i_rt.in_buf + (i_rt.count.at - i_rt.in_base);
  const unsigned char *end = i_rt.in_buf + (to - i_rt.in_base);
  while (p < end && (p = memchr(p, '\n', (size_t)(end - p))) != NULL) {
    p++;
    i_rt.count.line++;
    i_rt.count.line_start = i_rt.in_base + (p - i_rt.in_buf);
  }
  i_rt.count.at = to;
  i_rt.fast_resume = NULL;
}

/* Counts the line ends of the input up to offset TO, which is still in the
   input buffer. */
static inline void i_count_lines_to(long long to)
{
  if (to > i_rt.count.at)
    i_count_lines_on(to);
}

int i_token_line(void)
{
  i_count_lines_to(i_rt.tok_start);
  return (int)i_rt.count.line;
}

int i_token_column(void)
{
  i_count_lines_to(i_rt.tok_start);
  return (int)(i_rt.tok_start - i_rt.count.line_start + 1);
}
