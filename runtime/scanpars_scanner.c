/*
 * scanpars_scanner.c - the scanner primitives: the lexeme buffer, reading
 * with echo, the end of a token, retraction of look-ahead, keyword lookup.
 * Part of scanpars.c; not compiled on its own.
 *
 * Indices count characters of the current lexeme: lex_len were read, the
 * token ends at `end` while scanning (recorded by i_could_accept) and at
 * `cut` once i_get_lexeme has fixed it; the characters from there on are
 * look-ahead that goes back to the input when the next token starts.
 */

static const char *i_token_name(int token)
{
  if (token >= 0 && token < i_token_set_size && i_token_names[token])
    return i_token_names[token];
  return "?";
}

/* First lexeme index that is look-ahead, or lex_len when there is none. */
static int i_lookahead_start(void)
{
  if (i_rt.cut >= 0)
    return i_rt.cut;
  if (i_rt.end >= 0)
    return i_rt.end;
  return i_rt.lex_len;
}

void i_init_lexeme(void)
{
  if (i_rt.input && i_rt.cut >= 0 && i_rt.cut < i_rt.lex_len) {
    int n = i_rt.lex_len - i_rt.cut;
    i_listing_rewind(i_rt.cut);
    i_rt.in_pos -= (size_t)n;
    i_lines_give_back(i_rt.in_buf + i_rt.in_pos, n);
    if (i_ch == EOF)
      i_ch = '\0';                      /* read the given-back characters again */
  }
  i_rt.lex_len = 0;
  i_rt.end = -1;
  i_rt.cut = -1;
  i_lexeme[0] = '\0';
}

/* A token of 255 characters: reported, and the buffer starts afresh with
   the character just read, which the scanner has yet to look at.  An end
   recorded before is lost with the characters. */
static void i_lexeme_overflow(void)
{
  i_rt.end = -1;
  i_report(i_msg_buffer_overflow);
  int last = i_rt.lex_len - 1;
  i_lexeme[0] = i_lexeme[last];
  i_lexeme[1] = '\0';
  i_rt.echo_at[0] = i_rt.echo_at[last];
  i_rt.lex_len = 1;
}

/* The next input character when the buffer is used up, EOF at the end or
   when no input is open (the scan then ends with i_EndOfFile). */
static int i_next_slow(void)
{
  return i_rt.input && i_rt.listing ? i_refill() : EOF;
}

void i_next_character(void)
{
  if (i_ch == EOF)
    return;
  int c = i_rt.in_pos < i_rt.in_len ? i_rt.in_buf[i_rt.in_pos++] : i_next_slow();
  i_ch = c;
  int k = i_rt.lex_len;
  if (c == EOF) {
    i_lexeme[k] = '\0';
    return;
  }
  i_lexeme[k] = (char)c;
  i_lexeme[k + 1] = '\0';
  i_rt.lex_len = k + 1;
  i_echo(c, k);
  if (k + 1 == i_lexeme_size - 1)
    i_lexeme_overflow();
}

void i_could_accept(int token)
{
  if (token != i_look_ahead) {
    i_look_ahead = token;
    if (i_rt.scanner_test)
      i_report(i_msg_scanner_test, "Scanner could recognize %s", i_token_name(token));
  }
  /* The token is what was read before the current character (all of it at
     the end of the input). */
  int end = i_ch == EOF ? i_rt.lex_len : i_rt.lex_len - 1;
  i_rt.end = end < 0 ? 0 : end;
}

void i_final_accept(int token)
{
  i_look_ahead = token;
  i_retract = true;
  i_rt.end = -1;
}

void i_get_lexeme(void)
{
  int cut = i_rt.end >= 0 ? i_rt.end : i_ch == EOF ? i_rt.lex_len : i_rt.lex_len - 1;
  if (cut < 0)
    cut = 0;
  if (cut > i_rt.lex_len)
    cut = i_rt.lex_len;
  i_rt.cut = cut;
  i_lexeme[cut] = '\0';
  if (i_look_ahead < 0)
    i_report(i_msg_unknown_token, i_lexeme);
  else if (i_rt.scanner_test)
    i_report(i_msg_scanner_test, "Scanner recognized %s, lexeme = '%s'",
             i_token_name(i_look_ahead), i_lexeme);
}

int i_lookup(const char *lexeme)
{
  size_t count = sizeof i_keywords / sizeof i_keywords[0] - 1;
  if (!lexeme)
    return 0;
  /* Bisection for the last entry whose text is not greater than LEXEME. */
  size_t low = 0, high = count;
  while (low < high) {
    size_t middle = low + (high - low) / 2;
    if (strcmp(i_keywords[middle].rhs, lexeme) <= 0)
      low = middle + 1;
    else
      high = middle;
  }
  if (low == 0 || strcmp(i_keywords[low - 1].rhs, lexeme) != 0)
    return 0;
  int token = i_keywords[low - 1].lhs;
  if (i_rt.scanner_test)
    i_report(i_msg_scanner_test, "Scanner found keyword %s (derived from %s)",
           i_token_name(token), i_token_name(i_look_ahead));
  i_look_ahead = token;
  return 1;
}
