#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/numberparse.h"
#include "sheet/inspection.h"
#include "sheet/sheetreport.h"

namespace geardim {
namespace {

enum ExitStatus { kResult = 0, kNoResult = 1, kUsage = 2 };

void printTo(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

struct NumberOption {
    const char *name;
    const char *help;
    std::optional<double> SheetInput::*optional = nullptr;
    double SheetInput::*plain = nullptr;
};

// The number options, one per input of the sheet.
const NumberOption kNumberOptions[] = {
    {"module", "法向模数 mn (mm)", &SheetInput::module},
    {"diametral-pitch", "法向径节 P (1/in)；长度单位为英寸", &SheetInput::diametralPitch},
    {"teeth", "齿数 z", nullptr, &SheetInput::teeth},
    {"pressure-angle", "法向压力角 αn (°)，默认 20", nullptr, &SheetInput::pressureAngleDeg},
    {"helix-angle", "螺旋角 β (°)，默认 0", nullptr, &SheetInput::helixAngleDeg},
    {"shift", "变位系数 x，默认 0", &SheetInput::shift},
    {"thickness", "分度圆法向齿厚 sn（代替 x）", &SheetInput::thickness},
    {"addendum", "齿顶高系数 ha*，默认 1", nullptr, &SheetInput::addendum},
    {"tip-diameter", "齿顶圆直径 da（代替 ha*）", &SheetInput::tipDiameter},
    {"allowance-upper", "齿厚上偏差 Esns，默认 0", nullptr, &SheetInput::allowanceUpper},
    {"allowance-lower", "齿厚下偏差 Esni，默认 0", nullptr, &SheetInput::allowanceLower},
    {"gauge-diameter", "量棒（球）直径 D；不填则建议", &SheetInput::gaugeDiameter},
    {"face-width", "齿宽 b（用于检查）", &SheetInput::faceWidth},
};

int usageError(const QString &message)
{
    printTo(stderr, "geardim: " + message.toStdString() + "\n");
    printTo(stderr, "geardim: 用 geardim --help 查看用法。\n");
    return kUsage;
}

int runSheet(const QCommandLineParser &parser, const QCommandLineOption &internal, const QCommandLineOption &gauge,
             const QCommandLineOption &format)
{
    SheetInput in;
    for (const NumberOption &o : kNumberOptions) {
        const QString name = QString::fromLatin1(o.name);
        if (!parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        const auto value = parseDouble(text.toStdString());
        if (!value)
            return usageError(QStringLiteral("--%1 的值“%2”不是有效的数字。").arg(name, text));
        if (o.optional)
            in.*o.optional = *value;
        else
            in.*o.plain = *value;
    }
    in.internal = parser.isSet(internal);
    const QString kind = parser.value(gauge);
    if (kind == QLatin1String("ball"))
        in.gauge = GaugeKind::Ball;
    else if (kind == QLatin1String("pin"))
        in.gauge = GaugeKind::Pin;
    else
        return usageError(QStringLiteral("--gauge 只能是 ball 或 pin，而不是“%1”。").arg(kind));
    const QString form = parser.value(format);
    if (form != QLatin1String("text") && form != QLatin1String("csv") && form != QLatin1String("json"))
        return usageError(QStringLiteral("--format 只能是 text、csv 或 json，而不是“%1”。").arg(form));
    if (!parser.isSet(QStringLiteral("teeth")))
        return usageError(QStringLiteral("缺少 --teeth（齿数 z）。"));

    const auto sheet = computeSheet(in);
    if (!sheet.ok()) {
        printTo(stderr, std::string("geardim: 没有结果：") + failureText(sheet.failure()) + "\n");
        return kNoResult;
    }
    if (form == QLatin1String("json"))
        printTo(stdout, sheetJson(sheet.value()));
    else if (form == QLatin1String("csv"))
        printTo(stdout, sheetCsv(sheet.value()));
    else
        printTo(stdout, sheetText(sheet.value()));
    return kResult;
}

} // namespace

bool isCommandLine(int argc, char *argv[])
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    return first[0] != '-' || std::strncmp(first, "--", 2) == 0 || std::strcmp(first, "-h") == 0
           || std::strcmp(first, "-v") == 0;
}

int runCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("geardim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GEARDIM_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("渐开线圆柱齿轮测量尺寸计算。\n"
                       "不带参数启动窗口；geardim sheet [选项] 在命令行计算测量尺寸表。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("sheet：计算测量尺寸表"));
    for (const NumberOption &o : kNumberOptions)
        parser.addOption({QString::fromLatin1(o.name), QString::fromUtf8(o.help), QStringLiteral("value")});
    const QCommandLineOption internal(QStringLiteral("internal"), QStringLiteral("内齿轮（默认外齿轮）"));
    const QCommandLineOption gauge(QStringLiteral("gauge"), QStringLiteral("量具：ball（量球，默认）或 pin（量棒）"),
                                   QStringLiteral("ball|pin"), QStringLiteral("ball"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("输出格式：text（默认）、csv 或 json"),
                                    QStringLiteral("text|csv|json"), QStringLiteral("text"));
    parser.addOptions({internal, gauge, format});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, parser.helpText().toStdString());
        return kResult;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printTo(stdout, "geardim " GEARDIM_VERSION "\n");
        return kResult;
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() != 1 || words.first() != QLatin1String("sheet"))
        return usageError(words.isEmpty() ? QStringLiteral("缺少命令：sheet。")
                                          : QStringLiteral("未知的命令“%1”。").arg(words.join(u' ')));
    return runSheet(parser, internal, gauge, format);
}

} // namespace geardim
