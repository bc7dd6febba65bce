#pragma once

#include <QDate>
#include <QFont>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "core/drawing/drawing.h"
#include "core/measure/measurement.h"
#include "io/fileoutcome.h"
#include "io/workpiecelog.h"

class QPagedPaintDevice;
class QPainter;

// What every printed page of the program is made of: its fonts, paragraphs, tables, the
// measured lines with their verdicts, the record block with the inspector's line, and the
// one way a page is written as a PDF. The same painting serves the printer and the PDF.
namespace geardim {

// What the printed pages share: the Song face at a size in points; text wrapped into a
// width from y down (returns the y below it); a table of text, its first row the headings,
// columns as fractions of the width, those from leftAligned on aligned right (returns the y
// below it).
QFont reportFont(double points, bool bold = false);
double paragraph(QPainter &p, const QString &text, double left, double width, double y);
// A measured value's line with its verdict (the words after its last comma) held together:
// Chinese text may wrap between any two characters, but never inside 偏厚.
QString verdictKeptWhole(const QString &line);
// A measured value's line, marked 【不合格】 in bold red when its verdict fails, its verdict
// kept whole.
double markedParagraph(QPainter &p, const QString &text, bool fails, double left, double width, double y);
// The inspection record (drawing, part, gauge, the date) and the inspector's line to sign,
// from y down (returns the y below it); mm is the device's millimetre.
double paintRecordBlock(QPainter &p, const InspectionRecord &inspection, const QDate &date, double mm, double left,
                        double width, double y);
// The part's conclusion (结论：合格 / 不合格 / 未判定), bold, in its verdict's colour.
double conclusionParagraph(QPainter &p, PartVerdict verdict, double left, double width, double y);
double paintTable(QPainter &p, QPagedPaintDevice &device, const std::vector<std::vector<std::string>> &lines,
                  const std::vector<double> &columns, int leftAligned, double left, double width, double y);

// The printable column of a page: 5 mm margins; mm is the device's millimetre.
struct PageColumn {
    double mm = 1, left = 0, width = 0, top = 0, bottom = 0;
};
PageColumn pageColumn(const QPagedPaintDevice &device);
// The page's title in bold, leaving the body font set; returns the y below it.
double pageTitle(QPainter &p, const PageColumn &column, const QString &title);
// The measuring picture, at most maxHeight high and only if 25 mm of it fits above the room
// kept below it, then each warning after 注意：; returns the y below them.
double pictureAndWarnings(QPainter &p, const PageColumn &column, double y, double maxHeight, double keptBelow,
                          const MeasurementDrawing *drawing, const std::vector<std::string> &warnings);

// Writes one A4 page as a PDF with its fonts embedded, all or nothing, painted by paint;
// the problem names the file. Needs a QGuiApplication (the offscreen platform will do).
FileDone writePdfPage(const QString &path, const QString &title, const std::function<void(QPainter &, QPagedPaintDevice &)> &paint);

} // namespace geardim
