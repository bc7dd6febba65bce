#include "app/appsetup.h"

int main(int argc, char *argv[]) { return geardim::runProgram(argc, argv); }
