



static void p_sums(i_marker_set, ...);
static void p_sum(i_marker_set, ...);



void
pROOT(void)
{
  i_marker_set i_markers;

  i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);
  if (i_markers == 0) {
    i_report(i_ENOMEM, __LINE__, __FILE__);
    return;
  }
  p_sums(i_markers, i_EndOfFile, -1);
  i_delete_until(i_markers, i_EndOfFile, -1);
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
  free(i_markers);
}


static void
p_sums(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of SEQ */
  p_sum(i_markers, num, -1);
  i_delete_until(i_markers, num, -1);
  while (i_look_ahead == num) {
    p_sum(i_markers, num, -1);
    i_delete_until(i_markers, num, -1);
  }
  /* END of SEQ */

  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


static void
p_sum(i_marker_set i_markers, ...)
{
  va_list i_args;

  va_start(i_args, i_markers);
  i_enter_rule(i_markers, i_args);
  va_end(i_args);

  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == num) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "num");
  }
  while (i_in_set(i_look_ahead, num, plus, -1)) {
    if (i_look_ahead == plus) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "plus");
    }
    if (i_look_ahead == num) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "num");
    }
  }
  /* END of CHAIN or LIST */

  i_delete_until(i_markers, semicolon, -1);
  if (i_look_ahead == semicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "semicolon");
  }
  va_start(i_args, i_markers);
  i_leave_rule(i_markers, i_args);
  va_end(i_args);
}


int
main(int ac, char **av)
{
  if (!i_init(ac, av))
    return 1;

  i_next_token();
  pROOT();
  return i_finish();
}

