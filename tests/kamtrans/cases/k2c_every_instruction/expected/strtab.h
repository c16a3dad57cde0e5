char *StringTab[]= {
	"one",
	"two",
	0
};
#define STRTABSIZE (sizeof StringTab/sizeof StringTab[0])-1
