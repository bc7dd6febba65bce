// One program: the windows, or with a command word or a long option the command line,
// which needs no display. `--lang zh|en` may stand anywhere and chooses the language.
#include <cstdio>
#include <string>

#include "app/appsetup.h"
#include "app/commandline.h"
#include "app/platform/console.h"
#include "io/language.h"

int main(int argc, char *argv[])
{
    using namespace geardim;
    prepareProcess();
    std::string refused;
    const Language language = chooseLanguage(argc, argv, &refused);
    // A language the program does not speak is a usage error, said in both of its languages.
    if (refused == "--lang") {
        std::fputs("geardim: --lang 缺少值（zh 或 en）。 / --lang needs a value: zh or en.\n", stderr);
        return 2;
    }
    if (!refused.empty()) {
        std::fprintf(stderr, "geardim: --lang 只能是 zh 或 en，而不是“%s”。 / --lang takes zh or en, not \"%s\".\n",
                     refused.c_str(), refused.c_str());
        return 2;
    }
    if (const QString document = documentArgument(argc, argv); !document.isEmpty())
        return runProgram(argc - 1, argv, language, document);
    if (!wantsCommandLine(argc, argv))
        return runProgram(argc, argv, language);
    attachToParentConsole();
    return runCommandLine(argc, argv, language);
}
