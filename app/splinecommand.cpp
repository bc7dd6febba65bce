#include "app/splinecommand.h"

#include <QCommandLineParser>
#include <QDate>

#include "app/batchrun.h"
#include "app/clioutput.h"
#include "core/common/numberparse.h"
#include "core/spline/splinebatch.h"
#include "core/spline/splineinputs.h"
#include "core/spline/splinereport.h"
#include "gui/painting/measurementpicture.h"
#include "gui/spline/splinepdf.h"
#include "io/allowancefile.h"
#include "io/language.h"
#include "io/splinefile.h"

namespace geardim {
int runSplineCommand(const QStringList &arguments)
{
    const auto said = [](const char *text) { return QCoreApplication::translate("CommandLine", text); };
    QCommandLineParser parser;
    parser.setApplicationDescription(said(QT_TRANSLATE_NOOP("CommandLine", "花键：按标记计算跨棒距或棒间距及其上下限")));
    parser.addHelpOption();
    const QCommandLineOption designation{QStringLiteral("designation"),
                                         said(QT_TRANSLATE_NOOP("CommandLine", "花键标记，如 \"INT 25z × 1m × 30P × 5H ISO 4156\" 或 \"DIN 5480 - W 50 x 2 x 24 x 8f\"")),
                                         QStringLiteral("text")};
    // The spline's numbers, from its inputs table.
    std::vector<QCommandLineOption> numbers;
    for (const SplineOption &o : splineOptions())
        numbers.emplace_back(QString::fromLatin1(o.name), said(o.help), QString::fromLatin1(o.valueName));
    const QCommandLineOption format{QStringLiteral("format"), said(QT_TRANSLATE_NOOP("CommandLine", "输出格式：text（默认）、csv 或 json")), QStringLiteral("text|csv|json"),
                                    QStringLiteral("text")};
    const QCommandLineOption batch{QStringLiteral("batch"),
                                   said(QT_TRANSLATE_NOOP("CommandLine", "批量计算：CSV 文件，表头为选项名（不带 --），每行一个花键")),
                                   QStringLiteral("in.csv")};
    const QCommandLineOption outFile{QStringLiteral("out"), said(QT_TRANSLATE_NOOP("CommandLine", "批量结果的 CSV 文件（默认标准输出）")),
                                 QStringLiteral("out.csv")};
    const QCommandLineOption load{QStringLiteral("load"), said(QT_TRANSLATE_NOOP("CommandLine", "从花键文件读取输入，其他选项覆盖文件中的值")),
                                  QStringLiteral("file")};
    const QCommandLineOption save{QStringLiteral("save"), said(QT_TRANSLATE_NOOP("CommandLine", "把选项生效后的输入写入花键文件")),
                                  QStringLiteral("file")};
    const QCommandLineOption allowanceTable{QStringLiteral("allowance-table"),
                                            said(QT_TRANSLATE_NOOP("CommandLine", "DIN 5480：从齿厚偏差表按标记中的公差代号（如 8f）和参考直径 dB 取上下偏差")),
                                            QStringLiteral("table.csv")};
    const QCommandLineOption failExit{QStringLiteral("fail-exit"),
                                      said(QT_TRANSLATE_NOOP("CommandLine", "实测值不合格时以状态 4 退出，无法判定时以状态 5 退出（供脚本使用）"))};
    const QCommandLineOption pdf{QStringLiteral("pdf"), said(QT_TRANSLATE_NOOP("CommandLine", "把花键的尺寸表导出为 A4 PDF")), QStringLiteral("file")};
    // The inspection record the PDF prints above its line to sign, as the sheet's.
    const QCommandLineOption picture{QStringLiteral("picture"), said(QT_TRANSLATE_NOOP("CommandLine", "把测量图写入 PNG 或 SVG 文件")),
                                     QStringLiteral("file")};
    const QCommandLineOption pictureSize{QStringLiteral("picture-size"), said(QT_TRANSLATE_NOOP("CommandLine", "测量图的大小，默认 1200x800")),
                                         QStringLiteral("WxH"), QStringLiteral("1200x800")};
    const QCommandLineOption drawing{QStringLiteral("drawing"), said(QT_TRANSLATE_NOOP("CommandLine", "图号（检验记录）")), QStringLiteral("text")};
    const QCommandLineOption part{QStringLiteral("part"), said(QT_TRANSLATE_NOOP("CommandLine", "零件编号（检验记录）")), QStringLiteral("text")};
    const QCommandLineOption inspector{QStringLiteral("inspector"), said(QT_TRANSLATE_NOOP("CommandLine", "检验员（检验记录）")), QStringLiteral("text")};
    const QCommandLineOption gaugeNumber{QStringLiteral("gauge-number"), said(QT_TRANSLATE_NOOP("CommandLine", "量具编号（检验记录）")),
                                         QStringLiteral("text")};
    QList<QCommandLineOption> options{designation};
    options.append(QList<QCommandLineOption>(numbers.begin(), numbers.end()));
    options.append({format, batch, outFile, load, save, pdf, picture, pictureSize, failExit, allowanceTable, drawing, part, inspector, gaugeNumber});
    addOptionsWrapped(parser, options);
    parser.addPositionalArgument(QStringLiteral("spline"), said(QT_TRANSLATE_NOOP("CommandLine", "命令")));
    if (const std::optional<int> ended = parseCommand(parser, arguments, QStringLiteral("spline"), format))
        return *ended;
    const QString form = parser.value(format);
    if (const auto refused = refuseOutputOverInput(parser, {&load, &allowanceTable, &batch}, {&save, &pdf, &picture, &outFile}))
        return *refused;
    const std::optional<QSize> pictureArea = pictureSizeFrom(parser.value(pictureSize));
    if (parser.isSet(picture) && !pictureArea)
        return pictureSizeError(parser.value(pictureSize));
    // The shop's allowance table, for a DIN 5480 tolerance without typed deviations.
    std::optional<AllowanceTable> table;
    if (parser.isSet(allowanceTable)) {
        FileOutcome<AllowanceTable> read = readAllowanceTable(parser.value(allowanceTable));
        if (!read.ok())
            return noResult(read.problem());
        table = std::move(read.value());
    }
    if (parser.isSet(batch)) {
        // The batch's lines carry every input.
        std::vector<const QCommandLineOption *> singles{&designation, &load, &save, &pdf, &picture, &drawing, &part, &inspector, &gaugeNumber};
        for (const QCommandLineOption &number : numbers)
            singles.push_back(&number);
        for (const QCommandLineOption *single : singles) {
            if (parser.isSet(*single))
                return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--%1 不能与 --batch 同用：批量文件的列给出每个花键的输入。"))
                                      .arg(single->names().first()));
        }
        BatchRun run;
        if (const std::optional<int> refused = run.open(parser.value(batch), parser.isSet(outFile) ? parser.value(outFile) : QString()))
            return *refused;
        const SplineBatchSummary summary = runSplineBatch(run.in(), run.out(), qtTextTranslator(), table ? &*table : nullptr);
        if (const std::optional<int> failed = run.finish(summary.problem))
            return *failed;
        if (const std::optional<int> status = linesWithoutResult(summary.withoutResult, summary.splines))
            return *status;
        return judgedStatus(parser.isSet(failExit), summary.partsFailing > 0, summary.partsNotJudged > 0);
    }
    if (parser.isSet(outFile))
        return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--out 只用于 --batch。")));
    // The inputs: a spline file's, then the options over them.
    SplineFields inputs;
    if (parser.isSet(load)) {
        const FileOutcome<SplineFields> read = readSplineFile(parser.value(load));
        if (!read.ok())
            return noResult(read.problem());
        inputs = read.value();
    }
    if (parser.isSet(designation))
        inputs.designation = parser.value(designation).toStdString();
    if (inputs.designation.empty())
        return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "缺少 --designation：花键标记。")));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (!parser.isSet(numbers[i]))
            continue;
        const std::optional<double> v = parseDouble(parser.value(numbers[i]).toStdString());
        if (!v)
            return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--%1 的值“%2”不是数。")).arg(numbers[i].names().first(), parser.value(numbers[i])));
        inputs.*splineOptions()[i].field = *v;
    }
    if (const std::string unpaired = unpairedDeviationsText(inputs, "--", qtTextTranslator()); !unpaired.empty())
        return usageError(QString::fromStdString(unpaired));
    auto read = splineInputOf(inputs, qtTextTranslator());
    if (!read.ok())
        return noResult(QString::fromStdString(read.failure()));
    SplineInput &input = read.value();
    input.allowances = table ? &*table : nullptr;
    if (parser.isSet(save)) {
        if (const FileDone written = writeSplineFile(parser.value(save), inputs); !written.ok())
            return noResult(written.problem());
    }
    const SplineOutcome out = computeSpline(input);
    if (!out.ok())
        return noResult(QString::fromStdString(splineFailureText(out.failure(), qtTextTranslator())));
    if (parser.isSet(pdf)) {
        const InspectionRecord record{parser.value(drawing), parser.value(part), parser.value(inspector), parser.value(gaugeNumber)};
        if (const FileDone written = writeSplineReportPdf(parser.value(pdf), out.value(), QDate::currentDate(), record); !written.ok())
            return noResult(written.problem());
    }
    if (parser.isSet(picture)) {
        const std::optional<MeasurementDrawing> drawn = splineDrawing(out.value());
        if (!drawn)
            return noResult(said(QT_TRANSLATE_NOOP("CommandLine", "量棒不能同时接触齿槽两侧的齿面：没有测量图。")));
        if (const FileDone written = writeMeasurementPicture(parser.value(picture), *pictureArea, *drawn); !written.ok())
            return noResult(written.problem());
    }
    if (form == QLatin1String("json")) {
        printTo(stdout, splineJson(out.value(), qtTextTranslator()));
    } else if (form == QLatin1String("csv")) {
        printTo(stdout, csvRecord(splineColumns(out.value())));
    } else {
        printTo(stdout, splineText(out.value(), qtTextTranslator()));
    }
    // A part that fails is a result (0); for scripts, --fail-exit makes it 4, and 5 when the
    // value could not be judged.
    const std::optional<SplineMeasured> &judged = out.value().measured;
    return judgedStatus(parser.isSet(failExit), judged ? std::optional(partVerdict({judged->verdict})) : std::nullopt);
}

} // namespace geardim
