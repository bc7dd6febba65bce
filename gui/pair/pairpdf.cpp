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
    const QRectF page(0, 0, device.width(), device.height());
    const double mm = device.logicalDpiX() / 25.4;
    const double left = page.left() + 5 * mm, width = page.width() - 10 * mm;
    double y = page.top() + 5 * mm;
    const TextTranslator &translate = qtTextTranslator();

    p.setFont(reportFont(16, true));
    y = paragraph(p, QCoreApplication::translate("Report", "Velkor测量尺寸 — 齿轮副"), left, width, y) + 2 * mm;
    p.setFont(reportFont(10));
    y = paragraph(p, QString::fromStdString(pairText(r, translate)).section(u'\n', 0, 0), left, width, y) + 3 * mm;
    y = paintTable(p, device, pairTableCells(pairGearTable(r, translate)), {0.46, 0.1, 0.22, 0.22}, 2, left, width, y) + 3 * mm;
    y = paintTable(p, device, pairTableCells(pairTable(r, translate)), {0.46, 0.08, 0.155, 0.155, 0.15}, 2, left, width, y) + 3 * mm;
    const double pictureHeight = std::min(75 * mm, page.bottom() - y - 25 * mm);
    if (pictureHeight > 25 * mm) {
        paintMeasurement(p, QRectF(left, y, width, pictureHeight), pairDrawing(r));
        y += pictureHeight + 3 * mm;
    }
    p.setPen(Qt::black);
    p.setFont(reportFont(10));
    for (const std::string &w : pairWarningMessages(r, translate))
        y = paragraph(p, QCoreApplication::translate("Report", "注意：") + QString::fromStdString(w), left, width, y) + 1 * mm;
    paintRecordBlock(p, InspectionRecord{}, date, mm, left, width, y + 2 * mm);
}

FileDone writePairReportPdf(const QString &path, const PairResult &pair, const QDate &date)
{
    return writePdfPage(path, QCoreApplication::translate("Report", "齿轮副"),
                        [&](QPainter &painter, QPagedPaintDevice &pdf) { paintPairReport(painter, pdf, pair, date); });
}

} // namespace geardim
