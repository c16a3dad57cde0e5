
void push(integer v);
void add(void);
