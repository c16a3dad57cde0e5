/*
 * scanpars_listing.c - the listing "%s.lst": every character read is echoed
 * behind its line number, messages are written between the lines.
 * Part of scanpars.c; not compiled on its own.
 *
 * Characters read beyond the end of a token (look-ahead) are echoed too,
 * and taken out of the listing again when they are given back to the input.
 * To do that without seeking the file for every token, the end of the
 * listing stays in lst_buf until no retraction can reach it any more;
 * moving back is a change of lst_used.  The file receives exactly the bytes
 * that remain.
 */

static long long i_lst_offset(void)
{
  return i_rt.lst_base + (long long)i_rt.lst_used;
}

/* Characters of the current lexeme already echoed: reading leaves the
   echo for later, so the characters not yet echoed are the last ones read. */
static long i_echoed_lexeme_length(void)
{
  return (long)i_rt.lex_len - (long)(i_rt.in_pos - i_rt.echo_pos);
}

/* The earliest offset that a later retraction can move back to: the echo of
   the first character of the current lexeme, never before the last message. */
static long long i_lst_keep_from(void)
{
  long long keep = i_lst_offset();
  if (i_echoed_lexeme_length() > 0 && i_rt.echo_at[0] < keep)
    keep = i_rt.echo_at[0];
  if (i_rt.far.kept && i_rt.far.echo < keep)
    keep = i_rt.far.echo;
  return keep < i_rt.barrier ? i_rt.barrier : keep;
}

/* Writes the first N buffered bytes to the file. */
static void i_lst_write_out(size_t n)
{
  if (n == 0)
    return;
  if (fwrite(i_rt.lst_buf, 1, n, i_rt.listing) != n)
    i_rt.lst_failed = true;
  i_rt.lst_used -= n;
  memmove(i_rt.lst_buf, i_rt.lst_buf + n, i_rt.lst_used);
  i_rt.lst_base += (long long)n;
}

/* Makes room for N more bytes: writes out what no retraction can reach and
   grows the buffer when that is not enough. */
static void i_lst_make_room(size_t n)
{
  long long keep = i_lst_keep_from();
  if (keep > i_rt.lst_base)
    i_lst_write_out((size_t)(keep - i_rt.lst_base));
  if (i_rt.lst_used + n <= i_rt.lst_cap)
    return;
  size_t cap = i_rt.lst_cap ? i_rt.lst_cap : i_listing_block;
  while (cap < i_rt.lst_used + n)
    cap *= 2;
  char *grown = realloc(i_rt.lst_buf, cap);
  if (grown) {
    i_rt.lst_buf = grown;
    i_rt.lst_cap = cap;
    return;
  }
  /* Out of memory: keep what was written, then end the program. */
  i_lst_write_out(i_rt.lst_used);
  if (n > i_rt.lst_cap)
    i_rt.listing = NULL;
  i_report(i_ENOMEM, __LINE__, "scanpars");
}

static void i_lst_put(char c)
{
  if (i_rt.lst_used == i_rt.lst_cap)
    i_lst_make_room(1);
  i_rt.lst_buf[i_rt.lst_used++] = c;
}

static void i_lst_write(const char *text, size_t len)
{
  if (len == 0)
    return;
  if (i_rt.lst_cap - i_rt.lst_used < len)
    i_lst_make_room(len);
  memcpy(i_rt.lst_buf + i_rt.lst_used, text, len);
  i_rt.lst_used += len;
}

/* Moves the end of the listing back to OFFSET (never into written bytes). */
static void i_lst_truncate(long long offset)
{
  if (offset < i_rt.lst_base)
    offset = i_rt.lst_base;
  if (offset < i_lst_offset())
    i_rt.lst_used = (size_t)(offset - i_rt.lst_base);
}

