
_Static_assert(i_wide_words == 2, "the scanner has the tokens this parser was generated for");




static void p_items(i_wide_bits);
static void p_item(i_wide_bits);



void
pROOT(void)
{
  i_wide_bits i_markers= {{0}};

  p_items(i_wider(i_markers, (i_wide_bits){{i_wbit(i_EndOfFile, 0)
          , i_wbit(i_EndOfFile, 1)}}));
  i_delete_wide(i_wider(i_markers, (i_wide_bits){{i_wbit(i_EndOfFile, 0)
                , i_wbit(i_EndOfFile, 1)}}));
  if (i_look_ahead != i_EndOfFile)
    i_report(i_WTERMINS, "i_EndOfFile");
}


static void
p_items(i_wide_bits i_markers)
{
  
  i_enter_plain_rule();

  /* BEGIN of SEQ */
  p_item(i_wider(i_markers, (i_wide_bits){{i_wbit(t2, 0) | i_wbit(t69, 0)
          | i_wbit(t0, 0), i_wbit(t2, 1) | i_wbit(t69, 1) | i_wbit(t0, 1)}}));
  i_delete_wide(i_wider(i_markers, (i_wide_bits){{i_wbit(t2, 0) | i_wbit(t69, 0)
                 | i_wbit(t0, 0), i_wbit(t2, 1) | i_wbit(t69, 1)
                 | i_wbit(t0, 1)}}));
  while (i_in_wide(i_look_ahead, (i_wide_bits){{i_wbit(t2, 0) | i_wbit(t69, 0)
                                  | i_wbit(t0, 0), i_wbit(t2, 1)
                                  | i_wbit(t69, 1) | i_wbit(t0, 1)}})) {
    p_item(i_wider(i_markers, (i_wide_bits){{i_wbit(t2, 0) | i_wbit(t69, 0)
            | i_wbit(t0, 0), i_wbit(t2, 1) | i_wbit(t69, 1) | i_wbit(t0, 1)}}));
    i_delete_wide(i_wider(i_markers, (i_wide_bits){{i_wbit(t2, 0)
                   | i_wbit(t69, 0) | i_wbit(t0, 0), i_wbit(t2, 1)
                   | i_wbit(t69, 1) | i_wbit(t0, 1)}}));
  }
  /* END of SEQ */

  i_leave_plain_rule();
}


static void
p_item(i_wide_bits i_markers)
{
  
  i_enter_plain_rule();

  i_delete_wide(i_wider(i_markers, (i_wide_bits){{i_wbit(t69, 0) | i_wbit(t2, 0)
                 | i_wbit(t0, 0), i_wbit(t69, 1) | i_wbit(t2, 1)
                 | i_wbit(t0, 1)}}));
  if (i_look_ahead == t0) {
    if (i_look_ahead == t0) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "t0");
    }
    i_delete_wide(i_wider(i_markers, (i_wide_bits){{i_wbit(t1, 0)
                  , i_wbit(t1, 1)}}));
    if (i_look_ahead == t1) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "t1");
    }
  }
  else if (i_look_ahead == t2) {
    /* BEGIN of CHAIN or LIST */
    if (i_look_ahead == t2) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "t2");
    }
    while (i_look_ahead == t3) {
      if (i_look_ahead == t3) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "t3");
      }
      if (i_look_ahead == t2) {
        i_next_token();
      }
      else {
        i_report(i_WTERMINS, "t2");
      }
    }
    /* END of CHAIN or LIST */

  }
  else if (i_look_ahead == t69) {
    if (i_look_ahead == t69) {
      i_next_token();
    }
    else {
      i_report(i_WTERMINS, "t69");
    }
  }
  else {
    i_report(i_WTERMINS, "item");
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

