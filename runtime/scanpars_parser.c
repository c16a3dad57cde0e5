/*
 * scanpars_parser.c - token sets, error recovery and the nesting limit of
 * generated parsers.  Part of scanpars.c; not compiled on its own.
 */

int i_rule_depth = 0;
int i_depth_limit = i_default_depth_limit;
uintptr_t i_stack_floor = 0;

/* The address of a local of a callee, to tell which way the stack grows. */
static i_noinline uintptr_t i_stack_probe(void)
{
  volatile char here = 0;
  return (uintptr_t)&here + (uintptr_t)here;
}

/* Sets i_stack_floor from BASE, an address in the frame of i_init, on a
   stack that grows down and has a limit; else leaves none. */
static void i_set_stack_floor(uintptr_t base)
{
  i_stack_floor = 0;
#if defined(__unix__) || defined(__APPLE__)
  struct rlimit limit;
  if (getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
    return;
  if (i_stack_probe() >= base)
    return;
  uintptr_t room = (uintptr_t)(limit.rlim_cur / 4 * 3);
  if (room < base)
    i_stack_floor = base - room;
#else
  (void)base;
#endif
}

int (i_in_set)(int token, ...)
{
  va_list args;
  va_start(args, token);
  int found = 0;
  for (int listed = va_arg(args, int); listed != -1; listed = va_arg(args, int)) {
    if (listed == token) {
      found = 1;
      break;
    }
  }
  va_end(args);
  return found;
}

static boolean i_is_marked(i_marker_set markers, int token)
{
  return markers && token >= 0 && token < i_token_set_size && markers[token];
}

static boolean i_is_listed(int token, const int *tokens, size_t count)
{
  for (size_t i = 0; i < count && tokens[i] != -1; i++)
    if (tokens[i] == token)
      return true;
  return false;
}

/* Deletes tokens up to one that is marked or listed.  The end of the input
   is never deleted: nothing follows it to resume at. */
void i_delete_unlisted(i_marker_set markers, const int *tokens, size_t count)
{
  while (i_look_ahead != i_EndOfFile && !i_is_marked(markers, i_look_ahead) &&
         !i_is_listed(i_look_ahead, tokens, count)) {
    i_report(i_msg_deleted, i_token_name(i_look_ahead), i_lexeme);
    i_next_token();
  }
}

void i_delete_unallowed_words(const unsigned long long *allowed, int words)
{
  for (;;) {
    unsigned token = (unsigned)i_look_ahead;
    if (i_look_ahead == i_EndOfFile ||
        (token < 64u * (unsigned)words && ((allowed[token / 64u] >> (token % 64u)) & 1u)))
      return;
    i_report(i_msg_deleted, i_token_name(i_look_ahead), i_lexeme);
    i_next_token();
  }
}

void i_delete_unallowed(i_marker_bits allowed)
{
  i_delete_unallowed_words(&allowed, 1);
}

void i_delete_unmarked(i_marker_set markers)
{
  i_delete_unlisted(markers, NULL, 0);
}

/* The token list of a variadic call, as an array; LIST has room for every
   token plus the end. */
static size_t i_collect_tokens(int *list, int first, va_list args)
{
  size_t n = 0;
  for (int token = first; token != -1 && n < (size_t)i_token_set_size; token = va_arg(args, int))
    list[n++] = token;
  list[n] = -1;
  return n;
}

void (i_delete_until)(i_marker_set markers, ...)
{
  int tokens[i_token_set_size + 1];
  va_list args;
  va_start(args, markers);
  size_t n = i_collect_tokens(tokens, va_arg(args, int), args);
  va_end(args);
  i_delete_unlisted(markers, tokens, n);
}

/* Ends the parse without ending the program: the rest of the input is not
   read (the scanner delivers the end of the input from now on, and the
   listing ends with what was read), and no further syntax or semantic
   message is reported, so the rule procedures that are still running
   return at once with nothing more to say.  The generated main then
   finishes as usual, with the errors counted so far as its status. */
static void i_stop_parse(void)
{
  if (i_rt.stopped)
    return;
  i_echo_pending();
  i_count_lines_to(i_rt.in_base + (long long)i_rt.in_pos);
  i_close_input();
  i_ch = EOF;
  i_rt.stopped = true;
}

/* The line a syntax error names: that of the token found, but for the end
   of the input the last line read (as the messages of error recovery
   name it), not the empty line behind a final line end. */
static int i_found_line(int found_token)
{
  if (found_token != i_EndOfFile)
    return i_token_line();
  long line = i_line_before_lookahead(i_lookahead_start());
  return line > 0 ? (int)line : 1;
}

void i_syntax_error_list(int found_token, const int *expected, size_t count)
{
  if (i_rt.stopped)
    return;
  size_t n = 0;
  while (n < count && expected[n] != -1)
    n++;
  const char *found = found_token >= 0 ? i_token_name(found_token) : "?";
  if (n == 1)
    i_error_at(i_found_line(found_token), "Parser expected '%s', found '%s' (lexeme = '%s')",
               i_token_name(expected[0]), found, i_lexeme);
  else {
    /* The expected tokens as one text: "'tA', 'tB' or 'tC'". */
    size_t len = 1;
    for (size_t i = 0; i < n; i++)
      len += strlen(i_token_name(expected[i])) + 6;
    char *list = malloc(len);
    if (!list)
      i_out_of_memory(__LINE__);
    list[0] = '\0';
    for (size_t i = 0; i < n; i++) {
      strcat(list, i == 0 ? "'" : i + 1 < n ? ", '" : " or '");
      strcat(list, i_token_name(expected[i]));
      strcat(list, "'");
    }
    i_error_at(i_found_line(found_token), "Parser expected one of %s, found '%s' (lexeme = '%s')", list,
               found, i_lexeme);
    free(list);
  }
  i_stop_parse();
}

void (i_syntax_error)(int found, ...)
{
  int tokens[i_token_set_size + 1];
  va_list args;
  va_start(args, found);
  size_t n = i_collect_tokens(tokens, va_arg(args, int), args);
  va_end(args);
  i_syntax_error_list(found, tokens, n);
}

void i_set_depth_limit(int limit)
{
  i_depth_limit = limit > 0 ? limit : 1;
}

void i_nesting_too_deep(void)
{
  if (i_rt.stopped)
    return;
  int reached = i_rule_depth > i_depth_limit ? i_depth_limit : i_rule_depth - 1;
  i_error_at(i_token_line(), "Parser nesting deeper than %d rules, cannot continue", reached);
  i_stop_parse();
  /* A rule that calls itself before it reads a token (left recursion in a
     grammar whose LL(1) test was switched off) would go on calling itself
     on the same look-ahead until the stack runs out: with the end of the
     input as look-ahead every choice fails and the rules return. */
  i_look_ahead = i_EndOfFile;
}
