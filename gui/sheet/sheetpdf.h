#pragma once

#include <QDate>
#include <QString>

#include "core/gear/gear.h"
#include "io/fileoutcome.h"
#include "io/workpiecelog.h"

class QPagedPaintDevice;
class QPainter;

// The printed inspection sheet: one A4 page with the program's name, the gear's data,
// the allowances, the gauge, the table with units and the window's decimals, the
// warnings and the date. The same painting serves the printer and the PDF.
namespace geardim {

// Paints the page on a device whose page layout is set (A4 for the PDF).
// The page also prints the measured values with their verdicts and the inspection record
// (drawing, part, gauge, inspector) with a line to sign.
void paintReport(QPainter &painter, QPagedPaintDevice &device, const SheetResult &sheet, const QDate &date,
                 const InspectionRecord &record = {});

// Writes the page as an A4 PDF with its fonts embedded, all or nothing; the problem
// names the file. Needs a QGuiApplication (the offscreen platform will do).
FileDone writeReportPdf(const QString &path, const SheetResult &sheet, const QDate &date,
                        const InspectionRecord &record = {});

} // namespace geardim