static int i_listing_open(const char *name)
{
  FILE *file = fopen(name, "w");
  if (!file)
    return 0;
  /* Everything goes through lst_buf and leaves in large blocks, which a
     stdio buffer in between would split into two writes. */
  setvbuf(file, NULL, _IONBF, 0);
  i_rt.listing = file;
  i_rt.lst_used = 0;
  i_rt.lst_base = 0;
  i_rt.barrier = 0;
  i_rt.lst_failed = false;
  return 1;
}

/* Writes out the rest of the listing and closes it; a failed write or close
   is remembered in lst_failed. */
static void i_listing_close(void)
{
  if (!i_rt.listing)
    return;
  i_echo_pending();
  i_lst_write_out(i_rt.lst_used);
  if (fclose(i_rt.listing) != 0)
    i_rt.lst_failed = true;
  i_rt.listing = NULL;
  free(i_rt.lst_buf);
  i_rt.lst_buf = NULL;
  i_rt.lst_cap = i_rt.lst_used = 0;
}

/* Writes a message (or nothing, for messages that only go to the screen)
   and remembers that the line being echoed was interrupted. */
static void i_listing_message(const char *prefix, const char *text, size_t len)
{
  i_lst_write(prefix, strlen(prefix));
  i_lst_write(text, len);
  i_rt.echo_state |= i_message_written;
  i_rt.barrier = i_lst_offset();
}

/* Takes the echo from listing offset TARGET on (none when negative) out
   of the listing, once until the next character is echoed.  A message
   written after it stays; the line is then repeated when reading goes on. */
static void i_listing_rewind_to(long long target)
{
  if (!i_rt.listing || (i_rt.echo_state & i_rewound))
    return;
  if (target >= 0) {
    if (target <= i_rt.barrier) {
      target = i_rt.barrier;
      i_rt.echo_state |= i_message_written;
    }
    i_lst_truncate(target);
  }
  i_rt.echo_state |= i_rewound;
}

/* The same for the echo of the lexeme characters from index FROM on. */
static void i_listing_rewind(int from)
{
  i_listing_rewind_to(from >= 0 && from < i_rt.lex_len ? i_rt.echo_at[from] : -1);
}

/* Writes "%3d " with NUMBER into OUT and gives its length. */
static int i_line_prefix(char *out, long number)
{
  char digits[24];
  int n = 0, len = 0;
  do {
    digits[n++] = (char)('0' + number % 10);
    number /= 10;
  } while (number > 0);
  for (int pad = n; pad < 3; pad++)
    out[len++] = ' ';
  while (n > 0)
    out[len++] = digits[--n];
  out[len++] = ' ';
  return len;
}

/* Characters of LINE echoed so far. */
static long i_line_column(const struct i_line *line)
{
  return line->copy_len - line->prefix_len + line->beyond;
}

/* How many characters behind a full copy a line short enough to be
   repeated whole can have. */
static size_t i_line_more_max(const struct i_line *line)
{
  return i_line_repeat_max - (i_line_copy_max - (size_t)line->prefix_len);
}

/* How many of the characters behind a full copy LINE keeps. */
static size_t i_line_kept(const struct i_line *line)
{
  size_t most = i_line_more_max(line);
  return (size_t)line->beyond < most ? (size_t)line->beyond : most;
}

/* Appends N characters of a long line behind its full copy (those past
   what a line repeated whole can hold are only counted). */
static i_noinline void i_line_more(struct i_line *line, const char *chars, size_t n)
{
  size_t most = i_line_more_max(line);
  size_t from = (size_t)line->beyond, to = from + n < most ? from + n : most;
  line->beyond += (long)n;
  if (from >= to)
    return;
  size_t need = to;
  if (need > line->more_cap) {
    size_t cap = line->more_cap ? line->more_cap : i_line_copy_max + 1;
    while (cap < need)
      cap *= 2;
    char *more = realloc(line->more, cap);
    if (!more)
      i_out_of_memory(__LINE__);
    line->more = more;
    line->more_cap = cap;
  }
  memcpy(line->more + from, chars, to - from);
}

