#include "miniact.h"

/* Actions of the test language: names must be assigned before they are
   used, and literals inside a print statement are written to the screen. */

static struct {
  char **names;
  size_t count, cap;
} assigned_names;

static size_t hash_name(const char *name)
{
  size_t h = 5381;
  while (*name)
    h = h * 33 + (unsigned char)*name++;
  return h;
}

/* Slot of NAME in the open-addressing table (empty or holding NAME). */
static size_t find_slot(char **names, size_t cap, const char *name)
{
  size_t i = hash_name(name) & (cap - 1);
  while (names[i] && strcmp(names[i], name) != 0)
    i = (i + 1) & (cap - 1);
  return i;
}

static void grow_names(void)
{
  size_t cap = assigned_names.cap ? assigned_names.cap * 2 : 64;
  char **names = calloc(cap, sizeof *names);
  if (!names)
    i_report(i_ENOMEM, __LINE__, "miniact");
  for (size_t i = 0; i < assigned_names.cap; i++)
    if (assigned_names.names[i])
      names[find_slot(names, cap, assigned_names.names[i])] = assigned_names.names[i];
  free(assigned_names.names);
  assigned_names.names = names;
  assigned_names.cap = cap;
}

static int is_assigned(const char *name)
{
  return assigned_names.cap && assigned_names.names[find_slot(assigned_names.names,
                                                              assigned_names.cap, name)];
}

void begin_print(boolean *printing)
{
  *printing = true;
}

void end_print(boolean *printing)
{
  *printing = false;
}

void assigned(string name)
{
  i_report(57, "Parser assigned %s", name);
  if (is_assigned(name))
    return;
  if (2 * (assigned_names.count + 1) > assigned_names.cap)
    grow_names();
  char *copy = malloc(strlen(name) + 1);
  if (!copy)
    i_report(i_ENOMEM, __LINE__, "miniact");
  strcpy(copy, name);
  assigned_names.names[find_slot(assigned_names.names, assigned_names.cap, name)] = copy;
  assigned_names.count++;
}

void show_name(boolean printing, string name)
{
  if (!is_assigned(name))
    i_report(31, name);
  else if (printing)
    i_report(50, "name %s\n", name);
}

void show_number(boolean printing, integer value)
{
  if (printing)
    i_report(50, "number %d\n", value);
}

void show_real(boolean printing, real value)
{
  if (printing)
    i_report(50, "real %g\n", value);
}

void show_string(boolean printing, string text)
{
  if (printing)
    i_report(50, "string \"%s\"\n", text);
}

void show_char(boolean printing, char code)
{
  if (printing)
    i_report(50, "char %d\n", code);
}
