// The windows module's entries: the windowed program, and the drawing outputs for the
// command line.
#include "app/windowsmodule.h"

#include <QGuiApplication>

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
    const geardim::Language language = geardim::chooseLanguage(argc, argv);
    return geardim::runProgram(argc, argv, language);
}

extern "C" Q_DECL_EXPORT const geardim::Drawing *geardimDrawing() { return &kDrawing; }

static_assert(std::is_same_v<decltype(&geardimWindows), geardim::ModuleEntry>);
