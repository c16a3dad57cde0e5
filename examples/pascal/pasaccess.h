/*
 * pasaccess.h - variable accesses: a name, maybe with indexes, whose value
 * is loaded or into which a value is stored.
 *
 * The KAM code of each kind of access:
 *
 *   scalar variable          ldvar sn dpl              stvar sn dpl
 *   var parameter            ldvar sn dpl; ldind;      ldvar sn dpl (before the
 *                            swap; pop                 value); stind; pop
 *   array element            indexes; ldcon -1;        value; indexes; ldcon -1;
 *                            ldxvar sn dpl             stxvar sn dpl
 *   whole array              ldcon 0; ldnvar sn dpl    ldcon 0; stnvar sn dpl
 *   part of an array         through the row descriptor of its segment (below)
 *
 * where dpl of an array is its descriptor.  The indexes of a store are read
 * before the value but must follow it: they are set aside and emitted
 * after the value.  A part of an array (a row of a two-dimensional one)
 * moves through a descriptor of three words in the array's segment whose
 * start word the code sets to the row's first element: the element's
 * address from xvaraddr, less the address of the segment's word 0.
 *
 * A var argument takes the address where the value would be loaded: the
 * last load of a variable, when it is all an argument's code, becomes
 * varaddr, xvaraddr or the parameter's own address.
 */
#ifndef pasaccess_h
#define pasaccess_h

#include "pastypes.h"

void accesses_reset(void);

/* An access to the variable (or constant, or function) S written at LINE;
   FOR_STORE when a value is stored into it. */
varref access_begin(symbol s, int line, int for_store);
/* An index of type T follows; its code has just been emitted. */
void access_index(varref a, typeid t);
void access_end_selectors(varref a);

/* Emits the load of the value; its type. */
typeid access_load(varref a);

/* Before and after the code of the value to store (of type T). */
void access_before_value(varref a);
void access_store(varref a, typeid t);

/* Reads a value from the input line into the variable. */
void access_read(varref a);

/* Turns the code since MARK into the address of a variable of type *T, when
   that code is just the load of a variable; 0 when it is not. */
int access_take_address(int mark, typeid *t);

/* A value of WORDS words is pushed at LINE: reports when it would not fit
   on the evaluation stack. */
int access_fits_stack(int words, int line, const char *what);

#endif
