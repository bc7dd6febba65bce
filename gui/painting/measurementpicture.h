#pragma once

#include <QRectF>
#include <QString>
#include <QSize>

#include "core/drawing/drawing.h"
#include "io/fileoutcome.h"

class QPainter;

// The measuring set-up painted: the whole gear beside the measured tooth space, to
// scale, with the caption beneath. The same painting serves the sheet window, the
// printed page, the PDF and the picture files.
namespace geardim {

void paintMeasurement(QPainter &painter, const QRectF &area, const MeasurementDrawing &drawing);

// Writes the picture as PNG or SVG (written directly from the drawing, so no SVG library
// is needed), chosen by the file's suffix, all or nothing; the problem names the file.
FileDone writeMeasurementPicture(const QString &path, const QSize &size, const MeasurementDrawing &drawing);

} // namespace geardim
