



static void p_sums(i_marker_bits);
static void p_sum(i_marker_bits);



void
pROOT(void)
{
  i_marker_bits i_markers= 0;

  p_sums(i_markers | i_bit(i_EndOfFile));
  i_delete_bits(i_markers | i_bit(i_EndOfFile));
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
}


static void
p_sums(i_marker_bits i_markers)
{
  
  i_enter_plain_rule();

  /* BEGIN of SEQ */
  p_sum(i_markers | i_bit(num));
  i_delete_bits(i_markers | i_bit(num));
  while (i_look_ahead == num) {
    p_sum(i_markers | i_bit(num));
    i_delete_bits(i_markers | i_bit(num));
  }
  /* END of SEQ */

  i_leave_plain_rule();
}


static void
p_sum(i_marker_bits i_markers)
{
  
  i_enter_plain_rule();

  /* BEGIN of CHAIN or LIST */
  if (i_look_ahead == num) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "num");
  }
  while (i_in_bits(i_look_ahead, i_bit(num) | i_bit(plus))) {
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

  i_delete_bits(i_markers | i_bit(semicolon));
  if (i_look_ahead == semicolon) {
    i_next_token();
  }
  else {
    i_report(i_WTERMINS, "semicolon");
  }
  i_leave_plain_rule();
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

