#pragma once

#include <QDate>
#include <QString>

#include "core/sheet/sheetcalculation.h"

class QPagedPaintDevice;
class QPainter;

// The printed inspection sheet: one A4 page with the program's name, the gear's data,
// the allowances, the gauge, the table with units and the window's decimals, the
// warnings and the date. The same painting serves the printer and the PDF.
namespace geardim {

// Paints the page on a device whose page layout is set (A4 for the PDF).
void paintReport(QPainter &painter, QPagedPaintDevice &device, const SheetInput &input, const SheetResult &sheet,
                 const QDate &date);

// Writes the page as an A4 PDF with its fonts embedded. Returns the problem, naming
// the file, or an empty text. Needs a QGuiApplication (the offscreen platform will do).
QString writeReportPdf(const QString &path, const SheetInput &input, const SheetResult &sheet, const QDate &date);

} // namespace geardim
