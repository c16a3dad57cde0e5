#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
push(-3); 				/* ldcon    */
push(+7); 				/* ldcon    */
l_12: push(getmemr(2, 5));			/* ldvar    */
push(pop() + pop());			/* add      */
push(pop() + pop());			/* add      */
wrint(push(pop()));				/* wrint    */
pop();					/* pop      */
goto l_12;				/* jump     */
return 0;				/* halt     */
}
