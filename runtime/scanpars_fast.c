/*
 * scanpars_fast.c - the primitives of scanners generated in the fast shape
 * (sgen --fast).  Part of scanpars.c; not compiled on its own.
 *
 * A fast scanner walks its automaton with a pointer of its own through the
 * input buffer and leaves the runtime's state alone until a token is done;
 * skipped tokens (blanks, comments) never touch it.  A kept token is then
 * handed over at once, in the state the default scanner leaves after
 * i_get_lexeme: read position, lexeme, token end, current character.
 * Whenever anything unusual happens (the end of the buffer, a lexeme that
 * may grow too long, a character no rule takes, no token at all, the
 * scanner test), the fast scanner gives the token to the scanner of the
 * default shape from its first character, which then does exactly what it
 * always does; so both shapes behave alike in everything but speed.
 * A run of a skipped token whose state goes on only to itself (blanks) is
 * skipped in one loop up to the first other byte, also when that is the NUL
 * behind the text read: such a token keeps no lexeme and may be any long,
 * so the default scanner may as well take the input on from that byte.
 * The end of the buffer costs no test per byte: the NUL that the input
 * keeps behind the text read has a byte class of its own, and the scanner
 * looks at the position only where a token ends or a state goes on over
 * a NUL.
 *
 * Lines are counted as the fast scanner goes, in the count of
 * scanpars_position.c: the line ends of skipped tokens are added when the
 * token is done, so that i_token_line finds the line of a kept token
 * without searching for line ends.  When the fast scanner starts, count.at
 * is the start of the token; when it hands a token over, count.at moves to
 * that token, past the skipped ones, whose line ends are counted.
 */

/* The entry of a fast scanner starts on a cache line of its own: where its
   loops fall against the 64-byte lines of the instruction cache changed its
   speed by up to a tenth from one build to the next. */
#if defined(__GNUC__) || defined(__clang__)
#define i_fast_entry __attribute__((aligned(64)))
#else
#define i_fast_entry
#endif

/* A fast scan hands a token over to the default scanner before its lexeme
   reaches this length (the default scanner treats longer ones apart). */
#define i_fast_longest 240

/* A lexeme shorter than this is copied as one block (reading into the
   input buffer's slack at its end). */
#define i_fast_copy i_input_slack

/* The position where the next token starts, after the look-ahead of the
   previous one went back; NULL when the default scanner must scan it (the
   end of the input, the scanner test, no input, a report pending).  The
   runtime's state is left as it is: i_fast_keep sets all of it, and
   i_fast_fallback what the default scanner needs before it starts. */
/* The start when the look-ahead is in the listing already, or the line
   count lags behind: the default start takes the look-ahead out again,
   and the lines are counted up to the token. */
static i_noinline const unsigned char *i_fast_begin_slowly(void)
{
  i_init_lexeme_inline();
  long long offset = i_rt.in_base + (long long)i_rt.in_pos;
  i_count_lines_to(offset);
  return i_rt.count.at == offset ? i_rt.in_buf + i_rt.in_pos : NULL;
}

/* After a token handed over by the fast scanner, when nothing has moved
   since, the start is known at once (fast_resume). */
static inline const unsigned char *i_fast_begin(void)
{
  if (i_rt.fast_resume)
    return i_rt.fast_resume;
  if (i_ch == EOF || (i_rt.scanner_test | i_rt.overflowed) || !i_rt.in_buf)
    return NULL;
  /* The look-ahead of the previous token: from its cut (none before the
     first token) to the end of what was read. */
  size_t pos = i_rt.in_pos - (size_t)(i_rt.cut >= 0 ? i_rt.lex_len - i_rt.cut : 0);
  if (pos < i_rt.echo_pos || i_rt.count.at != i_rt.in_base + (long long)pos)
    return i_fast_begin_slowly();
  return i_rt.in_buf + pos;
}

/* The end of what was read into the input buffer (the fast scanner keeps
   it at hand while it scans). */
static inline const unsigned char *i_fast_end(void)
{
  return i_rt.in_buf + i_rt.in_len;
}

/* Whether a token that starts at START, read up to P (the last byte read
   at P[-1]), went past END, the end of what was read (P[-1] was the NUL
   behind it), or grew too long: then the default scanner takes it. */
static inline boolean i_fast_overrun(const unsigned char *start, const unsigned char *p,
                                     const unsigned char *end)
{
  return p > end || p - start > i_fast_longest;
}

/* The default scanner takes over the token that starts at START: the
   state its start finds after the previous token's look-ahead went back. */
