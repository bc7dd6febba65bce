#pragma once

#include <QString>

#include "core/sheet/sheetcalculation.h"
#include "io/fileoutcome.h"

namespace geardim {

// Writes the gear data table for the drawing, all or nothing: DXF (through dxflib, text and
// lines in a block GEARDATA that a CAD program places where it wants, inserted once at
// the origin), SVG or CSV by the file's suffix, captions in the language shown.
FileDone writeGearDataTable(const QString &path, const SheetResult &sheet, const QString &drawing = QString());

// The table as DXF text.
QByteArray gearDataDxf(const SheetResult &sheet);

} // namespace geardim
