#include "rts.h"
#include "lentab.h"
#include "strtab.h"
int
main(void)
{
return 0;				/* halt     */
}
