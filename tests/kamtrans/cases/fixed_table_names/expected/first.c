#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
crseg(1, SEGLEN1);			/* crseg    */
dlseg();				/* dlseg    */
return 0;				/* halt     */
}
