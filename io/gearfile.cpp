#include "io/gearfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <map>

#include "io/safefile.h"

namespace geardim {
namespace {

const QString kFormat = QStringLiteral("geardim-gear");
constexpr int kVersion = 1;

// Reads one number of an object: absent or null is nothing, anything but a finite
// number is a problem, as is a value that fails its range.
std::optional<double> number(const QJsonObject &o, const char *section, const char *key, bool (*inRange)(double),
                             const char *range, std::optional<QString> &problem)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull() || problem)
        return std::nullopt;
    if (!v.isDouble()) {
        problem = QCoreApplication::translate("GearFile", "“%1.%2”应为数字。").arg(QLatin1String(section), QLatin1String(key));
        return std::nullopt;
    }
    const double value = v.toDouble();
    if (!std::isfinite(value) || !inRange(value)) {
        problem = QCoreApplication::translate("GearFile", "“%1.%2”的值 %3 超出范围（%4）。")
                      .arg(QLatin1String(section), QLatin1String(key))
                      .arg(value)
                      .arg(QCoreApplication::translate("GearFile", range));
        return std::nullopt;
    }
    return value;
}

bool any(double) { return true; }
bool positive(double v) { return v > 0; }
bool notNegative(double v) { return v >= 0; }
bool wholeTeeth(double v) { return v >= 1 && v == std::floor(v) && v <= 1e6; }
bool pressureAngle(double v) { return v > 0 && v < 90; }
bool helixAngle(double v) { return v > -90 && v < 90; }

void putOptional(QJsonObject &o, const char *key, const std::optional<double> &value)
{
    if (value)
        o.insert(QLatin1String(key), *value);
    else
        o.remove(QLatin1String(key));
}

// The first key of a version-1 document that version 1 does not have, with its place
// ("gear.helixAngel"), or nothing.
QString unknownKey(const QJsonObject &root)
{
    static const std::map<QString, QStringList> known{
        {QString(), {"format", "version", "gear", "allowances", "gauge"}},
        {QStringLiteral("gear"),
         {"module", "diametralPitch", "teeth", "pressureAngle", "helixAngle", "shift", "thickness", "internal",
          "addendum", "tipDiameter", "faceWidth", "spanTeeth"}},
        {QStringLiteral("allowances"), {"upper", "lower"}},
        {QStringLiteral("gauge"), {"kind", "diameter"}},
    };
    for (const QString &key : root.keys()) {
        if (!known.at(QString()).contains(key))
            return key;
    }
    for (const char *section : {"gear", "allowances", "gauge"}) {
        const QString name = QLatin1String(section);
        for (const QString &key : root.value(name).toObject().keys()) {
            if (!known.at(name).contains(key))
                return name + u'.' + key;
        }
    }
    return QString();
}

// JSON numbers too small for a double (1e-400) read as 0, as the program's number
// parser reads them; Qt's JSON parser refuses them. Each such number in the text is
// written as 0. Too large a number (1e400) stays an error.
QByteArray underflowsAsZero(QByteArray bytes, QJsonParseError &error, QJsonDocument &document)
{
    for (int tries = 0; tries < 10000; ++tries) {
        document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::IllegalNumber)
            break;
        const auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'; };
        qsizetype begin = std::min<qsizetype>(error.offset, bytes.size()), end = begin;
        while (begin > 0 && isNumberChar(bytes[begin - 1]))
            --begin;
        while (end < bytes.size() && isNumberChar(bytes[end]))
            ++end;
        const QByteArray token = bytes.mid(begin, end - begin);
        double value = 0;
        const char *first = token.constData() + (token.startsWith('-') ? 1 : 0);
        const auto [ptr, ec] = std::from_chars(first, token.constData() + token.size(), value);
        const qsizetype e = std::max(token.indexOf('e'), token.indexOf('E'));
        const bool underflow = ec == std::errc::result_out_of_range && ptr == token.constData() + token.size() && e > 0
                               && e + 1 < token.size() && token[e + 1] == '-';
        if (!underflow)
            break;
        bytes.replace(begin, end - begin, "0");
    }
    return bytes;
}

} // namespace

