#include "acts.h"

void f(void)
{

} /* f */