/* Makes TO a copy of FROM that keeps its own buffer for a long line. */
static void i_line_assign(struct i_line *to, const struct i_line *from)
{
  char *more = to->more;
  size_t more_cap = to->more_cap;
  *to = *from;
  to->more = more;
  to->more_cap = more_cap;
  to->beyond = 0;
  if (from->beyond > 0) {
    i_line_more(to, from->more, i_line_kept(from));
    to->beyond = from->beyond;
  }
}

/* Makes LINE hold its first COLUMN characters. */
static void i_line_set_column(struct i_line *line, long column)
{
  long room = i_line_copy_max - line->prefix_len;
  line->copy_len = line->prefix_len + (int)(column < room ? column : room);
  line->beyond = column < room ? 0 : column - room;
}

/* Makes entry INDEX of the ring the current line. */
static void i_line_select(unsigned index)
{
  i_rt.cur = index % i_line_ring;
  i_rt.line = &i_rt.lines[i_rt.cur];
}

#define i_prefix_copy 16

/* Sixteen zero bytes, a one, then zeros again: the 16 bytes from
   i_prefix_one_at + 16 - K hold their one at K. */
_Static_assert(i_prefix_copy == 16, "i_prefix_one_at holds its one at 16");
static const unsigned char i_prefix_one_at[2 * i_prefix_copy] = {
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1
};

/* The prefix of line NUMBER in WORDS, which hold the prefix of the line
   before it, LEN characters long; gives its length, 0 when it does not fit
   the two words.  While the last digit is not a 9 it is counted up in the
   words, without a division per digit; else the prefix is written afresh.
   Callers store the words as one block: a byte stored alone into the prefix
   would hold up the listing's copy of it right behind, which loads the
   bytes as words. */
static int i_prefix_count_up(unsigned long long words[2], int len, long number)
{
  if (len >= 4 && len <= i_prefix_copy && number % 10 != 0) {
    unsigned long long one[2];
    memcpy(one, i_prefix_one_at + i_prefix_copy - (len - 2), sizeof one);
    words[0] += one[0];
    words[1] += one[1];
    return len;
  }
  char fresh[24] = {0};
  len = i_line_prefix(fresh, number);
  if (len > i_prefix_copy)
    return 0;
  memcpy(words, fresh, 2 * sizeof words[0]);
  return len;
}

/* Begins the next source line: its number goes to the listing and starts
   its line copy.  The previous line stays in the ring for retraction. */
static void i_line_start(void)
{
  const struct i_line *previous = i_rt.line;
  long number = previous->number + 1;
  i_line_select(i_rt.cur + 1);
  struct i_line *line = i_rt.line;
  line->number = number;
  line->beyond = 0;
  unsigned long long words[2];
  memcpy(words, previous->copy, sizeof words);
  line->prefix_len = i_prefix_count_up(words, previous->prefix_len, number);
  if (line->prefix_len == 0)
    line->prefix_len = i_line_prefix(line->copy, number);
  else
    memcpy(line->copy, words, sizeof words);
  line->copy_len = line->prefix_len;
  i_lst_write(line->copy, (size_t)line->copy_len);
  i_rt.echo_state &= ~(unsigned)i_at_line_start;
}

/* After a message: the line read so far is written again on a fresh line
   (whole up to i_line_repeat_max characters, else the copy kept in place),
   and the characters of the current lexeme before index K (the character
   about to be echoed) found in that copy are echoed there now (so that
   moving back finds them). */
static void i_line_repeat(const struct i_line *line, int k)
{
  i_lst_put('\n');
  long long start = i_lst_offset();
  i_lst_write(line->copy, (size_t)line->copy_len);
  long written = line->copy_len - line->prefix_len;
  if (line->beyond > 0 && i_line_kept(line) == (size_t)line->beyond) {
    i_lst_write(line->more, (size_t)line->beyond);
    written += line->beyond;
  }
  long column = i_line_column(line);
  for (int j = k - 1; j >= 0 && i_lexeme[j] != '\n' && column > 0; j--) {
    column--;
    if (column < written)
      i_rt.echo_at[j] = start + line->prefix_len + column;
  }
}

