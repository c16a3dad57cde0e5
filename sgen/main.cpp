#include "driver/driver.h"

int main(int argc, char** argv) { return zedra::run_sgen(argc, argv); }
