/*
 * cgl.c - the predefined conversions of the module "cgl" (see cgl.h).
 * Part of scanpars.c, which the generated scanner includes; it reports a
 * failed allocation through i_report.
 */
/* A result buffer of one conversion; it grows with the longest text seen. */
struct i_text_buffer {
  char *text;
  size_t cap;
};

/* Gives room for N characters and a NUL in BUFFER. */
static char *i_text_room(struct i_text_buffer *buffer, size_t n)
{
  if (n + 1 > buffer->cap) {
    size_t cap = buffer->cap ? buffer->cap : i_string_size;
    while (cap < n + 1)
      cap *= 2;
    char *grown = realloc(buffer->text, cap);
    if (!grown) {
      i_report(i_ENOMEM, __LINE__, "cgl");
      i_fatal_exit();
    }
    buffer->text = grown;
    buffer->cap = cap;
  }
  return buffer->text;
}

/* Case changes as toupper and tolower make them, without a library call
   for the plain ASCII characters that identifiers are mostly made of. */
static inline char i_upper(unsigned char c)
{
  if (c >= 128)
    return (char)toupper(c);
  return (char)((unsigned)c - 'a' < 26u ? c - 'a' + 'A' : c);
}

static inline char i_lower(unsigned char c)
{
  if (c >= 128)
    return (char)tolower(c);
  return (char)((unsigned)c - 'A' < 26u ? c - 'A' + 'a' : c);
}

/* How i_mapped_copy treats the characters it copies. */
enum i_case_map { i_keep_case, i_to_upper, i_to_lower };

/* Copies REPR (not null) into BUFFER, changing the case of its letters as
   MAP says, after making room for all of it. */
static char *i_mapped_copy_measured(struct i_text_buffer *buffer, const char *repr,
                                    enum i_case_map map)
{
  size_t n = strlen(repr);
  char *out = i_text_room(buffer, n);
  if (map == i_keep_case)
    memcpy(out, repr, n);
  else if (map == i_to_upper)
    for (size_t i = 0; i < n; i++)
      out[i] = i_upper((unsigned char)repr[i]);
  else
    for (size_t i = 0; i < n; i++)
      out[i] = i_lower((unsigned char)repr[i]);
  out[n] = '\0';
  return out;
}

/* Copies REPR into BUFFER, changing the case of its letters as MAP says.
   Identifiers are copied once per token: texts that fit the buffer are
   copied in one pass, without measuring them first. */
static char *i_mapped_copy(struct i_text_buffer *buffer, const char *repr, enum i_case_map map)
{
  if (!repr)
    repr = "";
  char *out = buffer->text;
  size_t last = buffer->cap ? buffer->cap - 1 : 0;
  /* One loop per case, so that none of them decides the case per character. */
  switch (map) {
  case i_keep_case:
    for (size_t i = 0; i < last; i++)
      if ((out[i] = repr[i]) == '\0')
        return out;
    break;
  case i_to_upper:
    for (size_t i = 0; i < last; i++)
      if ((out[i] = i_upper((unsigned char)repr[i])) == '\0')
        return out;
    break;
  case i_to_lower:
    for (size_t i = 0; i < last; i++)
      if ((out[i] = i_lower((unsigned char)repr[i])) == '\0')
        return out;
    break;
  }
  return i_mapped_copy_measured(buffer, repr, map);
}

char *get_repr(const char *repr)
{
  static struct i_text_buffer buffer;
  return i_mapped_copy(&buffer, repr, i_keep_case);
}

char *convert_to_upper(const char *repr)
{
  static struct i_text_buffer buffer;
  return i_mapped_copy(&buffer, repr, i_to_upper);
}

char *convert_to_lower(const char *repr)
{
  static struct i_text_buffer buffer;
  return i_mapped_copy(&buffer, repr, i_to_lower);
}

char *delete_spaces(const char *repr)
{
  static struct i_text_buffer buffer;
  size_t n = repr ? strlen(repr) : 0, kept = 0;
  char *out = i_text_room(&buffer, n);
  for (size_t i = 0; i < n; i++)
    if (repr[i] != ' ' && repr[i] != '\t')
      out[kept++] = repr[i];
  out[kept] = '\0';
  return out;
}

char *string_encode(const char *repr)
{
  static struct i_text_buffer buffer;
  size_t n = repr ? strlen(repr) : 0;
  size_t inner = n >= 2 ? n - 2 : 0;
  char *out = i_text_room(&buffer, inner);
  if (inner)
    memcpy(out, repr + 1, inner);
  out[inner] = '\0';
  return out;
}

boolean bool_encode(const char *repr)
{
  return repr && (repr[0] == 'T' || repr[0] == 't');
}

/* The character a C escape letter stands for. */
static char i_escape(char letter)
{
  switch (letter) {
  case 'a': return 7;
  case 'b': return 8;
  case 'f': return 12;
  case 'n': return 10;
  case 'r': return 13;
  case 't': return 9;
  case 'v': return 11;
  default: return letter;
  }
}

char char_encode(const char *repr)
{
  if (!repr)
    return '\0';
  if (strlen(repr) < 3)
    return repr[0];
  return repr[1] == '\\' ? i_escape(repr[2]) : repr[1];
}

/* The value of a decimal text; out-of-range values become the nearest
   integer that exists instead of undefined behaviour. */
integer int_encode(const char *repr)
{
  if (!repr)
    return 0;
  long value = strtol(repr, NULL, 10);
  if (value > INT_MAX)
    return INT_MAX;
  if (value < INT_MIN)
    return INT_MIN;
  return (integer)value;
}

real real_encode(const char *repr)
{
  return repr ? strtod(repr, NULL) : 0.0;
}

void i_string(string *value)
{
  (*value)[0] = '\0';
}

void i_boolean(boolean *value)
{
  *value = false;
}

void i_char(char *value)
{
  *value = '\0';
}

void i_integer(integer *value)
{
  *value = 0;
}

void i_real(real *value)
{
  *value = 0.0;
}

char *i_read_line(const char *prompt)
{
  static struct i_text_buffer buffer;
  if (prompt) {
    fputs(prompt, stdout);
    fflush(stdout);
  }
  size_t n = 0;
  int c;
  while ((c = getchar()) != EOF && c != '\n') {
    char *out = i_text_room(&buffer, n + 1);
    out[n++] = (char)c;
  }
  if (c == EOF && n == 0)
    return NULL;
  char *out = i_text_room(&buffer, n);
  if (n > 0 && out[n - 1] == '\r')
    n--;
  out[n] = '\0';
  return out;
}
