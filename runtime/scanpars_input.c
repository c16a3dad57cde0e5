/*
 * scanpars_input.c - the program frame of a generated compiler: command
 * line, input file, listing file, buffered reading and the final summary.
 * Part of scanpars.c; not compiled on its own.
 */

/* Reports the failed allocation at LINE of this runtime and ends the run. */
static _Noreturn void i_out_of_memory(int line)
{
  i_report(i_ENOMEM, line, "scanpars");
  i_fatal_exit();
}

/* Copies N bytes of TEXT into fresh memory; ends the program when memory
   is short. */
static char *i_copy_text(const char *text, size_t n, const char *extra)
{
  size_t more = extra ? strlen(extra) : 0;
  char *copy = malloc(n + more + 1);
  if (!copy)
    i_out_of_memory(__LINE__);
  memcpy(copy, text, n);
  if (more)
    memcpy(copy + n, extra, more);
  copy[n + more] = '\0';
  return copy;
}

/* Index of the base name in PATH: behind the last '/' or '\\'. */
static size_t i_base_start(const char *path)
{
  size_t start = 0;
  for (size_t i = 0; path[i]; i++)
    if (path[i] == '/' || path[i] == '\\')
      start = i + 1;
  return start;
}

/* Length of BASE without its extension (a dot that does not begin it). */
static size_t i_stem_length(const char *base)
{
  const char *dot = strrchr(base, '.');
  return dot && dot != base ? (size_t)(dot - base) : strlen(base);
}

/* The second name tried for the input: directory and base name without
   extension, with ".inp" when the given name had no extension. */
static char *i_rebuilt_name(const char *path)
{
  size_t base = i_base_start(path);
  size_t stem = i_stem_length(path + base);
  boolean has_extension = path[base + stem] != '\0';
  return i_copy_text(path, base + stem, has_extension ? NULL : ".inp");
}

static void i_usage(const char *program)
{
  i_report(i_msg_usage, program);
  i_options_usage(stderr);
}

/* Why a word of the command line gets the usage, said before it, so that
   the user need not find the mistake by comparing the two. */
enum i_wrong_kind {
  i_asked_for_usage,                    /* -h: nothing to say */
  i_no_option,
  i_value_missing,
  i_bad_test_value,
  i_second_file
};

struct i_wrong_word {
  enum i_wrong_kind kind;
  const char *word;
};

/* What reading the command line found besides the options it carried out. */
struct i_command_line {
  const char *file;                     /* the first file argument */
  int usages;                           /* times the usage is due */
  struct i_wrong_word *wrong;           /* the reason of each, when memory was there */
  boolean stop;                         /* the usage ends the run */
  boolean help, version;                /* --help, --version */
};

/* The usage is due for WORD, for the reason KIND. */
static void i_usage_due(struct i_command_line *line, enum i_wrong_kind kind, const char *word)
{
  if (line->wrong)
    line->wrong[line->usages] = (struct i_wrong_word){kind, word};
  line->usages++;
}

/* The reason of a usage, as a note on standard error. */
static void i_say_wrong_word(const struct i_wrong_word *wrong)
{
  switch (wrong->kind) {
  case i_asked_for_usage:
    break;
  case i_no_option:
    i_screen_note("'%s' is no option", wrong->word);
    break;
  case i_value_missing:
    i_screen_note("'%s' needs a value", wrong->word);
    break;
  case i_bad_test_value:
    i_screen_note("-t takes s or p, not '%s'", wrong->word);
    break;
  case i_second_file:
    i_screen_note("'%s' is a second file; the compiler reads one", wrong->word);
    break;
  }
}

/* An option of the compiler's own: the word after the '-' of ARG, with its
   argument attached or in the next word.  Gives 0 when ARG is none of
   them, else advances *I past what it took. */
static int i_own_option(int ac, char **av, int *i, struct i_command_line *line)
{
  const char *arg = av[*i];
  const struct i_option *option = i_find_option(arg + 1);
  if (!option)
    return 0;
  const char *value = NULL;
  if (option->takes_argument) {
    size_t n = strlen(option->name);
    value = arg[1 + n] ? arg + 1 + n : *i + 1 < ac ? av[++*i] : NULL;
    if (!value) {
      i_usage_due(line, i_value_missing, arg);
      line->stop = true;
      return 1;
    }
  }
  option->action(value);
  return 1;
}

