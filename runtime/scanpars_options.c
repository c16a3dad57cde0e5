/*
 * scanpars_options.c - the options a compiler adds to the standard command
 * line, and the quiet switch.  Part of scanpars.c; not compiled on its own.
 *
 * The options live outside the run's state: a compiler may declare them
 * before i_init, which starts every run afresh.
 */

struct i_option {
  char *name;                           /* the word after '-' */
  int takes_argument;
  i_option_action action;
  char *help;                           /* a usage line, or NULL */
};

static struct {
  struct i_option *list;
  size_t count, cap;
  boolean quiet;                        /* no banner and no summary lines */
  boolean quiet_run;                    /* the same, by -q of this run only */
  i_message_handler handler;            /* takes the lines for standard error */
  void *handler_data;
} i_options;

/* The options of a compiler built with GCC or clang are declared by its own
   i_declare_options when it has one; this empty one stands in otherwise. */
#if defined(__GNUC__) || defined(__clang__)
__attribute__((weak)) void i_declare_options(void)
{
}
#else
void i_declare_options(void)
{
}
#endif

static char *i_option_text(const char *text)
{
  return text ? i_copy_text(text, strlen(text), NULL) : NULL;
}

void i_add_option(const char *name, int takes_argument, i_option_action action,
                  const char *help)
{
  if (!name || !*name || !action)
    return;
  struct i_option *option = NULL;
  for (size_t i = 0; i < i_options.count; i++)
    if (strcmp(i_options.list[i].name, name) == 0)
      option = &i_options.list[i];
  if (option) {
    free(option->help);                 /* declared again: the new one holds */
  } else {
    if (i_options.count == i_options.cap) {
      size_t cap = i_options.cap ? 2 * i_options.cap : 8;
      struct i_option *grown = realloc(i_options.list, cap * sizeof *grown);
      if (!grown)
        i_out_of_memory(__LINE__);
      i_options.list = grown;
      i_options.cap = cap;
    }
    option = &i_options.list[i_options.count++];
    option->name = i_option_text(name);
  }
  option->takes_argument = takes_argument != 0;
  option->action = action;
  option->help = i_option_text(help);
}

/* The option that WORD (an argument without its '-') names: the option of
   that name, else the longest one taking an argument that WORD begins with
   ("ofile" for "o"). */
static const struct i_option *i_find_option(const char *word)
{
  const struct i_option *found = NULL;
  size_t found_len = 0;
  for (size_t i = 0; i < i_options.count; i++) {
    const struct i_option *option = &i_options.list[i];
    size_t n = strlen(option->name);
    if (strcmp(option->name, word) == 0)
      return option;
    if (option->takes_argument && n > found_len && strncmp(option->name, word, n) == 0) {
      found = option;
      found_len = n;
    }
  }
  return found;
}

/* A usage line to OUT; on standard error it goes the way of the notes. */
static void i_usage_line(FILE *out, const char *text)
{
  if (out == stderr)
    i_screen_note("%s", text);
  else
    fprintf(out, "%s\n", text);
}

/* The usage lines behind the standard usage: -q, which every compiler
   takes, then the compiler's own options. */
static void i_options_usage(FILE *out)
{
  i_usage_line(out, "-q:    no banner and no summary");
  for (size_t i = 0; i < i_options.count; i++)
    if (i_options.list[i].help)
      i_usage_line(out, i_options.list[i].help);
}

void i_set_quiet(int quiet)
{
  i_options.quiet = quiet != 0;
}

void i_set_message_handler(i_message_handler handler, void *data)
{
  i_options.handler = handler;
  i_options.handler_data = data;
}

/* Gives the program's message handler, when there is one, the line TEXT of
   LEN bytes as a string (the text may hold NUL bytes from '%c': the
   handler sees it up to the first); false without a handler. */
static boolean i_hand_over_message(const char *file, long line, const char *text, size_t len)
{
  if (!i_options.handler)
    return false;
  const char *line_text = text;
  if (text[len] != '\0') {
    if (!i_room(&i_rt.screen_buf, &i_rt.screen_cap, len + 1))
      return true;
    memcpy(i_rt.screen_buf, text, len);
    i_rt.screen_buf[len] = '\0';
    line_text = i_rt.screen_buf;
  }
  i_options.handler(file, (int)line, line_text, i_options.handler_data);
  return true;
}

/* Lines that the quiet switch keeps off the screen: the banner and the
   summary. */
static boolean i_is_quiet_line(int code)
{
  return (i_options.quiet || i_options.quiet_run) && ((code >= i_msg_input_file && code <= i_msg_kam_items_last) ||
                             code == i_msg_banner || code == i_msg_kam_code);
}
