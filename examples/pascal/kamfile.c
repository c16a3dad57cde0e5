/*
 * kamfile.c - the KAM code file (see kamfile.h).
 */
#include "kamfile.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

#include "kamcode.h"
#include "kamtabs.h"
#include "scanpars.h"

/* Summary lines of the runtime's catalogue. */
enum { msg_not_writable = 12, msg_instructions = 54, msg_lengths = 55, msg_strings = 56,
       msg_kam_file = 61 };

static char *output;  /* from -o, else NULL */

static void set_output(const char *name)
{
  free(output);
  output = malloc(strlen(name) + 1);
  if (!output)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  strcpy(output, name);
}

void kam_file_options(void)
{
  i_add_option("o", 1, set_output, "-o file: write the KAM code to file (default: the "
               "source's name with .kam)");
}

static void write_file(FILE *out)
{
  fprintf(out, "# KAM code of %s, written by the MiniPas compiler\n", i_module_name());
  kam_write_code(out);
  kam_write_tables(out);
}

/* Removes the KAM code that an earlier run left under NAME, so that no stale
   code runs; what is no plain file (a device such as /dev/null, a pipe, a
   folder) was never written by the compiler and stays. */
static void remove_stale_code(const char *name)
{
#if defined(__unix__) || defined(__APPLE__)
  struct stat file;
  if (stat(name, &file) != 0 || !S_ISREG(file.st_mode))
    return;
#endif
  remove(name);
}

void kam_file_finish(int complete)
{
  char name[FILENAME_MAX];
  if (output)
    snprintf(name, sizeof name, "%s", output);
  else
    snprintf(name, sizeof name, "%s.kam", i_module_name());
  kam_check_limits();
  if (i_is_input_file(name)) {
    i_error_at(0, "KAM code file '%s' would overwrite the input file", name);
    return;
  }
  if (i_error_count() > 0 || !complete) {
    remove_stale_code(name);
    return;
  }
  FILE *out = fopen(name, "w");
  if (!out) {
    i_report(msg_not_writable, name);
    return;
  }
  write_file(out);
  if (fclose(out) != 0) {
    i_report(msg_not_writable, name);
    remove_stale_code(name);
    return;
  }
  i_report(msg_kam_file, name);
  i_report(msg_instructions, kam_instruction_count());
  i_report(msg_lengths, kam_segment_kind_count());
  i_report(msg_strings, kam_string_count());
}
