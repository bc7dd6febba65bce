#pragma once

#include <QDate>
#include <QString>

#include "core/spline/spline.h"
#include "io/fileoutcome.h"
#include "io/workpiecelog.h"

class QPagedPaintDevice;
class QPainter;

// The printed spline: one A4 page with the designation read back, the inputs, the table of
// every dimension with its actual and effective limits, the picture of the pins in the
// spline, the warnings and the date.
namespace geardim {

// The page ends with the inspection record and a line to sign, as the gear's does.
void paintSplineReport(QPainter &painter, QPagedPaintDevice &device, const SplineResult &spline, const QDate &date,
                       const InspectionRecord &record = {});

// Writes the page as an A4 PDF with its fonts embedded, all or nothing; the problem names
// the file. Needs a QGuiApplication (the offscreen platform will do).
FileDone writeSplineReportPdf(const QString &path, const SplineResult &spline, const QDate &date,
                              const InspectionRecord &record = {});

} // namespace geardim
