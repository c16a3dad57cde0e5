#define SEGLEN1 5
#define SEGLEN2 10
