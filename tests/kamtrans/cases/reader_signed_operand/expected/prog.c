#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
push(+7); 				/* ldcon    */
push(-3); 				/* ldcon    */
wrint(push(pop()));				/* wrint    */
return 0;				/* halt     */
}
