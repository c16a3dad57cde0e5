#include "sticky.h"

/* The token names (used for testing only): */

char *i_token_names[]= {
  "End of file", "kIf", "kThen", "gap", "word", "name", "assign", "dots", 
  "label", 0
};

/* The (sorted) keyword table: */

static struct {
  i_token_set lhs;
  char *rhs;
} i_keywords[]= {
  { kIf, "if" },
  { kThen, "then" },
  { 0, NULL }
};

#include "scanpars.c"




/* The scanner of the default shape: i_next_token below gives it every token it does not scan itself */

static void i_scan_default(void)
{
  integer	i_state= 0;
  boolean	i_skip= false;
  boolean	i_verify= false;

  i_retract= false;
  i_look_ahead= -1;
  i_init_lexeme();
  while (!i_retract) {
    i_next_character();

    /* Transition cases: */
    switch (i_state) {
    case 0:
      if (i_ch == '\n')
        i_state= 1;
      else if (i_ch == ' ')
        i_state= 2;
      else if (i_ch == '.')
        i_state= 3;
      else if (i_ch == ':')
        i_state= 4;
      else if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 5;
      else if (i_ch == EOF)
        i_final_accept(i_EndOfFile);
      else
        i_report(i_ENOSTATE, i_ch);
      break;

    case 1:
      i_could_accept(gap);
      i_skip= true;
      if (i_ch == '\n' || i_ch == ' ')
        i_state= 1;
      else 
        i_retract= true;
      break;

    case 2:
      i_could_accept(gap);
      i_skip= true;
      if (i_ch == '\n' || i_ch == ' ')
        i_state= 1;
      else if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 7;
      else 
        i_retract= true;
      break;

    case 3:
      if (i_ch == '.')
        i_state= 8;
      else 
        i_retract= true;
      break;

    case 4:
      if (i_ch == '=')
        i_state= 9;
      else 
        i_retract= true;
      break;

    case 5:
      i_could_accept(name);
      i_verify= true;
      if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 5;
      else if (i_ch == '#')
        i_state= 10;
      else 
        i_retract= true;
      break;

    case 7:
      i_could_accept(word);
      i_skip= false;
      if ((i_ch >= 'a' && i_ch <= 'z'))
        i_state= 7;
      else 
        i_retract= true;
      break;

    case 8:
      if (i_ch == '.')
        i_state= 11;
      else 
        i_retract= true;
      break;

    case 9:
      i_final_accept(assign);
      break;

    case 10:
      i_final_accept(label);
      i_verify= false;
      break;

    case 11:
      i_final_accept(dots);
      break;

    }
  }

  i_get_lexeme();

  if (i_verify && !i_lookup(i_lexeme))
    i_report(i_ENOKEYW, i_lexeme);

  if (i_look_ahead == -1 || i_skip)
    i_skip_token();
}

/* The classes of the input bytes: every state treats the bytes of one
   class alike. */

static const unsigned char i_fast_class[256]= {
  0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 3, 1, 1, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 6, 1, 1, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 8, 8, 8, 8, 8, 8, 8, 
  8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 
  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1
};

/* The parser calls i_next_token() to get a look ahead; the default
   scanner above scans every token that this one gives up. */

i_fast_entry void i_next_token(void)
{
  const unsigned char *i_start, *i_p, *i_read_end;
  unsigned i_c;
  const unsigned char *i_end= NULL;
  int i_token;
  boolean i_final;

  if (!(i_p= i_fast_begin())) {
    i_scan_default();
    return;
  }
  i_read_end= i_fast_end();
i_next:
  i_start= i_p;
  i_token= -1;
  i_final= false;
  switch (i_fast_class[*i_p++]) {
    case 2:
      goto i_s1;
    case 3:
      goto i_s2;
    case 5:
      goto i_s3;
    case 6:
      goto i_s4;
    case 8:
      goto i_s5;
  }
  goto i_slow;
i_s1:
  i_end= i_p;
  i_token= gap;
  i_c= i_fast_class[*i_p++];
  if ((0xcull >> i_c) & 1)
    goto i_s1;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_accept_gap;
i_s2:
  i_end= i_p;
  i_token= gap;
  i_c= i_fast_class[*i_p++];
  if ((0xcull >> i_c) & 1)
    goto i_s1;
  if ((0x100ull >> i_c) & 1)
    goto i_s7;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_accept_gap;
i_s3:
  i_c= i_fast_class[*i_p++];
  if ((0x20ull >> i_c) & 1)
    goto i_s8;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_retract_0;
i_s4:
  i_c= i_fast_class[*i_p++];
  if ((0x80ull >> i_c) & 1)
    goto i_s9;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_retract_0;
i_s5:
  i_end= i_p;
  i_token= name;
  i_c= i_fast_class[*i_p++];
  if ((0x100ull >> i_c) & 1)
    goto i_s5;
  if ((0x10ull >> i_c) & 1)
    goto i_s10;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_accept_name;
i_s7:
  i_end= i_p;
  i_token= word;
  i_c= i_fast_class[*i_p++];
  if ((0x100ull >> i_c) & 1)
    goto i_s7;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_accept_word;
i_s8:
  i_c= i_fast_class[*i_p++];
  if ((0x20ull >> i_c) & 1)
    goto i_s11;
  if (i_fast_overrun(i_start, i_p, i_read_end))
    goto i_slow;
  goto i_retract_0;
i_s9:
  if (i_fast_overrun(i_start, i_p + 1, i_read_end))
    goto i_slow;
  i_end= i_p++;
  i_final= true;
  goto i_accept_assign;
i_s10:
  if (i_fast_overrun(i_start, i_p + 1, i_read_end))
    goto i_slow;
  i_end= i_p++;
  i_final= true;
  goto i_accept_label;
i_s11:
  if (i_fast_overrun(i_start, i_p + 1, i_read_end))
    goto i_slow;
  i_end= i_p++;
  i_final= true;
  goto i_accept_dots;
i_retract_0:
  switch (i_token) {
    case word:
      goto i_accept_word;
    case assign:
      goto i_accept_assign;
    case label:
      goto i_accept_label;
    case dots:
      goto i_accept_dots;
  }
  goto i_slow;
i_accept_gap:
  i_fast_skipped_lines(i_start, i_end);
  i_p= i_end;
  goto i_next;
i_accept_name:
  i_fast_keep(i_start, i_end, i_p, name, i_final, false);
  if (!i_lookup(i_lexeme))
    i_report(i_ENOKEYW, i_lexeme);
  return;
i_accept_word:
  i_fast_keep(i_start, i_end, i_p, word, i_final, false);
  return;
i_accept_assign:
  i_fast_keep(i_start, i_end, i_p, assign, i_final, false);
  return;
i_accept_label:
  i_fast_keep(i_start, i_end, i_p, label, i_final, false);
  return;
i_accept_dots:
  i_fast_keep(i_start, i_end, i_p, dots, i_final, false);
  return;
i_slow:
  i_fast_fallback(i_start);
  i_scan_default();
}

