// The program's own start-up, reporting when the menu has been painted: the program's
// launcher opening the windows module as shipped, then a small module (Qt Core only,
// loaded after the windows module has loaded Qt) whose report is the menu's first watcher.
#include "app/launch.h"

int main(int argc, char *argv[])
{
    using namespace geardim;
    void *windows = launch::openModule("geardim-windows.so");
    void *report = launch::openModule("geardim-shown.so");
    const auto run = windows ? launch::entryOf<WindowsEntry>(windows, "geardimWindows") : nullptr;
    using Report = void (*)(QObject *menu);
    const auto shown = report ? launch::entryOf<Report>(report, "geardimReportWhenShown") : nullptr;
    return run && shown ? run(argc, argv, shown) : 1;
}
