#include "marksact.h"

void note(char what) { printf("%c", what); }
void mark(void) { printf(" |\n"); }
