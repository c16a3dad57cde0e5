#ifndef marksact_h
#define marksact_h
#include "marksscan.h"

void note(char what);
void mark(void);

#endif
