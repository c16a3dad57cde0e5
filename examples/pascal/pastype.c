/*
 * pastype.c - the types of MiniPas programs (see pastype.h).
 */
#include "pastype.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "scanpars.h"

struct type {
  enum type_kind kind;
  typeid index;       /* arrays: index type, bounds and element type */
  int low, high;
  typeid element;
  int words;          /* words of a value: elements of an array, else 1 */
  int dims;
};

static struct {
  struct type *list;
  int count, cap;
} types;

static typeid add(struct type t)
{
  if (types.count == types.cap) {
    types.cap = types.cap ? 2 * types.cap : 64;
    types.list = realloc(types.list, (size_t)types.cap * sizeof *types.list);
    if (!types.list)
      i_report(i_ENOMEM, __LINE__, __FILE__);
  }
  types.list[types.count] = t;
  return types.count++;
}

void types_reset(void)
{
  free(types.list);
  memset(&types, 0, sizeof types);
  static const enum type_kind predefined[] = {kind_error, kind_integer, kind_boolean,
                                              kind_char, kind_string};
  for (size_t i = 0; i < sizeof predefined / sizeof predefined[0]; i++) {
    struct type t = {predefined[i], tyError, 0, 0, tyError, 1, 0};
    add(t);
  }
}

static const struct type *get(typeid t)
{
  static const struct type none = {kind_error, tyError, 0, 0, tyError, 1, 0};
  return t >= 0 && t < types.count ? &types.list[t] : &none;
}

typeid type_array(typeid index, int low, int high, typeid element, int line)
{
  long long elements = ((long long)high - low + 1) * get(element)->words;
  if (elements > type_max_elements) {
    i_error_at(line, "an array of %lld elements is larger than the %d a MiniPas array may have",
               elements, type_max_elements);
    return tyError;
  }
  struct type t = {kind_array, index, low, high, element, (int)elements,
                   get(element)->dims + 1};
  return add(t);
}

enum type_kind type_kind(typeid t)
{
  return get(t)->kind;
}

int type_is_array(typeid t)
{
  return get(t)->kind == kind_array;
}

int type_is_ordinal(typeid t)
{
  enum type_kind kind = get(t)->kind;
  return kind == kind_integer || kind == kind_boolean || kind == kind_char;
}

int type_same(typeid a, typeid b)
{
  if (a == b)
    return 1;
  const struct type *x = get(a), *y = get(b);
  if (x->kind != kind_array || y->kind != kind_array)
    return x->kind == y->kind;
  return x->low == y->low && x->high == y->high && type_same(x->index, y->index) &&
         type_same(x->element, y->element);
}

typeid type_index(typeid t)
{
  return get(t)->index;
}

int type_low(typeid t)
{
  return get(t)->low;
}

int type_high(typeid t)
{
  return get(t)->high;
}

typeid type_element(typeid t)
{
  return get(t)->element;
}

int type_dims(typeid t)
{
  return get(t)->dims;
}

int type_words(typeid t)
{
  return get(t)->words;
}

/* Appends to a text of SIZE bytes whose first *N are used; a text that
   does not fit is cut. */
static void add_text(char *out, size_t size, size_t *n, const char *format, int value)
{
  if (*n + 1 >= size)
    return;
  int written = snprintf(out + *n, size - *n, format, value);
  if (written > 0)
    *n += (size_t)written < size - *n ? (size_t)written : size - *n - 1;
}

/* A bound as the program writes it: a number, or a character in quotes. */
static void add_bound(char *out, size_t size, size_t *n, typeid index, int value)
{
  if (type_kind(index) == kind_char && value > ' ' && value <= '~')
    add_text(out, size, n, "'%c'", value);
  else
    add_text(out, size, n, "%d", value);
}

static void describe(char *out, size_t size, typeid t)
{
  static const char *names[] = {"an erroneous type", "integer", "boolean", "char", "string"};
  size_t n = 0;
  out[0] = '\0';
  for (; type_kind(t) == kind_array; t = type_element(t)) {
    add_text(out, size, &n, "array [", 0);
    add_bound(out, size, &n, type_index(t), type_low(t));
    add_text(out, size, &n, "..", 0);
    add_bound(out, size, &n, type_index(t), type_high(t));
    add_text(out, size, &n, "] of ", 0);
  }
  if (n + 1 < size)
    snprintf(out + n, size - n, "%s", names[type_kind(t)]);
}

const char *type_value_text(typeid t, int value)
{
  static char buffers[4][16];
  static int next;
  char *out = buffers[next++ % 4];
  size_t n = 0;
  add_bound(out, sizeof buffers[0], &n, t, value);
  return out;
}

const char *type_text(typeid t)
{
  static char buffers[4][160];
  static int next;
  char *out = buffers[next++ % 4];
  describe(out, sizeof buffers[0], t);
  return out;
}
