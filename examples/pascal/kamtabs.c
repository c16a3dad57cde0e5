/*
 * kamtabs.c - the length table and the string table (see kamtabs.h).
 */
#include "kamtabs.h"

#include <stdlib.h>
#include <string.h>

#include "scanpars.h"
#include "pasgrow.h"

static struct {
  int *words;         /* per segment kind, from index 1 */
  int kinds, kinds_cap;
  char **strings;     /* string number n at n - 1 */
  int strings_count, strings_cap;
  int kinds_reported, strings_reported;
} kt;

void kam_tables_reset(void)
{
  for (int i = 0; i < kt.strings_count; i++)
    free(kt.strings[i]);
  free(kt.strings);
  free(kt.words);
  memset(&kt, 0, sizeof kt);
}

int kam_new_segment_kind(int line)
{
  kt.words = pas_grow(kt.words, &kt.kinds_cap, kt.kinds + 2, sizeof *kt.words);
  kt.words[++kt.kinds] = 0;
  if (kt.kinds > kam_max_segment_kinds && !kt.kinds_reported) {
    kt.kinds_reported = 1;
    i_error_at(line, "the program needs more than the %d blocks (program, procedures and "
               "functions) a KAM code file holds", kam_max_segment_kinds);
  }
  return kt.kinds;
}

void kam_set_segment_words(int kind, int words)
{
  if (kind >= 1 && kind <= kt.kinds)
    kt.words[kind] = words;
}

int kam_segment_kind_count(void)
{
  return kt.kinds;
}

int kam_string(const char *text, int line)
{
  for (int i = 0; i < kt.strings_count; i++)
    if (strcmp(kt.strings[i], text) == 0)
      return i + 1;
  if (strlen(text) > kam_max_string_length)
    i_error_at(line, "a string of %zu characters is longer than a KAM string line holds "
               "(%d characters)", strlen(text), kam_max_string_length);
  /* Past the limit (reported once) no code is written: the strings are not
     kept, so that the search above stays short. */
  if (kt.strings_count > kam_max_strings)
    return kt.strings_count;
  kt.strings = pas_grow(kt.strings, &kt.strings_cap, kt.strings_count + 1, sizeof *kt.strings);
  char *copy = malloc(strlen(text) + 1);
  if (!copy)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  strcpy(copy, text);
  kt.strings[kt.strings_count++] = copy;
  if (kt.strings_count > kam_max_strings && !kt.strings_reported) {
    kt.strings_reported = 1;
    i_error_at(line, "the program needs more than the %d different strings a KAM code file "
               "holds", kam_max_strings);
  }
  return kt.strings_count;
}

int kam_string_count(void)
{
  return kt.strings_count;
}

void kam_write_tables(FILE *out)
{
  fputs(".\n", out);
  for (int kind = 1; kind <= kt.kinds; kind++)
    fprintf(out, "%d: %d\n", kind, kt.words[kind]);
  fputs(".\n", out);
  for (int i = 0; i < kt.strings_count; i++)
    fprintf(out, "%d: \"%s\"\n", i + 1, kt.strings[i]);
}
