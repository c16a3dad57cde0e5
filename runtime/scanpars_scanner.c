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

/* A token that outgrew the lexeme buffer is reported once the scanner
   knows that it was kept (i_report_overflow): a skipped one (a long
   comment) is ordinary input and goes through i_skip_token, which forgets
   the overflow. */
static inline void i_init_lexeme_inline(void)
{
  i_rt.fast_resume = NULL;
  if (i_rt.overflowed)
    i_report_overflow();
  if (i_rt.input && i_rt.cut >= 0 && i_rt.cut < i_rt.lex_len) {
    size_t n = (size_t)(i_rt.lex_len - i_rt.cut);
    if (i_rt.in_pos - n >= i_rt.echo_pos) {
      i_rt.in_pos -= n;                 /* never echoed: nothing to undo */
    } else {
      i_echo_pending();
      i_listing_rewind(i_rt.cut);
      i_rt.in_pos -= n;
      i_lines_give_back(i_rt.in_buf + i_rt.in_pos, (int)n);
      i_rt.echo_pos = i_rt.in_pos;
    }
    if (i_ch == EOF)
      i_ch = '\0';                      /* read the given-back characters again */
  }
  i_rt.tok_start = i_rt.in_base + (long long)i_rt.in_pos;
  i_rt.lex_len = 0;
  i_rt.end = -1;
  i_rt.cut = -1;
  i_lexeme[0] = '\0';
}

void i_init_lexeme(void)
{
  i_init_lexeme_inline();
}

/* Keeps the end recorded at lexeme index END (far), before the buffer
   starts afresh: the line is taken as giving back the characters from
   there on would leave it. */
static void i_far_end_keep(int end)
{
  int n = i_rt.lex_len - end;
  const unsigned char *chars = i_rt.in_buf + i_rt.in_pos - n;
  long column;
  unsigned line = i_line_before(chars, n, &column);
  i_line_assign(&i_rt.far.line, &i_rt.lines[line]);
  i_line_set_column(&i_rt.far.line, column);
  i_rt.far.at = i_rt.in_base + (long long)(i_rt.in_pos - (size_t)n);
  /* a lexeme holds at most the last i_lexeme_size - 2 characters of a
     token that outgrew it (i_far_end_fall_back); they are still in the
     buffer, which keeps i_input_keep characters before the read position */
  long long from = i_rt.far.at - (i_lexeme_size - 2);
  i_rt.far.from = from < i_rt.tok_start ? i_rt.tok_start : from;
  i_rt.far.echo = i_rt.echo_at[end];
  i_rt.far.kept = true;
}

/* 255 characters read for a token, its look-ahead included: the buffer
   starts afresh with the character just read, which the scanner has yet to
   look at, and the overflow is reported when the token turns out to be
   kept and longer than a lexeme may be (i_overflowed_lexeme).  An end
   recorded before is kept apart (far), for a token that fails later on. */