/* Before the echo of a character: the newline after a message, and the
   number of a new line or the repetition of the interrupted one. */
static void i_echo_prepare(int k)
{
  if (i_rt.echo_state & i_message_written) {
    i_lst_put('\n');
    if (!(i_rt.echo_state & i_at_line_start))
      i_line_repeat(i_rt.line, k);
  }
  if (i_rt.echo_state & i_at_line_start)
    i_line_start();
  i_rt.echo_state = 0;
}

/* Echoes the character C, the lexeme character at index K (negative for a
   character read before the lexeme began). */
static inline void i_echo(int c, int k)
{
  if (i_rt.echo_state)
    i_echo_prepare(k);
  if (k >= 0)
    i_rt.echo_at[k] = i_lst_offset();
  if (i_rt.lst_used == i_rt.lst_cap)
    i_lst_make_room(1);
  i_rt.lst_buf[i_rt.lst_used++] = (char)c;
  if (c == '\n') {
    i_rt.echo_state = i_at_line_start;
    return;
  }
  struct i_line *line = i_rt.line;
  if (line->copy_len < i_line_copy_max) {
    line->copy[line->copy_len++] = (char)c;
  } else {
    char ch = (char)c;
    i_line_more(line, &ch, 1);
  }
}

/* Echoes N characters without a newline, the first of them lexeme
   character K, in one piece (the line has been begun). */
static void i_echo_run(const unsigned char *chars, size_t n, int k)
{
  if (i_rt.lst_cap - i_rt.lst_used < n)
    i_lst_make_room(n);
  long long offset = i_lst_offset();
  memcpy(i_rt.lst_buf + i_rt.lst_used, chars, n);
  i_rt.lst_used += n;
  for (size_t j = k < 0 ? (size_t)-k : 0; j < n; j++)
    i_rt.echo_at[k + (int)j] = offset + (long long)j;
  struct i_line *line = i_rt.line;
  size_t room = (size_t)(i_line_copy_max - line->copy_len);
  size_t copied = n < room ? n : room;
  memcpy(line->copy + line->copy_len, chars, copied);
  line->copy_len += (int)copied;
  if (n > copied)
    i_line_more(line, (const char *)chars + copied, n - copied);
}

/* Echoes the lines from input position POS on that end before LIMIT, all
   but the last of them, when the listing stands at the start of a line and
   LIMIT lies before the current lexeme.  Such lines can no longer be given
   back or repeated, so they go to the listing in one loop, without the line
   copy kept for that: the current line entry takes each one's number and
   prefix in turn, the prefix kept in two words in registers (counted up in
   the entry's copy, each line would wait for the store of the line before).
   The last line is left to the echo of single lines, so that its entry is
   complete.  Gives the position behind the lines echoed. */
static size_t i_echo_whole_lines(size_t pos, size_t limit)
{
  const unsigned char *text = i_rt.in_buf;
  const size_t from = pos;
  const unsigned char *end = memchr(text + pos, '\n', limit - pos);
  if (!end)
    return pos;
  struct i_line *line = i_rt.line;
  long number = line->number;
  int len = line->prefix_len;
  unsigned long long words[2];
  memcpy(words, line->copy, sizeof words);
  const unsigned char *next_end;
  while ((next_end = memchr(end + 1, '\n', (size_t)(text + limit - end - 1))) != NULL) {
    int next_len = i_prefix_count_up(words, len, number + 1);
    if (next_len == 0)
      break;
    len = next_len;
    number++;
    size_t n = (size_t)(end + 1 - (text + pos));
    if (i_rt.lst_cap - i_rt.lst_used < i_prefix_copy + n) {
      i_rt.echo_pos = pos;
      i_lst_make_room(i_prefix_copy + n);
    }
    /* the whole two words, the text then overwrites what lies behind the
       prefix */
    memcpy(i_rt.lst_buf + i_rt.lst_used, words, sizeof words);
    memcpy(i_rt.lst_buf + i_rt.lst_used + len, text + pos, n);
    i_rt.lst_used += (size_t)len + n;
    pos += n;
    end = next_end;
  }
  if (pos == from)
    return pos;
  line->number = number;
  memcpy(line->copy, words, sizeof words);
  line->prefix_len = len;
  line->copy_len = len;
  line->beyond = 0;
  return pos;
}

