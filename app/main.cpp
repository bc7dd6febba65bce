#include "app/launch.h"

#if defined(GEARDIM_ONE_PROGRAM)
extern "C" int geardimCommandLine(int argc, char **argv);
extern "C" int geardimWindows(int argc, char **argv);
#endif

// Without arguments (or with Qt's own options) the windows; otherwise the command line.
// Each is a module, loaded here so that the command line never loads the windows'
// libraries. `--lang zh|en` may stand anywhere and chooses the language of both.
int main(int argc, char *argv[])
{
    using namespace geardim;
#if defined(GEARDIM_ONE_PROGRAM)
    return launch::wantsCommandLine(argc, argv) ? geardimCommandLine(argc, argv) : geardimWindows(argc, argv);
#else
    const bool commandLine = launch::wantsCommandLine(argc, argv);
    void *module = launch::openModule(commandLine ? "geardim-cli.so" : "geardim-windows.so");
    const auto run =
        module ? launch::entryOf<ModuleEntry>(module, commandLine ? "geardimCommandLine" : "geardimWindows") : nullptr;
    return run ? run(argc, argv) : 1;
#endif
}
