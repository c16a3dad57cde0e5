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

/* The count at the start of the current token: counted on to there, or
   kept apart when a refill dropped text behind the start of a long one. */
static const struct i_line_count *i_token_start_count(void)
{
  i_count_lines_to(i_rt.tok_start);
  if (i_rt.tok_start < i_rt.count.at && i_rt.tok_count.at == i_rt.tok_start)
    return &i_rt.tok_count;
  return &i_rt.count;
}

int i_token_line(void)
{
  return (int)i_token_start_count()->line;
}

int i_token_column(void)
{
  return (int)(i_rt.tok_start - i_token_start_count()->line_start + 1);
}
