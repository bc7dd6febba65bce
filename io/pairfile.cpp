#include "io/pairfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "core/common/excerpt.h"
#include "core/pair/pairinputs.h"
#include "io/gearfile.h"
#include "io/safefile.h"

namespace geardim {
namespace {

const QString kFormat = QStringLiteral("geardim-pair");
constexpr int kVersion = 1;

QString said(const char *text) { return QCoreApplication::translate("PairFile", text); }

FileOutcome<PairInput> fromDocument(const QJsonObject &root)
{
    using Read = FileOutcome<PairInput>;
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "不是齿轮副文件（缺少 \"format\": \"geardim-pair\"）。")));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || !(version.toDouble() >= kVersion))
        return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "“version”应为不小于 1 的数字。")));
    if (std::floor(version.toDouble()) > kVersion)
        return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "文件来自较新的版本 %1，本程序只能读取版本 %2。"))
                                 .arg(version.toDouble())
                                 .arg(kVersion));
    PairInput pair;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        if (key == QLatin1String("format") || key == QLatin1String("version") || key == QLatin1String("gear1")
            || key == QLatin1String("gear2"))
            continue;
        if (key != QLatin1String("pair"))
            return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "未知的键“%1”。")).arg(QString::fromStdString(excerpt(key.toStdString()))));
        if (!it.value().isObject())
            return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "“pair”应为对象。")));
        const QJsonObject own = it.value().toObject();
        for (auto value = own.begin(); value != own.end(); ++value) {
            const PairOption *option = nullptr;
            for (const PairOption &o : pairOptions()) {
                if (o.key && value.key() == QLatin1String(o.key))
                    option = &o;
            }
            if (!option)
                return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "未知的键“%1”。"))
                                         .arg(QString::fromStdString(excerpt(value.key().toStdString()))));
            if (!value.value().isDouble() || !std::isfinite(value.value().toDouble()))
                return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "“%1”应为数字。")).arg(value.key()));
            setPairOptionNumber(*option, pair, value.value().toDouble());
        }
    }
    for (int which : {1, 2}) {
        const QString key = QStringLiteral("gear%1").arg(which);
        if (!root.value(key).isObject())
            return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "缺少“%1”：齿轮副文件须有两个齿轮。")).arg(key));
        const FileOutcome<GearDocument> gear = gearFromDocument(root.value(key).toObject());
        if (!gear.ok())
            return Read::refused(key + QStringLiteral("：") + gear.problem());
        FileOutcome<PairGear> taken = pairGearOf(gear.value().input, pair, which, which == 2);
        if (!taken.ok())
            return Read::refused(taken.problem());
        (which == 1 ? pair.gear1 : pair.gear2) = taken.value();
    }
    return pair;
}

QJsonObject document(const PairInput &pair)
{
    QJsonObject own;
    for (const PairOption &o : pairOptions()) {
        if (!o.key)
            continue;
        if (const std::optional<double> v = pairOptionNumber(o, pair); v && (o.optional || *v != 0))
            own.insert(QLatin1String(o.key), *v);
    }
    return QJsonObject{{QStringLiteral("format"), kFormat}, {QStringLiteral("version"), kVersion},
                       {QStringLiteral("gear1"), gearDocument(pairGearAsSheet(pair, 1))},
                       {QStringLiteral("gear2"), gearDocument(pairGearAsSheet(pair, 2))}, {QStringLiteral("pair"), own}};
}

} // namespace

SheetInput pairGearAsSheet(const PairInput &pair, int which)
{
    const PairGear &gear = which == 1 ? pair.gear1 : pair.gear2;
    SheetInput in = pairGearSheetInput(pair, gear, which);
    in.shift = gear.shift; // a shift left to be solved stays out of the file
    return in;
}

FileOutcome<PairGear> pairGearOf(const SheetInput &gear, PairInput &pair, int which, bool shared)
{
    using Read = FileOutcome<PairGear>;
    if (gear.internal)
        return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "齿轮 %1 是内齿轮：齿轮副只计算两个外齿轮。")).arg(which));
    if (shared) {
        // Its mate's data came first: this gear must have the same.
        const bool sameSize = gear.module == pair.module && gear.diametralPitch == pair.diametralPitch;
        if (!sameSize || gear.pressureAngleDeg != pair.pressureAngleDeg || std::fabs(gear.helixAngleDeg) != std::fabs(pair.helixAngleDeg))
            return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "齿轮 %1 的模数、压力角或螺旋角与另一个齿轮不同，不能组成齿轮副。")).arg(which));
    } else {
        pair.module = gear.module;
        pair.diametralPitch = gear.diametralPitch;
        pair.pressureAngleDeg = gear.pressureAngleDeg;
        pair.helixAngleDeg = which == 2 ? -gear.helixAngleDeg : gear.helixAngleDeg;
        pair.addendum = gear.addendum;
    }
    PairGear out{.teeth = gear.teeth, .shift = gear.shift, .tipDiameter = gear.tipDiameter,
                 .allowanceUpper = gear.allowanceUpper, .allowanceLower = gear.allowanceLower};
    if (gear.thickness) {
        // A gear given by its tooth thickness: its shift as the sheet works it out.
        const Outcome<SheetResult> sheet = computeSheet(gear);
        if (!sheet.ok())
            return Read::refused(said(QT_TRANSLATE_NOOP("PairFile", "齿轮 %1：")).arg(which)
                                 + QCoreApplication::translate("Failure", failureText(sheet.failure())));
        out.shift = sheet.value().shift;
    }
    return out;
}

FileOutcome<PairInput> readPairFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &why) {
        return FileOutcome<PairInput>::refused(said(QT_TRANSLATE_NOOP("PairFile", "无法打开“%1”：%2")).arg(name, why));
    };
    const FileOutcome<QJsonObject> json = readJsonFile(path, said(QT_TRANSLATE_NOOP("PairFile", "文件大于 1 MiB，不是齿轮副文件。")),
                                                       said(QT_TRANSLATE_NOOP("PairFile", "不是齿轮副文件。")));
    if (!json.ok())
        return refuse(json.problem());
    FileOutcome<PairInput> read = fromDocument(json.value());
    if (!read.ok())
        return refuse(read.problem());
    return read;
}

FileDone writePairFile(const QString &path, const PairInput &pair)
{
    const QString name = QFileInfo(path).fileName();
    const QJsonObject root = document(pair);
    if (const FileOutcome<PairInput> back = fromDocument(root); !back.ok())
        return FileDone::refused(said(QT_TRANSLATE_NOOP("PairFile", "无法保存“%1”：%2")).arg(name, back.problem()));
    return saveWholeFile(path, QJsonDocument(root).toJson(QJsonDocument::Indented), said(QT_TRANSLATE_NOOP("PairFile", "无法保存“%1”：%2。%3")));
}

} // namespace geardim
