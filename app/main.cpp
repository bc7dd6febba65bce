#include "app/appsetup.h"
#include "app/commandline.h"
#include "common/language.h"

// Without arguments (or with Qt's own options) the windows; otherwise the command line.
// `--lang zh|en` may stand anywhere and chooses the language of both.
int main(int argc, char *argv[])
{
    const geardim::Language language = geardim::chooseLanguage(argc, argv);
    if (geardim::isCommandLine(argc, argv))
        return geardim::runCommandLine(argc, argv, language);
    return geardim::runProgram(argc, argv, {}, language);
}
