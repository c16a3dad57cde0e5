#include "mini.h"

void begin_print(boolean *printing);
void end_print(boolean *printing);
void assigned(string name);
void show_name(boolean printing, string name);
void show_number(boolean printing, integer value);
void show_real(boolean printing, real value);
void show_string(boolean printing, string text);
void show_char(boolean printing, char code);
