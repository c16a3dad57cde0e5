/*
 * pascall.h - calls of procedures and functions.
 *
 * The caller pushes the arguments in order (a value parameter's value, the
 * whole array for an array parameter, a var parameter's address) and calls
 * the routine's entry; the routine takes them off the stack into its new
 * segment, and a function leaves its result on the stack.
 */
#ifndef pascall_h
#define pascall_h

#include "pastypes.h"

void calls_reset(void);

/* A call of a function without arguments, written as a plain name. */
void call_without_arguments(symbol f, int line);

#endif
