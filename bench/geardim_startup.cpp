// The program's own start-up, reporting when the menu has been painted.
#include "app/appsetup.h"
#include "bench/shown.h"

int main(int argc, char *argv[])
{
    // Installed after the program's own first-paint work, so the report comes first.
    return geardim::runProgram(argc, argv, [](QWidget *menu) { reportWhenShown(menu); });
}
