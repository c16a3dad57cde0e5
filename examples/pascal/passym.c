/*
 * passym.c - names and scopes (see passym.h).
 *
 * Symbols stay in one list for the whole compilation: a routine's
 * parameters are needed at its calls long after its scope has closed.  A
 * hash table leads from a name to its visible declarations, innermost
 * first; closing a scope takes its names out of the table again.
 */
#include "passym.h"

#include <stdlib.h>
#include <string.h>

#include "scanpars.h"
#include "pasgrow.h"

enum { first_buckets = 1024, temps_kept = 16 };

struct entry {
  struct sym sym;
  int declared_in;    /* the scope */
  symbol next_in_bucket, next_in_scope;
};

struct scope {
  int level;
  symbol routine;
  int segment_kind;
  int words;
  symbol first, last;
  int open;
  int parent;
  int row_descriptor;   /* its displacement, -1 while there is none */
  int free_temps[temps_kept], free_count;
};

static struct {
  struct entry *list;     /* symbol s at s; entry 0 unused */
  int count, cap;
  symbol *bucket;          /* a power of two of them, grown with the names */
  int buckets, linked;     /* linked: the names in the buckets */
  struct scope *scopes;
  int scope_count, scope_cap, current;
  symbol *params;
  int param_count, param_cap;
} st;

void symbols_reset(void)
{
  for (int s = 1; s < st.count; s++)
    free((char *)st.list[s].sym.name);
  free(st.list);
  free(st.bucket);
  free(st.scopes);
  free(st.params);
  memset(&st, 0, sizeof st);
  st.count = 1;
  st.current = -1;
}

static int compare_symbols(const void *a, const void *b)
{
  symbol x = *(const symbol *)a, y = *(const symbol *)b;
  return (x > y) - (x < y);
}

static unsigned hash(const char *name)
{
  unsigned h = 5381;
  for (; *name; name++)
    h = h * 33 + (unsigned char)*name;
  return h;
}

/* The bucket of NAME (none before the first declaration). */
static symbol *bucket_of(const char *name)
{
  static symbol none;
  if (st.buckets == 0)
    return &none;
  return &st.bucket[hash(name) & (unsigned)(st.buckets - 1)];
}

/* Twice the buckets (the first 1024 at the first name), so that chains stay
   short however many names are visible.  Of two equal names the later
   declaration, with the higher number, shadows the earlier one: the names
   go into the new buckets in the order of their numbers, each in front. */
static void grow_buckets(void)
{
  int count = 0;
  symbol *names = malloc(((size_t)st.linked + 1) * sizeof *names);
  int buckets = st.buckets ? 2 * st.buckets : first_buckets;
  symbol *bucket = calloc((size_t)buckets, sizeof *bucket);
  if (!names || !bucket)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  for (int b = 0; b < st.buckets; b++)
    for (symbol s = st.bucket[b]; s; s = st.list[s].next_in_bucket)
      names[count++] = s;
  qsort(names, (size_t)count, sizeof *names, compare_symbols);
  free(st.bucket);
  st.bucket = bucket;
  st.buckets = buckets;
  for (int i = 0; i < count; i++) {
    symbol *head = bucket_of(st.list[names[i]].sym.name);
    st.list[names[i]].next_in_bucket = *head;
    *head = names[i];
  }
  free(names);
}

const struct sym *sym_get(symbol s)
{
  static const struct sym none = {"", 0, sym_none, tyError, 0, 0, 0, 0, 0, 0, 0, -1, -1};
  return s >= 1 && s < st.count ? &st.list[s].sym : &none;
}

struct sym *sym_change(symbol s)
{
  static struct sym scratch;
  if (s >= 1 && s < st.count)
    return &st.list[s].sym;
  scratch = *sym_get(0);
  return &scratch;
}

symbol sym_find(const char *name)
{
  for (symbol s = *bucket_of(name); s; s = st.list[s].next_in_bucket)
    if (strcmp(st.list[s].sym.name, name) == 0)
      return s;
  return 0;
}

/* A new entry, in no bucket and no scope yet. */
static symbol new_entry(const char *name, int line, enum sym_kind kind, typeid type)
{
  st.list = pas_grow(st.list, &st.cap, st.count + 1, sizeof *st.list);
  symbol s = st.count++;
  struct entry *e = &st.list[s];
  memset(e, 0, sizeof *e);
  char *copy = malloc(strlen(name) + 1);
  if (!copy)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  e->sym.name = strcpy(copy, name);
  e->sym.line = line;
  e->sym.kind = kind;
  e->sym.type = type;
  e->sym.scope = -1;
  e->sym.home = st.current;
  e->declared_in = st.current;
  return s;
}

