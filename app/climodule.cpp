// The command-line module's entry.
#include <QtGlobal>

#include <cstdio>
#include <string>
#include <type_traits>

#include "app/commandline.h"
#include "app/launch.h"
#include "common/language.h"

extern "C" Q_DECL_EXPORT int geardimCommandLine(int argc, char **argv)
{
    std::string refused;
    const geardim::Language language = geardim::chooseLanguage(argc, argv, &refused);
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
    return geardim::runCommandLine(argc, argv, language);
}

static_assert(std::is_same_v<decltype(&geardimCommandLine), geardim::ModuleEntry>);
