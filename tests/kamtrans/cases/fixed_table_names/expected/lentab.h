#define SEGLEN1 9
#define SEGLEN2 8
