#include "app/launch.h"

// Without arguments (or with Qt's own options) the windows; otherwise the command line.
// Each is a module, loaded here so that the command line never loads the windows'
// libraries. `--lang zh|en` may stand anywhere and chooses the language of both.
int main(int argc, char *argv[])
{
    using namespace geardim;
    if (launch::wantsCommandLine(argc, argv)) {
        void *module = launch::openModule("geardim-cli.so");
        const auto run = module ? launch::entryOf<CommandLineEntry>(module, "geardimCommandLine") : nullptr;
        return run ? run(argc, argv) : 1;
    }
    void *module = launch::openModule("geardim-windows.so");
    const auto run = module ? launch::entryOf<WindowsEntry>(module, "geardimWindows") : nullptr;
    return run ? run(argc, argv, nullptr) : 1;
}
