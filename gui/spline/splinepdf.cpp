#include "gui/spline/splinepdf.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/drawing/drawing.h"
#include "core/spline/splinereport.h"
#include "gui/painting/measurementpicture.h"
#include "gui/painting/page.h"
#include "io/language.h"

namespace geardim {

void paintSplineReport(QPainter &p, QPagedPaintDevice &device, const SplineResult &r, const QDate &date,
                       const InspectionRecord &record)
{
    const PageColumn column = pageColumn(device);
    const double mm = column.mm, left = column.left, width = column.width;
    const TextTranslator &translate = qtTextTranslator();
    double y = pageTitle(p, column, QCoreApplication::translate("Report", "Velkor测量尺寸 — 花键"));
    const SplineInput &in = r.input;
    QStringList given;
    given << QCoreApplication::translate("Report", "花键：") + QString::fromStdString(splineHeading(r, translate));
    if (in.splineLength)
        given << QCoreApplication::translate("Report", "花键长度 g = %1 mm").arg(*in.splineLength);
    if (in.upperDeviation && in.lowerDeviation)
        given << QCoreApplication::translate("Report", "偏差（输入）：上 %1 mm，下 %2 mm，λ = %3 mm")
                     .arg(*in.upperDeviation)
                     .arg(*in.lowerDeviation)
                     .arg(in.effectiveVariation.value_or(0));
    y = paragraph(p, given.join(QCoreApplication::translate("Report", "，")), left, width, y) + 4 * mm;

    y = paintTable(p, device, splineTableCells(r, translate), {0.27, 0.07, 0.12, 0.135, 0.135, 0.135, 0.135}, 2, left, width, y) + 4 * mm;
    // The measured dimension, its verdict and the part's conclusion.
    if (r.measured) {
        p.setFont(reportFont(10));
        y = markedParagraph(p, QString::fromStdString(splineMeasuredLine(r, translate)), verdictFails(r.measured->verdict), left, width, y)
            + 1 * mm;
        y = conclusionParagraph(p, partVerdict({r.measured->verdict}), left, width, y + 1 * mm) + 3 * mm;
    }

    // The pins in the spline at its nominal size, the spline's own teeth drawn to scale.
    const std::optional<MeasurementDrawing> drawing = splineDrawing(r);
    y = pictureAndWarnings(p, column, y, 80 * mm, 20 * mm, drawing ? &*drawing : nullptr, splineWarningMessages(r, translate));
    paintRecordBlock(p, record, date, mm, left, width, y + 2 * mm);
}

FileDone writeSplineReportPdf(const QString &path, const SplineResult &spline, const QDate &date, const InspectionRecord &record)
{
    return writePdfPage(path, QCoreApplication::translate("Report", "花键"), [&](QPainter &painter, QPagedPaintDevice &pdf) {
        paintSplineReport(painter, pdf, spline, date, record);
    });
}

} // namespace geardim
