#include <stdio.h>
#include <string.h>

#include "nameacts.h"
#include "scanpars.h"

/* The names declared so far, with the line of their declaration and
   whether they were used. */
static struct {
  char name[64];
  int line;
  int used;
} names[100];
static int count;
static const char *output;

static void set_output(const char *argument)
{
  output = argument;
}

void i_declare_options(void)
{
  i_add_option("o", 1, set_output, "-o file: write the declared names to file");
}

static int find(const char *name)
{
  for (int i = 0; i < count; i++)
    if (strcmp(names[i].name, name) == 0)
      return i;
  return -1;
}

void declare(string name, integer where)
{
  int known = find(name);
  if (known >= 0) {
    i_error_at(where, "'%s' is declared twice (first on line %d)", name, names[known].line);
    return;
  }
  if (count < 100) {
    snprintf(names[count].name, sizeof names[count].name, "%s", name);
    names[count].line = where;
    names[count].used = 0;
    count++;
  }
}

void use(string name, integer where)
{
  int known = find(name);
  if (known < 0)
    i_error_at(where, "'%s' is not declared (the parser reads line %d, column %d)", name,
               i_token_line(), i_token_column());
  else
    names[known].used = 1;
}

/* Unused names are only worth a warning when the program is otherwise
   sound; the names go to the -o file only then. */
void finish(void)
{
  if (i_error_count() > 0)
    return;
  for (int i = 0; i < count; i++)
    if (!names[i].used)
      i_warning_at(names[i].line, "'%s' is never used", names[i].name);
  if (!output)
    return;
  if (i_is_input_file(output)) {
    i_error_at(0, "'%s' is the input, not overwritten", output);
    return;
  }
  FILE *file = fopen(output, "w");
  if (!file)
    return;
  fprintf(file, "module %s:", i_module_name());
  for (int i = 0; i < count; i++)
    fprintf(file, " %s", names[i].name);
  fputc('\n', file);
  fclose(file);
}
