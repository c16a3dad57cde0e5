/* Compiles rts.h with a small translated program around it, in the text
   that k2c writes: the program frame, a call and its return, the stack
   routines, a variable and an indexed access. */
#include "rts.h"

char *StringTab[] = { "text", 0 };

int
main(void)
{
crseg(1, 2);				/* crseg    */
push(7); 				/* ldcon    */
push(2); 				/* ldcon    */
{ int pop1= pop();			/* sub      */
  push(pop() - pop1);
}
putmemr(1, 0, pop());		/* stvar    */
{ jmp_buf jmpbuf;			/* call     */
  if (setjmp(jmpbuf) == 0) {
    ccall(&jmpbuf);
    goto l_1;
  }
}
wrint(push(pop()));				/* wrint    */
pop();					/* pop      */
push(2); 				/* ldcon    */
push(0); 				/* ldcon    */
push(1); 				/* ldcon    */
push(1); 				/* ldcon    */
{ int sn= 1;				/* ldxvar   */
  push(getmemr(sn, ixdpl(sn, 0)));
}
push(0); 				/* ldcon    */
push(1); 				/* ldcon    */
push(eqn(pop(), 1, 0));		/* eqn      */
push(3); 				/* ldcon    */
swap();				/* swap     */
wrint(push(pop()));				/* wrint    */
pop();					/* pop      */
wrint(push(pop()));				/* wrint    */
pop();					/* pop      */
dlseg();				/* dlseg    */
return 0;				/* halt     */
l_1: push(getmemr(1, 0));			/* ldvar    */
{ jmp_buf jmpbuf;			/* return_  */
  creturn_(&jmpbuf);
  longjmp(jmpbuf, 1);
}
}
