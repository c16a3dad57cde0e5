
void none(void);
void both(integer a1, boolean *a2, char a3);
