#include "app/commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QDate>
#include <QSize>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <string>

#include "app/batchrun.h"
#include "app/clioutput.h"
#include "app/paircommand.h"
#include "app/splinecommand.h"
#include "core/sheet/batch.h"
#include "io/allowancefile.h"
#include "io/batchoutput.h"
#include "io/geardatatable.h"
#include "io/workpiecelog.h"
#include "io/gearfile.h"
#include "core/drawing/drawing.h"
#include "gui/sheet/histogram.h"
#include "gui/painting/measurementpicture.h"
#include "gui/sheet/sheetpdf.h"
#include "core/gear/gear.h"
#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"

namespace geardim {
namespace {



// True when one of the options stands among the arguments, alone or as "--option=value",
// before the parser (which needs the application object) can say so.
bool hasOption(int argc, char *argv[], std::initializer_list<const char *> options)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : options) {
            const std::size_t n = std::strlen(option);
            if (std::strncmp(argv[i], option, n) == 0 && (argv[i][n] == 0 || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

struct Parsed {
    QCommandLineParser parser;
    QCommandLineOption load{QStringLiteral("load"), QCoreApplication::translate("CommandLine", "从齿轮文件读取输入，其他选项覆盖文件中的值"),
                            QStringLiteral("file")};
    QCommandLineOption save{QStringLiteral("save"), QCoreApplication::translate("CommandLine", "把选项生效后的输入写入齿轮文件"),
                            QStringLiteral("file")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QCoreApplication::translate("CommandLine", "把测量尺寸表导出为 A4 PDF"), QStringLiteral("file")};
    QCommandLineOption picture{QStringLiteral("picture"), QCoreApplication::translate("CommandLine", "把测量图写入 PNG 或 SVG 文件"),
                               QStringLiteral("file")};
    QCommandLineOption pictureSize{QStringLiteral("picture-size"), QCoreApplication::translate("CommandLine", "测量图的大小，默认 1200x800"),
                                   QStringLiteral("WxH"), QStringLiteral("1200x800")};
    QCommandLineOption batch{QStringLiteral("batch"),
                             QCoreApplication::translate("CommandLine", "批量计算：CSV 文件，表头为选项名（不带 --），每行一个齿轮"),
                             QStringLiteral("in.csv")};
    QCommandLineOption out{QStringLiteral("out"), QCoreApplication::translate("CommandLine", "批量结果的 CSV 文件（默认标准输出）"),
                           QStringLiteral("out.csv")};
    QCommandLineOption failExit{QStringLiteral("fail-exit"),
                                QCoreApplication::translate("CommandLine", "实测值不合格时以状态 4 退出，无法判定时以状态 5 退出（供脚本使用）")};
    QCommandLineOption summary{QStringLiteral("summary"),
                               QCoreApplication::translate("CommandLine", "批量计算后给出各实测尺寸的汇总：件数、合格数、平均、最小、最大、s、Cp、Cpk")};
    QCommandLineOption record{QStringLiteral("record"),
                              QCoreApplication::translate("CommandLine", "把这一件的检验记录追加到 CSV 日志"), QStringLiteral("log.csv")};
    QCommandLineOption drawingNumber{QStringLiteral("drawing"), QCoreApplication::translate("CommandLine", "图号（存入齿轮文件和检验记录）"),
                                     QStringLiteral("text")};
    QCommandLineOption part{QStringLiteral("part"), QCoreApplication::translate("CommandLine", "零件编号（检验记录）"), QStringLiteral("text")};
    QCommandLineOption inspector{QStringLiteral("inspector"), QCoreApplication::translate("CommandLine", "检验员（检验记录）"),
                                 QStringLiteral("text")};
    QCommandLineOption gaugeNumber{QStringLiteral("gauge-number"), QCoreApplication::translate("CommandLine", "量具编号（检验记录）"),
                                   QStringLiteral("text")};
    QCommandLineOption allowanceTable{QStringLiteral("allowance-table"),
                                      QCoreApplication::translate("CommandLine", "齿厚偏差表（CSV：code,diameterFrom,diameterTo,upper,lower），供 --allowance-code 使用"),
                                      QStringLiteral("table.csv")};
    QCommandLineOption dataTable{QStringLiteral("data-table"),
                                 QCoreApplication::translate("CommandLine", "把图纸的齿轮参数表写入 DXF、SVG 或 CSV 文件"),
                                 QStringLiteral("file")};
    QCommandLineOption format{QStringLiteral("format"), QCoreApplication::translate("CommandLine", "输出格式：text（默认）、csv 或 json"),
                              QStringLiteral("text|csv|json"), QStringLiteral("text")};
};

// The commands with options of their own, beside the sheet's: each one line in --help.
struct SubCommand {
    const char *name;
    const char *summary; // ("CommandLine")
    int (*run)(const QStringList &arguments);
};
const SubCommand kSubCommands[] = {
    {"spline", QT_TRANSLATE_NOOP("CommandLine", "花键的跨棒距或棒间距及上下限（见 spline --help）"), runSplineCommand},
    {"pair", QT_TRANSLATE_NOOP("CommandLine", "齿轮副的中心距、侧隙和重合度（见 pair --help）"), runPairCommand},
};

void describeOptions(Parsed &p)
{
    // The commands, each with its line, from the one list the dispatch uses too.
    QString description = QCoreApplication::translate("CommandLine", "渐开线圆柱齿轮测量尺寸计算。不带参数启动窗口；命令：") + u'\n'
                          + QStringLiteral("  geardim sheet [%1]    ").arg(QCoreApplication::translate("CommandLine", "选项"))
                          + QCoreApplication::translate("CommandLine", "齿轮的测量尺寸表（选项见下）") + u'\n';
    for (const SubCommand &c : kSubCommands)
        description += QStringLiteral("  geardim %1 [%2]   ").arg(QString::fromLatin1(c.name).leftJustified(6), QCoreApplication::translate("CommandLine", "选项"))
                       + QCoreApplication::translate("CommandLine", c.summary) + u'\n';
    description += QCoreApplication::translate("CommandLine", "--lang zh|en 选择语言。");
    p.parser.setApplicationDescription(description);
    p.parser.addHelpOption();
    p.parser.addVersionOption();
    p.parser.addPositionalArgument(QStringLiteral("command"), QCoreApplication::translate("CommandLine", "sheet、spline 或 pair"));
    for (const SheetOption &o : sheetOptions()) {
        const QString name = QString::fromLatin1(o.name);
        const QString help = QCoreApplication::translate("SheetOption", o.help);
        if (o.kind == OptionKind::Flag)
            addOptionsWrapped(p.parser, {{name, help}});
        else if (o.kind == OptionKind::Gauge)
            addOptionsWrapped(p.parser, {{name, help, QStringLiteral("ball|pin")}});
        else if (o.kind == OptionKind::Hand)
            addOptionsWrapped(p.parser, {{name, help, QStringLiteral("left|right")}});
        else if (o.kind == OptionKind::Text)
            addOptionsWrapped(p.parser, {{name, help, QStringLiteral("text")}});
        else
            addOptionsWrapped(p.parser, {{name, help, QStringLiteral("value")}});
    }
    addOptionsWrapped(p.parser, {p.format, p.load, p.save, p.pdf, p.picture, p.pictureSize, p.batch, p.out, p.summary,
                         p.failExit, p.record, p.drawingNumber, p.part, p.inspector, p.gaugeNumber, p.allowanceTable,
                         p.dataTable});
}

// The inputs: the loaded file's, then every option given. Nothing with the exit
// status when a value or the file is refused.
// The allowances typed (on the command line or in the loaded file), which win over a code.
struct Typed {
    bool upper = false, lower = false;
};

std::optional<SheetInput> inputs(Parsed &p, QJsonObject &kept, QString &drawing, Typed &typed, int &status)
{
    SheetInput in;
    typed = {p.parser.isSet(QStringLiteral("allowance-upper")), p.parser.isSet(QStringLiteral("allowance-lower"))};
    if (p.parser.isSet(p.load)) {
        const FileOutcome<GearDocument> read = readGearFile(p.parser.value(p.load));
        if (!read.ok()) {
            status = noResult(read.problem());
            return std::nullopt;
        }
        in = read.value().input;
        kept = read.value().document;
        if (!p.parser.isSet(p.drawingNumber))
            drawing = read.value().drawing;
        typed.upper = typed.upper || read.value().upperGiven;
        typed.lower = typed.lower || read.value().lowerGiven;
    }
    for (const SheetOption &o : sheetOptions()) {
        const QString name = QString::fromLatin1(o.name);
        if (!p.parser.isSet(name))
            continue;
        const std::string text = o.kind == OptionKind::Flag ? "true" : p.parser.value(name).toStdString();
        // A value of blanks only is no value, as an empty one is.
        if (!applySheetOption(o, text, in) || (o.kind != OptionKind::Flag && p.parser.value(name).trimmed().isEmpty())) {
            status = usageError(o.kind == OptionKind::Gauge
                                    ? QCoreApplication::translate("CommandLine", "--gauge 只能是 ball 或 pin，而不是“%1”。").arg(p.parser.value(name))
                                : o.kind == OptionKind::Hand
                                    ? QCoreApplication::translate("CommandLine", "--hand 只能是 left 或 right，而不是“%1”。").arg(p.parser.value(name))
                                : o.kind == OptionKind::Text
                                    ? QCoreApplication::translate("CommandLine", "--%1 的值是空的。").arg(name)
                                    : QCoreApplication::translate("CommandLine", "--%1 的值“%2”不是有效的数字。").arg(name, p.parser.value(name)));
            return std::nullopt;
        }
    }
    in.allowanceUpperGiven = typed.upper;
    in.allowanceLowerGiven = typed.lower;
    return in;
}

// True when the two paths name the same file (the same device and inode, through
// links and "./" alike).

int runBatchCommand(Parsed &p, const SheetInput &defaults, const QSize &pictureSize, BatchOptions options)
{
    BatchRun run;
    if (const std::optional<int> refused = run.open(p.parser.value(p.batch), p.parser.isSet(p.out) ? p.parser.value(p.out) : QString()))
        return *refused;
    const bool histogram = p.parser.isSet(p.summary) && p.parser.isSet(p.picture);
    options.keepAllowances = histogram;
    const BatchSummary summary = runBatch(run.in(), run.out(), defaults, qtTextTranslator(), options);
    if (const std::optional<int> failed = run.finish(summary.problem))
        return *failed;
    // The summary goes to standard output when the lines go to a file, else to stderr.
    if (p.parser.isSet(p.summary)) {
        const std::string text = p.parser.value(p.format) == QLatin1String("json")
                                     ? measuredSummaryJson(summary.measured)
                                     : measuredSummaryText(summary.measured, qtTextTranslator());
        printTo(run.toFile() ? stdout : stderr, text);
        if (histogram) {
            if (const FileDone drawn = writeAllowanceHistogram(p.parser.value(p.picture), pictureSize, summary.measured); !drawn.ok())
                return noResult(drawn.problem());
        }
    }
    if (const std::optional<int> status = linesWithoutResult(summary.withoutResult, summary.gears))
        return *status;
    return judgedStatus(p.parser.isSet(p.failExit), summary.partsFailing > 0, summary.partsNotJudged > 0);
}

int runSheet(Parsed &p)
{
    const QString form = p.parser.value(p.format);
    if (form != QLatin1String("text") && form != QLatin1String("csv") && form != QLatin1String("json"))
        return usageError(QCoreApplication::translate("CommandLine", "--format 只能是 text、csv 或 json，而不是“%1”。").arg(form));
    // Options that cannot apply are refused rather than ignored.
    if (p.parser.isSet(p.batch)) {
        // With --summary, --picture draws the histogram of the actual allowances.
        for (const QCommandLineOption *o : {&p.save, &p.pdf, &p.picture, &p.dataTable}) {
            if (o == &p.picture && p.parser.isSet(p.summary))
                continue;
            if (p.parser.isSet(*o))
                return usageError(QCoreApplication::translate("CommandLine", "--%1 不能与 --batch 一起使用。").arg(o->names().first()));
        }
        if (p.parser.isSet(p.record))
            return usageError(QCoreApplication::translate("CommandLine", "--%1 不能与 --batch 一起使用。").arg(QStringLiteral("record")));
    } else {
        for (const QCommandLineOption *o : {&p.out, &p.summary}) {
            if (p.parser.isSet(*o))
                return usageError(QCoreApplication::translate("CommandLine", "--%1 只用于 --batch。").arg(o->names().first()));
        }
    }
    if (const auto refused = refuseOutputOverInput(p.parser, {&p.load, &p.allowanceTable, &p.batch},
                                                   {&p.save, &p.pdf, &p.picture, &p.dataTable, &p.record, &p.out}))
        return *refused;
    QSize pictureSize;
    if (p.parser.isSet(p.picture)) {
        const std::optional<QSize> size = pictureSizeFrom(p.parser.value(p.pictureSize));
        if (!size)
            return pictureSizeError(p.parser.value(p.pictureSize));
        pictureSize = *size;
    }
    QJsonObject kept;
    QString drawing = p.parser.value(p.drawingNumber);
    Typed typed;
    int status = kResult;
    auto in = inputs(p, kept, drawing, typed, status);
    if (!in)
        return status;
    std::optional<AllowanceTable> table;
    if (p.parser.isSet(p.allowanceTable)) {
        const FileOutcome<AllowanceTable> read = readAllowanceTable(p.parser.value(p.allowanceTable));
        if (!read.ok())
            return noResult(read.problem());
        table = read.value();
    }
    if (p.parser.isSet(p.batch))
        return runBatchCommand(p, *in, pictureSize, {false, table ? &*table : nullptr, typed.upper, typed.lower});
    if (const auto failure = applyAllowanceCode(*in, table ? &*table : nullptr, typed.upper, typed.lower))
        return noResult(QCoreApplication::translate("CommandLine", "没有结果：") + QCoreApplication::translate("Failure", failureText(*failure)));
    if (!p.parser.isSet(p.load) && !p.parser.isSet(QStringLiteral("teeth")))
        return usageError(QCoreApplication::translate("CommandLine", "缺少 --teeth（齿数 z）。"));
    if (!in->module && !in->diametralPitch)
        return usageError(QCoreApplication::translate("CommandLine", "缺少 --module（法向模数 mn）或 --diametral-pitch（径节 P）。"));
    // No file is written for inputs without a sheet: what the program saves, it can open.
    const auto sheet = computeSheet(*in);
    if (!sheet.ok())
        return noResult(QCoreApplication::translate("CommandLine", "没有结果：") + QCoreApplication::translate("Failure", failureText(sheet.failure())));
    if (p.parser.isSet(p.save)) {
        if (const FileDone saved = writeGearFile(p.parser.value(p.save), *in, kept, drawing); !saved.ok())
            return noResult(saved.problem());
    }
    if (p.parser.isSet(p.picture)) {
        const FileDone written = writeMeasurementPicture(p.parser.value(p.picture), pictureSize, measurementDrawing(sheet.value()));
        if (!written.ok())
            return noResult(written.problem());
    }
    if (p.parser.isSet(p.pdf)) {
        const InspectionRecord record{drawing, p.parser.value(p.part), p.parser.value(p.inspector), p.parser.value(p.gaugeNumber)};
        if (const FileDone written = writeReportPdf(p.parser.value(p.pdf), sheet.value(), QDate::currentDate(), record); !written.ok())
            return noResult(written.problem());
    }
    if (p.parser.isSet(p.dataTable)) {
        if (const FileDone written = writeGearDataTable(p.parser.value(p.dataTable), sheet.value(), drawing); !written.ok())
            return noResult(written.problem());
    }
    if (p.parser.isSet(p.record)) {
        const InspectionRecord record{drawing, p.parser.value(p.part), p.parser.value(p.inspector), p.parser.value(p.gaugeNumber)};
        if (const FileDone logged = appendInspection(p.parser.value(p.record), record, sheet.value()); !logged.ok())
            return noResult(logged.problem());
    }
    if (form == QLatin1String("json"))
        printTo(stdout, sheetJson(sheet.value(), qtTextTranslator()));
    else if (form == QLatin1String("csv"))
        printTo(stdout, sheetCsv(sheet.value(), qtTextTranslator()));
    else
        printTo(stdout, sheetText(sheet.value(), qtTextTranslator()));
    // A part that fails is a result (0); for scripts, --fail-exit makes it 4, and 5 when it
    // could not be judged.
    return judgedStatus(p.parser.isSet(p.failExit), sheetPartVerdict(sheet.value()));
}

} // namespace

bool wantsCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--lang") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        if (std::strncmp(arg, "--lang=", 7) == 0)
            continue;
        return arg[0] != '-' || std::strncmp(arg, "--", 2) == 0 || std::strcmp(arg, "-h") == 0
               || std::strcmp(arg, "-v") == 0;
    }
    return false;
}

int runCommandLine(int argc, char *argv[], Language language)
{
    std::unique_ptr<QCoreApplication> app;
    // A PDF or a picture needs fonts: a QGuiApplication on a platform that has them and
    // needs no display: offscreen on Linux; on Windows its own platform, which always has
    // the desktop (Qt's offscreen platform there knows no font and would draw boxes).
    // Everything else answers from a QCoreApplication, with no platform and no display.
    if (hasOption(argc, argv, {"--pdf", "--picture"})) {
#if defined(Q_OS_WIN)
        qputenv("QT_QPA_PLATFORM", "windows");
#else
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("geardim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GEARDIM_VERSION));
    installLanguage(language);
    // Qt's own texts in Chinese too (the help's lines, the system's reasons for a file that
    // cannot be read or written), loaded only when they may be shown.
    if (language == Language::Chinese
        && hasOption(argc, argv, {"--help", "-h", "--help-all", "--load", "--save", "--pdf", "--picture", "--batch", "--out", "--record"}))
        installQtTranslation();

    // `geardim spline …` has options of its own.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang")) {
            ++i;
            continue;
        }
        if (!arguments[i].startsWith(u'-')) {
            for (const SubCommand &c : kSubCommands) {
                if (arguments[i] == QLatin1String(c.name))
                    return c.run(arguments);
            }
            break;
        }
    }

    auto p = std::make_unique<Parsed>();
    describeOptions(*p);
    if (!p->parser.parse(QCoreApplication::arguments())) {
        // The parser's own message in Chinese: read again with Qt's texts loaded.
        if (language == Language::Chinese && installQtTranslation()) {
            p = std::make_unique<Parsed>();
            describeOptions(*p);
            p->parser.parse(QCoreApplication::arguments());
        }
        return usageError(p->parser.errorText());
    }
    if (p->parser.isSet(QStringLiteral("help-all")))
        p->parser.process(QCoreApplication::arguments()); // prints Qt's options too, and ends the program
    if (p->parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, p->parser.helpText().toStdString());
        return kResult;
    }
    if (p->parser.isSet(QStringLiteral("version"))) {
        printTo(stdout, "geardim " GEARDIM_VERSION "\n");
        return kResult;
    }
    const QStringList words = p->parser.positionalArguments();
    if (words.size() != 1 || words.first() != QLatin1String("sheet"))
        return usageError(words.isEmpty() ? QCoreApplication::translate("CommandLine", "缺少命令：sheet、spline 或 pair。")
                                          : QCoreApplication::translate("CommandLine", "未知的命令“%1”。").arg(words.join(u' ')));
    return runSheet(*p);
}

} // namespace geardim