/* Reads the options ("t:" with p or s, "h", "q" and the compiler's own) in
   any order with the file arguments, as getopt with argument permutation
   does; "--" ends them.  The usage is only counted here, so that it
   follows the banner, which -q may silence. */
static void i_parse_options(int ac, char **av, struct i_command_line *line)
{
  boolean options_done = false;
  i_options.quiet_run = false;          /* a -q of an earlier run is gone */
  for (int i = 1; i < ac && !line->stop; i++) {
    const char *arg = av[i];
    if (!arg)
      continue;
    if (options_done || arg[0] != '-' || arg[1] == '\0') {
      /* A compiler reads one file: a second one would go unread while the
         run reports success, so it gets the usage, as a wrong option does. */
      if (line->file) {
        i_usage_due(line, i_second_file, arg);
        line->stop = true;
      } else {
        line->file = arg;
      }
      continue;
    }
    if (strcmp(arg, "--") == 0) {
      options_done = true;
      continue;
    }
    if (i_own_option(ac, av, &i, line))
      continue;
    if (strcmp(arg, "--help") == 0 || strcmp(arg, "--version") == 0) {
      *(arg[2] == 'h' ? &line->help : &line->version) = true;
      line->stop = true;
      continue;
    }
    if (strcmp(arg, "-q") == 0) {
      i_options.quiet_run = true;
      continue;
    }
    if (arg[1] != 't') {
      i_usage_due(line, strcmp(arg, "-h") == 0 ? i_asked_for_usage : i_no_option, arg);
      line->stop = true;
      continue;
    }
    const char *value = arg[2] ? arg + 2 : i + 1 < ac ? av[++i] : NULL;
    if (!value) {
      i_usage_due(line, i_value_missing, arg);
      line->stop = true;
    } else if (strcmp(value, "p") == 0) {
      i_rt.parser_test = true;
    } else if (strcmp(value, "s") == 0) {
      i_rt.scanner_test = true;
    } else {
      i_usage_due(line, i_bad_test_value, value);
    }
  }
}

/* Opens NAME for reading; NULL also for what opens but cannot be read,
   such as a folder, which then counts as missing instead of as an empty
   input. */
static FILE *i_open_readable(const char *name)
{
  FILE *file = fopen(name, "r");
  if (!file)
    return NULL;
  /* The input is read in large blocks into a buffer of its own: a stdio
     buffer in between would split each block into two reads. */
  setvbuf(file, NULL, _IONBF, 0);
  int c = getc(file);
  if (c == EOF && ferror(file)) {
    fclose(file);
    return NULL;
  }
  if (c != EOF)
    ungetc(c, file);
  return file;
}

/* Whether NAME is the file the input was read from: a listing of that name
   would empty the input before it is read.  Where files have no identity
   to compare, the names are compared. */
#if defined(__unix__) || defined(__APPLE__)
boolean i_is_input_file(const char *name)
{
  struct stat input, other;
  return i_rt.file_name && stat(i_rt.file_name, &input) == 0 && stat(name, &other) == 0 &&
         input.st_dev == other.st_dev && input.st_ino == other.st_ino;
}
#else
boolean i_is_input_file(const char *name)
{
  return i_rt.file_name && strcmp(name, i_rt.file_name) == 0;
}
#endif

/* Reports that neither the name given nor the rebuilt one (TRIED) could be
   read; the message names the rebuilt one, the line after it the name
   given (ERROR is why that failed). */
static void i_input_missing(const char *given, const char *tried, int error)
{
  i_report(i_msg_input_missing, tried);
  if (strcmp(given, tried) == 0)
    return;
#ifdef EISDIR
  if (error == EISDIR) {
    i_screen_note("  ('%s' is a folder)", given);
    return;
  }
#endif
  (void)error;
  i_screen_note("  (nor '%s', the name given)", given);
}

/* Opens the input under its name or the rebuilt one and derives the module
   name from the name opened. */
