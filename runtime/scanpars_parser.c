/*
 * scanpars_parser.c - token sets and error recovery of generated parsers.
 * Part of scanpars.c; not compiled on its own.
 */

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

void i_delete_unmarked(i_marker_set markers)
{
  while (i_look_ahead != i_EndOfFile && !i_is_marked(markers, i_look_ahead)) {
    i_report(i_msg_deleted, i_token_name(i_look_ahead), i_lexeme);
    i_next_token();
  }
}

/* Marks the listed tokens, then deletes tokens up to a marked one.  The end
   of the input is never deleted: nothing follows it to resume at. */
void (i_delete_until)(i_marker_set markers, ...)
{
  va_list args;
  va_start(args, markers);
  for (int token = va_arg(args, int); token != -1; token = va_arg(args, int))
    if (markers && token >= 0 && token < i_token_set_size)
      markers[token] = 1;
  va_end(args);
  i_delete_unmarked(markers);
}
