// The windows module's entries: the windowed program, and the drawing outputs for the
// command line.
#include "app/windowsmodule.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <type_traits>

#include "app/appsetup.h"
#include "app/launch.h"
#include "common/language.h"
#include "records/measurementpicture.h"
#include "records/report.h"

namespace {

QCoreApplication *drawingApplication(int &argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

const geardim::Drawing kDrawing{
    .application = drawingApplication,
    .writePicture = geardim::writeMeasurementPicture,
    .writePdf = geardim::writeReportPdf,
};

} // namespace

extern "C" Q_DECL_EXPORT int geardimWindows(int argc, char **argv)
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
    return geardim::runProgram(argc, argv, language);
}

extern "C" Q_DECL_EXPORT const geardim::Drawing *geardimDrawing() { return &kDrawing; }

static_assert(std::is_same_v<decltype(&geardimWindows), geardim::ModuleEntry>);
