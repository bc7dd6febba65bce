#include "app/paircommand.h"

#include <QCommandLineParser>
#include <QDate>

#include <vector>

#include "app/batchrun.h"
#include "app/clioutput.h"
#include "core/common/numberparse.h"
#include "core/pair/pairbatch.h"
#include "core/pair/pairinputs.h"
#include "core/pair/pairreport.h"
#include "gui/pair/pairpdf.h"
#include "io/gearfile.h"
#include "io/language.h"
#include "io/pairfile.h"

namespace geardim {

int runPairCommand(const QStringList &arguments)
{
    const auto said = [](const char *text) { return QCoreApplication::translate("CommandLine", text); };
    QCommandLineParser parser;
    parser.setApplicationDescription(said(QT_TRANSLATE_NOOP("CommandLine", "齿轮副：中心距、啮合角、侧隙上下限、重合度和齿顶间隙")));
    parser.addHelpOption();
    std::vector<QCommandLineOption> inputs;
    for (const PairOption &o : pairOptions())
        inputs.emplace_back(QString::fromLatin1(o.name), QCoreApplication::translate("PairOption", o.help), QStringLiteral("value"));
    const QCommandLineOption load1{QStringLiteral("load1"), said(QT_TRANSLATE_NOOP("CommandLine", "从齿轮文件读取齿轮 1（其他选项覆盖其值）")),
                                   QStringLiteral("file")};
    const QCommandLineOption load2{QStringLiteral("load2"), said(QT_TRANSLATE_NOOP("CommandLine", "从齿轮文件读取齿轮 2（其他选项覆盖其值）")),
                                   QStringLiteral("file")};
    const QCommandLineOption load{QStringLiteral("load"), said(QT_TRANSLATE_NOOP("CommandLine", "从齿轮副文件读取输入，其他选项覆盖文件中的值")),
                                  QStringLiteral("file")};
    const QCommandLineOption save{QStringLiteral("save"), said(QT_TRANSLATE_NOOP("CommandLine", "把选项生效后的输入写入齿轮副文件")),
                                  QStringLiteral("file")};
    const QCommandLineOption format{QStringLiteral("format"), said(QT_TRANSLATE_NOOP("CommandLine", "输出格式：text（默认）、csv 或 json")),
                                    QStringLiteral("text|csv|json"), QStringLiteral("text")};
    const QCommandLineOption pdf{QStringLiteral("pdf"), said(QT_TRANSLATE_NOOP("CommandLine", "把齿轮副的计算表导出为 A4 PDF")), QStringLiteral("file")};
    const QCommandLineOption batch{QStringLiteral("batch"),
                                   said(QT_TRANSLATE_NOOP("CommandLine", "批量计算：CSV 文件，表头为选项名（不带 --），每行一个齿轮副")),
                                   QStringLiteral("in.csv")};
    const QCommandLineOption outFile{QStringLiteral("out"), said(QT_TRANSLATE_NOOP("CommandLine", "批量结果的 CSV 文件（默认标准输出）")),
                                     QStringLiteral("out.csv")};
    QList<QCommandLineOption> all(inputs.begin(), inputs.end());
    all << load1 << load2 << load << save << format << pdf << batch << outFile;
    addOptionsWrapped(parser, all);
    parser.addPositionalArgument(QStringLiteral("pair"), said(QT_TRANSLATE_NOOP("CommandLine", "命令")));
    if (const std::optional<int> ended = parseCommand(parser, arguments, QStringLiteral("pair"), format))
        return *ended;
    const QString form = parser.value(format);
    if (const auto refused = refuseOutputOverInput(parser, {&load, &load1, &load2, &batch}, {&save, &pdf, &outFile}))
        return *refused;

    if (parser.isSet(batch)) {
        // The batch's lines carry every input.
        std::vector<const QCommandLineOption *> single{&load, &load1, &load2, &save, &pdf};
        for (const QCommandLineOption &o : inputs)
            single.push_back(&o);
        for (const QCommandLineOption *o : single) {
            if (parser.isSet(*o))
                return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--%1 不能与 --batch 同用：批量文件的列给出每个齿轮副的输入。"))
                                      .arg(o->names().first()));
        }
        BatchRun run;
        if (const std::optional<int> refused = run.open(parser.value(batch), parser.isSet(outFile) ? parser.value(outFile) : QString()))
            return *refused;
        const RecordBatchSummary summary = runPairBatch(run.in(), run.out(), qtTextTranslator());
        if (const std::optional<int> failed = run.finish(summary.problem))
            return *failed;
        if (const std::optional<int> status = linesWithoutResult(summary.withoutResult, summary.lines))
            return *status;
        return kResult;
    }
    if (parser.isSet(outFile))
        return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--out 只用于 --batch。")));

    // The inputs: a pair file's, then each gear file's, then the options over them.
    PairInput input;
    if (parser.isSet(load)) {
        const FileOutcome<PairInput> read = readPairFile(parser.value(load));
        if (!read.ok())
            return noResult(read.problem());
        input = read.value();
    }
    bool sharedTaken = parser.isSet(load);
    for (const auto &[option, which] : {std::pair{&load1, 1}, std::pair{&load2, 2}}) {
        if (!parser.isSet(*option))
            continue;
        const FileOutcome<GearDocument> read = readGearFile(parser.value(*option));
        if (!read.ok())
            return noResult(read.problem());
        FileOutcome<PairGear> gear = pairGearOf(read.value().input, input, which, sharedTaken);
        if (!gear.ok())
            return noResult(gear.problem());
        (which == 1 ? input.gear1 : input.gear2) = gear.value();
        sharedTaken = true;
    }
    // A module or a diametral pitch typed replaces the other one a file gave.
    const bool moduleTyped = parser.isSet(QStringLiteral("module")), pitchTyped = parser.isSet(QStringLiteral("diametral-pitch"));
    if (moduleTyped != pitchTyped) {
        input.module.reset();
        input.diametralPitch.reset();
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (!parser.isSet(inputs[i]))
            continue;
        const std::optional<double> v = parseDouble(parser.value(inputs[i]).toStdString());
        if (!v)
            return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "--%1 的值“%2”不是数。")).arg(inputs[i].names().first(), parser.value(inputs[i])));
        setPairOptionNumber(pairOptions()[i], input, v);
    }
    if (!input.module && !input.diametralPitch)
        return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "缺少 --module 或 --diametral-pitch。")));
    if (input.gear1.teeth == 0 || input.gear2.teeth == 0)
        return usageError(said(QT_TRANSLATE_NOOP("CommandLine", "缺少 --teeth1 或 --teeth2：两个齿轮的齿数。")));
    if (parser.isSet(save)) {
        if (const FileDone written = writePairFile(parser.value(save), input); !written.ok())
            return noResult(written.problem());
    }
    const Outcome<PairResult, PairFailure> out = computePair(input);
    if (!out.ok())
        return noResult(QString::fromStdString(pairFailureText(out.failure(), qtTextTranslator())));
    if (parser.isSet(pdf)) {
        if (const FileDone written = writePairReportPdf(parser.value(pdf), out.value(), QDate::currentDate()); !written.ok())
            return noResult(written.problem());
    }
    if (form == QLatin1String("json"))
        printTo(stdout, pairJson(out.value(), qtTextTranslator()));
    else if (form == QLatin1String("csv"))
        printTo(stdout, pairCsv(out.value()));
    else
        printTo(stdout, pairText(out.value(), qtTextTranslator()));
    return kResult;
}

} // namespace geardim