static int i_open_input(const char *name)
{
  char *opened = i_copy_text(name, strlen(name), NULL);
  errno = 0;
  FILE *file = i_open_readable(opened);
  if (!file) {
    int error = errno;
    free(opened);
    opened = i_rebuilt_name(name);
    file = i_open_readable(opened);
    if (!file) {
      i_input_missing(name, opened, error);
      free(opened);
      return 0;
    }
  }
  unsigned char *buffer = calloc(1, i_input_keep + i_input_chunk + i_input_slack);
  if (!buffer)
    i_out_of_memory(__LINE__);
  i_rt.input = file;
  i_rt.in_buf = buffer;
  i_rt.in_buf[0] = 0;
  i_rt.in_cap = i_input_keep + i_input_chunk;
  i_rt.file_name = opened;
  const char *base = opened + i_base_start(opened);
  i_rt.module_name = i_copy_text(base, i_stem_length(base), NULL);
  i_report(i_msg_input_file, opened);
  return 1;
}

const char *i_module_name(void)
{
  return i_rt.module_name ? i_rt.module_name : "";
}

static void i_close_input(void)
{
  if (i_rt.input)
    fclose(i_rt.input);
  i_rt.input = NULL;
  free(i_rt.in_buf);
  i_rt.in_buf = NULL;
  i_rt.fast_resume = NULL;
  i_rt.in_pos = i_rt.in_len = i_rt.in_cap = i_rt.echo_pos = 0;
}

/* Makes the input buffer hold KEEP characters and at least as many again
   to read behind them: a long text kept costs copying in proportion to
   its length, not to its square. */
static void i_input_make_room(size_t keep)
{
  size_t cap = i_rt.in_cap;
  while (cap < 2 * keep || cap - keep < i_input_chunk)
    cap *= 2;
  if (cap == i_rt.in_cap)
    return;
  unsigned char *grown = realloc(i_rt.in_buf, cap + i_input_slack);
  if (!grown)
    i_out_of_memory(__LINE__);
  memset(grown + i_rt.in_cap + i_input_slack, 0, cap - i_rt.in_cap);
  i_rt.in_buf = grown;
  i_rt.in_cap = cap;
  i_rt.fast_resume = NULL;
}

/* Refills the input buffer, keeping the characters just read so that they
   can be given back, and gives the next character or EOF. */
static int i_refill(void)
{
  if (i_rt.in_ended || !i_rt.input)
    return EOF;
  i_echo_pending();
  size_t keep = i_rt.in_pos < i_input_keep ? i_rt.in_pos : i_input_keep;
  if (i_rt.far.kept) {
    /* a token that may fall back keeps the text it needs then */
    size_t needed = i_rt.in_pos - (size_t)(i_rt.far.from - i_rt.in_base);
    if (needed > keep)
      keep = needed;
    i_input_make_room(keep);
  }
  long long drop = i_rt.in_base + (long long)(i_rt.in_pos - keep);
  if (i_rt.tok_start < drop && i_rt.tok_start >= i_rt.count.at) {
    /* a token longer than what is kept: its line is known from here on */
    i_count_lines_to(i_rt.tok_start);
    i_rt.tok_count = i_rt.count;
  }
  i_count_lines_to(drop);
  memmove(i_rt.in_buf, i_rt.in_buf + i_rt.in_pos - keep, keep);
  i_rt.in_base += (long long)(i_rt.in_pos - keep);
  i_rt.in_pos = i_rt.in_len = i_rt.echo_pos = keep;
  i_rt.in_buf[keep] = 0;
  size_t n = fread(i_rt.in_buf + keep, 1, i_rt.in_cap - keep, i_rt.input);
  if (n == 0) {
    i_rt.in_ended = true;
    if (ferror(i_rt.input) && !i_rt.in_failed) {
      i_rt.in_failed = true;
      i_report(i_msg_input_missing, i_rt.file_name);
    }
    return EOF;
  }
  i_rt.in_len += n;
  i_rt.in_buf[i_rt.in_len] = 0;
  return i_rt.in_buf[i_rt.in_pos++];
}

