#include "app/appsetup.h"
#include "app/commandline.h"

// Without arguments (or with Qt's own options) the windows; otherwise the command line.
int main(int argc, char *argv[])
{
    if (geardim::isCommandLine(argc, argv))
        return geardim::runCommandLine(argc, argv);
    return geardim::runProgram(argc, argv);
}
