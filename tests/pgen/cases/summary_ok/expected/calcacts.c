#include "calcacts.h"

void push(integer v)
{

} /* push */

void add(void)
{

} /* add */
