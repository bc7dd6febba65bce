#include "printing/printdialog.h"

#include <QCoreApplication>
#include <QLibrary>

namespace geardim {

PrintWithDialog loadPrintModule()
{
    static PrintWithDialog entry = nullptr;
    if (entry)
        return entry;
    const QString here = QCoreApplication::applicationDirPath();
    // Beside the program in the build tree (tests run from tests/), or installed under lib/geardim.
    for (const QString &folder : {here, here + QStringLiteral("/../app"), here + QStringLiteral("/../lib/geardim")}) {
        QLibrary module(folder + QStringLiteral("/geardim-print"));
        if (module.load()) {
            entry = reinterpret_cast<PrintWithDialog>(module.resolve("geardimPrintWithDialog"));
            if (entry)
                return entry;
        }
    }
    return nullptr;
}

} // namespace geardim
