#pragma once

#include <QString>

class QCoreApplication;
class QDate;
class QSize;

// The windows module draws for the command line too: the command line loads it only
// to write a picture or a PDF (see app/launch.h for the program's modules).
namespace geardim {

struct SheetInput;
struct SheetResult;
struct MeasurementDrawing;

// What the command line draws with, from the windows module's entry "geardimDrawing".
struct Drawing {
    // The application object for drawing without a display: fonts on the offscreen platform.
    QCoreApplication *(*application)(int &argc, char **argv);
    // Writes the measurement picture as PNG or SVG; the problem, naming the file, or nothing.
    QString (*writePicture)(const QString &path, const QSize &size, const MeasurementDrawing &drawing);
    // Writes the A4 PDF sheet; the problem, naming the file, or nothing.
    QString (*writePdf)(const QString &path, const SheetInput &input, const SheetResult &sheet, const QDate &date);
};

// Loads the windows module for the command line's drawing. Nothing, the reason said on
// stderr, when it is not there or cannot be loaded.
const Drawing *loadDrawing();

} // namespace geardim
