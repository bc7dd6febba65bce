#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSize>
#include <QStringList>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

#include "core/measure/measurement.h"

// What the command line's commands share: their exit statuses and how they speak.
namespace geardim {

enum ExitStatus { kResult = 0, kNoResult = 1, kUsage = 2, kSomeLinesFailed = 3, kPartFails = 4, kPartNotJudged = 5 };

// The status of a command with --fail-exit (failExit) after judging its parts: a part that
// fails wins (4), then one that could not be judged (5); without --fail-exit every verdict
// is a result (0).
inline int judgedStatus(bool failExit, bool anyFails, bool anyNotJudged)
{
    if (!failExit)
        return kResult;
    return anyFails ? kPartFails : anyNotJudged ? kPartNotJudged : kResult;
}
inline int judgedStatus(bool failExit, std::optional<PartVerdict> part)
{
    return judgedStatus(failExit, part == PartVerdict::Fail, part == PartVerdict::NotJudged);
}

inline void printTo(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

inline int usageError(const QString &message)
{
    printTo(stderr, "geardim: " + message.toStdString() + "\n");
    printTo(stderr, "geardim: " + QCoreApplication::translate("CommandLine", "用 geardim --help 查看用法。").toStdString() + "\n");
    return kUsage;
}

inline int noResult(const QString &reason)
{
    printTo(stderr, "geardim: " + reason.toStdString() + "\n");
    return kNoResult;
}

// After a batch: the status 3 with the count of lines that have no result said, or nothing
// when every line has one.
inline std::optional<int> linesWithoutResult(long withoutResult, long lines)
{
    if (withoutResult == 0)
        return std::nullopt;
    printTo(stderr, "geardim: "
                        + QCoreApplication::translate("CommandLine", "%1 行（共 %2 行）没有结果，原因见 error 列。")
                              .arg(withoutResult)
                              .arg(lines)
                              .toStdString()
                        + "\n");
    return kSomeLinesFailed;
}

// The largest picture side: 8000 pixels take about 250 MB to paint.
inline constexpr int kMaxPictureSide = 8000;

// A --picture-size "WxH" in pixels, each side 100 to kMaxPictureSide; none otherwise.
inline std::optional<QSize> pictureSizeFrom(const QString &text)
{
    const QStringList wh = text.split(u'x');
    const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
    if (w < 100 || h < 100 || w > kMaxPictureSide || h > kMaxPictureSide)
        return std::nullopt;
    return QSize(w, h);
}

inline int pictureSizeError(const QString &text)
{
    return usageError(QCoreApplication::translate("CommandLine", "--picture-size 应为 宽x高（像素，100 到 %1），而不是“%2”。")
                          .arg(kMaxPictureSide)
                          .arg(text));
}

// A command's arguments parsed: nothing when the command goes on, or its exit status with what
// it printed (the help, or why the arguments cannot be used: an unknown option, a word that
// is not the command, an output format other than text, csv or json).
std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, const QString &command,
                                const QCommandLineOption &format);

// The columns an option's description may take in --help: the help's 79 less the widest
// option column, 40.
inline constexpr int kHelpColumns = 38;

// An option's description broken into lines of at most kHelpColumns terminal columns, a
// Chinese character counting two: the command line's help wraps only at spaces and counts
// characters, so a long Chinese description would run on past the terminal, and the last
// character of one that ends just past a line is lost. Latin text breaks at spaces, Chinese
// between any two characters but not before closing punctuation.
QString wrappedForHelp(const QString &text, int columns = kHelpColumns);

// The options added to the parser with their descriptions wrapped for --help.
void addOptionsWrapped(QCommandLineParser &parser, const QList<QCommandLineOption> &options);

} // namespace geardim
