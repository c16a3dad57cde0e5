/*
 * pasgrow.h - growing the compiler's tables.
 *
 * Every table of the compiler (symbols, scopes, code, labels, pieces, the
 * length and string tables, pending names) is an array that doubles when
 * it is full.
 */
#ifndef pasgrow_h
#define pasgrow_h

#include <stddef.h>

/* BLOCK with room for at least NEEDED elements of SIZE bytes; *CAP holds
   the room and is updated.  Out of memory is reported by the runtime. */
void *pas_grow(void *block, int *cap, int needed, size_t size);

#endif