static void i_lexeme_overflow(void)
{
  i_echo_pending();
  if (i_rt.end >= 0 && i_rt.input)
    i_far_end_keep(i_rt.end);
  i_rt.end = -1;
  i_rt.overflowed = true;
  int last = i_rt.lex_len - 1;
  if (i_rt.head_of != i_rt.tok_start) {
    memcpy(i_rt.head, i_lexeme, (size_t)last);
    i_rt.head[last] = '\0';
    i_rt.head_of = i_rt.tok_start;
  }
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

/* Every case but the usual one: refilling the input, the end of input, a
   lexeme about to overflow. */
static i_noinline void i_next_character_slow(void)
{
  i_rt.fast_resume = NULL;
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
  if (k + 1 == i_lexeme_size - 1)
    i_lexeme_overflow();
}

/* This runs for every character of the input: the usual case (a buffered
   character, room in the lexeme) is small enough to be inlined into the
   generated scanner loop.  The echo follows later (i_echo_pending). */
static inline void i_next_character_inline(void)
{
  int k = i_rt.lex_len;
  size_t pos = i_rt.in_pos;
  /* After the end of the input in_pos stays at in_len until characters
     are given back, which also clears i_ch. */
  if (pos >= i_rt.in_len || k + 2 >= i_lexeme_size - 1) {
    i_next_character_slow();
    return;
  }
  int c = i_rt.in_buf[pos];
  i_rt.in_pos = pos + 1;
  i_rt.lex_len = k + 1;
  i_ch = c;
  i_lexeme[k] = (char)c;
  i_lexeme[k + 1] = '\0';
}

void i_next_character(void)
{
  i_next_character_inline();
}

static i_noinline void i_could_accept_report(int token)
{
  i_report(i_msg_scanner_test, "Scanner could recognize %s", i_token_name(token));
}

static inline void i_could_accept_inline(int token)
{
  if (token != i_look_ahead) {
    i_look_ahead = token;
    if (i_rt.scanner_test)
      i_could_accept_report(token);
  }
  /* The token is what was read before the current character (all of it at
     the end of the input). */
  int end = i_ch == EOF ? i_rt.lex_len : i_rt.lex_len - 1;
  i_rt.end = end < 0 ? 0 : end;
}

void i_could_accept(int token)
{
  i_could_accept_inline(token);
}

void i_final_accept(int token)
{
  i_rt.fast_resume = NULL;
  i_rt.far.kept = false;
  i_look_ahead = token;
  i_retract = true;
  i_rt.end = -1;
}

/* A token that failed after it outgrew the lexeme buffer falls back to
   the end kept apart (far): everything read from there on is given back
   at once, the token's text is taken from the input buffer, and the
   overflow is forgotten unless the token itself is that long (its lexeme
   is then the part that a buffer starting afresh would hold). */
static i_noinline void i_far_end_fall_back(void)
{
  i_echo_pending();
  /* a rewind of the look-ahead read since went less far back */
  i_rt.echo_state &= ~(unsigned)i_rewound;
  i_listing_rewind_to(i_rt.far.echo);
  i_line_assign(i_rt.line, &i_rt.far.line);
  i_rt.echo_state &= ~(unsigned)i_at_line_start;
  i_rt.in_pos = (size_t)(i_rt.far.at - i_rt.in_base);
  i_rt.echo_pos = i_rt.in_pos;
  i_rt.far.kept = false;
  long long length = i_rt.far.at - i_rt.tok_start;
  /* from tok_start + from on, which is never before far.from */
  long long from = length < i_lexeme_size - 1 ? 0 : (length - 1) / (i_lexeme_size - 2) * (i_lexeme_size - 2);
  int kept = (int)(length - from);
  memcpy(i_lexeme, i_rt.in_buf + (i_rt.tok_start + from - i_rt.in_base), (size_t)kept);
  i_lexeme[kept] = '\0';
  i_rt.lex_len = i_rt.end = i_rt.cut = kept;
  i_rt.overflowed = from > 0;
  if (i_ch == EOF)
    i_ch = '\0';                        /* read the given-back characters again */
}

/* The text of a token that outgrew the lexeme buffer, CUT characters into
   the buffer as it started afresh: its first characters, kept then.  A
   token that ends just where the buffer started afresh only outgrew it
   with its look-ahead: it is as long as a lexeme may be, and no overflow. */
static i_noinline void i_overflowed_lexeme(int cut)
{
  memcpy(i_lexeme, i_rt.head, sizeof i_rt.head);
  long long length = i_rt.in_base + (long long)i_rt.in_pos - i_rt.lex_len + cut - i_rt.tok_start;
  if (length <= i_lexeme_size - 2) {
    i_lexeme[length] = '\0';
    i_rt.overflowed = false;
    i_rt.far.kept = false;
  }
}

static inline void i_get_lexeme_inline(void)
{
  if (i_rt.end < 0 && i_rt.far.kept)
    i_far_end_fall_back();
  int cut = i_rt.end >= 0 ? i_rt.end : i_ch == EOF ? i_rt.lex_len : i_rt.lex_len - 1;
  if (cut < 0)
    cut = 0;
  if (cut > i_rt.lex_len)
    cut = i_rt.lex_len;
  i_rt.cut = cut;
  i_rt.fast_resume = NULL;
  i_lexeme[cut] = '\0';
  /* Only the lexeme's text changes: the counts above still say how much
     of what was read goes back to the input. */
  if (i_rt.overflowed && i_rt.head_of == i_rt.tok_start)
    i_overflowed_lexeme(cut);
  if (i_look_ahead < 0)
    i_report(i_msg_unknown_token, i_lexeme);
  else if (i_rt.scanner_test)
    i_report(i_msg_scanner_test, "Scanner recognized %s, lexeme = '%s'",
             i_token_name(i_look_ahead), i_lexeme);
}

void i_get_lexeme(void)
{
  i_get_lexeme_inline();
}

void i_skip_token(void)
{
  i_rt.overflowed = false;
  i_rt.far.kept = false;
  i_next_token();
}

/* The keyword table of the generated scanner, indexed by a hash of the
   text on first use: open addressing in a power of two of slots, at least
   twice as many as keywords, each slot holding an entry index + 1 (0 for a
   free slot) with the hash and length of its text, so that most misses
   cost no comparison of texts.  Of entries with equal texts the last one
   counts. */
#define i_keyword_count (sizeof i_keywords / sizeof i_keywords[0] - 1)

static struct i_keyword_slot {
  unsigned entry;
  unsigned hash;
  size_t length;
} i_keyword_slot[4 * i_keyword_count + 2];
static size_t i_keyword_mask = 0;       /* slots - 1, 0 before indexing */

/* The hash of TEXT; its length goes to LENGTH. */
static unsigned i_keyword_hash(const char *text, size_t *length)
{
  unsigned hash = 5381;
  const char *p = text;
  for (; *p; p++)
    hash = hash * 33 + (unsigned char)*p;
  *length = (size_t)(p - text);
  return hash;
}

/* Whether the N characters of A and B agree (keywords are short: no
   library call). */
static boolean i_same_text(const char *a, const char *b, size_t n)
{
  for (size_t i = 0; i < n; i++)
    if (a[i] != b[i])
      return false;
  return true;
}

/* The slot that holds TEXT of LENGTH characters and the given HASH, or the
   free slot where it would go.  The search starts at a slot of the hash
   with its bits mixed: keywords that differ in their last characters alone
   (k1, k2, ... or generated names) have hashes close to each other, which
   would fill one run of slots that every search then walks. */
static struct i_keyword_slot *i_keyword_probe(const char *text, unsigned hash, size_t length)
{
  unsigned mixed = hash ^ (hash >> 16);
  mixed *= 0x7feb352du;
  mixed ^= mixed >> 15;
  mixed *= 0x846ca68bu;
  mixed ^= mixed >> 16;
  for (size_t slot = mixed & i_keyword_mask;; slot = (slot + 1) & i_keyword_mask) {
    struct i_keyword_slot *found = &i_keyword_slot[slot];
    if (found->entry == 0 ||
        (found->hash == hash && found->length == length &&
         i_same_text(i_keywords[found->entry - 1].rhs, text, length)))
      return found;
  }
}

/* The slot that holds TEXT, or the free slot where it would go. */
static struct i_keyword_slot *i_keyword_find(const char *text)
{
  size_t length;
  unsigned hash = i_keyword_hash(text, &length);
  return i_keyword_probe(text, hash, length);
}

static void i_keyword_index(void)
{
  size_t slots = 2, wanted = 2 * i_keyword_count;
  while (slots < wanted)
    slots *= 2;
  i_keyword_mask = slots - 1;
  /* The table ends with an entry without text. */
  for (unsigned i = 0; i_keywords[i].rhs; i++) {
    struct i_keyword_slot *slot = i_keyword_find(i_keywords[i].rhs);
    slot->entry = i + 1;
    slot->hash = i_keyword_hash(i_keywords[i].rhs, &slot->length);
  }
}

/* The lexeme is the keyword of table entry ENTRY (from 1). */
static inline int i_keyword_found(unsigned entry)
{
  int token = i_keywords[entry - 1].lhs;
  if (i_rt.scanner_test)
    i_report(i_msg_scanner_test, "Scanner found keyword %s (derived from %s)",
           i_token_name(token), i_token_name(i_look_ahead));
  i_look_ahead = token;
  return 1;
}

int i_lookup(const char *lexeme)
{
  if (!lexeme)
    return 0;
  if (i_keyword_mask == 0)
    i_keyword_index();
  unsigned entry = i_keyword_find(lexeme)->entry;
  if (entry == 0)
    return 0;
  return i_keyword_found(entry);
}
