#ifndef calcacts_h
#define calcacts_h
#include "calcscan.h"

typedef enum { opAdd, opSub, opMul, opDiv } opcode;

void zero(integer *v);
void no_op(opcode *o);
void set_op(opcode given, opcode *o);
void copy(integer from, integer *to);
void apply(opcode o, integer left, integer right, integer *result);
void negate(integer v, integer *result);
void show(integer v);
void count_line(void);

#endif
