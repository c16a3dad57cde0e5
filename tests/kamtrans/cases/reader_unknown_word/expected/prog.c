#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
push(1); 				/* ldcon    */
wrint(push(pop()));				/* wrint    */
return 0;				/* halt     */
}
