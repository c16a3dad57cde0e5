char *StringTab[]= {
	0
};
#define STRTABSIZE (sizeof StringTab/sizeof StringTab[0])-1
