char *StringTab[]= {
	"one",
	"two",
	0
};
static int STRTABSIZE=(sizeof StringTab/sizeof StringTab[0])-1;
