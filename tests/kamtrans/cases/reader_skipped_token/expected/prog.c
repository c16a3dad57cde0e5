#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
push(5); 				/* ldcon    */
wrint(push(pop()));				/* wrint    */
pop();					/* pop      */
return 0;				/* halt     */
}
