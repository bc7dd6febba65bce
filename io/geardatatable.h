#pragma once

#include <QString>

#include <string>

#include "core/gear/gear.h"
#include "io/fileoutcome.h"

namespace geardim {

// Writes the gear data table for the drawing, all or nothing: DXF (through dxflib, text and
// lines in a block GEARDATA that a CAD program places where it wants, inserted once at
// the origin), SVG or CSV by the file's suffix, captions in the language shown.
FileDone writeGearDataTable(const QString &path, const SheetResult &sheet, const QString &drawing = QString());

// The table as DXF text.
QByteArray gearDataDxf(const SheetResult &sheet);

// The DXF's text style: the Chinese drafting standard's SHX fonts, Latin and big font.
inline constexpr const char *kLatinFont = "gbenor.shx";
inline constexpr const char *kBigFont = "gbcbig.shx";

// How wide a text is set in those fonts at a height (mm): the table's columns take the
// widest of their texts.
double dxfTextWidth(const std::string &utf8, double height);

} // namespace geardim