/* Echoes the characters read since the last echo.  Reading a character
   does not echo it: most tokens end with one character of look-ahead that
   is given back at once, and echoing it only to take it out again would
   cost more than the rest of the scan.  Everything that looks at the
   listing, the line numbers or the echo positions echoes first, so the
   listing is the same as with an echo at once. */
static void i_echo_pending(void)
{
  i_rt.fast_resume = NULL;
  if (i_rt.echoing)
    return;                             /* a report from within the echo */
  i_rt.echoing = true;
  size_t end = i_rt.in_pos;
  size_t pos = i_rt.echo_pos;
  int k = i_rt.lex_len - (int)(end - pos);
  boolean whole_lines = true;
  while (pos < end) {
    if (whole_lines && k < 0 && i_rt.echo_state == i_at_line_start) {
      /* once a line has begun: whole lines before the lexeme in one go */
      whole_lines = false;
      size_t before = pos + (size_t)-k < end ? pos + (size_t)-k : end;
      size_t behind = i_echo_whole_lines(pos, before);
      k += (int)(behind - pos);
      pos = behind;
      i_rt.echo_pos = pos;
      continue;
    }
    const unsigned char *run = i_rt.in_buf + pos;
    if (i_rt.echo_state || *run == '\n') {
      /* a line number, a repeated line or a newline: one at a time */
      i_rt.echo_pos = pos + 1;
      i_echo(*run, k);
      pos++, k++;
      continue;
    }
    const unsigned char *newline = memchr(run, '\n', end - pos);
    size_t n = newline ? (size_t)(newline - run) : end - pos;
    i_echo_run(run, n, k);
    pos += n, k += (int)n;
    i_rt.echo_pos = pos;
  }
  i_rt.echo_pos = end;
  i_rt.echoing = false;
}

/* The number of the line that the listing goes on with once the echo of
   the lexeme characters from index FROM on is taken out (i_listing_rewind):
   the current line, less the lines that those characters began, counted as
   i_lines_give_back drops them. */
static long i_line_before_lookahead(int from)
{
  long number = i_rt.line ? i_rt.line->number : 0;
  if (from < 0 || from >= i_rt.lex_len || !i_rt.in_buf)
    return number;
  size_t n = (size_t)(i_rt.lex_len - from);
  const unsigned char *chars = i_rt.in_buf + i_rt.in_pos - n;
  for (size_t k = 1; k < n; k++)
    if (chars[k - 1] == '\n')
      number--;
  return number;
}

/* The ring index of the line that giving back the N characters CHARS
   would make current, and its COLUMN then; nothing changes. */
static unsigned i_line_before(const unsigned char *chars, int n, long *column)
{
  unsigned index = i_rt.cur;
  *column = i_line_column(i_rt.line);
  for (int k = n - 1; k >= 0; k--) {
    if (k > 0 && chars[k - 1] == '\n') {
      index = (index + i_line_ring - 1) % i_line_ring;
      *column = i_line_column(&i_rt.lines[index]);
    } else if (chars[k] != '\n' && *column > 0) {
      (*column)--;
    }
  }
  return index;
}

/* Undoes the line bookkeeping of the N characters CHARS (in reading order)
   that go back to the input: lines begun by them are dropped, the column
   and line copy of the line they started on are restored. */
static void i_lines_give_back(const unsigned char *chars, int n)
{
  long column;
  i_line_select(i_line_before(chars, n, &column));
  i_line_set_column(i_rt.line, column);
  i_rt.echo_state &= ~(unsigned)i_at_line_start;
}
