#include "io/splinefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "core/common/excerpt.h"
#include "core/spline/splinereport.h"
#include "io/gearfile.h"
#include "io/language.h"
#include "io/safefile.h"

namespace geardim {
namespace {

const QString kFormat = QStringLiteral("geardim-spline");
constexpr int kVersion = 1;

struct NumberKey {
    const char *name;
    std::optional<double> SplineFileInputs::*field;
};
constexpr NumberKey kNumbers[] = {{"pinDiameter", &SplineFileInputs::pinDiameter},
                                  {"splineLength", &SplineFileInputs::splineLength},
                                  {"upperDeviation", &SplineFileInputs::upperDeviation},
                                  {"lowerDeviation", &SplineFileInputs::lowerDeviation},
                                  {"effectiveVariation", &SplineFileInputs::effectiveVariation}};

QString said(const char *text) { return QCoreApplication::translate("SplineFile", text); }

// The inputs of a document; the problem without the file's name.
FileOutcome<SplineFileInputs> fromDocument(const QJsonObject &root)
{
    using Read = FileOutcome<SplineFileInputs>;
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "不是花键文件（缺少 \"format\": \"geardim-spline\"）。")));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || !(version.toDouble() >= kVersion))
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "“version”应为不小于 1 的数字。")));
    if (std::floor(version.toDouble()) > kVersion)
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "文件来自较新的版本 %1，本程序只能读取版本 %2。"))
                                 .arg(version.toDouble())
                                 .arg(kVersion));
    SplineFileInputs in;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (key == QLatin1String("format") || key == QLatin1String("version"))
            continue;
        if (key == QLatin1String("designation")) {
            if (!it.value().isString())
                return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "“designation”应为文字。")));
            in.designation = it.value().toString();
            continue;
        }
        bool known = false;
        for (const NumberKey &n : kNumbers) {
            if (key != QLatin1String(n.name))
                continue;
            known = true;
            if (!it.value().isDouble() || !std::isfinite(it.value().toDouble()))
                return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "“%1”应为数字。")).arg(key));
            in.*n.field = it.value().toDouble();
        }
        // A misspelt key would silently lose its value.
        if (!known)
            return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "未知的键“%1”。")).arg(QString::fromStdString(excerpt(key.toStdString()))));
    }
    if (const FileOutcome<SplineInput> input = splineInputOf(in); !input.ok())
        return Read::refused(input.problem());
    if (in.upperDeviation.has_value() != in.lowerDeviation.has_value())
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "上偏差和下偏差要一起给出。")));
    return in;
}

QJsonObject document(const SplineFileInputs &in)
{
    QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("version"), kVersion},
                     {QStringLiteral("designation"), in.designation}};
    for (const NumberKey &n : kNumbers) {
        if (in.*n.field)
            root.insert(QLatin1String(n.name), *(in.*n.field));
    }
    return root;
}

} // namespace

FileOutcome<SplineInput> splineInputOf(const SplineFileInputs &in)
{
    const auto parsed = parseSplineDesignation(in.designation.toStdString());
    if (const auto *error = std::get_if<DesignationError>(&parsed))
        return FileOutcome<SplineInput>::refused(QString::fromStdString(designationErrorText(*error, qtTextTranslator())));
    return SplineInput{.designation = std::get<SplineDesignation>(parsed), .pinDiameter = in.pinDiameter,
                       .splineLength = in.splineLength, .upperDeviation = in.upperDeviation,
                       .lowerDeviation = in.lowerDeviation, .effectiveVariation = in.effectiveVariation};
}

FileOutcome<SplineFileInputs> readSplineFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &why) {
        return FileOutcome<SplineFileInputs>::refused(said(QT_TRANSLATE_NOOP("SplineFile", "无法打开“%1”：%2")).arg(name, why));
    };
    const FileOutcome<QJsonObject> json = readJsonFile(path, said(QT_TRANSLATE_NOOP("SplineFile", "文件大于 1 MiB，不是花键文件。")),
                                                       said(QT_TRANSLATE_NOOP("SplineFile", "不是花键文件。")));
    if (!json.ok())
        return refuse(json.problem());
    FileOutcome<SplineFileInputs> read = fromDocument(json.value());
    if (!read.ok())
        return refuse(read.problem());
    return read;
}

FileDone writeSplineFile(const QString &path, const SplineFileInputs &inputs)
{
    const QString name = QFileInfo(path).fileName();
    const QJsonObject root = document(inputs);
    // Nothing is written that the program would refuse to read.
    if (const FileOutcome<SplineFileInputs> back = fromDocument(root); !back.ok())
        return FileDone::refused(said(QT_TRANSLATE_NOOP("SplineFile", "无法保存“%1”：%2")).arg(name, back.problem()));
    return saveWholeFile(path, QJsonDocument(root).toJson(QJsonDocument::Indented),
                         said(QT_TRANSLATE_NOOP("SplineFile", "无法保存“%1”：%2。%3")));
}

} // namespace geardim