symbol sym_hidden(const char *name, int line, enum sym_kind kind, typeid type)
{
  return new_entry(name, line, kind, type);
}

symbol sym_declare(const char *name, int line, enum sym_kind kind, typeid type)
{
  if (st.current < 0)
    return 0;
  symbol known = sym_find(name);
  if (known && st.list[known].declared_in == st.current && st.list[known].sym.kind == sym_none) {
    /* A name reported as undeclared, declared after all. */
    st.list[known].sym.kind = kind;
    st.list[known].sym.type = type;
    st.list[known].sym.line = line;
    return known;
  }
  if (known && st.list[known].declared_in == st.current) {
    i_error_at(line, "'%s' is declared twice in this block (first on line %d)", name,
               st.list[known].sym.line);
    return 0;
  }
  symbol s = new_entry(name, line, kind, type);
  struct entry *e = &st.list[s];
  if (st.linked >= 2 * st.buckets)
    grow_buckets();
  symbol *head = bucket_of(name);
  e->next_in_bucket = *head;
  *head = s;
  st.linked++;
  struct scope *scope = &st.scopes[st.current];
  if (scope->last)
    st.list[scope->last].next_in_scope = s;
  else
    scope->first = s;
  scope->last = s;
  return s;
}

symbol sym_parameter(symbol r, int i)
{
  const struct sym *routine = sym_get(r);
  return i >= 0 && i < routine->params ? st.params[routine->first_param + i] : 0;
}

void sym_add_parameter(symbol r, symbol param)
{
  struct sym *routine = sym_change(r);
  if (routine->params == 0)
    routine->first_param = st.param_count;
  st.params = pas_grow(st.params, &st.param_cap, st.param_count + 1, sizeof *st.params);
  st.params[st.param_count++] = param;
  routine->params++;
}

int scope_open(int level, symbol routine, int segment_kind)
{
  st.scopes = pas_grow(st.scopes, &st.scope_cap, st.scope_count + 1, sizeof *st.scopes);
  int id = st.scope_count++;
  struct scope *scope = &st.scopes[id];
  memset(scope, 0, sizeof *scope);
  scope->level = level;
  scope->routine = routine;
  scope->segment_kind = segment_kind;
  scope->open = 1;
  scope->parent = st.current;
  scope->row_descriptor = -1;
  st.current = id;
  return id;
}

/* Takes symbol S out of its bucket. */
static void unlink_symbol(symbol s)
{
  symbol *link = bucket_of(st.list[s].sym.name);
  while (*link && *link != s)
    link = &st.list[*link].next_in_bucket;
  if (*link) {
    *link = st.list[s].next_in_bucket;
    st.linked--;
  }
}

void scope_close(void)
{
  if (st.current < 0)
    return;
  struct scope *scope = &st.scopes[st.current];
  for (symbol s = scope->first; s; s = st.list[s].next_in_scope)
    unlink_symbol(s);
  scope->open = 0;
  st.current = scope->parent;
}

int scope_current(void)
{
  return st.current;
}

static struct scope *get_scope(int scope)
{
  static struct scope none;
  return scope >= 0 && scope < st.scope_count ? &st.scopes[scope] : &none;
}

int scope_level(int scope)
{
  return get_scope(scope)->level;
}

symbol scope_routine(int scope)
{
  return get_scope(scope)->routine;
}

int scope_segment_kind(int scope)
{
  return get_scope(scope)->segment_kind;
}

int scope_words(int scope)
{
  return get_scope(scope)->words;
}

int scope_allocate(int scope, int words)
{
  struct scope *s = get_scope(scope);
  int dpl = s->words;
  s->words += words;
  return dpl;
}

int scope_temp(int scope)
{
  struct scope *s = get_scope(scope);
  if (s->free_count > 0)
    return s->free_temps[--s->free_count];
  return scope_allocate(scope, 1);
}

void scope_free_temp(int scope, int dpl)
{
  struct scope *s = get_scope(scope);
  if (s->free_count < temps_kept)
    s->free_temps[s->free_count++] = dpl;
}

int scope_row_descriptor(int scope)
{
  struct scope *s = get_scope(scope);
  if (s->row_descriptor < 0)
    s->row_descriptor = scope_allocate(scope, 3);
  return s->row_descriptor;
}

int scope_is_open(int scope)
{
  return get_scope(scope)->open;
}

symbol scope_first_symbol(int scope)
{
  return get_scope(scope)->first;
}

symbol sym_next_in_scope(symbol s)
{
  return s >= 1 && s < st.count ? st.list[s].next_in_scope : 0;
}
