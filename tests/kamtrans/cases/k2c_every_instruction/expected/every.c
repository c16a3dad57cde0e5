#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
push(abs(pop()));			/* abs_     */
push(pop() + pop());			/* add      */
push(pop() & pop());			/* and      */
{ jmp_buf jmpbuf;			/* call     */
  if (setjmp(jmpbuf) == 0) {
    ccall(&jmpbuf);
    goto l_7;
  }
}
crseg(1, SEGLEN2);			/* crseg    */
descr(1, 2, 3);			/* descr    */
dlseg();				/* dlseg    */
{ int pop1= pop();			/* dvi      */
  push(dvi(pop(), pop1));
}
push(pop() == pop());			/* eq       */
push(eqn(pop(), 1, 2));		/* eqn      */
{ int pop1= pop();			/* ge       */
  push(pop() >= pop1);
}
{ int pop1= pop();			/* gt       */
  push(pop() > pop1);
}
return 0;				/* halt     */
if (!pop())				/* jiff     */
  goto l_7;
if (pop())				/* jift     */
  goto l_7;
goto l_7;				/* jump     */
push(1); 				/* ldcon    */
{ int addr= pop();			/* ldind    */
  push(addr);
  push(getmema(addr));
}
{ int i, n= pop(), sn= 1, dpl= 2;	/* ldnvar   */
  if (n == 0) {
    n= getmemr(sn, dpl+2);
    dpl= getmemr(sn, dpl+1);
  }
  for (i= 0; i < n; i++)
    push(getmemr(sn, dpl+i));
}
push(getmemr(1, 2));			/* ldvar    */
{ int sn= 1;				/* ldxvar   */
  push(getmemr(sn, ixdpl(sn, 2)));
}
{ int pop1= pop();			/* le       */
  push(pop() <= pop1);
}
{ int pop1= pop();			/* lt       */
  push(pop() < pop1);
}
{ int pop1= pop();			/* mdl      */
  push(mdl(pop(), pop1));
}
push(pop() * pop());			/* mul      */
push(pop() != pop());			/* ne       */
push(-pop());				/* neg      */
push(!eqn(pop(), 1, 2));		/* nen      */
l_7: 					/* noop     */
push(pop() == 0);			/* not      */
push(pop() | pop());			/* or       */
pop();					/* pop      */
{ int n= pop(), sn= 1, dpl= 2;	/* popn     */
  if (n == 0)
    n= getmemr(sn, dpl+2);
  while (n--)
    pop();
}
push(rdbool());			/* rdbool   */
push(rdchar());			/* rdchar   */
push(rdint());				/* rdint    */
push(rdstring(STRTABSIZE));		/* rdstring */
{ jmp_buf jmpbuf;			/* return_  */
  creturn_(&jmpbuf);
  longjmp(jmpbuf, 1);
}
{ int val= pop(), addr= pop();		/* stind    */
  push(addr);
  putmema(val, addr);
}
{ int n= pop(), sn= 1, dpl= 2;	/* stnvar   */
  if (n == 0) {
    n= getmemr(sn, dpl+2);
    dpl= getmemr(sn, dpl+1);
  }
  while (--n >= 0)
    putmemr(sn, dpl+n, pop());
}
putmemr(1, 2, pop());		/* stvar    */
{ int sn= 1, dpl= ixdpl(sn, 2);		/* stxvar   */
  putmemr(sn, dpl, pop());
}
{ int pop1= pop();			/* sub      */
  push(pop() - pop1);
}
swap();				/* swap     */
push(varaddr(1, 2));			/* varaddr  */
wrbool(push(pop()));				/* wrbool   */
wrchar(push(pop()));				/* wrchar   */
wrint(push(pop()));				/* wrint    */
wrstring(STRTABSIZE, push(pop()));		/* wrstring    */
{ int sn= 1;				/* xvaraddr */
  push(varaddr(sn, ixdpl(sn, 2)));
}
}
