#pragma once

#include <QDate>
#include <QString>

#include "core/pair/pair.h"
#include "io/fileoutcome.h"

class QPagedPaintDevice;
class QPainter;

// The printed gear pair: one A4 page with the shared data, the table of both gears, the
// table of the pair, the picture of the mesh, the warnings and the date.
namespace geardim {

void paintPairReport(QPainter &painter, QPagedPaintDevice &device, const PairResult &pair, const QDate &date);

// Writes the page as an A4 PDF with its fonts embedded, all or nothing; the problem names
// the file. Needs a QGuiApplication (the offscreen platform will do).
FileDone writePairReportPdf(const QString &path, const PairResult &pair, const QDate &date);

} // namespace geardim
