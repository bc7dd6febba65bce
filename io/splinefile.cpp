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

QString said(const char *text) { return QCoreApplication::translate("SplineFile", text); }

// The inputs of a document; the problem without the file's name.
FileOutcome<SplineFields> fromDocument(const QJsonObject &root)
{
    using Read = FileOutcome<SplineFields>;
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "不是花键文件（缺少 \"format\": \"geardim-spline\"）。")));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || !(version.toDouble() >= kVersion))
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "“version”应为不小于 1 的数字。")));
    if (std::floor(version.toDouble()) > kVersion)
        return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "文件来自较新的版本 %1，本程序只能读取版本 %2。"))
                                 .arg(version.toDouble())
                                 .arg(kVersion));
    SplineFields in;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (key == QLatin1String("format") || key == QLatin1String("version"))
            continue;
        if (key == QLatin1String(kSplineDesignation)) {
            if (!it.value().isString())
                return Read::refused(said(QT_TRANSLATE_NOOP("SplineFile", "“designation”应为文字。")));
            in.designation = it.value().toString().toStdString();
            continue;
        }
        bool known = false;
        for (const SplineOption &n : splineOptions()) {
            if (!n.key || key != QLatin1String(n.key))
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
    const auto input = splineInputOf(in, qtTextTranslator());
    if (!input.ok())
        return Read::refused(QString::fromStdString(input.failure()));
    if (oneDeviationAlone(in.upperDeviation, in.lowerDeviation))
        return Read::refused(QString::fromStdString(splineFailureText(SplineFailure::DeviationsUnpaired, qtTextTranslator())));
    return in;
}

QJsonObject document(const SplineFields &in)
{
    QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("version"), kVersion},
                     {QLatin1String(kSplineDesignation), QString::fromStdString(in.designation)}};
    for (const SplineOption &n : splineOptions()) {
        if (n.key && in.*n.field)
            root.insert(QLatin1String(n.key), *(in.*n.field));
    }
    return root;
}

} // namespace

FileOutcome<SplineFields> readSplineFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &why) {
        return FileOutcome<SplineFields>::refused(said(QT_TRANSLATE_NOOP("SplineFile", "无法打开“%1”：%2")).arg(name, why));
    };
    const FileOutcome<QJsonObject> json = readJsonFile(path, said(QT_TRANSLATE_NOOP("SplineFile", "文件大于 1 MiB，不是花键文件。")),
                                                       said(QT_TRANSLATE_NOOP("SplineFile", "不是花键文件。")));
    if (!json.ok())
        return refuse(json.problem());
    FileOutcome<SplineFields> read = fromDocument(json.value());
    if (!read.ok())
        return refuse(read.problem());
    return read;
}

FileDone writeSplineFile(const QString &path, const SplineFields &inputs)
{
    const QString name = QFileInfo(path).fileName();
    const QJsonObject root = document(inputs);
    // Nothing is written that the program would refuse to read.
    if (const FileOutcome<SplineFields> back = fromDocument(root); !back.ok())
        return FileDone::refused(said(QT_TRANSLATE_NOOP("SplineFile", "无法保存“%1”：%2")).arg(name, back.problem()));
    return saveWholeFile(path, QJsonDocument(root).toJson(QJsonDocument::Indented),
                         said(QT_TRANSLATE_NOOP("SplineFile", "无法保存“%1”：%2。%3")));
}

} // namespace geardim
