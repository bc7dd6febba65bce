#include "gui/pair/pairpdf.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/pair/pairdrawing.h"
#include "core/pair/pairreport.h"
#include "gui/painting/measurementpicture.h"
#include "gui/painting/page.h"
#include "io/language.h"

namespace geardim {

void paintPairReport(QPainter &p, QPagedPaintDevice &device, const PairResult &r, const QDate &date)
{
    const PageColumn column = pageColumn(device);
    const double mm = column.mm, left = column.left, width = column.width;
    const TextTranslator &translate = qtTextTranslator();
    double y = pageTitle(p, column, QCoreApplication::translate("Report", "Velkor测量尺寸 — 齿轮副"));
    y = paragraph(p, QString::fromStdString(pairText(r, translate)).section(u'\n', 0, 0), left, width, y) + 3 * mm;
    y = paintTable(p, device, pairTableCells(pairGearTable(r, translate)), {0.46, 0.1, 0.22, 0.22}, 2, left, width, y) + 3 * mm;
    y = paintTable(p, device, pairTableCells(pairTable(r, translate)), {0.46, 0.08, 0.155, 0.155, 0.15}, 2, left, width, y) + 3 * mm;
    const MeasurementDrawing drawing = pairDrawing(r);
    y = pictureAndWarnings(p, column, y, 75 * mm, 25 * mm, &drawing, pairWarningMessages(r, translate));
    paintRecordBlock(p, InspectionRecord{}, date, mm, left, width, y + 2 * mm);
}

FileDone writePairReportPdf(const QString &path, const PairResult &pair, const QDate &date)
{
    return writePdfPage(path, QCoreApplication::translate("Report", "齿轮副"),
                        [&](QPainter &painter, QPagedPaintDevice &pdf) { paintPairReport(painter, pdf, pair, date); });
}

} // namespace geardim