static inline void i_fast_fallback(const unsigned char *start)
{
  i_rt.in_pos = (size_t)(start - i_rt.in_buf);
  i_rt.tok_start = i_rt.in_base + (long long)i_rt.in_pos;
  i_rt.count.at = i_rt.tok_start;
  i_rt.lex_len = 0;
  i_rt.end = -1;
  i_rt.cut = -1;
  i_lexeme[0] = '\0';
  i_rt.fast_resume = NULL;
}

/* The line end at P, passed in a skipped token, is counted.  (count.at
   follows when the token after it is handed over or given to the default
   scanner: no line end lies between.) */
static inline void i_fast_line_end(const unsigned char *p)
{
  i_rt.count.line++;
  i_rt.count.line_start = i_rt.in_base + (p + 1 - i_rt.in_buf);
}

/* A skipped token from START to END whose text may hold line ends: they
   are counted. */
static inline void i_fast_skipped_lines(const unsigned char *start, const unsigned char *end)
{
  for (const unsigned char *p = start; p < end; p++)
    if (*p == '\n')
      i_fast_line_end(p);
}

/* Sixteen bytes of all ones, a zero, then ones again: the 16 bytes from
   i_fast_zero_at + 16 - K have their one zero at K. */
_Static_assert(i_fast_copy == 16, "i_fast_zero_at holds a zero at 16");
static const unsigned char i_fast_zero_at[2 * i_fast_copy] = {
  255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
  0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255
};

/* The lexeme of LEN (< i_fast_copy) characters from START, cut at CUT, as
   i_get_lexeme leaves it: NULs at CUT and LEN.  The NULs are put in while
   the text is in registers and the lexeme is stored as two words; a byte
   stored on its own into a word that a reader loads right after (the
   keyword lookup, the attribute procedures) would make the load wait until
   the store is done, which costs more than the whole copy. */
static inline void i_fast_short_lexeme(const unsigned char *start, int len, int cut)
{
  unsigned long long text[2], at_cut[2], at_len[2];
  memcpy(text, start, sizeof text);
  memcpy(at_cut, i_fast_zero_at + i_fast_copy - cut, sizeof at_cut);
  memcpy(at_len, i_fast_zero_at + i_fast_copy - len, sizeof at_len);
  text[0] &= at_cut[0] & at_len[0];
  text[1] &= at_cut[1] & at_len[1];
  memcpy(i_lexeme, text, sizeof text);
}

/* Hands over the token of kind TOKEN from START to END, read up to P (the
   characters from END on are look-ahead): the state of the default scanner
   after i_get_lexeme.  FINAL tells a token ended by i_final_accept, LINES a
   token whose text may hold a line end (the line count then stops at its
   start; else it may go on to its end, which has the same line). */
static inline void i_fast_keep(const unsigned char *start, const unsigned char *end,
                               const unsigned char *p, int token, boolean final, boolean lines)
{
  int len = (int)(p - start), cut = (int)(end - start);
  long long offset = i_rt.in_base + (start - i_rt.in_buf);
  i_rt.in_pos = (size_t)(p - i_rt.in_buf);
  i_rt.tok_start = offset;
  i_rt.count.at = lines ? offset : offset + cut;
  i_rt.lex_len = len;
  i_rt.end = final ? -1 : cut;
  i_rt.cut = cut;
  i_ch = p[-1];
  if (len < i_fast_copy) {
    i_fast_short_lexeme(start, len, cut);
  } else {
    memcpy(i_lexeme, start, (size_t)len);
    i_lexeme[len] = '\0';
    i_lexeme[cut] = '\0';
  }
  i_look_ahead = token;
  i_retract = true;
  /* The next token starts behind this one, unless the line count stopped
     at its start. */
  i_rt.fast_resume = lines ? NULL : end;
}

/* i_lookup(convert_to_lower(TEXT)) in one pass. */
static inline int i_lookup_lower(const char *text)
{
  if (i_keyword_mask == 0)
    i_keyword_index();
  char lower[i_lexeme_size];
  unsigned hash = 5381;
  size_t n = 0;
  for (; n < i_lexeme_size - 1 && text[n]; n++) {
    lower[n] = i_lower((unsigned char)text[n]);
    hash = hash * 33 + (unsigned char)lower[n];
  }
  if (text[n])
    return i_lookup(convert_to_lower(text));
  lower[n] = '\0';
  unsigned entry = i_keyword_probe(lower, hash, n)->entry;
  if (entry == 0)
    return 0;
  return i_keyword_found(entry);
}

