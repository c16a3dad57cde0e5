/* Compiles rts.h with a minimal translated program around it. */
#include "rts.h"

char *StringTab[] = { "text", 0 };

int rts_check_program(void);

int rts_check_program(void)
{
  push(7);
  push(2);
  { int pop1= pop();
    push(pop() - pop1);
  }
  wrint(push(pop()));
  pop();
  return 0;
}
