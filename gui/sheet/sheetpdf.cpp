#include "gui/sheet/sheetpdf.h"

#include "io/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>

#include "gui/toolkit/fonts.h"
#include "gui/painting/measurementpicture.h"
#include "core/drawing/drawing.h"
#include "core/sheet/sheetreport.h"
#include "gui/painting/page.h"

namespace geardim {
namespace {

QString number(double v, int decimals) { return QString::fromStdString(sheetNumber(v, decimals)); }

QString optionalNumber(const std::optional<double> &v, int decimals)
{
    return v ? number(*v, decimals) : QStringLiteral("—");
}

// Lines of "label: value" pairs describing what the sheet was computed from.
QStringList inputLines(const SheetResult &r)
{
    const SheetInput &in = r.input;
    const int d = sheetDecimals(r);
    const QString unit = QString::fromLatin1(unitName(r.unit));
    QStringList gear;
    gear << (in.diametralPitch ? QCoreApplication::translate("Report", "径节 P = %1 1/in").arg(*in.diametralPitch)
                               : QCoreApplication::translate("Report", "法向模数 mn = %1 mm").arg(r.module));
    gear << QCoreApplication::translate("Report", "齿数 z = %1").arg(r.teeth);
    gear << QCoreApplication::translate("Report", "法向压力角 αn = %1°").arg(r.pressureAngleDeg);
    gear << QCoreApplication::translate("Report", "螺旋角 β = %1°").arg(r.helixAngleDeg);
    gear << (r.internal ? QCoreApplication::translate("Report", "内齿轮") : QCoreApplication::translate("Report", "外齿轮"));
    gear << (in.thickness ? QCoreApplication::translate("Report", "法向齿厚 sn = %1 %2").arg(*in.thickness).arg(unit)
                          : QCoreApplication::translate("Report", "变位系数 x = %1").arg(r.shift));
    gear << (in.tipDiameter ? QCoreApplication::translate("Report", "齿顶圆直径 da = %1 %2").arg(*in.tipDiameter).arg(unit)
                            : QCoreApplication::translate("Report", "齿顶高系数 ha* = %1").arg(in.addendum));
    if (in.faceWidth)
        gear << QCoreApplication::translate("Report", "齿宽 b = %1 %2").arg(*in.faceWidth).arg(unit);
    QStringList lines;
    lines << QCoreApplication::translate("Report", "齿轮：") + gear.join(QCoreApplication::translate("Report", "，"));
    QString allowances = QCoreApplication::translate("Report", "齿厚偏差（法向）：上偏差 Esns = %1 %3，下偏差 Esni = %2 %3")
                             .arg(number(r.allowanceUpper, d), number(r.allowanceLower, d), unit);
    // Which the sheet used: the allowance code's row, or the typed values over the code.
    if (!in.allowanceCode.empty())
        allowances += (in.allowancesFromCode ? QCoreApplication::translate("Report", "（按齿厚偏差代号 %1）")
                                             : QCoreApplication::translate("Report", "（按输入值，未用代号 %1）"))
                          .arg(QString::fromStdString(in.allowanceCode));
    lines << allowances;
    if (r.accuracy)
        lines << QCoreApplication::translate("Report", "精度等级：%1 级（%2）").arg(r.accuracy->accuracyClass).arg(QLatin1String(kAccuracyStandard));
    lines << QCoreApplication::translate("Report", "量具：%1，直径 D = %2 %3%4")
                 .arg(r.gauge == GaugeKind::Ball ? QCoreApplication::translate("Report", "量球") : QCoreApplication::translate("Report", "量棒"),
                      optionalNumber(r.gaugeDiameter, d), unit,
                      r.gaugeProposed ? QCoreApplication::translate("Report", "（建议）") : QString());
    return lines;
}

} // namespace

void paintReport(QPainter &p, QPagedPaintDevice &device, const SheetResult &r, const QDate &date,
                 const InspectionRecord &inspection)
{
    const PageColumn column = pageColumn(device);
    const double mm = column.mm, left = column.left, width = column.width;
    double y = pageTitle(p, column, QCoreApplication::translate("Report", "Velkor测量尺寸 — 测量尺寸表"));
    for (const QString &line : inputLines(r))
        y = paragraph(p, line, left, width, y) + 1 * mm;
    y += 3 * mm;

    // The table: quantity, unit, nominal, max, min, the deviations as the drawing writes them.
    const TextTranslator &translate = qtTextTranslator();
    std::vector<std::vector<std::string>> lines;
    for (const auto &line : sheetTableCells(r, translate))
        lines.emplace_back(line.begin(), line.end());
    y = paintTable(p, device, lines, {0.31, 0.07, 0.13, 0.13, 0.13, 0.23}, 2, left, width, y);
    y += 4 * mm;

    // What was measured on the part, each verdict, a failing value marked, and the part's
    // conclusion.
    p.setFont(reportFont(10));
    const std::vector<std::string> measuredLines = sheetMeasuredLines(r, translate);
    for (std::size_t i = 0; i < measuredLines.size(); ++i) {
        const MeasuredOutcome &outcome = r.measurements[i].outcome;
        const bool fails = outcome.measured && verdictFails(outcome.measured->verdict);
        y = markedParagraph(p, QString::fromStdString(measuredLines[i]), fails, left, width, y) + 1 * mm;
    }
    if (const std::optional<PartVerdict> part = sheetPartVerdict(r))
        y = conclusionParagraph(p, *part, left, width, y + 1 * mm) + 3 * mm;

    // The measuring set-up, as vector graphics; room kept below for the record.
    const MeasurementDrawing drawing = measurementDrawing(r);
    y = pictureAndWarnings(p, column, y, 80 * mm, 32 * mm, &drawing, sheetWarningMessages(r, translate));
    y += 3 * mm;
    paintRecordBlock(p, inspection, date, mm, left, width, y);
}

FileDone writeReportPdf(const QString &path, const SheetResult &sheet, const QDate &date, const InspectionRecord &record)
{
    return writePdfPage(path, QCoreApplication::translate("Report", "测量尺寸表"), [&](QPainter &painter, QPagedPaintDevice &pdf) {
        paintReport(painter, pdf, sheet, date, record);
    });
}

} // namespace geardim