/* The keyword table once more, for i_fast_lookup_lower: keywords of at
   most 16 characters below 128, as two words of eight bytes (zeros behind
   the text), in a table indexed by a hash of those words and the length,
   so that a name is looked up without a loop over its characters.  The
   hash is chosen when the table is made so that no two keywords share a
   slot: a name is then a keyword only if it is the one in its slot. */
#define i_quick_longest 16
#define i_quick_slots (8 * i_keyword_count + 16)
static struct i_quick_slot {
  unsigned long long word[2];
  unsigned entry;                       /* entry index + 1, 0 for a free slot */
  unsigned length;
} i_quick_slot[i_quick_slots];
static size_t i_quick_mask = 0;
static unsigned long long i_quick_factor;
static boolean i_quick_partial;         /* some keyword is not in the table */
/* Names of 1 to this many characters may be looked up in the table alone:
   i_quick_longest once the table is made and holds every keyword, else 0. */
static size_t i_quick_reach = 0;

/* Bytes of all ones, then zeros: the 16 bytes from i_quick_ones + 16 - N
   keep the first N bytes of two words, whatever the byte order. */
static const unsigned char i_quick_ones[32] = {
  255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255
};

/* The first N (at most 16) bytes of TEXT as two words, zeros behind them. */
static inline void i_quick_words(const char *text, size_t n, unsigned long long word[2])
{
  unsigned long long w[2], keep[2];
  memcpy(w, text, sizeof w);
  memcpy(keep, i_quick_ones + i_quick_longest - n, sizeof keep);
  word[0] = w[0] & keep[0];
  word[1] = w[1] & keep[1];
}

/* The bytes of W that are upper-case letters in lower case; the bytes are
   below 128.  (The bytes in order of their value, whatever the byte order:
   only equality of the words counts.) */
static inline unsigned long long i_quick_lower(unsigned long long w)
{
  const unsigned long long ones = 0x0101010101010101ull, high = 0x8080808080808080ull;
  unsigned long long from_a = w + (0x80 - 'A') * ones;     /* bit 7: byte >= 'A' */
  unsigned long long past_z = w + (0x7f - 'Z') * ones;     /* bit 7: byte > 'Z' */
  return w | ((from_a & ~past_z & high) >> 2);
}

static inline size_t i_quick_hash(const unsigned long long word[2], size_t n)
{
  unsigned long long h = (word[0] ^ (word[1] * 31) ^ n) * i_quick_factor;
  return (size_t)(h >> 40) & i_quick_mask;
}

/* The keywords of the table in the slots of the current hash; false when
   two of them meet in one slot. */
static boolean i_quick_fill(void)
{
  memset(i_quick_slot, 0, sizeof i_quick_slot);
  for (unsigned i = 0; i_keywords[i].rhs; i++) {
    const char *text = i_keywords[i].rhs;
    size_t n = strlen(text);
    boolean plain = n <= i_quick_longest;
    for (size_t k = 0; k < n && plain; k++)
      plain = (unsigned char)text[k] < 128;
    if (!plain) {
      i_quick_partial = true;
      continue;
    }
    char padded[i_quick_longest] = {0};
    memcpy(padded, text, n);
    unsigned long long word[2];
    i_quick_words(padded, n, word);
    struct i_quick_slot *slot = &i_quick_slot[i_quick_hash(word, n)];
    /* Of equal texts the last entry counts, as in i_lookup. */
    if (slot->entry != 0 &&
        !(slot->length == n && slot->word[0] == word[0] && slot->word[1] == word[1]))
      return false;
    slot->word[0] = word[0];
    slot->word[1] = word[1];
    slot->entry = i + 1;
    slot->length = (unsigned)n;
  }
  return true;
}

/* Finds a hash without two keywords in one slot; without one (which a few
   hundred tries make most unlikely) every name takes i_lookup_lower. */
static void i_quick_index(void)
{
  size_t slots = 16;
  while (slots * 2 <= i_quick_slots)
    slots *= 2;
  i_quick_mask = slots - 1;
  /* n keywords in m slots are all apart with a chance of about
     exp(-n * n / 2m): beyond n * n > 14 m, a thousand tries would almost
     surely fail, each clearing the table (hundreds of megabytes of writes
     for a few thousand keywords). */
  const unsigned long long keywords = i_keyword_count;
  if (keywords * keywords > 14ull * slots) {
    i_quick_partial = true;
    return;
  }
  for (unsigned long long seed = 0; seed < 1000; seed++) {
    i_quick_factor = 0x9E3779B97F4A7C15ull + 2 * seed;
    if (i_quick_fill()) {
      i_quick_reach = i_quick_partial ? 0 : i_quick_longest;
      return;
    }
  }
  i_quick_partial = true;
}

