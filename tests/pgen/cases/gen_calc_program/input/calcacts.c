#include "calcacts.h"

void zero(integer *v) { *v= 0; }
void no_op(opcode *o) { *o= opAdd; }
void set_op(opcode given, opcode *o) { *o= given; }
void copy(integer from, integer *to) { *to= from; }

void apply(opcode o, integer left, integer right, integer *result)
{
  switch (o) {
    case opAdd: *result= left + right; break;
    case opSub: *result= left - right; break;
    case opMul: *result= left * right; break;
    case opDiv: *result= right != 0 ? left / right : 0; break;
  }
}

void negate(integer v, integer *result) { *result= -v; }
void show(integer v) { printf("= %d\n", v); }
void count_line(void) {}
