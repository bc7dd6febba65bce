#include "io/gearfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <map>

#include "core/common/excerpt.h"
#include "core/sheet/sheetinputs.h"
#include "io/safefile.h"

namespace geardim {
namespace {

const QString kFormat = QStringLiteral("geardim-gear");
constexpr int kVersion = 1;
constexpr double kOwnVersion = 1.2; // the newest minor version this program writes and knows whole

QString refusedValue(const SheetOption &o, double value)
{
    return QCoreApplication::translate("GearFile", "“%1.%2”的值 %3 超出范围（%4）。")
        .arg(QLatin1String(o.group), QLatin1String(o.key))
        .arg(value)
        .arg(QCoreApplication::translate("GearFile", o.range));
}

// The first key of a document that versions 1 to 1.2 do not have, with its place
// ("gear.helixAngel"), or nothing.
QString unknownKey(const QJsonObject &root)
{
    const auto known = [](const QString &section, const QString &key) {
        if (section == QLatin1String("record") && key == QLatin1String("drawing"))
            return true;
        for (const SheetOption &o : sheetOptions()) {
            if (o.group && section == QLatin1String(o.group) && key == QLatin1String(o.key))
                return true;
        }
        return false;
    };
    const QStringList sections{"gear", "allowances", "gauge", "tolerances", "record"};
    for (const QString &key : root.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") && !sections.contains(key))
            return key;
    }
    for (const QString &section : sections) {
        for (const QString &key : root.value(section).toObject().keys()) {
            if (!known(section, key))
                return section + u'.' + key;
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

FileOutcome<GearDocument> gearFromDocument(const QJsonObject &root)
{
    using Read = FileOutcome<GearDocument>;
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return Read::refused(QCoreApplication::translate("GearFile", "不是齿轮文件（缺少 \"format\": \"geardim-gear\"）。"));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble())
        return Read::refused(QCoreApplication::translate("GearFile", "“version”应为数字。"));
    if (std::floor(version.toDouble()) > kVersion)
        return Read::refused(QCoreApplication::translate("GearFile", "文件来自较新的版本 %1，本程序只能读取版本 %2。")
                                  .arg(version.toDouble())
                                  .arg(kVersion));
    if (!(version.toDouble() >= kVersion))
        return Read::refused(QCoreApplication::translate("GearFile", "“version”的值 %1 不是有效的版本（应为 %2）。")
                                  .arg(version.toDouble())
                                  .arg(kVersion));
    for (const char *section : {"gear", "allowances", "gauge", "tolerances", "record"}) {
        const QJsonValue v = root.value(QLatin1String(section));
        if (!v.isUndefined() && !v.isObject())
            return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为对象。").arg(QLatin1String(section)));
    }
    // Version 1 itself has exactly these keys: any other is a slip (a misspelt key would
    // silently compute another gear). Version 1.1 adds the drawing number, 1.2 the master gear
    // of the double-flank test; a newer minor version (1.3 …) may add keys of its own.
    if (version.toDouble() <= kOwnVersion) {
        if (const QString unknown = unknownKey(root); !unknown.isEmpty())
            return Read::refused(QCoreApplication::translate("GearFile", "不认识的键“%1”：请检查拼写。").arg(QString::fromStdString(excerpt(unknown.toStdString()))));
    }
    // Every input where the table puts it; absent or null keeps its default.
    SheetInput in;
    for (const SheetOption &o : sheetOptions()) {
        if (!o.group)
            continue; // measured on the part, not kept with the gear
        const QJsonValue v = root.value(QLatin1String(o.group)).toObject().value(QLatin1String(o.key));
        if (v.isUndefined() || v.isNull())
            continue;
        const QString place = QStringLiteral("%1.%2").arg(QLatin1String(o.group), QLatin1String(o.key));
        switch (o.kind) {
        case OptionKind::Number:
            if (!v.isDouble())
                return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为数字。").arg(place));
            if (!optionAccepts(o, v.toDouble()))
                return Read::refused(refusedValue(o, v.toDouble()));
            setOptionNumber(o, in, v.toDouble());
            break;
        case OptionKind::Flag:
            if (!v.isBool())
                return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为 true 或 false。").arg(place));
            in.internal = v.toBool();
            break;
        case OptionKind::Gauge:
            if (v.toString() != QLatin1String("ball") && v.toString() != QLatin1String("pin"))
                return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为 \"ball\" 或 \"pin\"。").arg(place));
            in.gauge = v.toString() == QLatin1String("pin") ? GaugeKind::Pin : GaugeKind::Ball;
            break;
        case OptionKind::Text:
            if (!v.isString())
                return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为文字。").arg(place));
            in.*o.text = v.toString().toStdString();
            break;
        case OptionKind::Hand:
            if (v.toString() != QLatin1String("left") && v.toString() != QLatin1String("right"))
                return Read::refused(QCoreApplication::translate("GearFile", "“%1”应为 \"left\" 或 \"right\"。").arg(place));
            in.hand = v.toString() == QLatin1String("left") ? SheetInput::Hand::Left : SheetInput::Hand::Right;
            break;
        }
    }
    if (!root.value(QLatin1String("gear")).toObject().value(QLatin1String("teeth")).isDouble())
        return Read::refused(QCoreApplication::translate("GearFile", "缺少齿数“gear.teeth”。"));
    const QJsonValue drawing = root.value(QLatin1String("record")).toObject().value(QLatin1String("drawing"));
    if (!drawing.isUndefined() && !drawing.isNull() && !drawing.isString())
        return Read::refused(QCoreApplication::translate("GearFile", "“record.drawing”应为文字。"));
    const QJsonObject allowances = root.value(QLatin1String("allowances")).toObject();
    in.allowanceUpperGiven = allowances.contains(QLatin1String("upper"));
    in.allowanceLowerGiven = allowances.contains(QLatin1String("lower"));
    return GearDocument{in, root, drawing.toString(), in.allowanceUpperGiven, in.allowanceLowerGiven};
}


FileOutcome<QJsonObject> readJsonFile(const QString &path, const QString &tooLarge, const QString &notThisKind)
{
    using Read = FileOutcome<QJsonObject>;
    // A FIFO would block the open for ever: only a regular file is opened.
    if (const FileDone source = checkInputSource(path); !source.ok())
        return Read::refused(source.problem() + QCoreApplication::translate("GearFile", "。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Read::refused(file.errorString());
    if (file.size() > kMaxGearFileBytes)
        return Read::refused(tooLarge);
    const QByteArray bytes = file.read(kMaxGearFileBytes + 1);
    if (bytes.size() > kMaxGearFileBytes)
        return Read::refused(tooLarge);
    QJsonParseError error{};
    QJsonDocument document;
    underflowsAsZero(bytes, error, document);
    if (error.error != QJsonParseError::NoError)
        return Read::refused(QCoreApplication::translate("GearFile", "不是有效的 JSON（第 %1 字节：%2），文件可能不完整。")
                                 .arg(error.offset)
                                 .arg(error.errorString()));
    if (!document.isObject())
        return Read::refused(notThisKind);
    return document.object();
}

FileOutcome<GearDocument> readGearFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &why) {
        return FileOutcome<GearDocument>::refused(QCoreApplication::translate("GearFile", "无法打开“%1”：%2").arg(name, why));
    };
    const FileOutcome<QJsonObject> json = readJsonFile(path, QCoreApplication::translate("GearFile", "文件大于 1 MiB，不是齿轮文件。"),
                                                       QCoreApplication::translate("GearFile", "不是齿轮文件。"));
    if (!json.ok())
        return refuse(json.problem());
    FileOutcome<GearDocument> read = gearFromDocument(json.value());
    if (!read.ok())
        return refuse(read.problem());
    return read;
}

QJsonObject gearDocument(const SheetInput &in, const QJsonObject &kept, const QString &drawing)
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
    QJsonObject tolerances = kept.value(QLatin1String("tolerances")).toObject();
    QJsonObject record = kept.value(QLatin1String("record")).toObject();
    for (const SheetOption &o : sheetOptions()) {
        if (!o.group)
            continue;
        const QLatin1String name(o.group);
        QJsonObject &section = name == QLatin1String("gear")         ? gear
                               : name == QLatin1String("allowances") ? allowances
                               : name == QLatin1String("tolerances") ? tolerances
                               : name == QLatin1String("record")     ? record
                                                                     : gauge;
        const QLatin1String key(o.key);
        // Allowances not given (the code's, or none) stay out: a code keeps its own, so a new
        // table gives new values, and an empty field stays empty.
        const bool fromCode = (o.plain == &SheetInput::allowanceUpper && !in.allowanceUpperGiven)
                              || (o.plain == &SheetInput::allowanceLower && !in.allowanceLowerGiven);
        if (o.kind == OptionKind::Flag)
            section.insert(key, in.internal);
        else if (o.kind == OptionKind::Gauge)
            section.insert(key, in.gauge == GaugeKind::Pin ? QStringLiteral("pin") : QStringLiteral("ball"));
        else if (o.kind == OptionKind::Hand && in.hand != SheetInput::Hand::None)
            section.insert(key, in.hand == SheetInput::Hand::Left ? QStringLiteral("left") : QStringLiteral("right"));
        else if (o.kind == OptionKind::Text && !(in.*o.text).empty())
            section.insert(key, QString::fromStdString(in.*o.text));
        else if (const auto value = o.kind == OptionKind::Number && !fromCode ? optionNumber(o, in) : std::nullopt)
            section.insert(key, *value);
        else
            section.remove(key); // an absent optional value is left out
    }
    for (auto &[name, section] : {std::pair<const char *, QJsonObject *>{"tolerances", &tolerances}}) {
        if (section->isEmpty())
            root.remove(QLatin1String(name));
        else
            root.insert(QLatin1String(name), *section);
    }
    // The drawing number is version 1.1's: older readers keep it as a key they do not know.
    if (drawing.isEmpty())
        record.remove(QLatin1String("drawing"));
    else
        record.insert(QLatin1String("drawing"), drawing);
    if (record.isEmpty())
        root.remove(QLatin1String("record"));
    else
        root.insert(QLatin1String("record"), record);
    // Keys that version 1.1 brought make the file 1.1, the master gear's of version 1.2 make
    // it 1.2; older readers keep them as keys they do not know.
    const bool newer = !record.isEmpty() || root.contains(QLatin1String("tolerances"))
                       || allowances.contains(QLatin1String("code")) || gear.contains(QLatin1String("hand"));
    const bool master = gauge.contains(QLatin1String("masterTeeth")) || gauge.contains(QLatin1String("masterShift"));
    const double needed = master ? 1.2 : newer ? 1.1 : kVersion;
    if (root.value(QLatin1String("version")).toDouble() < needed)
        root.insert(QLatin1String("version"), needed);
    root.insert(QLatin1String("gear"), gear);
    root.insert(QLatin1String("allowances"), allowances);
    root.insert(QLatin1String("gauge"), gauge);
    return root;
}

FileDone writeGearFile(const QString &path, const SheetInput &input, const QJsonObject &kept, const QString &drawing)
{
    const QString name = QFileInfo(path).fileName();
    const QJsonObject document = gearDocument(input, kept, drawing);
    // Nothing is written that the program would refuse to read.
    if (const FileOutcome<GearDocument> back = gearFromDocument(document); !back.ok())
        return FileDone::refused(QCoreApplication::translate("GearFile", "无法保存“%1”：%2").arg(name, back.problem()));
    // A failed write leaves the old file as it was, and says so.
    return saveWholeFile(path, QJsonDocument(document).toJson(QJsonDocument::Indented),
                         QCoreApplication::translate("GearFile", "无法保存“%1”：%2。%3"));
}

} // namespace geardim
