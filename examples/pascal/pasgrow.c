/*
 * pasgrow.c - growing the compiler's tables (pasgrow.h).
 */
#include "pasgrow.h"

#include <stdlib.h>

#include "scanpars.h"

void *pas_grow(void *block, int *cap, int needed, size_t size)
{
  if (needed <= *cap)
    return block;
  int cap_new = *cap ? 2 * *cap : 16;
  while (cap_new < needed)
    cap_new *= 2;
  void *grown = realloc(block, (size_t)cap_new * size);
  if (!grown)
    i_report(i_ENOMEM, __LINE__, __FILE__);
  *cap = cap_new;
  return grown;
}
