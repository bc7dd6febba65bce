// The command-line module's entry.
#include <QtGlobal>

#include <type_traits>

#include "app/commandline.h"
#include "app/launch.h"
#include "common/language.h"

extern "C" Q_DECL_EXPORT int geardimCommandLine(int argc, char **argv)
{
    const geardim::Language language = geardim::chooseLanguage(argc, argv);
    return geardim::runCommandLine(argc, argv, language);
}

static_assert(std::is_same_v<decltype(&geardimCommandLine), geardim::ModuleEntry>);
