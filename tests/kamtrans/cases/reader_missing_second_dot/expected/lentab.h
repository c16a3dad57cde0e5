#define SEGLEN1 4