GearFileRead gearFromDocument(const QJsonObject &root)
{
    GearFileRead out;
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return {std::nullopt, QCoreApplication::translate("GearFile", "不是齿轮文件（缺少 \"format\": \"geardim-gear\"）。")};
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble())
        return {std::nullopt, QCoreApplication::translate("GearFile", "“version”应为数字。")};
    if (std::floor(version.toDouble()) > kVersion)
        return {std::nullopt, QCoreApplication::translate("GearFile", "文件来自较新的版本 %1，本程序只能读取版本 %2。")
                                  .arg(version.toDouble())
                                  .arg(kVersion)};
    if (!(version.toDouble() >= kVersion))
        return {std::nullopt, QCoreApplication::translate("GearFile", "“version”的值 %1 不是有效的版本（应为 %2）。")
                                  .arg(version.toDouble())
                                  .arg(kVersion)};
    for (const char *section : {"gear", "allowances", "gauge"}) {
        const QJsonValue v = root.value(QLatin1String(section));
        if (!v.isUndefined() && !v.isObject())
            return {std::nullopt, QCoreApplication::translate("GearFile", "“%1”应为对象。").arg(QLatin1String(section))};
    }
    // Version 1 itself has exactly these keys: any other is a slip (a misspelt key would
    // silently compute another gear). A newer minor version (1.1 …) may add its own.
    if (version.toDouble() == kVersion) {
        if (const QString unknown = unknownKey(root); !unknown.isEmpty())
            return {std::nullopt, QCoreApplication::translate("GearFile", "不认识的键“%1”：请检查拼写。").arg(unknown)};
    }
    const QJsonObject gear = root.value(QLatin1String("gear")).toObject();
    const QJsonObject allowances = root.value(QLatin1String("allowances")).toObject();
    const QJsonObject gauge = root.value(QLatin1String("gauge")).toObject();

    std::optional<QString> problem;
    SheetInput in;
    in.module = number(gear, "gear", "module", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    in.diametralPitch = number(gear, "gear", "diametralPitch", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    const auto teeth = number(gear, "gear", "teeth", wholeTeeth, QT_TRANSLATE_NOOP("GearFile", "不小于 1 的整数"), problem);
    const auto alpha = number(gear, "gear", "pressureAngle", pressureAngle, QT_TRANSLATE_NOOP("GearFile", "0° 到 90° 之间"), problem);
    const auto beta = number(gear, "gear", "helixAngle", helixAngle, QT_TRANSLATE_NOOP("GearFile", "-90° 到 90° 之间"), problem);
    in.shift = number(gear, "gear", "shift", any, "", problem);
    in.thickness = number(gear, "gear", "thickness", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    const auto addendum = number(gear, "gear", "addendum", notNegative, QT_TRANSLATE_NOOP("GearFile", "不小于 0"), problem);
    in.tipDiameter = number(gear, "gear", "tipDiameter", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    in.faceWidth = number(gear, "gear", "faceWidth", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    in.spanTeeth = number(gear, "gear", "spanTeeth", wholeTeeth, QT_TRANSLATE_NOOP("GearFile", "不小于 1 的整数"), problem);
    const auto upper = number(allowances, "allowances", "upper", any, "", problem);
    const auto lower = number(allowances, "allowances", "lower", any, "", problem);
    in.gaugeDiameter = number(gauge, "gauge", "diameter", positive, QT_TRANSLATE_NOOP("GearFile", "大于 0"), problem);
    if (problem)
        return {std::nullopt, *problem};
    if (!teeth)
        return {std::nullopt, QCoreApplication::translate("GearFile", "缺少齿数“gear.teeth”。")};
    const QJsonValue internal = gear.value(QLatin1String("internal"));
    if (!internal.isUndefined() && !internal.isBool())
        return {std::nullopt, QCoreApplication::translate("GearFile", "“gear.internal”应为 true 或 false。")};
    const QJsonValue kind = gauge.value(QLatin1String("kind"));
    if (!kind.isUndefined() && kind.toString() != QLatin1String("ball") && kind.toString() != QLatin1String("pin"))
        return {std::nullopt, QCoreApplication::translate("GearFile", "“gauge.kind”应为 \"ball\" 或 \"pin\"。")};
    in.teeth = *teeth;
    in.pressureAngleDeg = alpha.value_or(20);
    in.helixAngleDeg = beta.value_or(0);
    in.internal = internal.toBool(false);
    in.addendum = addendum.value_or(1);
    in.allowanceUpper = upper.value_or(0);
    in.allowanceLower = lower.value_or(0);
    in.gauge = kind.toString() == QLatin1String("pin") ? GaugeKind::Pin : GaugeKind::Ball;
    out.gear = GearDocument{in, root};
    return out;
}

GearFileRead readGearFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &why) {
        return GearFileRead{std::nullopt, QCoreApplication::translate("GearFile", "无法打开“%1”：%2").arg(name, why)};
    };
    // A FIFO would block the open for ever: only a regular file is opened.
    if (const QString problem = inputSourceProblem(path); !problem.isEmpty())
        return refuse(problem + QCoreApplication::translate("GearFile", "。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    if (file.size() > kMaxGearFileBytes)
        return refuse(QCoreApplication::translate("GearFile", "文件大于 1 MiB，不是齿轮文件。"));
    const QByteArray bytes = file.read(kMaxGearFileBytes + 1);
    if (bytes.size() > kMaxGearFileBytes)
        return refuse(QCoreApplication::translate("GearFile", "文件大于 1 MiB，不是齿轮文件。"));
    QJsonParseError error{};
    QJsonDocument document;
    underflowsAsZero(bytes, error, document);
    if (error.error != QJsonParseError::NoError)
        return refuse(QCoreApplication::translate("GearFile", "不是有效的 JSON（第 %1 字节：%2），文件可能不完整。")
                          .arg(error.offset)
                          .arg(error.errorString()));
    if (!document.isObject())
        return refuse(QCoreApplication::translate("GearFile", "不是齿轮文件。"));
    GearFileRead read = gearFromDocument(document.object());
    if (!read.gear)
        return refuse(read.problem);
    return read;
}

QJsonObject gearDocument(const SheetInput &in, const QJsonObject &kept)
{
    QJsonObject root = kept;
    QJsonObject gear = kept.value(QLatin1String("gear")).toObject();
    QJsonObject allowances = kept.value(QLatin1String("allowances")).toObject();
    QJsonObject gauge = kept.value(QLatin1String("gauge")).toObject();
    root.insert(QLatin1String("format"), kFormat);
    // A newer minor version read earlier keeps its number, so its own keys stay meaningful.
    if (!root.value(QLatin1String("version")).isDouble()
        || std::floor(root.value(QLatin1String("version")).toDouble()) != kVersion)
        root.insert(QLatin1String("version"), kVersion);
    putOptional(gear, "module", in.module);
    putOptional(gear, "diametralPitch", in.diametralPitch);
    gear.insert(QLatin1String("teeth"), in.teeth);
    gear.insert(QLatin1String("pressureAngle"), in.pressureAngleDeg);
    gear.insert(QLatin1String("helixAngle"), in.helixAngleDeg);
    putOptional(gear, "shift", in.shift);
    putOptional(gear, "thickness", in.thickness);
    gear.insert(QLatin1String("internal"), in.internal);
    gear.insert(QLatin1String("addendum"), in.addendum);
    putOptional(gear, "tipDiameter", in.tipDiameter);
    putOptional(gear, "faceWidth", in.faceWidth);
    putOptional(gear, "spanTeeth", in.spanTeeth);
    allowances.insert(QLatin1String("upper"), in.allowanceUpper);
    allowances.insert(QLatin1String("lower"), in.allowanceLower);
    gauge.insert(QLatin1String("kind"), in.gauge == GaugeKind::Pin ? QStringLiteral("pin") : QStringLiteral("ball"));
    putOptional(gauge, "diameter", in.gaugeDiameter);
    root.insert(QLatin1String("gear"), gear);
    root.insert(QLatin1String("allowances"), allowances);
    root.insert(QLatin1String("gauge"), gauge);
    return root;
}

QString writeGearFile(const QString &path, const SheetInput &input, const QJsonObject &kept)
{
    const bool existed = QFileInfo::exists(path);
    const QJsonObject document = gearDocument(input, kept);
    // Nothing is written that the program would refuse to read.
    if (const GearFileRead back = gearFromDocument(document); !back.gear)
        return QCoreApplication::translate("GearFile", "无法保存“%1”：%2").arg(QFileInfo(path).fileName(), back.problem);
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    const QString why = writeWholeFile(path, bytes);
    if (why.isEmpty())
        return QString();
    // A failed write leaves the old file as it was, and says so.
    return QCoreApplication::translate("GearFile", "无法保存“%1”：%2。%3").arg(QFileInfo(path).fileName(), why, oldFileNote(existed)).trimmed();
}

} // namespace geardim