/* i_lookup(convert_to_lower(i_lexeme)) for a token handed over by the fast
   scanner that holds no NUL: the lexeme's length is its cut. */
static inline int i_fast_lookup_lower(void)
{
  if (i_quick_mask == 0)
    i_quick_index();
  size_t n = (size_t)i_rt.cut;
  unsigned long long word[2];
  i_quick_words(i_lexeme, n > i_quick_longest ? i_quick_longest : n, word);
  if (n > i_quick_longest || ((word[0] | word[1]) & 0x8080808080808080ull) || i_quick_partial)
    return i_lookup_lower(i_lexeme);
  word[0] = i_quick_lower(word[0]);
  word[1] = i_quick_lower(word[1]);
  const struct i_quick_slot *found = &i_quick_slot[i_quick_hash(word, n)];
  if (found->entry == 0 || found->length != n || found->word[0] != word[0] ||
      found->word[1] != word[1])
    return 0;
  return i_keyword_found(found->entry);
}

/* Whether words are stored little-end first, as the keyword function of a
   fast scanner compares them; else it takes i_fast_lookup_alphanumeric. */
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define i_fast_little_endian 1
#else
#define i_fast_little_endian 0
#endif

/* i_fast_lookup_lower out of line, for the rare names that the lookup
   below gives up: the scanner it is inlined into stays small. */
static i_noinline int i_fast_lookup_rare(void)
{
  return i_fast_lookup_lower();
}

/* i_fast_lookup_lower for a lexeme of nothing but ASCII letters and digits
   (the generator knows which tokens those are): bit 5 set in every byte
   makes the letters small and leaves the digits alone, so the lexeme is
   put in lower case without a test per byte.  One test sends everything
   else to i_fast_lookup_lower: no table yet, a keyword outside it, a name
   too long (or empty).  A name holds no NUL, so the words alone tell it
   from a free slot and from a keyword of another length. */
static inline int i_fast_lookup_alphanumeric(void)
{
  size_t n = (size_t)i_rt.cut;
  if (n - 1 >= i_quick_reach)
    return i_fast_lookup_rare();
  const unsigned long long bit5 = 0x2020202020202020ull;
  unsigned long long word[2], keep[2];
  memcpy(word, i_lexeme, sizeof word);
  memcpy(keep, i_quick_ones + i_quick_longest - n, sizeof keep);
  word[0] = (word[0] | bit5) & keep[0];
  word[1] = (word[1] | bit5) & keep[1];
  const struct i_quick_slot *found = &i_quick_slot[i_quick_hash(word, n)];
  if (found->word[0] != word[0] || found->word[1] != word[1])
    return 0;
  return i_keyword_found(found->entry);
}

/* strcpy(TO, convert_to_lower(TEXT)), strcpy(TO, convert_to_upper(TEXT))
   and strcpy(TO, get_repr(TEXT)) without the copy in between. */
static inline void i_copy_lower(char *to, const char *text)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  /* A lexeme of fewer than 16 characters below 128 is done in two words:
     the first NUL found, the letters made small, the words stored (TO is a
     string of i_string_size characters, TEXT the lexeme buffer). */
  const unsigned long long ones = 0x0101010101010101ull, high = 0x8080808080808080ull;
  unsigned long long w[2];
  memcpy(w, text, sizeof w);
  unsigned long long zero0 = (w[0] - ones) & ~w[0] & high;
  unsigned long long zero1 = (w[1] - ones) & ~w[1] & high;
  if (zero0 || zero1) {
    /* The lowest bit of a zero mark is exact: below it lie the bytes
       before the first NUL. */
    unsigned long long words[2];
    words[0] = w[0] & (zero0 ? (zero0 & -zero0) - 1 : ~0ull);
    words[1] = zero0 ? 0 : w[1] & ((zero1 & -zero1) - 1);
    if (!((words[0] | words[1]) & high)) {
      words[0] = i_quick_lower(words[0]);
      words[1] = i_quick_lower(words[1]);
      memcpy(to, words, sizeof words);
      return;
    }
  }
#endif
  while ((*to++ = i_lower((unsigned char)*text++)) != '\0')
    ;
}

static inline void i_copy_upper(char *to, const char *text)
{
  while ((*to++ = i_upper((unsigned char)*text++)) != '\0')
    ;
}

static inline void i_copy_repr(char *to, const char *text)
{
  strcpy(to, text);
}
