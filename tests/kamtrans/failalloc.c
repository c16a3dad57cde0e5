/* Preloaded into a translator: every malloc or calloc of exactly
   $ZEDRA_FAIL_SIZE bytes fails, as if memory had run out then. */
#include <stddef.h>
#include <stdlib.h>

void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);

static int fails(size_t size)
{
  const char *text = getenv("ZEDRA_FAIL_SIZE");
  return text && (size_t)atol(text) == size;
}

void *malloc(size_t size)
{
  return fails(size) ? NULL : __libc_malloc(size);
}

void *calloc(size_t count, size_t size)
{
  return fails(count * size) ? NULL : __libc_calloc(count, size);
}