/* Forgets everything of a previous run. */
static void i_reset(void)
{
  i_listing_close();
  i_close_input();
  free(i_rt.file_name);
  free(i_rt.module_name);
  free(i_rt.listing_name);
  free(i_rt.msg_buf);
  free(i_rt.screen_buf);
  for (int k = 0; k < i_line_ring; k++)
    free(i_rt.lines[k].more);
  free(i_rt.far.line.more);
  memset(&i_rt, 0, sizeof i_rt);
  i_rt.end = i_rt.cut = -1;
  i_rt.head_of = -1;
  i_rt.line = &i_rt.lines[0];
  i_rt.echo_state = i_at_line_start;
  i_rt.count.line = 1;
  i_rt.tok_count.at = -1;
  i_rule_depth = 0;
  i_look_ahead = -1;
  i_ch = 0;
  i_retract = false;
  i_lexeme[0] = '\0';
}

static _Noreturn void i_fatal_exit(void)
{
  i_listing_close();
  fflush(stdout);
  exit(1);
}

/* The answers to --version and --help, on standard output: the banner, and
   for --help the usage.  False, said on standard error, when they cannot be
   written. */
static boolean i_answer_information_request(const struct i_command_line *line, const char *program)
{
  printf(i_messages[i_msg_banner], program);
  putchar('\n');
  if (line->help) {
    printf(i_messages[i_msg_usage], program);
    putchar('\n');
    i_options_usage(stdout);
  }
  errno = 0;
  if (fflush(stdout) == 0 && !ferror(stdout))
    return true;
  fprintf(stderr, "%s: cannot write standard output (%s)\n", program, strerror(errno ? errno : EIO));
  return false;
}

static void i_set_stack_floor(uintptr_t base);   /* scanpars_parser.c */

int i_init(int ac, char **av)
{
  char base;
  i_reset();
  i_set_stack_floor((uintptr_t)&base);
  /* What the calling program wrote before goes out now, so that only this
     run's output counts as this run's. */
  fflush(stdout);
  i_rt.stdout_failed_before = ferror(stdout) != 0;
  i_declare_options();
  const char *program = ac > 0 && av && av[0] ? av[0] : "";
  /* Every word gives at most one usage. */
  struct i_command_line line = {NULL, 0, NULL, false, false, false};
  line.wrong = ac > 0 ? malloc((size_t)ac * sizeof *line.wrong) : NULL;
  i_parse_options(ac, av, &line);
  if (line.help || line.version) {
    free(line.wrong);
    exit(i_answer_information_request(&line, program) ? 0 : 1);
  }
  i_report(i_msg_banner, program);
  for (int i = 0; i < line.usages; i++) {
    if (line.wrong)
      i_say_wrong_word(&line.wrong[i]);
    i_usage(program);
  }
  free(line.wrong);
  if (line.stop)
    return 0;
  if (!line.file) {
    i_usage(program);
    return 0;
  }
  if (!i_open_input(line.file))
    return 0;
  i_rt.listing_name = i_copy_text(i_rt.module_name, strlen(i_rt.module_name), ".lst");
  if (i_is_input_file(i_rt.listing_name)) {
    i_error_at(0, "Listing '%s' would overwrite the input file, cannot continue",
               i_rt.listing_name);
    i_close_input();
    return 0;
  }
  if (!i_listing_open(i_rt.listing_name)) {
    i_report(i_msg_not_writable, i_rt.listing_name);
    i_close_input();
    return 0;
  }
  i_report(i_msg_listing_file, i_rt.listing_name);
  return 1;
}

int i_finish(void)
{
  if (i_rt.listing) {
    i_echo_pending();
    i_lst_put('\n');
    i_listing_close();
    if (i_rt.lst_failed)
      i_report(i_msg_not_writable, i_rt.listing_name);
  }
  i_close_input();
  /* What a compiler wrote on standard output (its code, a translation's
     progress) counts as output too: a failure to write it is an error. */
  errno = 0;
  if (fflush(stdout) != 0 || (ferror(stdout) && !i_rt.stdout_failed_before))
    i_error_at(0, "Cannot write standard output (%s)", strerror(errno ? errno : EIO));
  i_report(i_msg_errors, i_rt.errors);
  /* An exit status keeps only 8 bits: 256 errors must not read as success. */
  return i_rt.errors > 255 ? 255 : i_rt.errors;
}
