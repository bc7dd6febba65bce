#include "app/batchrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include "app/clioutput.h"
#include "io/platform/files.h"
#include "io/safefile.h"

namespace geardim {

std::optional<int> refuseOutputOverInput(const QCommandLineParser &parser, std::initializer_list<const QCommandLineOption *> inputs,
                                         std::initializer_list<const QCommandLineOption *> outputs)
{
    for (const QCommandLineOption *input : inputs) {
        if (!parser.isSet(*input))
            continue;
        for (const QCommandLineOption *output : outputs) {
            if (parser.isSet(*output) && sameFile(parser.value(*input), parser.value(*output)))
                return usageError(QCoreApplication::translate("CommandLine", "--%1 与 --%2 是同一个文件“%3”：输出不能写到输入文件上。")
                                      .arg(output->names().first(), input->names().first(), parser.value(*output)));
        }
    }
    return std::nullopt;
}

std::optional<int> BatchRun::open(const QString &inPath, const QString &outPath)
{
    if (const FileDone source = checkInputSource(inPath); !source.ok())
        return noResult(QCoreApplication::translate("CommandLine", "无法打开批量文件“%1”：%2。").arg(inPath, source.problem()));
    in_.open(QFile::encodeName(inPath).toStdString(), std::ios::binary);
    if (!in_)
        return noResult(QCoreApplication::translate("CommandLine", "无法打开批量文件“%1”：%2。").arg(inPath, errnoText(errno)));
    outPath_ = outPath;
    if (!outPath.isEmpty()) {
        // Writing the input over itself would empty it before it is read.
        if (sameFile(inPath, outPath))
            return usageError(QCoreApplication::translate("CommandLine", "--out 与 --batch 是同一个文件“%1”：批量结果不能写到输入文件上。").arg(outPath));
        file_.emplace(outPath);
        if (const FileDone opened = file_->open(); !opened.ok())
            return noResult(QCoreApplication::translate("CommandLine", "无法写入“%1”：%2。").arg(outPath, opened.problem()));
    }
    return std::nullopt;
}

std::optional<int> BatchRun::finish(const std::string &problem)
{
    out().flush();
    if (!problem.empty())
        return noResult(QString::fromStdString(problem));
    if (file_) {
        if (const FileDone committed = file_->commit(); !committed.ok())
            return noResult(QCoreApplication::translate("CommandLine", "无法写入“%1”：%2。原有文件未改动。").arg(outPath_, committed.problem()));
    } else if (!out()) {
        return noResult(QCoreApplication::translate("CommandLine", "写入批量结果失败。"));
    }
    return std::nullopt;
}

} // namespace geardim
