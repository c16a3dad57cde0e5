
void f(void);
